#include "widgets/Twips.h"

#include <QWidget>

namespace widgets {

TwipScale::TwipScale(const QWidget& window)
    : perTwip_(window.fontMetrics().height() / 195.0)
{
}

int TwipScale::operator()(int twips) const
{
    return qRound(twips * perTwip_);
}

} // namespace widgets
