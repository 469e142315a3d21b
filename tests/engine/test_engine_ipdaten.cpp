// IP data: file -> registry storage -> running configuration and back, the
// port-102 waiting times and the path hand-over.
#include "EngineTestHilfe.h"

#include "TestUmgebung.h"
#include "WinIni.h"
#include "WinRegistry.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace enginetest;

namespace {

constexpr uint32_t ID = 4711;

class EngineIPDaten : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = testhilfe::NeuerOrdner("ip");
        sDatei = (ordner / "IPADR.DAT").string();
        ASSERT_TRUE(D7ED_PfadeUebergeben(ordner.string().c_str(), "IPADR", sDatei.c_str()));
        ASSERT_TRUE(D7ED_IstKommuIDKorrekt(ID));
    }
    void TearDown() override { D7ED_D7ED_Kommu_Exit(ID, nullptr, nullptr); }

    struct TLaufend {
        std::string sIP1, sIP2;
        uint16_t w1 = 0, w2 = 0, w3 = 0, w4 = 0;
        unsigned char byUmleiten = 0;
    };
    static TLaufend Laufend()
    {
        TLaufend l;
        char ac1[D7ED_IP_TEXT_LAENGE] = "x", ac2[D7ED_IP_TEXT_LAENGE] = "x";
        EXPECT_TRUE(D7ED_GetEingestellteIPDaten(ac1, &l.w1, &l.w2));
        EXPECT_TRUE(D7ED_GetEingestellteIPDaten_2(ac2, &l.w3, &l.w4));
        l.sIP1 = ac1;
        l.sIP2 = ac2;
        l.byUmleiten = D7ED_GetPGZugriffAufEingaengeAufPeripherieUmleiten();
        return l;
    }
    std::string Wert(const char* pcKey) { return ProfilStringLesen(sDatei, "D7ED_DATEN", pcKey, "<fehlt>"); }

    std::filesystem::path ordner;
    std::string sDatei;
};

} // namespace

TEST_F(EngineIPDaten, DateiRegistryLaufendUndZurueck)
{
    testhilfe::DateiSchreiben(sDatei, "[Default]\nDefault=0\n[D7ED_DATEN]\nD7ED_IP_ADRESSE=192.168.0.10\n"
                                      "D7ED_PORT_ADRESSE=102\nD7ED_INTERN_PORT_ADRESSE=4102\n"
                                      "D7ED_IP_ADRESSE_2=127.0.0.1\nD7ED_PORT_ADRESSE_3=10102\n"
                                      "D7ED_PORT_ADRESSE_4=0\nD7ED_PG_EINGAENGE_UMLEITEN=1\n");
    int iFehler = -1;
    ASSERT_TRUE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, 0);
    // Not yet running.
    EXPECT_NE(Laufend().sIP1, "192.168.0.10");

    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, 0);
    const TLaufend l = Laufend();
    EXPECT_EQ(l.sIP1, "192.168.0.10");
    EXPECT_EQ(l.w1, 102);
    EXPECT_EQ(l.w2, 4102);
    EXPECT_EQ(l.sIP2, "127.0.0.1");
    EXPECT_EQ(l.w3, 10102);
    EXPECT_EQ(l.w4, 0);
    EXPECT_EQ(l.byUmleiten, 1);

    // Registry -> a fresh file of another project.
    const auto ordner2 = testhilfe::NeuerOrdner("ip2");
    const std::string sDatei2 = (ordner2 / "IPADR.DAT").string();
    testhilfe::DateiSchreiben(sDatei2, "[Default]\nDefault=0\n");
    ASSERT_TRUE(D7ED_PfadeUebergeben(ordner2.string().c_str(), "IPADR", sDatei2.c_str()));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_EQ(ProfilStringLesen(sDatei2, "D7ED_DATEN", "D7ED_IP_ADRESSE", ""), "192.168.0.10");
    EXPECT_EQ(ProfilStringLesen(sDatei2, "D7ED_DATEN", "D7ED_PORT_ADRESSE", ""), "102");
    EXPECT_EQ(ProfilStringLesen(sDatei2, "D7ED_DATEN", "D7ED_PORT_ADRESSE_3", ""), "10102");
    EXPECT_EQ(ProfilStringLesen(sDatei2, "Default", "Default", ""), "0") << "other lines kept";
}

TEST_F(EngineIPDaten, PresetsAusDerRegistryWerdenUebernommen)
{
    int iFehler = -1;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.0.0.1", 1102, 2102, 5, &iFehler));
    EXPECT_EQ(iFehler, 0);
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("", 0, 0, &iFehler));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    const TLaufend l = Laufend();
    EXPECT_EQ(l.sIP1, "10.0.0.1");
    EXPECT_EQ(l.w1, 1102);
    EXPECT_EQ(l.w2, 2102);
    EXPECT_EQ(l.sIP2, "");
    EXPECT_EQ(l.byUmleiten, 1);

    // A bad address is refused and changes nothing.
    EXPECT_FALSE(D7ED_IPDatenInRegistryAbspeichern("10.0.0", 1, 2, 0, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_ADRESSE);
    EXPECT_FALSE(D7ED_IPDaten_2_InRegistryAbspeichern("300.1.1.1", 1, 2, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_ADRESSE);
    EXPECT_FALSE(D7ED_IPDatenInRegistryAbspeichern(nullptr, 1, 2, 0, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_NULLZEIGER);
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(Laufend().sIP1, "10.0.0.1");
}

TEST_F(EngineIPDaten, DateiOhneDatenAendertNichtsBeschaedigteWerteZaehlenAlsFehlend)
{
    int iFehler = -1;
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.1.1.1", 102, 0, 0, &iFehler));
    for (const char* pc : {"", "[Default]\nDefault=0\n"}) {
        testhilfe::DateiSchreiben(sDatei, pc);
        ASSERT_TRUE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler)) << pc;
    }
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(Laufend().sIP1, "10.1.1.1");

    // Only the port given: the address stays.
    testhilfe::DateiSchreiben(sDatei, "[D7ED_DATEN]\nD7ED_PORT_ADRESSE=2000\n");
    ASSERT_TRUE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler));
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(Laufend().sIP1, "10.1.1.1");
    EXPECT_EQ(Laufend().w1, 2000);

    // A damaged value counts as a missing key and is reported; the valid
    // keys beside it are taken.
    testhilfe::DateiSchreiben(sDatei, "[D7ED_DATEN]\nD7ED_IP_ADRESSE=10.2.2.2\nD7ED_PORT_ADRESSE=70000\n"
                                      "D7ED_IP_ADRESSE_2=host.example\nD7ED_PORT_ADRESSE_3=12a\n"
                                      "D7ED_PORT_ADRESSE_4=4004\nD7ED_PG_EINGAENGE_UMLEITEN=2\n");
    EXPECT_FALSE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    TLaufend l = Laufend();
    EXPECT_EQ(l.sIP1, "10.2.2.2");
    EXPECT_EQ(l.w1, 2000);
    EXPECT_EQ(l.sIP2, "");
    EXPECT_EQ(l.w3, 0);
    EXPECT_EQ(l.w4, 4004);
    EXPECT_EQ(l.byUmleiten, 0);

    // Random bytes are no ini text: reported, nothing taken, even a key
    // line that happens to stand among them.
    std::string sZufall = "[D7ED_DATEN]\nD7ED_IP_ADRESSE=10.3.3.3\n";
    for (int i = 0; i < 512; ++i) sZufall += static_cast<char>((i * 167 + 13) & 0xFF);
    testhilfe::DateiSchreiben(sDatei, sZufall);
    EXPECT_FALSE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(Laufend().sIP1, "10.2.2.2");

    // Damage in the registry storage leaves the running configuration.
    ASSERT_TRUE(bRegWertSchreiben(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", "zwei"));
    EXPECT_FALSE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    EXPECT_EQ(Laufend().w1, 2000);
    EXPECT_FALSE(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("10.1.1.1", 102, 0, 0, &iFehler));
}

TEST_F(EngineIPDaten, FremdeKennungDarfNichts)
{
    int iFehler = -1;
    EXPECT_FALSE(D7ED_IstKommuIDKorrekt(ID + 1));
    EXPECT_FALSE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID + 1, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_KOMMU_ID);
    EXPECT_FALSE(D7ED_IPDatenAusRegistryEinstellen(ID + 1, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_KOMMU_ID);
}

TEST_F(EngineIPDaten, PfadeUebergeben)
{
    EXPECT_FALSE(D7ED_PfadeUebergeben(nullptr, "IPADR", sDatei.c_str()));
    EXPECT_FALSE(D7ED_PfadeUebergeben(ordner.string().c_str(), "IPADR", ""));
    EXPECT_FALSE(D7ED_PfadeUebergeben((ordner / "fehlt").string().c_str(), "IPADR",
                                      (ordner / "fehlt" / "IPADR.DAT").string().c_str()));
    // The earlier hand-over still counts.
    int iFehler = -1;
    ASSERT_TRUE(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler));
    EXPECT_NE(Wert("D7ED_IP_ADRESSE"), "<fehlt>");
}

TEST_F(EngineIPDaten, Port102Wartezeiten)
{
    uint16_t wStop = 1, wStart = 1;
    int iFehler = -1;
    bRegWertLoeschen(D7ED_REGISTRY_SCHLUESSEL, "PORT102_WARTEN_NACH_STOP");
    EXPECT_FALSE(D7ED_SindPort102TimeDatenInRegistryVorhanden());
    EXPECT_FALSE(D7ED_Port102TimeDaten_AusRegistryAuslesen(&wStop, &wStart, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_REGISTRY_LEER);
    EXPECT_EQ(wStop, 4000);
    EXPECT_EQ(wStart, 2000);

    ASSERT_TRUE(D7ED_Port102TimeDaten_InRegistryAbspeichern(1234, 567, &iFehler));
    EXPECT_TRUE(D7ED_SindPort102TimeDatenInRegistryVorhanden());
    ASSERT_TRUE(D7ED_Port102TimeDaten_AusRegistryAuslesen(&wStop, &wStart, &iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_EQ(wStop, 1234);
    EXPECT_EQ(wStart, 567);

    ASSERT_TRUE(D7ED_StandardPort102TimeDatenInRegistrySchreiben(&iFehler));
    ASSERT_TRUE(D7ED_Port102TimeDaten_AusRegistryAuslesen(&wStop, &wStart, &iFehler));
    EXPECT_EQ(wStop, 4000);
    EXPECT_EQ(wStart, 2000);
    EXPECT_TRUE(D7ED_Port102TimeDaten_AusRegistryAuslesen(nullptr, nullptr, nullptr));
}

// The data in effect are the user's, not the process's: what another
// process takes over is what this one reads. Storing the first IP set also
// makes the presets program's adapter key.
TEST_F(EngineIPDaten, LaufendeDatenSiehtJederProzess)
{
    ASSERT_TRUE(D7ED_IPDatenInRegistryAbspeichern("127.0.0.3", 4102, 4103, 1, nullptr));
    ASSERT_TRUE(D7ED_IPDaten_2_InRegistryAbspeichern("0.0.0.0", 4104, 0, nullptr));
    EXPECT_TRUE(bRegSchluesselVorhanden("Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP"));
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        _exit(D7ED_IPDatenAusRegistryEinstellen(ID, nullptr) ? 0 : 1);
    int iStatus = 0;
    ASSERT_EQ(waitpid(pid, &iStatus, 0), pid);
    ASSERT_TRUE(WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0);
    const TLaufend l = Laufend();
    EXPECT_EQ(l.sIP1, "127.0.0.3");
    EXPECT_EQ(l.w1, 4102);
    EXPECT_EQ(l.w2, 4103);
    EXPECT_EQ(l.sIP2, "0.0.0.0");
    EXPECT_EQ(l.w3, 4104);
    EXPECT_EQ(l.byUmleiten, 1);
}
