// Communication identifier: one identifier owns the engine's communication
// for the whole machine (per user). The claim lives in a small file in
// $XDG_RUNTIME_DIR (or /tmp): "<identifier> <pid> <process start time>".
// A claim whose process has ended (or whose pid now belongs to a process
// started later) is void.
#include "D7ED_Intern.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <signal.h>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace d7ed {

namespace {

struct TInhaber {
    uint32_t dwID = 0;
    long lPid = 0;
    unsigned long long qStart = 0;
};

// Used only when the claim file cannot be opened: the claim then holds
// within this process.
std::optional<uint32_t> g_lokalerInhaber;

std::string KommuDatei()
{
    const char* pc = std::getenv("XDG_RUNTIME_DIR");
    std::string s = (pc && *pc) ? pc : "/tmp";
    if (s.back() != '/')
        s += '/';
    return s + "kolv_d7ed_kommu_" + std::to_string(getuid());
}

// Start time of a process in clock ticks since boot (0 when unknown).
unsigned long long ProzessStart(long lPid)
{
    std::ifstream f("/proc/" + std::to_string(lPid) + "/stat");
    std::string s;
    if (!std::getline(f, s))
        return 0;
    const size_t dwKlammer = s.rfind(')');
    if (dwKlammer == std::string::npos)
        return 0;
    std::istringstream is(s.substr(dwKlammer + 1));
    std::string sFeld;
    // Fields after the name start with field 3; the start time is field 22.
    for (int i = 3; i <= 22; ++i)
        if (!(is >> sFeld))
            return 0;
    return std::strtoull(sFeld.c_str(), nullptr, 10);
}

bool bProzessLebt(const TInhaber& h)
{
    if (h.lPid <= 0)
        return false;
    if (kill(static_cast<pid_t>(h.lPid), 0) != 0 && errno == ESRCH)
        return false;
    const unsigned long long qStart = ProzessStart(h.lPid);
    return qStart == 0 || h.qStart == 0 || qStart == h.qStart;
}

std::optional<TInhaber> InhaberLesen(int iFd)
{
    char ac[128];
    const ssize_t n = pread(iFd, ac, sizeof ac - 1, 0);
    if (n <= 0)
        return std::nullopt;
    ac[n] = '\0';
    TInhaber h;
    unsigned long dwID = 0;
    if (std::sscanf(ac, "%lu %ld %llu", &dwID, &h.lPid, &h.qStart) < 2)
        return std::nullopt;
    h.dwID = static_cast<uint32_t>(dwID);
    return h;
}

bool bInhaberSchreiben(int iFd, const std::optional<TInhaber>& h)
{
    std::string s;
    if (h)
        s = std::to_string(h->dwID) + " " + std::to_string(h->lPid) + " " +
            std::to_string(h->qStart) + "\n";
    if (ftruncate(iFd, 0) != 0)
        return false;
    return s.empty() || pwrite(iFd, s.data(), s.size(), 0) == static_cast<ssize_t>(s.size());
}

} // namespace

// Claims the communication for dwID when it is free and tells whether dwID
// holds it; with bFreigeben a holder's claim is released afterwards.
bool bKommuPruefen(uint32_t dwID, bool bFreigeben, int* piFehler)
{
    const int iFd = open(KommuDatei().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (iFd < 0 || flock(iFd, LOCK_EX) != 0) {
        if (iFd >= 0)
            close(iFd);
        if (!g_lokalerInhaber)
            g_lokalerInhaber = dwID;
        const bool bHaelt = *g_lokalerInhaber == dwID;
        if (bHaelt && bFreigeben)
            g_lokalerInhaber.reset();
        Fehler(piFehler, bHaelt ? D7ED_FEHLER_KEINER : D7ED_FEHLER_KOMMU_ID);
        return bHaelt;
    }
    std::optional<TInhaber> h = InhaberLesen(iFd);
    bool bOk = true;
    if (!h || !bProzessLebt(*h)) {
        TInhaber neu;
        neu.dwID = dwID;
        neu.lPid = static_cast<long>(getpid());
        neu.qStart = ProzessStart(neu.lPid);
        h = neu;
        bOk = bInhaberSchreiben(iFd, h);
    }
    const bool bHaelt = h->dwID == dwID;
    if (bHaelt && bFreigeben)
        bOk = bInhaberSchreiben(iFd, std::nullopt) && bOk;
    flock(iFd, LOCK_UN);
    close(iFd);
    Fehler(piFehler, !bHaelt ? D7ED_FEHLER_KOMMU_ID
                             : (bOk ? D7ED_FEHLER_KEINER : D7ED_FEHLER_KOMMU_DATEI));
    return bHaelt;
}

} // namespace d7ed

using namespace d7ed;

extern "C" {

bool D7ED_IstKommuIDKorrekt(uint32_t dwKommuID) { return bKommuPruefen(dwKommuID, false, nullptr); }

bool D7ED_D7ED_Kommu_Exit(uint32_t dwKommuID, int* piFehler1, int* piFehler2)
{
    Fehler(piFehler2, D7ED_FEHLER_KEINER);
    if (!bKommuPruefen(dwKommuID, true, piFehler1)) {
        Fehler(piFehler1, D7ED_FEHLER_KOMMU_ID);
        return false;
    }
    KommunikationBeenden();
    Fehler(piFehler1, D7ED_FEHLER_KEINER);
    return true;
}

} // extern "C"
