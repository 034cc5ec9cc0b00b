#include "data/CountryList.h"

#include "data/RecordStore.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace MOD_Data {

void fillSortedList(QListWidget& list, QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const QSignalBlocker blocker(&list);
    list.clear();
    list.addItems(names);
}

void readCountries(QStringList& names)
{
    if (rsRates.isBOF() && rsRates.isEOF())
        return;
    rsRates.MoveFirst();
    while (!rsRates.isEOF()) {
        names.append(rsRates.Field(FieldCountry));
        rsRates.MoveNext();
    }
}

} // namespace MOD_Data
