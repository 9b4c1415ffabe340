#include "PowerButton.h"

#include "PictureStrip.h"

#include <QPainter>

PowerButton::PowerButton(QWidget* parent) : QAbstractButton(parent) { }

void PowerButton::setDrawSmallPixmap(bool small)
{
    drawSmallPixmap = small;
    update();
}

void PowerButton::reset()
{
    if (!on)
        return;
    emit buttonOn(true);
    on = false;
    update();
}

void PowerButton::setValueFromSession(bool value)
{
    on = value;
    emit buttonOn(!on);
    update();
}

void PowerButton::mousePressEvent(QMouseEvent*)
{
    emit buttonOn(on);
    on = !on;
    update();
}

void PowerButton::paintEvent(QPaintEvent*)
{
    static const QString pictures[2][2] = {{QStringLiteral(":/images/real_time_tools/power_off.png"),
                                            QStringLiteral(":/images/real_time_tools/power_off_small.png")},
                                           {QStringLiteral(":/images/real_time_tools/power_on.png"),
                                            QStringLiteral(":/images/real_time_tools/power_on_small.png")}};
    const QPixmap picture = cachedPixmap(pictures[on][drawSmallPixmap]);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
