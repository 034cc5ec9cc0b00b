#include "data/Refusal.h"

#include "data/Money.h"
#include "data/NumberForm.h"
#include "data/RateValue.h"
#include "data/TextLimits.h"
#include "data/Wording.h"

#include <QCoreApplication>
#include <QDate>

using namespace Qt::StringLiterals;

namespace data {

namespace {

std::optional<Refusal> refused(const FieldDef& field, RefusalKind kind, const QString& text)
{
    return Refusal{field.name, kind, text};
}

std::optional<Refusal> textRefusal(const FieldDef& field, const QString& text)
{
    if (field.required && text.isEmpty())
        return refused(field, RefusalKind::Empty, text);
    if (text.contains(QChar(u'\0')))
        return refused(field, RefusalKind::NulCharacter, text);
    if (characterCount(text) > field.maxChars)
        return refused(field, RefusalKind::TooLong, text);
    return std::nullopt;
}

std::optional<RefusalKind> rateRefusalKind(double value, QStringView written)
{
    switch (rateFault(value, written)) {
    case RateFault::None:
        return std::nullopt;
    case RateFault::NotFinite:
        return RefusalKind::NotANumber;
    case RateFault::NotAboveZero:
        return RefusalKind::NotAboveZero;
    case RateFault::TooSmall:
        return RefusalKind::TooSmall;
    }
    return RefusalKind::NotANumber;
}

std::optional<Refusal> numberRefusal(const FieldDef& field, const QString& text)
{
    if (field.required && text.isEmpty())
        return refused(field, RefusalKind::Empty, text);
    const ParsedNumber number = readNumber(text);
    if (number.status == NumberStatus::Overflow)
        return refused(field, RefusalKind::TooLarge, text);
    if (!number.ok())
        return refused(field, RefusalKind::NotANumber, text);
    if (const auto kind = rateRefusalKind(number.value, text))
        return refused(field, *kind, text);
    return std::nullopt;
}

// A margin or an amount: a number from 0 to the field's limit; an amount in
// whole hundredths, exactly as its two-decimal text reads.
std::optional<Refusal> boundedRefusal(const FieldDef& field, const QString& text)
{
    const ParsedNumber number = readNumber(text);
    if (number.status == NumberStatus::Overflow)
        return refused(field, RefusalKind::TooLarge, text);
    if (!number.ok())
        return refused(field, RefusalKind::NotANumber, text);
    if (number.value < 0.0)
        return refused(field, RefusalKind::Negative, text);
    if (field.kind == FieldKind::Percent)
        return number.value < field.limit ? std::nullopt : refused(field, RefusalKind::NotBelowLimit, text);
    if (number.value > field.limit)
        return refused(field, RefusalKind::AboveLimit, text);
    const std::optional<Money> money = Money::fromDouble(number.value);
    if (!money || money->toDouble() != number.value)
        return refused(field, RefusalKind::TooManyDecimals, text);
    return std::nullopt;
}

// A pasted text may be very long: the message shows its start.
QString shownValue(const QString& text)
{
    constexpr qsizetype MostShown = 60;
    return quoted(text.size() <= MostShown ? text : text.left(MostShown) + u"..."_s);
}

} // namespace

std::optional<Refusal> refusalOf(const FieldDef& field, const QString& text)
{
    switch (field.kind) {
    case FieldKind::Text:
        return textRefusal(field, text);
    case FieldKind::Rate:
        return numberRefusal(field, text);
    case FieldKind::Date:
        if (text.isEmpty())
            return std::nullopt;
        if (const QDate day = QDate::fromString(text, Qt::ISODate); !day.isValid() || day.toString(Qt::ISODate) != text)
            return refused(field, RefusalKind::NotADate, text);
        return std::nullopt;
    case FieldKind::Code:
        if (text.isEmpty() || isCurrencyCode(text))
            return std::nullopt;
        return refused(field, RefusalKind::NotACode, text);
    case FieldKind::Percent:
    case FieldKind::Money:
        return boundedRefusal(field, text);
    }
    return refused(field, RefusalKind::NotANumber, text);
}

std::optional<Refusal> refusalOfRate(double value, const QString& written)
{
    if (const auto kind = rateRefusalKind(value, written))
        return Refusal{FieldRate, *kind, written};
    return std::nullopt;
}

QString refusalMessage(const Refusal& refusal)
{
    const QString box = fieldLabel(refusal.field);
    const QString value = shownValue(refusal.value);
    switch (refusal.kind) {
    case RefusalKind::Empty:
        //: %1 the caption of a box in the rate dialogs, without its colon.
        return QCoreApplication::translate("Refusals", "The %1 box is empty.").arg(box);
    case RefusalKind::NulCharacter:
        return QCoreApplication::translate("Refusals", "The %1 box holds a null character, which cannot be stored.")
            .arg(box);
    case RefusalKind::TooLong:
        //: %1 the box's caption, %2 how many characters it holds, %3 the most it may hold.
        return QCoreApplication::translate("Refusals", "The %1 box holds %2 characters; it can hold at most %3.")
            .arg(box)
            .arg(characterCount(refusal.value))
            .arg(fieldDef(refusal.field).maxChars);
    case RefusalKind::NotANumber:
        //: %1 the value as typed, in quotation marks; %2 the box's caption. A hint how to write
        //: a number follows.
        return QCoreApplication::translate("Refusals", "%1 in the %2 box is not a number.").arg(value, box) + u' '
            + numberWritingHint();
    case RefusalKind::TooLarge:
        //: %3 the limit, a number such as 1.8E+308 in the user's number form.
        return QCoreApplication::translate(
                   "Refusals", "%1 in the %2 box is too large: the largest rate the table can hold is about %3.")
            .arg(value, box, shownForm(u"1.8E+308"_s));
    case RefusalKind::NotAboveZero:
        return QCoreApplication::translate("Refusals",
                                           "%1 in the %2 box is not above 0: a rate must be greater than 0.")
            .arg(value, box);
    case RefusalKind::TooSmall:
        //: %3 the limit, a number such as 2.2E-308 in the user's number form.
        return QCoreApplication::translate(
                   "Refusals", "%1 in the %2 box is too small: the smallest rate the table can hold is about %3.")
            .arg(value, box, shownForm(u"2.2E-308"_s));
    case RefusalKind::NotADate:
        return QCoreApplication::translate("Refusals", "%1 in the %2 box is not a date: a date is written YYYY-MM-DD.")
            .arg(value, box);
    case RefusalKind::NotACode:
        return QCoreApplication::translate(
                   "Refusals", "%1 in the %2 box is not a currency code: a code is three capital letters, or nothing.")
            .arg(value, box);
    case RefusalKind::Negative:
        return QCoreApplication::translate("Refusals", "%1 in the %2 box is below 0.").arg(value, box);
    case RefusalKind::NotBelowLimit:
        //: %3 the limit, such as 100, in the user's number form.
        return QCoreApplication::translate("Refusals", "%1 in the %2 box is too large: it must be below %3.")
            .arg(value, box, shownNumber(fieldDef(refusal.field).limit));
    case RefusalKind::AboveLimit:
        //: %3 the limit, such as 1000000000, in the user's number form.
        return QCoreApplication::translate("Refusals", "%1 in the %2 box is too large: it can be at most %3.")
            .arg(value, box, shownNumber(fieldDef(refusal.field).limit));
    case RefusalKind::TooManyDecimals:
        return QCoreApplication::translate("Refusals", "%1 in the %2 box has more than two decimals.").arg(value, box);
    }
    return {};
}

} // namespace data
