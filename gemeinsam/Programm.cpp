// The start-up of Veltrano up to the text file: program folder, text
// language and its file.
#include "Programm.h"

#include <algorithm>

#include "Meldungen.h"
#include "PoolText.h"
#include "WinMeldung.h"
#include "WinRegistry.h"
#include "WinSprache.h"
#include "kolv_spr2.h"

namespace {

// The language whose file filled the text pool last; 0 = none yet.
unsigned char ucGeladeneSprache = 0;

std::string SprachDateiPfad(const char* pcName)
{
    return cSystemVerzeichnis + "Sprachen/" + pcName + ".DAT";
}

// A box of the loader in the language whose texts are loaded when it shows
// (the text language may already hold the refused number then); the
// English form while no file has filled the pool, or when the loaded file
// lacks the number.
std::string LadeText(unsigned long nNr, const char* pcEnglisch)
{
    if (ucGeladeneSprache == 0)
        return pcEnglisch;
    std::string s = PoolText(nNr);
    return s == "Unbekannter String/Unknown String" ? pcEnglisch : s;
}

} // namespace

uint16_t wAufrufintervallBegrenzt(long long llMs)
{
    return static_cast<uint16_t>(std::clamp<long long>(llMs, 2, 200));
}

void ProgrammordnerSetzen(const std::string& sOrdner)
{
    std::string s = sOrdner;
    if (s.empty() || s.back() != '/') s += '/';
    cExeVerzeichnis = s;
    UserDir = s + "Projects/";
    cSystemVerzeichnis = cExeVerzeichnis + "__system/";
}

unsigned char SpracheVonLangID(uint16_t wLangID)
{
    switch (wLangID & 0x3FF) {
    case 7: return 1;    // German
    case 10: return 3;   // Spanish
    case 12: return 8;   // French
    case 16: return 6;   // Italian
    case 22: return 7;   // Portuguese
    case 25: return 5;   // Russian
    default: return 2;
    }
}

unsigned char SpracheDerInstallation()
{
    std::string sWert;
    if (bRegWertLesen(cRegistrySchluessel, "SpracheInstall", sWert) && !sWert.empty()) {
        if (sWert[0] == 'D') return 1;
        if (sWert[0] == 'U') return 2;
    }
    return SpracheVonLangID(GetSystemDefaultLangID());
}

bool bSprachDateiLaden(unsigned char ucSprache)
{
    const char* pcName = SPR_GetSprachStrVonId(ucSprache);
    if (!pcName) {
        FehlerMeldung(LadeText(6900, "Id of language is invalid!"));
        return false;
    }
    // Taken before the file replaces the pool.
    const std::string sKeineZeilen = LadeText(6901, "No lines found in the language file!");
    const std::string sFehlerhaft = LadeText(6902, "Error found!\nCount total=%d\nLast error in line %d.");
    std::string sPfad = SprachDateiPfad(pcName);
    int iAnzahl = 0;
    int iFehlerhafte = 0;
    int iLetzteFehlerzeile = 0;
    SPR_bSprachenDateiEinlesen(0, sPfad.data(), &iAnzahl, &iFehlerhafte, &iLetzteFehlerzeile);
    if (iAnzahl == 0) FehlerMeldung(sKeineZeilen);
    if (iFehlerhafte != 0)
        FehlerMeldung(TextFormatieren(sFehlerhaft.c_str(), "%d%d", iFehlerhafte, iLetzteFehlerzeile));
    if (iAnzahl == 0) {
        // The reader has emptied the pool: without a single good line every
        // menu would show the default text. The language before comes back.
        const char* pcAlt = ucGeladeneSprache != 0 ? SPR_GetSprachStrVonId(ucGeladeneSprache) : nullptr;
        if (pcAlt && ucGeladeneSprache != ucSprache) {
            std::string sAlt = SprachDateiPfad(pcAlt);
            int iA = 0, iF = 0, iL = 0;
            SPR_bSprachenDateiEinlesen(0, sAlt.data(), &iA, &iF, &iL);
            SPR_SetTextSprache(ucGeladeneSprache);
        }
        return false;
    }
    ucGeladeneSprache = ucSprache;
    return true;
}

void StartVorbereiten(const std::string& sProgrammordner)
{
    ProgrammordnerSetzen(sProgrammordner);
    std::string sSystem = cSystemVerzeichnis;
    SPR_DLLInitialisieren(sSystem.data());
    SPR_SetTextSprache(SpracheDerInstallation());
    bSprachDateiLaden(SPR_GetTextSprache());
}
