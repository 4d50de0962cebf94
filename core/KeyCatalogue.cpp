#include "KeyCatalogue.h"

#include <algorithm>

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

}  // namespace cambist
