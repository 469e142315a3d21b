// "PLC.DAT": the CPU properties as an ini-style text of our own.
//
//   [KOLV_D7ED]                 Format=1, clock memory, process image,
//                               SFC/SFB, monitoring time
//   [UHRZEITALARM_OB10..17]     Aktiv, Jahr, Monat, Tag, Stunde, Minute,
//                               Periode, Prioritaet
//   [WECKALARM_OB30..38]        Intervall, Prioritaet
//   [VERZOEGERUNGSALARM_OB20..23] Wert, Gestartet, Freigegeben
//
// All values decimal. Sections and keys match without regard to letter case,
// as every ini reader's do. The reader takes what it can: a value missing or
// out of range takes its default, every other value is kept; an unknown key,
// a key given twice (the first counts) and a line that is no key are left
// out. All of it goes into the report of the load, which the host shows.
#include "D7ED_Intern.h"

#include "WinText.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace d7ed {

namespace {

constexpr const char* HAUPTABSCHNITT = "KOLV_D7ED";

struct TFeld {
    std::string sAbschnitt;
    std::string sSchluessel;
    uint32_t dwMax;
    std::function<uint32_t(const TEigenschaften&)> lesen;
    std::function<void(TEigenschaften&, uint32_t)> setzen;
};

// Every value of the file with its range and its place in the record.
std::vector<TFeld> Felder()
{
    std::vector<TFeld> f;
    const std::string h = HAUPTABSCHNITT;
    f.push_back({h, "Format", 1, [](const TEigenschaften&) { return 1u; },
                 [](TEigenschaften&, uint32_t) {}});
    f.push_back({h, "TaktmerkerByte", 0xFFFE, [](const TEigenschaften& e) { return uint32_t(e.wTaktmerkerByte); },
                 [](TEigenschaften& e, uint32_t v) { e.wTaktmerkerByte = uint16_t(v); }});
    f.push_back({h, "TaktmerkerAktiv", 1, [](const TEigenschaften& e) { return uint32_t(e.bTaktmerkerAktiv); },
                 [](TEigenschaften& e, uint32_t v) { e.bTaktmerkerAktiv = v != 0; }});
    f.push_back({h, "PAEPAAAktualisieren", 1, [](const TEigenschaften& e) { return uint32_t(e.bPAEAktualisieren); },
                 [](TEigenschaften& e, uint32_t v) { e.bPAEAktualisieren = v != 0; }});
    f.push_back({h, "SFCSFBIgnorieren", 1, [](const TEigenschaften& e) { return uint32_t(e.bSFCSFBIgnorieren); },
                 [](TEigenschaften& e, uint32_t v) { e.bSFCSFBIgnorieren = v != 0; }});
    f.push_back({h, "ZyklusUeberwachungszeit", 0xFFFF, [](const TEigenschaften& e) { return uint32_t(e.wUeberwachungszeit); },
                 [](TEigenschaften& e, uint32_t v) { e.wUeberwachungszeit = uint16_t(v); }});

    for (size_t i = 0; i < 8; ++i) {
        const std::string a = "UHRZEITALARM_OB" + std::to_string(10 + i);
        auto feld = [&](const char* k, uint32_t dwMax, auto get, auto set) {
            f.push_back({a, k, dwMax,
                         [i, get](const TEigenschaften& e) { return uint32_t(get(e.aUhrzeit[i])); },
                         [i, set](TEigenschaften& e, uint32_t v) { set(e.aUhrzeit[i], v); }});
        };
        feld("Aktiv", 1, [](const TUhrzeitAlarm& u) { return u.dwAktiv; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.dwAktiv = v; });
        feld("Jahr", 0xFFFF, [](const TUhrzeitAlarm& u) { return u.wJahr; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.wJahr = uint16_t(v); });
        feld("Monat", 0xFF, [](const TUhrzeitAlarm& u) { return u.byMonat; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.byMonat = uint8_t(v); });
        feld("Tag", 0xFF, [](const TUhrzeitAlarm& u) { return u.byTag; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.byTag = uint8_t(v); });
        feld("Stunde", 0xFF, [](const TUhrzeitAlarm& u) { return u.byStunde; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.byStunde = uint8_t(v); });
        feld("Minute", 0xFF, [](const TUhrzeitAlarm& u) { return u.byMinute; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.byMinute = uint8_t(v); });
        feld("Periode", 0xFFFF, [](const TUhrzeitAlarm& u) { return u.wPeriode; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.wPeriode = uint16_t(v); });
        feld("Prioritaet", 0xFF, [](const TUhrzeitAlarm& u) { return u.byPrioritaet; },
             [](TUhrzeitAlarm& u, uint32_t v) { u.byPrioritaet = uint8_t(v); });
    }
    for (size_t i = 0; i < 9; ++i) {
        const std::string a = "WECKALARM_OB" + std::to_string(30 + i);
        f.push_back({a, "Intervall", 0xFFFF, [i](const TEigenschaften& e) { return uint32_t(e.aWeck[i].wIntervall); },
                     [i](TEigenschaften& e, uint32_t v) { e.aWeck[i].wIntervall = uint16_t(v); }});
        f.push_back({a, "Prioritaet", 0xFF, [i](const TEigenschaften& e) { return uint32_t(e.aWeck[i].byPrioritaet); },
                     [i](TEigenschaften& e, uint32_t v) { e.aWeck[i].byPrioritaet = uint8_t(v); }});
    }
    for (size_t i = 0; i < 4; ++i) {
        const std::string a = "VERZOEGERUNGSALARM_OB" + std::to_string(20 + i);
        f.push_back({a, "Wert", 0xFFFFFFFFu, [i](const TEigenschaften& e) { return e.aVerzoegerung[i].dwWert; },
                     [i](TEigenschaften& e, uint32_t v) { e.aVerzoegerung[i].dwWert = v; }});
        f.push_back({a, "Gestartet", 0xFF, [i](const TEigenschaften& e) { return uint32_t(e.aVerzoegerung[i].byGestartet); },
                     [i](TEigenschaften& e, uint32_t v) { e.aVerzoegerung[i].byGestartet = uint8_t(v); }});
        f.push_back({a, "Freigegeben", 0xFF, [i](const TEigenschaften& e) { return uint32_t(e.aVerzoegerung[i].byFreigegeben); },
                     [i](TEigenschaften& e, uint32_t v) { e.aVerzoegerung[i].byFreigegeben = uint8_t(v); }});
    }
    return f;
}

std::string Getrimmt(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return std::string();
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool bDezimal(const std::string& s, uint32_t dwMax, uint32_t& dw)
{
    if (s.empty() || s.size() > 10)
        return false;
    uint64_t q = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        q = q * 10 + uint64_t(c - '0');
    }
    if (q > dwMax)
        return false;
    dw = uint32_t(q);
    return true;
}

} // namespace

std::string EigenschaftenText(const TEigenschaften& eig)
{
    std::string s = "; CPU properties of the kolv_d7ed engine\n";
    std::string sAbschnitt;
    for (const TFeld& f : Felder()) {
        if (f.sAbschnitt != sAbschnitt) {
            s += (sAbschnitt.empty() ? "[" : "\n[") + f.sAbschnitt + "]\n";
            sAbschnitt = f.sAbschnitt;
        }
        s += f.sSchluessel + "=" + std::to_string(f.lesen(eig)) + "\n";
    }
    return s;
}

namespace {

TEigenschaftenBericht g_bericht;

// A left-out line as the report names it: at most 60 bytes, cut at a
// character boundary, control characters shown as '?'.
std::string ZeileFuerBericht(const std::string& sZeile)
{
    std::string s;
    for (const char c : sZeile)
        s += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (s.size() <= 60)
        return s;
    size_t n = 60;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return s.substr(0, n) + "\xE2\x80\xA6";
}

} // namespace

bool bEigenschaftenAusText(const std::string& sText, TEigenschaften& eig,
                           TEigenschaftenBericht* pBericht)
{
    const std::vector<TFeld> felder = Felder();
    TEigenschaftenBericht bericht;
    TEigenschaften neu;
    std::vector<bool> gelesen(felder.size(), false);
    std::string sAbschnitt;
    size_t dwPos = 0, dwZeile = 0;
    while (dwPos < sText.size()) {
        size_t dwEnde = sText.find('\n', dwPos);
        if (dwEnde == std::string::npos)
            dwEnde = sText.size();
        const std::string sRoh = sText.substr(dwPos, dwEnde - dwPos);
        const std::string sZeile = Getrimmt(sRoh);
        dwPos = dwEnde + 1;
        ++dwZeile;
        if (sZeile.empty() || sZeile[0] == ';')
            continue;
        const auto auslassen = [&] { bericht.ausgelassen.emplace_back(dwZeile, ZeileFuerBericht(sZeile)); };
        if (sZeile.front() == '[') {
            if (sZeile.back() != ']') {
                // Its keys would land in the section before: none of them
                // is taken until the next good head.
                sAbschnitt = "\n";
                auslassen();
                continue;
            }
            sAbschnitt = Getrimmt(sZeile.substr(1, sZeile.size() - 2));
            continue;
        }
        const size_t dwGleich = sZeile.find('=');
        if (dwGleich == std::string::npos) {
            auslassen();
            continue;
        }
        const std::string sSchluessel = Getrimmt(sZeile.substr(0, dwGleich));
        const std::string sWert = Getrimmt(sZeile.substr(dwGleich + 1));
        size_t i = 0;
        while (i < felder.size() && !(bGleichOhneGross(felder[i].sAbschnitt, sAbschnitt) &&
                                      bGleichOhneGross(felder[i].sSchluessel, sSchluessel)))
            ++i;
        if (i == felder.size() || gelesen[i]) {
            auslassen();
            continue;
        }
        gelesen[i] = true;
        uint32_t dw = 0;
        if (bDezimal(sWert, felder[i].dwMax, dw))
            felder[i].setzen(neu, dw);
        else
            bericht.fehlend.push_back(i);
    }
    for (size_t i = 0; i < felder.size(); ++i)
        if (!gelesen[i])
            bericht.fehlend.push_back(i);
    std::sort(bericht.fehlend.begin(), bericht.fehlend.end());
    eig = neu;
    const bool bGanz = bericht.fehlend.empty() && bericht.ausgelassen.empty();
    if (pBericht)
        *pBericht = std::move(bericht);
    return bGanz;
}

std::string BerichtText(const TEigenschaftenBericht& bericht, int iArt, uint32_t& dwAnzahl)
{
    std::string s;
    if (iArt == D7ED_BERICHT_WERTE) {
        const std::vector<TFeld> felder = Felder();
        std::string sAbschnitt;
        for (const size_t i : bericht.fehlend) {
            if (felder[i].sAbschnitt != sAbschnitt || s.empty()) {
                s += (s.empty() ? "[" : "\n[") + felder[i].sAbschnitt + "] ";
                sAbschnitt = felder[i].sAbschnitt;
            } else {
                s += ", ";
            }
            s += felder[i].sSchluessel;
        }
        if (!s.empty())
            s += "\n";
        dwAnzahl = uint32_t(bericht.fehlend.size());
    } else if (iArt == D7ED_BERICHT_ZEILEN) {
        for (const auto& [dwZeile, sZeile] : bericht.ausgelassen)
            s += std::to_string(dwZeile) + ": " + sZeile + "\n";
        dwAnzahl = uint32_t(bericht.ausgelassen.size());
    } else {
        dwAnzahl = 0;
    }
    return s;
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

bool D7ED_bSPSEigenschaftenSpeichern(const char* pcPfad)
{
    if (!pcPfad || !*pcPfad)
        return false;
    if (!bDateiAtomarSchreiben(pcPfad, EigenschaftenText(Engine().eig)))
        return false;
    // What a write killed half way left beside the file.
    VerwaisteTempDateienEntfernen(pcPfad);
    return true;
}

bool D7ED_bSPSEigenschaftenLaden(const char* pcPfad)
{
    std::string sInhalt;
    // Nothing to read: every value takes its default.
    const bool bGelesen = pcPfad && *pcPfad && bTextDateiLesen(pcPfad, sInhalt);
    const bool bGanz = bEigenschaftenAusText(bGelesen ? sInhalt : std::string(), Engine().eig, &g_bericht);
    return bGelesen && bGanz;
}

uint32_t D7ED_GetSPSEigenschaftenBericht(int iArt, char* pcText, uint32_t dwGroesse)
{
    uint32_t dwAnzahl = 0;
    const std::string s = BerichtText(g_bericht, iArt, dwAnzahl);
    if (pcText && dwGroesse > 0) {
        // Whole lines only.
        size_t n = 0;
        for (size_t e = s.find('\n'); e != std::string::npos && e + 1 < dwGroesse; e = s.find('\n', e + 1))
            n = e + 1;
        std::memcpy(pcText, s.data(), n);
        pcText[n] = '\0';
    }
    return dwAnzahl;
}

} // extern "C"
