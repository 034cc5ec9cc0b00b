#include "fuzz/feed_check.h"

#include "feed/FeedConfig.h"
#include "feed/Minisign.h"

using namespace Qt::StringLiterals;
using namespace feed;

namespace FeedCheck {

namespace {

const QString kSource = u"fuzz.conf"_s;

// A key read is one that writes back the same and reads again.
std::string checkKey(const QByteArray& bytes)
{
    const PublicKeyResult read = parsePublicKey(bytes);
    if (!read.ok())
        return read.fault == SignatureFault::BadKey ? std::string() : "a key refused for another reason than BadKey";
    const PublicKeyResult again = parsePublicKey(publicKeyLine(*read.key));
    if (!again.ok() || again.key->key != read.key->key || again.key->keyId != read.key->keyId)
        return "a key read does not read back from its key line";
    return {};
}

// No input is signed by a key made up here; the only question is which
// check says so.
std::string checkSignature(const QByteArray& bytes)
{
    const SignatureResult read = parseSignature(bytes);
    if (!read.ok()) {
        if (read.fault != SignatureFault::BadSignatureFile && read.fault != SignatureFault::UnknownAlgorithm)
            return "a signature file refused for a fault of verification";
        return {};
    }
    const Signature& s = *read.signature;
    if (s.trustedComment.contains('\n'))
        return "a trusted comment that spans lines";
    PublicKey key;
    key.keyId = s.keyId;
    const SignatureFault fault = verifySignature(key, s, bytes);
    if (fault != SignatureFault::BadSignature && fault != SignatureFault::BadTrustedComment)
        return "a signature verified by a key of zeros";
    key.keyId[0] ^= 1;
    if (verifySignature(key, s, bytes) != SignatureFault::OtherKey)
        return "a signature by another key id not refused as such";
    if (const std::optional<qint64> at = trustedTimestamp(s.trustedComment);
        at && (*at < 0 || !s.trustedComment.contains("timestamp:")))
        return "a timestamp read that the comment does not hold";
    return {};
}

std::string checkConf(const QByteArray& bytes)
{
    const FeedConfigResult read = parseFeedConf(bytes, kSource);
    if (read.config.has_value() == !read.error.isEmpty())
        return "a configuration both sound and faulty, or neither";
    if (!read.config)
        return read.error.contains(kSource) ? std::string() : "a fault that does not name the file";
    const FeedConfig& c = *read.config;
    if (c.url.scheme() != u"https"_s || c.url.host().isEmpty())
        return "a feed address that is not https";
    if (c.intervalMinutes < 1 || c.intervalMinutes > MaxIntervalMinutes)
        return "an interval out of range";
    if (signatureUrl(c.url).path() != c.url.path() + u".minisig"_s)
        return "a signature address not beside the file";
    return {};
}

} // namespace

std::string check(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const auto part : {checkKey, checkSignature, checkConf}) {
        if (std::string problem = part(bytes); !problem.empty())
            return problem;
    }
    return {};
}

} // namespace FeedCheck
