// Reading the CPU type files.
#include "SPSTyp.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinIni.h"
#include "WinText.h"

std::string cSPSTyp;

namespace {

std::string OhneLeerAmEnde(std::string s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

// A type file value as the design's 1000-character buffer reads it.
std::string Wert(const std::string& sPfad, const char* pcKey)
{
    std::string s = TextNachUtf8(ProfilStringLesen(sPfad, cSPSTypAbschnitt, pcKey, ""));
    if (s.size() > 999) s.resize(999);
    return s;
}

// Cuts a UTF-8 text to at most nMax bytes without splitting a character.
std::string Gekuerzt(std::string s, std::size_t nMax)
{
    if (s.size() <= nMax) return s;
    std::size_t n = nMax;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    s.resize(n);
    return s;
}

// Decimal number as atol reads it; bZahl false when no digit follows the
// optional blanks and sign.
long Dezimal(const std::string& s, bool& bZahl)
{
    const char* pc = s.c_str();
    char* pcEnde = nullptr;
    errno = 0;
    long l = std::strtol(pc, &pcEnde, 10);
    bZahl = pcEnde != pc;
    if (errno == ERANGE) l = (l < 0) ? LONG_MIN : LONG_MAX;
    return l;
}

uint32_t Zahl32(const std::string& s)
{
    bool bZahl = false;
    return static_cast<uint32_t>(Dezimal(s, bZahl));
}

uint16_t Zahl16(const std::string& s)
{
    return static_cast<uint16_t>(Zahl32(s));
}

} // namespace

std::string& pcSPSTypDateiPfad(const std::string& sEintrag, std::string& sZiel, bool bVoll)
{
    const std::size_t nKlammer = sEintrag.find('(');
    std::string sName =
        (nKlammer == std::string::npos) ? sEintrag : OhneLeerAmEnde(sEintrag.substr(0, nKlammer));
    sZiel = bVoll ? cExeVerzeichnis + cSPSTypOrdner + sName : sName;
    return sZiel;
}

const char* pcSPSTypDatei(std::string& sZiel)
{
    sZiel.clear();
    if (cSPSTyp.empty()) return nullptr;
    std::string sName;
    pcSPSTypDateiPfad(cSPSTyp, sName, false);
    pcSPSTypDateiPfad(cSPSTyp, sZiel, true);
    if (sName.empty()) return nullptr;
    const std::string sGefunden = DateiImOrdnerSuchen(cExeVerzeichnis + cSPSTypOrdner, sName);
    if (sGefunden.empty()) return nullptr;
    sZiel = sGefunden;
    return sZiel.c_str();
}

void SPSTypDateiFehlt(const std::string& sPfad)
{
    FehlerMeldung(PoolTextFormat(1257, "%s", sPfad.c_str()));
}

void ZahlenlisteAuswerten(const std::string& sListe, uint8_t* pFlags, int iLaenge)
{
    if (!pFlags || iLaenge <= 0) return;
    if (iLaenge > iSPSTypFlags) iLaenge = iSPSTypFlags;
    std::string s;
    for (char c : sListe)
        if (c != ' ') s += c;
    std::size_t nPos = 0;
    while (nPos <= s.size()) {
        std::size_t nEnde = s.find(',', nPos);
        if (nEnde == std::string::npos) nEnde = s.size();
        const std::string sStueck = s.substr(nPos, nEnde - nPos);
        nPos = nEnde + 1;
        if (sStueck.empty()) continue;
        bool bZahl = false;
        const long l = Dezimal(sStueck, bZahl);
        // A piece that is no number would read as 0 and mark block 0 as
        // present; it is passed over like any number outside the array.
        if (bZahl && l >= 0 && l < iLaenge) pFlags[l] = 1;
    }
}

bool bSPSTypDateiLesen(const std::string& sPfad, SPSTypDaten& Daten)
{
    Daten = SPSTypDaten{};
    Daten.cBestellNummer = Gekuerzt(Wert(sPfad, "PLC_ORDER_NUMBER"), 255);
    Daten.cSPSName = Gekuerzt(Wert(sPfad, "PLC_NAME"), 254);
    Daten.dwRamGroesseKB = Zahl32(Wert(sPfad, "RAM_SIZE_KBYTE"));
    Daten.wMerkerBytes = Zahl16(Wert(sPfad, "MEMORY_BYTES"));
    Daten.wAnzahlTimer = Zahl16(Wert(sPfad, "TIMER_NUMBER"));
    Daten.wAnzahlZaehler = Zahl16(Wert(sPfad, "COUNTER_NUMBER"));
    Daten.wAnzahlFC = Zahl16(Wert(sPfad, "FC_NUMBER"));
    Daten.wAnzahlFB = Zahl16(Wert(sPfad, "FB_NUMBER"));
    Daten.wAnzahlDB = Zahl16(Wert(sPfad, "DB_NUMBER"));
    ZahlenlisteAuswerten(Wert(sPfad, "SFC_ARRAY"), Daten.SFCFlags, iSPSTypFlags);
    ZahlenlisteAuswerten(Wert(sPfad, "SFB_ARRAY"), Daten.SFBFlags, iSPSTypFlags);
    ZahlenlisteAuswerten(Wert(sPfad, "OB_ARRAY"), Daten.OBFlags, iSPSTypFlags);
    return true;
}

std::string SPSTypErgebnisText(int iErgebnis)
{
    switch (iErgebnis) {
    case 100: return PoolText(1349);
    case 101: return PoolText(1350);
    case 102:
    case 103: return PoolText(1351);
    case 104: return PoolText(1352);
    case 105: return PoolText(1353);
    case 106: return PoolText(1354);
    case 107: return PoolText(1355);
    case 108: return PoolText(1356);
    case 109: return PoolText(1357);
    case 110: return PoolText(1358);
    default: return std::string();
    }
}
