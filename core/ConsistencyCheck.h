// The controller's internal consistency checks. A failed check means a state
// that no key sequence should reach: it writes one line to standard error,
// "CalController:<line>: failed assertion `<expression>'", and aborts.
#pragma once

namespace cambist {

[[noreturn]] void failConsistencyCheck(unsigned line, const char* expression);

}  // namespace cambist

// A case that cannot occur.
#define CAL_UNREACHABLE() ::cambist::failConsistencyCheck(__LINE__, "FALSE")

// A condition that must hold, reported with the given expression text.
#define CAL_CHECK(condition, text)                                    \
    do {                                                              \
        if (!(condition)) ::cambist::failConsistencyCheck(__LINE__, text); \
    } while (false)
