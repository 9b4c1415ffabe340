#include "ProcessingLabel.h"

#include "DesignFont.h"

#include <QPainter>
#include <QTimer>

namespace {
const int dotIntervalMs = 500;
const int maxDots = 3;
const int baseline = 20;
} // namespace

ProcessingLabel::ProcessingLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(designFont(QStringLiteral("Arial"), 15));
    dotTimer = new QTimer(this);
    dotTimer->setInterval(dotIntervalMs);
    connect(dotTimer, &QTimer::timeout, this, &ProcessingLabel::setDotNumber);
}

QString ProcessingLabel::text() const
{
    return tr("Calculating chords") + QStringLiteral(" .").repeated(dotCount);
}

void ProcessingLabel::setDotNumber()
{
    dotCount = dotCount < maxDots ? dotCount + 1 : 0;
    update();
}

void ProcessingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(225, 100, 35));
    // Placed by the words alone, so the dots grow to the right.
    const int wordsWidth = painter.fontMetrics().horizontalAdvance(tr("Calculating chords"));
    painter.drawText(width() / 2 - wordsWidth / 2, baseline, text());
}
