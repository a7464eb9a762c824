#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"

#include <QListWidget>

#include <string>

// A list pane of a browser or key window.
// Panes speak to their window through signals and slots of their own; the
// bus interface gives them the common type of a component, and nothing
// connects a pane to the bus.
class AbstractPaneListWidget : public QListWidget, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractPaneListWidget(QWidget* parent);
    ~AbstractPaneListWidget() override;

    // The selected item when exactly one is selected, otherwise null.
    QListWidgetItem* getSelectedListWidgetItem() const;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    QUENLARK_BUS_RECEIVE_SLOTS

protected:
    QWidget* const m_parent;  // not owned; also the Qt parent
};

// The main list pane of a browser window (its documents or members).
class AbstractMainPaneListWidget : public AbstractPaneListWidget
{
    Q_OBJECT

public:
    explicit AbstractMainPaneListWidget(QWidget* parent);
};

// The side list pane of a browser window (its shortcuts).
class AbstractSidePaneListWidget : public AbstractPaneListWidget
{
    Q_OBJECT

public:
    explicit AbstractSidePaneListWidget(QWidget* parent);
};
