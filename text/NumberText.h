// Display texts of numbers, and the backspace that works through them.
//
// Every conversion here is locale-independent: the decimal separator is
// always "." and no group separators appear, whatever locale the process runs
// under (a Qt application adopts the user's locale at start-up, so the C
// library's printf and strtod cannot be trusted for this).
#pragma once

#include <optional>
#include <string>

namespace cambist {

// The "%f" text of x: six decimals, no exponent, "-" kept on values that round
// to zero; "inf", "-inf", "nan" for values that are not finite.
std::string fixedSixText(double x);

// The "%.0f" text of x: x rounded to whole units, no point.
std::string fixedZeroText(double x);

// Number of characters after the last "." of s; 0 when s has no "." or ends
// with it.
int decimalPoints(const std::string& s);

// x at six decimals, trailing zeros and a trailing point removed, and "0" in
// place of "-0". Non-finite values keep the library's text.
std::string formatFloat(double x);

// formatFloat(x) padded with "." and "0" until it shows at least n decimals.
std::string formatFloatWithMinDp(double x, int n);

// The value of x's shown text (formatFloatWithMinDp(|x|, n)) with its last
// character removed, carrying x's sign. A text that does not start with a
// number reads as 0.
double delDigitFromFloat(double x, int n);

// x as digits a person could type: rounded to at most maxDigits significant
// digits, in fixed notation, without trailing zeros ("-1199.10105",
// "0.000123456789"). None when x is not finite or its whole part alone needs
// more than maxDigits digits.
std::optional<std::string> typeableText(double x, int maxDigits);

}  // namespace cambist
