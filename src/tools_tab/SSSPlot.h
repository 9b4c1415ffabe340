// The isolation tool's live picture (316 × 101 on the tools tab). While
// isolation runs it asks the player 25 times a second for the mix's spread
// over the stereo positions (400 values, left to right) and draws it twice:
// whole in grey, and as heard in orange, with the band around the azimuth
// removed (mute) or kept alone (solo) and the rest scaled by the
// separation. A green band and line mark the azimuth and the width. "L",
// "C" and "R" captions sit on the top edge, and two percentage captions
// fade in while the azimuth moves off the centre. The wheel and the reset
// gesture change the curve's vertical scale in the player.
#pragma once

#include <QPolygonF>
#include <QString>
#include <QVector>
#include <QWidget>

class QTimer;

// A rounded caption.
class SSSWidget : public QWidget
{
    Q_OBJECT

public:
    SSSWidget(QWidget* parent, QString text);

    float opacity() const { return labelOpacity; }
    const QString& text() const { return labelText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintCaption(bool bold);

    float labelOpacity = 1.0f;
    QString labelText;
};

// A caption that fades in over one second (25 steps of 40 ms) when a
// percentage arrives and fades out 3 s after the last one.
class LRPerCentWidget : public SSSWidget
{
    Q_OBJECT

public:
    static constexpr int fadeStepMs = 40;
    static constexpr int holdMs = 3000;

    LRPerCentWidget(QWidget* parent, QString text);

    void setOpacity(float opacity);
    bool fadingIn() const { return fadingInNow; }
    bool fadeRunning() const;
    bool holdRunning() const;

public slots:
    // Shows twice pc followed by "%"; repaints with the next fade step.
    void setPercentage(int pc);
    void stopHideTimer();
    void flashUpdate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* fadeTimer = nullptr;
    QTimer* hideTimer = nullptr;
    bool fadingInNow = false;
};

class SSSPlot : public QWidget
{
    Q_OBJECT

public:
    static constexpr int plotWidth = 316;
    static constexpr int plotHeight = 101;
    static constexpr int repaintMs = 40;

    explicit SSSPlot(QWidget* parent);

    // The two outlines for a curve (x = index, y = scaled value) in a w × h
    // picture, closed along the bottom just below the picture.
    struct Polygons
    {
        QPolygonF whole;
        QPolygonF heard;
    };
    struct Shape
    {
        int width = plotWidth;
        int height = plotHeight;
        int azimuth = 50;         // 0 … 99
        int bandWidth = 0;        // pixels
        float suppression = 0.0f; // what remains of an attenuated point
        bool solo = false;
    };
    static Polygons polygonsFor(const QVector<QPointF>& curve, const Shape& shape);

    Shape shape() const;
    bool repainting() const;
    // The five captions, for the tab's azimuth slider and for tests.
    LRPerCentWidget* leftPercentage() const { return leftPerCent; }
    LRPerCentWidget* rightPercentage() const { return rightPerCent; }
    SSSWidget* caption(int index) const; // 0 "L", 1 "C", 2 "R"

public slots:
    void setSupressionFactor(int supFactor);
    void setAzimuth(int azimuth);
    void setWidth(int rangeWidth);
    void setMuteSolo(bool mute);
    // The isolation switch's buttonOn: true means isolation just went off.
    void turnOn(bool on);

signals:
    // Query, answered by the player: empty while isolation is off.
    QVector<QPointF> getCurve();
    // A wheel delta, or 0 to restore the default scale.
    void setPlotScale(int delta);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeLabels();
    void showLabels(bool shown);

    QTimer* repaintTimer = nullptr;
    LRPerCentWidget* leftPerCent = nullptr;
    LRPerCentWidget* rightPerCent = nullptr;
    QVector<QPointF> curve;
    SSSWidget* captions[3] = {};
    float suppression = 0.0f;
    int azimuth = 50;
    int bandWidth = 0;
    bool solo = false;
};
