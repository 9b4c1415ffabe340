#include "StepWidget.h"

#include "JamRules.h"
#include "MetaData.h"

#include <algorithm>

StepWidget::StepWidget(QWidget* parent, const QPixmap& pixmap)
    : QWidget(parent), stepPixmap(pixmap),
      whiteNumbersPixmap(cachedPixmap(QStringLiteral(":/images/jam/white_step_numbers.png")))
{
    setMouseTracking(true);
}

void StepWidget::setMetaData(MetaData* model)
{
    metaData = model;
}

bool StepWidget::resultsValid() const
{
    return metaData != nullptr && metaData->metaDataValid.load(std::memory_order_acquire);
}

void StepWidget::setStep(int step)
{
    if (step >= jam::cellCount)
        return;
    // A negative step: no riff or song plays any more; the row rests as
    // after a reset instead of keeping the last step lit.
    currentStep = std::max(step, 0);
    update();
}

void StepWidget::setWhiteNumberLength(int steps)
{
    whiteNumberLength = std::clamp(steps + 1, 1, jam::cellCount);
    update();
}

void StepWidget::enterEvent(QEvent*)
{
    emit showBeatOutline();
}

void StepWidget::leaveEvent(QEvent*)
{
    emit hideBeatOutline();
}

void StepWidget::paintEvent(QPaintEvent*) { }
