// Listening sockets and the counted socket start-up.
#include "NetzDienste.h"

#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::array<TSocket, 4> g_ListenSockets{UNGUELTIGER_SOCKET, UNGUELTIGER_SOCKET,
                                       UNGUELTIGER_SOCKET, UNGUELTIGER_SOCKET};
int g_iWsaReferenzen = 0;
int g_iLetzterSocketFehler = 0;

// Closes a socket that failed half-way and gives back its start-up.
unsigned uAbbrechen(TSocket& slot, TSocket s, unsigned uCode)
{
    g_iLetzterSocketFehler = errno;
    ::close(s);
    slot = UNGUELTIGER_SOCKET;
    CountedWsaCleanup();
    return uCode;
}

} // namespace

TSocket* pListenSocket(int iNr)
{
    if (iNr < 1 || iNr > 4)
        return nullptr;
    return &g_ListenSockets[iNr - 1];
}

int CountedWsaStartup(TWsaDaten* pDaten)
{
    if (pDaten) {
        pDaten->wVersion = 0x0202;
        pDaten->wHighVersion = 0x0202;
    }
    ++g_iWsaReferenzen;
    return 0;
}

int CountedWsaCleanup()
{
    if (g_iWsaReferenzen <= 0)
        return 0;
    --g_iWsaReferenzen;
    return 0;
}

int iWsaReferenzen() { return g_iWsaReferenzen; }

int iLetzterSocketFehler() { return g_iLetzterSocketFehler; }

unsigned uErsterFreierPort()
{
    std::ifstream datei("/proc/sys/net/ipv4/ip_unprivileged_port_start");
    long lPort = -1;
    if (!(datei >> lPort) || lPort < 0 || lPort > 65536)
        return 1024;
    return unsigned(lPort);
}

bool CloseListenSocket(TSocket& slot)
{
    if (slot == UNGUELTIGER_SOCKET)
        return true;
    ::shutdown(slot, SHUT_RDWR);
    ::close(slot);
    slot = UNGUELTIGER_SOCKET;
    CountedWsaCleanup();
    return false;
}

bool CloseListenSockets()
{
    for (TSocket& slot : g_ListenSockets)
        CloseListenSocket(slot);
    return true;
}

unsigned OpenListenSocket(TSocket& slot, const std::string& sIP, uint16_t wPort)
{
    slot = UNGUELTIGER_SOCKET;
    g_iLetzterSocketFehler = 0;
    if (wPort == 0)
        return SOCKET_FEHLER_PORT_0;

    in_addr adresse{};
    adresse.s_addr = htonl(INADDR_ANY);
    const bool bLesbar = sIP.empty() || ::inet_pton(AF_INET, sIP.c_str(), &adresse) == 1;
    if (!bLesbar && !byListenSocketIP0Zulassen)
        return SOCKET_FEHLER_IP_TEXT;

    if (CountedWsaStartup() != 0)
        return SOCKET_FEHLER_START;

    // Close-on-exec: programs started from here (the presets program) must
    // not inherit the listening sockets and keep their ports held.
    const TSocket s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (s < 0) {
        g_iLetzterSocketFehler = errno;
        CountedWsaCleanup();
        return SOCKET_FEHLER_SOCKET;
    }

    const int iFlags = ::fcntl(s, F_GETFL, 0);
    if (iFlags < 0 || ::fcntl(s, F_SETFL, iFlags | O_NONBLOCK) < 0)
        return uAbbrechen(slot, s, SOCKET_FEHLER_NICHTBLOCKIEREND);

    // Closing must not wait for unsent data; failures here are harmless.
    const linger kein{0, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, &kein, sizeof kein);
    // A project reopened soon after connections were served must get its
    // ports back although they linger in TIME_WAIT; two listeners on one
    // address and port still fail to bind.
    const int iEin = 1;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &iEin, sizeof iEin);

    // A text that is no address reads as 255.255.255.255, to which Windows
    // binds no socket. Linux would bind it (a broadcast address), so the
    // failed bind is reported without trying.
    if (!bLesbar) {
        errno = EADDRNOTAVAIL;
        return uAbbrechen(slot, s, SOCKET_FEHLER_BIND);
    }
    sockaddr_in ziel{};
    ziel.sin_family = AF_INET;
    ziel.sin_addr = adresse;
    ziel.sin_port = htons(wPort);
    if (::bind(s, reinterpret_cast<const sockaddr*>(&ziel), sizeof ziel) != 0)
        return uAbbrechen(slot, s, SOCKET_FEHLER_BIND);
    if (::listen(s, SOMAXCONN) != 0)
        return uAbbrechen(slot, s, SOCKET_FEHLER_LISTEN);

    slot = s;
    return SOCKET_OK;
}
