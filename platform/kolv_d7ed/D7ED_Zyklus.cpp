// The cycle: process image, cycle counter and clock memory.
#include "D7ED_Intern.h"

#include "WinZeit.h"

#include <cstring>

namespace {

// Periods of the eight clock memory bits in ms, bit 0 first.
constexpr uint32_t g_adwTaktPerioden[8] = {100, 200, 400, 500, 800, 1000, 1600, 2000};

// Each bit is 1 in the first half of its period, counted from clock value 0.
unsigned char TaktmerkerByte(uint32_t dwMs)
{
    unsigned char by = 0;
    for (int i = 0; i < 8; ++i) {
        const uint32_t dwP = g_adwTaktPerioden[i];
        if (dwMs % dwP < dwP / 2)
            by = static_cast<unsigned char>(by | (1u << i));
    }
    return by;
}

} // namespace

using namespace d7ed;

extern "C" {

bool D7ED_BSRoutineReady(void) { return true; }

bool D7ED_Step7ZyklusReady(void) { return Engine().iZustand == D7ED_CPU_RUN; }

void D7ED_Step7Zyklus(void)
{
    TEngine& e = Engine();
    if (e.iZustand != D7ED_CPU_RUN)
        return;
    if (e.eig.bPAEAktualisieren) {
        const unsigned char* pbPeri = D7ED_GetPeriEPtr();
        std::memcpy(D7ED_GetEAPtr(), pbPeri, D7ED_EA_GROESSE);
        std::memcpy(D7ED_GetEPtr_Erweitert(), pbPeri + D7ED_EA_GROESSE,
                    D7ED_BEREICH_GROESSE - D7ED_EA_GROESSE);
    }
    e.wZyklen = static_cast<uint16_t>(e.wZyklen + 1);
    // Any 16-bit byte number lies inside the memory bit area.
    if (e.eig.bTaktmerkerAktiv)
        D7ED_GetMPtr()[e.eig.wTaktmerkerByte] = TaktmerkerByte(timeGetTime());
}

} // extern "C"
