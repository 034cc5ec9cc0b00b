#pragma once

// Head office's signatures, checked in minisign's own formats (Ed25519 through
// libsodium). Everything here reads untrusted bytes: a fault is a value with a
// reason and a plain sentence, never an exception.
//
// A public key is "Ed", an 8-byte key id and the 32-byte key, base64 on the
// second line of a .pub file. A .minisig is four lines: an untrusted comment;
// base64 of the algorithm ("Ed" signs the file itself, "ED" its BLAKE2b-512
// hash), the key id and the 64-byte signature; "trusted comment: " and the
// comment; base64 of the 64-byte global signature over the signature bytes
// followed by the comment. Both signatures must verify.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace feed {

enum class SignatureFault {
    None,
    BadKey,            // the public key cannot be read
    BadSignatureFile,  // the .minisig is not in minisign's form
    UnknownAlgorithm,  // neither "Ed" nor "ED"
    OtherKey,          // signed by a key other than the one configured
    BadSignature,      // the file does not match its signature
    BadTrustedComment, // the trusted comment does not match its signature
    NoTimestamp,       // the trusted comment carries no time
};

// A plain sentence for the fault, for the user.
QString signatureFaultText(SignatureFault fault);

using KeyId = std::array<std::uint8_t, 8>;

struct PublicKey {
    KeyId keyId{};
    std::array<std::uint8_t, 32> key{};
};

struct PublicKeyResult {
    std::optional<PublicKey> key;
    SignatureFault fault = SignatureFault::None;
    bool ok() const { return key.has_value(); }
};

// The whole .pub file, or only its base64 key line.
PublicKeyResult parsePublicKey(QByteArrayView text);
// The key line that parsePublicKey reads back.
QByteArray publicKeyLine(const PublicKey& key);

struct Signature {
    bool prehashed = true;  // "ED": over the file's BLAKE2b-512 hash
    KeyId keyId{};
    std::array<std::uint8_t, 64> signature{};
    QByteArray trustedComment;  // the text after "trusted comment: ", UTF-8 as signed
    std::array<std::uint8_t, 64> globalSignature{};
};

struct SignatureResult {
    std::optional<Signature> signature;
    SignatureFault fault = SignatureFault::None;
    bool ok() const { return signature.has_value(); }
};

// A .minisig: four lines, each ended by LF or CR LF, the last one's end optional.
SignatureResult parseSignature(QByteArrayView text);

// Checks the key id, the signature over message and the global signature.
// Returns None when all three hold.
SignatureFault verifySignature(const PublicKey& key, const Signature& signature, QByteArrayView message);

// The unix seconds of "timestamp:<digits>" in a trusted comment (minisign
// writes it first, tab-separated from the rest), if there is one.
std::optional<qint64> trustedTimestamp(QByteArrayView trustedComment);

} // namespace feed
