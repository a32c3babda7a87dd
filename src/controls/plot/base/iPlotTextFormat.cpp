#include "controls/plot/base/iPlotTextFormat.h"

#include "controls/plot/base/iMath.h"
#include "platform/text/DateTime.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <stdexcept>

namespace {

std::string Trim(const std::string& Text)
{
    const auto first = Text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return Text.substr(first, Text.find_last_not_of(' ') - first + 1);
}

/// The styles that take the value apart (exponent, whole part, fraction) cannot write an
/// infinite or undefined value: it becomes the "Error" text.
double Finite(double Value)
{
    if (!std::isfinite(Value))
        throw std::range_error("value out of range");
    return Value;
}

std::string Fixed(int Decimals, double Value)
{
    return Trim(Format("%." + std::to_string(Decimals) + "f", Value));
}

std::string PrefixText(const TiPlotTextFormatSettings& Settings, const TiPlotTextScale& Scale, double Value)
{
    const int e = Value == 0 ? 0 : static_cast<int>(std::trunc(Log10(std::fabs(Finite(Value))) / 3) * 3);
    const double s = Value / static_cast<double>(Power(10, e));
    const int d = DecimalsForRange(Settings.Precision, Settings.PrecisionStyle, 0, s);
    std::string text = "Unknown";
    if (const char* letter = SiPrefix(e))
        text = Fixed(d, s) + letter;
    if (Scale.Span > 1e-10 && Value > -1e-12 && Value < 1e-12) {
        text = "0.";
        text.append(static_cast<std::size_t>(d), '0');
    }
    return text;
}

std::string DateTimeText(const std::string& Pattern, double Value)
{
    if (!Pattern.empty() && std::toupper(static_cast<unsigned char>(Pattern[0])) == 'J') {
        // Whole days before the time of day; a day count beyond 64 bits cannot be written.
        if (!(std::fabs(Value) < 9e18))
            throw std::range_error("day count out of range");
        const long long days = static_cast<long long>(std::trunc(Value));
        return Trim(std::to_string(days) + " " + FormatDateTime(std::string_view(Pattern).substr(1), Value));
    }
    return Trim(FormatDateTime(Pattern, Value));
}

std::string Price32ndsText(double Value)
{
    // A negative price is written from its magnitude behind a minus.
    if (Finite(Value) < 0) {
        std::string text = "-";
        text += Price32ndsText(-Value);
        return text;
    }
    const double w = Value + 1.0 / 512;
    const auto n = static_cast<int>(std::nearbyint((w - std::trunc(w)) * 1024));
    // Whole part, 32nds in two digits, then eighths of a 32nd.
    return Format("%.0f.%02d%d", std::trunc(w), n / 32, (n % 32) / 4);
}

std::string StyleText(const TiPlotTextFormatSettings& Settings, const TiPlotTextScale& Scale, double Value,
                      bool& Final)
{
    const int precision = ClampPlotPrecision(Settings.Precision);
    switch (Settings.Style) {
    case iptfValue: {
        if (Scale.ScaleType == ipstLinear)
            return Fixed(DecimalsForRange(precision, Settings.PrecisionStyle, 0, Scale.Span), Value);
        if (Value <= 0) {
            Final = true;
            return "Unknown";
        }
        const int labelsPrecision = ClampPlotPrecision(Scale.LabelsPrecision);
        int d = labelsPrecision;
        if (Scale.LabelsPrecisionStyle != ipsFixedDecimalPoints)
            d = std::max(0, labelsPrecision - 1 - static_cast<int>(std::trunc(Log10(Finite(Value)))));
        return Fixed(d, Value);
    }
    case iptfExponent: {
        const int p = Settings.PrecisionStyle == ipsFixedDecimalPoints ? precision + 1 : precision;
        return Trim(Format("%." + std::to_string(p) + "e", Value));
    }
    case iptfPrefix: {
        TiPlotTextFormatSettings clamped = Settings;
        clamped.Precision = precision;
        return PrefixText(clamped, Scale, Value);
    }
    case iptfDateTime:
        return DateTimeText(Settings.DateTimeFormat, Value);
    case iptfPrice32nds:
        return Price32ndsText(Value);
    case iptfThousands: {
        std::string pattern = "#,#0";
        const int d = DecimalsForRange(precision, Settings.PrecisionStyle, 0, Scale.Span);
        if (d > 0) {
            pattern += '.';
            pattern.append(static_cast<std::size_t>(d), '0');
        }
        return Trim(FormatFloat(pattern, Value));
    }
    }
    return "Unknown";
}

} // namespace

int ClampPlotPrecision(int Precision) { return std::clamp(Precision, 0, kMaxPlotPrecision); }

int DecimalsForRange(int Precision, TiPrecisionStyle PrecisionStyle, double A, double B)
{
    if (PrecisionStyle == ipsFixedDecimalPoints)
        return Precision;
    if (PrecisionStyle != ipsSignificantDigits || Precision <= 0)
        return 0;
    const double d = std::fabs(B - A);
    if (!std::isfinite(d))
        return 0;
    int r = d != 0 ? Precision - (static_cast<int>(std::trunc(Log10(d))) + 1) : 0;
    if (d < 1)
        r += 1;
    return std::max(r, 0);
}

const char* SiPrefix(int Exponent)
{
    switch (Exponent) {
    case 24: return "Y";
    case 21: return "Z";
    case 18: return "E";
    case 15: return "P";
    case 12: return "T";
    case 9: return "G";
    case 6: return "M";
    case 3: return "K";
    case 0: return "";
    case -3: return "m";
    case -6: return "?";
    case -9: return "n";
    case -12: return "p";
    case -15: return "f";
    case -18: return "a";
    case -21: return "z";
    case -24: return "y";
    default: return nullptr;
    }
}

std::string FormatPlotValue(const TiPlotTextFormatSettings& Settings, const TiPlotTextScale& Scale, double Value,
                            bool& Final)
{
    Final = false;
    try {
        return StyleText(Settings, Scale, Value, Final);
    } catch (const std::exception&) {
        return "Error";
    }
}
