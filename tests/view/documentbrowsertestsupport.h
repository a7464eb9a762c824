#pragma once

// What the document browser's tests share: the logged-on user of the
// browser's fixture (product/testserver/fixtures/docbrowser.textproto), the
// records they feed the panes, and the browser's panes and actions as a user
// sees them.

#include "product/client/view/documentbrowserview.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QListWidget;

namespace browsertest {

// Dana, whose home folder is 1100.
constexpr int UserId = 101;
constexpr int HomeFolderId = 1100;

// Once per program: a settings store of its own, the built-in icons, the
// time-zone table; then, for every test, Dana logged on.
void PrepareBrowserServices();

zarv::data::Folder Folder(int id, int parentId, const std::string& name, const std::string& description = "");
zarv::data::Document Document(int id,
                              int folderId,
                              const std::string& name,
                              const std::string& body = "",
                              const std::string& description = "");
zarv::data::User User(int id, const std::string& lastName, const std::string& firstName, int folderId = 0);
zarv::data::GroupKey GroupKey(int groupId, const std::string& groupName);

// A key that may be used now, unless changed: active every month and day,
// every hour, never expiring, with the given permissions word.
struct KeyRules
{
    int active = 1048575;
    int permissions = 1;
    int sessionDuration = 0;
    std::string password;
    std::string expirationDate = "9999-12-31 00:00:00";
    int properties = 0;
};

zarv::data::FolderKey FolderKey(int folderId, const std::string& folderName, const KeyRules& rules = {});
zarv::data::DocumentKey DocumentKey(int documentId, const std::string& documentName, const KeyRules& rules = {});

MainPaneListWidget& MainPane(const DocumentBrowserView& browser);
SidePaneListWidget& SidePane(const DocumentBrowserView& browser);
// The texts of a list's items, in order.
QStringList Texts(const QListWidget& list);
// The enabled flags of the ten switching actions, in the order of
// browser::BrowserAction, as "1" and "0".
std::string ActionStates(const DocumentBrowserView& browser);

}  // namespace browsertest

namespace testsupport {

// The message boxes shown while it lives, each answered with its default
// button at once, with the window they were shown over.
class BoxRecorder : public QObject
{
public:
    BoxRecorder();
    ~BoxRecorder() override;

    struct Box
    {
        const QWidget* over;
        QString title;
        QString text;
    };
    std::vector<Box> boxes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace testsupport
