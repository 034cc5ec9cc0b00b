#include "tests/TestSupport.h"

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace TestSupport {

std::string str(const QString& s)
{
    return s.toStdString();
}

std::vector<data::RateRow> sampleRates()
{
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0, {}},
        {QStringLiteral("United States"), QStringLiteral("Dollar"), 1.27, {}},
        {QStringLiteral("Japan"), QStringLiteral("Yen"), 188.5, {}},
        {QStringLiteral("France"), QStringLiteral("Euro"), 1.17, {}},
    };
}

std::vector<data::RateRow> trickyRates()
{
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("Testland"), QStringLiteral("Tester"), 1.5},
        {QStringLiteral("Twoland"), QStringLiteral("Two"), 2.0},
        {QStringLiteral("Threeland"), QStringLiteral("Three"), 3.0},
        {QStringLiteral("britain"), QStringLiteral("Small pound"), 4.0},
        {QStringLiteral("O'Brien's Land"), QStringLiteral("Shilling"), 5.0},
        {QStringLiteral("Zeroland"), QStringLiteral("Nought"), 1e-20},
    };
}

std::vector<data::RateRow> plainRates()
{
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("Twoland"), QStringLiteral("Two"), 2.0},
        {QStringLiteral("Threeland"), QStringLiteral("Three"), 3.0},
        {QStringLiteral("Aland"), QStringLiteral("Ay"), 0.5},
    };
}

} // namespace TestSupport
