// Helper of the crash test (test_faults.cpp): adds, edits and deletes rates in
// a loop through the program's own store code until it is killed.
//
//   crash_writer DATABASE FIRST-WRITE SEED
//
// Rows it writes are "Crash-K" (K below 100) with unit "W/K" and rate W*100+K,
// where W is the number of the write that stored them: a row whose unit and rate
// come from two different writes, or from another country, shows at once.
// W starts at FIRST-WRITE and grows by one per operation.
//
// Output, one line each, flushed before the next operation starts:
//   ready                   the database is open and the loop begins
//   A K W / E K W / D K W   the add, edit or delete of write W returned
// Anything else (an error) goes to stderr with exit status 1.

#include "data/RecordStore.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

namespace {

constexpr int kCountries = 60;

QString countryName(int k)
{
    return QStringLiteral("Crash-%1").arg(k);
}

// The K of a writer's row, or -1 for any other row.
int countryNumber(const QString& name)
{
    if (!name.startsWith(QStringLiteral("Crash-")))
        return -1;
    bool ok = false;
    const int k = name.mid(6).toInt(&ok);
    return ok ? k : -1;
}

void report(char op, int k, long long w)
{
    std::printf("%c %d %lld\n", op, k, w);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: crash_writer DATABASE FIRST-WRITE SEED\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    long long w = std::atoll(argv[2]);
    std::mt19937 rng(static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));

    try {
        data::Connection cn;
        data::Recordset rs;
        cn.Open(path);
        rs.Open(cn);

        std::set<int> present;
        if (!(rs.isBOF() && rs.isEOF())) {
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
                const int k = countryNumber(rs.Field(data::FieldCountry));
                if (k >= 0)
                    present.insert(k);
            }
        }
        std::printf("ready\n");
        std::fflush(stdout);

        for (;; ++w) {
            const int roll = static_cast<int>(rng() % 100);
            const auto pick = [&] {
                auto it = present.begin();
                std::advance(it, static_cast<long>(rng() % present.size()));
                return *it;
            };
            if ((roll < 35 || present.size() < 3) && present.size() < kCountries) {
                int k;
                do
                    k = static_cast<int>(rng() % kCountries);
                while (present.count(k));
                rs.AddNew();
                rs.SetField(data::FieldCountry, countryName(k));
                rs.SetField(data::FieldUnit, QStringLiteral("%1/%2").arg(w).arg(k));
                rs.SetField(data::FieldRate, QString::number(w * 100 + k));
                rs.Update();
                present.insert(k);
                report('A', k, w);
            } else if (roll < 90 || present.size() < 3) {
                const int k = pick();
                rs.FindCountry(countryName(k));
                if (rs.isEOF()) {
                    std::fprintf(stderr, "crash_writer: %s has gone\n", qPrintable(countryName(k)));
                    return 1;
                }
                // Two assignments, one commit: the row must never show one without the other.
                rs.SetField(data::FieldRate, QString::number(w * 100 + k));
                rs.SetField(data::FieldUnit, QStringLiteral("%1/%2").arg(w).arg(k));
                rs.Update();
                report('E', k, w);
            } else {
                const int k = pick();
                rs.FindCountry(countryName(k));
                if (rs.isEOF()) {
                    std::fprintf(stderr, "crash_writer: %s has gone\n", qPrintable(countryName(k)));
                    return 1;
                }
                rs.Delete();
                present.erase(k);
                report('D', k, w);
            }
        }
    } catch (const data::DbError& e) {
        std::fprintf(stderr, "crash_writer: error %ld: %s\n", e.Number(), qPrintable(e.Description()));
        return 1;
    }
}
