#include "widgets/Placement.h"

#include "widgets/EventHook.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace widgets {

QScreen* workScreen(const QWidget& window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        // The program's one main window; found by kind, so that the dialogs'
        // helpers stand below the window that uses them.
        if (top != &window && qobject_cast<QMainWindow*>(top))
            screen = top->screen();
    }
    return screen;
}

void centreOnScreenWhenShown(QWidget& window)
{
    hookEvents(window, [&window](QEvent* event) {
        if (event->type() != QEvent::Show)
            return HookResult{};
        // The frame is known once the window exists, so this runs at the show.
        if (const QScreen* screen = workScreen(window)) {
            QRect frame = window.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window.move(frame.topLeft());
        }
        return HookResult{false, true};
    });
}

QSize largestOnScreen(const QWidget& window)
{
    const QScreen* screen = workScreen(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                   window.geometry().top() - window.frameGeometry().top(),
                   window.frameGeometry().right() - window.geometry().right(),
                   window.frameGeometry().bottom() - window.geometry().bottom());
    if (frame.isNull()) {
        // No frame yet before the first show: leave room for a title bar and borders.
        const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
        const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        frame = QMargins(border, title + border, border, border);
    }
    return screen->availableGeometry().size().shrunkBy(frame);
}

int widthForTitle(const QWidget& window)
{
    QFont bold = window.font();
    bold.setBold(true);
    const int box = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    // The icon and three boxes, and as much again for the gaps between them
    // and the title's own padding, which window managers draw wider than Qt's.
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 5 * box;
}

} // namespace widgets
