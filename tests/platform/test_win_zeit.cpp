// The millisecond clock: real steady time, a frozen test clock, wrapping
// like the 32-bit Windows counter, and safe use from several threads.
#include "WinZeit.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

class WinZeit : public ::testing::Test {
protected:
    void TearDown() override { TestUhrFreigeben(); }
};

TEST_F(WinZeit, EchteUhrLaeuftMitDemSchlaf)
{
    const uint32_t t0 = timeGetTime();
    Sleep(60);
    const uint32_t t1 = timeGetTime();
    EXPECT_GE(t1 - t0, 55u);
    EXPECT_LT(t1 - t0, 2000u);
    // Both names read the same counter.
    const uint32_t a = GetTickCount(), b = timeGetTime();
    EXPECT_LE(b - a, 5u);
}

TEST_F(WinZeit, TestUhrStehtUndLaesstSichVorstellen)
{
    TestUhrSetzen(123456);
    Sleep(20);
    EXPECT_EQ(timeGetTime(), 123456u);
    EXPECT_EQ(GetTickCount(), 123456u);
    TestUhrVorstellen(250);
    EXPECT_EQ(timeGetTime(), 123706u);
}

TEST_F(WinZeit, SchrittUhrZaehltJedeAbfrageUndEndetMitDerFreigabe)
{
    TestUhrSetzen(0xFFFFFFFEu);
    TestUhrSchrittSetzen(3);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFFEu);
    EXPECT_EQ(timeGetTime(), 1u);   // wraps like the plain counter
    TestUhrVorstellen(10);
    EXPECT_EQ(timeGetTime(), 14u);
    TestUhrFreigeben();
    TestUhrSetzen(500);
    EXPECT_EQ(timeGetTime(), 500u);  // the step went with the release
    EXPECT_EQ(timeGetTime(), 500u);
}

TEST_F(WinZeit, ZaehlerUeberschlaegtSichBei32Bit)
{
    TestUhrSetzen(0xFFFFFFF0u);
    const uint32_t vorher = timeGetTime();
    TestUhrVorstellen(0x20);
    EXPECT_EQ(timeGetTime(), 0x10u);
    // Callers measure by unsigned difference, which stays right.
    EXPECT_EQ(timeGetTime() - vorher, 0x20u);
}

TEST_F(WinZeit, VorstellenDerLaufendenUhrFriertSieEin)
{
    const uint32_t jetzt = timeGetTime();
    TestUhrVorstellen(1000);
    const uint32_t eingefroren = timeGetTime();
    EXPECT_GE(eingefroren - jetzt, 1000u);
    EXPECT_LT(eingefroren - jetzt, 1100u);
    Sleep(20);
    EXPECT_EQ(timeGetTime(), eingefroren);
}

TEST_F(WinZeit, FreigabeBringtDieEchteUhrZurueck)
{
    const uint32_t echt = timeGetTime();
    TestUhrSetzen(echt + 5000000u);
    TestUhrFreigeben();
    EXPECT_LT(timeGetTime() - echt, 1000u);
}

TEST_F(WinZeit, VorstellenAusZweiThreadsVerliertNichts)
{
    TestUhrSetzen(1000);
    constexpr int kSchritte = 20000;
    bool bRueckwaerts = false;
    std::thread leser([&] {
        uint32_t alt = timeGetTime();
        for (int i = 0; i < 2 * kSchritte; ++i) {
            const uint32_t neu = timeGetTime();
            if (neu < alt)
                bRueckwaerts = true;
            alt = neu;
        }
    });
    std::vector<std::thread> schreiber;
    for (int k = 0; k < 2; ++k)
        schreiber.emplace_back([] {
            for (int i = 0; i < kSchritte; ++i)
                TestUhrVorstellen(1);
        });
    for (auto& t : schreiber)
        t.join();
    leser.join();
    EXPECT_EQ(timeGetTime(), 1000u + 2 * kSchritte);
    EXPECT_FALSE(bRueckwaerts);
}
