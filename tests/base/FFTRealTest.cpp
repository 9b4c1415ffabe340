#include "FFTReal.h"
#include "RowName.h"
#include "ScalarFFT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <random>
#include <vector>

namespace {

// The spectrum in the class's layout, computed naively in double.
std::vector<double> naiveSpectrum(const std::vector<float>& x)
{
    const size_t n = x.size();
    std::vector<double> f(n, 0.0);
    if (n == 1) {
        f[0] = x[0];
        return f;
    }
    for (size_t k = 0; k <= n / 2; ++k) {
        double re = 0.0;
        double im = 0.0;
        for (size_t i = 0; i < n; ++i) {
            const double angle = 2.0 * M_PI * double(k) * double(i) / double(n);
            re += x[i] * std::cos(angle);
            im += x[i] * std::sin(angle);
        }
        f[k] = re;
        if (k > 0 && k < n / 2)
            f[n / 2 + k] = im;
    }
    return f;
}

std::vector<float> randomBlock(size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> x(n);
    for (float& v : x)
        v = dist(rng);
    return x;
}

class FFTRealSizes : public ::testing::TestWithParam<long>
{
};

TEST_P(FFTRealSizes, ForwardMatchesNaiveDft)
{
    const long n = GetParam();
    const std::vector<float> x = randomBlock(size_t(n), 7);
    const std::vector<float> input = x;
    std::vector<float> f(size_t(n) + 1, 0.0f);
    f[size_t(n)] = 12345.0f; // sentinel past the end

    FFTReal fft(n);
    fft.do_fft(f.data(), x.data());

    const std::vector<double> expected = naiveSpectrum(x);
    // Single-precision butterflies: the error grows about with sqrt(N) log N.
    const double tolerance = 1e-5 * std::sqrt(double(n)) * std::log2(double(n) + 1.0) * 4.0 + 1e-6;
    for (long k = 0; k < n; ++k)
        ASSERT_NEAR(f[size_t(k)], expected[size_t(k)], tolerance) << "bin " << k;
    EXPECT_EQ(f[size_t(n)], 12345.0f);
    EXPECT_EQ(x, input);
}

TEST_P(FFTRealSizes, InverseOfForwardIsNTimesInputAndRescaleRestoresIt)
{
    const long n = GetParam();
    const std::vector<float> x = randomBlock(size_t(n), 11);
    std::vector<float> f(static_cast<size_t>(n));
    std::vector<float> back(size_t(n) + 1, 0.0f);
    back[size_t(n)] = -777.0f;

    FFTReal fft(n);
    fft.do_fft(f.data(), x.data());
    const std::vector<float> spectrum = f;
    fft.do_ifft(f.data(), back.data());
    EXPECT_EQ(f, spectrum) << "the inverse must not touch its input";

    const double tolerance = 1e-5 * std::sqrt(double(n)) * std::log2(double(n) + 1.0) * 4.0 + 1e-6;
    for (long i = 0; i < n; ++i)
        ASSERT_NEAR(back[size_t(i)], double(n) * x[size_t(i)], tolerance * 2) << "sample " << i;

    fft.rescale(back.data());
    for (long i = 0; i < n; ++i)
        ASSERT_NEAR(back[size_t(i)], x[size_t(i)], 1e-5) << "sample " << i;
    EXPECT_EQ(back[size_t(n)], -777.0f);
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FFTRealSizes,
                         ::testing::Values(1L, 2L, 4L, 8L, 16L, 32L, 64L, 128L, 256L, 512L, 1024L, 2048L, 4096L,
                                           8192L));

struct LayoutCase
{
    const char* name;
    long n;
    int kind; // 0 constant, 1 alternating, 2 sine at bin k, 3 cosine at bin k
    long k;
    long expectedIndex;
    double expectedValue; // multiple of n
};

class FFTRealLayout : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(FFTRealLayout, SingleComponentLandsInItsSlot)
{
    const LayoutCase c = GetParam();
    const float a = 0.5f;
    std::vector<float> x(static_cast<size_t>(c.n));
    for (long i = 0; i < c.n; ++i) {
        const double angle = 2.0 * M_PI * double(c.k) * double(i) / double(c.n);
        switch (c.kind) {
        case 0:
            x[size_t(i)] = a;
            break;
        case 1:
            x[size_t(i)] = (i % 2 == 0) ? a : -a;
            break;
        case 2:
            x[size_t(i)] = float(std::sin(angle));
            break;
        default:
            x[size_t(i)] = float(std::cos(angle));
            break;
        }
    }
    std::vector<float> f(static_cast<size_t>(c.n));
    FFTReal fft(c.n);
    fft.do_fft(f.data(), x.data());
    for (long i = 0; i < c.n; ++i) {
        const double expected = (i == c.expectedIndex) ? c.expectedValue * double(c.n) : 0.0;
        ASSERT_NEAR(f[size_t(i)], expected, 2e-3) << c.name << " index " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Spectrum, FFTRealLayout,
                         ::testing::Values(LayoutCase{"constant", 64, 0, 0, 0, 0.5},
                                           LayoutCase{"alternating", 64, 1, 0, 32, 0.5},
                                           LayoutCase{"sine_bin_5_positive_upper_half", 64, 2, 5, 32 + 5, 0.5},
                                           LayoutCase{"cosine_bin_5", 64, 3, 5, 5, 0.5},
                                           LayoutCase{"sine_bin_1_of_8", 8, 2, 1, 5, 0.5},
                                           LayoutCase{"cosine_bin_300_of_1024", 1024, 3, 300, 300, 0.5}),
                         RowName());

// A float's bit pattern: equal patterns are the same value with the same
// zero sign.
uint32_t bitsOf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The vectorised stages against the plain scalar transform, bit for bit:
// every length, values of all signs, and zeros of both signs (a zero's sign
// decides the phase of a silent bin, which the analysis carries forward).
struct ExactCase
{
    const char* name;
    int zeroEvery; // 0: no zeros
};

void PrintTo(const ExactCase& c, std::ostream* os)
{
    *os << c.name;
}

class FFTRealExact : public ::testing::TestWithParam<ExactCase>
{
};

TEST_P(FFTRealExact, EqualsTheScalarTransformBitForBit)
{
    const ExactCase& c = GetParam();
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> value(-1000.0f, 1000.0f);
    for (int bits = 0; bits <= 14; ++bits) {
        const long n = 1L << bits;
        FFTReal fft(n);
        ScalarFFT scalar(n);
        const size_t size = static_cast<size_t>(n);
        std::vector<float> x(size), f(size), expectedF(size), y(size), expectedY(size);
        for (long i = 0; i < n; ++i) {
            x[size_t(i)] = value(rng);
            if (c.zeroEvery > 0 && i % c.zeroEvery == 0)
                x[size_t(i)] = (i / c.zeroEvery) % 2 ? 0.0f : -0.0f;
        }
        fft.do_fft(f.data(), x.data());
        scalar.do_fft(expectedF.data(), x.data());
        fft.do_ifft(f.data(), y.data());
        scalar.do_ifft(f.data(), expectedY.data());
        for (long k = 0; k < n; ++k) {
            ASSERT_EQ(bitsOf(f[size_t(k)]), bitsOf(expectedF[size_t(k)]))
                << "forward, length " << n << ", entry " << k << ": " << f[size_t(k)] << " against "
                << expectedF[size_t(k)];
            ASSERT_EQ(bitsOf(y[size_t(k)]), bitsOf(expectedY[size_t(k)]))
                << "inverse, length " << n << ", entry " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FFTRealExact,
                         ::testing::Values(ExactCase{"Values", 0}, ExactCase{"SomeZeros", 3},
                                           ExactCase{"AllZeros", 1}),
                         RowName());

} // namespace
