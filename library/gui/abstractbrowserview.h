#pragma once

// Every browser window: a side pane of entry points on the left and a main
// pane with the contents of the chosen entry on the right, in one horizontal
// splitter that fills the window. Everything else belongs to the derived
// window.

#include "library/gui/abstractviewwindow.h"

#include <QSplitter>

template <typename MainPane, typename SidePane>
class AbstractBrowserView : public AbstractViewWindow
{
public:
    explicit AbstractBrowserView(QWidget* parent)
        : AbstractViewWindow(parent)
        , m_mainPane(new MainPane(this))
        , m_sidePane(new SidePane(this))
        , m_splitter(new QSplitter(Qt::Horizontal))
    {
        m_splitter->addWidget(m_sidePane);
        m_splitter->addWidget(m_mainPane);
        // Extra width goes to the main pane; the side pane keeps its size.
        m_splitter->setStretchFactor(1, 1);
        setCentralWidget(m_splitter);
    }

protected:
    MainPane* m_mainPane;
    SidePane* m_sidePane;
    QSplitter* m_splitter;
};
