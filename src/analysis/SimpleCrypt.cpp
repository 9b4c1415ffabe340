#include "SimpleCrypt.h"

#include "AnalysisLog.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <zlib.h>

namespace {

constexpr char version = 0x03;
constexpr char flagCompressed = 0x01;
constexpr char flagChecksum = 0x02;
constexpr char flagHash = 0x04;
constexpr int sha1Size = 20;
// Deflate cannot shrink data by more than about 1032:1. A stored length above
// that bound is damage, and is not allocated.
constexpr qint64 maxDeflateRatio = 1032;

quint16 checksum(const QByteArray& data)
{
    return qChecksum(data.constData(), uint(data.size()));
}

// qCompress's form: the length, 4 bytes most significant first, then a
// zlib stream. Restored into exactly that length, which qCompress always
// writes: qUncompress would keep doubling its buffer (up to 2 GB) for a
// stream that inflates past it. Empty on any failure.
QByteArray uncompressBounded(const QByteArray& data)
{
    if (data.size() < 4)
        return QByteArray();
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qint64 stored = (qint64(p[0]) << 24) | (qint64(p[1]) << 16) | (qint64(p[2]) << 8) | p[3];
    if (stored == 0 || stored > SimpleCrypt::maxPlainBytes
        || stored > (qint64(data.size()) - 4) * maxDeflateRatio + 64)
        return QByteArray();
    QByteArray restored(int(stored), Qt::Uninitialized);
    uLongf length = uLongf(stored);
    const int result =
        ::uncompress(reinterpret_cast<Bytef*>(restored.data()), &length, p + 4, uLong(data.size() - 4));
    if (result != Z_OK || qint64(length) != stored)
        return QByteArray();
    return restored;
}

// Undoes the chaining of the payload in place.
void unchain(QByteArray& data, const QVector<char>& keyParts)
{
    char last = 0;
    for (int i = 0; i < data.size(); ++i) {
        const char current = data.at(i);
        data[i] = char(current ^ last ^ keyParts.at(i % 8));
        last = current;
    }
}

} // namespace

SimpleCrypt::SimpleCrypt(quint64 key) : m_key(key)
{
    splitKey();
}

void SimpleCrypt::splitKey()
{
    m_keyParts.clear();
    m_keyParts.resize(8);
    for (int i = 0; i < 8; ++i)
        m_keyParts[i] = char((m_key >> (8 * i)) & 0xFF);
}

QByteArray SimpleCrypt::encryptToByteArray(QByteArray plain)
{
    char flags = flagChecksum;

    const QByteArray compressed = qCompress(plain, 9);
    if (compressed.size() < plain.size()) {
        plain = compressed;
        flags |= flagCompressed;
    }

    const quint16 crc = checksum(plain);
    QByteArray payload;
    payload.reserve(plain.size() + 3);
    payload.append(char(QRandomGenerator::global()->generate() & 0xFF));
    payload.append(char(crc >> 8));
    payload.append(char(crc & 0xFF));
    payload.append(plain);

    char last = 0;
    for (int i = 0; i < payload.size(); ++i) {
        payload[i] = char(payload.at(i) ^ m_keyParts.at(i % 8) ^ last);
        last = payload.at(i);
    }

    QByteArray result;
    result.reserve(payload.size() + 2);
    result.append(version);
    result.append(flags);
    result.append(payload);
    m_lastError = ErrorNoError;
    return result;
}

QByteArray SimpleCrypt::decryptToByteArray(QByteArray cypher)
{
    if (cypher.size() < 3)
        return QByteArray();

    const char flags = cypher.at(1);
    if (cypher.at(0) != version || !(flags & (flagChecksum | flagHash))) {
        qCWarning(lcAnalysis) << "Invalid version or not a cyphertext.";
        m_lastError = ErrorUnknownVersion;
        return QByteArray();
    }
    QByteArray data = cypher.mid(2);
    unchain(data, m_keyParts);
    data.remove(0, 1); // the random byte

    if (flags & flagChecksum) {
        if (data.size() < 2) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const quint16 stored = quint16((uchar(data.at(0)) << 8) | uchar(data.at(1)));
        data.remove(0, 2);
        if (stored != checksum(data)) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    } else if (flags & flagHash) {
        if (data.size() < sha1Size) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const QByteArray stored = data.left(sha1Size);
        data.remove(0, sha1Size);
        if (stored != QCryptographicHash::hash(data, QCryptographicHash::Sha1)) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    }

    if (flags & flagCompressed) {
        // Only data that got shorter is stored compressed, so a compressed
        // block never restores to nothing: empty means it was damaged.
        QByteArray restored = uncompressBounded(data);
        if (restored.isEmpty()) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        data = restored;
    }

    m_lastError = ErrorNoError;
    return data;
}

QByteArray SimpleCrypt::decryptStart(const QByteArray& cypherStart, int maxBytes) const
{
    if (cypherStart.size() < 3 || cypherStart.at(0) != version || maxBytes <= 0)
        return QByteArray();
    const char flags = cypherStart.at(1);
    const int integrityBytes = (flags & flagChecksum) ? 2 : (flags & flagHash) ? sha1Size : 0;
    if (integrityBytes == 0)
        return QByteArray();
    QByteArray data = cypherStart.mid(2);
    unchain(data, m_keyParts);
    data.remove(0, 1 + integrityBytes); // the random byte and the check
    if (!(flags & flagCompressed))
        return data.left(maxBytes);

    // The stored length, then as much of the zlib stream as there is.
    if (data.size() <= 4)
        return QByteArray();
    QByteArray restored(maxBytes, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    stream.next_in = reinterpret_cast<Bytef*>(data.data() + 4);
    stream.avail_in = uInt(data.size() - 4);
    stream.next_out = reinterpret_cast<Bytef*>(restored.data());
    stream.avail_out = uInt(maxBytes);
    const int result = inflate(&stream, Z_SYNC_FLUSH);
    const int length = int(stream.total_out);
    inflateEnd(&stream);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
        return QByteArray();
    restored.truncate(length);
    return restored;
}

QString SimpleCrypt::encryptToString(const QString& plain)
{
    return encryptToString(plain.toUtf8());
}

QString SimpleCrypt::encryptToString(QByteArray plain)
{
    return QString::fromLatin1(encryptToByteArray(plain).toBase64());
}

QString SimpleCrypt::decryptToString(const QString& cypher)
{
    return QString::fromUtf8(decryptToByteArray(QByteArray::fromBase64(cypher.toUtf8())));
}
