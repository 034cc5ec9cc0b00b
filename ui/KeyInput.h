#pragma once

// Reading key presses the way the number boxes' filters want them.

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace MOD_Universe {

// Makes every text box and list of window ignore Alt plus the access key of
// one of its buttons that is disabled: the key does nothing at all, rather
// than typing its letter into the focused box.
void ignoreDisabledAccessKeys(QWidget& window);

// A number box's key handling: Enter, Escape and Tab pass to the window. A key
// meant as a decimal point (the keypad's decimal key, or the comma where the
// user's locale writes decimals with one) is offered to keyPress as '.' and
// typed as '.' when it stays, since a comma let through would be read as no
// separator at all. Any other typed character is offered to keyPress as its
// code (Ctrl+letter as its control code, Ctrl+V as 22) and dropped when it
// comes back 0. Returns true when the key is dealt with here.
bool filterTypedKey(QLineEdit& box, const QKeyEvent* event, const std::function<void(int& KeyAscii)>& keyPress);

// Runs validate when the focus leaves box for another control; a window
// merely losing activation, or a popup opening, does not count.
void validateOnLeaving(QLineEdit& box, std::function<void(bool& Cancel)> validate);

} // namespace MOD_Universe
