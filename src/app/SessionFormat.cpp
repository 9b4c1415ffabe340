#include "SessionFormat.h"

#include "ZoomLevel.h"

#include <cmath>

namespace session {

const char* const documentType = "TBXML";
const char* const rootName = "tbxml";
const char* const suffix = ".tb";

namespace text {

QString decimal(int value)
{
    return QString::number(value);
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString sixDigits(double value)
{
    return QString::number(value, 'g', 6);
}

QString truncatedDecimal(float value)
{
    return decimal(saturatingInt(double(value)));
}

QString truncatedSixDigits(float value)
{
    return sixDigits(double(saturatingInt(double(value))));
}

QString exactFloat(float value)
{
    // -0 is written 0.
    if (!std::isfinite(value) || value == 0.0f)
        return decimal(0);
    // Nine significant digits tell every float apart.
    for (int digits = 6; digits < 9; ++digits) {
        const QString text = QString::number(double(value), 'g', digits);
        if (text.toFloat() == value)
            return text;
    }
    return QString::number(double(value), 'g', 9);
}

} // namespace text

int firstForbiddenXmlChar(const QString& s)
{
    const int n = s.size();
    for (int i = 0; i < n; ++i) {
        const ushort c = s.at(i).unicode();
        if (c < 0x20) {
            if (c == 0x09 || c == 0x0a || c == 0x0d)
                continue;
            return i;
        }
        if (c == 0xfffe || c == 0xffff)
            return i;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(s.at(i + 1).unicode())) {
                ++i;
                continue;
            }
            return i;
        }
        if (QChar::isLowSurrogate(c))
            return i;
    }
    return -1;
}

} // namespace session
