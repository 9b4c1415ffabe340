// Fonts sized as the fixed-pixel layout was drawn. The sizes are given in
// points as on macOS, where a point is one pixel; Linux at 96 dpi makes a
// point 4/3 of a pixel, so texts would outgrow their boxes and labels.
// The size is therefore taken as pixels.
#pragma once

#include <QFont>
#include <QString>

// The font at a design size: its points taken as pixels.
inline QFont withDesignSize(QFont font, int points)
{
    font.setPixelSize(points);
    return font;
}

inline QFont designFont(const QString& family, int points, int weight = QFont::Normal)
{
    QFont font = withDesignSize(QFont(family), points);
    font.setWeight(weight);
    return font;
}

// The small bold labels over the waveform and the song row (beat counts,
// step numbers, riff letters). A family we install, never a generic one:
// fontconfig may answer "fantasy" with a dingbat font, where "A" is a star.
// Condensed where the face is there, plain bold otherwise; the style hint
// picks a sans-serif should the family be missing.
inline constexpr const char* labelFontFamily = "DejaVu Sans";

inline QFont labelFont(int points)
{
    QFont font = designFont(QString::fromLatin1(labelFontFamily), points, QFont::Bold);
    font.setStretch(QFont::SemiCondensed);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
