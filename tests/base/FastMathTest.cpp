// The vectorised maths against the standard functions in double: atan2
// within 2 units in the last place, sine and cosine within 1.5e-7, the
// special cases of zeros exact, and the polar form of a spectrum there and
// back. Lengths that are not a multiple of the vector width check the tail.
#include "FastMath.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

namespace {

// Distance in units in the last place of the float nearest the exact value.
double ulps(float value, double exact)
{
    const float nearest = float(exact);
    const float next = std::nextafter(std::fabs(nearest), std::numeric_limits<float>::infinity());
    const double unit = double(next) - std::fabs(double(nearest));
    return std::fabs(double(value) - exact) / unit;
}

struct RangeCase
{
    const char* name;
    float low;
    float high;
    int count;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<float> uniform(float low, float high, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> value(low, high);
    std::vector<float> v(static_cast<size_t>(count));
    for (float& x : v)
        x = value(rng);
    return v;
}

class FastAtan2 : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(FastAtan2, WithinTwoUnitsInTheLastPlace)
{
    const RangeCase& c = GetParam();
    const std::vector<float> y = uniform(c.low, c.high, c.count, 1);
    const std::vector<float> x = uniform(c.low, c.high, c.count, 2);
    std::vector<float> out(y.size());
    base::atan2Array(y.data(), x.data(), out.data(), c.count);
    double worst = 0.0;
    for (size_t k = 0; k < y.size(); ++k) {
        const double e = ulps(out[k], std::atan2(double(y[k]), double(x[k])));
        worst = std::max(worst, e);
        ASSERT_LE(e, 2.0) << "atan2(" << y[k] << ", " << x[k] << ") = " << out[k];
    }
    RecordProperty("worst_ulps", ::testing::PrintToString(worst));
}

INSTANTIATE_TEST_SUITE_P(Ranges, FastAtan2,
                         ::testing::Values(RangeCase{"Unit", -1.0f, 1.0f, 100003},
                                           RangeCase{"SpectrumValues", -3e6f, 3e6f, 100001},
                                           RangeCase{"Tiny", -1e-30f, 1e-30f, 10007},
                                           RangeCase{"Short", -5.0f, 5.0f, 5}),
                         RowName());

TEST(FastAtan2, ZerosAndAxesAsTheStandardFunction)
{
    const std::vector<float> y{0.0f, -0.0f, 0.0f, -0.0f, 0.0f, -0.0f, 3.0f, -3.0f, 3.0f, -3.0f, 2.0f, -2.0f, 5.0f};
    const std::vector<float> x{0.0f, 0.0f,  -0.0f, -0.0f, -4.0f, -4.0f, 0.0f,
                               0.0f, -0.0f, -0.0f, 2.0f,  -2.0f, 5.0f};
    std::vector<float> out(y.size());
    base::atan2Array(y.data(), x.data(), out.data(), int(y.size()));
    for (size_t k = 0; k < y.size(); ++k) {
        const float expected = std::atan2(y[k], x[k]);
        EXPECT_EQ(std::signbit(out[k]), std::signbit(expected)) << y[k] << ", " << x[k];
        EXPECT_LE(ulps(out[k], std::atan2(double(y[k]), double(x[k]))), 2.0) << y[k] << ", " << x[k];
    }
}

class FastSinCos : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(FastSinCos, WithinOnePointFiveTenMillionths)
{
    const RangeCase& c = GetParam();
    const std::vector<float> x = uniform(c.low, c.high, c.count, 3);
    std::vector<float> s(x.size()), co(x.size());
    base::sinCosArray(x.data(), s.data(), co.data(), c.count);
    double worst = 0.0;
    for (size_t k = 0; k < x.size(); ++k) {
        const double es = std::fabs(double(s[k]) - std::sin(double(x[k])));
        const double ec = std::fabs(double(co[k]) - std::cos(double(x[k])));
        worst = std::max({worst, es, ec});
        ASSERT_LE(es, 1.5e-7) << "sin(" << x[k] << ") = " << s[k];
        ASSERT_LE(ec, 1.5e-7) << "cos(" << x[k] << ") = " << co[k];
    }
    RecordProperty("worst_error", ::testing::PrintToString(worst));
}

INSTANTIATE_TEST_SUITE_P(Ranges, FastSinCos,
                         ::testing::Values(RangeCase{"Phases", -3.2f, 3.2f, 100003},
                                           RangeCase{"SeveralTurns", -40.0f, 40.0f, 100001},
                                           RangeCase{"UpToAThousand", -1000.0f, 1000.0f, 100001},
                                           RangeCase{"NearZero", -1e-3f, 1e-3f, 1001},
                                           RangeCase{"Short", -3.0f, 3.0f, 3}),
                         RowName());

TEST(FastPolar, MagnitudesExactPhasesCloseAndBackAgain)
{
    const size_t n = 2051;
    const std::vector<float> a = uniform(-1000.0f, 1000.0f, int(n), 4);
    const std::vector<float> b = uniform(-1000.0f, 1000.0f, int(n), 5);
    std::vector<float> magnitudes(n), phases(n), a2(n), b2(n);
    base::polarOfBins(a.data(), b.data(), magnitudes.data(), phases.data(), int(n));
    base::binsOfPolar(magnitudes.data(), phases.data(), a2.data(), b2.data(), int(n));
    for (size_t k = 0; k < n; ++k) {
        ASSERT_EQ(magnitudes[k], std::sqrt(a[k] * a[k] + b[k] * b[k])) << "bin " << k;
        ASSERT_LE(ulps(phases[k], std::atan2(-double(b[k]), double(a[k]))), 2.0) << "bin " << k;
        // cos and sin in float of a magnitude up to 1414: a few float steps.
        ASSERT_NEAR(a2[k], a[k], 1e-3) << "bin " << k;
        ASSERT_NEAR(b2[k], b[k], 1e-3) << "bin " << k;
    }
}

// A float's bit pattern: equal patterns are the same value with the same
// zero sign.
uint32_t bitsOf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The exact polar form: every phase bit for bit the float std::atan2 of
// the C library, whatever the sizes, signs and zeros of the parts.
struct ExactCase
{
    const char* name;
    int lowExponent;
    int highExponent;
};

void PrintTo(const ExactCase& c, std::ostream* os)
{
    *os << c.name;
}

class FastPolarExact : public ::testing::TestWithParam<ExactCase>
{
};

TEST_P(FastPolarExact, PhasesAreTheLibrarysAtan2BitForBit)
{
    const ExactCase& c = GetParam();
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(c.lowExponent, c.highExponent);
    const size_t n = 200003;
    std::vector<float> a(n), b(n), magnitudes(n), phases(n);
    const float specials[] = {0.0f, -0.0f, 1.0f, -1.0f, 2.5f};
    for (size_t k = 0; k < n; ++k) {
        a[k] = std::ldexp(unit(rng), exponent(rng));
        b[k] = std::ldexp(unit(rng), exponent(rng));
        // Zeros, the axes and x = 1 (which takes the arctangent of y itself).
        if (k % 101 == 0)
            a[k] = specials[(k / 101) % 5];
        if (k % 103 == 0)
            b[k] = specials[(k / 103) % 5];
    }
    base::polarOfBinsExact(a.data(), b.data(), magnitudes.data(), phases.data(), int(n));
    for (size_t k = 0; k < n; ++k) {
        const float phase = std::atan2(-b[k], a[k]);
        const float magnitude = std::sqrt(a[k] * a[k] + b[k] * b[k]);
        ASSERT_EQ(bitsOf(phases[k]), bitsOf(phase))
            << "atan2(" << -b[k] << ", " << a[k] << "): " << phases[k] << " against " << phase;
        ASSERT_EQ(bitsOf(magnitudes[k]), bitsOf(magnitude)) << "bin " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, FastPolarExact,
                         ::testing::Values(ExactCase{"SpectrumValues", 0, 24}, ExactCase{"OneSize", 5, 5},
                                           ExactCase{"WideRatios", -60, 60}, ExactCase{"Tiny", -140, -100}),
                         RowName());

} // namespace
