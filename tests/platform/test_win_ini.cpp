// Ini files with the Windows rules: matching ignoring case, raw values,
// other lines kept as they are, sections and files made on write.
#include "WinIni.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string NeueIni(const std::string& sInhalt)
{
    const fs::path pf = testhilfe::NeuerOrdner("ini") / "Veltrano.ini";
    testhilfe::DateiSchreiben(pf, sInhalt);
    return pf.string();
}

const char* const kBeispiel =
    "; Einstellungen\r\n"
    "[Allgemein]\r\n"
    "  Sprache =  D  \r\n"
    "Pfad=\"C:\\x y\",2\r\n"
    "Formel=a=b=c\r\n"
    "; Sprache=E\r\n"
    "\r\n"
    "[Fenster]\r\n"
    "Links=10\r\n";

} // namespace

TEST(WinIni, LesenNachDenWindowsRegeln)
{
    const std::string sIni = NeueIni(kBeispiel);
    EXPECT_EQ(ProfilStringLesen(sIni, "allgemein", "SPRACHE", "?"), "D");
    // Values raw: quotes and commas stay, only blanks around are trimmed.
    EXPECT_EQ(ProfilStringLesen(sIni, "Allgemein", "Pfad", "?"), "\"C:\\x y\",2");
    EXPECT_EQ(ProfilStringLesen(sIni, "Allgemein", "Formel", "?"), "a=b=c");
    EXPECT_EQ(ProfilStringLesen(sIni, "FENSTER", "links", "?"), "10");
    // A key of another section or a commented key is not found.
    EXPECT_EQ(ProfilStringLesen(sIni, "Fenster", "Sprache", "vorgabe"), "vorgabe");
    EXPECT_EQ(ProfilStringLesen(sIni, "Fehlt", "Links", "v"), "v");
    EXPECT_EQ(ProfilStringLesen(sIni + ".fehlt", "Allgemein", "Sprache", "v"), "v");
}

TEST(WinIni, AbschnitteUndPaareInDateiReihenfolge)
{
    const std::string sIni = NeueIni(kBeispiel);
    EXPECT_EQ(ProfilAbschnitteLesen(sIni), (std::vector<std::string>{"Allgemein", "Fenster"}));
    const auto paare = ProfilAbschnittLesen(sIni, "ALLGEMEIN");
    ASSERT_EQ(paare.size(), 3u);
    EXPECT_EQ(paare[0], std::make_pair(std::string("Sprache"), std::string("D")));
    EXPECT_EQ(paare[1].first, "Pfad");
    EXPECT_EQ(paare[2], std::make_pair(std::string("Formel"), std::string("a=b=c")));
    EXPECT_TRUE(ProfilAbschnittLesen(sIni, "Fehlt").empty());
}

TEST(WinIni, SchreibenLaesstAndereZeilenStehen)
{
    const std::string sIni = NeueIni(kBeispiel);
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "ALLGEMEIN", "sprache", "E"));
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "Allgemein", "Neu", " mit Rand "));
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "Fenster", "Oben", "5"));
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "Extra", "Eins", "1"));
    // The changed key keeps its spelling; the new key goes after the last
    // entry of its section, before the blank line; comments stay.
    EXPECT_EQ(testhilfe::DateiLesen(sIni),
              "; Einstellungen\n"
              "[Allgemein]\n"
              "Sprache=E\n"
              "Pfad=\"C:\\x y\",2\n"
              "Formel=a=b=c\n"
              "; Sprache=E\n"
              "Neu= mit Rand \n"
              "\n"
              "[Fenster]\n"
              "Links=10\n"
              "Oben=5\n"
              "[Extra]\n"
              "Eins=1\n");
    EXPECT_EQ(ProfilStringLesen(sIni, "Allgemein", "Neu", "?"), "mit Rand");
}

TEST(WinIni, DateiUndAbschnittEntstehenBeimSchreiben)
{
    const fs::path pf = testhilfe::NeuerOrdner("ini-neu") / "IPADR.DAT";
    ASSERT_TRUE(bProfilStringSchreiben(pf.string(), "Default", "Default", "0"));
    EXPECT_EQ(testhilfe::DateiLesen(pf), "[Default]\nDefault=0\n");
    // A file without a final line end gets one before the new section.
    testhilfe::DateiSchreiben(pf, "[A]\nx=1");
    ASSERT_TRUE(bProfilStringSchreiben(pf.string(), "B", "y", "2"));
    EXPECT_EQ(testhilfe::DateiLesen(pf), "[A]\nx=1\n[B]\ny=2\n");
    EXPECT_FALSE(bProfilStringSchreiben((pf.parent_path() / "fehlt" / "a.ini").string(), "A", "b", "c"));
}

TEST(WinIni, DoppelteUndUngueltigeEingaben)
{
    const std::string sIni = NeueIni("[A]\nk=1\nK=2\n[a]\nk=3\n");
    // The first occurrence of a section and of a key counts, for reading
    // and writing alike.
    EXPECT_EQ(ProfilStringLesen(sIni, "A", "k", "?"), "1");
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "a", "K", "9"));
    EXPECT_EQ(testhilfe::DateiLesen(sIni), "[A]\nk=9\nK=2\n[a]\nk=3\n");
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "", "k", "1"));
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "A", " ", "1"));
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "A", "a=b", "1"));
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "A]x", "k", "1"));
    // A line end in a value would split the line: the value is cut there.
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "A", "k", "oben\n[B]\nb=1"));
    EXPECT_EQ(ProfilStringLesen(sIni, "A", "k", "?"), "oben");
    EXPECT_EQ(ProfilAbschnitteLesen(sIni).size(), 2u);
}

TEST(WinIni, WindowsKodierungUndByteOrderMark)
{
    const std::string sIni = NeueIni("[Texte]\nName=M\xFC" "ller\n");
    EXPECT_EQ(ProfilStringLesen(sIni, "Texte", "Name", "?"), "M\xC3\xBCller");
    ASSERT_TRUE(bProfilStringSchreiben(sIni, "Texte", "Ort", "K\xC3\xB6ln"));
    // The file is UTF-8 throughout after the write.
    EXPECT_EQ(testhilfe::DateiLesen(sIni), "[Texte]\nName=M\xC3\xBCller\nOrt=K\xC3\xB6ln\n");

    const std::string sBom = NeueIni("\xEF\xBB\xBF[Erster]\nA=1\n");
    EXPECT_EQ(ProfilStringLesen(sBom, "Erster", "A", "?"), "1");
    ASSERT_TRUE(bProfilStringSchreiben(sBom, "Erster", "A", "2"));
    EXPECT_EQ(testhilfe::DateiLesen(sBom), "\xEF\xBB\xBF[Erster]\nA=2\n");

    // A control byte (UTF-16 without its mark), even after "]", opens no section for reader or writer: unreadable.
    const std::string sSteuer = NeueIni("[A]\x01\nk=1\n[A]\nk=2\n");
    EXPECT_EQ(ProfilStringLesen(sSteuer, "A", "k", "?"), "2");
    ASSERT_TRUE(bProfilStringSchreiben(sSteuer, "A", "k", "3"));
    EXPECT_EQ(testhilfe::DateiLesen(sSteuer), "[A]\x01\nk=1\n[A]\nk=3\n");
    EXPECT_FALSE(bProfilStringSchreiben(sSteuer, "B\x02", "k", "1"));
}

TEST(WinIni, NamenMitRandLeerzeichenWieBeimSchreiben)
{
    // The writer trims section and key names; the reader must find what it
    // wrote under the same untrimmed names.
    const std::string sIni = NeueIni("");
    ASSERT_TRUE(bProfilStringSchreiben(sIni, " B ", " k ", "1"));
    EXPECT_EQ(testhilfe::DateiLesen(sIni), "[B]\nk=1\n");
    EXPECT_EQ(ProfilStringLesen(sIni, " B ", " k ", "?"), "1");
    EXPECT_EQ(ProfilAbschnittLesen(sIni, "\tB ").size(), 1u);
    // Keys the reader would take for a comment or a section head are refused.
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "B", ";k", "1"));
    EXPECT_FALSE(bProfilStringSchreiben(sIni, "B", " [k]", "1"));
}
