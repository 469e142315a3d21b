// Network adapters: the interfaces of the PC, instances that remember one.
#include "kolv_v2_mpi.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct TAdapter {
    std::string sName, sBeschreibung, sIP;
};

struct TInstanz {
    uint16_t wMax = 0;
    std::string sGewaehlteIP;  // "" = no adapter
};

std::mutex g_mutex;
std::map<int32_t, TInstanz> g_instanzen;
int32_t g_iNaechster = 1;

void Kopieren(char* pcZiel, const std::string& s, size_t uGroesse)
{
    const size_t n = std::min(s.size(), uGroesse - 1);
    std::memcpy(pcZiel, s.data(), n);
    pcZiel[n] = '\0';
}

std::string SysWert(const std::string& sName, const char* pcDatei)
{
    std::ifstream datei("/sys/class/net/" + sName + "/" + pcDatei);
    std::string s;
    std::getline(datei, s);
    return s;
}

bool bSysVorhanden(const std::string& sName, const char* pcEintrag)
{
    struct stat st {};
    return ::stat(("/sys/class/net/" + sName + "/" + pcEintrag).c_str(), &st) == 0;
}

std::string Beschreibung(const std::string& sName)
{
    std::string sArt;
    if (bSysVorhanden(sName, "wireless"))
        sArt = "Wireless adapter";
    else if (SysWert(sName, "type") == "1")
        sArt = "Ethernet adapter";
    else
        sArt = "Network adapter";
    // Interfaces without a device behind them (dummy, bridge, tunnel, veth).
    if (!bSysVorhanden(sName, "device"))
        sArt = "Virtual " + std::string(1, char(std::tolower(sArt[0]))) + sArt.substr(1);
    const std::string sMac = SysWert(sName, "address");
    return sName + ": " + sArt + (sMac.empty() ? "" : ", MAC " + sMac);
}

// The interfaces in getifaddrs order, loopback left out, each with its
// first IPv4 address.
bool bAdapterLesen(std::vector<TAdapter>& adapter)
{
    ifaddrs* pListe = nullptr;
    if (::getifaddrs(&pListe) != 0)
        return false;
    for (const ifaddrs* p = pListe; p; p = p->ifa_next) {
        if (!p->ifa_name || (p->ifa_flags & IFF_LOOPBACK))
            continue;
        TAdapter* pA = nullptr;
        for (TAdapter& a : adapter)
            if (a.sName == p->ifa_name)
                pA = &a;
        if (!pA) {
            adapter.push_back({p->ifa_name, Beschreibung(p->ifa_name), ""});
            pA = &adapter.back();
        }
        if (pA->sIP.empty() && p->ifa_addr && p->ifa_addr->sa_family == AF_INET) {
            char acIP[INET_ADDRSTRLEN] = {};
            const auto* pIn = reinterpret_cast<const sockaddr_in*>(p->ifa_addr);
            if (::inet_ntop(AF_INET, &pIn->sin_addr, acIP, sizeof acIP))
                pA->sIP = acIP;
        }
    }
    ::freeifaddrs(pListe);
    return true;
}

bool bGueltigeIP(const std::string& sIP)
{
    in_addr a{};
    return ::inet_pton(AF_INET, sIP.c_str(), &a) == 1 && a.s_addr != 0;
}

TInstanz* pInstanz(int32_t iHandle)
{
    const auto it = g_instanzen.find(iHandle);
    return it == g_instanzen.end() ? nullptr : &it->second;
}

} // namespace

extern "C" {

bool MPI_V2_NeueInstanzAnlegen(int32_t* piHandle, uint16_t wMaxAdapter)
{
    if (!piHandle)
        return false;
    *piHandle = -1;
    if (wMaxAdapter < 1 || wMaxAdapter > 1000)
        return false;
    std::lock_guard<std::mutex> sperre(g_mutex);
    const int32_t iHandle = g_iNaechster++;
    g_instanzen[iHandle].wMax = wMaxAdapter;
    *piHandle = iHandle;
    return true;
}

bool MPI_V2_InstanzLoeschen(int32_t iHandle)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    return g_instanzen.erase(iHandle) == 1;
}

bool MPI_V2_MAC_GetNetAdapterImPC(int32_t iHandle, MPI_DLL_NETZWERK_ADAPTER_STRUCT* pTabelle,
                                  int32_t* piAnzahl)
{
    if (piAnzahl)
        *piAnzahl = 0;
    uint16_t wMax;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        const TInstanz* p = pInstanz(iHandle);
        if (!p || !pTabelle || !piAnzahl)
            return false;
        wMax = p->wMax;
    }
    std::vector<TAdapter> adapter;
    if (!bAdapterLesen(adapter))
        return false;
    adapter.push_back({});  // the spare record
    if (adapter.size() > wMax)
        adapter.resize(wMax);
    for (size_t i = 0; i < adapter.size(); ++i) {
        MPI_DLL_NETZWERK_ADAPTER_STRUCT& r = pTabelle[i];
        Kopieren(r.Name, adapter[i].sName, sizeof r.Name);
        Kopieren(r.Beschreibung, adapter[i].sBeschreibung, sizeof r.Beschreibung);
        Kopieren(r.IPAdresse, adapter[i].sIP, sizeof r.IPAdresse);
    }
    *piAnzahl = int32_t(adapter.size());
    return true;
}

bool MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(int32_t iHandle, char* pcName,
                                                      char* pcBeschreibung, char* pcIP)
{
    for (char* pc : {pcName, pcBeschreibung, pcIP})
        if (pc)
            *pc = '\0';
    if (!pcName || !pcBeschreibung || !pcIP)
        return false;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        if (!pInstanz(iHandle))
            return false;
    }
    std::vector<TAdapter> adapter;
    if (!bAdapterLesen(adapter))
        return false;
    for (const TAdapter& a : adapter)
        if (bGueltigeIP(a.sIP)) {
            Kopieren(pcName, a.sName, MPI_V2_NAME_LAENGE);
            Kopieren(pcBeschreibung, a.sBeschreibung, MPI_V2_BESCHREIBUNG_LAENGE);
            Kopieren(pcIP, a.sIP, MPI_V2_NAME_LAENGE);
            return true;
        }
    return false;
}

bool MPI_V2_SetIPAdresseNetzwerkkartePC(int32_t iHandle, const char* pcIP)
{
    if (!pcIP)
        return false;
    {
        std::lock_guard<std::mutex> sperre(g_mutex);
        if (!pInstanz(iHandle))
            return false;
    }
    std::vector<TAdapter> adapter;
    if (!bGueltigeIP(pcIP) || !bAdapterLesen(adapter))
        return false;
    for (const TAdapter& a : adapter)
        if (a.sIP == pcIP) {
            std::lock_guard<std::mutex> sperre(g_mutex);
            TInstanz* p = pInstanz(iHandle);
            if (!p)
                return false;
            p->sGewaehlteIP = a.sIP;
            return true;
        }
    return false;
}

bool MPI_V2_ResetIPAdresseNetzwerkkartePC(int32_t iHandle)
{
    std::lock_guard<std::mutex> sperre(g_mutex);
    TInstanz* p = pInstanz(iHandle);
    if (!p)
        return false;
    p->sGewaehlteIP.clear();
    return true;
}

bool MPI_V2_GetIPAdresseNetzwerkkartePC(int32_t iHandle, char* pcIP)
{
    if (!pcIP)
        return false;
    *pcIP = '\0';
    std::lock_guard<std::mutex> sperre(g_mutex);
    const TInstanz* p = pInstanz(iHandle);
    if (!p)
        return false;
    Kopieren(pcIP, p->sGewaehlteIP, MPI_V2_IP_PUFFER_LAENGE);
    return true;
}

} // extern "C"
