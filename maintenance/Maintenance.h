#pragma once

// What the two rate-maintenance dialogs share: how they are shown and closed
// (RateDialog), the denomination placeholder, the rule that enables their
// action button, the rate box's key filter, character limits, the save
// failure report and their design sizes.
//
// Both dialogs are modal over the main window and work on data::rsRates
// directly, committing each change at once. Each opening builds the dialog
// afresh; closing it, by any route, runs its Form_QueryUnload exactly once,
// which hands the main window's refill to whoever opened it. No exception
// leaves one of their handlers (widgets::runGuarded).

#include <QDialog>
#include <QString>

#include <functional>

class QBoxLayout;
class QFrame;
class QLineEdit;
class QPushButton;
class QSpacerItem;

namespace maintenance {

// What the opener wants done when a dialog closes: refill its country lists.
using RefillLists = std::function<void()>;

// The File menu's commands. Each builds its dialog afresh, shows it modally
// over owner, and returns when it has closed, refill having run once.
void showAddRates(QWidget& owner, const RefillLists& refill);
void showDeleteRates(QWidget& owner, const RefillLists& refill);
void showEditRates(QWidget& owner, const RefillLists& refill);

// Stands in the unit box whenever no unit is given, and is stored when left there.
inline const QString DenominationPlaceholder = QStringLiteral("---------------------");

// The placeholder rule: an empty unit box gets the placeholder.
void putPlaceholderIfEmpty(QLineEdit& denomination);

// The action button of either dialog is enabled while all three boxes hold
// text; the placeholder counts as text.
bool rateBoxesFilled(const QString& country, const QString& denomination, const QString& rate);

// The add dialog's rate filter on one typed character code: backspace, '.'
// only while boxText holds none yet (whatever is selected), and the ten digits
// are accepted.
bool exchangeRateKeyAccepted(int KeyAscii, const QString& boxText);

// Limits a box to a number of characters as the table counts them: a
// character outside the Basic Multilingual Plane is one, not two UTF-16 units,
// and a cut never splits one. Longer text, typed, pasted or set, is cut.
void limitToCharacters(QLineEdit& box, int limit);

// Whether this user may change the rates. When the file system would refuse
// the save (a read-only file, folder or disk, or a group the user is not in),
// says so in one sentence naming what to do and returns false: the rate
// commands stop before any dialog, and converting goes on as before.
bool mayChangeRates();

// Shows the save failure ("Save Error", critical icon), then discards the
// record set's pending changes. Never throws.
void reportSaveError(long number, const QString& description) noexcept;

// Sizes measured in the designed windows' twips, scaled to the dialog's font:
// a line of text in the designed font was 195 twips high.
class TwipScale {
public:
    explicit TwipScale(const QWidget& dialog);
    int operator()(int twips) const;

private:
    double perTwip_;
};

// The strip both dialogs end with: a gap, the rule (Frame2), a gap and the
// two buttons, as designed.
void layOutButtonStrip(const TwipScale& tw, int ruleGapTwips, QSpacerItem& ruleGap, QFrame& rule,
                       QSpacerItem& buttonsGap, QBoxLayout& buttons, QPushButton& first, QPushButton& second);

// A rate dialog: modal, centred on the screen, access keys of disabled
// buttons inert, and every way of closing (its Finished button, the close
// box, Escape) running Form_QueryUnload once.
class RateDialog : public QDialog {
    Q_OBJECT

public:
    RateDialog(QWidget* parent, Qt::WindowFlags flags);

    void done(int r) override;

    // Called by Form_QueryUnload; set by the command that opens the dialog.
    void setRefill(RefillLists refill) { refill_ = std::move(refill); }

protected:
    // Run after setupUi: the parts every rate dialog has, its unit box and its
    // Finished button among them.
    void finishSetup(QLineEdit& txtDenom, QPushButton& cmdFinished);

    // The handlers both dialogs have: the unit box left empty gets the
    // placeholder; Finished closes the dialog.
    void txtDenom_Validate();
    void cmdFinished_Click();

private:
    void Form_QueryUnload();

    QLineEdit* txtDenom_ = nullptr;
    RefillLists refill_;
    bool unloaded_ = false;
};

} // namespace maintenance
