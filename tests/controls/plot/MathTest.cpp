// The plot library's mathematics: logarithm and power, the three interpolants against
// values computed here by other means, and the integer segment tests.

#include "controls/plot/base/iMath.h"
#include "controls/plot/base/iPlotError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

/// 1-based arrays as the interpolants take them.
std::vector<double> OneBased(std::initializer_list<double> values)
{
    std::vector<double> a{0};
    a.insert(a.end(), values);
    return a;
}

void ExpectRaises(const std::function<void()>& f, const char* text)
{
    try {
        f();
        ADD_FAILURE() << "nothing raised, expected " << text;
    } catch (const EiPlotError& e) {
        EXPECT_STREQ(e.what(), text);
    }
}

/// The cubic spline whose end slopes are the end segments' slopes, solved here as a dense
/// linear system for the second derivatives and evaluated piecewise.
double ReferenceSpline(const std::vector<double>& x, const std::vector<double>& y, double at)
{
    const int n = static_cast<int>(x.size()) - 1;
    std::vector<std::vector<double>> a(static_cast<std::size_t>(n + 1), std::vector<double>(static_cast<std::size_t>(n + 2), 0));
    const auto h = [&](int i) { return x[static_cast<std::size_t>(i + 1)] - x[static_cast<std::size_t>(i)]; };
    const auto slope = [&](int i) { return (y[static_cast<std::size_t>(i + 1)] - y[static_cast<std::size_t>(i)]) / h(i); };
    auto cell = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; };
    cell(1, 1) = 2 * h(1);
    cell(1, 2) = h(1);
    cell(1, n + 1) = 0;  // 6 * (slope(1) - end slope), both the first segment's slope
    for (int i = 2; i < n; ++i) {
        cell(i, i - 1) = h(i - 1);
        cell(i, i) = 2 * (h(i - 1) + h(i));
        cell(i, i + 1) = h(i);
        cell(i, n + 1) = 6 * (slope(i) - slope(i - 1));
    }
    cell(n, n - 1) = h(n - 1);
    cell(n, n) = 2 * h(n - 1);
    cell(n, n + 1) = 0;
    for (int c = 1; c <= n; ++c)
        for (int r = c + 1; r <= n; ++r) {
            const double f = cell(r, c) / cell(c, c);
            for (int k = c; k <= n + 1; ++k)
                cell(r, k) -= f * cell(c, k);
        }
    std::vector<double> m(static_cast<std::size_t>(n + 1));
    for (int r = n; r >= 1; --r) {
        double s = cell(r, n + 1);
        for (int k = r + 1; k <= n; ++k)
            s -= cell(r, k) * m[static_cast<std::size_t>(k)];
        m[static_cast<std::size_t>(r)] = s / cell(r, r);
    }
    int i = 1;
    while (i < n - 1 && at > x[static_cast<std::size_t>(i + 1)])
        ++i;
    const double hi = h(i);
    const double t0 = x[static_cast<std::size_t>(i + 1)] - at;
    const double t1 = at - x[static_cast<std::size_t>(i)];
    const double m0 = m[static_cast<std::size_t>(i)];
    const double m1 = m[static_cast<std::size_t>(i + 1)];
    return m0 * t0 * t0 * t0 / (6 * hi) + m1 * t1 * t1 * t1 / (6 * hi) +
           (y[static_cast<std::size_t>(i)] / hi - m0 * hi / 6) * t0 + (y[static_cast<std::size_t>(i + 1)] / hi - m1 * hi / 6) * t1;
}

TEST(PlotMath, LogarithmAndPowerWithinTheLastBit)
{
    EXPECT_EQ(static_cast<double>(Log10(1000)), 3.0);
    EXPECT_EQ(static_cast<double>(Log10(1e-6)), -6.0);
    EXPECT_EQ(static_cast<double>(Power(2, 10)), 1024.0);
    EXPECT_EQ(static_cast<double>(Power(10, -6)), 1e-6);
    EXPECT_NEAR(static_cast<double>(Log10(2)), 0.30102999566398119523, 1e-17);
    ExpectRaises([] { Log10(0); }, "Floating point division by zero");
    ExpectRaises([] { Log10(-1); }, "Invalid floating point operation");
    ExpectRaises([] { Power(0, 2); }, "Floating point division by zero");
    ExpectRaises([] { Power(-2, 0.5); }, "Invalid floating point operation");
}

TEST(PlotMath, SplineMatchesAnIndependentSolution)
{
    struct Case { std::vector<double> x, y; };
    const Case cases[] = {
        {OneBased({0, 1, 2}), OneBased({0, 1, 0})},
        {OneBased({0, 2}), OneBased({0, 4})},
        {OneBased({-3, -1, 0.5, 2, 7}), OneBased({2, -1, 4, 4.5, 0})},
        {OneBased({1, 2, 4, 8, 16, 32}), OneBased({0, 1, 2, 3, 4, 5})},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.x.size()) - 1;
        std::vector<double> y2;
        Spline(c.x, c.y, n, y2);
        ASSERT_EQ(y2.size(), c.x.size());
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(Splint(c.x, c.y, y2, n, c.x[static_cast<std::size_t>(i)]), c.y[static_cast<std::size_t>(i)], 1e-12)
                << "the curve passes through its points";
        for (double at = c.x[1]; at <= c.x.back(); at += (c.x.back() - c.x[1]) / 37)
            EXPECT_NEAR(Splint(c.x, c.y, y2, n, at), ReferenceSpline(c.x, c.y, at), 1e-9) << "x " << at;
    }
    std::vector<double> y2;
    const auto x = OneBased({0, 2});
    Spline(x, OneBased({0, 4}), 2, y2);
    EXPECT_DOUBLE_EQ(Splint(x, OneBased({0, 4}), y2, 2, 1), 2) << "two points give the straight line";
    const auto x3 = OneBased({0, 1, 2});
    Spline(x3, OneBased({0, 1, 0}), 3, y2);
    EXPECT_DOUBLE_EQ(Splint(x3, OneBased({0, 1, 0}), y2, 3, 1), 1);
    EXPECT_DOUBLE_EQ(Splint(x3, OneBased({0, 1, 0}), y2, 3, 0), 0);
    EXPECT_DOUBLE_EQ(Splint(x3, OneBased({0, 1, 0}), y2, 3, 2), 0);
}

TEST(PlotMath, SplintRefusesEqualNeighboursAndShortArrays)
{
    const std::vector<double> y2(3, 0.0);
    ExpectRaises([&] { Splint(OneBased({1, 1}), OneBased({0, 2}), y2, 2, 1); }, "Splint Error - xa's must be distinct");
    ExpectRaises([&] { Splint(OneBased({1, 2}), OneBased({0, 2}), y2, 5, 1); }, "Interpolation array too short");
    std::vector<double> out;
    ExpectRaises([&] { Spline(OneBased({1}), OneBased({0}), 1, out); }, "Interpolation array too short");
    double y = 0, dy = 0;
    ExpectRaises([&] { PolynomialInterpolate(OneBased({1, 2}), OneBased({0, 2}), 0, 1, y, dy); },
                 "Interpolation array too short");
}

TEST(PlotMath, PolynomialInterpolationReproducesPolynomials)
{
    // A polynomial of degree n - 1 through n points is reproduced exactly.
    const auto cubic = [](double v) { return 2 * v * v * v - 3 * v * v + v - 7; };
    const auto x = OneBased({-2, -0.5, 1, 3});
    std::vector<double> y{0};
    for (std::size_t i = 1; i < x.size(); ++i)
        y.push_back(cubic(x[i]));
    for (const double at : {-3.0, -1.0, 0.0, 0.25, 2.0, 4.5}) {
        double value = 0, dy = 0;
        PolynomialInterpolate(x, y, 4, at, value, dy);
        EXPECT_NEAR(value, cubic(at), 1e-9) << "x " << at;
    }
    double value = 0, dy = 0;
    PolynomialInterpolate(OneBased({0, 1, 2}), OneBased({0, 1, 4}), 3, 3, value, dy);
    EXPECT_DOUBLE_EQ(value, 9);
    ExpectRaises([&] { PolynomialInterpolate(OneBased({1, 1, 2}), OneBased({0, 1, 4}), 3, 3, value, dy); },
                 "Polynomial Interpolation Error - Pause in Routine Data");
}

TEST(PlotMath, RationalInterpolationReproducesRationalFunctions)
{
    // (1 + x) / (2 + x) is a diagonal rational function of degree 1 over 1: three points fix it.
    const auto f = [](double v) { return (1 + v) / (2 + v); };
    const auto x = OneBased({0, 1, 3});
    const auto y = OneBased({f(0), f(1), f(3)});
    for (const double at : {0.5, 2.0, 5.0, 10.0}) {
        double value = 0, dy = 0;
        RationalInterpolate(x, y, 3, at, value, dy);
        EXPECT_NEAR(value, f(at), 1e-9) << "x " << at;
    }
    double value = 0, dy = 5;
    RationalInterpolate(x, y, 3, 1, value, dy);
    EXPECT_EQ(value, f(1)) << "a knot gives its point";
    EXPECT_EQ(dy, 0);
    // (0, 1) and (1, 2) fix 2 / (2 - x), whose pole lies at x = 2.
    ExpectRaises([&] { RationalInterpolate(OneBased({0, 1}), OneBased({1, 2}), 2, 2, value, dy); },
                 "Rational Interpolation Error - Pause in Routine Data");
}

TEST(PlotMath, LineThroughPoints)
{
    double slope = 0, intercept = 0;
    LineThroughPoints({0, 1}, {2, 5}, slope, intercept);
    EXPECT_DOUBLE_EQ(slope, 2);
    EXPECT_DOUBLE_EQ(intercept, 1);
    LineThroughPoints({3, 1}, {3, 9}, slope, intercept);
    EXPECT_DOUBLE_EQ(slope, 1e30) << "a vertical line";
}

TEST(PlotMath, SegmentTestsHandleVerticalAndCollinearSegments)
{
    struct Case { TPoint a1, a2, b1, b2; bool meet; const char* what; };
    const Case cases[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true, "crossing diagonals"},
        {{5, 0}, {5, 10}, {0, 5}, {10, 5}, true, "vertical across horizontal"},
        {{5, 0}, {5, 10}, {0, 20}, {10, 20}, false, "vertical below a horizontal"},
        {{5, 0}, {5, 10}, {6, 0}, {6, 10}, false, "two parallel verticals"},
        {{5, 0}, {5, 10}, {5, 5}, {5, 20}, true, "overlapping verticals"},
        {{0, 0}, {4, 4}, {2, 2}, {8, 8}, true, "overlapping collinear"},
        {{0, 0}, {4, 4}, {5, 5}, {8, 8}, false, "collinear apart"},
        {{0, 0}, {10, 0}, {10, 0}, {10, 10}, true, "touching ends"},
        {{0, 0}, {10, 1}, {0, 1}, {10, 2}, false, "parallel slanted"},
        {{0, 0}, {10, 3}, {4, 2}, {6, -2}, true, "crossing near an integer point"},
        {{0, 0}, {1, 100}, {3, 0}, {3, 100}, false, "steep segment short of a vertical"},
        {{2, 0}, {2, 100}, {0, 50}, {1, 50}, false, "vertical right of a short segment"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SegmentsIntersect(c.a1, c.a2, c.b1, c.b2), c.meet) << c.what;
        EXPECT_EQ(SegmentsIntersect(c.b1, c.b2, c.a1, c.a2), c.meet) << c.what << " (swapped)";
    }
}

TEST(PlotMath, SegmentAgainstRectangle)
{
    const TRect r{10, 10, 20, 20};
    struct Case { TPoint p1, p2; bool hit; const char* what; };
    const Case cases[] = {
        {{12, 12}, {18, 18}, true, "wholly inside"},
        {{5, 0}, {5, 30}, false, "vertical left of it"},
        {{15, 0}, {15, 30}, true, "vertical through it"},
        {{0, 15}, {30, 15}, true, "horizontal through it"},
        {{0, 0}, {30, 30}, true, "diagonal through it"},
        {{0, 30}, {30, 25}, false, "below it"},
        {{20, 20}, {30, 30}, true, "touching the corner"},
        {{15, 15}, {40, 40}, true, "one end inside"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SegmentIntersectsRect(c.p1, c.p2, r), c.hit) << c.what;
}

} // namespace
