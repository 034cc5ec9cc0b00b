#pragma once

// The program ends when its last window has gone: the main window, the closing
// splash and the About box each outlive the others in some route.

class QWidget;

namespace widgets {

// Windows whose end may end the program: when the last of them is gone after
// start-up, the event loop quits.
void trackWindow(QWidget* window);

} // namespace widgets
