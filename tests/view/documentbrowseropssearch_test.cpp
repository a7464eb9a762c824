// The document browser's Search end to end over the searches' fixture
// (product/testserver/fixtures/browsersearch.textproto, session 35000 of
// Ivy): the search dialogs are answered as a user answers them, and what the
// user chose opens in document editors, through its key when the search ran
// through a folder key.

#include "library/core/lib/registry.h"
#include "library/gui/documentsearchdialogs.h"
#include "library/gui/passcodedialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documentbrowseropssession.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <deque>
#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;
using testsupport::WhenModal;

constexpr int Ivy = 35001;
constexpr int IvysHome = 35100;

// Answers every passcode prompt that shows while it lives with the next of
// its passcodes, and closes the prompt when none is left; counts them.
class PasscodeAnswers : public QObject
{
public:
    explicit PasscodeAnswers(std::deque<QString> passcodes)
        : m_passcodes(std::move(passcodes))
    {
        qApp->installEventFilter(this);
    }
    ~PasscodeAnswers() override { qApp->removeEventFilter(this); }

    int prompts = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<PasscodeDialog*>(watched);
        if (!dialog || event->type() != QEvent::Show) {
            return false;
        }
        ++prompts;
        if (m_passcodes.empty()) {
            QTimer::singleShot(0, dialog, &QDialog::reject);
            return false;
        }
        const QString passcode = m_passcodes.front();
        m_passcodes.pop_front();
        QTimer::singleShot(0, dialog, [dialog, passcode]() {
            dialog->setPasscode(passcode);
            dialog->accept();
        });
        return false;
    }

private:
    std::deque<QString> m_passcodes;
};

// In the search dialog on top: searches (below the folder too, when asked),
// selects the results of these names in this order and opens them.
template <typename Dialog>
void SearchAndOpen(const QStringList& names, bool subfolders = false)
{
    WhenModal<Dialog>([names, subfolders](Dialog* dialog) {
        dialog->template findChild<QCheckBox*>()->setChecked(subfolders);
        QDialogButtonBox* buttons = dialog->template findChild<QDialogButtonBox*>();
        buttons->button(QDialogButtonBox::Apply)->click();
        QTableWidget* results = dialog->template findChild<QTableWidget*>();
        for (const QString& name : names) {
            const QList<QTableWidgetItem*> found = results->findItems(name, Qt::MatchExactly);
            EXPECT_EQ(found.size(), 1) << name.toStdString();
            if (!found.isEmpty()) {
                results->selectRow(found.front()->row());
            }
        }
        buttons->button(QDialogButtonBox::Ok)->click();
    });
}

class DocumentBrowserSearchTest : public BrowserOpsSessionTest
{
protected:
    DocumentBrowserSearchTest()
        : BrowserOpsSessionTest("browsersearch.textproto", 35000)
    {}

    void SetUp() override
    {
        BrowserOpsSessionTest::SetUp();
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(User(Ivy, "Irving", "Ivy", IvysHome));
    }

    // Jon's Vault opened through his key, its shortcut selected.
    DocumentBrowserView& openVault()
    {
        DocumentBrowserView& browser = openBrowser();
        click(browser, QStringLiteral("Home Groups"));
        doubleClick(browser, QStringLiteral("Crew"));
        doubleClick(browser, QStringLiteral("Jones, Jon"));
        PasscodeAnswers vault({QStringLiteral("1357")});
        doubleClick(browser, QStringLiteral("Vault"));
        EXPECT_EQ(vault.prompts, 1);
        EXPECT_EQ(SidePane(browser).currentItem()->text(), QStringLiteral("Vault"));
        EXPECT_EQ(Texts(MainPane(browser)), (QStringList{"Ledger", "Payroll", "Roster"}));
        return browser;
    }
};

TEST_F(DocumentBrowserSearchTest, TwoChosenDocumentsOpenInTwoEditors)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, QStringLiteral("Home Folder"));
    ASSERT_TRUE(browser.action(browser::Search)->isEnabled());
    m_requests.clear();
    // Beta notes lies in Reports, below the home folder.
    SearchAndOpen<FolderDocumentSearchDialog>({QStringLiteral("Alpha notes"), QStringLiteral("Beta notes")}, true);
    browser.action(browser::Search)->trigger();
    EXPECT_EQ(m_requests, (std::vector<std::string>{"37 -35 document=35300", "37 -35 document=35301"}));
    EXPECT_EQ(editedDocuments(), (std::vector<int>{35300, 35301}));
    // The browser shows what it showed.
    EXPECT_EQ(Texts(MainPane(browser)), (QStringList{"Reports", "Alpha notes", "Gamma list"}));
}

TEST_F(DocumentBrowserSearchTest, AFolderSearchThatIsClosedOpensNothing)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, QStringLiteral("Home Folder"));
    m_requests.clear();
    WhenModal<FolderDocumentSearchDialog>([](FolderDocumentSearchDialog* dialog) {
        QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>();
        buttons->button(QDialogButtonBox::Apply)->click();
        dialog->findChild<QTableWidget*>()->selectRow(0);
        buttons->button(QDialogButtonBox::Close)->click();
    });
    browser.action(browser::Search)->trigger();
    EXPECT_TRUE(m_requests.empty());
    EXPECT_TRUE(editedDocuments().empty());
}

// Through a folder key each chosen document opens through its own key: a key
// with a passcode asks for its own, once, and a wrong one opens nothing of it.
TEST_F(DocumentBrowserSearchTest, EachChosenDocumentKeyAsksForItsOwnPasscodeOnce)
{
    struct Case
    {
        const char* name;
        QStringList chosen;
        std::deque<QString> typed;
        int prompts;
        std::vector<std::string> requests;
        std::vector<int> opened;
        int refusals;
    };
    const std::vector<Case> cases = {
        {"two keys, two passcodes",
         {"Ledger", "Payroll"},
         {"1111", "2222"},
         2,
         {"36 -35 user=35001 document=35310", "36 -35 user=35001 document=35311"},
         {35310, 35311},
         0},
        {"one key without passcode",
         {"Roster", "Ledger"},
         {"1111"},
         1,
         {"36 -35 user=35001 document=35312", "36 -35 user=35001 document=35310"},
         {35310, 35312},
         0},
        {"the first key's passcode for the second key",
         {"Ledger", "Payroll"},
         {"1111", "1111"},
         2,
         {"36 -35 user=35001 document=35310"},
         {35310},
         1},
    };
    DocumentBrowserView& browser = openVault();
    ASSERT_TRUE(browser.action(browser::Search)->isEnabled());
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        closeEditors();
        m_requests.clear();
        BoxRecorder boxes;
        PasscodeAnswers answers(each.typed);
        SearchAndOpen<FolderKeyDocumentSearchDialog>(each.chosen);
        browser.action(browser::Search)->trigger();
        EXPECT_EQ(answers.prompts, each.prompts);
        EXPECT_EQ(m_requests, each.requests);
        EXPECT_EQ(editedDocuments(), each.opened);
        EXPECT_EQ(static_cast<int>(boxes.boxes.size()), each.refusals);
        for (const BoxRecorder::Box& box : boxes.boxes) {
            EXPECT_EQ(box.text, QStringLiteral("Incorrect password!"));
            EXPECT_EQ(box.over, &browser);
        }
    }
}

TEST_F(DocumentBrowserSearchTest, WithAnythingButAFolderOrAFolderKeySelectedSearchShowsNothing)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, QStringLiteral("Home Groups"));
    doubleClick(browser, QStringLiteral("Crew"));
    ASSERT_EQ(SidePane(browser).currentItem()->text(), QStringLiteral("Crew"));
    m_requests.clear();
    testsupport::DialogGuard guard;
    browser.folderDocumentSearch();
    SidePane(browser).clearSelection();
    browser.folderDocumentSearch();
    EXPECT_TRUE(m_requests.empty());
}

}  // namespace
