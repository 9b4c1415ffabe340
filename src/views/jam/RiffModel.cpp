#include "RiffModel.h"

#include "MetaData.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Round half up, kept inside int (a pixel or sample far off the screen
// stays far off instead of overflowing).
int roundHalfUp(float v)
{
    const double r = std::floor(double(v) + 0.5);
    return int(std::clamp(r, -1.0e9, 1.0e9));
}

int truncated(float v)
{
    if (!std::isfinite(v))
        return 0;
    return int(std::clamp(double(v), -2.0e9, 2.0e9));
}

} // namespace

RiffModel::RiffModel() = default;

void RiffModel::setMetaData(const MetaData* model)
{
    metaData = model;
}

void RiffModel::setStateObserver(StateObserver stateObserver)
{
    observer = std::move(stateObserver);
}

RiffModel::Step RiffModel::step(int i) const
{
    if (!isStep(i))
        return {};
    const StepRecord& s = steps[i];
    return {s.state, s.beat.load(std::memory_order_relaxed), s.startSample, s.endSample};
}

bool RiffModel::resultsValid() const
{
    return metaData != nullptr && metaData->metaDataValid.load(std::memory_order_acquire);
}

bool RiffModel::hasBeats() const
{
    return resultsValid() && beatCount() >= 2;
}

bool RiffModel::acceptsNewStep() const
{
    return hasBeats() && armed < 0 && maxLoop < lastStep;
}

int RiffModel::beatCount() const
{
    return metaData != nullptr ? metaData->beats.size() : 0;
}

int RiffModel::lastUsableBeat() const
{
    return std::max(beatCount() - 2, 0);
}

int RiffModel::clampBeat(int beat) const
{
    return std::clamp(beat, 0, lastUsableBeat());
}

int RiffModel::beatIndex(int step) const
{
    if (!isStep(step))
        return 0;
    return clampBeat(steps[step].beat.load(std::memory_order_relaxed));
}

float RiffModel::beatSample(int b) const
{
    if (b < 0 || b >= beatCount())
        return 0.0f;
    return metaData->beats.at(b);
}

std::optional<int> RiffModel::beatContainingSample(float sample) const
{
    const int n = beatCount();
    for (int b = 0; b + 1 < n; ++b) {
        if (beatSample(b) < sample && sample < beatSample(b + 1))
            return b;
    }
    return std::nullopt;
}

std::optional<int> RiffModel::beatContainingPixel(float x, float spp) const
{
    if (!(spp > 0.0f) || !std::isfinite(spp))
        return std::nullopt;
    const int n = beatCount();
    for (int b = 0; b + 1 < n; ++b) {
        if (beatSample(b) / spp < x && x < beatSample(b + 1) / spp)
            return b;
    }
    return std::nullopt;
}

// 1. Steps in use in step order, each with its (clamped) beat.
// 2. A step is stacked when another step in use holds its beat.
// 3. Unstacked: the full height. Stacked: c steps on one beat share it,
//    h = round(H / c) each, the i-th of them at y = i × h, h − 1 high; the
//    last stacked step of all fills the rest (H − y).
QVector<RiffModel::StepRect> RiffModel::layout(float spp, int height) const
{
    QVector<StepRect> rects;
    if (!hasBeats() || !(spp > 0.0f) || !std::isfinite(spp))
        return rects;

    std::array<int, stepCount> beatOf{};
    QVector<int> inUse;
    for (int i = 0; i < stepCount; ++i) {
        if (steps[i].state != Unused) {
            inUse.append(i);
            beatOf[i] = beatIndex(i);
        }
    }
    auto sharesBeat = [&](int i) {
        return std::any_of(inUse.begin(), inUse.end(), [&](int j) { return j != i && beatOf[j] == beatOf[i]; });
    };
    QVector<int> stacked;
    for (int i : inUse) {
        if (sharesBeat(i))
            stacked.append(i);
    }

    auto band = [&](int b, int y, int h) {
        const int x = roundHalfUp(base::heardPosition(beatSample(b)) / spp);
        const int w = roundHalfUp(base::heardPosition(beatSample(b + 1)) / spp - float(x)) - 1;
        return QRect(x, y, w, h);
    };

    for (int i : inUse) {
        const int b = beatOf[i];
        const int k = stacked.indexOf(i);
        if (k < 0) {
            rects.append({i, band(b, 0, height)});
            continue;
        }
        int count = 0;
        int before = 0;
        for (int e = 0; e < stacked.size(); ++e) {
            if (beatOf[stacked[e]] == b) {
                ++count;
                if (e < k)
                    ++before;
            }
        }
        const int h = roundHalfUp(float(height) / float(count));
        const int y = before * h;
        const bool lastOfAll = k == stacked.size() - 1;
        rects.append({i, band(b, y, lastOfAll ? height - y : h - 1)});
    }
    return rects;
}

void RiffModel::reset()
{
    for (int i = 0; i < stepCount; ++i)
        setState(i, Unused);
    armed = -1;
    maxLoop = -1;
    loop.store(-1, std::memory_order_relaxed);
}

void RiffModel::setBeat(int step, int state, int beat, int startSample, int endSample)
{
    if (!isStep(step))
        return;
    StepRecord& s = steps[step];
    s.beat.store(beat, std::memory_order_relaxed);
    s.startSample = startSample;
    s.endSample = endSample;
    setState(step, state);
}

void RiffModel::setState(int step, int state)
{
    if (!isStep(step))
        return;
    StepRecord& s = steps[step];
    s.state = state;
    if (state == Unused) {
        s.beat.store(0, std::memory_order_relaxed);
        s.startSample = 0;
        s.endSample = 0;
    }
    if (observer)
        observer(step, state);
}

void RiffModel::placeStep(int step, int state, int beat)
{
    const int b = clampBeat(beat);
    setBeat(step, state, b, truncated(beatSample(b)), truncated(beatSample(b + 1)));
}

// 1. Step 0 of an empty riff: on the given beat, else beat 0; the loop
//    holds no step yet.
// 2. The next new step: on the given beat, else one after its
//    predecessor's; not yet in the loop.
// 3. Beyond that: nothing.
// 4. A step in use: armed again on its beat; every step in use is back in
//    the loop.
void RiffModel::setArmedStep(int step, int beat)
{
    if (!hasBeats() || !isStep(step))
        return;
    const bool unused = steps[step].state == Unused;
    if (step == 0 && unused) {
        placeStep(0, Armed, beat >= 0 ? beat : 0);
        maxLoop = 0;
        loop.store(0, std::memory_order_relaxed);
        armed = 0;
    } else if (step == maxLoop + 1 && step != 0 && unused) {
        const int b = beat >= 0 ? beat : std::min(beatIndex(step - 1) + 1, lastUsableBeat());
        placeStep(step, Armed, b);
        maxLoop = step;
        loop.store(step, std::memory_order_relaxed);
        armed = step;
    } else if (step > maxLoop) {
        return;
    } else {
        setState(step, Armed);
        loop.store(maxLoop + 1, std::memory_order_relaxed);
        armed = step;
    }
}

void RiffModel::lockSelection()
{
    for (int i = 0; i < stepCount; ++i) {
        if (steps[i].state == Armed)
            setState(i, InLoop);
    }
    armed = -1;
}

void RiffModel::setLoopLength(int lastLoopStep)
{
    if (maxLoop < 0)
        return;
    const int n = std::clamp(lastLoopStep, -1, lastStep);
    loop.store(n + 1, std::memory_order_relaxed);
    for (int i = 0; i <= n; ++i)
        setState(i, InLoop);
    for (int i = n + 1; i <= maxLoop; ++i)
        setState(i, OutsideLoop);
}

void RiffModel::setMaxLoopLength(int step)
{
    maxLoop = std::clamp(step, -1, lastStep);
}

void RiffModel::extendLoopLength(int step)
{
    if (!isStep(step))
        return;
    if (steps[step].state == Unused) {
        // Step 0 has no predecessor: it starts the riff at beat 0.
        const int previous = step > 0 ? beatIndex(step - 1) : -1;
        placeStep(step, InLoop, std::min(previous + 1, lastUsableBeat()));
    }
    maxLoop = step;
    loop.store(step, std::memory_order_relaxed);
    for (int i = step + 1; i < stepCount; ++i)
        setState(i, Unused);
}

void RiffModel::moveStep(int step, int beat, bool allSteps)
{
    if (!isStep(step))
        return;
    const int from = beatIndex(step);
    const int to = clampBeat(beat);
    if (!allSteps || to == from) {
        placeStep(step, steps[step].state, to);
        return;
    }
    // The whole riff moves as one: limit the shift by its first and last
    // beats so that no step falls off either end of the beat list.
    int lowest = from;
    int highest = from;
    for (int i = 0; i < stepCount; ++i) {
        if (steps[i].state != Unused) {
            lowest = std::min(lowest, beatIndex(i));
            highest = std::max(highest, beatIndex(i));
        }
    }
    const int shift = std::clamp(to - from, -lowest, lastUsableBeat() - highest);
    placeStep(step, steps[step].state, from + shift);
    for (int i = 0; i < stepCount; ++i) {
        if (i != step && steps[i].state != Unused)
            placeStep(i, steps[i].state, beatIndex(i) + shift);
    }
}

// 1. The beats of steps 0 … m in ascending order.
// 2. For each sorted position the step holding that beat (the highest
//    numbered where several do); copy its fields.
// 3. Step i takes copy (i − step) mod (m + 1), a true modulo, so the
//    earliest beat lands on `step` whatever step is.
void RiffModel::setFirst(int step)
{
    const int m = maxLoop;
    if (m < 0)
        return;
    const int count = m + 1;
    QVector<int> sorted;
    for (int i = 0; i < count; ++i)
        sorted.append(steps[i].beat.load(std::memory_order_relaxed));
    std::sort(sorted.begin(), sorted.end());

    QVector<Step> copies;
    for (int beat : sorted) {
        int holder = 0;
        for (int i = 0; i < count; ++i) {
            if (steps[i].beat.load(std::memory_order_relaxed) == beat)
                holder = i;
        }
        copies.append(this->step(holder));
    }
    for (int i = 0; i < count; ++i) {
        const Step& c = copies[((i - step) % count + count) % count];
        setBeat(i, c.state, c.beat, c.startSample, c.endSample);
    }
}
