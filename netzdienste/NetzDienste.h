// Socket and service functions that both programs carry: each program that
// links this library has its own table of four listening-socket slots and its
// own count of socket start-ups.
#pragma once

#include <cstdint>
#include <string>

// A socket handle; -1 is invalid.
using TSocket = int;
constexpr TSocket UNGUELTIGER_SOCKET = -1;

// Result codes of OpenListenSocket (there is no 103; 108 is the main
// program's: port 102 left out because freeing it needs administrator
// rights).
constexpr unsigned SOCKET_OK = 0;
constexpr unsigned SOCKET_FEHLER_START = 100;
constexpr unsigned SOCKET_FEHLER_SOCKET = 101;
constexpr unsigned SOCKET_FEHLER_NICHTBLOCKIEREND = 102;
constexpr unsigned SOCKET_FEHLER_BIND = 104;
constexpr unsigned SOCKET_FEHLER_LISTEN = 105;
constexpr unsigned SOCKET_FEHLER_IP_TEXT = 106;
constexpr unsigned SOCKET_FEHLER_PORT_0 = 107;
constexpr unsigned SOCKET_FEHLER_PORT102_RECHTE = 108;

// The any-address "0.0.0.0" may always be used.
constexpr unsigned char byListenSocketIP0Zulassen = 1;

// Name of the helper service and its control codes.
constexpr const char* HELFERDIENST_NAME = "HarlenzService";
constexpr uint32_t HELFERDIENST_PORT102_FREIGEBEN = 150;
constexpr uint32_t HELFERDIENST_PORT102_ZURUECKGEBEN = 151;

// Slot iNr (1..4) of the table; all invalid at program start. Slot 1: first
// address, first port; 2: first address, second port; 3 and 4 the same for
// the second address. Null for any other number.
TSocket* pListenSocket(int iNr);

// What the counted start-up reports (the version agreed, 2.2).
struct TWsaDaten {
    uint16_t wVersion = 0;
    uint16_t wHighVersion = 0;
};
// Socket start-up, version 2.2: on Linux there is nothing to start, so it
// always succeeds, but the count of start-ups not yet cleaned up is kept, one
// for each open listening socket.
int CountedWsaStartup(TWsaDaten* pDaten = nullptr);
// Count 0 or below: 0, nothing done. Else the count goes down by one.
int CountedWsaCleanup();
// The current count (for tests and diagnostics).
int iWsaReferenzen();

// Invalid slot: true, nothing done. Else the socket is shut down and closed,
// the slot made invalid, its start-up counted back, and false returned.
bool CloseListenSocket(TSocket& slot);
// CloseListenSocket on slots 1 to 4; true.
bool CloseListenSockets();

// Opens a non-blocking listening TCP socket on the dotted IPv4 text (empty:
// all interfaces) and port into the slot (invalid on any failure) and returns
// a result code above. Nothing is left open on a failure.
unsigned OpenListenSocket(TSocket& slot, const std::string& sIP, uint16_t wPort);
// The system's error number of the last failed OpenListenSocket (0 after a
// success), so that a caller can name the cause of a failure.
int iLetzterSocketFehler();
// The first port that any program may bind without a right
// (net.ipv4.ip_unprivileged_port_start of the system); 1024, the kernel's
// default, when it cannot be read. A bind below it that failed with EACCES
// lacked the right, not the port.
unsigned uErsterFreierPort();

// Always false: there is no 32-bit-on-64-bit layer to detect.
bool IsWow64();
// Writes the Siemens service's name ("s7oiehsx", "s7oiehsx64" under the
// 32-bit layer) into pcPuffer (at least 11 bytes); true.
bool PlcServiceName(char* pcPuffer);
std::string PlcServiceName();

// True for the administrator (effective user id 0); asked once per run.
bool IsUserAdmin();
// Test hook: 0 or 1 answers in place of the system, -1 asks the system again.
void IsUserAdminTestAntwortSetzen(int iAntwort);

// Sends a control code to a service. True when it was accepted. A missing
// service (1060) sets bNichtInstalliert. The failure's text goes into an
// error box only with bFehlerZeigen (no caller of the system sets it); the
// last failure's text is kept for tests.
bool SendServiceControl(const std::string& sName, uint32_t dwCode, bool& bNichtInstalliert,
                        bool bFehlerZeigen);
std::string LetzterDienstFehlerText();
