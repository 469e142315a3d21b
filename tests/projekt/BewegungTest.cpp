// Motion profiles at run time, on the real main window, real objects and the
// real engine memory; the test steps the cycle itself.
#include <gtest/gtest.h>

#include <QToolBar>

#include <cstring>

#include "Bewegungsprofil.h"
#include "HauptForm.h"
#include "MyObj.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "kolv_d7ed.h"

using namespace projekttest;

namespace {

struct Bewegung : ::testing::Test {
    Umgebung u;
    THauptformular* f = nullptr;
    uint8_t* pA = nullptr;
    uint8_t* pE = nullptr;

    void SetUp() override
    {
        f = FensterOhneStart();
        f->resize(700, 500);
        f->show();
        MaskeFile = (u.pfProjekte / "Band.maske_ini").string();
        pA = D7ED_GetPeriAPtr();
        pE = D7ED_GetPeriEPtr();
        std::memset(pA, 0, D7ED_BEREICH_GROESSE);
        std::memset(pE, 0, D7ED_BEREICH_GROESSE);
        std::memset(D7ED_GetMPtr(), 0, D7ED_BEREICH_GROESSE);
        for (Bewegungsprofil& b : Bewegungsprofile) b = Bewegungsprofil{};
    }
    void TearDown() override
    {
        if (!f->bEditorModus) f->aMaske_RUN_EDITORExecute();
        MaskeFile.clear();
        FensterWeg(f);
    }

    TMyObj* Objekt(int iArt, int x, int y, int w, int h)
    {
        auto* p = new TMyObj(f, iArt, x, y, w, h);
        f->Objekte[f->iAnzahlObjekte++] = p;
        p->show();
        return p;
    }
    TMyObj* Beweglich(int iProfil, int x, int y, int w = 30, int h = 20)
    {
        TMyObj* p = Objekt(Statische_Beschriftung, x, y, w, h);
        p->MoveNr = iProfil;
        p->MoveAktiv = true;
        return p;
    }
    TMyObj* Sensor(uint16_t wAdr, uint16_t wBit, int x, int y, bool bGrundstellung = false)
    {
        TMyObj* p = Objekt(LED, x, y, 0, 0);
        p->Op = 'E';
        p->Adr = wAdr;
        p->Bit = wBit;
        p->Clickable = true;
        p->Grundstellung = bGrundstellung;
        return p;
    }
    void Run()
    {
        f->aMaske_RUN_EDITORExecute();
        ASSERT_FALSE(f->bEditorModus);
    }
    // Cycle steps up to and including the next motion step; the number of
    // cycle steps it took.
    int Schritt()
    {
        const int32_t iVorher = f->iBewegungsSchritt;
        int n = 0;
        while (f->iBewegungsSchritt == iVorher && n < 3) {
            f->SPSZyklusSchritt();
            ++n;
        }
        return n;
    }
    void Schritte(int n)
    {
        for (int i = 0; i < n; ++i) Schritt();
    }
    bool Bit(const uint8_t* p, int iByte, int iBit) const { return (p[iByte] >> iBit) & 1; }
};

} // namespace

TEST_F(Bewegung, MovesOnEverySecondStepWithinTheLimitsAndReturnsInEditor)
{
    int32_t iRechts = 0, iUnten = 0;
    f->ClientBereichHolen(iRechts, iUnten);
    const int iOben = f->ToolBar1->height();
    ASSERT_EQ(f->WerkzeugleistenHoehe(), iOben);
    ASSERT_GT(iOben, 0);
    // Placed so that 40 steps of 7 would end exactly on the right limit and
    // 30 steps exactly on the tool bar.
    const int x0 = iRechts - 30 - 7 * 40, y0 = iOben + 7 * 30;
    ASSERT_GT(x0, 0);
    ASSERT_LT(y0 + 20, iUnten);
    Bewegungsprofile[0].Rechts = {'A', 0, 0};
    Bewegungsprofile[0].Oben = {'Q', 0, 1};
    Bewegungsprofile[0].Geschw = 7;
    TMyObj* p = Beweglich(0, x0, y0);
    TMyObj* pAus = Beweglich(0, 100, 100);   // profile switched off
    pAus->MoveAktiv = false;
    TMyObj* pWeit = Beweglich(45, 100, 150);  // number beyond the table

    Run();
    pA[0] = 0x01;   // right
    // Only every second cycle step is a motion step.
    f->SPSZyklusSchritt();
    f->SPSZyklusSchritt();
    EXPECT_EQ(f->iBewegungsSchritt, 1);
    EXPECT_EQ(p->Left(), x0 + 7);
    EXPECT_EQ(Schritt(), 2);
    EXPECT_EQ(p->Left(), x0 + 14);
    // Right and left together keep it in place.
    Bewegungsprofile[0].Links = {'A', 0, 0};
    Schritte(3);
    EXPECT_EQ(p->Left(), x0 + 14);
    Bewegungsprofile[0].Links = {};

    // It stops at the last place where x + Width is still left of the
    // limit: one step short of touching it.
    Schritte(60);
    EXPECT_EQ(p->Left(), x0 + 7 * 39);
    EXPECT_EQ(p->x, x0) << "the design position stays";

    // Up may reach the tool bar's edge, not pass it.
    pA[0] = 0x02;
    Schritte(60);
    EXPECT_EQ(p->Top(), iOben);

    EXPECT_EQ(pAus->Left(), 100);
    EXPECT_EQ(pAus->Top(), 100);
    EXPECT_EQ(pWeit->Left(), 100);
    EXPECT_EQ(pWeit->Top(), 150);

    // Left may reach x = 0 itself, not pass it: from 35 by 7 it ends on 0,
    // from 31 on 3.
    Bewegungsprofile[1].Links = {'M', 4, 0};
    Bewegungsprofile[1].Geschw = 7;
    TMyObj* pNull = Beweglich(1, 35, 300);
    TMyObj* pDrei = Beweglich(1, 31, 340);
    D7ED_GetMPtr()[4] = 0x01;
    Schritte(4);
    EXPECT_EQ(pNull->Left(), 7);
    Schritt();
    EXPECT_EQ(pNull->Left(), 0);
    EXPECT_EQ(pDrei->Left(), 3);
    Schritte(3);
    EXPECT_EQ(pNull->Left(), 0);
    EXPECT_EQ(pDrei->Left(), 3);

    f->aMaske_RUN_EDITORExecute();
    ASSERT_TRUE(f->bEditorModus);
    EXPECT_EQ(p->Left(), x0);
    EXPECT_EQ(p->Top(), y0);
    // In EDITOR nothing moves, whatever the bits say.
    for (int i = 0; i < 6; ++i) f->SPSZyklusSchritt();
    EXPECT_EQ(p->Left(), x0);
}

TEST_F(Bewegung, AddressByteAbove127ReachesThatByteAndOddLettersNeverMove)
{
    // Address byte 200 is kept as -56 in its 8 bits; it must index byte
    // 200 of the area, not 56 bytes before it.
    Bewegungsprofile[1].Unten = {'M', static_cast<int8_t>(-56), 3};
    Bewegungsprofile[1].Geschw = 5;
    Bewegungsprofile[2].Rechts = {'D', 0, 0};    // no area for a data block
    Bewegungsprofile[2].Links = {'E', 4, 9};     // bit 9 names no bit
    Bewegungsprofile[2].Unten = {0, 0, 0};
    Bewegungsprofile[2].Geschw = 5;
    TMyObj* p = Beweglich(1, 50, 100);
    TMyObj* pNie = Beweglich(2, 200, 100);
    Run();
    pE[4] = 0xFF;
    Schritt();
    EXPECT_EQ(p->Top(), 100) << "bit 3 of byte 200 is still 0";
    D7ED_GetMPtr()[200] = 0x08;
    Schritt();
    EXPECT_EQ(p->Top(), 105);
    Schritte(4);
    EXPECT_EQ(pNie->Left(), 200);
    EXPECT_EQ(pNie->Top(), 100);
}

TEST_F(Bewegung, SensorsFollowTheFirstStepAndLaterOnlyEndSwitchObjects)
{
    // A plain object (no end switch) lies on sensor E2.3 at the start; an
    // end-switch object moves across sensor E2.4, whose basic position is 1.
    Bewegungsprofile[3].Rechts = {'A', 1, 0};
    Bewegungsprofile[3].Geschw = 10;
    Bewegungsprofile[4].Rechts = {'A', 1, 1};
    Bewegungsprofile[4].Geschw = 10;
    Bewegungsprofile[4].Endsch = 1;
    TMyObj* pPlatte = Beweglich(3, 100, 100, 40, 40);
    TMyObj* sUnter = Sensor(2, 3, 114, 114);
    TMyObj* pWagen = Beweglich(4, 100, 250, 40, 40);
    TMyObj* sEnde = Sensor(2, 4, 194, 264, true);
    TMyObj* sNie = Sensor(2, 5, 400, 400);
    TMyObj* sAus = Objekt(LED, 114, 114, 0, 0);   // not clickable: no sensor
    sAus->Op = 'E';
    sAus->Adr = 2;
    sAus->Bit = 6;
    ASSERT_EQ(sUnter->Width(), 12);

    Run();
    EXPECT_EQ(f->iAnzahlSensoren, 3);
    EXPECT_EQ(sUnter->pSensorByte, pE + 2);
    // Bit 0 is no sensor's; bits 4 (basic position) and 5 set by hand.
    pE[2] = 0x31;
    Schritt();
    // The first step: every active object covers what it lies on.
    EXPECT_TRUE(Bit(pE, 2, 3));
    EXPECT_TRUE(sUnter->bSensorAktiv);
    EXPECT_FALSE(sEnde->bSensorAktiv);
    EXPECT_FALSE(Bit(pE, 2, 6)) << "a LED that is not clickable is no sensor";

    // The plain object leaves its sensor: no end switch, nothing updates.
    pA[1] = 0x01;
    Schritte(5);
    EXPECT_EQ(pPlatte->Left(), 150);
    EXPECT_TRUE(Bit(pE, 2, 3)) << "only end-switch objects act after the first step";

    // The end-switch object drives onto its sensor (Left 160: the sensor's
    // centre x 200 lies on its right edge): covered, the sensor reads the
    // opposite of its basic position; the plain object's sensor is now
    // seen uncovered.
    pA[1] = 0x02;
    Schritte(5);
    EXPECT_FALSE(sEnde->bSensorAktiv);
    EXPECT_TRUE(Bit(pE, 2, 4));
    Schritt();
    EXPECT_EQ(pWagen->Left(), 160);
    EXPECT_TRUE(sEnde->bVerdeckt);
    EXPECT_FALSE(Bit(pE, 2, 4));
    EXPECT_FALSE(Bit(pE, 2, 3));
    // Stopped on it, the end switch stays actuated.
    pA[1] = 0x00;
    Schritte(3);
    EXPECT_FALSE(Bit(pE, 2, 4));
    // Driven on, the sensor returns to its basic position.
    pA[1] = 0x02;
    Schritte(5);
    EXPECT_FALSE(sEnde->bVerdeckt);
    EXPECT_TRUE(Bit(pE, 2, 4));
    // A sensor never covered is never written; foreign bits stay.
    EXPECT_FALSE(sNie->bSensorAktiv);
    EXPECT_TRUE(Bit(pE, 2, 5));
    EXPECT_TRUE(Bit(pE, 2, 0));

    // A new RUN period starts afresh: sensor states reset, the first step
    // counts every object again.
    f->aMaske_RUN_EDITORExecute();
    pE[2] = 0;
    Run();
    EXPECT_FALSE(sEnde->bSensorAktiv);
    Schritt();
    EXPECT_TRUE(Bit(pE, 2, 3)) << "the plain object is back on its sensor";
}

TEST_F(Bewegung, ASensorWhoseLetterChangedWritesNoLongerItsOldByte)
{
    TMyObj* p = Beweglich(5, 100, 100, 40, 40);
    Bewegungsprofile[5].Geschw = 2;
    TMyObj* s = Sensor(7, 0, 110, 110);
    Run();
    Schritt();
    EXPECT_TRUE(Bit(pE, 7, 0));
    // Now an LED on a system variable, without a letter: it names no byte.
    f->aMaske_RUN_EDITORExecute();
    s->Op = 0;
    s->Variable = 3;
    pE[7] = 0;
    Run();
    Schritt();
    EXPECT_EQ(s->pSensorByte, nullptr);
    EXPECT_FALSE(Bit(pE, 7, 0));
    EXPECT_EQ(p->Left(), 100);   // the profile has no bit: it only covers
}
