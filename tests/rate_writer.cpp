// Helper of the package's system test (packaging/system-test.sh): writes or
// reads one rate through the program's own store code, as the program would.
//
//   rate_writer DATABASE set COUNTRY UNIT RATE   adds the country, or edits its row
//   rate_writer DATABASE get COUNTRY             prints "UNIT RATE", or nothing
//
// Exit status 0 on success, 1 with the store's error on stderr, 2 for usage.

#include "data/RecordStore.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool set = argc == 6 && std::strcmp(argv[2], "set") == 0;
    const bool get = argc == 4 && std::strcmp(argv[2], "get") == 0;
    if (!set && !get) {
        std::fprintf(stderr, "usage: rate_writer DATABASE set COUNTRY UNIT RATE\n"
                             "       rate_writer DATABASE get COUNTRY\n");
        return 2;
    }
    const QString country = QString::fromLocal8Bit(argv[3]);
    try {
        data::Connection cn;
        data::Recordset rs;
        cn.Open(QString::fromLocal8Bit(argv[1]));
        rs.Open(cn);
        rs.FindCountry(country);
        if (get) {
            if (!rs.isEOF())
                std::printf("%s %s\n", qPrintable(rs.Field(data::FieldUnit)),
                            qPrintable(rs.Field(data::FieldRate)));
            return 0;
        }
        if (rs.isEOF()) {
            rs.AddNew();
            rs.SetField(data::FieldCountry, country);
        }
        rs.SetField(data::FieldUnit, QString::fromLocal8Bit(argv[4]));
        rs.SetField(data::FieldRate, QString::fromLocal8Bit(argv[5]));
        rs.Update();
    } catch (const data::DbError& e) {
        std::fprintf(stderr, "rate_writer: %ld %s\n", e.Number(), qPrintable(e.Description()));
        return 1;
    }
    return 0;
}
