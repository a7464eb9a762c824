// The trial's user groups from the console, over the sample data set: Avery
// logs on and opens My Groups, which shows Reviewers with Blake and Casey;
// New User offers the Staff members who are not Reviewers yet.

#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/usergroupmainpanelistwidget.h"
#include "library/gui/usergroupsidepanetreewidget.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consolemanager.h"
#include "product/client/view/consoleview.h"
#include "product/client/view/usergroupbrowsermanager.h"
#include "product/client/view/usergroupbrowserview.h"
#include "library/core/lib/registry.h"
#include "library/security/cryptographer.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/consoletestsupport.h"

#include "users3.pb.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using testsupport::TestServerProcess;

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts.append(list.item(row)->text());
    }
    return texts;
}

std::vector<UserGroupBrowserView*> Browsers()
{
    std::vector<UserGroupBrowserView*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = dynamic_cast<UserGroupBrowserView*>(widget); browser && browser->isVisible()) {
            found.push_back(browser);
        }
    }
    return found;
}

TEST(UserGroupTrialTest, MyGroupsShowsReviewersAndOffersTheOtherStaff)
{
    consoletest::PrepareClientServices();
    TestServerProcess server({}, TestServerProcess::FixturePath("sample.textproto"));
    ASSERT_NE(server.port(), 0);
    auto tree = std::make_unique<ApplicationComponent>(
        nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                     &ApplicationComponent::CreateViewManager<ConsoleManager>,
                     &ApplicationComponent::CreateViewManager<UserGroupBrowserManager>});
    ConsoleView* console = consoletest::FindConsole();
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(console->logOnWithNamePassword(
        QString::fromLatin1(consoletest::SampleUserName), QString::fromLatin1(consoletest::SamplePassword),
        QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("America/New_York")));

    consoletest::ConsoleAction(console, "My User Groups...")->trigger();
    const std::vector<UserGroupBrowserView*> browsers = Browsers();
    ASSERT_EQ(browsers.size(), 1U);
    UserGroupBrowserView* browser = browsers.front();
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("My Groups [127.0.0.1]"));
    auto* side = browser->findChild<UserGroupSidePaneTreeWidget*>();
    auto* main = browser->findChild<UserGroupMainPaneListWidget*>();
    ASSERT_TRUE(side && main);
    ASSERT_EQ(side->topLevelItemCount(), 2);
    EXPECT_EQ(side->topLevelItem(0)->text(0), QStringLiteral("Reviewers"));
    EXPECT_EQ(side->topLevelItem(1)->text(0), QStringLiteral("Proofreaders"));
    EXPECT_EQ(Texts(*main), (QStringList{"Morgan, Blake", "Rivera, Casey"}));

    QStringList offered;
    testsupport::WhenModal<SelectUsersDialog>([&offered](SelectUsersDialog* dialog) {
        testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("Include All"))->click();
        testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("Add All"))->click();
        const zarv::data::Users selected = dialog->selectedUsers();
        for (const zarv::data::User& user : selected.user()) {
            offered.append(QString::fromStdString(user.user_first_name()));
        }
        dialog->accept();
    });
    for (QAction* action : browser->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("User...")) {
            action->trigger();
        }
    }
    EXPECT_EQ(offered, (QStringList{"Dana", "Eli"}));
    EXPECT_EQ(Texts(*main), (QStringList{"Morgan, Blake", "Rivera, Casey", "Ellis, Dana", "Fischer, Eli"}));

    delete browser;
    delete console;
    tree.reset();
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
}

}  // namespace
