#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include "deletemessagereply3.pb.h"

#include <string>

class ApplicationComponent;

// Opens a message reader for every received message that a browser opens,
// or raises the reader that already shows it; closes the readers of a
// message when its deletion succeeded.
class MessageReaderManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit MessageReaderManager(ApplicationComponent* applicationComponent);
    ~MessageReaderManager() override;

public slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void handleOpenMessage(const std::string& request);
    void handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply);

    ApplicationComponent* const m_applicationComponent;
};
