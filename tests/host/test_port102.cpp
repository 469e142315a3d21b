// Port 102 held by the Siemens service: the take-over at the first paint and
// the socket set-up's helper stop, direct stop, restart and missing-rights
// paths. Each case runs in a private network namespace, where it may bind
// port 102 whoever runs the tests; a child process of the test stands in for
// the service's process, the service table of the platform for the services.
#include <gtest/gtest.h>

#include <QEvent>

#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HauptForm.h"
#include "IPDaten.h"
#include "ListenSockets.h"
#include "NetzHostHilfe.h"
#include "NetzTestHilfe.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinDienste.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace netztest;

namespace {

// A child process listening on 0.0.0.0:102, as the Siemens service does.
class Halter {
public:
    ~Halter() { Beenden(); }
    pid_t pid = 0;
    bool bStarten()
    {
        int aiRohr[2];
        if (::pipe(aiRohr) != 0)
            return false;
        pid = ::fork();
        if (pid == 0) {
            // Only async-signal-safe calls between fork and _exit.
            const int s = ::socket(AF_INET, SOCK_STREAM, 0);
            const int iEin = 1;
            ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &iEin, sizeof iEin);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_port = htons(102);
            const char c = ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
                                   ::listen(s, 4) == 0
                               ? '1'
                               : '0';
            if (::write(aiRohr[1], &c, 1) != 1 || c != '1')
                ::_exit(1);
            for (;;)
                ::pause();
        }
        ::close(aiRohr[1]);
        char c = 0;
        const bool bOk = pid > 0 && ::read(aiRohr[0], &c, 1) == 1 && c == '1';
        ::close(aiRohr[0]);
        return bOk && D7ED_GetPidFromAllocateProcessOfPort102() == static_cast<uint32_t>(pid);
    }
    void Beenden()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            pid = 0;
        }
    }
};

struct TZaehler {
    int iGestoppt = 0, iGestartet = 0;
};

// The Siemens service run by the holder: stopping it ends the holder. With
// bHelfer the helper service stops and starts it on codes 150 and 151.
void DiensteEinrichten(Halter& h, uint32_t dwDienstPid, bool bHelfer, TZaehler& z)
{
    TTestDienst siemens(DIENST_LAEUFT, dwDienstPid);
    siemens.beimStoppen = [&h, &z] {
        ++z.iGestoppt;
        h.Beenden();
    };
    siemens.beimStarten = [&z] { ++z.iGestartet; };
    std::map<std::string, TTestDienst> tabelle{{"s7oiehsx", siemens}};
    if (bHelfer) {
        TTestDienst helfer;
        helfer.steuercodeAktionen[150] = [] { DienstStoppen("s7oiehsx"); };
        helfer.steuercodeAktionen[151] = [] { DienstStarten("s7oiehsx"); };
        tabelle.emplace("HarlenzService", helfer);
    }
    DiensteTabelleSetzen(tabelle);
}

bool bDienstLaeuft()
{
    uint32_t dw = 0;
    return DienstStatusAbfragen("s7oiehsx", dw) == 0 && dw == DIENST_LAEUFT;
}

using Codes = std::vector<std::pair<std::string, uint32_t>>;

// The texts the status bar's message panel shows, in order, as painted.
class Statusprotokoll : public QObject {
public:
    explicit Statusprotokoll(THauptformular* f) : m_f(f) { f->StatusBarPaintBox->installEventFilter(this); }
    ~Statusprotokoll() override { m_f->StatusBarPaintBox->removeEventFilter(this); }
    std::vector<std::string> Texte;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            const std::string s = m_f->StatusPanels[m_f->iPanelMeldung].cText;
            if (Texte.empty() || Texte.back() != s)
                Texte.push_back(s);
        }
        return false;
    }

private:
    THauptformular* m_f;
};

} // namespace

TEST(Port102, UebernahmeBeimErstenZeichnen)
{
    IM_NETZNAMENSRAUM_AUSFUEHREN("");
    hosttest::Programmumgebung u;
    Halter h;
    ASSERT_TRUE(h.bStarten());
    TZaehler z;
    DiensteEinrichten(h, static_cast<uint32_t>(h.pid), true, z);

    // The first paint has the helper free the port, listens on all
    // interfaces, hands the socket to the engine and has the service back.
    THauptformular* f = hosttest::FensterStarten();
    EXPECT_EQ(Adresse(*pListenSocket(1)), "0.0.0.0:102") << Texte(u);
    EXPECT_EQ(GesendeteSteuercodes(), (Codes{{"HarlenzService", 150}, {"HarlenzService", 151}}));
    EXPECT_TRUE(bDienstLaeuft());
    EXPECT_TRUE(u.Meldungen.empty()) << Texte(u);
    const int iKunde = iVerbinden("127.0.0.1", 102);
    ASSERT_GE(iKunde, 0);
    ::usleep(50000);
    D7ED_BSRoutine();
    EXPECT_FALSE(bWartetNochAufAnnahme(*pListenSocket(1))) << "not handed to the engine";
    ::close(iKunde);
    KommuBeenden(false);

    // Another process than the service holds the port: nobody is stopped,
    // the socket is still tried and its failure shown.
    ASSERT_TRUE(h.bStarten());
    DiensteEinrichten(h, 4711, true, z);
    EXPECT_TRUE(bPort102Uebernehmen());
    EXPECT_TRUE(GesendeteSteuercodes().empty());
    EXPECT_EQ(*pListenSocket(1), UNGUELTIGER_SOCKET);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, "Error allocating 0.0.0.0 Port 102");
    EXPECT_EQ(u.Meldungen[0].sTitel, "Veltrano");
    hosttest::FensterBeenden(f);
    DiensteTabelleLoeschen();
}

TEST(Port102, SocketsAnlegenMitDienstAufPort102)
{
    IM_NETZNAMENSRAUM_AUSFUEHREN("");
    hosttest::Programmumgebung u;
    // The window shows the progress texts.
    THauptformular* f = hosttest::FensterStarten();
    const fs::path pfProjekt = u.pfOrdner / "Projects" / "P102";
    fs::create_directories(pfProjekt);
    const std::string sDatei = (pfProjekt / "IPADR.DAT").string();
    IPDateiSchreiben(sDatei, {"127.0.0.1", 102, 1102, "", 0, 0});
    ASSERT_TRUE(D7ED_Port102TimeDaten_InRegistryAbspeichern(0, 0, nullptr));
    // Port free, no service: the sockets are made directly.
    ASSERT_TRUE(bIPDatenAnmelden(sDatei));
    EXPECT_EQ(Adresse(*pListenSocket(1)), "127.0.0.1:102") << Texte(u);
    EXPECT_EQ(Adresse(*pListenSocket(2)), "127.0.0.1:1102");

    Halter h;
    TZaehler z;
    const auto Neu = [&](uint32_t dwPid, bool bHelfer) {
        KommuBeenden(false);
        u.Meldungen.clear();
        z = {};
        EXPECT_TRUE(h.bStarten());
        DiensteEinrichten(h, dwPid ? dwPid : static_cast<uint32_t>(h.pid), bHelfer, z);
    };

    // The helper service stops and restarts the service around the set-up.
    Neu(0, true);
    {
        Statusprotokoll protokoll(f);
        EXPECT_EQ(ListenSocketsAnlegen(true), 0);
        const std::vector<std::string> erwartet{"HARLENZ-Service: stop port 102 service...",
                                                "HARLENZ-Service: Waiting releasing port 102 ...",
                                                "",
                                                "HARLENZ-Service: starting port 102 service ...",
                                                "HARLENZ-Service: port 102 service was started...",
                                                ""};
        EXPECT_EQ(protokoll.Texte, erwartet);
    }
    EXPECT_EQ(Adresse(*pListenSocket(1)), "127.0.0.1:102") << Texte(u);
    EXPECT_EQ(GesendeteSteuercodes(), (Codes{{"HarlenzService", 150}, {"HarlenzService", 151}}));
    EXPECT_TRUE(bDienstLaeuft());

    // No helper, an administrator: the service is stopped and started directly.
    Neu(0, false);
    IsUserAdminTestAntwortSetzen(1);
    EXPECT_EQ(ListenSocketsAnlegen(true), 0);
    EXPECT_EQ(Adresse(*pListenSocket(1)), "127.0.0.1:102") << Texte(u);
    EXPECT_EQ(z.iGestoppt, 1);
    EXPECT_EQ(z.iGestartet, 1);
    EXPECT_TRUE(u.Meldungen.empty()) << Texte(u);

    // No helper, no administrator: port 102 is left out, the others made,
    // the service still stopped and started again.
    Neu(0, false);
    IsUserAdminTestAntwortSetzen(0);
    EXPECT_EQ(ListenSocketsAnlegen(true), 108);
    EXPECT_EQ(*pListenSocket(1), UNGUELTIGER_SOCKET);
    EXPECT_EQ(Adresse(*pListenSocket(2)), "127.0.0.1:1102");
    ASSERT_EQ(u.Meldungen.size(), 1u) << Texte(u);
    EXPECT_EQ(u.Meldungen[0].sText, "Fehler beim Stoppen des Services");
    EXPECT_EQ(u.Meldungen[0].sTitel, "Veltrano");
    EXPECT_EQ(z.iGestoppt, 1);
    EXPECT_TRUE(bDienstLaeuft());
    IsUserAdminTestAntwortSetzen(-1);

    // Held by another process: nothing stopped, the bind fails with its box.
    Neu(4711, true);
    EXPECT_EQ(ListenSocketsAnlegen(true), 104);
    EXPECT_EQ(z.iGestoppt, 0);
    EXPECT_TRUE(GesendeteSteuercodes().empty());
    EXPECT_EQ(Adresse(*pListenSocket(2)), "127.0.0.1:1102");
    ASSERT_EQ(u.Meldungen.size(), 1u) << Texte(u);
    EXPECT_EQ(u.Meldungen[0].sText, "Socket konnte nicht angelegt werden. IP=127.0.0.1, Port=102");
    h.Beenden();
    DiensteTabelleLoeschen();

    // Without the right to bind low ports the box names the cause.
    KommuBeenden(false);
    u.Meldungen.clear();
    ASSERT_TRUE(bPortRechtSetzen(false));
    const int iErgebnis = ListenSocketsAnlegen(true);
    ASSERT_TRUE(bPortRechtSetzen(true));
    EXPECT_EQ(iErgebnis, 104);
    ASSERT_EQ(u.Meldungen.size(), 1u) << Texte(u);
    EXPECT_EQ(u.Meldungen[0].sText,
              "Socket konnte nicht angelegt werden. IP=127.0.0.1, Port=102\n" +
                  PoolTextFormat(6100, "%u%u", uErsterFreierPort(), 102u));
    EXPECT_NE(u.Meldungen[0].sText.find(" " + std::to_string(uErsterFreierPort()) + " ("),
              std::string::npos)
        << "names the system's first free port";
    EXPECT_EQ(Adresse(*pListenSocket(2)), "127.0.0.1:1102");
    hosttest::FensterBeenden(f);
}
