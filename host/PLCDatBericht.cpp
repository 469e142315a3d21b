// Texts that name what the engine could not take from "PLC.DAT".
#include "PLCDatBericht.h"

#include <vector>

#include "PoolText.h"
#include "kolv_d7ed.h"

namespace {

// Lines a list may fill in the box before it is cut, so that the box stays
// on the screen with a file of random bytes.
constexpr size_t nMaxZeilen = 8;

// The engine's report of kind iArt, held to nMaxZeilen lines; "…" stands
// for the rest. Empty when there is nothing to report.
std::string Liste(int iArt, uint32_t& dwAnzahl)
{
    std::vector<char> puffer(8192, '\0');
    dwAnzahl = D7ED_GetSPSEigenschaftenBericht(iArt, puffer.data(), static_cast<uint32_t>(puffer.size()));
    const std::string sText = puffer.data();
    std::string s;
    size_t uPos = 0, nZeilen = 0;
    while (uPos < sText.size() && nZeilen < nMaxZeilen) {
        const size_t uEnde = sText.find('\n', uPos);
        s += (s.empty() ? "" : "\n") + sText.substr(uPos, uEnde - uPos);
        uPos = uEnde + 1;
        ++nZeilen;
    }
    const bool bMehr = uPos < sText.size() || (iArt == D7ED_BERICHT_ZEILEN && dwAnzahl > nZeilen);
    if (bMehr) s += "\n\xE2\x80\xA6";
    return s;
}

} // namespace

std::string PLCDatBerichtText(unsigned long ulText, const std::string& sPfad)
{
    std::string s = PoolTextFormat(ulText, "%s", sPfad.c_str());
    uint32_t dwWerte = 0, dwZeilen = 0;
    const std::string sWerte = Liste(D7ED_BERICHT_WERTE, dwWerte);
    const std::string sZeilen = Liste(D7ED_BERICHT_ZEILEN, dwZeilen);
    if (dwWerte >= D7ED_EIGENSCHAFTEN_ANZAHL)
        s += PoolTextFormat(6802, "%s", PoolText(6804).c_str());
    else if (dwWerte > 0)
        s += PoolTextFormat(6802, "%s", sWerte.c_str());
    if (dwZeilen > 0) s += PoolTextFormat(6803, "%s", sZeilen.c_str());
    return s;
}
