// The user and document pickers against the test server, as Gwen (see
// usergroupsession.h): the modes as the controls' properties after each step,
// what an include offers and leaves out, the folder history, the dialogs'
// OK button, and a failed listing said once per user action.

#include "library/gui/recorditems.h"
#include "library/gui/selectdocumentswidget.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/selectuserswidget.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/usergroupsession.h"

#include "document3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "users3.pb.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using namespace usergrouptest;

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts.append(list->item(row)->text());
    }
    return texts;
}

QListWidgetItem* Item(const QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << text.toStdString();
    return found.isEmpty() ? nullptr : found.front();
}

void Highlight(QListWidget* list, const QString& text)
{
    if (QListWidgetItem* item = Item(list, text)) {
        item->setSelected(true);
    }
}

// Answers every message box at once and counts them.
class BoxCounter
{
public:
    BoxCounter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                texts.append(box->text());
                box->reject();
            }
        });
        m_timer.start();
    }

    QStringList texts;

private:
    QTimer m_timer;
};

// A picker installed in a host, its lists and buttons reachable.
template <typename Picker>
class Hosted : public Picker
{
public:
    explicit Hosted(QWidget* host)
        : Picker(host)
    {
        (new QVBoxLayout(host))->addLayout(this->getLayout());
    }

    using SelectRecordsWidget::m_add;
    using SelectRecordsWidget::m_addAll;
    using SelectRecordsWidget::m_include;
    using SelectRecordsWidget::m_includeAll;
    using SelectRecordsWidget::m_remove;
    using SelectRecordsWidget::m_removeAll;
    using SelectRecordsWidget::m_selectedList;
    using SelectRecordsWidget::m_sourcesList;
    using SelectRecordsWidget::m_unselectedList;
};

class UsersPickerTest : public GwenSession
{
protected:
    void SetUp() override
    {
        startServer();
        m_picker = new Hosted<SelectUsersWidget>(&m_host);
        m_homeGroups = testsupport::ChildWithText<QRadioButton>(m_host, QStringLiteral("Home Groups"));
        m_userGroups = testsupport::ChildWithText<QRadioButton>(m_host, QStringLiteral("My Groups"));
        ASSERT_TRUE(m_homeGroups && m_userGroups);
        QObject::connect(m_picker, &SelectRecordsWidget::setMode, [this](int mode) { m_modes.push_back(mode); });
    }

    // The radios' "checked" and the six buttons' "enabled", in the order home,
    // user, Include, Include All, Add, Add All, Remove, Remove All.
    std::string controls() const
    {
        std::string bits;
        for (const bool on :
             {m_homeGroups->isChecked(), m_userGroups->isChecked(), m_picker->m_include->isEnabled(),
              m_picker->m_includeAll->isEnabled(), m_picker->m_add->isEnabled(), m_picker->m_addAll->isEnabled(),
              m_picker->m_remove->isEnabled(), m_picker->m_removeAll->isEnabled()}) {
            bits += on ? '1' : '0';
        }
        return bits;
    }

    static zarv::data::User User(int userId, const char* first, const char* last)
    {
        zarv::data::User user;
        user.set_user_id(userId);
        user.set_user_first_name(first);
        user.set_user_last_name(last);
        return user;
    }

    QWidget m_host;
    Hosted<SelectUsersWidget>* m_picker = nullptr;
    QRadioButton* m_homeGroups = nullptr;
    QRadioButton* m_userGroups = nullptr;
    std::vector<int> m_modes;
};

TEST_F(UsersPickerTest, EachStepLeavesTheControlsItsModesSay)
{
    struct Step
    {
        const char* what;
        std::function<void()> run;
        const char* controls;
    };
    Hosted<SelectUsersWidget>& p = *m_picker;
    const Step steps[] = {
        {"built", [] {}, "00000000"},
        {"init", [&] { p.init(); }, "10010000"},
        {"Crew highlighted", [&] { Highlight(p.m_sourcesList, QStringLiteral("Crew")); }, "10110000"},
        {"Crew included", [&] { p.include(); }, "10010100"},
        {"Hal highlighted", [&] { Highlight(p.m_unselectedList, QStringLiteral("Ingram, Hal")); }, "10011100"},
        {"Hal added", [&] { p.add(); }, "10010101"},
        {"Hal highlighted on the right", [&] { Highlight(p.m_selectedList, QStringLiteral("Ingram, Hal")); },
         "10010111"},
        {"Hal removed", [&] { p.remove(); }, "10010100"},
        {"every group included", [&] { p.includeAll(); }, "10000100"},
        {"every user added", [&] { p.addAll(); }, "10000001"},
        {"My Groups", [&] { m_userGroups->click(); }, "01010001"},
        {"every user removed", [&] { p.removeAll(); }, "01010100"},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(controls(), step.controls) << step.what;
    }
}

TEST_F(UsersPickerTest, AnIncludeOffersEachMemberOnceNeverTheLoggedOnUserNorTheSelected)
{
    m_picker->addUser(User(Jon, "Jon", "Kent"));
    m_picker->init();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), (QStringList{"Board", "Crew"}));
    m_picker->includeAll();
    // Crew is Gwen, Hal, Ivy and Jon, Board is Ivy and Kim.
    EXPECT_EQ(Texts(m_picker->m_unselectedList), (QStringList{"Ingram, Hal", "Jones, Ivy May", "Lee, Kim"}));
    EXPECT_EQ(Texts(m_picker->m_selectedList), QStringList{"Kent, Jon"});
    EXPECT_TRUE(m_picker->m_sourcesList->count() == 0);
}

TEST_F(UsersPickerTest, AnExcludedUserIsNotOfferedYetCanBePreselected)
{
    m_picker->addExcludedUser(Hal);
    m_picker->addUser(User(Hal, "Hal", "Ingram"));
    m_picker->addUser(User(Hal, "Hal", "Ingram"));
    EXPECT_EQ(std::count(m_modes.begin(), m_modes.end(), m_picker->m_modeSelectedUsersFilled), 1)
        << "entered once, for the first addUser only";
    m_picker->init();
    m_picker->includeAll();
    EXPECT_EQ(Texts(m_picker->m_unselectedList), (QStringList{"Jones, Ivy May", "Kent, Jon", "Lee, Kim"}));
    const zarv::data::Users selected = m_picker->selectedUsers();
    ASSERT_EQ(selected.user_size(), 1);
    EXPECT_EQ(selected.user(0).user_id(), Hal);
}

TEST_F(UsersPickerTest, SwitchingGroupsKeepsTheSelectedListAndExcludedUserGroupsAreNotSources)
{
    m_picker->init();
    m_picker->includeAll();
    Highlight(m_picker->m_unselectedList, QStringLiteral("Jones, Ivy May"));
    m_picker->add();
    m_picker->addExcludedUserGroup(Empty);
    m_userGroups->click();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), QStringList{"Friends"});
    EXPECT_THAT(Texts(m_picker->m_unselectedList), IsEmpty());
    EXPECT_EQ(Texts(m_picker->m_selectedList), QStringList{"Jones, Ivy May"});
    m_picker->includeAll();
    // Friends is Hal, Kim and Gwen herself.
    EXPECT_EQ(Texts(m_picker->m_unselectedList), (QStringList{"Ingram, Hal", "Lee, Kim"}));
    m_homeGroups->click();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), (QStringList{"Board", "Crew"})) << "listed anew";
    EXPECT_EQ(Texts(m_picker->m_selectedList), QStringList{"Jones, Ivy May"});
}

TEST_F(UsersPickerTest, AFailedListingIsSaidOncePerActionAndKeepsTheModeBefore)
{
    m_picker->init();
    ASSERT_EQ(controls(), "10010000");
    startServer({"no-reply"});
    BoxCounter boxes;
    m_userGroups->click();
    EXPECT_EQ(boxes.texts, QStringList{"No reply from the server."});
    EXPECT_EQ(controls(), "01010000") << "My Groups is entered even when its listing fails";

    // Two groups, two failed member requests, one box.
    startServer();
    m_homeGroups->click();
    startServer({"no-reply"});
    m_picker->includeAll();
    EXPECT_EQ(boxes.texts.size(), 2);
    EXPECT_THAT(Texts(m_picker->m_sourcesList), IsEmpty()) << "included groups leave the list all the same";

    m_userGroups->click();
    boxes.texts.clear();
    m_modes.clear();
    m_homeGroups->click();
    EXPECT_EQ(boxes.texts, QStringList{"No reply from the server."});
    EXPECT_THAT(m_modes, Not(Contains(m_picker->m_modeHomeGroups)));
    EXPECT_TRUE(m_picker->m_includeAll->isEnabled()) << "the user groups' mode stays in force";
}

class DocumentsPickerTest : public GwenSession
{
protected:
    void SetUp() override
    {
        startServer();
        m_picker = new Hosted<SelectDocumentsWidget>(&m_host);
    }

    void open(const char* folder)
    {
        if (QListWidgetItem* item = Item(m_picker->m_sourcesList, QString::fromLatin1(folder))) {
            m_picker->folderItemDoubleClicked(item);
        }
    }

    QWidget m_host;
    Hosted<SelectDocumentsWidget>* m_picker = nullptr;
};

TEST_F(DocumentsPickerTest, InitListsTheHomeFolderAndItsDocumentsWithAddAllStillDisabled)
{
    m_picker->init();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), (QStringList{"Alpha", "Delta"}));
    EXPECT_EQ(Texts(m_picker->m_unselectedList), QStringList{"Home note"});
    EXPECT_FALSE(m_picker->m_addAll->isEnabled());
    EXPECT_TRUE(m_picker->m_includeAll->isEnabled());
    Highlight(m_picker->m_unselectedList, QStringLiteral("Home note"));
    EXPECT_TRUE(m_picker->m_add->isEnabled());
}

TEST_F(DocumentsPickerTest, BackTwiceFromTwoFoldersDownLeavesBothInTheForwardHistory)
{
    m_picker->init();
    m_picker->undoSelectFolder();
    EXPECT_EQ(m_picker->backHistory(), QList<int>{HomeFolder}) << "Back at home does nothing";
    open("Alpha");
    open("Beta");
    EXPECT_EQ(Texts(m_picker->m_sourcesList), QStringList{"Gamma"});
    m_picker->undoSelectFolder();
    m_picker->undoSelectFolder();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), (QStringList{"Alpha", "Delta"}));
    EXPECT_EQ(m_picker->backHistory(), QList<int>{HomeFolder});
    EXPECT_EQ(m_picker->forwardHistory(), (QList<int>{10102, 10101}));
    m_picker->redoSelectFolder();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), QStringList{"Beta"});
    m_picker->redoSelectFolder();
    EXPECT_EQ(Texts(m_picker->m_sourcesList), QStringList{"Gamma"});
    EXPECT_FALSE(m_picker->m_include->isEnabled());
}

TEST_F(DocumentsPickerTest, IncludeOffersNoExcludedAndNoSelectedDocument)
{
    m_picker->addExcludedDocument(10202);
    zarv::data::Document selected;
    selected.set_document_id(10201);
    selected.set_document_name("Alpha one");
    m_picker->addDocument(selected);
    m_picker->init();
    Highlight(m_picker->m_sourcesList, QStringLiteral("Alpha"));
    m_picker->include();
    // Alpha holds one selected and one excluded document.
    EXPECT_EQ(Texts(m_picker->m_unselectedList), QStringList{"Home note"});
    EXPECT_EQ(Texts(m_picker->m_sourcesList), QStringList{"Delta"});
    EXPECT_TRUE(m_picker->m_addAll->isEnabled());
    EXPECT_FALSE(m_picker->m_include->isEnabled());
    open("Delta");
    EXPECT_THAT(Texts(m_picker->m_unselectedList), IsEmpty()) << "opening a folder empties the unselected list";
    EXPECT_EQ(Texts(m_picker->m_selectedList), QStringList{"Alpha one"});
}

TEST(SelectDocumentsDialogTest, OkFollowsTheSelectedList)
{
    SelectDocumentsDialog dialog(nullptr);
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    zarv::data::Document document;
    document.set_document_id(1);
    document.set_document_name("One");
    dialog.addDocument(document);
    EXPECT_TRUE(ok->isEnabled());
    dialog.widget()->removeAll();
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.selectedDocuments().document_size(), 0);
}

TEST(SelectUsersDialogTest, OkIsAlwaysEnabledAndGivesTheSelectedUsersInListOrder)
{
    SelectUsersDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Users"));
    EXPECT_TRUE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    for (const auto& [id, last] : {std::pair{2, "Zed"}, std::pair{1, "Abe"}}) {
        zarv::data::User user;
        user.set_user_id(id);
        user.set_user_first_name("A");
        user.set_user_last_name(last);
        dialog.addUser(user);
    }
    const zarv::data::Users users = dialog.selectedUsers();
    ASSERT_EQ(users.user_size(), 2);
    EXPECT_EQ(users.user(0).user_id(), 1) << "sorted by name";
    EXPECT_EQ(users.user(1).user_id(), 2);
}

}  // namespace
