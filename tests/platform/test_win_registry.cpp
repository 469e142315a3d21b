// Registry string values in files: where keys live, case rules, escapes,
// sub keys beside values and the untouched output on a miss.
#include "WinRegistry.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
const std::string kVeltrano = "Software\\Harlenz-Software\\Veltrano";
}

TEST(WinRegistry, WertUeberlebtInDerDateiDesSchluessels)
{
    testhilfe::EigeneUmgebung umgebung;
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "UserDir", "/home/u/Projekte/"));
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "Sprache", "D"));
    const fs::path pfDatei = umgebung.Wurzel() / "config" / "Harlenz-Software" / "Veltrano";
    EXPECT_TRUE(fs::is_regular_file(pfDatei));
    EXPECT_EQ(RegSchluesselDatei(kVeltrano), pfDatei.string());
    EXPECT_EQ(testhilfe::DateiLesen(pfDatei), "UserDir=/home/u/Projekte/\nSprache=D\n");

    std::string sWert;
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "UserDir", sWert));
    EXPECT_EQ(sWert, "/home/u/Projekte/");
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "UserDir", "/anders/"));
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "UserDir", sWert));
    EXPECT_EQ(sWert, "/anders/");
    // Overwriting keeps the order of the values.
    EXPECT_EQ(testhilfe::DateiLesen(pfDatei), "UserDir=/anders/\nSprache=D\n");
    // Only the key file is in the folder: no temporary leftovers.
    EXPECT_EQ(std::distance(fs::directory_iterator(pfDatei.parent_path()),
                            fs::directory_iterator()), 1);
}

TEST(WinRegistry, FehlendesLaesstDenWertUnberuehrt)
{
    testhilfe::EigeneUmgebung umgebung;
    std::string sWert = "vorher";
    EXPECT_FALSE(bRegWertLesen(kVeltrano, "UserDir", sWert));
    EXPECT_FALSE(bRegSchluesselVorhanden(kVeltrano));
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "Sprache", "U"));
    EXPECT_TRUE(bRegSchluesselVorhanden(kVeltrano));
    EXPECT_FALSE(bRegWertLesen(kVeltrano, "UserDir", sWert));
    EXPECT_EQ(sWert, "vorher");
    EXPECT_FALSE(bRegWertLoeschen(kVeltrano, "UserDir"));
    EXPECT_FALSE(bRegWertLoeschen("Software\\Harlenz-Software\\Fehlt", "x"));
}

TEST(WinRegistry, SchluesselUndNamenOhneGrossKlein)
{
    testhilfe::EigeneUmgebung umgebung;
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "LetzteMaskeLaden", "1"));
    std::string sWert;
    ASSERT_TRUE(bRegWertLesen("SOFTWARE\\harlenz-software\\VELTRANO", "letztemaskeladen", sWert));
    EXPECT_EQ(sWert, "1");
    // A write in other letter case changes the same value and keeps the
    // name's first spelling, as Windows does.
    ASSERT_TRUE(bRegWertSchreiben("software\\HARLENZ-SOFTWARE\\veltrano", "LETZTEMASKELADEN", "0"));
    const fs::path pfOrdner = umgebung.Wurzel() / "config" / "Harlenz-Software";
    EXPECT_EQ(std::distance(fs::directory_iterator(pfOrdner), fs::directory_iterator()), 1);
    EXPECT_EQ(testhilfe::DateiLesen(pfOrdner / "Veltrano"), "LetzteMaskeLaden=0\n");
    // Umlauts in names compare ignoring case too.
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "Gr\xC3\xB6\xC3\x9F" "e", "5"));
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "GR\xC3\x96\xC3\x9F" "E", sWert));
    EXPECT_EQ(sWert, "5");
}

TEST(WinRegistry, SonderzeichenKommenUnveraendertZurueck)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::string sName = "a=b\\c";
    const std::string sWert = "Zeile 1\nZeile 2\r\n\\server\\pfad = x ==";
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, sName, sWert));
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "", "Vorgabewert"));
    std::string sGelesen;
    ASSERT_TRUE(bRegWertLesen(kVeltrano, sName, sGelesen));
    EXPECT_EQ(sGelesen, sWert);
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "", sGelesen));
    EXPECT_EQ(sGelesen, "Vorgabewert");
    // One line per value, however many line ends the values hold.
    const std::string sDatei = testhilfe::DateiLesen(RegSchluesselDatei(kVeltrano));
    EXPECT_EQ(std::count(sDatei.begin(), sDatei.end(), '\n'), 2);
    // A file edited by hand with Windows line ends reads the same.
    testhilfe::DateiSchreiben(RegSchluesselDatei(kVeltrano), "HelpFile=/x/y.htm\r\nZahl=7\r\n");
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "HelpFile", sGelesen));
    EXPECT_EQ(sGelesen, "/x/y.htm");
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "Zahl", sGelesen));
    EXPECT_EQ(sGelesen, "7");
}

TEST(WinRegistry, UnterschluesselNebenWertenDesSchluessels)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::string sUnter = kVeltrano + "\\Fenster\\Haupt";
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "Sprache", "D"));
    ASSERT_TRUE(bRegWertSchreiben(sUnter, "Links", "10"));
    std::string sWert;
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "Sprache", sWert));
    EXPECT_EQ(sWert, "D");
    ASSERT_TRUE(bRegWertLesen(sUnter, "Links", sWert));
    EXPECT_EQ(sWert, "10");
    // The middle key has no values of its own but exists.
    EXPECT_TRUE(bRegSchluesselVorhanden(kVeltrano + "\\Fenster"));
    EXPECT_FALSE(bRegWertLesen(kVeltrano + "\\Fenster", "Links", sWert));
    EXPECT_FALSE(bRegSchluesselVorhanden(kVeltrano + "\\Anderes"));
    // Keys of the other programs are files of their own.
    ASSERT_TRUE(bRegWertSchreiben("Software\\Harlenz-Software\\HARLENZ-HELP", "HelpFile", "x"));
    EXPECT_TRUE(fs::is_regular_file(umgebung.Wurzel() / "config" / "Harlenz-Software" /
                                    "HARLENZ-HELP"));
}

TEST(WinRegistry, LoeschenEntferntNurDenEinenWert)
{
    testhilfe::EigeneUmgebung umgebung;
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "A", "1"));
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "B", "2"));
    ASSERT_TRUE(bRegWertLoeschen(kVeltrano, "a"));
    std::string sWert;
    EXPECT_FALSE(bRegWertLesen(kVeltrano, "A", sWert));
    ASSERT_TRUE(bRegWertLesen(kVeltrano, "B", sWert));
    EXPECT_EQ(sWert, "2");
    ASSERT_TRUE(bRegWertLoeschen(kVeltrano, "B"));
    // The key stays, empty, as on Windows.
    EXPECT_TRUE(bRegSchluesselVorhanden(kVeltrano));
}

TEST(WinRegistry, OhneXdgKonfigUnterHomeUndUnsinnigeSchluessel)
{
    testhilfe::EigeneUmgebung umgebung;
    ::unsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(bRegWertSchreiben(kVeltrano, "X", "1"));
    EXPECT_TRUE(fs::is_regular_file(umgebung.Wurzel() / "home" / ".config" / "Harlenz-Software" /
                                    "Veltrano"));
    EXPECT_FALSE(bRegWertSchreiben("", "X", "1"));
    EXPECT_FALSE(bRegWertSchreiben("\\\\", "X", "1"));
    EXPECT_FALSE(bRegWertSchreiben("Software\\..\\..\\etc", "X", "1"));
    EXPECT_FALSE(fs::exists(umgebung.Wurzel() / "home" / "etc"));
}

TEST(WinRegistry, SchluesselAnlegenBehaeltWerte)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::string sSchluessel = "Software\\Harlenz-Software\\HARLENZ-D7ED-TCP-IP";
    EXPECT_FALSE(bRegSchluesselVorhanden(sSchluessel));
    ASSERT_TRUE(bRegSchluesselAnlegen(sSchluessel));
    EXPECT_TRUE(bRegSchluesselVorhanden(sSchluessel));
    std::string sWert;
    EXPECT_FALSE(bRegWertLesen(sSchluessel, "D7ED_NetworkAdapter", sWert));
    ASSERT_TRUE(bRegWertSchreiben(sSchluessel, "D7ED_NetworkAdapter", "eth0"));
    ASSERT_TRUE(bRegSchluesselAnlegen(sSchluessel));
    ASSERT_TRUE(bRegWertLesen(sSchluessel, "D7ED_NetworkAdapter", sWert));
    EXPECT_EQ(sWert, "eth0");
}

TEST(WinRegistry, SchluesselAufPunktDBlockiertKeineUnterschluessel)
{
    testhilfe::EigeneUmgebung umgebung;
    const fs::path pfBasis = umgebung.Wurzel() / "config" / "Harlenz-Software";
    std::string sWert;
    // A key named "b.d" must not take the folder that holds b's sub keys.
    ASSERT_TRUE(bRegWertSchreiben("A\\b.d", "x", "1"));
    ASSERT_TRUE(bRegWertSchreiben("A\\b\\c", "y", "2"));
    ASSERT_TRUE(bRegWertSchreiben("A\\b%", "z", "3"));
    ASSERT_TRUE(bRegWertLesen("A\\b.d", "x", sWert));
    EXPECT_EQ(sWert, "1");
    ASSERT_TRUE(bRegWertLesen("A\\b\\c", "y", sWert));
    EXPECT_EQ(sWert, "2");
    ASSERT_TRUE(bRegWertLesen("A\\b%", "z", sWert));
    EXPECT_EQ(sWert, "3");
    EXPECT_TRUE(bRegSchluesselVorhanden("A\\b"));
    // "b.d%" is the stored name of "b.d": the key "b.d%" gets a file of its own.
    ASSERT_TRUE(bRegWertSchreiben("A\\b.d%", "w", "4"));
    ASSERT_TRUE(bRegWertLesen("A\\b.d", "x", sWert));
    EXPECT_EQ(sWert, "1");

    // Files an earlier build wrote under the bare name are still read, and
    // a key file in the way of a sub-key folder moves aside when written.
    fs::create_directories(pfBasis / "Alt.d");
    testhilfe::DateiSchreiben(pfBasis / "Alt.d" / "q.d", "v=alt\n");
    ASSERT_TRUE(bRegWertLesen("Alt\\q.d", "v", sWert));
    EXPECT_EQ(sWert, "alt");
    ASSERT_TRUE(bRegWertSchreiben("Alt\\q\\r", "w", "neu"));
    ASSERT_TRUE(bRegWertLesen("Alt\\q\\r", "w", sWert));
    EXPECT_EQ(sWert, "neu");
    ASSERT_TRUE(bRegWertLesen("Alt\\q.d", "v", sWert));
    EXPECT_EQ(sWert, "alt");
}
