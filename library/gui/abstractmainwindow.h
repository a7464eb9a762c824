#pragma once

#include "library/common/codes.h"
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
    void deliverEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string());
    void deliverReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string());
    void deliverRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string());

public slots:
    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string()) override;
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string()) override;
    void receiveEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string()) override;

protected slots:
    virtual void processReply(const common::Opcode majorOpcode,
                              const common::Opcode minorOpcode = common::Untagged,
                              const std::string& request = std::string(),
                              const std::string& reply = std::string());
    virtual void processError(const common::Opcode majorOpcode,
                              const common::Opcode minorOpcode,
                              const std::string& request,
                              const common::Ercode majorErcode,
                              const common::Ercode minorErcode,
                              const std::string& reply);

protected:
    // Says on the status bar that a reply the window waited for failed: "No
    // reply from the server." or "The server refused the request (code %1).".
    virtual void reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure);

    ReplyTable m_replyTable;

private:
    friend class ReplyTable;

    void takeFromTable(const BusReply& bus);
};
