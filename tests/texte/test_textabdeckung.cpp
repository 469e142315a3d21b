// Every text number that the code takes from the pool must be in both
// language files, with the printf conversions its call site passes, and
// neither file may hold a line the reader refuses.
//
// Numbers are found as literals in PoolText(N), PoolTextFormat(N, "sig",
// SPR_StrS7App(N) and the other getters; code that computes a text number
// names the numbers it can reach in a marker comment next to it:
//     // Texte: 1185-1192, 1200
#include "kolv_spr2.h"
#include "PoolText.h"
#include "TextNummern.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

const std::string sStandard = "Unbekannter String/Unknown String";

fs::path Sprachordner() { return testhilfe::Quellordner() / "data" / "__system" / "Sprachen"; }

struct TSprachdatei {
    bool bGelesen = false;
    int iAnzahl = 0, iFehlerhafte = 0, iLetzteFehlerzeile = 0;
    std::map<unsigned long, std::string> texte;  // the numbers the code uses
};

// Reads the file through the library itself: what the program will see.
TSprachdatei Lesen(const std::string& sName, const std::vector<TTextVerwendung>& verwendungen)
{
    TSprachdatei d;
    std::string sPfad = (Sprachordner() / sName).string();
    d.bGelesen = SPR_bSprachenDateiEinlesen(0, sPfad.data(), &d.iAnzahl, &d.iFehlerhafte, &d.iLetzteFehlerzeile);
    for (const auto& v : verwendungen)
        if (v.ulNummer < 10000 && SPR_StrS7App(v.ulNummer) != sStandard)
            d.texte[v.ulNummer] = SPR_StrS7App(v.ulNummer);
    return d;
}

} // namespace

TEST(TextNummernSuche, FindetAufrufeUndMarkierungen)
{
    const std::string sQuelle =
        "s = PoolText(1309);\n"
        "t = PoolTextFormat( 12 , \"%s%d\", a, b);\n"
        "u = PoolTextFormat(13, pcSig, a);\n"
        "v = SPR_StrMaske(7) + SPR_StrS7App2(8u) + SPR_AppD (9);\n"
        "w = PoolText(nNr) + PoolText(n + 1) + MyPoolText(99) + SPR_StrS7C(10, 2);\n"
        "// Texte: 1185-1187, 1200\n";
    const auto v = TextVerwendungenSuchen(sQuelle, "probe.cpp");
    std::multiset<unsigned long> nummern;
    for (const auto& e : v) nummern.insert(e.ulNummer);
    EXPECT_EQ(nummern, (std::multiset<unsigned long>{1309, 12, 13, 7, 8, 9, 1185, 1186, 1187, 1200}));
    for (const auto& e : v) {
        if (e.ulNummer == 12) {
            EXPECT_TRUE(e.bMitSignatur);
            EXPECT_EQ(e.sSignatur, "%s%d");
            EXPECT_EQ(e.sOrt, "probe.cpp:2");
        } else {
            EXPECT_FALSE(e.bMitSignatur) << e.ulNummer;
        }
    }
}

TEST(TextNummernSuche, DoppelteNummern)
{
    EXPECT_EQ(DoppelteNummern("; 5=comment\n5=a\n 6 = b\n5=c\n6=d\nx7=e\n7 no\n"),
              (std::set<unsigned long>{5, 6}));
    EXPECT_TRUE(DoppelteNummern("1=a\n2=b\n").empty());
}

TEST(Textabdeckung, BeideSprachdateienDeckenDenQuelltextAb)
{
    const fs::path pfQuellen = testhilfe::Quellordner();
    const auto verwendungen =
        TextVerwendungenImBaum({pfQuellen / "host", pfQuellen / "panel", pfQuellen / "gemeinsam", pfQuellen / "language"});
    // The program takes its texts from the pool: finding none means the
    // search is broken, not that the files are complete.
    ASSERT_FALSE(verwendungen.empty());

    for (const char* pcDatei : {"GERMAN.dat", "ENGLISH.dat"}) {
        SCOPED_TRACE(pcDatei);
        const TSprachdatei d = Lesen(pcDatei, verwendungen);
        ASSERT_TRUE(d.bGelesen) << "cannot read " << pcDatei;
        EXPECT_EQ(d.iFehlerhafte, 0) << "bad line, the last one is line " << d.iLetzteFehlerzeile;
        for (unsigned long u : DoppelteNummern(testhilfe::DateiLesen(Sprachordner() / pcDatei)))
            ADD_FAILURE() << "text " << u << " is defined more than once";
        for (const auto& v : verwendungen) {
            if (v.ulNummer >= 10000) {
                ADD_FAILURE() << v.sOrt << ": text number " << v.ulNummer << " is beyond 9999";
                continue;
            }
            const auto it = d.texte.find(v.ulNummer);
            if (it == d.texte.end()) {
                ADD_FAILURE() << v.sOrt << ": text " << v.ulNummer << " is missing";
                continue;
            }
            if (v.bMitSignatur && !bKonvertierungenPassen(it->second.c_str(), v.sSignatur.c_str()))
                ADD_FAILURE() << v.sOrt << ": text " << v.ulNummer << " \"" << it->second
                              << "\" does not take \"" << v.sSignatur << "\"";
        }
    }
}
