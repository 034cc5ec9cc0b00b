#include "data/NumberForm.h"

#include "data/Wording.h"

#include <QCoreApplication>
#include <QLocale>

namespace data {

QChar decimalMark()
{
    const QString mark = QLocale().decimalPoint();
    if (mark.size() == 1 && mark.front().isPunct())
        return mark.front();
    return u'.';
}

bool marksWithPoint()
{
    return decimalMark() == u'.';
}

QString shownForm(const QString& pointText)
{
    const QChar mark = decimalMark();
    if (mark == u'.')
        return pointText;
    QString shown = pointText;
    shown.replace(u'.', mark);
    return shown;
}

QString shownNumber(double value)
{
    return shownForm(numberText(value));
}

QString shownMoney(double value)
{
    return shownForm(formatMoney(value));
}

QString shownStoredNumber(const QString& stored)
{
    return readNumber(stored).ok() ? shownForm(stored) : stored;
}

std::optional<QString> pointFormOf(const QString& typed)
{
    const QChar mark = decimalMark();
    if (mark == u'.')
        return typed;
    if (typed.contains(u'.'))
        return std::nullopt;
    QString text = typed;
    text.replace(mark, u'.');
    return text;
}

ParsedNumber readTyped(const QString& typed)
{
    const std::optional<QString> text = pointFormOf(typed);
    return text ? readNumber(*text) : ParsedNumber{};
}

QString shownMoneyText(const QString& typed)
{
    const ParsedNumber number = readTyped(typed);
    return number.ok() ? shownMoney(number.value) : typed;
}

QString numberWritingHint()
{
    const QString mark = quoted(QString(decimalMark()));
    const QString example = shownNumber(1234.5);
    if (marksWithPoint())
        //: %1 the decimal mark in quotation marks, %2 a number written so.
        return QCoreApplication::translate("Numbers",
                                           "Write it with digits and at most one %1 as the decimal mark, for "
                                           "example %2.")
            .arg(mark, example);
    //: %1 the decimal mark in quotation marks, %2 a number written so. A point could be a
    //: thousands separator, so it is never read.
    return QCoreApplication::translate("Numbers",
                                       "Write it with digits and at most one %1 as the decimal mark, without a "
                                       "point or any thousands separator, for example %2.")
        .arg(mark, example);
}

} // namespace data
