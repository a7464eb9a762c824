// The keyring windows on a bus of their own: what each action sends, how the
// replies change the rows, and the question on closing.

#include "library/common/codes.h"
#include "product/client/view/documentkeyringview.h"
#include "product/client/view/folderkeyringview.h"
#include "product/client/view/keyringpanes.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/documenteditortestsupport.h"
#include "tests/view/keyringtestsupport.h"

#include "deletedocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace keyringtest;
using editortest::BoxAnswerer;

struct Sent
{
    common::Opcode major;
    std::string payload;
};

// Answers every request of the window at once, as the bus does: with the
// codes and sqlc given, or with no reply at all.
class Bus
{
public:
    explicit Bus(AbstractViewWindow* window)
        : m_window(window)
    {
        QObject::connect(window, &AbstractViewWindow::deliverRequest, window,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             sent.push_back({major, payload});
                             zarv::data::DeleteDocumentKeyReply reply;
                             reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
                             reply.set_return_code(sqlc == 0 ? 1 : 0);
                             m_window->receiveReply(major, minor, payload, majorErcode, minorErcode,
                                                    noReply ? std::string() : reply.SerializeAsString());
                         });
    }

    std::vector<Sent> sent;
    int sqlc = 0;
    common::Ercode majorErcode = common::NoEr;
    common::Ercode minorErcode = common::NoEr;
    bool noReply = false;

    void refuseWith(int code) { sqlc = code; }
    void goSilent()
    {
        noReply = true;
        majorErcode = common::ServiceNoReplyEr;
        minorErcode = 1;
    }

private:
    AbstractViewWindow* m_window;
};

QTreeWidget* Pane(QMainWindow* window)
{
    return qobject_cast<QTreeWidget*>(window->centralWidget());
}

class KeyringWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareKeyringServices();
        m_window = new DocumentKeyringView(PlanId, QStringLiteral("Plan"), nullptr);
        m_bus = std::make_unique<Bus>(m_window);
        for (const zarv::data::User& holder :
             {Holder(AnnId, "Ann", "Baker"), Holder(ZoeId, "Zoe", "cole"), Holder(AlId, "Al", "Baker")}) {
            emit m_window->addDocumentKey(DocumentKey(PlanId, holder, AllActive, 0xFFF));
        }
        m_window->show();
    }

    void TearDown() override { delete m_window.data(); }

    QTreeWidgetItem* row(int i) { return Pane(m_window)->topLevelItem(i); }
    QString status() { return m_window->statusBar()->currentMessage(); }
    zarv::data::DocumentKey lastSaved()
    {
        zarv::data::UpdateDocumentKeyRequest request;
        EXPECT_FALSE(m_bus->sent.empty());
        EXPECT_TRUE(!m_bus->sent.empty() && request.ParseFromString(m_bus->sent.back().payload));
        return request.document_key();
    }

    QPointer<DocumentKeyringView> m_window;
    std::unique_ptr<Bus> m_bus;
    StandInWizards m_wizards;
};

TEST_F(KeyringWindowTest, SaveAllSendsEveryRowAndTheFolderKeyringOnlyModifiedRows)
{
    m_window->saveAllKeys();
    ASSERT_EQ(3u, m_bus->sent.size());
    for (const Sent& sent : m_bus->sent) {
        EXPECT_EQ(common::UpdateDocumentKey, sent.major);
    }

    FolderKeyringView folders(SharedId, QStringLiteral("Shared"), nullptr);
    Bus bus(&folders);
    for (int id : {AnnId, ZoeId, AlId}) {
        emit folders.addFolderKey(FolderKey(SharedId, Holder(id, "A", "B"), AllActive, 65));
    }
    Pane(&folders)->topLevelItem(1)->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
    folders.saveAllKeys();
    ASSERT_EQ(1u, bus.sent.size());
    zarv::data::UpdateFolderKeyRequest request;
    ASSERT_TRUE(request.ParseFromString(bus.sent[0].payload));
    EXPECT_EQ(ZoeId, request.folder_key().folder_key_user().user_id());
    EXPECT_EQ(64, request.folder_key().folder_key_security_descriptor().permissions());
    EXPECT_FALSE(folders.isModified());

    // A Set result equal to the loaded key changes the edited key and sends
    // nothing.
    Pane(&folders)->setCurrentItem(Pane(&folders)->topLevelItem(0));
    m_wizards.sessionDuration = SessionDurationChoice{false, 0, 0};
    folders.setSessionDuration();
    EXPECT_EQ(1u, bus.sent.size());
    EXPECT_FALSE(folders.isModified());
}

// One table of wizard results to the fields saved; a child row works on its
// key row.
TEST_F(KeyringWindowTest, SetActionsSaveTheChosenRuleAtOnce)
{
    struct Case
    {
        const char* what;
        std::function<void(StandInWizards&)> choose;
        std::function<void(KeyringView&)> run;
        // Checks the saved key; null when nothing may be sent.
        std::function<void(const zarv::data::DocumentKey&)> saved;
    };
    const auto rules = [](const zarv::data::DocumentKey& key) { return key.document_key_security_descriptor(); };
    const std::vector<Case> cases = {
        {"hours 08:00-17:00 Berlin",
         [](StandInWizards& w) {
             w.activeHours = ActiveHoursChoice{true, {8, 0}, {17, 0}, "Europe/Berlin"};
         },
         [](KeyringView& v) { v.setActiveHours(); },
         [&](const zarv::data::DocumentKey& k) {
             EXPECT_EQ("08:00:00", rules(k).active_from());
             EXPECT_EQ("17:00:00", rules(k).active_to());
             EXPECT_EQ("Europe/Berlin", rules(k).active_region());
         }},
        {"hours 09:00-09:00",
         [](StandInWizards& w) {
             w.activeHours = ActiveHoursChoice{true, {9, 0}, {9, 0}, "Europe/Berlin"};
         },
         [](KeyringView& v) { v.setActiveHours(); }, nullptr},
        {"unrestricted hours",
         [](StandInWizards& w) {
             w.activeHours = ActiveHoursChoice{false, {8, 0}, {17, 0}, "Europe/Berlin"};
         },
         [](KeyringView& v) { v.setActiveHours(); },
         [&](const zarv::data::DocumentKey& k) {
             EXPECT_EQ("00:00:00", rules(k).active_from());
             EXPECT_EQ("00:00:00", rules(k).active_to());
             EXPECT_EQ("", rules(k).active_region());
         }},
        {"90 minutes",
         [](StandInWizards& w) {
             w.sessionDuration = SessionDurationChoice{true, 90, 0};
         },
         [](KeyringView& v) { v.setSessionDuration(); },
         [&](const zarv::data::DocumentKey& k) { EXPECT_EQ(5400, rules(k).session_duration()); }},
        {"2 hours",
         [](StandInWizards& w) {
             w.sessionDuration = SessionDurationChoice{true, 2, 1};
         },
         [](KeyringView& v) { v.setSessionDuration(); },
         [&](const zarv::data::DocumentKey& k) { EXPECT_EQ(7200, rules(k).session_duration()); }},
        {"unrestricted duration",
         [](StandInWizards& w) {
             w.sessionDuration = SessionDurationChoice{false, 2, 1};
         },
         [](KeyringView& v) { v.setSessionDuration(); },
         [&](const zarv::data::DocumentKey& k) { EXPECT_EQ(0, rules(k).session_duration()); }},
        {"current revision",
         [](StandInWizards& w) {
             w.revision = RevisionChoice{true, {}};
         },
         [](KeyringView& v) { static_cast<DocumentKeyringView&>(v).setRevision(); },
         [](const zarv::data::DocumentKey& k) {
             EXPECT_EQ("9999-12-31 00:00:00", k.document_key_document_revision());
         }},
        {"previous revision never chosen",
         [](StandInWizards& w) {
             w.revision = RevisionChoice{false, {}};
         },
         [](KeyringView& v) { static_cast<DocumentKeyringView&>(v).setRevision(); }, nullptr},
        {"no passcode",
         [](StandInWizards& w) {
             w.passcode = PasscodeChoice{true, false, {}};
         },
         [](KeyringView& v) { v.setPasscode(); },
         [&](const zarv::data::DocumentKey& k) {
             EXPECT_TRUE(rules(k).has_password());
             EXPECT_EQ("", rules(k).password());
         }},
        {"invalid passcode",
         [](StandInWizards& w) {
             w.passcode = PasscodeChoice{false, false, "x"};
         },
         [](KeyringView& v) { v.setPasscode(); }, nullptr},
        {"cancelled", [](StandInWizards& w) { w.sessionDuration.reset(); },
         [](KeyringView& v) { v.setSessionDuration(); }, nullptr},
    };
    for (const Case& c : cases) {
        m_bus->sent.clear();
        // A Days row of Zoe's key is current.
        Pane(m_window)->setCurrentItem(row(1)->child(1)->child(3), 1);
        c.choose(m_wizards);
        c.run(*m_window);
        if (!c.saved) {
            EXPECT_TRUE(m_bus->sent.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(1u, m_bus->sent.size()) << c.what;
        const zarv::data::DocumentKey saved = lastSaved();
        EXPECT_EQ(ZoeId, saved.document_key_user().user_id()) << c.what;
        c.saved(saved);
        EXPECT_EQ(QStringLiteral("Zoe cole"), m_wizards.holderName) << c.what;
    }
    EXPECT_EQ(QStringLiteral("Plan"), m_wizards.objectName);

    m_bus->sent.clear();
    Pane(m_window)->setCurrentItem(nullptr);
    m_window->saveKey();
    EXPECT_TRUE(m_bus->sent.empty());
}

TEST_F(KeyringWindowTest, HoursThatEndBeforeTheyStartSayWhy)
{
    Pane(m_window)->setCurrentItem(row(0));
    m_wizards.activeHours = ActiveHoursChoice{true, {17, 0}, {8, 0}, "Europe/Berlin"};
    m_window->setActiveHours();
    EXPECT_TRUE(m_bus->sent.empty());
    EXPECT_EQ(QStringLiteral("The end of the active hours must be after their start."), status());
}

// The picked day is stored and shown as it was picked, east and west of UTC.
TEST_F(KeyringWindowTest, ExpirationDateIsTheDayPickedInEveryTimeZone)
{
    for (const char* region : {"Europe/Berlin", "America/New_York"}) {
        testsupport::ScopedTimeZone zone(region);
        m_bus->sent.clear();
        Pane(m_window)->setCurrentItem(row(0));
        m_wizards.expirationDate = ExpirationDateChoice{QDate(2027, 3, 15)};
        m_window->setExpirationDate();
        ASSERT_EQ(1u, m_bus->sent.size()) << region;
        EXPECT_EQ("2027-03-15 00:00:00", lastSaved().document_key_security_descriptor().expiration_date()) << region;
        EXPECT_TRUE(row(0)->text(6).startsWith(QStringLiteral("2027-03-15"))) << region;
    }
}

// A refused or unanswered save, grant or delete leaves the rows as they were
// and says so once.
TEST_F(KeyringWindowTest, RefusedChangesLeaveTheRowsAndSaySo)
{
    row(0)->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
    m_bus->refuseWith(common::UniqueViolation);
    m_window->saveAllKeys();
    EXPECT_TRUE(m_window->isModified());
    EXPECT_TRUE(IsModifiedDocumentKey(row(0)));
    EXPECT_EQ(QStringLiteral("The key of Al Baker was not saved."), status());

    m_wizards.documentKeys =
        QList<zarv::data::DocumentKey>{DocumentKey(PlanId, Holder(AnnId, "Ann", "Baker"), AllActive, 1)};
    m_window->newKey();
    EXPECT_EQ(3, Pane(m_window)->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("The key of Ann Baker was not granted."), status());

    m_bus->goSilent();
    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Ok};
    Pane(m_window)->setCurrentItem(row(2));
    m_window->deleteKey();
    EXPECT_EQ(3, Pane(m_window)->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("The key of Al Baker was not deleted."), status());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(QStringLiteral("Delete Document Key Confirmation"), boxes.boxes[0].text);
    EXPECT_EQ(QStringLiteral("Delete document key for Al Baker?"), boxes.boxes[0].informativeText);
}

TEST_F(KeyringWindowTest, NewGrantsOneKeyPerHolderAndDeleteRemovesTheRowOnSuccess)
{
    m_wizards.documentKeys =
        QList<zarv::data::DocumentKey>{DocumentKey(PlanId, Holder(40, "Bo", "Dean"), AllActive, 1),
                                       DocumentKey(PlanId, Holder(41, "Cy", "Earl"), AllActive, 1)};
    m_window->newKey();
    ASSERT_EQ(2u, m_bus->sent.size());
    EXPECT_EQ(common::InsertDocumentKey, m_bus->sent[1].major);
    ASSERT_EQ(5, Pane(m_window)->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Earl, Cy"), row(4)->text(0));

    BoxAnswerer boxes;
    boxes.answers = {QMessageBox::Cancel, QMessageBox::Ok};
    Pane(m_window)->setCurrentItem(row(0)->child(2));
    m_window->deleteKey();
    EXPECT_EQ(2u, m_bus->sent.size());
    m_window->deleteKey();
    ASSERT_EQ(3u, m_bus->sent.size());
    EXPECT_EQ(4, Pane(m_window)->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("cole, Zoe"), row(0)->text(0));
}

// Replies for another document, or with another minor code, are not this
// window's.
TEST_F(KeyringWindowTest, RepliesForOtherDocumentsOrMinorCodesAreIgnored)
{
    zarv::data::InsertDocumentKeyRequest insert;
    *insert.mutable_document_key() = DocumentKey(PlanId + 1, Holder(40, "Bo", "Dean"), AllActive, 1);
    zarv::data::UpdateDocumentKeyRequest update;
    *update.mutable_document_key() = DocumentKey(PlanId + 1, Holder(AnnId, "Ann", "Baker"), AllActive, 1);
    zarv::data::UpdateDocumentKeyRequest tagged;
    *tagged.mutable_document_key() = DocumentKey(PlanId, Holder(AnnId, "Ann", "Baker"), AllActive, 1);
    const std::string ok = zarv::data::DeleteDocumentKeyReply().SerializeAsString();
    m_window->receiveReply(common::InsertDocumentKey, common::Untagged, insert.SerializeAsString(), 0, 0, ok);
    m_window->receiveReply(common::UpdateDocumentKey, common::Untagged, update.SerializeAsString(), 0, 0, ok);
    m_window->receiveReply(common::UpdateDocumentKey, common::OpenDocumentEditorView, tagged.SerializeAsString(), 0, 0,
                           ok);
    EXPECT_EQ(3, Pane(m_window)->topLevelItemCount());
    EXPECT_EQ(0xFFF, GetDocumentKeyBase(row(1)).document_key_security_descriptor().permissions());
}

TEST_F(KeyringWindowTest, ClosingAsksOnlyWithChangesAndKeepsThemUnlessSavedOrDiscarded)
{
    struct Case
    {
        const char* what;
        bool edit;
        QMessageBox::StandardButton answer;
        int refusal;
        bool closes;
        std::size_t sent;
    };
    const std::vector<Case> cases = {
        {"no changes", false, QMessageBox::NoButton, 0, true, 0},
        {"cancel", true, QMessageBox::Cancel, 0, false, 0},
        {"discard", true, QMessageBox::Discard, 0, true, 0},
        {"save accepted", true, QMessageBox::Save, 0, true, 3},
        {"save refused", true, QMessageBox::Save, common::UniqueViolation, false, 3},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        QPointer<DocumentKeyringView> window = m_window;
        if (c.edit) {
            row(1)->setCheckState(1, Qt::Unchecked);
        }
        m_bus->refuseWith(c.refusal);
        BoxAnswerer boxes;
        boxes.answers = {c.answer};
        window->close();
        EXPECT_EQ(c.edit ? 1u : 0u, boxes.boxes.size()) << c.what;
        EXPECT_EQ(c.closes, window.isNull() || !window->isVisible()) << c.what;
        EXPECT_EQ(c.sent, m_bus->sent.size()) << c.what;
        if (!c.closes && window) {
            EXPECT_TRUE(window->isModified()) << c.what;
        }
    }
}

TEST_F(KeyringWindowTest, MenusToolBarAndTexts)
{
    QStringList texts;
    for (QAction* action : m_window->findChildren<QAction*>()) {
        texts << action->text() + QLatin1Char('|') + action->statusTip();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Save All|Save all changes.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Revert|Discard changes to the current key.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Delete|Delete the current selection.")));
    EXPECT_TRUE(texts.contains(
        QStringLiteral("Set Active Hours...|Set the hours of the day during which the key will be active.")));
    EXPECT_EQ(QStringLiteral("Plan Document Keyring"), m_window->windowTitle());
}

}  // namespace
