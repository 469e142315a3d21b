// Start-up of the presets program: command line, position, language, the
// port-102 handling at start; the version class, the example access data,
// the waits of the service start and of the progress window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Beschriftungen.h"
#include "DlgFortschrittu.h"
#include "DlgSim.h"
#include "Namensraum.h"
#include "NetzDienste.h"
#include "Netzplan.h"
#include "NetzplanDienste.h"
#include "NetzplanTestHilfe.h"
#include "WinDienste.h"
#include "WinZeit.h"

using namespace netzplantest;

namespace {

const char* const FALSCHER_AUFRUF =
    "Die Anwendung wird nicht korrekt aufgerufen!\nThe calling-parameters of the application are not correct!";

QPoint BildschirmMitte(const QWidget* p)
{
    const QSize s = QGuiApplication::primaryScreen()->size();
    return QPoint(s.width() / 2 - p->width() / 2, s.height() / 2 - p->height() / 2);
}

} // namespace

TEST(NetzplanStart, KommandozeileLage)
{
    Umgebung u;
    struct Fall {
        std::vector<std::string> args;
        bool bAmAufrufer;
        QPoint lage;
    };
    const std::string p = "/opt/V/__system/Netzplanung/Netzplan";
    const Fall faelle[] = {
        // Width and height missing: 0, so the screen's centre.
        {{p, "4711", "100", "50"}, false, {}},
        // Exactly the dialog's size: centred on the caller.
        {{p, "4711", "100", "50", "633", "674"}, true, {100, 50}},
        {{p, "4711", "-300", "7", "1001", "875"}, true, {-300 + 500 - 316, 7 + 437 - 337}},
        // One pixel narrower or lower: the screen's centre.
        {{p, "4711", "100", "50", "632", "674"}, false, {}},
        {{p, "4711", "100", "50", "633", "673"}, false, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.args.size() > 4 ? f.args[4] : "no width");
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(f.args));
        EXPECT_FALSE(bFalscherAufruf);
        EXPECT_EQ(d->size(), QSize(633, 674));
        EXPECT_EQ(d->pos(), f.bAmAufrufer ? f.lage : BildschirmMitte(d.get()));
        EXPECT_EQ(KommuID, 4711u);
        EXPECT_EQ(d->D7EDKommuIDLabel->text(), "4711");
        EXPECT_FALSE(d->D7EDKommuIDLabel->isEnabled());
        EXPECT_EQ(cProgrammOrdner, "/opt/V/__system/Netzplanung/");
    }
    EXPECT_TRUE(u.Meldungen.empty() || u.Meldungen.front().sText != FALSCHER_AUFRUF);
}

// Started by Veltrano, the program speaks Veltrano's text language (German
// for German, English for every other), Qt's own texts (a text field's
// context menu) included.
TEST(NetzplanStart, SpracheUndZahlen)
{
    Umgebung u;
    for (const auto& [uTextSprache, bEnglisch] : {std::pair<unsigned, bool>{2, true}, {1, false},
                                                  {3, true}, {1, false}}) {
        SCOPED_TRACE(uTextSprache);
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uTextSprache)));
        EXPECT_EQ(wSprache, bEnglisch ? 2 : 1);
        EXPECT_EQ(d->ButtonAbbruch->text(), bEnglisch ? "Cancel" : "Abbruch");
        EXPECT_EQ(d->HilfeButton->text(), bEnglisch ? "Help" : "Hilfe");
        const std::unique_ptr<QMenu> menue(d->S7PortEdit->createStandardContextMenu());
        ASSERT_FALSE(menue->actions().isEmpty());
        EXPECT_EQ(menue->actions().front()->text().toStdString(), bEnglisch ? "&Undo\tCtrl+Z" : "&R\u00fcckg\u00e4ngig\tStrg+Z");
    }
    // A language word given by hand: only 2 is English, 1 and any other
    // value German; without one the word stays.
    for (const auto& [sWort, uErwartet] : {std::pair<std::string, unsigned>{"3", 1}, {"2x", 2}, {"1", 1}}) {
        ASSERT_TRUE(KommandozeileAuswerten({"/a/N", "4711", "1", "2", "3", "4", sWort}));
        EXPECT_EQ(wSprache, uErwartet) << sWort;
    }
    ASSERT_TRUE(KommandozeileAuswerten({"/a/N", "4711", "1", "2", "3", "4"}));
    EXPECT_EQ(wSprache, 1u);
    // Numbers from their leading digits; the identifier keeps all 32 bits.
    EXPECT_EQ(iZahlAusText("  -12abc"), -12);
    EXPECT_EQ(iZahlAusText("abc"), 0);
    EXPECT_EQ(iZahlAusText(""), 0);
    ASSERT_TRUE(KommandozeileAuswerten({"/a/N", "4294967295", "1", "2", "3", "4"}));
    EXPECT_EQ(KommuID, 4294967295u);
    EXPECT_EQ(iAufruferHeight, 4);
}

TEST(NetzplanStart, FalscherAufrufSchliesstSichSelbst)
{
    Umgebung u;
    const std::string sLang(1000, '7');
    for (const auto& args : {std::vector<std::string>{"/a/Netzplan"},
                             std::vector<std::string>{"/a/Netzplan", "1", "2"},
                             std::vector<std::string>{"/a/Netzplan", sLang, "2", "3", "4", "5"}}) {
        SCOPED_TRACE(args.size());
        bFalscherAufruf = false;
        u.Meldungen.clear();
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(args));
        EXPECT_TRUE(bFalscherAufruf);
        ASSERT_EQ(u.Meldungen.size(), 1u) << testing::PrintToString(u.MeldungsTexte());
        EXPECT_EQ(u.Meldungen[0].sText, FALSCHER_AUFRUF);
        EXPECT_EQ(u.Meldungen[0].sTitel, cProgrammTitel);
        EXPECT_EQ(u.Meldungen[0].uTyp, MB_OK | MB_ICONERROR | MB_TOPMOST);
        // FormCreate did nothing: the status line was never set.
        EXPECT_TRUE(GezeigteStatusTexte().empty());
        bool bBeendet = false;
        QObject::connect(d.get(), &TDialogSimVoreinstellung::Beendet, [&] { bBeendet = true; });
        d->show();
        for (int i = 0; i < 100 && !bBeendet; ++i)
            Warte(10);
        EXPECT_TRUE(bBeendet) << "the first paint closes the window";
    }
}

// Free at start: the status line says so in the call's language, and nothing of a service that would need stopping.
TEST(NetzplanStart, Port102FreiBeimStart)
{
    if (Port102OwnerPid() != 0)
        GTEST_SKIP() << "port 102 is taken on this machine";
    for (const auto& [uSprache, pcFrei] : {std::pair{1u, "Port 102 ist frei!"}, {2u, "Port 102 is free!"}}) {
        SCOPED_TRACE(uSprache);
        Umgebung u;
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uSprache)));
        const auto texte = GezeigteStatusTexte();
        ASSERT_GE(texte.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(texte.begin(), texte.begin() + 2), (std::vector<std::string>{"", pcFrei}));
        for (const std::string& t : texte) EXPECT_EQ(t.find("ervice"), std::string::npos) << t;
        EXPECT_FALSE(d->bDienstGestoppt);
        d->ButtonAbbruchClick();
        EXPECT_TRUE(GesendeteSteuercodes().empty()) << "nothing to restart";
    }
}

// Port 102 held by a socket of this process, in a namespace of its own:
// by a plain process, and by the PLC help service of the table whose helper
// stops it, fails, or is missing.
TEST(NetzplanStart, Port102BelegtBeimStart)
{
    IM_NAMENSRAUM_AUSFUEHREN();
    int iFd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(102);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(iFd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0) << "bind 102 in the namespace";
    ASSERT_EQ(listen(iFd, 1), 0);
    ASSERT_EQ(Port102OwnerPid(), uint32_t(getpid()));

    const std::string belegt = "Port 102 ist von einem anderen Prozess belegt!";
    struct Fall {
        const char* pcName;
        bool bDienst;            // the PLC help service holds it
        int iHelfer;             // 0 missing, 1 running, 2 stopped
        std::vector<std::string> texte;
        bool bGestoppt;
    };
    const Fall faelle[] = {
        {"anderer Prozess", false, 1, {"", belegt}, false},
        {"Helfer stoppt", true, 1, {"", belegt, "S-service was stopped!"}, true},
        {"Helfer scheitert", true, 2, {"", belegt, "Error while stopping S-service!"}, false},
        {"Helfer fehlt", true, 0,
         {"", belegt, "Error while stopping S-service!", "HARLENZ-Service is not present on the machine!"},
         false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pcName);
        Umgebung u;
        std::map<std::string, TTestDienst> tabelle;
        tabelle.emplace("s7oiehsx", TTestDienst(DIENST_LAEUFT, f.bDienst ? uint32_t(getpid()) : 99999u));
        if (f.iHelfer)
            tabelle.emplace("HarlenzService", TTestDienst(f.iHelfer == 1 ? DIENST_LAEUFT : DIENST_GESTOPPT));
        DiensteTabelleSetzen(tabelle);
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
        const auto texte = GezeigteStatusTexte();
        ASSERT_GE(texte.size(), f.texte.size());
        EXPECT_EQ(std::vector<std::string>(texte.begin(), texte.begin() + f.texte.size()), f.texte);
        EXPECT_EQ(d->bDienstGestoppt, f.bGestoppt);
        // Cancel gives the port back to the service the helper stopped.
        d->ButtonAbbruchClick();
        const auto codes = GesendeteSteuercodes();
        if (f.bGestoppt) {
            ASSERT_EQ(codes.size(), 2u);
            EXPECT_EQ(codes[0].second, 150u);
            EXPECT_EQ(codes[1].second, 151u);
            EXPECT_FALSE(d->bDienstGestoppt);
        } else {
            for (const auto& c : codes)
                EXPECT_NE(c.second, 151u);
        }
    }
    close(iFd);
}

TEST(NetzplanDienste, VersionsKlassenTabelle)
{
    struct Zeile {
        uint32_t dwPlattform, dwMajor, dwMinor;
        const char* pcSp;
        int iKlasse;
    };
    const Zeile tabelle[] = {
        {VER_PLATFORM_WIN32s, 3, 1, "", 1},      {VER_PLATFORM_WIN32_WINDOWS, 4, 0, "", 2},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, " C", 3}, {VER_PLATFORM_WIN32_WINDOWS, 4, 10, "", 4},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, " A", 5}, {VER_PLATFORM_WIN32_WINDOWS, 4, 90, "", 6},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 11, "", 0}, {VER_PLATFORM_WIN32_NT, 4, 0, "", 7},
        {VER_PLATFORM_WIN32_NT, 3, 51, "", 7},   {VER_PLATFORM_WIN32_NT, 5, 0, "", 8},
        {VER_PLATFORM_WIN32_NT, 5, 1, "", 9},    {VER_PLATFORM_WIN32_NT, 5, 2, "", 0},
        {VER_PLATFORM_WIN32_NT, 6, 0, "", 10},   {VER_PLATFORM_WIN32_NT, 6, 3, "", 10},
        {VER_PLATFORM_WIN32_NT, 6, 1, "", 11},   {VER_PLATFORM_WIN32_NT, 6, 2, "", 12},
        {VER_PLATFORM_WIN32_NT, 10, 0, "", 0},   {3, 6, 2, "", 0},
    };
    for (const Zeile& z : tabelle) {
        TWindowsVersion v;
        v.dwPlattform = z.dwPlattform;
        v.dwMajor = z.dwMajor;
        v.dwMinor = z.dwMinor;
        v.sServicePack = z.pcSp;
        EXPECT_EQ(VersionsKlasse(v), z.iKlasse) << z.dwPlattform << " " << z.dwMajor << "." << z.dwMinor;
    }
    // This PC reports what the newest Windows reports: past XP.
    EXPECT_EQ(WindowsVersionClass(), 12);
}

TEST(NetzplanDienste, BeispielZugriff)
{
    struct Fall {
        uint16_t p1, p2, p3, p4;
        bool bOk;
        const char* pcIP;
        uint16_t wPort;
    };
    const Fall faelle[] = {
        {7777, 102, 8000, 0, true, "10.0.0.1", 102},   {0, 7777, 102, 0, true, "10.0.0.2", 102},
        {8000, 7777, 0, 9000, true, "10.0.0.1", 8000}, {0, 7777, 0, 9000, true, "10.0.0.1", 7777},
        {0, 0, 0, 9000, true, "10.0.0.2", 9000},       {0, 0, 0, 0, false, "", 0},
    };
    for (const Fall& f : faelle) {
        std::string sA = "x", sB = "y";
        uint16_t w = 1;
        EXPECT_EQ(ComputeExampleAccess("10.0.0.1", "10.0.0.2", f.p1, f.p2, f.p3, f.p4, sA, w, sB), f.bOk);
        EXPECT_EQ(sA, f.pcIP);
        EXPECT_EQ(sB, f.pcIP);
        EXPECT_EQ(w, f.wPort);
    }
    // The chosen pair's address must be usable.
    for (const char* pcIP : {"", "10.0.0", "abc"}) {
        std::string sA = "x", sB = "y";
        uint16_t w = 1;
        EXPECT_FALSE(ComputeExampleAccess(pcIP, "10.0.0.2", 102, 0, 0, 0, sA, w, sB)) << pcIP;
        EXPECT_EQ(sA + sB, "");
        EXPECT_EQ(w, 0);
    }
    // The any-address shows the adapter's address, or the local host
    // without an adapter (no dialog: no adapter instance).
    std::string sA, sB;
    uint16_t w = 0;
    ASSERT_TRUE(ComputeExampleAccess("0.0.0.0", "", 102, 0, 0, 0, sA, w, sB));
    EXPECT_EQ(sA, "127.0.0.1");
    Umgebung u;
    std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf()));
    ASSERT_TRUE(MPI_V2_ResetIPAdresseNetzwerkkartePC(d->iMPIHandles[0]));
    ASSERT_TRUE(ComputeExampleAccess("0.0.0.0", "", 0, 7777, 0, 0, sA, w, sB));
    EXPECT_EQ(sA, "127.0.0.1");
    char acName[355], acBeschr[355], acIP[355];
    if (MPI_V2_MAC_GetErstenNetAdapterImPCMitGueltigerIP(d->iMPIHandles[0], acName, acBeschr, acIP)) {
        ASSERT_TRUE(MPI_V2_SetIPAdresseNetzwerkkartePC(d->iMPIHandles[0], acIP));
        ASSERT_TRUE(ComputeExampleAccess("0.0.0.0", "", 0, 7777, 0, 0, sA, w, sB));
        EXPECT_EQ(sA, acIP);
        EXPECT_EQ(sB, acIP);
    }
}

TEST(NetzplanDienste, DienstStartWartetNachDerTestuhr)
{
    Umgebung u;
    TestSchlafUeberUhr(true);
    auto dienst = [](std::vector<TDienstSchritt> schritte) {
        TTestDienst t(DIENST_GESTOPPT);
        t.startSchritte = std::move(schritte);
        DiensteTabelleSetzen({{"s7oiehsx", t}});
    };
    uint32_t dwFehler = 1;
    // Progress at every query, then running: one wait per query, each held
    // to at least 1000 ms.
    dienst({{DIENST_STARTET, 1, 3000}, {DIENST_STARTET, 2, 3000}, {DIENST_LAEUFT, 0, 0}});
    TestUhrSetzen(0);
    EXPECT_TRUE(StartServiceAndWait("s7oiehsx", dwFehler));
    EXPECT_EQ(dwFehler, 0u);
    EXPECT_EQ(GetTickCount(), 2000u);
    // Stuck on one check point: gives up once more than the wait hint has
    // passed since the last progress.
    dienst({{DIENST_STARTET, 1, 5000}});
    TestUhrSetzen(0);
    EXPECT_FALSE(StartServiceAndWait("s7oiehsx", dwFehler));
    EXPECT_EQ(GetTickCount(), 6000u);
    dienst({{DIENST_STARTET, 1, 5000}, {DIENST_STARTET, 2, 5000}, {DIENST_STARTET, 2, 5000}});
    TestUhrSetzen(0);
    EXPECT_FALSE(StartServiceAndWait("s7oiehsx", dwFehler));
    EXPECT_EQ(GetTickCount(), 7000u) << "the clock restarts at the progress";
    // A long hint: waits of a tenth, at most 10 s each.
    dienst({{DIENST_STARTET, 1, 200000}});
    TestUhrSetzen(0);
    EXPECT_FALSE(StartServiceAndWait("s7oiehsx", dwFehler));
    EXPECT_EQ(GetTickCount(), 210000u);
    // Already running: the start call fails with its error.
    DiensteTabelleSetzen({{"s7oiehsx", TTestDienst(DIENST_LAEUFT)}});
    EXPECT_FALSE(StartServiceAndWait("s7oiehsx", dwFehler));
    EXPECT_EQ(dwFehler, uint32_t(DIENST_FEHLER_LAEUFT_SCHON));
    // Not installed.
    EXPECT_FALSE(StartServiceAndWait("gibtsnicht", dwFehler));
    EXPECT_EQ(dwFehler, uint32_t(DIENST_FEHLER_NICHT_VORHANDEN));
}

TEST(NetzplanDienste, Fortschrittsfenster)
{
    Umgebung u;
    TestSchlafUeberUhr(true);
    // steps + 1 passes of 100 ms; below 100 ms still 2 steps.
    for (const auto& [dwMs, dwSchritte] : {std::pair<uint32_t, uint32_t>{50, 2}, {0, 2}, {4000, 40}, {4099, 40}}) {
        EXPECT_EQ(FortschrittSchritte(dwMs), dwSchritte);
        TestUhrSetzen(0);
        FortschrittWarten(nullptr, "Waiting releasing port 102 ...", dwMs);
        EXPECT_EQ(GetTickCount(), (dwSchritte + 1) * 100) << dwMs;
    }
    // The window: caption, empty text line, bar to the step count.
    std::unique_ptr<TDlgFortschritt> d(CreateProgressDialog(nullptr, "Starting port 102 service ...", 2, nullptr));
    EXPECT_EQ(d->windowTitle(), "Starting port 102 service ...");
    EXPECT_EQ(d->Label1->text(), "");
    EXPECT_TRUE(d->Label1->font().bold());
    EXPECT_FALSE(d->ButtonAbbruch->isVisibleTo(d.get()));
    d->show();
    for (int i = 0; i <= 2; ++i)
        d->SetPosition(i);
    EXPECT_EQ(d->ProgressBar->value(), d->ProgressBar->maximum()) << "the bar ends full";
    Warte(100);
    EXPECT_TRUE(d->isVisible()) << "without a job painting never closes it";
    EXPECT_FALSE(d->bErstesZeichnen());
    Bildschirmfoto(d.get(), "netzplan_fortschritt_de.png");
    Bildschirmfoto(d.get(), "netzplan_fortschritt_en.png");

    // A job runs once at the first paint and closes with OK.
    static int s_iLaeufe = 0;
    static int s_iArgument = 0;
    s_iLaeufe = 0;
    std::unique_ptr<TDlgFortschritt> j(CreateProgressDialog(
        nullptr, "Job", 3, [](QWidget*, TDlgFortschritt*, int iArg) { ++s_iLaeufe; s_iArgument = iArg; }));
    EXPECT_EQ(j->exec(), IDOK);
    EXPECT_EQ(s_iLaeufe, 1);
    EXPECT_EQ(s_iArgument, -1);
}

TEST(NetzplanStart, HilfeUndBildschirmfotos)
{
    Umgebung u;
    for (const unsigned uSprache : {1u, 2u}) {
        const std::string sSprache = uSprache == 1 ? "de" : "en";
        std::unique_ptr<TDialogSimVoreinstellung> d(DialogStarten(Aufruf(uSprache)));
        EXPECT_EQ(d->windowTitle(), cProgrammTitel);
        d->show();
        Warte(50);
        Bildschirmfoto(d.get(), "netzplan_" + sSprache + ".png");
        EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(d.get()), std::vector<std::string>{}) << sSprache;
        d->TcpExpertCheckBox->click();
        Warte(50);
        Bildschirmfoto(d.get(), "netzplan_experte_" + sSprache + ".png");
        EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(d.get()), std::vector<std::string>{}) << sSprache;
    }
    // The help page of the program's folder, in the viewer of the program
    // folder two levels up.
    cProgrammOrdner = "/opt/V/__system/Netzplanung/";
    EXPECT_EQ(HilfeKommandozeile("Dialog_Software_SPS_einstellen_E.htm", 12, -3),
              "/opt/V/harlenzhelp /X=12 /Y=-3 /W=500 /H=800 /Lang=DE /App=Quendra V4# "
              "/Show=/opt/V/__system/Netzplanung/HtmHelpFiles/Dialog_Software_SPS_einstellen_E.htm");
    for (const char* pcSeite : {"Dialog_Software_SPS_einstellen.htm", "Dialog_Software_SPS_einstellen_E.htm"})
        EXPECT_TRUE(std::filesystem::exists(testhilfe::Programmordner() / "__system/Netzplanung/HtmHelpFiles" / pcSeite))
            << pcSeite;
}
