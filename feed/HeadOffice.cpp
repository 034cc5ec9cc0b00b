#include "feed/HeadOffice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimer>

namespace feed {

namespace {

// minisign's comments are limited to a few kilobytes.
constexpr qint64 MaxSignatureBytes = 16 * 1024;

FeedResult refusal(FeedRefusal why, const QString& message)
{
    FeedResult result;
    result.refusal = why;
    result.message = message;
    return result;
}

FeedResult signatureRefusal(SignatureFault fault, const QString& address)
{
    const QString label = ratefiles::fileLabel(address);
    //: %1 is the head office file's address, %2 what is wrong with its signature.
    FeedResult result = refusal(FeedRefusal::Signature,
                                QCoreApplication::translate("Feed", "%1 was refused: %2").arg(label,
                                                                                             signatureFaultText(fault)));
    result.signatureFault = fault;
    return result;
}

QString when(qint64 seconds)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

} // namespace

FeedResult checkFeedFile(const QByteArray& body, QByteArrayView minisig, const PublicKey& key,
                         std::optional<qint64> lastApplied, const QString& address)
{
    const QString label = ratefiles::fileLabel(address);
    const SignatureResult parsed = parseSignature(minisig);
    if (!parsed.ok())
        return signatureRefusal(parsed.fault, address);
    const Signature& signature = *parsed.signature;
    if (const SignatureFault fault = verifySignature(key, signature, body); fault != SignatureFault::None)
        return signatureRefusal(fault, address);
    const std::optional<qint64> timestamp = trustedTimestamp(signature.trustedComment);
    if (!timestamp)
        return signatureRefusal(SignatureFault::NoTimestamp, address);
    // The file applied last, fetched again: not a refusal, nothing to apply.
    if (lastApplied && *timestamp == *lastApplied)
        return refusal(FeedRefusal::Unchanged,
                       QCoreApplication::translate("Feed", "%1 holds the rates applied last (signed on %2).")
                           .arg(label, when(*timestamp)));
    if (lastApplied && *timestamp < *lastApplied)
        return refusal(FeedRefusal::NotNewer,
                       QCoreApplication::translate("Feed",
                                                   "%1 was refused: it was signed on %2, not after the rates "
                                                   "applied last (signed on %3).")
                           .arg(label, when(*timestamp), when(*lastApplied)));

    ratefiles::RateFileResult read = ratefiles::parseRateFile(body, address);
    if (!read.ok())
        return refusal(FeedRefusal::NotRateFile, read.error);
    if (read.file->format != ratefiles::RateFileFormat::OwnExport)
        return refusal(FeedRefusal::NotExport,
                       QCoreApplication::translate("Feed", "%1 was refused: it is a rate file, but not an export "
                                                           "of this program.")
                           .arg(label));
    FeedResult result;
    result.update = FeedUpdate{std::move(*read.file), *timestamp, QString::fromUtf8(signature.trustedComment)};
    return result;
}

HeadOfficeFetch::HeadOfficeFetch(QNetworkAccessManager& network, FeedConfig config,
                                 std::optional<qint64> lastApplied, FetchOptions options, QObject* parent)
    : QObject(parent)
    , network_(network)
    , config_(std::move(config))
    , lastApplied_(lastApplied)
    , options_(std::move(options))
{
}

HeadOfficeFetch::~HeadOfficeFetch() = default;

void HeadOfficeFetch::start()
{
    if (signatureFetch_ || done_)
        return;
    FetchOptions small = options_;
    small.maxBytes = MaxSignatureBytes;
    signatureFetch_ = std::make_unique<Fetch>(network_, signatureUrl(config_.url), small);
    connect(signatureFetch_.get(), &Fetch::finished, this, &HeadOfficeFetch::signatureCame);
    signatureFetch_->start();
}

void HeadOfficeFetch::cancel()
{
    if (fileFetch_)
        return fileFetch_->cancel();
    if (signatureFetch_)
        return signatureFetch_->cancel();
    FetchResult never;
    never.error = FetchError::Cancelled;
    never.message = fetchErrorText(FetchError::Cancelled, config_.url, options_);
    refuseFetch(never);
}

void HeadOfficeFetch::signatureCame()
{
    const FetchResult& fetched = signatureFetch_->result();
    if (!fetched.ok())
        return refuseFetch(fetched);
    // Another key, or no signature at all, needs no file to tell.
    const SignatureResult parsed = parseSignature(fetched.body);
    const QString address = config_.url.toDisplayString();
    if (!parsed.ok())
        return end(signatureRefusal(parsed.fault, address));
    if (parsed.signature->keyId != config_.key.keyId)
        return end(signatureRefusal(SignatureFault::OtherKey, address));
    minisig_ = fetched.body;
    fileFetch_ = std::make_unique<Fetch>(network_, config_.url, options_);
    connect(fileFetch_.get(), &Fetch::finished, this, &HeadOfficeFetch::fileCame);
    fileFetch_->start();
}

void HeadOfficeFetch::fileCame()
{
    const FetchResult& fetched = fileFetch_->result();
    if (!fetched.ok())
        return refuseFetch(fetched);
    end(checkFeedFile(fetched.body, minisig_, config_.key, lastApplied_, config_.url.toDisplayString()));
}

void HeadOfficeFetch::refuseFetch(const FetchResult& fetched)
{
    FeedResult result = refusal(FeedRefusal::Fetch, fetched.message);
    result.fetchError = fetched.error;
    end(std::move(result));
}

void HeadOfficeFetch::end(FeedResult result)
{
    if (done_)
        return;
    done_ = true;
    result_ = std::move(result);
    // From the event loop, as Fetch does: the caller may delete this object in its slot.
    QTimer::singleShot(0, this, &HeadOfficeFetch::finished);
}

} // namespace feed
