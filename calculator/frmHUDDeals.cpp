// The main window's journal commands: Record beside Calculate, and the File
// and Help menu items that record, reprint, void and check.

#include "calculator/frmHUD.h"
#include "ui_frmHUD.h"

#include "calculator/DealRecording.h"
#include "calculator/FigureLabel.h"
#include "calculator/frmDayDeals.h"
#include "data/DbError.h"
#include "data/NumberForm.h"
#include "data/Rates.h"
#include "widgets/Failure.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Whether a figure label shows amount (".00" is 0.00).
bool shows(const FigureLabel& label, data::Money amount)
{
    const data::ParsedNumber shown = data::readTyped(label.text());
    return shown.ok() && data::Money::fromDouble(shown.value) == amount;
}

// A journal command's body: no exception reaches the event loop.
void guarded(const std::function<void()>& body)
{
    widgets::runGuarded(body, [](long number, const QString& description) {
        widgets::reportFailure(frmHUD::tr("The journal command failed."), number, description);
    });
}

} // namespace

void frmHUD::addDealCommands()
{
    cmdRecord = new QPushButton(tr("&Record"), this);
    cmdRecord->setObjectName(u"cmdRecord"_s);
    // After Calculate, in the order a deal is made.
    ui->buttonRow->insertWidget(ui->buttonRow->indexOf(cmdCalculate) + 1, cmdRecord);
    setTabOrder(cmdCalculate, cmdRecord);
    connect(cmdRecord, &QPushButton::clicked, this, &frmHUD::cmdRecord_Click);

    mnuFileRecordDeal = new QAction(tr("&Record Deal"), this);
    mnuFileRecordDeal->setObjectName(u"mnuFileRecordDeal"_s);
    mnuFileRecordDeal->setShortcut(QKeySequence(u"Ctrl+R"_s));
    auto* reprint = new QAction(tr("Repri&nt Receipt..."), this);
    reprint->setObjectName(u"mnuFileReprintReceipt"_s);
    auto* voidLast = new QAction(tr("&Void Last Deal..."), this);
    voidLast->setObjectName(u"mnuFileVoidLastDeal"_s);
    auto* day = new QAction(tr("Da&y's Deals..."), this);
    day->setObjectName(u"mnuFileDaysDeals"_s);
    day->setShortcut(QKeySequence(u"Ctrl+J"_s));
    ui->mnuFile->insertActions(ui->mnuSep4, {mnuFileRecordDeal, reprint, voidLast, day});
    ui->mnuFile->insertSeparator(mnuFileRecordDeal);
    connect(mnuFileRecordDeal, &QAction::triggered, this, &frmHUD::cmdRecord_Click);
    connect(reprint, &QAction::triggered, this, &frmHUD::mnuFileReprintReceipt_Click);
    connect(voidLast, &QAction::triggered, this, &frmHUD::mnuFileVoidLastDeal_Click);
    connect(day, &QAction::triggered, this, &frmHUD::mnuFileDaysDeals_Click);

    auto* check = new QAction(tr("Check &Journal"), this);
    check->setObjectName(u"mnuHelpCheckJournal"_s);
    ui->mnuHelp->insertAction(ui->mnuSep2, check);
    connect(check, &QAction::triggered, this, &frmHUD::mnuHelpCheckJournal_Click);

    // After the window's own handlers, which empty the figures first.
    for (QLineEdit* box : {txtConvert, txtCom, txtExchangeRate[0], txtExchangeRate[1]})
        connect(box, &QLineEdit::textChanged, this, &frmHUD::UpdateRecordButton);
    for (QListWidget* list : lstCountries)
        connect(list, &QListWidget::itemSelectionChanged, this, &frmHUD::UpdateRecordButton);
    connect(&data::Rates::instance(), &data::Rates::ratesChanged, this, &frmHUD::UpdateRecordButton,
            Qt::QueuedConnection);
    UpdateRecordButton();
}

void frmHUD::UpdateRecordButton()
{
    bool recordable = false;
    if (figuresFrom_ && figuresFrom_->inputs == exchangeInputs() && figuresFrom_->terms == dealTerms()) {
        try {
            const auto deal = calculator::dealFromInputs(figuresFrom_->inputs, figuresFrom_->terms);
            // The journal must hold what the customer was shown, to the digit.
            recordable = deal && shows(*lblExRes, deal->exchanged) && shows(*lblComRes, deal->commission)
                && shows(*lblTotalRes, deal->total);
        } catch (const data::DbError&) {
            recordable = false; // the table cannot be read: nothing to record
        }
    }
    cmdRecord->setEnabled(recordable);
    mnuFileRecordDeal->setEnabled(recordable);
}

void frmHUD::cmdRecord_Click()
{
    UpdateRecordButton();
    if (!cmdRecord->isEnabled())
        return;
    guarded([this] { calculator::recordDeal(*this, figuresFrom_->inputs, figuresFrom_->terms); });
}

void frmHUD::mnuFileReprintReceipt_Click()
{
    guarded([this] { calculator::reprintReceipt(*this); });
}

void frmHUD::mnuFileVoidLastDeal_Click()
{
    guarded([this] { calculator::voidLastDeal(*this); });
}

void frmHUD::mnuFileDaysDeals_Click()
{
    guarded([this] { calculator::showDayDeals(*this); });
}

void frmHUD::mnuHelpCheckJournal_Click()
{
    guarded([this] { calculator::checkJournal(this, false); });
}
