#pragma once

// The line under each rate box of the main window that dates its rate and
// marks it old (calculator/RateAge.h), in words and colour; the window adds
// it to the rate box's accessible description, so a screen reader hears it.

#include "calculator/RateAge.h"

#include <QDate>

class QLabel;
class QLineEdit;

namespace calculator {

// The limit and the switch as the user set them.
RateAgeRule currentRateAgeRule();

// A label placed under rateBox in its layout.
QLabel* addRateDateLine(QLineEdit& rateBox, int Index);
// date: the shown rate's, of country; rateShown false empties the line. The
// pivot's rate is 1 by definition and never marked old.
void showRateDate(QLabel& line, const QDate& date, const QString& country, bool rateShown);

} // namespace calculator
