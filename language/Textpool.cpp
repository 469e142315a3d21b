// The shared text pool: set-up of the block when the library is loaded, the
// per-process pointer table and the six getters.
#include "kolv_spr2.h"
#include "Textpool_intern.h"

#include "WinMeldung.h"
#include "WinSharedMemory.h"

#include <cstdio>
#include <cstring>

namespace kolv_spr2 {

constinit TTextpool Pool;

namespace {

// The block's record is made on first use (by the load constructor below)
// and never freed, so it is there from before any export runs until after
// the unload destructor. A static object holding a std::string would be
// initialised dynamically, possibly after the load constructor filled it.
TGeteilterSpeicher& Block()
{
    static TGeteilterSpeicher* const p = new TGeteilterSpeicher;
    return *p;
}
char acUngueltig[64];

// Runs when the library is loaded, before any export can be called.
__attribute__((constructor)) void BeimLaden() { TextpoolEinblenden(); }
__attribute__((destructor)) void BeimEntladen() { TextpoolAusblenden(); }

} // namespace

void TextpoolEinblenden()
{
    // Without a block every getter still answers with the default text.
    TextzeigerZuruecksetzen();
    TSpeicherFehler eFehler = TSpeicherFehler::Keiner;
    if (!bGeteiltenSpeicherOeffnen(pcBlockName, ulBlockGroesse, Block(), &eFehler)) {
        if (eFehler == TSpeicherFehler::Abbilden)
            MessageBoxA(nullptr, "Fehler holen des Zeigers", "Fehler", MB_OK);
        else if (eFehler == TSpeicherFehler::Oeffnen)
            MessageBoxA(nullptr, "Fehler bei OpenFileMapping", "Fehler", MB_OK);
        else
            MessageBoxA(nullptr, "Fehler bei CreateFileMapping", "Fehler!", MB_OK);
        return;
    }
    Pool.pSicht = static_cast<unsigned char*>(Block().pBasis);
    Pool.pcHeap = reinterpret_cast<char*>(Pool.pSicht + ulHeapAnfang);
    Pool.pIndex = reinterpret_cast<TextIndexEintrag*>(Pool.pSicht + ulIndexAnfang);
    if (Block().bNeuAngelegt || std::memcmp(Pool.pSicht, acMagie, sizeof acMagie) != 0) {
        std::memset(Pool.pSicht, 0, ulNutzGroesse);
        std::memcpy(Pool.pSicht, acMagie, sizeof acMagie);
        TextzeigerZuruecksetzen();
    } else {
        TextzeigerZuruecksetzen();
        TextzeigerAusIndexAufbauen();
    }
}

void TextpoolAusblenden()
{
    // The table must not keep pointers into a view that is gone.
    TextzeigerZuruecksetzen();
    Pool.pSicht = nullptr;
    Pool.pcHeap = nullptr;
    Pool.pIndex = nullptr;
    GeteiltenSpeicherSchliessen(Block());
}

void TextzeigerZuruecksetzen()
{
    std::strcpy(Pool.acStandardText, pcStandardText);
    for (char*& pc : Pool.apcText) pc = Pool.acStandardText;
    Pool.ulBelegt = 0;
}

void TextzeigerAusIndexAufbauen()
{
    if (!Pool.pSicht) return;
    // Another process wrote the index; a record that does not point at a
    // terminated text inside the heap is passed over rather than trusted.
    for (unsigned long i = 0; i < ulIndexPlaetze; ++i) {
        const TextIndexEintrag& e = Pool.pIndex[i];
        if (e.iId == 0) break;
        if (e.iId < 0 || static_cast<unsigned long>(e.iId) >= ulAnzahlTexte) continue;
        if (e.iOffset < 0 || static_cast<unsigned long>(e.iOffset) >= ulHeapGroesse) continue;
        char* pc = Pool.pcHeap + e.iOffset;
        if (!std::memchr(pc, '\0', ulHeapGroesse - static_cast<unsigned long>(e.iOffset)))
            continue;
        Pool.apcText[e.iId] = pc;
    }
}

char* pcStringVonId(unsigned long ulNummer)
{
    if (ulNummer < ulAnzahlTexte) {
        char* pc = Pool.apcText[ulNummer];
        // Only before the load-time set-up could an entry still be empty.
        return pc ? pc : const_cast<char*>(pcStandardText);
    }
    std::snprintf(acUngueltig, sizeof acUngueltig, "Index (%lu) for string invalid!", ulNummer);
    return acUngueltig;
}

} // namespace kolv_spr2

using kolv_spr2::pcStringVonId;

extern "C" {

char* SPR_StrS7App(unsigned long ulNummer) { return pcStringVonId(ulNummer); }
char* SPR_StrS7C(unsigned long ulNummer) { return pcStringVonId(ulNummer); }
char* SPR_StrMPI(unsigned long ulNummer) { return pcStringVonId(ulNummer); }
char* SPR_StrMaske(unsigned long ulNummer) { return pcStringVonId(ulNummer); }
char* SPR_AppD(unsigned long ulNummer) { return pcStringVonId(ulNummer); }
char* SPR_StrS7App2(unsigned long ulNummer) { return pcStringVonId(ulNummer); }

bool SPR_bSprachenDateiEinlesen(int iArt, char* pcDatei, int* piAnzahl, int* piFehlerhafte,
                                int* piLetzteFehlerzeile)
{
    (void)iArt;  // kept for the callers; the reader does not need it
    return kolv_spr2::bTextDateiAuswerten(pcDatei, piAnzahl, piFehlerhafte,
                                          piLetzteFehlerzeile);
}

} // extern "C"
