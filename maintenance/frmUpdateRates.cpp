#include "maintenance/frmUpdateRates.h"

#include "data/Rates.h"
#include "feed/Publishers.h"
#include "maintenance/ImportExport.h"
#include "maintenance/RateSourceSettings.h"
#include "maintenance/WriteCheck.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using widgets::MsgBox;
using widgets::MsgBoxButtons;
using widgets::MsgBoxIcon;
using widgets::MsgBoxResult;

namespace maintenance {

namespace {

std::optional<feed::FetchOptions>& testOptions()
{
    static std::optional<feed::FetchOptions> options;
    return options;
}

QString nothingImported()
{
    return QCoreApplication::translate("ImportExport", "Nothing was imported.");
}

void updateUnguarded(QWidget& owner)
{
    if (!data::Rates::instance().isOpen()) {
        MsgBox(QCoreApplication::translate("UpdateRates", "The rates database is not open, so no rates can be updated."),
               MsgBoxButtons::OK, MsgBoxIcon::Exclamation, updateRatesTitle());
        return;
    }
    if (!mayChangeRates())
        return;
    const QPointer<QWidget> alive(&owner);
    frmUpdateRates dialog(&owner, testOptions().value_or(feed::FetchOptions{}));
    if (dialog.exec() != QDialog::Accepted || !dialog.file() || !alive)
        return;
    previewAndImport(owner, *dialog.file(), updateRatesTitle());
}

} // namespace

QString updateRatesTitle()
{
    return QCoreApplication::translate("UpdateRates", "Update Rates");
}

void updateRates(QWidget& owner)
{
    widgets::runGuarded([&owner] { updateUnguarded(owner); },
                        [](long number, const QString& description) {
                            widgets::reportFailure(
                                QCoreApplication::translate("UpdateRates", "The rates could not be updated."), number,
                                description);
                        });
}

void setUpdateFetchOptions(std::optional<feed::FetchOptions> options)
{
    testOptions() = std::move(options);
}

} // namespace maintenance

frmUpdateRates::frmUpdateRates(QWidget* parent, feed::FetchOptions options)
    : QDialog(parent)
    , options_(std::move(options))
{
    setWindowTitle(maintenance::updateRatesTitle());
    build();
}

frmUpdateRates::~frmUpdateRates() = default;

void frmUpdateRates::build()
{
    auto* page = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    optMonthly = new QRadioButton(tr("HMRC's monthly rates for"), this);
    optMonthly->setObjectName(u"optMonthly"_s);
    optMonthly->setChecked(true);
    auto* month = new QHBoxLayout;
    cboMonth = new QComboBox(this);
    cboMonth->setObjectName(u"cboMonth"_s);
    for (int m = 1; m <= 12; ++m)
        cboMonth->addItem(QLocale().standaloneMonthName(m), m);
    spnYear = new QSpinBox(this);
    spnYear->setObjectName(u"spnYear"_s);
    spnYear->setRange(2000, 2200);
    spnYear->setGroupSeparatorShown(false);
    const QDate today = QDate::currentDate();
    cboMonth->setCurrentIndex(today.month() - 1);
    spnYear->setValue(today.year());
    cboMonth->setAccessibleName(tr("Month"));
    spnYear->setAccessibleName(tr("Year"));
    month->addWidget(cboMonth);
    month->addWidget(spnYear);
    form->addRow(optMonthly, month);
    optDaily = new QRadioButton(tr("The European Central Bank's daily reference rates"), this);
    optDaily->setObjectName(u"optDaily"_s);
    form->addRow(optDaily);
    page->addLayout(form);
    prgFetch = new QProgressBar(this);
    prgFetch->setObjectName(u"prgFetch"_s);
    prgFetch->setRange(0, 0);
    prgFetch->setVisible(false);
    page->addWidget(prgFetch);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(u"lblStatus"_s);
    lblStatus->setWordWrap(true);
    page->addWidget(lblStatus);
    auto* buttons = new QDialogButtonBox(this);
    cmdFetch = buttons->addButton(tr("&Fetch"), QDialogButtonBox::AcceptRole);
    cmdFetch->setObjectName(u"cmdFetch"_s);
    cmdFetch->setDefault(true);
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(u"cmdCancel"_s);
    page->addWidget(buttons);
    connect(cmdFetch, &QPushButton::clicked, this, &frmUpdateRates::cmdFetch_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmUpdateRates::reject);
    connect(optMonthly, &QRadioButton::toggled, cboMonth, &QWidget::setEnabled);
    connect(optMonthly, &QRadioButton::toggled, spnYear, &QWidget::setEnabled);
}

QUrl frmUpdateRates::chosenUrl() const
{
    if (optDaily->isChecked())
        return feed::ecbDailyUrl(maintenance::ecbDailyAddress());
    return feed::ukMonthlyUrl(spnYear->value(), cboMonth->currentData().toInt(), maintenance::ukMonthlyPattern());
}

void frmUpdateRates::cmdFetch_Click()
{
    if (fetch_)
        return;
    const QUrl url = chosenUrl();
    fetch_ = std::make_unique<feed::Fetch>(network_, url, options_);
    connect(fetch_.get(), &feed::Fetch::progress, this, &frmUpdateRates::fetchProgress);
    connect(fetch_.get(), &feed::Fetch::finished, this, &frmUpdateRates::fetched);
    //: %1 is the address being fetched.
    lblStatus->setText(tr("Fetching %1 ...").arg(url.toDisplayString()));
    setBusy(true);
    fetch_->start();
}

void frmUpdateRates::fetchProgress(qint64 received, qint64 total)
{
    if (total > 0) {
        // In kilobytes: an int counts no further than 2 GB.
        prgFetch->setRange(0, int(total / 1024) + 1);
        prgFetch->setValue(int(received / 1024));
    }
}

void frmUpdateRates::setBusy(bool busy)
{
    prgFetch->setVisible(busy);
    prgFetch->setRange(0, 0);
    cmdFetch->setEnabled(!busy);
    optMonthly->setEnabled(!busy);
    optDaily->setEnabled(!busy);
    cboMonth->setEnabled(!busy && optMonthly->isChecked());
    spnYear->setEnabled(!busy && optMonthly->isChecked());
}

void frmUpdateRates::fetched()
{
    const std::unique_ptr<feed::Fetch> done = std::move(fetch_);
    setBusy(false);
    lblStatus->clear();
    const feed::FetchResult& result = done->result();
    if (result.error == feed::FetchError::Cancelled)
        return QDialog::reject();
    if (result.error == feed::FetchError::NotFound && optMonthly->isChecked()) {
        if (offerPreviousMonth(result.message))
            cmdFetch_Click();
        return;
    }
    if (!result.ok()) {
        MsgBox(result.message + u"\r\n"_s + maintenance::nothingImported(), MsgBoxButtons::OK,
               MsgBoxIcon::Exclamation, maintenance::updateRatesTitle());
        return;
    }
    ratefiles::RateFileResult read = ratefiles::parseRateFile(result.body, done->url().toDisplayString());
    if (!read.ok()) {
        MsgBox(read.error + u"\r\n"_s + maintenance::nothingImported(), MsgBoxButtons::OK,
               MsgBoxIcon::Exclamation, maintenance::updateRatesTitle());
        return;
    }
    file_ = std::move(read.file);
    accept();
}

bool frmUpdateRates::offerPreviousMonth(const QString& why)
{
    const QDate previous = QDate(spnYear->value(), cboMonth->currentData().toInt(), 1).addMonths(-1);
    const QString name = QLocale().toString(previous, u"MMMM yyyy"_s);
    //: %1 is a month and its year.
    if (MsgBox(why + u"\r\n"_s + tr("Do you want the rates for %1 instead?").arg(name), MsgBoxButtons::YesNo,
               MsgBoxIcon::Exclamation, maintenance::updateRatesTitle())
        != MsgBoxResult::Yes)
        return false;
    cboMonth->setCurrentIndex(previous.month() - 1);
    spnYear->setValue(previous.year());
    return true;
}

void frmUpdateRates::reject()
{
    // Cancel while fetching stops the download; fetched() then closes the dialog.
    if (fetch_)
        return fetch_->cancel();
    QDialog::reject();
}
