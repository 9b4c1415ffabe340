#include "SimpleCrypt.h"

#include "CipherFixture.h"
#include "RowName.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSet>

#include <gtest/gtest.h>

namespace {

constexpr quint64 key = SimpleCrypt::cacheKey;

QString longCacheText()
{
    QString text = QStringLiteral("fileName: /Music/song.mp3\rbeats: ");
    for (int i = 0; i < 2000; ++i)
        text += QString::number(i * 22050) + QLatin1Char(' ');
    text += QStringLiteral("\rchordVec1: ");
    for (int i = 0; i < 1999; ++i)
        text += (i % 3 ? QStringLiteral("Am ") : QStringLiteral("C "));
    return text + QStringLiteral("\rtempo: 120.185");
}

QByteArray randomBytes(int n)
{
    QRandomGenerator rng(7);
    QByteArray bytes(n, 0);
    for (char& c : bytes)
        c = char(rng.generate() & 0xFF);
    return bytes;
}

struct TextCase
{
    const char* name;
    QString text;
};

class CipherTexts : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(CipherTexts, EveryScramblingRestoresTheText)
{
    const QString text = GetParam().text;
    SimpleCrypt crypt(key);
    QStringList scrambled;
    // The random first byte changes every later byte, so eight scramblings
    // of one text are all the same only with probability 256^-7.
    for (int i = 0; i < 8; ++i) {
        scrambled << crypt.encryptToString(text);
        EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorNoError);
    }
    EXPECT_GT(QSet<QString>(scrambled.begin(), scrambled.end()).size(), 1);

    for (const QString& line : scrambled) {
        SimpleCrypt reader(key);
        EXPECT_EQ(reader.decryptToString(line), text);
        EXPECT_EQ(reader.lastError(), SimpleCrypt::ErrorNoError);
        EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    }
}

TEST_P(CipherTexts, AnyChangedByteFailsTheIntegrityCheck)
{
    SimpleCrypt crypt(key);
    const QByteArray good = crypt.encryptToByteArray(GetParam().text.toUtf8());
    // The flags byte (1) is left out: clearing its checksum bit is no damage
    // the cipher can see. A changed byte alters two chained bytes, a burst the
    // CRC-16 always catches.
    // Every position of the first 64 bytes, then a sample of the rest.
    for (int i = 2; i < good.size(); i += (i < 64 ? 1 : 37)) {
        QByteArray bad = good;
        bad[i] = char(bad.at(i) ^ 0x21);
        SimpleCrypt reader(key);
        EXPECT_TRUE(reader.decryptToByteArray(bad).isEmpty()) << "byte " << i;
        EXPECT_EQ(reader.lastError(), SimpleCrypt::ErrorIntegrityFailed) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CipherTexts,
    ::testing::Values(TextCase{"empty", QString()}, TextCase{"oneLetter", QStringLiteral("C")},
                      TextCase{"shortLine", QStringLiteral("fileName: /Music/song.mp3")},
                      TextCase{"nonAscii", QStringLiteral("fileName: /Musik/Grüße ♯ 日本.flac")},
                      TextCase{"longCache", longCacheText()}),
    RowName());

TEST(SimpleCrypt, CompressesOnlyWhenThatIsShorter)
{
    struct Case
    {
        const char* name;
        QByteArray plain;
        char flags;
    };
    const Case cases[] = {
        {"short text: zlib header and length make it longer", "Am C G", 0x02},
        {"long cache text compresses", longCacheText().toUtf8(), 0x03},
        {"random bytes do not compress", randomBytes(4000), 0x02},
    };
    for (const Case& c : cases) {
        SimpleCrypt crypt(key);
        const QByteArray scrambled = crypt.encryptToByteArray(c.plain);
        EXPECT_EQ(scrambled.at(1), c.flags) << c.name;
        EXPECT_EQ(crypt.decryptToByteArray(scrambled), c.plain) << c.name;
    }
}

TEST(SimpleCrypt, PlainCacheLineIsNotACypherText)
{
    SimpleCrypt crypt(key);
    EXPECT_TRUE(crypt.decryptToString(QStringLiteral("fileName: /Music/song.mp3\rbeats: 0 512 ")).isEmpty());
    EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion);
}

TEST(SimpleCrypt, OtherVersionIsRefused)
{
    SimpleCrypt crypt(key);
    QByteArray scrambled = crypt.encryptToByteArray("Am C G");
    scrambled[0] = 0x04;
    EXPECT_TRUE(crypt.decryptToByteArray(scrambled).isEmpty());
    EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion);
}

TEST(SimpleCrypt, OtherKeyFailsCleanly)
{
    SimpleCrypt writer(key);
    SimpleCrypt reader(key ^ 0x0100);
    EXPECT_TRUE(reader.decryptToString(writer.encryptToString(longCacheText())).isEmpty());
    EXPECT_EQ(reader.lastError(), SimpleCrypt::ErrorIntegrityFailed);
}

TEST(SimpleCrypt, InputShorterThanThreeBytesKeepsTheLastError)
{
    SimpleCrypt crypt(key);
    EXPECT_TRUE(crypt.decryptToByteArray("ab").isEmpty());
    EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorNoError);

    crypt.decryptToByteArray("not a cypher text");
    ASSERT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion);
    EXPECT_TRUE(crypt.decryptToByteArray(QByteArray()).isEmpty());
    EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion);
}

TEST(SimpleCrypt, Sha1DigestIsCheckedWhenFlagged)
{
    const QByteArray data = "chordVec1: Am C G";
    const QByteArray digest = QCryptographicHash::hash(data, QCryptographicHash::Sha1);
    QByteArray wrongDigest = digest;
    wrongDigest[5] = char(wrongDigest.at(5) ^ 1);

    struct Case
    {
        const char* name;
        QByteArray cypher;
        QByteArray expected;
        int error;
    };
    const Case cases[] = {
        {"digest matches", chainedCypher(key, 0x04, digest, data), data, SimpleCrypt::ErrorNoError},
        {"digest differs", chainedCypher(key, 0x04, wrongDigest, data), {}, SimpleCrypt::ErrorIntegrityFailed},
        {"shorter than a digest", chainedCypher(key, 0x04, {}, "Am C"), {}, SimpleCrypt::ErrorIntegrityFailed},
        {"both flags: only the checksum counts", chainedCypher(key, 0x06, crcField(data), data), data,
         SimpleCrypt::ErrorNoError},
    };
    for (const Case& c : cases) {
        SimpleCrypt crypt(key);
        EXPECT_EQ(crypt.decryptToByteArray(c.cypher), c.expected) << c.name;
        EXPECT_EQ(crypt.lastError(), c.error) << c.name;
    }
}

// qCompress's form with another stored length.
QByteArray withStoredLength(QByteArray compressed, quint32 length)
{
    for (int i = 0; i < 4; ++i)
        compressed[i] = char(length >> (24 - 8 * i));
    return compressed;
}

TEST(SimpleCrypt, DamagedCompressedDataFailsTheIntegrityCheck)
{
    const QByteArray notZlib = QByteArrayLiteral("\x00\x00\x00\x40garbage that is no zlib stream");
    // A stored length of almost 2 GiB over a few bytes: refused before
    // anything is allocated for it.
    const QByteArray hugeLength = QByteArrayLiteral("\x7f\xff\xff\x00\x78\xda\x01\x02\x03");
    const QByteArray zeros(SimpleCrypt::maxPlainBytes + 1, '\0');
    const QByteArray compressedZeros = qCompress(zeros, 9);
    struct Case
    {
        const char* name;
        QByteArray data;
    };
    const Case cases[] = {
        {"no zlib stream", notZlib},
        {"stored length past what deflate can reach", hugeLength},
        // Restoring grew its buffer for as long as the stream went on: a
        // small stored length let a few kilobytes inflate to gigabytes.
        {"stream longer than its stored length", withStoredLength(compressedZeros, 64)},
        {"stream shorter than its stored length", withStoredLength(qCompress(QByteArray(1000, 'a')), 2000)},
        {"longer than the cipher restores", compressedZeros},
    };
    for (const Case& c : cases) {
        SimpleCrypt crypt(key);
        EXPECT_TRUE(crypt.decryptToByteArray(chainedCypher(key, 0x03, crcField(c.data), c.data)).isEmpty())
            << c.name;
        EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorIntegrityFailed) << c.name;
    }
}

TEST(SimpleCrypt, FormsWithoutChecksumOrDigestAreRefused)
{
    // Any text starting "AwAA" in base64 would otherwise restore to bytes
    // nobody checked.
    const QByteArray data = "fileName: /Music/song.mp3";
    const QByteArray compressed = qCompress(QByteArray(400, 'a'));
    struct Case
    {
        const char* name;
        QByteArray cypher;
    };
    const Case cases[] = {
        {"no flag", chainedCypher(key, 0x00, {}, data)},
        {"compressed only", chainedCypher(key, 0x01, {}, compressed)},
        {"unknown flags only", chainedCypher(key, 0x78, {}, data)},
    };
    for (const Case& c : cases) {
        SimpleCrypt crypt(key);
        EXPECT_TRUE(crypt.decryptToByteArray(c.cypher).isEmpty()) << c.name;
        EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion) << c.name;
    }
    SimpleCrypt crypt(key);
    EXPECT_TRUE(crypt.decryptToString(QStringLiteral("AwAAfileName: /Music/song.mp3")).isEmpty());
    EXPECT_EQ(crypt.lastError(), SimpleCrypt::ErrorUnknownVersion);
}

} // namespace
