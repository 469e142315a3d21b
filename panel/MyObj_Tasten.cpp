// Keys of the panel objects: hot keys of LED objects on inputs (switches and
// push buttons) and the steps of the marked analog input. A push button is
// released at the first paint more than 100 ms after its press.
#include "MyObj.h"

#include "Messbereiche.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

void TMyObj::SendHotKey(unsigned char ucKey, bool bLoslassen)
{
    if (Obj != LED || (Op != 'E' && Op != 'I') || !HotKeyAktiv || ucKey != HotKey)
        return;
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!p || Bit > 7)
        return;
    const auto ucMaske = static_cast<uint8_t>(1u << Bit);
    if (bLoslassen) {
        // Back to the state before the first press, whatever presses came
        // while the button was held: the release never leaves it inverted.
        p[Adr] = bTasterVorher ? static_cast<uint8_t>(p[Adr] | ucMaske)
                               : static_cast<uint8_t>(p[Adr] & ~ucMaske);
        return;
    }
    // 0 means "no release pending", so a press at clock value 0 must not be
    // lost as one.
    const uint32_t dwUhr = timeGetTime();
    const uint32_t dwJetzt = dwUhr ? dwUhr : 1;
    if (Taster && dwHotKeyZeit != 0) {
        // Pressed again while held: the button stays pressed for 100 ms more.
        dwHotKeyZeit = dwJetzt;
        return;
    }
    if (Taster)
        bTasterVorher = (p[Adr] & ucMaske) != 0;
    p[Adr] = static_cast<uint8_t>(p[Adr] ^ ucMaske);
    if (Taster)
        dwHotKeyZeit = dwJetzt;
}

void TMyObj::HotKeysPruefen()
{
    if (dwHotKeyZeit != 0 && Taster && timeGetTime() - dwHotKeyZeit > 100u) {
        dwHotKeyZeit = 0;
        SendHotKey(HotKey, true);
    }
}

void TMyObj::TasterSofortLoslassen()
{
    if (dwHotKeyZeit != 0 && Taster) {
        dwHotKeyZeit = 0;
        SendHotKey(HotKey, true);
    }
    dwHotKeyZeit = 0;
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
