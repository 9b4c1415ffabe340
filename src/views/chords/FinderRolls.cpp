#include "FinderRolls.h"

#include "PictureStrip.h"
#include "PointerGesture.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int rowHeight = 18;

const RollGeometry modeGeometry{7,
                                85,
                                ":/images/chords/modes_roll.png",
                                ":/images/chords/modes_pane.png",
                                ":/images/chords/highlight_modes.png",
                                7,
                                QSize(82, 18),
                                4,
                                126,
                                4,
                                8,
                                5,
                                false};

const RollGeometry keyGeometry{12,
                               32,
                               ":/images/chords/12_chords_roll.png",
                               ":/images/chords/keys_pane.png",
                               ":/images/chords/highlight_keys.png",
                               10,
                               QSize(36, 18),
                               6,
                               216,
                               7,
                               13,
                               7,
                               true};

int roundedY(const QMouseEvent& event)
{
    return int(std::lround(event.localPos().y()));
}

} // namespace

// ---- Rolls -------------------------------------------------------------------

FinderRoll::FinderRoll(QWidget* parent, const RollGeometry& rollGeometry)
    : QLabel(parent), geometry(rollGeometry), roll(cachedPixmap(QString::fromLatin1(rollGeometry.roll)))
{
    setScaledContents(true);
    setCursor(Qt::OpenHandCursor);
    resize(geometry.sliceWidth, rowHeight);
    setValue(0);
}

void FinderRoll::setValue(int v)
{
    current = qBound(0, v, geometry.entries - 1);
    setPixmap(roll.copy(0, rowHeight * current, geometry.sliceWidth, rowHeight));
}

void FinderRoll::mousePressEvent(QMouseEvent*)
{
    setCursor(Qt::ClosedHandCursor);
    emitShowPane(current);
    emitHideOtherPane();
}

void FinderRoll::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
}

void FinderRoll::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int delta = event->angleDelta().y();
    int next = current;
    if (delta < 0 && current < geometry.entries - 1)
        next = current + 1;
    else if (delta > 0 && current > 0)
        next = current - 1;
    if (next == current)
        return;
    setValue(next);
    emitUpdateFinderChord();
    // Each emission toggles the pane: shut stays shut, and an open pane
    // stays open with the highlight on the new entry.
    emitShowPane(current);
    emitShowPane(current);
}

// ---- Panes -------------------------------------------------------------------

FinderPane::FinderPane(QWidget* parent, const RollGeometry& paneGeometry)
    : QLabel(parent), geometry(paneGeometry), pane(cachedPixmap(QString::fromLatin1(paneGeometry.pane))),
      highlight(new QLabel(this)), highlightY(paneGeometry.highlightOrigin)
{
    setScaledContents(true);
    setPixmap(pane);
    resize(pane.isNull() ? QSize(100, 147) : pane.size());
    setMouseTracking(true);
    highlight->setScaledContents(true);
    highlight->setPixmap(cachedPixmap(QString::fromLatin1(geometry.highlight)));
    highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlight->setFixedSize(geometry.highlightSize);
    highlight->move(geometry.highlightX, highlightY);
}

int FinderPane::highlightRow() const
{
    return (highlightY - geometry.highlightOrigin) / rowHeight;
}

void FinderPane::toggle(int value)
{
    // isHidden, not isVisible: the tab may not be on screen yet.
    if (!isHidden()) {
        hide();
        return;
    }
    moveHighlightLabel(rowHeight * value + geometry.openOffset);
    show();
}

void FinderPane::moveHighlightLabel(int y)
{
    const bool belowBand = y < geometry.moveDownLimit && y > highlightY + rowHeight;
    const bool aboveBand = y >= geometry.moveUpLimit && y < highlightY;
    if (!belowBand && !aboveBand)
        return;
    const int slot = y / rowHeight;
    highlightY = (height() / geometry.heightDivisor) * slot + geometry.highlightOrigin;
    highlight->move(geometry.highlightX, highlightY);
}

void FinderPane::choose(int y)
{
    const int entry = y < rowHeight ? 0 : y / rowHeight;
    hide();
    if (entry >= geometry.entries)
        return;
    emitChoice(entry);
    emitUpdateFinderChord();
}

void FinderPane::mousePressEvent(QMouseEvent* event)
{
    // The key pane swallows the press and chooses on the release.
    if (geometry.chooseOnRelease || isResetGesture(*event))
        return;
    choose(roundedY(*event));
}

void FinderPane::mouseReleaseEvent(QMouseEvent* event)
{
    if (geometry.chooseOnRelease)
        choose(roundedY(*event));
}

void FinderPane::mouseMoveEvent(QMouseEvent* event)
{
    moveHighlightLabel(roundedY(*event));
}

// ---- The twins -----------------------------------------------------------------

ChordModesWidget::ChordModesWidget(QWidget* parent) : FinderRoll(parent, modeGeometry) { }

KeysWidget::KeysWidget(QWidget* parent) : FinderRoll(parent, keyGeometry) { }

ChordModesLabel::ChordModesLabel(QWidget* parent) : FinderPane(parent, modeGeometry)
{
    hide();
}

KeysLabel::KeysLabel(QWidget* parent) : FinderPane(parent, keyGeometry)
{
    hide();
}
