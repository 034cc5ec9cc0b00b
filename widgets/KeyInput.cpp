#include "widgets/KeyInput.h"

#include "data/NumberForm.h"
#include "widgets/EventHook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace widgets {

namespace {

// The character code a key press delivers, -1 for keys that type nothing
// (arrows, Home, Delete).
int keyAscii(const QKeyEvent* event)
{
    const auto mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && event->key() >= Qt::Key_A
        && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    // Delete is an editing key like the arrows, not a typed character.
    if (event->key() == Qt::Key_Delete)
        return -1;
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

// Keys the dialog itself acts on, which no filter may swallow.
bool isDialogKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// The keypad's decimal key, whatever separator the keyboard layout gives it.
bool isKeypadDecimal(const QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::KeypadModifier))
        return false;
    return event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma
        || event->text() == u"."_s || event->text() == u","_s;
}

// A key meant as the decimal mark: the keypad's, the mark itself, or the
// comma where the user's mark is not a point.
bool typesDecimalMark(const QKeyEvent* event)
{
    if (isKeypadDecimal(event))
        return true;
    const auto mods = event->modifiers() & ~Qt::ShiftModifier;
    const QString text = event->text();
    if (mods != Qt::NoModifier || text.size() != 1)
        return false;
    const QChar mark = data::decimalMark();
    return text.front() == mark || (mark != u'.' && text.front() == u',');
}

// A point typed where the user's mark is not one: no decimal mark, and a
// grouping mark is never wanted, so "1.000" types as a thousand.
bool typesStrayPoint(const QKeyEvent* event)
{
    const auto mods = event->modifiers() & ~Qt::ShiftModifier;
    return mods == Qt::NoModifier && event->text() == u"."_s && !data::marksWithPoint();
}

// Alt plus the access key of one of window's buttons that is disabled.
bool isDisabledAccessKey(const QWidget& window, const QKeyEvent* event)
{
    const auto mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::AltModifier)
        return false;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
    const auto buttons = window.findChildren<QAbstractButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [&pressed](const QAbstractButton* b) {
        return !b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed;
    });
}

// Every command of the menus, sub-menus included.
QList<const QAction*> menuCommands(const QList<QAction*>& actions)
{
    QList<const QAction*> commands;
    for (const QAction* action : actions) {
        commands << action;
        if (const QMenu* menu = action->menu())
            commands << menuCommands(menu->actions());
    }
    return commands;
}

} // namespace

void ignoreDisabledAccessKeys(QWidget& window)
{
    QList<QObject*> targets;
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        targets << box;
    for (QAbstractItemView* list : window.findChildren<QAbstractItemView*>())
        targets << list;
    hookEvents(window, targets, [&window](QEvent* event) {
        return HookResult{event->type() == QEvent::KeyPress
                              && isDisabledAccessKey(window, static_cast<QKeyEvent*>(event)),
                          false};
    });
}

bool filterTypedKey(QLineEdit& box, const QKeyEvent* event, const std::function<bool(int KeyAscii)>& keyPress)
{
    if (isDialogKey(event))
        return false;  // Enter still reaches the default button
    if (typesStrayPoint(event))
        return true;
    if (typesDecimalMark(event)) {
        if (keyPress('.'))
            box.insert(QString(data::decimalMark()));
        return true;
    }
    const int code = keyAscii(event);
    if (code < 0)
        return false;  // navigation and editing keys
    return !keyPress(code);
}

void takeDecimalMark(QLineEdit& box)
{
    hookEvents(box, [&box](QEvent* event) {
        if (event->type() != QEvent::KeyPress || data::marksWithPoint())
            return HookResult{};
        const auto* key = static_cast<QKeyEvent*>(event);
        if (typesStrayPoint(key))
            return HookResult{true};
        if (!typesDecimalMark(key))
            return HookResult{};
        box.insert(QString(data::decimalMark()));
        return HookResult{true};
    });
}

bool isMenuShortcut(const QMenuBar& menus, const QKeyEvent& key)
{
    const QKeySequence pressed(key.keyCombination());
    const QList<const QAction*> commands = menuCommands(menus.actions());
    return std::any_of(commands.begin(), commands.end(), [&pressed](const QAction* action) {
        return !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

void validateOnLeaving(QLineEdit& box, std::function<void()> validate)
{
    hookEvents(box, [validate = std::move(validate)](QEvent* event) {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                validate();
        }
        return HookResult{};
    });
}

} // namespace widgets
