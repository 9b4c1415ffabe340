#include "ChordTabButtons.h"

#include "PictureStrip.h"
#include "PointerGesture.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const QString boxRest = QStringLiteral(":/images/real_time_tools/plus_minus.png");
const QString boxDown = QStringLiteral(":/images/real_time_tools/plus_minus_down.png");
const QString boxUp = QStringLiteral(":/images/real_time_tools/plus_minus_up.png");

constexpr int boxWidth = 93;
constexpr int boxHeight = 20;
constexpr int minusEnd = 24;  // x below it steps down
constexpr int plusStart = 69; // x from it on steps up
constexpr int neckCount = 4;

const QColor dotOn(230, 122, 15);
const QColor dotOff(170, 170, 170);

constexpr int typeButtonWidth = 45;
constexpr int typeButtonHeight = 18;
constexpr int unlitOffset = 18;

constexpr int arrowFrameWidth = 70;
constexpr int arrowFrameHeight = 12;
constexpr int arrowRepeatMs = 50;

} // namespace

// ---- NeckTypeWidget ---------------------------------------------------------

NeckTypeWidget::NeckTypeWidget(QWidget* parent) : QPushButton(parent), picture(cachedPixmap(boxRest))
{
    setFixedSize(boxWidth, boxHeight);
    // Keyboard activation steps it too, by the end under the pointer.
    connect(this, &NeckTypeWidget::pressed, this, &NeckTypeWidget::buttonPressed);
}

void NeckTypeWidget::setNeckType(int neckType)
{
    // Sessions and settings are read unchecked: anything else is wire.
    index = (neckType >= 0 && neckType < neckCount) ? neckType : 0;
    emit neckTypeChanged(index);
    update();
}

int NeckTypeWidget::cursorX() const
{
    if (cursorOverride)
        return *cursorOverride;
    return mapFromGlobal(QCursor::pos()).x();
}

void NeckTypeWidget::step(int direction)
{
    index = (index + direction + neckCount) % neckCount;
    emit neckTypeChanged(index);
}

void NeckTypeWidget::buttonPressed()
{
    const int x = cursorX();
    if (x < minusEnd) {
        step(-1);
        picture = cachedPixmap(boxDown);
    } else if (x >= plusStart) {
        step(+1);
        picture = cachedPixmap(boxUp);
    }
    update();
}

void NeckTypeWidget::mousePressEvent(QMouseEvent* event)
{
    // The push button's own handling is not run: a press steps once and
    // emits no pressed(), so there is no auto-repeat.
    if (isResetGesture(*event)) {
        index = 0;
        emit neckTypeChanged(0);
        update();
    } else if (event->button() == Qt::LeftButton) {
        buttonPressed();
    }
}

void NeckTypeWidget::mouseReleaseEvent(QMouseEvent*)
{
    picture = cachedPixmap(boxRest);
    update();
}

void NeckTypeWidget::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta < 0)
        step(-1);
    else if (delta > 0)
        step(+1);
    update();
    event->accept();
}

void NeckTypeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(rect(), picture);
    for (int dot = 0; dot < neckCount; ++dot) {
        const QColor colour = dot == index ? dotOn : dotOff;
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawEllipse(QRect(30 + 10 * dot, 9, 3, 3));
    }
}

// ---- ChordTypeButton --------------------------------------------------------

ChordTypeButton::ChordTypeButton(QWidget* parent, bool openChords)
    : QAbstractButton(parent), open(openChords),
      strip(cachedPixmap(openChords ? QStringLiteral(":/images/chords/open.png")
                                    : QStringLiteral(":/images/chords/power.png"))),
      offset(openChords ? 0 : unlitOffset)
{
    setFixedSize(typeButtonWidth, typeButtonHeight);
    connect(this, &ChordTypeButton::pressed, this, &ChordTypeButton::animateButtonPress);
}

void ChordTypeButton::setLit(bool lit)
{
    offset = lit ? 0 : unlitOffset;
    update();
}

void ChordTypeButton::animateButtonPress()
{
    if (offset != unlitOffset)
        return;
    offset = 0;
    update();
    if (open) {
        emit useOpenChords();
        emit setChordType(0);
    } else {
        emit usePowerChords();
        emit setChordType(1);
    }
}

void ChordTypeButton::disableButton()
{
    offset = unlitOffset;
    update();
}

void ChordTypeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), strip, QRect(0, offset, typeButtonWidth, typeButtonHeight));
}

// ---- ChordsScrollButton -----------------------------------------------------

ChordsScrollButton::ChordsScrollButton(QWidget* parent, bool upward)
    : QAbstractButton(parent), up(upward), strip(cachedPixmap(upward ? QStringLiteral(":/images/chords/up.png")
                                                                     : QStringLiteral(":/images/chords/down.png")))
{
    setAutoRepeat(true);
    setAutoRepeatInterval(arrowRepeatMs);
    connect(this, &ChordsScrollButton::pressed, this, &ChordsScrollButton::animateButtonPress);
    connect(this, &ChordsScrollButton::released, this, &ChordsScrollButton::animateButtonRelease);
}

void ChordsScrollButton::animateButtonPress()
{
    offset = arrowFrameHeight;
    update();
}

void ChordsScrollButton::animateButtonRelease()
{
    offset = 0;
    update();
}

void ChordsScrollButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), strip, QRect(0, offset, arrowFrameWidth, arrowFrameHeight));
}
