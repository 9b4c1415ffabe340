#include "ClickTrack.h"

#include "BeatLead.h"

#include <algorithm>
#include <cmath>

namespace {

// Beat tracking needs a beat before and after the one it clicks.
constexpr int minimumBeats = 4;

} // namespace

void ClickTrack::setClick(const float* samples, int frames)
{
    if (samples == nullptr || frames <= 0)
        click_.clear();
    else
        click_.assign(samples, samples + frames);
    reset();
}

void ClickTrack::reset()
{
    carry_ = -1;
    startAt_ = -1;
}

int ClickTrack::place(const float* beats, int n, int offset, const StepSplicer::Block& block, int& lastClicked)
{
    startAt_ = -1;
    if (beats == nullptr || n < minimumBeats)
        return -1;
    const auto heard = [beats, offset](int k) { return double(base::heardFrame(beats[k])) - offset; };
    int clicked = -1;
    for (int p = 0; p < block.pieceCount; ++p) {
        const StepSplicer::Piece& piece = block.pieces[size_t(p)];
        const double end = piece.timing.sourceAt(piece.frames);
        // The first beat heard at or after the piece's first frame.
        int k = 0;
        int count = n - 1;
        while (count > 0) {
            const int half = count / 2;
            if (heard(k + half) < piece.timing.first) {
                k += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        for (; k <= n - 2 && heard(k) < end; ++k) {
            if (k == lastClicked)
                continue;
            const double frame = std::ceil(piece.timing.frameOf(heard(k)) - 1e-9);
            startAt_ = piece.at + std::clamp(int(frame), 0, piece.frames - 1);
            lastClicked = k;
            clicked = k;
        }
    }
    return clicked;
}

void ClickTrack::endBlock(int frames)
{
    if (startAt_ >= 0)
        carry_ = frames - startAt_;
    else if (carry_ >= 0)
        carry_ += frames;
    if (carry_ >= int(click_.size()))
        carry_ = -1;
    startAt_ = -1;
}
