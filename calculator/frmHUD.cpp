#include "calculator/frmHUD.h"
#include "ui_frmHUD.h"

#include "calculator/Exchange.h"
#include "calculator/FigureLabel.h"
#include "calculator/HeadOfficeLine.h"
#include "calculator/RateDateLine.h"
#include "calculator/Pricing.h"
#include "calculator/frmBoard.h"
#include "data/DbError.h"
#include "data/NumberForm.h"
#include "data/NumberText.h"
#include "data/Rates.h"
#include "info/Links.h"
#include "info/frmAbout.h"
#include "maintenance/ImportExport.h"
#include "maintenance/RateCommands.h"
#include "maintenance/frmUpdateRates.h"
#include "maintenance/frmSettings.h"
#include "widgets/CountryList.h"
#include "widgets/Failure.h"
#include "widgets/KeyInput.h"
#include "widgets/MsgBox.h"
#include "widgets/RateFileWords.h"

#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

frmHUD* s_instance = nullptr;

// The filter of the amount and commission boxes: the decimal key (offered as
// '.', typing the user's mark), backspace and whatever reads as a number on
// its own (the digits) are accepted.
bool numericKeyAccepted(int KeyAscii)
{
    if (KeyAscii == '.' || KeyAscii == '\b')
        return true;
    return KeyAscii > 0 && KeyAscii <= 0xFFFF && data::readNumber(QString(QChar(char16_t(KeyAscii)))).ok();
}

} // namespace

frmHUD& frmHUD::instance()
{
    if (!s_instance)
        s_instance = new frmHUD;
    return *s_instance;
}

bool frmHUD::isLoaded()
{
    return s_instance != nullptr;
}

QString frmHUD::selectedCountry(int Index) const
{
    const auto items = lstCountries[Index]->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QStringList frmHUD::countryEntries(int Index) const
{
    QStringList names;
    for (int i = 0; i < lstCountries[Index]->count(); ++i)
        names << lstCountries[Index]->item(i)->text();
    return names;
}

void frmHUD::fillCountryLists()
{
    widgets::FillCountryLists(*lstCountries[0], *lstCountries[1]);
}

void frmHUD::chooseCountryRow(int Index, int row)
{
    lstCountries[Index]->setCurrentRow(row);
}

QString frmHUD::commissionText() const
{
    return txtCom->text();
}

void frmHUD::setCommissionText(const QString& text)
{
    txtCom->setText(text);
}

void frmHUD::setRateDate(int Index, const QDate& date)
{
    //: The tooltip of a rate box: the day the rate was set.
    txtExchangeRate[Index]->setToolTip(date.isValid() ? tr("Rate of %1").arg(widgets::dateText(date)) : QString());
    calculator::showRateDate(*lblRateDate[Index], date, selectedCountry(Index),
                             !txtExchangeRate[Index]->text().isEmpty());
    describeRateBox(Index);
}

frmHUD::frmHUD()
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmHUD>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    findControls();
    sizeControls();
    connectControls();
    connectMenus();
    addDealCommands();
    connect(&data::Rates::instance(), &data::Rates::ratesChanged, this, &frmHUD::refreshFromRates);
    widgets::ignoreDisabledAccessKeys(*this);
    // Head office's line, where there is one, is part of the window's fixed size.
    headOffice_ = new calculator::HeadOfficeLine(*this, {ui->mnuFileAddRates, ui->mnuFileEditRates,
                                                         ui->mnuFileDeleteRates, ui->mnuFileUpdateRates,
                                                         ui->mnuFileImportRates});

    // Fixed border: the layout decides the size once.
    adjustSize();
    setFixedSize(sizeHint());
    lstCountries[0]->setFocus();

    Form_Load();
}

// The control arrays and the captions' buddies.
void frmHUD::findControls()
{
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        lstCountries[i] = findChild<QListWidget*>(u"lstCountries_"_s + n);
        txtDenomination[i] = findChild<QLineEdit*>(u"txtDenomination_"_s + n);
        txtExchangeRate[i] = findChild<QLineEdit*>(u"txtExchangeRate_"_s + n);
        findChild<QLabel*>(u"lblCountry_"_s + n)->setBuddy(lstCountries[i]);
        findChild<QLabel*>(u"lblDenomination_"_s + n)->setBuddy(txtDenomination[i]);
        findChild<QLabel*>(u"lblExchangeRate_"_s + n)->setBuddy(txtExchangeRate[i]);
        lblRateDate[i] = calculator::addRateDateLine(*txtExchangeRate[i], i);
        lblDealRate[i] = findChild<QLabel*>(u"lblDealRate_"_s + n);
    }
    txtConvert = ui->txtConvert;
    txtCom = ui->txtCom;
    cmdCalculate = ui->cmdCalculate;
    cmdExit = ui->cmdExit;
    lblExRes = ui->lblExRes;
    lblComRes = ui->lblComRes;
    lblTotalRes = ui->lblTotalRes;
    lblPaidOutRes = ui->lblPaidOutRes;
    lblPaidInPoundsRes = ui->lblPaidInPoundsRes;
    ui->lblConvert->setBuddy(txtConvert);
    ui->lblCom->setBuddy(txtCom);
    ui->mnuHelpRatesRate->setText(info::ratesSiteMenuCaption());
}

// Sizes follow the font, so the window keeps its proportions on any DPI.
void frmHUD::sizeControls()
{
    const QFontMetrics fm = fontMetrics();
    // Narrow enough that the window fits a 1280-pixel screen at twice the scale: long
    // names elide (tooltip whole), long captions wrap (set in the form), in any language.
    const int boxWidth = fm.averageCharWidth() * 20;
    for (int i = 0; i < 2; ++i) {
        // Long names are elided rather than scrolled sideways.
        lstCountries[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        lstCountries[i]->setUniformItemSizes(true);
        lstCountries[i]->setFixedSize(boxWidth, fm.lineSpacing() * 5 + 2 * lstCountries[i]->frameWidth());
        txtDenomination[i]->setFixedWidth(boxWidth);
        txtExchangeRate[i]->setFixedWidth(boxWidth);
    }
    txtConvert->setMinimumWidth(fm.averageCharWidth() * 18);
    txtCom->setMinimumWidth(fm.averageCharWidth() * 9);
    // The lines only some deals have keep their room, so the fixed window
    // holds them and nothing moves when they come and go.
    for (QWidget* line : {static_cast<QWidget*>(lblDealRate[0]), static_cast<QWidget*>(lblDealRate[1]),
                          static_cast<QWidget*>(ui->lblPaidOut), static_cast<QWidget*>(lblPaidOutRes),
                          static_cast<QWidget*>(ui->lblPaidInPounds), static_cast<QWidget*>(lblPaidInPoundsRes)}) {
        QSizePolicy policy = line->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        line->setSizePolicy(policy);
        line->hide();
    }
    for (QLabel* rate : lblDealRate)
        rate->setMinimumHeight(fm.height());
    reserveCaptionHeight();
}

// The longer form of the commission's caption, which some deals show, broken
// into the lines the captions' column holds, so it never widens the window;
// their height is kept for it.
void frmHUD::reserveCaptionHeight()
{
    QLabel* caption = ui->lblCommission;
    int width = 0;
    for (QLabel* other : {ui->lblExchange, caption, ui->lblTotal, ui->lblPaidOut, ui->lblPaidInPounds}) {
        // The grid would otherwise narrow the others beside a taller one.
        other->setMinimumWidth(other->sizeHint().width());
        width = std::max(width, other->sizeHint().width());
    }
    const QFontMetrics fm = caption->fontMetrics();
    QStringList lines{QString()};
    for (const QString& word : tr("Commission (minimum):").split(u' ')) {
        const QString longer = lines.back().isEmpty() ? word : lines.back() + u' ' + word;
        if (!lines.back().isEmpty() && fm.horizontalAdvance(longer) > width)
            lines << word;
        else
            lines.back() = longer;
    }
    minimumCaption_ = lines.join(u'\n');
    caption->setMinimumHeight(std::max(caption->sizeHint().height(), int(lines.size()) * fm.lineSpacing()));
}

void frmHUD::connectControls()
{
    for (int i = 0; i < 2; ++i) {
        connect(lstCountries[i], &QListWidget::itemSelectionChanged, this, [this, i] { lstCountries_Click(i); });
        widgets::selectFirstOnFirstArrow(*lstCountries[i]);
        txtDenomination[i]->installEventFilter(this);
        txtExchangeRate[i]->installEventFilter(this);
        widgets::takeDecimalMark(*txtExchangeRate[i]);
        connect(txtExchangeRate[i], &QLineEdit::textChanged, this, [this, i] { showDealRate(i); });
    }
    txtConvert->installEventFilter(this);
    txtCom->installEventFilter(this);
    widgets::validateOnLeaving(*txtCom, [this] { txtCom_Validate(); });
    connect(txtConvert, &QLineEdit::textChanged, this, &frmHUD::txtConvert_Change);
    // Rates change by a choice, a refill or by hand: any of them voids the figures.
    for (QLineEdit* box : {txtExchangeRate[0], txtExchangeRate[1], txtCom})
        connect(box, &QLineEdit::textChanged, this, &frmHUD::inputsChanged);
    connect(txtCom, &QLineEdit::textChanged, this, &frmHUD::commissionChanged);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmHUD::cmdCalculate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHUD::cmdExit_Click);
}

void frmHUD::connectMenus()
{
    const std::pair<QAction*, void (frmHUD::*)()> commands[] = {
        {ui->mnuFileAddRates, &frmHUD::mnuFileAddRates_Click},
        {ui->mnuFileEditRates, &frmHUD::mnuFileEditRates_Click},
        {ui->mnuFileDeleteRates, &frmHUD::mnuFileDeleteRates_Click},
        {ui->mnuFileUpdateRates, &frmHUD::mnuFileUpdateRates_Click},
        {ui->mnuFileImportRates, &frmHUD::mnuFileImportRates_Click},
        {ui->mnuFileExportRates, &frmHUD::mnuFileExportRates_Click},
        {ui->mnuFileRateBoard, &frmHUD::mnuFileRateBoard_Click},
        {ui->mnuFileSettings, &frmHUD::mnuFileSettings_Click},
        {ui->mnuFileExit, &frmHUD::mnuFileExit_Click},
        {ui->mnuHelpAbout, &frmHUD::mnuHelpAbout_Click},
        {ui->mnuHelpURL, &frmHUD::mnuHelpURL_Click},
        {ui->mnuHelpCommunity, &frmHUD::mnuHelpCommunity_Click},
        {ui->mnuHelpEMail, &frmHUD::mnuHelpEMail_Click},
        {ui->mnuHelpRatesRevenue, &frmHUD::mnuHelpRatesRevenue_Click},
        {ui->mnuHelpRatesRate, &frmHUD::mnuHelpRatesRate_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
}

frmHUD::~frmHUD()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void frmHUD::Form_Load()
{
    UpdateCalculateButton();
}

void frmHUD::Form_QueryUnload()
{
    Q_EMIT closing();
}

void frmHUD::Form_Unload()
{
    Q_EMIT unloading();
}

void frmHUD::unloadOnce()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_QueryUnload();
    Form_Unload();
}

void frmHUD::closeEvent(QCloseEvent* event)
{
    unloadOnce();
    event->accept();
}

void frmHUD::UpdateCalculateButton()
{
    cmdCalculate->setEnabled(!txtConvert->text().isEmpty() && !txtExchangeRate[0]->text().isEmpty()
                             && !txtExchangeRate[1]->text().isEmpty());
}

void frmHUD::clearSide(int Index)
{
    margin_[Index] = 0.0;
    if (Index == 1)
        smallestNote_ = data::Money();
    txtExchangeRate[Index]->clear();
    txtDenomination[Index]->clear();
    setRateDate(Index, QDate());
    showDealRate(Index);
}

void frmHUD::refillKeepingSelection()
{
    const std::array<QString, 2> chosen{selectedCountry(0), selectedCountry(1)};
    try {
        minimum_ = data::Rates::instance().minimumCommission();
    } catch (const data::DbError&) {
        // Read again, and reported, when a deal is priced.
    }
    {
        // Judged once the sides are chosen again, not on the way through an empty list.
        const QScopedValueRollback refilling(refilling_, true);
        fillCountryLists();
        for (int i = 0; i < 2; ++i) {
            if (chosen[i].isEmpty())
                continue;  // nothing was chosen: the boxes keep what they show
            const auto found = lstCountries[i]->findItems(chosen[i], Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (found.isEmpty()) {
                // Calculate must not pair the old rate with an unchosen side.
                clearSide(i);
                continue;
            }
            if (lstCountries[i]->currentItem() == found.first() && found.first()->isSelected())
                lstCountries_Click(i);  // the lists were not refilled: look the row up again all the same
            else
                lstCountries[i]->setCurrentItem(found.first());
        }
        UpdateCalculateButton();
    }
    inputsChanged();
}

calculator::DealTerms frmHUD::dealTerms() const
{
    return {.buyMargin = margin_[0], .sellMargin = margin_[1], .smallestNote = smallestNote_,
            .minimumCommission = minimum_};
}

calculator::ExchangeInputs frmHUD::exchangeInputs() const
{
    calculator::ExchangeInputs in;
    in.sourceCountry = selectedCountry(0);
    in.targetCountry = selectedCountry(1);
    in.sourceRate = txtExchangeRate[0]->text();
    in.targetRate = txtExchangeRate[1]->text();
    in.amount = txtConvert->text();
    in.commission = txtCom->text();
    return in;
}

void frmHUD::inputsChanged()
{
    if (refilling_ || !figuresFrom_
        || (figuresFrom_->inputs == exchangeInputs() && figuresFrom_->terms == dealTerms()))
        return;
    clearFigures();
}

void frmHUD::clearFigures()
{
    figuresFrom_.reset();
    for (FigureLabel* figure : {lblExRes, lblComRes, lblTotalRes, lblPaidOutRes, lblPaidInPoundsRes})
        figure->setFigure(QString());
    ui->lblCommission->setText(tr("Commission:"));
    showPaymentLines(false);
}

void frmHUD::showDealRate(int Index)
{
    const data::ParsedNumber rate = data::readTyped(txtExchangeRate[Index]->text());
    const double margin = margin_[Index];
    QString text;
    if (selectedCountry(Index) != calculator::PivotCountry && margin > 0.0 && rate.ok() && rate.value > 0.0) {
        const double dealRate =
            Index == 0 ? calculator::buyingRate(rate.value, margin) : calculator::sellingRate(rate.value, margin);
        if (std::isfinite(dealRate) && dealRate > 0.0) {
            const QString shown = calculator::dealRateText(dealRate);
            //: Under the Convert From rate box: the rate at which the bureau buys that currency, its margin taken.
            text = Index == 0 ? tr("We buy at %1").arg(shown)
                              //: Under the Convert To rate box: the rate at which the bureau sells that currency.
                              : tr("We sell at %1").arg(shown);
        }
    }
    lblDealRate[Index]->setText(text);
    lblDealRate[Index]->setVisible(!text.isEmpty());
    describeRateBox(Index);
}

void frmHUD::describeRateBox(int Index)
{
    // The lines under the box are heard with it as well as on their own.
    QStringList lines;
    for (const QLabel* line : {lblDealRate[Index], lblRateDate[Index]}) {
        if (!line->text().isEmpty())
            lines << line->text();
    }
    txtExchangeRate[Index]->setAccessibleDescription(lines.join(u"; "_s));
}

void frmHUD::lstCountries_Click(int Index)
{
    inputsChanged();
    const QString name = selectedCountry(Index);
    if (name.isEmpty())
        return;  // a refill clears the selection without a choice being made
    widgets::showChosenRow(
        name,
        [this, Index](const data::RateRow& row) {
            // The bureau buys what the customer brings and sells what it pays out.
            margin_[Index] = Index == 0 ? row.buyMargin : row.sellMargin;
            if (Index == 1)
                smallestNote_ = row.smallestNote;
            txtExchangeRate[Index]->setText(data::shownStoredNumber(row.rateText));
            txtDenomination[Index]->setText(row.unit);
            // A value longer than its box shows its start, not its last digits.
            txtExchangeRate[Index]->setCursorPosition(0);
            txtDenomination[Index]->setCursorPosition(0);
            // Rows set before dates were kept have none and say nothing.
            setRateDate(Index, row.updated);
            showDealRate(Index);
            inputsChanged();  // the terms may differ where the texts do not
        },
        [this, Index] {
            clearSide(Index);
            UpdateCalculateButton();
        });
    UpdateCalculateButton();
}

void frmHUD::txtDenomination_Click(int Index)
{
    lstCountries[Index]->setFocus(Qt::MouseFocusReason);
}

void frmHUD::txtExchangeRate_Click(int Index)
{
    lstCountries[Index]->setFocus(Qt::MouseFocusReason);
}

bool frmHUD::txtConvert_KeyPress(int KeyAscii)
{
    return numericKeyAccepted(KeyAscii);
}

bool frmHUD::txtCom_KeyPress(int KeyAscii)
{
    return numericKeyAccepted(KeyAscii);
}

void frmHUD::txtConvert_Change()
{
    inputsChanged();
    UpdateCalculateButton();
}

void frmHUD::txtCom_Validate()
{
    if (txtCom->text().isEmpty())
        txtCom->setText(u"0"_s);
}

void frmHUD::cmdCalculate_Click()
{
    CalculateExchange();
}

bool frmHUD::readMinimumCommission()
{
    bool read = false;
    widgets::runGuarded(
        [this, &read] {
            minimum_ = data::Rates::instance().minimumCommission();
            read = true;
        },
        [](long number, const QString& description) {
            widgets::reportFailure(tr("The minimum commission could not be read."), number, description);
        });
    return read;
}

void frmHUD::CalculateExchange()
{
    // Another copy of the program may have set it since.
    if (!readMinimumCommission())
        return;
    const calculator::ExchangeInputs in = exchangeInputs();
    const calculator::DealTerms terms = dealTerms();
    const calculator::ExchangeResult result = calculator::priceTexts(in, calculator::priceDeal(in, terms));
    if (result.kind == calculator::ExchangeResult::Kind::Failed) {
        widgets::MsgBox(calculator::failureMessage(result), widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
        return;
    }
    showFigures(result);
    figuresFrom_ = Priced{in, terms};
    UpdateRecordButton();
}

void frmHUD::showFigures(const calculator::ExchangeResult& result)
{
    lblExRes->setFigure(result.exchange);
    if (result.kind != calculator::ExchangeResult::Kind::Converted)
        return;  // the same country formats only the amount
    ui->lblCommission->setText(result.minimumApplied ? minimumCaption_ : tr("Commission:"));
    lblComRes->setFigure(result.commission);
    lblTotalRes->setFigure(result.total);
    lblPaidOutRes->setFigure(result.paidOut);
    lblPaidInPoundsRes->setFigure(result.paidInPounds);
    showPaymentLines(!result.paidOut.isEmpty());
}

void frmHUD::showPaymentLines(bool shown)
{
    for (QWidget* line : {static_cast<QWidget*>(ui->lblPaidOut), static_cast<QWidget*>(lblPaidOutRes),
                          static_cast<QWidget*>(ui->lblPaidInPounds), static_cast<QWidget*>(lblPaidInPoundsRes)})
        line->setVisible(shown);
}

void frmHUD::cmdExit_Click()
{
    close();
}

void frmHUD::mnuFileExit_Click()
{
    close();
}

void frmHUD::runRateDialog(bool (*show)(QWidget&))
{
    const QPointer<frmHUD> self(this);
    rateDialogOpen_ = true;
    const bool shown = show(*this);
    if (!self)
        return;  // closed and deleted while the dialog was up
    rateDialogOpen_ = false;
    if (shown)
        refillKeepingSelection();
}

void frmHUD::refreshFromRates()
{
    if (!rateDialogOpen_)
        refillKeepingSelection();
}

void frmHUD::mnuFileAddRates_Click()
{
    runRateDialog(&maintenance::showAddRates);
}

void frmHUD::mnuFileEditRates_Click()
{
    runRateDialog(&maintenance::showEditRates);
}

void frmHUD::mnuFileDeleteRates_Click()
{
    runRateDialog(&maintenance::showDeleteRates);
}

void frmHUD::mnuFileUpdateRates_Click()
{
    maintenance::updateRates(*this);
}

void frmHUD::mnuFileImportRates_Click()
{
    maintenance::importRates(*this);
}

void frmHUD::mnuFileExportRates_Click()
{
    maintenance::exportRates(*this);
}

void frmHUD::mnuFileSettings_Click()
{
    // The age limit may have changed: the date lines are judged again.
    if (maintenance::showSettings(*this))
        refillKeepingSelection();
}

void frmHUD::mnuFileRateBoard_Click()
{
    calculator::showRateBoard(*this);
}

void frmHUD::mnuHelpAbout_Click()
{
    info::showAbout();
}

void frmHUD::mnuHelpURL_Click()
{
    info::OpenLink(info::LinkMakerSite);
}

void frmHUD::mnuHelpCommunity_Click()
{
    info::OpenLink(info::LinkCommunity);
}

void frmHUD::mnuHelpEMail_Click()
{
    info::OpenLink(info::LinkSupportMail);
}

void frmHUD::mnuHelpRatesRevenue_Click()
{
    info::OpenLink(info::LinkRevenueRates);
}

void frmHUD::mnuHelpRatesRate_Click()
{
    info::OpenLink(info::LinkRatesSiteRates);
}

void frmHUD::keyPressEvent(QKeyEvent* event)
{
    // Calculate is the default button: Enter presses it from every control but
    // Exit, which Enter presses itself; while Calculate is disabled Enter does nothing.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (focusWidget() == cmdExit)
            cmdExit->click();
        else if (cmdCalculate->isEnabled())
            cmdCalculate->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool frmHUD::filterNumericKey(QLineEdit* box, QKeyEvent* event)
{
    // Enter reaches the window, which presses Calculate; Tab moves the focus.
    return widgets::filterTypedKey(*box, event, [this, box](int KeyAscii) {
        return box == txtConvert ? txtConvert_KeyPress(KeyAscii) : txtCom_KeyPress(KeyAscii);
    });
}

bool frmHUD::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every menu command's shortcut wins over the text boxes' own (Ctrl+X is
        // Exit, Ctrl+A Add Rates), so a new command's shortcut cannot lose.
        if (widgets::isMenuShortcut(*menuBar(), *static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (box == txtConvert || box == txtCom)
            return filterNumericKey(box, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            for (int i = 0; i < 2; ++i) {
                if (box == txtDenomination[i])
                    txtDenomination_Click(i);
                else if (box == txtExchangeRate[i])
                    txtExchangeRate_Click(i);
            }
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
