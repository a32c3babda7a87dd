#pragma once
// Axis values as text: plain values with significant-digit or fixed-decimal precision,
// exponent notation, SI prefixes, dates and times, prices in 32nds and thousands
// separators. Plain value code free of widgets; the axis adds its customisation event and
// the minimum-length adjustment around it.

#include "controls/plot/base/iPlotAxisScale.h"

#include <string>

// A fixed underlying type: a value outside the names (from a file or a cast) stays
// defined and formats as the Parts say ("Unknown", or 0 decimals).
enum TiPlotTextFormat : int { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
enum TiPrecisionStyle : int { ipsSignificantDigits, ipsFixedDecimalPoints };

/// Label, cursor and legend precisions are held within 0..kMaxPlotPrecision.
inline constexpr int kMaxPlotPrecision = 30;
int ClampPlotPrecision(int Precision);

/// Decimal places that show Precision significant digits over the range A..B (or exactly
/// Precision with fixed decimals): precision 2 gives 0 over 120, 1 over 5, 2 over 0.5.
int DecimalsForRange(int Precision, TiPrecisionStyle PrecisionStyle, double A, double B);

/// One format: style, date-time pattern, precision and its style.
struct TiPlotTextFormatSettings
{
    TiPlotTextFormat Style = iptfValue;
    std::string DateTimeFormat = "hh:nn:ss";
    int Precision = 3;
    TiPrecisionStyle PrecisionStyle = ipsSignificantDigits;
};

/// What the axis' scale tells the formatting: the span (decimals of plain values and the
/// zero text of prefixed values), the scale type and, for logarithmic scales, the label
/// precision, which the logarithmic branch reads whatever format is passed.
struct TiPlotTextScale
{
    double Span = 100;
    TiPlotScaleType ScaleType = ipstLinear;
    int LabelsPrecision = 3;
    TiPrecisionStyle LabelsPrecisionStyle = ipsSignificantDigits;
};

/// The text of Value, "Error" when formatting raises and "Unknown" for a style outside the
/// enumeration, a prefix beyond 10^+-24, or a value at or below 0 on a logarithmic scale
/// (that last case sets Final: the text is not customised or measured further).
std::string FormatPlotValue(const TiPlotTextFormatSettings& Settings, const TiPlotTextScale& Scale, double Value,
                            bool& Final);

/// The SI prefix letter of a power of ten that is a multiple of 3 within +-24 ("" for 0,
/// "?" for 10^-6); nullptr for any other power.
const char* SiPrefix(int Exponent);
