#include "PlotButton.h"

#include "PointerGesture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QSize plotButtonSize(43, 18);

QString pictureFor(const QString& name)
{
    if (name == QLatin1String("muteSolo"))
        return QStringLiteral(":/images/real_time_tools/mute_solo.png");
    if (name == QLatin1String("filter"))
        return QStringLiteral(":/images/real_time_tools/hi_lo.png");
    return QString();
}
} // namespace

PlotButton::PlotButton(QWidget* parent, const QString& name) : QWidget(parent)
{
    setFixedSize(plotButtonSize);
    const QString path = pictureFor(name);
    if (!path.isEmpty())
        picture = PictureStrip(path);
}

void PlotButton::reset()
{
    setStateFromSession(true);
}

void PlotButton::setStateFromSession(bool value)
{
    state = value;
    emit setState(state);
    update();
}

void PlotButton::mousePressEvent(QMouseEvent* event)
{
    if (!onlyLeftHeld(*event))
        return;
    // The middle column belongs to the left half.
    setStateFromSession(event->pos().x() <= width() / 2);
}

void PlotButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    picture.drawFrame(painter, state ? 1 : 0, rect());
}
