#pragma once

// The confirmation before a deal is recorded: the deal shown whole and an
// optional customer reference.

#include "data/Journal.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace calculator {

inline constexpr int MaxCustomerReference = 40;

class frmRecordDeal : public QDialog {
    Q_OBJECT

public:
    frmRecordDeal(const data::Deal& deal, QWidget* parent);
    QString customer() const;

private:
    QLineEdit* txtCustomer = nullptr;
};

// The customer reference (possibly empty) once the cashier says OK; none when cancelled.
std::optional<QString> confirmDeal(QWidget& owner, const data::Deal& deal);

} // namespace calculator
