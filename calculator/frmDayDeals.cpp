#include "calculator/frmDayDeals.h"

#include "calculator/DealRecording.h"
#include "calculator/Receipt.h"
#include "data/DbError.h"
#include "data/NumberForm.h"
#include "data/Rates.h"
#include "ratefiles/RateFile.h"
#include "widgets/FileDialog.h"
#include "widgets/MsgBox.h"
#include "widgets/Printing.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

void fillTable(QTableWidget& table, const std::vector<QStringList>& rows)
{
    table.setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            table.setItem(r, c, new QTableWidgetItem(rows[r][c]));
    table.resizeColumnsToContents();
    QHeaderView& header = *table.horizontalHeader();
    if (header.stretchLastSection()) {
        // Sizing to the contents ends the stretch until it is set again.
        header.setStretchLastSection(false);
        header.setStretchLastSection(true);
    }
}

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& captions)
{
    auto* table = new QTableWidget(0, int(captions.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    return table;
}

void sayFault(const QString& firstLine, const QString& reason)
{
    widgets::MsgBox(firstLine + u"\n\n"_s + reason, widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
}

} // namespace

frmDayDeals::frmDayDeals(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmDayDeals"_s);
    setWindowTitle(tr("Day's Deals"));
    buildControls();
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().lineSpacing() * 32);
}

void frmDayDeals::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    dtpDay = new QDateEdit(QDate::currentDate(), this);
    dtpDay->setObjectName(u"dtpDay"_s);
    dtpDay->setCalendarPopup(true);
    dtpDay->setMaximumDate(QDate::currentDate());
    top->addRow(tr("&Day:"), dtpDay);
    layout->addLayout(top);
    tblCurrencies = makeTable(this, u"tblCurrencies"_s, currencyCaptions());
    layout->addWidget(tblCurrencies);
    tblEntries = makeTable(this, u"tblEntries"_s, {tr("Number"), tr("Time"), tr("Entry"), tr("Till"), tr("Details")});
    tblEntries->horizontalHeader()->setStretchLastSection(true);
    tblEntries->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblEntries->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(tblEntries, 1);

    auto* amountRow = new QHBoxLayout;
    cboCurrency = new QComboBox(this);
    cboCurrency->setObjectName(u"cboCurrency"_s);
    cboCurrency->setEditable(true);
    txtAmount = new QLineEdit(this);
    txtAmount->setObjectName(u"txtAmount"_s);
    auto* currencyCaption = new QLabel(tr("C&urrency:"), this);
    currencyCaption->setBuddy(cboCurrency);
    auto* amountCaption = new QLabel(tr("&Amount:"), this);
    amountCaption->setBuddy(txtAmount);
    auto* cmdFloat = new QPushButton(tr("Record &Float"), this);
    cmdFloat->setObjectName(u"cmdFloat"_s);
    auto* cmdCount = new QPushButton(tr("Record C&ount"), this);
    cmdCount->setObjectName(u"cmdCount"_s);
    // Enter in the amount box must not record a float or a count unasked.
    for (QPushButton* b : {cmdFloat, cmdCount})
        b->setAutoDefault(false);
    cboCurrency->setMinimumContentsLength(8);
    for (QWidget* w :
         std::initializer_list<QWidget*>{currencyCaption, cboCurrency, amountCaption, txtAmount, cmdFloat, cmdCount})
        amountRow->addWidget(w);
    layout->addLayout(amountRow);

    addButtonRow(*layout);

    connect(dtpDay, &QDateEdit::dateChanged, this, &frmDayDeals::showDay);
    connect(cmdFloat, &QPushButton::clicked, this, [this] { recordAmount(data::EntryKind::Float); });
    connect(cmdCount, &QPushButton::clicked, this, [this] { recordAmount(data::EntryKind::Count); });
}

// The row of the day's commands: print, PDF, CSV, void and Close.
void frmDayDeals::addButtonRow(QVBoxLayout& layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* cmdPrint = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    auto* cmdPdf = buttons->addButton(tr("&Save as PDF..."), QDialogButtonBox::ActionRole);
    auto* cmdCsv = buttons->addButton(tr("&Export CSV..."), QDialogButtonBox::ActionRole);
    cmdVoid = buttons->addButton(tr("&Void Deal..."), QDialogButtonBox::ActionRole);
    cmdVoid->setObjectName(u"cmdVoid"_s);
    cmdVoid->setEnabled(false);
    cmdPrint->setObjectName(u"cmdPrint"_s);
    cmdPdf->setObjectName(u"cmdSavePdf"_s);
    cmdCsv->setObjectName(u"cmdExportCsv"_s);
    for (QPushButton* b : {cmdPrint, cmdPdf, cmdCsv, cmdVoid})
        b->setAutoDefault(false);
    layout.addWidget(buttons);
    connect(tblEntries, &QTableWidget::itemSelectionChanged, this, &frmDayDeals::updateVoidButton);
    connect(cmdVoid, &QPushButton::clicked, this, &frmDayDeals::cmdVoid_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDayDeals::cmdPrint_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &frmDayDeals::cmdSavePdf_Click);
    connect(cmdCsv, &QPushButton::clicked, this, &frmDayDeals::cmdExportCsv_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmDayDeals::showDay(QDate day)
{
    if (dtpDay->date() != day) {
        dtpDay->setDate(day); // comes back here through dateChanged
        return;
    }
    try {
        report_ = readDayReport(dealJournal(), day);
    } catch (const data::DbError& e) {
        report_ = DayReport{day, {}, {}};
        sayFault(tr("The journal could not be read."), e.Description());
    }
    refresh();
}

void frmDayDeals::refresh()
{
    std::vector<QStringList> rows;
    QStringList keys;
    for (const data::CurrencyDay& c : report_.currencies) {
        rows.push_back(currencyCells(c));
        keys << c.currency;
    }
    fillTable(*tblCurrencies, rows);
    widenForCurrencies();
    rows.clear();
    for (const data::JournalEntry& e : report_.entries)
        rows.push_back({receiptNumber(e.number), QLocale().toString(e.time.time(), QLocale::ShortFormat),
                        entryKindText(e), e.till, entryText(e)});
    fillTable(*tblEntries, rows);
    updateVoidButton();
    try {
        for (const data::RateRow& row : data::Rates::instance().allRates())
            keys << data::currencyKey(row.country, row.code);
    } catch (const data::DbError&) {
        // Without the rates, the day's own currencies are offered.
    }
    keys.removeDuplicates();
    keys.sort();
    const QString current = cboCurrency->currentText();
    cboCurrency->clear();
    cboCurrency->addItems(keys);
    cboCurrency->setCurrentText(current);
}

// Wide enough to show every column of the close, as far as the screen allows.
void frmDayDeals::widenForCurrencies()
{
    const int needed = tblCurrencies->horizontalHeader()->length() + 2 * tblCurrencies->frameWidth()
        + tblCurrencies->verticalScrollBar()->sizeHint().width() + layout()->contentsMargins().left()
        + layout()->contentsMargins().right();
    const QScreen* screen = this->screen();
    const int most = screen ? screen->availableGeometry().width() * 9 / 10 : needed;
    if (width() < needed)
        resize(std::min(needed, most), height());
}

void frmDayDeals::recordAmount(data::EntryKind kind)
{
    const QString currency = cboCurrency->currentText().trimmed();
    const auto point = data::pointFormOf(txtAmount->text().trimmed());
    const auto amount = point ? data::Money::fromText(*point) : std::nullopt;
    if (currency.isEmpty() || !amount || *amount < data::Money()) {
        sayFault(tr("Nothing was recorded."),
                 tr("Choose a currency and type an amount of 0 or more with at most two decimals."));
        return;
    }
    if (dtpDay->date() != QDate::currentDate()) {
        sayFault(tr("Nothing was recorded."), tr("A float or a count is recorded for today only."));
        return;
    }
    try {
        data::Journal& journal = dealJournal();
        kind == data::EntryKind::Float ? journal.recordFloat(currency, *amount)
                                       : journal.recordCount(currency, *amount);
        txtAmount->clear();
    } catch (const data::DbError& e) {
        sayFault(tr("Nothing was recorded."), e.Description());
    }
    showDay(dtpDay->date());
}

// The chosen row's entry when it is one of today's deals not voided yet;
// an earlier day's close is settled, and a void or a float is no deal.
const data::JournalEntry* frmDayDeals::voidableEntry() const
{
    const int row = tblEntries->currentRow();
    if (report_.day != QDate::currentDate() || row < 0 || row >= int(report_.entries.size())
        || tblEntries->selectedItems().isEmpty())
        return nullptr;
    const data::JournalEntry& chosen = report_.entries[size_t(row)];
    if (chosen.kind != data::EntryKind::Deal)
        return nullptr;
    for (const data::JournalEntry& e : report_.entries)
        if (e.kind == data::EntryKind::Void && e.voids == chosen.number)
            return nullptr;
    return &chosen;
}

void frmDayDeals::updateVoidButton()
{
    cmdVoid->setEnabled(voidableEntry() != nullptr);
}

void frmDayDeals::cmdVoid_Click()
{
    const data::JournalEntry* chosen = voidableEntry();
    if (!chosen)
        return;
    const data::JournalEntry deal = *chosen; // the report is read again below
    if (voidDeal(*this, deal, tr("Void Deal")))
        showDay(report_.day);
}

void frmDayDeals::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Deals of %1").arg(report_.day.toString(Qt::ISODate)));
    printer.setPageLayout(dayPageLayout());
    if (!widgets::choosePrinter(this, printer))
        return;
    const QString fault = widgets::printDocument(*dayDocument(report_), printer);
    if (!fault.isEmpty())
        sayFault(tr("The day was not printed."), fault);
}

// A file to write, asked for with its suggested name; empty when cancelled
// or when the cashier would not replace the file there.
QString frmDayDeals::targetFile(const QString& title, const QString& name, const QString& filter, const QString& suffix)
{
    QString path = widgets::saveFileName(this, {title, QDir::home().filePath(name), filter});
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir())
        path += suffix;
    if (QFileInfo(path).isFile()
        && widgets::MsgBox(tr("%1 already exists.").arg(ratefiles::fileLabel(path)) + u"\r\n"_s
                               + tr("Do you want to replace it?"),
                           widgets::MsgBoxButtons::YesNo, widgets::MsgBoxIcon::Exclamation, title)
            != widgets::MsgBoxResult::Yes)
        return {};
    return path;
}

void frmDayDeals::cmdSavePdf_Click()
{
    const QString path = targetFile(tr("Save as PDF"), tr("Deals %1.pdf").arg(report_.day.toString(Qt::ISODate)),
                                    tr("PDF files (*.pdf)"), u".pdf"_s);
    if (path.isEmpty())
        return;
    const QString fault = writeDayPdf(path, report_);
    if (!fault.isEmpty())
        sayFault(tr("The PDF was not saved."), fault);
}

void frmDayDeals::cmdExportCsv_Click()
{
    const QString path = targetFile(tr("Export CSV"), tr("Deals %1.csv").arg(report_.day.toString(Qt::ISODate)),
                                    tr("CSV files (*.csv)"), u".csv"_s);
    if (path.isEmpty())
        return;
    const QString fault = writeDayCsv(path, report_);
    if (!fault.isEmpty())
        sayFault(tr("The CSV file was not saved."), fault);
}

void showDayDeals(QWidget& owner)
{
    frmDayDeals dialog(&owner);
    dialog.showDay(QDate::currentDate());
    dialog.exec();
}

} // namespace calculator
