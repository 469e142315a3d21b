// CPU type files, as the main program reads them for the panel and as the
// engine takes them over. Property: a type the engine refuses leaves the
// type it had, and names and counts stay within their fields.
#include "FuzzHilfe.h"

#include "SPSTyp.h"
#include "kolv_d7ed.h"

#include <cstring>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsDatei(pDaten, nGroesse, "CPUFUZZ.TXT");
    SPSTypDaten daten;
    if (bSPSTypDateiLesen(sDatei, daten)) {
        Pruefen(daten.cSPSName.size() <= 254 && daten.cBestellNummer.size() <= 255,
                "type name longer than its field");
    }
    D7ED_AGInternEinstellen_C312();
    char acVorher[256] = {}, acNachher[256] = {};
    uint32_t dwRam = 0;
    int iFehler = 0;
    D7ED_GetAGInfoDaten(acVorher, &dwRam, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &iFehler);
    int iErgebnis = -1;
    const bool bOk = D7ED_DatenAusAGDateiUebernehmen(sDatei.c_str(), &iErgebnis);
    D7ED_GetAGInfoDaten(acNachher, &dwRam, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &iFehler);
    Pruefen(bOk == (iErgebnis == 0), "result code and answer disagree");
    if (!bOk) Pruefen(std::strcmp(acVorher, acNachher) == 0, "refused type changed the CPU");
    char acTexte[6][256] = {};
    D7ED_GetIdentifikationsdaten(acTexte[0], acTexte[1], acTexte[2], acTexte[3], acTexte[4],
                                 acTexte[5], &iFehler);
    return 0;
}
