#include "CustomButton.h"

#include <QMouseEvent>
#include <QPainter>

CustomButton::CustomButton(const QPixmap& pixmap, QWidget* parent, bool latching)
    : QPushButton(parent), strip(pixmap)
{
    setCheckable(latching);
}

void CustomButton::latch()
{
    shownFrame = 1;
    setChecked(true);
    update();
}

void CustomButton::unlatch()
{
    shownFrame = 0;
    setChecked(false);
    update();
}

void CustomButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    strip.drawFrame(painter, shownFrame, rect());
}

void CustomButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    shownFrame = 1;
    update();
    QPushButton::mousePressEvent(event);
}

void CustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Decided before the standard handling, so that a receiver of released()
    // or toggled() that latches or unlatches the button has the last word.
    // A release that clicks toggles a latching button; one off the button
    // (dragged away) toggles nothing and must show the state it keeps.
    const bool clicks = isDown() && hitButton(event->pos());
    if (clicks)
        shownFrame = (isCheckable() && !isChecked()) ? 1 : 0;
    else
        shownFrame = (isCheckable() && isChecked()) ? 1 : 0;
    update();
    QPushButton::mouseReleaseEvent(event);
}
