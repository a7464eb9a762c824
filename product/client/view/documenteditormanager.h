#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include "deletedocumentreply3.pb.h"
#include "document3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"

#include <string>

class ApplicationComponent;

// Opens document editors: one per document of a reply that asks for an
// editor, or for the document of the one key of such a reply, under the
// key's descriptor. An open editor of the document is raised instead, also
// when the second opening comes through a key with other rights. It closes
// the editors of a deleted document, through their close question, and
// answers a request to apply the editor options with the event that makes
// the open editors read them again.
class DocumentEditorManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit DocumentEditorManager(ApplicationComponent* applicationComponent);
    ~DocumentEditorManager() override;

    // Raises the open editor of the document, or opens one.
    void openDocument(const zarv::data::Document& document);

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void documentsSelected(const BusReply& bus, const zarv::data::SelectDocumentReply& reply);
    void documentKeySelected(const BusReply& bus, const zarv::data::SelectDocumentKeyReply& reply);
    void documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply& reply);

    ApplicationComponent* const m_applicationComponent;
};
