// Paths, the language of the installation or the system, and the loading
// of a language's text file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "HostTestHilfe.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinRegistry.h"
#include "kolv_spr2.h"

using namespace hosttest;

namespace {

// Sets the locale variables for one case and restores them afterwards.
class Locale {
public:
    explicit Locale(const char* pcWert)
    {
        for (const char* pcName : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* pcAlt = std::getenv(pcName);
            alte.push_back({pcName, pcAlt ? pcAlt : "", pcAlt != nullptr});
            if (pcWert)
                setenv(pcName, pcWert, 1);
            else
                unsetenv(pcName);
        }
    }
    ~Locale()
    {
        for (const auto& a : alte)
            if (a.bGesetzt)
                setenv(a.sName.c_str(), a.sWert.c_str(), 1);
            else
                unsetenv(a.sName.c_str());
    }

private:
    struct Alt {
        std::string sName, sWert;
        bool bGesetzt;
    };
    std::vector<Alt> alte;
};

} // namespace

TEST(Programm, OrdnerBehaltenSchreibweiseUndEndenMitSchraegstrich)
{
    ProgrammordnerSetzen("/opt/MeinVeltrano");
    EXPECT_EQ(cExeVerzeichnis, "/opt/MeinVeltrano/");
    EXPECT_EQ(UserDir, "/opt/MeinVeltrano/Projects/");
    EXPECT_EQ(cSystemVerzeichnis, "/opt/MeinVeltrano/__system/");
    ProgrammordnerSetzen("/opt/x/");
    EXPECT_EQ(cExeVerzeichnis, "/opt/x/");
    EXPECT_EQ(cSystemVerzeichnis, "/opt/x/__system/");
}

TEST(Programm, SystemspracheNachTabelle)
{
    const std::pair<uint16_t, unsigned char> Tabelle[] = {
        {7, 1}, {10, 3}, {12, 8}, {16, 6}, {22, 7}, {25, 5}, {9, 2}, {0, 2}, {1023, 2}};
    for (const auto& [wId, ucSprache] : Tabelle) {
        EXPECT_EQ(SpracheVonLangID(wId), ucSprache) << wId;
        // Only the primary language (low 10 bits) counts.
        EXPECT_EQ(SpracheVonLangID(static_cast<uint16_t>(wId | (3 << 10))), ucSprache) << wId;
    }
}

TEST(Programm, SpracheInstallDundUvorDemSystem)
{
    testhilfe::EigeneUmgebung Umgebung;
    Locale l("fr_FR.UTF-8");
    EXPECT_EQ(SpracheDerInstallation(), 8) << "without SpracheInstall the locale decides";

    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", "Deutsch"));
    EXPECT_EQ(SpracheDerInstallation(), 1);
    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", "US-English"));
    EXPECT_EQ(SpracheDerInstallation(), 2);
    // Only an upper-case first letter D or U counts; anything else falls
    // back to the system language.
    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", "deutsch"));
    EXPECT_EQ(SpracheDerInstallation(), 8);
    ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", ""));
    EXPECT_EQ(SpracheDerInstallation(), 8);
    {
        Locale de("de_AT.UTF-8");
        EXPECT_EQ(SpracheDerInstallation(), 1);
    }
    {
        Locale nl("nl_NL.UTF-8");
        EXPECT_EQ(SpracheDerInstallation(), 2) << "a language outside the table gives 2";
    }
    {
        Locale keine(nullptr);
        EXPECT_EQ(SpracheDerInstallation(), 2);
    }
}

TEST(Programm, StartLaedtDieTexteDerGewaehltenSprache)
{
    testhilfe::EigeneUmgebung Umgebung;
    const auto pfOrdner = testhilfe::ProgrammordnerKopieren();
    for (const auto& [sInstall, sDatei] :
         {std::pair<std::string, std::string>{"D", "GERMAN.dat"}, {"U", "ENGLISH.dat"}}) {
        ASSERT_TRUE(bRegWertSchreiben(cRegistrySchluessel, "SpracheInstall", sInstall));
        StartVorbereiten(pfOrdner.string());
        EXPECT_EQ(SPR_GetTextSprache(), sInstall == "D" ? 1 : 2);
        const auto Texte = TexteLesen(pfOrdner / "__system/Sprachen" / sDatei);
        for (unsigned long ulNr : {1309ul, 1338ul, 1253ul, 1271ul})
            EXPECT_EQ(PoolText(ulNr), Texte.at(ulNr)) << sDatei << " " << ulNr;
    }
}

TEST(Programm, SprachdateiFehlerWerdenGemeldet)
{
    testhilfe::EigeneUmgebung Umgebung;
    const auto pfOrdner = testhilfe::ProgrammordnerKopieren();
    const auto pfSprachen = pfOrdner / "__system/Sprachen";
    // A third language whose file holds two bad lines (lines 3 and 5).
    testhilfe::DateiSchreiben(pfSprachen / "Languages.ini",
                              testhilfe::DateiLesen(pfSprachen / "Languages.ini") + "\nTESTSPRACHE=6\nLEER=3\n");
    testhilfe::DateiSchreiben(pfSprachen / "TESTSPRACHE.dat",
                              "; Test\n1309=Keine Maske{n}da\nkaputt\n1338=ED\n=ohne Nummer\n");
    testhilfe::DateiSchreiben(pfSprachen / "LEER.dat", "; nur ein Kommentar\n");
    ProgrammordnerSetzen(pfOrdner.string());
    std::string sSystem = cSystemVerzeichnis;
    SPR_DLLInitialisieren(sSystem.data());

    std::vector<TMeldung> Meldungen;
    MeldungsAntworterSetzen([&](const TMeldung& m) {
        Meldungen.push_back(m);
        return 1;
    });

    // While no file with the loader's own texts is loaded (this test's third language has none): their English form.
    EXPECT_TRUE(bSprachDateiLaden(6));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].sText, "Error found!\nCount total=2\nLast error in line 5.");
    EXPECT_EQ(PoolText(1309), "Keine Maske\nda");
    EXPECT_EQ(PoolText(1338), "ED");

    // A file without a single good line: the language before stays.
    Meldungen.clear();
    SPR_SetTextSprache(3);
    EXPECT_FALSE(bSprachDateiLaden(3));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].sText, "No lines found in the language file!");
    EXPECT_EQ(PoolText(1309), "Keine Maske\nda");
    EXPECT_EQ(SPR_GetTextSprache(), 6);

    Meldungen.clear();
    EXPECT_TRUE(bSprachDateiLaden(1));
    EXPECT_TRUE(Meldungen.empty());
    const auto Texte = TexteLesen(pfSprachen / "GERMAN.dat");
    EXPECT_EQ(PoolText(1309), Texte.at(1309)) << "loading a language replaces every text";

    // The boxes speak the language loaded when they show.
    for (const auto& [ucSprache, pcText] : {std::pair<unsigned char, const char*>{1, "Die Sprachkennung ist ungültig!"},
                                            {2, "Id of language is invalid!"}}) {
        ASSERT_TRUE(bSprachDateiLaden(ucSprache));
        Meldungen.clear();
        EXPECT_FALSE(bSprachDateiLaden(5));
        ASSERT_EQ(Meldungen.size(), 1u);
        EXPECT_EQ(Meldungen[0].sText, pcText);
        EXPECT_EQ(Meldungen[0].uTyp & 0xF0u, MB_ICONERROR);
    }
    EXPECT_EQ(PoolText(1309), TexteLesen(pfSprachen / "ENGLISH.dat").at(1309)) << "texts unchanged after an invalid id";
    MeldungsAntworterSetzen({});
}
