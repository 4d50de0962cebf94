// The operand box: one immutable double, as it stands on the operand stack.
#pragma once

#include <string>

#include "NumberText.h"

namespace cambist {

class Double {
public:
    static Double fromValue(double value) { return Double(value); }

    double value() const { return d; }
    // The "%f" text of the value.
    std::string description() const { return fixedSixText(d); }

private:
    explicit Double(double value) : d(value) {}

    double d;
};

}  // namespace cambist
