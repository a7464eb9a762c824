#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"
#include "library/gui/replytable.h"

#include <QMainWindow>

#include <string>

// A main window on the component bus. It carries the three deliver signals
// and the three receive slots, and splits every reply it receives: both error
// codes 0 go to processReply, anything else to processError. Both hand the
// reply to the window's reply table (filled in the subclass's constructor);
// a failed reply of a listed pair that its row does not take, or one whose
// payload does not parse, is reported once on the status bar.
class AbstractMainWindow : public QMainWindow, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractMainWindow(QWidget* parent);
    ~AbstractMainWindow() override;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) override;
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;

protected slots:
    virtual void processReply(QUENLARK_BUS_PROCESS_REPLY_PARAMETERS);
    virtual void processError(QUENLARK_BUS_PROCESS_ERROR_PARAMETERS);

protected:
    // Says on the status bar that a reply the window waited for failed: "No
    // reply from the server." or "The server refused the request (code %1).".
    virtual void reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure);

    ReplyTable m_replyTable;

private:
    friend class ReplyTable;

    void takeFromTable(const BusReply& bus);
};
