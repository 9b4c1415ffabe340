// The chord finder's two rolls (key and mode) and their drop-down panes. A
// roll is a window onto a picture strip with one entry every 18 pixels; it
// turns with the wheel and opens its pane on a press. A pane highlights the
// row under the pointer and takes a click to choose. The key and mode
// classes are twins that differ in their numbers and signal names; the
// chords tab makes every connection. GUI thread only.
#pragma once

#include <QLabel>
#include <QPixmap>

// The numbers in which the twins differ.
struct RollGeometry
{
    int entries;      // 7 modes, 12 keys
    int sliceWidth;   // width of one entry in the roll's strip
    const char* roll; // the roll's strip
    const char* pane; // the pane's picture
    const char* highlight;
    int highlightX;
    QSize highlightSize;
    int highlightOrigin;  // highlightY of the first row
    int moveDownLimit;    // the band moves down only for pointer y below it
    int moveUpLimit;      // and up only for y from it on
    int heightDivisor;    // row pitch = pane height / divisor
    int openOffset;       // the pane opens as for a pointer at 18 × value + this
    bool chooseOnRelease; // keys: release; modes: press
};

class FinderRoll : public QLabel
{
    Q_OBJECT

public:
    // The entry shown, 0 … entries - 1.
    int value() const { return current; }

protected:
    FinderRoll(QWidget* parent, const RollGeometry& geometry);

    // Shows entry v (kept within the roll) without a signal.
    void setValue(int v);

    // The twin's own signals.
    virtual void emitShowPane(int value) = 0;
    virtual void emitHideOtherPane() = 0;
    virtual void emitUpdateFinderChord() = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const RollGeometry& geometry;
    QPixmap roll;
    int current = 0;
};

class FinderPane : public QLabel
{
    Q_OBJECT

public:
    int highlightRow() const;
    int highlightTop() const { return highlightY; }

protected:
    FinderPane(QWidget* parent, const RollGeometry& geometry);

    // Hides the pane when it is open, else opens it with the highlight on
    // entry `value`.
    void toggle(int value);

    virtual void emitChoice(int entry) = 0;
    virtual void emitUpdateFinderChord() = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void moveHighlightLabel(int y);
    void choose(int y);

    const RollGeometry& geometry;
    QPixmap pane;
    QLabel* highlight;
    int highlightY;
};

// The mode roll: 0 major, 1 minor, 2 7, 3 sus4, 4 sus2, 5 maj7, 6 m7.
class ChordModesWidget : public FinderRoll
{
    Q_OBJECT

public:
    explicit ChordModesWidget(QWidget* parent);

    int getMode() const { return value(); }

public slots:
    void setMode(int mode) { setValue(mode); }

signals:
    void showModeLabel(int currentMode);
    void hideKeysLabel();
    void updateFinderChord();

protected:
    void emitShowPane(int v) override { emit showModeLabel(v); }
    void emitHideOtherPane() override { emit hideKeysLabel(); }
    void emitUpdateFinderChord() override { emit updateFinderChord(); }
};

// The key roll: 0 A, 1 Bb, 2 B, 3 C, 4 C#, 5 D, 6 D#, 7 E, 8 F, 9 F#, 10 G,
// 11 G#.
class KeysWidget : public FinderRoll
{
    Q_OBJECT

public:
    explicit KeysWidget(QWidget* parent);

    int getKey() const { return value(); }

public slots:
    void setKey(int key) { setValue(key); }

signals:
    void showKeysLabel(int currentKey);
    void hideModeLabel();
    void updateFinderChord();

protected:
    void emitShowPane(int v) override { emit showKeysLabel(v); }
    void emitHideOtherPane() override { emit hideModeLabel(); }
    void emitUpdateFinderChord() override { emit updateFinderChord(); }
};

// The mode pane: chooses on a press (not the reset gesture).
class ChordModesLabel : public FinderPane
{
    Q_OBJECT

public:
    explicit ChordModesLabel(QWidget* parent);

public slots:
    void showModeLabel(int mode) { toggle(mode); }

signals:
    void setChordMode(int mode);
    void updateFinderChord();

protected:
    void emitChoice(int entry) override { emit setChordMode(entry); }
    void emitUpdateFinderChord() override { emit updateFinderChord(); }
};

// The key pane: chooses on the release of any button.
class KeysLabel : public FinderPane
{
    Q_OBJECT

public:
    explicit KeysLabel(QWidget* parent);

public slots:
    void showKeysLabel(int key) { toggle(key); }

signals:
    void setKey(int key);
    void updateFinderChord();

protected:
    void emitChoice(int entry) override { emit setKey(entry); }
    void emitUpdateFinderChord() override { emit updateFinderChord(); }
};
