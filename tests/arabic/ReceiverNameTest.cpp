#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "arabic/ReceiverName.h"

namespace kavro {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string text(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

// The field after encoding `t` into `width` bytes (pre-filled with garbage, which must go).
Bytes encoded(const std::string& t, std::size_t width = 16) {
    Bytes field(width, 0xEE);
    encodeReceiverName(t, field);
    return field;
}

// `head` followed by zeros up to `width`.
Bytes padded(Bytes head, std::size_t width = 16) {
    head.resize(width, 0);
    return head;
}

std::string decoded(const Bytes& field) {
    return decodeReceiverName(field);
}

TEST(ReceiverNameEncoding, WorkedExamplesShapeMirrorAndDecodeBack) {
    struct Example {
        std::string text;
        Bytes field;
    };
    const Example examples[] = {
        // qaf initial, noon medial, alef final, teh marbuta isolated (alef does not join it)
        {text({0xDE, 0xE4, 0xC7, 0xC9}), {0x02, 0xF5, 0x44, 0xDA, 0xBE}},
        // seen initial, lam-alef final, meem isolated after the alef
        {text({0xD3, 0xE1, 0xC7, 0xE3}), {0x02, 0xD4, 0xCC, 0x72}},
        // the digit run keeps its reading order through the mirroring
        {text({0xDE, 0xE4, 0xC7, 0xC9, 0x20, 0x31, 0x32}),
         {0x02, 0x31, 0x32, 0x20, 0xF5, 0x44, 0xDA, 0xBE}},
    };
    for (const Example& e : examples) {
        const Bytes field = encoded(e.text);
        EXPECT_EQ(field, padded(e.field));
        EXPECT_EQ(decoded(field), e.text);
    }
}

TEST(ReceiverNameEncoding, WordEndsAndLigaturesChooseTheForms) {
    const int beh = 0xC8;
    // A letter before a space, a hamza or a digit ends its word.
    EXPECT_EQ(encoded(text({beh, beh, 0x20, beh})), padded({0x02, 0x4B, 0x20, 0x4E, 0x4C}));
    EXPECT_EQ(encoded(text({beh, 0xC1})), padded({0x02, 0xF4, 0x4B}));
    EXPECT_EQ(encoded(text({beh, beh, 0x35})), padded({0x02, 0x35, 0x4E, 0x4C}));
    // After a lam-alef the next letter starts afresh (the ligature ends in alef).
    EXPECT_EQ(encoded(text({0xE1, 0xC7, beh, beh})), padded({0x02, 0x4E, 0x4C, 0xCB}));
    // Each alef gives its own ligature; an isolated one when nothing joins the lam.
    EXPECT_EQ(encoded(text({0xE1, 0xC2})), padded({0x02, 0xCD}));
    EXPECT_EQ(encoded(text({beh, 0xE1, 0xC5})), padded({0x02, 0xD0, 0x4C}));
    EXPECT_EQ(encoded(text({0xE1, 0xC3})), padded({0x02, 0xD1}));
    // Lam before anything but an alef is an ordinary four-form letter.
    EXPECT_EQ(encoded(text({0xE1, beh})), padded({0x02, 0x4E, 0xC6}));
    // Ghain's medial form skips B6; yeh with hamza starts with EF and stands alone as F1.
    EXPECT_EQ(encoded(text({beh, 0xDB, beh})), padded({0x02, 0x4E, 0xB7, 0x4C}));
    EXPECT_EQ(encoded(text({0xC6, beh})), padded({0x02, 0x4E, 0xEF}));
    EXPECT_EQ(encoded(text({0xC6})), padded({0x02, 0xF1}));
}

TEST(ReceiverNameEncoding, ArabicNamesKeepTheirFirstLettersAndTheLastByteZero) {
    const std::string letters = text({0xC8, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xD3, 0xD4, 0xD5, 0xD6,
                                      0xD8, 0xD9, 0xDA, 0xDB, 0xDD, 0xDE, 0xDF, 0xE3, 0xE4, 0xE5});
    ASSERT_EQ(letters.size(), 20u);
    struct Case {
        std::size_t width, kept;
    };
    for (Case c : {Case{16, 14}, Case{10, 8}, Case{20, 18}}) {
        const Bytes field = encoded(letters, c.width);
        EXPECT_EQ(field.back(), 0) << c.width;
        EXPECT_NE(field[c.width - 2], 0) << c.width;
        EXPECT_EQ(decoded(field), letters.substr(0, c.kept)) << c.width;
    }
    // A long digit run is cut like the letters, never past the last byte.
    const Bytes field = encoded(text({0xC8, 0x20}) + "1234567890123456789", 10);
    EXPECT_EQ(field.back(), 0);
}

TEST(ReceiverNameEncoding, NumbersReadLeftToRightInTheFieldAndDecodeInPlace) {
    const std::string name = text({0xDE, 0xE4, 0xC7, 0xC9, 0x20, 0x31, 0x32, 0x33, 0x20, 0xC8});
    const Bytes field = encoded(name);
    EXPECT_EQ(field, padded({0x02, 0x4B, 0x20, 0x31, 0x32, 0x33, 0x20, 0xF5, 0x44, 0xDA, 0xBE}));
    EXPECT_EQ(decoded(field), name);
}

TEST(ReceiverNameEncoding, LatinNamesAreCopiedWithTheDegreeSignStored) {
    EXPECT_EQ(encoded("ABCDEFGHIJKLMNOP"), Bytes({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                                                  'K', 'L', 'M', 'N', 'O', 'P'}));
    EXPECT_EQ(decoded(encoded("ABCDEFGHIJKLMNOP")), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(decoded(encoded("ABCDEFGHIJKLMNOPQRS")), "ABCDEFGHIJKLMNOP");

    const std::string degrees = "Astra 19.2" + text({0xB0}) + "E";
    const Bytes field = encoded(degrees, 20);
    EXPECT_EQ(field[10], 0xBA);
    EXPECT_EQ(decoded(field), degrees);

    EXPECT_EQ(encoded(""), Bytes(16, 0));
    // The text ends at a NUL, as in an edit box.
    EXPECT_EQ(encoded(std::string("AB\0CD", 5)), padded({'A', 'B'}));
}

TEST(ReceiverNameEncoding, LatinLettersInsideAnArabicNameAreMirroredAndMayDecodeAsLetters) {
    // 'C' (0x43) is copied unchanged, and 0x43 is the glyph of an isolated alef.
    const Bytes field = encoded(text({0xDE, 'C'}));
    EXPECT_EQ(field, padded({0x02, 'C', 0xBE}));
    EXPECT_EQ(decoded(field), text({0xDE, 0xC7}));
}

TEST(ReceiverNameDecoding, PlainFieldsDropControlBytesButNotTheTextAfterANul) {
    EXPECT_EQ(decoded({'N', 'T', 'V', 0, 'X', 0x01, 0xBA, 'Y', 0, 0}), "NTVX" + text({0xB0}) + "Y");
    EXPECT_EQ(decoded({'A', ' ', ' ', ' ', 'B', ' ', ' ', ' ', ' ', 'C'}), "A  B  C");
}

TEST(ReceiverNameDecoding, Latin1FieldsFoldAccentsWindows1256CannotShow) {
    EXPECT_EQ(decoded({0x05, 'C', 'A', 'F', 0xC9, 0, 0, 0}), "CAFE");
    EXPECT_EQ(decoded({0x05, 'c', 'a', 'f', 0xE9, 0, 0x05, 0}), "caf" + text({0xE9}));
    EXPECT_EQ(decoded({0x05, 0xC6, 0xE6, 0xDF, 0xD7, 0x7F, 0xFF, 0xF1, 0x01}),
              "AEaeB" + text({0xD7}) + "7Fyn" + text({0x01}));
    EXPECT_EQ(decoded({0x05, 0xA9, 0xE0, 0xFC, 0xF7}), text({0xA9, 0xE0, 0xFC, 0xF7}));
}

TEST(ReceiverNameDecoding, GlyphCodesWithoutAnEntryShowThemselvesAndExtrasGiveLetters) {
    Bytes none = {0x40, 0x41, 0x42, 0x5B, 0x5C, 0x5D, 0x60, 0xAF,
                  0xB6, 0xC9, 0xCA, 0xD3, 0xE0, 0xE1, 0xEE};
    for (int b = 0x7B; b <= 0xA0; ++b) none.push_back(static_cast<std::uint8_t>(b));
    for (int b = 0xF7; b <= 0xFF; ++b) none.push_back(static_cast<std::uint8_t>(b));
    for (std::uint8_t b : none) EXPECT_EQ(decoded({0x02, b, 0}), text({b})) << std::hex << int(b);

    EXPECT_EQ(decoded({0x02, 0x5E, 0x5F}), text({0xDF, 0xDF}));
    EXPECT_EQ(decoded({0x02, 0xDE, 0xDF, 0xF0}), text({0xC1, 0xC4, 0xC4}));
    EXPECT_EQ(decoded({0x02, 0xCE, 0xD2}), text({0xE1, 0xC3, 0xE1, 0xC2}));
    // The marker is never read back, and stray markers and NULs are skipped.
    EXPECT_EQ(decoded({0x02, 0x4B, 0x02, 0x00, 0x4F}), text({0xCA, 0xC8}));
    // A lone digit-like byte stands for itself; a run is copied in field order.
    EXPECT_EQ(decoded({0x02, 0x3A, 0x20, 0x39, 0x3A, 0x20, 0x31, 0x3F}),
              text({0x31, 0x3F, 0x20, 0x39, 0x3A, 0x20, 0x3A}));
}

// Every letter in every position it can take comes back from a round trip, which ties the
// encoder's form tables to the decoder's inverse.
TEST(ReceiverNameRoundTrip, EveryArabicLetterInEveryForm) {
    int arabicLetters = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string letter = text({b});
        if (!containsArabicLetter(letter)) continue;
        ++arabicLetters;
        const int beh = 0xC8;
        for (const std::string& t : {letter, text({beh}) + letter, letter + text({beh}),
                                     text({beh}) + letter + text({beh}), letter + " " + letter}) {
            EXPECT_EQ(decoded(encoded(t)), t) << std::hex << b;
        }
    }
    EXPECT_EQ(arabicLetters, 36);
}

TEST(ReceiverNameRoundTrip, RandomArabicAndLatinNames) {
    std::mt19937 random(20240611);
    std::vector<int> arabic;
    for (int b = 0xC1; b <= 0xED; ++b)
        if (containsArabicLetter(text({b}))) arabic.push_back(b);
    const auto pick = [&](const std::vector<int>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    std::vector<int> latin;
    for (int b = 0x21; b <= 0x7E; ++b) latin.push_back(b);
    for (int b :
         {0xE0, 0xE2, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEE, 0xEF, 0xF4, 0xF9, 0xFB, 0xFC, 0xB0})
        latin.push_back(b);

    for (int round = 0; round < 2000; ++round) {
        // Arabic: letters, single spaces and digits, short enough to fit the 14 glyph bytes.
        std::string a;
        const std::size_t length = std::uniform_int_distribution<std::size_t>(1, 14)(random);
        while (a.size() < length) {
            const int kind = std::uniform_int_distribution<int>(0, 9)(random);
            if (kind == 0 && !a.empty() && a.back() != ' ')
                a += ' ';
            else if (kind == 1)
                a += static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
            else
                a += static_cast<char>(pick(arabic));
        }
        if (!containsArabicLetter(a)) a[0] = static_cast<char>(0xC8);
        EXPECT_EQ(decoded(encoded(a)), a);

        std::string l;
        const std::size_t latinLength = std::uniform_int_distribution<std::size_t>(0, 16)(random);
        while (l.size() < latinLength) l += static_cast<char>(pick(latin));
        EXPECT_EQ(decoded(encoded(l)), l);
    }
}

TEST(ArabicLetters, JoiningClassesAndTheLetterTest) {
    EXPECT_EQ(joiningClass(0), 0);
    EXPECT_EQ(joiningClass(' '), 0);
    EXPECT_EQ(joiningClass('7'), 0);
    EXPECT_EQ(joiningClass(0xC1), 1);
    for (int b : {0xC2, 0xC3, 0xC4, 0xC5, 0xC7, 0xC9, 0xCF, 0xD0, 0xD1, 0xD2, 0xE6, 0xEC})
        EXPECT_EQ(joiningClass(static_cast<unsigned char>(b)), 2) << std::hex << b;
    for (int b : {0xC6, 0xC8, 0xED, 0xDC, int{'A'}, int{'-'}})
        EXPECT_EQ(joiningClass(static_cast<unsigned char>(b)), 4) << std::hex << b;

    EXPECT_FALSE(containsArabicLetter(""));
    EXPECT_FALSE(containsArabicLetter(text({0xDC, 0xD7, 0xE0, 0xE2, 0xBF, 0x81})));  // tatweel etc.
    EXPECT_TRUE(containsArabicLetter("MBC " + text({0xE3})));
}

}  // namespace
}  // namespace kavro
