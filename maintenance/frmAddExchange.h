#pragma once

// The Add Rates dialog: a country, its unit and its rate, with the currency's
// code, margins and smallest note, are appended to the rates table, one per
// Save, unless the table holds that country already.
// Tests find its controls by object name (txtCountry, cmdSave, ...). The
// rate is typed in the user's number form and written in the store's.

#include "maintenance/RateDialog.h"
#include "maintenance/RateTerms.h"

#include <QStringView>

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

    // Every way of closing: with a typed entry in the boxes, asks first
    // whether to save it (Yes saves and closes, No discards, Cancel stays).
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Whether the rate box takes a typed character.
    bool txtExRate_KeyPress(int KeyAscii);
    void cmdSave_Click();
    void UpdateSaveButton();
    // Save's steps; true when the row was written and the boxes emptied.
    bool saveEntry();
    bool SaveNewRate();
    void applyDesignMetrics();

    maintenance::TypedRate typedRate() const;
    bool hasEntry() const;
    bool mayClose();
    QLineEdit* firstEmptyBox() const;
    QStringView boxField(const QLineEdit& box) const;

    std::unique_ptr<Ui::frmAddExchange> ui;
    maintenance::TermBoxes terms_{};
};
