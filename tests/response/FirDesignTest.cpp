// FIR designs against the textbook definitions: each window in its usual
// form over the window's length, and the ideal low-, high- and band-pass
// impulse responses, for odd and even lengths; then the documented values
// and the handling of bad settings.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "response/FirDesign.h"

namespace {

const double kPiValue = std::acos(-1.0);

// Four-term cosine sum in its usual form: a0 - a1 cos + a2 cos - a3 cos.
std::function<double(double, double)> cosineSum(double a0, double a1, double a2, double a3)
{
    return [=](double n, double len) {
        const double t = 2 * kPiValue * n / len;
        return a0 - a1 * std::cos(t) + a2 * std::cos(2 * t) - a3 * std::cos(3 * t);
    };
}

double normalisedSinc(double x)
{
    return x == 0 ? 1.0 : std::sin(kPiValue * x) / (kPiValue * x);
}

// Window value at position n (0..len) from the window's start.
std::function<double(double, double)> windowDefinition(int window)
{
    switch (window) {
    case 0:
        return [](double, double) { return 1.0; };
    case 1:
        return [](double n, double len) { return 1.0 - std::fabs(2 * n / len - 1); };
    case 2:
        return cosineSum(0.5, 0.5, 0, 0);
    case 3:
        return cosineSum(0.54, 0.46, 0, 0);
    case 4:
        return cosineSum(0.42, 0.5, 0.08, 0);
    case 5: // "SINE" is the Nuttall sum as the processor makes it
    case 7:
        return cosineSum(0.335768, 0.487396, 0.144232, 0.012604);
    case 6:
        return [](double n, double len) { return normalisedSinc(2 * n / len - 1); };
    case 8:
        return cosineSum(0.402, 0.498, 0.098, 0.001);
    case 9:
        return cosineSum(0.3635819, 0.4891775, 0.1365995, 0.0106411);
    default:
        return cosineSum(0.35875, 0.48829, 0.14128, 0.01168);
    }
}

double idealLowPass(int i, double edge)
{
    return edge / kPiValue * normalisedSinc(edge * i / kPiValue);
}

double edge(double hz)
{
    return 2 * kPiValue * hz / 48000.0;
}

TEST(FirDesign, WindowsFollowTheirDefinitions)
{
    for (int window = 0; window < qx::kFirWindowCount; ++window) {
        const auto definition = windowDefinition(window);
        for (int n : {7, 8, 255, 256, 1024}) {
            for (int i = -n / 2; i <= n / 2; ++i) {
                ASSERT_NEAR(qx::firWindowValue(window, i, n), definition(i + n / 2.0, n), 1e-12)
                    << "window " << window << " N " << n << " i " << i;
            }
        }
    }
}

TEST(FirDesign, WindowValuesOfNote)
{
    EXPECT_EQ(qx::firWindowValue(1, 128, 256), 0.0);
    EXPECT_EQ(qx::firWindowValue(1, -128, 256), 0.0);
    EXPECT_EQ(qx::firWindowValue(2, 128, 256), 0.0);
    EXPECT_EQ(qx::firWindowValue(2, -128, 256), 0.0);
    EXPECT_NEAR(qx::firWindowValue(7, 0, 256), 0.98, 1e-15);
    EXPECT_NEAR(qx::firWindowValue(7, 128, 256), -0.02, 1e-15);
    for (int i = -50; i <= 50; ++i) {
        ASSERT_EQ(qx::firWindowValue(5, i, 101), qx::firWindowValue(7, i, 101)) << i;
    }
    EXPECT_EQ(qx::firWindowValue(11, 0, 256), 0.0);
    EXPECT_EQ(qx::firWindowValue(-1, 0, 256), 0.0);
}

TEST(FirDesign, TapsAreTheWindowedIdealResponses)
{
    const double low = 700.0;
    const double high = 3000.0;
    const std::function<double(int)> ideal[] = {
        [&](int i) { return idealLowPass(i, edge(high)); },
        [&](int i) { return (i == 0 ? 1.0 : 0.0) - idealLowPass(i, edge(low)); },
        [&](int i) { return idealLowPass(i, edge(high)) - idealLowPass(i, edge(low)); },
    };
    for (int type = qx::kFirLowPass; type <= qx::kFirBandPass; ++type) {
        for (int window = 0; window < qx::kFirWindowCount; ++window) {
            for (int n : {7, 8, 256, 1023}) {
                std::vector<double> taps;
                ASSERT_TRUE(DesignFirTaps({type, window, low, high, n}, taps));
                const int h = n / 2;
                ASSERT_EQ(taps.size(), static_cast<std::size_t>(2 * h + 1)) << n;
                const auto definition = windowDefinition(window);
                for (int i = -h; i <= h; ++i) {
                    ASSERT_NEAR(taps[static_cast<std::size_t>(i + h)],
                                ideal[type - 1](i) * definition(i + n / 2.0, n), 1e-12)
                        << "type " << type << " window " << window << " N " << n << " i " << i;
                }
            }
        }
    }
}

TEST(FirDesign, CentreTapsOfNote)
{
    std::vector<double> taps;
    ASSERT_TRUE(DesignFirTaps({qx::kFirLowPass, 0, 0.0, 1000.0, 256}, taps));
    EXPECT_NEAR(taps[128], 1000.0 / 24000.0, 1e-15);
    ASSERT_TRUE(DesignFirTaps({qx::kFirHighPass, 0, 1000.0, 0.0, 256}, taps));
    EXPECT_NEAR(taps[128], 1.0 - 1000.0 / 24000.0, 1e-15);
    ASSERT_TRUE(DesignFirTaps({qx::kFirBandPass, 4, 1000.0, 1000.0, 256}, taps));
    for (double t : taps) {
        ASSERT_EQ(t, 0.0);
    }
}

TEST(FirDesign, ImpulseSitsAtTheFirstTapForEveryWindow)
{
    for (int window = 0; window < qx::kFirWindowCount; ++window) {
        std::vector<double> taps;
        ASSERT_TRUE(DesignFirTaps({qx::kFirImpulse, window, 100.0, 5000.0, 300}, taps));
        ASSERT_EQ(taps.size(), 301U);
        EXPECT_EQ(taps[0], 1.0);
        for (std::size_t k = 1; k < taps.size(); ++k) {
            ASSERT_EQ(taps[k], 0.0) << k;
        }
    }
}

TEST(FirDesign, BadSettings)
{
    struct Case
    {
        qx::FirSettings design;
        bool designed;
        std::size_t size;
    };
    const Case cases[] = {
        {{qx::kFirLowPass, -1, 0, 1000, 256}, false, 0},
        {{qx::kFirLowPass, 11, 0, 1000, 256}, false, 0},
        {{qx::kFirLowPass, 255, 0, 1000, 256}, false, 0},
        {{-1, 0, 0, 1000, 256}, false, 0},
        {{4, 0, 0, 1000, 256}, false, 0},
        {{qx::kFirLowPass, 0, 0, 1000, 0}, true, 1},
        {{qx::kFirBandPass, 3, 0, 1000, -7}, true, 1},
        {{qx::kFirLowPass, 0, 0, 1000, 100000}, true, 4097},
        {{qx::kFirLowPass, 0, 0, 1000, 4097}, true, 4097},
        {{qx::kFirLowPass, 0, 0, 1000, 1}, true, 1},
    };
    for (const Case& c : cases) {
        std::vector<double> taps{5.0};
        EXPECT_EQ(DesignFirTaps(c.design, taps), c.designed)
            << "type " << c.design.type << " window " << c.design.window << " N " << c.design.tapCount;
        EXPECT_EQ(taps.size(), c.size) << "N " << c.design.tapCount;
    }
    std::vector<double> taps;
    DesignFirTaps({qx::kFirHighPass, 2, 500, 0, -3}, taps);
    EXPECT_EQ(taps, std::vector<double>{1.0}); // below one tap: the impulse
}

} // namespace
