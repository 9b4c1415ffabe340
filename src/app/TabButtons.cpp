#include "TabButtons.h"

#include <QMouseEvent>
#include <QPixmap>

#include <cmath>

namespace {

QPixmap pagePicture(int page)
{
    return QPixmap(QStringLiteral(":/images/tab_buttons/button_%1.png").arg(page + 1));
}

} // namespace

TabButtons::TabButtons(QWidget* parent) : QLabel(parent)
{
    setPixmap(pagePicture(0));
    setScaledContents(true);
}

void TabButtons::setCurrentTab(int i)
{
    if (i < 0 || i >= pageCount)
        return;
    setPixmap(pagePicture(i));
    emit tabChanged(i);
}

void TabButtons::mousePressEvent(QMouseEvent* event)
{
    // Halves round up, as the press position may fall between pixels.
    const int x = static_cast<int>(std::floor(event->localPos().x() + 0.5));
    const int third = width() / 3;
    const int page = x < third ? 0 : x < 2 * third ? 1 : 2;
    setCurrentTab(page);
}
