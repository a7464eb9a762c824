#include "tests/view/keywizardstestsupport.h"

#include "tests/core/fixturetable.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/core/lib/registry.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"

#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTimeEdit>
#include <QWizardPage>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>

namespace keywizardtest {

namespace {

constexpr int OpenSessionId = 33;
constexpr unsigned char OpenSessionKey[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

}  // namespace

void PrepareServices()
{
    wizardtest::PrepareResources();
    testsupport::FixtureDatabase().setDefaultTimeZone("Europe/Berlin");
    zarv::data::User tess = Person(TessId, "Tess", "Owen");
    tess.set_user_group_id(33010);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(tess);
}

Server::Server(const std::vector<std::string>& faults)
    : m_process(faults, testsupport::TestServerProcess::FixturePath("keywizards.textproto"))
{
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_process.port());
    MessageDispatcher::setSessionId(OpenSessionId);
    MessageDispatcher::setTimeout(std::chrono::seconds(5));
    std::copy(std::begin(OpenSessionKey), std::end(OpenSessionKey),
              ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
}

Server::~Server()
{
    ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
}

zarv::data::User Person(int id, const std::string& first, const std::string& last, const std::string& middle)
{
    zarv::data::User user;
    user.set_user_id(id);
    user.set_user_first_name(first);
    user.set_user_last_name(last);
    if (!middle.empty()) {
        user.set_user_middle_name(middle);
    }
    return user;
}

void ChooseHours(QWizardPage& page, bool restricted, const QTime& from, const QTime& to)
{
    testsupport::ChildWithText<QRadioButton>(
        page, restricted ? QStringLiteral("Restricted hours") : QStringLiteral("Unrestricted hours"))
        ->click();
    wizardtest::Buddy<QTimeEdit>(page, QStringLiteral("To:"))->setTime(to);
    wizardtest::Buddy<QTimeEdit>(page, QStringLiteral("From:"))->setTime(from);
}

QString ShownText(const QTextEdit& summary)
{
    return summary.document()->toPlainText();
}

QStringList RedTexts(const QTextEdit& summary)
{
    QStringList texts;
    for (QTextBlock block = summary.document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (part.charFormat().foreground().color() == QColor(Qt::red)) {
                texts << part.text();
            }
        }
    }
    return texts;
}

bool InOrder(const QString& shown, const QStringList& texts)
{
    qsizetype from = 0;
    for (const QString& text : texts) {
        const qsizetype at = shown.indexOf(text, from);
        if (at < 0) {
            ADD_FAILURE() << "not found in order: \"" << text.toStdString() << "\" in\n" << shown.toStdString();
            return false;
        }
        from = at + text.size();
    }
    return true;
}

QTextEdit* SummaryOf(const QWizard& wizard)
{
    return wizard.currentPage() ? wizard.currentPage()->findChild<QTextEdit*>() : nullptr;
}

void Settle()
{
    wizardtest::Settle();
}

}  // namespace keywizardtest
