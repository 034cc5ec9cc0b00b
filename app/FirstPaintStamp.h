#pragma once

// For the start-up benchmark: prints the wall-clock time of a window's first
// paint once, as "tallyvane-painted-ns N", from the event loop after the paint
// is done. Header-only, so that the benchmark's bare Qt window prints the same
// line without linking the application.

#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdio>

class FirstPaintStamp : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] {
                std::printf("tallyvane-painted-ns %lld\n", static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::system_clock::now().time_since_epoch()).count()));
                std::fflush(stdout);
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }
};
