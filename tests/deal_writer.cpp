// Helper of the package's system test (packaging/cups-receipt-test.sh):
// records one deal in a journal through the program's own journal code, so
// the installed program has a deal whose receipt it can print.
//
//   deal_writer JOURNAL   prints "NUMBER AMOUNT TOTAL PAID_OUT PAID_IN_POUNDS"
//
// Exit status 0 on success, 1 with the journal's error on stderr, 2 for usage.

#include "tests/JournalFixtures.h"

#include "data/DbError.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: deal_writer JOURNAL\n");
        return 2;
    }
    try {
        data::Journal journal(QString::fromLocal8Bit(argv[1]));
        journal.setTill(QStringLiteral("System test"));
        const data::JournalEntry entry =
            journal.recordDeal(JournalFixtures::deal("GBP", "USD", "250.00", "317.50", "7.94", "305.00", "3.59"));
        const data::Deal& d = entry.deal;
        std::printf("%lld %s %s %s %s\n", static_cast<long long>(entry.number), qPrintable(d.amount.toText()),
                    qPrintable(d.total.toText()), qPrintable(d.paidOut.toText()), qPrintable(d.paidInPounds.toText()));
    } catch (const data::DbError& e) {
        std::fprintf(stderr, "deal_writer: %s\n", qPrintable(e.Description()));
        return 1;
    }
    return 0;
}
