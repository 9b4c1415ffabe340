// Builds scrambled bytes by hand, for layouts the cipher never writes
// itself (SHA-1 digest, forged flags).
#pragma once

#include <QByteArray>
#include <QtGlobal>

inline QByteArray chainedCypher(quint64 key, char flags, const QByteArray& integrity, const QByteArray& data)
{
    QByteArray payload;
    payload.append(char(0x5A)); // the random byte
    payload.append(integrity);
    payload.append(data);
    char last = 0;
    for (int i = 0; i < payload.size(); ++i) {
        const char keyByte = char((key >> (8 * (i % 8))) & 0xFF);
        payload[i] = char(payload.at(i) ^ keyByte ^ last);
        last = payload.at(i);
    }
    QByteArray result;
    result.append(char(0x03));
    result.append(flags);
    result.append(payload);
    return result;
}

inline QByteArray crcField(const QByteArray& data)
{
    const quint16 crc = qChecksum(data.constData(), uint(data.size()));
    QByteArray field;
    field.append(char(crc >> 8));
    field.append(char(crc & 0xFF));
    return field;
}
