#include "maintenance/RateKeyFilter.h"

#include "data/NumberForm.h"
#include "widgets/KeyInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace maintenance {

namespace {

// Lives as the box's child, so it goes with the box.
class NumberKeys : public QObject {
public:
    explicit NumberKeys(QLineEdit& box) : QObject(&box), box_(box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_ || event->type() != QEvent::KeyPress)
            return false;
        return widgets::filterTypedKey(box_, static_cast<QKeyEvent*>(event), [this](int KeyAscii) {
            return exchangeRateKeyAccepted(KeyAscii, box_.text());
        });
    }

private:
    QLineEdit& box_;
};

} // namespace

bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText)
{
    if (KeyAscii == '\b')
        return true;
    // The decimal key comes as '.', and types the user's mark. The selection
    // is not looked at: a mark over a selected mark is refused too.
    if (KeyAscii == '.')
        return !boxText.contains(data::decimalMark());
    return KeyAscii >= '0' && KeyAscii <= '9';
}

void filterNumberKeys(QLineEdit& box)
{
    new NumberKeys(box);
}

} // namespace maintenance
