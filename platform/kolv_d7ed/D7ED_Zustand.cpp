// Engine state, memory areas and the CPU state.
#include "D7ED_Intern.h"

#include <cstring>

namespace d7ed {

namespace {
// The areas live as long as the library is loaded, so the pointers handed
// out never move.
unsigned char g_abPeriE[D7ED_BEREICH_GROESSE];
unsigned char g_abPeriA[D7ED_BEREICH_GROESSE];
unsigned char g_abMerker[D7ED_BEREICH_GROESSE];
unsigned char g_abEA[D7ED_BEREICH_GROESSE];
unsigned char g_abEErweitert[D7ED_BEREICH_GROESSE];

TEngine* NeueEngine()
{
    auto* p = new TEngine;
    p->typ = TypIntern312C();
    return p;
}
} // namespace

TEngine& Engine()
{
    // Never destroyed: exported functions may still be called while other
    // libraries' static objects are torn down at program end.
    static TEngine* s_pEngine = NeueEngine();
    return *s_pEngine;
}

void TextKopieren(char* pcZiel, const std::string& sText, size_t dwGroesse)
{
    if (!pcZiel || dwGroesse == 0)
        return;
    size_t n = sText.size();
    if (n > dwGroesse - 1) {
        n = dwGroesse - 1;
        // Never cut a multi-byte character in half.
        while (n > 0 && (static_cast<unsigned char>(sText[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(pcZiel, sText.data(), n);
    pcZiel[n] = '\0';
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

unsigned char* D7ED_GetPeriEPtr(void) { return g_abPeriE; }
unsigned char* D7ED_GetPeriAPtr(void) { return g_abPeriA; }
unsigned char* D7ED_GetMPtr(void) { return g_abMerker; }
unsigned char* D7ED_GetEAPtr(void) { return g_abEA; }
unsigned char* D7ED_GetEPtr_Erweitert(void) { return g_abEErweitert; }

bool D7ED_Start(unsigned char byStartart, int* piFehler)
{
    if (byStartart != D7ED_STARTART_NEUSTART) {
        Fehler(piFehler, D7ED_FEHLER_STARTART);
        return false;
    }
    TEngine& e = Engine();
    if (e.iZustand != D7ED_CPU_RUN) {
        e.iZustand = D7ED_CPU_RUN;
        EreignisEintragen(D7ED_EREIGNIS_START);
    }
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_Stop(int* piFehler)
{
    TEngine& e = Engine();
    if (e.iZustand != D7ED_CPU_STOP) {
        e.iZustand = D7ED_CPU_STOP;
        EreignisEintragen(D7ED_EREIGNIS_STOP);
    }
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

int D7ED_GetCPUZustand(int* piFehler)
{
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return Engine().iZustand;
}

uint16_t D7ED_wGetZyklusUmlaufzaehler(void) { return Engine().wZyklen; }

uint16_t D7ED_GetAnzahlBefehleJeZyklus(void) { return 0; }

} // extern "C"
