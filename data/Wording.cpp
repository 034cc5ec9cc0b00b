#include "data/Wording.h"

#include "data/Fields.h"

#include <QCoreApplication>

namespace data {

QString quoted(const QString& text)
{
    //: A value or a file name quoted inside a message: the language's own quotation marks around %1.
    return QCoreApplication::translate("Wording", "'%1'").arg(text);
}

QString fieldLabel(QStringView field)
{
    struct Label {
        QStringView field;
        const char* label;
    };
    // The rate dialogs' captions, "Country:", "Denomination:", "Exchange Rate:".
    static constexpr Label Labels[] = {
        {FieldCountry, QT_TRANSLATE_NOOP("Wording", "Country")},
        {FieldUnit, QT_TRANSLATE_NOOP("Wording", "Denomination")},
        {FieldRate, QT_TRANSLATE_NOOP("Wording", "Exchange Rate")},
        //: The day a rate was set, kept with it.
        {FieldUpdated, QT_TRANSLATE_NOOP("Wording", "Date of the rate")},
        {FieldCode, QT_TRANSLATE_NOOP("Wording", "Currency Code")},
        {FieldBuyMargin, QT_TRANSLATE_NOOP("Wording", "Buy Margin (%)")},
        {FieldSellMargin, QT_TRANSLATE_NOOP("Wording", "Sell Margin (%)")},
        {FieldSmallestNote, QT_TRANSLATE_NOOP("Wording", "Smallest Note")},
    };
    for (const Label& l : Labels) {
        if (l.field == field)
            return QCoreApplication::translate("Wording", l.label);
    }
    return field.toString();
}

} // namespace data
