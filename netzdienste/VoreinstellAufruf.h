// The command line with which Veltrano starts the presets program Netzplan:
// Veltrano writes it with VoreinstellAufrufZeile, Netzplan reads its
// arguments at the places named here, so that writer and reader cannot
// drift.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Places of the arguments, 0 being the program path. The caller window's
// Left, Top, Width and Height follow one another from VA_LEFT.
enum TVoreinstellArgument : std::size_t {
    VA_PROGRAMM = 0,
    VA_KOMMUID = 1,
    VA_LEFT = 2,
    VA_SPRACHE = 6,
};
// A call holds at least the path, the identifier, Left and Top; Width,
// Height and the language word may be missing.
inline constexpr std::size_t VA_MINDESTANZAHL = 4;

// The language word of the presets program for a text language of
// Veltrano: 1 (German) for text language 1, 2 (English) for every other.
uint16_t wVoreinstellSprache(unsigned uTextSprache);
// The language word the presets program takes from the value of its
// language argument: 1 and 2 as they stand, 1 for any other value.
uint16_t wVoreinstellSpracheLesen(int32_t iWert);

// "\"<program>\" \"<KommuID>\" <Left> <Top> <Width> <Height> <language word>":
// the program path and the communication identifier in double quotes, the
// caller window's outer rectangle as signed decimals and the language word,
// separated by single blanks.
std::string VoreinstellAufrufZeile(const std::string& sProgramm, uint32_t uKommuID, int iLeft, int iTop,
                                   int iWidth, int iHeight, unsigned uTextSprache);
