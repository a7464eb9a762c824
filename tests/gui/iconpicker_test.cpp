#include "library/gui/iconpicker.h"
#include "tests/gui/editorviewwindow.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The resource initialiser is declared where Q_INIT_RESOURCE is used: at global scope.
static void InitClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace {

using testsupport::EditorViewWindow;

const QString TreeRoot = QStringLiteral(":/content/icons/default/");
const QStringList GroupFolders = {"action",       "alert",  "audiovisual", "communication", "content", "device",
                                  "editor",       "file",   "hardware",    "image",         "maps",    "navigation",
                                  "notification", "places", "social",      "toggle"};

QString FolderPath(const QString& group, const QString& size)
{
    return TreeRoot + group + "/svg/production/" + size + "/";
}

// The files of one folder of the tree, as full resource paths, in
// case-insensitive name order.
QStringList FolderFiles(const QString& group, const QString& size)
{
    QStringList paths;
    for (const QString& name : QDir(FolderPath(group, size)).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        paths << FolderPath(group, size) + name;
    }
    return paths;
}

QStringList MenuPaths(const QToolButton* button)
{
    QStringList paths;
    if (button->menu()) {
        for (const QAction* action : button->menu()->actions()) {
            paths << action->data().toString();
        }
    }
    return paths;
}

QStringList BoxTexts(const QComboBox* box)
{
    QStringList texts;
    for (int index = 0; index < box->count(); ++index) {
        texts << box->itemText(index);
    }
    return texts;
}

class IconPickerTest : public testsupport::TranslationFixture
{
protected:
    static void SetUpTestSuite() { InitClientResources(); }

    void SetUp() override
    {
        TranslationFixture::SetUp();
        m_window = std::make_unique<EditorViewWindow>();
    }

    void TearDown() override
    {
        m_window.reset();
        TranslationFixture::TearDown();
    }

    EditorViewWindow& window() { return *m_window; }
    QToolButton* selection() { return m_window->m_iconSelectionToolButton; }

    // The user's choice in the group box, then in the size box.
    void chooseGroup(int group)
    {
        m_window->m_iconGroupComboBox->setCurrentIndex(group);
        emit m_window->m_iconGroupComboBox->activated(group);
    }
    void chooseSize(const QString& size)
    {
        const int index = m_window->m_iconSizeComboBox->findText(size);
        ASSERT_GE(index, 0) << size.toStdString();
        m_window->m_iconSizeComboBox->setCurrentIndex(index);
        emit m_window->m_iconSizeComboBox->activated(index);
    }
    // Picks the menu entry at `index` and clicks the button.
    void insert(int index)
    {
        emit selection()->triggered(selection()->menu()->actions().at(index));
        selection()->click();
    }
    QStringList memory() const
    {
        QStringList paths;
        for (const QToolButton* button : m_window->m_iconMemoryToolButtons) {
            paths << (button->defaultAction() ? button->defaultAction()->data().toString() : QString());
        }
        return paths;
    }

private:
    std::unique_ptr<EditorViewWindow> m_window;
};

TEST_F(IconPickerTest, TheTreeHoldsEveryGroupInTheSizesItOffers)
{
    int drawings = 0;
    for (const QString& group : GroupFolders) {
        for (const char* size : {"18px", "24px", "36px", "48px"}) {
            drawings += FolderFiles(group, size).size();
        }
        EXPECT_FALSE(FolderFiles(group, "24px").isEmpty()) << group.toStdString();
    }
    EXPECT_GT(drawings, 1000);
    EXPECT_TRUE(QFileInfo::exists(FolderPath("device", "24px") + "ic_signal_wifi_statusbar_1_bar_26x24px.svg"));
}

TEST_F(IconPickerTest, ANewWindowShowsActionAt24pxAndTheFirstIcon)
{
    EXPECT_EQ(BoxTexts(window().m_iconGroupComboBox),
              QStringList({"Action", "Alert", "Audiovisual", "Communication", "Content", "Device", "Editor", "File",
                           "Hardware", "Image", "Maps", "Navigation", "Notification", "Places", "Social", "Toggle"}));
    EXPECT_EQ(window().m_iconGroupComboBox->currentText(), "Action");
    EXPECT_EQ(window().m_iconSizeComboBox->currentText(), "24px");
    EXPECT_EQ(BoxTexts(window().m_iconSizeComboBox), QStringList({"18px", "24px", "48px"}));

    const QStringList files = FolderFiles("action", "24px");
    ASSERT_FALSE(files.isEmpty());
    EXPECT_EQ(MenuPaths(selection()), files);
    QAction* first = selection()->defaultAction();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->data().toString(), files.first());
    EXPECT_EQ(first->text(), content::icons::IconMenuText(QFileInfo(files.first()).fileName()));
    EXPECT_FALSE(selection()->icon().isNull());
    EXPECT_EQ(selection()->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(window().m_iconGroupComboBox->toolTip(), "Icon Group");
    EXPECT_EQ(window().m_iconSizeComboBox->toolTip(), "Icon Size");
}

TEST_F(IconPickerTest, EachGroupOffersItsSizesWith24pxCurrent)
{
    struct Case
    {
        int group;
        QStringList sizes;
    };
    const std::vector<Case> cases = {
        {content::icons::Alert, {"18px", "24px", "36px", "48px"}},
        {content::icons::Communication, {"24px", "48px"}},
        {content::icons::Navigation, {"18px", "24px", "36px", "48px"}},
        {content::icons::Editor, {"18px", "24px", "48px"}},
        {content::icons::Toggle, {"24px", "48px"}},
    };
    for (const Case& c : cases) {
        chooseGroup(c.group);
        EXPECT_EQ(BoxTexts(window().m_iconSizeComboBox), c.sizes) << c.group;
        EXPECT_EQ(window().m_iconSizeComboBox->currentText(), "24px") << c.group;
        EXPECT_EQ(MenuPaths(selection()), FolderFiles(GroupFolders.at(c.group), "24px")) << c.group;
    }
}

TEST_F(IconPickerTest, EveryMenuHoldsOneEntryPerFileOfItsFolder)
{
    for (int group = 0; group < GroupFolders.size(); ++group) {
        chooseGroup(group);
        for (const QString& size : BoxTexts(window().m_iconSizeComboBox)) {
            chooseSize(size);
            const QStringList files = FolderFiles(GroupFolders.at(group), size);
            EXPECT_EQ(MenuPaths(selection()), files)
                << GroupFolders.at(group).toStdString() << " " << size.toStdString();
            if (!files.isEmpty()) {
                EXPECT_EQ(selection()->defaultAction()->data().toString(), files.first());
            }
        }
    }
}

TEST_F(IconPickerTest, MenuTextsCutByPosition)
{
    struct Case
    {
        QString fileName;
        QString text;
    };
    const std::vector<Case> cases = {
        {"ic_folder_open_18px.svg", "folder open"},
        {"ic_3d_rotation_24px.svg", "3d rotation"},
        {"ic_signal_wifi_statusbar_1_bar_26x24px.svg", "signal wifi statusbar 1 bar 26"},
        {"ic_x_48px.svg", "x"},
        {"ic_48px.svg", ""},
        {"a.svg", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(content::icons::IconMenuText(c.fileName), c.text) << c.fileName.toStdString();
    }

    chooseGroup(content::icons::Device);
    bool found = false;
    for (const QAction* action : selection()->menu()->actions()) {
        if (action->data().toString().endsWith("ic_signal_wifi_statusbar_1_bar_26x24px.svg")) {
            found = true;
            EXPECT_EQ(action->text(), "signal wifi statusbar 1 bar 26");
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(IconPickerTest, PickingChangesTheDefaultAndClickingInsertsIt)
{
    QSignalSpy inserted(&window(), &AbstractTextEditorView::insertIcon);
    QAction* picked = selection()->menu()->actions().at(2);
    emit selection()->triggered(picked);
    EXPECT_EQ(selection()->defaultAction(), picked);
    EXPECT_EQ(inserted.count(), 0);

    selection()->click();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(0).toString(), picked->data().toString());
    EXPECT_TRUE(window().editor()->toHtml().contains(picked->data().toString()));
}

TEST_F(IconPickerTest, MemoryButtonsFillInTurnAndKeepEachIconOnce)
{
    ASSERT_GE(selection()->menu()->actions().size(), 12);
    const QStringList files = FolderFiles("action", "24px");

    insert(0);
    insert(0);
    EXPECT_EQ(memory(), QStringList({files[0], "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(window().m_iconMemoryToolButtons[0]->toolTip(), QFileInfo(files[0]).baseName().replace('_', ' '));

    for (int index = 1; index < 10; ++index) {
        insert(index);
    }
    EXPECT_EQ(memory(), files.mid(0, 10));
    insert(10);
    EXPECT_EQ(memory(), QStringList{files[10]} + files.mid(1, 9));
    insert(11);
    EXPECT_EQ(memory(), QStringList({files[10], files[11]}) + files.mid(2, 8));
    EXPECT_EQ(window().m_iconMemoryCounter, 12);
}

TEST_F(IconPickerTest, InsertingFromAMemoryButtonChangesNothing)
{
    for (int index = 0; index < 3; ++index) {
        insert(index);
    }
    const QStringList before = memory();
    QSignalSpy inserted(&window(), &AbstractTextEditorView::insertIcon);

    window().m_iconMemoryToolButtons[1]->click();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(0).toString(), before[1]);
    EXPECT_EQ(memory(), before);
    EXPECT_EQ(window().m_iconMemoryCounter, 3);

    // An empty memory button inserts nothing.
    window().m_iconMemoryToolButtons[5]->click();
    EXPECT_EQ(inserted.count(), 1);
}

TEST_F(IconPickerTest, ARebuiltMenuDeletesTheOldOne)
{
    QPointer<QMenu> old = selection()->menu();
    QPointer<QAction> oldEntry = old->actions().first();
    chooseGroup(content::icons::File);
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(oldEntry.isNull());
    chooseSize("48px");
    EXPECT_EQ(MenuPaths(selection()), FolderFiles("file", "48px"));
}

TEST_F(IconPickerTest, AGroupOutsideTheSixteenChangesNothing)
{
    chooseGroup(content::icons::Alert);
    const QStringList sizes = BoxTexts(window().m_iconSizeComboBox);
    QMenu* menu = selection()->menu();

    window().m_iconGroupComboBox->addItem("Outside", 16);
    chooseGroup(16);
    window().m_iconGroupComboBox->setItemData(16, -1);
    chooseGroup(16);
    EXPECT_EQ(BoxTexts(window().m_iconSizeComboBox), sizes);
    EXPECT_EQ(selection()->menu(), menu);

    content::icons::InitIconSelectionToolButton(selection(), content::icons::Group(16), content::icons::Size24px);
    content::icons::InitIconSelectionToolButton(selection(), content::icons::Group(-1), content::icons::Size24px);
    // Communication offers no 18px.
    content::icons::InitIconSelectionToolButton(selection(), content::icons::Communication, content::icons::Size18px);
    EXPECT_EQ(selection()->menu(), menu);

    QComboBox box;
    box.addItem("stale");
    content::icons::InitIconSizeComboBox(&box, content::icons::Group(16));
    EXPECT_EQ(box.count(), 0);
}

TEST_F(IconPickerTest, AnEmptyFolderGivesAnEmptyMenuAndInsertsNothing)
{
    // The action group has no 36px drawings.
    content::icons::CInitIconSelectionToolButton fill(selection());
    fill("action", "36px");
    ASSERT_NE(selection()->menu(), nullptr);
    EXPECT_TRUE(selection()->menu()->actions().isEmpty());
    EXPECT_EQ(selection()->defaultAction(), nullptr);

    QSignalSpy inserted(&window(), &AbstractTextEditorView::insertIcon);
    selection()->click();
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(memory(), QStringList(10, QString()));
}

}  // namespace
