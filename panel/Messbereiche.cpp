// Reader of the analog measuring ranges (MESSB.TXT).
#include "Messbereiche.h"

#include "ProgrammWerte.h"
#include "WinIni.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

Messbereich MessbereicheEingabe[iMaxMessbereiche];
int32_t iAnzahlMessbereicheEingabe = 0;
Messbereich MessbereicheAusgabe[iMaxMessbereiche];
int32_t iAnzahlMessbereicheAusgabe = 0;

namespace {

// Values are read with at most 99 characters, as the profile buffer of 100
// bytes holds; the cut never splits a UTF-8 character.
constexpr std::size_t nMaxWertLaenge = 99;

void AbschnittEinlesen(const std::string& sDatei, const char* pcAbschnitt, const char* pcKeyMuster,
                       Messbereich* pTabelle, int32_t& iAnzahl)
{
    iAnzahl = 0;
    for (int i = 0; iAnzahl < iMaxMessbereiche; ++i) {
        char cKey[32];
        std::snprintf(cKey, sizeof cKey, pcKeyMuster, i);
        std::string sWert = ProfilStringLesen(sDatei, pcAbschnitt, cKey, "");
        sWert = Utf8Kuerzen(sWert, nMaxWertLaenge);
        if (sWert.empty())
            return;
        Messbereich Neu;
        if (!MessbereichZeileAuswerten(sWert, Neu)) {
            // The fields read so far stay in the entry, outside the count.
            pTabelle[iAnzahl] = Neu;
            return;
        }
        pTabelle[iAnzahl] = Neu;
        ++iAnzahl;
    }
}

} // namespace

bool MessbereichZeileAuswerten(const std::string& sText, Messbereich& Bereich)
{
    if (sText.empty())
        return false;
    std::size_t nPos = 0;
    for (int iFeld = 1; iFeld <= 8; ++iFeld) {
        std::size_t nEnde = sText.find(';', nPos);
        if (nEnde == std::string::npos)
            return false;
        const std::string sFeld = sText.substr(nPos, nEnde - nPos);
        nPos = nEnde + 1;
        switch (iFeld) {
        case 1: Bereich.fOberwert = fTextAlsFloat(sFeld.c_str()); break;
        case 2: Bereich.fUnterwert = fTextAlsFloat(sFeld.c_str()); break;
        case 3: Bereich.iRohOberwert = iTextAlsGanzzahl(sFeld.c_str()); break;
        case 4: Bereich.iRohUnterwert = iTextAlsGanzzahl(sFeld.c_str()); break;
        case 5: Bereich.fReserve = fTextAlsFloat(sFeld.c_str()); break;
        case 6: Bereich.iNachkommastellen = iTextAlsGanzzahl(sFeld.c_str()); break;
        case 7: Bereich.cEinheit = Utf8ZeichenKuerzen(sFeld, 2); break;
        case 8: Bereich.cName = Utf8Kuerzen(sFeld, 255); break;
        }
    }
    return true;
}

bool MessbereicheEinlesen(const std::string& sDatei)
{
    AbschnittEinlesen(sDatei, "analogeingabe", "EMB%i", MessbereicheEingabe,
                      iAnzahlMessbereicheEingabe);
    AbschnittEinlesen(sDatei, "analogausgabe", "AMB%i", MessbereicheAusgabe,
                      iAnzahlMessbereicheAusgabe);
    return true;
}

bool MessbereicheEinlesen()
{
    return MessbereicheEinlesen(cExeVerzeichnis + "__system/Analog/MESSB.TXT");
}

const Messbereich* pGetMessbereich(bool bEingabe, int32_t iIndex)
{
    const int32_t iAnzahl = bEingabe ? iAnzahlMessbereicheEingabe : iAnzahlMessbereicheAusgabe;
    if (iIndex < 0 || iIndex >= iAnzahl)
        return nullptr;
    return bEingabe ? &MessbereicheEingabe[iIndex] : &MessbereicheAusgabe[iIndex];
}

// --- Number texts ------------------------------------------------------
namespace {

// Skips leading white space and one sign; returns where the digits start.
const char* pcVorzeichenLesen(const char* p, bool& bNegativ)
{
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bNegativ = (*p == '-');
    if (*p == '+' || *p == '-')
        ++p;
    return p;
}

} // namespace

double dTextAlsReal(const char* pcText)
{
    if (!pcText)
        return 0.0;
    bool bNegativ = false;
    const char* p = pcVorzeichenLesen(pcText, bNegativ);
    double dWert = 0.0;
    // from_chars reads the general format without a sign; it never looks
    // at the locale. Hexadecimal floats and "inf"/"nan" are not wanted in
    // these files and read as far as from_chars takes them.
    auto erg = std::from_chars(p, p + std::strlen(p), dWert, std::chars_format::general);
    if (erg.ec == std::errc::result_out_of_range)
        return bNegativ ? -HUGE_VAL : HUGE_VAL;
    if (erg.ec != std::errc())
        return 0.0;
    return bNegativ ? -dWert : dWert;
}

float fTextAlsFloat(const char* pcText)
{
    const double d = dTextAlsReal(pcText);
    if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(FLT_MAX))
        return 0.0f;
    return static_cast<float>(d);
}

int32_t iTextAlsGanzzahl(const char* pcText)
{
    if (!pcText)
        return 0;
    bool bNegativ = false;
    const char* p = pcVorzeichenLesen(pcText, bNegativ);
    long long llWert = 0;
    while (*p >= '0' && *p <= '9') {
        llWert = llWert * 10 + (*p - '0');
        if (llWert > static_cast<long long>(INT32_MAX) + 1)
            llWert = static_cast<long long>(INT32_MAX) + 1;
        ++p;
    }
    if (bNegativ)
        llWert = -llWert;
    if (llWert > INT32_MAX)
        llWert = INT32_MAX;
    if (llWert < INT32_MIN)
        llWert = INT32_MIN;
    return static_cast<int32_t>(llWert);
}

std::string FestkommaText(double dWert, int iStellen, int iBreite)
{
    char cPuffer[400];
    if (iStellen < 0)
        iStellen = 0;
    if (iStellen > 20)
        iStellen = 20;
    std::string sText;
    if (std::isnan(dWert)) {
        sText = "nan";
    } else if (std::isinf(dWert)) {
        sText = dWert < 0 ? "-inf" : "inf";
    } else {
        auto erg = std::to_chars(cPuffer, cPuffer + sizeof cPuffer, dWert, std::chars_format::fixed,
                                 iStellen);
        sText.assign(cPuffer, erg.ec == std::errc() ? erg.ptr : cPuffer);
    }
    if (static_cast<int>(sText.size()) < iBreite)
        sText.insert(0, static_cast<std::size_t>(iBreite) - sText.size(), ' ');
    return sText;
}

std::string Utf8Kuerzen(const std::string& sText, std::size_t nMaxBytes)
{
    if (sText.size() <= nMaxBytes)
        return sText;
    std::size_t n = nMaxBytes;
    // Step back over continuation bytes so the cut falls before a lead byte.
    while (n > 0 && (static_cast<unsigned char>(sText[n]) & 0xC0) == 0x80)
        --n;
    return sText.substr(0, n);
}

std::string Utf8ZeichenKuerzen(const std::string& sText, std::size_t nMaxZeichen)
{
    std::size_t nZeichen = 0;
    for (std::size_t i = 0; i < sText.size(); ++i) {
        if ((static_cast<unsigned char>(sText[i]) & 0xC0) != 0x80) {
            if (nZeichen == nMaxZeichen)
                return sText.substr(0, i);
            ++nZeichen;
        }
    }
    return sText;
}
