#include "Dot.h"

#include <QMouseEvent>
#include <QPixmap>

namespace {
constexpr int dotSize = 14;
}

Dot::Dot(QWidget* parent, const QPixmap* picture, int root, int type, QString name)
    : QLabel(parent), pixmap(picture), dotRoot(root), dotType(type), dotName(std::move(name))
{
    setFixedSize(dotSize, dotSize);
    setScaledContents(true);
    setLit(true);
}

void Dot::setLit(bool on)
{
    lit = on;
    if (on && pixmap)
        setPixmap(*pixmap);
    else
        clear();
}

void Dot::setDetected()
{
    setLit(true);
    shown = true;
    emit setDotActive(this);
}

void Dot::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setLit(!lit);
    shown = lit;
    emit setDotActive(dotRoot, dotType, shown);
    emit setDotActive(this);
}
