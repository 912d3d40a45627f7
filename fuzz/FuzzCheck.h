#pragma once

// A property that must hold for every input. When it does not, the run stops at once
// with the property named, and the fuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zarn::fuzz {

inline void Require(bool holds, std::string_view property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %.*s\n", static_cast<int>(property.size()),
                     property.data());
        std::abort();
    }
}

} // namespace zarn::fuzz
