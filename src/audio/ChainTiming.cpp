#include "ChainTiming.h"

#include "ChainControls.h"

#include <algorithm>
#include <climits>

int chainAdvanceFrames()
{
    if (!chain::vocoderSwitches.load().TSMPSMEnabled)
        return chain::hop;
    return std::max(1, int(std::floor(float(chain::hop) * chain::sanitisedFactor(chain::hopfactor.load()))));
}

BlockTiming chainTimingAt(int position)
{
    BlockTiming timing;
    timing.first = double(position);
    if (!chain::vocoderSwitches.load().TSMPSMEnabled) {
        timing.first += 1.0; // the plain frame starts one frame after the position
        return timing;
    }
    timing.smeared = true;
    timing.step = double(chainAdvanceFrames()) / double(chain::hop);
    const double pitch = double(chain::sanitisedFactor(chain::interpfactor.load()));
    timing.first += double(chain::framesize / 2) * (pitch - timing.step);
    return timing;
}

int chainPositionFor(double source)
{
    const double offset = chainTimingAt(0).first;
    return int(std::clamp(std::round(source - offset), double(INT_MIN), double(INT_MAX)));
}
