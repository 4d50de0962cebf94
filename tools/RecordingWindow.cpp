#include "RecordingWindow.h"

#include <sstream>

namespace cambist {

namespace {

const KeyAction& actionNamed(std::string_view name) { return *findKeyAction(name); }

const KeyAction* symbolAction(char symbol) {
    switch (symbol) {
        case '+': return &actionNamed("plusPressed");
        case '-': return &actionNamed("minusPressed");
        case '*': return &actionNamed("multiplyPressed");
        case '/': return &actionNamed("dividePressed");
        case '^': return &actionNamed("powerPressed");
        case '(': return &actionNamed("openBracketPressed");
        case ')': return &actionNamed("closeBracketPressed");
        case '=': return &actionNamed("equalPressed");
        default: return nullptr;
    }
}

bool isNumeral(std::string_view token) {
    return !token.empty() && token.find_first_not_of("0123456789.") == std::string_view::npos;
}

}  // namespace

std::vector<KeyPress> parseKeyToken(std::string_view token) {
    std::vector<KeyPress> presses;
    if (isNumeral(token)) {
        for (const char c : token) {
            if (c == '.') {
                presses.push_back({&actionNamed("dotPressed"), 0, "."});
            } else {
                presses.push_back({&actionNamed("digitPressed"), c - '0', std::string(1, c)});
            }
        }
        return presses;
    }
    if (token.size() == 1) {
        if (const KeyAction* action = symbolAction(token[0])) {
            presses.push_back({action, 0, std::string(token)});
        }
        return presses;
    }
    const KeyAction* action = findKeyAction(token);
    if (action == nullptr) {
        action = findKeyAction(std::string(token) + "Pressed");
    }
    // A digit key is typed as its digit: the name alone carries no tag.
    if (action != nullptr && action->name != "digitPressed") {
        presses.push_back({action, 0, std::string(token)});
    }
    return presses;
}

ParsedKeys parseKeys(std::string_view keys) {
    ParsedKeys parsed;
    std::istringstream tokens{std::string(keys)};
    for (std::string token; tokens >> token;) {
        const std::vector<KeyPress> presses = parseKeyToken(token);
        if (presses.empty()) {
            return ParsedKeys{{}, token};
        }
        parsed.presses.insert(parsed.presses.end(), presses.begin(), presses.end());
    }
    return parsed;
}

RecordedCalculator::RecordedCalculator() : controller_(outlets(), beeper_) {
    controller_.awakeFromNib();
}

CalOutlets RecordedCalculator::outlets() {
    auto field = [this](Display d) { return &fields_[static_cast<std::size_t>(d)]; };
    auto button = [this](ModeKey k) { return &buttons_[modeKeyIndex(k)]; };
    return CalOutlets{field(Display::Main), field(Display::Memory), field(Display::Answer),
                      field(Display::PV),   field(Display::N),      field(Display::PMT),
                      field(Display::FV),   field(Display::IY),     field(Display::Year),
                      &table_,              button(ModeKey::PV),    button(ModeKey::FV),
                      button(ModeKey::FVQ), button(ModeKey::PMT),   button(ModeKey::CFY),
                      button(ModeKey::NCFY), button(ModeKey::Y)};
}

bool RecordedCalculator::press(const KeyPress& key) {
    if (key.action->modeKey && !modeKeyEnabled(*key.action->modeKey)) {
        return false;
    }
    const TaggedControl sender(key.tag);
    (controller_.*(key.action->handler))(sender);
    return true;
}

bool RecordedCalculator::pressToken(std::string_view token) {
    const std::vector<KeyPress> presses = parseKeyToken(token);
    for (const KeyPress& key : presses) {
        press(key);
    }
    return !presses.empty();
}

bool RecordedCalculator::pressKeys(std::string_view keys) {
    const ParsedKeys parsed = parseKeys(keys);
    for (const KeyPress& key : parsed.presses) {
        press(key);
    }
    return parsed.ok();
}

std::string RecordedCalculator::cell(std::int32_t row, std::string_view column) const {
    return controller_.objectValueForTableColumn(table_, NamedTableColumn(std::string(column)), row);
}

std::string RecordedCalculator::report() const {
    std::ostringstream out;
    for (std::size_t i = 0; i < kDisplayNames.size(); ++i) {
        out << kDisplayNames[i] << ": " << fields_[i].text << '\n';
    }
    const std::int32_t rows = controller_.numberOfRowsInTableView(table_);
    out << "rows: " << rows << '\n';
    for (std::int32_t row = 0; row < rows; ++row) {
        out << "row " << row << ": " << cell(row, "Year") << ' ' << cell(row, "Amount") << '\n';
    }
    out << "selected: " << table_.selected << '\n';
    out << "enabled:";
    for (std::size_t i = 0; i < kModeKeyCount; ++i) {
        if (buttons_[i].enabled) {
            out << ' ' << kModeKeyNames[i];
        }
    }
    out << '\n' << "beeps: " << beeper_.beeps << '\n';
    return out.str();
}

}  // namespace cambist
