#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace cambist {

namespace {

// Fixed notation of the largest double takes 309 integer digits; with sign,
// point and six decimals the text stays well inside this buffer.
constexpr std::size_t kFixedBufferSize = 400;

std::string fixedText(double x, int precision) {
    std::array<char, kFixedBufferSize> buffer{};
    // std::to_chars is specified to format as printf does in the C locale,
    // independent of the process locale.
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                            std::chars_format::fixed, precision);
    if (error != std::errc{}) {
        return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
    }
    return std::string(buffer.data(), end);
}

// The decimal parse of a text: the number at its start, or 0 when the text
// does not start with one. Only unsigned numerals reach it from a finite
// value ("12", "1.", "0.123457").
double parseLeadingNumber(const std::string& text) {
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)end;
    // A prefix of a finite double's text is never out of range, so the only
    // failure is a text such as "in" or "na" that holds no number at all.
    return error == std::errc{} ? value : 0.0;
}

}  // namespace

std::string fixedSixText(double x) { return fixedText(x, 6); }

std::string fixedZeroText(double x) { return fixedText(x, 0); }

int decimalPoints(const std::string& s) {
    int count = 0;
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        if (*it == '.') {
            return count;
        }
        ++count;
    }
    return 0;
}

std::string formatFloat(double x) {
    std::string s = fixedSixText(x);
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    if (s == "-0") {
        return "0";
    }
    return s;
}

std::string formatFloatWithMinDp(double x, int n) {
    std::string s = formatFloat(x);
    if (n > 0 && decimalPoints(s) == 0) {
        s.push_back('.');
    }
    while (decimalPoints(s) < n) {
        s.push_back('0');
    }
    return s;
}

double delDigitFromFloat(double x, int n) {
    const bool negative = x < 0;
    const double magnitude = negative ? -x : x;
    std::string shown = formatFloatWithMinDp(magnitude, n);
    shown.pop_back();  // formatFloat never returns an empty text
    if (shown.empty()) {
        return +0.0;
    }
    const double value = parseLeadingNumber(shown);
    return negative ? -value : value;
}

std::optional<std::string> typeableText(double x, int maxDigits) {
    if (!std::isfinite(x) || maxDigits < 1) return std::nullopt;
    const double magnitude = std::fabs(x);
    // Whole digits the value needs, at least one (the entry counts the 0 of
    // "0.5" too).
    const int whole = magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    if (whole > maxDigits) return std::nullopt;
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                            std::chars_format::fixed, maxDigits - whole);
    if (error != std::errc()) return std::nullopt;
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    // Rounding may carry into one more whole digit (999999999999.6).
    const std::size_t point = std::min(text.find('.'), text.size());
    if (point - (text.front() == '-' ? 1 : 0) > static_cast<std::size_t>(maxDigits)) return std::nullopt;
    return text;
}

}  // namespace cambist
