#include "FastMath.h"

#include <climits>
#include <cmath>
#include <cstring>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace base {

namespace {

// Eight floats through the compiler's vector extension: two SSE operations
// per line in the default build, one in the AVX2 clone.
typedef float Vec8 __attribute__((vector_size(32)));
typedef int Int8 __attribute__((vector_size(32)));

constexpr int lanes = 8;

// Everything below is inlined into each clone, so that the AVX2 clone runs
// AVX2 code throughout.
#define TB_INLINE inline __attribute__((always_inline))
// π/4, π/2 and π as a float and the float remainder: the additions of
// the arctangent keep their accuracy where they cancel.
constexpr float quarterPi = 0.785398163397448310f;
constexpr float quarterPiLow = float(0.785398163397448310 - double(quarterPi));
constexpr float halfPi = 1.570796326794896619f;
constexpr float halfPiLow = float(1.570796326794896619 - double(halfPi));
constexpr float piF = 3.141592653589793238f;
constexpr float piLow = float(3.141592653589793238 - double(piF));

TB_INLINE Vec8 splat(float v)
{
    return Vec8{v, v, v, v, v, v, v, v};
}

TB_INLINE Int8 splatInt(int v)
{
    return Int8{v, v, v, v, v, v, v, v};
}

TB_INLINE Vec8 load(const float* p)
{
    Vec8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

TB_INLINE void store(float* p, const Vec8& v)
{
    std::memcpy(p, &v, sizeof v);
}

TB_INLINE Vec8 absolute(const Vec8& v)
{
    return (Vec8)((Int8)v & splatInt(0x7fffffff));
}

TB_INLINE Int8 signBits(const Vec8& v)
{
    return (Int8)v & splatInt(INT_MIN);
}

// Rounds as std::sqrt does: both are the correctly rounded IEEE root.
TB_INLINE Vec8 squareRoot(const Vec8& v)
{
#if defined(__SSE__)
    __m128 halves[2];
    std::memcpy(halves, &v, sizeof v);
    halves[0] = _mm_sqrt_ps(halves[0]);
    halves[1] = _mm_sqrt_ps(halves[1]);
    Vec8 r;
    std::memcpy(&r, halves, sizeof r);
    return r;
#else
    Vec8 r;
    for (int i = 0; i < lanes; ++i)
        r[i] = std::sqrt(v[i]);
    return r;
#endif
}

// atan2 by octant: the smaller of |x|, |y| over the larger, reduced below
// tan(π/8) by (t − 1)/(t + 1) with π/4 added back, then a minimax
// polynomial of degree 9 (Moshier's). Zeros as std::atan2: the ratio of two
// zeros counts as 0, a negative zero x as a negative x.
TB_INLINE void atan2Lanes(const Vec8& y, const Vec8& x, Vec8& out)
{
    const Vec8 ax = absolute(x);
    const Vec8 ay = absolute(y);
    const Int8 swap = ay > ax;
    const Vec8 small = swap ? ax : ay;
    const Vec8 large = swap ? ay : ax;
    const Int8 above = small > large * splat(0.414213562373095049f);
    // One division for both ranges: (s − l)/(s + l) is (t − 1)/(t + 1).
    const Vec8 num = above ? small - large : small;
    const Vec8 den = above ? small + large : large;
    Vec8 t = num / den;
    t = large > splat(0.0f) ? t : splat(0.0f);
    const Vec8 z = t * t;
    Vec8 p = splat(8.05374449538e-2f) * z - splat(1.38776856032e-1f);
    p = p * z + splat(1.99777106478e-1f);
    p = p * z - splat(3.33329491539e-1f);
    p = p * z * t + t;
    Vec8 r = (above ? splat(quarterPi) : splat(0.0f)) + (p + (above ? splat(quarterPiLow) : splat(0.0f)));
    r = swap ? (splat(halfPi) - r) + splat(halfPiLow) : r;
    r = signBits(x) != splatInt(0) ? (splat(piF) - r) + splat(piLow) : r;
    out = (Vec8)((Int8)r | signBits(y));
}

// sin and cos after Moshier: x reduced by the nearest even multiple j of
// π/4 in three parts of π/4 (exact products for |x| far beyond 1000), two
// polynomials on [−π/4, π/4], swapped and signed by j.
TB_INLINE void sinCosLanes(const Vec8& x, Vec8& s, Vec8& c)
{
    const Vec8 ax = absolute(x);
    Int8 j = __builtin_convertvector(ax * splat(1.27323954473516268f), Int8);
    j = (j + splatInt(1)) & splatInt(~1);
    const Vec8 q = __builtin_convertvector(j, Vec8);
    Vec8 r = ax - q * splat(0.78515625f);
    r = r - q * splat(2.4187564849853515625e-4f);
    r = r - q * splat(3.77489497744594108e-8f);
    const Vec8 z = r * r;
    Vec8 ps = splat(-1.9515295891e-4f) * z + splat(8.3321608736e-3f);
    ps = ps * z - splat(1.6666654611e-1f);
    ps = ps * z * r + r;
    Vec8 pc = splat(2.443315711809948e-5f) * z - splat(1.388731625493765e-3f);
    pc = pc * z + splat(4.166664568298827e-2f);
    pc = pc * z * z - splat(0.5f) * z + splat(1.0f);
    const Int8 swapped = (j & splatInt(2)) != splatInt(0);
    const Vec8 sine = swapped ? pc : ps;
    const Vec8 cosine = swapped ? ps : pc;
    const Int8 sineSign = (((j & splatInt(4)) != splatInt(0)) & splatInt(INT_MIN)) ^ signBits(x);
    const Int8 cosineSign = (((j + splatInt(2)) & splatInt(4)) != splatInt(0)) & splatInt(INT_MIN);
    s = (Vec8)((Int8)sine ^ sineSign);
    c = (Vec8)((Int8)cosine ^ cosineSign);
}

// Runs lanesOf over whole groups of eight, then over the tail padded with
// `pad` (a value every lane function accepts).
template <int Inputs, int Outputs, class Lanes>
TB_INLINE void overArrays(const float* const (&in)[Inputs], float* const (&out)[Outputs], int n, Lanes lanesOf)
{
    int k = 0;
    for (; k + lanes <= n; k += lanes) {
        Vec8 v[Inputs];
        Vec8 r[Outputs];
        for (int i = 0; i < Inputs; ++i)
            v[i] = load(in[i] + k);
        lanesOf(v, r);
        for (int o = 0; o < Outputs; ++o)
            store(out[o] + k, r[o]);
    }
    if (k == n)
        return;
    float tail[Inputs][lanes] = {};
    float result[Outputs][lanes];
    for (int i = 0; i < Inputs; ++i)
        std::memcpy(tail[i], in[i] + k, sizeof(float) * size_t(n - k));
    Vec8 v[Inputs];
    Vec8 r[Outputs];
    for (int i = 0; i < Inputs; ++i)
        v[i] = load(tail[i]);
    lanesOf(v, r);
    for (int o = 0; o < Outputs; ++o) {
        store(result[o], r[o]);
        std::memcpy(out[o] + k, result[o], sizeof(float) * size_t(n - k));
    }
}

} // namespace

__attribute__((target_clones("avx2", "default"))) void atan2Array(const float* y, const float* x, float* out, int n)
{
    overArrays<2, 1>({y, x}, {out}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) { atan2Lanes(v[0], v[1], r[0]); });
}

__attribute__((target_clones("avx2", "default"))) void sinCosArray(const float* x, float* s, float* c, int n)
{
    overArrays<1, 2>({x}, {s, c}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) { sinCosLanes(v[0], r[0], r[1]); });
}

__attribute__((target_clones("avx2", "default"))) void polarOfBins(const float* a, const float* b, float* magnitudes,
                                                                  float* phases, int n)
{
    overArrays<2, 2>({a, b}, {magnitudes, phases}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) {
        r[0] = squareRoot(v[0] * v[0] + v[1] * v[1]);
        atan2Lanes(-v[1], v[0], r[1]);
    });
}

__attribute__((target_clones("avx2", "default"))) void binsOfPolar(const float* magnitudes, const float* phases,
                                                                  float* a, float* b, int n)
{
    overArrays<2, 2>({magnitudes, phases}, {a, b}, n, [](const Vec8* v, Vec8* r) __attribute__((always_inline)) {
        Vec8 s, c;
        sinCosLanes(v[1], s, c);
        r[0] = c * v[0];
        r[1] = -(s * v[0]);
    });
}

} // namespace base
