#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include "deletemessagereply3.pb.h"

#include <string>

class ApplicationComponent;

// Opens a message editor for every own message that a browser or a reader
// opens, or raises the editor that already shows it; closes the editors of a
// message when its deletion succeeded.
class MessageEditorManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit MessageEditorManager(ApplicationComponent* applicationComponent);
    ~MessageEditorManager() override;

public slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void handleOpenMessage(const std::string& request);
    void handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply);

    ApplicationComponent* const m_applicationComponent;
};
