// Fonts sized as the fixed-pixel layout was drawn. The sizes are given in
// points as on macOS, where a point is one pixel; Linux at 96 dpi makes a
// point 4/3 of a pixel, so texts would outgrow their boxes and labels.
// The size is therefore taken as pixels.
#pragma once

#include <QFont>
#include <QString>

inline QFont designFont(const QString& family, int points, int weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(points);
    font.setWeight(weight);
    return font;
}
