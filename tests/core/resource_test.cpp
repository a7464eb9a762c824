#include "library/core/lib/timezonedatabase.h"

#include <QFile>
#include <QTemporaryFile>
#include <gtest/gtest.h>

// The resource initialiser is declared where Q_INIT_RESOURCE is used: at global scope.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

TEST(ClientResources, TimeZoneTableIsBuiltIn)
{
    InitializeClientResources();
    QFile builtIn(QStringLiteral(":resources/resource.tmz"));
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    QFile source(QStringLiteral(QUENLARK_SOURCE_DIR "/resources/resource.tmz"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(source.readAll(), builtIn.readAll());
}

TEST(ClientResources, TimeZoneTableLoadsFromATemporaryCopy)
{
    InitializeClientResources();
    QFile builtIn(QStringLiteral(":resources/resource.tmz"));
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    QTemporaryFile copy;
    ASSERT_TRUE(copy.open());
    copy.write(builtIn.readAll());
    copy.close();

    TimeZoneDatabase database;
    database.loadFromFile(copy.fileName().toStdString());
    EXPECT_TRUE(database.setDefaultTimeZone("America/New_York"));
    EXPECT_TRUE(database.setDefaultTimeZone("Atlantic/Reykjavik"));
}

}  // namespace
