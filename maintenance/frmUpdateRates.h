#pragma once

// File > Update Rates...: the UK tax authority's rates of a month (this month
// by default) or the European Central Bank's daily reference rates, fetched
// over https (feed/Fetch.h) with a progress bar and Cancel. A file that came
// and reads as a rate file goes to the same preview as Import Rates; every
// other end is a plain message, and nothing is written.

#include "feed/Fetch.h"
#include "ratefiles/RateFile.h"

#include <QDialog>
#include <QNetworkAccessManager>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace maintenance {

QString updateRatesTitle();
void updateRates(QWidget& owner);
// Tests trust an authority of their own and wait less; none: the defaults.
void setUpdateFetchOptions(std::optional<feed::FetchOptions> options);

} // namespace maintenance

class frmUpdateRates : public QDialog {
    Q_OBJECT

public:
    frmUpdateRates(QWidget* parent, feed::FetchOptions options);
    ~frmUpdateRates() override;

    // The file fetched and read, once the dialog was accepted.
    const std::optional<ratefiles::RateFile>& file() const { return file_; }

    // While fetching, stops the download instead; the dialog closes once it has.
    void reject() override;

private:
    void build();
    QUrl chosenUrl() const;
    void cmdFetch_Click();
    void fetchProgress(qint64 received, qint64 total);
    void fetched();
    bool offerPreviousMonth(const QString& why);
    void setBusy(bool busy);

    QRadioButton* optMonthly = nullptr;
    QRadioButton* optDaily = nullptr;
    QComboBox* cboMonth = nullptr;
    QSpinBox* spnYear = nullptr;
    QProgressBar* prgFetch = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdFetch = nullptr;
    QPushButton* cmdCancel = nullptr;
    QNetworkAccessManager network_;
    feed::FetchOptions options_;
    std::unique_ptr<feed::Fetch> fetch_;
    std::optional<ratefiles::RateFile> file_;
};
