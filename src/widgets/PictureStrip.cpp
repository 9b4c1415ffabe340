#include "PictureStrip.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

QPixmap cachedPixmap(const QString& resourcePath)
{
    // Strips are large (a knob strip is some megabytes) and few; QPixmapCache
    // would evict them, so they stay for the life of the process.
    static QHash<QString, QPixmap> cache;
    auto found = cache.constFind(resourcePath);
    if (found != cache.constEnd())
        return found.value();
    QPixmap pixmap(resourcePath);
    cache.insert(resourcePath, pixmap);
    return pixmap;
}

PictureStrip::PictureStrip(const QString& resourcePath) : strip(cachedPixmap(resourcePath)) { }

PictureStrip::PictureStrip(const QPixmap& pixmap) : strip(pixmap) { }

void PictureStrip::drawFrame(QPainter& painter, int frame, const QRect& target) const
{
    if (strip.isNull() || target.isEmpty())
        return;
    const QRect source(0, frame * target.height(), target.width(), target.height());
    painter.drawPixmap(target, strip, source);
}

void PictureStrip::drawScaledFrame(QPainter& painter, int frame, const QRect& target) const
{
    if (strip.isNull() || target.isEmpty())
        return;
    // Scaling the whole strip, then cutting the frame, is the same as cutting
    // the frame's preimage and scaling only that: one drawPixmap, no copy.
    const qreal scale = std::max(qreal(target.width()) / strip.width(), qreal(target.height()) / strip.height());
    const QRectF source(0, frame * target.height() / scale, target.width() / scale, target.height() / scale);
    painter.drawPixmap(QRectF(target), strip, source);
}
