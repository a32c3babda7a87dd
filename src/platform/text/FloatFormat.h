#pragma once

#include <string>
#include <string_view>

// The class library's float-to-text conversions, with "." as the decimal
// separator and "," as the thousands separator. Values are rounded halves
// away from zero. Not-a-number gives "NAN", infinities "INF" and "-INF".

enum TStringFloatFormat { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };

// `precision` is the number of significant digits (1-18); `digits` is the
// least number of exponent digits (0-4) for sffGeneral and sffExponent, and
// the number of decimals (0-18) for the other formats. Out-of-range values
// are held at the nearest bound.
//   sffGeneral:  the shortest text of at most `precision` significant digits,
//                without trailing zeros; fixed notation when the integer part
//                has at most `precision` digits and the magnitude is at least
//                0.00001, else "1.5E-7" (a sign only before a negative exponent).
//   sffExponent: "-d.ddddE+dd" with `precision` digits in all.
//   sffFixed:    "-ddd.dd" with `digits` decimals; a value whose integer part
//                has more than `precision` digits is written as sffGeneral.
//   sffNumber:   sffFixed with thousands separators: "1,234,567.89".
//   sffCurrency: sffNumber behind "$", negative values in parentheses: "($1.50)".
std::string FloatToStrF(double value, TStringFloatFormat format, int precision, int digits);

// FloatToStrF(value, sffGeneral, 15, 0).
std::string FloatToStr(double value);

// Picture formatting. Up to three sections separated by ";": for positive
// values, negative values and zero (a missing or empty section falls back to
// the first, which then gets a leading "-" for a negative value). In a section:
// "0" is a digit that is always shown, "#" a digit shown only when
// significant, the first "." the decimal point, a "," before it turns on
// thousands grouping, "E+", "E-", "e+" or "e-" followed by one to four "0"
// gives scientific notation ("+" shows the sign of positive exponents too),
// text in quotes ("..." or '...') is copied without the quotes and any other
// character is copied as it stands. An empty pattern gives FloatToStr.
// Example: FormatFloat("#,#0.00", 98765.4) is "98,765.40".
std::string FormatFloat(std::string_view pattern, double value);
