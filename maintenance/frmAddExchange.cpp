#include "maintenance/frmAddExchange.h"
#include "ui_frmAddExchange.h"

#include "data/Fields.h"
#include "data/Rates.h"
#include "data/Refusal.h"
#include "maintenance/RateCommands.h"
#include "maintenance/RateKeyFilter.h"
#include "maintenance/WriteCheck.h"
#include "widgets/CharacterLimit.h"
#include "widgets/Failure.h"
#include "widgets/KeyInput.h"
#include "widgets/MsgBox.h"
#include "widgets/Twips.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;
using maintenance::DenominationPlaceholder;

namespace {

constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// The coins, stretched to the label's size and drawn at the screen's pixel density.
void paintCoins(QLabel& image)
{
    QSvgRenderer renderer(u":/tallyvane/coins.svg"_s);
    if (!renderer.isValid() || image.size().isEmpty())
        return;
    const qreal ratio = image.devicePixelRatioF();
    QPixmap pixmap(image.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    image.setPixmap(pixmap);
}

} // namespace

frmAddExchange::frmAddExchange(QWidget* parent)
    : RateDialog(parent, FixedDialogFlags)
    , ui(std::make_unique<Ui::frmAddExchange>())
{
    ui->setupUi(this);

    widgets::limitToCharacters(*ui->txtCountry, data::CountryMaxLength);
    widgets::limitToCharacters(*ui->txtDenom, data::UnitMaxLength);

    // Below the coins, which stand beside the unit and rate as designed.
    terms_ = maintenance::addTermBoxes(*this, *ui->fieldsLayout, 4, 0);
    maintenance::clearTerms(terms_);
    QWidget::setTabOrder(ui->txtExRate, terms_.code);
    for (std::size_t i = 0; i + 1 < terms_.boxes().size(); ++i)
        QWidget::setTabOrder(terms_.boxes()[i], terms_.boxes()[i + 1]);
    QWidget::setTabOrder(terms_.smallestNote, ui->cmdSave);

    ui->imgCoins->lower();  // behind the boxes it overlaps
    ui->imgCoins->installEventFilter(this);
    applyDesignMetrics();

    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate})
        connect(box, &QLineEdit::textChanged, this, &frmAddExchange::UpdateSaveButton);
    ui->txtExRate->installEventFilter(this);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmAddExchange::cmdSave_Click);

    finishSetup(*ui->txtDenom, *ui->cmdFinished);

    ui->cmdFinished->setFocus();
    Form_Load();
}

frmAddExchange::~frmAddExchange() = default;

// Places the controls as designed, measured in the dialog's font.
void frmAddExchange::applyDesignMetrics()
{
    const widgets::TwipScale tw(*this);

    ui->formLayout->setContentsMargins(tw(120), tw(120), tw(75), tw(90));

    // Columns: labels, the boxes' own part, where boxes and coins overlap, the coins' own part.
    int columns[] = {tw(1440), tw(1080), tw(615), tw(870)};
    // A caption longer than the design's column, in some language, widens it
    // and keeps a gap before its box.
    for (const QLabel* label : {ui->lblCountry, ui->lblDenom, ui->lblExRate})
        columns[0] = qMax(columns[0], label->sizeHint().width() + tw(75));
    for (const QLabel* label : terms_.captions)
        columns[0] = qMax(columns[0], label->sizeHint().width() + tw(75));
    for (int c = 0; c < 4; ++c)
        ui->fieldsLayout->setColumnMinimumWidth(c, columns[c]);
    ui->fieldsLayout->setColumnStretch(3, 1);
    const int rowGap = tw(75);
    ui->fieldsLayout->setVerticalSpacing(rowGap);
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate})
        box->setFixedWidth(columns[1] + columns[2]);
    for (QLineEdit* box : terms_.boxes())
        box->setFixedWidth(columns[1]);
    // The coins reach below the rate box, down to just above the rule.
    const int boxHeight = ui->txtDenom->sizeHint().height();
    ui->fieldsLayout->setRowMinimumHeight(3, qMax(0, tw(1245) - 2 * boxHeight - 3 * rowGap));

    int contentWidth = 0;
    for (int w : columns)
        contentWidth += w;
    ui->lblInfo->setFixedWidth(contentWidth);
    ui->lblInfo->setMinimumHeight(qMax(tw(390), ui->lblInfo->heightForWidth(contentWidth)));

    ui->infoGap->changeSize(0, tw(330), QSizePolicy::Minimum, QSizePolicy::Fixed);
    maintenance::layOutButtonStrip(tw, 75, *ui->ruleGap, *ui->Frame2, *ui->buttonsGap, *ui->buttonsLayout,
                                    *ui->cmdSave, *ui->cmdFinished);
}

void frmAddExchange::Form_Load()
{
    ui->txtDenom->setText(DenominationPlaceholder);
    UpdateSaveButton();
}

void frmAddExchange::UpdateSaveButton()
{
    ui->cmdSave->setEnabled(maintenance::rateBoxesFilled(ui->txtCountry->text(), ui->txtDenom->text(), ui->txtExRate->text()));
}

bool frmAddExchange::txtExRate_KeyPress(int KeyAscii)
{
    return maintenance::exchangeRateKeyAccepted(KeyAscii, ui->txtExRate->text());
}

void frmAddExchange::cmdSave_Click()
{
    saveEntry();
}

bool frmAddExchange::saveEntry()
{
    bool saved = false;
    widgets::runGuarded(
        [this, &saved] {
            const QString name = ui->txtCountry->text();
            if (data::Rates::instance().hasCountry(name)) {
                widgets::MsgBox(tr("%1 already exists.").arg(name));
                return;
            }
            if (!SaveNewRate())
                return;
            ui->txtCountry->clear();
            ui->txtDenom->setText(DenominationPlaceholder);
            ui->txtExRate->clear();
            maintenance::clearTerms(terms_);
            saved = true;
        },
        maintenance::reportSaveError);
    return saved;
}

bool frmAddExchange::SaveNewRate()
{
    std::optional<data::RateRow> row = maintenance::rowToWrite(typedRate(),
                                {data::FieldCountry, data::FieldUnit, data::FieldRate, data::FieldCode,
                                 data::FieldBuyMargin, data::FieldSellMargin, data::FieldSmallestNote});
    if (!row)
        return false;
    row->updated = QDate::currentDate();
    data::Rates::instance().addRate(*row);
    widgets::MsgBox(tr("The New Exchange Rate has been saved successfuly"));
    return true;
}

maintenance::TypedRate frmAddExchange::typedRate() const
{
    maintenance::TypedRate typed{ui->txtCountry->text(), ui->txtDenom->text(), ui->txtExRate->text()};
    maintenance::readTerms(terms_, typed);
    return typed;
}

bool frmAddExchange::hasEntry() const
{
    const QString unit = ui->txtDenom->text();
    return !ui->txtCountry->text().isEmpty() || !ui->txtExRate->text().isEmpty()
        || (!unit.isEmpty() && unit != DenominationPlaceholder) || maintenance::termsTyped(terms_);
}

bool frmAddExchange::mayClose()
{
    if (!hasEntry())
        return true;
    const widgets::MsgBoxResult answer =
        widgets::MsgBox(tr("The new rate you typed has not been saved. Do you want to save it before closing?"),
                        widgets::MsgBoxButtons::YesNoCancel, widgets::MsgBoxIcon::Exclamation);
    if (answer == widgets::MsgBoxResult::No)
        return true;
    if (answer != widgets::MsgBoxResult::Yes)
        return false;
    if (QLineEdit* empty = firstEmptyBox()) {
        // Save's own rule: all three boxes hold text.
        widgets::MsgBox(data::refusalMessage({boxField(*empty), data::RefusalKind::Empty, QString()}),
                        widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Exclamation);
        empty->setFocus();
        return false;
    }
    return saveEntry();
}

QLineEdit* frmAddExchange::firstEmptyBox() const
{
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate}) {
        if (box->text().isEmpty())
            return box;
    }
    return nullptr;
}

QStringView frmAddExchange::boxField(const QLineEdit& box) const
{
    if (&box == ui->txtCountry)
        return data::FieldCountry;
    return &box == ui->txtDenom ? data::FieldUnit : data::FieldRate;
}

void frmAddExchange::reject()
{
    // Finished, Enter, Escape and the close box all end here.
    if (mayClose())
        RateDialog::reject();
}

bool frmAddExchange::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->imgCoins && event->type() == QEvent::Resize)
        paintCoins(*ui->imgCoins);
    if (watched == ui->txtExRate && event->type() == QEvent::KeyPress) {
        return widgets::filterTypedKey(*ui->txtExRate, static_cast<QKeyEvent*>(event),
                                  [this](int KeyAscii) { return txtExRate_KeyPress(KeyAscii); });
    }
    return RateDialog::eventFilter(watched, event);
}

namespace maintenance {

bool showAddRates(QWidget& owner)
{
    if (!mayChangeRates())
        return false;
    // Built afresh for each opening, modal over the main window, which may
    // delete it with itself before exec returns.
    QPointer<frmAddExchange> dialog = new frmAddExchange(&owner);
    dialog->exec();
    delete dialog;
    return true;
}

} // namespace maintenance
