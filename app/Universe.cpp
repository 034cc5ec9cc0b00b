#include "app/Universe.h"

#include "calculator/NumberText.h"
#include "calculator/frmHUD.h"
#include "data/Database.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QSettings>

#include <vector>

using namespace Qt::StringLiterals;

static void initTallyvaneResources()
{
    // The pictures live in a static library, whose resource registration the
    // linker would otherwise drop.
    Q_INIT_RESOURCE(tallyvane);
}

namespace MOD_Universe {

QString strConvertTo;
QString strConvertFrom;
double dblCom = 0.0;

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

void initApplication(QApplication& app)
{
    initTallyvaneResources();
    QCoreApplication::setOrganizationName(u"Tallyvane"_s);
    QCoreApplication::setApplicationName(u"Tallyvane"_s);
    QGuiApplication::setApplicationDisplayName(QString());
    QGuiApplication::setDesktopFileName(u"tallyvane"_s);
    QApplication::setWindowIcon(QIcon(u":/tallyvane/icon.svg"_s));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    // The splash and the About box outlive the main window; trackWindow decides the end.
    app.setQuitOnLastWindowClosed(false);
}

bool Start()
{
    if (!MOD_Data::OpenDatabase())
        return false;
    MOD_Data::FillCountryLists();
    LoadSettings();
    frmHUD& hud = frmHUD::instance();
    if (!strConvertTo.isEmpty())
        SelectCountry(strConvertTo, 0);
    if (!strConvertFrom.isEmpty())
        SelectCountry(strConvertFrom, 1);
    hud.txtCom->setText(numberText(dblCom));
    trackWindow(&hud);
    hud.show();
    return true;
}

int Main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    initApplication(app);
    // A session ending without a close request still closes the database and saves.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] {
        if (frmHUD::isLoaded())
            frmHUD::instance().unloadOnce();
    });
    if (!Start())
        return 0;
    return app.exec();
}

} // namespace MOD_Universe
