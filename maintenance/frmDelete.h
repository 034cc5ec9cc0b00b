#pragma once

// The Delete Rates and Edit Rates dialog: one window for both commands. The
// list shows every country; choosing one copies its row into the three boxes.
// The action button, cmdDel, deletes that row (caption "&Delete") or writes the
// boxes back into it (caption "&Save"); the menu handler sets the caption and
// MOD_Universe::blnEditMode before showing it.

#include <QDialog>

#include <memory>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class frmDelete;
}

class frmDelete : public QDialog {
    Q_OBJECT

public:
    // Builds the window from its design and loads it (the list is filled).
    explicit frmDelete(QWidget* parent = nullptr);
    ~frmDelete() override;

    QListWidget* lstCountries = nullptr;
    QLineEdit* txtCountry = nullptr;
    QLineEdit* txtDenom = nullptr;
    QLineEdit* txtExRate = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdFinished = nullptr;

    void lstCountries_Click();
    // The three boxes share their Click and Change handling.
    void txtBox_Click();
    void txtBox_Change();
    void txtDenom_Validate(bool& Cancel);
    void cmdDel_Click();
    void cmdFinished_Click();

    // Every way of closing (Finished, the close box, Escape) ends here.
    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(bool& Cancel, int UnloadMode);
    void LoadCountryList();
    void UpdateDelButton();
    void DeleteRate();
    void SaveRate();
    void applyDesignMetrics();

    std::unique_ptr<Ui::frmDelete> ui;
    // Country of the row last chosen in the list, as it was read then; empty
    // when nothing has been chosen since opening or since the list was refilled.
    std::optional<QString> selectedCountry_;
    bool unloaded_ = false;
};
