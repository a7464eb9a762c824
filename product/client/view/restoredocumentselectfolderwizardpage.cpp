#include "product/client/view/restoredocumentselectfolderwizardpage.h"

#include "product/client/view/restoredocumentwizard.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/codes.h"
#include "library/gui/servercall.h"

#include "document3.pb.h"
#include "folder3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {

const char* const FolderIcon = "folder-item";
const char* const HomeIcon = "home-folder";

}  // namespace

RestoreDocumentSelectFolderWizardPage::RestoreDocumentSelectFolderWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_folderListWidget(new QListWidget)
    , m_backButton(new QToolButton)
    , m_homeButton(new QToolButton)
    , m_forwardButton(new QToolButton)
{
    wizardpage::InitializeHeader(this, tr("RestoreDocumentSelectFolderWizardPageTitle"),
                                 tr("RestoreDocumentSelectFolderWizardPageSubTitle"), FolderIcon);
    initializeWindow();
    initializeLayout();
}

void RestoreDocumentSelectFolderWizardPage::initializeWindow()
{
    m_backButton->setArrowType(Qt::LeftArrow);
    m_homeButton->setIcon(QIcon(wizardpage::IconPath(HomeIcon)));
    m_forwardButton->setArrowType(Qt::RightArrow);
    connect(m_backButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::undoSelectFolder);
    connect(m_homeButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::selectHomeFolder);
    connect(m_forwardButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::redoSelectFolder);
    connect(m_folderListWidget, &QListWidget::itemClicked, this,
            &RestoreDocumentSelectFolderWizardPage::folderItemClicked);
    connect(m_folderListWidget, &QListWidget::itemDoubleClicked, this,
            &RestoreDocumentSelectFolderWizardPage::folderItemDoubleClicked);
    // A selection made with the keyboard counts as much as a click.
    connect(m_folderListWidget, &QListWidget::itemSelectionChanged, this, &QWizardPage::completeChanged);
}

void RestoreDocumentSelectFolderWizardPage::initializeLayout()
{
    auto* buttons = new QHBoxLayout;
    const auto addStretches = [buttons](int count) {
        for (int stretch = 0; stretch < count; ++stretch) {
            buttons->addStretch();
        }
    };
    addStretches(3);
    buttons->addWidget(m_backButton);
    addStretches(1);
    buttons->addWidget(m_homeButton);
    addStretches(1);
    buttons->addWidget(m_forwardButton);
    addStretches(3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_folderListWidget);
}

void RestoreDocumentSelectFolderWizardPage::initializePage()
{
    selectHomeFolder();
}

void RestoreDocumentSelectFolderWizardPage::selectFolder(int folderId)
{
    m_folderListWidget->clear();
    zarv::data::SelectFolderRequest request;
    request.set_folder_parent_id(folderId);
    if (const auto reply = ServerCall(common::SelectFolder).call<zarv::data::SelectFolderReply>(request)) {
        for (const zarv::data::Folder& folder : reply->folder()) {
            auto* item =
                new QListWidgetItem(QIcon(wizardpage::IconPath(FolderIcon)),
                                    QString::fromStdString(folder.folder_name()), m_folderListWidget, FolderItemType);
            item->setData(FolderRole, QVariant::fromValue(folder));
        }
        m_history.append(folderId);
    }
    emit completeChanged();
}

bool RestoreDocumentSelectFolderWizardPage::isHomeFolderSelected() const
{
    return m_history.size() == 1 && m_forward.isEmpty();
}

void RestoreDocumentSelectFolderWizardPage::selectHomeFolder()
{
    m_history.clear();
    m_forward.clear();
    selectFolder(RestoreDocumentWizard::HomeFolderId());
}

void RestoreDocumentSelectFolderWizardPage::folderItemClicked(QListWidgetItem*)
{
    emit completeChanged();
}

void RestoreDocumentSelectFolderWizardPage::folderItemDoubleClicked(QListWidgetItem* item)
{
    selectFolder(item->data(FolderRole).value<zarv::data::Folder>().folder_id());
}

void RestoreDocumentSelectFolderWizardPage::undoSelectFolder()
{
    if (m_history.size() < 2) {
        return;
    }
    m_forward.append(m_history.takeLast());
    selectFolder(m_history.takeLast());
}

void RestoreDocumentSelectFolderWizardPage::redoSelectFolder()
{
    if (!m_forward.isEmpty()) {
        selectFolder(m_forward.takeLast());
    }
}

bool RestoreDocumentSelectFolderWizardPage::isComplete() const
{
    return isHomeFolderSelected() || m_folderListWidget->selectedItems().size() == 1;
}

bool RestoreDocumentSelectFolderWizardPage::validatePage()
{
    const int home = RestoreDocumentWizard::HomeFolderId();
    wizard()->setProperty("documentFolderId", home);
    wizard()->setProperty("documentFolderName", QString());
    int target = home;
    const QList<QListWidgetItem*> selected = m_folderListWidget->selectedItems();
    if (!selected.isEmpty()) {
        const QVariant folder = selected.front()->data(FolderRole);
        if (!folder.canConvert<zarv::data::Folder>()) {
            return false;
        }
        target = folder.value<zarv::data::Folder>().folder_id();
    }
    const std::string name = wizard()->property("document").value<zarv::data::Document>().document_name();
    if (RestoreDocumentWizard::IsFolderParentOfDocumentName(target, name)) {
        QMessageBox::warning(this, tr("RestoreDocumentSelectFolderWizardPageTitle"),
                             tr("FolderIsParentOfDocumentWithNameOfDocumentToBeRestored"), QMessageBox::Ok);
        return false;
    }
    if (target == home) {
        return true;
    }
    const zarv::data::Folder folder = RestoreDocumentWizard::GetFolder(target);
    if (folder.folder_name().empty()) {
        return false;
    }
    wizard()->setProperty("documentFolderId", folder.folder_id());
    wizard()->setProperty("documentFolderName", QString::fromStdString(folder.folder_name()));
    return true;
}
