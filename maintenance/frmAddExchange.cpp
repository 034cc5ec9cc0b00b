#include "maintenance/frmAddExchange.h"
#include "ui_frmAddExchange.h"

#include "app/MsgBox.h"
#include "app/Placement.h"
#include "calculator/frmHUD.h"
#include "data/Database.h"
#include "data/RecordStore.h"
#include "app/KeyInput.h"
#include "maintenance/Maintenance.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;
using MOD_Data::rsRates;
using MOD_Universe::DenominationPlaceholder;

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
    : QDialog(parent, FixedDialogFlags)
    , ui(std::make_unique<Ui::frmAddExchange>())
{
    ui->setupUi(this);
    txtCountry = ui->txtCountry;
    txtDenom = ui->txtDenom;
    txtExRate = ui->txtExRate;
    cmdSave = ui->cmdSave;
    cmdFinished = ui->cmdFinished;

    MOD_Universe::limitToCharacters(*txtCountry, MOD_Data::CountryMaxLength);
    MOD_Universe::limitToCharacters(*txtDenom, MOD_Data::UnitMaxLength);

    ui->imgCoins->lower();  // behind the boxes it overlaps
    ui->imgCoins->installEventFilter(this);
    applyDesignMetrics();

    for (QLineEdit* box : {txtCountry, txtDenom, txtExRate})
        connect(box, &QLineEdit::textChanged, this, &frmAddExchange::UpdateSaveButton);
    txtDenom->installEventFilter(this);
    txtExRate->installEventFilter(this);
    connect(cmdSave, &QPushButton::clicked, this, &frmAddExchange::cmdSave_Click);
    connect(cmdFinished, &QPushButton::clicked, this, &frmAddExchange::cmdFinished_Click);

    MOD_Universe::ignoreDisabledAccessKeys(*this);
    MOD_Universe::centreOnScreenWhenShown(*this);

    cmdFinished->setFocus();
    Form_Load();
}

frmAddExchange::~frmAddExchange() = default;

// Places the controls as designed, measured in the dialog's font: a line of
// text in the designed font was 195 twips high.
void frmAddExchange::applyDesignMetrics()
{
    const double perTwip = fontMetrics().height() / 195.0;
    const auto tw = [perTwip](int twips) { return qRound(twips * perTwip); };

    ui->formLayout->setContentsMargins(tw(120), tw(120), tw(75), tw(90));

    // Columns: labels, the boxes' own part, where boxes and coins overlap, the coins' own part.
    const int columns[] = {tw(1440), tw(1080), tw(615), tw(870)};
    for (int c = 0; c < 4; ++c)
        ui->fieldsLayout->setColumnMinimumWidth(c, columns[c]);
    ui->fieldsLayout->setColumnStretch(3, 1);
    const int rowGap = tw(75);
    ui->fieldsLayout->setVerticalSpacing(rowGap);
    for (QLineEdit* box : {ui->txtCountry, ui->txtDenom, ui->txtExRate})
        box->setFixedWidth(columns[1] + columns[2]);
    // The coins reach below the rate box, down to just above the rule.
    const int boxHeight = ui->txtDenom->sizeHint().height();
    ui->fieldsLayout->setRowMinimumHeight(3, qMax(0, tw(1245) - 2 * boxHeight - 3 * rowGap));

    int contentWidth = 0;
    for (int w : columns)
        contentWidth += w;
    ui->lblInfo->setFixedWidth(contentWidth);
    ui->lblInfo->setMinimumHeight(qMax(tw(390), ui->lblInfo->heightForWidth(contentWidth)));

    ui->infoGap->changeSize(0, tw(330), QSizePolicy::Minimum, QSizePolicy::Fixed);
    ui->ruleGap->changeSize(0, tw(75), QSizePolicy::Minimum, QSizePolicy::Fixed);
    ui->Frame2->setFixedHeight(tw(135));
    ui->buttonsGap->changeSize(0, tw(105), QSizePolicy::Minimum, QSizePolicy::Fixed);
    ui->buttonsLayout->setSpacing(tw(105));
    for (QPushButton* button : {ui->cmdSave, ui->cmdFinished})
        button->setMinimumSize(tw(1095), tw(375));
}

void frmAddExchange::Form_Load()
{
    txtDenom->setText(DenominationPlaceholder);
    UpdateSaveButton();
}

void frmAddExchange::Form_QueryUnload(bool& Cancel, int UnloadMode)
{
    Q_UNUSED(Cancel);
    Q_UNUSED(UnloadMode);
    try {
        if (frmHUD::isLoaded())
            frmHUD::instance().refillKeepingSelection();
    } catch (...) {
        // Closing goes on; the lists keep what they showed.
    }
}

void frmAddExchange::done(int r)
{
    if (!unloaded_) {
        unloaded_ = true;
        bool Cancel = false;
        Form_QueryUnload(Cancel, 0);
    }
    QDialog::done(r);
}

void frmAddExchange::UpdateSaveButton()
{
    cmdSave->setEnabled(MOD_Universe::rateBoxesFilled(txtCountry->text(), txtDenom->text(), txtExRate->text()));
}

void frmAddExchange::txtDenom_Validate(bool& Cancel)
{
    Q_UNUSED(Cancel);  // the focus is never held back
    if (txtDenom->text().isEmpty())
        txtDenom->setText(DenominationPlaceholder);
}

void frmAddExchange::txtExRate_KeyPress(int& KeyAscii)
{
    MOD_Universe::exchangeRateKeyFilter(KeyAscii, txtExRate->text());
}

void frmAddExchange::cmdSave_Click()
{
    MOD_Universe::runGuarded(
        [this] {
            const QString name = txtCountry->text();
            // An empty table has nothing to compare with.
            if (!(rsRates.isBOF() && rsRates.isEOF())) {
                rsRates.FindCountry(name);
                if (!rsRates.isEOF()) {
                    MsgBox(name + u" already exists."_s);
                    return;
                }
            }
            SaveNewRate();
            txtCountry->clear();
            txtDenom->setText(DenominationPlaceholder);
            txtExRate->clear();
        },
        MOD_Universe::reportSaveError);
}

void frmAddExchange::SaveNewRate()
{
    rsRates.AddNew();
    rsRates.SetField(MOD_Data::FieldCountry, txtCountry->text());
    rsRates.SetField(MOD_Data::FieldUnit, txtDenom->text());
    rsRates.SetField(MOD_Data::FieldRate, txtExRate->text());
    rsRates.Update();
    MsgBox(u"The New Exchange Rate has been saved successfuly"_s);
}

void frmAddExchange::cmdFinished_Click()
{
    close();
}

bool frmAddExchange::filterRateKey(QKeyEvent* event)
{
    if (MOD_Universe::isDialogKey(event))
        return false;  // Enter still reaches the default button
    if (MOD_Universe::typesDecimalPoint(event)) {
        int KeyAscii = '.';
        txtExRate_KeyPress(KeyAscii);
        if (KeyAscii != 0)
            txtExRate->insert(u"."_s);
        return true;
    }
    const int code = MOD_Universe::keyAscii(event);
    if (code < 0)
        return false;  // navigation and editing keys
    int KeyAscii = code;
    txtExRate_KeyPress(KeyAscii);
    return KeyAscii == 0;
}

bool frmAddExchange::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->imgCoins && event->type() == QEvent::Resize)
        paintCoins(*ui->imgCoins);
    if (watched == txtExRate && event->type() == QEvent::KeyPress)
        return filterRateKey(static_cast<QKeyEvent*>(event));
    if (watched == txtDenom && event->type() == QEvent::FocusOut) {
        // Only a move to another control validates, not the window losing activation.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            bool Cancel = false;
            txtDenom_Validate(Cancel);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmHUD::mnuFileAddRates_Click()
{
    // Built afresh for each opening, modal over the main window.
    QPointer<frmAddExchange> dialog = new frmAddExchange(this);
    dialog->exec();
    delete dialog;
}
