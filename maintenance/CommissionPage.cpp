#include "maintenance/CommissionPage.h"

#include "data/Fields.h"
#include "data/NumberForm.h"
#include "data/Rates.h"
#include "data/Wording.h"
#include "maintenance/RateKeyFilter.h"
#include "maintenance/WriteCheck.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace maintenance {

namespace {

QString boxCaption()
{
    //: The box of the Settings dialog, followed by a colon; the pound sign is the currency of the till.
    return QCoreApplication::translate("CommissionPage", "Minimum commission (£)");
}

// The rate dialogs' refusals, in the same words, for this box; a long
// pasted text is shown by its start.
QString refusal(const char* sentence, const QString& typed)
{
    constexpr qsizetype MostShown = 60;
    const QString shown = typed.size() <= MostShown ? typed : typed.left(MostShown) + u"..."_s;
    return QCoreApplication::translate("Refusals", sentence).arg(data::quoted(shown), boxCaption());
}

} // namespace

std::optional<data::Money> typedMinimumCommission(const QString& typed, QString* why)
{
    if (typed.isEmpty())
        return data::Money();
    const std::optional<QString> point = data::pointFormOf(typed);
    const data::ParsedNumber number = data::readNumber(point.value_or(QString()));
    if (!point || !number.ok()) {
        *why = refusal(QT_TRANSLATE_NOOP("Refusals", "%1 in the %2 box is not a number."), typed) + u' '
            + data::numberWritingHint();
        return std::nullopt;
    }
    if (number.value < 0.0) {
        *why = refusal(QT_TRANSLATE_NOOP("Refusals", "%1 in the %2 box is below 0."), typed);
        return std::nullopt;
    }
    if (number.value > data::MaxMinimumCommission) {
        *why = refusal(QT_TRANSLATE_NOOP("Refusals", "%1 in the %2 box is too large: it can be at most %3."), typed)
                   .arg(data::shownNumber(data::MaxMinimumCommission));
        return std::nullopt;
    }
    const std::optional<data::Money> amount = data::Money::fromDouble(number.value);
    if (!amount || amount->toDouble() != number.value) {
        *why = refusal(QT_TRANSLATE_NOOP("Refusals", "%1 in the %2 box has more than two decimals."), typed);
        return std::nullopt;
    }
    return amount;
}

CommissionPage::CommissionPage(QWidget* parent)
    : SettingsPage(parent)
    , txtMinimumCommission(new QLineEdit(this))
{
    txtMinimumCommission->setObjectName(u"txtMinimumCommission"_s);
    filterNumberKeys(*txtMinimumCommission);
    auto* caption = new QLabel(tr("Minimum commission (£):"), this);
    caption->setObjectName(u"lblMinimumCommission"_s);
    caption->setBuddy(txtMinimumCommission);
    auto* note = new QLabel(tr("A deal's commission is never less than this amount, converted into the currency "
                               "paid out. 0 sets no minimum."),
                            this);
    note->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(caption, txtMinimumCommission);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch(1);
}

void CommissionPage::load()
{
    stored_ = data::Rates::instance().minimumCommission();
    txtMinimumCommission->setText(data::shownForm(stored_.toText()));
}

bool CommissionPage::save(QString* why)
{
    const std::optional<data::Money> amount = typedMinimumCommission(txtMinimumCommission->text(), why);
    if (!amount) {
        txtMinimumCommission->setFocus();
        return false;
    }
    if (*amount == stored_)
        return true;
    if (!mayChangeRates())
        return false;  // it has said why
    data::Rates::instance().setMinimumCommission(*amount);
    stored_ = *amount;
    txtMinimumCommission->setText(data::shownForm(stored_.toText()));
    return true;
}

} // namespace maintenance
