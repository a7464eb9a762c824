#include "tests/client/clienttestenvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTranslator>
#include <gtest/gtest.h>

// The resource initialiser is declared where Q_INIT_RESOURCE is used: at global scope.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

class BuiltInResources : public ::testing::Test
{
protected:
    void SetUp() override { InitializeClientResources(); }
};

TEST_F(BuiltInResources, SpellingDictionaryAndAffixFileAreTheInstalledOnes)
{
    const QByteArray dictionary = ReadAll(QStringLiteral(":resources/resource.dic"));
    EXPECT_EQ(dictionary, ReadAll(QStringLiteral("/usr/share/hunspell/en_US.dic")));
    EXPECT_GT(dictionary.left(dictionary.indexOf('\n')).toInt(), 40000);
    EXPECT_EQ(ReadAll(QStringLiteral(":resources/resource.aff")),
              ReadAll(QStringLiteral("/usr/share/hunspell/en_US.aff")));
}

TEST_F(BuiltInResources, LicenceTextIsTheProjectLicence)
{
    const QByteArray licence = ReadAll(QStringLiteral(":resources/license.txt"));
    EXPECT_EQ(licence, ReadAll(QStringLiteral(QUENLARK_SOURCE_DIR "/LICENSE")));
    EXPECT_TRUE(licence.contains("The Quenlark Client developers"));
}

TEST_F(BuiltInResources, IconsAndTheLogOnPictureAreImages)
{
    // The icons of the console, the log-on and network settings dialogs and
    // the common dialogs.
    const QStringList used = {
        "application",      "log-on",          "log-off",          "network-settings", "server",      "event-log",
        "user-groups",      "message-browser", "document-browser", "document-keys",    "folder-keys", "pictures",
        "restore-document", "reset-password",  "group-create",     "group-edit",       "revision",
    };
    const QStringList icons = QDir(QStringLiteral(":icons/32x32")).entryList(QDir::Files);
    for (const QString& name : used) {
        EXPECT_TRUE(icons.contains(name + QStringLiteral(".png"))) << name.toStdString();
    }
    for (const QString& icon : icons) {
        const QImage image(QStringLiteral(":icons/32x32/") + icon);
        EXPECT_EQ(image.size(), QSize(32, 32)) << icon.toStdString();
    }
    EXPECT_FALSE(QImage(QStringLiteral(":images/logon.png")).isNull());
}

TEST_F(BuiltInResources, TranslationResolvesTextIdsAndLeavesUnknownIdsAlone)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":build/client_en.qm")));
    EXPECT_EQ(translator.translate("AbstractConsoleView", "AuthenticateUser"), QStringLiteral("Authenticate User"));
    EXPECT_EQ(translator.translate("AbstractConsoleView", "AuthenticateUserServiceNoUserFoundEr"),
              QStringLiteral("Incorrect user name; please try again."));
    // The two protocol errors share one text, which links to the download page.
    const QString protocolText =
        translator.translate("AbstractConsoleView", "AuthenticateUserServiceInvalidMajorProtocolEr");
    EXPECT_TRUE(protocolText.contains(QStringLiteral("<a href=\"https://")));
    EXPECT_EQ(translator.translate("AbstractConsoleView", "AuthenticateUserServiceInvalidMinorProtocolEr"),
              protocolText);
    EXPECT_TRUE(translator.translate("AbstractConsoleView", "AuthenticateUserNoSuchEr").isEmpty());
}

}  // namespace
