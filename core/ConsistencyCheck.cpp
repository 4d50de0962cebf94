#include "ConsistencyCheck.h"

#include <cstdio>
#include <cstdlib>

namespace cambist {

void failConsistencyCheck(unsigned line, const char* expression) {
    std::fprintf(stderr, "%s:%u: failed assertion `%s'\n", "CalController", line, expression);
    std::fflush(stderr);
    std::abort();
}

}  // namespace cambist
