#pragma once

// The Add Rates dialog: a country, its unit and its rate are appended to the
// rates table, one per Save, unless the table holds that country already.

#include <QDialog>

#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class frmAddExchange;
}

class frmAddExchange : public QDialog {
    Q_OBJECT

public:
    // Builds the window from its design and loads it.
    explicit frmAddExchange(QWidget* parent = nullptr);
    ~frmAddExchange() override;

    QLineEdit* txtCountry = nullptr;
    QLineEdit* txtDenom = nullptr;
    QLineEdit* txtExRate = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdFinished = nullptr;

    void txtDenom_Validate(bool& Cancel);
    void txtExRate_KeyPress(int& KeyAscii);
    void cmdSave_Click();
    void cmdFinished_Click();

    // Every way of closing (Finished, the close box, Escape) ends here.
    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(bool& Cancel, int UnloadMode);
    void UpdateSaveButton();
    void SaveNewRate();
    void applyDesignMetrics();
    bool filterRateKey(QKeyEvent* event);

    std::unique_ptr<Ui::frmAddExchange> ui;
    bool unloaded_ = false;
};
