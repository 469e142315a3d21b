// The text pool inside kolv_spr2 (not exported).
//
// Layout of the shared block "KOLV_ENGINE" (offsets from its start):
//   0       "filemapping" and its NUL
//   12      8 bytes, zero
//   20      text heap: NUL-terminated texts in reading order
//   512000  index: TextIndexEintrag records in reading order, ended by id 0
// Every process keeps its own table of pointers into the heap and rebuilds
// it from the index when it attaches.
#pragma once

#include <cstdint>

namespace kolv_spr2 {

constexpr const char* pcBlockName = "KOLV_ENGINE";
constexpr unsigned long ulBlockGroesse = 614401;
constexpr unsigned long ulNutzGroesse = 614400;   // zeroed when formatting
constexpr const char acMagie[12] = "filemapping";
constexpr unsigned long ulHeapAnfang = 20;
constexpr unsigned long ulIndexAnfang = 512000;
constexpr unsigned long ulHeapGroesse = ulIndexAnfang - ulHeapAnfang;
constexpr unsigned long ulIndexPlaetze = 12800;
constexpr unsigned long ulAnzahlTexte = 10000;
constexpr const char* pcStandardText = "Unbekannter String/Unknown String";

struct TextIndexEintrag {
    int32_t iId;
    int32_t iOffset;  // from the heap base
};
static_assert(sizeof(TextIndexEintrag) == 8, "index records are 8 bytes");

struct TTextpool {
    char* apcText[ulAnzahlTexte] = {};
    char acStandardText[40] = {};
    uint32_t ulBelegt = 0;               // next free offset in the heap
    unsigned char* pSicht = nullptr;     // null: no block in this process
    char* pcHeap = nullptr;
    TextIndexEintrag* pIndex = nullptr;
};

extern TTextpool Pool;

void TextpoolEinblenden();
void TextpoolAusblenden();
void TextzeigerZuruecksetzen();
void TextzeigerAusIndexAufbauen();
char* pcStringVonId(unsigned long ulNummer);
bool bTextDateiAuswerten(const char* pcDatei, int* piAnzahl, int* piFehlerhafte,
                         int* piLetzteFehlerzeile);
// Replaces "{n}", "{r}", "{t}" in place and drops raw line feeds.
char* pcSteuerzeichenErsetzen(char* pcZeile);

} // namespace kolv_spr2
