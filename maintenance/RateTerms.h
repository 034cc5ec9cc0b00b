#pragma once

// The boxes of what a bureau sets beside a rate, which both rate dialogs
// show under the rate: the currency's code, the buy and sell margins and the
// smallest note the till pays out. Their limits come from the field table
// (data/Fields.h); the code is typed in capitals, the three numbers take
// digits and one decimal mark as the rate box does, in the user's form.

#include "data/RateRow.h"
#include "maintenance/WriteCheck.h"

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace maintenance {

struct TermBoxes {
    QLineEdit* code;
    QLineEdit* buyMargin;
    QLineEdit* sellMargin;
    QLineEdit* smallestNote;
    std::array<QLabel*, 4> captions;  // in the same order

    std::array<QLineEdit*, 4> boxes() const { return {code, buyMargin, sellMargin, smallestNote}; }
};

// Adds the four captions and boxes (txtCode, txtBuyMargin, txtSellMargin,
// txtSmallestNote) to grid, one a row from row on, each caption in column
// and its box in the next, with their limits and key filters.
TermBoxes addTermBoxes(QWidget& dialog, QGridLayout& grid, int row, int column);
// A row's terms in the user's number form.
void showTerms(const TermBoxes& boxes, const data::RateRow& row);
// As a new row has them: no code, 0, 0 and 0.
void clearTerms(const TermBoxes& boxes);
// Whether any box holds something else than clearTerms puts there.
bool termsTyped(const TermBoxes& boxes);
// The boxes' texts into typed.
void readTerms(const TermBoxes& boxes, TypedRate& typed);

} // namespace maintenance
