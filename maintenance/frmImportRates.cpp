#include "maintenance/frmImportRates.h"
#include "ui_frmImportRates.h"

#include "data/NumberForm.h"
#include "widgets/Placement.h"
#include "widgets/RateFileWords.h"
#include "widgets/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QStyle>

using namespace Qt::StringLiterals;
using ratefiles::MatchKind;
using ratefiles::RateChange;

static_assert(frmImportRates::ColCountry == widgets::TickTable::TickColumn);

namespace {

constexpr int PreferredRows = 20;
constexpr int MinimumRows = 4;

// The user's size for the preview, in a group of its own beside the defaults.
const QString PreviewGroup = u"ImportPreview"_s;
const QString SizeKey = u"Size"_s;

QString rateText(double rate)
{
    return data::shownNumber(rate);
}

QString changeText(const RateChange& change)
{
    const std::optional<double> percent = change.changePercent();
    if (!percent)
        //: In the Change column: a country the table does not have yet.
        return frmImportRates::tr("new");
    //: A change in percent: %1 the signed figure, as +5.00 or -0.25.
    return frmImportRates::tr("%1 %").arg(data::shownForm(QString::asprintf("%+.2f", *percent)));
}

QString matchText(const RateChange& change)
{
    switch (change.match) {
    //: In the Matched by column: the file's row has the table's country name.
    case MatchKind::Name:
        return frmImportRates::tr("Name");
    //: In the Matched by column: %1 a currency code, %2 the file's country of that currency.
    case MatchKind::Currency:
        return frmImportRates::tr("Currency %1 (%2)")
            .arg(change.currencyCode, widgets::territoryWord(change.fileCountry));
    //: In the Matched by column: %1 the file's name for the table's country.
    case MatchKind::Country:
        return frmImportRates::tr("Same country (%1)").arg(widgets::territoryWord(change.fileCountry));
    case MatchKind::New:
        return frmImportRates::tr("New country");
    }
    return {};
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(align);
    return item;
}

} // namespace

frmImportRates::frmImportRates(const ratefiles::RateFile& file, const ratefiles::ImportPlan& plan, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmImportRates>())
    , changes_(plan.changes)
{
    ui->setupUi(this);
    tblChanges = ui->tblChanges;
    cmdTickAll = ui->cmdTickAll;
    cmdUntickAll = ui->cmdUntickAll;
    cmdImport = ui->cmdImport;
    cmdCancel = ui->cmdCancel;

    // The labels have no accessible names of their own, so a screen reader reads their text.
    //: %1 the file's name, %2 its kind.
    ui->lblFile->setText(
        tr("File: %1, %2").arg(QDir::toNativeSeparators(QFileInfo(file.path).fileName()), widgets::formatName(file.format)));
    const QString period = widgets::periodText(file);
    //: %1 a day or a period of days.
    ui->lblPeriod->setText(period.isEmpty() ? tr("Rates as of the date given on each row")
                                            : tr("Rates of %1").arg(period));
    ui->lblSkipped->setVisible(!plan.skipped.isEmpty());
    //: Above the rows of the file that were not taken, one a line.
    ui->lblSkipped->setText(tr("Left out:") + u'\n' + maintenance::firstSkipped(plan.skipped).join(u'\n'));

    fillTable();

    connect(tblChanges, &QTableWidget::itemChanged, this, &frmImportRates::tblChanges_ItemChanged);
    connect(cmdTickAll, &QPushButton::clicked, this, &frmImportRates::cmdTickAll_Click);
    connect(cmdUntickAll, &QPushButton::clicked, this, &frmImportRates::cmdUntickAll_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmImportRates::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImportRates::cmdCancel_Click);
    updateCount();

    const int rowHeight = tblChanges->verticalHeader()->defaultSectionSize();
    tblChanges->setMinimumHeight(tblChanges->horizontalHeader()->sizeHint().height() + MinimumRows * rowHeight
                                 + 2 * tblChanges->frameWidth());
    const QSize saved = widgets::UserSettings(PreviewGroup).value(SizeKey).toSize();
    resize((saved.isEmpty() ? preferredSize() : saved).boundedTo(widgets::largestOnScreen(*this)));
    widgets::centreOnScreenWhenShown(*this);
}

frmImportRates::~frmImportRates() = default;

void frmImportRates::fillTable()
{
    tblChanges->setColumnCount(ColCount);
    tblChanges->setHorizontalHeaderLabels({
        tr("Country"),
        //: Column header: the currency's name.
        tr("Unit"),
        tr("Current rate"),
        //: Column header: the day the current rate was set.
        tr("Rate of"),
        tr("New rate"),
        //: Column header: the day the new rate is of.
        tr("New rate of"),
        //: Column header: the change from the current rate to the new one, in percent.
        tr("Change"),
        //: Column header: how the file's row was found for the table's country.
        tr("Matched by"),
    });
    tblChanges->setRowCount(static_cast<int>(changes_.size()));
    tblChanges->verticalHeader()->setVisible(false);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    const QSignalBlocker blocker(tblChanges);
    for (int row = 0; row < tblChanges->rowCount(); ++row) {
        const RateChange& change = changes_[static_cast<std::size_t>(row)];
        auto* country = cell(change.country);
        country->setFlags(country->flags() | Qt::ItemIsUserCheckable);
        country->setCheckState(change.ticked ? Qt::Checked : Qt::Unchecked);
        tblChanges->setItem(row, ColCountry, country);
        tblChanges->setItem(row, ColUnit, cell(change.unit));
        tblChanges->setItem(row, ColCurrent, cell(change.isNew() ? QString() : rateText(change.currentRate), right));
        tblChanges->setItem(row, ColCurrentDate, cell(widgets::dateText(change.currentDate)));
        tblChanges->setItem(row, ColNew, cell(rateText(change.newRate), right));
        tblChanges->setItem(row, ColNewDate, cell(widgets::dateText(change.newDate)));
        auto* percent = cell(changeText(change), right);
        if (change.bigChange()) {
            // Marked by a sign and weight, not by colour alone.
            percent->setIcon(warning);
            QFont bold = percent->font();
            bold.setBold(true);
            percent->setFont(bold);
            const QString why = tr("Changes by more than 25 %: look twice.");
            percent->setToolTip(why);
            //: What a screen reader says for a marked change: the change, then the warning.
            percent->setData(Qt::AccessibleTextRole, tr("%1, %2").arg(changeText(change), why));
        }
        tblChanges->setItem(row, ColChange, percent);
        tblChanges->setItem(row, ColMatch, cell(matchText(change)));
    }
    // Measured on the first rows only: a file of thousands of rows opens at once.
    tblChanges->horizontalHeader()->setResizeContentsPrecision(200);
    tblChanges->resizeColumnsToContents();
    tblChanges->horizontalHeader()->setStretchLastSection(true);
}

QSize frmImportRates::preferredSize() const
{
    // Every column and twenty rows, the rest of the dialog as its layout asks.
    const QHeaderView* header = tblChanges->horizontalHeader();
    int width = 2 * tblChanges->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tblChanges);
    for (int c = 0; c < ColCount; ++c)
        width += tblChanges->columnWidth(c);
    const int height = 2 * tblChanges->frameWidth() + header->sizeHint().height()
        + PreferredRows * tblChanges->verticalHeader()->defaultSectionSize();
    const QSize asked = layout()->sizeHint();
    const QSize table = layout()->itemAt(layout()->indexOf(tblChanges))->sizeHint();
    const QMargins margins = layout()->contentsMargins();
    return {qMin(qMax(asked.width(), width + margins.left() + margins.right()), 80 * fontMetrics().height()),
            asked.height() - table.height() + height};
}

void frmImportRates::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shownSize_ = size();
}

void frmImportRates::done(int r)
{
    if (isVisible() && size() != shownSize_) {
        widgets::UserSettings(PreviewGroup).setValue(SizeKey, size());
    }
    QDialog::done(r);
}

std::vector<RateChange> frmImportRates::changes() const
{
    // The table is never sorted: row i shows changes_[i].
    std::vector<RateChange> out = changes_;
    for (int row = 0; row < tblChanges->rowCount(); ++row)
        out[static_cast<std::size_t>(row)].ticked = tblChanges->isTicked(row);
    return out;
}

std::vector<RateChange> frmImportRates::tickedChanges() const
{
    std::vector<RateChange> out;
    for (RateChange& change : changes()) {
        if (change.ticked)
            out.push_back(std::move(change));
    }
    return out;
}

void frmImportRates::cmdTickAll_Click()
{
    setAllTicked(true);
}

void frmImportRates::cmdUntickAll_Click()
{
    setAllTicked(false);
}

void frmImportRates::setAllTicked(bool ticked)
{
    tblChanges->setAllTicked(ticked);
    updateCount();
}

void frmImportRates::cmdImport_Click()
{
    if (!tickedChanges().empty())
        accept();
}

void frmImportRates::cmdCancel_Click()
{
    reject();
}

void frmImportRates::tblChanges_ItemChanged(QTableWidgetItem* item)
{
    if (item && item->column() == ColCountry)
        updateCount();
}

void frmImportRates::updateCount()
{
    int ticked = 0;
    for (int row = 0; row < tblChanges->rowCount(); ++row)
        ticked += tblChanges->isTicked(row) ? 1 : 0;
    //: %n rows ticked of %1 rows in all.
    ui->lblCount->setText(tr("%n of %1 ticked", nullptr, ticked).arg(tblChanges->rowCount()));
    cmdImport->setEnabled(ticked > 0);
}

namespace maintenance {

QStringList firstSkipped(const QStringList& skipped)
{
    constexpr qsizetype MostShown = 10;
    QStringList lines = skipped.mid(0, MostShown);
    if (skipped.size() > MostShown)
        lines << QCoreApplication::translate("ImportExport", "... and %n more.", nullptr,
                                             int(skipped.size() - MostShown));
    return lines;
}

std::optional<std::vector<RateChange>> showImportRates(QWidget* owner, const ratefiles::RateFile& file,
                                                       const ratefiles::ImportPlan& plan)
{
    QPointer<frmImportRates> dialog = new frmImportRates(file, plan, owner);
    const int result = dialog->exec();
    std::optional<std::vector<RateChange>> ticked;
    if (dialog && result == QDialog::Accepted)
        ticked = dialog->tickedChanges();
    delete dialog;
    return ticked;
}

} // namespace maintenance
