#include "fuzz/fuzz_input.hpp"

namespace veltrix::fuzz {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

void AppendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

// What a lead byte promises: the number of continuation bytes and the range the first of them
// must lie in (which rules out overlong forms, surrogates and code points beyond U+10FFFF).
struct Lead {
    int continuations;
    std::uint8_t low, high;
    char32_t bits;
};

bool ReadLead(std::uint8_t b, Lead& lead) {
    if (b >= 0xC2 && b <= 0xDF) {
        lead = {1, 0x80, 0xBF, b & 0x1Fu};
    } else if (b >= 0xE0 && b <= 0xEF) {
        lead = {2, b == 0xE0 ? std::uint8_t{0xA0} : std::uint8_t{0x80},
                b == 0xED ? std::uint8_t{0x9F} : std::uint8_t{0xBF}, b & 0x0Fu};
    } else if (b >= 0xF0 && b <= 0xF4) {
        lead = {3, b == 0xF0 ? std::uint8_t{0x90} : std::uint8_t{0x80},
                b == 0xF4 ? std::uint8_t{0x8F} : std::uint8_t{0xBF}, b & 0x07u};
    } else {
        return false;
    }
    return true;
}

} // namespace

std::u16string DecodeUtf8(std::span<const std::uint8_t> bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t b = bytes[i++];
        Lead lead{};
        if (b < 0x80) {
            out.push_back(b);
            continue;
        }
        if (!ReadLead(b, lead)) {
            out.push_back(kReplacement);
            continue;
        }
        // A sequence cut short is replaced as a whole, and decoding resumes at the byte that
        // broke it.
        char32_t cp = lead.bits;
        bool complete = true;
        for (int k = 0; k < lead.continuations; ++k) {
            const std::uint8_t low = k == 0 ? lead.low : std::uint8_t{0x80};
            const std::uint8_t high = k == 0 ? lead.high : std::uint8_t{0xBF};
            if (i == bytes.size() || bytes[i] < low || bytes[i] > high) {
                complete = false;
                break;
            }
            cp = (cp << 6) | (bytes[i++] & 0x3Fu);
        }
        if (complete) {
            AppendCodePoint(out, cp);
        } else {
            out.push_back(kReplacement);
        }
    }
    return out;
}

std::u16string DecodeUtf16(std::span<const std::uint8_t> bytes) {
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        out.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return out;
}

std::vector<std::u16string> InputTexts(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
    std::vector<std::u16string> texts(count);
    if (size == 0 || count == 0) {
        return texts;
    }
    const std::uint8_t selector = data[0];
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    const std::u16string all = (selector & 1) ? DecodeUtf16(rest) : DecodeUtf8(rest);
    const char16_t separator = (selector & 2) ? u'\x1F' : u'\n';

    std::size_t start = 0;
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const std::size_t cut = all.find(separator, start);
        if (cut == std::u16string::npos) {
            texts[k] = all.substr(start);
            return texts;
        }
        texts[k] = all.substr(start, cut - start);
        start = cut + 1;
    }
    texts[count - 1] = all.substr(start);
    return texts;
}

} // namespace veltrix::fuzz
