#include "KeyCatalogue.h"

#include <algorithm>
#include <sstream>

namespace cambist {

using C = CalController;

const std::array<KeyAction, 36> kKeyActions = {{
    {"digitPressed", &C::digitPressed, std::nullopt},
    {"thousandPressed", &C::thousandPressed, std::nullopt},
    {"dotPressed", &C::dotPressed, std::nullopt},
    {"delPressed", &C::delPressed, std::nullopt},
    {"negatePressed", &C::negatePressed, std::nullopt},
    {"clearPressed", &C::clearPressed, std::nullopt},
    {"plusPressed", &C::plusPressed, std::nullopt},
    {"minusPressed", &C::minusPressed, std::nullopt},
    {"multiplyPressed", &C::multiplyPressed, std::nullopt},
    {"dividePressed", &C::dividePressed, std::nullopt},
    {"powerPressed", &C::powerPressed, std::nullopt},
    {"equalPressed", &C::equalPressed, std::nullopt},
    {"openBracketPressed", &C::openBracketPressed, std::nullopt},
    {"closeBracketPressed", &C::closeBracketPressed, std::nullopt},
    {"allClearPressed", &C::allClearPressed, std::nullopt},
    {"sqrtPressed", &C::sqrtPressed, std::nullopt},
    {"percentPressed", &C::percentPressed, std::nullopt},
    {"memoryIn", &C::memoryIn, std::nullopt},
    {"memoryAdd", &C::memoryAdd, std::nullopt},
    {"memorySub", &C::memorySub, std::nullopt},
    {"memoryLoad", &C::memoryLoad, std::nullopt},
    {"answerLoad", &C::answerLoad, std::nullopt},
    {"memoryClear", &C::memoryClear, std::nullopt},
    {"setPV", &C::setPV, ModeKey::PV},
    {"setN", &C::setN, std::nullopt},
    {"setPMT", &C::setPMT, ModeKey::PMT},
    {"setFV", &C::setFV, ModeKey::FV},
    {"setIY", &C::setIY, std::nullopt},
    {"calcPV", &C::calcPV, std::nullopt},
    {"calcFV", &C::calcFV, ModeKey::FVQ},
    {"calcIY", &C::calcIY, std::nullopt},
    {"clearFinancePressed", &C::clearFinancePressed, std::nullopt},
    {"addCashFlow", &C::addCashFlow, ModeKey::CFY},
    {"delCashFlow", &C::delCashFlow, ModeKey::NCFY},
    {"setY", &C::setY, ModeKey::Y},
    {"toggleSimpleComplex", &C::toggleSimpleComplex, std::nullopt},
}};

const KeyAction* findKeyAction(std::string_view name) {
    const auto it = std::find_if(kKeyActions.begin(), kKeyActions.end(),
                                 [name](const KeyAction& action) { return action.name == name; });
    return it == kKeyActions.end() ? nullptr : &*it;
}

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

bool pressKey(CalController& controller, const KeyAction& action, const Control& sender) {
    if (action.modeKey && !isModeKeyEnabled(*action.modeKey, controller.inCashFlowMode())) {
        return false;
    }
    (controller.*(action.handler))(sender);
    return true;
}

bool pressKey(CalController& controller, const KeyPress& press) {
    return pressKey(controller, *press.action, TaggedControl(press.tag));
}

}  // namespace cambist
