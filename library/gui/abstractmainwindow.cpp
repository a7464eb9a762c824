#include "library/gui/abstractmainwindow.h"

#include "library/gui/linguist.h"

#include <QStatusBar>

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
    ReplyTable::Split(*this, BusReply{majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply});
}

void AbstractMainWindow::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void AbstractMainWindow::processReply(const common::Opcode majorOpcode,
                                      const common::Opcode minorOpcode,
                                      const std::string& request,
                                      const std::string& reply)
{
    takeFromTable(BusReply{majorOpcode, minorOpcode, request, common::NoEr, common::NoEr, reply});
}

void AbstractMainWindow::processError(const common::Opcode majorOpcode,
                                      const common::Opcode minorOpcode,
                                      const std::string& request,
                                      const common::Ercode majorErcode,
                                      const common::Ercode minorErcode,
                                      const std::string& reply)
{
    takeFromTable(BusReply{majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply});
}

void AbstractMainWindow::takeFromTable(const BusReply& bus)
{
    if (const std::optional<ReplyFailure> failure = m_replyTable.take(bus)) {
        reportFailedReply(bus.majorOpcode, bus.minorOpcode, *failure);
    }
}

void AbstractMainWindow::reportFailedReply(common::Opcode, common::Opcode, const ReplyFailure& failure)
{
    statusBar()->showMessage(failure.majorErcode == common::ServiceNoReplyEr
                                 ? Linguist::tr("NoReplyFromServer")
                                 : Linguist::tr("ServerRefusedRequest").arg(failure.majorErcode));
}
