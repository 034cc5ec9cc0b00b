#pragma once

class QWidget;

namespace AOT_MOD {

// Keeps window above all ordinary windows, without moving or resizing it. The
// window manager may refuse; nothing is reported then.
void SetAlwaysOnTop(QWidget& window);

} // namespace AOT_MOD
