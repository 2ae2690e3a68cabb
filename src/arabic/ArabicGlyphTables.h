#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kavro::glyphs {

// The receiver font's glyph codes for the Windows-1256 Arabic letters, and the tables that
// turn name fields back into Windows-1256 text.

// Letters that join on both sides: four contextual forms.
struct FourFormLetter {
    std::uint8_t letter;  // Windows-1256
    std::uint8_t isolated, initial, medial, final;
};

// Letters that never join the letter after them (and hamza): two forms.
struct TwoFormLetter {
    std::uint8_t letter;
    std::uint8_t isolated, final;
};

// Lam directly followed by one of four alefs becomes one ligature glyph.
struct LamAlefLigature {
    std::uint8_t alef;
    std::uint8_t isolated, final;
};

inline constexpr std::uint8_t kLam = 0xE1;
inline constexpr std::uint8_t kHamza = 0xC1;
inline constexpr std::uint8_t kHamzaGlyph = 0xF4;

inline constexpr std::array<FourFormLetter, 23> kFourFormLetters = {{
    {0xC8, 0x4B, 0x4C, 0x4D, 0x4E},  // beh
    {0xCA, 0x4F, 0x50, 0x51, 0x52},  // teh
    {0xCB, 0x53, 0x54, 0x55, 0x56},  // theh
    {0xCC, 0x57, 0x58, 0x59, 0x5A},  // jeem
    {0xCD, 0x61, 0x62, 0x63, 0x64},  // hah
    {0xCE, 0x65, 0x66, 0x67, 0x68},  // khah
    {0xD3, 0x71, 0x72, 0x73, 0x74},  // seen
    {0xD4, 0x75, 0x76, 0x77, 0x78},  // sheen
    {0xD5, 0x79, 0x7A, 0xA1, 0xA2},  // sad
    {0xD6, 0xA3, 0xA4, 0xA5, 0xA6},  // dad
    {0xD8, 0xA7, 0xA8, 0xA9, 0xAA},  // tah
    {0xD9, 0xAB, 0xAC, 0xAD, 0xAE},  // zah
    {0xDA, 0xB0, 0xB1, 0xB2, 0xB3},  // ain
    {0xDB, 0xB4, 0xB5, 0xB7, 0xB8},  // ghain (the font has no B6)
    {0xDD, 0xB9, 0xBA, 0xBB, 0xBC},  // feh
    {0xDE, 0xBD, 0xBE, 0xBF, 0xC0},  // qaf
    {0xDF, 0xC1, 0xC2, 0xC3, 0xC4},  // kaf
    {0xE1, 0xC5, 0xC6, 0xC7, 0xC8},  // lam
    {0xE3, 0xD4, 0xD5, 0xD6, 0xD7},  // meem
    {0xE4, 0xD8, 0xD9, 0xDA, 0xDB},  // noon
    {0xE5, 0xE4, 0xE5, 0xE6, 0xE7},  // heh
    {0xED, 0xEC, 0xE9, 0xEA, 0xED},  // yeh
    {0xC6, 0xF1, 0xEF, 0xF2, 0xF3},  // yeh with hamza above (F0 is never written)
}};

inline constexpr std::array<TwoFormLetter, 13> kTwoFormLetters = {{
    {0xC7, 0x43, 0x44},  // alef
    {0xC3, 0x45, 0x46},  // alef with hamza above
    {0xC5, 0x47, 0x48},  // alef with hamza below
    {0xC2, 0x49, 0x4A},  // alef with madda above
    {0xCF, 0x69, 0x6A},  // dal
    {0xD0, 0x6B, 0x6C},  // thal
    {0xD1, 0x6D, 0x6E},  // reh
    {0xD2, 0x6F, 0x70},  // zain
    {0xE6, 0xDC, 0xDD},  // waw
    {0xC4, 0xE2, 0xE3},  // waw with hamza above
    {0xEC, 0xE8, 0xEB},  // alef maksura
    {0xC9, 0xF5, 0xF6},  // teh marbuta
    {0xC1, 0xF4, 0xF4},  // hamza
}};

inline constexpr std::array<LamAlefLigature, 4> kLamAlefLigatures = {{
    {0xC7, 0xCB, 0xCC},  // lam + alef
    {0xC2, 0xCD, 0xCE},  // lam + alef with madda above
    {0xC5, 0xCF, 0xD0},  // lam + alef with hamza below
    {0xC3, 0xD1, 0xD2},  // lam + alef with hamza above
}};

// Glyph codes the encoder never writes but the receiver's own lists may hold.
struct ExtraGlyph {
    std::uint8_t glyph;
    std::uint8_t letter;
};
inline constexpr std::array<ExtraGlyph, 5> kExtraGlyphs = {{
    {0x5E, 0xDF},  // kaf
    {0x5F, 0xDF},  // kaf
    {0xDE, 0xC4},  // waw with hamza above
    {0xDF, 0xC4},  // waw with hamza above
    {0xF0, 0xC1},  // hamza
}};

// Windows-1256 text of a glyph code 0x40..0xFF: one letter, or lam and alef for a ligature.
// Empty for codes without an entry (the caller shows the byte itself).
std::string_view decodeGlyph(std::uint8_t glyph);

// Text that Windows-1256 can show for a Latin-1 byte 0x40..0xFF (accents folded away).
// Empty where the byte itself is shown.
std::string_view foldLatin1(std::uint8_t byte);

// The contextual form of a letter, by the tables above.
enum class LetterKind : std::uint8_t { Other, FourForm, TwoForm };
struct LetterForms {
    LetterKind kind = LetterKind::Other;
    std::uint8_t isolated = 0, initial = 0, medial = 0, final = 0;
};
const LetterForms& letterForms(std::uint8_t letter);

// The ligature of lam with `alef`; nullptr when `alef` forms none.
const LamAlefLigature* lamAlefLigature(std::uint8_t alef);

}  // namespace kavro::glyphs
