#include "SongStep.h"

#include "DesignFont.h"
#include "JamRules.h"
#include "PictureStrip.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const char* const letters[] = {"-", "A", "B", "C", "D", "E", "F"};

} // namespace

SongStepLabel::SongStepLabel(QWidget* parent, int slot) : QLabel(parent), index(slot)
{
    setFixedSize(labelWidth, labelHeight);
    setFont(labelFont(11));
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::RichText);
    // The first slot is where a song starts: its dash is a little brighter.
    setText(slot == 0 ? QStringLiteral("<font color='#929292'>-</font>")
                      : QStringLiteral("<font color='#505050'>-</font>"));
}

void SongStepLabel::setLetter()
{
    if (riff >= SongSource::emptySlot && riff < SongSlots::riffCount)
        setText(QStringLiteral("<font color='#B4B4B4'>%1</font>").arg(QLatin1String(letters[riff + 1])));
    emit setRiff(riff, index);
}

void SongStepLabel::setLetter(int value)
{
    riff = SongSlots::normalisedRiff(value);
    setLetter();
}

void SongStepLabel::setRiffFromMenu(int value)
{
    setLetter(value);
}

void SongStepLabel::wheelEvent(QWheelEvent* event)
{
    if (event->angleDelta().y() < 0) {
        if (riff == SongSource::emptySlot)
            return;
        --riff;
    } else {
        if (riff == SongSlots::riffCount - 1)
            return;
        ++riff;
    }
    setLetter();
}

SongStepSelector::SongStepSelector(QWidget* parent) : QLabel(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFixedSize(menuWidth, menuHeight);
    setPixmap(cachedPixmap(QStringLiteral(":/images/jam/riff_menu.png")));
    highlightLabel = new QLabel(this);
    highlightLabel->setPixmap(cachedPixmap(QStringLiteral(":/images/jam/highlight_riff.png")));
    highlightLabel->setScaledContents(true);
    highlightLabel->setFixedSize(25, 18);
    highlightLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlightLabel->move(7, 5);
}

QPoint SongStepSelector::highlightPos() const
{
    return highlightLabel->pos();
}

void SongStepSelector::showMenu(int slot)
{
    step = slot;
    show();
    raise();
}

void SongStepSelector::mousePressEvent(QMouseEvent*)
{
    emit setRiff(row, step);
    step = -1;
    hide();
}

void SongStepSelector::mouseReleaseEvent(QMouseEvent*) { }

// Rows of (height − 19) / 6 = 18 pixels; below the sixth letter the
// highlight stays where it is.
void SongStepSelector::mouseMoveEvent(QMouseEvent* event)
{
    const int y = qRound(event->localPos().y());
    if (y > 99)
        return;
    const int h = (height() - 19) / 6;
    if (h <= 0)
        return;
    row = std::max(y / h, 0);
    highlightLabel->move(7, row * h + 5);
}

SongStep::SongStep(QWidget* parent, const QPixmap& pixmap) : StepWidget(parent, pixmap)
{
    initWidgets();
    initLayout();
    initConnections();
}

void SongStep::initWidgets()
{
    for (int i = 0; i < SongSource::slotCount; ++i)
        songStepLabels[i] = new SongStepLabel(this, i);
}

void SongStep::initLayout()
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (SongStepLabel* label : songStepLabels)
        layout->addWidget(label);
}

void SongStep::initConnections()
{
    for (SongStepLabel* label : songStepLabels)
        connect(label, &SongStepLabel::setRiff, this, &SongStep::setRiff);
}

int SongStep::riffAt(int slot) const
{
    return songSlots.riffAt(slot);
}

QList<int> SongStep::song() const
{
    return songSlots.song();
}

void SongStep::setRiff(int riffIndex, int stepIndex)
{
    if (stepIndex < 0 || stepIndex >= SongSource::slotCount)
        return;
    songSlots.setRiff(stepIndex, riffIndex);
    const int used = songSlots.usedSlots();
    if (used == 0)
        emit stopSongPlayback();
    emit setLoopLength(used);
}

void SongStep::setRiffFromMenu(int riffIndex, int stepIndex)
{
    if (stepIndex < 0 || stepIndex >= SongSource::slotCount)
        return;
    songStepLabels[stepIndex]->setLetter(riffIndex);
}

void SongStep::initFromSession(const QStringList& slotTexts)
{
    for (int i = 0; i < SongSource::slotCount; ++i) {
        // A short list (an old or damaged session) fills with riff "A".
        const int value = i < slotTexts.size() ? slotTexts.at(i).toInt() : 0;
        songStepLabels[i]->setLetter(value);
    }
}

void SongStep::reset()
{
    whiteNumberLength = 1;
    currentStep = 0;
    for (SongStepLabel* label : songStepLabels)
        label->setLetter(SongSource::emptySlot);
    emit setLoopLength(0);
    update();
}

void SongStep::mousePressEvent(QMouseEvent* event)
{
    emit showSongMenu(jam::cellAt(qRound(event->localPos().x())));
}

void SongStep::mouseMoveEvent(QMouseEvent*) { }

void SongStep::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    stepPixmap.drawFrame(painter, currentStep, rect());
}
