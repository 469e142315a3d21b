// Text helpers: encoding repair, umlaut upper-casing, case-tolerant file
// lookup and the atomic file replacement every settings file relies on.
#include "WinText.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

TEST(WinText, Utf8PruefungErkenntUngueltigeFolgen)
{
    EXPECT_TRUE(bIstUtf8(""));
    EXPECT_TRUE(bIstUtf8("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(bIstUtf8("Gr\xFC\xDF"));            // Windows-1252
    EXPECT_FALSE(bIstUtf8("\xC0\xAF"));              // overlong '/'
    EXPECT_FALSE(bIstUtf8("\xE0\x80\xAF"));          // overlong, three bytes
    EXPECT_FALSE(bIstUtf8("\xED\xA0\x80"));          // surrogate
    EXPECT_FALSE(bIstUtf8("\xF4\x90\x80\x80"));      // past U+10FFFF
    EXPECT_FALSE(bIstUtf8("abc\xC3"));               // cut off at the end
    EXPECT_FALSE(bIstUtf8(std::string("a\xC3\0b", 4)));
}

TEST(WinText, Windows1252WirdNachUtf8Gewandelt)
{
    EXPECT_EQ(TextNachUtf8("Gr\xFC\xDF" "e"), "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_EQ(TextNachUtf8("\x80 \x84\x93\x94"), "\xE2\x82\xAC \xE2\x80\x9E\xE2\x80\x9C\xE2\x80\x9D");
    // Unused bytes of the code page become the C1 control of the same value.
    EXPECT_EQ(TextNachUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(TextNachUtf8("\xFF"), "\xC3\xBF");
    // Valid UTF-8 stays byte for byte, also text that looks like Latin-1.
    const std::string sUtf8 = "\xC3\x84pfel \xE2\x82\xAC";
    EXPECT_EQ(TextNachUtf8(sUtf8), sUtf8);
    // One invalid byte makes the whole text Windows-1252.
    EXPECT_EQ(TextNachUtf8("\xC3\x84 \xE4"), "\xC3\x83\xE2\x80\x9E \xC3\xA4");
    EXPECT_TRUE(bIstUtf8(TextNachUtf8(std::string("\x00\x8D\x9D\xA0", 4))));
}

TEST(WinText, TextdateienAusWindowsWerdenDekodiert)
{
    std::string s;
    // BOM and the DOS end mark go; CR LF stays for the line readers.
    ASSERT_TRUE(bTextDekodieren("\xEF\xBB\xBF" "a=1\r\nb=\xE4\r\n\x1A", s));
    EXPECT_EQ(s, "a=1\r\nb=\xC3\xA4\r\n");
    // UTF-16 by its mark, both byte orders, with a pair beyond the BMP.
    ASSERT_TRUE(bTextDekodieren(std::string("\xFF\xFE" "a\0\xE4\0=\0\x3D\xD8\x00\xDE\x1A\0", 14), s));
    EXPECT_EQ(s, "a\xC3\xA4=\xF0\x9F\x98\x80");
    ASSERT_TRUE(bTextDekodieren(std::string("\xFE\xFF\0a\x20\xAC", 6), s));
    EXPECT_EQ(s, "a\xE2\x82\xAC");
    // No UTF-16 at all: an odd length, an unpaired surrogate.
    EXPECT_FALSE(bTextDekodieren(std::string("\xFF\xFE" "a\0b", 5), s));
    EXPECT_FALSE(bTextDekodieren(std::string("\xFF\xFE\x00\xDC", 4), s));
    EXPECT_FALSE(bTextDekodieren(std::string("\xFF\xFE\x3D\xD8" "a\0", 6), s));
}

TEST(WinText, GrossUmlautKenntAsciiUndDeutscheUmlaute)
{
    EXPECT_EQ(GrossUmlaut("m\xC3\xA4rz \xC3\xB6l \xC3\xBC" "ber stra\xC3\x9F" "e 1a"),
              "M\xC3\x84RZ \xC3\x96L \xC3\x9C" "BER STRA\xC3\x9F" "E 1A");
    // Other letters and already upper-case text stay as they are.
    EXPECT_EQ(GrossUmlaut("caf\xC3\xA9 \xC3\x84"), "CAF\xC3\xA9 \xC3\x84");
    // A stray lead byte at the end does not read past the text.
    EXPECT_EQ(GrossUmlaut("a\xC3"), "A\xC3");
    EXPECT_TRUE(bGleichOhneGross("\xC3\xA4pfel", "\xC3\x84PFEL"));
    EXPECT_FALSE(bGleichOhneGross("apfel", "apfeln"));
}

TEST(WinText, DateiSucheExaktDannOhneGrossKlein)
{
    const fs::path pf = testhilfe::NeuerOrdner("suche");
    fs::create_directories(pf / "Sprachen");
    testhilfe::DateiSchreiben(pf / "Sprachen" / "GERMAN.dat", "x");
    testhilfe::DateiSchreiben(pf / "bild.BMP", "b");
    testhilfe::DateiSchreiben(pf / "a.txt", "1");
    testhilfe::DateiSchreiben(pf / "A.TXT", "2");
    const std::string sOrdner = pf.string();

    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, "bild.BMP"), sOrdner + "/bild.BMP");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner + "/", "BILD.bmp"), sOrdner + "/bild.BMP");
    // The exact name wins over a name that differs only in case.
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, "A.TXT"), sOrdner + "/A.TXT");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, "a.txt"), sOrdner + "/a.txt");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, "sprachen/german.DAT"),
              sOrdner + "/Sprachen/GERMAN.dat");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, "fehlt.bmp"), "");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner + "/nichtda", "bild.bmp"), "");
    EXPECT_EQ(DateiImOrdnerSuchen(sOrdner, ""), "");
}

// A name that no lookup found shows in the code page in which every byte
// above 127 is a letter; Windows-1252 where both or neither read so.
TEST(WinText, NameOhneLesartWirdInDerBuchstabenLesartGezeigt)
{
    EXPECT_EQ(NameAlsUtf8("F\x94rderanlage S\x81" "d"), "Förderanlage Süd");   // code page 850
    EXPECT_EQ(NameAlsUtf8("F\xF6rderanlage S\xFC" "d"), "Förderanlage Süd");   // Windows-1252
    EXPECT_EQ(NameAlsUtf8("Caf\xE9 \xE4"), "Café ä");   // both read letters ("CafÚ õ" in 850)
    EXPECT_EQ(NameAlsUtf8("Preis \x80 \xB0"), "Preis € °");                    // neither
    EXPECT_EQ(NameAlsUtf8("schon UTF-8 ü"), "schon UTF-8 ü");
}

TEST(WinText, AtomaresSchreibenErsetztGanzOderGarNicht)
{
    const fs::path pf = testhilfe::NeuerOrdner("atomar");
    const std::string sDatei = (pf / "daten.ini").string();
    const std::string sBinaer("a\0b\nc", 5);
    ASSERT_TRUE(bDateiAtomarSchreiben(sDatei, sBinaer));
    std::string sGelesen;
    ASSERT_TRUE(bDateiLesen(sDatei, sGelesen));
    EXPECT_EQ(sGelesen, sBinaer);

    // Replacing keeps the permissions of the old file.
    ::chmod(sDatei.c_str(), 0640);
    ASSERT_TRUE(bDateiAtomarSchreiben(sDatei, "neu"));
    struct stat st;
    ASSERT_EQ(::stat(sDatei.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), "neu");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(pf), fs::directory_iterator()), 1);

    EXPECT_FALSE(bDateiAtomarSchreiben((pf / "fehlt" / "x.ini").string(), "x"));
    EXPECT_FALSE(bDateiAtomarSchreiben(pf.string() + "/", "x"));
    EXPECT_FALSE(bDateiLesen((pf / "fehlt.ini").string(), sGelesen));
    EXPECT_FALSE(bDateiLesen(pf.string(), sGelesen));
}

TEST(WinText, SchreibgeschuetzterOrdnerLaesstAlteDateiStehen)
{
    const fs::path pf = testhilfe::NeuerOrdner("nurlesen");
    const std::string sDatei = (pf / "wert.txt").string();
    ASSERT_TRUE(bDateiAtomarSchreiben(sDatei, "alt"));
    const int iErgebnis = testhilfe::iImNurLeseOrdner(pf, [&] {
        return bDateiAtomarSchreiben(sDatei, "neu") ? 1 : 0;
    });
    if (iErgebnis == testhilfe::iNamensraumVerweigert)
        GTEST_SKIP() << "no private mount namespace here for a read-only folder";
    EXPECT_EQ(iErgebnis, 0) << "the write into the read-only folder reported success";
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(pf), fs::directory_iterator()), 1);
}

TEST(WinText, SchreibgeschuetzteDateiWirdNichtErsetzt)
{
    // The rename would replace it (for root even without any write bit);
    // a file the user made read-only stays as it is.
    const fs::path pf = testhilfe::NeuerOrdner("nurlesedatei");
    const std::string sDatei = (pf / "Anlage.maske_ini").string();
    ASSERT_TRUE(bDateiAtomarSchreiben(sDatei, "alt"));
    ::chmod(sDatei.c_str(), 0444);
    EXPECT_FALSE(bDateiAtomarSchreiben(sDatei, "neu"));
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(pf), fs::directory_iterator()), 1);
    ::chmod(sDatei.c_str(), 0644);
    EXPECT_TRUE(bDateiAtomarSchreiben(sDatei, "neu"));
}

TEST(WinText, AbgebrochenesSchreibenLaesstAltOderNeuUndAufraeumbareReste)
{
    // A writer killed at any moment leaves the old or the new file whole.
    const fs::path pf = testhilfe::NeuerOrdner("abbruch");
    const std::string sDatei = (pf / "gross.maske_ini").string();
    const std::string sA(433 * 1024, 'a'), sB(433 * 1024 + 7, 'b');
    ASSERT_TRUE(bDateiAtomarSchreiben(sDatei, sA));
    std::srand(12345);
    for (int i = 0; i < 40; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int k = 0;; ++k) bDateiAtomarSchreiben(sDatei, k % 2 ? sA : sB);
        }
        ::usleep(static_cast<useconds_t>(2000 + std::rand() % 30000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string s = testhilfe::DateiLesen(sDatei);
        ASSERT_TRUE(s == sA || s == sB) << "run " << i << ": " << s.size() << " bytes";
    }
    // What the killed writers left is cleared by the owner's next save,
    // and nothing else in the folder is touched.
    testhilfe::DateiSchreiben(pf / ".gross.maske_ini.tmpABCDEF", "rest");
    testhilfe::DateiSchreiben(pf / ".andere.maske_ini.tmpABCDEF", "fremd");
    testhilfe::DateiSchreiben(pf / ".gross.maske_ini.tmpABCDEFG", "anders");
    VerwaisteTempDateienEntfernen(sDatei);
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(pf)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{".andere.maske_ini.tmpABCDEF",
                                               ".gross.maske_ini.tmpABCDEFG", "gross.maske_ini"}));
}

TEST(WinText, TextdateiWirdZeilenweiseGelesen)
{
    // One line saved in Windows-1252 must not make the UTF-8 lines around
    // it read as Windows-1252 too.
    EXPECT_EQ(TextdateiNachUtf8("F\xC3\xB6rderband\r\nK\xF6ln\nPr\xC3\xBC" "fung"),
              "F\xC3\xB6rderband\r\nK\xC3\xB6ln\nPr\xC3\xBC" "fung");
    EXPECT_EQ(TextdateiNachUtf8("\xC3\n\xC3\x84"), "\xC3\x83\n\xC3\x84");
    const fs::path pf = testhilfe::NeuerOrdner("zeilenweise");
    testhilfe::DateiSchreiben(pf / "t.txt", "a\xE4\n\xC3\xA4");
    std::string s;
    ASSERT_TRUE(bTextDateiLesen((pf / "t.txt").string(), s));
    EXPECT_EQ(s, "a\xC3\xA4\n\xC3\xA4");
    EXPECT_FALSE(bTextDateiLesen((pf / "fehlt.txt").string(), s));
}
