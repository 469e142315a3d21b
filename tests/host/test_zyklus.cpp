// The cycle step, the pacing thread and the RUN/EDITOR switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include "HauptForm.h"
#include "HostTestHilfe.h"
#include "MyObj.h"
#include "Programm.h"
#include "Thread_EA.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

using namespace hosttest;

namespace {

void EngineStarten()
{
    int iFehler = 0;
    ASSERT_TRUE(D7ED_Start(100, &iFehler));
    ASSERT_EQ(D7ED_GetCPUZustand(&iFehler), 2);
}

void EngineStoppen()
{
    int iFehler = 0;
    D7ED_Stop(&iFehler);
}

class Zyklus : public ::testing::Test {
protected:
    void SetUp() override
    {
        u = std::make_unique<Programmumgebung>();
        f = FensterStarten(false);
        MaskeFile = (u->pfOrdner / "Projects/Test.maske_ini").string();
    }
    void TearDown() override
    {
        TestUhrFreigeben();
        MaskeFile.clear();
        if (f) {
            f->bEditorModus = true;
            FensterBeenden(f);
        }
        EngineStoppen();
        RavoDAVInterval = 5;
        u.reset();
    }
    std::unique_ptr<Programmumgebung> u;
    THauptformular* f = nullptr;
};

} // namespace

TEST_F(Zyklus, EditorStepptDieEngineNicht)
{
    EngineStarten();
    TestUhrSetzen(100000);
    const uint16_t wVorher = D7ED_wGetZyklusUmlaufzaehler();
    const uint16_t wSchritte = f->wSchrittZaehler;
    for (int i = 0; i < 50; ++i) {
        f->SPSZyklusSchritt();
        TestUhrVorstellen(10);
    }
    EXPECT_EQ(D7ED_wGetZyklusUmlaufzaehler(), wVorher);
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "-");
    EXPECT_EQ(static_cast<uint16_t>(f->wSchrittZaehler - wSchritte), 50) << "steps count in EDITOR too";
    EXPECT_EQ(f->iZykluszeit, 10);
}

TEST_F(Zyklus, RunStepptDieEngineFruehestensNach5ms)
{
    EngineStarten();
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, u->Text(1339).c_str());
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "x ms");
    EXPECT_STREQ(f->StatusPanels[f->iPanelWerkzeug].cText, "-");

    // A fresh window on a frozen clock: the first step only sets the stamps.
    delete f->pEAThread;
    f->pEAThread = nullptr;
    f->dwLetzterEngineSchritt = 0;
    f->dwEndeLetzterSchritt = 0;
    f->dwLetzteAnzeige = 0;
    TestUhrSetzen(200000);
    uint16_t wEngine = D7ED_wGetZyklusUmlaufzaehler();
    f->SPSZyklusSchritt();
    EXPECT_EQ(D7ED_wGetZyklusUmlaufzaehler(), wEngine) << "first step: stamps only";
    EXPECT_EQ(f->dwLetzterEngineSchritt, 200000u);

    // Steps 1 ms apart: the engine runs on the step more than 5 ms after
    // its last run, i.e. every sixth millisecond.
    std::vector<int> Laeufe;
    for (int ms = 1; ms <= 30; ++ms) {
        TestUhrVorstellen(1);
        const uint16_t w = D7ED_wGetZyklusUmlaufzaehler();
        f->SPSZyklusSchritt();
        if (D7ED_wGetZyklusUmlaufzaehler() != w) Laeufe.push_back(ms);
    }
    EXPECT_EQ(Laeufe, (std::vector<int>{6, 12, 18, 24, 30}));
    EXPECT_EQ(f->iZykluszeit, 1);

    // The cycle time is shown at most every 500 ms.
    TestUhrVorstellen(600);
    f->SPSZyklusSchritt();
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "600  ms");
    TestUhrVorstellen(3);
    f->SPSZyklusSchritt();
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "600  ms");
    TestUhrVorstellen(498);
    f->SPSZyklusSchritt();
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "498  ms");
}

TEST_F(Zyklus, MitIntervall2LaeuftDieEngineHoechstensAlle5ms)
{
    EngineStarten();
    RavoDAVInterval = 2;
    ASSERT_TRUE(WarteBis([this] { return f->pEAThread != nullptr && dwStartZeitpunkt != 0; }, 10000));
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);

    const uint16_t wEngine = D7ED_wGetZyklusUmlaufzaehler();
    const unsigned uiSchritte = f->pEAThread->uiSchritte;
    QElapsedTimer Uhr;
    Uhr.start();
    Warte(1000);
    const qint64 iMs = Uhr.elapsed();
    const int iEngine = static_cast<uint16_t>(D7ED_wGetZyklusUmlaufzaehler() - wEngine);
    const int iSchritte = static_cast<int>(f->pEAThread->uiSchritte - uiSchritte);
    EXPECT_LE(iEngine * 5, iMs + 5) << "engine cycles " << iEngine << " in " << iMs << " ms";
    EXPECT_GT(iEngine, 20) << "the engine is stepped in RUN";
    EXPECT_GT(iSchritte, iEngine) << "steps every 2 ms, engine only every > 5 ms";
}

// The settings dialog changes the interval on the graphical thread while the
// pacing thread sleeps by it: the running thread takes the new value at its
// next sleep, without being restarted.
TEST_F(Zyklus, NeuesIntervallGiltImLaufendenThread)
{
    RavoDAVInterval = 200;
    ASSERT_TRUE(WarteBis([this] { return f->pEAThread != nullptr; }, 10000));
    EAThread* pThread = f->pEAThread;
    Warte(250);
    unsigned uiVorher = pThread->uiSchritte;
    Warte(450);
    EXPECT_LE(pThread->uiSchritte - uiVorher, 4u) << "one step in 200 ms";

    RavoDAVInterval = 2;
    Warte(250);   // the sleep by 200 ms still running ends meanwhile
    uiVorher = pThread->uiSchritte;
    Warte(400);
    EXPECT_GT(pThread->uiSchritte - uiVorher, 20u) << "a step every 2 ms plus the step's time";
    EXPECT_EQ(f->pEAThread, pThread);

    RavoDAVInterval = 200;
    Warte(250);
    uiVorher = pThread->uiSchritte;
    Warte(450);
    EXPECT_LE(pThread->uiSchritte - uiVorher, 4u);
}

TEST_F(Zyklus, UmschaltenOhneMaskeFordertErstesSpeichern)
{
    MaskeFile.clear();
    f->StatusTextSetzen(f->iPanelMeldung, "Maske gespeichert");
    f->aMaske_RUN_EDITORExecute();
    EXPECT_TRUE(f->bEditorModus);
    ASSERT_EQ(u->Meldungen.size(), 1u);
    EXPECT_EQ(u->Meldungen[0].sText, u->Text(6860));
    EXPECT_EQ(u->Meldungen[0].uTyp & 0xF0u, MB_ICONINFORMATION);
    EXPECT_STREQ(f->StatusPanels[f->iPanelMeldung].cText, "") << "the message field is emptied";
    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, u->Text(1338).c_str());
}

TEST_F(Zyklus, RunSperrtDieBearbeitungUndEditorGibtSieFrei)
{
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    // In RUN the panel's design cannot be changed from the menus.
    const std::vector<QAction*> Aktionen = BearbeitungsAktionen(f);
    ASSERT_GT(Aktionen.size(), 20u);
    for (QAction* a : Aktionen)
        EXPECT_EQ(a->isEnabled(), bAuchInRUN(f, a)) << a->objectName().toStdString();
    EXPECT_TRUE(f->aBearbeiten_MarkierenNext->isEnabled());
    EXPECT_TRUE(f->aHilfe_Hilfe->isEnabled());

    f->aMaske_RUN_EDITORExecute();
    ASSERT_TRUE(f->bEditorModus);
    // (A hidden action never counts as enabled.)
    for (QAction* a : Aktionen) {
        if (a->isVisible()) {
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        }
    }
    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, u->Text(1338).c_str());
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "-");
    EXPECT_TRUE(u->Meldungen.empty());
}

TEST_F(Zyklus, ErsterTickInRunSetztGrundstellung)
{
    f->Timer1->stop();
    QPointer<TMyObj> p = new TMyObj(f->Arbeitsflaeche, LED, 10, 60, 20, 20);
    p->Op = 'E';
    p->Adr = 3;
    p->Bit = 2;
    p->Grundstellung = true;
    f->Objekte[0] = p;
    f->iAnzahlObjekte = 1;
    uint8_t* pEingaenge = D7ED_GetPeriEPtr();
    pEingaenge[3] = 0;

    f->Timer1Timer();
    EXPECT_EQ(pEingaenge[3], 0) << "no basic position in EDITOR";
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    f->Timer1Timer();
    EXPECT_EQ(pEingaenge[3], 1 << 2) << "first tick in RUN";
    pEingaenge[3] = 0;
    f->Timer1Timer();
    EXPECT_EQ(pEingaenge[3], 0) << "only the first tick after EDITOR";

    f->aMaske_RUN_EDITORExecute();
    f->Objekte[0] = nullptr;
    f->iAnzahlObjekte = 0;
    delete p.data();
}

TEST_F(Zyklus, StoppWaehrendEinSchrittWartetVerklemmtNicht)
{
    RavoDAVInterval = 2;
    ASSERT_TRUE(WarteBis([this] { return f->pEAThread != nullptr; }, 10000));
    // The graphical thread handles nothing for a while, so the pacing
    // thread sits in its hand-over waiting for it.
    QThread::msleep(40);
    const uint16_t wSchritte = f->wSchrittZaehler;
    QElapsedTimer Uhr;
    Uhr.start();
    EXPECT_TRUE(f->EAThreadStoppen()) << "the thread is no longer busy after the grace period";
    f->EAThreadLoeschen();
    EXPECT_LT(Uhr.elapsed(), 2000);
    EXPECT_EQ(f->pEAThread, nullptr);
    EXPECT_EQ(f->wSchrittZaehler, wSchritte) << "the step queued before the stop is dropped";
}

TEST_F(Zyklus, SchliessenMitLaufendemThreadInRunUndEditor)
{
    RavoDAVInterval = 2;
    ASSERT_TRUE(WarteBis([this] { return f->pEAThread != nullptr; }, 10000));
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    f->close();
    EXPECT_TRUE(f->isVisible());
    ASSERT_TRUE(WarteBis([this] { return !f->isVisible(); }, 5000)) << "RUN: closed by the timer";
    EXPECT_TRUE(f->bEditorModus);
    EXPECT_EQ(f->pEAThread, nullptr);
    delete f;

    f = FensterStarten();
    ASSERT_NE(f->pEAThread, nullptr);
    QElapsedTimer Uhr;
    Uhr.start();
    EXPECT_TRUE(f->close()) << "EDITOR: closed at once";
    EXPECT_LT(Uhr.elapsed(), 2000);
    EXPECT_EQ(f->pEAThread, nullptr);
    delete f;
    f = nullptr;
}
