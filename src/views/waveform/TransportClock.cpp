#include "TransportClock.h"

#include "ZoomLevel.h"

#include <climits>
#include <cmath>

namespace transportclock {

namespace {
const float secondsPerMinute = 60.0f;
const float zeroBelow = 0.05f;
const int maxDecimals = 3;
} // namespace

float seconds(float positionFrames, int sampleRate)
{
    return sampleRate > 0 ? positionFrames / float(sampleRate) : 0.0f;
}

QString text(float t)
{
    if (!std::isfinite(t) || t < 0.0f)
        t = 0.0f;
    int minutes = saturatingInt(t / secondsPerMinute);
    float secs = t - float(minutes) * secondsPerMinute;
    if (secs < zeroBelow)
        secs = 0.0f;

    // At most six significant digits in the shortest form, then cut three
    // characters after the point.
    QString secondsText = QString::number(double(secs), 'g', 6);
    const int point = secondsText.indexOf(QLatin1Char('.'));
    if (point >= 0)
        secondsText.truncate(point + 1 + maxDecimals);
    // Six digits round 59.99998 up to "60".
    if (secondsText.toDouble() >= double(secondsPerMinute)) {
        if (minutes < INT_MAX)
            ++minutes;
        secondsText = QStringLiteral("0");
    }
    const int newPoint = secondsText.indexOf(QLatin1Char('.'));
    const int integerDigits = newPoint >= 0 ? newPoint : secondsText.size();
    if (integerDigits < 2)
        secondsText.prepend(QLatin1Char('0'));
    return QString::number(minutes) + QLatin1Char(':') + secondsText;
}

} // namespace transportclock
