// Pasted text as key presses: exactly what the text says, or nothing.
//
// The text is read whole before any key is pressed. It is a sequence of
// numbers, the operators + - * / ^ (or the window's own × ÷ −), brackets and
// "=", separated by any white space. A number is digits with at most one
// decimal point and no more digits than one entry holds (counted as the
// entry counts them: leading zeros of the whole part are free). A minus
// where a number can stand (at the start, after an operator or after "(")
// and followed by a number is that number's sign: it is typed as the number
// followed by the sign change. A text that starts with a number replaces the
// entry, as if C were pressed first, so whatever the main display shows,
// pasted back, gives the same value.
//
// Anything else refuses the whole text: another character, a 13th digit, a
// second point, two numbers or two operators in a row, a number or "(" right
// after a number or ")", and a text longer than kMaxPastedLength.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "KeyCatalogue.h"

namespace cambist {

// The longest text a paste reads, in bytes of UTF-8. It is checked before
// anything is read.
inline constexpr std::size_t kMaxPastedLength = 1000;

// Why a text was refused; the window says it in the user's language.
enum class PasteRefusal : std::uint8_t {
    None,
    TooLong,
    UnknownCharacter,
    TooManyDigits,
    SecondPoint,
    PointWithoutDigit,
    PointAndComma,
    NumberAfterNumber,
    BracketAfterNumber,
    TwoOperators,
    BracketAfterOperator,
    EqualsAfterOperator,
    SignWithoutNumber,
};

struct PastedKeys {
    std::vector<KeyPress> presses;  // empty when refused
    PasteRefusal refusal = PasteRefusal::None;
    bool ok() const { return refusal == PasteRefusal::None; }
};

// commaIsDecimalPoint: under a locale whose decimal separator is a comma, a
// comma is read as the point when the text holds no point; a text with both
// is refused (one of them would be a group separator).
PastedKeys keysForPastedText(std::string_view utf8, bool commaIsDecimalPoint);

}  // namespace cambist
