#include "widgets/LastWindow.h"

#include <QCoreApplication>
#include <QWidget>

#include <vector>

namespace widgets {

namespace {
std::vector<QObject*> trackedWindows;
}

void trackWindow(QWidget* window)
{
    trackedWindows.push_back(window);
    QObject::connect(window, &QObject::destroyed, qApp, [](QObject* gone) {
        std::erase(trackedWindows, gone);
        if (trackedWindows.empty())
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
}

} // namespace widgets
