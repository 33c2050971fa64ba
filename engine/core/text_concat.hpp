#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace veltrix {

// Joins pieces of text into one, in one allocation. The engine builds its formulas' text from
// many short pieces; writing it this way, rather than as "literal" + temporary, also keeps GCC 12
// at -O3 from a false alarm about overlapping copies in std::u16string's insert.
inline std::u16string Concat(std::initializer_list<std::u16string_view> pieces) {
    std::size_t size = 0;
    for (const std::u16string_view piece : pieces) {
        size += piece.size();
    }
    std::u16string text;
    text.reserve(size);
    for (const std::u16string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace veltrix
