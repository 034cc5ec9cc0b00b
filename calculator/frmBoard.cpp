#include "calculator/frmBoard.h"
#include "ui_frmBoard.h"

#include "calculator/frmHUD.h"
#include "data/Rates.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"
#include "widgets/Placement.h"
#include "widgets/Printing.h"
#include "widgets/UserSettings.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

QPointer<frmBoard> s_board;

const QString SettingsGroup = u"RateBoard"_s;
const QString KeyFullScreen = u"FullScreen"_s;
const QString KeyScreen = u"Screen"_s;

// Long enough to read a page of rates from across the counter.
constexpr int PageMilliseconds = 8000;
// Printed, the board is a notice on paper rather than a screen across a counter.
constexpr qreal PrintPoints = 14.0;

enum Column { ColCountry, ColCurrency, ColBuy, ColSell, ColumnCount };

QScreen* screenNamed(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

QFont withPoints(QFont font, qreal points)
{
    font.setPointSizeF(points);
    return font;
}

using RowTexts = std::array<QString, ColumnCount>;

RowTexts lineTexts(const calculator::BoardLine& line)
{
    return {line.country, line.currency, line.weBuy, line.weSell};
}

bool isRate(int column)
{
    return column == ColBuy || column == ColSell;
}

void fillPrintRow(QTextTable& table, int row, const RowTexts& texts, const QTextCharFormat& format)
{
    for (int column = 0; column < ColumnCount; ++column) {
        QTextCursor cell = table.cellAt(row, column).firstCursorPosition();
        if (isRate(column)) {
            QTextBlockFormat right;
            right.setAlignment(Qt::AlignRight);
            cell.setBlockFormat(right);
        }
        cell.insertText(texts[column], format);
    }
}

} // namespace

namespace calculator {

void showRateBoard(frmHUD& hud)
{
    if (frmBoard* open = frmBoard::current()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* board = new frmBoard(&hud);
    board->setCommission(hud.commissionText());
    QObject::connect(&hud, &frmHUD::commissionChanged, board, &frmBoard::setCommission);
    board->refresh();
    board->showAsLastShown();
}

} // namespace calculator

frmBoard::frmBoard(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , ui(std::make_unique<Ui::frmBoard>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    layout()->setMenuBar(ui->mnuBar);
    tmrPage = new QTimer(this);
    tmrPage->setObjectName(u"tmrPage"_s);
    tmrPage->setInterval(PageMilliseconds);
    setUpFonts();
    setUpTable();
    connectMenus();
    connect(tmrPage, &QTimer::timeout, this, &frmBoard::tmrPage_Timer);
    connect(&data::Rates::instance(), &data::Rates::ratesChanged, this, &frmBoard::refresh);
    s_board = this;
}

frmBoard::~frmBoard()
{
    savePlacement();
}

frmBoard* frmBoard::current()
{
    return s_board;
}

// Rates read across a counter: never below RatePoints, larger when the
// desktop's own type is large; the commission line is as large as the rates.
void frmBoard::setUpFonts()
{
    const qreal desktop = QFontInfo(font()).pointSizeF();
    const qreal points = std::max(RatePoints, desktop * 2);
    const QFont large = withPoints(font(), points);
    ui->tblRates->setFont(large);
    QFont commission = large;
    commission.setBold(true);
    ui->lblCommission->setFont(commission);
    // Headings and the day are read once, not from every row: smaller, so
    // that the rates keep the room.
    const QFont small = withPoints(font(), std::max(points * 2 / 3, desktop));
    QFont header = small;
    header.setBold(true);
    ui->tblRates->horizontalHeader()->setFont(header);
    ui->lblOldest->setFont(small);
}

void frmBoard::setUpTable()
{
    QHeaderView* header = ui->tblRates->horizontalHeader();
    // Names take what the rates leave, wrapping rather than scrolling sideways.
    header->setSectionResizeMode(ColCountry, QHeaderView::Stretch);
    header->setSectionResizeMode(ColCurrency, QHeaderView::Stretch);
    header->setSectionResizeMode(ColBuy, QHeaderView::Fixed);
    header->setSectionResizeMode(ColSell, QHeaderView::Fixed);
    header->setHighlightSections(false);
    // A display: no cell is current, so none is framed as chosen.
    ui->tblRates->setFocusPolicy(Qt::NoFocus);
    fitRateColumns();
    ui->tblRates->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Headings stand over their figures: names from the left, rates from the right.
    for (int column = 0; column < ColumnCount; ++column)
        ui->tblRates->horizontalHeaderItem(column)->setTextAlignment(
            (isRate(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void frmBoard::connectMenus()
{
    const std::pair<QAction*, void (frmBoard::*)()> commands[] = {
        {ui->mnuFilePrint, &frmBoard::mnuFilePrint_Click},
        {ui->mnuFileFullScreen, &frmBoard::mnuFileFullScreen_Click},
        {ui->mnuFileClose, &frmBoard::mnuFileClose_Click},
    };
    for (const auto& [action, handler] : commands) {
        connect(action, &QAction::triggered, this, handler);
        // The menu bar is hidden in full screen; the shortcuts must still work.
        addAction(action);
    }
}

void frmBoard::setCommission(const QString& percentText)
{
    commission_ = percentText;
    showCommission();
}

void frmBoard::refresh()
{
    widgets::runGuarded(
        [this] {
            const data::Rates& rates = data::Rates::instance();
            lines_ = calculator::boardLines(rates.allRates());
            minimum_ = rates.minimumCommission();
        },
        [this](long number, const QString& description) {
            // Customers must not go on reading rates that may be gone.
            lines_.clear();
            minimum_ = {};
            widgets::reportFailure(tr("The rate board could not read the rates."), number, description);
        });
    showLines();
    showCommission();
}

void frmBoard::showLines()
{
    QTableWidget* table = ui->tblRates;
    table->setUpdatesEnabled(false);
    // Sized once when filled, not again for every cell set.
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    table->clearContents();
    table->setRowCount(int(lines_.size()));
    for (int row = 0; row < int(lines_.size()); ++row) {
        const RowTexts texts = lineTexts(lines_[row]);
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (isRate(column))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    fitRateColumns();
    rows->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setUpdatesEnabled(true);
    ui->lblOldest->setText(calculator::oldestRateLine(calculator::oldestDay(lines_)));
    ui->lblOldest->setVisible(!ui->lblOldest->text().isEmpty());
}

// The widest rate or heading, and a gap that keeps the two columns apart.
void frmBoard::fitRateColumns()
{
    const QAbstractItemView* view = ui->tblRates;  // its size hints are public there
    QHeaderView* header = ui->tblRates->horizontalHeader();
    const int gap = ui->tblRates->fontMetrics().averageCharWidth();
    for (const int column : {ColBuy, ColSell})
        header->resizeSection(column, std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column)) + gap);
}

void frmBoard::showCommission()
{
    ui->lblCommission->setText(calculator::commissionLine(commission_, minimum_));
    ui->lblCommission->setVisible(!ui->lblCommission->text().isEmpty());
}

void frmBoard::showAsLastShown()
{
    const widgets::UserSettings settings(SettingsGroup);
    QScreen* screen = screenNamed(settings.value(KeyScreen).toString());
    if (!screen)
        screen = widgets::workScreen(*this);
    // The window must belong to that screen before it is placed and shown.
    setScreen(screen);
    resize(defaultSize(*screen));
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    if (settings.value(KeyFullScreen).toBool())
        showFullScreen();
    else
        show();
}

// As much of the screen as the rates need, leaving room for a frame.
QSize frmBoard::defaultSize(const QScreen& screen) const
{
    const QSize room = screen.availableGeometry().size() * 9 / 10;
    const QTableWidget* table = ui->tblRates;
    const QAbstractItemView* view = table;  // its size hints are public there
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        width += std::max(view->sizeHintForColumn(column), table->horizontalHeader()->sectionSizeHint(column));
    const int rows = table->rowCount() > 0 ? table->rowCount() * view->sizeHintForRow(0) : 0;
    const int height = sizeHint().height() - table->sizeHint().height() + table->horizontalHeader()->sizeHint().height()
        + rows + 2 * table->frameWidth();
    return QSize(std::min(std::max(width, sizeHint().width()), room.width()),
                 std::min(std::max(height, sizeHint().height()), room.height()));
}

void frmBoard::savePlacement() const
{
    widgets::UserSettings settings(SettingsGroup);
    settings.setValue(KeyFullScreen, isFullScreen());
    if (const QScreen* shownOn = screen())
        settings.setValue(KeyScreen, shownOn->name());
}

void frmBoard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    tmrPage->start();
}

void frmBoard::hideEvent(QHideEvent* event)
{
    tmrPage->stop();
    savePlacement();
    QWidget::hideEvent(event);
}

void frmBoard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The window manager may end full screen itself; the menu follows either way.
    const bool full = isFullScreen();
    ui->mnuFileFullScreen->setChecked(full);
    ui->mnuBar->setVisible(!full);
    if (isVisible())
        savePlacement();
}

void frmBoard::mnuFileFullScreen_Click()
{
    // On the screen the board is on now: the window system keeps it there.
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void frmBoard::mnuFileClose_Click()
{
    close();
}

// The next page of rows, and back to the first after the last.
void frmBoard::tmrPage_Timer()
{
    QScrollBar* bar = ui->tblRates->verticalScrollBar();
    if (bar->maximum() <= 0)
        return;
    bar->setValue(bar->value() >= bar->maximum() ? 0 : std::min(bar->value() + bar->pageStep(), bar->maximum()));
}

void frmBoard::mnuFilePrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!widgets::choosePrinter(this, printer))
        return;
    QTextDocument document;
    fillPrintDocument(document);
    const QString error = widgets::printDocument(document, printer);
    if (!error.isEmpty()) {
        widgets::MsgBox(error + u"\r\n"_s + tr("The rate board was not printed."), widgets::MsgBoxButtons::OK,
                        widgets::MsgBoxIcon::Exclamation);
    }
}

void frmBoard::fillPrintDocument(QTextDocument& document) const
{
    document.setDefaultFont(withPoints(font(), PrintPoints));
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    if (!ui->lblCommission->text().isEmpty())
        cursor.insertText(ui->lblCommission->text(), bold);
    QTextTableFormat format;
    format.setHeaderRowCount(1);  // repeated on every page
    format.setCellPadding(6);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* table = cursor.insertTable(int(lines_.size()) + 1, ColumnCount, format);
    RowTexts header;
    for (int column = 0; column < ColumnCount; ++column)
        header[column] = ui->tblRates->horizontalHeaderItem(column)->text();
    fillPrintRow(*table, 0, header, bold);
    for (int row = 0; row < int(lines_.size()); ++row)
        fillPrintRow(*table, row + 1, lineTexts(lines_[row]), {});
    cursor.movePosition(QTextCursor::End);
    if (!ui->lblOldest->text().isEmpty()) {
        cursor.insertBlock();
        cursor.insertText(ui->lblOldest->text());
    }
}
