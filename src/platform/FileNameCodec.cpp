#include "FileNameCodec.h"

#include <QTextCodec>

namespace {

constexpr ushort escapeBase = 0xDC00; // + a byte of 0x80..0xFF

// Bytes a sequence takes, from its lead byte; 0 for a byte that starts none.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The second byte's range, strict as UTF-8 demands: no overlong forms, no
// surrogates, nothing past U+10FFFF. Anything else would not round-trip.
bool validSecond(uchar lead, uchar second)
{
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return second >= 0x80 && second <= 0xBF;
    }
}

bool continuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

void appendUtf8(QByteArray& out, uint code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

class EscapingUtf8Codec final : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("x-tonbrook-utf-8-bytes"); }
    // Not UTF-8's 106: code that takes that number for Qt's own codec must
    // not skip this one.
    int mibEnum() const override { return -106; }

protected:
    // Names come whole: a sequence cut short at the end of the input is
    // kept as bytes, not held back for more (Qt's directory listing skips a
    // name whose decoding leaves anything pending).
    QString convertToUnicode(const char* in, int length, ConverterState*) const override
    {
        QString out;
        out.reserve(length);
        const auto* s = reinterpret_cast<const uchar*>(in);
        const int n = length;
        int i = 0;
        while (i < n) {
            const uchar lead = s[i];
            const int len = sequenceLength(lead);
            if (len == 1) {
                out += QChar(lead);
                ++i;
                continue;
            }
            // How much of a sequence is there, and is it well formed so far.
            int have = 1;
            bool ok = len > 0;
            while (ok && have < len && i + have < n) {
                const uchar b = s[i + have];
                ok = have == 1 ? validSecond(lead, b) : continuation(b);
                if (ok)
                    ++have;
            }
            if (!ok || have < len) {
                out += QChar(ushort(escapeBase + lead));
                ++i;
                continue;
            }
            uint code = lead & (0xFF >> (len + 1));
            for (int k = 1; k < len; ++k)
                code = (code << 6) | (s[i + k] & 0x3F);
            if (code >= 0x10000) {
                out += QChar(QChar::highSurrogate(code));
                out += QChar(QChar::lowSurrogate(code));
            } else {
                out += QChar(ushort(code));
            }
            i += len;
        }
        // Escaped bytes count as valid: the listing skips invalid ones too.
        return out;
    }

    // A high surrogate ending one piece waits in the state for its low half.
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState* state) const override
    {
        QByteArray out;
        out.reserve(length);
        const char replacement = state != nullptr && (state->flags & ConvertInvalidToNull) ? '\0' : '?';
        ushort pendingHigh = 0;
        if (state != nullptr && state->remainingChars > 0) {
            pendingHigh = ushort(state->state_data[0]);
            state->remainingChars = 0;
            state->state_data[0] = 0;
        }
        int invalid = 0;
        for (int i = 0; i < length; ++i) {
            const ushort u = in[i].unicode();
            if (pendingHigh != 0) {
                const ushort high = pendingHigh;
                pendingHigh = 0;
                if (QChar::isLowSurrogate(u)) {
                    appendUtf8(out, QChar::surrogateToUcs4(high, u));
                    continue;
                }
                out += replacement;
                ++invalid;
            }
            if (u >= escapeBase + 0x80 && u <= escapeBase + 0xFF) {
                out += char(u - escapeBase);
            } else if (QChar::isHighSurrogate(u)) {
                pendingHigh = u;
            } else if (QChar::isLowSurrogate(u)) {
                out += replacement;
                ++invalid;
            } else {
                appendUtf8(out, u);
            }
        }
        if (pendingHigh != 0) {
            if (state != nullptr) {
                state->state_data[0] = pendingHigh;
                state->remainingChars = 1;
            } else {
                out += replacement;
                ++invalid;
            }
        }
        if (state != nullptr)
            state->invalidChars += invalid;
        return out;
    }
};

} // namespace

namespace FileNameCodec {

QTextCodec* codec()
{
    // QTextCodec's constructor hands the object to Qt, which deletes it at
    // exit.
    static QTextCodec* const instance = new EscapingUtf8Codec;
    return instance;
}

void install()
{
    QTextCodec::setCodecForLocale(codec());
}

} // namespace FileNameCodec
