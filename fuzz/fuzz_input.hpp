// How a fuzz target turns its raw bytes into the texts the engine receives.
//
// The first byte selects how the rest is read:
//   bit 0  0: UTF-8, decoded leniently (each malformed sequence becomes U+FFFD);
//          1: UTF-16 as little-endian byte pairs (a lone last byte is dropped), which reaches lone
//             surrogates and every other unit a text box can hold;
//   bit 1  the separator between the texts of a target that takes several: 0 line feed, 1 U+001F,
//          so that either character can also appear inside a text.
// A seed file "8" "10X^2-2X-3" LF "2" is thus the equation 10X^2-2X-3 with the accuracy 2 ('8' is
// 0x38: UTF-8, texts separated by line feeds).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltrix::fuzz {

std::u16string DecodeUtf8(std::span<const std::uint8_t> bytes);
std::u16string DecodeUtf16(std::span<const std::uint8_t> bytes);

// The input read as `count` texts: cut at the first count - 1 separators; the last text keeps the
// rest, separators included. Texts the input does not reach are empty.
std::vector<std::u16string> InputTexts(const std::uint8_t* data, std::size_t size,
                                       std::size_t count);

} // namespace veltrix::fuzz
