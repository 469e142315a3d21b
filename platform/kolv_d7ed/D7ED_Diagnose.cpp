// Diagnosis buffer: real events of the engine with a text in German or
// English, shaped "//<description> /<time stamp>".
#include "D7ED_Intern.h"

#include "WinZeit.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace d7ed {

namespace {

std::string BausteinName(uint8_t byTyp, uint16_t wNr)
{
    const char* pc = "?";
    switch (byTyp) {
    case D7ED_BST_OB: pc = "OB"; break;
    case D7ED_BST_DB: pc = "DB"; break;
    case D7ED_BST_SDB: pc = "SDB"; break;
    case D7ED_BST_FC: pc = "FC"; break;
    case D7ED_BST_SFC: pc = "SFC"; break;
    case D7ED_BST_FB: pc = "FB"; break;
    case D7ED_BST_SFB: pc = "SFB"; break;
    default: break;
    }
    return std::string(pc) + " " + std::to_string(wNr);
}

std::string Beschreibung(const TEreignis& ev, bool bEnglisch)
{
    switch (ev.wId) {
    case D7ED_EREIGNIS_START:
        return bEnglisch ? "Mode transition STOP -> RUN (warm restart)"
                         : "Betriebszustandsübergang STOP -> RUN (Neustart)";
    case D7ED_EREIGNIS_STOP:
        return bEnglisch ? "Mode transition RUN -> STOP" : "Betriebszustandsübergang RUN -> STOP";
    case D7ED_EREIGNIS_AG_DATEI:
        return (bEnglisch ? "CPU type taken over from a type file: "
                          : "CPU-Typ aus einer Typdatei übernommen: ") + ev.sZusatz;
    case D7ED_EREIGNIS_AG_INTERN:
        return (bEnglisch ? "Built-in CPU type set: " : "Interner CPU-Typ eingestellt: ") + ev.sZusatz;
    case D7ED_EREIGNIS_BAUSTEIN:
        return bEnglisch ? "Block " + BausteinName(ev.byBstTyp, ev.wBstNr) + " loaded"
                         : "Baustein " + BausteinName(ev.byBstTyp, ev.wBstNr) + " geladen";
    default:
        return bEnglisch ? "Event" : "Ereignis";
    }
}

// "dd.mm.yyyy hh:mm:ss:mmm" in local time.
std::string Zeitstempel(int64_t iZeitMs)
{
    const std::time_t t = static_cast<std::time_t>(iZeitMs / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char ac[96];
    std::snprintf(ac, sizeof ac, "%02d.%02d.%04d %02d:%02d:%02d:%03d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  static_cast<int>(iZeitMs % 1000));
    return ac;
}

// Cuts a UTF-8 text to at most dwMax bytes without splitting a character.
std::string Gekuerzt(std::string s, size_t dwMax)
{
    if (s.size() <= dwMax)
        return s;
    size_t n = dwMax;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    s.resize(n);
    return s;
}

} // namespace

void EreignisEintragen(uint16_t wId, uint8_t byBstTyp, uint16_t wBstNr, const std::string& sZusatz)
{
    using namespace std::chrono;
    TEreignis ev;
    ev.wId = wId;
    ev.dwWert = timeGetTime();
    ev.byBstTyp = byBstTyp;
    ev.wBstNr = wBstNr;
    ev.sZusatz = sZusatz;
    ev.iZeitMs = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    auto& liste = Engine().ereignisse;
    if (liste.size() >= D7ED_MAX_EREIGNISSE)
        liste.pop_front();
    liste.push_back(std::move(ev));
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

uint16_t D7ED_GetAnzahlEreignisse(int* piFehler)
{
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return static_cast<uint16_t>(Engine().ereignisse.size());
}

bool D7ED_GetEreignis(uint16_t wIndex, uint16_t* pwId, uint32_t* pdwWert, unsigned char* pbyBstTyp,
                      uint16_t* pwBstNr)
{
    const auto& liste = Engine().ereignisse;
    const bool bGueltig = wIndex < liste.size();
    const TEreignis ev = bGueltig ? liste[wIndex] : TEreignis{};
    if (pwId)
        *pwId = ev.wId;
    if (pdwWert)
        *pdwWert = ev.dwWert;
    if (pbyBstTyp)
        *pbyBstTyp = ev.byBstTyp;
    if (pwBstNr)
        *pwBstNr = ev.wBstNr;
    return bGueltig;
}

bool D7ED_GetEreignisString(uint16_t wIndex, char* pcText)
{
    if (!pcText)
        return false;
    const auto& liste = Engine().ereignisse;
    if (wIndex >= liste.size()) {
        pcText[0] = '\0';
        return false;
    }
    const TEreignis& ev = liste[wIndex];
    const std::string sZeit = Zeitstempel(ev.iZeitMs);
    // Room for "//", " /", the time stamp and the terminating zero.
    const size_t dwPlatz = D7ED_TEXT_LAENGE - 1 - 4 - sZeit.size();
    const std::string s = "//" + Gekuerzt(Beschreibung(ev, Engine().bEnglisch), dwPlatz) + " /" + sZeit;
    TextKopieren(pcText, s);
    return true;
}

void D7ED_SetEnglishLanguage(bool bEnglisch) { Engine().bEnglisch = bEnglisch; }

} // extern "C"
