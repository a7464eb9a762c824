#pragma once

// What the key wizard tests share: prepared services, the fixture's people
// and records (product/testserver/fixtures/keywizards.textproto), the test
// server under Tess's open session, and the summaries as a user reads them.

#include "tests/support/testserverprocess.h"

#include "user3.pb.h"

#include <QTime>
#include <QString>
#include <QStringList>
#include <QWizard>

#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QTextEdit;
class QWizardPage;

namespace keywizardtest {

// Tess (logged on) owns Charter, whose keys Ula and Vic hold, Memo, whose one
// key has no holder record, and the folder Projects, whose key Wes holds.
// The home group Staff holds all five; Xia holds no key. Charter has one
// earlier revision, which began at EarlierRevision.
constexpr int TessId = 33001;
constexpr int UlaId = 33002;
constexpr int VicId = 33003;
constexpr int WesId = 33004;
constexpr int XiaId = 33005;
constexpr int CharterId = 33200;
constexpr int MemoId = 33201;
constexpr int ProjectsId = 33101;
constexpr const char* EarlierRevision = "2023-11-05 23:45:10.25";

// Once per program: the built-in icons and translation, the time-zone
// fixture with Berlin as default, and Tess logged on.
void PrepareServices();

// The test server over the fixture, with the transport pointed at it under
// Tess's open session.
class Server
{
public:
    explicit Server(const std::vector<std::string>& faults = {});
    ~Server();

    bool running() const { return m_process.port() != 0; }

private:
    testsupport::TestServerProcess m_process;
};

zarv::data::User Person(int id, const std::string& first, const std::string& last, const std::string& middle = "");

// On the active hours page: restricted or not, and the window typed into
// its time edits (the end first, so that the start does not drag it along).
void ChooseHours(QWizardPage& page, bool restricted, const QTime& from, const QTime& to);

// The summary's text as shown, and the texts shown in red, in order.
QString ShownText(const QTextEdit& summary);
QStringList RedTexts(const QTextEdit& summary);

// Whether every text appears in `shown`, in the order given.
bool InOrder(const QString& shown, const QStringList& texts);

// The summary text view of the wizard's current page.
QTextEdit* SummaryOf(const QWizard& wizard);

// Runs the event loop until pending work is done.
void Settle();

}  // namespace keywizardtest
