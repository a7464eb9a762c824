#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"

#include <QTreeView>

#include <string>

// A tree-view pane of a window.
// Panes speak to their window through signals and slots of their own; the
// bus interface gives them the common type of a component, and nothing
// connects a pane to the bus.
class AbstractPaneTreeView : public QTreeView, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractPaneTreeView(QWidget* parent);
    ~AbstractPaneTreeView() override;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    QUENLARK_BUS_RECEIVE_SLOTS

protected:
    QWidget* const m_parent;  // not owned; also the Qt parent
};

// The main tree-view pane of a window.
class AbstractMainPaneTreeView : public AbstractPaneTreeView
{
    Q_OBJECT

public:
    explicit AbstractMainPaneTreeView(QWidget* parent);
};
