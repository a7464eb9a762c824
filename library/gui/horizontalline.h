#pragma once

class QFrame;
class QWidget;

namespace utils {

// The raised horizontal line that dialogs put between their content and
// their buttons (at least 10 pixels high).
QFrame* CreateHorizontalLine(QWidget* parent);

}  // namespace utils
