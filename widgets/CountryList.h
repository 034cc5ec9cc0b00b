#pragma once

#include <QStringList>

#include <functional>

class QListWidget;

namespace data {
struct RateRow;
}

namespace widgets {

// Sorts names as people read them in the user's locale: letter case and
// accents count as that locale counts them ("Côte d'Ivoire" before "Czech
// Republic"). Names the locale ranks equal keep a fixed order by code.
void sortForPeople(QStringList& names);

// Replaces a list's entries with names sorted for people, in one batch; no
// selection remains and no selection event is raised. Each entry carries its
// whole name as tooltip, since a narrow list elides long names.
void fillSortedList(QListWidget& list, QStringList names);

// In a list with nothing selected, the first Down or Up selects the first
// entry, rather than moving on from the row the view treats as current.
void selectFirstOnFirstArrow(QListWidget& list);

// The lookup behind choosing a country in a list: finds name's row as the
// table now holds it and runs show with it, which fills the window's boxes. A
// row that is gone, or that fails to be found or read, runs clear and is then
// reported in a message box; nothing thrown gets out.
void showChosenRow(const QString& name, const std::function<void(const data::RateRow&)>& show,
                   const std::function<void()>& clear);

// Rebuilds both country lists of the main window from the rates, sorted for
// people; reports a failure in a message box. An empty table empties both lists.
// Nothing is chosen afterwards and no choice is reported.
void FillCountryLists(QListWidget& first, QListWidget& second);

} // namespace widgets
