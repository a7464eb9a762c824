#include "library/gui/abstractmainwindow.h"

AbstractMainWindow::AbstractMainWindow(QWidget* parent)
    : QMainWindow(parent)
{}

AbstractMainWindow::~AbstractMainWindow() = default;

void AbstractMainWindow::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}

void AbstractMainWindow::receiveReply(const common::Opcode majorOpcode,
                                      const common::Opcode minorOpcode,
                                      const std::string& request,
                                      const common::Ercode majorErcode,
                                      const common::Ercode minorErcode,
                                      const std::string& reply)
{
    if (majorErcode == common::NoEr && minorErcode == common::NoEr) {
        processReply(majorOpcode, minorOpcode, request, reply);
    } else {
        processError(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    }
}

void AbstractMainWindow::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void AbstractMainWindow::processReply(const common::Opcode,
                                      const common::Opcode,
                                      const std::string&,
                                      const std::string&)
{}

void AbstractMainWindow::processError(const common::Opcode,
                                      const common::Opcode,
                                      const std::string&,
                                      const common::Ercode,
                                      const common::Ercode,
                                      const std::string&)
{}
