#include "library/network/networksettings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Points the user-scope settings store at a temporary folder, so that the
// user's real settings are never read or written.
class NetworkSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QSettings::setPath(QSettings::defaultFormat(), QSettings::UserScope, m_folder.path());
        QCoreApplication::setOrganizationName("QuenlarkTests");
        QCoreApplication::setApplicationName("NetworkSettingsTest");
    }

    static void storeRaw(const QString& key, const QVariant& value)
    {
        QSettings settings;
        settings.setValue(key, value);
    }

    QTemporaryDir m_folder;
};

TEST_F(NetworkSettingsTest, AbsentKeysReadAsTheirDefaults)
{
    const NetworkSettings settings;
    EXPECT_EQ("", settings.getServerName());
    EXPECT_EQ(0u, settings.getServerPort());
    EXPECT_EQ("America/New_York", settings.getDefaultTimeZone());
    EXPECT_TRUE(settings.fileName().startsWith(m_folder.path()));
}

TEST_F(NetworkSettingsTest, ValuesAreKeptUnderTheirKeysInTheApplicationsStore)
{
    {
        NetworkSettings settings;
        settings.setServerName("documents.example.org");
        settings.setServerPort(8443);
        settings.setDefaultTimeZone("Europe/Paris");
    }
    const NetworkSettings settings;
    EXPECT_EQ("documents.example.org", settings.getServerName());
    EXPECT_EQ(8443u, settings.getServerPort());
    EXPECT_EQ("Europe/Paris", settings.getDefaultTimeZone());

    const QSettings store;
    EXPECT_EQ("documents.example.org", store.value("NetworkSettings/ServerName").toString());
    EXPECT_EQ(8443u, store.value("NetworkSettings/ServerPort").toUInt());
    EXPECT_EQ("Europe/Paris", store.value("NetworkSettings/DefaultTimeZone").toString());
}

TEST_F(NetworkSettingsTest, EmptyZoneAndNonNumericPortReadAsDefaults)
{
    storeRaw("NetworkSettings/DefaultTimeZone", QString());
    storeRaw("NetworkSettings/ServerPort", QString("eighty"));
    const NetworkSettings settings;
    EXPECT_EQ("America/New_York", settings.getDefaultTimeZone());
    EXPECT_EQ(0u, settings.getServerPort());
}

}  // namespace
