// Analog scaling: raw word <-> engineering value through the object's
// measuring range, pixel position -> raw value, and the change test of the
// cycle step. Slopes and intermediate terms are single precision; float to
// integer conversions cut toward zero.
//
// Ranges that would divide by zero are kept at their lower end: a range
// whose raw values are equal gives the lower engineering value (and raw
// values give the lower raw value back); a range whose engineering values
// are equal maps every value to the lower raw value. A missing range (a
// letter without one, or $Messb outside the valid entries) converts to 0
// and sets nothing.
#include "MyObj.h"

#include "Messbereiche.h"
#include "kolv_d7ed.h"

#include <cmath>

namespace {

struct TBereichswerte {
    float eH, eL;
    int32_t rH, rL;
};

TBereichswerte Werte(const Messbereich& m)
{
    return {m.fOberwert, m.fUnterwert, m.iRohOberwert, m.iRohUnterwert};
}

// Condition A: a bipolar raw range for a unipolar engineering range;
// condition B: a live-zero engineering range on a raw range from 0.
bool bVersatz(const TBereichswerte& b)
{
    const bool bA = b.eH > 0.0f && b.eL >= 0.0f && b.rL < 0 && b.rH > 0;
    const bool bB = b.eL > 0.0f && b.rL == 0;
    return bA || bB;
}

// The offset o = ((rH - rL) / 100) * (|rL / (rH - rL)| * 100), which is
// |rL| up to rounding (span not 0).
// The raw span in 64 bits: a range file may give the raw ends any 32-bit
// values, whose difference an int cannot hold.
int64_t llSpanne(int32_t iOben, int32_t iUnten)
{
    return static_cast<int64_t>(iOben) - iUnten;
}

float fVersatz(const TBereichswerte& b)
{
    const float fSpanne = static_cast<float>(llSpanne(b.rH, b.rL));
    return (fSpanne / 100.0f) * (std::fabs(static_cast<float>(b.rL) / fSpanne) * 100.0f);
}

int32_t iAbschneiden(float f)
{
    if (!std::isfinite(f))
        return 0;
    const double d = std::trunc(static_cast<double>(f));
    if (d > 2147483647.0)
        return INT32_MAX;
    if (d < -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(d);
}

} // namespace

const Messbereich* TMyObj::pGetMessbereich() const
{
    if (Op == 'E' || Op == 'I')
        return ::pGetMessbereich(true, Messb);
    if (Op == 'A' || Op == 'Q')
        return ::pGetMessbereich(false, Messb);
    return nullptr;
}

bool TMyObj::GetAnalogWertVonStatus(float& fWert, int32_t iRoh) const
{
    fWert = 0.0f;
    const Messbereich* pBereich = pGetMessbereich();
    if (!pBereich)
        return true;
    const TBereichswerte b = Werte(*pBereich);
    if (b.rH == b.rL) {
        fWert = b.eL;
        return true;
    }
    const float fSteigung = (b.eH - b.eL) / static_cast<float>(llSpanne(b.rH, b.rL));
    if (bVersatz(b))
        fWert = static_cast<float>(iRoh) * fSteigung + (b.eL + fSteigung * fVersatz(b));
    else
        fWert = static_cast<float>(iRoh) * fSteigung;
    return true;
}

bool TMyObj::GetStatusVonAnalogWert(float& fRoh, float fWert) const
{
    fRoh = 0.0f;
    const Messbereich* pBereich = pGetMessbereich();
    if (!pBereich)
        return true;
    const TBereichswerte b = Werte(*pBereich);
    const float fTeiler = std::fabs(static_cast<float>(b.rL)) + static_cast<float>(b.rH);
    const float fSteigung = fTeiler != 0.0f ? (b.eH - b.eL) / fTeiler : 0.0f;
    if (fSteigung == 0.0f || !std::isfinite(fSteigung) || b.rH == b.rL) {
        fRoh = static_cast<float>(b.rL);
        return true;
    }
    if (bVersatz(b))
        fRoh = (fWert - (b.eL + fSteigung * fVersatz(b))) / fSteigung;
    else
        fRoh = fWert / fSteigung;
    return true;
}

void TMyObj::AnalogwertEinstellenPixel(int32_t iPixel, int32_t iLaenge)
{
    if (Op != 'E' && Op != 'I')
        return;
    const Messbereich* pBereich = ::pGetMessbereich(true, Messb);
    if (!pBereich)
        return;
    const int64_t iSpanne = llSpanne(pBereich->iRohOberwert, pBereich->iRohUnterwert);
    if (iPixel > iLaenge)
        iPixel = iLaenge;
    if (iPixel < 0)
        iPixel = 0;
    // A bar too short to have a length sets the lower end.
    const float fAnteil =
        iLaenge > 0 ? static_cast<float>(iPixel) / static_cast<float>(iLaenge) : 0.0f;
    const int32_t iRoh = iAbschneiden(static_cast<float>(iSpanne) * fAnteil +
                                      static_cast<float>(pBereich->iRohUnterwert));
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!p)
        return;
    const uint32_t v = static_cast<uint32_t>(iRoh);
    p[Adr] = static_cast<uint8_t>(v >> 8);
    p[Adr + 1u] = static_cast<uint8_t>(v);
}

bool TMyObj::bAnalogWertGeaendert()
{
    const uint8_t* p = nullptr;
    if (Op == 'A' || Op == 'Q')
        p = D7ED_GetPeriAPtr();
    else if (Op == 'E' || Op == 'I')
        p = D7ED_GetPeriEPtr();
    if (!p) {
        sLetzterAnalogwert = 0;
        return false;
    }
    const int16_t sWort = static_cast<int16_t>((static_cast<uint16_t>(p[Adr]) << 8) | p[Adr + 1u]);
    const bool bGeaendert = sWort != sLetzterAnalogwert;
    sLetzterAnalogwert = sWort;
    return bGeaendert;
}
