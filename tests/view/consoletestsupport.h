#pragma once

// What the console's tests share: the client's services as start-up prepares
// them, the console and its actions, message boxes answered as a user would,
// the event loop run until the console quits it, and the session that the
// transport holds.

#include <QMessageBox>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

class ConsoleView;
class QAction;

namespace consoletest {

// The user of the trial's data set (product/testserver/fixtures/sample.textproto).
constexpr const char* SampleUserName = "avery";
constexpr const char* SamplePassword = "quenlark-trial";
constexpr const char* SampleDisplayName = "Avery Jo Quinn";
constexpr int SampleUserId = 1001;
// Words of the sample user's own dictionary, unknown to the built-in one.
constexpr const char* SampleUserWord = "Quenlark";

// Once per program: the time-zone table and the spell checker over copies of
// the built-in files, as start-up loads them; a settings store of the
// program's own in a temporary folder; a bounded wait for the server.
void PrepareClientServices();

// The one console among the top-level windows, or null.
ConsoleView* FindConsole();
// The console's action (or its menus') that shows exactly `text`. A missing
// one, or a missing console, fails the test and yields a stand-in action, so
// that the test goes on without ending the program.
QAction* ConsoleAction(const ConsoleView* console, const char* text);

// A message box as the user saw it.
struct ShownBox
{
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

// Answers the next message box with `button` and keeps what it showed in
// `shown`, which must outlive the box.
void AnswerNextMessageBox(ShownBox& shown, QMessageBox::StandardButton button);

// Runs the event loop with `start` as its first task; true when something
// quit the loop within the time, false when the time ran out.
bool RunUntilQuit(const std::function<void()>& start, std::chrono::milliseconds timeout = std::chrono::seconds(30));

// The session key and id of every later frame.
struct Session
{
    std::array<unsigned char, 16> key;
    int id;
};

Session CurrentSession();
void InstallSession(const Session& session);

// One SelectDictionary exchange under the current session.
struct DictionaryReply
{
    bool replied = false;
    int majorErcode = 0;
    std::vector<std::string> words;
};

DictionaryReply SelectDictionary(int userId);

}  // namespace consoletest
