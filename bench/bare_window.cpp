// The toolkit's floor for the start-up benchmark (bench/startup.sh): a Qt
// Widgets program that only shows an empty window of the given size and prints
// the same first-paint line as Tallyvane does with TALLYVANE_STARTUP_TIMESTAMP.
//
//   bare_window WIDTH HEIGHT

#include "app/FirstPaintStamp.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

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
