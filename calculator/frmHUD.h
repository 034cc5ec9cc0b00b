#pragma once

// The main window. Start-up (MOD_Universe::Main) creates it, has its lists
// filled, restores the saved countries and commission and shows it; closing it
// by any route closes the database, shows the farewell splash and saves the
// settings. Its File menu opens the maintenance dialogs, its Help menu the links
// and the About box; those handlers live beside the dialogs they open.

#include <QMainWindow>

#include <array>
#include <memory>

class FigureLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class frmHUD;
}

class frmHUD : public QMainWindow {
    Q_OBJECT

public:
    // The one main window, created (and loaded) on first touch.
    static frmHUD& instance();
    static bool isLoaded();

    ~frmHUD() override;

    // Controls other parts of the program work with; index 0 is the
    // Convert From side, 1 the Convert To side.
    std::array<QListWidget*, 2> lstCountries{};
    std::array<QLineEdit*, 2> txtDenomination{};
    std::array<QLineEdit*, 2> txtExchangeRate{};
    QLineEdit* txtConvert = nullptr;
    QLineEdit* txtCom = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdExit = nullptr;
    FigureLabel* lblExRes = nullptr;
    FigureLabel* lblComRes = nullptr;
    FigureLabel* lblTotalRes = nullptr;

    void lstCountries_Click(int Index);
    void txtDenomination_Click(int Index);
    void txtExchangeRate_Click(int Index);
    void txtConvert_KeyPress(int& KeyAscii);
    void txtCom_KeyPress(int& KeyAscii);
    void txtConvert_Change();
    void txtCom_Validate(bool& Cancel);
    void cmdCalculate_Click();
    void cmdExit_Click();

    void mnuFileExit_Click();
    // Defined with the dialogs they open (maintenance/, info/).
    void mnuFileAddRates_Click();
    void mnuFileEditRates_Click();
    void mnuFileDeleteRates_Click();
    void mnuHelpAbout_Click();
    void mnuHelpURL_Click();
    void mnuHelpCommunity_Click();
    void mnuHelpEMail_Click();
    void mnuHelpRatesRevenue_Click();
    void mnuHelpRatesRate_Click();

    // Refills both country lists from the rates table and chooses again, by
    // exact name, the country each side had chosen, so its boxes show that row
    // as it stands now. A side whose country is gone is left unchosen with its
    // boxes emptied. The result figures are not touched.
    void refillKeepingSelection();

    // Runs the closing steps once, also when the application quits without a
    // close request (session end).
    void unloadOnce();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmHUD();

    void Form_Load();
    void Form_QueryUnload(bool& Cancel, int UnloadMode);
    void Form_Unload(bool& Cancel);
    void UpdateCalculateButton();
    void CalculateExchange();
    void clearSide(int Index);
    bool filterNumericKey(QLineEdit* box, QKeyEvent* event);

    std::unique_ptr<Ui::frmHUD> ui;
    bool unloaded_ = false;
};
