#pragma once

// What the Add Rates and the Delete/Edit Rates dialogs share: how they are
// shown and closed (RateDialog), the denomination placeholder, the rule that
// enables their action button and the strip of buttons they end with.
//
// Both dialogs are modal over the main window and write through data::Rates,
// each change at once; the main window refreshes its lists once they close.
// No exception leaves one of their handlers (widgets::runGuarded).

#include <QDialog>
#include <QString>

class QBoxLayout;
class QFrame;
class QLineEdit;
class QPushButton;
class QSpacerItem;

namespace widgets {
class TwipScale;
}

namespace maintenance {

// Stands in the unit box whenever no unit is given, and is stored when left there.
inline const QString DenominationPlaceholder = QStringLiteral("---------------------");

// The placeholder rule: an empty unit box gets the placeholder.
void putPlaceholderIfEmpty(QLineEdit& denomination);

// The action button of either dialog is enabled while all three boxes hold
// text; the placeholder counts as text.
bool rateBoxesFilled(const QString& country, const QString& denomination, const QString& rate);

// The strip both dialogs end with: a gap, the rule (Frame2), a gap and the
// two buttons, as designed.
void layOutButtonStrip(const widgets::TwipScale& tw, int ruleGapTwips, QSpacerItem& ruleGap, QFrame& rule,
                       QSpacerItem& buttonsGap, QBoxLayout& buttons, QPushButton& first, QPushButton& second);

// A rate dialog: modal, centred on the screen, access keys of disabled
// buttons inert, its Finished button closing it.
class RateDialog : public QDialog {
    Q_OBJECT

public:
    RateDialog(QWidget* parent, Qt::WindowFlags flags);

protected:
    // Run after setupUi: the parts every rate dialog has, its unit box and its
    // Finished button among them.
    void finishSetup(QLineEdit& txtDenom, QPushButton& cmdFinished);

    // The handlers both dialogs have: the unit box left empty gets the
    // placeholder; Finished closes the dialog.
    void txtDenom_Validate();
    void cmdFinished_Click();

private:
    QLineEdit* txtDenom_ = nullptr;
};

} // namespace maintenance
