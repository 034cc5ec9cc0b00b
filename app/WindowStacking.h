#pragma once

class QWidget;

namespace app {

// Keeps window above all ordinary windows, without moving or resizing it. The
// window manager may refuse; nothing is reported then.
void SetAlwaysOnTop(QWidget& window);

} // namespace app
