// One selectable chord dot, 14 × 14, of the chord edit popup and the chord
// filter: lit when it shows the orange dot picture, dark when cleared. The
// constructor lights it; `shown` starts false and follows the user's
// toggles and setDetected().
#pragma once

#include <QLabel>
#include <QString>

class QPixmap;

class Dot : public QLabel
{
    Q_OBJECT

public:
    // pixmap: the dot picture, shared by every dot of a grid, not owned.
    // root: C = 0, C#/Db = 1 … B = 11 (the popup) or the grid row (the
    // filter); type: 0 "", 1 "m", 2 "sus2", 3 "sus4", 4 "7", 5 "maj7", 6 "m7".
    Dot(QWidget* parent, const QPixmap* pixmap, int root, int type, QString name);

    int root() const { return dotRoot; }
    int type() const { return dotType; }
    const QString& name() const { return dotName; }
    bool isShown() const { return shown; }
    bool isLit() const { return lit; }

    // Light or darken the picture; `shown` is left as it is.
    void setLit(bool on);
    void setShown(bool on) { shown = on; }
    // Lights the dot and marks it shown, as a detected chord.
    void setDetected();

signals:
    void setDotActive(int root, int type, bool shown);
    void setDotActive(Dot* dot);

protected:
    // Left button only: toggles lit and shown, then emits both signals.
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QPixmap* pixmap;
    int dotRoot;
    int dotType;
    bool shown = false;
    QString dotName;
    bool lit = false;
};
