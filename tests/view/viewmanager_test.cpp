// The step of every view manager: the same record raises its open window,
// another record opens a second one, and a deleted record closes every
// window that shows it.

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/abstractviewwindow.h"

#include "deletedocumentreply3.pb.h"
#include "deletedocumentrequest3.pb.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A window that shows one record.
class RecordWindow : public AbstractViewWindow
{
public:
    explicit RecordWindow(int recordId)
        : AbstractViewWindow(nullptr)
        , m_recordId(recordId)
    {}

    int getRecordId() const { return m_recordId; }

private:
    const int m_recordId;
};

int RecordOf(const RecordWindow& window)
{
    return window.getRecordId();
}

// The open windows of records, in top-level order.
std::vector<int> OpenRecords()
{
    std::vector<int> records;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<RecordWindow*>(widget); window && window->isVisible()) {
            records.push_back(window->getRecordId());
        }
    }
    return records;
}

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens a record's window on the request OpenDocumentKeysView whose payload
// is the record id, and closes the windows of a deleted document.
class RecordManager : public AbstractViewManager
{
public:
    explicit RecordManager(bool wires = true)
        : AbstractViewManager(nullptr)
        , m_wires(wires)
    {
        m_replyTable.add(common::DeleteDocument, ReplyTable::AnyMinor, this, &RecordManager::deleteDocument);
    }

    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode,
                        const std::string& request) override
    {
        if (majorOpcode != common::OpenDocumentKeysView) {
            return;
        }
        const int recordId = std::stoi(request);
        raiseOrOpenWindow<RecordWindow>(
            recordId, &RecordOf, [recordId] { return new RecordWindow(recordId); },
            minorOpcode == common::Untagged ? Show::Always : Show::WhenWired);
    }

    std::vector<const AbstractViewWindow*> m_wired;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override
    {
        m_wired.push_back(window);
        return m_wires;
    }

private:
    void deleteDocument(const BusReply& bus, const zarv::data::DeleteDocumentReply&)
    {
        zarv::data::DeleteDocumentRequest request;
        if (request.ParseFromString(bus.request)) {
            CloseWindows<RecordWindow>(request.document_id(), &RecordOf);
        }
    }

    const bool m_wires;
};

std::string DeleteRequest(int documentId)
{
    zarv::data::DeleteDocumentRequest request;
    request.set_document_id(documentId);
    return request.SerializeAsString();
}

class ViewManagerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (dynamic_cast<RecordWindow*>(widget)) {
                widget->close();
            }
        }
        DeleteClosedWindows();
    }

    void open(RecordManager& manager, int recordId, common::Opcode minor = common::Untagged)
    {
        manager.receiveRequest(common::OpenDocumentKeysView, minor, std::to_string(recordId));
    }
};

TEST_F(ViewManagerTest, TheSameRecordRaisesItsWindowAndAnotherOpensASecond)
{
    RecordManager manager;
    open(manager, 1);
    ASSERT_EQ(OpenRecords(), std::vector<int>{1});
    ASSERT_EQ(manager.m_wired.size(), 1U);
    const AbstractViewWindow* first = manager.m_wired.front();

    open(manager, 1);
    EXPECT_EQ(OpenRecords(), std::vector<int>{1});
    EXPECT_EQ(manager.m_wired, std::vector<const AbstractViewWindow*>{first});

    open(manager, 2);
    std::vector<int> records = OpenRecords();
    std::sort(records.begin(), records.end());
    EXPECT_EQ(records, (std::vector<int>{1, 2}));
    EXPECT_EQ(manager.m_wired.size(), 2U);
}

TEST_F(ViewManagerTest, ADeletedRecordClosesEveryWindowThatShowsIt)
{
    RecordManager manager;
    open(manager, 1);
    open(manager, 2);
    // A second window of the same record, opened some other way.
    QPointer<RecordWindow> other = new RecordWindow(1);
    other->show();
    QPointer<const AbstractViewWindow> first = manager.m_wired.front();

    // A failed delete closes nothing.
    manager.receiveReply(common::DeleteDocument, common::Untagged, DeleteRequest(1), common::ServiceNoReplyEr, 1);
    EXPECT_EQ(OpenRecords().size(), 3U);

    manager.receiveReply(common::DeleteDocument, common::Untagged, DeleteRequest(1));
    EXPECT_EQ(OpenRecords(), std::vector<int>{2});
    DeleteClosedWindows();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(other.isNull());

    // Once closed, the record opens a new window again.
    open(manager, 1);
    EXPECT_EQ(OpenRecords().size(), 2U);
    EXPECT_EQ(manager.m_wired.size(), 3U);
}

TEST_F(ViewManagerTest, AWindowThatMustBeWiredIsShownOnlyWhenItIs)
{
    RecordManager unwired(false);
    open(unwired, 1, common::OpenDocumentKeyringView);
    ASSERT_EQ(unwired.m_wired.size(), 1U);
    EXPECT_FALSE(unwired.m_wired.front()->isVisible());
    delete unwired.m_wired.front();

    open(unwired, 1);
    EXPECT_EQ(OpenRecords(), std::vector<int>{1});
}

}  // namespace
