// The waveform's zoom and the arithmetic between its three units, in one
// place for every view that slides with the waveform:
//   unzoomed view pixels  0 … w, where a point lies at zoom 1 (the view
//                         centre, the loop selection's x values, the
//                         overview strip);
//   canvas pixels         0 … W, W = (int)(w / factor), the width of the
//                         sliding canvas at the current level; view x =
//                         canvas x · factor;
//   frames                positions in the decoded recording; on a canvas
//                         W wide a pixel covers frames / W of them.
// All of it in single precision, as the pictures were rendered with it.
#pragma once

#include <cstdint>

// Truncates toward zero into the int range; NaN gives 0. Every float that
// becomes a pixel or a frame index goes through here, so no conversion
// overflows whatever a session file or a far scroll holds.
int saturatingInt(double value);

// One of the eight fixed zoom levels. Level k shows the fraction 0.66^k of
// the recording, each power taken from the previous one in double and
// stored as float (1, 0.66, 0.4356, … 0.05455161). Holding the level, not
// the factor, makes every factor one of the eight: a step in and a step
// out return the very same float, and the picture rendered for a level is
// the one shown in a canvas of that level's width.
class ZoomLevel
{
public:
    static constexpr int levelCount = 8;
    static constexpr int deepestLevel = levelCount - 1;

    // Level 0: the whole recording.
    constexpr ZoomLevel() = default;

    // Clamped into 0 … 7.
    static ZoomLevel fromLevel(int level);
    // The level whose factor is nearest; a factor that is not a finite
    // number above 0 gives level 0 (a stored 0 would divide by zero).
    static ZoomLevel nearest(float factor);
    static float factorOf(int level);

    int level() const { return index; }
    float factor() const { return factorOf(index); }
    bool isWhole() const { return index == 0; }
    bool isDeepest() const { return index == deepestLevel; }

    // One level in (a smaller fraction) or out; unchanged at either end.
    ZoomLevel in() const { return fromLevel(index + 1); }
    ZoomLevel out() const { return fromLevel(index - 1); }

    // W = (int)((float)viewWidth / factor); at least 0.
    int canvasWidth(int viewWidth) const;
    float canvasX(float viewX) const { return viewX / factor(); }
    float viewX(float canvasX) const { return canvasX * factor(); }

    friend bool operator==(ZoomLevel a, ZoomLevel b) { return a.index == b.index; }
    friend bool operator!=(ZoomLevel a, ZoomLevel b) { return a.index != b.index; }

private:
    constexpr explicit ZoomLevel(int level) : index(level) { }

    int index = 0;
};

// Frames laid across a canvas of whole pixels. An empty recording or a
// canvas not yet laid out (width 0) maps everything to pixel 0 and frame 0
// instead of dividing by zero.
class FrameScale
{
public:
    FrameScale(int64_t frames, int canvasWidth);

    // frames / width in single precision; 0 when either is 0 or less.
    float framesPerPixel() const { return perPixel; }
    bool isValid() const { return perPixel > 0.0f; }

    // The exact canvas x of a frame position.
    float pixelOf(float frame) const;
    // floor(pixelOf(frame) + 0.5), saturated.
    int roundedPixelOf(float frame) const;
    float frameOf(float pixel) const { return pixel * perPixel; }

private:
    float perPixel = 0.0f;
};
