#include "maintenance/RateTerms.h"

#include "data/Fields.h"
#include "data/NumberForm.h"
#include "maintenance/RateKeyFilter.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace maintenance {

namespace {

// A currency code as it is typed or pasted: letters only, shown in capitals,
// at most as many as the field holds.
class CodeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        if (input.size() > data::CodeLength)
            return Invalid;
        for (const QChar c : input) {
            if (c < u'A' || c > u'Z')
                return Invalid;
        }
        return input.isEmpty() || input.size() == data::CodeLength ? Acceptable : Intermediate;
    }
};

struct Term {
    const char* name;     // the box's object name
    const char* caption;  // its label's text
};

constexpr Term Terms[] = {
    //: The ISO 4217 code of the currency, such as EUR; it may be left empty.
    {"Code", QT_TRANSLATE_NOOP("RateTerms", "Currency &Code:")},
    //: The percent of the value a customer gives up when the bureau buys this currency.
    {"BuyMargin", QT_TRANSLATE_NOOP("RateTerms", "&Buy Margin (%):")},
    //: The percent of the value a customer gives up when the bureau sells this currency.
    {"SellMargin", QT_TRANSLATE_NOOP("RateTerms", "Se&ll Margin (%):")},
    //: The smallest amount of this currency the till pays out; 0 for any amount.
    {"SmallestNote", QT_TRANSLATE_NOOP("RateTerms", "S&mallest Note:")},
};

const QString Zero = u"0"_s;

} // namespace

TermBoxes addTermBoxes(QWidget& dialog, QGridLayout& grid, int row, int column)
{
    std::array<QLineEdit*, 4> boxes{};
    std::array<QLabel*, 4> captions{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QLineEdit(&dialog);
        boxes[i]->setObjectName(u"txt"_s + QLatin1StringView(Terms[i].name));
        captions[i] = new QLabel(QCoreApplication::translate("RateTerms", Terms[i].caption), &dialog);
        captions[i]->setObjectName(u"lbl"_s + QLatin1StringView(Terms[i].name));
        captions[i]->setBuddy(boxes[i]);
        grid.addWidget(captions[i], row + int(i), column);
        grid.addWidget(boxes[i], row + int(i), column + 1);
    }
    const TermBoxes terms{boxes[0], boxes[1], boxes[2], boxes[3], captions};
    terms.code->setMaxLength(data::CodeLength);
    terms.code->setValidator(new CodeValidator(terms.code));
    for (QLineEdit* box : {terms.buyMargin, terms.sellMargin, terms.smallestNote})
        filterNumberKeys(*box);
    return terms;
}

void showTerms(const TermBoxes& boxes, const data::RateRow& row)
{
    boxes.code->setText(row.code);
    boxes.buyMargin->setText(data::shownNumber(row.buyMargin));
    boxes.sellMargin->setText(data::shownNumber(row.sellMargin));
    boxes.smallestNote->setText(data::shownNumber(row.smallestNote.toDouble()));
}

void clearTerms(const TermBoxes& boxes)
{
    showTerms(boxes, data::RateRow{});
}

bool termsTyped(const TermBoxes& boxes)
{
    return !boxes.code->text().isEmpty() || boxes.buyMargin->text() != Zero || boxes.sellMargin->text() != Zero
        || boxes.smallestNote->text() != Zero;
}

void readTerms(const TermBoxes& boxes, TypedRate& typed)
{
    typed.code = boxes.code->text();
    typed.buyMargin = boxes.buyMargin->text();
    typed.sellMargin = boxes.sellMargin->text();
    typed.smallestNote = boxes.smallestNote->text();
}

} // namespace maintenance
