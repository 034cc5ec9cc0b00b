#pragma once

// Where a till's rates come from and when they count as old, kept in the
// user's settings: the age limit and whether a deal on an old rate is
// refused (group "Rates"), the publishers' addresses (group "Publishers") and,
// for a per-user install, head office's feed (group "Feed", read by
// feed::readFeedConfig). RateSourceSettings is the page the Settings dialog
// hosts; where /etc/tallyvane/feed.conf exists the feed is shown from it, read-only.

#include "maintenance/SettingsPage.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace maintenance {

inline constexpr int DefaultOldAfterDays = 31;
// "Rates are old after (days):"; 0: never.
int oldAfterDays();
// Whether a deal on an old rate is refused.
bool refuseOldRates();
// The monthly address pattern ({year}, {month}) and the daily address.
QString ukMonthlyPattern();
QString ecbDailyAddress();

class RateSourceSettings : public SettingsPage {
    Q_OBJECT

public:
    // systemFeedConf: where the machine's feed file would be (tests give another).
    explicit RateSourceSettings(QWidget* parent = nullptr, QString systemFeedConf = {});

    void load() override;
    // Writes what the page shows; the feed only when the page may change it.
    // An address that is not https is refused with a sentence, nothing written.
    bool save(QString* why) override;

private:
    void build();
    void loadFeed();
    QString refusedAddress() const;
    void store();
    static bool settingsSaved();

    QString systemFeedConf_;
    QSpinBox* spnOldAfterDays = nullptr;
    QCheckBox* chkRefuseOldRates = nullptr;
    QLineEdit* txtUkMonthlyUrl = nullptr;
    QLineEdit* txtEcbDailyUrl = nullptr;
    QLineEdit* txtFeedUrl = nullptr;
    QLineEdit* txtFeedPublicKey = nullptr;
    QSpinBox* spnFeedInterval = nullptr;
    QLabel* lblFeedSource = nullptr;
};

} // namespace maintenance
