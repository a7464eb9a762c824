// The key openers: a key refused by its rules or its passcode shows one box
// and sends nothing; an accepted one sends the request that opens it through
// the window, and a document key not opened before loses its emphasis.

#include "library/common/clock.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/keyopeners.h"
#include "library/gui/passcodedialog.h"
#include "library/security/cryptographer.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documentbrowsertestsupport.h"

#include "openfolderkeyrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;
using testsupport::WhenModal;

struct Sent
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

// A window whose requests are only written down.
class RequestWindow : public AbstractViewWindow
{
public:
    RequestWindow()
        : AbstractViewWindow(nullptr)
    {
        connect(this, &AbstractViewWindow::deliverRequest,
                [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                    sent.push_back({major, minor, payload});
                });
    }

    std::vector<Sent> sent;
};

std::string StoredPasscode(const std::string& passcode)
{
    const Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    return cryptographer->encodePassword(cryptographer->hashPassword(passcode));
}

class KeyOpenersTest : public ::testing::Test
{
protected:
    void SetUp() override { PrepareBrowserServices(); }

    // Types the passcode into the next passcode dialog and presses Enter, or
    // closes it when `passcode` is null.
    static void answerPasscode(const char* passcode)
    {
        WhenModal<PasscodeDialog>([passcode](PasscodeDialog* dialog) {
            if (passcode) {
                dialog->setPasscode(QString::fromLatin1(passcode));
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    }

    RequestWindow m_window;
    BoxRecorder m_boxes;
};

TEST_F(KeyOpenersTest, AKeyRefusedByItsRulesShowsTheFirstReasonAndSendsNothing)
{
    // Noon in UTC on a Sunday in March.
    const common::FixedClock clock(boost::posix_time::time_from_string("2026-03-01 12:00:00"));
    struct Case
    {
        const char* name;
        KeyRules rules;
        const char* text;
    };
    KeyRules off;
    off.active = 0;
    KeyRules noMonth;
    noMonth.active = 1 | (127 << 13);
    KeyRules noWeekday;
    noWeekday.active = 1 | (4095 << 1);
    KeyRules expired;
    expired.expirationDate = "2026-03-01 00:00:00";
    KeyRules offAndExpired = off;
    offAndExpired.expirationDate = expired.expirationDate;
    KeyRules noView;
    noView.permissions = 2304;
    const std::vector<Case> cases = {
        {"switched off", off, "Key not active."},
        {"no month", noMonth, "Key not active this month."},
        {"no weekday", noWeekday, "Key not active today."},
        {"expired", expired, "Key has expired."},
        {"switched off and expired", offAndExpired, "Key not active."},
        {"without the view permission", noView, "Key view permission denied."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        m_boxes.boxes.clear();
        const zarv::data::DocumentKey documentKey = DocumentKey(1600, "Budget", each.rules);
        EXPECT_FALSE(DocumentKeyOpener(documentKey).open(&m_window));
        KeyRules folderRules = each.rules;
        folderRules.permissions = each.rules.permissions == 2304 ? 64 : 65;
        const zarv::data::FolderKey folderKey = FolderKey(1210, "Shared", folderRules);
        EXPECT_FALSE(FolderKeyOpener(folderKey).open(&m_window));
        ASSERT_EQ(m_boxes.boxes.size(), 2U);
        for (const BoxRecorder::Box& box : m_boxes.boxes) {
            EXPECT_EQ(box.over, &m_window);
            EXPECT_EQ(box.title, QStringLiteral("Access denied."));
            EXPECT_EQ(box.text, QString::fromLatin1(each.text));
        }
        EXPECT_TRUE(m_window.sent.empty());
    }
}

TEST_F(KeyOpenersTest, AKeyWithoutPasscodeSendsItsSelectAtOnce)
{
    const zarv::data::DocumentKey key = DocumentKey(1600, "Budget");
    ASSERT_TRUE(DocumentKeyOpener(key).open(&m_window));
    ASSERT_EQ(m_window.sent.size(), 1U);
    EXPECT_EQ(m_window.sent[0].major, common::SelectDocumentKey);
    EXPECT_EQ(m_window.sent[0].minor, common::OpenDocumentEditorView);
    zarv::data::SelectDocumentKeyRequest request;
    ASSERT_TRUE(request.ParseFromString(m_window.sent[0].payload));
    EXPECT_EQ(request.document_key_user_id(), UserId);
    EXPECT_EQ(request.document_key_document_id(), 1600);
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(KeyOpenersTest, APasscodeIsAskedOnceAndOnlyTheRightOneOpens)
{
    struct Case
    {
        const char* name;
        const char* typed;
        std::string stored;
        bool opens;
    };
    const std::vector<Case> cases = {
        {"right", "2468", StoredPasscode("2468"), true},
        {"wrong", "2469", StoredPasscode("2468"), false},
        {"cancelled", nullptr, StoredPasscode("2468"), false},
        {"stored in another form", "2468", "2468", false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        m_window.sent.clear();
        m_boxes.boxes.clear();
        KeyRules rules;
        rules.password = each.stored;
        rules.permissions = 65;
        const zarv::data::FolderKey key = FolderKey(1210, "Shared", rules);
        answerPasscode(each.typed);
        EXPECT_EQ(FolderKeyOpener(key).open(&m_window), each.opens);
        if (each.opens) {
            ASSERT_EQ(m_window.sent.size(), 1U);
            EXPECT_EQ(m_window.sent[0].major, common::SelectFolderKey);
            EXPECT_EQ(m_window.sent[0].minor, common::ListFolderKeys);
            zarv::data::SelectFolderKeyRequest request;
            ASSERT_TRUE(request.ParseFromString(m_window.sent[0].payload));
            EXPECT_EQ(request.folder_key_user_id(), UserId);
            EXPECT_EQ(request.folder_parent_id(), 1210);
            EXPECT_TRUE(m_boxes.boxes.empty());
        } else {
            EXPECT_TRUE(m_window.sent.empty());
            ASSERT_EQ(m_boxes.boxes.size(), 1U);
            EXPECT_EQ(m_boxes.boxes[0].title, QStringLiteral("Passcode Dialog"));
            EXPECT_EQ(m_boxes.boxes[0].text, QStringLiteral("Incorrect password!"));
        }
    }
}

TEST_F(KeyOpenersTest, ADocumentKeyNotOpenedBeforeLosesItsEmphasisAfterTheSelect)
{
    KeyRules rules;
    rules.properties = 5;
    const zarv::data::DocumentKey key = DocumentKey(1600, "Budget", rules);
    ASSERT_TRUE(DocumentKeyOpener(key).open(&m_window));
    ASSERT_EQ(m_window.sent.size(), 2U);
    EXPECT_EQ(m_window.sent[0].major, common::SelectDocumentKey);
    EXPECT_EQ(m_window.sent[1].major, common::UpdateDocumentKey);
    EXPECT_EQ(m_window.sent[1].minor, common::DisableEmphasizeName);
    zarv::data::UpdateDocumentKeyRequest update;
    ASSERT_TRUE(update.ParseFromString(m_window.sent[1].payload));
    zarv::data::DocumentKey expected = key;
    expected.set_document_key_properties(4);
    EXPECT_EQ(update.document_key().SerializeAsString(), expected.SerializeAsString());

    m_window.sent.clear();
    rules.properties = 4;
    ASSERT_TRUE(DocumentKeyOpener(DocumentKey(1600, "Budget", rules)).open(&m_window));
    EXPECT_EQ(m_window.sent.size(), 1U);

    // A refused key and a folder key never clear an emphasis.
    m_window.sent.clear();
    rules.properties = 1;
    rules.active = 0;
    EXPECT_FALSE(DocumentKeyOpener(DocumentKey(1600, "Budget", rules)).open(&m_window));
    rules.active = 1048575;
    rules.permissions = 65;
    ASSERT_TRUE(FolderKeyOpener(FolderKey(1210, "Shared", rules)).open(&m_window));
    ASSERT_EQ(m_window.sent.size(), 1U);
    EXPECT_EQ(m_window.sent[0].major, common::SelectFolderKey);
}

TEST_F(KeyOpenersTest, AFolderKeyCanAskForABrowserOfItsOwn)
{
    KeyRules rules;
    rules.permissions = 65;
    const zarv::data::FolderKey key = FolderKey(1210, "Shared", rules);
    ASSERT_TRUE(FolderKeyOpener(key).openInNewBrowser(&m_window));
    ASSERT_EQ(m_window.sent.size(), 1U);
    EXPECT_EQ(m_window.sent[0].major, common::OpenDocumentBrowserView);
    EXPECT_EQ(m_window.sent[0].minor, common::OpenFolderKey);
    zarv::data::OpenFolderKeyRequest request;
    ASSERT_TRUE(request.ParseFromString(m_window.sent[0].payload));
    ASSERT_EQ(request.folder_key_size(), 1);
    EXPECT_EQ(request.folder_key(0).SerializeAsString(), key.SerializeAsString());
}

TEST_F(KeyOpenersTest, WithNoUserLoggedOnTheRequestsCarryUserIdZero)
{
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    const zarv::data::DocumentKey key = DocumentKey(1600, "Budget");
    ASSERT_TRUE(DocumentKeyOpener(key).open(&m_window));
    zarv::data::SelectDocumentKeyRequest request;
    ASSERT_TRUE(request.ParseFromString(m_window.sent.at(0).payload));
    EXPECT_TRUE(request.has_document_key_user_id());
    EXPECT_EQ(request.document_key_user_id(), 0);
}

}  // namespace
