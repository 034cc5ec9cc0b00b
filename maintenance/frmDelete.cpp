#include "maintenance/frmDelete.h"
#include "ui_frmDelete.h"

#include "data/Fields.h"
#include "data/NumberForm.h"
#include "data/Rates.h"
#include "maintenance/RateCommands.h"
#include "maintenance/WriteCheck.h"
#include "widgets/CountryList.h"
#include "widgets/Failure.h"
#include "widgets/KeyInput.h"
#include "widgets/MsgBox.h"
#include "widgets/Placement.h"
#include "widgets/Twips.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>

using namespace Qt::StringLiterals;
using maintenance::DenominationPlaceholder;

namespace {

constexpr Qt::WindowFlags SizableDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

bool showDeleteDialog(QWidget& owner, frmDelete::Mode mode)
{
    if (!maintenance::mayChangeRates())
        return false;
    // Built afresh for each opening (which fills its list), modal over the
    // main window, which may delete it with itself before exec returns.
    QPointer<frmDelete> dialog = new frmDelete(mode, &owner);
    dialog->exec();
    delete dialog;
    return true;
}

} // namespace

frmDelete::frmDelete(Mode mode, QWidget* parent)
    : RateDialog(parent, SizableDialogFlags)
    , mode_(mode)
    , ui(std::make_unique<Ui::frmDelete>())
{
    ui->setupUi(this);
    //: The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).
    ui->cmdDel->setText(mode_ == Mode::Edit ? tr("&Save") : tr("&Delete"));
    if (mode_ == Mode::Edit) {
        // The design's title and instruction speak of deleting; Edit names its own button.
        setWindowTitle(tr("Edit Exchange Rates"));
        ui->lblInfo->setText(tr("Select the country you wish to edit, change its details and then click Save."));
        widgets::takeDecimalMark(*ui->txtExRate);
    }
    addTerms();
    applyDesignMetrics();

    connect(ui->lstCountries, &QListWidget::itemSelectionChanged, this, &frmDelete::lstCountries_Click);
    widgets::selectFirstOnFirstArrow(*ui->lstCountries);
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate}) {
        connect(box, &QLineEdit::textChanged, this, &frmDelete::txtBox_Change);
        box->installEventFilter(this);
    }
    connect(ui->cmdDel, &QPushButton::clicked, this, &frmDelete::cmdDel_Click);

    finishSetup(*ui->txtDenom, *ui->cmdFinished);

    ui->lstCountries->setFocus();
    Form_Load();
}

frmDelete::~frmDelete() = default;

// Under the rate, what the bureau sets beside it; a deletion needs none of it.
void frmDelete::addTerms()
{
    const widgets::TwipScale tw(*this);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, tw(120), 0, 0);
    grid->setHorizontalSpacing(tw(75));
    grid->setVerticalSpacing(tw(45));
    ui->fieldsLayout->insertLayout(ui->fieldsLayout->indexOf(ui->txtExRate) + 1, grid);
    terms_ = maintenance::addTermBoxes(*this, *grid, 0, 0);
    for (QLineEdit* box : terms_.boxes())
        box->setFixedWidth(tw(900));
    maintenance::clearTerms(terms_);
    QWidget* previous = ui->txtExRate;
    for (QLineEdit* box : terms_.boxes()) {
        QWidget::setTabOrder(previous, box);
        previous = box;
        connect(box, &QLineEdit::textChanged, this, &frmDelete::txtBox_Change);
    }
    QWidget::setTabOrder(previous, ui->cmdDel);
    for (std::size_t i = 0; i < terms_.boxes().size(); ++i) {
        terms_.boxes()[i]->setVisible(mode_ == Mode::Edit);
        terms_.captions[i]->setVisible(mode_ == Mode::Edit);
    }
}

// Places the controls as designed, measured in the dialog's font.
void frmDelete::applyDesignMetrics()
{
    const widgets::TwipScale tw(*this);

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
    maintenance::layOutButtonStrip(tw, 105, *ui->ruleGap, *ui->Frame2, *ui->buttonsGap, *ui->buttonsLayout,
                                    *ui->cmdDel, *ui->cmdFinished);

    // A title longer than the design's width, in some language, widens the dialog.
    setMinimumWidth(widgets::widthForTitle(*this));
    // Opens at the designed size, which is also the smallest it can be made.
    ui->formLayout->invalidate();
    resize(minimumSizeHint().expandedTo(minimumSize()));
}

void frmDelete::Form_Load()
{
    LoadCountryList();
    ui->txtDenom->setText(DenominationPlaceholder);
}

void frmDelete::LoadCountryList()
{
    // An empty table empties the list too: it must not offer a deleted name.
    QStringList names;
    widgets::runGuarded([&names] { data::Rates::instance().appendCountries(names); },
                        [](long number, const QString& description) {
                            widgets::reportFailure(tr("The list of countries could not be read."), number,
                                                   description);
                        });
    widgets::fillSortedList(*ui->lstCountries, names);
    selectedCountry_.reset();
}

void frmDelete::UpdateDelButton()
{
    ui->cmdDel->setEnabled(maintenance::rateBoxesFilled(ui->txtCountry->text(), ui->txtDenom->text(), ui->txtExRate->text()));
}

void frmDelete::lstCountries_Click()
{
    const auto selected = ui->lstCountries->selectedItems();
    if (selected.isEmpty())
        return;  // a refill clears the selection without a choice being made
    const QString name = selected.first()->text();
    widgets::showChosenRow(
        name,
        [this](const data::RateRow& row) {
            selectedCountry_ = row.country;
            ui->txtCountry->setText(row.country);
            ui->txtExRate->setText(data::shownStoredNumber(row.rateText));
            ui->txtDenom->setText(row.unit);
            maintenance::showTerms(terms_, row);
        },
        [this] { selectedCountry_.reset(); });
    UpdateDelButton();
}

void frmDelete::txtBox_Click()
{
    if (mode_ == Mode::Delete)
        ui->lstCountries->setFocus(Qt::MouseFocusReason);
}

void frmDelete::txtBox_Change()
{
    if (mode_ == Mode::Edit)
        UpdateDelButton();
}

void frmDelete::cmdDel_Click()
{
    if (mode_ == Mode::Edit)
        SaveRate();
    else
        DeleteRate();
}

void frmDelete::DeleteRate()
{
    // The name comes from the box, which may have been typed into.
    const QString name = ui->txtCountry->text();
    if (widgets::MsgBox(tr("Are you sure you want to delete %1?").arg(name), widgets::MsgBoxButtons::YesNo,
                   widgets::MsgBoxIcon::None, tr("Confirm Delete"))
        != widgets::MsgBoxResult::Yes)
        return;

    bool deleted = false;
    widgets::runGuarded(
        [&name, &deleted] {
            deleted = data::Rates::instance().deleteRate(name);
            if (!deleted)
                widgets::MsgBox(tr("\"%1\" is not in the rates table, so nothing was deleted.").arg(name),
                                widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
        },
        [](long number, const QString& description) { maintenance::reportSaveError(number, description); });
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
        widgets::MsgBox(tr("Choose the country to change from the list first. Nothing was saved."), widgets::MsgBoxButtons::OK,
                   widgets::MsgBoxIcon::Exclamation);
        return;
    }
    const QString original = *selectedCountry_;
    const QString name = ui->txtCountry->text();

    bool saved = false;
    bool gone = false;
    widgets::runGuarded(
        [&] {
            data::Rates& rates = data::Rates::instance();
            // Two rows with one name would leave one of them unreachable.
            if (name != original && rates.hasCountry(name)) {
                widgets::MsgBox(tr("%1 already exists.").arg(name));
                return;
            }
            maintenance::TypedRate typed{name, ui->txtDenom->text(), ui->txtExRate->text()};
            maintenance::readTerms(terms_, typed);
            std::optional<data::RateRow> row = maintenance::rowToWrite(
                typed, {data::FieldCountry, data::FieldRate, data::FieldUnit, data::FieldCode, data::FieldBuyMargin,
                        data::FieldSellMargin, data::FieldSmallestNote});
            if (!row)
                return;
            row->updated = QDate::currentDate();
            if (!rates.replaceRate(original, *row)) {
                gone = true;
                widgets::MsgBox(tr("\"%1\" is no longer in the rates table, so nothing was saved.").arg(original),
                                widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
                return;
            }
            saved = true;
        },
        maintenance::reportSaveError);
    if (gone)
        LoadCountryList();
    if (!saved)
        return;

    LoadCountryList();
    ui->txtCountry->clear();
    ui->txtExRate->clear();
    ui->txtDenom->setText(DenominationPlaceholder);
    maintenance::clearTerms(terms_);
    UpdateDelButton();
}

bool frmDelete::eventFilter(QObject* watched, QEvent* event)
{
    const bool box = watched == ui->txtCountry || watched == ui->txtDenom || watched == ui->txtExRate;
    if (box && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        txtBox_Click();
    return RateDialog::eventFilter(watched, event);
}

namespace maintenance {

bool showDeleteRates(QWidget& owner)
{
    return showDeleteDialog(owner, frmDelete::Mode::Delete);
}

bool showEditRates(QWidget& owner)
{
    return showDeleteDialog(owner, frmDelete::Mode::Edit);
}

} // namespace maintenance
