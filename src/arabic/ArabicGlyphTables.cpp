#include "arabic/ArabicGlyphTables.h"

namespace kavro::glyphs {
namespace {

struct ShortText {
    std::uint8_t length = 0;
    char text[2] = {0, 0};

    constexpr std::string_view view() const { return {text, length}; }
};

constexpr ShortText letterText(std::uint8_t a) {
    return {1, {static_cast<char>(a), 0}};
}
constexpr ShortText pairText(std::uint8_t a, std::uint8_t b) {
    return {2, {static_cast<char>(a), static_cast<char>(b)}};
}

struct DecodeTable {
    std::array<ShortText, 256> entries{};
    bool conflict = false;  // one glyph code given to two different texts

    constexpr void set(std::uint8_t glyph, ShortText t) {
        ShortText& e = entries[glyph];
        if (e.length != 0 && e.view() != t.view()) conflict = true;
        e = t;
    }
};

// The exact inverse of the encoder's tables, plus the codes only the receiver writes.
constexpr DecodeTable makeDecodeTable() {
    DecodeTable t;
    for (const FourFormLetter& l : kFourFormLetters) {
        for (std::uint8_t g : {l.isolated, l.initial, l.medial, l.final})
            t.set(g, letterText(l.letter));
    }
    for (const TwoFormLetter& l : kTwoFormLetters) {
        t.set(l.isolated, letterText(l.letter));
        t.set(l.final, letterText(l.letter));
    }
    for (const LamAlefLigature& l : kLamAlefLigatures) {
        t.set(l.isolated, pairText(kLam, l.alef));
        t.set(l.final, pairText(kLam, l.alef));
    }
    for (const ExtraGlyph& e : kExtraGlyphs) t.set(e.glyph, letterText(e.letter));
    return t;
}
constexpr DecodeTable kDecode = makeDecodeTable();
static_assert(!kDecode.conflict, "a glyph code stands for two letters");

constexpr std::array<ShortText, 256> makeLatinFold() {
    std::array<ShortText, 256> t{};
    const auto fold = [&t](std::initializer_list<int> bytes, std::string_view text) {
        for (int b : bytes) {
            t[b].length = static_cast<std::uint8_t>(text.size());
            for (std::size_t i = 0; i < text.size(); ++i) t[b].text[i] = text[i];
        }
    };
    // 0x40..0x7E, 0x80..0xBF, D7, F7 and the letters Windows-1256 shares with Latin-1 (E0, E2,
    // E7..EB, EE, EF, F4, F9, FB, FC) are shown as they are: no entry.
    fold({0x7F}, "7F");
    fold({0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5}, "A");
    fold({0xC6}, "AE");
    fold({0xC7}, "C");
    fold({0xC8, 0xC9, 0xCA, 0xCB}, "E");
    fold({0xCC, 0xCD, 0xCE, 0xCF}, "I");
    fold({0xD0}, "D");
    fold({0xD1}, "N");
    fold({0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8}, "O");
    fold({0xD9, 0xDA, 0xDB, 0xDC}, "U");
    fold({0xDD}, "Y");
    fold({0xDE}, "P");
    fold({0xDF}, "B");
    fold({0xE1, 0xE3, 0xE4, 0xE5}, "a");
    fold({0xE6}, "ae");
    fold({0xEC, 0xED}, "i");
    fold({0xF0, 0xF2, 0xF3, 0xF5, 0xF6, 0xF8}, "o");
    fold({0xF1}, "n");
    fold({0xFA}, "u");
    fold({0xFD, 0xFF}, "y");
    fold({0xFE}, "p");
    return t;
}
constexpr std::array<ShortText, 256> kLatinFold = makeLatinFold();

constexpr std::array<LetterForms, 256> makeLetterForms() {
    std::array<LetterForms, 256> t{};
    for (const FourFormLetter& l : kFourFormLetters)
        t[l.letter] = {LetterKind::FourForm, l.isolated, l.initial, l.medial, l.final};
    for (const TwoFormLetter& l : kTwoFormLetters)
        t[l.letter] = {LetterKind::TwoForm, l.isolated, l.isolated, l.final, l.final};
    return t;
}
constexpr std::array<LetterForms, 256> kLetterForms = makeLetterForms();

}  // namespace

std::string_view decodeGlyph(std::uint8_t glyph) {
    if (glyph < 0x40) return {};
    return kDecode.entries[glyph].view();
}

std::string_view foldLatin1(std::uint8_t byte) {
    if (byte < 0x40) return {};
    return kLatinFold[byte].view();
}

const LetterForms& letterForms(std::uint8_t letter) {
    return kLetterForms[letter];
}

const LamAlefLigature* lamAlefLigature(std::uint8_t alef) {
    for (const LamAlefLigature& l : kLamAlefLigatures)
        if (l.alef == alef) return &l;
    return nullptr;
}

}  // namespace kavro::glyphs
