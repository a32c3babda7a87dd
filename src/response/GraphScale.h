#pragma once
// The response graph's mapping between data values and main-page pixels, and
// the repair of axis limits, as a value type free of widgets.
//
// x is the log-frequency index (4096 log10(f) / log10(24000) for the usual
// 4096-point, 48 kHz graph), y is dB or phase units. A Linear axis maps its
// limits to the page edges: XMin to column 0, XMax to column W; YMax to row 0
// and YMin to row H (one below the last row). A Log axis does the same with
// the logarithms, placing a value at or below 0 at a tenth of the minimum.

#include <string>

#include "platform/text/FloatFormat.h"
#include "response/GraphEnums.h"

namespace qx {

struct GraphScale
{
    double xMin = 1030.0;
    double xMax = 4130.0;
    double yMin = -18.0;
    double yMax = 18.0;
    TMyAxisFormat xFormat = TMyAxisFormat::Linear;
    TMyAxisFormat yFormat = TMyAxisFormat::Linear;
    // log10 of the limits, kept while an axis is Log.
    double logXMin = 0.0;
    double logXMax = 0.0;
    double logYMin = 0.0;
    double logYMax = 0.0;
    // Size of the main page in pixels.
    int width = 0;
    int height = 0;

    // Data to main-page pixels, not truncated.
    double screenX(double x) const;
    double screenY(double y) const;
    // Control pixels back to data; pageLeft and pageTop place the main page on the control.
    double plotX(double px, int pageLeft) const;
    double plotY(double py, int pageTop) const;

    // Equal limits are pulled apart (max = min * 10 on a Log axis, min + 1 on a Linear one).
    void compareMaxMin();
    // On a Log axis a non-positive maximum becomes 10 and a non-positive minimum a tenth
    // (x) or a hundredth (y) of the maximum; the logarithms are stored.
    void calculateLogMaxMin();
    // Switching an axis to Log: a non-positive maximum gives 10 and 1, a non-positive
    // minimum a tenth of the maximum.
    void repairLogX();
    void repairLogY();
};

// A pixel coordinate: truncated toward zero, a value far off any page pulled in
// to a million pixels first so that it stays an int (the line towards it
// leaves the page the same way). Callers keep non-finite values away.
int pixelOf(double v);

// Upper frequency of the x axis (24000 for 48 kHz, 48000 for 96 kHz, 72000 for 192 kHz)
// and the points across it (256 * 2^k).
double upperFrequency(TSampleRate rate);
int pointsAcross(TFFTNumber number);
// The x index of a frequency given as its log10.
double frequencyIndex(double log10Hz, TFFTNumber number, TSampleRate rate);

// An axis value as the labels write it (the class library's float-to-text conversion).
std::string FormatAxisValue(double value, TStringFloatFormat format, int precision, int digits);

} // namespace qx
