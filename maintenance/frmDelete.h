#pragma once

// The Delete Rates and Edit Rates dialog: one window for both commands. The
// list shows every country; choosing one copies its row into the three boxes.
// The action button, cmdDel, deletes that row (caption "&Delete") or writes the
// boxes back into it (caption "&Save"); the command sets the caption and
// MOD_Universe::blnEditMode before showing it. Tests find its controls by
// object name (lstCountries, txtCountry, cmdDel, ...).

#include "maintenance/Maintenance.h"

#include <memory>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class frmDelete;
}

class frmDelete : public MOD_Universe::RateDialog {
    Q_OBJECT

public:
    // Builds the window from its design and loads it (the list is filled).
    explicit frmDelete(QWidget* parent = nullptr);
    ~frmDelete() override;

    // The action button's caption, which tells the two commands apart.
    void setActionCaption(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void lstCountries_Click();
    // The three boxes share their Click and Change handling.
    void txtBox_Click();
    void txtBox_Change();
    void txtDenom_Validate(bool& Cancel);
    void cmdDel_Click();
    void cmdFinished_Click();
    void LoadCountryList();
    void UpdateDelButton();
    void DeleteRate();
    void SaveRate();
    void applyDesignMetrics();

    std::unique_ptr<Ui::frmDelete> ui;
    // Country of the row last chosen in the list, as it was read then; empty
    // when nothing has been chosen since opening or since the list was refilled.
    std::optional<QString> selectedCountry_;
};
