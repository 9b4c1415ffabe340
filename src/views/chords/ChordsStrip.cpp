#include "ChordsStrip.h"

#include "BeatLineWidget.h"
#include "ChordNames.h"
#include "CustomButton.h"
#include "EditBoundary.h"
#include "MetaData.h"
#include "PictureStrip.h"
#include "StripGeometry.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int playTimerMs = 20;
constexpr int handleSize = 20;

} // namespace

ChordsStrip::ChordsStrip(QWidget* parent) : QLabel(parent), sampleOffset(chordstrip::heardOffset)
{
    initWidgets();
    initLayout();
    initConnections();
    playTimer->start();
}

void ChordsStrip::initWidgets()
{
    playTimer = new QTimer(this);
    playTimer->setInterval(playTimerMs);
    leftBoundary = new EditBoundary(this);
    rightBoundary = new EditBoundary(this);
    beatLine = new BeatLineWidget(this);
    leftHandle =
        new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/chord_drag_left.png")), this, false);
    rightHandle =
        new CustomButton(cachedPixmap(QStringLiteral(":/images/chords/chord_drag_right.png")), this, false);
}

void ChordsStrip::initLayout()
{
    leftBoundary->hide();
    rightBoundary->hide();
    beatLine->hide();
    for (CustomButton* handle : {leftHandle, rightHandle}) {
        handle->setFixedSize(handleSize, handleSize);
        handle->setCursor(Qt::OpenHandCursor);
        handle->hide();
    }
}

void ChordsStrip::initConnections()
{
    connect(playTimer, &QTimer::timeout, this, &ChordsStrip::updatePlayPos);
    connect(beatLine, &BeatLineWidget::stopEditLabelFlashing, this, &ChordsStrip::stopEditLabelFlashing);
}

void ChordsStrip::setMetaData(MetaData* model)
{
    metaData = model;
    beatLine->metaData = model;
}

void ChordsStrip::setSampleCount(int frames)
{
    sampleCount = frames;
    beatLine->sampleCount = frames;
}

void ChordsStrip::setPlayPosPtr(const float* x)
{
    playPos = x;
}

void ChordsStrip::reset()
{
    hide();
    sampleOffset = 0;
    keyShift = 0;
    endCorrection();
    removeTags();
    emit chordEditAborted();
}

void ChordsStrip::removeTags()
{
    // Hidden at once: a tag waiting for deletion must not be drawn over the
    // new ones. Deleted later: the call may come from a tag's own signal.
    for (ChordLabel* tag : qAsConst(labels)) {
        tag->hide();
        tag->deleteLater();
    }
    labels.clear();
}

// 1. Without a valid model the old tags stay (step 3 only).
// 2. The old tags go; one tag per run of equal names, in beat order.
// 3. The key shift is applied again, any correction ends, and the next
//    layout starts from the beat lead.
void ChordsStrip::initChordStrip()
{
    if (metaData != nullptr && metaData->metaDataValid.load(std::memory_order_acquire)) {
        hide();
        removeTags();
        show();
        const QVector<QString>& chords = metaData->chordVec;
        const QVector<float>& beats = metaData->beats;
        auto sampleAt = [&](int beat) {
            return beat < beats.size() ? saturatingInt(beats.at(beat)) : sampleCount;
        };
        for (const chordstrip::Run& run : chordstrip::chordRuns(chords)) {
            auto* tag =
                new ChordLabel(this, chords.at(run.firstBeat), sampleAt(run.firstBeat),
                               sampleAt(run.firstBeat + run.beatCount), run.firstBeat, run.beatCount, metaData);
            connect(tag, &ChordLabel::showChordEdit, this, &ChordsStrip::showChordEdit);
            connect(tag, &ChordLabel::deactivateAll, this, &ChordsStrip::deactivateAll);
            connect(tag, &ChordLabel::showEditLeftBoundary, this, &ChordsStrip::showEditLeftBoundary);
            connect(tag, &ChordLabel::setBeatLineWidgetText, beatLine, &BeatLineWidget::setChordEditText);
            connect(tag, &ChordLabel::getShiftedChordText, this, &ChordsStrip::getShiftedChordText);
            connect(tag, &ChordLabel::stopScrolling, this, &ChordsStrip::stopScrolling);
            labels.append(tag);
        }
    }
    setKeyShift(keyShift);
    endCorrection();
    firstLayout = true;
    repositionChords();
}

void ChordsStrip::repositionChords(int)
{
    layoutTags();
}

void ChordsStrip::repositionChords()
{
    layoutTags();
}

// 1. The first layout after a rebuild shows the tags.
// 2. Without a valid model every tag hides; over no width or no recording
//    nothing is laid out.
// 3. Each tag covers its beats' pixels at their current positions.
// 4. The strip goes under its siblings (the range raises it again).
// 5. A correction keeps its range on its tag: a dragged range returns to
//    the tag's own beats, a picked beat stays picked.
void ChordsStrip::layoutTags()
{
    if (firstLayout) {
        for (ChordLabel* tag : qAsConst(labels))
            tag->show();
        sampleOffset = chordstrip::heardOffset;
        firstLayout = false;
    }
    if (metaData == nullptr || !metaData->metaDataValid.load(std::memory_order_acquire)) {
        for (ChordLabel* tag : qAsConst(labels))
            tag->hide();
        return;
    }
    if (!chordstrip::PixelScale(sampleCount, width(), sampleOffset).isValid())
        return;

    const QVector<float>& beats = metaData->beats;
    for (ChordLabel* tag : qAsConst(labels)) {
        const int first = tag->getFirstBeat();
        const int end = first + tag->getBeatCount();
        const auto span =
            chordstrip::tagSpan(beats, first, tag->getBeatCount(), sampleCount, width(), sampleOffset);
        if (!span) {
            tag->hide();
            continue;
        }
        tag->setSamples(saturatingInt(beats.at(first)),
                        end < beats.size() ? saturatingInt(beats.at(end)) : sampleCount);
        tag->setGeometry(span->x, 0, span->width, height());
        tag->show();
    }
    lower();

    if (editing && editLabel)
        showEditLeftBoundary(editLabel);
    else
        endCorrection();
}

void ChordsStrip::endCorrection()
{
    editing = false;
    if (editLabel)
        editLabel->deactivate();
    editLabel = nullptr;
    for (EditBoundary* boundary : {leftBoundary, rightBoundary}) {
        boundary->hide();
        boundary->setGeometry(QRect());
    }
    leftHandle->hide();
    rightHandle->hide();
    beatLine->hide();
    beatLine->resetIndexes();
}

void ChordsStrip::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    repositionChords();
}

void ChordsStrip::setKeyShift(int shift)
{
    keyShift = shift;
    for (ChordLabel* tag : qAsConst(labels)) {
        // At shift 0 the tag shows its analysed name; no query needed.
        tag->applyKeyShift(shift, shift != 0 ? getShiftedChordText(tag->getBaseText(), 0) : QString());
        if (tag->isEditing()) {
            emit changeSingleChordDot(tag->getShownText());
            beatLine->setChordEditText(tag->getShownText());
        }
    }
}

// 1. Split the name into root and quality suffix.
// 2. Ask the chords tab for the shifted root's index.
// 3. A root index names the root, followed by the suffix; anything else
//    (no chord "X", intro or outro "-", an unknown root) is "-".
QString ChordsStrip::getShiftedChordText(QString chordText, int shiftAmount)
{
    const chordstrip::ChordParts parts = chordstrip::splitChordName(chordText);
    // An unanswered query would read as index 0, "A": without the chords
    // tab, names stay in the analysed key.
    static const QMetaMethod query = QMetaMethod::fromSignal(&ChordsStrip::getShiftedChordIndex);
    const int index = isSignalConnected(query) ? emit getShiftedChordIndex(parts.root, shiftAmount)
                                               : chordnames::getChordIndex(parts.root, shiftAmount, {});
    const QString root = chordstrip::rootName(index);
    return root == QLatin1String("-") ? root : root + parts.suffix;
}

void ChordsStrip::deactivateAll()
{
    for (ChordLabel* tag : qAsConst(labels))
        tag->deactivate();
}

// The tag the play line lies in gets the mark; a tag begins at its left
// edge, so a seek onto a beat's edge (a click, a stop at 0:00) marks the
// tag that starts there. Beyond the tags nothing changes.
void ChordsStrip::updatePlayPos()
{
    if (playPos == nullptr)
        return;
    const float p = *playPos;
    ChordLabel* found = nullptr;
    for (ChordLabel* tag : qAsConst(labels)) {
        if (float(tag->x()) <= p && p < float(tag->x() + tag->width())) {
            found = tag;
            break;
        }
    }
    // Ticks every 20 ms: a tag already marked needs no repaint.
    if (found == nullptr || found->isPlaying())
        return;
    for (ChordLabel* tag : qAsConst(labels))
        tag->setPlaying(false);
    found->setPlaying(true);
}

// 1. The left boundary covers the strip up to the tag, the right one
//    starts after it; the beat line lies over the whole strip.
// 2. A handle sits centred on each end of the range.
// 3. The range is the tag's beats; a picked beat stays picked.
// 4. The tag's edges now limit the handle drags; the strip goes on top.
void ChordsStrip::showEditLeftBoundary(ChordLabel* chordLabel)
{
    if (chordLabel == nullptr)
        return;
    const int lx = chordLabel->x();
    const int lw = chordLabel->width();
    const int w = width();
    const int h = height();

    rangeLeft = lx;
    rangeRight = lx + lw;
    leftBoundary->setGeometry(QRect(QPoint(0, 0), QPoint(lx - 1, h - 1)));
    leftBoundary->show();
    leftBoundary->raise();
    rightBoundary->setGeometry(lx + lw, 0, w, h);
    rightBoundary->show();
    rightBoundary->raise();
    beatLine->setGeometry(0, 0, w, h);
    beatLine->show();
    beatLine->raise();
    editLabel = chordLabel;

    leftHandle->move(lx - handleSize / 2, h / 2 - handleSize / 2);
    rightHandle->move(lx + lw - handleSize / 2, h / 2 - handleSize / 2);
    leftHandle->show();
    rightHandle->show();
    beatLine->sampleOffset = sampleOffset;
    leftHandle->raise();
    rightHandle->raise();

    leftBoundary->boundaryBeat = chordLabel->getFirstBeat();
    rightBoundary->boundaryBeat = chordLabel->getFirstBeat() + chordLabel->getBeatCount();
    beatLine->hoverBeat = 0;
    beatLine->startBeat = leftBoundary->boundaryBeat;
    beatLine->endBeat = rightBoundary->boundaryBeat;
    beatLine->update();

    dragLeft = lx;
    dragWidth = lw;
    raise();
    editing = true;
}

// 1. The left handle, held and left of the tag, snaps the range start.
// 2. Else the right handle, held and right of the tag, snaps its end.
// 3. Either way the tag covers the range and the beat line shows it.
void ChordsStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (!editing || !editLabel) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    const int mx = qRound(event->localPos().x());
    const int h = height();
    const QVector<float>& beats = metaData != nullptr ? metaData->beats : QVector<float>();
    const chordstrip::PixelScale scale(sampleCount, width(), sampleOffset);

    if (leftHandle->frame() == 1 && mx < dragLeft) {
        if (const auto snap = chordstrip::snapToBeat(beats, scale, mx)) {
            leftHandle->move(snap->x - handleSize / 2, 0);
            leftBoundary->setGeometry(QRect(QPoint(0, 0), QPoint(snap->x - 1, h - 1)));
            leftBoundary->boundaryBeat = snap->beat;
            rangeLeft = snap->x;
        }
    } else if (rightHandle->frame() == 1 && mx > dragLeft + dragWidth) {
        if (const auto snap = chordstrip::snapToBeat(beats, scale, mx)) {
            rightHandle->move(snap->x - handleSize / 2, 0);
            rightBoundary->setGeometry(QRect(QPoint(snap->x, 0), QPoint(width() - 1, h - 1)));
            rightBoundary->boundaryBeat = snap->beat;
            rangeRight = snap->x;
        }
    }
    stretchEditLabel();
}

void ChordsStrip::stretchEditLabel()
{
    editLabel->setGeometry(rangeLeft, editLabel->y(), rangeRight - rangeLeft, editLabel->height());
    editLabel->raise();
    beatLine->raise();
    beatLine->hoverBeat = 0;
    beatLine->startBeat = leftBoundary->boundaryBeat;
    beatLine->endBeat = rightBoundary->boundaryBeat;
    beatLine->update();
    leftHandle->raise();
    rightHandle->raise();
}

QPoint ChordsStrip::getStartEndBeats()
{
    if (beatLine->selectedBeat != -1)
        return {beatLine->selectedBeat, beatLine->selectedBeat + 1};
    return {leftBoundary->boundaryBeat, rightBoundary->boundaryBeat};
}

void ChordsStrip::stopEditLabelFlashing(bool stop)
{
    if (!editLabel)
        return;
    if (stop)
        editLabel->pauseFlashing();
    else
        editLabel->resumeFlashing();
}
