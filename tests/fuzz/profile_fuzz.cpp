// libFuzzer target: the profile reading, on inputs of either file form (Windows-1252, or
// UTF-8 with a byte-order mark).

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = kelmira::fuzz::ProfileProblem({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "profile fault: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
