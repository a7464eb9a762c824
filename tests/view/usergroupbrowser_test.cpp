// The user-group browser: its two panes alone, then whole browsers opened by
// their manager on the application's bus against the test server, as Gwen
// (see usergroupsession.h). Two browsers stay in step; a member change shows
// only where its group is selected; a refusal changes nothing and is said
// once, by the browser that sent it.

#include "library/common/codes.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/creategroupdialog.h"
#include "library/gui/recorditems.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/usergroupmainpanelistwidget.h"
#include "library/gui/usergroupsidepanetreewidget.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/usergroupbrowsermanager.h"
#include "product/client/view/usergroupbrowserview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/usergroupsession.h"

#include "insertusergroupuserrequest3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testsupport::WhenModal;
using namespace usergrouptest;

zarv::data::User User(int userId, const char* first, const char* last)
{
    zarv::data::User user;
    user.set_user_id(userId);
    user.set_user_first_name(first);
    user.set_user_last_name(last);
    return user;
}

QStringList Texts(const QTreeWidget& tree)
{
    QStringList texts;
    for (int index = 0; index < tree.topLevelItemCount(); ++index) {
        texts.append(tree.topLevelItem(index)->text(0));
    }
    return texts;
}

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts.append(list.item(row)->text());
    }
    return texts;
}

// Answers the next message box with `button` and keeps its title and text.
struct Answered
{
    QString title;
    QString text;
};

void AnswerBox(Answered& answered, QMessageBox::StandardButton button)
{
    WhenModal<QMessageBox>([&answered, button](QMessageBox* box) {
        answered = {box->windowTitle(), box->text()};
        box->done(button);
    });
}

// Rejects every message box at once and notes its parent and text.
class BoxWatch
{
public:
    BoxWatch()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                boxes.push_back({box->parentWidget(), box->text()});
                box->reject();
            }
        });
        m_timer.start();
    }

    struct Box
    {
        QWidget* parent;
        QString text;
    };
    std::vector<Box> boxes;

private:
    QTimer m_timer;
};

class UserGroupPanesTest : public GwenSession
{
protected:
    void SetUp() override { startServer(); }
};

TEST_F(UserGroupPanesTest, AUserWithoutGroupsIsWarnedAtNewUser)
{
    zarv::data::User ivy = User(Ivy, "Ivy", "Jones");
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(ivy);
    UserGroupSidePaneTreeWidget pane(nullptr);
    EXPECT_EQ(pane.topLevelItemCount(), 0);
    EXPECT_TRUE(pane.loadFailure().isEmpty());
    QSignalSpy newUser(&pane, qOverload<const zarv::data::UserGroup&>(&UserGroupSidePaneTreeWidget::newUser));
    Answered answered;
    AnswerBox(answered, QMessageBox::Ok);
    pane.newUser();
    EXPECT_EQ(answered.title, QStringLiteral("There are no user groups!"));
    EXPECT_EQ(answered.text, QStringLiteral("Please create a user group."));
    EXPECT_EQ(newUser.count(), 0);
}

TEST_F(UserGroupPanesTest, CancelledConfirmationsEmitNothing)
{
    UserGroupSidePaneTreeWidget side(nullptr);
    ASSERT_EQ(Texts(side), (QStringList{"Friends", "Empty"}));
    side.setCurrentItem(side.topLevelItem(0));
    QSignalSpy deleteGroup(&side, qOverload<int>(&UserGroupSidePaneTreeWidget::deleteUserGroup));
    Answered answered;
    AnswerBox(answered, QMessageBox::Cancel);
    side.deleteUserGroup();
    EXPECT_EQ(answered.title, QStringLiteral("Delete User Group"));
    EXPECT_EQ(deleteGroup.count(), 0);
    AnswerBox(answered, QMessageBox::Ok);
    side.deleteUserGroup();
    ASSERT_EQ(deleteGroup.count(), 1);
    EXPECT_EQ(deleteGroup.front().front().toInt(), Friends);
    EXPECT_EQ(side.topLevelItemCount(), 2) << "only the window removes the item";

    UserGroupMainPaneListWidget main(nullptr);
    main.addUserItem(User(Hal, "Hal", "Ingram"));
    main.item(0)->setSelected(true);
    QSignalSpy deleteUser(&main, qOverload<int>(&UserGroupMainPaneListWidget::deleteUser));
    AnswerBox(answered, QMessageBox::Cancel);
    main.deleteUser();
    EXPECT_EQ(answered.text, QStringLiteral("Delete group user Hal Ingram?"));
    EXPECT_EQ(deleteUser.count(), 0);
    AnswerBox(answered, QMessageBox::Ok);
    main.deleteUser();
    ASSERT_EQ(deleteUser.count(), 1);
    EXPECT_EQ(deleteUser.front().front().toInt(), Hal);
}

TEST_F(UserGroupPanesTest, AMemberAddedTwiceIsListedOnceAndReportedTwice)
{
    UserGroupMainPaneListWidget main(nullptr);
    QSignalSpy selected(&main, &UserGroupMainPaneListWidget::userSelected);
    main.addUserItem(User(Hal, "Hal", "Ingram"));
    EXPECT_EQ(selected.count(), 2);
    main.addUserItem(User(Hal, "Someone", "Else"));
    EXPECT_EQ(Texts(main), QStringList{"Ingram, Hal"});
    EXPECT_EQ(selected.count(), 2);
    EXPECT_TRUE(main.selectedItems().isEmpty());
    main.removeUserItem(Kim);
    main.removeUserItem(Hal);
    EXPECT_EQ(main.count(), 0);
}

TEST_F(UserGroupPanesTest, AnUpdatedGroupKeepsItsPlace)
{
    UserGroupSidePaneTreeWidget side(nullptr);
    zarv::data::UserGroup renamed;
    renamed.set_user_group_group_id(Friends);
    renamed.set_user_group_name("Pals");
    side.updateUserGroup(renamed);
    EXPECT_EQ(Texts(side), (QStringList{"Pals", "Empty"}));
    EXPECT_EQ(
        side.topLevelItem(0)->data(0, recorditems::UserGroupRole).value<zarv::data::UserGroup>().user_group_name(),
        "Pals");
    side.addUserGroupItem(renamed);
    side.addUserGroupItem(renamed);
    EXPECT_EQ(Texts(side), (QStringList{"Pals", "Empty", "Pals", "Pals"}));
    side.removeUserGroupItem(Friends);
    EXPECT_EQ(Texts(side), (QStringList{"Empty", "Pals", "Pals"}));
}

// Sends the requests that the console's actions send.
class Launcher : public AbstractViewWindow
{
public:
    Launcher()
        : AbstractViewWindow(nullptr)
    {}

    void openBrowser() { emit deliverRequest(common::OpenUserGroupBrowserView); }
};

// A browser and its two panes.
struct Browser
{
    explicit Browser(UserGroupBrowserView* browser)
        : view(browser)
        , m_sidePane(browser->findChild<UserGroupSidePaneTreeWidget*>())
        , m_mainPane(browser->findChild<UserGroupMainPaneListWidget*>())
    {}

    std::string modeName() const { return view->getModeName(view->getMode()); }

    UserGroupBrowserView* view;
    UserGroupSidePaneTreeWidget* m_sidePane;
    UserGroupMainPaneListWidget* m_mainPane;
};

class UserGroupBrowserTest : public GwenSession
{
protected:
    void SetUp() override
    {
        startServer();
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<UserGroupBrowserManager>});
        m_tree->connectAbstractViewWindow(&m_launcher);
    }

    void TearDown() override
    {
        for (UserGroupBrowserView* browser : browsers()) {
            delete browser;
        }
        m_tree.reset();
        GwenSession::TearDown();
    }

    static std::vector<UserGroupBrowserView*> browsers()
    {
        std::vector<UserGroupBrowserView*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* browser = dynamic_cast<UserGroupBrowserView*>(widget); browser && browser->isVisible()) {
                found.push_back(browser);
            }
        }
        return found;
    }

    // Opens one more browser through the manager.
    Browser* open()
    {
        const auto before = browsers();
        m_launcher.openBrowser();
        for (UserGroupBrowserView* browser : browsers()) {
            if (std::find(before.begin(), before.end(), browser) == before.end()) {
                return &m_opened.emplace_back(browser);
            }
        }
        ADD_FAILURE() << "no new browser";
        return nullptr;
    }

    // The first action that shows the text (New User Group before Edit User
    // Group).
    static QAction* action(UserGroupBrowserView* browser, const char* text)
    {
        for (QAction* action : browser->findChildren<QAction*>()) {
            if (action->text() == QString::fromLatin1(text)) {
                return action;
            }
        }
        ADD_FAILURE() << "no action " << text;
        return new QAction(browser);
    }

    // "1" for each enabled action of New User Group, Edit User Group, Delete
    // User Group, New User and Remove User.
    static std::string actions(const Browser* browser)
    {
        std::string bits;
        for (const char* statusTip :
             {"Create a new group", "Edit the properties of a group", "Delete the selected group",
              "Add one or more users to the selected group", "Remove the selected user from the group"}) {
            bool found = false;
            for (QAction* action : browser->view->findChildren<QAction*>()) {
                if (action->statusTip() == QString::fromLatin1(statusTip)) {
                    bits += action->isEnabled() ? '1' : '0';
                    found = true;
                    break;
                }
            }
            EXPECT_TRUE(found) << statusTip;
        }
        return bits;
    }

    static void select(Browser* browser, const char* group)
    {
        for (int index = 0; index < browser->m_sidePane->topLevelItemCount(); ++index) {
            if (browser->m_sidePane->topLevelItem(index)->text(0) == QString::fromLatin1(group)) {
                browser->m_sidePane->setCurrentItem(browser->m_sidePane->topLevelItem(index));
                return;
            }
        }
        ADD_FAILURE() << "no group " << group;
    }

    // New User on the browser, picking the members of the home group Crew.
    void addCrew(Browser* browser)
    {
        WhenModal<SelectUsersDialog>([](SelectUsersDialog* dialog) {
            for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
                if (!list->findItems(QStringLiteral("Crew"), Qt::MatchExactly).isEmpty()) {
                    list->findItems(QStringLiteral("Crew"), Qt::MatchExactly).front()->setSelected(true);
                }
            }
            testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("Include"))->click();
            testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("Add All"))->click();
            dialog->accept();
        });
        action(browser->view, "User...")->trigger();
    }

    void newUserGroup(Browser* browser, const QString& name)
    {
        WhenModal<CreateGroupDialog>([name](CreateGroupDialog* dialog) {
            dialog->findChildren<QLineEdit*>().front()->setText(name);
            dialog->accept();
        });
        action(browser->view, "User Group...")->trigger();
    }

    Launcher m_launcher;
    std::unique_ptr<ApplicationComponent> m_tree;
    std::deque<Browser> m_opened;
};

TEST_F(UserGroupBrowserTest, OpensWithTheFirstGroupAndItsMembersNeverTheSessionUser)
{
    Browser* browser = open();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->view->windowTitle(), QStringLiteral("My Groups [127.0.0.1]"));
    EXPECT_EQ(Texts(*browser->m_sidePane), (QStringList{"Friends", "Empty"}));
    ASSERT_NE(browser->m_sidePane->currentItem(), nullptr);
    EXPECT_EQ(browser->m_sidePane->currentItem()->text(0), QStringLiteral("Friends"));
    EXPECT_EQ(Texts(*browser->m_mainPane), (QStringList{"Ingram, Hal", "Lee, Kim"}));
    // Adding the members reports them as changed items, which enables Remove
    // User.
    EXPECT_EQ(browser->modeName(), "modeUserSelected");
    EXPECT_EQ(actions(browser), "11111");
}

TEST_F(UserGroupBrowserTest, TwoRequestsOpenTwoBrowsers)
{
    open();
    open();
    EXPECT_EQ(browsers().size(), 2U);
}

TEST_F(UserGroupBrowserTest, PickedUsersGoInOneRequestEachWithOneCreationTime)
{
    Browser* browser = open();
    ASSERT_NE(browser, nullptr);
    select(browser, "Empty");
    EXPECT_THAT(Texts(*browser->m_mainPane), IsEmpty());
    std::vector<zarv::data::InsertUserGroupUserRequest> sent;
    QObject::connect(browser->view, &AbstractMainWindow::deliverRequest,
                     [&sent](common::Opcode major, common::Opcode minor, const std::string& payload) {
                         EXPECT_EQ(minor, common::Untagged);
                         if (major == common::InsertUserGroupUser) {
                             sent.emplace_back().ParseFromString(payload);
                         }
                     });
    addCrew(browser);
    ASSERT_EQ(sent.size(), 3U);
    std::set<std::string> times;
    for (const auto& request : sent) {
        EXPECT_EQ(request.user_group_user().user_group().user_group_group_id(), Empty);
        EXPECT_TRUE(request.user_group_user().has_user_group_user_description());
        times.insert(request.user_group_user().user_group_user_creation_date());
    }
    EXPECT_EQ(times.size(), 1U);
    EXPECT_EQ(Texts(*browser->m_mainPane), (QStringList{"Ingram, Hal", "Jones, Ivy May", "Kent, Jon"}));
}

TEST_F(UserGroupBrowserTest, ADeletionEndsWithOnlyNewUserGroupEnabled)
{
    Browser* browser = open();
    ASSERT_NE(browser, nullptr);
    Answered answered;
    AnswerBox(answered, QMessageBox::Ok);
    action(browser->view, "Delete User Group...")->trigger();
    EXPECT_EQ(Texts(*browser->m_sidePane), QStringList{"Empty"});
    EXPECT_THAT(Texts(*browser->m_mainPane), IsEmpty());
    EXPECT_EQ(browser->modeName(), "modeUserGroupNotSelected");
    EXPECT_EQ(actions(browser), "10000");
}

TEST_F(UserGroupBrowserTest, TwoBrowsersStayInStepEachWithItsOwnGroup)
{
    Browser* first = open();
    Browser* second = open();
    ASSERT_TRUE(first && second);
    newUserGroup(first, QStringLiteral("  Readers  "));
    EXPECT_EQ(Texts(*first->m_sidePane), (QStringList{"Friends", "Empty", "Readers"}));
    EXPECT_EQ(Texts(*second->m_sidePane), (QStringList{"Friends", "Empty", "Readers"}));

    // The second shows Empty; the first, which shows Friends, gains nobody.
    select(second, "Empty");
    addCrew(second);
    EXPECT_EQ(Texts(*second->m_mainPane), (QStringList{"Ingram, Hal", "Jones, Ivy May", "Kent, Jon"}));
    EXPECT_EQ(Texts(*first->m_mainPane), (QStringList{"Ingram, Hal", "Lee, Kim"}));

    // Removing Hal from Friends leaves him in the second browser's Empty.
    first->m_mainPane->item(0)->setSelected(true);
    Answered answered;
    AnswerBox(answered, QMessageBox::Ok);
    action(first->view, "Remove User...")->trigger();
    EXPECT_EQ(Texts(*first->m_mainPane), QStringList{"Lee, Kim"});
    EXPECT_EQ(Texts(*second->m_mainPane), (QStringList{"Ingram, Hal", "Jones, Ivy May", "Kent, Jon"}));

    // Deleting Friends empties only the browser that shows it.
    AnswerBox(answered, QMessageBox::Ok);
    action(first->view, "Delete User Group...")->trigger();
    EXPECT_EQ(Texts(*second->m_sidePane), (QStringList{"Empty", "Readers"}));
    EXPECT_EQ(Texts(*second->m_mainPane), (QStringList{"Ingram, Hal", "Jones, Ivy May", "Kent, Jon"}));
    EXPECT_EQ(second->modeName(), "modeUserSelected");
    EXPECT_EQ(actions(second).substr(0, 4), "1111");
    EXPECT_EQ(actions(first), "10000");
}

TEST_F(UserGroupBrowserTest, ABlankNameSendsNothing)
{
    Browser* browser = open();
    ASSERT_NE(browser, nullptr);
    int sent = 0;
    QObject::connect(browser->view, &AbstractMainWindow::deliverRequest, [&sent] { ++sent; });
    BoxWatch watch;
    newUserGroup(browser, QStringLiteral("   "));
    EXPECT_EQ(sent, 0);
    ASSERT_EQ(watch.boxes.size(), 1U);
    EXPECT_EQ(watch.boxes.front().parent, browser->view);
}

TEST_F(UserGroupBrowserTest, ARefusalChangesNothingAndIsSaidOnceBySenderOnly)
{
    Browser* first = open();
    Browser* second = open();
    ASSERT_TRUE(first && second);
    BoxWatch watch;

    newUserGroup(first, QStringLiteral("Empty"));
    first->view->deleteUserGroup(HalsCircle);
    m_server->stop();
    first->view->deleteUserGroup(Friends);

    ASSERT_EQ(watch.boxes.size(), 3U);
    for (const BoxWatch::Box& box : watch.boxes) {
        EXPECT_EQ(box.parent, first->view);
    }
    EXPECT_EQ(watch.boxes[0].text,
              QStringLiteral("The user group was not created. The server refused the request (code 0x050050C2)."));
    EXPECT_EQ(watch.boxes[1].text,
              QStringLiteral("The user group was not deleted. The server refused the request (code 72)."));
    EXPECT_EQ(watch.boxes[2].text, QStringLiteral("The user group was not deleted. No reply from the server."));
    for (const Browser* browser : {first, second}) {
        EXPECT_EQ(Texts(*browser->m_sidePane), (QStringList{"Friends", "Empty"}));
        EXPECT_EQ(Texts(*browser->m_mainPane), (QStringList{"Ingram, Hal", "Lee, Kim"}));
        EXPECT_EQ(actions(browser).substr(0, 4), "1111");
    }
}

}  // namespace
