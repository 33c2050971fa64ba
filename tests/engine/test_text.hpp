// Small helpers that let the engine's tests write their texts as plain ASCII literals.
#pragma once

#include "engine/core/engine.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

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

// UTF-8 for the Basic Multilingual Plane, which is all the engine writes.
inline std::string Utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// How a character that a test name cannot hold is spelled in one; an empty word only separates.
inline std::string_view NameWord(char c) {
    switch (c) {
    case '-':
        return "minus";
    case '+':
        return "plus";
    case '.':
        return "point";
    case ',':
        return "comma";
    case '=':
        return "eq";
    case '*':
        return "times";
    case ' ':
        return "sp";
    case '\t':
        return "tab";
    case '\n':
        return "nl";
    default:
        return "";
    }
}

// The longest a text runs in a test name; longer texts are cut.
inline constexpr std::size_t kNameTextLength = 40;

// A text as GoogleTest will take it in a test name: letters and digits kept, the other
// characters spelled as words between underscores ("10X^2-2X-3" becomes "10X_2_minus_2X_minus_3"),
// cut to kNameTextLength characters; "empty" for an empty text, and "symbols" for one that is
// nothing but characters without a word.
inline std::string NameText(std::string_view text) {
    std::string out;
    bool separate = false;
    for (char c : text) {
        if (out.size() >= kNameTextLength) {
            break;
        }
        const bool alphanumeric =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const std::string_view word = alphanumeric ? std::string_view(&c, 1) : NameWord(c);
        if (word.empty()) {
            separate = true;
            continue;
        }
        if (!out.empty() && (separate || !alphanumeric)) {
            out.push_back('_');
        }
        out.append(word);
        separate = !alphanumeric;
    }
    out.resize(std::min(out.size(), kNameTextLength));
    while (!out.empty() && out.back() == '_') {
        out.pop_back();
    }
    if (out.empty()) {
        return text.empty() ? "empty" : "symbols";
    }
    return out;
}

// The shortest text that reads back as the same double, for naming a row by a number.
inline std::string NumberName(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : "unwritable";
}

// The name of a row of a parameterised table: its index, which keeps the names of a table
// distinct, then the texts that tell its case, each as NameText gives it, joined by underscores.
inline std::string RowName(std::size_t index, std::initializer_list<std::string_view> texts) {
    std::string name = std::to_string(index);
    for (std::string_view text : texts) {
        name += '_';
        name += NameText(text);
    }
    return name;
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
