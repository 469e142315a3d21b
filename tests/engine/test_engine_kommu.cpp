// Communication identifier across processes, listening sockets and held
// connections, services and the owner of a local TCP port.
#include "EngineTestHilfe.h"

#include "WinDienste.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <filesystem>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace enginetest;

namespace {

// Runs fn in a child process and returns its exit code.
template <typename F> int ImKindprozess(F fn)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(fn());
    int iStatus = 0;
    waitpid(pid, &iStatus, 0);
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
}

// A non-blocking listening socket on 127.0.0.1 (port 0: any free port).
int ListenSocket(uint16_t wPort, const char* pcIP = "127.0.0.1", bool bNichtBlockierend = true)
{
    const int iFd = socket(AF_INET, SOCK_STREAM, 0);
    const int iEins = 1;
    setsockopt(iFd, SOL_SOCKET, SO_REUSEADDR, &iEins, sizeof iEins);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(wPort);
    inet_pton(AF_INET, pcIP, &a.sin_addr);
    if (bind(iFd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(iFd, 16) != 0) {
        close(iFd);
        return -1;
    }
    if (bNichtBlockierend)
        fcntl(iFd, F_SETFL, fcntl(iFd, F_GETFL) | O_NONBLOCK);
    return iFd;
}

uint16_t Port(int iFd)
{
    sockaddr_in a{};
    socklen_t len = sizeof a;
    getsockname(iFd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

int Verbinden(uint16_t wPort)
{
    const int iFd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(wPort);
    inet_pton(AF_INET, "127.0.0.1", &a.sin_addr);
    if (connect(iFd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(iFd);
        return -1;
    }
    return iFd;
}

// True when the peer closed the connection (read gives end of file).
bool bVomPartnerGeschlossen(int iFd)
{
    pollfd p{iFd, POLLIN, 0};
    if (poll(&p, 1, 2000) != 1)
        return false;
    char c;
    return recv(iFd, &c, 1, 0) == 0;
}

int AnzahlOffeneDeskriptoren()
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

} // namespace

TEST(EngineKommu, KennungZwischenZweiProzessen)
{
    ASSERT_TRUE(D7ED_IstKommuIDKorrekt(1000));
    EXPECT_TRUE(D7ED_IstKommuIDKorrekt(1000));
    EXPECT_FALSE(D7ED_IstKommuIDKorrekt(2000));

    // Another process: a foreign identifier is refused, the holder's own
    // identifier (the presets program's case) is accepted.
    EXPECT_EQ(ImKindprozess([] { return D7ED_IstKommuIDKorrekt(2000) ? 1 : 0; }), 0);
    EXPECT_EQ(ImKindprozess([] { return D7ED_IstKommuIDKorrekt(1000) ? 1 : 0; }), 1);
    EXPECT_EQ(ImKindprozess([] { return D7ED_D7ED_Kommu_Exit(2000, nullptr, nullptr) ? 1 : 0; }), 0);
    EXPECT_TRUE(D7ED_IstKommuIDKorrekt(1000)) << "a refused exit releases nothing";

    // Released: the other process may claim; while it lives, we may not.
    int iFehler1 = -1, iFehler2 = -1;
    ASSERT_TRUE(D7ED_D7ED_Kommu_Exit(1000, &iFehler1, &iFehler2));
    EXPECT_EQ(iFehler1, 0);
    EXPECT_EQ(iFehler2, 0);

    int aiRohr[2];
    ASSERT_EQ(pipe(aiRohr), 0);
    int aiZurueck[2];
    ASSERT_EQ(pipe(aiZurueck), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        const char c = D7ED_IstKommuIDKorrekt(3000) ? 'j' : 'n';
        (void)!write(aiZurueck[1], &c, 1);
        char cWarte;
        (void)!read(aiRohr[0], &cWarte, 1);  // hold the claim until told
        _exit(0);
    }
    char cAntwort = 0;
    ASSERT_EQ(read(aiZurueck[0], &cAntwort, 1), 1);
    EXPECT_EQ(cAntwort, 'j');
    EXPECT_FALSE(D7ED_IstKommuIDKorrekt(1000)) << "the living child holds the claim";
    int iFehler = -1;
    EXPECT_FALSE(D7ED_D7ED_Kommu_Exit(1000, &iFehler, nullptr));
    EXPECT_EQ(iFehler, D7ED_FEHLER_KOMMU_ID);

    // The child ends without releasing: its claim is void.
    (void)!write(aiRohr[1], "x", 1);
    waitpid(pid, nullptr, 0);
    for (int i : {aiRohr[0], aiRohr[1], aiZurueck[0], aiZurueck[1]})
        close(i);
    EXPECT_TRUE(D7ED_IstKommuIDKorrekt(1000));
    EXPECT_TRUE(D7ED_D7ED_Kommu_Exit(1000, nullptr, nullptr));
}

TEST(EngineKommu, SocketsAnnehmenHaltenUndBeenden)
{
    ASSERT_TRUE(D7ED_IstKommuIDKorrekt(5000));
    EXPECT_FALSE(D7ED_TcpIpKommuAktiv());
    int iSlot = ListenSocket(0);
    ASSERT_GE(iSlot, 0);
    ASSERT_TRUE(D7ED_ListenSocket_2_Uebergeben(&iSlot));
    EXPECT_TRUE(D7ED_TcpIpKommuAktiv());

    const int iClient = Verbinden(Port(iSlot));
    ASSERT_GE(iClient, 0);
    send(iClient, "hallo", 5, 0);
    for (int i = 0; i < 5; ++i)
        D7ED_BSRoutine();
    // The engine took the connection off the queue: another accept finds
    // nothing, and the connection stays open.
    EXPECT_LT(accept(iSlot, nullptr, nullptr), 0);
    pollfd p{iClient, POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 100), 0) << "connection held open";

    // Ending the communication closes the connection but not the host's socket.
    ASSERT_TRUE(D7ED_D7ED_Kommu_Exit(5000, nullptr, nullptr));
    EXPECT_TRUE(bVomPartnerGeschlossen(iClient));
    EXPECT_FALSE(D7ED_TcpIpKommuAktiv());
    int iWert = 0;
    socklen_t len = sizeof iWert;
    EXPECT_EQ(getsockopt(iSlot, SOL_SOCKET, SO_ACCEPTCONN, &iWert, &len), 0);
    EXPECT_EQ(iWert, 1) << "the host's listening socket stays open";
    close(iClient);
    close(iSlot);
}

TEST(EngineKommu, GeschlossenerSlotUndPartnerWerdenBemerkt)
{
    int iSlot1 = ListenSocket(0);
    int iSlot4 = ListenSocket(0);
    ASSERT_TRUE(D7ED_ListenSocket_1_Uebergeben(&iSlot1));
    ASSERT_TRUE(D7ED_ListenSocket_4_Uebergeben(&iSlot4));
    const int iClient = Verbinden(Port(iSlot1));
    D7ED_BSRoutine();

    // The host closes slot 1 and a new socket of someone else gets the same
    // descriptor number: the engine must not take it for slot 1.
    close(iSlot1);
    const int iFremd = ListenSocket(0);
    ASSERT_EQ(iFremd, iSlot1) << "the lowest free descriptor is reused";
    EXPECT_TRUE(D7ED_TcpIpKommuAktiv()) << "slot 4 is still there";
    const int iFremdClient = Verbinden(Port(iFremd));
    D7ED_BSRoutine();
    const int iAngenommen = accept(iFremd, nullptr, nullptr);
    EXPECT_GE(iAngenommen, 0) << "the engine accepted on a socket it was never given";
    close(iAngenommen);
    close(iFremdClient);
    close(iSlot4);
    EXPECT_FALSE(D7ED_TcpIpKommuAktiv()) << "only a reused descriptor left";

    // The peer closes: the engine closes its side at the next routine.
    const int iVorher = AnzahlOffeneDeskriptoren();
    close(iClient);
    D7ED_BSRoutine();
    EXPECT_EQ(AnzahlOffeneDeskriptoren(), iVorher - 2) << "client and the engine's side closed";
    close(iFremd);
    ASSERT_TRUE(D7ED_IstKommuIDKorrekt(6000));
    ASSERT_TRUE(D7ED_D7ED_Kommu_Exit(6000, nullptr, nullptr));
}

TEST(EngineKommu, UngeeigneteSocketsWerdenAbgewiesen)
{
    int iUngueltig = -1;
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(&iUngueltig));
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(nullptr));
    int iBlockierend = ListenSocket(0, "127.0.0.1", false);
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(&iBlockierend));
    close(iBlockierend);
    int iNichtHoerend = socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(&iNichtHoerend));
    close(iNichtHoerend);
    int iDatei = open("/dev/null", O_RDONLY);
    EXPECT_FALSE(D7ED_ListenSocket_3_Uebergeben(&iDatei));
    close(iDatei);

    int iAlle = ListenSocket(0, "0.0.0.0");
    ASSERT_GE(iAlle, 0);
    D7ED_SetListenSocket_IP_0_Zulassen(0);
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(&iAlle));
    D7ED_SetListenSocket_IP_0_Zulassen(1);
    EXPECT_TRUE(D7ED_ListenSocket_1_Uebergeben(&iAlle));
    EXPECT_TRUE(D7ED_TcpIpKommuAktiv());
    // A refused hand-over empties that slot.
    EXPECT_FALSE(D7ED_ListenSocket_1_Uebergeben(&iUngueltig));
    EXPECT_FALSE(D7ED_TcpIpKommuAktiv());
    close(iAlle);
}

TEST(EngineKommu, PortInhaberAufEinemFreienPort)
{
    const int iFd = ListenSocket(0);
    ASSERT_GE(iFd, 0);
    const uint16_t wPort = Port(iFd);
    EXPECT_EQ(D7ED_GetPidVonLokalemTcpPort(wPort), static_cast<uint32_t>(getpid()));
    close(iFd);
    EXPECT_EQ(D7ED_GetPidVonLokalemTcpPort(wPort), 0u);
}

TEST(EngineKommu, PortInhaber102)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "binding port 102 needs root; the same lookup is tested on a free port";
    const int iFd = ListenSocket(102, "0.0.0.0");
    if (iFd < 0)
        GTEST_SKIP() << "port 102 is held by another process on this machine";
    EXPECT_EQ(D7ED_GetPidFromAllocateProcessOfPort102(), static_cast<uint32_t>(getpid()));
    close(iFd);
    EXPECT_EQ(D7ED_GetPidFromAllocateProcessOfPort102(), 0u);
}

TEST(EngineKommu, DiensteUndFremdprogramme)
{
    bool bLaeuft = true, bNicht = false;
    int iFehler = -1;
    // Linux: no service exists.
    EXPECT_TRUE(D7ED_WindowsServiceVorhandenUndGestartet("s7oiehsx", &bLaeuft, &bNicht, &iFehler));
    EXPECT_FALSE(bLaeuft);
    EXPECT_TRUE(bNicht);
    EXPECT_EQ(iFehler, 0);
    EXPECT_FALSE(D7ED_WindowsServiceStop("s7oiehsx", &iFehler));
    EXPECT_EQ(iFehler, DIENST_FEHLER_NICHT_VORHANDEN);
    EXPECT_EQ(D7ED_GetPidFromSiemensService("s7oiehsx", &iFehler), 0u);
    EXPECT_EQ(iFehler, DIENST_FEHLER_NICHT_VORHANDEN);

    // A simulated service.
    DiensteTabelleSetzen({{"s7oiehsx", DIENST_LAEUFT}});
    EXPECT_TRUE(D7ED_WindowsServiceVorhandenUndGestartet("S7OIEHSX", &bLaeuft, &bNicht, &iFehler));
    EXPECT_TRUE(bLaeuft);
    EXPECT_FALSE(bNicht);
    EXPECT_TRUE(D7ED_WindowsServiceStop("s7oiehsx", &iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_TRUE(D7ED_WindowsServiceVorhandenUndGestartet("s7oiehsx", &bLaeuft, &bNicht, &iFehler));
    EXPECT_FALSE(bLaeuft);
    EXPECT_FALSE(D7ED_WindowsServiceStop("s7oiehsx", &iFehler));
    EXPECT_EQ(iFehler, DIENST_FEHLER_NICHT_AKTIV);
    EXPECT_TRUE(D7ED_WindowsServiceStart("s7oiehsx", &iFehler));
    EXPECT_EQ(D7ED_GetPidFromSiemensService("s7oiehsx", &iFehler), 0u);
    EXPECT_EQ(iFehler, D7ED_FEHLER_DIENST_PID) << "an id that cannot be told is an error, not pid 0";

    // A service that names its process reports it while it runs, and only then.
    DiensteTabelleSetzen({{"s7oiehsx", TTestDienst(DIENST_LAEUFT, 4711)}});
    EXPECT_EQ(D7ED_GetPidFromSiemensService("S7OIEHSX", &iFehler), 4711u);
    EXPECT_EQ(iFehler, 0);
    EXPECT_TRUE(D7ED_WindowsServiceStop("s7oiehsx", &iFehler));
    EXPECT_EQ(D7ED_GetPidFromSiemensService("s7oiehsx", &iFehler), 0u);
    EXPECT_EQ(iFehler, D7ED_FEHLER_DIENST_PID);
    DiensteTabelleLoeschen();

    EXPECT_FALSE(D7ED_WindowsServiceVorhandenUndGestartet(nullptr, &bLaeuft, &bNicht, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_NULLZEIGER);
    EXPECT_FALSE(D7ED_IsTIAPortalStarted());
    EXPECT_EQ(D7ED_IstPelmoraVorhanden(), 0);
}
