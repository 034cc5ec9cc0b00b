#include "app/KeyInput.h"

#include <QKeyEvent>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace MOD_Universe {

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

bool isKeypadDecimal(const QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::KeypadModifier))
        return false;
    return event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma
        || event->text() == u"."_s || event->text() == u","_s;
}

bool typesDecimalPoint(const QKeyEvent* event)
{
    if (isKeypadDecimal(event))
        return true;
    const auto mods = event->modifiers() & ~Qt::ShiftModifier;
    return mods == Qt::NoModifier && event->text() == u","_s && QLocale().decimalPoint() == u","_s;
}

} // namespace MOD_Universe
