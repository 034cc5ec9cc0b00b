#include "widgets/CountryList.h"

#include "data/DbError.h"
#include "data/Rates.h"
#include "widgets/EventHook.h"
#include "widgets/Failure.h"
#include "widgets/MsgBox.h"

#include <QCollator>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace widgets {

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
    hookEvents(list, [&list](QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return HookResult{};
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Down || key->key() == Qt::Key_Up;
        if (!arrow || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || list.count() == 0
            || !list.selectedItems().isEmpty())
            return HookResult{};
        list.setCurrentRow(0);
        return HookResult{true, false};
    });
}

void showChosenRow(const QString& name, const std::function<void(const data::RateRow&)>& show,
                   const std::function<void()>& clear)
{
    runGuarded(
        [&] {
            const std::optional<data::RateRow> row = data::Rates::instance().findRate(name);
            if (!row) {
                clear();
                MsgBox(QCoreApplication::translate("CountryList", "\"%1\" is no longer in the rates table.").arg(name),
                       MsgBoxButtons::OK, MsgBoxIcon::Exclamation);
                return;
            }
            show(*row);
        },
        [&](long number, const QString& description) {
            // The boxes must not go on showing another country's row.
            clear();
            reportFailure(QCoreApplication::translate("CountryList", "The rate of \"%1\" could not be read.").arg(name),
                          number, description);
        });
}

void FillCountryLists(QListWidget& first, QListWidget& second)
{
    const QString failed =
        QCoreApplication::translate("CountryList", "There were errors while trying to fill the countries lists.");
    const data::Rates& rates = data::Rates::instance();
    if (!rates.isOpen()) {
        widgets::MsgBox(failed);
        return;
    }
    // An empty table empties both lists: they must not offer a name that is gone.
    QStringList names;
    bool ok = true;
    try {
        rates.appendCountries(names);
    } catch (const data::DbError&) {
        ok = false;  // the names read before the failure stay listed
    }
    for (QListWidget* list : {&first, &second})
        widgets::fillSortedList(*list, names);
    if (!ok)
        widgets::MsgBox(failed);
}

} // namespace widgets
