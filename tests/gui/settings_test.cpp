#include "library/gui/settings.h"

#include "library/gui/linguist.h"
#include "tests/support/scopedenvironmentvariable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Folders = QList<QString>;

// Points the application's store and the user's home folder at temporary
// folders, so no test touches the real settings.
class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid());
        ASSERT_TRUE(m_home.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("QuenlarkTests"));
        QCoreApplication::setApplicationName(QStringLiteral("gui_tests"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_store.path());
    }

    QString homePictures() const { return m_home.path() + QStringLiteral("/Pictures"); }
    QString storePath() const { return m_store.path(); }

    // What the store holds under `key`, read past Settings.
    static QVariant stored(const QString& key) { return QSettings().value(key); }

private:
    QTemporaryDir m_store;
    QTemporaryDir m_home;
    testsupport::ScopedEnvironmentVariable m_homeVariable{"HOME", QFile::encodeName(m_home.path()).toStdString()};
};

TEST_F(SettingsTest, EveryObjectUsesTheApplicationStore)
{
    {
        Settings writer;
        EXPECT_TRUE(writer.fileName().startsWith(storePath() + QLatin1Char('/'))) << writer.fileName().toStdString();
        writer.setPictureDirectories({QStringLiteral("/srv/a"), QStringLiteral("/srv/b")});
        Settings reader;
        EXPECT_EQ(reader.getPictureDirectories(), (Folders{QStringLiteral("/srv/a"), QStringLiteral("/srv/b")}));
    }
    // Written to disk: a fresh object in a later session reads it back.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storePath());
    EXPECT_EQ(Settings().getPictureDirectories().size(), 2);
}

TEST_F(SettingsTest, PictureDirectoriesRoundTrip)
{
    Settings settings;
    EXPECT_TRUE(settings.getPictureDirectories().isEmpty());

    settings.setPictureDirectories({QStringLiteral("/c"), QStringLiteral("/a"), QStringLiteral("/b")});
    EXPECT_EQ(settings.getPictureDirectories(),
              (Folders{QStringLiteral("/c"), QStringLiteral("/a"), QStringLiteral("/b")}));

    settings.setPictureDirectories({QStringLiteral("/only")});
    EXPECT_EQ(stored(QStringLiteral("MachineSettings/PictureDirectories/size")).toInt(), 1);
    EXPECT_EQ(settings.getPictureDirectories(), Folders{QStringLiteral("/only")});

    settings.setPictureDirectories({});
    EXPECT_EQ(stored(QStringLiteral("MachineSettings/PictureDirectories/size")), QVariant(0));
    EXPECT_TRUE(settings.getPictureDirectories().isEmpty());
}

TEST_F(SettingsTest, AddPictureDirectorySkipsOnlyTheSameText)
{
    Settings settings;
    settings.addPictureDirectory(QStringLiteral("/p/Photos"));
    settings.addPictureDirectory(QStringLiteral("/p/Photos"));
    settings.addPictureDirectory(QStringLiteral("/p/photos"));
    settings.addPictureDirectory(QStringLiteral("/p/Photos/"));

    EXPECT_EQ(settings.getPictureDirectories(),
              (Folders{QStringLiteral("/p/Photos"), QStringLiteral("/p/photos"), QStringLiteral("/p/Photos/")}));
}

TEST_F(SettingsTest, SearchPathsStartWithTheHomePicturesFolderWhenItExists)
{
    Settings settings;
    EXPECT_EQ(settings.getHomePictureDirectory(), QString());
    EXPECT_TRUE(settings.getPictureSearchPaths().isEmpty());

    // A file of that name is no folder.
    QFile file(homePictures());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(settings.getHomePictureDirectory(), QString());
    ASSERT_TRUE(file.remove());

    ASSERT_TRUE(QDir().mkdir(homePictures()));
    settings.setPictureDirectories({QStringLiteral("/srv/pictures"), homePictures()});
    EXPECT_EQ(settings.getHomePictureDirectory(), homePictures());
    EXPECT_EQ(settings.getPictureSearchPaths(),
              (Folders{homePictures(), QStringLiteral("/srv/pictures"), homePictures()}));
}

TEST_F(SettingsTest, HomePageUrl)
{
    const QString custom = QStringLiteral("https://intranet.example/start");
    const struct
    {
        QVariant index;  // invalid: not stored
        QString custom;
        QString expected;
    } cases[] = {
        {QVariant(), QString(), Linguist::tr("HomePageChoice1Url")},
        {QVariant(), custom, custom},
        {0, QString(), Linguist::tr("HomePageChoice1Url")},
        {0, custom, custom},
        {1, custom, Linguist::tr("HomePageChoice1Url")},
        {2, custom, Linguist::tr("HomePageChoice2Url")},
        {3, QString(), Linguist::tr("HomePageChoice3Url")},
        {4, QString(), Linguist::tr("HomePageChoice4Url")},
        {5, QString(), Linguist::tr("HomePageChoice5Url")},
        {6, QString(), Linguist::tr("HomePageChoice1Url")},
        {-1, custom, Linguist::tr("HomePageChoice1Url")},
        {QStringLiteral("two"), custom, custom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index.toString().toStdString() + " / " + c.custom.toStdString());
        Settings settings;
        settings.clear();
        if (c.index.isValid()) {
            settings.setValue(QStringLiteral("WebBrowser/Options/HomePageUrlIndex"), c.index);
        }
        if (!c.custom.isEmpty()) {
            settings.setValue(QStringLiteral("WebBrowser/Options/HomePageCustomUrl"), c.custom);
        }
        EXPECT_EQ(settings.getHomePageUrl(), c.expected);
    }
    EXPECT_NE(Linguist::tr("HomePageChoice1Url"), QStringLiteral("HomePageChoice1Url"));
}

class GeometryTest : public SettingsTest
{
protected:
    // "<group>/geometry/<width>x<height>/" of the screen the widget is on.
    static QString prefix(const QString& group, const QWidget& widget)
    {
        const QSize available = widget.screen()->availableGeometry().size();
        return QStringLiteral("%1/geometry/%2x%3/").arg(group).arg(available.width()).arg(available.height());
    }

    // The geometry that a new label gets, with the defaults 640 x 480 at (64, 48).
    static QRect restoredLabel()
    {
        QLabel opening;
        Settings().restoreWidgetGeometrySettings(&opening, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
        return QRect(opening.pos(), opening.size());
    }
};

TEST_F(GeometryTest, GeometryIsKeptPerScreenSize)
{
    // Closed on a screen of another size only: the defaults apply here.
    {
        QSettings store;
        store.setValue(QStringLiteral("QLabel/geometry/1x1/size"), QSize(100, 100));
        store.setValue(QStringLiteral("QLabel/geometry/1x1/pos"), QPoint(5, 5));
    }
    EXPECT_EQ(restoredLabel(), QRect(64, 48, 640, 480));

    QLabel closing;
    closing.resize(321, 234);
    closing.move(40, 30);
    Settings().saveWidgetGeometrySettings(&closing, Settings::ClassNameGroup);
    EXPECT_EQ(stored(prefix(QStringLiteral("QLabel"), closing) + QStringLiteral("size")), QVariant(QSize(321, 234)));
    EXPECT_EQ(stored(prefix(QStringLiteral("QLabel"), closing) + QStringLiteral("pos")), QVariant(QPoint(40, 30)));
    EXPECT_EQ(restoredLabel(), QRect(40, 30, 321, 234));
    EXPECT_EQ(stored(QStringLiteral("QLabel/geometry/1x1/size")), QVariant(QSize(100, 100)));
}

TEST_F(GeometryTest, AnUnchangedGeometryLeavesTheFileAlone)
{
    QLabel closing;
    closing.resize(321, 234);
    closing.move(40, 30);
    Settings().saveWidgetGeometrySettings(&closing, Settings::ClassNameGroup);
    const QString path = QSettings().fileName();
    // A line that only a rewrite of the file drops.
    const QByteArray marker("; not rewritten\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(marker);
    }
    const auto holdsMarker = [&path, &marker] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(marker);
    };

    Settings().saveWidgetGeometrySettings(&closing, Settings::ClassNameGroup);
    EXPECT_TRUE(holdsMarker());

    // Either value changed: both are stored again.
    struct Case
    {
        QSize size;
        QPoint pos;
    };
    for (const Case& c : {Case{QSize(321, 234), QPoint(41, 30)}, Case{QSize(322, 234), QPoint(41, 30)}}) {
        closing.resize(c.size);
        closing.move(c.pos);
        Settings().saveWidgetGeometrySettings(&closing, Settings::ClassNameGroup);
        EXPECT_EQ(restoredLabel(), QRect(c.pos, c.size));
    }
    EXPECT_FALSE(holdsMarker());
}

TEST_F(GeometryTest, ObjectNameGroup)
{
    QLabel named;
    named.setObjectName(QStringLiteral("PreviewPane"));
    named.resize(200, 100);
    Settings().saveWidgetGeometrySettings(&named, Settings::ObjectNameGroup);
    EXPECT_EQ(stored(prefix(QStringLiteral("PreviewPane"), named) + QStringLiteral("size")), QVariant(QSize(200, 100)));

    // Without an object name nothing is stored, and nothing is restored: not
    // even the defaults.
    Settings settings;
    settings.clear();
    QLabel unnamed;
    unnamed.resize(123, 45);
    settings.saveWidgetGeometrySettings(&unnamed, Settings::ObjectNameGroup);
    EXPECT_TRUE(settings.allKeys().isEmpty());
    settings.restoreWidgetGeometrySettings(&unnamed, Settings::ObjectNameGroup, QSize(640, 480), QPoint(64, 48));
    EXPECT_EQ(unnamed.size(), QSize(123, 45));
}

}  // namespace
