// Prints the main window's fixed size as "WIDTH HEIGHT", so the bare window of
// the start-up benchmark (bench/startup.sh) matches it on the same display.

#include "app/Universe.h"
#include "calculator/frmHUD.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app::initApplication(app);
    const QSize size = frmHUD::instance().size();
    std::printf("%d %d\n", size.width(), size.height());
    delete &frmHUD::instance();
    return 0;
}
