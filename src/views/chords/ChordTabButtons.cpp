#include "ChordTabButtons.h"

#include "DesignFont.h"
#include "PictureStrip.h"

#include <QPainter>

namespace {

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

NeckTypeWidget::NeckTypeWidget(QWidget* parent) : StepBox(parent, Pictures::plain())
{
    setAutoRepeat(false);
}

void NeckTypeWidget::setNeckType(int neckType)
{
    // Sessions and settings are read unchecked: anything else is wire.
    index = (neckType >= 0 && neckType < neckCount) ? neckType : 0;
    emit neckTypeChanged(index);
    update();
}

void NeckTypeWidget::step(int direction)
{
    index = (index + direction + neckCount) % neckCount;
    emit neckTypeChanged(index);
}

void NeckTypeWidget::stepPressed(Area area)
{
    if (area != Area::Middle)
        step(area == Area::Minus ? -1 : 1);
}

void NeckTypeWidget::wheelStep(int delta)
{
    if (const int direction = wheelDirection(delta))
        step(direction);
}

void NeckTypeWidget::resetGesture()
{
    index = 0;
    emit neckTypeChanged(0);
}

void NeckTypeWidget::paintValue(QPainter& painter)
{
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

// ---- FilterOpener ---------------------------------------------------------------

FilterOpener::FilterOpener(QWidget* parent)
    : CustomButton(cachedPixmap(QStringLiteral(":/images/chords/filter_button.png")), parent, false)
{
    setFixedSize(openerWidth, openerHeight);
    setFont(designFont(QString::fromLatin1(labelFontFamily), 9, QFont::Bold));
    setCursor(Qt::PointingHandCursor);
}

void FilterOpener::paintEvent(QPaintEvent* event)
{
    CustomButton::paintEvent(event);
    QPainter painter(this);
    // Light on the grey plate, dark on the pressed orange one, as the
    // tab's other text buttons.
    painter.setPen(frame() == 0 ? QColor(196, 196, 196) : QColor(34, 18, 8));
    painter.drawText(textArea(), Qt::AlignCenter, text());
}

QRect FilterOpener::textArea() const
{
    return QRect(textLeft, 0, width() - textLeft - textRight, height());
}
