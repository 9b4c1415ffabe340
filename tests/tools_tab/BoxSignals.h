// Every publication of a value box, as text in the order emitted, so one
// table row can say what a step must send.
#pragma once

#include "IncrementWidget.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class BoxSignals : public QObject
{
public:
    explicit BoxSignals(IncrementWidget& box)
    {
        connect(&box, &IncrementWidget::modeChanged, this,
                [this](int i) { add("modeChanged(" + QString::number(i) + ")"); });
        connect(&box, &IncrementWidget::setKnobFromBPM, this,
                [this](int k) { add("setKnobFromBPM(" + QString::number(k) + ")"); });
        connect(&box, &IncrementWidget::updateChordTempo, this,
                [this](float bpm) { add("updateChordTempo(" + QString::number(bpm) + ")"); });
        connect(&box, &IncrementWidget::setSyncValueSignal, this, [this](const QString& name, int v) {
            add("setSyncValueSignal(" + name + "," + QString::number(v) + ")");
        });
        connect(&box, &IncrementWidget::resetPitch, this, [this] { add("resetPitch()"); });
        connect(&box, &IncrementWidget::resetFineTune, this, [this] { add("resetFineTune()"); });
    }

    std::vector<std::string> emitted;

private:
    void add(const QString& text) { emitted.push_back(text.toStdString()); }
};
