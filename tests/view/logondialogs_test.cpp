#include "product/client/view/logondialog.h"
#include "product/client/view/networksettingsdialog.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/network/networksettings.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/temporarysettingsstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using testsupport::WhenModal;

const QString ServerNameLabel = QStringLiteral("Server name:");
const QString ServerPortLabel = QStringLiteral("Server port:");
const QString TimeZoneLabel = QStringLiteral("Default time zone:");
const QString UserNameLabel = QStringLiteral("User name:");
const QString PasswordLabel = QStringLiteral("User password:");
const QString ServerNameRequired =
    QStringLiteral("Please enter the name of the server to log on to; it cannot be empty.");

TimeZoneDatabase& Zones()
{
    return *ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance();
}

QStringList Regions()
{
    QStringList regions;
    for (const std::string& region : Zones().getTimeZoneDatabase().region_list()) {
        regions.append(QString::fromStdString(region));
    }
    return regions;
}

// The field that the label with `text` stands for.
template <typename Field>
Field* FieldOf(const QWidget& dialog, const QString& text)
{
    QLabel* label = testsupport::ChildWithText<QLabel>(dialog, text);
    return label ? qobject_cast<Field*>(label->buddy()) : nullptr;
}

QLineEdit* ServerName(const QWidget& dialog)
{
    return FieldOf<QLineEdit>(dialog, ServerNameLabel);
}
QSpinBox* ServerPort(const QWidget& dialog)
{
    return FieldOf<QSpinBox>(dialog, ServerPortLabel);
}
QComboBox* TimeZone(const QWidget& dialog)
{
    return FieldOf<QComboBox>(dialog, TimeZoneLabel);
}
QLineEdit* UserName(const QWidget& dialog)
{
    return FieldOf<QLineEdit>(dialog, UserNameLabel);
}
QLineEdit* Password(const QWidget& dialog)
{
    return FieldOf<QLineEdit>(dialog, PasswordLabel);
}
QPushButton* Button(const QWidget& dialog, const QString& text)
{
    return testsupport::ChildWithText<QPushButton>(dialog, text);
}
QCheckBox* CheckBox(const QWidget& dialog, const QString& text)
{
    return testsupport::ChildWithText<QCheckBox>(dialog, text);
}
QCheckBox* Options(const QWidget& dialog)
{
    return CheckBox(dialog, QStringLiteral("Options"));
}

// Replaces what the user typed into a field.
void Type(QWidget* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Which of the five rows a user would see.
std::vector<bool> RowsShown(const QWidget& dialog)
{
    std::vector<bool> shown;
    for (const QString& label : {UserNameLabel, PasswordLabel, ServerNameLabel, ServerPortLabel, TimeZoneLabel}) {
        const QLabel* widget = testsupport::ChildWithText<QLabel>(dialog, label);
        shown.push_back(widget && !widget->isHidden() && !widget->buddy()->isHidden());
    }
    return shown;
}

// Every key of the settings store and its value as text.
QMap<QString, QString> StoredSettings()
{
    QSettings store;
    QMap<QString, QString> values;
    for (const QString& key : store.allKeys()) {
        values.insert(key, store.value(key).toString());
    }
    return values;
}

// Each test gets an empty settings store of its own in a temporary folder;
// the time-zone regions are the client's built-in table. A dialog of a class
// the test did not allow fails it.
class NetworkDialogsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (Zones().getTimeZoneDatabase().region_list().empty()) {
            Zones().loadFromFile(QUENLARK_SOURCE_DIR "/resources/resource.tmz");
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid());
        m_guard.allow<LogonDialog>();
        m_guard.allow<NetworkSettingsDialog>();
    }

    void TearDown() override { QCoreApplication::processEvents(); }

    static void store(const QString& serverName, unsigned int serverPort, const QString& zone)
    {
        NetworkSettings settings;
        settings.setServerName(serverName);
        settings.setServerPort(serverPort);
        settings.setDefaultTimeZone(zone);
    }

    testsupport::DialogGuard m_guard;

private:
    testsupport::TemporarySettingsStore m_store{QStringLiteral("logondialogs_tests")};
};

// What both dialogs share: the network fields and their start from the settings.
template <typename Dialog>
class NetworkFieldsTest : public NetworkDialogsTest
{};
using NetworkDialogs = ::testing::Types<LogonDialog, NetworkSettingsDialog>;
TYPED_TEST_SUITE(NetworkFieldsTest, NetworkDialogs);

TYPED_TEST(NetworkFieldsTest, StartEmptyWithoutStoredSettings)
{
    TypeParam dialog(nullptr);
    ASSERT_NE(ServerName(dialog), nullptr);
    EXPECT_EQ(ServerName(dialog)->text(), QString());
    EXPECT_EQ(dialog.getServerName(), QString());
    EXPECT_EQ(dialog.getServerPort(), 1024);
    EXPECT_EQ(dialog.getDefaultTimeZone(), QStringLiteral("America/New_York"));
    EXPECT_EQ(ServerPort(dialog)->minimum(), 1024);
    EXPECT_EQ(ServerPort(dialog)->maximum(), 65535);
    EXPECT_FALSE(TimeZone(dialog)->isEditable());
    EXPECT_TRUE(StoredSettings().isEmpty());
}

TYPED_TEST(NetworkFieldsTest, ShowTheStoredNameAsStoredAndReturnItTrimmed)
{
    this->store(QStringLiteral("  quenlark.example.org \t"), 8443, QStringLiteral("Europe/Paris"));
    TypeParam dialog(nullptr);
    EXPECT_EQ(ServerName(dialog)->text(), QStringLiteral("  quenlark.example.org \t"));
    EXPECT_EQ(dialog.getServerName(), QStringLiteral("quenlark.example.org"));
    EXPECT_EQ(dialog.getServerPort(), 8443);
    EXPECT_EQ(dialog.getDefaultTimeZone(), QStringLiteral("Europe/Paris"));
}

TYPED_TEST(NetworkFieldsTest, ShowOnlyAStoredPortInsideTheUnprivilegedRange)
{
    const struct
    {
        unsigned int stored;
        int shown;
    } cases[] = {{0, 1024},    {80, 1024},     {1023, 1024},  {1024, 1024},       {1025, 1025},
                 {8443, 8443}, {65535, 65535}, {65536, 1024}, {4294967295u, 1024}};
    for (const auto& port : cases) {
        this->store(QStringLiteral("host"), port.stored, QStringLiteral("UTC"));
        TypeParam dialog(nullptr);
        EXPECT_EQ(dialog.getServerPort(), port.shown) << port.stored;
    }

    QSettings().setValue(QStringLiteral("NetworkSettings/ServerPort"), QStringLiteral("https"));
    TypeParam dialog(nullptr);
    EXPECT_EQ(dialog.getServerPort(), 1024);
}

TYPED_TEST(NetworkFieldsTest, ListEveryRegionInByteOrderAndChooseTheStoredOneExactly)
{
    const QStringList regions = Regions();
    ASSERT_GT(regions.size(), 100);
    ASSERT_TRUE(std::is_sorted(regions.begin(), regions.end(),
                               [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); }));

    const struct
    {
        const char* stored;
        QString chosen;
    } cases[] = {
        {"Asia/Tokyo", QStringLiteral("Asia/Tokyo")},
        {"Pacific/Auckland", QStringLiteral("Pacific/Auckland")},
        // Anything but an exact region id falls back to the first region.
        {"asia/tokyo", regions.first()},
        {"Asia/Tokyo ", regions.first()},
        {"Mars/Olympus_Mons", regions.first()},
    };
    for (const auto& zone : cases) {
        this->store(QString(), 0, QString::fromLatin1(zone.stored));
        TypeParam dialog(nullptr);
        QComboBox* combo = TimeZone(dialog);
        ASSERT_NE(combo, nullptr);
        QStringList listed;
        for (int i = 0; i < combo->count(); ++i) {
            listed.append(combo->itemText(i));
        }
        EXPECT_EQ(listed, regions);
        EXPECT_EQ(dialog.getDefaultTimeZone(), zone.chosen) << zone.stored;
    }
}

TYPED_TEST(NetworkFieldsTest, ReturnTheZoneAndPortTheUserChose)
{
    TypeParam dialog(nullptr);
    TimeZone(dialog)->setCurrentText(QStringLiteral("Australia/Sydney"));
    EXPECT_EQ(dialog.getDefaultTimeZone(), QStringLiteral("Australia/Sydney"));

    // The port field keeps to 1024..65535 whatever is asked of it.
    QSpinBox* port = ServerPort(dialog);
    for (const auto& [asked, kept] : {std::pair{80, 1024}, {70000, 65535}, {50000, 50000}}) {
        port->setValue(asked);
        EXPECT_EQ(dialog.getServerPort(), kept) << asked;
    }
}

TYPED_TEST(NetworkFieldsTest, CancelAndEscapeRejectAndStoreNothing)
{
    this->store(QStringLiteral("host"), 5000, QStringLiteral("UTC"));
    const auto stored = StoredSettings();
    for (const bool escape : {false, true}) {
        TypeParam dialog(nullptr);
        WhenModal<TypeParam>([escape](TypeParam* shown) {
            Type(ServerName(*shown), QStringLiteral("elsewhere"));
            ServerPort(*shown)->setValue(6000);
            TimeZone(*shown)->setCurrentText(QStringLiteral("Europe/Paris"));
            if (escape) {
                QTest::keyClick(shown, Qt::Key_Escape);
            } else {
                Button(*shown, QStringLiteral("Cancel"))->click();
            }
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
        EXPECT_EQ(StoredSettings(), stored);
    }
}

class LogonDialogTest : public NetworkDialogsTest
{};

TEST_F(LogonDialogTest, ShowsItsTextsPictureAndIcon)
{
    LogonDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Log On"));
    EXPECT_FALSE(dialog.windowIcon().pixmap(32, 32).isNull());
    EXPECT_GE(dialog.minimumWidth(), 250);
    for (const QString& label : {UserNameLabel, PasswordLabel, ServerNameLabel, ServerPortLabel, TimeZoneLabel}) {
        EXPECT_NE(FieldOf<QWidget>(dialog, label), nullptr) << label.toStdString();
    }
    EXPECT_NE(Button(dialog, QStringLiteral("OK")), nullptr);
    EXPECT_NE(Button(dialog, QStringLiteral("Cancel")), nullptr);
    ASSERT_NE(CheckBox(dialog, QStringLiteral("Show password")), nullptr);
    EXPECT_FALSE(CheckBox(dialog, QStringLiteral("Show password"))->isChecked());
    EXPECT_NE(Options(dialog), nullptr);
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return !label->pixmap().isNull();
    })) << "no log-on picture";
    EXPECT_EQ(UserName(dialog)->text(), QString());
    EXPECT_EQ(Password(dialog)->text(), QString());
    EXPECT_EQ(Password(dialog)->echoMode(), QLineEdit::Password);
}

TEST_F(LogonDialogTest, OpensTheNetworkRowsOnlyWithoutAStoredServerName)
{
    const struct
    {
        const char* stored;
        bool opened;
    } cases[] = {{nullptr, true}, {"", true}, {"   ", true}, {"host", false}, {"  host ", false}};
    for (const auto& name : cases) {
        SCOPED_TRACE(name.stored ? name.stored : "<none>");
        if (name.stored) {
            NetworkSettings().setServerName(QString::fromLatin1(name.stored));
        }
        LogonDialog dialog(nullptr);
        EXPECT_EQ(Options(dialog)->isChecked(), name.opened);
        EXPECT_EQ(RowsShown(dialog), (std::vector<bool>{true, true, name.opened, name.opened, name.opened}));
        EXPECT_EQ(dialog.focusWidget(), UserName(dialog));
        // Blanks count as no name for the options, but stay in the field.
        EXPECT_EQ(ServerName(dialog)->text(), QString::fromLatin1(name.stored ? name.stored : ""));
    }
}

TEST_F(LogonDialogTest, OptionsShowAndHideTheNetworkRowsAndTheDialogFollows)
{
    NetworkSettings().setServerName(QStringLiteral("host"));
    LogonDialog dialog(nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const int closedHeight = dialog.height();

    Options(dialog)->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(RowsShown(dialog), (std::vector<bool>{true, true, true, true, true}));
    const int openedHeight = dialog.height();
    EXPECT_GT(openedHeight, closedHeight);
    EXPECT_EQ(dialog.focusWidget(), UserName(dialog));

    Button(dialog, QStringLiteral("Cancel"))->setFocus();
    Options(dialog)->setChecked(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(RowsShown(dialog), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(dialog.height(), closedHeight);
    EXPECT_EQ(dialog.focusWidget(), UserName(dialog));
}

TEST_F(LogonDialogTest, ShowPasswordShowsThePasswordInClear)
{
    LogonDialog dialog(nullptr);
    QCheckBox* show = CheckBox(dialog, QStringLiteral("Show password"));
    show->setChecked(true);
    EXPECT_EQ(Password(dialog)->echoMode(), QLineEdit::Normal);
    show->setChecked(false);
    EXPECT_EQ(Password(dialog)->echoMode(), QLineEdit::Password);
}

TEST_F(LogonDialogTest, FocusAndClearActOnTheirFields)
{
    LogonDialog dialog(nullptr);
    dialog.setFocusUserPassword();
    EXPECT_EQ(dialog.focusWidget(), Password(dialog));
    dialog.setFocusServerName();
    EXPECT_EQ(dialog.focusWidget(), ServerName(dialog));
    dialog.setFocusUserName();
    EXPECT_EQ(dialog.focusWidget(), UserName(dialog));

    UserName(dialog)->setText(QStringLiteral("ann"));
    Password(dialog)->setText(QStringLiteral("secret"));
    dialog.clearUserPassword();
    EXPECT_EQ(dialog.getUserPassword(), QString());
    EXPECT_EQ(dialog.getUserName(), QStringLiteral("ann"));
    Password(dialog)->setText(QStringLiteral("secret"));
    dialog.clearUserName();
    EXPECT_EQ(dialog.getUserName(), QString());
    EXPECT_EQ(dialog.getUserPassword(), QStringLiteral("secret"));
    UserName(dialog)->setText(QStringLiteral("ann"));
    dialog.clear();
    EXPECT_EQ(dialog.getUserName(), QString());
    EXPECT_EQ(dialog.getUserPassword(), QString());
}

TEST_F(LogonDialogTest, TabFollowsTheRowsFromTopToBottom)
{
    LogonDialog dialog(nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const std::vector<QWidget*> order{UserName(dialog),   Password(dialog), ServerName(dialog),
                                      ServerPort(dialog), TimeZone(dialog), Button(dialog, QStringLiteral("OK"))};
    ASSERT_EQ(QApplication::focusWidget(), order.front());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
}

TEST_F(LogonDialogTest, OkReturnsWhatWasTypedTrimmedAndStoresNothing)
{
    store(QStringLiteral("host"), 5000, QStringLiteral("UTC"));
    const auto stored = StoredSettings();
    // Clicking OK and pressing Return in the password field both accept.
    for (const bool pressReturn : {false, true}) {
        LogonDialog dialog(nullptr);
        WhenModal<LogonDialog>([pressReturn](LogonDialog* shown) {
            Options(*shown)->setChecked(true);
            Type(UserName(*shown), QStringLiteral("  ann.lee "));
            Type(ServerName(*shown), QStringLiteral(" quenlark.example.org  "));
            ServerPort(*shown)->setValue(6000);
            TimeZone(*shown)->setCurrentText(QStringLiteral("Europe/Paris"));
            Type(Password(*shown), QStringLiteral(" s3cret pass  "));
            if (pressReturn) {
                QTest::keyClick(Password(*shown), Qt::Key_Return);
            } else {
                QTest::mouseClick(Button(*shown, QStringLiteral("OK")), Qt::LeftButton);
            }
        });
        ASSERT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(dialog.getUserName(), QStringLiteral("ann.lee"));
        EXPECT_EQ(dialog.getUserPassword(), QStringLiteral("s3cret pass"));
        EXPECT_EQ(dialog.getServerName(), QStringLiteral("quenlark.example.org"));
        EXPECT_EQ(dialog.getServerPort(), 6000);
        EXPECT_EQ(dialog.getDefaultTimeZone(), QStringLiteral("Europe/Paris"));
        EXPECT_EQ(StoredSettings(), stored);
    }
}

// A log-on without a server to go to is never let through: OK and Return are
// refused with a warning, the network rows open and the cursor waits in the
// server-name field until a name is typed.
TEST_F(LogonDialogTest, ABlankServerNameIsRefusedUntilOneIsTyped)
{
    m_guard.allow<QMessageBox>();
    const struct
    {
        const char* stored;
        const char* typed;
        bool pressReturn;
    } cases[] = {{nullptr, nullptr, false}, {"   ", nullptr, true}, {"host", "   ", false}};
    for (const auto& attempt : cases) {
        SCOPED_TRACE(attempt.stored ? attempt.stored : "<none>");
        if (attempt.stored) {
            NetworkSettings().setServerName(QString::fromLatin1(attempt.stored));
        }
        LogonDialog dialog(nullptr);
        int warnings = 0;
        WhenModal<LogonDialog>([&attempt, &warnings](LogonDialog* shown) {
            if (attempt.typed) {
                Options(*shown)->setChecked(true);
                Type(ServerName(*shown), QString::fromLatin1(attempt.typed));
                Options(*shown)->setChecked(false);
            }
            Type(UserName(*shown), QStringLiteral("ann"));
            Type(Password(*shown), QStringLiteral("secret"));
            WhenModal<QMessageBox>([shown, &warnings](QMessageBox* box) {
                ++warnings;
                EXPECT_EQ(box->parentWidget(), shown);
                EXPECT_EQ(box->icon(), QMessageBox::Warning);
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Log On"));
                EXPECT_EQ(box->text(), ServerNameRequired);
                // The rows are open behind the message.
                EXPECT_EQ(RowsShown(*shown), (std::vector<bool>{true, true, true, true, true}));
                box->button(QMessageBox::Ok)->click();
            });
            if (attempt.pressReturn) {
                QTest::keyClick(Password(*shown), Qt::Key_Return);
            } else {
                Button(*shown, QStringLiteral("OK"))->click();
            }

            EXPECT_EQ(warnings, 1);
            EXPECT_TRUE(shown->isVisible());
            EXPECT_TRUE(Options(*shown)->isChecked());
            EXPECT_EQ(shown->focusWidget(), ServerName(*shown));
            QTest::keyClicks(ServerName(*shown), QStringLiteral("quenlark.example.org"));
            Button(*shown, QStringLiteral("OK"))->click();
        });
        ASSERT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(warnings, 1);
        EXPECT_EQ(dialog.getServerName(), QStringLiteral("quenlark.example.org"));
        EXPECT_EQ(dialog.getUserName(), QStringLiteral("ann"));
    }
}

class NetworkSettingsDialogTest : public NetworkDialogsTest
{};

TEST_F(NetworkSettingsDialogTest, ShowsItsTextsAndIcon)
{
    NetworkSettingsDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Network Settings"));
    EXPECT_FALSE(dialog.windowIcon().pixmap(32, 32).isNull());
    EXPECT_GE(dialog.minimumWidth(), 250);
    for (const QString& label : {ServerNameLabel, ServerPortLabel, TimeZoneLabel}) {
        EXPECT_NE(FieldOf<QWidget>(dialog, label), nullptr) << label.toStdString();
    }
    EXPECT_NE(Button(dialog, QStringLiteral("OK")), nullptr);
    EXPECT_NE(Button(dialog, QStringLiteral("Cancel")), nullptr);
    EXPECT_EQ(testsupport::ChildWithText<QLabel>(dialog, UserNameLabel), nullptr);
}

TEST_F(NetworkSettingsDialogTest, AcceptedValuesAreStoredTrimmed)
{
    store(QStringLiteral("old.example.org"), 5000, QStringLiteral("UTC"));
    NetworkSettingsDialog dialog(nullptr);
    WhenModal<NetworkSettingsDialog>([](NetworkSettingsDialog* shown) {
        Type(ServerName(*shown), QStringLiteral("  quenlark.example.org "));
        ServerPort(*shown)->setValue(65535);
        TimeZone(*shown)->setCurrentText(QStringLiteral("Asia/Tokyo"));
        QTest::mouseClick(Button(*shown, QStringLiteral("OK")), Qt::LeftButton);
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    dialog.storeNetworkSettings();

    const NetworkSettings settings;
    EXPECT_EQ(settings.getServerName(), QStringLiteral("quenlark.example.org"));
    EXPECT_EQ(settings.getServerPort(), 65535u);
    EXPECT_EQ(settings.getDefaultTimeZone(), QStringLiteral("Asia/Tokyo"));
    // The next dialog starts from what was stored.
    LogonDialog next(nullptr);
    EXPECT_EQ(next.getServerName(), QStringLiteral("quenlark.example.org"));
    EXPECT_EQ(next.getServerPort(), 65535);
    EXPECT_EQ(next.getDefaultTimeZone(), QStringLiteral("Asia/Tokyo"));
    EXPECT_FALSE(Options(next)->isChecked());
}

TEST_F(NetworkSettingsDialogTest, StoringWritesAllThreeKeysEvenUnchanged)
{
    NetworkSettingsDialog dialog(nullptr);
    dialog.storeNetworkSettings();
    EXPECT_EQ(StoredSettings(),
              (QMap<QString, QString>{
                  {QStringLiteral("NetworkSettings/ServerName"), QString()},
                  {QStringLiteral("NetworkSettings/ServerPort"), QStringLiteral("1024")},
                  {QStringLiteral("NetworkSettings/DefaultTimeZone"), QStringLiteral("America/New_York")},
              }));
}

}  // namespace
