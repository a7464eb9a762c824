#include "product/client/view/restoredocumentselectdocumentwizardpage.h"

#include "product/client/view/restoredocumentwizard.h"
#include "library/gui/serverfailuretext.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/database/lib/dbid.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/documentrevisiondialog.h"
#include "library/gui/servercall.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <boost/date_time/posix_time/posix_time.hpp>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

const char* const RestoreIcon = "restore-document";
const char* const DeletedDocumentIcon = "deleted-document";
const char* const DeletionDateIcon = "deletion-date";
const char* const RevisionIcon = "revision";
const QString EditorFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

enum Column
{
    NameColumn,
    DateDeletedColumn
};

// The end of a record's period, the empty text when it has none.
const std::string& PeriodEnd(const zarv::data::Document& document)
{
    return document.sys_period().to();
}

// A stamp of the wire in the machine's local time, database form; empty when
// it is not a valid stamp that the machine can show.
QString LocalText(const std::string& stamp)
{
    const DbTimestamp timestamp(stamp);
    if (!timestamp.isValid()) {
        return QString();
    }
    try {
        return QString::fromStdString(timestamp.toLocalDbString(nullptr));
    } catch (const std::out_of_range&) {
        return QString();
    }
}

// The moment the page is built, in local time to the second.
QDateTime BuildMoment()
{
    const boost::posix_time::ptime now = common::Clock::universalTime();
    const boost::gregorian::date day = now.date();
    const boost::posix_time::time_duration time = now.time_of_day();
    const QDateTime universal(QDate(day.year(), day.month(), day.day()),
                              QTime(time.hours(), time.minutes(), time.seconds()), Qt::UTC);
    return universal.toLocalTime();
}

// An editor's local time as the wire's UTC database text.
std::string UniversalText(const QDateTimeEdit* editor)
{
    return DbTimestamp(editor->dateTime().toUTC().toString(EditorFormat).toStdString()).toDbString();
}

template <typename Item>
std::optional<zarv::data::Document> DocumentOf(const Item* item)
{
    if (!item) {
        return std::nullopt;
    }
    const QVariant data = item->data(RestoreDocumentSelectDocumentWizardPage::DocumentRole);
    if (!data.canConvert<zarv::data::Document>()) {
        return std::nullopt;
    }
    return data.value<zarv::data::Document>();
}

QTableWidgetItem* NewCell(const QString& text, const char* icon)
{
    auto* item = new QTableWidgetItem(QIcon(wizardpage::IconPath(icon)), text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

void HandleSelectDeletedDocumentReply(const zarv::data::SelectDocumentReply& reply, QTableWidget* table)
{
    std::vector<const zarv::data::Document*> records;
    records.reserve(reply.document_size());
    for (const zarv::data::Document& document : reply.document()) {
        records.push_back(&document);
    }
    std::sort(records.begin(), records.end(), [](const zarv::data::Document* left, const zarv::data::Document* right) {
        return PeriodEnd(*left) > PeriodEnd(*right);
    });
    std::vector<const zarv::data::Document*> kept;
    std::unordered_set<int> seen;
    for (const zarv::data::Document* record : records) {
        if (seen.insert(record->document_id()).second) {
            kept.push_back(record);
        }
    }
    table->setRowCount(static_cast<int>(kept.size()));
    for (int row = 0; row < static_cast<int>(kept.size()); ++row) {
        const zarv::data::Document& record = *kept[row];
        QTableWidgetItem* name = NewCell(QString::fromStdString(record.document_name()), DeletedDocumentIcon);
        name->setData(RestoreDocumentSelectDocumentWizardPage::DocumentRole, QVariant::fromValue(record));
        table->setItem(row, NameColumn, name);
        table->setItem(row, DateDeletedColumn, NewCell(LocalText(PeriodEnd(record)), DeletionDateIcon));
    }
}

RestoreDocumentSelectDocumentWizardPage::RestoreDocumentSelectDocumentWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_fromDateTimeEdit(new QDateTimeEdit)
    , m_toDateTimeEdit(new QDateTimeEdit)
    , m_documentsTableWidget(new QTableWidget)
    , m_revisionsListWidget(new QListWidget)
    , m_originalFolderRadioButton(new QRadioButton(tr("OriginalFolder")))
    , m_selectedFolderRadioButton(new QRadioButton(tr("SelectedFolder")))
{
    wizardpage::InitializeHeader(this, tr("RestoreDocumentSelectDocumentWizardPageTitle"),
                                 tr("RestoreDocumentSelectDocumentWizardPageSubTitle"), RestoreIcon);
    initializeWidgets();
    initializeLayout();
}

void RestoreDocumentSelectDocumentWizardPage::initializeWidgets()
{
    const QDateTime now = BuildMoment();
    for (QDateTimeEdit* editor : {m_fromDateTimeEdit, m_toDateTimeEdit}) {
        editor->setDisplayFormat(EditorFormat);
        editor->setCalendarPopup(true);
        editor->setMaximumDateTime(now);
    }
    m_fromDateTimeEdit->setDateTime(now.addDays(-1));
    m_toDateTimeEdit->setDateTime(now);
    connect(m_fromDateTimeEdit, &QDateTimeEdit::dateTimeChanged, this,
            &RestoreDocumentSelectDocumentWizardPage::fromDateTimeChanged);
    connect(m_toDateTimeEdit, &QDateTimeEdit::dateTimeChanged, this,
            &RestoreDocumentSelectDocumentWizardPage::toDateTimeChanged);

    m_documentsTableWidget->setColumnCount(2);
    m_documentsTableWidget->setHorizontalHeaderLabels({tr("TableWidgetHeader1"), tr("TableWidgetHeader2")});
    m_documentsTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_documentsTableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_documentsTableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_documentsTableWidget->setSortingEnabled(false);
    m_documentsTableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_documentsTableWidget->verticalHeader()->hide();
    connect(m_documentsTableWidget, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow) {
                    documentsTableWidgetCurrentRowChanged(row);
                }
            });
    connect(m_documentsTableWidget, &QTableWidget::itemSelectionChanged, this, &QWizardPage::completeChanged);

    m_revisionsListWidget->setSortingEnabled(false);
    m_revisionsListWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_revisionsListWidget, &QListWidget::itemDoubleClicked, this,
            &RestoreDocumentSelectDocumentWizardPage::revisionsListWidgetItemDoubleClicked);
    connect(m_revisionsListWidget, &QListWidget::itemSelectionChanged, this, &QWizardPage::completeChanged);

    registerField(QStringLiteral("fromDateTimeEdit"), m_fromDateTimeEdit);
    registerField(QStringLiteral("toDateTimeEdit"), m_toDateTimeEdit);
    registerField(QStringLiteral("revisionsListWidget"), m_revisionsListWidget, "currentRow");
    registerField(QStringLiteral("originalFolderRadioButton"), m_originalFolderRadioButton);
    registerField(QStringLiteral("selectedFolderRadioButton"), m_selectedFolderRadioButton);
}

void RestoreDocumentSelectDocumentWizardPage::initializeLayout()
{
    auto* search = new QGroupBox(tr("SearchGroupBox"));
    auto* searchLayout = new QHBoxLayout(search);
    searchLayout->addWidget(new QLabel(tr("SearchGroupLabel")));
    searchLayout->addWidget(m_fromDateTimeEdit);
    searchLayout->addWidget(new QLabel(tr("SearchGroupConjunctionLabel")));
    searchLayout->addWidget(m_toDateTimeEdit);
    searchLayout->addStretch();

    auto* documents = new QGroupBox(tr("DocumentGroupBox"));
    auto* documentsLayout = new QHBoxLayout(documents);
    documentsLayout->addWidget(m_documentsTableWidget, 7);
    documentsLayout->addWidget(m_revisionsListWidget, 3);

    auto* folder = new QGroupBox(tr("DocumentFolderGroupBox"));
    auto* folderLayout = new QVBoxLayout(folder);
    folderLayout->addWidget(m_originalFolderRadioButton);
    folderLayout->addWidget(m_selectedFolderRadioButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(documents);
    layout->addWidget(folder);
}

void RestoreDocumentSelectDocumentWizardPage::initializePage()
{
    {
        const QSignalBlocker blockTable(m_documentsTableWidget);
        m_documentsTableWidget->clearContents();
        m_documentsTableWidget->setRowCount(0);
    }
    m_revisionsListWidget->clear();
    m_originalFolderRadioButton->setEnabled(true);
    m_originalFolderRadioButton->setChecked(true);
    m_selectedFolderRadioButton->setEnabled(true);
    m_folderCheckedDocumentId.reset();

    zarv::data::SelectDocumentRequest request;
    request.set_select_deleted_documents(true);
    request.mutable_sys_period()->set_from(UniversalText(m_fromDateTimeEdit));
    request.mutable_sys_period()->set_to(UniversalText(m_toDateTimeEdit));
    ServerCall call(common::SelectDocument);
    const std::optional<zarv::data::SelectDocumentReply> reply = call.call<zarv::data::SelectDocumentReply>(request);
    if (reply) {
        m_queryFailureShown = false;
        const QSignalBlocker blockTable(m_documentsTableWidget);
        HandleSelectDeletedDocumentReply(*reply, m_documentsTableWidget);
        m_documentsTableWidget->sortItems(NameColumn, Qt::AscendingOrder);
        m_documentsTableWidget->setCurrentCell(-1, -1);
    } else if (!m_queryFailureShown) {
        m_queryFailureShown = true;
        QMessageBox::warning(this, title(), ServerFailureText(call), QMessageBox::Ok);
    }
    emit completeChanged();
}

void RestoreDocumentSelectDocumentWizardPage::fromDateTimeChanged(const QDateTime& dateTime)
{
    if (dateTime >= m_toDateTimeEdit->dateTime()) {
        const QSignalBlocker blockFrom(m_fromDateTimeEdit);
        const QSignalBlocker blockTo(m_toDateTimeEdit);
        const QDateTime maximum = m_toDateTimeEdit->maximumDateTime();
        if (dateTime.addDays(1) < maximum) {
            m_toDateTimeEdit->setDateTime(dateTime.addDays(1));
        } else {
            m_fromDateTimeEdit->setDateTime(maximum.addDays(-1));
            m_toDateTimeEdit->setDateTime(maximum);
        }
    }
    initializePage();
}

void RestoreDocumentSelectDocumentWizardPage::toDateTimeChanged(const QDateTime& dateTime)
{
    if (m_fromDateTimeEdit->dateTime() >= dateTime) {
        const QSignalBlocker blockFrom(m_fromDateTimeEdit);
        m_fromDateTimeEdit->setDateTime(dateTime.addDays(-1));
    }
    initializePage();
}

void RestoreDocumentSelectDocumentWizardPage::documentsTableWidgetCurrentRowChanged(int row)
{
    m_originalFolderRadioButton->setEnabled(true);
    m_originalFolderRadioButton->setChecked(true);
    m_selectedFolderRadioButton->setEnabled(true);
    m_revisionsListWidget->clear();
    m_folderCheckedDocumentId.reset();
    const std::optional<zarv::data::Document> document = DocumentOf(m_documentsTableWidget->item(row, NameColumn));
    if (!document) {
        emit completeChanged();
        return;
    }
    m_documentsTableWidget->selectRow(row);

    zarv::data::SelectDocumentRequest request;
    request.set_document_id(document->document_id());
    request.set_select_deleted_documents(true);
    request.mutable_sys_period()->set_from(DbTimestamp(DbTimestamp::m_MinTimestamp).toDbString());
    request.mutable_sys_period()->set_to(DbTimestamp(DbTimestamp::m_MaxTimestamp).toDbString());
    if (const auto reply = ServerCall(common::SelectDocument).call<zarv::data::SelectDocumentReply>(request)) {
        for (const zarv::data::Document& revision : reply->document()) {
            auto* item = new QListWidgetItem(QIcon(wizardpage::IconPath(RevisionIcon)), LocalText(PeriodEnd(revision)),
                                             m_revisionsListWidget);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setData(DocumentRole, QVariant::fromValue(revision));
        }
        if (m_revisionsListWidget->count() > 0) {
            m_revisionsListWidget->sortItems(Qt::DescendingOrder);
            m_revisionsListWidget->setCurrentRow(0);
        }
    }
    emit completeChanged();
}

void RestoreDocumentSelectDocumentWizardPage::revisionsListWidgetItemDoubleClicked(QListWidgetItem* item)
{
    if (const std::optional<zarv::data::Document> revision = DocumentOf(item)) {
        DocumentRevisionDialog dialog(QString::fromStdString(revision->document_name()),
                                      QString::fromStdString(PeriodEnd(*revision)),
                                      QString::fromStdString(revision->document_body()), this);
        dialog.exec();
    }
}

std::optional<zarv::data::Document> RestoreDocumentSelectDocumentWizardPage::selectedDocument() const
{
    const QList<QTableWidgetItem*> selected = m_documentsTableWidget->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return DocumentOf(m_documentsTableWidget->item(selected.front()->row(), NameColumn));
}

std::optional<zarv::data::Document> RestoreDocumentSelectDocumentWizardPage::selectedRevision() const
{
    const QList<QListWidgetItem*> selected = m_revisionsListWidget->selectedItems();
    return selected.isEmpty() ? std::nullopt : DocumentOf(selected.front());
}

bool RestoreDocumentSelectDocumentWizardPage::isComplete() const
{
    const std::optional<zarv::data::Document> document = selectedDocument();
    if (!document || !selectedRevision()) {
        return false;
    }
    if (m_selectedFolderRadioButton->isChecked()
        || document->document_folder_id() == RestoreDocumentWizard::HomeFolderId()) {
        return true;
    }
    if (m_folderCheckedDocumentId != document->document_id()) {
        m_folderCheckedDocumentId = document->document_id();
        m_originalFolderExists =
            !RestoreDocumentWizard::GetFolder(document->document_folder_id()).folder_name().empty();
    }
    if (!m_originalFolderExists) {
        m_originalFolderRadioButton->setEnabled(false);
        m_selectedFolderRadioButton->setChecked(true);
    }
    return true;
}

int RestoreDocumentSelectDocumentWizardPage::nextId() const
{
    return m_originalFolderRadioButton->isChecked() ? RestoreDocumentWizard::ConfirmationPage
                                                    : RestoreDocumentWizard::SelectFolderPage;
}

void RestoreDocumentSelectDocumentWizardPage::warn(const char* textId)
{
    QMessageBox::warning(this, tr("RestoreDocumentSelectFolderWizardPageTitle"), tr(textId), QMessageBox::Ok);
}

bool RestoreDocumentSelectDocumentWizardPage::validatePage()
{
    wizard()->setProperty("document", QVariant::fromValue(zarv::data::Document()));
    wizard()->setProperty("documentFolderId", 0);
    wizard()->setProperty("documentFolderName", QString());
    const std::optional<zarv::data::Document> document = selectedDocument();
    const std::optional<zarv::data::Document> revision = selectedRevision();
    // The revision must be one of the selected row's document.
    if (!document || !revision || revision->document_id() != document->document_id()) {
        return false;
    }
    if (m_selectedFolderRadioButton->isChecked()) {
        wizard()->setProperty("document", QVariant::fromValue(*revision));
        return true;
    }
    const DbId folderId = revision->document_folder_id();
    if (folderId.null() || revision->document_name().empty()) {
        return false;
    }
    const zarv::data::Folder folder = RestoreDocumentWizard::GetFolder(folderId);
    if (folder.folder_name().empty()) {
        warn("FolderDoesNotExist");
        return false;
    }
    if (RestoreDocumentWizard::IsFolderParentOfDocumentName(folder.folder_id(), revision->document_name())) {
        warn("FolderIsParentOfDocumentWithNameOfDocumentToBeRestored");
        return false;
    }
    wizard()->setProperty("documentFolderId", folder.folder_id());
    wizard()->setProperty("documentFolderName", QString::fromStdString(folder.folder_name()));
    wizard()->setProperty("document", QVariant::fromValue(*revision));
    return true;
}
