#include "feed/Fetch.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <mutex>

using namespace Qt::StringLiterals;

namespace feed {

namespace {

// What the network layer may hold unread for us; with it small, a body past
// the cap stops soon after the cap rather than at the end of a large buffer.
constexpr qint64 ReadBufferBytes = 64 * 1024;
constexpr int MaxRedirects = 10;

bool isHttps(const QUrl& url)
{
    return url.isValid() && url.scheme() == u"https"_s && !url.host().isEmpty();
}

void useSystemProxy()
{
    static std::once_flag once;
    std::call_once(once, [] { QNetworkProxyFactory::setUseSystemConfiguration(true); });
}

} // namespace

QString fetchErrorText(FetchError error, const QUrl& url, const FetchOptions& options, int httpStatus,
                       const QString& detail)
{
    const QString where = url.toDisplayString();
    switch (error) {
    case FetchError::None:
        return {};
    case FetchError::NotHttps:
        if (!detail.isEmpty())
            return QCoreApplication::translate("Feed", "%1 sent the program on to %2, which is not https: rates are "
                                                       "fetched over https only.")
                .arg(where, detail);
        return QCoreApplication::translate("Feed", "%1 is not an https address: rates are fetched over https only.")
            .arg(where);
    case FetchError::NoNetwork:
        return QCoreApplication::translate("Feed",
                                           "%1 cannot be reached: there is no network connection, or the server "
                                           "cannot be found or does not answer.")
            .arg(where);
    case FetchError::NotFound:
        return QCoreApplication::translate("Feed", "%1 is not on the server (it may not be published yet).").arg(where);
    case FetchError::Certificate:
        return QCoreApplication::translate(
                   "Feed", "The server of %1 cannot prove who it is: its certificate does not verify.")
            .arg(where);
    case FetchError::TooLarge:
        return QCoreApplication::translate("Feed", "%1 is larger than a rate file may be (%2); nothing was kept.")
            .arg(where, QLocale().formattedDataSize(options.maxBytes, 0, QLocale::DataSizeTraditionalFormat));
    case FetchError::TimedOut:
        return QCoreApplication::translate("Feed", "%1 did not come in time: the server stopped answering.")
            .arg(where);
    case FetchError::Cancelled:
        return QCoreApplication::translate("Feed", "The download of %1 was cancelled.").arg(where);
    case FetchError::HttpStatus:
        return QCoreApplication::translate("Feed", "The server refused %1 (HTTP status %2).")
            .arg(where, QString::number(httpStatus));
    case FetchError::Cut:
        return QCoreApplication::translate("Feed", "The download of %1 was cut short.").arg(where);
    case FetchError::Other:
        return QCoreApplication::translate("Feed", "%1 cannot be fetched: %2").arg(where, detail);
    }
    return {};
}

Fetch::Fetch(QNetworkAccessManager& network, QUrl url, FetchOptions options, QObject* parent)
    : QObject(parent)
    , network_(network)
    , url_(std::move(url))
    , options_(std::move(options))
{
    quiet_.setSingleShot(true);
    whole_.setSingleShot(true);
    connect(&quiet_, &QTimer::timeout, this, &Fetch::timedOut);
    connect(&whole_, &QTimer::timeout, this, &Fetch::timedOut);
}

Fetch::~Fetch()
{
    dropReply();
}

void Fetch::start()
{
    if (started_)
        return;
    started_ = true;
    if (!isHttps(url_))
        return fail(FetchError::NotHttps);

    useSystemProxy();
    QNetworkRequest request(url_);
    // Each redirect is checked here, so that none leaves https.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    // The file as published, uncompressed: the cap then counts what the
    // server sends, Content-Length is the body's own, and a signature covers
    // exactly these bytes.
    request.setRawHeader("Accept-Encoding", "identity");
    if (options_.ssl)
        request.setSslConfiguration(*options_.ssl);
    reply_ = network_.get(request);
    reply_->setReadBufferSize(ReadBufferBytes);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Fetch::readHeaders);
    connect(reply_, &QNetworkReply::readyRead, this, &Fetch::readBody);
    connect(reply_, &QNetworkReply::redirected, this, &Fetch::checkRedirect);
    connect(reply_, &QNetworkReply::finished, this, &Fetch::replyFinished);
    quiet_.start(options_.timeLimit);
    whole_.start(options_.wholeLimit);
}

void Fetch::cancel()
{
    if (!done_)
        fail(FetchError::Cancelled);
}

void Fetch::readHeaders()
{
    quiet_.start(options_.timeLimit);
    result_.httpStatus = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    announced_ = length.isValid() ? length.toLongLong() : -1;
    if (announced_ > options_.maxBytes)
        fail(FetchError::TooLarge);
}

void Fetch::readBody()
{
    if (done_)
        return;
    quiet_.start(options_.timeLimit);
    // One byte past the cap is enough to know it was passed.
    result_.body += reply_->read(options_.maxBytes + 1 - result_.body.size());
    if (result_.body.size() > options_.maxBytes)
        return fail(FetchError::TooLarge);
    Q_EMIT progress(result_.body.size(), announced_);
}

void Fetch::checkRedirect(const QUrl& to)
{
    if (!isHttps(to))
        return fail(FetchError::NotHttps, to.toDisplayString());
    // The redirect's own body, if any came, is not the file.
    result_.body.clear();
    announced_ = -1;
    Q_EMIT reply_->redirectAllowed();
}

void Fetch::replyFinished()
{
    if (done_)
        return;
    const FetchError error = errorOfReply();
    if (error != FetchError::None)
        return fail(error, error == FetchError::Other ? reply_->errorString() : QString());
    takeRest();
    if (done_)
        return;
    if (announced_ >= 0 && result_.body.size() != announced_)
        return fail(FetchError::Cut);
    finish();
}

void Fetch::takeRest()
{
    while (!done_ && reply_->bytesAvailable() > 0)
        readBody();
}

void Fetch::timedOut()
{
    if (!done_)
        fail(FetchError::TimedOut);
}

FetchError Fetch::errorOfReply() const
{
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply_->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::UnknownProxyError:
        return FetchError::NoNetwork;
    case QNetworkReply::RemoteHostClosedError:
        // Closed after the answer began: what came is not the whole file.
        return status > 0 ? FetchError::Cut : FetchError::NoNetwork;
    case QNetworkReply::SslHandshakeFailedError:
        return FetchError::Certificate;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return FetchError::TimedOut;
    case QNetworkReply::InsecureRedirectError:
        return FetchError::NotHttps;
    case QNetworkReply::OperationCanceledError:
        return FetchError::Cancelled;
    default:
        if (status == 0)
            return FetchError::Other;
        break;
    }
    if (status == 404 || status == 410)
        return FetchError::NotFound;
    if (status < 200 || status > 299)
        return FetchError::HttpStatus;
    return reply_->error() == QNetworkReply::NoError ? FetchError::None : FetchError::Other;
}

void Fetch::fail(FetchError error, const QString& detail)
{
    if (done_)
        return;
    result_.error = error;
    result_.body.clear();
    result_.message = fetchErrorText(error, url_, options_, result_.httpStatus, detail);
    finish();
}

void Fetch::finish()
{
    done_ = true;
    quiet_.stop();
    whole_.stop();
    dropReply();
    // From the event loop: the caller may delete this object in its slot.
    QTimer::singleShot(0, this, &Fetch::finished);
}

void Fetch::dropReply()
{
    if (!reply_)
        return;
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
}

} // namespace feed
