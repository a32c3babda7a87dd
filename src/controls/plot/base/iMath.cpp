#include "controls/plot/base/iMath.h"

#include "controls/plot/base/iPlotError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr double kTiny = 1.0e-25;

void RequirePoints(std::span<const double> a, int n)
{
    if (n < 1 || a.size() < static_cast<std::size_t>(n) + 1)
        throw EiPlotError("Interpolation array too short");
}

/// The 1-based index of the xa nearest to x (the first of equal distances).
int NearestIndex(std::span<const double> xa, int n, double x)
{
    int ns = 1;
    double dif = std::fabs(x - xa[1]);
    for (int i = 2; i <= n; ++i) {
        const double dift = std::fabs(x - xa[static_cast<std::size_t>(i)]);
        if (dift < dif) {
            ns = i;
            dif = dift;
        }
    }
    return ns;
}

/// The last stage of Neville's scheme, shared by the polynomial and the rational
/// interpolant: the tableau columns c and d are walked toward the nearest point.
template <class Step>
void NevilleTableau(std::span<const double> ya, int n, int ns, std::vector<double>& c, std::vector<double>& d,
                    double& y, double& dy, Step step)
{
    y = ya[static_cast<std::size_t>(ns)];
    ns = ns - 1;
    dy = 0;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i)
            step(m, i);
        if (2 * ns < n - m) {
            dy = c[static_cast<std::size_t>(ns + 1)];
        } else {
            dy = d[static_cast<std::size_t>(ns)];
            ns = ns - 1;
        }
        y = y + dy;
    }
}

/// Sign of the turn from a to b to c: 1 counter-clockwise, -1 clockwise, 0 collinear.
int Orientation(TPoint a, TPoint b, TPoint c)
{
    const std::int64_t cross = (static_cast<std::int64_t>(b.X) - a.X) * (static_cast<std::int64_t>(c.Y) - a.Y) -
                               (static_cast<std::int64_t>(b.Y) - a.Y) * (static_cast<std::int64_t>(c.X) - a.X);
    return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

/// For a point collinear with a-b: whether it lies within the segment's box.
bool WithinBox(TPoint a, TPoint b, TPoint p)
{
    return p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) && p.Y >= std::min(a.Y, b.Y) &&
           p.Y <= std::max(a.Y, b.Y);
}

} // namespace

long double Log10(long double X)
{
    if (X == 0)
        throw EiPlotError("Floating point division by zero");
    if (!(X > 0))
        throw EiPlotError("Invalid floating point operation");
    return std::log10(X);
}

long double Power(long double Base, long double Exponent)
{
    if (Base == 0)
        throw EiPlotError("Floating point division by zero");
    if (!(Base > 0))
        throw EiPlotError("Invalid floating point operation");
    return std::pow(Base, Exponent);
}

void Spline(std::span<const double> xa, std::span<const double> ya, int n, std::vector<double>& y2a)
{
    RequirePoints(xa, n);
    RequirePoints(ya, n);
    if (n < 2)
        throw EiPlotError("Interpolation array too short");
    const auto at = [](std::span<const double> a, int i) { return static_cast<long double>(a[static_cast<std::size_t>(i)]); };
    std::vector<long double> y2(static_cast<std::size_t>(n) + 1, 0.0L);
    std::vector<long double> u(static_cast<std::size_t>(n) + 1, 0.0L);

    const long double s1 = (at(ya, 2) - at(ya, 1)) / (at(xa, 2) - at(xa, 1));
    if (s1 <= 0.99e30L) {
        y2[1] = -0.5L;
        u[1] = (3.0L / (at(xa, 2) - at(xa, 1))) * ((at(ya, 2) - at(ya, 1)) / (at(xa, 2) - at(xa, 1)) - s1);
    }
    for (int i = 2; i <= n - 1; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const long double sig = (at(xa, i) - at(xa, i - 1)) / (at(xa, i + 1) - at(xa, i - 1));
        const long double p = sig * y2[k - 1] + 2.0L;
        y2[k] = (sig - 1.0L) / p;
        u[k] = (at(ya, i + 1) - at(ya, i)) / (at(xa, i + 1) - at(xa, i)) -
               (at(ya, i) - at(ya, i - 1)) / (at(xa, i) - at(xa, i - 1));
        u[k] = (6.0L * u[k] / (at(xa, i + 1) - at(xa, i - 1)) - sig * u[k - 1]) / p;
    }
    const auto last = static_cast<std::size_t>(n);
    long double qn = 0.0L;
    long double un = 0.0L;
    const long double sn = (at(ya, n) - at(ya, n - 1)) / (at(xa, n) - at(xa, n - 1));
    if (sn <= 0.99e30L) {
        qn = 0.5L;
        un = (3.0L / (at(xa, n) - at(xa, n - 1))) * (sn - (at(ya, n) - at(ya, n - 1)) / (at(xa, n) - at(xa, n - 1)));
    }
    y2[last] = (un - qn * u[last - 1]) / (qn * y2[last - 1] + 1.0L);
    for (int k = n - 1; k >= 1; --k) {
        const auto j = static_cast<std::size_t>(k);
        y2[j] = y2[j] * y2[j + 1] + u[j];
    }
    y2a.assign(y2.begin(), y2.end());
}

double Splint(std::span<const double> xa, std::span<const double> ya, std::span<const double> y2a, int n, double x)
{
    RequirePoints(xa, n);
    RequirePoints(ya, n);
    RequirePoints(y2a, n);
    int klo = 1;
    int khi = n;
    while (khi - klo > 1) {
        const int k = (khi + klo) / 2;
        if (xa[static_cast<std::size_t>(k)] > x)
            khi = k;
        else
            klo = k;
    }
    const auto lo = static_cast<std::size_t>(klo);
    const auto hi = static_cast<std::size_t>(khi);
    const long double h = static_cast<long double>(xa[hi]) - xa[lo];
    if (h == 0)
        throw EiPlotError("Splint Error - xa's must be distinct");
    const long double a = (xa[hi] - static_cast<long double>(x)) / h;
    const long double b = (x - static_cast<long double>(xa[lo])) / h;
    return static_cast<double>(a * ya[lo] + b * ya[hi] +
                               ((a * a * a - a) * y2a[lo] + (b * b * b - b) * y2a[hi]) * (h * h) / 6.0L);
}

void PolynomialInterpolate(std::span<const double> xa, std::span<const double> ya, int n, double x, double& y,
                           double& dy)
{
    RequirePoints(xa, n);
    RequirePoints(ya, n);
    std::vector<double> c(ya.begin(), ya.begin() + n + 1);
    std::vector<double> d = c;
    NevilleTableau(ya, n, NearestIndex(xa, n, x), c, d, y, dy, [&](int m, int i) {
        const auto k = static_cast<std::size_t>(i);
        const long double ho = static_cast<long double>(xa[k]) - x;
        const long double hp = static_cast<long double>(xa[k + static_cast<std::size_t>(m)]) - x;
        const long double w = static_cast<long double>(c[k + 1]) - d[k];
        long double den = ho - hp;
        if (den == 0)
            throw EiPlotError("Polynomial Interpolation Error - Pause in Routine Data");
        den = w / den;
        d[k] = static_cast<double>(hp * den);
        c[k] = static_cast<double>(ho * den);
    });
}

void RationalInterpolate(std::span<const double> xa, std::span<const double> ya, int n, double x, double& y,
                         double& dy)
{
    RequirePoints(xa, n);
    RequirePoints(ya, n);
    for (int i = 1; i <= n; ++i)
        if (x == xa[static_cast<std::size_t>(i)]) {
            y = ya[static_cast<std::size_t>(i)];
            dy = 0;
            return;
        }
    std::vector<double> c(ya.begin(), ya.begin() + n + 1);
    std::vector<double> d = c;
    for (int i = 1; i <= n; ++i)
        d[static_cast<std::size_t>(i)] += kTiny;
    NevilleTableau(ya, n, NearestIndex(xa, n, x), c, d, y, dy, [&](int m, int i) {
        const auto k = static_cast<std::size_t>(i);
        const long double w = static_cast<long double>(c[k + 1]) - d[k];
        const long double h = static_cast<long double>(xa[k + static_cast<std::size_t>(m)]) - x;
        const long double t = (static_cast<long double>(xa[k]) - x) * d[k] / h;
        long double dd = t - c[k + 1];
        if (dd == 0)
            throw EiPlotError("Rational Interpolation Error - Pause in Routine Data");
        dd = w / dd;
        d[k] = static_cast<double>(c[k + 1] * dd);
        c[k] = static_cast<double>(t * dd);
    });
}

void LineThroughPoints(TPoint P1, TPoint P2, double& Slope, double& Intercept)
{
    if (P2.X == P1.X)
        Slope = 1e30;
    else
        Slope = static_cast<double>(P2.Y - static_cast<double>(P1.Y)) / (P2.X - static_cast<double>(P1.X));
    Intercept = P1.Y - P1.X * Slope;
}

bool SegmentsIntersect(TPoint A1, TPoint A2, TPoint B1, TPoint B2)
{
    const int o1 = Orientation(A1, A2, B1);
    const int o2 = Orientation(A1, A2, B2);
    const int o3 = Orientation(B1, B2, A1);
    const int o4 = Orientation(B1, B2, A2);
    if (o1 * o2 < 0 && o3 * o4 < 0)
        return true;
    return (o1 == 0 && WithinBox(A1, A2, B1)) || (o2 == 0 && WithinBox(A1, A2, B2)) ||
           (o3 == 0 && WithinBox(B1, B2, A1)) || (o4 == 0 && WithinBox(B1, B2, A2));
}

bool SegmentIntersectsRect(TPoint P1, TPoint P2, const TRect& R)
{
    const TPoint leftBottom{R.Left, R.Bottom}, leftTop{R.Left, R.Top};
    const TPoint rightTop{R.Right, R.Top}, rightBottom{R.Right, R.Bottom};
    if (SegmentsIntersect(P1, P2, leftBottom, leftTop) || SegmentsIntersect(P1, P2, rightTop, leftTop) ||
        SegmentsIntersect(P1, P2, rightBottom, rightTop) || SegmentsIntersect(P1, P2, leftBottom, rightBottom))
        return true;
    const auto inside = [&R](TPoint p) {
        return p.X >= R.Left && p.X <= R.Right && p.Y >= R.Top && p.Y <= R.Bottom;
    };
    return inside(P1) || inside(P2);
}
