// The key-value and number parsers and the directory list.
#include "Allgemein.h"
#include "Maske.h"
#include "PoolText.h"
#include "TestUmgebung.h"
#include "WinMeldung.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

TEST(KeyWertZeilen, WertTextUndZeichenNachKey)
{
    const char* pcZeile = "$Typ=3,$Op=E,$Adr=12,$Bit=7,$Text=Motor ein,$Neg=-40";
    EXPECT_EQ(iGetWertNachKey(pcZeile, "$Adr="), 12);
    EXPECT_EQ(iGetWertNachKey(pcZeile, "$Neg="), -40);
    EXPECT_EQ(iGetWertNachKey(pcZeile, "$Fehlt="), 0);
    // Letter case of the key is exact.
    EXPECT_EQ(iGetWertNachKey(pcZeile, "$adr="), 0);
    EXPECT_EQ(cGetZeichenNachKey(pcZeile, "$Op="), 'E');
    EXPECT_EQ(cGetZeichenNachKey(pcZeile, "$op="), '\0');

    std::string s = "alt";
    StringNachKeyKopieren(pcZeile, "$Text=", s);
    EXPECT_EQ(s, "Motor ein");
    StringNachKeyKopieren(pcZeile, "$Neg=", s);
    EXPECT_EQ(s, "-40");
    StringNachKeyKopieren(pcZeile, "$Fehlt=", s);
    EXPECT_EQ(s, "");
}

TEST(KeyWertZeilen, RaenderDerZeile)
{
    // A line that ends right after the key gives 0, an empty text, 0.
    EXPECT_EQ(cGetZeichenNachKey("$A=1,$Op=", "$Op="), '\0');
    EXPECT_EQ(iGetWertNachKey("$A=1,$Op=", "$Op="), 0);
    std::string s = "x";
    StringNachKeyKopieren("$A=1,$Op=", "$Op=", s);
    EXPECT_EQ(s, "");
    // The first occurrence counts; the value may end the line.
    EXPECT_EQ(iGetWertNachKey("$W=5,$W=9", "$W="), 5);
    StringNachKeyKopieren("$X=1,$T=Ende", "$T=", s);
    EXPECT_EQ(s, "Ende");
    // A damaged number is held to the 32-bit range instead of wrapping.
    EXPECT_EQ(iGetWertNachKey("$W=99999999999", "$W="), INT32_MAX);
    EXPECT_EQ(iGetWertNachKey("$W=-99999999999", "$W="), INT32_MIN);
    // Null pointers are tolerated.
    EXPECT_EQ(iGetWertNachKey(nullptr, "$W="), 0);
    EXPECT_EQ(cGetZeichenNachKey("$W=1", nullptr), '\0');
}

TEST(KeyWertZeilen, PufferWirdNichtUeberschrieben)
{
    char puffer[8];
    std::memset(puffer, 'Z', sizeof puffer);
    StringNachKeyKopieren("$T=ein sehr langer Text,$U=1", "$T=", puffer, 5);
    EXPECT_STREQ(puffer, "ein ");
    EXPECT_EQ(puffer[5], 'Z');
}

TEST(Zahlentexte, Dezimal)
{
    bool bOk = false;
    EXPECT_EQ(bDezimalStrToWert("007", bOk), 7);
    EXPECT_TRUE(bOk);
    EXPECT_EQ(bDezimalStrToWert("2147483647", bOk), INT32_MAX);
    EXPECT_TRUE(bOk);
    for (const char* pc : {"", "-1", "+1", " 1", "1 ", "12a", "0X1A", "2147483648", "99999999999999999999"}) {
        bOk = true;
        EXPECT_EQ(bDezimalStrToWert(pc, bOk), 0) << pc;
        EXPECT_FALSE(bOk) << pc;
    }
    bOk = true;
    EXPECT_EQ(bDezimalStrToWert(nullptr, bOk), 0);
    EXPECT_FALSE(bOk);
}

TEST(Zahlentexte, Hexadezimal)
{
    bool bOk = false;
    EXPECT_EQ(bHexStrToWert("0X1A", bOk), 26u);
    EXPECT_TRUE(bOk);
    EXPECT_EQ(bHexStrToWert("0XFFFFFFFF", bOk), 0xFFFFFFFFu);
    EXPECT_TRUE(bOk);
    // Leading zeros do not count as digits; a ninth digit that counts is
    // refused, not cut away.
    EXPECT_EQ(bHexStrToWert("0X0000000012", bOk), 0x12u);
    EXPECT_TRUE(bOk);
    EXPECT_EQ(bHexStrToWert("0X000", bOk), 0u);
    EXPECT_TRUE(bOk);
    for (const char* pc : {"0x1A", "0X1a", "0X", "1A", "0XG", "0X1 ", "", "X1", "0X123456789"}) {
        bOk = true;
        EXPECT_EQ(bHexStrToWert(pc, bOk), 0u) << pc;
        EXPECT_FALSE(bOk) << pc;
    }
}

TEST(Zahlentexte, HexWertZaehltFremdeZeichenAlsNull)
{
    EXPECT_EQ(iHexWert("1A"), 0x1Au);
    EXPECT_EQ(iHexWert("1x2"), 0x102u);
    EXPECT_EQ(iHexWert("a"), 0u);
    EXPECT_EQ(iHexWert("FFFFFFFF1"), 0xFFFFFFFFu);
    EXPECT_EQ(iHexWert(""), 0u);
}

TEST(Zahlentexte, BitsAlsText)
{
    EXPECT_EQ(BitsAlsText(0xA5, 8), "10100101 ");
    EXPECT_EQ(BitsAlsText(0x1234, 16), "00010010 00110100 ");
    // A group is closed after every 8 characters, counted from the left.
    EXPECT_EQ(BitsAlsText(0xFFF, 12), "11111111 1111");
    EXPECT_EQ(BitsAlsText(0x80000001, 32), "10000000 00000000 00000000 00000001 ");
    EXPECT_EQ(BitsAlsText(1, 1), "1");
    EXPECT_EQ(BitsAlsText(5, 0), "");
    EXPECT_EQ(BitsAlsText(5, -3), "");
    EXPECT_EQ(BitsAlsText(0xFFFFFFFF, 40).size(), 36u);

    char puffer[6];
    std::memset(puffer, 'Z', sizeof puffer);
    EXPECT_EQ(BitsAlsText(puffer, 5, 0xA5, 8), puffer);
    EXPECT_STREQ(puffer, "1010");
    EXPECT_EQ(puffer[5], 'Z');
}

TEST(Systemabfragen, IPDatenDateiImMaskenordner)
{
    const std::string sAlt = cMaskenVerzeichnis;
    cMaskenVerzeichnis = "/home/u/Veltrano-Prj/Anlage/";
    EXPECT_STREQ(pcIPDatenDatei(), "/home/u/Veltrano-Prj/Anlage/IPADR.DAT");
    cMaskenVerzeichnis = "/p/100%s/";   // a folder text is never taken as a format
    EXPECT_STREQ(pcIPDatenDatei(), "/p/100%s/IPADR.DAT");
    cMaskenVerzeichnis = sAlt;
}

namespace {

void Leer(const fs::path& pf)
{
    testhilfe::DateiSchreiben(pf, "x");
}

std::set<std::string> Namen(const DateiListe& l)
{
    std::set<std::string> s;
    for (int i = 0; i < l.iAnzahl; ++i) s.insert(pcDateiListeName(&l, i));
    return s;
}

} // namespace

TEST(DateiListeTest, EndungOhneGrossKleinUndOrdner)
{
    fs::path pf = testhilfe::NeuerOrdner("liste");
    Leer(pf / "CPU312.TXT");
    Leer(pf / "cpu315.txt");
    Leer(pf / "a.b.Txt");
    Leer(pf / "bild.jpg");
    Leer(pf / ".versteckt.txt");
    Leer(pf / "ohnepunkt");
    fs::create_directory(pf / "Unter.txt");

    DateiListe l;
    DateiListeAnlegen(&l, pf.string().c_str(), "TXT");
    EXPECT_EQ(l.sOrdner, pf.string() + "/");
    EXPECT_EQ(l.iAnzahl, 0);
    DateiListeFuellen(&l);
    EXPECT_EQ(Namen(l), (std::set<std::string>{"CPU312.TXT", "cpu315.txt", "a.b.Txt", "Unter.txt"}));
    // Sorted, folder flagged, paths built from the folder.
    EXPECT_STREQ(pcDateiListeName(&l, 0), "CPU312.TXT");
    std::string sPfad;
    EXPECT_EQ(std::string(pcDateiListePfad(&l, 0, sPfad)), pf.string() + "/CPU312.TXT");
    int iOrdner = -1;
    for (int i = 0; i < l.iAnzahl; ++i)
        if (bDateiListeIstOrdner(&l, i)) iOrdner = i;
    ASSERT_GE(iOrdner, 0);
    EXPECT_STREQ(pcDateiListeName(&l, iOrdner), "Unter.txt");

    // Beyond the count: empty texts.
    EXPECT_STREQ(pcDateiListeName(&l, l.iAnzahl), "");
    EXPECT_STREQ(pcDateiListeName(&l, -1), "");
    EXPECT_STREQ(pcDateiListePfad(&l, 99, sPfad), "");

    // "*.*" lists everything that does not begin with a dot.
    DateiListeAnlegen(&l, (pf.string() + "/").c_str(), "*.*");
    DateiListeFuellen(&l);
    EXPECT_EQ(l.iAnzahl, 6);
    EXPECT_EQ(Namen(l).count("ohnepunkt"), 1u);
    DateiListeLeeren(&l);
    EXPECT_EQ(l.iAnzahl, 0);
}

TEST(DateiListeTest, OrdnerAusDateipfadUndOrdnerMitPunkt)
{
    fs::path pf = testhilfe::NeuerOrdner("punkt") / "Projekt.v2";
    fs::create_directories(pf);
    Leer(pf / "Maske.maske_ini");
    Leer(pf / "Bild.JPG");

    DateiListe l;
    // A file path loses its file name.
    DateiListeAnlegen(&l, (pf / "Maske.maske_ini").string().c_str(), "jpg");
    EXPECT_EQ(l.sOrdner, pf.string() + "/");
    DateiListeFuellen(&l);
    ASSERT_EQ(l.iAnzahl, 1);
    EXPECT_STREQ(pcDateiListeName(&l, 0), "Bild.JPG");
    // A folder whose name has a dot stays the folder.
    DateiListeAnlegen(&l, pf.string().c_str(), "jpg");
    EXPECT_EQ(l.sOrdner, pf.string() + "/");
    // A missing folder gives an empty list.
    DateiListeAnlegen(&l, (pf / "fehlt").string().c_str(), "jpg");
    DateiListeFuellen(&l);
    EXPECT_EQ(l.iAnzahl, 0);
}

TEST(DateiListeTest, MehrAls10001NamenLaufenNichtUeber)
{
    fs::path pf = testhilfe::NeuerOrdner("viele");
    const int iAnzahl = 10050;
    for (int i = 0; i < iAnzahl; ++i) Leer(pf / ("D" + std::to_string(i) + ".dat"));
    DateiListe* p = new DateiListe;
    DateiListeAnlegen(p, pf.string().c_str(), "dat");
    DateiListeFuellen(p);
    // Every name is kept: a copy of such a folder must lose nothing.
    EXPECT_EQ(p->iAnzahl, iAnzahl);
    EXPECT_EQ(Namen(*p).size(), static_cast<size_t>(iAnzahl));
    EXPECT_STREQ(pcDateiListeName(p, iAnzahl), "");
    DateiListeFreigeben(p, 1);
}

namespace {

// A small project: two files, a hidden file and a sub folder with a file.
fs::path ProjektAnlegen()
{
    fs::path pf = testhilfe::NeuerOrdner("quelle") / "Anlage";
    fs::create_directories(pf / "Bilder");
    testhilfe::DateiSchreiben(pf / "Anlage.maske_ini", "[Maske]\n");
    testhilfe::DateiSchreiben(pf / "PLC.DAT", "daten");
    testhilfe::DateiSchreiben(pf / ".sperre", "x");
    testhilfe::DateiSchreiben(pf / "Bilder" / "Motor.bmp", "BM");
    return pf;
}

struct MeldungenAufzeichnen {
    MeldungenAufzeichnen()
    {
        GezeigteMeldungenLoeschen();
        MeldungsAntworterSetzen([](const TMeldung&) { return 1; });
    }
    ~MeldungenAufzeichnen() { MeldungsAntworterSetzen({}); }
};

} // namespace

TEST(OrdnerKopieren, KopiertDateienUndUnterordnerOhnePunktnamen)
{
    const fs::path pfQuelle = ProjektAnlegen();
    const fs::path pfZiel = testhilfe::NeuerOrdner("ziel") / "neu" / "Anlage2";
    ASSERT_TRUE(bOrdnerKopieren(pfQuelle.string() + "/", pfZiel.string() + "/"));
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Anlage.maske_ini"), "[Maske]\n");
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "PLC.DAT"), "daten");
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Bilder" / "Motor.bmp"), "BM");
    EXPECT_FALSE(fs::exists(pfZiel / ".sperre"));
    // Copying again into the existing folder replaces the files.
    testhilfe::DateiSchreiben(pfQuelle / "PLC.DAT", "neu");
    ASSERT_TRUE(bOrdnerKopieren(pfQuelle.string(), pfZiel.string()));
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "PLC.DAT"), "neu");
}

TEST(OrdnerKopieren, ZielNichtAnlegbarGibtFalse)
{
    const fs::path pfQuelle = ProjektAnlegen();
    const fs::path pfDatei = testhilfe::NeuerOrdner("datei") / "keinordner";
    testhilfe::DateiSchreiben(pfDatei, "x");
    EXPECT_FALSE(bOrdnerKopieren(pfQuelle.string(), (pfDatei / "ziel").string()));
}

// An empty source names the working folder and the root names everything;
// a source that holds the destination would copy into itself. All are
// refused before anything is created or copied.
TEST(OrdnerKopieren, LeereWurzelUndUmfassendeQuelleWerdenAbgelehnt)
{
    MeldungenAufzeichnen aufzeichnen;
    const fs::path pfQuelle = ProjektAnlegen();
    const fs::path pfLeer = testhilfe::NeuerOrdner("leerquelle");
    const fs::path pfZiel = pfLeer / "Kopie";
    EXPECT_FALSE(bOrdnerKopieren("", pfZiel.string() + "/"));
    EXPECT_FALSE(bOrdnerKopieren("/", pfZiel.string() + "/"));
    EXPECT_FALSE(bOrdnerKopieren("//", pfZiel.string() + "/"));
    EXPECT_FALSE(bOrdnerKopierenShell(nullptr, 0, "/", pfZiel.string() + "/"));
    EXPECT_FALSE(fs::exists(pfZiel));
    EXPECT_FALSE(bOrdnerKopieren(pfQuelle.string() + "/", (pfQuelle / "Kopie").string() + "/"));
    EXPECT_FALSE(bOrdnerKopieren(pfQuelle.string(), pfQuelle.string() + "/"));
    EXPECT_FALSE(bOrdnerKopieren(pfQuelle.string() + "/Bilder/..", (pfQuelle / "x" / "y").string()));
    EXPECT_FALSE(fs::exists(pfQuelle / "Kopie"));
    EXPECT_FALSE(fs::exists(pfQuelle / "x"));
    // A sibling whose name merely begins like the source is fine.
    EXPECT_TRUE(bOrdnerKopieren(pfQuelle.string(), pfQuelle.string() + "2/"));
    EXPECT_EQ(testhilfe::DateiLesen(pfQuelle.string() + "2/PLC.DAT"), "daten");
}

TEST(OrdnerKopieren, ShellKopieNurInNeuenOrdner)
{
    MeldungenAufzeichnen aufzeichnen;
    const fs::path pfQuelle = ProjektAnlegen();
    const fs::path pfZiel = testhilfe::NeuerOrdner("shell") / "Beispiele";
    ASSERT_TRUE(bOrdnerKopierenShell(nullptr, 0, pfQuelle.string() + "/", pfZiel.string() + "/"));
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Bilder" / "Motor.bmp"), "BM");
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / ".sperre"), "x");
    // An existing destination is left alone.
    testhilfe::DateiSchreiben(pfZiel / "PLC.DAT", "vom Benutzer");
    EXPECT_FALSE(bOrdnerKopierenShell(nullptr, 0, pfQuelle.string(), pfZiel.string()));
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "PLC.DAT"), "vom Benutzer");
    EXPECT_TRUE(GezeigteMeldungen().empty());
    // A failed copy is reported, not passed over in silence.
    const fs::path pfZiel2 = testhilfe::NeuerOrdner("shell2") / "Beispiele";
    EXPECT_FALSE(bOrdnerKopierenShell(nullptr, 0, (pfQuelle / "fehlt").string(), pfZiel2.string()));
    ASSERT_EQ(GezeigteMeldungen().size(), 1u);
    EXPECT_EQ(GezeigteMeldungen()[0].sText,
              PoolTextFormat(1410, "%s%s", (pfQuelle / "fehlt").c_str(), pfZiel2.c_str()));
}
