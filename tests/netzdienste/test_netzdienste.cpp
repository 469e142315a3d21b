// The shared socket and service unit: result codes of the listening socket
// on real loopback sockets, the start-up count, the service functions.
#include "ListenSocketAblauf.h"
#include "NetzDienste.h"
#include "NetzTestHilfe.h"

#include "WinDienste.h"
#include "WinMeldung.h"
#include "kolv_d7ed.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

class NetzDienste : public ::testing::Test {
protected:
    void SetUp() override
    {
        MeldungsAntworterSetzen([](const TMeldung&) { return IDOK; });
        GezeigteMeldungenLoeschen();
    }
    void TearDown() override
    {
        CloseListenSockets();
        for (TSocket& s : m_eigene)
            CloseListenSocket(s);
        while (iWsaReferenzen() > 0)
            CountedWsaCleanup();
        DiensteTabelleLoeschen();
        IsUserAdminTestAntwortSetzen(-1);
        MeldungsAntworterSetzen({});
    }
    TSocket m_eigene[4]{UNGUELTIGER_SOCKET, UNGUELTIGER_SOCKET, UNGUELTIGER_SOCKET,
                        UNGUELTIGER_SOCKET};
};

std::string GebundeneAdresse(TSocket s, uint16_t& wPort)
{
    sockaddr_in a{};
    socklen_t uLaenge = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &uLaenge);
    char ac[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, ac, sizeof ac);
    wPort = ntohs(a.sin_port);
    return ac;
}

} // namespace

TEST_F(NetzDienste, ErgebniscodesUndStartzaehler)
{
    const uint16_t wPort = wFreierPort();
    ASSERT_NE(wPort, 0);

    // 107: port 0, nothing counted, the slot made invalid.
    m_eigene[0] = 12345;
    EXPECT_EQ(OpenListenSocket(m_eigene[0], "127.0.0.1", 0), SOCKET_FEHLER_PORT_0);
    EXPECT_EQ(m_eigene[0], UNGUELTIGER_SOCKET);
    EXPECT_EQ(iWsaReferenzen(), 0);

    // 0: a non-blocking, close-on-exec listener on exactly that address.
    ASSERT_EQ(OpenListenSocket(m_eigene[0], "127.0.0.1", wPort), SOCKET_OK);
    ASSERT_NE(m_eigene[0], UNGUELTIGER_SOCKET);
    EXPECT_EQ(iWsaReferenzen(), 1);
    EXPECT_TRUE(::fcntl(m_eigene[0], F_GETFL) & O_NONBLOCK);
    EXPECT_TRUE(::fcntl(m_eigene[0], F_GETFD) & FD_CLOEXEC);
    uint16_t wGebunden = 0;
    EXPECT_EQ(GebundeneAdresse(m_eigene[0], wGebunden), "127.0.0.1");
    EXPECT_EQ(wGebunden, wPort);
    int iListen = 0;
    socklen_t uLaenge = sizeof iListen;
    ::getsockopt(m_eigene[0], SOL_SOCKET, SO_ACCEPTCONN, &iListen, &uLaenge);
    EXPECT_EQ(iListen, 1);

    // 104: the same address and port twice (address reuse must not let a
    // second listener in), and a text that is no address.
    EXPECT_EQ(OpenListenSocket(m_eigene[1], "127.0.0.1", wPort), SOCKET_FEHLER_BIND);
    EXPECT_EQ(m_eigene[1], UNGUELTIGER_SOCKET);
    EXPECT_EQ(iLetzterSocketFehler(), EADDRINUSE);
    EXPECT_EQ(OpenListenSocket(m_eigene[1], "127.0.0.300", wFreierPort()), SOCKET_FEHLER_BIND);
    EXPECT_EQ(OpenListenSocket(m_eigene[1], "localhost", wFreierPort()), SOCKET_FEHLER_BIND);
    EXPECT_EQ(iWsaReferenzen(), 1) << "a failed open gives its start-up back";

    // 101: no descriptor left (the lowest free one is made the limit).
    const int iFrei = ::dup(0);
    ASSERT_GE(iFrei, 0);
    ::close(iFrei);
    const uint16_t wPort2 = wFreierPort();
    rlimit alt{};
    ::getrlimit(RLIMIT_NOFILE, &alt);
    rlimit eng = alt;
    eng.rlim_cur = static_cast<rlim_t>(iFrei);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &eng), 0);
    const unsigned uCode = OpenListenSocket(m_eigene[2], "127.0.0.1", wPort2);
    ::setrlimit(RLIMIT_NOFILE, &alt);
    EXPECT_EQ(uCode, SOCKET_FEHLER_SOCKET);
    EXPECT_EQ(iLetzterSocketFehler(), EMFILE);
    EXPECT_EQ(m_eigene[2], UNGUELTIGER_SOCKET);
    EXPECT_EQ(iWsaReferenzen(), 1);

    // Closing gives the reference back once; closing again and the counted
    // clean-up at 0 never take the count below 0.
    EXPECT_FALSE(CloseListenSocket(m_eigene[0]));
    EXPECT_EQ(m_eigene[0], UNGUELTIGER_SOCKET);
    EXPECT_EQ(iWsaReferenzen(), 0);
    EXPECT_TRUE(CloseListenSocket(m_eigene[0]));
    EXPECT_EQ(CountedWsaCleanup(), 0);
    EXPECT_EQ(iWsaReferenzen(), 0);
    TWsaDaten daten;
    EXPECT_EQ(CountedWsaStartup(&daten), 0);
    EXPECT_EQ(daten.wVersion, 0x0202);
    EXPECT_EQ(iWsaReferenzen(), 1);
}

TEST_F(NetzDienste, TabelleSchliessenUndWiederOeffnen)
{
    // The table's slots are closed in one go, twice without harm; a port
    // that served a connection is free again at once (TIME_WAIT on the
    // listener's side must not keep a reopened project off its port).
    const uint16_t wPort = wFreierPort();
    TSocket& slot1 = *pListenSocket(1);
    TSocket& slot4 = *pListenSocket(4);
    EXPECT_EQ(pListenSocket(0), nullptr);
    EXPECT_EQ(pListenSocket(5), nullptr);
    ASSERT_EQ(OpenListenSocket(slot1, "127.0.0.1", wPort), SOCKET_OK);
    ASSERT_EQ(OpenListenSocket(slot4, "127.0.0.1", wFreierPort()), SOCKET_OK);
    EXPECT_EQ(iWsaReferenzen(), 2);

    const int iKunde = iVerbinden("127.0.0.1", wPort);
    ASSERT_GE(iKunde, 0);
    int iAngenommen = -1;
    for (int i = 0; i < 200 && iAngenommen < 0; ++i) {
        iAngenommen = ::accept(slot1, nullptr, nullptr);
        if (iAngenommen < 0)
            ::usleep(5000);
    }
    ASSERT_GE(iAngenommen, 0);
    ::close(iAngenommen);  // the server closes first: its side lingers in TIME_WAIT
    ::usleep(20000);
    ::close(iKunde);

    EXPECT_TRUE(CloseListenSockets());
    EXPECT_EQ(slot1, UNGUELTIGER_SOCKET);
    EXPECT_EQ(slot4, UNGUELTIGER_SOCKET);
    EXPECT_EQ(iWsaReferenzen(), 0);
    EXPECT_TRUE(CloseListenSockets());
    EXPECT_EQ(iWsaReferenzen(), 0);
    EXPECT_LT(iVerbinden("127.0.0.1", wPort), 0) << "the closed listener still answers";

    EXPECT_EQ(OpenListenSocket(slot1, "127.0.0.1", wPort), SOCKET_OK);
}

TEST_F(NetzDienste, KeinDeskriptorBleibtLiegen)
{
    const uint16_t wPort = wFreierPort();
    const int iVorher = iOffeneDeskriptoren();
    for (int i = 0; i < 200; ++i) {
        TSocket& a = *pListenSocket(1 + i % 4);
        EXPECT_EQ(OpenListenSocket(a, "127.0.0.1", wPort), i % 4 == 0 ? SOCKET_OK
                                                                       : SOCKET_FEHLER_BIND);
        EXPECT_EQ(OpenListenSocket(m_eigene[0], "127.0.0.x", wPort), SOCKET_FEHLER_BIND);
        if (i % 4 == 3)
            CloseListenSockets();
    }
    CloseListenSockets();
    EXPECT_EQ(iOffeneDeskriptoren(), iVorher);
    EXPECT_EQ(iWsaReferenzen(), 0);
}

TEST_F(NetzDienste, LeererTextBindetAlleSchnittstellen)
{
    // All interfaces only inside a namespace of our own, never on the machine.
    IM_NETZNAMENSRAUM_AUSFUEHREN("");
    ASSERT_EQ(OpenListenSocket(m_eigene[0], "", 102), SOCKET_OK) << "port 102 inside the namespace";
    uint16_t wPort = 0;
    EXPECT_EQ(GebundeneAdresse(m_eigene[0], wPort), "0.0.0.0");
    EXPECT_EQ(wPort, 102);
    ASSERT_EQ(OpenListenSocket(m_eigene[1], "0.0.0.0", 103), SOCKET_OK);
    const int iKunde = iVerbinden("127.0.0.1", 102);
    EXPECT_GE(iKunde, 0);
    ::close(iKunde);
}

TEST_F(NetzDienste, DiensteUndAdministrator)
{
    EXPECT_FALSE(IsWow64());
    char acName[16] = {};
    EXPECT_TRUE(PlcServiceName(acName));
    EXPECT_STREQ(acName, "s7oiehsx");

    // No service on Linux: 1060 with the not-installed flag, no box.
    bool bNicht = false;
    EXPECT_FALSE(SendServiceControl(HELFERDIENST_NAME, 150, bNicht, false));
    EXPECT_TRUE(bNicht);
    EXPECT_EQ(LetzterDienstFehlerText(), "The specified service does not exist.");
    EXPECT_TRUE(GezeigteMeldungen().empty());

    TTestDienst helfer;
    int iStopps = 0;
    helfer.steuercodeAktionen[150] = [&] { ++iStopps; };
    DiensteTabelleSetzen({{HELFERDIENST_NAME, helfer}});
    EXPECT_TRUE(SendServiceControl("harlenzservice", 150, bNicht, false));
    EXPECT_FALSE(bNicht);
    EXPECT_EQ(iStopps, 1);
    ASSERT_EQ(DienstStoppen(HELFERDIENST_NAME), 0);
    bNicht = true;
    EXPECT_FALSE(SendServiceControl(HELFERDIENST_NAME, 151, bNicht, true));
    EXPECT_FALSE(bNicht) << "a stopped service is installed";
    ASSERT_EQ(GezeigteMeldungen().size(), 1u);
    EXPECT_EQ(GezeigteMeldungen()[0].sText, "ControlService failed (1062)");

    IsUserAdminTestAntwortSetzen(0);
    EXPECT_FALSE(IsUserAdmin());
    IsUserAdminTestAntwortSetzen(1);
    EXPECT_TRUE(IsUserAdmin());
    IsUserAdminTestAntwortSetzen(-1);
    EXPECT_EQ(IsUserAdmin(), ::geteuid() == 0);
}

// The shared set-up of the sockets with port 102 in the engine's IP data and
// the Siemens service running, but nobody holding port 102: the main
// program (bNurMitHalter) stops nothing and says nothing, the presets
// program asks whether the service holds it and says that no stop is needed.
TEST_F(NetzDienste, OhneHalterVonPort102StopptUndSagtDerAblaufNurOhneMerkerEtwas)
{
    DiensteTabelleLoeschen();
    constexpr uint32_t dwID = 4712;
    ASSERT_TRUE(D7ED_IstKommuIDKorrekt(dwID));
    int iFehler = 0;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.1", 102, 0, 0, &iFehler));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, &iFehler));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(dwID, &iFehler));
    ASSERT_TRUE(D7ED_Port102TimeDaten_InRegistryAbspeichern(0, 0, &iFehler));

    std::vector<std::string> texte;
    std::vector<uint32_t> gefragt;
    int iStopps = 0, iOhneRechte = 0;
    TListenSocketAblauf a;
    a.SanduhrEin = a.SanduhrAus = [] {};
    a.Status = [&](const std::string& s) { texte.push_back(s); };
    a.Warten = [](uint32_t, const std::string&) {};
    a.bDienstLaeuft = [](const std::string&) { return true; };
    a.dwPort102Halter = [] { return 0u; };
    a.bVomDienstGehalten = [&](const std::string&, uint32_t dwHalter) {
        gefragt.push_back(dwHalter);
        return false;
    };
    a.bDienstStoppen = [&](const std::string&) { return ++iStopps, true; };
    a.bDienstStarten = [](const std::string&, uint32_t&) { return true; };
    a.ZeitenNichtGelesen = [&](const std::string& s) { texte.push_back(s); };
    a.OhneRechte = [&] { ++iOhneRechte; };
    a.SocketFehler = [](const std::string&, uint16_t) {};   // port 102 may need rights
    a.NeustartFehler = [&](uint32_t) { texte.push_back("restart"); };
    a.texte.pcNichtNoetig = "not necessary";
    a.texte.pcHelferStoppt = "helper stops";

    a.bNurMitHalter = true;
    iListenSocketsEinrichten(a, true);
    EXPECT_TRUE(gefragt.empty());
    EXPECT_EQ(texte, std::vector<std::string>{""}) << "only the status line cleared at the end";
    CloseListenSockets();

    texte.clear();
    a.bNurMitHalter = false;
    iListenSocketsEinrichten(a, true);
    EXPECT_EQ(gefragt, std::vector<uint32_t>{0});
    EXPECT_EQ(texte, (std::vector<std::string>{"not necessary", ""}));

    EXPECT_EQ(iStopps, 0);
    EXPECT_EQ(iOhneRechte, 0);
    EXPECT_TRUE(GesendeteSteuercodes().empty());
    CloseListenSockets();
    D7ED_D7ED_Kommu_Exit(dwID, nullptr, nullptr);
}
