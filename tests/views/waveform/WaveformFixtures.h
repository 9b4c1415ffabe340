// What the waveform tests share: a synthesised recording and an analysis
// model filled the way a cache load fills it.
#pragma once

#include "MetaData.h"
#include "MouseEvents.h"
#include "SyntheticSignals.h"

#include <QString>
#include <QVector>

#include <vector>

namespace waveformtest {

// A tone at a quarter of 44.1 kHz (its samples run 0, 1, 0, −1, so even the
// shortest block holds a peak) whose level rises linearly from 0 to full
// over the recording, left at `leftGain`, right at `rightGain`.
struct Recording : synth::Stereo
{
    Recording(int frames, float leftGain = 1.0f, float rightGain = 1.0f)
        : synth::Stereo(synth::tones({{11025.0, 1.0f, leftGain, rightGain}}, frames))
    {
        for (int i = 0; i < frames; ++i) {
            const float ramp = float(double(i) / double(frames));
            left[size_t(i)] *= ramp;
            right[size_t(i)] *= ramp;
        }
    }
};

// Beats at the given frame positions (the last one closes the last chord),
// one "C" per beat, 120 BPM. Returns false when the model refused them.
inline bool fillModel(MetaData& model, const std::vector<float>& beats)
{
    QVector<QString> lists[4];
    for (float beat : beats)
        lists[0].append(QString::number(double(beat), 'f', 1));
    for (size_t i = 0; i + 1 < beats.size(); ++i)
        lists[1].append(QStringLiteral("C"));
    lists[2].append(QStringLiteral("C"));
    lists[3].append(QStringLiteral("120"));
    return model.setMetaDataFromFile(lists);
}

// count beats `spacing` frames apart from `first`.
inline std::vector<float> regularBeats(float first, float spacing, int count)
{
    std::vector<float> beats;
    for (int i = 0; i < count; ++i)
        beats.push_back(first + spacing * float(i));
    return beats;
}

// A left double click as a window system delivers it: press, release,
// double click, release.
inline void doubleClick(QWidget* widget, QPoint pos)
{
    press(widget, pos, Qt::LeftButton);
    release(widget, pos, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    release(widget, pos, Qt::LeftButton);
}

} // namespace waveformtest
