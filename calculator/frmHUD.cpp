#include "calculator/frmHUD.h"
#include "ui_frmHUD.h"

#include "ui/KeyInput.h"
#include "ui/MsgBox.h"
#include "calculator/Exchange.h"
#include "calculator/FigureLabel.h"
#include "ui/CountryList.h"
#include "data/NumberText.h"
#include "ui/RateFileWords.h"
#include "data/RecordStore.h"
#include "info/Links.h"
#include "info/frmAbout.h"
#include "maintenance/ImportExport.h"
#include "maintenance/Maintenance.h"

#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace {

frmHUD* s_instance = nullptr;
std::function<void()> s_queryUnloadHook;
std::function<void()> s_unloadHook;

// The filter of the amount and commission boxes: '.', backspace and whatever
// reads as a number on its own (the digits); every other code becomes 0.
void numericKeyFilter(int& KeyAscii)
{
    if (KeyAscii == '.' || KeyAscii == '\b')
        return;
    if (KeyAscii > 0 && KeyAscii <= 0xFFFF
        && MOD_Universe::readNumber(QString(QChar(char16_t(KeyAscii)))).ok())
        return;
    KeyAscii = 0;
}

// Every command of the menus, sub-menus included.
QList<const QAction*> menuCommands(const QList<QAction*>& actions)
{
    QList<const QAction*> commands;
    for (const QAction* action : actions) {
        commands << action;
        if (const QMenu* menu = action->menu())
            commands << menuCommands(menu->actions());
    }
    return commands;
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
    MOD_Data::FillCountryLists(*lstCountries[0], *lstCountries[1]);
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
    txtExchangeRate[Index]->setToolTip(date.isValid() ? u"Rate of "_s + MOD_Data::dateText(date) : QString());
}

frmHUD::frmHUD()
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::frmHUD>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);

    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        lstCountries[i] = findChild<QListWidget*>(u"lstCountries_"_s + n);
        txtDenomination[i] = findChild<QLineEdit*>(u"txtDenomination_"_s + n);
        txtExchangeRate[i] = findChild<QLineEdit*>(u"txtExchangeRate_"_s + n);
        findChild<QLabel*>(u"lblCountry_"_s + n)->setBuddy(lstCountries[i]);
        findChild<QLabel*>(u"lblDenomination_"_s + n)->setBuddy(txtDenomination[i]);
        findChild<QLabel*>(u"lblExchangeRate_"_s + n)->setBuddy(txtExchangeRate[i]);
    }
    txtConvert = ui->txtConvert;
    txtCom = ui->txtCom;
    cmdCalculate = ui->cmdCalculate;
    cmdExit = ui->cmdExit;
    lblExRes = ui->lblExRes;
    lblComRes = ui->lblComRes;
    lblTotalRes = ui->lblTotalRes;
    ui->lblConvert->setBuddy(txtConvert);
    ui->lblCom->setBuddy(txtCom);
    ui->mnuHelpRatesRate->setText(MOD_Universe::ratesSiteMenuCaption());

    // Sizes follow the font, so the window keeps its proportions on any DPI.
    const QFontMetrics fm = fontMetrics();
    // Narrow enough that the window fits a 1280-pixel screen at twice the scale;
    // names too long for the lists are elided, with the whole name as tooltip.
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

    for (int i = 0; i < 2; ++i) {
        connect(lstCountries[i], &QListWidget::itemSelectionChanged, this, [this, i] { lstCountries_Click(i); });
        MOD_Data::selectFirstOnFirstArrow(*lstCountries[i]);
        txtDenomination[i]->installEventFilter(this);
        txtExchangeRate[i]->installEventFilter(this);
    }
    txtConvert->installEventFilter(this);
    txtCom->installEventFilter(this);
    MOD_Universe::validateOnLeaving(*txtCom, [this](bool& Cancel) { txtCom_Validate(Cancel); });
    connect(txtConvert, &QLineEdit::textChanged, this, &frmHUD::txtConvert_Change);
    // Rates change by a choice, a refill or by hand: any of them voids the figures.
    for (QLineEdit* box : {txtExchangeRate[0], txtExchangeRate[1], txtCom})
        connect(box, &QLineEdit::textChanged, this, &frmHUD::inputsChanged);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmHUD::cmdCalculate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHUD::cmdExit_Click);

    connect(ui->mnuFileAddRates, &QAction::triggered, this, &frmHUD::mnuFileAddRates_Click);
    connect(ui->mnuFileEditRates, &QAction::triggered, this, &frmHUD::mnuFileEditRates_Click);
    connect(ui->mnuFileDeleteRates, &QAction::triggered, this, &frmHUD::mnuFileDeleteRates_Click);
    connect(ui->mnuFileImportRates, &QAction::triggered, this, &frmHUD::mnuFileImportRates_Click);
    connect(ui->mnuFileExportRates, &QAction::triggered, this, &frmHUD::mnuFileExportRates_Click);
    connect(ui->mnuFileExit, &QAction::triggered, this, &frmHUD::mnuFileExit_Click);
    connect(ui->mnuHelpAbout, &QAction::triggered, this, &frmHUD::mnuHelpAbout_Click);
    connect(ui->mnuHelpURL, &QAction::triggered, this, &frmHUD::mnuHelpURL_Click);
    connect(ui->mnuHelpCommunity, &QAction::triggered, this, &frmHUD::mnuHelpCommunity_Click);
    connect(ui->mnuHelpEMail, &QAction::triggered, this, &frmHUD::mnuHelpEMail_Click);
    connect(ui->mnuHelpRatesRevenue, &QAction::triggered, this, &frmHUD::mnuHelpRatesRevenue_Click);
    connect(ui->mnuHelpRatesRate, &QAction::triggered, this, &frmHUD::mnuHelpRatesRate_Click);

    MOD_Universe::ignoreDisabledAccessKeys(*this);

    // Fixed border: the layout decides the size once.
    adjustSize();
    setFixedSize(sizeHint());
    lstCountries[0]->setFocus();

    Form_Load();
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

void frmHUD::Form_QueryUnload(bool& Cancel, int UnloadMode)
{
    Q_UNUSED(Cancel);
    Q_UNUSED(UnloadMode);
    if (s_queryUnloadHook)
        s_queryUnloadHook();
}

void frmHUD::Form_Unload(bool& Cancel)
{
    Q_UNUSED(Cancel);
    if (s_unloadHook)
        s_unloadHook();
}

void frmHUD::setQueryUnloadHook(std::function<void()> hook)
{
    s_queryUnloadHook = std::move(hook);
}

void frmHUD::setUnloadHook(std::function<void()> hook)
{
    s_unloadHook = std::move(hook);
}

void frmHUD::unloadOnce()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, 0);
    Form_Unload(cancel);
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
    txtExchangeRate[Index]->clear();
    txtDenomination[Index]->clear();
    setRateDate(Index, QDate());
}

void frmHUD::refillKeepingSelection()
{
    const std::array<QString, 2> chosen{selectedCountry(0), selectedCountry(1)};
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

MOD_Universe::ExchangeInputs frmHUD::exchangeInputs() const
{
    MOD_Universe::ExchangeInputs in;
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
    if (refilling_ || !figuresFrom_ || *figuresFrom_ == exchangeInputs())
        return;
    figuresFrom_.reset();
    for (FigureLabel* figure : {lblExRes, lblComRes, lblTotalRes})
        figure->setFigure(QString());
}

void frmHUD::lstCountries_Click(int Index)
{
    inputsChanged();
    const QString name = selectedCountry(Index);
    if (name.isEmpty())
        return;  // a refill clears the selection without a choice being made
    MOD_Data::showChosenRow(
        name,
        [this, Index] {
            const QString rate = MOD_Data::rsRates.Field(MOD_Data::FieldRate);
            const QString unit = MOD_Data::rsRates.Field(MOD_Data::FieldUnit);
            // Rows set before dates were kept read "" and say nothing.
            const QDate updated = QDate::fromString(MOD_Data::rsRates.Field(MOD_Data::FieldUpdated), Qt::ISODate);
            txtExchangeRate[Index]->setText(rate);
            txtDenomination[Index]->setText(unit);
            // A value longer than its box shows its start, not its last digits.
            txtExchangeRate[Index]->setCursorPosition(0);
            txtDenomination[Index]->setCursorPosition(0);
            setRateDate(Index, updated);
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

void frmHUD::txtConvert_KeyPress(int& KeyAscii)
{
    numericKeyFilter(KeyAscii);
}

void frmHUD::txtCom_KeyPress(int& KeyAscii)
{
    numericKeyFilter(KeyAscii);
}

void frmHUD::txtConvert_Change()
{
    inputsChanged();
    UpdateCalculateButton();
}

void frmHUD::txtCom_Validate(bool& Cancel)
{
    Q_UNUSED(Cancel);
    if (txtCom->text().isEmpty())
        txtCom->setText(u"0"_s);
}

void frmHUD::cmdCalculate_Click()
{
    CalculateExchange();
}

void frmHUD::CalculateExchange()
{
    const MOD_Universe::ExchangeInputs in = exchangeInputs();
    const MOD_Universe::ExchangeResult result = MOD_Universe::calculateExchange(in);
    switch (result.kind) {
    case MOD_Universe::ExchangeResult::Kind::SameCountry:
        lblExRes->setFigure(result.exchange);
        figuresFrom_ = in;
        break;
    case MOD_Universe::ExchangeResult::Kind::Converted:
        lblExRes->setFigure(result.exchange);
        lblComRes->setFigure(result.commission);
        lblTotalRes->setFigure(result.total);
        figuresFrom_ = in;
        break;
    case MOD_Universe::ExchangeResult::Kind::Failed:
        MsgBox(MOD_Universe::failureMessage(result), MsgBoxButtons::OK, MsgBoxIcon::Exclamation);
        break;
    }
}

void frmHUD::cmdExit_Click()
{
    close();
}

void frmHUD::mnuFileExit_Click()
{
    close();
}

void frmHUD::mnuFileAddRates_Click()
{
    MOD_Universe::showAddRates(*this, [this] { refillKeepingSelection(); });
}

void frmHUD::mnuFileEditRates_Click()
{
    MOD_Universe::showEditRates(*this, [this] { refillKeepingSelection(); });
}

void frmHUD::mnuFileDeleteRates_Click()
{
    MOD_Universe::showDeleteRates(*this, [this] { refillKeepingSelection(); });
}

void frmHUD::mnuFileImportRates_Click()
{
    MOD_Universe::importRates(*this, [this] { refillKeepingSelection(); });
}

void frmHUD::mnuFileExportRates_Click()
{
    MOD_Universe::exportRates(*this);
}

void frmHUD::mnuHelpAbout_Click()
{
    MOD_Universe::showAbout();
}

// The Help menu's links, each opened from the main window.

void frmHUD::mnuHelpURL_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkMakerSite, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpCommunity_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkCommunity, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpEMail_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkSupportMail, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpRatesRevenue_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkRevenueRates, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpRatesRate_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkRatesSiteRates, MOD_Universe::SW_SHOWMAXIMIZED);
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
    return MOD_Universe::filterTypedKey(*box, event, [this, box](int& KeyAscii) {
        if (box == txtConvert)
            txtConvert_KeyPress(KeyAscii);
        else
            txtCom_KeyPress(KeyAscii);
    });
}

bool frmHUD::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Every menu command's shortcut wins over the text boxes' own (Ctrl+X is
        // Exit, Ctrl+A Add Rates), so a new command's shortcut cannot lose.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : menuCommands(menuBar()->actions())) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        break;
    }
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
