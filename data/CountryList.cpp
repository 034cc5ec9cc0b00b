#include "data/CountryList.h"

#include "app/EventHook.h"
#include "data/RecordStore.h"

#include <QCollator>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace MOD_Data {

void sortForPeople(QStringList& names)
{
    QCollator collator;  // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
}

void fillSortedList(QListWidget& list, QStringList names)
{
    sortForPeople(names);
    const QSignalBlocker blocker(&list);
    list.clear();
    list.addItems(names);
    for (int i = 0; i < list.count(); ++i)
        list.item(i)->setToolTip(list.item(i)->text());
}

void selectFirstOnFirstArrow(QListWidget& list)
{
    MOD_Universe::hookEvents(list, [&list](QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return MOD_Universe::HookResult{};
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Down || key->key() == Qt::Key_Up;
        if (!arrow || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || list.count() == 0
            || !list.selectedItems().isEmpty())
            return MOD_Universe::HookResult{};
        list.setCurrentRow(0);
        return MOD_Universe::HookResult{true, false};
    });
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
