#pragma once

#include "library/common/codes.h"
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
    void deliverEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string());
    void deliverReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string());
    void deliverRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string());

public slots:
    void receiveEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string()) override;
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string()) override;
    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string()) override;

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
