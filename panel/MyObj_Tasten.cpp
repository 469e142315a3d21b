// Keys of the panel objects: hot keys of LED objects on inputs (switches and
// push buttons) and the steps of the marked analog input. A push button is
// released at the first paint more than 100 ms after its press.
#include "MyObj.h"

#include "Messbereiche.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// A push button holds an input bit, not an object: copied LEDs keep their
// hot key, and two keys may name one bit (E and I name the same byte). The
// bit keeps the state it had before the first of them was pressed, and goes
// back to it once, when the last of them is released.
struct TGehaltenesBit {
    bool bVorher = false;
    int iHalter = 0;
};

std::map<uint32_t, TGehaltenesBit>& GehalteneBits()
{
    static std::map<uint32_t, TGehaltenesBit> Tabelle;
    return Tabelle;
}

void BitSetzen(uint32_t dwBit, bool bWert)
{
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!p)
        return;
    const auto ucMaske = static_cast<uint8_t>(1u << (dwBit % 8));
    uint8_t& b = p[dwBit / 8];
    b = bWert ? static_cast<uint8_t>(b | ucMaske) : static_cast<uint8_t>(b & ~ucMaske);
}

} // namespace

bool TMyObj::bAntwortetAufHotKey(unsigned char ucKey) const
{
    return Obj == LED && (Op == 'E' || Op == 'I') && HotKeyAktiv && ucKey == HotKey && Bit <= 7;
}

void TMyObj::HotKeyVerteilen(TMyObj* const* pObjekte, int32_t iAnzahl, unsigned char ucKey)
{
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!p)
        return;
    // Each bit answers the key once, however many objects name it; a switch
    // among them decides for the bit.
    std::map<uint32_t, std::vector<TMyObj*>> NachBit;
    for (int32_t i = 0; i < iAnzahl; ++i)
        if (pObjekte[i] && pObjekte[i]->bAntwortetAufHotKey(ucKey))
            NachBit[pObjekte[i]->Adr * 8u + pObjekte[i]->Bit].push_back(pObjekte[i]);
    // 0 means "no release pending", so a press at clock value 0 must not be
    // lost as one.
    const uint32_t dwUhr = timeGetTime();
    const uint32_t dwJetzt = dwUhr ? dwUhr : 1;
    auto& Gehalten = GehalteneBits();
    for (auto& [dwBit, Objekte] : NachBit) {
        const auto ucMaske = static_cast<uint8_t>(1u << (dwBit % 8));
        uint8_t& b = p[dwBit / 8];
        auto it = Gehalten.find(dwBit);
        if (std::any_of(Objekte.begin(), Objekte.end(), [](const TMyObj* o) { return !o->Taster; })) {
            b = static_cast<uint8_t>(b ^ ucMaske);
            // A push button holding the bit goes back to the switched state,
            // so its release does not undo the switch.
            if (it != Gehalten.end())
                it->second.bVorher = !it->second.bVorher;
            continue;
        }
        if (it == Gehalten.end()) {
            it = Gehalten.emplace(dwBit, TGehaltenesBit{(b & ucMaske) != 0, 0}).first;
            b = static_cast<uint8_t>(b ^ ucMaske);
        }
        // Pressed again while held: nothing is inverted, and the bit stays
        // pressed for 100 ms from this press.
        for (TMyObj* o : Objekte) {
            if (o->iGehaltenesBit >= 0 && static_cast<uint32_t>(o->iGehaltenesBit) != dwBit)
                o->TasterLoslassen();
            if (o->iGehaltenesBit < 0) {
                o->iGehaltenesBit = static_cast<int32_t>(dwBit);
                ++it->second.iHalter;
            }
            o->dwHotKeyZeit = dwJetzt;
        }
    }
}

void TMyObj::SendHotKey(unsigned char ucKey, bool bLoslassen)
{
    if (bLoslassen) {
        if (ucKey == HotKey)
            TasterLoslassen();
        return;
    }
    TMyObj* const pSelbst = this;
    HotKeyVerteilen(&pSelbst, 1, ucKey);
}

void TMyObj::TasterLoslassen()
{
    dwHotKeyZeit = 0;
    if (iGehaltenesBit < 0)
        return;
    const auto dwBit = static_cast<uint32_t>(iGehaltenesBit);
    iGehaltenesBit = -1;
    auto& Gehalten = GehalteneBits();
    const auto it = Gehalten.find(dwBit);
    if (it == Gehalten.end() || --it->second.iHalter > 0)
        return;
    const bool bVorher = it->second.bVorher;
    Gehalten.erase(it);
    BitSetzen(dwBit, bVorher);
}

void TMyObj::HotKeysPruefen()
{
    if (dwHotKeyZeit != 0 && timeGetTime() - dwHotKeyZeit > 100u)
        TasterLoslassen();
}

void TMyObj::TasterSofortLoslassen()
{
    TasterLoslassen();
}

void TMyObj::AnalogEingangPlusMinus(char cZeichen, int32_t iSchritt)
{
    if (Obj != AnalogEingang || !bAnalogMarkiert || bEditorModusAktiv())
        return;
    const Messbereich* pBereich = ::pGetMessbereich(true, Messb);
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!pBereich || !p)
        return;
    const int32_t iRoh = static_cast<int16_t>((static_cast<uint16_t>(p[Adr]) << 8) | p[Adr + 1u]);
    int32_t iNeu = 0;
    if (cZeichen == '+') {
        iNeu = iRoh + iSchritt;
        if (iNeu > pBereich->iRohOberwert)
            iNeu = pBereich->iRohOberwert;
    } else {
        iNeu = iRoh - iSchritt;
        if (iNeu < pBereich->iRohUnterwert)
            iNeu = pBereich->iRohUnterwert;
    }
    const uint32_t v = static_cast<uint32_t>(iNeu);
    p[Adr] = static_cast<uint8_t>(v >> 8);
    p[Adr + 1u] = static_cast<uint8_t>(v);
}
