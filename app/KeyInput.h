#pragma once

// Reading key presses the way the number boxes' filters want them.

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace MOD_Universe {

// The character code a key press delivers, -1 for keys that type nothing
// (arrows, Home, Delete). Ctrl+letter gives its control code (Ctrl+V is 22).
int keyAscii(const QKeyEvent* event);

// Keys the dialog itself acts on (Enter, Escape, Tab), which no filter may swallow.
bool isDialogKey(const QKeyEvent* event);

// The keypad's decimal key, whatever separator the keyboard layout gives it.
bool isKeypadDecimal(const QKeyEvent* event);

// A key meant as a decimal point: the keypad's decimal key, or the comma where
// the user's locale writes decimals with one. The number boxes take it as '.',
// since a comma they let through would be read as no separator at all.
bool typesDecimalPoint(const QKeyEvent* event);

// Alt plus the access key of one of window's buttons that is disabled: the key
// does nothing at all, rather than typing its letter into the focused box.
bool isDisabledAccessKey(const QWidget& window, const QKeyEvent* event);

// Makes every text box and list of window ignore such keys.
void ignoreDisabledAccessKeys(QWidget& window);

// A number box's key handling: Enter, Escape and Tab pass to the window; a
// decimal key (typesDecimalPoint) is offered to keyPress as '.' and typed as
// '.' when it stays; any other typed character is offered to keyPress and
// dropped when it comes back 0. Returns true when the key is dealt with here.
bool filterTypedKey(QLineEdit& box, const QKeyEvent* event, const std::function<void(int& KeyAscii)>& keyPress);

// Runs validate when the focus leaves box for another control; a window
// merely losing activation, or a popup opening, does not count.
void validateOnLeaving(QLineEdit& box, std::function<void(bool& Cancel)> validate);

} // namespace MOD_Universe
