#pragma once

class QScreen;
class QSize;
class QWidget;

namespace widgets {

// The screen the user works on: the main window's when there is one, else the
// primary.
QScreen* workScreen(const QWidget& window);

// The first time window is shown, centres it, frame included, on workScreen.
void centreOnScreenWhenShown(QWidget& window);

// The largest size window may take so that it fits, frame included, in the
// available area of workScreen.
QSize largestOnScreen(const QWidget& window);

// The width window needs for the window manager to show its whole title, not
// shortened: bold, as title bars draw it, beside the icon and the three boxes.
int widthForTitle(const QWidget& window);

} // namespace widgets
