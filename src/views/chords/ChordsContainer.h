// The two grids of detected chords, open shapes and power shapes, four
// diagrams a row, one shown at a time and scrolled in steps of 20 pixels.
// A grid scrolls by placing its holder at y = its position, the holder's
// size taken from its grid, so positions can be set (a session restore)
// before the container was ever shown. GUI thread only.
#pragma once

#include <QVector>
#include <QWidget>

class ChordWidget;
class QGridLayout;

class ChordsContainer : public QWidget
{
    Q_OBJECT

public:
    static constexpr int scrollStep = 20;

    explicit ChordsContainer(QWidget* parent);

    // Takes the new diagrams (they become children of the new holders) and
    // deletes the previous ones with their holders. Both positions return
    // to 0; the open grid shows.
    void initChords(QVector<ChordWidget*> open, QVector<ChordWidget*> power);
    // Every diagram takes the neck of 0 … 3; other values change nothing.
    void changeNeck(int neckType);
    // Restores both scroll positions (0, -20, -40, …), each down to the
    // limit of its grid. Leaves the power grid shown; the caller then shows
    // the grid of its chord type.
    void setSessionScrollSettings(int openPosition, int powerPosition);

    const QVector<ChordWidget*>& openChords() const { return openDiagrams; }
    const QVector<ChordWidget*>& powerChords() const { return powerDiagrams; }
    int openPosition() const { return openPos; }
    int powerPosition() const { return powerPos; }
    QWidget* openHolder() const { return openGrid; }
    QWidget* powerHolder() const { return powerGrid; }

public slots:
    // 1 shows the power grid, 0 the open grid; other values nothing.
    void switchChordType(int chordType);
    void scrollUp();
    void scrollDown();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    // The grid shown and its position, or nulls when neither shows.
    QWidget* visibleHolder(int** position);
    QWidget* makeHolder(const QVector<ChordWidget*>& diagrams, bool power);
    bool stepDown();

    QVector<ChordWidget*> openDiagrams;
    QVector<ChordWidget*> powerDiagrams;
    int openPos = 0;
    int powerPos = 0;
    QWidget* openGrid;
    QWidget* powerGrid;
};
