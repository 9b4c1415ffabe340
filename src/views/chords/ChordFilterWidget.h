// The chord filter: a 12 × 7 grid of dots (roots from A by the qualities
// "", "m", "sus2", "sus4", "7", "maj7", "m7") in which the user marks the
// chords a song may contain before running the chord recognition again.
// After every analysis it shows the chords that were detected. Its result
// is a 12 × 7 matrix of 0/1 whose rows count from C. GUI thread only.
#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QVector>

class CustomButton;
class Dot;

class ChordFilterWidget : public QLabel
{
    Q_OBJECT

public:
    static constexpr int panelWidth = 250;
    static constexpr int panelHeight = 306;

    explicit ChordFilterWidget(QWidget* parent);

    // Row r (0 "A" … 11 "Ab") and column c (the qualities above) of a
    // name, as the filter reads detected names.
    static int rowOf(const QString& name);
    static int columnOf(const QString& name);

    // Empties the grid and the matrix, as for a new file.
    void reset();

    const QVector<QVector<int>>& matrix() const { return chordMatrix; }
    const QVector<QString>& detected() const { return detectedNames; }
    const QList<Dot*>& gridDots() const { return dots; }
    CustomButton* closeButtonWidget() const { return closeButton; }

public slots:
    // Clears the selection and marks every non-empty name of the list.
    void setSelectionFromDetectedChords(QVector<QString> selection);
    // A dot of grid row `root` (from A) and column `type` marked or cleared.
    void addChord(int root, int type, bool shown);
    void findPressed();
    void clearSelection();

signals:
    void recalculateChords(QVector<QVector<int>> chordList);
    void stopPlayback();

private:
    void initWidgets();
    void initConnections();

    QPixmap dotPicture;
    QList<Dot*> dots;
    CustomButton* findButton;
    CustomButton* closeButton;
    CustomButton* noneButton;
    QVector<QVector<int>> chordMatrix;
    QVector<QString> detectedNames;
};
