#pragma once

// The Settings dialog's page of what a deal costs the customer beyond the
// rates: the minimum commission, in pounds, kept in the rates file so every
// cashier of the till charges the same. Storing a new one needs the right to
// change the rates (mayChangeRates).

#include "data/Money.h"
#include "maintenance/SettingsPage.h"

#include <QString>

#include <optional>

class QLineEdit;

namespace maintenance {

// The amount typed in the user's number form (empty: 0), or none with why
// set to a plain sentence naming the box.
std::optional<data::Money> typedMinimumCommission(const QString& typed, QString* why);

class CommissionPage : public SettingsPage {
    Q_OBJECT

public:
    explicit CommissionPage(QWidget* parent = nullptr);

    void load() override;
    bool save(QString* why) override;

private:
    QLineEdit* txtMinimumCommission = nullptr;
    data::Money stored_;
};

} // namespace maintenance
