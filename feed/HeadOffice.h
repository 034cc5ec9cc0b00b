#pragma once

// Rates from head office, up to the point of writing them. Head office
// publishes the program's own export and its minisign signature beside it
// (the same address with ".minisig"). A fetch takes the signature first (small,
// and a wrong key ends the work before the file is read), then the file, and
// accepts it only when
//
//   - both came whole, over https, within the cap and the time limit;
//   - the signature verifies with the configured key, trusted comment included;
//   - the signed trusted comment carries a time later than the last one
//     applied (no file can bring older rates back);
//   - the file reads as this program's export.
//
// Anything else is a refusal with its reason and a plain sentence, and changes
// nothing. Writing the rates and keeping the time of the last file applied are
// the caller's: it passes that time in and applies what comes back.

#include "feed/FeedConfig.h"
#include "feed/Fetch.h"
#include "feed/Minisign.h"
#include "ratefiles/RateFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace feed {

enum class FeedRefusal {
    None,
    Fetch,        // the file or its signature did not come: see fetchError
    Signature,    // see signatureFault
    Unchanged,    // signed at the very time of the file applied last: the same rates, nothing to do
    NotNewer,     // signed before the file applied last
    NotRateFile,  // the bytes are no rate file this program reads
    NotExport,    // a rate file, but not this program's export
};

struct FeedUpdate {
    ratefiles::RateFile file;
    qint64 timestamp = 0;    // unix seconds, from the signed trusted comment
    QString trustedComment;
};

struct FeedResult {
    std::optional<FeedUpdate> update;
    FeedRefusal refusal = FeedRefusal::None;
    FetchError fetchError = FetchError::None;
    SignatureFault signatureFault = SignatureFault::None;
    QString message;  // a plain sentence when refused
    bool ok() const { return update.has_value(); }
};

// The checks on a file and its signature once both have come; address names
// the file in messages. lastApplied is empty before any file was applied.
FeedResult checkFeedFile(const QByteArray& body, QByteArrayView minisig, const PublicKey& key,
                         std::optional<qint64> lastApplied, const QString& address);

class HeadOfficeFetch : public QObject {
    Q_OBJECT

public:
    // options serve both downloads; the signature's cap is its own.
    HeadOfficeFetch(QNetworkAccessManager& network, FeedConfig config, std::optional<qint64> lastApplied,
                    FetchOptions options = {}, QObject* parent = nullptr);
    ~HeadOfficeFetch() override;

    // finished() follows once, from the event loop.
    void start();
    void cancel();

    bool isFinished() const { return done_; }
    const FeedResult& result() const { return result_; }

Q_SIGNALS:
    void finished();

private:
    void signatureCame();
    void fileCame();
    void refuseFetch(const FetchResult& fetched);
    void end(FeedResult result);

    QNetworkAccessManager& network_;
    FeedConfig config_;
    std::optional<qint64> lastApplied_;
    FetchOptions options_;
    std::unique_ptr<Fetch> signatureFetch_;
    std::unique_ptr<Fetch> fileFetch_;
    QByteArray minisig_;
    bool done_ = false;
    FeedResult result_;
};

} // namespace feed
