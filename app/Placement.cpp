#include "app/Placement.h"

#include "app/EventHook.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace MOD_Universe {

void centreOnScreenWhenShown(QWidget& window)
{
    hookEvents(window, [&window](QEvent* event) {
        if (event->type() != QEvent::Show)
            return HookResult{};
        // The frame is known once the window exists, so this runs at the show.
        const QScreen* screen = QGuiApplication::primaryScreen();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            // The program's one main window; found by kind, so that the dialogs'
            // helpers stand below the window that uses them.
            if (top != &window && qobject_cast<QMainWindow*>(top))
                screen = top->screen();
        }
        if (screen) {
            QRect frame = window.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window.move(frame.topLeft());
        }
        return HookResult{false, true};
    });
}

} // namespace MOD_Universe
