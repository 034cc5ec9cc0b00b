#pragma once

class QLineEdit;

namespace widgets {

// Limits a box to a number of characters as the rates table counts them: a
// character outside the Basic Multilingual Plane is one, not two UTF-16 units,
// and a cut never splits one. Longer text, typed, pasted or set, is cut.
void limitToCharacters(QLineEdit& box, int limit);

} // namespace widgets
