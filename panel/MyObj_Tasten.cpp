// Hot keys of LED objects on inputs: switches and push buttons. A push
// button is released at the first paint more than 100 ms after its press.
#include "MyObj.h"

#include "WinZeit.h"
#include "kolv_d7ed.h"

void TMyObj::SendHotKey(unsigned char ucKey, bool bLoslassen)
{
    if (Obj != LED || (Op != 'E' && Op != 'I') || !HotKeyAktiv || ucKey != HotKey)
        return;
    uint8_t* p = D7ED_GetPeriEPtr();
    if (!p || Bit > 7)
        return;
    p[Adr] = static_cast<uint8_t>(p[Adr] ^ (1u << Bit));
    if (!bLoslassen && Taster)
        dwHotKeyZeit = timeGetTime();
}

void TMyObj::HotKeysPruefen()
{
    if (dwHotKeyZeit != 0 && Taster && timeGetTime() > dwHotKeyZeit + 100u) {
        dwHotKeyZeit = 0;
        SendHotKey(HotKey, true);
    }
}
