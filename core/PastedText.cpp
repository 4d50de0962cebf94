#include "PastedText.h"

#include <cstdint>

#include "CalController.h"

namespace cambist {

namespace {

// What the previous token leaves room for.
enum class After : std::uint8_t { Start, Number, Operator, Open, Close, Equals };

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

class Reader {
public:
    Reader(std::string_view text, char point) : text_(text), point_(point) {}

    PastedKeys read() {
        while (skipSpace()) {
            if (!readToken()) return refused_;
        }
        if (pendingSign_) {
            refuse(PasteRefusal::SignWithoutNumber);
            return refused_;
        }
        return PastedKeys{std::move(presses_), PasteRefusal::None};
    }

private:
    bool skipSpace() {
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
        return pos_ < text_.size();
    }

    // The symbol at pos_, with the bytes it takes; 0 for none.
    char symbolAt(std::size_t& length) const {
        const std::string_view rest = text_.substr(pos_);
        length = 1;
        switch (rest[0]) {
            case '+': case '-': case '*': case '/': case '^': case '(': case ')': case '=':
                return rest[0];
            default:
                break;
        }
        length = 2;
        if (rest.starts_with("\u00D7")) return '*';
        if (rest.starts_with("\u00F7")) return '/';
        length = 3;
        if (rest.starts_with("\u2212")) return '-';
        return 0;
    }

    bool readToken() {
        const char c = text_[pos_];
        if ((c >= '0' && c <= '9') || c == point_) return readNumber();
        std::size_t length = 0;
        const char symbol = symbolAt(length);
        if (symbol == 0) return refuse(PasteRefusal::UnknownCharacter);
        pos_ += length;
        if (symbol == '-' && pendingSign_) return refuse(PasteRefusal::TwoOperators);
        if (symbol == '-' && (after_ == After::Start || after_ == After::Operator || after_ == After::Open)) {
            // A sign if a number follows; otherwise the subtract key, which
            // readNumber or the next symbol settles.
            pendingSign_ = true;
            return true;
        }
        if (pendingSign_) {
            // The minus was an operator after all.
            pendingSign_ = false;
            if (after_ == After::Operator || after_ == After::Open) return refuse(PasteRefusal::TwoOperators);
            press("minusPressed", "-");
            after_ = After::Operator;
        }
        switch (symbol) {
            case '(':
                if (after_ == After::Number || after_ == After::Close) return refuse(PasteRefusal::BracketAfterNumber);
                press("openBracketPressed", "(");
                after_ = After::Open;
                return true;
            case ')':
                if (after_ == After::Operator) return refuse(PasteRefusal::BracketAfterOperator);
                press("closeBracketPressed", ")");
                after_ = After::Close;
                return true;
            case '=':
                if (after_ == After::Operator) return refuse(PasteRefusal::EqualsAfterOperator);
                press("equalPressed", "=");
                after_ = After::Equals;
                return true;
            default:
                if (after_ == After::Operator) return refuse(PasteRefusal::TwoOperators);
                press(operatorAction(symbol), std::string(1, symbol));
                after_ = After::Operator;
                return true;
        }
    }

    static const char* operatorAction(char symbol) {
        switch (symbol) {
            case '+': return "plusPressed";
            case '-': return "minusPressed";
            case '*': return "multiplyPressed";
            case '/': return "dividePressed";
            default: return "powerPressed";
        }
    }

    bool readNumber() {
        if (after_ == After::Number || after_ == After::Close) return refuse(PasteRefusal::NumberAfterNumber);
        // A text that starts with a number replaces the entry.
        if (after_ == After::Start) press("clearPressed", "C");
        std::int32_t whole = 0;     // counted whole digits
        std::int32_t decimals = 0;  // decimal digits
        bool point = false;
        bool digit = false;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == point_) {
                if (point) return refuse(PasteRefusal::SecondPoint);
                point = true;
                whole = whole == 0 ? 1 : whole;  // the point counts the zero in front of it
                press("dotPressed", ".");
            } else if (c >= '0' && c <= '9') {
                digit = true;
                if (point) {
                    ++decimals;
                } else if (c != '0' || whole > 0) {
                    ++whole;  // a leading zero is not counted
                }
                if (whole + decimals > MAX_DIGITS) return refuse(PasteRefusal::TooManyDigits);
                presses_.push_back({findKeyAction("digitPressed"), c - '0', std::string(1, c)});
            } else {
                break;
            }
        }
        if (!digit) return refuse(PasteRefusal::PointWithoutDigit);
        if (pendingSign_) {
            press("negatePressed", "negate");
            pendingSign_ = false;
        }
        after_ = After::Number;
        return true;
    }

    void press(const char* action, std::string label) {
        presses_.push_back({findKeyAction(action), 0, std::move(label)});
    }

    bool refuse(PasteRefusal why) {
        refused_ = PastedKeys{{}, why};
        return false;
    }

    std::string_view text_;
    char point_;
    std::size_t pos_ = 0;
    After after_ = After::Start;
    bool pendingSign_ = false;
    std::vector<KeyPress> presses_;
    PastedKeys refused_;
};

}  // namespace

PastedKeys keysForPastedText(std::string_view utf8, bool commaIsDecimalPoint) {
    if (utf8.size() > kMaxPastedLength) return PastedKeys{{}, PasteRefusal::TooLong};
    const bool hasPoint = utf8.find('.') != std::string_view::npos;
    const bool hasComma = utf8.find(',') != std::string_view::npos;
    char point = '.';
    if (commaIsDecimalPoint && hasComma) {
        if (hasPoint) return PastedKeys{{}, PasteRefusal::PointAndComma};
        point = ',';
    }
    return Reader(utf8, point).read();
}

}  // namespace cambist
