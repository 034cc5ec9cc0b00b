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
// meant as a decimal point (the keypad's decimal key, or the comma where the
// user's locale writes decimals with one) is offered to keyPress as '.' and
// typed as '.' when accepted, since a comma let through would be read as no
// separator at all. Any other typed character is offered to keyPress as its
// code (Ctrl+letter as its control code, Ctrl+V as 22) and dropped unless
// accepted. Returns true when the key is dealt with here.
bool filterTypedKey(QLineEdit& box, const QKeyEvent* event, const std::function<bool(int KeyAscii)>& keyPress);

// Whether key is the shortcut of a command of menus, sub-menus included: a
// window lets such a key pass its text boxes, which have shortcuts of their own.
bool isMenuShortcut(const QMenuBar& menus, const QKeyEvent& key);

// Runs validate when the focus leaves box for another control; a window
// merely losing activation, or a popup opening, does not count. The focus is
// never held back.
void validateOnLeaving(QLineEdit& box, std::function<void()> validate);

} // namespace widgets
