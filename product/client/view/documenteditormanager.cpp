#include "product/client/view/documenteditormanager.h"

#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documenteditorview.h"

#include "deletedocumentrequest3.pb.h"

namespace {

int DocumentIdOf(const DocumentEditorView& editor)
{
    return editor.getDocument().document_id();
}

}  // namespace

DocumentEditorManager::DocumentEditorManager(ApplicationComponent* applicationComponent)
    : AbstractViewManager(applicationComponent)
    , m_applicationComponent(applicationComponent)
{
    m_replyTable.add(common::SelectDocument, common::OpenDocumentEditorView, this,
                     &DocumentEditorManager::documentsSelected);
    m_replyTable.add(common::SelectDocumentKey, common::OpenDocumentEditorView, this,
                     &DocumentEditorManager::documentKeySelected);
    m_replyTable.add(common::DeleteDocument, ReplyTable::AnyMinor, this, &DocumentEditorManager::documentDeleted);
}

DocumentEditorManager::~DocumentEditorManager() = default;

void DocumentEditorManager::openDocument(const zarv::data::Document& document)
{
    raiseOrOpenWindow<DocumentEditorView>(document.document_id(), DocumentIdOf,
                                          [&document]() { return new DocumentEditorView(document, nullptr); });
}

void DocumentEditorManager::receiveRequest(const common::Opcode majorOpcode, const common::Opcode, const std::string&)
{
    if (majorOpcode == common::ApplyDocumentEditorOptions) {
        emit deliverEvent(common::DocumentEditorOptionsChanged, common::Untagged, std::string());
    }
}

void DocumentEditorManager::documentsSelected(const BusReply&, const zarv::data::SelectDocumentReply& reply)
{
    if (reply.sql_diag_rec().sqlc() != 0) {
        return;
    }
    for (const zarv::data::Document& document : reply.document()) {
        openDocument(document);
    }
}

void DocumentEditorManager::documentKeySelected(const BusReply&, const zarv::data::SelectDocumentKeyReply& reply)
{
    if (reply.sql_diag_rec().sqlc() != 0 || reply.document_key_size() != 1) {
        return;
    }
    // The editor enforces the key's rights, not the owner's.
    const zarv::data::DocumentKey& key = reply.document_key(0);
    zarv::data::Document document = key.document_key_document();
    *document.mutable_document_security_descriptor() = key.document_key_security_descriptor();
    openDocument(document);
}

void DocumentEditorManager::documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply&)
{
    zarv::data::DeleteDocumentRequest request;
    if (request.ParseFromString(bus.request)) {
        CloseWindows<DocumentEditorView>(request.document_id(), DocumentIdOf);
    }
}

bool DocumentEditorManager::connectViewWindow(const AbstractViewWindow* window)
{
    return m_applicationComponent->connectAbstractViewWindow(window);
}
