#include "product/client/view/selectrevisionwizardpage.h"

#include "product/client/view/revisionhistorylistwidget.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/codes.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"
#include "library/gui/servercall.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>
#include <stdexcept>

namespace {

const char* const RevisionIcon = "revision";

// What the history request came to: rows listed, nothing listed, or the
// failure to tell the user.
struct RevisionHistory
{
    bool listed = false;
    QString failure;
};

// One row for a revision whose start is a valid stamp that the machine's
// clock can show; null otherwise.
QListWidgetItem* RevisionItem(const std::string& sysStart)
{
    const DbTimestamp start(sysStart);
    if (!start.isValid()) {
        return nullptr;
    }
    std::string text;
    std::string toolTip;
    try {
        text = start.toLocalRfcString(nullptr);
        toolTip = start.toLocalDisplayString(nullptr);
    } catch (const std::out_of_range&) {
        // Before 1970 the C library cannot convert to local time.
        return nullptr;
    }
    auto* item = new QListWidgetItem(QIcon(wizardpage::IconPath(RevisionIcon)), QString::fromStdString(text));
    item->setToolTip(QString::fromStdString(toolTip));
    item->setData(Qt::UserRole, QString::fromStdString(sysStart));
    return item;
}

// Fills the list with the revisions of the document, in the order of the
// reply, through one synchronous exchange with the server.
RevisionHistory InitializeRevisionHistoryListWidget(QListWidget* list, int documentId)
{
    list->clear();
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(documentId);
    request.mutable_sys_period()->set_from(DbTimestamp::m_MinTimestamp);
    request.mutable_sys_period()->set_to(DbTimestamp::m_MaxTimestamp);
    ServerCall call(common::SelectDocument, common::RevisionHistory);
    const std::optional<zarv::data::SelectDocumentReply> reply = call.call<zarv::data::SelectDocumentReply>(request);
    if (call.noReply()) {
        return {false, Linguist::tr("NoReplyFromServer")};
    }
    if (!reply && call.majorErcode() != common::ProtoParseFromStringEr
        && call.majorErcode() != common::ProtoSerializeToStringEr) {
        const int code = call.majorErcode() != common::NoEr ? call.majorErcode() : call.minorErcode();
        return {false, Linguist::tr("ServerRefusedRequest").arg(code)};
    }
    if (!reply) {
        return {};
    }
    for (const zarv::data::Document& document : reply->document()) {
        if (QListWidgetItem* item = RevisionItem(document.sys_period().from())) {
            list->insertItem(list->count(), item);
        }
    }
    if (list->count() == 0) {
        return {};
    }
    list->scrollToTop();
    list->setCurrentRow(0);
    list->item(0)->setSelected(true);
    return {true, QString()};
}

}  // namespace

SelectRevisionWizardPage::SelectRevisionWizardPage(QWidget* parent, int documentId)
    : QWizardPage(parent)
    , m_documentId(documentId)
    , m_currentRevisionRadioButton(new QRadioButton)
    , m_previousRevisionRadioButton(new QRadioButton)
    , m_revisionHistoryListWidget(new RevisionHistoryListWidget(nullptr))
{
    initializeWindow();
    initializeWidgets();
}

QListWidgetItem* SelectRevisionWizardPage::revisionHistoryListWidgetItem() const
{
    const QList<QListWidgetItem*> selected = m_revisionHistoryListWidget->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void SelectRevisionWizardPage::cleanupPage() {}

void SelectRevisionWizardPage::initializeWindow()
{
    wizardpage::InitializeHeader(this, tr("SelectRevisionWizardPageTitle"), tr("SelectRevisionWizardPageSubTitle"),
                                 RevisionIcon);
}

void SelectRevisionWizardPage::initializeWidgets()
{
    m_revisionHistoryListWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_revisionHistoryListWidget->hide();
    registerField(QStringLiteral("revisionDateTime"), m_revisionHistoryListWidget, "revisionDateTime");
    registerField(QStringLiteral("revisionSysStart"), m_revisionHistoryListWidget, "revisionSysStart");
    m_currentRevisionRadioButton->setText(tr("CurrentRevision"));
    m_currentRevisionRadioButton->setChecked(true);
    registerField(QStringLiteral("currentRevision"), m_currentRevisionRadioButton);
    m_previousRevisionRadioButton->setText(tr("PreviousRevision"));
    registerField(QStringLiteral("previousRevision"), m_previousRevisionRadioButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_currentRevisionRadioButton);
    layout->addWidget(m_previousRevisionRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLabel());
    layout->addWidget(m_revisionHistoryListWidget);

    connect(m_currentRevisionRadioButton, &QRadioButton::toggled, this,
            &SelectRevisionWizardPage::toggleCurrentRevision);
}

void SelectRevisionWizardPage::toggleCurrentRevision(bool state)
{
    if (state) {
        m_revisionHistoryListWidget->hide();
        m_revisionHistoryListWidget->clear();
        return;
    }
    const RevisionHistory history = InitializeRevisionHistoryListWidget(m_revisionHistoryListWidget, m_documentId);
    if (history.listed) {
        m_revisionHistoryListWidget->show();
        m_revisionHistoryListWidget->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!history.failure.isEmpty()) {
        QMessageBox::warning(this, Linguist::tr("Warning"), history.failure, QMessageBox::Ok);
    }
    returnToCurrentRevision();
}

void SelectRevisionWizardPage::returnToCurrentRevision()
{
    m_revisionHistoryListWidget->hide();
    m_currentRevisionRadioButton->setChecked(true);
    m_currentRevisionRadioButton->setFocus(Qt::OtherFocusReason);
}
