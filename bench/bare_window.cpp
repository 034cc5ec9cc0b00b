// The toolkit's floor for the start-up benchmark (bench/startup.sh): a Qt
// Widgets program that only shows an empty window of the given size and prints
// the same first-paint line as Tallyvane does with TALLYVANE_STARTUP_TIMESTAMP.
//
//   bare_window WIDTH HEIGHT

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// As in app/Universe.cpp: stamped from the event loop once the first paint is done.
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    QWidget window;
    window.setFixedSize(width, height);
    window.installEventFilter(new FirstPaintStamp(&window));
    window.show();
    return app.exec();
}
