// CPU properties and interrupts: getters and setters.
#include "D7ED_Intern.h"

#include <cstring>

using namespace d7ed;

namespace {
TEigenschaften& Eig() { return Engine().eig; }
} // namespace

extern "C" {

bool D7ED_GetSFCSGBIgnorieren(void) { return Eig().bSFCSFBIgnorieren; }

bool D7ED_SFCSGBIgnorieren(bool bIgnorieren)
{
    Eig().bSFCSFBIgnorieren = bIgnorieren;
    return true;
}

uint16_t D7ED_GetTaktMerkerByteNr(void) { return Eig().wTaktmerkerByte; }

bool D7ED_IstGetTaktMerkerAktiv(void) { return Eig().bTaktmerkerAktiv; }

bool D7ED_SetTaktMerkerByteNr(uint16_t wByteNr)
{
    if (wByteNr == D7ED_TAKTMERKER_AUS) {
        Eig().bTaktmerkerAktiv = false;
    } else {
        Eig().wTaktmerkerByte = wByteNr;
        Eig().bTaktmerkerAktiv = true;
    }
    return true;
}

unsigned char D7ED_GetPAEPAAAktualisieren(void) { return Eig().bPAEAktualisieren ? 1 : 0; }

bool D7ED_SetPAEPAAAktualisieren(unsigned char byAktualisieren)
{
    Eig().bPAEAktualisieren = byAktualisieren != 0;
    return true;
}

uint16_t D7ED_wGetZyklusUeberwachungszeit(void) { return Eig().wUeberwachungszeit; }

bool D7ED_SetZyklusUeberwachungszeit(uint16_t wMs)
{
    Eig().wUeberwachungszeit = wMs;
    return true;
}

bool D7ED_GetUhrzeitOBDaten(unsigned char byIndex, TUhrzeitAlarm* pAlarm)
{
    if (!pAlarm)
        return false;
    if (byIndex >= Eig().aUhrzeit.size()) {
        std::memset(pAlarm, 0, sizeof(*pAlarm));
        return false;
    }
    *pAlarm = Eig().aUhrzeit[byIndex];
    return true;
}

bool D7ED_SetUhrzeitOBDaten(unsigned char byIndex, const TUhrzeitAlarm* pAlarm)
{
    if (!pAlarm || byIndex >= Eig().aUhrzeit.size())
        return false;
    // Keep the named fields only; the reserve bytes always read back as 0.
    TUhrzeitAlarm a{};
    a.dwAktiv = pAlarm->dwAktiv ? 1 : 0;
    a.wJahr = pAlarm->wJahr;
    a.byMonat = pAlarm->byMonat;
    a.byTag = pAlarm->byTag;
    a.byStunde = pAlarm->byStunde;
    a.byMinute = pAlarm->byMinute;
    a.wPeriode = pAlarm->wPeriode;
    a.byPrioritaet = pAlarm->byPrioritaet;
    Eig().aUhrzeit[byIndex] = a;
    return true;
}

bool D7ED_GetWeckAlarmDaten(unsigned char byIndex, uint16_t* pwIntervall,
                            unsigned char* pbyPrioritaet)
{
    const bool bGueltig = byIndex < Eig().aWeck.size();
    const TWeckAlarm w = bGueltig ? Eig().aWeck[byIndex] : TWeckAlarm{0, 0};
    if (pwIntervall)
        *pwIntervall = w.wIntervall;
    if (pbyPrioritaet)
        *pbyPrioritaet = w.byPrioritaet;
    return bGueltig;
}

bool D7ED_SetWeckAlarmDaten(unsigned char byIndex, uint16_t wIntervall, unsigned char byPrioritaet)
{
    if (byIndex >= Eig().aWeck.size())
        return false;
    Eig().aWeck[byIndex] = TWeckAlarm{wIntervall, byPrioritaet};
    return true;
}

bool D7ED_GetVerzoegerungsAlarm(unsigned char byIndex, uint32_t* pdwWert,
                                unsigned char* pbyGestartet, unsigned char* pbyFreigegeben)
{
    const bool bGueltig = byIndex < Eig().aVerzoegerung.size();
    const TVerzoegerungsAlarm v = bGueltig ? Eig().aVerzoegerung[byIndex] : TVerzoegerungsAlarm{0, 0, 0};
    if (pdwWert)
        *pdwWert = v.dwWert;
    if (pbyGestartet)
        *pbyGestartet = v.byGestartet;
    if (pbyFreigegeben)
        *pbyFreigegeben = v.byFreigegeben;
    return bGueltig;
}

bool D7ED_SetVerzoegerungsAlarm(unsigned char byIndex, uint32_t dwWert, unsigned char byGestartet,
                                unsigned char byFreigegeben)
{
    if (byIndex >= Eig().aVerzoegerung.size())
        return false;
    Eig().aVerzoegerung[byIndex] = TVerzoegerungsAlarm{dwWert, byGestartet, byFreigegeben};
    return true;
}

} // extern "C"
