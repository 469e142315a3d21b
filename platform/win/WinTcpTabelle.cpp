// Owner of a listening TCP port: the kernel's socket tables give the inode
// of the listening socket, the descriptor links of the processes tell whose
// socket it is.
#include "WinTcpTabelle.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kListen = 0x0A;

void InodesSammeln(const char* pcTabelle, uint16_t wPort, std::set<unsigned long>& inodes,
                   bool bAlleZustaende)
{
    std::ifstream datei(pcTabelle);
    std::string sZeile;
    std::getline(datei, sZeile);  // head line
    while (std::getline(datei, sZeile)) {
        // sl local_address rem_address st tx:rx tr:tm retrnsmt uid timeout inode
        std::istringstream felder(sZeile);
        std::string sNr, sLokal, sFern, sZustand, sQueue, sTimer, sRetr, sUid, sTimeout;
        unsigned long ulInode = 0;
        if (!(felder >> sNr >> sLokal >> sFern >> sZustand >> sQueue >> sTimer >> sRetr >> sUid >>
              sTimeout >> ulInode))
            continue;
        const size_t uDoppelpunkt = sLokal.rfind(':');
        if (uDoppelpunkt == std::string::npos)
            continue;
        const unsigned long ulPort = std::strtoul(sLokal.c_str() + uDoppelpunkt + 1, nullptr, 16);
        const long lZustand = std::strtol(sZustand.c_str(), nullptr, 16);
        if (ulPort == wPort && (bAlleZustaende || lZustand == kListen) && ulInode != 0)
            inodes.insert(ulInode);
    }
}

bool bNurZiffern(const char* pc)
{
    if (!*pc)
        return false;
    for (; *pc; ++pc) {
        if (*pc < '0' || *pc > '9')
            return false;
    }
    return true;
}

} // namespace

namespace {

uint32_t dwPidVonPort(uint16_t wPort, bool bAlleZustaende)
{
    std::set<unsigned long> inodes;
    InodesSammeln("/proc/net/tcp", wPort, inodes, bAlleZustaende);
    InodesSammeln("/proc/net/tcp6", wPort, inodes, bAlleZustaende);
    if (inodes.empty())
        return 0;

    DIR* pProc = ::opendir("/proc");
    if (!pProc)
        return 0;
    uint32_t dwPid = 0;
    while (dwPid == 0) {
        const dirent* pEintrag = ::readdir(pProc);
        if (!pEintrag)
            break;
        if (!bNurZiffern(pEintrag->d_name))
            continue;
        const std::string sFdOrdner = std::string("/proc/") + pEintrag->d_name + "/fd/";
        DIR* pFds = ::opendir(sFdOrdner.c_str());
        if (!pFds)
            continue;  // another user's process
        while (const dirent* pFd = ::readdir(pFds)) {
            if (pFd->d_name[0] == '.')
                continue;
            char acZiel[64];
            const ssize_t n = ::readlink((sFdOrdner + pFd->d_name).c_str(), acZiel, sizeof acZiel - 1);
            if (n <= 0)
                continue;
            acZiel[n] = '\0';
            unsigned long ulInode = 0;
            if (std::sscanf(acZiel, "socket:[%lu]", &ulInode) == 1 && inodes.count(ulInode)) {
                dwPid = static_cast<uint32_t>(std::strtoul(pEintrag->d_name, nullptr, 10));
                break;
            }
        }
        ::closedir(pFds);
    }
    ::closedir(pProc);
    return dwPid;
}

} // namespace

uint32_t dwPidVonLokalemTcpPort(uint16_t wPort)
{
    return dwPidVonPort(wPort, false);
}

uint32_t dwPidVonLokalemTcpPortAlleZustaende(uint16_t wPort)
{
    return dwPidVonPort(wPort, true);
}
