#include "library/gui/documenteditoroptionsdialog.h"
#include "library/gui/messagebrowseroptionsdialog.h"
#include "library/gui/settings.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/support/temporarysettingsstore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using testsupport::ChildWithText;
using testsupport::WhenModal;

// The process-wide settings object keeps the store it was first built on,
// so the program has one temporary store, emptied before each test.
class OptionDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!s_store) {
            s_store = std::make_unique<testsupport::TemporarySettingsStore>("OptionDialogs");
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_store->isValid());
        processSettings().clear();
        processSettings().sync();
    }

    static Settings& processSettings() { return *ACE_Singleton<Settings, ACE_Null_Mutex>::instance(); }
    // What the store holds, read past the process-wide object.
    static QVariant stored(const std::string& key) { return Settings().value(QString::fromStdString(key)); }
    static void store(const std::string& key, const QVariant& value)
    {
        Settings().setValue(QString::fromStdString(key), value);
    }

    static inline std::unique_ptr<testsupport::TemporarySettingsStore> s_store;
};

const char Group[] = "DocumentEditor/Options/";

// The dialog's choices, by group box title: shown, area, break (-1 when the
// box has no such control).
struct Shown
{
    int display;
    int area;
    int tailBreak;

    bool operator==(const Shown& other) const
    {
        return display == other.display && area == other.area && tailBreak == other.tailBreak;
    }
};

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << "{display " << shown.display << ", area " << shown.area << ", break " << shown.tailBreak << '}';
}

const char* const Titles[] = {"Standard Tool Bar Options", "Formatting Tool Bar Options", "Icon Tool Bar Options",
                              "URL Attachments Dock Widget Options", "Revision History Dock Widget Options"};

const std::map<QString, int> AreaTexts = {
    {QStringLiteral("Display in Left Area by Default"), 1},
    {QStringLiteral("Display in Right Area by Default"), 2},
    {QStringLiteral("Display in Top Area by Default"), 4},
    {QStringLiteral("Display in Bottom Area by Default"), 8},
};

QGroupBox* Box(const QWidget& dialog, const char* title)
{
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        if (box->title() == QString::fromUtf8(title)) {
            return box;
        }
    }
    ADD_FAILURE() << "no group box " << title;
    return nullptr;
}

Shown ShownIn(const QWidget& dialog, const char* title)
{
    Shown shown{-1, 0, -1};
    QGroupBox* box = Box(dialog, title);
    if (!box) {
        return shown;
    }
    if (QCheckBox* display = ChildWithText<QCheckBox>(*box, QStringLiteral("Display by Default"))) {
        shown.display = display->isChecked();
    }
    if (QCheckBox* tailBreak = ChildWithText<QCheckBox>(*box, QStringLiteral("Add Tool Bar break"))) {
        shown.tailBreak = tailBreak->isChecked();
    }
    int checked = 0;
    for (QRadioButton* radio : box->findChildren<QRadioButton*>()) {
        if (radio->isChecked()) {
            shown.area |= AreaTexts.at(radio->text());
            ++checked;
        }
    }
    EXPECT_EQ(checked, 1) << title;
    return shown;
}

std::vector<Shown> ShownIn(const QWidget& dialog)
{
    std::vector<Shown> shown;
    for (const char* title : Titles) {
        shown.push_back(ShownIn(dialog, title));
    }
    return shown;
}

const std::vector<Shown> Defaults = {{1, 4, 0}, {1, 4, 1}, {0, 4, 0}, {0, 8, -1}, {-1, 1, -1}};

// The twelve keys with the values that the defaults store.
const std::map<std::string, QVariant> DefaultKeys = {
    {"StandardToolBarDisplay", true},
    {"FormattingToolBarDisplay", true},
    {"IconToolBarDisplay", false},
    {"UrlAttachmentsDockWidgetDisplay", false},
    {"StandardToolBarArea", 4},
    {"FormattingToolBarArea", 4},
    {"IconToolBarArea", 4},
    {"UrlAttachmentsDockWidgetArea", 8},
    {"RevisionHistoryDockWidgetArea", 1},
    {"StandardToolBarBreak", false},
    {"FormattingToolBarBreak", true},
    {"IconToolBarBreak", false},
};

void Press(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

using DocumentEditorOptionsTest = OptionDialogTest;

TEST_F(DocumentEditorOptionsTest, AbsentKeysShowTheDefaultsAndSaveWritesAllTwelve)
{
    DocumentEditorOptionsDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Document Editor Options"));
    EXPECT_EQ(dialog.minimumWidth(), 400);
    EXPECT_EQ(ShownIn(dialog), Defaults);
    EXPECT_TRUE(Settings().allKeys().isEmpty());

    WhenModal<DocumentEditorOptionsDialog>([](QDialog* shown) { Press(shown, QDialogButtonBox::Save); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(Settings().allKeys().size(), 12);
    for (const auto& [key, value] : DefaultKeys) {
        EXPECT_EQ(stored(Group + key).toString(), value.toString()) << key;
    }
}

TEST_F(DocumentEditorOptionsTest, StoredValuesAreShownAndAreasOutOfRangeShowTheDefaults)
{
    const std::map<std::string, QVariant> keys = {
        {"StandardToolBarDisplay", false},
        {"FormattingToolBarDisplay", false},
        {"IconToolBarDisplay", true},
        {"UrlAttachmentsDockWidgetDisplay", true},
        {"StandardToolBarArea", 1},
        {"FormattingToolBarArea", 3},
        {"IconToolBarArea", 8},
        {"UrlAttachmentsDockWidgetArea", 3},
        {"RevisionHistoryDockWidgetArea", 3},
        {"StandardToolBarBreak", true},
        {"FormattingToolBarBreak", false},
        {"IconToolBarBreak", true},
    };
    for (const auto& [key, value] : keys) {
        store(Group + key, value);
    }
    DocumentEditorOptionsDialog dialog(nullptr);
    EXPECT_EQ(ShownIn(dialog), (std::vector<Shown>{{0, 1, 1}, {0, 4, 0}, {1, 8, 1}, {1, 8, -1}, {-1, 1, -1}}));

    WhenModal<DocumentEditorOptionsDialog>([](QDialog* shown) { Press(shown, QDialogButtonBox::Save); });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(stored("DocumentEditor/Options/FormattingToolBarArea").toInt(), 4);
    EXPECT_EQ(stored("DocumentEditor/Options/UrlAttachmentsDockWidgetArea").toInt(), 8);
    EXPECT_EQ(stored("DocumentEditor/Options/RevisionHistoryDockWidgetArea").toInt(), 1);
    EXPECT_EQ(stored("DocumentEditor/Options/StandardToolBarArea").toInt(), 1);
}

TEST_F(DocumentEditorOptionsTest, ResetShowsTheDefaultsAndCancelStoresNothing)
{
    store("DocumentEditor/Options/IconToolBarArea", 2);
    DocumentEditorOptionsDialog dialog(nullptr);
    WhenModal<DocumentEditorOptionsDialog>([](QDialog* shown) {
        ChildWithText<QCheckBox>(*Box(*shown, Titles[0]), QStringLiteral("Display by Default"))->click();
        ChildWithText<QRadioButton>(*Box(*shown, Titles[4]), QStringLiteral("Display in Bottom Area by Default"))
            ->click();
        Press(shown, QDialogButtonBox::Reset);
        EXPECT_TRUE(shown->isVisible()) << "Reset leaves the dialog open";
        EXPECT_EQ(ShownIn(*shown), Defaults);
        Press(shown, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(Settings().allKeys(), QStringList{QStringLiteral("DocumentEditor/Options/IconToolBarArea")});
    EXPECT_EQ(stored("DocumentEditor/Options/IconToolBarArea").toInt(), 2);
}

TEST_F(DocumentEditorOptionsTest, SaveStoresTheChosenControls)
{
    DocumentEditorOptionsDialog dialog(nullptr);
    WhenModal<DocumentEditorOptionsDialog>([](QDialog* shown) {
        ChildWithText<QCheckBox>(*Box(*shown, Titles[2]), QStringLiteral("Display by Default"))->click();
        ChildWithText<QCheckBox>(*Box(*shown, Titles[2]), QStringLiteral("Add Tool Bar break"))->click();
        ChildWithText<QRadioButton>(*Box(*shown, Titles[3]), QStringLiteral("Display in Right Area by Default"))
            ->click();
        Press(shown, QDialogButtonBox::Save);
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(stored("DocumentEditor/Options/IconToolBarDisplay").toBool(), true);
    EXPECT_EQ(stored("DocumentEditor/Options/IconToolBarBreak").toBool(), true);
    EXPECT_EQ(stored("DocumentEditor/Options/UrlAttachmentsDockWidgetArea").toInt(), 2);
    EXPECT_EQ(DocumentEditorOptionsDialog(nullptr).findChildren<QRadioButton*>().size(), 20);
}

using MessageBrowserOptionsTest = OptionDialogTest;

const char ActivationModeKey[] = "MessageBrowser/Options/ActivationMode";

QRadioButton* ModeButton(const QWidget& dialog, int mode)
{
    return ChildWithText<QRadioButton>(dialog, mode == 0 ? QStringLiteral("Display all messages")
                                                         : QStringLiteral("Display all messages that have not "
                                                                          "been assigned to a folder"));
}

void Click(const QDialog& dialog, const char* text)
{
    ChildWithText<QPushButton>(dialog, QString::fromLatin1(text))->click();
}

TEST_F(MessageBrowserOptionsTest, AbsentKeyShowsAllMessages)
{
    EXPECT_EQ(MessageBrowserOptionsDialog::GetActivationMode(), 0);
    MessageBrowserOptionsDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Message Browser Options"));
    EXPECT_EQ(dialog.minimumSize(), QSize(640, 240));
    EXPECT_EQ(dialog.findChild<QTabWidget*>()->tabText(0), QStringLiteral("General"));
    ASSERT_NE(ModeButton(dialog, 0), nullptr);
    ASSERT_NE(ModeButton(dialog, 1), nullptr);
    EXPECT_TRUE(ModeButton(dialog, 0)->isChecked());
    EXPECT_FALSE(ModeButton(dialog, 1)->isChecked());
    EXPECT_NE(ChildWithText<QLabel>(dialog, QStringLiteral("When Messages are selected in the side pane, do the "
                                                           "following:")),
              nullptr);
}

TEST_F(MessageBrowserOptionsTest, OkStoresTheChoiceAndCancelStoresNothing)
{
    struct Case
    {
        int stored;
        int clicked;
        const char* button;
        int result;
        QVariant after;
    };
    const Case cases[] = {
        {-1, 1, "OK", QDialog::Accepted, 1},    {-1, 1, "Cancel", QDialog::Rejected, QVariant()},
        {1, 1, "OK", QDialog::Accepted, 1},     {1, 0, "OK", QDialog::Accepted, 0},
        {1, 0, "Cancel", QDialog::Rejected, 1},
    };
    for (const Case& c : cases) {
        processSettings().clear();
        if (c.stored >= 0) {
            store(ActivationModeKey, c.stored);
        }
        MessageBrowserOptionsDialog dialog(nullptr);
        WhenModal<MessageBrowserOptionsDialog>([&c](QDialog* shown) {
            ModeButton(*shown, c.clicked)->click();
            Click(*shown, c.button);
        });
        EXPECT_EQ(dialog.exec(), c.result) << c.button;
        EXPECT_EQ(stored(ActivationModeKey).isValid(), c.after.isValid()) << c.stored << ' ' << c.button;
        EXPECT_EQ(stored(ActivationModeKey).toString(), c.after.toString()) << c.stored << ' ' << c.button;
        EXPECT_EQ(MessageBrowserOptionsDialog::GetActivationMode(), c.after.isValid() ? c.after.toInt() : 0);
    }
}

TEST_F(MessageBrowserOptionsTest, AStoredModeOutOfRangeWarnsOnceAndOkStoresTheFirst)
{
    store(ActivationModeKey, 7);
    EXPECT_EQ(MessageBrowserOptionsDialog::GetActivationMode(), 7);
    testsupport::QtMessageCapture capture;
    MessageBrowserOptionsDialog dialog(nullptr);
    EXPECT_EQ(capture.take(), std::vector<std::string>{"Activation mode value incorrect; using default value."});
    EXPECT_TRUE(ModeButton(dialog, 0)->isChecked());
    EXPECT_EQ(MessageBrowserOptionsDialog::GetActivationMode(), 7) << "showing does not correct the store";

    WhenModal<MessageBrowserOptionsDialog>([](QDialog* shown) { Click(*shown, "OK"); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(stored(ActivationModeKey).toString(), QStringLiteral("0"));
    EXPECT_TRUE(capture.take().empty());
}

}  // namespace
