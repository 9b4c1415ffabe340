#include "Plotter.h"

#include "BeatLabel.h"
#include "ChordsStrip.h"
#include "PeakPath.h"
#include "PlayMarker.h"
#include "PlotCanvas.h"
#include "PlotSelection.h"
#include "ProcessingLabel.h"
#include "SingleChordEditWidget.h"

#include <QPainter>
#include <QStackedWidget>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const int zoomThrottleMs = 100;
const int scrollTickMs = 10;
// A file opens this many levels in, at its start.
const int openingLevel = 4;

const int chordStripHeight = 20;
// Bottom margins of the children, in the view's pixels: the canvas leaves
// room for the chord strip, the play line reaches 2 pixels further.
const int canvasBottomMargin = 32;
const int markerBottomMargin = 30;
const int chordStripBottom = 22;
const int centreLineBottomMargin = 10;
const QRect processingLabelRect(290, 130, 250, 40);
// The chord edit popup stands 3 pixels above the view, 6 left of its tag.
const int popupTop = -3;
const int popupLeftOfTag = 6;
const int popupRightOverhang = 12;
const int popupScrollMargin = 18;

// The wheel's value: vertical notches, or horizontal ones for a sideways
// wheel.
int wheelDelta(const QWheelEvent& event)
{
    const QPoint delta = event.angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}

} // namespace

Plotter::Plotter(QWidget* parent) : QWidget(parent)
{
    zoomTimer = new QTimer(this);
    zoomTimer->setInterval(zoomThrottleMs);
    connect(zoomTimer, &QTimer::timeout, zoomTimer, &QTimer::stop);

    centreLine = new CentreLine(this);
    plotCanvas = new PlotCanvas(this);
    playMarker = new PlayMarker(this);

    scrollTimer = new QTimer(this);
    scrollTimer->setInterval(scrollTickMs);
    connect(scrollTimer, &QTimer::timeout, this, &Plotter::playbackScroll);

    selectionStack = new QStackedWidget(this);
    plotSelection = new PlotSelection(selectionStack);
    beatSelectionStack = new QStackedWidget(selectionStack);
    for (BeatSelection*& riff : beatSelections) {
        riff = new BeatSelection(beatSelectionStack);
        beatSelectionStack->addWidget(riff);
    }
    beatSelectionStack->setCurrentIndex(0);
    selectionStack->addWidget(plotSelection);
    selectionStack->addWidget(beatSelectionStack);
    selectionStack->setCurrentIndex(0);

    chordsStrip = new ChordsStrip(this);
    chordsStrip->setFixedHeight(chordStripHeight);
    connect(chordsStrip, &ChordsStrip::showChordEdit, this, &Plotter::showChordEdit);
    // The strip marks the tag at the play position, whatever the zoom and
    // auto-scroll: the view's centre is not the play position at level 0,
    // nor while the canvas is held at an end.
    chordsStrip->setPlayPosPtr(playMarker->getPlayPosPtr());

    processingLabel = new ProcessingLabel(this);
    processingLabel->setGeometry(processingLabelRect);
    processingLabel->hide();

    setMouseTracking(false);
    centreLine->raise();
    centreLine->hide();

    singleChordEdit = new SingleChordEditWidget(this);
    singleChordEdit->hide();
    connect(singleChordEdit, &SingleChordEditWidget::reInitChordStrip, chordsStrip, &ChordsStrip::initChordStrip);
    connect(singleChordEdit, &SingleChordEditWidget::getStartEndBeats, chordsStrip,
            &ChordsStrip::getStartEndBeats);
    connect(singleChordEdit, &SingleChordEditWidget::resetScroll, chordsStrip, &ChordsStrip::stopScrolling);
    connect(chordsStrip, &ChordsStrip::changeSingleChordDot, singleChordEdit, &SingleChordEditWidget::changeChord);
    // A file open resets the strip: a correction still open would write the
    // old range into the next recording, so the popup closes unwritten.
    connect(chordsStrip, &ChordsStrip::chordEditAborted, singleChordEdit, &SingleChordEditWidget::abortChordEdit);
}

void Plotter::initMetaData(MetaData* model)
{
    metaData = model;
    plotSelection->initMetaData(model);
    chordsStrip->setMetaData(model);
    singleChordEdit->initMetaData(model);
}

void Plotter::initPlotter(const float* left, const float* right, int frames, bool stereo)
{
    const uint64_t thisOpen = ++openCount;
    const int n = std::max(frames, 0);

    // 1. Forget the previous recording's state.
    playingRiffSong = false;
    leftData = left;
    rightData = right;
    sampleCount = n;
    playMarker->setSampleCount(n);
    plotSelection->setSampleCount(n);
    chordsStrip->setSampleCount(n);
    emit setSmallPlotSampleCount(n);
    plotSelection->resetPlotSelection();
    for (BeatSelection* riff : beatSelections) {
        riff->setSampleCount(n);
        riff->resetBeatSelection();
    }
    beatSelectionStack->setCurrentIndex(0);

    // 2. The peak path. Each percent runs pending events; an open started
    //    from there replaces this one, whose arrays may then be gone.
    const bool built = peakpath::build(left, right, n, stereo, width(), peakPath, [&](float pc) {
        emit updateProgressBar(pc);
        return openCount == thisOpen;
    });
    if (!built || openCount != thisOpen)
        return;

    // 3. The pictures, drawn once for the whole file.
    zoomCentre = float(width());
    zoom = ZoomLevel();
    if (!pixmapsReady)
        updateWaveform();
    pixmapsReady = true;
    calcBigPixmaps();

    playMarker->setGeometry(0, 0, width(), height() - markerBottomMargin);
    playMarker->show();

    emit setSmallPlotPixmap(overviewPixmap(), zoom.factor(), saturatingInt(zoomCentre));
    emit showSmallPlotPlayMarker();

    // 4. Open at level 4 on the recording's start.
    zoom = ZoomLevel();
    lowerChordStrip();
    updateZoom();
    zoomCentre = 0.0f;
    for (int i = 0; i < openingLevel; ++i) {
        stepIn();
        lowerChordStrip();
        updateZoom();
    }
}

int Plotter::canvasHeight() const
{
    return height() - canvasBottomMargin;
}

void Plotter::calcBigPixmaps()
{
    if (width() <= 0 || height() <= 0)
        return; // the previous pictures stay
    const peakpath::PictureGeometry geometry{width(), height(), canvasHeight()};
    QVector<QPixmap> pictures[2];
    for (int level = 0; level < ZoomLevel::levelCount; ++level) {
        peakpath::LevelPictures images = peakpath::render(peakPath, geometry, ZoomLevel::fromLevel(level));
        pictures[0].append(QPixmap::fromImage(std::move(images.left)));
        pictures[1].append(QPixmap::fromImage(std::move(images.right)));
    }
    plotCanvas->setPixmaps(pictures);
    plotCanvas->setIndex(plotCanvas->level());
}

QPixmap Plotter::overviewPixmap() const
{
    // The whole recording as the canvas shows it at level 0, rows 9 to
    // ch − 9: the labels centre the pictures, 9 rows taller than the canvas,
    // in stacks 10 rows above it.
    const int ch = canvasHeight();
    const int top = 9;
    if (width() <= 0 || ch - 2 * top <= 0)
        return QPixmap();
    QPixmap overview(width(), ch - 2 * top);
    overview.fill(Qt::transparent);
    const QVector<QPixmap>& left = plotCanvas->leftPictures();
    const QVector<QPixmap>& right = plotCanvas->rightPictures();
    if (left.isEmpty() || right.isEmpty())
        return overview;
    QPainter painter(&overview);
    const int pictureY = PlotCanvas::stackTop + (ch - left[0].height()) / 2 - top;
    painter.drawPixmap(0, pictureY, left[0]);
    painter.drawPixmap(ZoomLevel().canvasWidth(width()) / 2, pictureY, right[0]);
    return overview;
}

int Plotter::canvasOffset() const
{
    const int w = width();
    const int canvasWidth = zoom.canvasWidth(w);
    const int x = saturatingInt(float(w / 2) - zoomCentre / zoom.factor());
    int x0 = std::min(x, 0);
    // The canvas never leaves a gap at either edge.
    if (int64_t(x0) + canvasWidth < w)
        x0 = w - canvasWidth;
    return x0;
}

void Plotter::updateWaveform()
{
    const int w = width();
    const int h = height();
    const int x0 = canvasOffset();
    const int canvasWidth = zoom.canvasWidth(w);
    chordsStrip->setGeometry(x0, h - chordStripBottom, canvasWidth, chordStripHeight);
    plotCanvas->setGeometry(x0, 0, canvasWidth, h - canvasBottomMargin);
    selectionStack->setGeometry(x0, 0, canvasWidth, h - canvasBottomMargin);
    playMarker->setGeometry(x0, 0, canvasWidth, h - markerBottomMargin);
    if (zoom.isWhole())
        zoomCentre = float(w / 2);
    chordsStrip->show();
}

void Plotter::lowerChordStrip()
{
    chordsStrip->lower();
}

void Plotter::stepIn()
{
    zoom = zoom.in();
    lowerChordStrip();
}

void Plotter::stepOut()
{
    zoom = zoom.out();
    lowerChordStrip();
}

void Plotter::showLevel()
{
    plotCanvas->setIndex(zoom.level());
}

void Plotter::repositionChordEditIfVisible()
{
    if (singleChordEdit->isVisible())
        repositionChordEdit();
}

void Plotter::zoomPlot(int wheelValue)
{
    if (wheelValue >= 1)
        stepIn();
    else if (wheelValue < 0)
        stepOut();
}

void Plotter::updateZoom(int)
{
    chordsStrip->hide();
    updateWaveform();
    chordsStrip->show();
    lowerChordStrip();
    if (pixmapsReady)
        showLevel();
    repositionChordEditIfVisible();
    if (zoom.isWhole())
        zoomCentre = float(width() / 2);
    emit setSmallPlotZoomFactor(zoom.factor());
    emit setSmallPlotZoomCentre(saturatingInt(zoomCentre));
    plotSelection->setZoomFactor(zoom.factor());
    lowerChordStrip();
}

void Plotter::setZoomFactor(QWheelEvent* event)
{
    const int delta = wheelDelta(*event);
    if (delta > 0)
        stepIn();
    else if (delta < 0)
        stepOut();
    // The first step in from the whole recording centres on the pointer.
    if (delta > 0 && zoom.level() == 1)
        zoomCentre = float(saturatingInt(event->position().x()));
    updateZoom();
}

void Plotter::scrollPlot(QWheelEvent* event)
{
    const int step = std::max(saturatingInt(float(width()) / 20.0f * zoom.factor()), 1);
    // The centre itself is not limited: the layout holds the canvas at the
    // ends, and steps beyond them move nothing until they are undone.
    const double moved = double(zoomCentre) + (wheelDelta(*event) > 0 ? step : -step);
    zoomCentre = float(saturatingInt(moved));
    updateWaveform();
    repositionChordEditIfVisible();
    emit setSmallPlotZoomCentre(saturatingInt(zoomCentre));
    lowerChordStrip();
}

void Plotter::zoomIn()
{
    if (zoomTimer->isActive())
        return;
    zoomTimer->start();
    stepIn();
    updateZoom();
}

void Plotter::zoomOut()
{
    if (zoomTimer->isActive())
        return;
    zoomTimer->start();
    stepOut();
    updateZoom();
}

void Plotter::setCentreZoomPos(float centre)
{
    zoomCentre = std::isfinite(centre) ? centre : 0.0f;
    updateWaveform();
    repositionChordEditIfVisible();
}

void Plotter::setScrolling(bool off)
{
    autoScrollOff = off;
    if (off) {
        scrollTimer->stop();
        playMarker->setLineVisible(true);
        centreLine->hide();
    } else {
        scrollTimer->start();
    }
}

void Plotter::playbackScroll()
{
    // A drag selects between the press and the release as the user saw
    // them at the press: the view follows only after the release. The play
    // position may have moved at the press, so the play line marks it.
    if (plotSelection->isDragging()) {
        playMarker->setLineVisible(true);
        centreLine->hide();
        return;
    }
    zoomCentre = playMarker->playPosition() * zoom.factor();
    updateWaveform();
    repositionChordEditIfVisible();
    emit setSmallPlotZoomCentre(saturatingInt(zoomCentre));

    // Held at an end, the canvas no longer centres the play position: the
    // play line marks it itself.
    const int markerX = playMarker->x() + saturatingInt(playMarker->playPosition());
    if (std::abs(int64_t(width() / 2) - markerX) > 1) {
        playMarker->setLineVisible(true);
        centreLine->hide();
    } else {
        playMarker->setLineVisible(false);
        if (!playingRiffSong)
            centreLine->show();
    }
}

void Plotter::riffSongPlayback(bool playing)
{
    playingRiffSong = playing;
}

void Plotter::switchSelectionWidget(int index)
{
    selectionStack->setCurrentIndex(index);
}

void Plotter::activateBeatSelecitionWidget(bool activate)
{
    selectionStack->setCurrentIndex(activate ? 0 : 1);
}

void Plotter::setActiveRiff(int riff)
{
    if (riff < 0 || riff >= riffCount)
        return;
    beatSelectionStack->setCurrentIndex(riff);
    const BeatLabel* firstStep = beatSelections[riff]->beatLabels[0];
    const int w = width();
    int centre = saturatingInt(zoom.viewX(firstStep != nullptr ? float(firstStep->x()) : 0.0f));
    // Not closer to an edge than half the visible width.
    const float half = zoom.viewX(float(w / 2));
    if (half > float(centre))
        centre = saturatingInt(half);
    else if (float(centre) > float(w) - half)
        centre = saturatingInt(float(w) - half);
    zoomCentre = float(centre);
    updateWaveform();
    repositionChordEditIfVisible();
    emit setSmallPlotZoomCentre(centre);
}

void Plotter::showChordEdit(QString chordText, int, ChordLabel* chordLabel)
{
    singleChordEdit->showChordEdit(chordText, 0, chordLabel, autoScrollOff);
    repositionChordEditIfVisible();
    const ChordLabel* label = singleChordEdit->editLabel;
    if (label == nullptr || singleChordEdit->x() + singleChordEdit->width() <= width())
        return;
    // The popup would leave the view on the right: bring its tag inwards.
    const int tagX = label->x() + singleChordEdit->width() - popupScrollMargin - width() / 2;
    zoomCentre = zoom.viewX(float(tagX));
    updateWaveform();
    repositionChordEdit();
    emit setSmallPlotZoomCentre(saturatingInt(zoomCentre));
}

void Plotter::repositionChordEdit()
{
    const ChordLabel* label = singleChordEdit->editLabel;
    if (label == nullptr)
        return;
    const QPoint tag = chordsStrip->mapTo(this, label->pos());
    const int popupWidth = singleChordEdit->width();
    const int canvasRight = plotCanvas->x() + plotCanvas->width();
    const int x = tag.x() + popupWidth - popupLeftOfTag > canvasRight
        ? canvasRight - popupWidth + popupRightOverhang
        : tag.x() - popupLeftOfTag;
    singleChordEdit->move(x, popupTop);
}

void Plotter::setSessionPlotSettings(QStringList settings)
{
    // Missing or empty entries read as 0; the factor snaps to a level, so
    // the level shown and the canvas width always agree.
    const float centre = settings.value(0).toFloat();
    zoomCentre = std::isfinite(centre) ? centre : 0.0f;
    zoom = ZoomLevel::nearest(settings.value(1).toFloat());
    emit setSmallPlotZoomFactor(zoom.factor());
    emit setSmallPlotZoomCentre(saturatingInt(zoomCentre));
    updateWaveform();
    if (pixmapsReady)
        showLevel();
}

void Plotter::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier)
        scrollPlot(event);
    else
        setZoomFactor(event);
}

void Plotter::resizeEvent(QResizeEvent*)
{
    lower();
    centreLine->setGeometry(0, 0, width(), height() - centreLineBottomMargin - chordsStrip->height());
    plotSelection->setViewWidth(width());
}
