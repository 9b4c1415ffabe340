#include "ChordWidget.h"

#include "ChordNames.h"
#include "PictureStrip.h"

#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

// The chord picture: draws its cell straight from the shared sheet, scaled
// to the diagram, so that a redraw of a whole grid copies no pixels.
class ChordWidget::Cell : public QWidget
{
public:
    explicit Cell(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    void setCell(const QPixmap* sheet, int index)
    {
        cellSheet = sheet;
        cellIndex = index;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!cellSheet || cellSheet->isNull() || cellIndex < 0)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), *cellSheet, QRect(cellWidth * cellIndex, 0, cellWidth, cellHeight));
    }

private:
    const QPixmap* cellSheet = nullptr;
    int cellIndex = -1;
};

QPixmap ChordWidget::neckPicture(int neckType)
{
    switch (neckType) {
    case Wire:
        return cachedPixmap(QStringLiteral(":/images/chords/wire.png"));
    case Ebony:
        return cachedPixmap(QStringLiteral(":/images/chords/ebony.png"));
    case Alder:
        return cachedPixmap(QStringLiteral(":/images/chords/alder.png"));
    case Maple:
        return cachedPixmap(QStringLiteral(":/images/chords/maple.png"));
    default:
        return QPixmap();
    }
}

ChordWidget::ChordWidget(QWidget* parent, const QPixmap* openPictures, const QPixmap* powerPictures,
                         bool mouseEvents)
    : QLabel(parent), chordPicture(new Cell(this)), sheet(openPictures), openSheet(openPictures),
      powerSheet(powerPictures), takesMouseEvents(mouseEvents)
{
    if (!takesMouseEvents)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    setScaledContents(true);
    chordPicture->setGeometry(rect());
    setNeckType(Wire);
    setChord(-1, true);
}

void ChordWidget::setChord(int index, bool store)
{
    if (index < 0 || index >= chordnames::chordCount)
        index = -1;
    if (store)
        stored = index;
    shown = index;
    if (index == -1) {
        chordPicture->hide();
        return;
    }
    chordPicture->setCell(sheet, index);
    chordPicture->show();
    update();
}

bool ChordWidget::chordVisible() const
{
    return !chordPicture->isHidden();
}

void ChordWidget::setNeckType(int neckType)
{
    if (neckType < Wire || neckType > Maple)
        return;
    setPixmap(neckPicture(neckType));
}

void ChordWidget::setChordType(int chordType)
{
    if (chordType == 1)
        sheet = powerSheet;
    else if (chordType == 0)
        sheet = openSheet;
    setChord(shown, true);
}

void ChordWidget::resizeEvent(QResizeEvent* event)
{
    chordPicture->setGeometry(0, 0, event->size().width(), event->size().height());
    QLabel::resizeEvent(event);
}

void ChordWidget::wheelEvent(QWheelEvent* event)
{
    event->accept();
}
