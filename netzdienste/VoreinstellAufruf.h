// The command line with which Veltrano starts the presets program Netzplan;
// both programs take it from here, so that writer and reader cannot drift.
#pragma once

#include <cstdint>
#include <string>

// The language word of the presets program for a text language of
// Veltrano: 1 (German) for text language 1, 2 (English) for every other.
uint16_t wVoreinstellSprache(unsigned uTextSprache);

// "\"<program>\" \"<KommuID>\" <Left> <Top> <Width> <Height> <language word>":
// the program path and the communication identifier in double quotes, the
// caller window's outer rectangle as signed decimals and the language word,
// separated by single blanks.
std::string VoreinstellAufrufZeile(const std::string& sProgramm, uint32_t uKommuID, int iLeft, int iTop,
                                   int iWidth, int iHeight, unsigned uTextSprache);
