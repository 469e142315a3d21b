// Services, the owner of a local TCP port, and programs that do not exist
// on Linux.
#include "D7ED_Intern.h"

#include "WinDienste.h"
#include "WinTcpTabelle.h"

using namespace d7ed;

extern "C" {

bool D7ED_WindowsServiceVorhandenUndGestartet(const char* pcName, bool* pbLaeuft,
                                              bool* pbNichtInstalliert, int* piFehler)
{
    if (pbLaeuft)
        *pbLaeuft = false;
    if (pbNichtInstalliert)
        *pbNichtInstalliert = false;
    if (!pcName) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    uint32_t dwZustand = 0;
    const int iCode = DienstStatusAbfragen(pcName, dwZustand);
    if (iCode == DIENST_FEHLER_NICHT_VORHANDEN) {
        if (pbNichtInstalliert)
            *pbNichtInstalliert = true;
        Fehler(piFehler, D7ED_FEHLER_KEINER);
        return true;
    }
    if (iCode != 0) {
        Fehler(piFehler, iCode);
        return false;
    }
    if (pbLaeuft)
        *pbLaeuft = dwZustand == DIENST_LAEUFT;
    Fehler(piFehler, D7ED_FEHLER_KEINER);
    return true;
}

bool D7ED_WindowsServiceStop(const char* pcName, int* piFehler)
{
    if (!pcName) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    const int iCode = DienstStoppen(pcName);
    Fehler(piFehler, iCode);
    return iCode == 0;
}

bool D7ED_WindowsServiceStart(const char* pcName, int* piFehler)
{
    if (!pcName) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return false;
    }
    const int iCode = DienstStarten(pcName);
    Fehler(piFehler, iCode);
    return iCode == 0;
}

uint32_t D7ED_GetPidFromSiemensService(const char* pcName, int* piFehler)
{
    if (!pcName) {
        Fehler(piFehler, D7ED_FEHLER_NULLZEIGER);
        return 0;
    }
    uint32_t dwPid = 0;
    const int iCode = DienstProzessIdAbfragen(pcName, dwPid);
    if (iCode != 0) {
        Fehler(piFehler, iCode);
        return 0;
    }
    // A service whose process cannot be told (stopped, or not known to the
    // service module) is an error: 0 without one would read as a valid id.
    Fehler(piFehler, dwPid != 0 ? D7ED_FEHLER_KEINER : D7ED_FEHLER_DIENST_PID);
    return dwPid;
}

uint32_t D7ED_GetPidVonLokalemTcpPort(uint16_t wPort) { return dwPidVonLokalemTcpPort(wPort); }

uint32_t D7ED_GetPidFromAllocateProcessOfPort102(void) { return D7ED_GetPidVonLokalemTcpPort(102); }

bool D7ED_IsTIAPortalStarted(void) { return false; }

unsigned char D7ED_IstPelmoraVorhanden(void) { return 0; }

} // extern "C"
