#include "RiffIdWidget.h"

#include "JamRules.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

RiffIdWidget::RiffIdWidget(QWidget* parent) : QLabel(parent), letters(QStringLiteral(":/images/jam/riff_id.png"))
{
    setScaledContents(true);
    setCursor(Qt::OpenHandCursor);
    updateRiffId();
}

void RiffIdWidget::setRiffId(int id)
{
    if (id < 0 || id >= jam::riffCount)
        return;
    riffId = id;
    updateRiffId();
}

void RiffIdWidget::updateRiffId()
{
    const QPixmap& strip = letters.pixmap();
    if (strip.isNull())
        return;
    setPixmap(strip.copy(0, letterHeight * riffId, strip.width(), letterHeight));
}

void RiffIdWidget::mousePressEvent(QMouseEvent*)
{
    setCursor(Qt::ClosedHandCursor);
    emit showRiffIdLabel(riffId);
}

void RiffIdWidget::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
}

// Twice: the list toggles twice and ends as it was, while the new riff
// reaches the tab.
void RiffIdWidget::wheelEvent(QWheelEvent* event)
{
    if (event->angleDelta().y() < 0) {
        if (riffId == 0)
            return;
        --riffId;
    } else {
        if (riffId == jam::riffCount - 1)
            return;
        ++riffId;
    }
    updateRiffId();
    emit showRiffIdLabel(riffId);
    emit showRiffIdLabel(riffId);
}

RiffIdLabel::RiffIdLabel(QWidget* parent) : QLabel(parent)
{
    setPixmap(cachedPixmap(QStringLiteral(":/images/jam/riff_menu.png")));
    setScaledContents(true);
    setMouseTracking(true);
    highlightLabel = new QLabel(this);
    highlightLabel->setPixmap(cachedPixmap(QStringLiteral(":/images/jam/highlight_riff.png")));
    highlightLabel->setScaledContents(true);
    highlightLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlightLabel->setGeometry(5, highlightY, 28, rowHeight);
}

void RiffIdLabel::showRiffIdLabel(int key)
{
    // Shown or not, whether or not the tab itself is on screen.
    if (!isHidden()) {
        hide();
        return;
    }
    show();
    moveHighlightLabel(rowHeight * key + 7);
}

void RiffIdLabel::moveHighlightLabel(int y)
{
    const int h = highlightY;
    int row = 0;
    if (y <= 107 && y > h + rowHeight)
        row = y / rowHeight;
    else if (y >= 7 && y < h)
        row = y / rowHeight;
    else
        return;
    // 18 × row + 6 at the list's height of 132.
    highlightY = (height() / 7) * row + 6;
    highlightLabel->move(5, highlightY);
}

void RiffIdLabel::mousePressEvent(QMouseEvent* event)
{
    const int row = std::max(qRound(event->localPos().y()), 0) / rowHeight;
    hide();
    if (row <= jam::riffCount - 1)
        emit setRiffId(row);
}

void RiffIdLabel::mouseMoveEvent(QMouseEvent* event)
{
    moveHighlightLabel(qRound(event->localPos().y()));
}
