#include "calculator/frmRecordDeal.h"

#include "calculator/Receipt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace calculator {

frmRecordDeal::frmRecordDeal(const data::Deal& deal, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmRecordDeal"_s);
    setWindowTitle(tr("Record Deal"));
    auto* layout = new QVBoxLayout(this);
    auto* lines = new QFormLayout;
    for (const auto& [caption, value] : dealLines(deal)) {
        auto* label = new QLabel(value, this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lines->addRow(caption, label);
    }
    txtCustomer = new QLineEdit(this);
    txtCustomer->setObjectName(u"txtCustomer"_s);
    txtCustomer->setMaxLength(MaxCustomerReference);
    auto* customerCaption = new QLabel(tr("C&ustomer reference (optional):"), this);
    customerCaption->setBuddy(txtCustomer);
    lines->addRow(customerCaption, txtCustomer);
    layout->addLayout(lines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Record"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtCustomer->setFocus();
}

QString frmRecordDeal::customer() const
{
    return txtCustomer->text().trimmed();
}

std::optional<QString> confirmDeal(QWidget& owner, const data::Deal& deal)
{
    frmRecordDeal dialog(deal, &owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.customer();
}

} // namespace calculator
