#pragma once

// The Delete Rates and Edit Rates dialog: one window for both commands. The
// list shows every country; choosing one copies its row into the three boxes.
// The action button, cmdDel, deletes that row (caption "&Delete") or writes the
// boxes back into it (caption "&Save"), as the mode the command made the
// dialog with says. Tests find its controls by object name (lstCountries,
// txtCountry, cmdDel, ...).

#include "maintenance/RateDialog.h"
#include "maintenance/RateTerms.h"

#include <memory>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class frmDelete;
}

class frmDelete : public maintenance::RateDialog {
    Q_OBJECT

public:
    // The command that opens the dialog: Delete Rates or Edit Rates.
    enum class Mode { Delete, Edit };

    // Builds the window from its design for mode and loads it (the list is filled).
    explicit frmDelete(Mode mode, QWidget* parent = nullptr);
    ~frmDelete() override;

    Mode mode() const { return mode_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void lstCountries_Click();
    // The three boxes share their Click and Change handling.
    void txtBox_Click();
    void txtBox_Change();
    void cmdDel_Click();
    void LoadCountryList();
    void UpdateDelButton();
    void DeleteRate();
    void SaveRate();
    void addTerms();
    void applyDesignMetrics();

    const Mode mode_;
    std::unique_ptr<Ui::frmDelete> ui;
    // Edit only: the code, margins and smallest note of the chosen row.
    maintenance::TermBoxes terms_{};
    // Country of the row last chosen in the list, as it was read then; empty
    // when nothing has been chosen since opening or since the list was refilled.
    std::optional<QString> selectedCountry_;
};
