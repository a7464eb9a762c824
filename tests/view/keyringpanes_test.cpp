// The keyring panes and the key-list trees: which bit each box is, how a
// toggled box changes the edited key and the row, updates, reverts and
// deletes by holder, the revision text and the group views.

#include "library/core/proxy/keyproxy.h"
#include "product/client/view/keyringpanes.h"
#include "product/client/view/keylisttrees.h"
#include "product/client/view/keyrows.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/keyringtestsupport.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace keyringtest;

// Every box of a key row: the cell that holds it, and the word and bit it
// shows.
struct Box
{
    QTreeWidgetItem* item;
    int column;
    bool permission;
    int bit;
    QString text;
};

std::vector<Box> Boxes(QTreeWidgetItem* keyRow, int activeColumn)
{
    std::vector<Box> boxes = {{keyRow, activeColumn, false, KeyProxy::ActiveStatus, QStringLiteral("Active")}};
    for (int g = 0; g < keyRow->childCount(); ++g) {
        QTreeWidgetItem* group = keyRow->child(g);
        const int column = g == 0 ? 0 : activeColumn;
        for (int r = 0; r < group->childCount(); ++r) {
            boxes.push_back({group->child(r), column, g == 0, -1, group->child(r)->text(column)});
        }
    }
    return boxes;
}

// The bits of the document key's check rows, in row order, as the key lists
// and keyrings show them.
const std::vector<int> DocumentBits = {0,  1, 7, 8, 9, 10, 11, 6, 14, 15, 16, 17, 18, 19,
                                       13, 1, 2, 3, 4, 5,  6,  7, 8,  9,  10, 11, 12};
const std::vector<int> FolderBits = {0, 6, 14, 15, 16, 17, 18, 19, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

struct Pane
{
    const char* name;
    std::function<KeyringPaneTreeWidget*(QWidget*)> make;
    std::function<void(KeyringPaneTreeWidget*)> addKey;
    std::function<int(QTreeWidgetItem*)> permissions;
    std::function<int(QTreeWidgetItem*)> active;
    const std::vector<int>& bits;
};

std::vector<Pane> Panes()
{
    return {
        {"document pane", [](QWidget* parent) { return new DocumentKeyringPaneTreeWidget(parent); },
         [](KeyringPaneTreeWidget* pane) {
             static_cast<DocumentKeyringPaneTreeWidget*>(pane)->addDocumentKey(
                 DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 0xFFF));
         },
         [](QTreeWidgetItem* row) { return GetDocumentKey(row).document_key_security_descriptor().permissions(); },
         [](QTreeWidgetItem* row) { return GetDocumentKey(row).document_key_security_descriptor().active(); },
         DocumentBits},
        {"folder pane", [](QWidget* parent) { return new FolderKeyringPaneTreeWidget(parent); },
         [](KeyringPaneTreeWidget* pane) {
             static_cast<FolderKeyringPaneTreeWidget*>(pane)->addFolderKey(
                 FolderKey(200, Holder(7, "Ann", "Baker"), AllActive, 65));
         },
         [](QTreeWidgetItem* row) { return GetFolderKey(row).folder_key_security_descriptor().permissions(); },
         [](QTreeWidgetItem* row) { return GetFolderKey(row).folder_key_security_descriptor().active(); }, FolderBits},
    };
}

class KeyringPaneTest : public ::testing::Test
{
protected:
    void SetUp() override { PrepareKeyringServices(); }
};

// A box toggled as a mouse click does (its check state written) and
// one toggled by the Space key each flip exactly their own bit of the edited
// key; the loaded key stays.
TEST_F(KeyringPaneTest, EveryBoxFlipsExactlyItsBitByClickAndByKeyboard)
{
    for (const Pane& kind : Panes()) {
        QWidget window;
        KeyringPaneTreeWidget* pane = kind.make(&window);
        pane->resize(600, 800);
        window.show();
        kind.addKey(pane);
        QTreeWidgetItem* row = pane->topLevelItem(0);
        row->setExpanded(true);
        for (int g = 0; g < row->childCount(); ++g) {
            row->child(g)->setExpanded(true);
        }
        std::vector<Box> boxes = Boxes(row, 1);
        ASSERT_EQ(kind.bits.size() + 1, boxes.size()) << kind.name;
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            boxes[i].bit = kind.bits[i - 1];
        }
        for (const Box& box : boxes) {
            const int permissionsBefore = kind.permissions(row);
            const int activeBefore = kind.active(row);
            const int expectedPermissions = box.permission ? permissionsBefore ^ (1 << box.bit) : permissionsBefore;
            const int expectedActive = box.permission ? activeBefore : activeBefore ^ (1 << box.bit);

            // The click: the view writes the new state into the model.
            const Qt::CheckState next = box.item->checkState(box.column) == Qt::Checked ? Qt::Unchecked : Qt::Checked;
            box.item->setCheckState(box.column, next);
            EXPECT_EQ(expectedPermissions, kind.permissions(row)) << kind.name << " click " << box.text.toStdString();
            EXPECT_EQ(expectedActive, kind.active(row)) << kind.name << " click " << box.text.toStdString();

            // The keyboard toggles it back.
            pane->setFocus();
            pane->setCurrentItem(box.item, box.column);
            QTest::keyClick(pane, Qt::Key_Space);
            EXPECT_EQ(permissionsBefore, kind.permissions(row)) << kind.name << " key " << box.text.toStdString();
            EXPECT_EQ(activeBefore, kind.active(row)) << kind.name << " key " << box.text.toStdString();
        }
    }
}

TEST_F(KeyringPaneTest, ClearingTheLastWeekdayMarksTheRowEditedAndInactiveAndSettingItAgainRestoresIt)
{
    DocumentKeyringPaneTreeWidget pane(nullptr);
    // Active on Wednesday only.
    const int active = (AllActive & ~(0x7F << KeyProxy::Sunday)) | (1 << KeyProxy::Wednesday);
    pane.addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), active, 0xFFF));
    QTreeWidgetItem* row = pane.topLevelItem(0);
    QTreeWidgetItem* wednesday = row->child(1)->child(2);
    ASSERT_EQ(QStringLiteral("Wednesday"), wednesday->text(1));
    EXPECT_TRUE(IconIs(row, "key"));
    EXPECT_EQ(QFont::Bold, row->font(0).weight());

    wednesday->setCheckState(1, Qt::Unchecked);
    EXPECT_TRUE(IconIs(row, "key-edit"));
    EXPECT_EQ(QFont::Normal, row->font(0).weight());
    EXPECT_TRUE(row->font(0).strikeOut());
    EXPECT_TRUE(IsModifiedDocumentKey(row));
    EXPECT_EQ(active, GetDocumentKeyBase(row).document_key_security_descriptor().active());

    wednesday->setCheckState(1, Qt::Checked);
    EXPECT_TRUE(IconIs(row, "key"));
    EXPECT_EQ(QFont::Bold, row->font(0).weight());
    EXPECT_FALSE(row->font(0).strikeOut());
    EXPECT_FALSE(IsModifiedDocumentKey(row));
}

// Column 0 of the key row, the group rows and the text cells hold no box:
// changing their data changes no key.
TEST_F(KeyringPaneTest, CellsWithoutABoxChangeNothing)
{
    DocumentKeyringPaneTreeWidget pane(nullptr);
    pane.addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 0xFFF));
    QTreeWidgetItem* row = pane.topLevelItem(0);
    const std::string before = GetDocumentKey(row).SerializeAsString();
    std::vector<std::pair<QTreeWidgetItem*, int>> cells = {{row, 0}};
    for (int column = 2; column < pane.columnCount(); ++column) {
        cells.push_back({row, column});
    }
    cells.push_back({row->child(0), 0});
    cells.push_back({row->child(1), 1});
    cells.push_back({row->child(2), 1});
    for (const auto& [item, column] : cells) {
        item->setCheckState(column, Qt::Checked);
        item->setText(column, QStringLiteral("changed"));
        EXPECT_EQ(before, GetDocumentKey(row).SerializeAsString()) << column;
    }
    EXPECT_FALSE(IsModifiedDocumentKey(row));
}

// A second key of one holder makes a second row; update, revert and delete
// act on the first. Revert brings back boxes, icon and font, not the
// expansion.
TEST_F(KeyringPaneTest, UpdateRevertAndDeleteActOnTheHoldersFirstRow)
{
    DocumentKeyringPaneTreeWidget pane(nullptr);
    pane.addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 0xFFF));
    pane.addDocumentKey(DocumentKey(100, Holder(8, "Zoe", "Cole"), AllActive, 0xFFF));
    pane.addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 1));
    ASSERT_EQ(3, pane.topLevelItemCount());
    QTreeWidgetItem* first = pane.topLevelItem(0);
    QTreeWidgetItem* third = pane.topLevelItem(2);

    first->setExpanded(true);
    first->child(0)->setExpanded(true);
    first->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
    first->setCheckState(1, Qt::Unchecked);
    ASSERT_TRUE(IsModifiedDocumentKey(first));
    pane.revertDocumentKey(GetDocumentKeyBase(first));
    EXPECT_FALSE(IsModifiedDocumentKey(first));
    EXPECT_EQ(Qt::Checked, first->child(0)->child(0)->checkState(0));
    EXPECT_EQ(Qt::Checked, first->checkState(1));
    EXPECT_TRUE(IconIs(first, "key"));
    EXPECT_EQ(QFont::Bold, first->font(0).weight());
    EXPECT_TRUE(first->isExpanded());
    EXPECT_TRUE(first->child(0)->isExpanded());
    EXPECT_EQ(0xFFF, GetDocumentKey(first).document_key_security_descriptor().permissions());

    zarv::data::DocumentKey update = DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 2);
    update.mutable_document_key_security_descriptor()->set_session_duration(5400);
    pane.updateDocumentKey(update);
    EXPECT_EQ(2, GetDocumentKeyBase(first).document_key_security_descriptor().permissions());
    EXPECT_EQ(QStringLiteral("90 minutes"), first->text(5));
    EXPECT_EQ(Qt::Unchecked, first->child(0)->child(0)->checkState(0));
    EXPECT_EQ(Qt::Checked, first->child(0)->child(1)->checkState(0));
    EXPECT_EQ(1, GetDocumentKey(third).document_key_security_descriptor().permissions());

    pane.updateDocumentKey(DocumentKey(100, Holder(9, "No", "Row"), AllActive, 2));
    pane.deleteDocumentKey(7);
    ASSERT_EQ(2, pane.topLevelItemCount());
    EXPECT_EQ(third, pane.topLevelItem(1));
    pane.deleteDocumentKey(9);
    EXPECT_EQ(2, pane.topLevelItemCount());
}

TEST_F(KeyringPaneTest, RevisionCellIsEmptyForNoneAndTheOpenEndsAndLocalOtherwise)
{
    testsupport::ScopedTimeZone zone("Europe/Berlin");
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"", ""},
        {"yesterday", ""},
        {"1400-01-01 00:00:00", ""},
        {"1400-01-01 13:45:00", ""},
        {"9999-12-31 00:00:00", ""},
        {"9999-12-31 23:59:59", ""},
        {"2030-06-01 10:00:00", "2030-06-01 12:00:00"},
    };
    for (const auto& [revision, shown] : cases) {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        DocumentKeysPaneTreeWidget tree(nullptr);
        zarv::data::DocumentKey key = DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 1);
        key.set_document_key_document_revision(revision);
        pane.addDocumentKey(key);
        tree.addDocumentKey(key);
        EXPECT_EQ(QString::fromLatin1(shown), pane.topLevelItem(0)->text(2)) << revision;
        EXPECT_EQ(QString::fromLatin1(shown), tree.topLevelItem(0)->text(2)) << revision;
    }
}

// View on opens every key row and its group; off closes that group only.
TEST_F(KeyringPaneTest, ViewTogglesOpenKeyRowsAndTheirGroupAndCloseTheGroupOnly)
{
    struct Tree
    {
        const char* name;
        std::function<QTreeWidget*()> make;
        std::function<void(QTreeWidget*, bool)> viewDays;
        std::function<void(QTreeWidget*, bool)> viewPermissions;
    };
    const std::vector<Tree> trees = {
        {"keyring",
         []() {
             auto* pane = new DocumentKeyringPaneTreeWidget(nullptr);
             pane->addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), AllActive, 1));
             pane->addDocumentKey(DocumentKey(100, Holder(8, "Zoe", "Cole"), AllActive, 1));
             return pane;
         },
         [](QTreeWidget* t, bool on) { static_cast<KeyringPaneTreeWidget*>(t)->viewDaysToggled(on); },
         [](QTreeWidget* t, bool on) { static_cast<KeyringPaneTreeWidget*>(t)->viewPermissionsToggled(on); }},
        {"key list",
         []() {
             auto* tree = new FolderKeysPaneTreeWidget(nullptr);
             tree->addFolderKey(FolderKey(200, Holder(7, "Ann", "Baker"), AllActive, 65));
             tree->addFolderKey(FolderKey(201, Holder(7, "Ann", "Baker"), AllActive, 65));
             return tree;
         },
         [](QTreeWidget* t, bool on) { static_cast<KeyListPaneTreeWidget*>(t)->viewDaysToggled(on); },
         [](QTreeWidget* t, bool on) { static_cast<KeyListPaneTreeWidget*>(t)->viewPermissionsToggled(on); }},
    };
    for (const Tree& kind : trees) {
        std::unique_ptr<QTreeWidget> tree(kind.make());
        kind.viewDays(tree.get(), true);
        kind.viewPermissions(tree.get(), true);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = tree->topLevelItem(i);
            EXPECT_TRUE(row->isExpanded()) << kind.name;
            EXPECT_TRUE(row->child(0)->isExpanded()) << kind.name;
            EXPECT_TRUE(row->child(1)->isExpanded()) << kind.name;
            EXPECT_FALSE(row->child(2)->isExpanded()) << kind.name;
        }
        kind.viewPermissions(tree.get(), false);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = tree->topLevelItem(i);
            EXPECT_TRUE(row->isExpanded()) << kind.name;
            EXPECT_FALSE(row->child(0)->isExpanded()) << kind.name;
            EXPECT_TRUE(row->child(1)->isExpanded()) << kind.name;
        }
    }
}

// The key lists show the same bits in the same rows as the keyrings, with
// the Active column where each list has it.
TEST_F(KeyringPaneTest, KeyListRowsShowTheKeysBits)
{
    DocumentKeysPaneTreeWidget documents(nullptr);
    const int permissions = (1 << 0) | (1 << 6) | (1 << 11);
    const int active = (1 << KeyProxy::Monday) | (1 << KeyProxy::Sunday) | (1 << KeyProxy::March);
    documents.addDocumentKey(DocumentKey(100, Holder(7, "Ann", "Baker"), active, permissions));
    FolderKeysPaneTreeWidget folders(nullptr);
    folders.addFolderKey(FolderKey(200, Holder(7, "Ann", "Baker"), active, 1 << 6));
    struct Case
    {
        QTreeWidget* tree;
        int activeColumn;
        const std::vector<int>& bits;
        int permissions;
    };
    for (const Case& c : {Case{&documents, 3, DocumentBits, permissions}, Case{&folders, 2, FolderBits, 1 << 6}}) {
        QTreeWidgetItem* row = c.tree->topLevelItem(0);
        EXPECT_EQ(Qt::Unchecked, row->checkState(c.activeColumn));
        std::vector<Box> boxes = Boxes(row, c.activeColumn);
        ASSERT_EQ(c.bits.size() + 1, boxes.size());
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            const int word = boxes[i].permission ? c.permissions : active;
            const Qt::CheckState expected = keyrows::TestBit(word, c.bits[i - 1]) ? Qt::Checked : Qt::Unchecked;
            EXPECT_EQ(expected, boxes[i].item->checkState(boxes[i].column)) << boxes[i].text.toStdString();
        }
    }
    EXPECT_EQ(8, documents.topLevelItem(0)->child(0)->childCount());
    EXPECT_EQ(QStringLiteral("Search"), documents.topLevelItem(0)->child(0)->child(7)->text(0));
    EXPECT_EQ(2, folders.topLevelItem(0)->child(0)->childCount());
    EXPECT_EQ(QStringLiteral("Monday"), folders.topLevelItem(0)->child(1)->child(0)->text(2));
    EXPECT_EQ(QStringLiteral("Sunday"), folders.topLevelItem(0)->child(1)->child(6)->text(2));
}

}  // namespace
