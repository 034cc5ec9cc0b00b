#pragma once

// The journal: every deal, every void of one, and every float and count the
// cashier enters, in Journal.db, an SQLCipher file of its own beside the rates
// file, so that restoring, importing or replacing the rates never touches it.
//
// Entries are only ever added. Each takes the number after the last entry's,
// assigned inside its write transaction, and the database itself refuses to
// change or delete one (triggers), or to add one out of sequence. A void is
// a new entry naming the deal it reverses. Every entry carries a SHA-256 over
// its own fields and the previous entry's hash (JournalLayout.h describes the
// bytes hashed), so a change made behind the program's back is found by
// verifyChain(), which names the first entry that does not match.
//
// Money is recorded exactly (Money, as "123.45"), rates as the shortest text
// that reads back as the same double, margins and the commission percent as
// typed. A record is durable once the function returns, as the rates file's
// writes are; on any failure (a full disk, a read-only file or folder, a
// damaged file, a refused value) it throws DbError(Err::WriteFailed) with the
// reason, and the journal is left as it was.
//
// Where things are: the table, the hashed bytes and the conversions between
// an entry and its row in JournalLayout.*; opening and recording in
// Journal.cpp; reads, the chain check and the day's close in JournalReads.cpp.

#include "data/Money.h"
#include "data/RecordStore.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace data {

inline constexpr const char* JournalFileName = "Journal.db";

// Journal.db in the folder where the rates file really lives: a link at
// databasePath() (the Debian package's /usr/lib/tallyvane/Exchange.db) is
// followed to its target's folder (/var/lib/tallyvane/).
QString journalPath();

// The pound, "Britain"'s currency, which every rate is counted in.
inline constexpr QStringView PoundCode = u"GBP";

// One side of a deal as the rates table gave it.
struct DealSide {
    QString country;
    QString currency;   // ISO 4217 code; empty when the row has none
    QString unit;
    double rate = 0.0;  // the stored rate, units per pound
    QDate rateDate;     // null when unknown
    QString buyMargin;  // percent, as typed; empty for none
    QString sellMargin;
};

// A deal from `from`'s currency to `to`'s, every input and every figure.
struct Deal {
    QString customer;           // the customer's reference
    DealSide from, to;
    double buyRate = 0.0;       // from's buying rate, used
    double sellRate = 0.0;      // to's selling rate, used
    Money amount;               // typed, in from's currency: what the customer hands over
    QString commissionPercent;  // as typed
    Money minimumCommission;    // in pounds
    Money exchanged;            // in to's currency, as every figure below but paidInPounds
    Money commission;
    bool minimumApplied = false;
    Money total;                // exchanged - commission
    Money paidOut;              // total rounded down to to's smallest note
    Money paidInPounds;         // the rest, in pounds
};

enum class EntryKind { Deal, Void, Float, Count };

struct JournalEntry {
    std::int64_t number = 0;
    EntryKind kind = EntryKind::Deal;
    QDateTime time;           // the moment, at the till's UTC offset then
    QString till;
    Deal deal;                // Deal
    std::int64_t voids = 0;   // Void: the number of the deal it reverses
    QString reason;           // Void: as the cashier typed it
    QString currency;         // Float, Count: a currency code, or a country where there is none
    Money amount;             // Float, Count
    QByteArray hash;          // SHA-256 as 64 lowercase hex digits
};

struct ChainCheck {
    std::optional<std::int64_t> firstMismatch;  // the first entry whose hash does not match
    bool ok() const { return !firstMismatch; }
};

// One currency's drawer on one local day. A void counts on its own day,
// reversing the deal there: a deal voided the same day counts nowhere.
struct CurrencyDay {
    QString currency;                   // code, or the country where there is none
    Money bought;                       // received from customers
    Money sold;                         // paid out; the pound's includes paid in pounds
    Money commission;                   // taken, in this currency
    Money commissionInPounds;           // each deal's rounded to the penny at its rate used
    std::optional<Money> openingFloat;  // the day's last float entry
    std::optional<Money> closingCount;  // the day's last count entry
    Money expected;                     // float + bought - sold
    std::optional<Money> difference;    // count - expected, once counted
};

// The key a side's money is counted under: its code, the pound for the
// pivot, else the country's name.
QString currencyKey(const QString& country, const QString& code);

class Journal {
public:
    using Clock = std::function<QDateTime()>;

    // Nothing is opened or made until the first use; reading a journal that
    // does not exist yet finds no entries, and the first record makes it.
    explicit Journal(QString path = journalPath());
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    const QString& path() const { return path_; }
    // The till's name recorded with every entry; empty: the machine's host name.
    void setTill(const QString& name);
    // The till's local time with its offset; QDateTime::currentDateTime unless a test sets it.
    void setClock(Clock clock);

    // Each returns the entry as stored, number and hash included.
    JournalEntry recordDeal(const Deal& deal);
    // reason: as typed; must hold more than blanks. The deal must be a deal
    // not yet voided.
    JournalEntry recordVoid(std::int64_t deal, const QString& reason);
    // An amount of at least 0 of a currency (see currencyKey).
    JournalEntry recordFloat(const QString& currency, Money amount);
    JournalEntry recordCount(const QString& currency, Money amount);

    // Reads throw DbError(Err::CannotOpen) for a file that is damaged, not a
    // journal, or of a newer layout.
    std::optional<JournalEntry> entry(std::int64_t number);
    std::optional<JournalEntry> lastEntry();
    // In number order, by the local day at the till when each was recorded.
    std::vector<JournalEntry> entriesOfDay(QDate day);
    ChainCheck verifyChain();
    // By currency key, in key order.
    std::vector<CurrencyDay> daySummary(QDate day);

    void close() noexcept;

private:
    sqlite3* open(bool create);
    JournalEntry append(JournalEntry entry);
    void appendInTransaction(sqlite3* db, JournalEntry& entry);
    // The open journal once it holds a table; nothing while there is no
    // file or it is still empty.
    sqlite3* forReading();

    QString path_;
    QString till_;
    Clock clock_;
    Sql::DbHandle db_;
};

} // namespace data
