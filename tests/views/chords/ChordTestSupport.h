// Helpers of the chords tab's tests: chord sequences from literals, wheel
// events of any delta, and chord sheets whose every cell is one flat
// colour, so that a diagram's picture tells which cell it cut.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWheelEvent>
#include <QWidget>

#include <initializer_list>

// One chord name per beat.
inline QVector<QString> names(std::initializer_list<const char*> list)
{
    QVector<QString> result;
    for (const char* name : list)
        result.append(QString::fromUtf8(name));
    return result;
}

// A wheel event with the vertical delta given (120 is one notch up), at pos
// or the widget's centre.
inline void wheelBy(QWidget* widget, int delta, QPoint pos = QPoint(-1, -1))
{
    const QPointF at =
        pos == QPoint(-1, -1) ? QPointF(widget->width() / 2.0, widget->height() / 2.0) : QPointF(pos);
    QWheelEvent event(at, QPointF(widget->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

// The flat colour of cell `index` of the synthetic open or power sheet.
inline QColor cellColour(int index, bool power)
{
    return QColor(3 * index, power ? 200 : 40, 255 - 3 * index);
}

// 84 cells of 126 × 264, each filled with cellColour.
inline QPixmap colouredSheet(bool power)
{
    QImage image(126 * 84, 264, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < 84; ++i)
        painter.fillRect(126 * i, 0, 126, 264, cellColour(i, power));
    painter.end();
    return QPixmap::fromImage(image);
}

// The colour at the centre of a widget as drawn.
inline QColor centreColour(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
