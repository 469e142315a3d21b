// The text pool as a program sees it: reading a language's text file into
// the shared block, the getters, and a second process attaching to the block.
#include "kolv_spr2.h"

#include "HelferAufruf.h"
#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string sStandard = "Unbekannter String/Unknown String";

struct TErgebnis {
    bool bOk = false;
    int iAnzahl = -1, iFehlerhafte = -1, iLetzte = -1;
};

TErgebnis Einlesen(const std::filesystem::path& pfDatei)
{
    TErgebnis e;
    std::string sPfad = pfDatei.string();
    e.bOk = SPR_bSprachenDateiEinlesen(0, sPfad.data(), &e.iAnzahl, &e.iFehlerhafte, &e.iLetzte);
    return e;
}

std::filesystem::path Textdatei(const std::string& sName, const std::string& sInhalt)
{
    const auto pf = testhilfe::NeuerOrdner("texte") / sName;
    testhilfe::DateiSchreiben(pf, sInhalt);
    return pf;
}

TErgebnis InhaltEinlesen(const std::string& sInhalt)
{
    return Einlesen(Textdatei("TEST.dat", sInhalt));
}

} // namespace

TEST(Textpool, LeerzeichenVorUndNachDerNummer)
{
    const TErgebnis e = InhaltEinlesen("1307 = Text\n   42=Zweiundvierzig\n7=abc   \n8=def   ");
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 4);
    EXPECT_EQ(e.iFehlerhafte, 0);
    EXPECT_STREQ(SPR_StrS7App(1307), " Text");
    EXPECT_STREQ(SPR_StrS7App(42), "Zweiundvierzig");
    // Blanks before a line feed stay; blanks at the end of the file go.
    EXPECT_STREQ(SPR_StrS7App(7), "abc   ");
    EXPECT_STREQ(SPR_StrS7App(8), "def");
}

TEST(Textpool, EscapesUndLetzterZeilenumbruch)
{
    const TErgebnis e = InhaltEinlesen(
        "5=a{n}b{t}c\n6=Ende{n}\n9=x{n}{n}\n10=cr{r}lf\n11=a=b {q} {N}\n12=\t tab \n");
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 6);
    EXPECT_STREQ(SPR_StrS7App(5), "a\nb\tc");
    EXPECT_STREQ(SPR_StrS7App(6), "Ende");
    EXPECT_STREQ(SPR_StrS7App(9), "x\n");
    EXPECT_STREQ(SPR_StrS7App(10), "cr\rlf");
    EXPECT_STREQ(SPR_StrS7App(11), "a=b {q} {N}");
    EXPECT_STREQ(SPR_StrS7App(12), "\t tab ");
}

TEST(Textpool, FehlerhafteZeilenZaehlenKommentareMit)
{
    const TErgebnis e = InhaltEinlesen(
        "; comment\n"        // 1
        "10=ok\n"            // 2
        "Abc=1\n"            // 3 letter first
        "/ comment\n"        // 4
        "11 no equals\n"     // 5
        "\n"                 // 6
        "12000=too big\n"    // 7
        "=5\n"               // 8 no number
        "13=ok\n"            // 9
        "   \n");            // 10
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 2);
    EXPECT_EQ(e.iFehlerhafte, 4);
    EXPECT_EQ(e.iLetzte, 8);
    EXPECT_STREQ(SPR_StrS7App(10), "ok");
    EXPECT_STREQ(SPR_StrS7App(13), "ok");
    EXPECT_EQ(SPR_StrS7App(11), sStandard);
}

TEST(Textpool, LetzteFehlerzeileBleibtOhneFehler)
{
    int a = 0, f = 5, l = 77;
    std::string sPfad = Textdatei("OK.dat", "1=eins\n").string();
    ASSERT_TRUE(SPR_bSprachenDateiEinlesen(0, sPfad.data(), &a, &f, &l));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(f, 0);
    EXPECT_EQ(l, 77);  // only a bad line sets it
}

TEST(Textpool, NeuesEinlesenErsetztAlles)
{
    ASSERT_TRUE(InhaltEinlesen("1=eins\n2=zwei\n").bOk);
    ASSERT_STREQ(SPR_StrS7App(1), "eins");
    ASSERT_TRUE(InhaltEinlesen("2=two\n").bOk);
    EXPECT_EQ(SPR_StrS7App(1), sStandard);
    EXPECT_STREQ(SPR_StrS7App(2), "two");
}

TEST(Textpool, FehlendeDateiLaesstPoolUnveraendert)
{
    ASSERT_TRUE(InhaltEinlesen("3=drei\n").bOk);
    int a = 9, f = 9, l = 9;
    char acPfad[] = "/nonexistent/folder/MISSING.dat";
    EXPECT_FALSE(SPR_bSprachenDateiEinlesen(0, acPfad, &a, &f, &l));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(f, 0);
    EXPECT_STREQ(SPR_StrS7App(3), "drei");
    EXPECT_FALSE(SPR_bSprachenDateiEinlesen(0, nullptr, &a, &f, &l));
    EXPECT_STREQ(SPR_StrS7App(3), "drei");
}

TEST(Textpool, SechsGetterUndUngueltigeNummer)
{
    ASSERT_TRUE(InhaltEinlesen("9999=last\n0=first\n").bOk);
    for (unsigned long u : {0ul, 9999ul, 4711ul}) {
        const char* pc = SPR_StrS7App(u);
        EXPECT_EQ(SPR_StrS7C(u), pc);
        EXPECT_EQ(SPR_StrMPI(u), pc);
        EXPECT_EQ(SPR_StrMaske(u), pc);
        EXPECT_EQ(SPR_AppD(u), pc);
        EXPECT_EQ(SPR_StrS7App2(u), pc);
    }
    EXPECT_STREQ(SPR_StrS7App(9999), "last");
    EXPECT_STREQ(SPR_StrS7App(0), "first");
    EXPECT_STREQ(SPR_StrS7App(10000), "Index (10000) for string invalid!");
    EXPECT_STREQ(SPR_StrMaske(123456), "Index (123456) for string invalid!");
    EXPECT_EQ(std::string(SPR_AppD(~0ul)), "Index (" + std::to_string(~0ul) + ") for string invalid!");
}

TEST(Textpool, WindowsDateien)
{
    // CRLF lines, a byte order mark, and a file in Windows-1252.
    TErgebnis e = InhaltEinlesen("\xEF\xBB\xBF" "1=eins\r\n2=zwei{n}\r\n; c\r\n3=Gr\xC3\xBC\xC3\x9F" "e\r\n");
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 3);
    EXPECT_EQ(e.iFehlerhafte, 0);
    EXPECT_STREQ(SPR_StrS7App(1), "eins");
    EXPECT_STREQ(SPR_StrS7App(2), "zwei");
    EXPECT_STREQ(SPR_StrS7App(3), "Gr\xC3\xBC\xC3\x9F" "e");
    e = InhaltEinlesen("4=Gr\xFC\xDF" "e\n5=\xC4nderung\n");
    ASSERT_TRUE(e.bOk);
    EXPECT_STREQ(SPR_StrS7App(4), "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_STREQ(SPR_StrS7App(5), "\xC3\x84nderung");
}

TEST(Textpool, DateinameOhneGrossKlein)
{
    const auto pf = Textdatei("english.dat", "1=one\n");
    const TErgebnis e = Einlesen(pf.parent_path() / "ENGLISH.DAT");
    ASSERT_TRUE(e.bOk);
    EXPECT_STREQ(SPR_StrS7App(1), "one");
    // The exact name wins over one that differs in case only.
    testhilfe::DateiSchreiben(pf.parent_path() / "ENGLISH.DAT", "1=exact\n");
    ASSERT_TRUE(Einlesen(pf.parent_path() / "ENGLISH.DAT").bOk);
    EXPECT_STREQ(SPR_StrS7App(1), "exact");
}

TEST(Textpool, LangeZeileWirdInStueckenGelesen)
{
    // 999 bytes per piece: "30=" and 996 characters, then the rest of the
    // line as a line of its own (no number: a bad line).
    const std::string sLang(1500, 'x');
    const TErgebnis e = InhaltEinlesen("30=" + sLang + "\n31=ok\n");
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 2);
    EXPECT_EQ(e.iFehlerhafte, 1);
    EXPECT_EQ(e.iLetzte, 2);
    EXPECT_EQ(std::strlen(SPR_StrS7App(30)), 996u);
    EXPECT_STREQ(SPR_StrS7App(31), "ok");
}

TEST(Textpool, LangeUtf8ZeileWirdNichtImZeichenGeteilt)
{
    // "32=" and 'a' put a two-byte character across the 999th byte.
    std::string sText = "a";
    while (sText.size() < 1200) sText += "\xC3\xA4";
    const TErgebnis e = InhaltEinlesen("32=" + sText + "\n");
    ASSERT_TRUE(e.bOk);
    const std::string s = SPR_StrS7App(32);
    EXPECT_EQ(s.size(), 995u);  // the piece ends before the split character
    EXPECT_EQ(s.substr(s.size() - 2), "\xC3\xA4");
}

// 567 texts of 900 characters and one of 132 fill the heap to 511000
// bytes (each text with its NUL). A further text of L characters is taken
// only while 511000 + L + 100 stays below the index at 512000; the first
// one refused ends the reading, the rest of the file is not read.
TEST(Textpool, VollerHeapBeendetDasLesen)
{
    std::string sFuellung;
    for (int i = 1; i <= 567; ++i) sFuellung += std::to_string(i) + "=" + std::string(900, 'a' + i % 26) + "\n";
    sFuellung += "568=" + std::string(132, 'f') + "\n";
    auto lesen = [&](size_t nLetzter) {
        return InhaltEinlesen(sFuellung + "569=" + std::string(nLetzter, 'z') + "\n570=x\nnot a text line\n");
    };
    TErgebnis e = lesen(899);   // ends at 511999: taken
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 569);
    EXPECT_EQ(std::strlen(SPR_StrS7App(569)), 899u);
    EXPECT_EQ(SPR_StrS7App(570), sStandard);
    EXPECT_EQ(e.iFehlerhafte, 0);

    e = lesen(900);             // would end at 512000: refused
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 568);
    EXPECT_EQ(std::strlen(SPR_StrS7App(568)), 132u);
    EXPECT_EQ(SPR_StrS7App(569), sStandard);
    EXPECT_EQ(e.iFehlerhafte, 0);
}

TEST(Textpool, ZweiterProzessSiehtDieTexte)
{
    ASSERT_TRUE(InhaltEinlesen("100=hundert{t}100\n101=erst\n101=dann\n102=a{n}b\n").bOk);
    const THelferAntwort a = HelferAufrufen({"text:100", "text:101", "text:102", "text:103", "standard"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("100"), "hundert{t}100");
    EXPECT_EQ(a.Wert("101"), "dann");  // the later record wins there as well
    EXPECT_EQ(a.Wert("102"), "a{n}b");
    EXPECT_EQ(a.Wert("103"), sStandard);
    EXPECT_EQ(a.Wert("standard"), "9997");
}

TEST(Textpool, NummerNullBeendetDenIndex)
{
    ASSERT_TRUE(InhaltEinlesen("1=a\n0=null\n2=b\n").bOk);
    EXPECT_STREQ(SPR_StrS7App(0), "null");
    EXPECT_STREQ(SPR_StrS7App(2), "b");
    // Its index record has id 0: an attaching process stops there.
    const THelferAntwort a = HelferAufrufen({"text:0", "text:1", "text:2"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("1"), "a");
    EXPECT_EQ(a.Wert("0"), sStandard);
    EXPECT_EQ(a.Wert("2"), sStandard);
}

TEST(Textpool, MehrZeilenAlsDerIndexFasst)
{
    // 12900 good lines; the index holds 12799 records and its terminator.
    std::string sDatei;
    for (int i = 0; i < 12900; ++i) sDatei += std::to_string(i % 9000 + 1) + "=v" + std::to_string(i) + "\n";
    const TErgebnis e = InhaltEinlesen(sDatei);
    ASSERT_TRUE(e.bOk);
    EXPECT_EQ(e.iAnzahl, 12900);
    EXPECT_STREQ(SPR_StrS7App(3799), "v12798");
    EXPECT_STREQ(SPR_StrS7App(3800), "v12799");
    EXPECT_STREQ(SPR_StrS7App(3900), "v12899");
    const THelferAntwort a = HelferAufrufen({"text:3799", "text:3800", "text:3900", "text:9000"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("3799"), "v12798");
    EXPECT_EQ(a.Wert("3800"), "v3799");
    EXPECT_EQ(a.Wert("3900"), "v3899");
    EXPECT_EQ(a.Wert("9000"), "v8999");
}

TEST(Textpool, ZweiterProzessLiestNeuEin)
{
    ASSERT_TRUE(InhaltEinlesen("200=hier\n").bOk);
    const auto pf = Textdatei("ANDERS.dat", "201=dort\n");
    const THelferAntwort a = HelferAufrufen({"lesen:" + pf.string(), "text:200", "text:201"});
    ASSERT_EQ(a.iExitCode, 0) << a.sFehlerausgabe;
    EXPECT_EQ(a.Wert("lesen"), "1,1,0,-1");
    EXPECT_EQ(a.Wert("200"), sStandard);
    EXPECT_EQ(a.Wert("201"), "dort");
    // A process attaching afterwards finds the second file's texts.
    const THelferAntwort b = HelferAufrufen({"text:200", "text:201"});
    ASSERT_EQ(b.iExitCode, 0) << b.sFehlerausgabe;
    EXPECT_EQ(b.Wert("200"), sStandard);
    EXPECT_EQ(b.Wert("201"), "dort");
}
