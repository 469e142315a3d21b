// Service control: nothing exists on Linux; a substituted table behaves
// like the service manager for the helper and Siemens services.
#include "WinDienste.h"

#include <gtest/gtest.h>

class WinDienste : public ::testing::Test {
protected:
    void TearDown() override { DiensteTabelleLoeschen(); }
};

TEST_F(WinDienste, OhneTabelleGibtEsKeinenDienst)
{
    uint32_t dwZustand = 77;
    EXPECT_EQ(DienstStatusAbfragen("s7oiehsx", dwZustand), 1060);
    EXPECT_EQ(dwZustand, 77u);
    EXPECT_EQ(DienstStarten("s7oiehsx"), 1060);
    EXPECT_EQ(DienstStoppen("s7oiehsx"), 1060);
    EXPECT_EQ(DienstSteuercodeSenden("HarlenzService", 150), 1060);
    EXPECT_TRUE(GesendeteSteuercodes().empty());
}

TEST_F(WinDienste, TabelleSimuliertStartStoppUndSteuercodes)
{
    DiensteTabelleSetzen({{"s7oiehsx", DIENST_LAEUFT}, {"HarlenzService", DIENST_LAEUFT}});
    uint32_t dwZustand = 0;
    ASSERT_EQ(DienstStatusAbfragen("S7OIEHSX", dwZustand), 0);
    EXPECT_EQ(dwZustand, DIENST_LAEUFT);

    EXPECT_EQ(DienstStoppen("s7oiehsx"), 0);
    ASSERT_EQ(DienstStatusAbfragen("s7oiehsx", dwZustand), 0);
    EXPECT_EQ(dwZustand, DIENST_GESTOPPT);
    EXPECT_EQ(DienstStoppen("s7oiehsx"), 1062);
    EXPECT_EQ(DienstSteuercodeSenden("s7oiehsx", 150), 1062);

    EXPECT_EQ(DienstStarten("s7oiehsx"), 0);
    ASSERT_EQ(DienstStatusAbfragen("s7oiehsx", dwZustand), 0);
    EXPECT_EQ(dwZustand, DIENST_LAEUFT);
    EXPECT_EQ(DienstStarten("s7oiehsx"), 1056);

    EXPECT_EQ(DienstSteuercodeSenden("harlenzservice", 150), 0);
    EXPECT_EQ(DienstSteuercodeSenden("HarlenzService", 151), 0);
    const std::vector<std::pair<std::string, uint32_t>> erwartet{{"harlenzservice", 150},
                                                                 {"HarlenzService", 151}};
    EXPECT_EQ(GesendeteSteuercodes(), erwartet);

    EXPECT_EQ(DienstStatusAbfragen("s7oiehsx64", dwZustand), 1060);
    DiensteTabelleLoeschen();
    EXPECT_EQ(DienstStatusAbfragen("s7oiehsx", dwZustand), 1060);
    EXPECT_TRUE(GesendeteSteuercodes().empty());
}

TEST_F(WinDienste, ProzessIdUndAktionenDerTestdienste)
{
    // The helper service's codes 150 and 151 stop and start the Siemens
    // service; its stop frees what its process held. Actions run outside the
    // table's lock, so they may call the module (a deadlock would hang here).
    int iPortFrei = 0, iPortBelegt = 0;
    TTestDienst siemens(DIENST_LAEUFT, 4711);
    siemens.beimStoppen = [&] { ++iPortFrei; };
    siemens.beimStarten = [&] { ++iPortBelegt; };
    TTestDienst helfer(DIENST_LAEUFT, 0);
    helfer.steuercodeAktionen[150] = [] { DienstStoppen("s7oiehsx"); };
    helfer.steuercodeAktionen[151] = [] { DienstStarten("s7oiehsx"); };
    DiensteTabelleSetzen({{"s7oiehsx", siemens}, {"HarlenzService", helfer}});

    uint32_t dwPid = 0;
    ASSERT_EQ(DienstProzessIdAbfragen("S7OIEHSX", dwPid), 0);
    EXPECT_EQ(dwPid, 4711u);
    EXPECT_EQ(DienstProzessIdAbfragen("fehlt", dwPid), 1060);
    EXPECT_EQ(dwPid, 4711u) << "untouched on error";

    EXPECT_EQ(DienstSteuercodeSenden("HarlenzService", 150), 0);
    EXPECT_EQ(iPortFrei, 1);
    uint32_t dwZustand = 0;
    ASSERT_EQ(DienstStatusAbfragen("s7oiehsx", dwZustand), 0);
    EXPECT_EQ(dwZustand, DIENST_GESTOPPT);
    ASSERT_EQ(DienstProzessIdAbfragen("s7oiehsx", dwPid), 0);
    EXPECT_EQ(dwPid, 0u) << "a stopped service has no process";

    // A refused stop runs no action; an unknown code runs none either.
    EXPECT_EQ(DienstStoppen("s7oiehsx"), 1062);
    EXPECT_EQ(DienstSteuercodeSenden("HarlenzService", 152), 0);
    EXPECT_EQ(iPortFrei, 1);

    EXPECT_EQ(DienstSteuercodeSenden("HarlenzService", 151), 0);
    EXPECT_EQ(iPortBelegt, 1);
    ASSERT_EQ(DienstProzessIdAbfragen("s7oiehsx", dwPid), 0);
    EXPECT_EQ(dwPid, 4711u);
}
