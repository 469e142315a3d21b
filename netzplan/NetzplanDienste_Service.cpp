// Service manager, the owner of port 102 and the program's own set-up of
// the four listening sockets with its progress windows.
#include "NetzplanDienste.h"

#include "DlgSim.h"
#include "ListenSocketAblauf.h"
#include "NetzDienste.h"
#include "Netzplan.h"
#include "WinDienste.h"
#include "WinTcpTabelle.h"
#include "WinZeit.h"

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
    // Not the service's: the status line keeps the state of port 102.
    if (!bGehalten)
        return false;
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
    const unsigned uFrei = uErsterFreierPort();
    if (wPort >= uFrei || iLetzterSocketFehler() != EACCES)
        return std::string();
    return Formatiert(Sprachtext("Die Portadresse %u liegt unter %u, dem ersten freien Port dieses Systems: "
                                 "Unter Linux darf nur root oder ein Programm mit dem Recht "
                                 "CAP_NET_BIND_SERVICE solche Ports belegen.\n"
                                 "Abhilfe ohne root: sysctl net.ipv4.ip_unprivileged_port_start=%u",
                                 "The port address %u is below %u, the first unprivileged port of this "
                                 "system: on Linux only root or a program with the CAP_NET_BIND_SERVICE "
                                 "capability may use such ports.\n"
                                 "Remedy without root: sysctl net.ipv4.ip_unprivileged_port_start=%u"),
                      unsigned(wPort), uFrei, unsigned(wPort));
}

// The status texts of the socket set-up (the steps not named stay silent).
constexpr TListenSocketTexte kStatusTexte{
    .pcHelferGestoppt = "S-service was stopped!",
    .pcHelferNichtGestoppt = "Error while stopping S-service!",
    .pcHelferFehlt = "HARLENZ-Service is not present on the machine!",
    .pcHelferNichtGestartet = "Error while starting S-service!",
};

int CreateListenSockets(bool bPort102Freigeben)
{
    TGespeicherterCursor cursor = false;
    TListenSocketAblauf a;
    a.SanduhrEin = [&cursor] { HourglassOn(&cursor); };
    a.SanduhrAus = [&cursor] { HourglassOff(&cursor); };
    a.Status = SetStatusText;
    a.Warten = [](uint32_t dwMs, const std::string& sTitel) {
        FortschrittWarten(DialogSimVoreinstellung, sTitel, dwMs);
    };
    a.bDienstLaeuft = [](const std::string& sDienst) {
        bool bLaeuft = false, bNichtInstalliert = false;
        uint32_t dwFehler = 0;
        return QueryServiceState(sDienst, bLaeuft, bNichtInstalliert, dwFehler) && bLaeuft &&
               !bNichtInstalliert;
    };
    a.dwPort102Halter = Port102OwnerPid;
    a.bVomDienstGehalten = [](const std::string&, uint32_t dwHalter) {
        return bPort102VomDienstGehalten(dwHalter);
    };
    a.bDienstStoppen = [](const std::string& sDienst) {
        uint32_t dwFehler = 0;
        return StopWindowsService(sDienst, dwFehler);
    };
    a.bDienstStarten = StartServiceAndWait;
    a.ZeitenNichtGelesen = ShowError;
    a.OhneRechte = [] {
        ShowError(Sprachtext("Andere Applikationen belegen bereits den Port 102 für die S7-CPU-Kommunikation!\n"
                             "Zum Allokieren des Ports muss diw Anwendung mit Administrator-Rechten "
                             "gestartet werden.\n\nFür weitere Infos lesen Sie bitte die Hilfeseite "
                             "'Vorgehensweise bei belegtem Port 102' in der Hilfe der Applikation.",
                             "Other applications already hold port 102 for the S7 CPU communication!\n"
                             "To take the port, the application must be started with administrator "
                             "rights.\n\nFor more information, please read the help page "
                             "'Procedure when port 102 is taken' in the application's help."));
    };
    a.SocketFehler = [](const std::string& sIP, uint16_t wPort) {
        std::string sText =
            Formatiert(Sprachtext("IP %s Port %u:\nFehler beim Anlegen des Sockets!",
                                  "IP %s Port %u:\nError while creating the socket!"),
                       sIP.c_str(), unsigned(wPort));
        const std::string sUrsache = PortRechtUrsache(wPort);
        if (!sUrsache.empty())
            sText += "\n" + sUrsache;
        ShowError(sText);
    };
    a.NeustartFehler = [](uint32_t dwFehler) {
        ShowError(Formatiert(Sprachtext("Fehler beim Neustart des 'Siemens SIMATIC IEtoPG Help'-Service! "
                                        "ErrorCode: %lu",
                                        "Error while restarting the 'Siemens SIMATIC IEtoPG Help' service! "
                                        "ErrorCode: %lu"),
                             static_cast<unsigned long>(dwFehler)));
    };
    a.texte = kStatusTexte;
    a.bZeitFehlerImErgebnis = true;
    return iListenSocketsEinrichten(a, bPort102Freigeben);
}
