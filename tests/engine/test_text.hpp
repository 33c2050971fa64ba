// Small helpers that let the engine's tests write their texts as plain ASCII literals.
#pragma once

#include "engine/engine.hpp"

#include <ostream>
#include <string>
#include <string_view>

namespace veltrix::testing {

inline std::u16string U16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 128 ? static_cast<char>(c) : '?');
    }
    return out;
}

} // namespace veltrix::testing

namespace veltrix {

// Readable outcomes in failure messages.
inline void PrintTo(const Roots& roots, std::ostream* os) {
    *os << "Roots{" << testing::Narrow(roots.plus) << ", " << testing::Narrow(roots.minus) << "}";
}
inline void PrintTo(const ValueFound& value, std::ostream* os) {
    *os << "ValueFound{" << testing::Narrow(value.text) << "}";
}
inline void PrintTo(InvalidQuadratic, std::ostream* os) {
    *os << "InvalidQuadratic";
}
inline void PrintTo(MalformedTerm, std::ostream* os) {
    *os << "MalformedTerm";
}
inline void PrintTo(NoRealRoots, std::ostream* os) {
    *os << "NoRealRoots";
}
inline void PrintTo(EvaluationFailed, std::ostream* os) {
    *os << "EvaluationFailed";
}

} // namespace veltrix
