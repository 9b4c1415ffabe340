// Azimuth discrimination and resynthesis (Barry, Lawlor & Coyle, "Sound
// source separation: azimuth discrimination and resynthesis", DAFx 2004),
// bin by bin on the magnitude spectra of one stereo frame.
//
// For every bin the ratio of the quieter to the louder channel (weighted by
// how far the two phases agree) places the bin between the channels; bins
// near the chosen position and inside the band are the source. ADRess keeps
// the source and scales every other bin by (bleed / 100)²; ADRessInvert
// scales the source's bins instead. Both accumulate a leaky histogram of
// where the energy sits (plotarray, 0 = fully left, 100 = centre, 199 = near
// fully right) and its 400-point interpolation (grapharray) for the display.
//
// Magnitudes are changed in place (bins 0 … n/2 − 1); phases are only read.
#pragma once

// Histogram of the last steps, leaking by 0.9 per step; state of the chain.
extern float plotarray[200];
// plotarray at double resolution: the isolation curve before scaling.
extern float grapharray[400];

// azimuth: signed side gain (negative: measured from the left channel,
// positive: from the right; 0 leaves every bin alone); range: width around
// |azimuth|; cut: band edge in bins; bleed: 0 … 100; hipass: band above
// (true) or below (false) the edge. softBypass is not read.
void ADRess(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight, const float* phasesRight,
            float azimuth, float range, float cut, float bleed, int n, bool softBypass, bool hipass);
void ADRessInvert(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight, const float* phasesRight,
                  float azimuth, float range, float cut, float bleed, int n, bool softBypass, bool hipass);
