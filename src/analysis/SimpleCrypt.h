// Scrambling of the analysis cache text: a 64-bit key chained over the bytes
// so that every output byte depends on the one before it, a random first
// byte so that the same text never scrambles the same way twice, zlib
// compression when it pays, and a CRC-16 that catches damaged files.
//
// Scrambled bytes: version 0x03, flags (0x01 compressed, 0x02 CRC-16,
// 0x04 SHA-1 digest; the last is never written but honoured on reading),
// then the chained payload: random byte, integrity field (CRC most
// significant byte first, or the 20-byte digest), data. Text form: base64.
// Restoring requires the CRC or the digest: without either, any bytes
// starting 0x03 (a text starting "AwAA" in base64) would pass for
// scrambled ones.
//
// This keeps the cache from being read or edited as text; it is not
// encryption in any serious sense. One object per thread.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class SimpleCrypt
{
public:
    enum Error {
        ErrorNoError = 0,
        ErrorUnknownVersion = 2,  // not a scrambled text of this version, or one without a checksum
        ErrorIntegrityFailed = 3, // checksum, digest or decompression failed
    };

    // The one key of the analysis cache; writer, reader and converter share it.
    static constexpr quint64 cacheKey = 0x5D3A91C07E2B46F8ULL;
    // The longest data restored from compressed form (a cache text is far
    // shorter): a few damaged or hostile bytes cannot ask for more memory.
    static constexpr int maxPlainBytes = 16 << 20;

    explicit SimpleCrypt(quint64 key);

    void splitKey();

    QByteArray encryptToByteArray(QByteArray plain);
    // Empty bytes on failure (see lastError()). Input shorter than three bytes
    // gives empty bytes and leaves lastError() as it was.
    QByteArray decryptToByteArray(QByteArray cypher);

    // The start of what decryptToByteArray restores (at most maxBytes)
    // from the start of the scrambled bytes, unchecked: the checksum needs
    // them all. For a glance at many files; empty when the bytes are no
    // scrambled data of this version. Leaves lastError() as it was.
    QByteArray decryptStart(const QByteArray& cypherStart, int maxBytes) const;

    // The text's UTF-8 bytes, scrambled, as base64.
    QString encryptToString(const QString& plain);
    // The bytes as they are, scrambled, as base64.
    QString encryptToString(QByteArray plain);
    // Base64 (characters outside the alphabet skipped), restored, read as UTF-8.
    QString decryptToString(const QString& cypher);

    // Outcome of the last operation; the cache reader tests it.
    int lastError() const { return m_lastError; }

private:
    quint64 m_key;
    QVector<char> m_keyParts;
    int m_lastError = ErrorNoError;
};
