#include "calculator/Exchange.h"

#include "calculator/Pricing.h"
#include "data/NumberForm.h"

#include <QCoreApplication>

namespace calculator {

ExchangeResult computeExchange(const ExchangeInputs& in)
{
    return priceTexts(in, priceDeal(in, DealTerms{}));
}

namespace {

// Each failure of each input is a sentence of its own, so that a translation
// can bend the subject and the verb together. "Convert From" and "Convert To"
// are the main window's group titles. The amount is what gets converted; the
// other figures are used on it.
struct InputSentences {
    ExchangeInput input;
    const char* notANumber;
    const char* tooLarge;
};

constexpr InputSentences Sentences[] = {
    {ExchangeInput::Amount, QT_TRANSLATE_NOOP("Exchange", "The amount is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The amount is too large to convert.")},
    {ExchangeInput::SourceRate,
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert From country is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert From country is too large to use.")},
    {ExchangeInput::TargetRate,
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert To country is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert To country is too large to use.")},
    {ExchangeInput::Commission, QT_TRANSLATE_NOOP("Exchange", "The commission is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The commission is too large to use.")},
};

const InputSentences* sentencesOf(ExchangeInput input)
{
    for (const InputSentences& s : Sentences) {
        if (s.input == input)
            return &s;
    }
    return nullptr;
}

} // namespace

QString failureMessage(const ExchangeResult& result)
{
    if (result.kind != ExchangeResult::Kind::Failed)
        return {};

    const InputSentences* about = sentencesOf(result.input);
    QString message;
    switch (result.failure) {
    case ExchangeFailure::NotANumber:
        if (about) {
            message = QCoreApplication::translate("Exchange", about->notANumber);
            // Where the mark is not a point, a pasted "1.000" lands here: say how to write it.
            if (!data::marksWithPoint())
                message += u' ' + data::numberWritingHint();
        }
        break;
    case ExchangeFailure::DivisionByZero:
    case ExchangeFailure::InvalidOperation:
        if (result.input == ExchangeInput::SourceRate) {
            message = QCoreApplication::translate("Exchange",
                                                  "The exchange rate of the Convert From country is 0, so the amount "
                                                  "cannot be converted.");
        }
        break;
    case ExchangeFailure::Overflow:
        message = about ? QCoreApplication::translate("Exchange", about->tooLarge)
                        : QCoreApplication::translate("Exchange", "The result is too large to show.");
        break;
    case ExchangeFailure::None:
        break;
    }
    return message.isEmpty() ? QCoreApplication::translate("Exchange", "The exchange could not be calculated.")
                             : message;
}

} // namespace calculator
