// Memory areas, CPU state, the cycle and the clock memory.
#include "EngineTestHilfe.h"

#include "WinZeit.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace enginetest;

namespace {

class EngineZyklus : public ::testing::Test {
protected:
    void SetUp() override
    {
        EngineZuruecksetzen();
        std::memset(D7ED_GetPeriEPtr(), 0, D7ED_BEREICH_GROESSE);
        std::memset(D7ED_GetEAPtr(), 0, D7ED_BEREICH_GROESSE);
        std::memset(D7ED_GetEPtr_Erweitert(), 0, D7ED_BEREICH_GROESSE);
        std::memset(D7ED_GetMPtr(), 0, D7ED_BEREICH_GROESSE);
    }
    void TearDown() override { TestUhrFreigeben(); }
};

uint16_t WortLesen(const unsigned char* pb) { return uint16_t((pb[0] << 8) | pb[1]); }

} // namespace

TEST_F(EngineZyklus, BereicheSindGetrenntStabilUndGrossGenug)
{
    unsigned char* apb[] = {D7ED_GetPeriEPtr(), D7ED_GetPeriAPtr(), D7ED_GetMPtr(), D7ED_GetEAPtr(),
                            D7ED_GetEPtr_Erweitert()};
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(apb[i], nullptr);
        // The highest double word a 16-bit address can name is inside.
        apb[i][65535 + 3] = static_cast<unsigned char>(0x10 + i);
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(apb[i][65538], 0x10 + i) << "areas overlap at area " << i;
    EXPECT_EQ(D7ED_GetPeriEPtr(), apb[0]);
    EXPECT_EQ(D7ED_GetMPtr(), apb[2]);
}

TEST_F(EngineZyklus, WorteSindBigEndianZwischenAufrufen)
{
    // A word written through one call's pointer is read through another's.
    unsigned char* pbM = D7ED_GetMPtr();
    pbM[200] = 0x12;
    pbM[201] = 0x34;
    EXPECT_EQ(WortLesen(D7ED_GetMPtr() + 200), 0x1234);

    // Peripheral input word 130 reaches the extended image at 2 after a cycle.
    D7ED_GetPeriEPtr()[130] = 0xAB;
    D7ED_GetPeriEPtr()[131] = 0xCD;
    int iFehler = -1;
    ASSERT_TRUE(D7ED_Start(100, &iFehler));
    D7ED_Step7Zyklus();
    EXPECT_EQ(WortLesen(D7ED_GetEPtr_Erweitert() + 2), 0xABCD);
}

TEST_F(EngineZyklus, StartStopUndZustand)
{
    int iFehler = -1;
    EXPECT_NE(D7ED_GetCPUZustand(&iFehler), 2);
    EXPECT_EQ(iFehler, 0);
    EXPECT_FALSE(D7ED_Step7ZyklusReady());

    iFehler = -1;
    EXPECT_FALSE(D7ED_Start(99, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_STARTART);
    EXPECT_NE(D7ED_GetCPUZustand(nullptr), 2);

    ASSERT_TRUE(D7ED_Start(100, &iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_EQ(D7ED_GetCPUZustand(&iFehler), 2);
    EXPECT_TRUE(D7ED_Step7ZyklusReady());
    EXPECT_TRUE(D7ED_BSRoutineReady());

    EXPECT_TRUE(D7ED_Stop(&iFehler));
    EXPECT_EQ(D7ED_GetCPUZustand(&iFehler), D7ED_CPU_STOP);
    // Null error pointers are allowed.
    EXPECT_TRUE(D7ED_Start(100, nullptr));
    EXPECT_TRUE(D7ED_Stop(nullptr));
    EXPECT_EQ(D7ED_GetAnzahlBefehleJeZyklus(), 0);
}

TEST_F(EngineZyklus, ZyklusZaehltNurInRunUndLaeuftUeber)
{
    const uint16_t wVorher = D7ED_wGetZyklusUmlaufzaehler();
    D7ED_Step7Zyklus();  // STOP: nothing
    EXPECT_EQ(D7ED_wGetZyklusUmlaufzaehler(), wVorher);

    ASSERT_TRUE(D7ED_Start(100, nullptr));
    for (int i = 0; i < 3; ++i)
        D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_wGetZyklusUmlaufzaehler(), uint16_t(wVorher + 3));

    // After 65536 cycles the counter is back where it was.
    const uint16_t wStart = D7ED_wGetZyklusUmlaufzaehler();
    for (int i = 0; i < 65536; ++i)
        D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_wGetZyklusUmlaufzaehler(), wStart);
}

TEST_F(EngineZyklus, ProzessabbildNurWennAktualisierungAn)
{
    ASSERT_TRUE(D7ED_Start(100, nullptr));
    D7ED_GetPeriEPtr()[5] = 0x5A;
    D7ED_GetPeriEPtr()[127] = 0x7F;
    D7ED_GetPeriEPtr()[128] = 0x80;
    D7ED_GetPeriEPtr()[65535] = 0xFF;

    ASSERT_TRUE(D7ED_SetPAEPAAAktualisieren(0));
    EXPECT_EQ(D7ED_GetPAEPAAAktualisieren(), 0);
    D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_GetEAPtr()[5], 0);

    ASSERT_TRUE(D7ED_SetPAEPAAAktualisieren(7));
    EXPECT_EQ(D7ED_GetPAEPAAAktualisieren(), 1);
    D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_GetEAPtr()[5], 0x5A);
    EXPECT_EQ(D7ED_GetEAPtr()[127], 0x7F);
    EXPECT_EQ(D7ED_GetEAPtr()[128], 0) << "the input image ends at byte 127";
    EXPECT_EQ(D7ED_GetEPtr_Erweitert()[0], 0x80);
    EXPECT_EQ(D7ED_GetEPtr_Erweitert()[65535 - 128], 0xFF);

    // In STOP the image is not updated.
    D7ED_Stop(nullptr);
    D7ED_GetPeriEPtr()[5] = 0x11;
    D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_GetEAPtr()[5], 0x5A);
}

TEST_F(EngineZyklus, TaktmerkerZuBekanntenZeiten)
{
    ASSERT_TRUE(D7ED_Start(100, nullptr));
    ASSERT_TRUE(D7ED_SetTaktMerkerByteNr(100));
    EXPECT_TRUE(D7ED_IstGetTaktMerkerAktiv());
    unsigned char* pbTakt = D7ED_GetMPtr() + 100;

    // Bit i is on in the first half of its period (0.1 0.2 0.4 0.5 0.8 1 1.6
    // 2 s); the bytes below are worked out by hand for each time.
    struct {
        uint32_t dwMs;
        unsigned char byErwartet;
    } faelle[] = {
        {0, 0xFF},    // every bit starts with its on half
        {50, 0xFE},   // 0.1 s bit off
        {99, 0xFE},
        {100, 0xFD},  // 0.1 s on again, 0.2 s off
        {250, 0xF2},  // on: 0.2, 0.8, 1, 1.6, 2 s
        {300, 0xF1},  // on: 0.1, 0.8, 1, 1.6, 2 s
        {999, 0x94},  // on: 0.4, 0.8, 2 s
        {1000, 0x3B}, // on: 0.1, 0.2, 0.5, 0.8, 1 s
        {1999, 0x50}, // on: 0.8, 1.6 s
    };
    for (const auto& f : faelle) {
        TestUhrSetzen(f.dwMs);
        D7ED_Step7Zyklus();
        EXPECT_EQ(*pbTakt, f.byErwartet) << "at " << f.dwMs << " ms";
    }
    // Other memory bytes are untouched.
    EXPECT_EQ(D7ED_GetMPtr()[99], 0);
    EXPECT_EQ(D7ED_GetMPtr()[101], 0);
}

TEST_F(EngineZyklus, TaktmerkerAusBehaeltByteUndSchreibtNicht)
{
    ASSERT_TRUE(D7ED_Start(100, nullptr));
    D7ED_SetTaktMerkerByteNr(100);
    D7ED_SetTaktMerkerByteNr(0xFFFF);
    EXPECT_FALSE(D7ED_IstGetTaktMerkerAktiv());
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100) << "the byte number survives switching off";
    D7ED_GetMPtr()[100] = 0x42;
    TestUhrSetzen(0);
    D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_GetMPtr()[100], 0x42);

    // The highest byte number stays inside the area.
    D7ED_SetTaktMerkerByteNr(0xFFFE);
    D7ED_Step7Zyklus();
    EXPECT_EQ(D7ED_GetMPtr()[0xFFFE], 0xFF);
}
