#pragma once

// The main window. Start-up (app::Start) creates it, has its lists filled,
// restores the saved countries and commission and shows it; closing it by any
// route announces closing() and then unloading(), which start-up connects to
// closing the database (and showing the farewell splash) and to saving the
// settings. Its File menu opens the maintenance dialogs (maintenance/), its
// Help menu the links and the About box (info/); every handler of the window
// is defined in frmHUD.cpp and calls the function the other folder offers.
// Its lists follow the rates: every change data::Rates announces refills them,
// and so does the closing of a rate dialog.
//
// Other parts of the program reach the window only through the few accessors
// below; tests find its controls by object name (lstCountries_0, txtCom, ...).

#include "calculator/Exchange.h"
#include "calculator/Pricing.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class FigureLabel;
class QAction;
class QDate;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace calculator {
class HeadOfficeLine;
}

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

    // Index 0 is the Convert From side, 1 the Convert To side.
    // The country chosen on a side, empty when none is.
    QString selectedCountry(int Index) const;
    // The entries of a side's list, in the order shown.
    QStringList countryEntries(int Index) const;
    // Refills both lists from the rates table; nothing is chosen afterwards and
    // no choice is reported, so the boxes keep their text.
    void fillCountryLists();
    // Chooses entry row of a side as the user would, which looks its row up.
    void chooseCountryRow(int Index, int row);

    QString commissionText() const;
    void setCommissionText(const QString& text);

    // The rate box's tooltip and the line under it name the day the side's
    // rate is of, the line marking it old; an invalid date removes the tooltip.
    void setRateDate(int Index, const QDate& date);

    // Refills both country lists from the rates table and chooses again, by
    // exact name, the country each side had chosen, so its boxes show that row
    // as it stands now. A side whose country is gone is left unchosen with its
    // boxes emptied. The result figures stay only if neither side's country
    // nor rate changed.
    void refillKeepingSelection();

    // Runs the closing steps once, also when the application quits without a
    // close request (session end).
    void unloadOnce();

Q_SIGNALS:
    // The closing steps, announced once whatever the route: closing() first
    // (Form_QueryUnload), then unloading() (Form_Unload), while the window
    // still shows what was chosen.
    void closing();
    void unloading();
    // The commission box's text changed (the rate board shows it).
    void commissionChanged(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmHUD();
    // The constructor's phases.
    void findControls();
    void sizeControls();
    void reserveCaptionHeight();
    void connectControls();
    void connectMenus();

    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();

    void lstCountries_Click(int Index);
    void txtDenomination_Click(int Index);
    void txtExchangeRate_Click(int Index);
    // Whether the box takes a typed character.
    bool txtConvert_KeyPress(int KeyAscii);
    bool txtCom_KeyPress(int KeyAscii);
    void txtConvert_Change();
    void txtCom_Validate();
    void cmdCalculate_Click();
    void cmdExit_Click();

    void mnuFileAddRates_Click();
    void mnuFileEditRates_Click();
    void mnuFileDeleteRates_Click();
    void mnuFileUpdateRates_Click();
    void mnuFileImportRates_Click();
    void mnuFileExportRates_Click();
    void mnuFileRateBoard_Click();
    void mnuFileSettings_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuHelpURL_Click();
    void mnuHelpCommunity_Click();
    void mnuHelpEMail_Click();
    void mnuHelpRatesRevenue_Click();
    void mnuHelpRatesRate_Click();

    // A File menu command that shows a rate dialog: the lists wait until it
    // has closed, then show the table as it stands, written to or not (another
    // copy of the program may have changed it).
    void runRateDialog(bool (*show)(QWidget&));
    // data::Rates changed the table: refill, unless a rate dialog is open.
    void refreshFromRates();

    void UpdateCalculateButton();

    // The journal's commands (frmHUDDeals.cpp): Record beside Calculate and
    // their File and Help menu items, added before the window takes its size.
    void addDealCommands();
    // Record is enabled only while the figures shown come from the current
    // inputs and price a deal a till may record.
    void UpdateRecordButton();
    void cmdRecord_Click();
    void mnuFileReprintReceipt_Click();
    void mnuFileVoidLastDeal_Click();
    void mnuFileDaysDeals_Click();
    void mnuHelpCheckJournal_Click();
    void CalculateExchange();
    void showFigures(const calculator::ExchangeResult& result);
    // The lines of what the till pays out, shown only for a target currency
    // with a smallest note and a total above 0.
    void showPaymentLines(bool shown);
    calculator::ExchangeInputs exchangeInputs() const;
    // What the till sets beyond the six texts: the margins and smallest note
    // of the rows the sides show, and the minimum commission last read.
    calculator::DealTerms dealTerms() const;
    // Reads the minimum commission afresh; false, having reported why, when it cannot.
    bool readMinimumCommission();
    // Under a side's rate box, the rate the deal uses there: the box's rate
    // with the margin of that side's row. Nothing for the pound or a margin of 0.
    void showDealRate(int Index);
    // Empties the figures once any input or term differs from those they were
    // computed from, so a till never reads a total beside other inputs.
    void inputsChanged();
    void clearFigures();
    void clearSide(int Index);
    // The rate box's accessible description: the lines under it.
    void describeRateBox(int Index);
    bool filterNumericKey(QLineEdit* box, QKeyEvent* event);

    std::unique_ptr<Ui::frmHUD> ui;
    std::array<QListWidget*, 2> lstCountries{};
    std::array<QLineEdit*, 2> txtDenomination{};
    std::array<QLineEdit*, 2> txtExchangeRate{};
    std::array<QLabel*, 2> lblRateDate{};  // the rate's date, marked when old
    QLineEdit* txtConvert = nullptr;
    QLineEdit* txtCom = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdRecord = nullptr;
    QAction* mnuFileRecordDeal = nullptr;
    FigureLabel* lblExRes = nullptr;
    FigureLabel* lblComRes = nullptr;
    FigureLabel* lblTotalRes = nullptr;
    FigureLabel* lblPaidOutRes = nullptr;
    FigureLabel* lblPaidInPoundsRes = nullptr;
    std::array<QLabel*, 2> lblDealRate{};
    // The buy margin of the Convert From row and the sell margin of the
    // Convert To row; the smallest note of the Convert To row.
    std::array<double, 2> margin_{};
    data::Money smallestNote_;
    data::Money minimum_;
    QString minimumCaption_;  // "Commission (minimum):" in the lines the caption's width holds
    bool unloaded_ = false;
    // What the figures shown were computed from; none while they are empty.
    struct Priced {
        calculator::ExchangeInputs inputs;
        calculator::DealTerms terms;
    };
    std::optional<Priced> figuresFrom_;
    bool refilling_ = false;
    bool rateDialogOpen_ = false;
    calculator::HeadOfficeLine* headOffice_ = nullptr;
};
