// The 93 × 20 minus/plus box that value boxes are built on: a minus end
// (x < 24) and a plus end (x ≥ 69) around a middle where the value is
// written. A left press steps once and, held, repeats after 650 ms every
// 35 ms; each step reads the pointer anew, so sliding to the other end while
// holding changes direction. The wheel steps once per event. The reset
// gesture (PointerGesture.h) goes to resetGesture() and never starts a
// press. The release shows the resting picture again and ends the press by
// disabling and re-enabling the box, so no clicked() or released() matters.
//
// Subclasses say what a step means (stepPressed, wheelStep, resetGesture)
// and draw their value over the background (paintValue). GUI thread only.
#pragma once

#include <QAbstractButton>
#include <QString>

#include <optional>

class QLabel;

class StepBox : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Area { Minus, Middle, Plus };

    static constexpr int boxWidth = 93;
    static constexpr int boxHeight = 20;
    static constexpr int minusEnd = 24;  // x below it is the minus end
    static constexpr int plusStart = 69; // x from it on is the plus end
    static constexpr int repeatDelayMs = 650;
    static constexpr int repeatIntervalMs = 35;

    // The area under box x; beyond either end counts as that end.
    static Area areaAt(int x);
    // +1 up, −1 down, 0 for a wheel delta (QWheelEvent::delta() form).
    static int wheelDirection(int delta);
    // The value as boxes write it: up to six significant digits, cut two
    // characters after the decimal point (120.456 → "120.45", 120.5 stays).
    static QString valueText(double value);

    // The three backgrounds: at rest, while the minus end is pressed and
    // while the plus end is pressed.
    struct Pictures
    {
        QString rest;
        QString down;
        QString up;
        static Pictures plain();
        static Pictures fineTune();
    };

    // The pointer x each step reads; tests set it, since no real pointer
    // moves offscreen. std::nullopt returns to the real cursor.
    void overrideCursorX(std::optional<int> x) { cursorOverride = x; }
    int cursorX() const;

    // The resting background or a pressed one, as drawn now.
    const QString& currentPicture() const { return picture; }

    // The inactive cover: a picture over the whole box that keeps every
    // press, drag and wheel event away from it. Created on first use.
    void setCoverShown(bool shown);
    bool coverShown() const;

public slots:
    // One step from the press or an auto-repeat tick: the area under the
    // pointer decides.
    void buttonPressed();

protected:
    StepBox(QWidget* parent, const Pictures& pictures);

    void setPictures(const Pictures& pictures);
    // Steps do nothing until the release (a press that only places).
    void holdStepsUntilRelease() { stepsHeld = true; }
    bool stepsAreHeld() const { return stepsHeld; }

    virtual void stepPressed(Area area) = 0;
    virtual void wheelStep(int delta) = 0;
    virtual void resetGesture() = 0;
    // Draws over the background with the box's font; default nothing.
    virtual void paintValue(QPainter& painter);

    // Text in the box's grey, centred on integer halves, baseline y = 14.
    void drawCentredText(QPainter& painter, const QString& text) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Pictures pictures;
    QString picture;
    QLabel* cover = nullptr;
    std::optional<int> cursorOverride;
    bool stepsHeld = false;
};
