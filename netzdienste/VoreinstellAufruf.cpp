// The command line of the presets program.
#include "VoreinstellAufruf.h"

uint16_t wVoreinstellSprache(unsigned uTextSprache) { return uTextSprache == 1 ? 1 : 2; }

uint16_t wVoreinstellSpracheLesen(int32_t iWert) { return (iWert == 1 || iWert == 2) ? uint16_t(iWert) : 1; }

std::string VoreinstellAufrufZeile(const std::string& sProgramm, uint32_t uKommuID, int iLeft, int iTop,
                                   int iWidth, int iHeight, unsigned uTextSprache)
{
    std::string teile[VA_SPRACHE + 1];
    teile[VA_PROGRAMM] = "\"" + sProgramm + "\"";
    teile[VA_KOMMUID] = "\"" + std::to_string(uKommuID) + "\"";
    const int rechteck[4] = {iLeft, iTop, iWidth, iHeight};
    for (std::size_t i = 0; i < 4; ++i)
        teile[VA_LEFT + i] = std::to_string(rechteck[i]);
    // Without the language word the presets program would run in German
    // under every other language of Veltrano.
    teile[VA_SPRACHE] = std::to_string(wVoreinstellSprache(uTextSprache));
    std::string sZeile = teile[0];
    for (std::size_t i = 1; i <= VA_SPRACHE; ++i)
        sZeile += " " + teile[i];
    return sZeile;
}
