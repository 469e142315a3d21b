// Listening sockets handed over by the host and the connections accepted on
// them. The host owns the listening sockets; the engine only accepts on them
// inside D7ED_BSRoutine, holds the connections and closes those.
#include "D7ED_Intern.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace d7ed {

namespace {

// Until a communication server answers on them, connections are only held.
constexpr size_t MAX_VERBINDUNGEN = 32;

bool bHoertZu(int iFd)
{
    int iWert = 0;
    socklen_t len = sizeof iWert;
    if (getsockopt(iFd, SOL_SOCKET, SO_ACCEPTCONN, &iWert, &len) != 0 || !iWert)
        return false;
    int iTyp = 0;
    len = sizeof iTyp;
    return getsockopt(iFd, SOL_SOCKET, SO_TYPE, &iTyp, &len) == 0 && iTyp == SOCK_STREAM;
}

// The slot still holds the socket that was handed over: same open file
// (a closed and reused descriptor number has another inode) and listening.
bool bSlotLebt(const TListenSlot& s)
{
    if (s.iFd < 0)
        return false;
    struct stat st {};
    return fstat(s.iFd, &st) == 0 && st.st_ino == s.qInode && st.st_dev == s.qGeraet &&
           bHoertZu(s.iFd);
}

void VerbindungSchliessen(int iFd) { close(iFd); }

bool bUebergeben(size_t dwSlot, const int* piSlot)
{
    TEngine& e = Engine();
    e.slots[dwSlot] = TListenSlot{};
    if (!piSlot || *piSlot < 0)
        return false;
    const int iFd = *piSlot;
    struct stat st {};
    if (fstat(iFd, &st) != 0 || !S_ISSOCK(st.st_mode) || !bHoertZu(iFd))
        return false;
    const int iFlags = fcntl(iFd, F_GETFL);
    if (iFlags < 0 || !(iFlags & O_NONBLOCK))
        return false;
    sockaddr_storage adr{};
    socklen_t len = sizeof adr;
    if (getsockname(iFd, reinterpret_cast<sockaddr*>(&adr), &len) != 0)
        return false;
    if (adr.ss_family == AF_INET && !e.bIP0Zugelassen &&
        reinterpret_cast<const sockaddr_in*>(&adr)->sin_addr.s_addr == htonl(INADDR_ANY))
        return false;
    e.slots[dwSlot] = TListenSlot{iFd, static_cast<uint64_t>(st.st_ino),
                                  static_cast<uint64_t>(st.st_dev)};
    return true;
}

} // namespace

void KommunikationBeenden()
{
    TEngine& e = Engine();
    for (int iFd : e.verbindungen)
        VerbindungSchliessen(iFd);
    e.verbindungen.clear();
    e.slots.fill(TListenSlot{});
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

bool D7ED_SetListenSocket_IP_0_Zulassen(unsigned char byZulassen)
{
    Engine().bIP0Zugelassen = byZulassen != 0;
    return true;
}

bool D7ED_ListenSocket_1_Uebergeben(int* piSlot) { return bUebergeben(0, piSlot); }
bool D7ED_ListenSocket_2_Uebergeben(int* piSlot) { return bUebergeben(1, piSlot); }
bool D7ED_ListenSocket_3_Uebergeben(int* piSlot) { return bUebergeben(2, piSlot); }
bool D7ED_ListenSocket_4_Uebergeben(int* piSlot) { return bUebergeben(3, piSlot); }

bool D7ED_TcpIpKommuAktiv(void)
{
    bool bAktiv = false;
    for (TListenSlot& s : Engine().slots) {
        if (s.iFd >= 0 && !bSlotLebt(s))
            s = TListenSlot{};
        bAktiv = bAktiv || s.iFd >= 0;
    }
    return bAktiv;
}

void D7ED_BSRoutine(void)
{
    TEngine& e = Engine();
    for (TListenSlot& s : e.slots) {
        if (s.iFd < 0)
            continue;
        if (!bSlotLebt(s)) {
            s = TListenSlot{};
            continue;
        }
        for (;;) {
            const int iNeu = accept4(s.iFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (iNeu < 0)
                break;
            if (e.verbindungen.size() >= MAX_VERBINDUNGEN)
                VerbindungSchliessen(iNeu);
            else
                e.verbindungen.push_back(iNeu);
        }
    }
    // Read and drop what the peers send; close connections they closed.
    for (size_t i = 0; i < e.verbindungen.size();) {
        const int iFd = e.verbindungen[i];
        bool bOffen = true;
        char ac[4096];
        for (;;) {
            const ssize_t n = recv(iFd, ac, sizeof ac, MSG_DONTWAIT);
            if (n > 0)
                continue;
            if (n < 0 && errno == EINTR)
                continue;
            bOffen = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
            break;
        }
        if (bOffen) {
            ++i;
        } else {
            VerbindungSchliessen(iFd);
            e.verbindungen.erase(e.verbindungen.begin() + static_cast<long>(i));
        }
    }
}

} // extern "C"
