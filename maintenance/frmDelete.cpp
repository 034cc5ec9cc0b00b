#include "maintenance/frmDelete.h"
#include "ui_frmDelete.h"

#include "ui/Failure.h"
#include "ui/KeyInput.h"
#include "ui/MsgBox.h"
#include "ui/CountryList.h"
#include "data/RecordStore.h"

#include <QDate>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>

using namespace Qt::StringLiterals;
using MOD_Data::rsRates;
using MOD_Universe::DenominationPlaceholder;

namespace {

constexpr Qt::WindowFlags SizableDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

const QString DeleteCaption = u"&Delete"_s;
const QString SaveCaption = u"&Save"_s;

void showDeleteDialog(QWidget& owner, const MOD_Universe::RefillLists& refill, const QString& caption,
                      bool editMode)
{
    // Built afresh for each opening (which fills its list), modal over the
    // main window, which may delete it with itself before exec returns.
    QPointer<frmDelete> dialog = new frmDelete(&owner);
    dialog->setRefill(refill);
    dialog->setActionCaption(caption);
    MOD_Universe::blnEditMode = editMode;
    dialog->exec();
    delete dialog;
}

} // namespace

frmDelete::frmDelete(QWidget* parent)
    : RateDialog(parent, SizableDialogFlags)
    , ui(std::make_unique<Ui::frmDelete>())
{
    ui->setupUi(this);
    applyDesignMetrics();

    connect(ui->lstCountries, &QListWidget::itemSelectionChanged, this, &frmDelete::lstCountries_Click);
    MOD_Data::selectFirstOnFirstArrow(*ui->lstCountries);
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate}) {
        connect(box, &QLineEdit::textChanged, this, &frmDelete::txtBox_Change);
        box->installEventFilter(this);
    }
    connect(ui->cmdDel, &QPushButton::clicked, this, &frmDelete::cmdDel_Click);
    connect(ui->cmdFinished, &QPushButton::clicked, this, &frmDelete::cmdFinished_Click);

    MOD_Universe::validateOnLeaving(*ui->txtDenom, [this](bool& Cancel) { txtDenom_Validate(Cancel); });
    finishSetup();

    ui->lstCountries->setFocus();
    Form_Load();
}

frmDelete::~frmDelete() = default;

// Places the controls as designed, measured in the dialog's font.
void frmDelete::applyDesignMetrics()
{
    const MOD_Universe::TwipScale tw(*this);

    ui->formLayout->setContentsMargins(tw(120), tw(120), tw(90), tw(75));
    ui->lstCountries->setMinimumSize(tw(1695), tw(1815));
    ui->lstCountries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long names elide, as in the main window
    ui->bodyLayout->setSpacing(tw(105));
    ui->fieldsLayout->setSpacing(0);
    for (QLabel* label : {ui->lblCountry, ui->lblDenom, ui->lblExRate})
        label->setContentsMargins(0, 0, 0, tw(45));
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate})
        box->setFixedWidth(tw(1575));
    ui->denomGap->changeSize(0, tw(75), QSizePolicy::Minimum, QSizePolicy::Fixed);
    ui->rateGap->changeSize(0, tw(75), QSizePolicy::Minimum, QSizePolicy::Fixed);

    const int contentWidth = tw(1695) + tw(105) + tw(1575);
    ui->lblInfo->setMinimumWidth(contentWidth);
    ui->lblInfo->setMinimumHeight(qMax(tw(375), ui->lblInfo->heightForWidth(contentWidth)));
    ui->infoGap->changeSize(0, tw(225), QSizePolicy::Minimum, QSizePolicy::Fixed);
    MOD_Universe::layOutButtonStrip(tw, 105, *ui->ruleGap, *ui->Frame2, *ui->buttonsGap, *ui->buttonsLayout,
                                    *ui->cmdDel, *ui->cmdFinished);

    // Opens at the designed size, which is also the smallest it can be made.
    ui->formLayout->invalidate();
    resize(minimumSizeHint());
}

void frmDelete::Form_Load()
{
    LoadCountryList();
    ui->txtDenom->setText(DenominationPlaceholder);
}

void frmDelete::setActionCaption(const QString& caption)
{
    ui->cmdDel->setText(caption);
}

void frmDelete::LoadCountryList()
{
    // An empty table empties the list too: it must not offer a deleted name.
    QStringList names;
    MOD_Universe::runGuarded([&names] { MOD_Data::readCountries(names); },
                             [](long number, const QString& description) {
                                 MOD_Universe::reportFailure(u"The list of countries could not be read."_s, number,
                                                             description);
                             });
    MOD_Data::fillSortedList(*ui->lstCountries, names);
    selectedCountry_.reset();
}

void frmDelete::UpdateDelButton()
{
    ui->cmdDel->setEnabled(MOD_Universe::rateBoxesFilled(ui->txtCountry->text(), ui->txtDenom->text(), ui->txtExRate->text()));
}

void frmDelete::lstCountries_Click()
{
    const auto selected = ui->lstCountries->selectedItems();
    if (selected.isEmpty())
        return;  // a refill clears the selection without a choice being made
    const QString name = selected.first()->text();
    MOD_Data::showChosenRow(
        name,
        [this] {
            // Read all three before showing any, so a failure leaves no mixture.
            const QString country = rsRates.Field(MOD_Data::FieldCountry);
            const QString rate = rsRates.Field(MOD_Data::FieldRate);
            const QString unit = rsRates.Field(MOD_Data::FieldUnit);
            selectedCountry_ = country;
            ui->txtCountry->setText(country);
            ui->txtExRate->setText(rate);
            ui->txtDenom->setText(unit);
        },
        [this] { selectedCountry_.reset(); });
    UpdateDelButton();
}

void frmDelete::txtBox_Click()
{
    if (!MOD_Universe::blnEditMode)
        ui->lstCountries->setFocus(Qt::MouseFocusReason);
}

void frmDelete::txtBox_Change()
{
    if (MOD_Universe::blnEditMode)
        UpdateDelButton();
}

void frmDelete::txtDenom_Validate(bool& Cancel)
{
    Q_UNUSED(Cancel);  // the focus is never held back
    MOD_Universe::putPlaceholderIfEmpty(*ui->txtDenom);
}

void frmDelete::cmdDel_Click()
{
    // The caption, set by the menu handler, tells the two commands apart.
    const QString caption = ui->cmdDel->text();
    if (caption == DeleteCaption)
        DeleteRate();
    else if (caption == SaveCaption)
        SaveRate();
}

void frmDelete::DeleteRate()
{
    // The name comes from the box, which may have been typed into.
    const QString name = ui->txtCountry->text();
    if (MsgBox(u"Are you sure you want to delete "_s + name + u"?"_s, MsgBoxButtons::YesNo, MsgBoxIcon::None,
               u"Confirm Delete"_s)
        != MsgBoxResult::Yes)
        return;

    bool deleted = false;
    MOD_Universe::runGuarded(
        [&name, &deleted] {
            rsRates.FindCountry(name);
            if (rsRates.isEOF()) {
                MsgBox(u"\"%1\" is not in the rates table, so nothing was deleted."_s.arg(name), MsgBoxButtons::OK,
                       MsgBoxIcon::Exclamation);
                return;
            }
            rsRates.Delete();
            deleted = true;
            rsRates.Update();
        },
        [](long number, const QString& description) { MOD_Universe::reportSaveError(number, description); });
    if (!deleted)
        return;

    ui->txtCountry->clear();
    ui->txtExRate->clear();
    ui->txtDenom->setText(DenominationPlaceholder);
    ui->cmdDel->setEnabled(false);
    LoadCountryList();
}

void frmDelete::SaveRate()
{
    if (!selectedCountry_) {
        MsgBox(u"Choose the country to change from the list first. Nothing was saved."_s, MsgBoxButtons::OK,
               MsgBoxIcon::Exclamation);
        return;
    }
    const QString original = *selectedCountry_;
    const QString name = ui->txtCountry->text();

    bool saved = false;
    bool gone = false;
    MOD_Universe::runGuarded(
        [&] {
            // Two rows with one name would leave one of them unreachable.
            if (name != original) {
                rsRates.FindCountry(name);
                if (!rsRates.isEOF()) {
                    MsgBox(name + u" already exists."_s);
                    return;
                }
            }
            // The check moved the shared cursor: find the chosen row again.
            rsRates.FindCountry(original);
            if (rsRates.isEOF()) {
                gone = true;
                MsgBox(u"\"%1\" is no longer in the rates table, so nothing was saved."_s.arg(original),
                       MsgBoxButtons::OK, MsgBoxIcon::Exclamation);
                return;
            }
            rsRates.SetField(MOD_Data::FieldCountry, name);
            rsRates.SetField(MOD_Data::FieldRate, ui->txtExRate->text());
            rsRates.SetField(MOD_Data::FieldUnit, ui->txtDenom->text());
            rsRates.SetField(MOD_Data::FieldUpdated, QDate::currentDate().toString(Qt::ISODate));
            rsRates.Update();
            saved = true;
        },
        MOD_Universe::reportSaveError);
    if (gone)
        LoadCountryList();
    if (!saved)
        return;

    LoadCountryList();
    ui->txtCountry->clear();
    ui->txtExRate->clear();
    ui->txtDenom->setText(DenominationPlaceholder);
    UpdateDelButton();
}

void frmDelete::cmdFinished_Click()
{
    close();
}

bool frmDelete::eventFilter(QObject* watched, QEvent* event)
{
    const bool box = watched == ui->txtCountry || watched == ui->txtDenom || watched == ui->txtExRate;
    if (box && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        txtBox_Click();
    return RateDialog::eventFilter(watched, event);
}

namespace MOD_Universe {

void showDeleteRates(QWidget& owner, const RefillLists& refill)
{
    if (!mayChangeRates())
        return;
    showDeleteDialog(owner, refill, DeleteCaption, false);
}

void showEditRates(QWidget& owner, const RefillLists& refill)
{
    if (!mayChangeRates())
        return;
    showDeleteDialog(owner, refill, SaveCaption, true);
}

} // namespace MOD_Universe
