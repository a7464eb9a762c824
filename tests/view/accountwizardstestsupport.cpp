#include "tests/view/accountwizardstestsupport.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/servercall.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "user3.pb.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace accountwizardstest {
namespace {

// Dana's open session in the fixture.
constexpr int OpenSessionId = 13;
constexpr unsigned char OpenSessionKey[16] = {0x0F, 0x1E, 0x2D, 0x3C, 0x4B, 0x5A, 0x69, 0x78,
                                              0x87, 0x96, 0xA5, 0xB4, 0xC3, 0xD2, 0xE1, 0xF0};

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

// While it lives, every message box that shows is kept and answered with OK.
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer() { qApp->installEventFilter(this); }
    ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }

    std::vector<consoletest::ShownBox> boxes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            boxes.push_back({true, box->icon(), box->windowTitle(), box->text()});
            QTimer::singleShot(0, box, [box] {
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                } else {
                    box->reject();
                }
            });
        }
        return false;
    }
};

}  // namespace

WizardServer::WizardServer(const std::vector<std::string>& faults)
    : m_server(faults, testsupport::TestServerProcess::FixturePath(Fixture))
{
    consoletest::PrepareClientServices();
    EXPECT_NE(m_server.port(), 0);
    pointHere();
    MessageDispatcher::setSessionId(OpenSessionId);
    MessageDispatcher::setTimeout(std::chrono::seconds(5));
    std::copy(std::begin(OpenSessionKey), std::end(OpenSessionKey), TheCryptographer().getEkey());
    PutUserInRegistry();
}

WizardServer::~WizardServer()
{
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    TheCryptographer().clear();
    MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
}

void WizardServer::pointHere() const
{
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_server.port());
}

void PutUserInRegistry(const std::string& password)
{
    zarv::data::User user;
    user.set_user_id(UserId);
    user.set_user_folder_id(HomeFolderId);
    user.set_user_first_name("Dana");
    user.set_user_name(TheCryptographer().hashUserName(UserName));
    user.mutable_user_security_descriptor()->set_password(
        TheCryptographer().encodePassword(TheCryptographer().hashPassword(password)));
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(user);
}

std::vector<consoletest::ShownBox> BoxesDuring(const std::function<void()>& action)
{
    MessageBoxAnswerer answerer;
    action();
    return answerer.boxes;
}

std::vector<std::string> FolderDocumentNames(int folderId)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    std::vector<std::string> names;
    const auto reply = ServerCall(common::SelectDocument).call<zarv::data::SelectDocumentReply>(request);
    EXPECT_TRUE(reply.has_value());
    if (reply) {
        for (const auto& document : reply->document()) {
            names.push_back(document.document_name());
        }
    }
    return names;
}

}  // namespace accountwizardstest
