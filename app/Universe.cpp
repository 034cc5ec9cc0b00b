#include "app/Universe.h"

#include "app/Database.h"
#include "app/FirstPaintStamp.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "calculator/DealRecording.h"
#include "calculator/frmHUD.h"
#include "data/NumberForm.h"
#include "widgets/LastWindow.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

static void initTallyvaneResources()
{
    // The pictures live in a static library, whose resource registration the
    // linker would otherwise drop.
    Q_INIT_RESOURCE(tallyvane);
}

namespace app {

void initApplication(QApplication& app)
{
    initTallyvaneResources();
    QCoreApplication::setOrganizationName(u"Tallyvane"_s);
    QCoreApplication::setApplicationName(u"Tallyvane"_s);
    QGuiApplication::setApplicationDisplayName(QString());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.fernwicksoftware.Tallyvane"));
    // Ready-made sizes: rendering the SVG at start-up costs time and memory.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(u":/tallyvane/icon-%1.png"_s.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // English, whatever the desktop's language, until Main chooses the language.
    app::loadTranslations({});
    QSettings::setDefaultFormat(QSettings::IniFormat);
    // The splash and the About box outlive the main window; trackWindow decides the end.
    app.setQuitOnLastWindowClosed(false);
}

namespace {

// Closing the window closes the database (and shows the farewell splash), then
// saves the settings, which read the window. Start may run again over a window
// that has closed but is not yet deleted: it keeps one of each step.
void connectClosingSteps(frmHUD& hud)
{
    static QMetaObject::Connection closing;
    static QMetaObject::Connection unloading;
    QObject::disconnect(closing);
    QObject::disconnect(unloading);
    closing = QObject::connect(&hud, &frmHUD::closing, &hud, &CloseDatabase);
    unloading = QObject::connect(&hud, &frmHUD::unloading, &hud, &SaveSettings);
}

} // namespace

bool Start()
{
    if (!OpenDatabase())
        return false;
    frmHUD& hud = frmHUD::instance();
    connectClosingSteps(hud);
    hud.fillCountryLists();
    const SavedSettings saved = LoadSettings();
    hud.move(reachablePosition(saved.position, hud.frameGeometry().size()));
    if (!saved.fromCountry.isEmpty())
        SelectCountry(saved.fromCountry, 0);
    if (!saved.toCountry.isEmpty())
        SelectCountry(saved.toCountry, 1);
    hud.setCommissionText(data::shownNumber(saved.commission));
    widgets::trackWindow(&hud);
    if (qEnvironmentVariableIsSet("TALLYVANE_STARTUP_TIMESTAMP"))
        hud.installEventFilter(new FirstPaintStamp(&hud));
    hud.show();
    // Once the window is up: a plain warning, and the program goes on.
    QTimer::singleShot(0, &hud, [] { calculator::checkJournal(frmHUD::isLoaded() ? &frmHUD::instance() : nullptr, true); });
    return true;
}

void closeForTerminationSignal()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        // A dialog's exec() runs inside the main window's menu handler: closing
        // the window now would delete it under that handler. Cancel the dialog
        // (a Yes/No box answers No) and come back once its loop has returned.
        // done() rather than reject(): a session that is ending cannot wait for
        // the dialog's own question about a typed entry.
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        QTimer::singleShot(10, qApp, &closeForTerminationSignal);
        return;
    }
    if (frmHUD::isLoaded())
        frmHUD::instance().close();
    else
        QCoreApplication::quit();
}

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

// A logout or system shutdown that sends SIGTERM (or SIGHUP, or Ctrl+C in a
// terminal) closes the main window the ordinary way, so the settings are saved.
void closeOnTerminationSignals(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
        closeForTerminationSignal();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &action, nullptr);
}

} // namespace

int Main(int argc, char* argv[])
{
    const CommandLine command = readCommandLine(argc, argv);
    if (command.action != CommandLine::Action::Window)
        prepareWindowlessRun();
    QApplication app(argc, argv);
    initApplication(app);
    if (command.action != CommandLine::Action::Window) {
        app::loadTranslations(QLocale().uiLanguages());
        return runCommandLine(command);
    }
    // Before any window: the desktop's languages.
    app::loadTranslations(QLocale().uiLanguages());
    closeOnTerminationSignals(app);
    // A session ending without a close request still closes the database and saves.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] {
        if (frmHUD::isLoaded())
            frmHUD::instance().unloadOnce();
    });
    if (!Start())
        return 0;
    return app.exec();
}

} // namespace app
