// The list of installed languages and the two language settings.
#include "kolv_spr2.h"
#include "Sprache_intern.h"

#include "WinMeldung.h"
#include "WinText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace kolv_spr2 {

unsigned char ucSyntaxsprache = 1;
unsigned char ucTextsprache = 1;

namespace {

constexpr int iMaxSprachen = 50;
constexpr size_t nNameGroesse = 80;     // 79 characters and the NUL
constexpr size_t nZeilenGrenze = 253;   // characters of a line that are read

struct SprachEintrag {
    char acName[nNameGroesse];
    int32_t iId;
};

SprachEintrag Sprachen[iMaxSprachen];
int iAnzahlSprachen = 0;
char acAppName[510] = "Veltrano";
char acFragezeichen[] = "?";

int SprachFehlerMeldung(const std::string& sText)
{
    // No window of the library's own is active: the box has no owner.
    return MessageBoxA(nullptr, sText, "LanguageDLL", MB_OK | MB_ICONERROR);
}

std::string Formatiert(const char* pcMuster, const std::string& sWert)
{
    const int n = std::snprintf(nullptr, 0, pcMuster, sWert.c_str());
    std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(s.data(), s.size() + 1, pcMuster, sWert.c_str());
    return s;
}

// Upper-cases ASCII letters and the German umlauts in place (UTF-8).
char* pcGrossschreiben(char* pcName)
{
    // Ä Ö Ü take as many bytes as ä ö ü, so the name keeps its length.
    const size_t nLaenge = std::strlen(pcName);
    const std::string s = GrossUmlaut(pcName);
    if (s.size() == nLaenge) std::memcpy(pcName, s.c_str(), nLaenge + 1);
    return pcName;
}

bool bDateiVorhanden(const std::string& sOrdner, const std::string& sName)
{
    return !DateiImOrdnerSuchen(sOrdner, sName).empty();
}

int SprachenIniAuswerten(const char* pcOrdner)
{
    const std::string sOrdner = pcOrdner ? pcOrdner : "";
    const std::string sSprachordner = sOrdner + "Sprachen/";
    std::string sText;
    if (!bTextDateiLesen(sSprachordner + "Languages.ini", sText))
        return SprachFehlerMeldung("Inidatei für Sprachenauswahl ist nicht vorhanden!");

    std::istringstream datei(sText);
    std::string sZeile;
    while (std::getline(datei, sZeile)) {
        // A longer line is cut instead of being read on as further lines.
        if (sZeile.size() > nZeilenGrenze) sZeile.resize(nZeilenGrenze);
        char acZeile[nZeilenGrenze + 1];
        std::memcpy(acZeile, sZeile.c_str(), sZeile.size() + 1);
        pcLeerzeichenEntfernen(acZeile);
        size_t n = std::strlen(acZeile);
        if (n > 0 && acZeile[n - 1] == '\r') acZeile[--n] = '\0';
        if (acZeile[0] == '\0' || acZeile[0] == ';' || acZeile[0] == '/' || acZeile[0] == '\n')
            continue;
        const char* pcGleich = std::strchr(acZeile, '=');
        if (!pcGleich) {
            SprachFehlerMeldung(Formatiert("Inidatei für Sprachen: Eintrag %s ist fehlerhaft!", acZeile));
            continue;
        }
        char acName[nZeilenGrenze + 1];
        pcstrcpyBisToken(acName, acZeile, '=', 0, 0, 0, 0);
        pcGrossschreiben(acName);
        // A name the table cannot hold whole, or a table that is full, is refused.
        if (std::strlen(acName) >= nNameGroesse || iAnzahlSprachen >= iMaxSprachen) {
            SprachFehlerMeldung(Formatiert("Inidatei für Sprachen: Eintrag %s ist fehlerhaft!", acZeile));
            continue;
        }
        long lNummer = 0;
        for (const char* p = pcGleich + 1; *p >= '0' && *p <= '9' && lNummer < 1000000; ++p)
            lNummer = lNummer * 10 + (*p - '0');
        const std::string sDatei = std::string(acName) + ".dat";
        if (!bDateiVorhanden(sSprachordner, sDatei)) {
            SprachFehlerMeldung(Formatiert("Datei %s ist nicht vorhanden!", sSprachordner + sDatei));
            continue;
        }
        SprachEintrag& e = Sprachen[iAnzahlSprachen++];
        std::memcpy(e.acName, acName, std::strlen(acName) + 1);
        e.iId = static_cast<int32_t>(lNummer);
    }
    return 1;
}

} // namespace

} // namespace kolv_spr2

using namespace kolv_spr2;

extern "C" {

unsigned char SPR_GetSyntaxSprache(void) { return ucSyntaxsprache; }
bool SPR_SetSyntaxSprache(unsigned char ucSprache)
{
    ucSyntaxsprache = ucSprache;
    return true;
}
unsigned char SPR_GetTextSprache(void) { return ucTextsprache; }
bool SPR_SetTextSprache(unsigned char ucSprache)
{
    ucTextsprache = ucSprache;
    return true;
}

unsigned char SPR_GetSprachIndexVonString(char* pcName)
{
    if (!pcName) return 0;
    for (int i = 0; i < iAnzahlSprachen; ++i)
        if (std::strcmp(Sprachen[i].acName, pcName) == 0)
            return static_cast<unsigned char>(Sprachen[i].iId & 0xFF);
    return 0;
}

char* SPR_GetSprachStrVonIndex(unsigned char ucIndex)
{
    if (ucIndex < iAnzahlSprachen) return Sprachen[ucIndex].acName;
    return acFragezeichen;
}

char* SPR_GetSprachStrVonId(unsigned char ucId)
{
    for (int i = 0; i < iAnzahlSprachen; ++i)
        if (Sprachen[i].iId == ucId) return Sprachen[i].acName;
    return nullptr;
}

int SPR_iGetAnzahlSprachen(void) { return iAnzahlSprachen; }

int SPR_DLLInitialisieren(char* pcOrdner) { return SprachenIniAuswerten(pcOrdner); }

char* SPR_SetAppName(char* pcName)
{
    std::snprintf(acAppName, sizeof acAppName, "%s", pcName ? pcName : "");
    return acAppName;
}

int LibMain(void*, unsigned short, unsigned short, char*) { return 1; }

} // extern "C"
