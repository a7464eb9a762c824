// The order of delivery across the component tree, written down by recording
// windows and managers. Server requests go to a port that refuses them, so
// each is answered at once with ServiceNoReplyEr.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/component/clockcomponent.h"
#include "tests/component/recorder.h"
#include "tests/component/refusingport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using componenttest::EventLine;
using componenttest::Journal;
using componenttest::RecordingComponent;
using componenttest::RecordingWindow;
using componenttest::ReplyLine;
using componenttest::RequestLine;

// A manager that opens its window on ApplicationStarted, as the console's does.
class WindowOpeningManager : public RecordingComponent
{
public:
    WindowOpeningManager(Journal& journal, ApplicationComponent* applicationComponent)
        : RecordingComponent("console manager", journal, applicationComponent)
        , m_applicationComponent(applicationComponent)
    {}

    void
    receiveEvent(const common::Evcode majorEvcode, const common::Evcode minorEvcode, const std::string& event) override
    {
        RecordingComponent::receiveEvent(majorEvcode, minorEvcode, event);
        if (majorEvcode == common::ApplicationStarted) {
            m_window = std::make_unique<RecordingWindow>("console", m_journal);
            m_windowHung = m_applicationComponent->connectAbstractViewWindow(m_window.get());
        }
    }

    bool windowHung() const { return m_windowHung; }

private:
    ApplicationComponent* const m_applicationComponent;
    std::unique_ptr<RecordingWindow> m_window;
    bool m_windowHung = false;
};

class BusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_refusingPort.port());
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
    }

    ApplicationComponent::ViewManagerFactory manager(const std::string& name)
    {
        return [this, name](ApplicationComponent* applicationComponent) -> Component* {
            return new RecordingComponent(name, m_journal, applicationComponent);
        };
    }

    // The tree with two recording managers and two windows, the journal empty.
    void buildTreeWithTwoWindows()
    {
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{manager("manager1"), manager("manager2")});
        openWindow("window1");
        openWindow("window2");
        m_journal.clear();
    }

    RecordingWindow* openWindow(const std::string& name)
    {
        m_windows.push_back(std::make_unique<RecordingWindow>(name, m_journal));
        EXPECT_TRUE(m_tree->connectAbstractViewWindow(m_windows.back().get()));
        return m_windows.back().get();
    }

    QTimer* clockTimer() const { return m_tree->findChild<ClockComponent*>()->findChild<QTimer*>(); }

    void tick() const { ASSERT_TRUE(QMetaObject::invokeMethod(clockTimer(), "timeout")); }

    componenttest::RefusingPort m_refusingPort;
    Journal m_journal;
    std::unique_ptr<ApplicationComponent> m_tree;
    std::vector<std::unique_ptr<RecordingWindow>> m_windows;
};

TEST_F(BusTest, StartUpAnnouncesTheApplicationToTheManagersInOrderAndStartsTheClock)
{
    WindowOpeningManager* console = nullptr;
    m_tree = std::make_unique<ApplicationComponent>(
        nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                     [&](ApplicationComponent* applicationComponent) -> Component* {
                         return console = new WindowOpeningManager(m_journal, applicationComponent);
                     },
                     manager("manager2")});

    // The console's window is hung while the event is on its way: it never sees it.
    EXPECT_EQ(m_journal, (Journal{EventLine("console manager", common::ApplicationStarted, common::Untagged),
                                  EventLine("manager2", common::ApplicationStarted, common::Untagged)}));
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->windowHung());
    EXPECT_TRUE(clockTimer()->isActive());
    EXPECT_EQ(clockTimer()->interval(), 60000);
    EXPECT_FALSE(clockTimer()->isSingleShot());

    m_journal.clear();
    tick();
    EXPECT_EQ(m_journal, (Journal{EventLine("console", common::ClockTicked, common::Untagged),
                                  EventLine("console manager", common::ClockTicked, common::Untagged),
                                  EventLine("manager2", common::ClockTicked, common::Untagged)}));
}

TEST_F(BusTest, AWindowsRequestPassesTheServiceRouterAndItsReplyReachesEveryWindowBeforeTheManagers)
{
    struct Row
    {
        const char* name;
        common::Opcode major;
        common::Opcode minor;
        Journal expected;
    };
    const Row rows[] = {
        {"audited server operation",
         common::SelectDocument,
         common::OpenDocumentEditorView,
         {EventLine("window1", common::EventLogged, common::SelectDocumentLogged),
          EventLine("window2", common::EventLogged, common::SelectDocumentLogged),
          ReplyLine("window1", common::SelectDocument, common::OpenDocumentEditorView, common::ServiceNoReplyEr, 1),
          ReplyLine("window2", common::SelectDocument, common::OpenDocumentEditorView, common::ServiceNoReplyEr, 1),
          ReplyLine("manager1", common::SelectDocument, common::OpenDocumentEditorView, common::ServiceNoReplyEr, 1),
          ReplyLine("manager2", common::SelectDocument, common::OpenDocumentEditorView, common::ServiceNoReplyEr, 1),
          RequestLine("manager1", common::SelectDocument, common::OpenDocumentEditorView),
          RequestLine("manager2", common::SelectDocument, common::OpenDocumentEditorView)}},
        {"server operation that is not audited",
         common::SelectFolderKey,
         common::ListFolderKeys,
         {ReplyLine("window1", common::SelectFolderKey, common::ListFolderKeys, common::ServiceNoReplyEr, 1),
          ReplyLine("window2", common::SelectFolderKey, common::ListFolderKeys, common::ServiceNoReplyEr, 1),
          ReplyLine("manager1", common::SelectFolderKey, common::ListFolderKeys, common::ServiceNoReplyEr, 1),
          ReplyLine("manager2", common::SelectFolderKey, common::ListFolderKeys, common::ServiceNoReplyEr, 1),
          RequestLine("manager1", common::SelectFolderKey, common::ListFolderKeys),
          RequestLine("manager2", common::SelectFolderKey, common::ListFolderKeys)}},
        // Stopped by the service router, yet the managers still see it.
        {"audit request",
         common::LogEventPrintDocument,
         common::Untagged,
         {EventLine("window1", common::EventLogged, common::PrintDocumentLogged),
          EventLine("window2", common::EventLogged, common::PrintDocumentLogged),
          RequestLine("manager1", common::LogEventPrintDocument, common::Untagged),
          RequestLine("manager2", common::LogEventPrintDocument, common::Untagged)}},
        {"client request",
         common::OpenDocumentBrowserView,
         common::Untagged,
         {RequestLine("manager1", common::OpenDocumentBrowserView, common::Untagged),
          RequestLine("manager2", common::OpenDocumentBrowserView, common::Untagged)}},
    };
    buildTreeWithTwoWindows();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_journal.clear();
        emit m_windows.front()->deliverRequest(row.major, row.minor, std::string());
        EXPECT_EQ(m_journal, row.expected);
    }
}

TEST_F(BusTest, AManagersRequestGoesStraightDownAndItsReplyReachesEveryone)
{
    buildTreeWithTwoWindows();
    Component* manager1 = m_tree->findChildren<RecordingComponent*>().front();

    emit manager1->deliverRequest(common::SelectFolderKey, common::OpenFolderKeyringView, std::string());

    EXPECT_EQ(
        m_journal,
        (Journal{
            ReplyLine("window1", common::SelectFolderKey, common::OpenFolderKeyringView, common::ServiceNoReplyEr, 1),
            ReplyLine("window2", common::SelectFolderKey, common::OpenFolderKeyringView, common::ServiceNoReplyEr, 1),
            ReplyLine("manager1", common::SelectFolderKey, common::OpenFolderKeyringView, common::ServiceNoReplyEr, 1),
            ReplyLine("manager2", common::SelectFolderKey, common::OpenFolderKeyringView, common::ServiceNoReplyEr,
                      1)}));

    // A manager's events and replies go to the windows only.
    m_journal.clear();
    emit manager1->deliverEvent(common::DocumentEditorOptionsChanged);
    EXPECT_EQ(m_journal, (Journal{EventLine("window1", common::DocumentEditorOptionsChanged, common::Untagged),
                                  EventLine("window2", common::DocumentEditorOptionsChanged, common::Untagged)}));
}

TEST_F(BusTest, TheClockTicksToEveryWindowThenEveryManagerAndAClosedWindowHearsNothing)
{
    buildTreeWithTwoWindows();
    tick();
    EXPECT_EQ(m_journal, (Journal{EventLine("window1", common::ClockTicked, common::Untagged),
                                  EventLine("window2", common::ClockTicked, common::Untagged),
                                  EventLine("manager1", common::ClockTicked, common::Untagged),
                                  EventLine("manager2", common::ClockTicked, common::Untagged)}));

    m_journal.clear();
    m_windows.front().reset();
    tick();
    EXPECT_EQ(m_journal, (Journal{EventLine("window2", common::ClockTicked, common::Untagged),
                                  EventLine("manager1", common::ClockTicked, common::Untagged),
                                  EventLine("manager2", common::ClockTicked, common::Untagged)}));
}

TEST_F(BusTest, StartClockStartsTheClockAnewAndStopClockStopsIt)
{
    buildTreeWithTwoWindows();
    QTimer* timer = clockTimer();
    ASSERT_TRUE(timer->isActive());

    // A running clock is started anew: its interval is set again.
    timer->setInterval(5000);
    emit m_tree->deliverRequest(common::StartClock);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);

    // Requests down the bus reach the clock, which looks at the major code only.
    emit m_windows.front()->deliverRequest(common::StopClock, common::StartClock, std::string());
    EXPECT_FALSE(timer->isActive());
    emit m_tree->deliverRequest(common::StopClock);
    EXPECT_FALSE(timer->isActive());
    emit m_tree->deliverRequest(common::OpenDocumentKeysView, common::Untagged, std::string());
    EXPECT_FALSE(timer->isActive());
    emit m_tree->deliverRequest(common::StartClock);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);
}

TEST_F(BusTest, DestroyingTheTreeStopsTheClockBeforeAnyBusObjectGoes)
{
    buildTreeWithTwoWindows();
    QTimer* timer = clockTimer();
    const auto* systemConnector = m_tree->findChild<SystemConnector*>();
    ASSERT_NE(systemConnector, nullptr);
    QObject::connect(systemConnector, &SystemConnector::deliverRequest,
                     [&](common::Opcode major, common::Opcode minor, const std::string&) {
                         m_journal.push_back(RequestLine("clock", major, minor)
                                             + (timer->isActive() ? " running" : " stopped"));
                     });
    QObject::connect(systemConnector, &QObject::destroyed, [&] { m_journal.push_back("system connector gone"); });

    m_tree.reset();

    EXPECT_EQ(m_journal, (Journal{RequestLine("clock", common::StopClock, common::Untagged) + " stopped",
                                  "system connector gone"}));
}

// The bus template over a stand-in server that answers every request: the
// lower half of the tree in its order of delivery.
Journal* g_journal = nullptr;

class AnsweringServer : public RecordingComponent
{
public:
    explicit AnsweringServer(QObject* parent)
        : RecordingComponent("server", *g_journal, parent)
    {}

    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode,
                        const std::string& request) override
    {
        RecordingComponent::receiveRequest(majorOpcode, minorOpcode, request);
        emit deliverReply(majorOpcode, minorOpcode, request, common::NoEr, common::NoEr, "reply");
    }
};

class AnsweringBus : public AbstractApplicationComponent<SystemConnector,
                                                         SystemRouter,
                                                         AnsweringServer,
                                                         ServiceConnector,
                                                         ServiceRouter,
                                                         ExecutiveConnector>
{
public:
    using AbstractApplicationComponent::AbstractApplicationComponent;
    SystemConnector* systemConnector() const { return m_systemConnector; }
};

TEST(BusTemplateTest, EventsFromBelowReachWindowsAndManagersBeforeTheServerComponent)
{
    Journal journal;
    g_journal = &journal;
    AnsweringBus bus(nullptr);
    RecordingComponent manager("manager", journal, &bus);
    ASSERT_TRUE(bus.connectAbstractViewManager(&manager));
    RecordingWindow window("window", journal);
    ASSERT_TRUE(bus.connectAbstractViewWindow(&window));

    emit bus.systemConnector()->deliverEvent(common::ClockTicked);
    EXPECT_EQ(journal, (Journal{EventLine("window", common::ClockTicked, common::Untagged),
                                EventLine("manager", common::ClockTicked, common::Untagged),
                                EventLine("server", common::ClockTicked, common::Untagged)}));

    journal.clear();
    emit window.deliverRequest(common::SelectUser, common::Untagged, std::string());
    EXPECT_EQ(journal, (Journal{RequestLine("server", common::SelectUser, common::Untagged),
                                EventLine("window", common::EventLogged, common::SelectUserLogged),
                                ReplyLine("window", common::SelectUser, common::Untagged, 0, 0),
                                ReplyLine("manager", common::SelectUser, common::Untagged, 0, 0),
                                RequestLine("manager", common::SelectUser, common::Untagged)}));
    g_journal = nullptr;
}

}  // namespace
