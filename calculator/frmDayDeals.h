#pragma once

// File > Day's Deals: a day's entries and its close per currency, with the
// opening float and the closing count the cashier enters (each a journal
// entry); the day prints, saves as PDF and exports as CSV.

#include "calculator/DayReport.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

class QVBoxLayout;

namespace calculator {

class frmDayDeals : public QDialog {
    Q_OBJECT

public:
    explicit frmDayDeals(QWidget* parent);
    void showDay(QDate day);

private:
    void buildControls();
    void addButtonRow(QVBoxLayout& layout);
    void refresh();
    void widenForCurrencies();
    void recordAmount(data::EntryKind kind);
    const data::JournalEntry* voidableEntry() const;
    void updateVoidButton();
    void cmdVoid_Click();
    void cmdPrint_Click();
    QString targetFile(const QString& title, const QString& name, const QString& filter, const QString& suffix);
    void cmdSavePdf_Click();
    void cmdExportCsv_Click();

    DayReport report_;
    QDateEdit* dtpDay = nullptr;
    QTableWidget* tblEntries = nullptr;
    QTableWidget* tblCurrencies = nullptr;
    QComboBox* cboCurrency = nullptr;
    QLineEdit* txtAmount = nullptr;
    QPushButton* cmdVoid = nullptr;
};

void showDayDeals(QWidget& owner);

} // namespace calculator
