#include <gtest/gtest.h>
#include <iconv.h>

#include <memory>
#include <optional>
#include <string>

#include "arabic/Windows1256.h"

namespace kavro {
namespace {

// The C library's own converter, as the reference for every byte.
class SystemConverter {
public:
    enum Direction { ToUtf8, FromUtf8 };

    explicit SystemConverter(Direction direction) {
        for (const char* codePage : {"CP1256", "WINDOWS-1256"}) {
            handle_ =
                direction == ToUtf8 ? iconv_open("UTF-8", codePage) : iconv_open(codePage, "UTF-8");
            if (ok()) return;
        }
    }
    ~SystemConverter() {
        if (ok()) iconv_close(handle_);
    }
    SystemConverter(const SystemConverter&) = delete;
    SystemConverter& operator=(const SystemConverter&) = delete;

    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Nothing when the converter rejects the input.
    std::optional<std::string> convert(const std::string& in) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string input = in;
        char out[64];
        char* inPtr = input.data();
        std::size_t inLeft = input.size();
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        if (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return std::string(out, outPtr);
    }

private:
    iconv_t handle_ = reinterpret_cast<iconv_t>(-1);
};

TEST(Windows1256, EveryByteMatchesTheSystemConverterBothWays) {
    SystemConverter toUtf8(SystemConverter::ToUtf8);
    SystemConverter fromUtf8(SystemConverter::FromUtf8);
    ASSERT_TRUE(toUtf8.ok() && fromUtf8.ok()) << "iconv knows no Windows-1256";

    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> reference = toUtf8.convert(byte);
        ASSERT_TRUE(reference.has_value()) << "byte " << b << " undefined for iconv";
        const std::string ours = windows1256ToUtf8(byte);
        EXPECT_EQ(ours, *reference) << "byte 0x" << std::hex << b;
        EXPECT_EQ(utf8ToWindows1256(*reference), byte) << "byte 0x" << std::hex << b;
        EXPECT_EQ(fromUtf8.convert(ours), byte) << "byte 0x" << std::hex << b;
    }
}

TEST(Windows1256, WholeTextsRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1256(windows1256ToUtf8(all)), all);
    EXPECT_EQ(windows1256ToUtf8(""), "");
    EXPECT_EQ(utf8ToWindows1256(""), "");
    // "MBC " and meem, beh, kaf
    EXPECT_EQ(utf8ToWindows1256("MBC \u0645\u0628\u0643"), "MBC \xE3\xC8\xDF");
}

// Runs the conversion on a heap buffer of exactly the input's size, so that a read past the
// end shows up under AddressSanitizer.
std::string convertExact(const std::string& in, char replacement = '?') {
    std::unique_ptr<char[]> buffer(new char[in.size()]);
    std::copy(in.begin(), in.end(), buffer.get());
    return utf8ToWindows1256(std::string_view(buffer.get(), in.size()), replacement);
}

TEST(Windows1256, MalformedOrUnmappableInputBecomesReplacementsWithoutLosingWhatFollows) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"\xC3", "?"},                // cut after the lead byte
        {"A\xE2\x82", "A?"},          // cut in the middle
        {"\xF0\x9F\x98", "?"},        // four-byte sequence cut short
        {"a\200b", "a?b"},            // continuation byte without a lead
        {"\342\202A", "?A"},          // the byte after a short sequence is kept
        {"\xC0\xAF", "??"},           // overlong lead
        {"\xE0\x80\xAF", "?"},        // overlong three-byte form
        {"\xED\xA0\x80", "?"},        // surrogate
        {"\xF4\x90\x80\x80", "?"},    // beyond U+10FFFF
        {"\xF5\xFF\xFE", "???"},      // bytes that never occur
        {"\xC3\xB1", "?"},            // n with tilde: not in the code page
        {"\xF0\x9F\x98\x80x", "?x"},  // a character outside the code page
        {"\xE2\x80\x8F", "\xFE"},     // right-to-left mark
    };
    for (const Case& c : cases) EXPECT_EQ(convertExact(c.in), c.out) << c.in;
    EXPECT_EQ(convertExact("\xC3\xB1!", '_'), "_!");
}

}  // namespace
}  // namespace kavro
