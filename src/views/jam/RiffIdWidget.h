// The riff selector of the jam tab: the current riff's letter, and the
// pop-up list of the six letters (RiffIdLabel) it opens. A press opens or
// closes the list; the wheel steps to the previous or next riff.
#pragma once

#include "PictureStrip.h"

#include <QLabel>

class RiffIdWidget : public QLabel
{
    Q_OBJECT

public:
    static constexpr int letterHeight = 18;

    explicit RiffIdWidget(QWidget* parent);

    int getRiffId() const { return riffId; }
    // Shows the letter of the current riff.
    void updateRiffId();

public slots:
    // 0 … 5; other values are ignored.
    void setRiffId(int riffId);

signals:
    void showRiffIdLabel(int currentRiff);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    PictureStrip letters;
    int riffId = 0;
};

class RiffIdLabel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 18;

    explicit RiffIdLabel(QWidget* parent);

    int getHighlightY() const { return highlightY; }
    // The highlight follows y with some slack: it moves to y's row only
    // once y has left the highlighted band.
    void moveHighlightLabel(int y);

public slots:
    // Closes the list when open, else opens it on riff `key`.
    void showRiffIdLabel(int key);

signals:
    void setRiffId(int riffId);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* highlightLabel = nullptr;
    int highlightY = 5;
};
