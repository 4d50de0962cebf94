// One row of the cash-flow list: an amount falling at a year (period index).
#pragma once

#include <cstdint>

namespace cambist {

class CashFlowEntry {
public:
    static CashFlowEntry withYear(std::int32_t year, double amount) {
        return CashFlowEntry(year, amount);
    }

    std::int32_t year() const { return y; }
    double amount() const { return am; }

private:
    CashFlowEntry(std::int32_t year, double amount) : y(year), am(amount) {}

    std::int32_t y;
    double am;
};

}  // namespace cambist
