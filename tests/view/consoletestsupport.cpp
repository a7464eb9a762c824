#include "tests/view/consoletestsupport.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "library/gui/spellchecker.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/consoleview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/temporarysettingsstore.h"

#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTemporaryFile>
#include <QTimer>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>

// The bundle lives in a static library; its registration may be dropped by
// the linker, so it is repeated here, as start-up does.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace consoletest {

void PrepareClientServices()
{
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    InitializeClientResources();

    static testsupport::TemporarySettingsStore store(QStringLiteral("console_tests"));
    ASSERT_TRUE(store.isValid());
    // Audit lines name the product's version.
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));

    QTemporaryFile timeZones;
    const QString timeZonesName =
        utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.tmz"), timeZones);
    ASSERT_FALSE(timeZonesName.isEmpty());
    ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->loadFromFile(timeZonesName.toStdString());

    // Read again at every reset, so they live as long as the program.
    static QTemporaryFile dictionary;
    static QTemporaryFile affix;
    const QString dictionaryName =
        utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.dic"), dictionary);
    const QString affixName = utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.aff"), affix);
    ASSERT_FALSE(dictionaryName.isEmpty());
    ASSERT_FALSE(affixName.isEmpty());
    SpellChecker* spellChecker = ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
    spellChecker->setDictionaryFile(dictionaryName.toStdString());
    spellChecker->setAffixFile(affixName.toStdString());
    spellChecker->reset();

    MessageDispatcher::setTimeout(std::chrono::seconds(10));
}

ConsoleView* FindConsole()
{
    ConsoleView* console = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<ConsoleView*>(widget)) {
            EXPECT_EQ(console, nullptr) << "more than one console";
            console = found;
        }
    }
    return console;
}

QAction* ConsoleAction(const ConsoleView* console, const char* text)
{
    QAction* found = console ? testsupport::ChildWithText<QAction>(*console, QString::fromUtf8(text)) : nullptr;
    EXPECT_NE(found, nullptr) << text;
    // Kept for the whole program: it only serves a test that failed already.
    static QAction* const standIn = new QAction;
    return found ? found : standIn;
}

void AnswerNextMessageBox(ShownBox& shown, QMessageBox::StandardButton button)
{
    testsupport::WhenModal<QMessageBox>([&shown, button](QMessageBox* box) {
        shown.shown = true;
        shown.icon = box->icon();
        shown.title = box->windowTitle();
        shown.text = box->text();
        QAbstractButton* answer = box->button(button);
        EXPECT_NE(answer, nullptr) << "the box has no such button";
        if (answer) {
            answer->click();
        } else {
            box->reject();
        }
    });
}

bool RunUntilQuit(const std::function<void()>& start, std::chrono::milliseconds timeout)
{
    constexpr int TimedOut = 99;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(TimedOut); });
    watchdog.start(timeout);
    QTimer::singleShot(0, start);
    return QCoreApplication::exec() != TimedOut;
}

Session CurrentSession()
{
    Session session{};
    const unsigned char* key = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey();
    std::copy(key, key + session.key.size(), session.key.begin());
    session.id = MessageDispatcher::getSessionId();
    return session;
}

void InstallSession(const Session& session)
{
    std::copy(session.key.begin(), session.key.end(),
              ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
    MessageDispatcher::setSessionId(session.id);
}

DictionaryReply SelectDictionary(int userId)
{
    zarv::data::SelectDictionaryRequest request;
    request.set_dictionary_user_id(userId);
    std::string payload;
    EXPECT_TRUE(request.SerializeToString(&payload));
    MessageDispatcher dispatcher(common::SelectDictionary, common::Untagged, payload);
    DictionaryReply result;
    result.replied = dispatcher.dispatch();
    result.majorErcode = dispatcher.getMajorErcode();
    zarv::data::SelectDictionaryReply reply;
    if (result.replied && reply.ParseFromString(dispatcher.getReply())) {
        for (const zarv::data::Dictionary& dictionary : reply.dictionary()) {
            result.words.push_back(dictionary.dictionary_word());
        }
    }
    return result;
}

}  // namespace consoletest
