#include "library/gui/abstractviewwindow.h"

#include "library/gui/linguist.h"
#include "library/gui/resourceicon.h"
#include "library/gui/textdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString LicenseResourceFileName = QStringLiteral(":resources/license.txt");

}  // namespace

AbstractViewWindow::AbstractViewWindow(QWidget* parent)
    : AbstractMainWindow(parent)
    , m_fileMenu(new QMenu(Linguist::tr("File"), this))
    , m_editMenu(new QMenu(Linguist::tr("Edit"), this))
    , m_viewMenu(new QMenu(Linguist::tr("View"), this))
    , m_toolsMenu(new QMenu(Linguist::tr("Tools"), this))
    , m_helpMenu(new QMenu(Linguist::tr("Help"), this))
    // Without a parent until it joins the window: a child widget would show
    // in the window's corner.
    , m_standardToolBar(new QToolBar(Linguist::tr("StandardToolbar")))
    , m_statusBar(statusBar())
    , m_fileMenuAction(menuBar()->addMenu(m_fileMenu))
    , m_editMenuAction(menuBar()->addMenu(m_editMenu))
    , m_viewMenuAction(menuBar()->addMenu(m_viewMenu))
    , m_toolsMenuAction(menuBar()->addMenu(m_toolsMenu))
    , m_helpMenuAction(menuBar()->addMenu(m_helpMenu))
    , m_mode(new Mode(this))
{
    setMinimumWidth(800);
    setMinimumHeight(600);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_mode, &Mode::enterMode, this, &AbstractViewWindow::enterMode);
    connect(m_mode, &Mode::leaveMode, this, &AbstractViewWindow::leaveMode);
}

AbstractViewWindow::~AbstractViewWindow()
{
    if (!m_standardToolBar->parent()) {
        delete m_standardToolBar;
    }
}

int AbstractViewWindow::getMode() const
{
    return m_mode->getMode();
}

std::string AbstractViewWindow::getModeName(int mode) const
{
    return m_mode->getModeName(mode);
}

void AbstractViewWindow::setMode(int mode)
{
    m_mode->setMode(mode);
}

int AbstractViewWindow::registerMode(int parent, const std::string& name)
{
    return m_mode->registerMode(parent, name);
}

void AbstractViewWindow::registerProp(int mode,
                                      Mode::Condition condition,
                                      QObject* object,
                                      const std::string& property,
                                      const QVariant& value)
{
    m_mode->registerProp(mode, condition, object, property, value);
}

void AbstractViewWindow::registerTran(int from, int to)
{
    m_mode->registerTran(from, to);
}

QAction* AbstractViewWindow::createAction(QMenu* menu, const char* context, const ActionTexts& texts)
{
    const QIcon icon = texts.icon ? ResourceIcon(texts.icon) : QIcon();
    auto* action = new QAction(icon, QCoreApplication::translate(context, texts.text), this);
    if (texts.statusTip) {
        action->setStatusTip(QCoreApplication::translate(context, texts.statusTip));
        action->setIconVisibleInMenu(true);
    }
    if (texts.toolTip) {
        action->setToolTip(QCoreApplication::translate(context, texts.toolTip));
    }
    if (texts.shortcut) {
        action->setShortcut(
            QKeySequence(QCoreApplication::translate(context, texts.shortcut), QKeySequence::NativeText));
    }
    if (menu) {
        menu->addAction(action);
    }
    return action;
}

void AbstractViewWindow::initializeStandardToolBar()
{
    m_standardToolBar->setObjectName(QStringLiteral("StandardToolBar"));
    addToolBar(Qt::TopToolBarArea, m_standardToolBar);
}

void AbstractViewWindow::setWindowCaption(const QString& caption, const QString& server, const QString& user)
{
    // One arg() call for all parts, so that a "%1" inside a name stays as it is.
    if (server.isEmpty() || (caption.isEmpty() && user.isEmpty())) {
        setWindowTitle(caption);
    } else if (user.isEmpty()) {
        setWindowTitle(QStringLiteral("%1 [%2]").arg(caption, server));
    } else {
        setWindowTitle(QStringLiteral("%1 [%2 @ %3]").arg(caption, user, server));
    }
}

void AbstractViewWindow::helpAbout()
{
    QFile license(LicenseResourceFileName);
    if (!license.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return;
    }
    const QString text = QString::fromUtf8(license.readAll());
    TextDialog dialog(this, Linguist::tr("AboutZARV"), Linguist::tr("ZarvCopyrightNotice"), text);
    dialog.exec();
}

void AbstractViewWindow::enterMode(int) {}

void AbstractViewWindow::leaveMode(int) {}
