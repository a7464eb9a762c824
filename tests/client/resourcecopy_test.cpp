#include "tests/client/clienttestenvironment.h"

#include "library/gui/resourcecopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

class CopyResourceToTempororyFileTest : public ::testing::Test
{
protected:
    // A source file holding exactly `content`.
    QString source(const QByteArray& content)
    {
        const QString name = m_sources.filePath(QStringLiteral("source%1").arg(++m_count));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return name;
    }

private:
    QTemporaryDir m_sources;
    int m_count = 0;
};

TEST_F(CopyResourceToTempororyFileTest, EveryLineEndsInOneLineFeed)
{
    const struct
    {
        const char* name;
        QByteArray content;
        QByteArray copy;
    } cases[] = {
        {"LF lines", "first\nsecond\n", "first\nsecond\n"},
        {"no final line feed", "only line", "only line\n"},
        {"CR LF lines", "first\r\nsecond\r\n", "first\nsecond\n"},
        {"CR LF, no final line feed", "first\r\nsecond", "first\nsecond\n"},
        {"CR inside a line", "a\rb\n", "a\rb\n"},
        {"empty lines", "\n\r\n\n", "\n\n\n"},
        {"empty resource", "", ""},
        {"UTF-8 and other bytes kept as they are", "caf\xc3\xa9 \xff\n", "caf\xc3\xa9 \xff\n"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        QTemporaryFile copy;
        const QString fileName = utils::CopyResourceToTempororyFile(source(entry.content), copy);
        ASSERT_FALSE(fileName.isEmpty());
        EXPECT_EQ(fileName, QDir::toNativeSeparators(copy.fileName()));
        EXPECT_TRUE(copy.isOpen());
        // Read by name while the copy stays open, as the libraries do.
        EXPECT_EQ(ReadAll(fileName), entry.copy);
    }
}

TEST_F(CopyResourceToTempororyFileTest, TheCopyGoesWithItsTemporaryFile)
{
    QString fileName;
    {
        QTemporaryFile copy;
        fileName = utils::CopyResourceToTempororyFile(source("line\n"), copy);
        ASSERT_TRUE(QFile::exists(fileName));
    }
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST_F(CopyResourceToTempororyFileTest, NothingToCopyGivesAnEmptyNameAndNoFile)
{
    for (const QString& name :
         {QString(), QStringLiteral(":resources/no-such-resource"), QStringLiteral("/no/such/file")}) {
        SCOPED_TRACE(name.toStdString());
        QTemporaryFile copy;
        EXPECT_TRUE(utils::CopyResourceToTempororyFile(name, copy).isEmpty());
        EXPECT_FALSE(copy.isOpen());
        EXPECT_TRUE(copy.fileName().isEmpty() || !QFile::exists(copy.fileName()));
    }
}

TEST_F(CopyResourceToTempororyFileTest, AnUnwritableTemporaryFolderGivesAnEmptyName)
{
    QTemporaryFile copy(QStringLiteral("/no/such/folder/copy.XXXXXX"));
    EXPECT_TRUE(utils::CopyResourceToTempororyFile(source("line\n"), copy).isEmpty());
}

}  // namespace
