// Service functions: the Siemens service's name, the administrator test and
// control codes to a service, through the platform's service module.
#include "NetzDienste.h"

#include "WinDienste.h"
#include "WinMeldung.h"
#include "WinSystem.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

std::optional<bool> g_bAdmin;        // asked once per run
int g_iAdminTestAntwort = -1;
std::string g_sLetzterDienstFehler;

std::string DienstFehlerText(int iCode)
{
    switch (iCode) {
    case 5:
        return "The handle does not have access to the service.";
    case 6:
        return "The specified handle is invalid.";
    case 123:
        return "The specified service name is invalid.";
    case DIENST_FEHLER_NICHT_VORHANDEN:
        return "The specified service does not exist.";
    default: {
        // The service was found; the control code itself was refused.
        char acText[64];
        std::snprintf(acText, sizeof acText, "ControlService failed (%d)", iCode);
        return acText;
    }
    }
}

} // namespace

bool IsWow64() { return bIstWow64(); }

bool PlcServiceName(char* pcPuffer)
{
    std::strcpy(pcPuffer, IsWow64() ? "s7oiehsx64" : "s7oiehsx");
    return true;
}

std::string PlcServiceName()
{
    char acName[16];
    PlcServiceName(acName);
    return acName;
}

bool IsUserAdmin()
{
    if (g_iAdminTestAntwort >= 0)
        return g_iAdminTestAntwort != 0;
    if (!g_bAdmin)
        g_bAdmin = bIstAdministrator();
    return *g_bAdmin;
}

void IsUserAdminTestAntwortSetzen(int iAntwort) { g_iAdminTestAntwort = iAntwort; }

bool SendServiceControl(const std::string& sName, uint32_t dwCode, bool& bNichtInstalliert,
                        bool bFehlerZeigen)
{
    bNichtInstalliert = false;
    const int iCode = DienstSteuercodeSenden(sName, dwCode);
    if (iCode == 0)
        return true;
    if (iCode == DIENST_FEHLER_NICHT_VORHANDEN)
        bNichtInstalliert = true;
    g_sLetzterDienstFehler = DienstFehlerText(iCode);
    if (bFehlerZeigen)
        MessageBoxA(nullptr, g_sLetzterDienstFehler, "Veltrano", MB_OK | MB_ICONERROR);
    return false;
}

std::string LetzterDienstFehlerText() { return g_sLetzterDienstFehler; }
