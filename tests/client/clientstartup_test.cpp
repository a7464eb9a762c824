#include "tests/client/clienttestenvironment.h"

#include "product/client/clientstartup.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/gui/spellchecker.h"
#include "tests/support/scopedenvironmentvariable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <hunspell/hunspell.hxx>

#include <string>

namespace {

// Points the process's temporary folder at an empty folder of its own, so
// that the copies start-up makes can be seen.
class ClientStartupTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_temporaryFolder.isValid()); }

    QStringList temporaryFiles() const { return QDir(m_temporaryFolder.path()).entryList(QDir::Files | QDir::Hidden); }

    QString temporaryFile(const QString& name) const { return m_temporaryFolder.filePath(name); }

private:
    QTemporaryDir m_temporaryFolder;
    testsupport::ScopedEnvironmentVariable m_tmpdir{"TMPDIR", m_temporaryFolder.path().toStdString()};
};

TEST_F(ClientStartupTest, LoadsTheTranslationTheTimeZoneTableAndTheSpellCheckerAndKeepsOnlyItsCopies)
{
    QByteArrayList copies;
    {
        ClientStartup startup;
        startup.prepare();

        EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("QuenlarkClient"));
        EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0"));
        EXPECT_EQ(QCoreApplication::translate("AbstractConsoleView", "AuthenticateUserServiceBadPasswordEr"),
                  QStringLiteral("Incorrect password; please try again."));
        EXPECT_EQ(QCoreApplication::translate("AbstractConsoleView", "AuthenticateUserDefaultEr").arg(77).arg(2),
                  QStringLiteral("Authentication failed (with major error code 77 and minor error code 2); "
                                 "please contact your Quenlark Administrator."));
        // Every translation source is in the one translation.
        EXPECT_EQ(QCoreApplication::translate("Linguist", "AboutZARV"), QStringLiteral("About Quenlark..."));

        const auto& database = ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->getTimeZoneDatabase();
        EXPECT_TRUE(database.time_zone_from_region("America/New_York"));

        // The time-zone copy is gone; the dictionary and the affix file remain.
        const QStringList files = temporaryFiles();
        ASSERT_EQ(files.size(), 2) << files.join(QLatin1Char(' ')).toStdString();
        for (const QString& file : files) {
            copies.append(ReadAll(temporaryFile(file)));
        }
        EXPECT_TRUE(copies.contains(ReadAll(QStringLiteral("/usr/share/hunspell/en_US.dic"))));
        EXPECT_TRUE(copies.contains(ReadAll(QStringLiteral("/usr/share/hunspell/en_US.aff"))));

        // The spell checker reads the copies at start-up and again at each reset.
        SpellChecker* spellChecker = ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
        for (int reset = 0; reset < 2; ++reset) {
            ASSERT_NE(spellChecker->getSpellChecker(), nullptr);
            EXPECT_TRUE(spellChecker->getSpellChecker()->spell(std::string("encrypted")));
            EXPECT_FALSE(spellChecker->getSpellChecker()->spell(std::string("encrpyted")));
            spellChecker->reset();
        }

        for (const char* record :
             {"zarv::data::User", "zarv::data::Folder", "zarv::data::Document", "zarv::data::GroupKey",
              "zarv::data::FolderKey", "zarv::data::DocumentKey", "zarv::data::SecurityDescriptor",
              "zarv::data::Message", "zarv::data::MessageFolder"}) {
            EXPECT_TRUE(QMetaType::fromName(record).isValid()) << record;
        }
    }
    // Both copies go with the start-up object, and so does the translation.
    EXPECT_TRUE(temporaryFiles().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("AbstractConsoleView", "AuthenticateUserNoEr"),
              QStringLiteral("AuthenticateUserNoEr"));
}

}  // namespace
