#include "maintenance/RateSourceSettings.h"

#include "feed/FeedConfig.h"
#include "feed/Publishers.h"
#include "widgets/UserSettings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace maintenance {

namespace {

const QString RatesGroup = u"Rates"_s;
const QString PublishersGroup = u"Publishers"_s;
const QString FeedGroup = u"Feed"_s;
// Longer limits are no limit a till would keep; ten years.
constexpr int MaxOldAfterDays = 3650;

QString textOr(const QString& group, const QString& key, const QString& fallback)
{
    const QString value = widgets::UserSettings(group).value(key).toString().trimmed();
    return value.isEmpty() ? fallback : value;
}

bool isHttps(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    return url.isValid() && url.scheme() == u"https"_s && !url.host().isEmpty();
}

} // namespace

int oldAfterDays()
{
    bool ok = false;
    const int days = widgets::UserSettings(RatesGroup).value(u"OldAfterDays"_s, DefaultOldAfterDays).toInt(&ok);
    return ok && days >= 0 && days <= MaxOldAfterDays ? days : DefaultOldAfterDays;
}

bool refuseOldRates()
{
    return widgets::UserSettings(RatesGroup).value(u"RefuseOldRates"_s, false).toBool();
}

QString ukMonthlyPattern()
{
    return textOr(PublishersGroup, u"UkMonthly"_s, QString::fromUtf16(feed::DefaultUkMonthlyUrl));
}

QString ecbDailyAddress()
{
    return textOr(PublishersGroup, u"EcbDaily"_s, QString::fromUtf16(feed::DefaultEcbDailyUrl));
}

RateSourceSettings::RateSourceSettings(QWidget* parent, QString systemFeedConf)
    : SettingsPage(parent)
    , systemFeedConf_(systemFeedConf.isEmpty() ? QString::fromUtf16(feed::DefaultFeedConfPath) : systemFeedConf)
{
    build();
}

void RateSourceSettings::build()
{
    auto* page = new QVBoxLayout(this);
    auto* age = new QFormLayout;
    spnOldAfterDays = new QSpinBox(this);
    spnOldAfterDays->setObjectName(u"spnOldAfterDays"_s);
    spnOldAfterDays->setRange(0, MaxOldAfterDays);
    //: Shown for 0 days: rates never count as old.
    spnOldAfterDays->setSpecialValueText(tr("Never"));
    age->addRow(tr("Rates are old after (days):"), spnOldAfterDays);
    chkRefuseOldRates = new QCheckBox(tr("Refuse to record a deal on an old rate"), this);
    chkRefuseOldRates->setObjectName(u"chkRefuseOldRates"_s);
    age->addRow(chkRefuseOldRates);
    txtUkMonthlyUrl = new QLineEdit(this);
    txtUkMonthlyUrl->setObjectName(u"txtUkMonthlyUrl"_s);
    //: {year} and {month} stand for the year and the month's number; keep them as they are.
    age->addRow(tr("HMRC monthly rates ({year}, {month}):"), txtUkMonthlyUrl);
    txtEcbDailyUrl = new QLineEdit(this);
    txtEcbDailyUrl->setObjectName(u"txtEcbDailyUrl"_s);
    age->addRow(tr("ECB daily rates:"), txtEcbDailyUrl);
    page->addLayout(age);

    auto* office = new QGroupBox(tr("Head office"), this);
    auto* feedForm = new QFormLayout(office);
    lblFeedSource = new QLabel(office);
    lblFeedSource->setWordWrap(true);
    feedForm->addRow(lblFeedSource);
    txtFeedUrl = new QLineEdit(office);
    txtFeedUrl->setObjectName(u"txtFeedUrl"_s);
    feedForm->addRow(tr("Address (https):"), txtFeedUrl);
    txtFeedPublicKey = new QLineEdit(office);
    txtFeedPublicKey->setObjectName(u"txtFeedPublicKey"_s);
    feedForm->addRow(tr("Public key:"), txtFeedPublicKey);
    spnFeedInterval = new QSpinBox(office);
    spnFeedInterval->setObjectName(u"spnFeedInterval"_s);
    spnFeedInterval->setRange(1, feed::MaxIntervalMinutes);
    feedForm->addRow(tr("Fetch every (minutes):"), spnFeedInterval);
    page->addWidget(office);
}

void RateSourceSettings::load()
{
    spnOldAfterDays->setValue(oldAfterDays());
    chkRefuseOldRates->setChecked(refuseOldRates());
    txtUkMonthlyUrl->setText(ukMonthlyPattern());
    txtEcbDailyUrl->setText(ecbDailyAddress());
    loadFeed();
}

void RateSourceSettings::loadFeed()
{
    const bool system = QFileInfo::exists(systemFeedConf_);
    QSettings values(systemFeedConf_, QSettings::IniFormat);
    widgets::UserSettings user(FeedGroup);
    if (system)
        values.beginGroup(FeedGroup);
    QSettings& from = system ? values : user;
    txtFeedUrl->setText(from.value(u"Url"_s).toString());
    txtFeedPublicKey->setText(from.value(u"PublicKey"_s).toString());
    spnFeedInterval->setValue(from.value(u"IntervalMinutes"_s, feed::DefaultIntervalMinutes).toInt());
    for (QWidget* box : {static_cast<QWidget*>(txtFeedUrl), static_cast<QWidget*>(txtFeedPublicKey),
                         static_cast<QWidget*>(spnFeedInterval)})
        box->setEnabled(!system);
    lblFeedSource->setText(
        system ? tr("Set for this machine in %1; only its administrator can change it.").arg(systemFeedConf_)
               : tr("Leave the address empty unless this till takes its rates from head office. A change "
                    "takes effect when Tallyvane next starts."));
}

bool RateSourceSettings::save(QString* why)
{
    const QString refusal = refusedAddress();
    if (!refusal.isEmpty()) {
        *why = refusal;
        return false;
    }
    store();
    if (settingsSaved())
        return true;
    *why = tr("The settings could not be saved.");
    return false;
}

QString RateSourceSettings::refusedAddress() const
{
    for (QLineEdit* box : {txtUkMonthlyUrl, txtEcbDailyUrl}) {
        if (!isHttps(box->text().trimmed()))
            //: %1 is the address typed.
            return tr("The address %1 is not an https address. Nothing was saved.").arg(box->text().trimmed());
    }
    const QString feedUrl = txtFeedUrl->text().trimmed();
    if (txtFeedUrl->isEnabled() && !feedUrl.isEmpty() && !isHttps(feedUrl))
        return tr("The address %1 is not an https address. Nothing was saved.").arg(feedUrl);
    return {};
}

void RateSourceSettings::store()
{
    widgets::UserSettings settings(RatesGroup);
    settings.setValue(u"OldAfterDays"_s, spnOldAfterDays->value());
    settings.setValue(u"RefuseOldRates"_s, chkRefuseOldRates->isChecked());
    settings.endGroup();
    settings.beginGroup(PublishersGroup);
    settings.setValue(u"UkMonthly"_s, txtUkMonthlyUrl->text().trimmed());
    settings.setValue(u"EcbDaily"_s, txtEcbDailyUrl->text().trimmed());
    settings.endGroup();
    if (!txtFeedUrl->isEnabled())
        return;
    settings.beginGroup(FeedGroup);
    const QString feedUrl = txtFeedUrl->text().trimmed();
    if (feedUrl.isEmpty()) {
        settings.remove(QString());
    } else {
        settings.setValue(u"Url"_s, feedUrl);
        settings.setValue(u"PublicKey"_s, txtFeedPublicKey->text().trimmed());
        settings.setValue(u"IntervalMinutes"_s, spnFeedInterval->value());
    }
}

bool RateSourceSettings::settingsSaved()
{
    // A page that closes without a word has promised the values are kept.
    widgets::UserSettings settings(RatesGroup);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace maintenance
