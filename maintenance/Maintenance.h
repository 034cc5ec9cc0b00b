#pragma once

// What the two rate-maintenance dialogs share: the denomination placeholder,
// the rule that enables their action button, the rate box's key filter, the
// failure reports and the delete-and-edit dialog's mode.
//
// Both dialogs are modal over the main window and work on MOD_Data::rsRates
// directly, committing each change at once. Each opening builds the dialog
// afresh; closing it, by any route, refills the main window's country lists
// exactly once. No exception leaves one of their handlers.

#include <QString>

#include <functional>

class QLineEdit;

namespace MOD_Universe {

// Which command opened the delete-and-edit dialog: false for Delete Rates,
// true for Edit Rates. Only those two menu handlers write it; the dialog's
// text-box handlers read it.
inline bool blnEditMode = false;

// Stands in the unit box whenever no unit is given, and is stored when left there.
inline const QString DenominationPlaceholder = QStringLiteral("---------------------");

inline const QString SaveErrorTitle = QStringLiteral("Save Error");

// The action button of either dialog is enabled while all three boxes hold
// text; the placeholder counts as text.
bool rateBoxesFilled(const QString& country, const QString& denomination, const QString& rate);

// The add dialog's rate filter on one typed character code: backspace passes,
// '.' only while boxText holds none yet (whatever is selected), the ten digits
// pass; anything else becomes 0.
void exchangeRateKeyFilter(int& KeyAscii, const QString& boxText);

// Limits a box to a number of characters as the table counts them: a
// character outside the Basic Multilingual Plane is one, not two UTF-16 units,
// and a cut never splits one. Longer text, typed, pasted or set, is cut.
void limitToCharacters(QLineEdit& box, int limit);

// A failure report: firstLine, whom to tell, then "ERROR #: " + number and
// "ERROR  :" + description, joined by CR LF with none after the last.
QString failureReport(const QString& firstLine, long number, const QString& description);

// Shows the save failure ("Save Error", critical icon), then discards the
// record set's pending changes. Never throws.
void reportSaveError(long number, const QString& description) noexcept;

// Runs a handler's body so that nothing it throws reaches the event loop. A
// failure calls onFailure with the store's number and description (0 and the
// exception's text for anything that is not the store's); anything onFailure
// throws in turn is swallowed.
void runGuarded(const std::function<void()>& body,
                const std::function<void(long number, const QString& description)>& onFailure) noexcept;

} // namespace MOD_Universe
