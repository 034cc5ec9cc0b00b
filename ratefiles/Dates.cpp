#include "ratefiles/Dates.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <utility>

using namespace Qt::StringLiterals;

namespace ratefiles {

QDate readDate(const QString& written)
{
    static const QStringList months{u"january"_s, u"february"_s, u"march"_s,     u"april"_s,
                                    u"may"_s,     u"june"_s,     u"july"_s,      u"august"_s,
                                    u"september"_s, u"october"_s, u"november"_s, u"december"_s};
    QStringList parts;
    QString part;
    for (QChar c : written.trimmed()) {
        if (c == u'/' || c == u'-' || c == u'.' || c == u' ') {
            if (!part.isEmpty())
                parts.append(std::exchange(part, QString()));
        } else {
            part += c;
        }
    }
    if (!part.isEmpty())
        parts.append(part);
    if (parts.size() != 3)
        return {};
    const auto number = [](const QString& text, int maxDigits) {
        if (text.isEmpty() || text.size() > maxDigits)
            return -1;
        int n = 0;
        for (QChar c : text) {
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c.unicode() - u'0');
        }
        return n;
    };
    const auto month = [&](const QString& text) {
        const int n = number(text, 2);
        if (n >= 0)
            return n;
        const QString lower = text.toLower();
        for (int m = 0; m < 12; ++m) {
            if (lower == months[m] || (lower.size() == 3 && months[m].startsWith(lower)) || (lower == u"sept" && m == 8))
                return m + 1;
        }
        return -1;
    };
    if (parts[0].size() == 4) {
        const int y = number(parts[0], 4), m = number(parts[1], 2), d = number(parts[2], 2);
        return y > 0 && m > 0 && d > 0 ? QDate(y, m, d) : QDate();
    }
    const int d = number(parts[0], 2), m = month(parts[1]), y = number(parts[2], 4);
    if (d <= 0 || m <= 0 || parts[2].size() != 4 || y <= 0)
        return {};
    return QDate(y, m, d);
}

QString dateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    // The translation decides both the month names and the order, so English
    // stays English on a German desktop and the reverse.
    //: The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.
    const QLocale language(QCoreApplication::translate("Dates", "en"));
    //: A day as dates are written, in Qt's date format: d the day, MMMM the month's name, yyyy the year.
    return language.toString(date, QCoreApplication::translate("Dates", "d MMMM yyyy"));
}

} // namespace ratefiles
