// The presets program's own helpers: Windows version class, its boxes, the
// status line, the help viewer, the service manager, the owner of port 102,
// the example access data and its set-up of the listening sockets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "WinMeldung.h"
#include "WinSystem.h"

class QWidget;

// Windows version class of the reported version record (0..12, 9 and below
// count as Windows XP or older).
int VersionsKlasse(const TWindowsVersion& version);
// The class of this PC; the version is asked with the extended record and,
// when that fails, with the plain one.
int WindowsVersionClass();

// The application's box with the flags plus MB_TOPMOST; a null text or
// caption counts as empty.
int ShowMessageBox(const char* pcText, const char* pcTitel, unsigned uFlags);
// Error and information box captioned with the program title.
void ShowError(const std::string& sText);
void ShowInfo(const std::string& sText);

// Saved cursor of HourglassOn: whether an override cursor was set.
using TGespeicherterCursor = bool;
// Hourglass on (the current cursor saved when a place is given) and back.
void HourglassOn(TGespeicherterCursor* pGespeichert);
void HourglassOff(const TGespeicherterCursor* pGespeichert);

// Caption of the presets dialog's status line (when the dialog exists).
void SetStatusText(const std::string& sText);
// Test hook: every text SetStatusText was given, in order (each replaces
// the last on the screen), and clearing that record.
std::vector<std::string> GezeigteStatusTexte();
void GezeigteStatusTexteLoeschen();

// The help viewer's command line for a page of the program's help folder,
// and its start without waiting.
std::string HilfeKommandozeile(const std::string& sSeite, int iLeft, int iTop);
void ShowHelp(const std::string& sSeite);

// Service manager (Algorithms of the service functions): results and
// system error codes, never boxes.
bool QueryServiceState(const std::string& sName, bool& bLaeuft, bool& bNichtInstalliert,
                       uint32_t& dwFehler);
uint32_t QueryServicePid(uint32_t& dwFehler);
bool StopWindowsService(const std::string& sName, uint32_t& dwFehler);
bool StartServiceAndWait(const std::string& sName, uint32_t& dwFehler);
// Process that owns local TCP port 102 (any connection state); 0 when none.
uint32_t Port102OwnerPid();
// Whether the PLC service is the owner dwHalter of port 102 (0: nobody); a
// failed PID query is said on the status line and counts as not.
bool bPort102VomDienstGehalten(uint32_t dwHalter);
// When bGehalten, asks the help service to free port 102; the outcome goes to
// the status line (else it is left as it stands). True when the help
// service stopped.
bool bHelferdienstFuerPort102Stoppen(bool bGehalten);

// Address and port through which programming software reaches the engine;
// false (both addresses "", port 0) when there is none.
bool ComputeExampleAccess(const std::string& sIP1, const std::string& sIP2, uint16_t wPort1,
                          uint16_t wPort2, uint16_t wPort3, uint16_t wPort4,
                          std::string& sAdresse, uint16_t& wPort, std::string& sAdresseKopie);

// The cause of a failed listening socket below the system's first
// unprivileged port that was refused for want of the right (on Linux only
// root or CAP_NET_BIND_SERVICE may bind there), in the user's language;
// empty for any other failure. Without it the user would read a refused
// right as a port that another program holds.
std::string PortRechtUrsache(uint16_t wPort);

// Frees port 102 when the PLC help service holds it and port 102 is among
// the engine's pairs (bPort102Freigeben), creates the listening sockets of
// the engine's IP data in the four slots of the network unit and hands
// them to the engine; the code of the last failure, 108 when port 102 had
// to be left out, else 0.
int CreateListenSockets(bool bPort102Freigeben);

// Steps of a progress wait of dwMs milliseconds (at least 2).
uint32_t FortschrittSchritte(uint32_t dwMs);
// Shows a progress window owned by pBesitzer and moves its bar through the
// wait, 100 ms a step, handling no messages.
void FortschrittWarten(QWidget* pBesitzer, const std::string& sTitel, uint32_t dwMs);
