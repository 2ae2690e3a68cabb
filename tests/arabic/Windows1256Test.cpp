#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <vector>

#include "arabic/Windows1256.h"

namespace kavro {
namespace {

// The C library's converter as the reference; nothing when it rejects the input.
std::optional<std::string> systemConvert(const char* to, const char* from, std::string in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char out[64];
    char* inPtr = in.data();
    char* outPtr = out;
    std::size_t inLeft = in.size(), outLeft = sizeof out;
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok ? std::optional<std::string>(std::string(out, outPtr)) : std::nullopt;
}

TEST(Windows1256, EveryByteMatchesTheSystemConverterBothWays) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> reference = systemConvert("UTF-8", "CP1256", byte);
        ASSERT_TRUE(reference.has_value());
        const std::string ours = windows1256ToUtf8(byte);
        EXPECT_EQ(ours, *reference);
        EXPECT_EQ(utf8ToWindows1256(*reference), byte);
        EXPECT_EQ(systemConvert("CP1256", "UTF-8", ours), byte);
    }
}

// Converts from a heap buffer of exactly the input's size, so that a read past the end shows
// up under AddressSanitizer.
std::string convertExact(const std::string& in, char replacement = '?') {
    const std::vector<char> buffer(in.begin(), in.end());
    return utf8ToWindows1256(std::string_view(buffer.data(), buffer.size()), replacement);
}

TEST(Windows1256, MalformedOrUnmappableInputBecomesReplacementsWithoutLosingWhatFollows) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xC3", "?"},                // cut after the lead byte
        {"a\200b", "a?b"},            // continuation byte without a lead
        {"\342\202A", "?A"},          // the byte after a short sequence is kept
        {"\xC0\xAF", "??"},           // overlong lead
        {"\xED\xA0\x80", "?"},        // surrogate
        {"\xF4\x90\x80\x80", "?"},    // beyond U+10FFFF
        {"\xF0\x9F\x98\x80x", "?x"},  // a character outside the code page
        {"\xE2\x80\x8F", "\xFE"},     // right-to-left mark
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(convertExact(in), out) << in;
    EXPECT_EQ(convertExact("\xC3\xB1!", '_'), "_!");
}

}  // namespace
}  // namespace kavro
