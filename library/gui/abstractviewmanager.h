#pragma once

#include "library/common/codes.h"
#include "library/gui/component.h"
#include "library/gui/replytable.h"

#include <string>

// The base of the view managers, which open, raise and close one kind of
// window in answer to the bus. Like a window, it splits every reply (both
// error codes 0 go to processReply, anything else to processError) and hands
// it to its reply table; a manager reports nothing itself, and a payload
// that does not parse is only logged.
class AbstractViewManager : public Component
{
    Q_OBJECT

public:
    explicit AbstractViewManager(QObject* parent);
    ~AbstractViewManager() override;

public slots:
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string()) override;

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
    ReplyTable m_replyTable;

private:
    friend class ReplyTable;
};
