#include "app/WindowStacking.h"

#include <QWidget>

namespace app {

void SetAlwaysOnTop(QWidget& window)
{
    const bool wasVisible = window.isVisible();
    const QRect geometry = window.geometry();
    // Changing the flags of a shown window hides it; put it back where it was.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible) {
        window.setGeometry(geometry);
        window.show();
    }
}

} // namespace app
