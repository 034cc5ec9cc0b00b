#pragma once

// Figures as the user reads and types them: the decimal mark of the user's
// number locale (QLocale(), whatever the language of the words) and never a
// grouping mark, as "#.00" has none. The store, rate files, exports and
// settings keep the '.' form of NumberText.h; a text crosses between the two
// forms only through these functions, so every window, receipt and report
// shows figures alike. Where the user's mark is '.', both forms are the same
// text and nothing here changes a character.

#include "data/NumberText.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace data {

// The user's decimal mark: QLocale()'s, or '.' where it is no single
// punctuation character.
QChar decimalMark();
// Whether the user's mark is '.', the form of the files and the store.
bool marksWithPoint();

// A text in the '.' form shown in the user's form: every '.' becomes the mark.
QString shownForm(const QString& pointText);
// numberText and formatMoney ("#.00") in the user's form.
QString shownNumber(double value);
QString shownMoney(double value);
// A text the store holds (a rate as text): a number in the user's form, any
// other text as it stands.
QString shownStoredNumber(const QString& stored);

// A text the user typed or pasted, in the '.' form readNumber and the store
// take; none when it cannot be put so without guessing. Where the user's mark
// is not '.', a '.' in the text is a grouping mark or another locale's decimal
// point ("1.000", "1.000,50", "1.5"), and no reading of it is safe.
std::optional<QString> pointFormOf(const QString& typed);

// readNumber on a typed text; a text pointFormOf refuses is NotANumber.
ParsedNumber readTyped(const QString& typed);

// "#.00" on a typed text in the user's form: a text that reads as a number
// is formatted, any other comes back unchanged.
QString shownMoneyText(const QString& typed);

// One sentence telling how numbers are written here, with an example in the
// user's form; where the mark is not '.', that a point is not taken.
QString numberWritingHint();

} // namespace data
