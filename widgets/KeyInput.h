#pragma once

// Reading key presses the way the number boxes' filters want them.

#include <functional>

class QKeyEvent;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace widgets {

// Makes every text box and list of window ignore Alt plus the access key of
// one of its buttons that is disabled: the key does nothing at all, rather
// than typing its letter into the focused box.
void ignoreDisabledAccessKeys(QWidget& window);

// A number box's key handling: Enter, Escape and Tab pass to the window. A key
// meant as the decimal mark (the keypad's decimal key, the user's mark, or the
// comma where that mark is not a point) is offered to keyPress as '.' and,
// when accepted, types the user's mark. Where the mark is not a point, a typed
// point types nothing. Any other typed character is offered to keyPress as its
// code (Ctrl+letter as its control code, Ctrl+V as 22) and dropped unless
// accepted. Returns true when the key is dealt with here.
bool filterTypedKey(QLineEdit& box, const QKeyEvent* event, const std::function<bool(int KeyAscii)>& keyPress);

// The decimal keys of a box that filters nothing else: where the user's mark
// is not a point, the comma and the keypad's decimal key type the mark and a
// point types nothing; where it is a point, the box is left as it is.
void takeDecimalMark(QLineEdit& box);

// Whether key is the shortcut of a command of menus, sub-menus included: a
// window lets such a key pass its text boxes, which have shortcuts of their own.
bool isMenuShortcut(const QMenuBar& menus, const QKeyEvent& key);

// Runs validate when the focus leaves box for another control; a window
// merely losing activation, or a popup opening, does not count. The focus is
// never held back.
void validateOnLeaving(QLineEdit& box, std::function<void()> validate);

} // namespace widgets
