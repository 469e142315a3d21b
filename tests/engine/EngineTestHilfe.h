// Helpers of the engine tests: a known engine state and block images.
#pragma once

#include "kolv_d7ed.h"

#include <cstdint>
#include <string>
#include <vector>

namespace enginetest {

// Engine in STOP, built-in CPU type, no loaded blocks, default properties.
inline void EngineZuruecksetzen()
{
    int iFehler = -1;
    D7ED_Stop(&iFehler);
    D7ED_AGInternEinstellen_C312();
    std::vector<uint16_t> verzeichnis(20000);
    D7ED_GetBausteinverzeichnis(verzeichnis.data(), 20000, nullptr, &iFehler);
    for (size_t i = 0; i + 1 < verzeichnis.size() && verzeichnis[i] != 0; i += 2)
        D7ED_BstLoeschen(static_cast<unsigned char>(verzeichnis[i]), verzeichnis[i + 1], &iFehler);
    D7ED_bSPSEigenschaftenLaden("");  // a failed load sets the defaults
    D7ED_SetEnglishLanguage(false);
}

// A block image: 36-byte header ("pp", type, number, total length, the
// header value at 32-33, the code length at 34-35) followed by the data.
inline std::vector<uint8_t> BausteinBild(uint8_t byTyp, uint16_t wNr, const std::vector<uint8_t>& daten,
                                         uint16_t wKopfwert = 0, int iCodeLaenge = -1)
{
    std::vector<uint8_t> ab(D7ED_BST_KOPF_LAENGE, 0);
    ab[0] = 'p';
    ab[1] = 'p';
    ab[5] = byTyp;
    ab[6] = uint8_t(wNr >> 8);
    ab[7] = uint8_t(wNr);
    ab.insert(ab.end(), daten.begin(), daten.end());
    const uint32_t dwLaenge = uint32_t(ab.size());
    ab[8] = uint8_t(dwLaenge >> 24);
    ab[9] = uint8_t(dwLaenge >> 16);
    ab[10] = uint8_t(dwLaenge >> 8);
    ab[11] = uint8_t(dwLaenge);
    ab[32] = uint8_t(wKopfwert >> 8);
    ab[33] = uint8_t(wKopfwert);
    const uint16_t wCode = uint16_t(iCodeLaenge < 0 ? daten.size() : size_t(iCodeLaenge));
    ab[34] = uint8_t(wCode >> 8);
    ab[35] = uint8_t(wCode);
    return ab;
}

// Writes an image with the arguments taken from its own header, as a block
// file loader does; returns the error code.
inline int BausteinSchreiben(const std::vector<uint8_t>& ab)
{
    int iFehler = -1;
    const uint16_t wKopf = ab[5] == D7ED_BST_DB ? 0 : uint16_t((ab[32] << 8) | ab[33]);
    D7ED_BstWrite(ab[5], uint16_t((ab[6] << 8) | ab[7]), uint16_t(ab.size()), wKopf, ab.data(), &iFehler);
    return iFehler;
}

// The directory as (type, number) pairs up to the end entry.
inline std::vector<std::pair<uint16_t, uint16_t>> Verzeichnis()
{
    std::vector<uint16_t> puffer(20000, 0xEEEE);
    int iFehler = -1;
    D7ED_GetBausteinverzeichnis(puffer.data(), 20000, nullptr, &iFehler);
    std::vector<std::pair<uint16_t, uint16_t>> v;
    for (size_t i = 0; i + 1 < puffer.size() && puffer[i] != 0; i += 2)
        v.emplace_back(puffer[i], puffer[i + 1]);
    return v;
}

} // namespace enginetest
