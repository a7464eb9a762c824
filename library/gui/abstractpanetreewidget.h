#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"

#include <QTreeWidget>

#include <string>

// A tree pane of a browser or key window.
// Panes speak to their window through signals and slots of their own; the
// bus interface gives them the common type of a component, and nothing
// connects a pane to the bus.
class AbstractPaneTreeWidget : public QTreeWidget, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractPaneTreeWidget(QWidget* parent);
    ~AbstractPaneTreeWidget() override;

    // The selected item when exactly one is selected, otherwise null.
    QTreeWidgetItem* getSelectedTreeWidgetItem() const;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    QUENLARK_BUS_RECEIVE_SLOTS

protected:
    QWidget* const m_parent;  // not owned; also the Qt parent
};

// The main tree pane of a browser window (its messages).
class AbstractMainPaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    explicit AbstractMainPaneTreeWidget(QWidget* parent);
};

// The side tree pane of a browser window (its folders or groups).
class AbstractSidePaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    explicit AbstractSidePaneTreeWidget(QWidget* parent);
};
