#include "response/GraphScale.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {
// A value's position between two limits, on a linear or a logarithmic scale.
double fraction(double v, double lo, double hi, double logLo, double logHi, TMyAxisFormat format)
{
    if (format == TMyAxisFormat::Log) {
        const double lv = v > 0 ? std::log10(v) : std::log10(0.1 * lo);
        return (lv - logLo) / (logHi - logLo);
    }
    return (v - lo) / (hi - lo);
}

double unfraction(double f, double lo, double hi, double logLo, double logHi, TMyAxisFormat format)
{
    if (format == TMyAxisFormat::Log) {
        return std::pow(10.0, logLo + f * (logHi - logLo));
    }
    return lo + f * (hi - lo);
}

void separate(double& lo, double& hi, TMyAxisFormat format)
{
    if (hi == lo) {
        hi = format == TMyAxisFormat::Log ? lo * 10 : hi + 1;
    }
}
} // namespace

double GraphScale::screenX(double x) const
{
    return width * fraction(x, xMin, xMax, logXMin, logXMax, xFormat);
}

double GraphScale::screenY(double y) const
{
    return height - height * fraction(y, yMin, yMax, logYMin, logYMax, yFormat);
}

double GraphScale::plotX(double px, int pageLeft) const
{
    return unfraction((px - pageLeft) / width, xMin, xMax, logXMin, logXMax, xFormat);
}

double GraphScale::plotY(double py, int pageTop) const
{
    return unfraction(-(py - pageTop - height) / height, yMin, yMax, logYMin, logYMax, yFormat);
}

void GraphScale::compareMaxMin()
{
    separate(yMin, yMax, yFormat);
    separate(xMin, xMax, xFormat);
}

void GraphScale::calculateLogMaxMin()
{
    if (xFormat == TMyAxisFormat::Log) {
        if (xMax <= 0) {
            xMax = 10;
        }
        if (xMin <= 0) {
            xMin = xMax * 0.1;
        }
        logXMin = std::log10(xMin);
        logXMax = std::log10(xMax);
    }
    if (yFormat == TMyAxisFormat::Log) {
        if (yMax <= 0) {
            yMax = 10;
        }
        if (yMin <= 0) {
            yMin = yMax * 0.01;
        }
        logYMin = std::log10(yMin);
        logYMax = std::log10(yMax);
    }
}

namespace {
void repairLog(double& lo, double& hi, double& logLo, double& logHi)
{
    if (hi <= 0) {
        hi = 10;
        lo = 1;
    } else if (lo <= 0) {
        lo = hi * 0.1;
    }
    logLo = std::log10(lo);
    logHi = std::log10(hi);
}
} // namespace

void GraphScale::repairLogX()
{
    repairLog(xMin, xMax, logXMin, logXMax);
}
void GraphScale::repairLogY()
{
    repairLog(yMin, yMax, logYMin, logYMax);
}

int pixelOf(double v)
{
    constexpr double kFar = 1e6;
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

double upperFrequency(TSampleRate rate)
{
    return (static_cast<int>(rate) + 1) * 24000.0;
}

int pointsAcross(TFFTNumber number)
{
    return 256 << static_cast<int>(number);
}

double frequencyIndex(double log10Hz, TFFTNumber number, TSampleRate rate)
{
    return pointsAcross(number) * log10Hz / std::log10(upperFrequency(rate));
}

std::string FormatAxisValue(double value, TStringFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, format, precision, digits);
}

} // namespace qx
