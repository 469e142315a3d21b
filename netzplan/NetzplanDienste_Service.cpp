// Service manager, the owner of port 102 and the program's own set-up of
// the four listening sockets with its progress windows.
#include "NetzplanDienste.h"

#include "DlgSim.h"
#include "NetzDienste.h"
#include "Netzplan.h"
#include "WinDienste.h"
#include "WinTcpTabelle.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cerrno>

bool QueryServiceState(const std::string& sName, bool& bLaeuft, bool& bNichtInstalliert,
                       uint32_t& dwFehler)
{
    bLaeuft = false;
    bNichtInstalliert = false;
    dwFehler = 0;
    TDienstStatus status;
    const int iCode = DienstStatusAbfragenEx(sName, status);
    if (iCode == DIENST_FEHLER_NICHT_VORHANDEN) {
        bNichtInstalliert = true;
        return true;
    }
    if (iCode != 0) {
        dwFehler = uint32_t(iCode);
        return false;
    }
    bLaeuft = status.dwZustand == DIENST_LAEUFT || status.dwZustand == DIENST_STARTET;
    return bLaeuft;
}

uint32_t QueryServicePid(uint32_t& dwFehler)
{
    dwFehler = 0;
    TDienstStatus status;
    const int iCode = DienstStatusAbfragenEx(PlcServiceName(), status);
    if (iCode == DIENST_FEHLER_NICHT_VORHANDEN)
        return 0;
    if (iCode != 0) {
        dwFehler = uint32_t(iCode);
        return 0;
    }
    return status.dwPid;
}

bool StopWindowsService(const std::string& sName, uint32_t& dwFehler)
{
    const int iCode = DienstStoppen(sName);
    dwFehler = uint32_t(iCode);
    return iCode == 0;
}

bool StartServiceAndWait(const std::string& sName, uint32_t& dwFehler)
{
    dwFehler = 0;
    const int iStart = DienstStarten(sName);
    if (iStart != 0) {
        dwFehler = uint32_t(iStart);
        return false;
    }
    TDienstStatus status;
    const int iAbfrage = DienstStatusAbfragenEx(sName, status);
    if (iAbfrage != 0) {
        dwFehler = uint32_t(iAbfrage);
        return false;
    }
    uint32_t dwStart = GetTickCount();
    uint32_t dwAlterCheckPoint = status.dwCheckPoint;
    while (status.dwZustand == DIENST_STARTET) {
        Sleep(std::clamp<uint32_t>(status.dwWaitHint / 10, 1000, 10000));
        const int iCode = DienstStatusAbfragenEx(sName, status);
        if (iCode != 0) {
            dwFehler = uint32_t(iCode);
            break;
        }
        if (status.dwCheckPoint > dwAlterCheckPoint) {
            dwStart = GetTickCount();
            dwAlterCheckPoint = status.dwCheckPoint;
        } else if (GetTickCount() - dwStart > status.dwWaitHint) {
            // No progress within the time the service asked for.
            break;
        }
    }
    return status.dwZustand == DIENST_LAEUFT;
}

uint32_t Port102OwnerPid()
{
    return dwPidVonLokalemTcpPortAlleZustaende(102);
}

namespace {

// A pair the sockets are made for: a port, and an address that parses
// (the any-address "0.0.0.0" is always permitted).
bool bBrauchbar(const std::string& sIP, uint16_t wPort)
{
    in_addr a{};
    return !sIP.empty() && wPort != 0 && inet_pton(AF_INET, sIP.c_str(), &a) == 1;
}

bool (*const g_uebergaben[4])(int*) = {D7ED_ListenSocket_1_Uebergeben, D7ED_ListenSocket_2_Uebergeben,
                                       D7ED_ListenSocket_3_Uebergeben, D7ED_ListenSocket_4_Uebergeben};

} // namespace

bool bPort102VomDienstGehalten(uint32_t dwHalter)
{
    if (dwHalter == 0)
        return false;
    uint32_t dwFehler = 0;
    const uint32_t dwDienst = QueryServicePid(dwFehler);
    if (dwFehler != 0) {
        SetStatusText("Error while determining PID from S-service!");
        return false;
    }
    return dwDienst == dwHalter;
}

bool bHelferdienstFuerPort102Stoppen(bool bGehalten)
{
    if (!bGehalten) {
        SetStatusText("Stopping S-service is not necessary!");
        return false;
    }
    bool bNichtInstalliert = false;
    if (SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_FREIGEBEN, bNichtInstalliert, false)) {
        SetStatusText("S-service was stopped!");
        return true;
    }
    SetStatusText("Error while stopping S-service!");
    if (bNichtInstalliert)
        SetStatusText("HARLENZ-Service is not present on the machine!");
    return false;
}

std::string PortRechtUrsache(uint16_t wPort)
{
    if (wPort >= 1024 || iLetzterSocketFehler() != EACCES)
        return std::string();
    return Formatiert(Sprachtext("Die Portadresse %u liegt unter 1024: Unter Linux darf nur root oder ein "
                                 "Programm mit dem Recht CAP_NET_BIND_SERVICE solche Ports belegen.\n"
                                 "Abhilfe ohne root: sysctl net.ipv4.ip_unprivileged_port_start=%u",
                                 "The port address %u is below 1024: on Linux only root or a program "
                                 "with the CAP_NET_BIND_SERVICE capability may use such ports.\n"
                                 "Remedy without root: sysctl net.ipv4.ip_unprivileged_port_start=%u"),
                      unsigned(wPort), unsigned(wPort));
}

int CreateListenSockets(bool bPort102Freigeben)
{
    const std::string sDienst = PlcServiceName();
    bool bHelferGestoppt = false, bDirektGestoppt = false, bOhne102 = false;
    int iErgebnis = 0;
    TGespeicherterCursor cursor = false;
    HourglassOn(&cursor);

    char acIP1[256] = {}, acIP2[256] = {};
    uint16_t wPorts[4] = {};
    D7ED_GetEingestellteIPDaten(acIP1, &wPorts[0], &wPorts[1]);
    D7ED_GetEingestellteIPDaten_2(acIP2, &wPorts[2], &wPorts[3]);
    const std::string sIPs[4] = {acIP1, acIP1, acIP2, acIP2};
    uint16_t wNachStop = D7ED_PORT102_WARTE_NACH_STOP, wVorStart = D7ED_PORT102_WARTE_VOR_START;
    if (!D7ED_SindPort102TimeDatenInRegistryVorhanden())
        D7ED_StandardPort102TimeDatenInRegistrySchreiben(&iErgebnis);
    if (!D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNachStop, &wVorStart, &iErgebnis)) {
        wNachStop = D7ED_PORT102_WARTE_NACH_STOP;
        wVorStart = D7ED_PORT102_WARTE_VOR_START;
        ShowError("Error reading time values Port 102 ...");
    }

    bool bMit102 = false;
    for (int i = 0; i < 4; ++i)
        bMit102 = bMit102 || (bBrauchbar(sIPs[i], wPorts[i]) && wPorts[i] == 102);
    bool bLaeuft = false, bNichtInstalliert = false;
    uint32_t dwFehler = 0;
    if (bPort102Freigeben && bMit102 && QueryServiceState(sDienst, bLaeuft, bNichtInstalliert, dwFehler) &&
        bLaeuft && !bNichtInstalliert) {
        const bool bGehalten = bPort102VomDienstGehalten(Port102OwnerPid());
        if (bHelferdienstFuerPort102Stoppen(bGehalten))
            bHelferGestoppt = true;
        if (bGehalten && !bHelferGestoppt) {
            if (!IsUserAdmin()) {
                ShowError("Andere Applikationen belegen bereits den Port 102 für die S7-CPU-Kommunikation!\n"
                          "Zum Allokieren des Ports muss diw Anwendung mit Administrator-Rechten "
                          "gestartet werden.\n\nFür weitere Infos lesen Sie bitte die Hilfeseite "
                          "'Vorgehensweise bei belegtem Port 102' in der Hilfe der Applikation.");
                bOhne102 = true;
                iErgebnis = int(SOCKET_FEHLER_PORT102_RECHTE);
            } else {
                SetStatusText("Stop port 102 service ...");
                if (StopWindowsService(sDienst, dwFehler)) {
                    bDirektGestoppt = true;
                    SetStatusText("Waiting releasing port 102 ...");
                    FortschrittWarten(DialogSimVoreinstellung, "Waiting releasing port 102 ...", wNachStop);
                }
            }
        }
    }

    for (int i = 0; i < 4; ++i) {
        if (!bBrauchbar(sIPs[i], wPorts[i]) || (bOhne102 && wPorts[i] == 102))
            continue;
        TSocket* pSlot = pListenSocket(i + 1);
        const unsigned uCode = OpenListenSocket(*pSlot, sIPs[i], wPorts[i]);
        if (uCode != SOCKET_OK) {
            std::string sText = Formatiert("IP %s Port %u:\nFehler beim Anlegen des Sockets!",
                                           sIPs[i].c_str(), unsigned(wPorts[i]));
            const std::string sUrsache = PortRechtUrsache(wPorts[i]);
            if (!sUrsache.empty())
                sText += "\n" + sUrsache;
            ShowError(sText);
            *pSlot = UNGUELTIGER_SOCKET;
            iErgebnis = int(uCode);
        } else {
            g_uebergaben[i](pSlot);
        }
    }

    if (bDirektGestoppt) {
        FortschrittWarten(DialogSimVoreinstellung, "Starting port 102 service ...", wVorStart);
        if (!StartServiceAndWait(sDienst, dwFehler))
            ShowError(Formatiert("Fehler beim Neustart des 'Siemens SIMATIC IEtoPG Help'-Service! "
                                 "ErrorCode: %lu",
                                 static_cast<unsigned long>(dwFehler)));
    }
    if (bHelferGestoppt) {
        bool bHelferFehlt = false;
        if (!SendServiceControl(HELFERDIENST_NAME, HELFERDIENST_PORT102_ZURUECKGEBEN, bHelferFehlt, false)) {
            SetStatusText("Error while starting S-service!");
            if (bHelferFehlt)
                SetStatusText("HARLENZ-Service is not present on the machine!");
        }
    }
    SetStatusText("");
    HourglassOff(&cursor);
    return iErgebnis;
}
