#include "app/frmSplash.h"
#include "ui_frmSplash.h"

#include "app/WindowStacking.h"
#include "widgets/LastWindow.h"
#include "widgets/Logo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {
frmSplash* s_splash = nullptr;
int s_interval = frmSplash::ShowMilliseconds;
}

void frmSplash::setInterval(int milliseconds)
{
    s_interval = milliseconds;
}

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::frmSplash>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    widgets::showLogo(*ui->imgLogo);
    // The logo is three pixels wider than the window; its right edge is cut off.
    setFixedSize(132, 68);
    T1 = new QTimer(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setSingleShot(true);
    T1->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5% early
    T1->setInterval(s_interval);
    connect(T1, &QTimer::timeout, this, &frmSplash::T1_Timer);
    Form_Load();
}

frmSplash::~frmSplash()
{
    if (s_splash == this)
        s_splash = nullptr;
}

frmSplash* frmSplash::current()
{
    return s_splash;
}

void frmSplash::showSplash()
{
    if (!s_splash) {
        s_splash = new frmSplash;
        widgets::trackWindow(s_splash);
    }
    s_splash->show();
}

void frmSplash::Form_Load()
{
    app::SetAlwaysOnTop(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    T1->start();
}

void frmSplash::T1_Timer()
{
    close();
}
