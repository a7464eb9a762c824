#include "library/gui/selectdocumentswidget.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/mode.h"
#include "library/gui/recorditems.h"
#include "library/gui/servercall.h"

#include "documents3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

const SelectRecordsWidget::Texts DocumentTexts = {
    "SelectDocumentsWidget",    "UnselectedDocuments",          "SelectedDocuments",
    ":icons/32x32/include.png", ":icons/32x32/include-all.png", ":icons/32x32/add.png",
    ":icons/32x32/add-all.png", ":icons/32x32/remove.png",      ":icons/32x32/remove-all.png",
};

QToolButton* ArrowButton(Qt::ArrowType arrow)
{
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    return button;
}

QToolButton* HomeButton()
{
    auto* button = new QToolButton;
    button->setIcon(QIcon(QStringLiteral(":icons/32x32/home.png")));
    return button;
}

// Keeps the label rows as high as the navigation row.
QWidget* Placeholder()
{
    auto* button = new QToolButton;
    button->setEnabled(false);
    button->setStyleSheet(QStringLiteral("background-color: transparent;"));
    return button;
}

}  // namespace

SelectDocumentsWidget::SelectDocumentsWidget(QWidget* parent)
    : SelectRecordsWidget(parent, DocumentTexts)
    , m_back(ArrowButton(Qt::LeftArrow))
    , m_home(HomeButton())
    , m_forward(ArrowButton(Qt::RightArrow))
{
    connect(m_mode, &Mode::enterMode, this, &SelectDocumentsWidget::enterMode);
    connect(m_mode, &Mode::leaveMode, this, &SelectDocumentsWidget::leaveMode);
    initializeMode({
        {m_modeStart, m_include, "enabled", false},
        {m_modeStart, m_includeAll, "enabled", false},
        {m_modeStart, m_add, "enabled", false},
        {m_modeStart, m_addAll, "enabled", false},
        {m_modeStart, m_remove, "enabled", false},
        {m_modeStart, m_removeAll, "enabled", false},
        {m_modeNoSubfolders, m_include, "enabled", false},
        {m_modeNoSubfolders, m_includeAll, "enabled", false},
        {m_modeSubfolders, m_includeAll, "enabled", true},
        {m_modeSubfolders, m_add, "enabled", false},
        {m_modeSubfolders, m_addAll, "enabled", false},
        {m_modeFoldersNotSelected, m_include, "enabled", false},
        {m_modeFoldersSelected, m_include, "enabled", true},
        {m_modeFoldersIncluded, m_include, "enabled", false},
        {m_modeFoldersEmpty, m_include, "enabled", false},
        {m_modeFoldersEmpty, m_includeAll, "enabled", false},
        {m_modeUnselectedDocumentsEmpty, m_add, "enabled", false},
        {m_modeUnselectedDocumentsEmpty, m_addAll, "enabled", false},
        {m_modeUnselectedDocumentsFilled, m_add, "enabled", false},
        {m_modeUnselectedDocumentsFilled, m_addAll, "enabled", true},
        {m_modeUnselectedDocumentsNotSelected, m_add, "enabled", false},
        {m_modeUnselectedDocumentsSelected, m_add, "enabled", true},
        {m_modeSelectedDocumentsEmpty, m_remove, "enabled", false},
        {m_modeSelectedDocumentsEmpty, m_removeAll, "enabled", false},
        {m_modeSelectedDocumentsFilled, m_removeAll, "enabled", true},
        {m_modeSelectedDocumentsNotSelected, m_remove, "enabled", false},
        {m_modeSelectedDocumentsSelected, m_remove, "enabled", true},
    });
    connect(m_back, &QToolButton::clicked, this, &SelectDocumentsWidget::undoSelectFolder);
    connect(m_home, &QToolButton::clicked, this, &SelectDocumentsWidget::selectHomeFolder);
    connect(m_forward, &QToolButton::clicked, this, &SelectDocumentsWidget::redoSelectFolder);
    connect(m_sourcesList, &QListWidget::itemDoubleClicked, this, &SelectDocumentsWidget::folderItemDoubleClicked);

    auto* navigation = new QHBoxLayout;
    const auto stretches = [navigation](int count) {
        for (int index = 0; index < count; ++index) {
            navigation->addStretch();
        }
    };
    stretches(3);
    navigation->addWidget(m_back);
    stretches(1);
    navigation->addWidget(m_home);
    stretches(1);
    navigation->addWidget(m_forward);
    stretches(3);
    auto* includeButtons = new QHBoxLayout;
    includeButtons->addWidget(m_include);
    includeButtons->addWidget(m_includeAll);
    auto* foldersColumn = new QVBoxLayout;
    foldersColumn->addLayout(navigation);
    foldersColumn->addWidget(m_sourcesList);
    foldersColumn->addLayout(includeButtons);
    initializeLayout(foldersColumn, &Placeholder);
}

SelectDocumentsWidget::~SelectDocumentsWidget() = default;

void SelectDocumentsWidget::setUserId(int userId)
{
    if (m_userId != userId) {
        m_userId = userId;
    }
}

void SelectDocumentsWidget::init()
{
    openHomeFolder();
    reportFailure();
}

void SelectDocumentsWidget::selectHomeFolder()
{
    init();
}

void SelectDocumentsWidget::openHomeFolder()
{
    m_backHistory.clear();
    m_forwardHistory.clear();
    const int homeFolderId = ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_folder_id();
    selectFolder(homeFolderId);
    zarv::data::Folder home;
    home.set_folder_id(homeFolderId);
    includeFolder(home);
}

void SelectDocumentsWidget::undoSelectFolder()
{
    if (m_backHistory.size() < 2) {
        return;
    }
    const int current = m_backHistory.takeLast();
    const int previous = m_backHistory.takeLast();
    m_forwardHistory.append(current);
    selectFolder(previous);
    reportFailure();
}

void SelectDocumentsWidget::redoSelectFolder()
{
    if (m_forwardHistory.isEmpty()) {
        return;
    }
    selectFolder(m_forwardHistory.takeLast());
    reportFailure();
}

void SelectDocumentsWidget::folderItemDoubleClicked(QListWidgetItem* item)
{
    selectFolder(item->data(recorditems::FolderRole).value<zarv::data::Folder>().folder_id());
    reportFailure();
}

void SelectDocumentsWidget::selectFolder(int folderId)
{
    clear();
    zarv::data::SelectFolderRequest request;
    request.set_folder_parent_id(folderId);
    ServerCall call(common::SelectFolder);
    if (const auto reply = call.call<zarv::data::SelectFolderReply>(request)) {
        for (const zarv::data::Folder& folder : reply->folder()) {
            m_sourcesList->addItem(recorditems::NewFolderItem(folder));
        }
        m_backHistory.append(folderId);
    } else {
        noteFailure(call);
    }
    emit setMode(m_sourcesList->count() > 0 ? m_modeSubfolders : m_modeNoSubfolders);
}

void SelectDocumentsWidget::includeSource(QListWidgetItem* source)
{
    includeFolder(source->data(recorditems::FolderRole).value<zarv::data::Folder>());
}

void SelectDocumentsWidget::enterUnselectedModeAfterInclude(int)
{
    emit setMode(m_unselectedList->count() > 0 ? m_modeUnselectedDocumentsFilled : m_modeUnselectedDocumentsEmpty);
}

void SelectDocumentsWidget::includeFolder(const zarv::data::Folder& folder)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folder.folder_id());
    for (const int documentId : m_excludedDocuments) {
        request.add_exclude_document_id(documentId);
    }
    ServerCall call(common::SelectDocument);
    const auto reply = call.call<zarv::data::SelectDocumentReply>(request);
    if (!reply) {
        noteFailure(call);
        return;
    }
    for (const zarv::data::Document& document : reply->document()) {
        if (!isAdded(document.document_id())) {
            includeItem(recorditems::NewDocumentItem(document), document.document_id());
        }
    }
}

void SelectDocumentsWidget::addDocument(const zarv::data::Document& document)
{
    if (!isAdded(document.document_id())) {
        addItem(recorditems::NewDocumentItem(document), document.document_id());
    }
}

void SelectDocumentsWidget::addExcludedDocument(int documentId)
{
    m_excludedDocuments.insert(documentId);
}

zarv::data::Documents SelectDocumentsWidget::selectedDocuments() const
{
    zarv::data::Documents documents;
    for (const QListWidgetItem* item : selectedItems()) {
        *documents.add_document() = item->data(recorditems::DocumentRole).value<zarv::data::Document>();
    }
    return documents;
}

void SelectDocumentsWidget::enterMode(int mode)
{
    if (mode == m_modeSubfolders) {
        m_sourcesList->setFocus(Qt::OtherFocusReason);
    }
}

void SelectDocumentsWidget::leaveMode(int) {}
