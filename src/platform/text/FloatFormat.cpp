#include "platform/text/FloatFormat.h"

#include "platform/text/DecimalDigits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using qx::DecimalDigits;
using qx::ToDecimalDigits;

constexpr int kAnyDecimals = 9999;
constexpr int kPicturePrecision = 15;

std::optional<std::string> SpecialValueText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

std::string Sign(const DecimalDigits& d)
{
    return d.negative ? "-" : "";
}

std::string ExponentText(int exponent, bool alwaysSigned, int minDigits)
{
    std::string text = exponent < 0 ? "-" : (alwaysSigned ? "+" : "");
    const std::string number = std::to_string(std::abs(exponent));
    if (static_cast<int>(number.size()) < minDigits)
        text.append(static_cast<std::size_t>(minDigits) - number.size(), '0');
    return text + number;
}

// Digits before the point, without leading zeros ("" below 1).
std::string IntegerDigits(const DecimalDigits& d)
{
    if (d.exponent <= 0)
        return {};
    std::string digits = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
    digits.resize(static_cast<std::size_t>(d.exponent), '0');
    return digits;
}

// Digits after the point, without trailing zeros.
std::string FractionDigits(const DecimalDigits& d)
{
    if (d.exponent >= static_cast<int>(d.digits.size()))
        return {};
    if (d.exponent >= 0)
        return d.digits.substr(static_cast<std::size_t>(d.exponent));
    return std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
}

std::string GroupThousands(const std::string& integer)
{
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += ',';
        out += integer[i];
    }
    return out;
}

std::string GeneralText(double value, int precision, int exponentDigits)
{
    const DecimalDigits d = ToDecimalDigits(value, precision, kAnyDecimals);
    if (d.IsZero())
        return "0";
    if (d.exponent > precision || d.exponent < -4) {
        std::string text = Sign(d) + d.digits[0];
        if (d.digits.size() > 1)
            text.append(1, '.').append(d.digits, 1);
        return text.append(1, 'E').append(ExponentText(d.exponent - 1, false, exponentDigits));
    }
    const std::string integer = IntegerDigits(d);
    const std::string fraction = FractionDigits(d);
    return Sign(d) + (integer.empty() ? "0" : integer) + (fraction.empty() ? "" : "." + fraction);
}

std::string ExponentFormText(double value, int precision, int exponentDigits)
{
    const DecimalDigits d = ToDecimalDigits(value, precision, kAnyDecimals);
    std::string mantissa = d.digits;
    mantissa.resize(static_cast<std::size_t>(precision), '0');
    std::string text = Sign(d) + mantissa[0];
    if (precision > 1)
        text.append(1, '.').append(mantissa, 1);
    return text.append(1, 'E').append(ExponentText(d.IsZero() ? 0 : d.exponent - 1, true, exponentDigits));
}

std::string FixedText(double value, int precision, int decimals, bool grouped)
{
    const DecimalDigits d = ToDecimalDigits(value, precision, decimals);
    if (d.exponent > precision)
        return GeneralText(value, precision, 0);
    const std::string integer = d.exponent > 0 ? IntegerDigits(d) : std::string(1, '0');
    std::string fraction = FractionDigits(d);
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    return Sign(d) + (grouped ? GroupThousands(integer) : integer) + (decimals > 0 ? "." + fraction : "");
}

std::string CurrencyText(double value, int precision, int decimals)
{
    const std::string number = FixedText(value, precision, decimals, true);
    if (!number.empty() && number[0] == '-')
        return "($" + number.substr(1) + ")";
    return "$" + number;
}

}  // namespace

std::string FloatToStrF(double value, TStringFloatFormat format, int precision, int digits)
{
    if (auto special = SpecialValueText(value))
        return *special;
    precision = std::clamp(precision, 1, 18);
    switch (format) {
    case sffGeneral:
        return GeneralText(value, precision, std::clamp(digits, 0, 4));
    case sffExponent:
        return ExponentFormText(value, precision, std::clamp(digits, 0, 4));
    case sffFixed:
        return FixedText(value, precision, std::clamp(digits, 0, 18), false);
    case sffNumber:
        return FixedText(value, precision, std::clamp(digits, 0, 18), true);
    case sffCurrency:
        return CurrencyText(value, precision, std::clamp(digits, 0, 18));
    }
    return GeneralText(value, precision, 0);
}

std::string FloatToStr(double value)
{
    return FloatToStrF(value, sffGeneral, 15, 0);
}

namespace {

// One section of a picture pattern.
class Picture {
public:
    explicit Picture(std::string_view section) { Parse(section); }

    // The magnitude rounded as the section shows it.
    DecimalDigits Round(double magnitude) const
    {
        if (!scientific_)
            return ToDecimalDigits(magnitude, kPicturePrecision, fractionPlaceholders_);
        return ToDecimalDigits(magnitude, std::min(kPicturePrecision, MantissaDigits()), kAnyDecimals);
    }

    std::string Render(const DecimalDigits& d, bool minus) const;

private:
    struct Token {
        enum Kind { IntegerDigit, FractionDigit, Point, Exponent, Literal } kind;
        std::string text;  // literal text, or the exponent letter
        bool exponentSigned = false;
        int exponentDigits = 0;
    };

    void Parse(std::string_view section);
    void AddLiteral(std::string_view text);
    int MantissaDigits() const { return std::max(1, integerPlaceholders_) + fractionPlaceholders_; }
    int MinIntegerDigits() const { return firstIntegerZero_ < 0 ? 0 : integerPlaceholders_ - firstIntegerZero_; }
    int MinFractionDigits() const { return lastFractionZero_ + 1; }

    std::vector<Token> tokens_;
    int integerPlaceholders_ = 0;
    int firstIntegerZero_ = -1;
    int fractionPlaceholders_ = 0;
    int lastFractionZero_ = -1;
    bool grouping_ = false;
    bool scientific_ = false;
};

void Picture::AddLiteral(std::string_view text)
{
    if (!tokens_.empty() && tokens_.back().kind == Token::Literal)
        tokens_.back().text += text;
    else
        tokens_.push_back({Token::Literal, std::string(text)});
}

void Picture::Parse(std::string_view s)
{
    bool seenPoint = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = s.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            AddLiteral(s.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !scientific_) {
            if (!seenPoint) {
                if (c == '0' && firstIntegerZero_ < 0)
                    firstIntegerZero_ = integerPlaceholders_;
                ++integerPlaceholders_;
                tokens_.push_back({Token::IntegerDigit, {}});
            } else {
                if (c == '0')
                    lastFractionZero_ = fractionPlaceholders_;
                ++fractionPlaceholders_;
                tokens_.push_back({Token::FractionDigit, {}});
            }
        } else if (c == '.' && !seenPoint && !scientific_) {
            seenPoint = true;
            tokens_.push_back({Token::Point, {}});
        } else if (c == ',' && !scientific_) {
            grouping_ = grouping_ || !seenPoint;
        } else if ((c == 'E' || c == 'e') && !scientific_ && i + 2 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')
                   && s[i + 2] == '0') {
            std::size_t end = i + 2;
            while (end < s.size() && s[end] == '0')
                ++end;
            scientific_ = true;
            tokens_.push_back({Token::Exponent, std::string(1, c), s[i + 1] == '+',
                               static_cast<int>(std::min<std::size_t>(end - (i + 2), 4))});
            i = end - 1;
        } else {
            AddLiteral(s.substr(i, 1));
        }
    }
}

std::string Picture::Render(const DecimalDigits& d, bool minus) const
{
    std::string integer;
    std::string fraction;
    int exponent = 0;
    if (scientific_) {
        const int integerDigits = std::max(1, integerPlaceholders_);
        std::string mantissa = d.digits;
        mantissa.resize(static_cast<std::size_t>(MantissaDigits()), '0');
        integer = d.IsZero() ? std::string() : mantissa.substr(0, static_cast<std::size_t>(integerDigits));
        fraction = mantissa.substr(static_cast<std::size_t>(integerDigits));
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        exponent = d.IsZero() ? 0 : d.exponent - integerDigits;
    } else {
        integer = IntegerDigits(d);
        fraction = FractionDigits(d);
    }
    if (static_cast<int>(integer.size()) < MinIntegerDigits())
        integer.insert(0, static_cast<std::size_t>(MinIntegerDigits()) - integer.size(), '0');
    if (static_cast<int>(fraction.size()) < MinFractionDigits())
        fraction.resize(static_cast<std::size_t>(MinFractionDigits()), '0');

    const int n = static_cast<int>(integer.size());
    const auto emitIntegerDigits = [&](std::string& out, int from, int to) {
        for (int pos = std::max(from, 0); pos < to; ++pos) {
            out += integer[static_cast<std::size_t>(pos)];
            if (grouping_ && pos < n - 1 && (n - pos - 1) % 3 == 0)
                out += ',';
        }
    };

    std::string out = minus ? "-" : "";
    int integerIndex = 0;
    int fractionIndex = 0;
    for (const Token& token : tokens_) {
        switch (token.kind) {
        case Token::IntegerDigit: {
            // The first placeholder takes every digit beyond the placeholders' count.
            const int first = integerIndex == 0 ? 0 : n - integerPlaceholders_ + integerIndex;
            emitIntegerDigits(out, first, n - integerPlaceholders_ + integerIndex + 1);
            ++integerIndex;
            break;
        }
        case Token::Point:
            if (integerPlaceholders_ == 0)
                emitIntegerDigits(out, 0, n);
            if (!fraction.empty())
                out += '.';
            break;
        case Token::FractionDigit:
            if (fractionIndex < static_cast<int>(fraction.size()))
                out += fraction[static_cast<std::size_t>(fractionIndex)];
            ++fractionIndex;
            break;
        case Token::Exponent:
            out += token.text + ExponentText(exponent, token.exponentSigned, token.exponentDigits);
            break;
        case Token::Literal:
            out += token.text;
            break;
        }
    }
    return out;
}

std::vector<std::string_view> SplitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

}  // namespace

std::string FormatFloat(std::string_view pattern, double value)
{
    if (pattern.empty() || SpecialValueText(value))
        return FloatToStr(value);
    const std::vector<std::string_view> sections = SplitSections(pattern);
    const auto hasSection = [&](std::size_t i) { return i < sections.size() && !sections[i].empty(); };
    const double magnitude = std::fabs(value);

    if (value != 0.0) {
        const bool ownNegative = value < 0 && hasSection(1);
        const Picture picture(sections[ownNegative ? 1 : 0]);
        const DecimalDigits d = picture.Round(magnitude);
        if (!d.IsZero() || !hasSection(2))
            return picture.Render(d, value < 0 && !ownNegative && !d.IsZero());
    }
    const Picture zero(sections[hasSection(2) ? 2 : 0]);
    return zero.Render({}, false);
}
