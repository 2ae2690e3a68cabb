#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "arabic/ReceiverName.h"

namespace kavro {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The field after encoding `t` into `width` bytes pre-filled with garbage, which must go.
Bytes encoded(const std::string& t, std::size_t width = 16) {
    Bytes field(width, 0xEE);
    encodeReceiverName(t, field);
    return field;
}

Bytes padded(Bytes head, std::size_t width = 16) {
    head.resize(width, 0);
    return head;
}

const std::string beh = "\xC8";

TEST(ReceiverNameEncoding, WorkedExamplesAndJoiningEdgesEncodeAndDecodeBack) {
    const std::pair<std::string, Bytes> examples[] = {
        // qaf initial, noon medial, alef final, teh marbuta isolated (alef does not join it)
        {"\xDE\xE4\xC7\xC9", {0x02, 0xF5, 0x44, 0xDA, 0xBE}},
        // seen initial, lam-alef final, meem isolated after the alef
        {"\xD3\xE1\xC7\xE3", {0x02, 0xD4, 0xCC, 0x72}},
        // digit runs keep their reading order through the mirroring
        {"\xDE\xE4\xC7\xC9 12", {0x02, 0x31, 0x32, 0x20, 0xF5, 0x44, 0xDA, 0xBE}},
        {"\xC9 123 \xC8", {0x02, 0x4B, 0x20, 0x31, 0x32, 0x33, 0x20, 0xF5}},
        // a letter before a space, a hamza or a digit ends its word
        {"\xC8\xC8 \xC8", {0x02, 0x4B, 0x20, 0x4E, 0x4C}},
        {"\xC8\xC1", {0x02, 0xF4, 0x4B}},
        {"\xC8\xC8\x35", {0x02, 0x35, 0x4E, 0x4C}},
        // after a lam-alef the next letter starts afresh; each alef has its own ligature
        {"\xE1\xC7\xC8\xC8", {0x02, 0x4E, 0x4C, 0xCB}},
        {"\xE1\xC2", {0x02, 0xCD}},
        {"\xC8\xE1\xC5", {0x02, 0xD0, 0x4C}},
        {"\xE1\xC3", {0x02, 0xD1}},
        {"\xE1\xC8", {0x02, 0x4E, 0xC6}},  // lam before a non-alef: a plain letter
        // ghain's medial form skips B6; yeh with hamza starts with EF and stands alone as F1
        {"\xC8\xDB\xC8", {0x02, 0x4E, 0xB7, 0x4C}},
        {"\xC6\xC8", {0x02, 0x4E, 0xEF}},
        {"\xC6", {0x02, 0xF1}},
        {"", {}},
    };
    for (const auto& [text, field] : examples) {
        SCOPED_TRACE(text);
        EXPECT_EQ(encoded(text), padded(field));
        EXPECT_EQ(decodeReceiverName(encoded(text)), text);
    }
    // Latin is copied and cut to the field, the degree sign stored as BA.
    EXPECT_EQ(encoded("ABCDEFGHIJKLMNOPQRS"), Bytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I',
                                                     'J', 'K', 'L', 'M', 'N', 'O', 'P'}));
    const std::string degreesEast = std::string("19.2\xB0") + "E";
    EXPECT_EQ(encoded(degreesEast), padded({'1', '9', '.', '2', 0xBA, 'E'}));
    EXPECT_EQ(encoded(std::string("AB\0CD", 5)), padded({'A', 'B'})) << "text ends at a NUL";
}

TEST(ReceiverNameEncoding, LongArabicNamesKeepTheirFirstLettersAndTheLastByteZero) {
    const std::string letters =
        "\xC8\xCA\xCB\xCC\xCD\xCE\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDD\xDE\xDF\xE3\xE4\xE5";
    for (std::size_t width : {10u, 16u, 20u}) {
        const Bytes field = encoded(letters, width);
        EXPECT_TRUE(field.back() == 0 && field[width - 2] != 0) << width;
        EXPECT_EQ(decodeReceiverName(field), letters.substr(0, width - 2));
    }
    EXPECT_EQ(encoded(beh + " 1234567890123456789", 10).back(), 0);
}

TEST(ReceiverNameDecoding, ForeignAndStrayBytes) {
    const std::pair<Bytes, std::string> cases[] = {
        // plain fields drop control bytes but not the text after a NUL
        {{'N', 'T', 'V', 0, 'X', 0x01, 0xBA, 'Y', 0, 0}, "NTVX\xB0Y"},
        // Latin-1 fields fold the accents Windows-1256 cannot show
        {{0x05, 'C', 'A', 'F', 0xC9, 0, 0, 0}, "CAFE"},
        {{0x05, 'c', 'a', 'f', 0xE9, 0, 0x05, 0}, "caf\xE9"},
        {{0x05, 0xC6, 0xE6, 0xDF, 0xD7, 0x7F, 0xFF, 0xF1, 0x01},
         std::string("AEaeB\xD7") + "7Fyn\x01"},
        // extra glyph codes give letters; markers and NULs inside are skipped
        {{0x02, 0xDE, 0xDF, 0xF0}, "\xC1\xC4\xC4"},
        {{0x02, 0xCE, 0xD2}, "\xE1\xC3\xE1\xC2"},
        {{0x02, 0x4B, 0x02, 0x00, 0x4F}, "\xCA\xC8"},
        // a lone digit-like byte stands for itself; a run is copied in field order
        {{0x02, 0x3A, 0x20, 0x39, 0x3A, 0x20, 0x31, 0x3F}, "1? 9: :"},
    };
    for (const auto& [field, expected] : cases) EXPECT_EQ(decodeReceiverName(field), expected);
    // Glyph codes without an entry show themselves.
    for (int b : {0x40, 0x41, 0x42, 0x5B, 0x5C, 0x5D, 0x60, 0x7B, 0x90, 0xA0,
                  0xAF, 0xB6, 0xC9, 0xCA, 0xD3, 0xE0, 0xE1, 0xEE, 0xF7, 0xFF})
        EXPECT_EQ(decodeReceiverName(Bytes{0x02, std::uint8_t(b), 0}), std::string(1, char(b)))
            << b;
}

// Every letter in every position comes back, which ties the encoder's form tables to the
// decoder's inverse; then random names of letters, digits and spaces, and all Latin characters.
TEST(ReceiverNameRoundTrip, ArabicAndLatinNames) {
    std::string arabic, latin;
    for (int b = 0; b < 256; ++b) {
        const std::string letter(1, static_cast<char>(b));
        if (!containsArabicLetter(letter)) continue;
        arabic += letter;
        for (const std::string& t :
             {letter, beh + letter, letter + beh, beh + letter + beh, letter + " " + letter})
            EXPECT_EQ(decodeReceiverName(encoded(t)), t) << std::hex << b;
    }
    EXPECT_EQ(arabic.size(), 36u) << "tatweel and the Latin letters of the code page are none";

    std::mt19937 random(20240611);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    // Letters, single spaces and digits, short enough for the 14 glyph bytes.
    const std::string pool = arabic + arabic + arabic + "0123456789 ";
    for (int round = 0; round < 2000; ++round) {
        std::string a;
        for (std::size_t length = 1 + below(14); a.size() < length;) {
            const char c = pool[below(pool.size())];
            if (c != ' ' || (!a.empty() && a.back() != ' ')) a += c;
        }
        if (!containsArabicLetter(a)) a[0] = beh[0];
        EXPECT_EQ(decodeReceiverName(encoded(a)), a);
    }
    for (int b = 0x21; b <= 0x7E; ++b) latin += static_cast<char>(b);
    latin += "\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC\xB0";  // with the degree sign
    for (std::size_t i = 0; i < latin.size(); i += 16)
        EXPECT_EQ(decodeReceiverName(encoded(latin.substr(i, 16))), latin.substr(i, 16));
}

}  // namespace
}  // namespace kavro
