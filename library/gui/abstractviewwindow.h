#pragma once

#include "library/gui/abstractmainwindow.h"
#include "library/gui/mode.h"

#include <QString>
#include <QVariant>

#include <string>

class QAction;
class QMenu;
class QStatusBar;
class QToolBar;

// The frame of every top-level window of the client: the menus File, Edit,
// View, Tools and Help, a standard tool bar that joins the window only when
// the subclass calls initializeStandardToolBar, a status bar, a mode registry
// whose switches reach enterMode and leaveMode, a caption that carries the
// user and the server, and the About box. A window is at least 800 x 600 and
// is deleted when it is closed.
class AbstractViewWindow : public AbstractMainWindow
{
    Q_OBJECT

public:
    explicit AbstractViewWindow(QWidget* parent);
    ~AbstractViewWindow() override;

    // The window's mode registry.
    int getMode() const;
    std::string getModeName(int mode) const;
    void setMode(int mode);
    int registerMode(int parent, const std::string& name);
    void registerProp(int mode,
                      Mode::Condition condition,
                      QObject* object,
                      const std::string& property,
                      const QVariant& value);
    void registerTran(int from, int to);

    // An action's texts as ids in a translation context, its icon as a
    // resource path and its shortcut as a key text; null for none. A window
    // lists its actions as a table of these.
    struct ActionTexts
    {
        const char* text;
        const char* icon;
        const char* statusTip;
        const char* toolTip;
        const char* shortcut = nullptr;
    };

    // The one way to make a window's action: owned by the window, added to
    // `menu` when one is given, its texts looked up in `context`. The status
    // tip and the tool tip are set only when they have an id, and an action
    // with a status tip shows its icon in menus; the shortcut's text is
    // translated too and read in the native format.
    QAction* createAction(QMenu* menu, const char* context, const ActionTexts& texts);

    // Puts the standard tool bar ("StandardToolBar") at the top of the window.
    void initializeStandardToolBar();

    // "caption [user @ server]", "caption [server]" without a user, or the
    // caption alone without a server (or when both caption and user are empty).
    void setWindowCaption(const QString& caption, const QString& server, const QString& user);

protected slots:
    // The About box: the product notice above the licence text.
    void helpAbout();
    virtual void enterMode(int mode);
    virtual void leaveMode(int mode);

protected:
    QMenu* const m_fileMenu;
    QMenu* const m_editMenu;
    QMenu* const m_viewMenu;
    QMenu* const m_toolsMenu;
    QMenu* const m_helpMenu;
    QToolBar* const m_standardToolBar;
    QStatusBar* const m_statusBar;
    // The menu-bar entries of the five menus, anchors for further menus.
    QAction* const m_fileMenuAction;
    QAction* const m_editMenuAction;
    QAction* const m_viewMenuAction;
    QAction* const m_toolsMenuAction;
    QAction* const m_helpMenuAction;
    Mode* const m_mode;
};
