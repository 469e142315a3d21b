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

// Each project's file alone decides its seven keys: what it lacks or names
// with a damaged value is empty, never the previous file's; one line that
// cannot be read costs only itself, and the write drops the lines that made
// the file damaged while other sections stay as they were.
TEST_F(EngineIPDaten, JederSchluesselKommtAusSeinerDateiOderIstLeer)
{
    int iFehler = -1;
    const auto Einlesen = [&](const std::string& sInhalt) {
        testhilfe::DateiSchreiben(sDatei, sInhalt);
        const bool bOk = D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler);
        EXPECT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, nullptr));
        return bOk;
    };
    const std::string sVoll = "[D7ED_DATEN]\nD7ED_IP_ADRESSE=127.0.0.5\nD7ED_PORT_ADRESSE=4102\n"
                              "D7ED_INTERN_PORT_ADRESSE=4103\nD7ED_IP_ADRESSE_2=0.0.0.0\n"
                              "D7ED_PORT_ADRESSE_3=4104\nD7ED_PORT_ADRESSE_4=4105\n"
                              "D7ED_PG_EINGAENGE_UMLEITEN=1\n";
    ASSERT_TRUE(D7ED_Port102TimeDaten_InRegistryAbspeichern(1234, 5678, nullptr));
    const std::string sAdapter = "Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP";
    ASSERT_TRUE(bRegWertSchreiben(sAdapter, "D7ED_NetworkAdapter", "eth7"));
    const auto Leer = [&](const char* pcWo) {
        const TLaufend l = Laufend();
        EXPECT_EQ(l.sIP1 + "|" + l.sIP2, "|") << pcWo;
        EXPECT_EQ(l.w1 + l.w2 + l.w3 + l.w4 + l.byUmleiten, 0) << pcWo;
    };

    // Project A names everything, project B its first address and two
    // ports only: B listens on nothing of A's second address.
    ASSERT_TRUE(Einlesen(sVoll));
    EXPECT_EQ(Laufend().w4, 4105);
    ASSERT_TRUE(Einlesen("[d7ed_daten]\nd7ed_ip_adresse = 127.0.0.6\nD7ED_PORT_ADRESSE=5102\n"
                         "D7ED_INTERN_PORT_ADRESSE=\n"));
    TLaufend l = Laufend();
    EXPECT_EQ(l.sIP1, "127.0.0.6");
    EXPECT_EQ(l.w1, 5102);
    EXPECT_EQ(l.w2, 0) << "an empty port is not given";
    EXPECT_EQ(l.sIP2, "");
    EXPECT_EQ(l.w3 + l.w4 + l.byUmleiten, 0);
    // The file's write names all seven keys with what B has.
    ASSERT_TRUE(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler));
    EXPECT_EQ(Wert("D7ED_PORT_ADRESSE_3"), "0");

    // A file with no data, and no file at all (the project opened
    // before had some): empty, and not damaged.
    for (const char* pc : std::initializer_list<const char*>{"[Default]\nDefault=0\n", "", nullptr}) {
        ASSERT_TRUE(Einlesen(sVoll));
        if (pc) {
            EXPECT_TRUE(Einlesen(pc)) << pc;
        } else {
            std::filesystem::remove(sDatei);
            EXPECT_TRUE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler));
            ASSERT_TRUE(D7ED_IPDatenAusRegistryEinstellen(ID, nullptr));
        }
        Leer(pc ? pc : "no file");
    }
    // What the storage holds beside the file's keys stays.
    uint16_t wNach = 0, wVor = 0;
    ASSERT_TRUE(D7ED_Port102TimeDaten_AusRegistryAuslesen(&wNach, &wVor, nullptr));
    EXPECT_EQ(wNach, 1234);
    EXPECT_EQ(wVor, 5678);
    std::string sGewaehlt;
    EXPECT_TRUE(bRegWertLesen(sAdapter, "D7ED_NetworkAdapter", sGewaehlt));
    EXPECT_EQ(sGewaehlt, "eth7");

    // Damaged values are reported and empty; the valid keys beside them are
    // taken.
    ASSERT_TRUE(Einlesen(sVoll));
    EXPECT_FALSE(Einlesen("[D7ED_DATEN]\nD7ED_IP_ADRESSE=10.2.2.2\nD7ED_PORT_ADRESSE=70000\n"
                          "D7ED_IP_ADRESSE_2=host.example\nD7ED_PORT_ADRESSE_3=12a\n"
                          "D7ED_PORT_ADRESSE_4=4004\nD7ED_PG_EINGAENGE_UMLEITEN=2\n"));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    l = Laufend();
    EXPECT_EQ(l.sIP1, "10.2.2.2");
    EXPECT_EQ(l.w1 + l.w2 + l.w3 + l.byUmleiten, 0);
    EXPECT_EQ(l.sIP2, "");
    EXPECT_EQ(l.w4, 4004);

    // Lines that cannot be read (one with a control byte) around the keys:
    // every valid key is taken all the same, and the file counts as damaged.
    const std::string sAndere = "[Notizen]\nkein Schluessel\nAlt\x01=1\n";
    const std::string sMitFehlern = "; Kommentar\n[Default]\nDefault=0\n[D7ED_DATEN]\nD7ED_IP_ADRESSE=127.0.0.7\n"
                                    "das ist kein Schluessel\nD7ED_PORT_ADRESSE=6102\n"
                                    "D7ED_PORT\x02_ADRESSE_3=9\nD7ED_PORT_ADRESSE_4=6105\n" + sAndere;
    EXPECT_FALSE(Einlesen(sMitFehlern));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    l = Laufend();
    EXPECT_EQ(l.sIP1, "127.0.0.7");
    EXPECT_EQ(l.w1, 6102);
    EXPECT_EQ(l.w3, 0);
    EXPECT_EQ(l.w4, 6105);
    // The write drops exactly the lines that made it damaged: the next read
    // finds nothing to report, and the other sections are as they were.
    ASSERT_TRUE(D7ED_IPDatenAusRegistryLesenUndInIniSchreiben(&iFehler));
    const std::string sGeschrieben = testhilfe::DateiLesen(sDatei);
    EXPECT_EQ(sGeschrieben.find("kein Schluessel\nD7ED"), std::string::npos) << sGeschrieben;
    EXPECT_EQ(sGeschrieben.find('\x02'), std::string::npos) << sGeschrieben;
    EXPECT_EQ(sGeschrieben.rfind(sAndere), sGeschrieben.size() - sAndere.size()) << sGeschrieben;
    EXPECT_EQ(sGeschrieben.rfind("; Kommentar\n[Default]\nDefault=0\n", 0), 0u) << sGeschrieben;
    EXPECT_TRUE(D7ED_IPDatenAusIniLesenUndInRegistryEinstellen(ID, &iFehler)) << sGeschrieben;
    EXPECT_EQ(Laufend().w4, 6105);
    // Damage only in another section is not the engine's to judge; before
    // the first section it is.
    EXPECT_TRUE(Einlesen(sVoll + sAndere));
    EXPECT_FALSE(Einlesen("Muell\n" + sVoll));
    EXPECT_EQ(Laufend().w4, 4105);

    // UTF-16 without byte order mark opens no section: damaged. Only the first D7ED_DATEN counts, as for the host.
    std::string sUtf16;
    for (const char c : sVoll) sUtf16 += std::string{c, '\0'};
    EXPECT_FALSE(Einlesen(sUtf16));
    EXPECT_TRUE(Einlesen("[D7ED_DATEN]\nD7ED_PORT_ADRESSE=4102\n[Andere]\n[d7ed_daten]\nD7ED_PORT_ADRESSE_4=4999\n"));
    EXPECT_EQ(Laufend().w4, 0);

    // Random bytes hold no readable key: damaged, and every key empty.
    std::string sZufall;
    for (int i = 0; i < 512; ++i) sZufall += static_cast<char>((i * 167 + 13) & 0xFF);
    ASSERT_TRUE(Einlesen(sVoll));
    EXPECT_FALSE(Einlesen(sZufall));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    Leer("random bytes");

    // Damage in the registry storage leaves the running configuration.
    ASSERT_TRUE(Einlesen(sVoll));
    ASSERT_TRUE(bRegWertSchreiben(D7ED_REGISTRY_SCHLUESSEL, "PORT_S7", "zwei"));
    EXPECT_FALSE(D7ED_IPDatenAusRegistryEinstellen(ID, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_IP_DATEN);
    EXPECT_EQ(Laufend().w1, 4102);
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
