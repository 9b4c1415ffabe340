#include "ChordLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {

const QColor restColour(255, 110, 0);
const QColor editColour(255, 135, 40);
constexpr int flashIntervalMs = 40;
constexpr float flashStep = 0.05f;

// Corrections start from a right click, or from a left click with exactly
// Meta held (the Control key on a Mac, the Super key here, as for every
// reset gesture); every other press is left to the strip.
bool startsCorrection(const QMouseEvent& event)
{
    if (event.buttons() == Qt::RightButton)
        return true;
    return event.buttons() == Qt::LeftButton && event.modifiers() == Qt::MetaModifier;
}

} // namespace

ChordLabel::ChordLabel(QWidget* parent, QString text, int start, int end, int first, int count, MetaData* model)
    : QWidget(parent), metaData(model), startSample(start), endSample(end), shownText(text), baseText(text),
      firstBeat(first), beatCount(count), flashTimer(new QTimer(this)), colour(restColour)
{
    setMouseTracking(true);
    QFont bold = font();
    bold.setWeight(75);
    setFont(bold);
    flashTimer->setInterval(flashIntervalMs);
    connect(flashTimer, &QTimer::timeout, this, &ChordLabel::flash);
}

QString ChordLabel::getUnshiftedText()
{
    return emit getShiftedChordText(shownText, keyShift);
}

void ChordLabel::changeText(QString t)
{
    shownText = t;
    emit setBeatLineWidgetText(t);
    update();
}

void ChordLabel::applyKeyShift(int shift, const QString& shiftedText)
{
    keyShift = shift;
    shownText = shift != 0 ? shiftedText : baseText;
    update();
}

void ChordLabel::setSamples(int start, int end)
{
    startSample = start;
    endSample = end;
}

void ChordLabel::setPlaying(bool on)
{
    if (playing == on)
        return;
    playing = on;
    update();
}

void ChordLabel::pauseFlashing()
{
    flashTimer->stop();
    opacity = 1.0f;
    update();
}

void ChordLabel::resumeFlashing()
{
    rising = false;
    flashTimer->start();
}

bool ChordLabel::isFlashing() const
{
    return flashTimer->isActive();
}

void ChordLabel::flash()
{
    // Compared within a tolerance and kept on the 0.05 grid: summed float
    // steps would otherwise miss 0.5 and sink one step below it.
    constexpr float tolerance = 0.001f;
    float step;
    if (opacity >= 1.0f - tolerance) {
        rising = false;
        step = -flashStep;
    } else if (opacity <= 0.5f + tolerance) {
        rising = true;
        step = flashStep;
    } else {
        step = rising ? flashStep : -flashStep;
    }
    opacity = std::round((opacity + step) / flashStep) * flashStep;
    update();
}

void ChordLabel::deactivate()
{
    // Also while a picked beat holds the flashing: the correction is open.
    if (!flashTimer->isActive() && !editing)
        return;
    flashTimer->stop();
    opacity = 1.0f;
    colour = restColour;
    update();
    emit setBeatLineWidgetText(QString());
    editing = false;
}

// 1. The strip ends any other correction.
// 2. The popup opens beside this tag (x in the waveform view).
// 3. The edit range is set up around this tag.
// 4. Flashing starts, falling first, in the editing colour.
// 5. The beat line shows the current name.
// 6. Auto-scroll goes off while correcting.
void ChordLabel::mousePressEvent(QMouseEvent* event)
{
    if (!startsCorrection(*event)) {
        event->ignore();
        return;
    }
    emit deactivateAll();
    const int viewX = (parentWidget() != nullptr ? parentWidget()->x() : 0) + x();
    emit showChordEdit(shownText, viewX, this);
    emit showEditLeftBoundary(this);
    rising = false;
    flashTimer->start();
    colour = editColour;
    emit setBeatLineWidgetText(shownText);
    emit stopScrolling(false);
    editing = true;
    update();
}

// The tag's fill, the play mark inside it, then its name centred on it.
void ChordLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRect(0, 0, width(), height()), 20, 15, Qt::AbsoluteSize);
    if (playing) {
        painter.setPen(QPen(QColor(175, 175, 175), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 20, 15, Qt::AbsoluteSize);
    }
    painter.setOpacity(1.0);
    const QString& text = (!flashTimer->isActive() && keyShift == 0) ? baseText : shownText;
    painter.setPen(Qt::white);
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(width() / 2 - textWidth / 2, 14, text);
}
