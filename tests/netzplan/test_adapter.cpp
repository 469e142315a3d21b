// The adapter library through its C interface: the PC's interfaces as
// getifaddrs lists them, the instance's chosen adapter, unknown handles.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <QProcess>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "Namensraum.h"
#include "kolv_v2_mpi.h"

namespace {

// (name, first IPv4) of every interface but loopback, in getifaddrs order;
// read here on its own, not through the library.
std::vector<std::pair<std::string, std::string>> Schnittstellen()
{
    std::vector<std::pair<std::string, std::string>> liste;
    ifaddrs* pListe = nullptr;
    if (getifaddrs(&pListe) != 0)
        return liste;
    for (ifaddrs* p = pListe; p; p = p->ifa_next) {
        if (p->ifa_flags & IFF_LOOPBACK)
            continue;
        auto it = liste.begin();
        while (it != liste.end() && it->first != p->ifa_name)
            ++it;
        if (it == liste.end()) {
            liste.emplace_back(p->ifa_name, "");
            it = liste.end() - 1;
        }
        if (it->second.empty() && p->ifa_addr && p->ifa_addr->sa_family == AF_INET) {
            char ac[INET_ADDRSTRLEN];
            inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(p->ifa_addr)->sin_addr, ac, sizeof ac);
            it->second = ac;
        }
    }
    freeifaddrs(pListe);
    return liste;
}

struct Instanz {
    int32_t iHandle = -1;
    Instanz() { EXPECT_TRUE(MPI_V2_NeueInstanzAnlegen(&iHandle, 100)); }
    ~Instanz() { MPI_V2_InstanzLoeschen(iHandle); }
    std::string Gewaehlt() const
    {
        char ac[MPI_V2_IP_PUFFER_LAENGE] = "x";
        EXPECT_TRUE(MPI_V2_GetIPAdresseNetzwerkkartePC(iHandle, ac));
        return ac;
    }
};

} // namespace

TEST(Adapter, ListeEntsprichtDenSchnittstellenDesRechners)
{
    Instanz inst;
    std::vector<MPI_DLL_NETZWERK_ADAPTER_STRUCT> tabelle(100);
    int32_t iAnzahl = 0;
    ASSERT_TRUE(MPI_V2_MAC_GetNetAdapterImPC(inst.iHandle, tabelle.data(), &iAnzahl));
    const auto erwartet = Schnittstellen();
    ASSERT_EQ(iAnzahl, int32_t(erwartet.size()) + 1) << "adapters plus the spare record";
    for (size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(tabelle[i].Name, erwartet[i].first);
        EXPECT_EQ(tabelle[i].IPAdresse, erwartet[i].second) << erwartet[i].first;
        EXPECT_EQ(std::string(tabelle[i].Beschreibung).rfind(erwartet[i].first + ": ", 0), 0u);
        EXPECT_NE(std::string(tabelle[i].Name), MPI_V2_LOCAL_HOST_NAME);
    }
    EXPECT_STREQ(tabelle[erwartet.size()].Name, "");
    EXPECT_STREQ(tabelle[erwartet.size()].IPAdresse, "");

    // The first with a valid address, and choosing it.
    char acName[355], acBeschr[355], acIP[355];
    const bool bErster = MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(inst.iHandle, acName,
                                                                        acBeschr, acIP);
    std::string sErsteIP;
    for (const auto& [sName, sIP] : erwartet)
        if (!sIP.empty() && sIP != "0.0.0.0") {
            sErsteIP = sIP;
            EXPECT_EQ(acName, sName);
            break;
        }
    EXPECT_EQ(bErster, !sErsteIP.empty());
    EXPECT_EQ(acIP, sErsteIP);
    EXPECT_EQ(inst.Gewaehlt(), "");
    if (bErster) {
        EXPECT_TRUE(MPI_V2_SetIPAdresseNetzwerkkartePC(inst.iHandle, acIP));
        EXPECT_EQ(inst.Gewaehlt(), sErsteIP);
        // Loopback is no adapter: the choice stays.
        EXPECT_FALSE(MPI_V2_SetIPAdresseNetzwerkkartePC(inst.iHandle, "127.0.0.1"));
        EXPECT_EQ(inst.Gewaehlt(), sErsteIP);
        EXPECT_TRUE(MPI_V2_ResetIPAdresseNetzwerkkartePC(inst.iHandle));
        EXPECT_EQ(inst.Gewaehlt(), "");
    }
}

TEST(Adapter, TabelleWirdNichtUeberDasMaximumGefuellt)
{
    int32_t iHandle = -1;
    ASSERT_TRUE(MPI_V2_NeueInstanzAnlegen(&iHandle, 1));
    MPI_DLL_NETZWERK_ADAPTER_STRUCT tabelle[2];
    std::memset(tabelle, 0x5A, sizeof tabelle);
    int32_t iAnzahl = -1;
    ASSERT_TRUE(MPI_V2_MAC_GetNetAdapterImPC(iHandle, tabelle, &iAnzahl));
    EXPECT_EQ(iAnzahl, 1);
    EXPECT_EQ(static_cast<unsigned char>(tabelle[1].Name[0]), 0x5A) << "record 2 untouched";
    MPI_V2_InstanzLoeschen(iHandle);
}

TEST(Adapter, UnbekannteHandlesSchadenNicht)
{
    int32_t iGeloescht = -1;
    ASSERT_TRUE(MPI_V2_NeueInstanzAnlegen(&iGeloescht, 100));
    ASSERT_TRUE(MPI_V2_InstanzLoeschen(iGeloescht));
    for (int32_t iHandle : {-1, 0, iGeloescht, 123456}) {
        SCOPED_TRACE(iHandle);
        MPI_DLL_NETZWERK_ADAPTER_STRUCT tabelle[3];
        int32_t iAnzahl = 7;
        EXPECT_FALSE(MPI_V2_MAC_GetNetAdapterImPC(iHandle, tabelle, &iAnzahl));
        EXPECT_EQ(iAnzahl, 0);
        char a[355] = "x", b[355] = "x", c[355] = "x";
        EXPECT_FALSE(MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(iHandle, a, b, c));
        EXPECT_STREQ(a, "");
        EXPECT_STREQ(c, "");
        EXPECT_FALSE(MPI_V2_SetIPAdresseNetzwerkkartePC(iHandle, "192.0.2.1"));
        EXPECT_FALSE(MPI_V2_ResetIPAdresseNetzwerkkartePC(iHandle));
        char acIP[MPI_V2_IP_PUFFER_LAENGE] = "x";
        EXPECT_FALSE(MPI_V2_GetIPAdresseNetzwerkkartePC(iHandle, acIP));
        EXPECT_STREQ(acIP, "");
        EXPECT_FALSE(MPI_V2_InstanzLoeschen(iHandle));
    }
    int32_t iHandle = 5;
    EXPECT_FALSE(MPI_V2_NeueInstanzAnlegen(&iHandle, 0));
    EXPECT_EQ(iHandle, -1);
    EXPECT_FALSE(MPI_V2_NeueInstanzAnlegen(nullptr, 100));
}

// A virtual interface with an address in a private namespace: found,
// chosen and reported. Nothing is sent through it.
TEST(Adapter, VirtuelleSchnittstelleImNamensraum)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    auto ip = [](const QStringList& a) { return QProcess::execute("ip", a) == 0; };
    // Kernels without the dummy driver still have bridges.
    if (!ip({"link", "add", "d0", "type", "dummy"}) && !ip({"link", "add", "d0", "type", "bridge"}))
        GTEST_SKIP() << "no virtual interface can be made here";
    ASSERT_TRUE(ip({"addr", "add", "192.0.2.1/24", "dev", "d0"}));
    ASSERT_TRUE(ip({"link", "set", "d0", "up"}));

    Instanz inst;
    std::vector<MPI_DLL_NETZWERK_ADAPTER_STRUCT> tabelle(100);
    int32_t iAnzahl = 0;
    ASSERT_TRUE(MPI_V2_MAC_GetNetAdapterImPC(inst.iHandle, tabelle.data(), &iAnzahl));
    ASSERT_EQ(iAnzahl, 2) << "d0 and the spare record; lo left out";
    EXPECT_STREQ(tabelle[0].Name, "d0");
    EXPECT_STREQ(tabelle[0].IPAdresse, "192.0.2.1");
    EXPECT_NE(std::string(tabelle[0].Beschreibung).find("Virtual"), std::string::npos);
    char acName[355], acBeschr[355], acIP[355];
    ASSERT_TRUE(MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(inst.iHandle, acName, acBeschr, acIP));
    EXPECT_STREQ(acName, "d0");
    EXPECT_STREQ(acIP, "192.0.2.1");
    EXPECT_TRUE(MPI_V2_SetIPAdresseNetzwerkkartePC(inst.iHandle, "192.0.2.1"));
    EXPECT_EQ(inst.Gewaehlt(), "192.0.2.1");
}
