#include "PlotCanvas.h"

#include <QLabel>
#include <QPainter>
#include <QStackedWidget>

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent)
{
    leftStack = new QStackedWidget(this);
    rightStack = new QStackedWidget(this);
    for (int i = 0; i < ZoomLevel::levelCount; ++i) {
        leftLabels[i] = new QLabel(leftStack);
        rightLabels[i] = new QLabel(rightStack);
        leftStack->addWidget(leftLabels[i]);
        rightStack->addWidget(rightLabels[i]);
    }
}

void PlotCanvas::setPixmaps(QVector<QPixmap>* pixmaps)
{
    leftPixmaps = pixmaps[0];
    rightPixmaps = pixmaps[1];
    for (int i = 0; i < ZoomLevel::levelCount; ++i) {
        leftLabels[i]->setPixmap(i < leftPixmaps.size() ? leftPixmaps[i] : QPixmap());
        rightLabels[i]->setPixmap(i < rightPixmaps.size() ? rightPixmaps[i] : QPixmap());
    }
}

void PlotCanvas::setIndex(int level)
{
    levelIndex = ZoomLevel::fromLevel(level).level();
    const int halfWidth = width() / 2;
    leftStack->setGeometry(0, stackTop, halfWidth, height());
    rightStack->setGeometry(halfWidth, stackTop, halfWidth, height());
    leftStack->setCurrentIndex(levelIndex);
    rightStack->setCurrentIndex(levelIndex);
}

CentreLine::CentreLine(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CentreLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.drawLine(width() / 2, 0, width() / 2, height());
}
