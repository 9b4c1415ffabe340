#include "ChordFilterWidget.h"

#include "ChordNames.h"
#include "CustomButton.h"
#include "Dot.h"
#include "PictureStrip.h"

namespace {

constexpr int rows = 12;
constexpr int columns = 7;
constexpr int firstRowY = 104;
constexpr int rowPitch = 16;

// Grid column x: floor(18.2 c + 63 + 0.5) in single precision.
int columnX(int c)
{
    return int(18.2f * float(c) + 63.0f + 0.5f);
}

QVector<QVector<int>> emptyMatrix()
{
    return QVector<QVector<int>>(rows, QVector<int>(columns, 0));
}

} // namespace

ChordFilterWidget::ChordFilterWidget(QWidget* parent)
    : QLabel(parent), dotPicture(cachedPixmap(QStringLiteral(":/images/chords/orange_dot.png"))),
      chordMatrix(emptyMatrix())
{
    initWidgets();
    initConnections();
    // Dots start lit; an empty filter must not show marks the matrix lacks.
    clearSelection();
}

void ChordFilterWidget::initWidgets()
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/chords/chord_filter_menu.png")));
    setScaledContents(true);
    // Not fixed: as a page of the chords tab's stack it would hold the
    // stack at its size while the grid page shows.
    resize(panelWidth, panelHeight);

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto* dot = new Dot(this, &dotPicture, r, c, QString());
            dot->move(columnX(c), firstRowY + rowPitch * r);
            dots.append(dot);
        }

    findButton = new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/find_button.png")), this, false);
    findButton->setFixedSize(42, 16);
    findButton->move(198, 283);
    closeButton = new CustomButton(QPixmap(), this, false);
    closeButton->setFixedSize(20, 20);
    closeButton->move(223, 10);
    closeButton->setCursor(Qt::OpenHandCursor);
    noneButton = new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/none_button.png")), this, false);
    noneButton->setFixedSize(42, 16);
    noneButton->move(198, 265);
}

void ChordFilterWidget::initConnections()
{
    for (Dot* dot : dots)
        connect(dot, qOverload<int, int, bool>(&Dot::setDotActive), this, &ChordFilterWidget::addChord);
    // In this order: the analysis is asked for before playback stops.
    connect(findButton, &CustomButton::released, this, &ChordFilterWidget::findPressed);
    connect(findButton, &CustomButton::released, this, &ChordFilterWidget::stopPlayback);
    connect(noneButton, &CustomButton::released, this, &ChordFilterWidget::clearSelection);
}

int ChordFilterWidget::rowOf(const QString& name)
{
    // Root text: the first character, then "b" when the name holds one,
    // else "#" when it holds one. Every spelling the views read is its own
    // root ("D#m" is E flat minor, not D); a root text of none lands on A.
    QString rootText = name.left(1);
    if (name.contains(QLatin1Char('b')))
        rootText += QLatin1Char('b');
    else if (name.contains(QLatin1Char('#')))
        rootText += QLatin1Char('#');
    const int index = chordnames::tableIndex(rootText);
    return index < 0 ? 0 : index;
}

int ChordFilterWidget::columnOf(const QString& name)
{
    const bool maj7 = name.contains(QLatin1String("maj7"));
    const bool m7 = name.contains(QLatin1String("m7"));
    QString quality;
    if (name.contains(QLatin1Char('m')))
        quality += QLatin1Char('m');
    if (maj7)
        quality += QLatin1String("aj7");
    if (m7)
        quality += QLatin1Char('7');
    if (name.contains(QLatin1Char('7')) && !maj7 && !m7)
        quality += QLatin1Char('7');
    if (name.contains(QLatin1String("sus2")))
        quality += QLatin1String("sus2");
    if (name.contains(QLatin1String("sus4")))
        quality += QLatin1String("sus4");

    static const char* const qualities[columns] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};
    for (int c = 1; c < columns; ++c)
        if (quality == QLatin1String(qualities[c]))
            return c;
    return 0;
}

void ChordFilterWidget::setSelectionFromDetectedChords(QVector<QString> selection)
{
    clearSelection();
    for (const QString& name : selection)
        if (!name.isEmpty())
            detectedNames.append(name);
    for (const QString& name : qAsConst(detectedNames)) {
        const int row = rowOf(name);
        const int column = columnOf(name);
        addChord(row, column, true);
        dots[row * columns + column]->setDetected();
    }
}

void ChordFilterWidget::addChord(int root, int type, bool shown)
{
    if (root < 0 || root >= rows || type < 0 || type >= columns)
        return;
    // Grid rows count from A, matrix rows from C.
    chordMatrix[(root + 9) % rows][type] = shown ? 1 : 0;
}

void ChordFilterWidget::findPressed()
{
    emit recalculateChords(chordMatrix);
}

void ChordFilterWidget::clearSelection()
{
    chordMatrix = emptyMatrix();
    detectedNames.clear();
    for (Dot* dot : qAsConst(dots)) {
        dot->setLit(false);
        dot->setShown(false);
    }
}

void ChordFilterWidget::reset()
{
    clearSelection();
}
