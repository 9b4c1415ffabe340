#include "StepBox.h"

#include "DesignFont.h"
#include "PictureStrip.h"
#include "PointerGesture.h"

#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
const QColor textColour(170, 170, 170);
const int textBaseline = 14;
const QString coverPicture = QStringLiteral(":/images/real_time_tools/plus_minus_inactive.png");
} // namespace

StepBox::Area StepBox::areaAt(int x)
{
    if (x < minusEnd)
        return Area::Minus;
    if (x >= plusStart)
        return Area::Plus;
    return Area::Middle;
}

int StepBox::wheelDirection(int delta)
{
    return (delta > 0) - (delta < 0);
}

QString StepBox::valueText(double value)
{
    QString text = QString::number(value, 'g', 6);
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.truncate(point + 3);
    return text;
}

StepBox::Pictures StepBox::Pictures::plain()
{
    return {QStringLiteral(":/images/real_time_tools/plus_minus.png"),
            QStringLiteral(":/images/real_time_tools/plus_minus_down.png"),
            QStringLiteral(":/images/real_time_tools/plus_minus_up.png")};
}

StepBox::Pictures StepBox::Pictures::fineTune()
{
    return {QStringLiteral(":/images/real_time_tools/plus_minus_fine_tune.png"),
            QStringLiteral(":/images/real_time_tools/plus_minus_fine_tune_down.png"),
            QStringLiteral(":/images/real_time_tools/plus_minus_fine_tune_up.png")};
}

StepBox::StepBox(QWidget* parent, const Pictures& boxPictures)
    : QAbstractButton(parent), pictures(boxPictures), picture(boxPictures.rest)
{
    setFont(designFont(QStringLiteral("Arial"), 11, QFont::Bold));
    setFixedSize(boxWidth, boxHeight);
    // Keyboard presses would step wherever the pointer happens to be.
    setFocusPolicy(Qt::NoFocus);
    setAutoRepeat(true);
    setAutoRepeatDelay(repeatDelayMs);
    setAutoRepeatInterval(repeatIntervalMs);
    connect(this, &StepBox::pressed, this, &StepBox::buttonPressed);
}

int StepBox::cursorX() const
{
    if (cursorOverride)
        return *cursorOverride;
    return mapFromGlobal(QCursor::pos()).x();
}

void StepBox::setCoverShown(bool shown)
{
    if (!cover) {
        if (!shown)
            return;
        cover = new QLabel(this);
        cover->setPixmap(cachedPixmap(coverPicture));
        cover->setFixedSize(boxWidth, boxHeight);
        cover->move(0, 0);
        // The label takes no event itself; this keeps them from the box.
        cover->setAttribute(Qt::WA_NoMousePropagation);
    }
    cover->setVisible(shown);
}

bool StepBox::coverShown() const
{
    return cover && !cover->isHidden();
}

void StepBox::buttonPressed()
{
    if (stepsHeld)
        return;
    const Area area = areaAt(cursorX());
    if (area == Area::Minus)
        picture = pictures.down;
    else if (area == Area::Plus)
        picture = pictures.up;
    stepPressed(area);
    update();
}

void StepBox::setPictures(const Pictures& boxPictures)
{
    pictures = boxPictures;
    picture = pictures.rest;
    update();
}

void StepBox::paintValue(QPainter&) { }

void StepBox::drawCentredText(QPainter& painter, const QString& text) const
{
    painter.setPen(textColour);
    painter.setFont(font());
    const int textWidth = QFontMetrics(font()).horizontalAdvance(text);
    painter.drawText(width() / 2 - textWidth / 2, textBaseline, text);
}

void StepBox::mousePressEvent(QMouseEvent* event)
{
    if (isResetGesture(*event)) {
        resetGesture();
        update();
        return;
    }
    // A left press sets the pressed state, starts the auto-repeat and
    // emits pressed(), which steps at once.
    QAbstractButton::mousePressEvent(event);
}

void StepBox::mouseReleaseEvent(QMouseEvent*)
{
    picture = pictures.rest;
    // Ends the press and its auto-repeat timer; the base class's release
    // (clicked, released) is not used.
    setDown(false);
    setEnabled(false);
    setEnabled(true);
    stepsHeld = false;
    update();
}

void StepBox::mouseMoveEvent(QMouseEvent*)
{
    // Not the base class's: a press held beyond the box keeps repeating.
}

void StepBox::wheelEvent(QWheelEvent* event)
{
    wheelStep(event->angleDelta().y());
    update();
}

void StepBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap background = cachedPixmap(picture);
    if (!background.isNull())
        painter.drawPixmap(rect(), background);
    paintValue(painter);
}
