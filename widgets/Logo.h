#pragma once

class QLabel;

namespace widgets {

// Shows the product logo in label at its own size, drawn for the screen's
// scale: the picture of twice the pixels where the screen has them, rather than
// the small one enlarged and blurred.
void showLogo(QLabel& label);

} // namespace widgets
