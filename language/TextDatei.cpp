// Reading a language's text file into the shared pool.
#include "kolv_spr2.h"
#include "Textpool_intern.h"

#include "WinText.h"

#include <cctype>
#include <cstring>
#include <string>

namespace kolv_spr2 {

namespace {

// A line is read in pieces of at most this many bytes of the file, line
// feed included; each piece counts as a line of its own.
constexpr size_t nStueckGroesse = 999;

// The file as the lines' source: "\r\n" read as "\n", a leading UTF-8 byte
// order mark dropped, converted to UTF-8 by the one text reader (a line that
// is not UTF-8 as Windows-1252).
struct TTextQuelle {
    std::string sInhalt;
    size_t nPos = 0;

    // The next piece as the text mode reader would give it; false at the end.
    bool bNaechstesStueck(std::string& sStueck)
    {
        if (nPos >= sInhalt.size()) return false;
        size_t nEnde = sInhalt.find('\n', nPos);
        nEnde = nEnde == std::string::npos ? sInhalt.size() : nEnde + 1;
        if (nEnde - nPos > nStueckGroesse) {
            nEnde = nPos + nStueckGroesse;
            // Never cut a UTF-8 character in two.
            while (nEnde > nPos + 1 && (static_cast<unsigned char>(sInhalt[nEnde]) & 0xC0) == 0x80)
                --nEnde;
        }
        sStueck.assign(sInhalt, nPos, nEnde - nPos);
        nPos = nEnde;
        // The C reader stops at an embedded NUL.
        const size_t nNul = sStueck.find('\0');
        if (nNul != std::string::npos) sStueck.resize(nNul);
        return true;
    }
};

bool bDateiOeffnen(const char* pcDatei, TTextQuelle& quelle)
{
    if (!pcDatei || !*pcDatei) return false;
    std::string sPfad = pcDatei;
    std::string sRoh;
    if (!bDateiLesen(sPfad, sRoh)) {
        // Files copied from Windows may differ in letter case only.
        const size_t nStrich = sPfad.rfind('/');
        const std::string sOrdner = nStrich == std::string::npos ? "." : sPfad.substr(0, nStrich + 1);
        const std::string sName = nStrich == std::string::npos ? sPfad : sPfad.substr(nStrich + 1);
        const std::string sGefunden = DateiImOrdnerSuchen(sOrdner, sName);
        if (sGefunden.empty() || !bDateiLesen(sGefunden, sRoh)) return false;
    }
    std::string sText;
    if (!bTextDekodieren(sRoh, sText)) return false;
    quelle.sInhalt.clear();
    quelle.sInhalt.reserve(sText.size());
    for (size_t i = 0; i < sText.size(); ++i)
        if (!(sText[i] == '\r' && i + 1 < sText.size() && sText[i + 1] == '\n'))
            quelle.sInhalt += sText[i];
    quelle.nPos = 0;
    return true;
}

void NullSetzen(int* pi)
{
    if (pi) *pi = 0;
}

} // namespace

char* pcSteuerzeichenErsetzen(char* pcZeile)
{
    char* pcZiel = pcZeile;
    for (const char* p = pcZeile; *p; ++p) {
        if (p[0] == '{' && p[1] && p[2] == '}' && std::strchr("nrt", p[1])) {
            *pcZiel++ = p[1] == 'n' ? '\n' : p[1] == 'r' ? '\r' : '\t';
            p += 2;
        } else if (*p != '\n') {
            *pcZiel++ = *p;
        }
    }
    *pcZiel = '\0';
    return pcZeile;
}

bool bTextDateiAuswerten(const char* pcDatei, int* piAnzahl, int* piFehlerhafte,
                         int* piLetzteFehlerzeile)
{
    NullSetzen(piAnzahl);
    NullSetzen(piFehlerhafte);
    // Without the shared block there is nowhere to store a text.
    if (!Pool.pSicht) return false;
    TTextQuelle quelle;
    if (!bDateiOeffnen(pcDatei, quelle)) return false;

    TextzeigerZuruecksetzen();
    int iAnzahl = 0, iFehlerhafte = 0, iLetzte = 0;
    if (piLetzteFehlerzeile) iLetzte = *piLetzteFehlerzeile;
    int iZeile = 1;
    std::string sStueck;
    while (quelle.bNaechstesStueck(sStueck)) {
        const int iDieseZeile = iZeile++;
        char* pc = sStueck.data();
        pcLeerzeichenAmAnfangUndEndeEntfernen(pc);
        if (pc[0] == '\0' || pc[0] == '\n' || pc[0] == ';' || pc[0] == '/') continue;
        pcSteuerzeichenErsetzen(pc);

        const char* pcGleich = std::strchr(pc, '=');
        if (!pcGleich || !std::isdigit(static_cast<unsigned char>(pc[0]))) {
            ++iFehlerhafte;
            iLetzte = iDieseZeile;
            continue;
        }
        // Leading digits; a huge number only has to stay recognisably too big.
        unsigned long ulNummer = 0;
        for (const char* p = pc; std::isdigit(static_cast<unsigned char>(*p)) && ulNummer < ulAnzahlTexte; ++p)
            ulNummer = ulNummer * 10 + static_cast<unsigned long>(*p - '0');
        const char* pcText = pcGleich + 1;
        size_t nLaenge = std::strlen(pcText);
        if (nLaenge > 0 && pcText[nLaenge - 1] == '\n') --nLaenge;

        if (Pool.ulBelegt + nLaenge + 100 >= ulIndexAnfang) break;  // heap full
        if (ulNummer >= ulAnzahlTexte) {
            ++iFehlerhafte;
            iLetzte = iDieseZeile;
            continue;
        }
        char* pcZiel = Pool.pcHeap + Pool.ulBelegt;
        std::memcpy(pcZiel, pcText, nLaenge);
        pcZiel[nLaenge] = '\0';
        Pool.apcText[ulNummer] = pcZiel;
        // The index keeps its last record for the terminator; texts beyond
        // its room stay reachable in this process only.
        if (static_cast<unsigned long>(iAnzahl) + 1 < ulIndexPlaetze) {
            Pool.pIndex[iAnzahl] = {static_cast<int32_t>(ulNummer), static_cast<int32_t>(Pool.ulBelegt)};
            Pool.pIndex[iAnzahl + 1] = {0, 0};
        }
        Pool.ulBelegt += static_cast<uint32_t>(nLaenge + 1);
        ++iAnzahl;
    }
    if (piAnzahl) *piAnzahl = iAnzahl;
    if (piFehlerhafte) *piFehlerhafte = iFehlerhafte;
    if (piLetzteFehlerzeile) *piLetzteFehlerzeile = iLetzte;
    return true;
}

} // namespace kolv_spr2
