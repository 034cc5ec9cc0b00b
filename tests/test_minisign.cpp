// minisign's formats against real signatures made by Debian's minisign, and
// the committed fuzz inputs of the feed's parsers replayed.
#include "feed/Minisign.h"
#include "fuzz/feed_check.h"
#include "tests/FeedFixtures.h"
#include "tests/FuzzReplay.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace feed;
using feedtest::Signer;

namespace {

constexpr qint64 SignedAt = 1700000000;

QByteArray setLine(QByteArray minisig, int index, const QByteArray& line)
{
    QByteArrayList lines = minisig.split('\n');
    lines[index] = line;
    return lines.join('\n');
}

// The signature line decoded, changed by edit, encoded again.
template <typename Edit>
QByteArray editSignatureLine(const QByteArray& minisig, Edit edit)
{
    QByteArray bytes = QByteArray::fromBase64(minisig.split('\n')[1]);
    edit(bytes);
    return setLine(minisig, 1, bytes.toBase64());
}

struct Signed {
    QByteArray file;
    QByteArray minisig;
    QByteArray other;  // another signature by the same key, of another comment
};

struct SignatureCase {
    const char* name;
    bool legacy = false;
    bool otherKey = false;
    void (*damage)(Signed&) = [](Signed&) {};
    SignatureFault expected = SignatureFault::None;
};

class SignatureTest : public ::testing::TestWithParam<SignatureCase> {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        ours = Signer::make(dir->filePath(u"ours"_s));
        theirs = Signer::make(dir->filePath(u"theirs"_s));
    }
    static void TearDownTestSuite() { delete dir; }

    static inline QTemporaryDir* dir = nullptr;
    static inline Signer ours;
    static inline Signer theirs;
};

TEST_P(SignatureTest, verifiesOnlyWhatTheKeySigned)
{
    const SignatureCase& c = GetParam();
    const QString comment = u"timestamp:%1\tfile:rates.csv\thashed"_s.arg(SignedAt);
    Signed s{"Country,Monetery Unit,Exchange Rate,Updated\nFrance,Euro,1.17,2024-03-01\n", {}, {}};
    s.minisig = (c.otherKey ? theirs : ours).sign(s.file, comment, c.legacy);
    s.other = ours.sign(s.file, u"timestamp:1\tfile:rates.csv"_s, c.legacy);
    c.damage(s);

    const PublicKeyResult key = parsePublicKey(ours.publicKeyFile());
    ASSERT_TRUE(key.ok());
    const SignatureResult parsed = parseSignature(s.minisig);
    const SignatureFault fault =
        parsed.ok() ? verifySignature(*key.key, *parsed.signature, s.file) : parsed.fault;
    EXPECT_EQ(fault, c.expected);
    if (c.expected != SignatureFault::None) {
        EXPECT_FALSE(signatureFaultText(fault).isEmpty());
    } else if (parsed.ok()) {
        EXPECT_EQ(parsed.signature->prehashed, !c.legacy);
        EXPECT_EQ(trustedTimestamp(parsed.signature->trustedComment), SignedAt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Minisign, SignatureTest,
    ::testing::Values(
        SignatureCase{.name = "prehashed"},
        SignatureCase{.name = "legacy", .legacy = true},
        SignatureCase{.name = "crLf", .damage = [](Signed& s) { s.minisig.replace("\n", "\r\n"); }},
        SignatureCase{.name = "noFinalNewline", .damage = [](Signed& s) { s.minisig.chop(1); }},
        SignatureCase{.name = "tamperedFile",
                      .damage = [](Signed& s) { s.file.replace("1.17", "1.71"); },
                      .expected = SignatureFault::BadSignature},
        SignatureCase{.name = "tamperedFileLegacy",
                      .legacy = true,
                      .damage = [](Signed& s) { s.file.replace("1.17", "1.71"); },
                      .expected = SignatureFault::BadSignature},
        SignatureCase{.name = "cutFile",
                      .damage = [](Signed& s) { s.file.chop(1); },
                      .expected = SignatureFault::BadSignature},
        SignatureCase{.name = "otherKey", .otherKey = true, .expected = SignatureFault::OtherKey},
        SignatureCase{.name = "keyIdChanged",
                      .damage = [](Signed& s) { s.minisig = editSignatureLine(s.minisig, [](QByteArray& b) { b[2] ^= 1; }); },
                      .expected = SignatureFault::OtherKey},
        SignatureCase{.name = "prehashedClaimedLegacy",
                      .damage = [](Signed& s) { s.minisig = editSignatureLine(s.minisig, [](QByteArray& b) { b[1] = 'd'; }); },
                      .expected = SignatureFault::BadSignature},
        SignatureCase{.name = "unknownAlgorithm",
                      .damage = [](Signed& s) { s.minisig = editSignatureLine(s.minisig, [](QByteArray& b) { b[0] = 'X'; }); },
                      .expected = SignatureFault::UnknownAlgorithm},
        SignatureCase{.name = "signatureBitFlipped",
                      .damage = [](Signed& s) { s.minisig = editSignatureLine(s.minisig, [](QByteArray& b) { b[40] ^= 4; }); },
                      .expected = SignatureFault::BadSignature},
        SignatureCase{.name = "trustedCommentChanged",
                      .damage = [](Signed& s) { s.minisig.replace("timestamp:1700000000", "timestamp:1800000000"); },
                      .expected = SignatureFault::BadTrustedComment},
        SignatureCase{.name = "globalSignatureOfAnotherComment",
                      .damage = [](Signed& s) { s.minisig = setLine(s.minisig, 3, s.other.split('\n')[3]); },
                      .expected = SignatureFault::BadTrustedComment},
        SignatureCase{.name = "signatureLineNotBase64",
                      .damage = [](Signed& s) { s.minisig = setLine(s.minisig, 1, "RUQ!not base64"); },
                      .expected = SignatureFault::BadSignatureFile},
        SignatureCase{.name = "signatureLineShort",
                      .damage = [](Signed& s) { s.minisig = editSignatureLine(s.minisig, [](QByteArray& b) { b.chop(1); }); },
                      .expected = SignatureFault::BadSignatureFile},
        SignatureCase{.name = "blankLineAtEnd",
                      .damage = [](Signed& s) { s.minisig += '\n'; },
                      .expected = SignatureFault::BadSignatureFile},
        SignatureCase{.name = "threeLines",
                      .damage = [](Signed& s) { s.minisig = s.minisig.split('\n').mid(0, 3).join('\n'); },
                      .expected = SignatureFault::BadSignatureFile},
        SignatureCase{.name = "noUntrustedComment",
                      .damage = [](Signed& s) { s.minisig = setLine(s.minisig, 0, "comment: x"); },
                      .expected = SignatureFault::BadSignatureFile},
        SignatureCase{.name = "noTrustedCommentPrefix",
                      .damage = [](Signed& s) { s.minisig.replace("trusted comment: ", "trusted comment:"); },
                      .expected = SignatureFault::BadSignatureFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SignatureTest, publicKeyReadsFromTheFileOrItsKeyLine)
{
    const QByteArray file = ours.publicKeyFile();
    const QByteArray line = file.split('\n')[1];
    const PublicKeyResult whole = parsePublicKey(file);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(publicKeyLine(*whole.key), line);
    const QByteArrayList goods{line, line + "\r\n", "  " + line + " ", QByteArray(file).replace("\n", "\r\n")};
    for (const QByteArray& good : goods)
        EXPECT_TRUE(parsePublicKey(good).ok()) << good.toStdString();

    QByteArray notEd = QByteArray::fromBase64(line);
    notEd[1] = 'D';
    const QByteArrayList bads{QByteArray(), line.chopped(4), line + "AAAA", "x" + line, notEd.toBase64(),
                              file + "untrusted comment: another\n" + line, "untrusted comment: only\n"};
    for (const QByteArray& bad : bads)
        EXPECT_EQ(parsePublicKey(bad).fault, SignatureFault::BadKey) << bad.toStdString();
}

TEST(TrustedTimestamp, readsMinisignsFieldOnly)
{
    const std::vector<std::pair<QByteArray, std::optional<qint64>>> cases{
        {"timestamp:1700000000\tfile:rates.csv\thashed", 1700000000},
        {"timestamp:42", 42},
        {"timestamp:42 head office", 42},
        {"file:rates.csv\ttimestamp:7", 7},
        {"file:rates.csv\thashed", std::nullopt},
        {"timestamp:", std::nullopt},
        {"timestamp:-5", std::nullopt},
        {"timestamp:12x", std::nullopt},
        {"the timestamp:12", std::nullopt},
        {"timestamp:99999999999999999999", std::nullopt},
    };
    for (const auto& [comment, expected] : cases)
        EXPECT_EQ(trustedTimestamp(comment), expected) << comment.toStdString();
}

TEST(FeedFuzzReplay, committedInputsPassTheChecks)
{
    replayFuzzInputs({TALLYVANE_FUZZ_DIR "/corpus-feed", TALLYVANE_FUZZ_DIR "/regressions-feed"}, FeedCheck::check, 4);
}

} // namespace
