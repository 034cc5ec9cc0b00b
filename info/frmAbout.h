#pragma once

// The About box: logo, freeware line and the support address as a clickable
// label. Modeless and without an owner, so it may outlive the main window; at
// most one exists, and it is destroyed when closed.

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace widgets {
class ClickableLabel;
}

namespace Ui {
class frmAbout;
}

namespace info {
// Help > About: shows the one About box, creating it when none is open.
void showAbout();
} // namespace info

// Tests find its controls by object name (cmdOK, lblEMail, lblFree, Image1).
class frmAbout : public QWidget {
    Q_OBJECT

public:
    // The open About box, created (and tracked as a program window) when none is.
    static frmAbout& instance();
    static frmAbout* current();

    ~frmAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmAbout();
    void cmdOK_Click();
    void lblEMail_Click();

    QPushButton* cmdOK = nullptr;
    widgets::ClickableLabel* lblEMail = nullptr;
    QLabel* lblFree = nullptr;
    QLabel* Image1 = nullptr;

    std::unique_ptr<Ui::frmAbout> ui;
};
