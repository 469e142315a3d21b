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
    uint32_t dwZustand = 0;
    const int iCode = DienstStatusAbfragen(pcName, dwZustand);
    // The service module knows states, not processes: an existing service's
    // process id cannot be told, and saying 0 without an error would read as
    // a valid id.
    Fehler(piFehler, iCode != 0 ? iCode : D7ED_FEHLER_DIENST_PID);
    return 0;
}

uint32_t D7ED_GetPidVonLokalemTcpPort(uint16_t wPort) { return dwPidVonLokalemTcpPort(wPort); }

uint32_t D7ED_GetPidFromAllocateProcessOfPort102(void) { return D7ED_GetPidVonLokalemTcpPort(102); }

bool D7ED_IsTIAPortalStarted(void) { return false; }

unsigned char D7ED_IstPelmoraVorhanden(void) { return 0; }

} // extern "C"
