#pragma once

#include "library/common/codes.h"
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

// The main tree-view pane of a window.
class AbstractMainPaneTreeView : public AbstractPaneTreeView
{
    Q_OBJECT

public:
    explicit AbstractMainPaneTreeView(QWidget* parent);
};
