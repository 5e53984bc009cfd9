// libFuzzer target: the answer reader, the check, the verdict and the shown answer over
// arbitrary bytes. Any disagreement with the reference aborts, so the fuzzer keeps the input.

#include "compare.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    for (const QString& typed : {compare::asLatin1(bytes, size), compare::asUtf16(bytes, size)}) {
        const std::string fault = compare::check(typed);
        if (!fault.empty()) {
            std::fprintf(stderr, "answer check failed: %s\n", fault.c_str());
            std::abort();
        }
    }
    return 0;
}
