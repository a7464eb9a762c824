#include "product/client/view/keymanagers.h"

#include "library/core/proxy/userreader.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documentkeyringview.h"
#include "product/client/view/folderkeyringview.h"
#include "product/client/view/keylistviews.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <algorithm>

namespace {

int DocumentIdOf(const DocumentKeyringView& keyring)
{
    return keyring.getDocumentId();
}

int FolderIdOf(const FolderKeyringView& keyring)
{
    return keyring.getFolderId();
}

// A name up to its first NUL byte.
QString NameOf(const std::string& name)
{
    return QString::fromUtf8(name.c_str());
}

}  // namespace

void SortByHolder(google::protobuf::RepeatedPtrField<zarv::data::FolderKey>& keys)
{
    std::sort(keys.begin(), keys.end(), [](const zarv::data::FolderKey& left, const zarv::data::FolderKey& right) {
        return UserReader(left.folder_key_user()).displayNameAlphabetical()
               < UserReader(right.folder_key_user()).displayNameAlphabetical();
    });
}

FolderKeyringManager::FolderKeyringManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    m_replyTable.add(common::SelectFolderKey, common::OpenFolderKeyringView, this,
                     &FolderKeyringManager::folderKeysSelected);
    m_replyTable.add(common::DeleteFolder, ReplyTable::AnyMinor, this, &FolderKeyringManager::folderDeleted);
}

FolderKeyringManager::~FolderKeyringManager() = default;

void FolderKeyringManager::folderKeysSelected(const BusReply& bus, const zarv::data::SelectFolderKeyReply& reply)
{
    zarv::data::SelectFolderKeyRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    const int folderId = request.folder_key_folder_id();
    raiseOrOpenWindow<FolderKeyringView>(folderId, FolderIdOf, [&]() {
        auto* keyring = new FolderKeyringView(folderId, NameOf(request.folder_key_folder_name()), nullptr);
        google::protobuf::RepeatedPtrField<zarv::data::FolderKey> keys = reply.folder_key();
        SortByHolder(keys);
        for (const zarv::data::FolderKey& key : keys) {
            emit keyring->addFolderKey(key);
        }
        return keyring;
    });
}

void FolderKeyringManager::folderDeleted(const BusReply& bus, const zarv::data::DeleteFolderReply&)
{
    zarv::data::DeleteFolderRequest request;
    if (request.ParseFromString(bus.request) && request.has_folder_id()) {
        CloseWindows<FolderKeyringView>(request.folder_id(), FolderIdOf);
    }
}

bool FolderKeyringManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

DocumentKeyringManager::DocumentKeyringManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    m_replyTable.add(common::SelectDocumentKey, common::OpenDocumentKeyringView, this,
                     &DocumentKeyringManager::documentKeysSelected);
    m_replyTable.add(common::DeleteDocument, ReplyTable::AnyMinor, this, &DocumentKeyringManager::documentDeleted);
}

DocumentKeyringManager::~DocumentKeyringManager() = default;

void DocumentKeyringManager::documentKeysSelected(const BusReply& bus, const zarv::data::SelectDocumentKeyReply& reply)
{
    zarv::data::SelectDocumentKeyRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    const int documentId = request.document_key_document_id();
    raiseOrOpenWindow<DocumentKeyringView>(documentId, DocumentIdOf, [&]() {
        auto* keyring = new DocumentKeyringView(documentId, NameOf(request.document_key_document_name()), nullptr);
        for (const zarv::data::DocumentKey& key : reply.document_key()) {
            emit keyring->addDocumentKey(key);
        }
        return keyring;
    });
}

void DocumentKeyringManager::documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply&)
{
    zarv::data::DeleteDocumentRequest request;
    if (request.ParseFromString(bus.request) && request.has_document_id()) {
        CloseWindows<DocumentKeyringView>(request.document_id(), DocumentIdOf);
    }
}

bool DocumentKeyringManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

DocumentKeysManager::DocumentKeysManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

DocumentKeysManager::~DocumentKeysManager() = default;

void DocumentKeysManager::receiveRequest(const common::Opcode majorOpcode, const common::Opcode, const std::string&)
{
    if (majorOpcode == common::OpenDocumentKeysView) {
        openWindow(new DocumentKeysView(nullptr));
    }
}

bool DocumentKeysManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}

FolderKeysManager::FolderKeysManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{}

FolderKeysManager::~FolderKeysManager() = default;

void FolderKeysManager::receiveRequest(const common::Opcode majorOpcode, const common::Opcode, const std::string&)
{
    if (majorOpcode == common::OpenFolderKeysView) {
        openWindow(new FolderKeysView(nullptr));
    }
}

bool FolderKeysManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}
