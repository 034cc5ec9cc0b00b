#pragma once

// The preview of an import: every proposed change with a tick box, nothing
// written. Updates come ticked, new countries not; a change of more than 25 %
// carries a warning sign. Import returns the ticked changes; Cancel, Escape or
// the close box return nothing. It opens centred, sized for twenty rows where
// the screen has room, and reopens at the size the user last gave it.

#include "ratefiles/RateImportPlan.h"
#include "maintenance/TickTable.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidgetItem;

namespace Ui {
class frmImportRates;
}

class frmImportRates : public QDialog {
    Q_OBJECT

public:
    // Columns of tblChanges; the tick box sits in the country's cell.
    enum Column { ColCountry, ColUnit, ColCurrent, ColCurrentDate, ColNew, ColNewDate, ColChange, ColMatch, ColCount };

    frmImportRates(const MOD_Data::RateFile& file, const MOD_Data::ImportPlan& plan, QWidget* parent = nullptr);
    ~frmImportRates() override;

    // The plan's changes with the ticks as they stand, and only the ticked ones.
    std::vector<MOD_Data::RateChange> changes() const;
    std::vector<MOD_Data::RateChange> tickedChanges() const;

    MOD_Universe::TickTable* tblChanges = nullptr;
    QPushButton* cmdTickAll = nullptr;
    QPushButton* cmdUntickAll = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;

    void cmdTickAll_Click();
    void cmdUntickAll_Click();
    void cmdImport_Click();
    void cmdCancel_Click();
    void tblChanges_ItemChanged(QTableWidgetItem* item);

    void done(int r) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTable();
    void updateCount();
    void setAllTicked(bool ticked);
    QSize preferredSize() const;

    std::unique_ptr<Ui::frmImportRates> ui;
    std::vector<MOD_Data::RateChange> changes_;
    QSize shownSize_;  // saved again only when the user changed it
};

// The first rows left out, and how many more there are: a file of thousands
// must not make a box or a label taller than the screen.
QStringList firstSkipped(const QStringList& skipped);

// Shows the preview modal over owner. Returns the ticked changes (at least one:
// Import is enabled only while one is ticked), or nothing when cancelled.
std::optional<std::vector<MOD_Data::RateChange>> showImportRates(QWidget* owner, const MOD_Data::RateFile& file,
                                                                 const MOD_Data::ImportPlan& plan);
