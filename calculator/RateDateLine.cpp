#include "calculator/RateDateLine.h"

#include "calculator/RateAge.h"
#include "data/Fields.h"
#include "maintenance/RateSourceSettings.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace calculator {

RateAgeRule currentRateAgeRule()
{
    return RateAgeRule{maintenance::oldAfterDays(), maintenance::refuseOldRates()};
}

QLabel* addRateDateLine(QLineEdit& rateBox, int Index)
{
    auto* line = new QLabel(rateBox.parentWidget());
    line->setObjectName(u"lblRateDate_"_s + QString::number(Index));
    line->setWordWrap(true);
    // Room for two lines from the start: the window's size is fixed once, and
    // a translated "old" may wrap.
    line->setMinimumHeight(2 * line->fontMetrics().lineSpacing());
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (auto* box = qobject_cast<QBoxLayout*>(rateBox.parentWidget()->layout()))
        box->insertWidget(box->indexOf(&rateBox) + 1, line);
    return line;
}

void showRateDate(QLabel& line, const QDate& date, const QString& country, bool rateShown)
{
    RateAgeRule rule = currentRateAgeRule();
    if (country == data::PivotCountry)
        rule.oldAfterDays = 0;
    const QDate today = QDate::currentDate();
    const QString text = rateDateLine(date, today, rule.oldAfterDays, rateShown);
    line.setText(text);
    line.setAccessibleName(text);
    QPalette palette = line.parentWidget()->palette();
    // Dark red reads on the light and the dark themes' window colours alike.
    if (rateShown && markedOld(date, today, rule.oldAfterDays))
        palette.setColor(QPalette::WindowText, QColor(0xC0, 0x10, 0x10));
    line.setPalette(palette);
}

} // namespace calculator
