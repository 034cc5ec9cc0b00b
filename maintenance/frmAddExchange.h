#pragma once

// The Add Rates dialog: a country, its unit and its rate are appended to the
// rates table, one per Save, unless the table holds that country already.
// Tests find its controls by object name (txtCountry, cmdSave, ...).

#include "maintenance/RateDialog.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class frmAddExchange;
}

class frmAddExchange : public maintenance::RateDialog {
    Q_OBJECT

public:
    // Builds the window from its design and loads it.
    explicit frmAddExchange(QWidget* parent = nullptr);
    ~frmAddExchange() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Whether the rate box takes a typed character.
    bool txtExRate_KeyPress(int KeyAscii);
    void cmdSave_Click();
    void UpdateSaveButton();
    void SaveNewRate();
    void applyDesignMetrics();

    std::unique_ptr<Ui::frmAddExchange> ui;
};
