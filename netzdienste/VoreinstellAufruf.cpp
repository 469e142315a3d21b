// The command line of the presets program.
#include "VoreinstellAufruf.h"

uint16_t wVoreinstellSprache(unsigned uTextSprache) { return uTextSprache == 1 ? 1 : 2; }

std::string VoreinstellAufrufZeile(const std::string& sProgramm, uint32_t uKommuID, int iLeft, int iTop,
                                   int iWidth, int iHeight, unsigned uTextSprache)
{
    // Without the language word the presets program would run in German
    // under every other language of Veltrano.
    return "\"" + sProgramm + "\" \"" + std::to_string(uKommuID) + "\" " + std::to_string(iLeft) + " " +
           std::to_string(iTop) + " " + std::to_string(iWidth) + " " + std::to_string(iHeight) + " " +
           std::to_string(wVoreinstellSprache(uTextSprache));
}
