#pragma once

// The preview of an import: every proposed change with a tick box, nothing
// written. Updates come ticked, new countries not; a change of more than 25 %
// carries a warning sign. Import returns the ticked changes; Cancel, Escape or
// the close box return nothing. It opens centred, sized for twenty rows where
// the screen has room, and reopens at the size the user last gave it.

#include "widgets/TickTable.h"
#include "ratefiles/RateImportPlan.h"

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

    frmImportRates(const ratefiles::RateFile& file, const ratefiles::ImportPlan& plan, QWidget* parent = nullptr);
    ~frmImportRates() override;

    // The plan's changes with the ticks as they stand, and only the ticked ones.
    std::vector<ratefiles::RateChange> changes() const;
    std::vector<ratefiles::RateChange> tickedChanges() const;

    widgets::TickTable* tblChanges = nullptr;
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
    std::vector<ratefiles::RateChange> changes_;
    QSize shownSize_;  // saved again only when the user changed it
};

namespace maintenance {

// The first rows left out, and how many more there are: a file of thousands
// must not make a box or a label taller than the screen.
QStringList firstSkipped(const QStringList& skipped);

// Shows the preview modal over owner. Returns the ticked changes (at least one:
// Import is enabled only while one is ticked), or nothing when cancelled.
std::optional<std::vector<ratefiles::RateChange>> showImportRates(QWidget* owner, const ratefiles::RateFile& file,
                                                                 const ratefiles::ImportPlan& plan);

} // namespace maintenance
