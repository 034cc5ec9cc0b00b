#pragma once

class QWidget;

namespace MOD_Universe {

// The first time window is shown, centres it, frame included, on the screen
// the user works on: the main window's when there is one, else the primary.
void centreOnScreenWhenShown(QWidget& window);

} // namespace MOD_Universe
