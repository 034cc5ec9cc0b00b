#include "feed/Minisign.h"

#include <QByteArrayList>
#include <QCoreApplication>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace feed {

namespace {

constexpr qsizetype KeyBytes = 2 + 8 + 32;
constexpr qsizetype SignatureBytes = 2 + 8 + 64;
// minisign's own limits on a comment line are far below this; anything longer
// is not one of its files.
constexpr qsizetype MaxSignatureFileBytes = 16 * 1024;

// Strict base64: a stray character or the wrong length is no key.
std::optional<QByteArray> decodeBase64(QByteArrayView line, qsizetype expected)
{
    const auto decoded = QByteArray::fromBase64Encoding(line.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != expected)
        return std::nullopt;
    return decoded.decoded;
}

template <std::size_t N>
void copyBytes(std::array<std::uint8_t, N>& to, const QByteArray& from, qsizetype at)
{
    std::memcpy(to.data(), from.constData() + at, N);
}

// Lines ended by LF or CR LF; the last one's end may be missing. Nothing else
// is trimmed: a blank line is a line.
QByteArrayList splitLines(QByteArrayView text)
{
    if (text.endsWith('\n'))
        text.chop(1);
    QByteArrayList lines = text.toByteArray().split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

bool takePrefix(QByteArray& line, QByteArrayView prefix)
{
    if (!line.startsWith(prefix))
        return false;
    line.remove(0, prefix.size());
    return true;
}

bool sodiumReady()
{
    // Safe to call again and from any thread; fails only without a random source.
    return sodium_init() >= 0;
}

} // namespace

QString signatureFaultText(SignatureFault fault)
{
    switch (fault) {
    case SignatureFault::None:
        return {};
    case SignatureFault::BadKey:
        return QCoreApplication::translate(
            "Feed", "The head office key cannot be read: it must be the key line of a minisign public key file.");
    case SignatureFault::BadSignatureFile:
        return QCoreApplication::translate("Feed", "The signature file is not a minisign signature.");
    case SignatureFault::UnknownAlgorithm:
        return QCoreApplication::translate("Feed", "The signature is of a kind this program does not know.");
    case SignatureFault::OtherKey:
        return QCoreApplication::translate("Feed", "The file is signed with another key than the head office key.");
    case SignatureFault::BadSignature:
        return QCoreApplication::translate("Feed",
                                           "The file does not match its signature: it was changed or cut short.");
    case SignatureFault::BadTrustedComment:
        return QCoreApplication::translate("Feed", "The signature's trusted comment was changed.");
    case SignatureFault::NoTimestamp:
        return QCoreApplication::translate(
            "Feed", "The signature carries no time, so the file cannot be told from an older one.");
    }
    return {};
}

PublicKeyResult parsePublicKey(QByteArrayView text)
{
    QByteArrayList lines = splitLines(text.trimmed());
    if (lines.size() == 2 && lines.front().startsWith("untrusted comment:"))
        lines.removeFirst();
    if (lines.size() != 1)
        return {std::nullopt, SignatureFault::BadKey};
    const std::optional<QByteArray> bytes = decodeBase64(lines.front().trimmed(), KeyBytes);
    if (!bytes || !bytes->startsWith("Ed"))
        return {std::nullopt, SignatureFault::BadKey};
    PublicKey key;
    copyBytes(key.keyId, *bytes, 2);
    copyBytes(key.key, *bytes, 10);
    return {key, SignatureFault::None};
}

QByteArray publicKeyLine(const PublicKey& key)
{
    QByteArray bytes("Ed");
    bytes.append(reinterpret_cast<const char*>(key.keyId.data()), qsizetype(key.keyId.size()));
    bytes.append(reinterpret_cast<const char*>(key.key.data()), qsizetype(key.key.size()));
    return bytes.toBase64();
}

SignatureResult parseSignature(QByteArrayView text)
{
    const SignatureResult bad{std::nullopt, SignatureFault::BadSignatureFile};
    if (text.size() > MaxSignatureFileBytes)
        return bad;
    QByteArrayList lines = splitLines(text);
    if (lines.size() != 4 || !lines[0].startsWith("untrusted comment: ") || !takePrefix(lines[2], "trusted comment: "))
        return bad;
    const std::optional<QByteArray> sig = decodeBase64(lines[1], SignatureBytes);
    const std::optional<QByteArray> global = decodeBase64(lines[3], 64);
    if (!sig || !global)
        return bad;

    Signature s;
    if (sig->startsWith("ED"))
        s.prehashed = true;
    else if (sig->startsWith("Ed"))
        s.prehashed = false;
    else
        return {std::nullopt, SignatureFault::UnknownAlgorithm};
    copyBytes(s.keyId, *sig, 2);
    copyBytes(s.signature, *sig, 10);
    s.trustedComment = lines[2];
    copyBytes(s.globalSignature, *global, 0);
    return {s, SignatureFault::None};
}

SignatureFault verifySignature(const PublicKey& key, const Signature& signature, QByteArrayView message)
{
    if (signature.keyId != key.keyId)
        return SignatureFault::OtherKey;
    if (!sodiumReady())
        return SignatureFault::BadSignature;

    const auto* data = reinterpret_cast<const unsigned char*>(message.data());
    int verified = -1;
    if (signature.prehashed) {
        std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
        crypto_generichash(hash.data(), hash.size(), data, std::size_t(message.size()), nullptr, 0);
        verified = crypto_sign_verify_detached(signature.signature.data(), hash.data(), hash.size(), key.key.data());
    } else {
        verified = crypto_sign_verify_detached(signature.signature.data(), data, std::size_t(message.size()),
                                               key.key.data());
    }
    if (verified != 0)
        return SignatureFault::BadSignature;

    QByteArray signedComment(reinterpret_cast<const char*>(signature.signature.data()),
                             qsizetype(signature.signature.size()));
    signedComment += signature.trustedComment;
    if (crypto_sign_verify_detached(signature.globalSignature.data(),
                                    reinterpret_cast<const unsigned char*>(signedComment.constData()),
                                    std::size_t(signedComment.size()), key.key.data())
        != 0)
        return SignatureFault::BadTrustedComment;
    return SignatureFault::None;
}

std::optional<qint64> trustedTimestamp(QByteArrayView trustedComment)
{
    static constexpr QByteArrayView Field = "timestamp:";
    const QByteArrayList fields = trustedComment.toByteArray().split('\t');
    for (const QByteArrayView field : fields) {
        if (!field.startsWith(Field))
            continue;
        const QByteArrayView rest = field.sliced(Field.size());
        const auto digits = std::find_if(rest.begin(), rest.end(), [](char c) { return c < '0' || c > '9'; });
        const qsizetype count = digits - rest.begin();
        if (count == 0 || (count < rest.size() && rest[count] != ' '))
            return std::nullopt;
        bool ok = false;
        const qint64 seconds = rest.first(count).toLongLong(&ok);
        return ok ? std::optional<qint64>(seconds) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace feed
