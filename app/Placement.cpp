#include "app/Placement.h"

#include "calculator/frmHUD.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace MOD_Universe {

namespace {

class CentreOnFirstShow : public QObject {
public:
    explicit CentreOnFirstShow(QWidget& window)
        : QObject(&window)
        , window_(window)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_ || event->type() != QEvent::Show)
            return false;
        // The frame is known once the window exists, so this runs at the show.
        const QScreen* screen = frmHUD::isLoaded() && &window_ != &frmHUD::instance()
            ? frmHUD::instance().screen()
            : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = window_.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window_.move(frame.topLeft());
        }
        window_.removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void centreOnScreenWhenShown(QWidget& window)
{
    window.installEventFilter(new CentreOnFirstShow(window));
}

} // namespace MOD_Universe
