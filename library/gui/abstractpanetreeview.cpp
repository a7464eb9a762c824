#include "library/gui/abstractpanetreeview.h"

AbstractPaneTreeView::AbstractPaneTreeView(QWidget* parent)
    : QTreeView(parent)
    , m_parent(parent)
{}

AbstractPaneTreeView::~AbstractPaneTreeView() = default;

QUENLARK_BUS_IGNORING_RECEIVE_SLOTS(AbstractPaneTreeView)

AbstractMainPaneTreeView::AbstractMainPaneTreeView(QWidget* parent)
    : AbstractPaneTreeView(parent)
{}
