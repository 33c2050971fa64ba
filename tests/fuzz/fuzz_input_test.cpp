// The seed files in fuzz/corpus are written in the fuzz targets' input format; these cases pin
// that format, so that a change to it cannot quietly turn the seeds into noise.

#include "fuzz/fuzz_input.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace veltrix::fuzz {
namespace {

struct InputCase {
    const char* name;
    std::string bytes;
    std::size_t count;
    std::vector<std::u16string> expected;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class InputTextsTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputTextsTest, ReadsTheTexts) {
    const InputCase& c = GetParam();
    const auto* data = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
    EXPECT_EQ(InputTexts(data, c.bytes.size(), c.count), c.expected);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Splitting, InputTextsTest,
    ::testing::Values(
        InputCase{"empty input", "", 3, {u"", u"", u""}},
        InputCase{"selector only", "8", 2, {u"", u""}},
        InputCase{"equation and accuracy", "810X^2-2X-3\n2", 2, {u"10X^2-2X-3", u"2"}},
        InputCase{"one text keeps its line feeds", "8a\nb", 1, {u"a\nb"}},
        InputCase{"last text keeps the rest", "8a\nb\nc\nd", 3, {u"a", u"b", u"c\nd"}},
        InputCase{"missing texts are empty", "8a", 3, {u"a", u"", u""}},
        InputCase{"unit separator stays in the text", "8a\x1Fq", 2, {u"a\x1Fq", u""}},
        InputCase{"unit separator selected", ":a\nb\x1Fq", 2, {u"a\nb", u"q"}},
        InputCase{"UTF-16 pairs", "9a\0\n\0b\0"s, 2, {u"a", u"b"}},
        InputCase{"UTF-16 lone last byte dropped", "9a\0b"s, 1, {u"a"}},
        InputCase{"UTF-16 lone surrogate kept", "9\x00\xD8"s, 1, {u"\xD800"}}));

INSTANTIATE_TEST_SUITE_P(
    Utf8, InputTextsTest,
    ::testing::Values(
        InputCase{"two-byte sequence", "8X\xC2\xB2", 1, {u"X\u00B2"}},
        InputCase{
            "four-byte sequence as a surrogate pair", "8\xF0\x9F\x98\x80", 1, {u"\U0001F600"}},
        InputCase{"overlong form", "8\xE0\x80\xAF", 1, {u"\uFFFD\uFFFD\uFFFD"}},
        InputCase{"encoded surrogate", "8\xED\xA0\x80", 1, {u"\uFFFD\uFFFD\uFFFD"}},
        InputCase{"sequence cut short", "8\xE2\x82X", 1, {u"\uFFFDX"}},
        InputCase{"beyond U+10FFFF", "8\xF4\x90\x80\x80", 1, {u"\uFFFD\uFFFD\uFFFD\uFFFD"}},
        InputCase{"stray bytes", "8\xFF\x80", 1, {u"\uFFFD\uFFFD"}}));

} // namespace
} // namespace veltrix::fuzz
