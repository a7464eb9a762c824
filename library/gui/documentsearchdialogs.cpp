#include "library/gui/documentsearchdialogs.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/keyproxy.h"
#include "library/gui/searchrequest.h"
#include "library/gui/searchresults.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

search::ResultRow DocumentRow(const zarv::data::Document& document, QVariant record)
{
    return {{QString::fromStdString(document.document_name()),
             search::LocalDisplayDate(document.document_creation_date()),
             search::LocalDisplayDate(document.document_modification_date())},
            std::move(record)};
}

QCheckBox* SearchSubfoldersCheckBox(const char* context)
{
    return new QCheckBox(QCoreApplication::translate(context, "SearchSubfolders"));
}

}  // namespace

DocumentSearchDialog::DocumentSearchDialog(QWidget* parent)
    : AbstractSearchDialog(parent)
{
    m_resultTable->setColumnCount(3);
    m_resultTable->setHorizontalHeaderLabels(
        {tr("DocumentName"), Linguist::tr("CreationDate"), Linguist::tr("ModificationDate")});
    m_resultTable->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    connect(m_resultTable, &QTableWidget::itemSelectionChanged, this, &DocumentSearchDialog::itemSelectionChanged);
    connect(resetButton(), &QPushButton::clicked, this, &DocumentSearchDialog::reset);
}

void DocumentSearchDialog::itemSelectionChanged()
{
    AbstractSearchDialog::itemSelectionChanged();
}

void DocumentSearchDialog::reset()
{
    AbstractSearchDialog::reset();
}

FolderDocumentSearchDialog::FolderDocumentSearchDialog(const zarv::data::Folder& folder, QWidget* parent)
    : DocumentSearchDialog(parent)
    , m_folder(folder)
    , m_searchSubfoldersCheckBox(SearchSubfoldersCheckBox("FolderDocumentSearchDialog"))
{
    const QString folderName = m_folder.folder_id() == LoggedOnUser().user_folder_id()
                                   ? Linguist::tr("HomeFolder")
                                   : QString::fromStdString(m_folder.folder_name());
    setWindowTitle(tr("WindowTitle").arg(folderName));
    m_searchForLayout->addWidget(m_searchSubfoldersCheckBox);
    connect(searchButton(), &QPushButton::clicked, this, &FolderDocumentSearchDialog::search);
}

zarv::data::SelectDocumentRequest FolderDocumentSearchDialog::getSelectDocumentRequest() const
{
    return search::FolderDocumentSearchRequest(m_folder.folder_id(), m_searchSubfoldersCheckBox->isChecked(), anyOf(),
                                               search::CriteriaOf(*m_criteriaTable->getStandardItemModel()));
}

void FolderDocumentSearchDialog::search()
{
    m_resultTable->setFocus();
    m_resultTable->model()->removeRows(0, m_resultTable->rowCount());
    search::SearchExchange exchange(common::SelectDocument);
    const auto reply = exchange.run<zarv::data::SelectDocumentReply>(getSelectDocumentRequest());
    showNote(exchange.note());
    if (!reply) {
        return;
    }
    std::vector<search::ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(reply->document_size()));
    for (const zarv::data::Document& document : reply->document()) {
        rows.push_back(DocumentRow(document, QVariant::fromValue(document)));
    }
    search::AppendResultRows(*m_resultTable, rows, DocumentRole);
    resizeResultColumns();
}

zarv::data::Documents FolderDocumentSearchDialog::selectedDocuments() const
{
    zarv::data::Documents documents;
    for (const zarv::data::Document& document :
         search::SelectedRecords<zarv::data::Document>(*m_resultTable, DocumentRole)) {
        *documents.add_document() = document;
    }
    return documents;
}

FolderKeyDocumentSearchDialog::FolderKeyDocumentSearchDialog(const zarv::data::FolderKey& folderKey, QWidget* parent)
    : DocumentSearchDialog(parent)
    , m_folderKey(folderKey)
    , m_searchSubfoldersCheckBox(SearchSubfoldersCheckBox("FolderKeyDocumentSearchDialog"))
{
    setWindowTitle(tr("WindowTitle").arg(QString::fromStdString(m_folderKey.folder_key_folder().folder_name())));
    m_searchForLayout->addWidget(m_searchSubfoldersCheckBox);
    connect(searchButton(), &QPushButton::clicked, this, &FolderKeyDocumentSearchDialog::search);
}

zarv::data::SelectDocumentKeyRequest FolderKeyDocumentSearchDialog::getSelectDocumentKeyRequest() const
{
    return search::FolderKeyDocumentSearchRequest(m_folderKey.folder_key_folder().folder_id(), LoggedOnUser().user_id(),
                                                  m_searchSubfoldersCheckBox->isChecked(), anyOf(),
                                                  search::CriteriaOf(*m_criteriaTable->getStandardItemModel()));
}

void FolderKeyDocumentSearchDialog::search()
{
    m_resultTable->setFocus();
    search::SearchExchange exchange(common::SelectDocumentKey);
    const auto reply = exchange.run<zarv::data::SelectDocumentKeyReply>(getSelectDocumentKeyRequest());
    showNote(exchange.note());
    if (!reply) {
        return;
    }
    m_resultTable->model()->removeRows(0, m_resultTable->rowCount());
    std::vector<search::ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(reply->document_key_size()));
    for (const zarv::data::DocumentKey& key : reply->document_key()) {
        search::ResultRow row = DocumentRow(key.document_key_document(), QVariant::fromValue(key));
        row.bold =
            key.has_document_key_properties() && ((key.document_key_properties() >> KeyProxy::EmphasizeName) & 1) != 0;
        rows.push_back(std::move(row));
    }
    search::AppendResultRows(*m_resultTable, rows, DocumentKeyRole);
    resizeResultColumns();
}

zarv::data::DocumentKeys FolderKeyDocumentSearchDialog::selectedDocumentKeys() const
{
    zarv::data::DocumentKeys keys;
    for (const zarv::data::DocumentKey& key :
         search::SelectedRecords<zarv::data::DocumentKey>(*m_resultTable, DocumentKeyRole)) {
        *keys.add_document_key() = key;
    }
    return keys;
}
