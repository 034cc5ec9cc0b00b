#pragma once

// The farewell window: the logo, borderless and on top, for two seconds after
// the database has closed. Clicks and keys do nothing; it closes itself.

#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class frmSplash;
}

class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int ShowMilliseconds = 2000;

    // How long the next splash stays; tests shorten it.
    static void setInterval(int milliseconds);

    // Creates the one splash window if needed and shows it.
    static void showSplash();
    static frmSplash* current();

    ~frmSplash() override;

private:
    frmSplash();
    void Form_Load();
    void T1_Timer();

    std::unique_ptr<Ui::frmSplash> ui;
    QTimer* T1 = nullptr;  // object name "T1"
};
