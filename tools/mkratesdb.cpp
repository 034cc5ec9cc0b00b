// Build-time helper: creates the shipped rates database from the seed file.
//
//   mkratesdb SEED.csv OUTPUT.db
//
// An existing OUTPUT is left exactly as it is (it may hold the user's rates),
// so running it on every build is safe.

#include "data/NewDatabase.h"
#include "data/RecordStore.h"
#include "ratefiles/SeedFile.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkratesdb SEED.csv OUTPUT.db\n");
        return 2;
    }
    const QString seed = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    const QFileInfo existing(output);
    if (existing.exists() || existing.isSymLink()) {
        std::printf("mkratesdb: %s is already there; left as it is.\n", argv[2]);
        return 0;
    }
    try {
        const auto rows = ratefiles::readSeedCsv(seed);
        data::createRatesDatabase(output, rows);
        std::printf("mkratesdb: wrote %zu rates to %s\n", rows.size(), argv[2]);
    } catch (const data::DbError& e) {
        std::fprintf(stderr, "mkratesdb: %s\n", qPrintable(e.Description()));
        return 1;
    }
    return 0;
}
