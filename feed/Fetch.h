#pragma once

// One download over HTTPS, for a rate file or head office's feed. Only https
// is spoken: an http address is refused before any connection, and so is a
// redirect that leaves https. The body is read to a cap and no further (a
// Content-Length above it is refused before the body), and a server that stops
// answering is given up after a time limit. Proxies come from the system's
// settings. Nothing is sent but the request; nothing is written anywhere.

#include "ratefiles/RateFile.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace feed {

enum class FetchError {
    None,
    NotHttps,          // the address, or a redirect, is not https
    NoNetwork,         // no connection: no network, the host not found, refused
    NotFound,          // 404 or 410: for a month, not published yet
    Certificate,       // the server's certificate does not verify
    TooLarge,          // announced or read past the cap
    TimedOut,          // no answer within the time limit
    Cancelled,         // by the caller
    HttpStatus,        // any other status that is not success
    Cut,               // the connection ended before the whole body came
    Other,             // anything else the network reported
};

struct FetchOptions {
    qint64 maxBytes = ratefiles::MaxRateFileBytes;
    // The longest wait for the answer, and then between two parts of the body.
    std::chrono::milliseconds timeLimit{30'000};
    // The longest the whole download may take, however steadily it comes.
    std::chrono::milliseconds wholeLimit{600'000};
    // Only for tests, which trust an authority of their own; otherwise the
    // system's CA store.
    std::optional<QSslConfiguration> ssl;
};

struct FetchResult {
    FetchError error = FetchError::None;
    int httpStatus = 0;  // the last status the server sent, 0 before any
    QByteArray body;     // the whole body, only when error is None
    QString message;     // a plain sentence naming the address, when error is set
    bool ok() const { return error == FetchError::None; }
};

class Fetch : public QObject {
    Q_OBJECT

public:
    // network must outlive the fetch.
    Fetch(QNetworkAccessManager& network, QUrl url, FetchOptions options = {}, QObject* parent = nullptr);
    ~Fetch() override;

    // Starts the download; finished() follows once, from the event loop, even
    // for an address refused at once.
    void start();
    // Ends the download with FetchError::Cancelled, unless it has ended.
    void cancel();

    bool isFinished() const { return done_; }
    const FetchResult& result() const { return result_; }
    const QUrl& url() const { return url_; }

Q_SIGNALS:
    // total is -1 while the server has not said.
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void readHeaders();
    void readBody();
    void checkRedirect(const QUrl& to);
    void replyFinished();
    void takeRest();
    void timedOut();
    FetchError errorOfReply() const;
    void fail(FetchError error, const QString& detail = QString());
    void finish();
    void dropReply();

    QNetworkAccessManager& network_;
    QUrl url_;
    FetchOptions options_;
    QPointer<QNetworkReply> reply_;
    QTimer quiet_;
    QTimer whole_;
    qint64 announced_ = -1;
    bool started_ = false;
    bool done_ = false;
    FetchResult result_;
};

// The plain sentence for a fetch's fault; detail is what the network said
// (FetchError::Other) or where a redirect led (FetchError::NotHttps).
QString fetchErrorText(FetchError error, const QUrl& url, const FetchOptions& options, int httpStatus = 0,
                       const QString& detail = QString());

} // namespace feed
