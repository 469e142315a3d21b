// Listening sockets and port 102. Everything runs on the graphical thread;
// the waits block it on purpose, the status panel repaints at once.
#include "ListenSockets.h"

#include <QApplication>

#include <cerrno>

#include "HauptForm.h"
#include "ListenSocketAblauf.h"
#include "Meldungen.h"
#include "NetzDienste.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinMeldung.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace {

constexpr uint16_t kPort102 = 102;

// Box of this unit: caption "Veltrano", error symbol, owned by the window
// that has the focus.
void SocketFehler(const std::string& sText)
{
    MessageBoxA(QApplication::focusWidget(), sText, "Veltrano", MB_OK | MB_ICONERROR);
}

// A failed bind below the system's first unprivileged port for want of
// rights gets a second line: on Linux "could not be created" alone leaves
// the user guessing.
std::string MitUrsache(std::string sText, uint16_t wPort)
{
    const unsigned uFrei = uErsterFreierPort();
    if (wPort < uFrei && iLetzterSocketFehler() == EACCES)
        sText += "\n" + PoolTextFormat(6100, "%u%u", uFrei, unsigned(wPort));
    return sText;
}

// The Siemens service is installed and running.
bool bDienstLaeuft(const std::string& sDienst)
{
    bool bLaeuft = false, bNichtInstalliert = false;
    int iFehler = 0;
    return D7ED_WindowsServiceVorhandenUndGestartet(sDienst.c_str(), &bLaeuft, &bNichtInstalliert,
                                                    &iFehler) &&
           bLaeuft && !bNichtInstalliert;
}

// The Siemens service is installed and running and some process holds port
// 102; dwHalter gets that process.
bool bPort102BelegtMitDienst(const std::string& sDienst, uint32_t& dwHalter)
{
    if (!bDienstLaeuft(sDienst))
        return false;
    dwHalter = D7ED_GetPidFromAllocateProcessOfPort102();
    return dwHalter != 0;
}

// The service's process id, when it can be read; 0 otherwise.
uint32_t dwDienstPid(const std::string& sDienst)
{
    int iFehler = 0;
    const uint32_t dwPid = D7ED_GetPidFromSiemensService(sDienst.c_str(), &iFehler);
    return iFehler == 0 ? dwPid : 0;
}

} // namespace

void SetNetStatusText(const std::string& sText)
{
    if (Hauptformular)
        Hauptformular->StatusTextSetzen(Hauptformular->iPanelMeldung, sText.c_str());
}

// The status texts of the socket set-up (the steps not named stay silent).
constexpr TListenSocketTexte kStatusTexte{
    .pcNichtNoetig = "Stopping S-Service not necessary ...",
    .pcHelferStoppt = "HARLENZ-Service: stop port 102 service...",
    .pcHelferGestoppt = "HARLENZ-Service: Waiting releasing port 102 ...",
    .pcNachHelferStopp = "",
    .pcNachDirektStopp = "",
    .pcDirektStartet = "Starting port 102 service ...",
    .pcHelferStartet = "HARLENZ-Service: starting port 102 service ...",
    .pcHelferGestartet = "HARLENZ-Service: port 102 service was started...",
};

int ListenSocketsAnlegen(bool bPort102Freigeben)
{
    TListenSocketAblauf a;
    a.SanduhrEin = SanduhrEin;
    a.SanduhrAus = SanduhrAus;
    a.Status = SetNetStatusText;
    a.Warten = [](uint32_t dwMs, const std::string&) { Sleep(dwMs); };
    a.bDienstLaeuft = bDienstLaeuft;
    a.dwPort102Halter = D7ED_GetPidFromAllocateProcessOfPort102;
    a.bVomDienstGehalten = [](const std::string& sDienst, uint32_t dwHalter) {
        return dwDienstPid(sDienst) == dwHalter;
    };
    a.bDienstStoppen = [](const std::string& sDienst) {
        int iFehler = 0;
        return D7ED_WindowsServiceStop(sDienst.c_str(), &iFehler);
    };
    a.bDienstStarten = [](const std::string& sDienst, uint32_t& dwFehler) {
        int iFehler = 0;
        const bool bOk = D7ED_WindowsServiceStart(sDienst.c_str(), &iFehler);
        dwFehler = static_cast<uint32_t>(iFehler);
        return bOk;
    };
    a.ZeitenNichtGelesen = [](const std::string& sText) { FehlerMeldung(sText); };
    a.OhneRechte = [] { SocketFehler("Fehler beim Stoppen des Services"); };
    a.SocketFehler = [](const std::string& sIP, uint16_t wPort) {
        SocketFehler(MitUrsache(TextFormatieren("Socket konnte nicht angelegt werden. IP=%s, Port=%d",
                                                "%s%d", sIP.c_str(), wPort),
                                wPort));
    };
    a.NeustartFehler = [](uint32_t dwFehler) {
        SocketFehler(TextFormatieren("Service konnte nicht gestartet werden. Error=%d", "%d",
                                     static_cast<int>(dwFehler)));
    };
    a.texte = kStatusTexte;
    a.bNurMitHalter = true;
    a.bUmHelferWarten = true;
    a.bDirektStoppOhneRechte = true;
    return iListenSocketsEinrichten(a, bPort102Freigeben);
}

bool bPort102Uebernehmen()
{
    if (D7ED_IstKommuIDKorrekt(KommuID)) {
        D7ED_SetListenSocket_IP_0_Zulassen(1);
        bPort102SocketAnlegen();
    }
    return true;
}

bool bPort102SocketAnlegen()
{
    const std::string sIP = "0.0.0.0";
    TSocket* pSlot = pListenSocket(1);
    const std::string sDienst = PlcServiceName();
    uint32_t dwHalter = 0;
    if (!bPort102BelegtMitDienst(sDienst, dwHalter))
        return true;

    // The hourglass is set and released here as a pair: the first paint
    // holds none that this could release.
    SanduhrEin();
    const uint32_t dwPid = dwDienstPid(sDienst);
    const bool bAndererHalter = dwPid != 0 && dwPid != dwHalter;
    bool bHelferGestoppt = false;
    bool bHelferFehlt = false;
    if (!bAndererHalter &&
        SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_FREIGEBEN, bHelferFehlt, false)) {
        bHelferGestoppt = true;
        Sleep(1000);
    }
    if (bHelferGestoppt || bAndererHalter) {
        CloseListenSocket(*pSlot);
        if (OpenListenSocket(*pSlot, sIP, kPort102) != SOCKET_OK)
            SocketFehler(MitUrsache(
                TextFormatieren("Error allocating %s Port %d", "%s%d", sIP.c_str(), kPort102),
                kPort102));
        else
            D7ED_ListenSocket_1_Uebergeben(pSlot);
    }
    if (bHelferGestoppt) {
        Sleep(1000);
        SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_ZURUECKGEBEN, bHelferFehlt, false);
    }
    SanduhrAus();
    return true;
}
