#include "maintenance/RateDialog.h"

#include "widgets/KeyInput.h"
#include "widgets/Placement.h"
#include "widgets/Twips.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

namespace maintenance {

void putPlaceholderIfEmpty(QLineEdit& denomination)
{
    if (denomination.text().isEmpty())
        denomination.setText(DenominationPlaceholder);
}

bool rateBoxesFilled(const QString& country, const QString& denomination, const QString& rate)
{
    return !country.isEmpty() && !denomination.isEmpty() && !rate.isEmpty();
}

void layOutButtonStrip(const widgets::TwipScale& tw, int ruleGapTwips, QSpacerItem& ruleGap, QFrame& rule,
                       QSpacerItem& buttonsGap, QBoxLayout& buttons, QPushButton& first, QPushButton& second)
{
    ruleGap.changeSize(0, tw(ruleGapTwips), QSizePolicy::Minimum, QSizePolicy::Fixed);
    rule.setFixedHeight(tw(135));
    buttonsGap.changeSize(0, tw(105), QSizePolicy::Minimum, QSizePolicy::Fixed);
    buttons.setSpacing(tw(105));
    for (QPushButton* button : {&first, &second})
        button->setMinimumSize(tw(1095), tw(375));
}

RateDialog::RateDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

void RateDialog::finishSetup(QLineEdit& txtDenom, QPushButton& cmdFinished)
{
    txtDenom_ = &txtDenom;
    widgets::validateOnLeaving(txtDenom, [this] { txtDenom_Validate(); });
    connect(&cmdFinished, &QPushButton::clicked, this, &RateDialog::cmdFinished_Click);
    widgets::ignoreDisabledAccessKeys(*this);
    widgets::centreOnScreenWhenShown(*this);
}

void RateDialog::txtDenom_Validate()
{
    putPlaceholderIfEmpty(*txtDenom_);
}

void RateDialog::cmdFinished_Click()
{
    close();
}

} // namespace maintenance
