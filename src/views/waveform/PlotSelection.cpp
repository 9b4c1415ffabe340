#include "PlotSelection.h"

#include "BeatLead.h"
#include "DesignFont.h"
#include "MetaData.h"
#include "PointerGesture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Beats narrower than this make every stripe light: alternating stripes
// that thin would flicker.
const float narrowBeatPixels = 5.0f;
// A range at most this wide shows its beat numbers outside.
const float narrowRangePixels = 47.0f;

const QString labelText = QStringLiteral("<font color='#B4B4B4'>%1</font>");

int roundedX(const QMouseEvent& event)
{
    return saturatingInt(std::floor(event.localPos().x() + 0.5));
}

// The width of text in the label's font, or as the label lays out its
// rich text where that is wider: scripts drawn in a fallback font (Hindi,
// Korean) come out wider laid out than measured.
int shownWidth(const QLabel& label, const QString& text)
{
    return std::max(QFontMetrics(label.font()).horizontalAdvance(text), label.sizeHint().width());
}

} // namespace

PlotSelection::PlotSelection(QWidget* parent) : QWidget(parent)
{
    const QFont font = labelFont(9);
    setFont(font);
    setMouseTracking(true);
    for (QLabel** label : {&countLabel, &startLabel, &endLabel}) {
        *label = new QLabel(this);
        (*label)->setFont(font);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*label)->hide();
    }
}

void PlotSelection::initMetaData(MetaData* model)
{
    metaData = model;
}

void PlotSelection::setSampleCount(int frames)
{
    sampleCount = frames;
}

void PlotSelection::setViewWidth(int width)
{
    viewWidth = std::max(width, 0);
}

void PlotSelection::setZoomFactor(float scaleFactor)
{
    zoom = ZoomLevel::nearest(scaleFactor);
    update();
}

bool PlotSelection::analysisReady() const
{
    return metaData != nullptr && metaData->metaDataValid.load(std::memory_order_acquire)
        && !metaData->beats.isEmpty();
}

bool PlotSelection::validBeat(int index) const
{
    return metaData != nullptr && index >= 0 && index < metaData->beats.size();
}

int PlotSelection::nearestBeat(float frame) const
{
    const QVector<float>& beats = metaData->beats;
    int best = 0;
    int bestDistance = 0;
    for (int i = 0; i < beats.size(); ++i) {
        const int distance = saturatingInt(std::fabs(frame - beats[i]));
        if (i == 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

float PlotSelection::beatEdgeX(int beat) const
{
    return FrameScale(sampleCount, width()).pixelOf(base::heardPosition(metaData->beats[beat]));
}

PlotSelection::BeatRange PlotSelection::beatRange() const
{
    return {beatEdgeX(startBeat), beatEdgeX(endBeat)};
}

void PlotSelection::assignLoopPoints(int start, int end)
{
    if (start == loopStart && end == loopEnd)
        return;
    loopStart = start;
    loopEnd = end;
    emit loopPointsChanged();
}

int PlotSelection::frameAtCanvasX(float x) const
{
    const float frame = FrameScale(sampleCount, width()).frameOf(x);
    return std::clamp(saturatingInt(frame), 0, std::max(sampleCount, 0));
}

int PlotSelection::frameAtViewX(int x) const
{
    // Frames per unzoomed view pixel, from the canvas width of the current
    // level: a session load may come before the layer is laid out anew.
    // Nothing before the first layout.
    const int canvasWidth = width() > 0 ? zoom.canvasWidth(viewWidth) : 0;
    const float perViewPixel = FrameScale(sampleCount, canvasWidth).framesPerPixel() / zoom.factor();
    return std::clamp(saturatingInt(float(x) * perViewPixel), 0, std::max(sampleCount, 0));
}

void PlotSelection::setLoopPoints()
{
    const int a = std::min(startFrame, endFrame);
    const int b = std::max(startFrame, endFrame);
    int start = base::heardFrame(a);
    int end = base::heardFrame(b);

    // The raw positions, the lead early, are compared with the beats
    // themselves; the lead is 0, so the pointer snaps to the beat nearest
    // to it, whose edge is drawn on the beat's attack.
    if (analysisReady()) {
        startBeat = nearestBeat(float(start));
        start = base::heardFrame(metaData->beats[startBeat]);
        endBeat = nearestBeat(float(end));
        end = base::heardFrame(metaData->beats[endBeat]);
    }
    assignLoopPoints(start, end);
}

void PlotSelection::resetPlotSelection()
{
    startBeat = 0;
    endBeat = 0;
    startX = 0;
    endX = 0;
    startFrame = 0;
    endFrame = 0;
    update();
    setLoopPoints();
}

void PlotSelection::setStartX(float x)
{
    startX = std::clamp(saturatingInt(x), 0, viewWidth);
    startFrame = frameAtViewX(startX);
}

void PlotSelection::setEndX(float x)
{
    endX = std::clamp(saturatingInt(x), 0, viewWidth);
    endFrame = frameAtViewX(endX);
    setLoopPoints();
    update();
    emit enableSaveSelection(hasSelection());
}

void PlotSelection::setFrames(int start, int end)
{
    const int last = std::max(sampleCount, 0);
    startFrame = std::clamp(start, 0, last);
    endFrame = std::clamp(end, 0, last);
    setLoopPoints();
    update();
    emit enableSaveSelection(hasSelection());
}

void PlotSelection::updateSelectionFromOffset(int)
{
    if (!analysisReady() || !validBeat(startBeat) || !validBeat(endBeat))
        return;
    // The beats moved under the same indexes; the selection keeps its beats.
    assignLoopPoints(base::heardFrame(metaData->beats[startBeat]), base::heardFrame(metaData->beats[endBeat]));
    update();
}

void PlotSelection::mousePressEvent(QMouseEvent* event)
{
    if (!onlyLeftHeld(*event))
        return;
    const int x = roundedX(*event);
    dragging = true;
    hideLabels();
    const int v = zoom.isWhole() ? x : saturatingInt(zoom.viewX(float(x)));
    startX = v;
    endX = v;
    startFrame = frameAtCanvasX(float(x));
    endFrame = startFrame;
    setLoopPoints();
    emit enableSaveSelection(false);
    emit selectionSingleClick();
    update();
}

void PlotSelection::mouseMoveEvent(QMouseEvent* event)
{
    if (onlyLeftHeld(*event)) {
        const int x = std::clamp(roundedX(*event), 0, std::max(width() - 1, 0));
        endX = saturatingInt(zoom.viewX(float(x)));
        endFrame = frameAtCanvasX(float(x));
        setLoopPoints();
        emit enableSaveSelection(hasSelection());
        update();
    }
    updateLabels(roundedX(*event), event->buttons());
}

void PlotSelection::updateLabels(int x, Qt::MouseButtons buttons)
{
    if (!analysisReady() || !validBeat(startBeat) || !validBeat(endBeat))
        return;
    const int count = endBeat - startBeat;
    const FrameScale scale(sampleCount, width());
    if (count == 0 || !scale.isValid())
        return;

    const QVector<float>& beats = metaData->beats;
    const float xs = scale.pixelOf(beats[startBeat]);
    const float xe = scale.pixelOf(beats[endBeat]);
    const float beatWidth = (xe - xs) / float(count);

    if (xs - beatWidth < float(x) && float(x) <= xe + beatWidth) {
        QString text = tr("%1 BEATS").arg(count);
        if (count == 1)
            text.replace(tr("BEATS"), tr("BEAT"));
        const BeatRange range = beatRange();

        countLabel->setText(labelText.arg(text.toHtmlEscaped()));
        const int textWidth = shownWidth(*countLabel, text);
        countLabel->setGeometry(saturatingInt(range.lastX - float(textWidth) - 1.0f), -1, textWidth, 11);

        const QString first = QString::number(startBeat + 1);
        const QString last = QString::number(endBeat);
        startLabel->setText(labelText.arg(first));
        endLabel->setText(labelText.arg(last));
        const int firstWidth = shownWidth(*startLabel, first);
        const int lastWidth = shownWidth(*endLabel, last);
        const int y = height() - 11;
        if (range.lastX - range.firstX <= narrowRangePixels) {
            startLabel->setGeometry(saturatingInt(range.firstX - float(firstWidth) - 1.0f), y, firstWidth, 10);
            endLabel->setGeometry(saturatingInt(range.lastX + 1.0f), y, lastWidth, 10);
        } else {
            startLabel->setGeometry(saturatingInt(range.firstX + 1.0f), y, firstWidth, 10);
            endLabel->setGeometry(saturatingInt(range.lastX - float(lastWidth) - 1.0f), y, lastWidth, 10);
        }
        countLabel->show();
        endLabel->show();
        startLabel->show();
    } else if (float(x) < xs - beatWidth || float(x) > xe + beatWidth) {
        if (!countLabel->isHidden() && !(buttons & Qt::LeftButton))
            hideLabels();
    }
}

void PlotSelection::hideLabels()
{
    for (QLabel* label : {countLabel, startLabel, endLabel}) {
        label->clear();
        label->hide();
    }
}

void PlotSelection::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void PlotSelection::hideEvent(QHideEvent*)
{
    // A hidden layer may never see the release.
    dragging = false;
}

void PlotSelection::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click's press has already put the selection at the point.
    if (onlyLeftHeld(*event))
        emit selectionDoubleClick();
}

void PlotSelection::leaveEvent(QEvent*)
{
    hideLabels();
}

void PlotSelection::resizeEvent(QResizeEvent*)
{
    update();
}

void PlotSelection::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    const int h = height();

    if (analysisReady() && validBeat(startBeat) && validBeat(endBeat) && startBeat != endBeat) {
        const int first = std::min(startBeat, endBeat);
        const int last = std::max(startBeat, endBeat);
        bool narrow = false;
        for (int i = first; i < last && !narrow; ++i)
            narrow = beatEdgeX(i + 1) - beatEdgeX(i) < narrowBeatPixels;

        const QColor dark(0, 0, 0, qRound(0.18 * 255));
        const QColor light(255, 255, 255, qRound(0.1 * 255));
        const QRect dirty = event->rect();
        for (int i = first + 1; i <= last; ++i) {
            const float left = beatEdgeX(i - 1);
            const float right = beatEdgeX(i);
            if (right < float(dirty.left()) || left > float(dirty.right() + 1))
                continue;
            const bool darkStripe = !narrow && (i - first - 1) % 2 == 0;
            painter.fillRect(QRectF(left, 0, right - left, h), darkStripe ? dark : light);
        }
        return;
    }

    const FrameScale scale(sampleCount, QWidget::width());
    const int left = scale.roundedPixelOf(float(startFrame));
    const int width = scale.roundedPixelOf(float(endFrame)) - left;
    painter.fillRect(QRect(left, 0, width, h).normalized(), QColor(255, 200, 180, qRound(0.25 * 255)));
}
