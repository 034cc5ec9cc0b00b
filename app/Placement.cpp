#include "app/Placement.h"

#include "app/EventHook.h"
#include "calculator/frmHUD.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace MOD_Universe {

void centreOnScreenWhenShown(QWidget& window)
{
    hookEvents(window, [&window](QEvent* event) {
        if (event->type() != QEvent::Show)
            return HookResult{};
        // The frame is known once the window exists, so this runs at the show.
        const QScreen* screen = frmHUD::isLoaded() && &window != &frmHUD::instance()
            ? frmHUD::instance().screen()
            : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = window.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window.move(frame.topLeft());
        }
        return HookResult{false, true};
    });
}

} // namespace MOD_Universe
