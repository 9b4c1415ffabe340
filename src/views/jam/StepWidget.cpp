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
    if (step < 0 || step >= jam::cellCount)
        return;
    currentStep = step;
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
