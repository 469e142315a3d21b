// The list of installed languages and the language settings. The table
// only ever grows within a process, so each case reads its languages file
// in a helper process of its own.
#include "kolv_spr2.h"

#include "HelferAufruf.h"
#include "TestUmgebung.h"
#include "WinMeldung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A system folder (ending in '/') with Sprachen/Languages.ini and the
// given .dat files.
std::string Systemordner(const std::string& sIni, const std::vector<std::string>& dateien)
{
    const fs::path pf = testhilfe::NeuerOrdner("system");
    testhilfe::DateiSchreiben(pf / "Sprachen" / "Languages.ini", sIni);
    for (const auto& s : dateien) testhilfe::DateiSchreiben(pf / "Sprachen" / s, "1=x\n");
    return pf.string() + "/";
}

THelferAntwort Einlesen(const std::string& sOrdner, std::vector<std::string> fragen)
{
    fragen.insert(fragen.begin(), "init:" + sOrdner);
    return HelferAufrufen(fragen);
}

size_t Vorkommen(const std::string& s, const std::string& sTeil)
{
    size_t n = 0;
    for (size_t p = s.find(sTeil); p != std::string::npos; p = s.find(sTeil, p + 1)) ++n;
    return n;
}

} // namespace

TEST(Sprachen, LeerzeichenUndGrossschreibung)
{
    const std::string sOrdner =
        Systemordner("; installed\n\n  english = 2\nGERMAN=1\r\n/ other\n", {"ENGLISH.dat", "GERMAN.dat"});
    const THelferAntwort a = Einlesen(sOrdner, {"anzahl", "zeile:0", "zeile:1", "zeile:2", "zeile:255",
                                               "name:english", "name:ENGLISH", "name:ENGL", "name:GERMAN",
                                               "id:2", "id:1", "id:3", "sprachen"});
    ASSERT_EQ(a.iExitCode, 0);
    EXPECT_EQ(a.sFehlerausgabe, "");
    EXPECT_EQ(a.Wert("anzahl"), "2");
    EXPECT_EQ(a.Wert("zeile:0"), "ENGLISH");
    EXPECT_EQ(a.Wert("zeile:1"), "GERMAN");
    EXPECT_EQ(a.Wert("zeile:2"), "?");
    EXPECT_EQ(a.Wert("zeile:255"), "?");
    EXPECT_EQ(a.Wert("name:english"), "0");
    EXPECT_EQ(a.Wert("name:ENGLISH"), "2");
    EXPECT_EQ(a.Wert("name:ENGL"), "0");
    EXPECT_EQ(a.Wert("name:GERMAN"), "1");
    EXPECT_EQ(a.Wert("id:2"), "ENGLISH");
    EXPECT_EQ(a.Wert("id:1"), "GERMAN");
    EXPECT_EQ(a.Wert("id:3"), "(null)");
    EXPECT_EQ(a.Wert("sprachen"), "1,1");
}

TEST(Sprachen, GleicheNummerErsterGewinnt)
{
    const std::string sOrdner = Systemordner("ALPHA=5\nBETA=5\nGAMMA=\nDELTA=12abc\n",
                                             {"ALPHA.dat", "BETA.dat", "GAMMA.dat", "DELTA.dat"});
    const THelferAntwort a = Einlesen(sOrdner, {"id:5", "name:BETA", "id:0", "name:DELTA", "anzahl"});
    EXPECT_EQ(a.Wert("anzahl"), "4");
    EXPECT_EQ(a.Wert("id:5"), "ALPHA");
    EXPECT_EQ(a.Wert("name:BETA"), "5");
    EXPECT_EQ(a.Wert("id:0"), "GAMMA");
    EXPECT_EQ(a.Wert("name:DELTA"), "12");
}

TEST(Sprachen, FehlerMeldungen)
{
    const std::string sOrdner = Systemordner("RUSSIAN=5\nX Y Z\nGERMAN=1\n", {"GERMAN.dat"});
    const THelferAntwort a = Einlesen(sOrdner, {"anzahl", "zeile:0"});
    EXPECT_EQ(a.Wert("anzahl"), "1");
    EXPECT_EQ(a.Wert("zeile:0"), "GERMAN");
    EXPECT_NE(a.sFehlerausgabe.find("LanguageDLL: Datei " + sOrdner + "Sprachen/RUSSIAN.dat ist nicht vorhanden!"),
              std::string::npos) << a.sFehlerausgabe;
    EXPECT_NE(a.sFehlerausgabe.find("LanguageDLL: Inidatei für Sprachen: Eintrag XYZ ist fehlerhaft!"),
              std::string::npos) << a.sFehlerausgabe;

    const std::string sLeer = testhilfe::NeuerOrdner("ohne").string() + "/";
    const THelferAntwort b = Einlesen(sLeer, {"anzahl", "zeile:0"});
    EXPECT_EQ(b.Wert("anzahl"), "0");
    EXPECT_EQ(b.Wert("zeile:0"), "?");
    EXPECT_NE(b.sFehlerausgabe.find("LanguageDLL: Inidatei für Sprachenauswahl ist nicht vorhanden!"),
              std::string::npos) << b.sFehlerausgabe;
}

TEST(Sprachen, DateiMitAndererSchreibweiseUndUmlaut)
{
    const std::string sOrdner =
        Systemordner("italian=6\nspr\xC3\xA4" "che=9\n", {"italian.dat", "SPR\xC3\x84" "CHE.DAT"});
    const THelferAntwort a = Einlesen(sOrdner, {"anzahl", "id:6", "id:9"});
    EXPECT_EQ(a.sFehlerausgabe, "");
    EXPECT_EQ(a.Wert("anzahl"), "2");
    EXPECT_EQ(a.Wert("id:6"), "ITALIAN");
    EXPECT_EQ(a.Wert("id:9"), "SPR\xC3\x84" "CHE");
}

TEST(Sprachen, JederAufrufHaengtAn)
{
    const std::string sOrdner = Systemordner("GERMAN=1\nENGLISH=2\n", {"ENGLISH.dat", "GERMAN.dat"});
    const THelferAntwort a = Einlesen(sOrdner, {"init:" + sOrdner, "anzahl", "zeile:2", "id:1"});
    EXPECT_EQ(a.Wert("anzahl"), "4");
    EXPECT_EQ(a.Wert("zeile:2"), "GERMAN");
}

TEST(Sprachen, GrenzenDerTabelle)
{
    std::string sIni, sGross;
    std::vector<std::string> dateien;
    for (int i = 1; i <= 60; ++i) {
        sIni += "L" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        dateien.push_back("L" + std::to_string(i) + ".dat");
    }
    const std::string sLangerName(100, 'N');
    sIni = ";" + std::string(400, 'c') + "=\n" + sLangerName + "=70\n" + std::string(400, 'W') + "=71\n" + sIni;
    dateien.push_back(sLangerName + ".dat");
    const std::string sOrdner = Systemordner(sIni, dateien);
    const THelferAntwort a = Einlesen(sOrdner, {"anzahl", "zeile:0", "zeile:49", "zeile:50", "id:50", "id:51",
                                               "id:70", "id:71"});
    ASSERT_EQ(a.iExitCode, 0);
    EXPECT_EQ(a.Wert("anzahl"), "50");
    EXPECT_EQ(a.Wert("zeile:0"), "L1");
    EXPECT_EQ(a.Wert("zeile:49"), "L50");
    EXPECT_EQ(a.Wert("zeile:50"), "?");
    EXPECT_EQ(a.Wert("id:50"), "L50");
    EXPECT_EQ(a.Wert("id:51"), "(null)");
    EXPECT_EQ(a.Wert("id:70"), "(null)");
    EXPECT_EQ(a.Wert("id:71"), "(null)");
    // The long comment stays one comment; the long name, the cut line and
    // the ten languages beyond the table are refused with a box each.
    EXPECT_EQ(Vorkommen(a.sFehlerausgabe, "ist fehlerhaft!"), 12u) << a.sFehlerausgabe;
    EXPECT_NE(a.sFehlerausgabe.find("Eintrag L51=51 ist fehlerhaft!"), std::string::npos);
}

TEST(Sprachen, AusgelieferteSprachen)
{
    const std::string sSystem = (testhilfe::Programmordner() / "__system").string() + "/";
    const THelferAntwort a = Einlesen(sSystem, {"anzahl", "id:1", "id:2"});
    EXPECT_EQ(a.sFehlerausgabe, "");
    EXPECT_EQ(a.Wert("anzahl"), "2");
    EXPECT_EQ(a.Wert("id:1"), "GERMAN");
    EXPECT_EQ(a.Wert("id:2"), "ENGLISH");
}

TEST(Sprachen, MeldungIstFehlerboxMitErgebnis)
{
    GezeigteMeldungenLoeschen();
    MeldungsAntworterSetzen([](const TMeldung&) { return IDCANCEL; });
    char acOrdner[] = "/nonexistent/system/";
    const int iVorher = SPR_iGetAnzahlSprachen();
    EXPECT_EQ(SPR_DLLInitialisieren(acOrdner), IDCANCEL);
    MeldungsAntworterSetzen({});
    const std::vector<TMeldung> m = GezeigteMeldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].sTitel, "LanguageDLL");
    EXPECT_EQ(m[0].sText, "Inidatei für Sprachenauswahl ist nicht vorhanden!");
    EXPECT_EQ(m[0].uTyp, MB_OK | MB_ICONERROR);
    EXPECT_EQ(SPR_iGetAnzahlSprachen(), iVorher);
}

TEST(Spracheinstellungen, SetzenUndLesen)
{
    EXPECT_TRUE(SPR_SetSyntaxSprache(7));
    EXPECT_EQ(SPR_GetSyntaxSprache(), 7);
    EXPECT_TRUE(SPR_SetTextSprache(2));
    EXPECT_EQ(SPR_GetTextSprache(), 2);
    EXPECT_EQ(SPR_GetSyntaxSprache(), 7);
    SPR_SetSyntaxSprache(1);
    SPR_SetTextSprache(1);
    EXPECT_EQ(SPR_GetTextSprache(), 1);
}

TEST(Spracheinstellungen, AppNameUndLibMain)
{
    char acName[] = "Veltrano Test";
    char* pc = SPR_SetAppName(acName);
    ASSERT_NE(pc, nullptr);
    EXPECT_NE(pc, acName);  // a copy of its own
    EXPECT_STREQ(pc, "Veltrano Test");
    std::string sLang(2000, 'n');
    pc = SPR_SetAppName(sLang.data());
    EXPECT_EQ(std::string(pc), std::string(509, 'n'));
    EXPECT_EQ(LibMain(nullptr, 0, 0, nullptr), 1);
}
