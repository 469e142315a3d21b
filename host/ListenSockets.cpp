// Listening sockets and port 102. Everything runs on the graphical thread;
// the waits block it on purpose, the status panel repaints at once.
#include "ListenSockets.h"

#include <QApplication>

#include <arpa/inet.h>
#include <cerrno>

#include "HauptForm.h"
#include "Meldungen.h"
#include "NetzDienste.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinMeldung.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace {

constexpr uint16_t kPort102 = 102;

struct TPaar {
    std::string sIP;
    uint16_t wPort = 0;
};

// Box of this unit: caption "Veltrano", error symbol, owned by the window
// that has the focus.
void SocketFehler(const std::string& sText)
{
    MessageBoxA(QApplication::focusWidget(), sText, "Veltrano", MB_OK | MB_ICONERROR);
}

// A failed bind below port 1024 for want of rights gets a second line: on
// Linux "could not be created" alone leaves the user guessing.
std::string MitUrsache(std::string sText, uint16_t wPort)
{
    if (wPort < 1024 && iLetzterSocketFehler() == EACCES)
        sText += "\n" + PoolText(6100);
    return sText;
}

bool bPaarBrauchbar(const TPaar& p)
{
    if (p.sIP.empty() || p.wPort == 0)
        return false;
    in_addr a{};
    if (::inet_pton(AF_INET, p.sIP.c_str(), &a) != 1)
        return false;
    return a.s_addr != 0 || byListenSocketIP0Zulassen;
}

bool bUebergeben(int iNr, TSocket* pSlot)
{
    switch (iNr) {
    case 1: return D7ED_ListenSocket_1_Uebergeben(pSlot);
    case 2: return D7ED_ListenSocket_2_Uebergeben(pSlot);
    case 3: return D7ED_ListenSocket_3_Uebergeben(pSlot);
    default: return D7ED_ListenSocket_4_Uebergeben(pSlot);
    }
}

// The Siemens service is installed and running and some process holds port
// 102; dwHalter gets that process.
bool bPort102BelegtMitDienst(const std::string& sDienst, uint32_t& dwHalter)
{
    bool bLaeuft = false, bNichtInstalliert = false;
    int iFehler = 0;
    if (!D7ED_WindowsServiceVorhandenUndGestartet(sDienst.c_str(), &bLaeuft, &bNichtInstalliert,
                                                  &iFehler) ||
        !bLaeuft || bNichtInstalliert)
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

int ListenSocketsAnlegen(bool bPort102Freigeben)
{
    SanduhrEin();
    const std::string sDienst = PlcServiceName();
    bool bHelferGestoppt = false, bDirektGestoppt = false, bOhne102 = false;
    int iErgebnis = 0;

    char acIP1[D7ED_IP_TEXT_LAENGE + 1] = {}, acIP2[D7ED_IP_TEXT_LAENGE + 1] = {};
    uint16_t aw[4] = {0, 0, 0, 0};
    D7ED_GetEingestellteIPDaten(acIP1, &aw[0], &aw[1]);
    D7ED_GetEingestellteIPDaten_2(acIP2, &aw[2], &aw[3]);
    const TPaar paare[4] = {{acIP1, aw[0]}, {acIP1, aw[1]}, {acIP2, aw[2]}, {acIP2, aw[3]}};

    int iFehler = 0;
    uint16_t wNachStopp = 4000, wVorStart = 2000;
    if (!D7ED_SindPort102TimeDatenInRegistryVorhanden())
        D7ED_StandardPort102TimeDatenInRegistrySchreiben(&iFehler);
    if (!D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNachStopp, &wVorStart, &iFehler)) {
        wNachStopp = 4000;
        wVorStart = 2000;
        FehlerMeldung("Error reading time values Port 102 ...");
    }

    bool bMit102 = false;
    for (const TPaar& p : paare)
        bMit102 = bMit102 || (bPaarBrauchbar(p) && p.wPort == kPort102);

    uint32_t dwHalter = 0;
    if (bPort102Freigeben && bMit102 && bPort102BelegtMitDienst(sDienst, dwHalter)) {
        if (dwDienstPid(sDienst) != dwHalter) {
            SetNetStatusText("Stopping S-Service not necessary ...");
        } else {
            SetNetStatusText("HARLENZ-Service: stop port 102 service...");
            bool bHelferFehlt = false;
            if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_FREIGEBEN, bHelferFehlt,
                                   false)) {
                bHelferGestoppt = true;
                SetNetStatusText("HARLENZ-Service: Waiting releasing port 102 ...");
                Sleep(wNachStopp);
            }
            SetNetStatusText("");
            if (!bHelferGestoppt) {
                if (!IsUserAdmin()) {
                    SocketFehler("Fehler beim Stoppen des Services");
                    iErgebnis = static_cast<int>(SOCKET_FEHLER_PORT102_RECHTE);
                    bOhne102 = true;
                }
                SetNetStatusText("Stop port 102 service ...");
                int iStoppFehler = 0;
                if (D7ED_WindowsServiceStop(sDienst.c_str(), &iStoppFehler)) {
                    bDirektGestoppt = true;
                    SetNetStatusText("Waiting releasing port 102 ...");
                    Sleep(wNachStopp);
                    SetNetStatusText("");
                }
            }
        }
    }

    for (int iNr = 1; iNr <= 4; ++iNr) {
        const TPaar& p = paare[iNr - 1];
        if (!bPaarBrauchbar(p) || (bOhne102 && p.wPort == kPort102))
            continue;
        TSocket* pSlot = pListenSocket(iNr);
        const unsigned uCode = OpenListenSocket(*pSlot, p.sIP, p.wPort);
        if (uCode != SOCKET_OK) {
            SocketFehler(MitUrsache(TextFormatieren("Socket konnte nicht angelegt werden. IP=%s, Port=%d",
                                                    "%s%d", p.sIP.c_str(), p.wPort),
                                    p.wPort));
            iErgebnis = static_cast<int>(uCode);
        } else {
            bUebergeben(iNr, pSlot);
        }
    }

    if (bDirektGestoppt) {
        SetNetStatusText("Starting port 102 service ...");
        Sleep(wVorStart);
        int iStartFehler = 0;
        if (!D7ED_WindowsServiceStart(sDienst.c_str(), &iStartFehler))
            SocketFehler(TextFormatieren("Service konnte nicht gestartet werden. Error=%d", "%d",
                                         iStartFehler));
    }
    if (bHelferGestoppt) {
        SetNetStatusText("HARLENZ-Service: starting port 102 service ...");
        Sleep(wVorStart);
        bool bHelferFehlt = false;
        if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_ZURUECKGEBEN, bHelferFehlt,
                               false))
            SetNetStatusText("HARLENZ-Service: port 102 service was started...");
    }

    SetNetStatusText("");
    SanduhrAus();
    return iErgebnis;
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
