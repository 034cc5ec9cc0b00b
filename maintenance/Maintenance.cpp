#include "maintenance/Maintenance.h"

#include "data/RecordStore.h"
#include "data/TextLimits.h"
#include "data/WriteAccess.h"
#include "widgets/Failure.h"
#include "widgets/KeyInput.h"
#include "widgets/MsgBox.h"
#include "widgets/Placement.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>

using namespace Qt::StringLiterals;

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

bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText)
{
    if (KeyAscii == '\b')
        return true;
    // The selection is not looked at: a '.' over a selected '.' is refused too.
    if (KeyAscii == '.')
        return !boxText.contains(u'.');
    return KeyAscii >= '0' && KeyAscii <= '9';
}

void limitToCharacters(QLineEdit& box, int limit)
{
    // Qt's own limit counts UTF-16 units; twice the characters never cuts first.
    box.setMaxLength(2 * limit);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, limit](const QString& text) {
        if (data::characterCount(text) <= limit)
            return;
        const int cursor = box.cursorPosition();
        box.setText(data::cutToCharacters(text, limit));
        box.setCursorPosition(std::min(cursor, int(box.text().size())));
    });
}

bool mayChangeRates()
{
    const std::optional<data::WriteRefusal> refusal = data::writeRefusal(data::databasePath());
    if (!refusal)
        return true;
    using Kind = data::WriteRefusal::Kind;
    const char* sentence =
        !refusal->group.isEmpty() ? QT_TRANSLATE_NOOP("Maintenance",
                                                      "You may not change the rates on this computer: ask the "
                                                      "administrator to add you to the group %1, then log in again.")
        : refusal->kind == Kind::ReadOnlyDisk
            ? QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because %1 is on a read-only disk: "
                                               "ask the administrator to make it writable.")
        : refusal->kind == Kind::File
            ? QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because the rates file %1 is "
                                               "read-only for you: ask the administrator to let you write to it.")
            : QT_TRANSLATE_NOOP("Maintenance", "The rates cannot be changed because the folder %1, where the "
                                               "rates file keeps its journal while saving, is read-only for you: "
                                               "ask the administrator to let you write to it.");
    // The group to join, or else the file or folder that is read-only.
    const QString what = !refusal->group.isEmpty() ? refusal->group
                                                    : u"'%1'"_s.arg(QDir::toNativeSeparators(refusal->path));
    widgets::MsgBox(QCoreApplication::translate("Maintenance", sentence).arg(what), widgets::MsgBoxButtons::OK,
               widgets::MsgBoxIcon::Information);
    return false;
}

void reportSaveError(long number, const QString& description) noexcept
{
    try {
        widgets::MsgBox(widgets::failureReport(QCoreApplication::translate("Maintenance", "There was a problem saving the data."),
                                     number, description),
                   widgets::MsgBoxButtons::OK, widgets::MsgBoxIcon::Critical, widgets::saveErrorTitle());
    } catch (...) {
        // A box that cannot be shown must not stop the clean-up below.
    }
    try {
        // A row begun by AddNew, or fields assigned before the failure, must
        // not be committed by a later move.
        data::rsRates.CancelUpdate();
    } catch (...) {
        // Not open: there is nothing pending to discard.
    }
}

TwipScale::TwipScale(const QWidget& dialog)
    : perTwip_(dialog.fontMetrics().height() / 195.0)
{
}

int TwipScale::operator()(int twips) const
{
    return qRound(twips * perTwip_);
}

void layOutButtonStrip(const TwipScale& tw, int ruleGapTwips, QSpacerItem& ruleGap, QFrame& rule,
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

void RateDialog::done(int r)
{
    if (!unloaded_) {
        unloaded_ = true;
        Form_QueryUnload();
    }
    QDialog::done(r);
}

void RateDialog::Form_QueryUnload()
{
    if (!refill_)
        return;
    // Closing goes on whatever the refill meets; the lists keep what they showed.
    widgets::runGuarded(refill_, [](long, const QString&) {});
}

} // namespace maintenance
