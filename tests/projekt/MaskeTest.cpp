// The panel file: the writer's lines and their order, the reader's rules,
// and files made on Windows.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <sstream>

#include "Bewegungsprofil.h"
#include "HauptForm.h"
#include "Maske.h"
#include "MaskenKopf.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "SPSTyp.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

std::vector<std::string> Zeilen(const std::string& s)
{
    std::vector<std::string> v;
    std::istringstream is(s);
    std::string z;
    while (std::getline(is, z)) v.push_back(z);
    return v;
}

TMyObj* Objekt(THauptformular* pForm, int iArt)
{
    auto* p = new TMyObj(pForm, iArt, 10, 10, 0, 0);
    pForm->Objekte[pForm->iAnzahlObjekte++] = p;
    return p;
}

// A panel with one object of every kind that has a line, and all 30
// motion profiles used in different ways.
void PanelFuellen(THauptformular* pForm)
{
    TMyObj* p = Objekt(pForm, Statische_Beschriftung);
    p->Text0 = "Förderband 1";
    p->ColorLo = 0x0000FF;
    p->Transparent = true;
    p->PosVerschiebenAbs(20, 40);
    p = Objekt(pForm, Dynamische_Beschriftung);
    p->Op = 'M';
    p->Adr = 100;
    p->OpGroesse = 1;
    p->Darstellung = DARSTELLUNG_DUAL;
    p->MitOpAnzeigen = true;
    // With texts for 0 and 1: the value text of a paint never lands in the
    // line, so the line stays the same from save to save.
    p->BoolText = true;
    p->Text0 = "aus";
    p->Text1 = "ein";
    p->PosVerschiebenAbs(20, 70);
    p = Objekt(pForm, LED);
    p->Op = 'E';
    p->Adr = 2;
    p->Bit = 5;
    p->Clickable = true;
    p->HotKeyAktiv = true;
    p->HotKey = 'Q';
    p->Taster = true;
    p->MoveNr = 7;
    p->MoveAktiv = true;
    p->PosVerschiebenAbs(200, 90);
    p = Objekt(pForm, AnalogEingang);
    p->Op = 'E';
    p->Adr = 256;
    p->DefaultE = 12.5f;
    p->Ausrichtung = 'r';
    p->Messb = 3;
    p->PosVerschiebenAbs(300, 100);
    p = Objekt(pForm, AnalogerAusgang);
    p->Op = 'A';
    p->Adr = 258;
    p->Ausrichtung = 'o';
    p->IstwertAnzeigen = true;
    p->PosVerschiebenAbs(340, 100);

    const char acOp[] = {'A', 'E', 'M', 'Q', 'I', 0};
    for (int i = 0; i < ANZAHL_BEWEGUNGSPROFILE; ++i) {
        Bewegungsprofil& b = Bewegungsprofile[i];
        b.Oben = {acOp[i % 6], static_cast<int8_t>(i * 9), static_cast<uint8_t>(i % 8)};
        b.Unten = {acOp[(i + 1) % 6], static_cast<int8_t>(-i), static_cast<uint8_t>((i + 3) % 8)};
        b.Rechts = {acOp[(i + 2) % 6], static_cast<int8_t>(127 - i), 7};
        b.Links = {acOp[(i + 3) % 6], 0, 0};
        b.Geschw = i - 15;
        b.Endsch = i % 2;
    }
    // Profile 5 uses only right and left; profile 6 an address byte of 200.
    Bewegungsprofile[5] = Bewegungsprofil{};
    Bewegungsprofile[5].Rechts = {'A', 4, 1};
    Bewegungsprofile[5].Links = {'A', 4, 2};
    Bewegungsprofile[5].Geschw = 3;
    Bewegungsprofile[6].Oben.Adr = static_cast<int8_t>(static_cast<uint8_t>(200));
}

using PanelTest = AnlagenTest;

} // namespace

TEST_F(PanelTest, WriterProducesTheLinesInTheirOrder)
{
    PanelFuellen(pForm);
    cSPSTyp = "CPU314.TXT (CPU 314)";
    pForm->BausteineRestaurieren = false;
    pForm->cHintergrundDatei = Datei("back.jpg");
    pForm->showNormal();
    pForm->SetMaskeGeaendert(true);
    ASSERT_TRUE(pForm->bMaskeSchreiben(Datei("Anlage.maske_ini")));
    EXPECT_FALSE(pForm->bMaskeGeaendert);

    const std::vector<std::string> z = Zeilen(testhilfe::DateiLesen(Datei("Anlage.maske_ini")));
    std::vector<std::string> erwartet = {"//" + std::string(54, '-'), "//Maskendatei von...",
                                         "//Veltrano 1.6.1", "//" + std::string(54, '-'),
                                         "//Speicherzeitpunkt:"};
    ASSERT_GE(z.size(), 60u);
    for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_EQ(z[i], erwartet[i]) << i;
    EXPECT_EQ(z[5].rfind("$Datum=", 0), 0u);
    EXPECT_EQ(z[5].size(), std::string("$Datum=09.12.2025").size());
    EXPECT_EQ(z[6].rfind("$Uhrzeit=", 0), 0u);
    EXPECT_EQ(z[6].size(), std::string("$Uhrzeit=12:34:56").size());
    const std::vector<std::string> mitte = {
        "//", "//", "[Hintergrundbild]", "$FileBack=back.jpg", "//", "//", "[Einstellungen]",
        "$WindowW=" + std::to_string(pForm->frameGeometry().width()),
        "$WindowH=" + std::to_string(pForm->frameGeometry().height()),
        "$SPSTyp=CPU314.TXT (CPU 314)", "$BausteineRestaurieren=0", "//", "//", "//", "//",
        "[Objekte]"};
    for (std::size_t i = 0; i < mitte.size(); ++i) EXPECT_EQ(z[7 + i], mitte[i]) << 7 + i;
    std::size_t n = 7 + mitte.size();
    for (int i = 0; i < pForm->iAnzahlObjekte; ++i, ++n)
        EXPECT_EQ(z[n], pForm->Objekte[i]->pcGetINIString()) << n;
    for (const char* pc : {"//", "//", "//", "[Bewegungsprofile]"}) EXPECT_EQ(z[n++], pc);
    for (int i = 0; i < ANZAHL_BEWEGUNGSPROFILE; ++i, ++n)
        EXPECT_EQ(z[n].rfind("$BewegungNr=" + std::to_string(i) + ",$ObenOp=", 0), 0u) << z[n];
    for (const char* pc : {"//", "//", "//"}) EXPECT_EQ(z[n++], pc);
    EXPECT_EQ(z.size(), n);

    // The motion line: every field in its place, an unused direction with
    // an empty letter, address byte 200 as -56, one blank before $Geschw.
    const std::string& s5 = z[n - 3 - 30 + 5];
    EXPECT_EQ(s5, "$BewegungNr=5,$ObenOp=,$ObenAdr=0,$ObenBit=0,$UntenOp=,$UntenAdr=0,$UntenBit=0,"
                  "$RechtsOp=A,$RechtsAdr=4,$RechtsBit=1,$LinksOp=A,$LinksAdr=4,$LinksBit=2,"
                  "$Endsch=0, $Geschw=3");
    EXPECT_NE(z[n - 3 - 30 + 6].find(",$ObenAdr=-56,"), std::string::npos) << z[n - 33 + 6];
}

TEST_F(PanelTest, WriteReadWriteDiffersOnlyInDateAndTime)
{
    PanelFuellen(pForm);
    cSPSTyp = "CPU314.TXT (CPU 314)";
    pForm->BausteineRestaurieren = false;
    JpegSchreiben(Datei("Halle.JPG"), 64, 48, 0x336699);
    pForm->cHintergrundDatei = Datei("Halle.JPG");
    ASSERT_TRUE(pForm->bMaskeSchreiben(Datei("Anlage.maske_ini")));
    const std::string sErste = testhilfe::DateiLesen(Datei("Anlage.maske_ini"));
    std::vector<std::string> vorher;
    for (int i = 0; i < pForm->iAnzahlObjekte; ++i) vorher.push_back(pForm->Objekte[i]->pcGetINIString());

    // Everything the file holds is cleared before the read.
    for (Bewegungsprofil& b : Bewegungsprofile) b = Bewegungsprofil{};
    pForm->BausteineRestaurieren = true;
    cSPSTyp.clear();
    ASSERT_TRUE(pForm->bMaskeLesen(Datei("Anlage.maske_ini")));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    ASSERT_EQ(pForm->iAnzahlObjekte, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pForm->Objekte[i]->pcGetINIString(), vorher[i]);
    EXPECT_FALSE(pForm->BausteineRestaurieren);
    EXPECT_EQ(cSPSTyp, "CPU314.TXT (CPU 314)");
    EXPECT_EQ(pForm->SPSTyp.cSPSName, "CPU 314");
    EXPECT_EQ(static_cast<uint8_t>(Bewegungsprofile[6].Oben.Adr), 200);
    EXPECT_EQ(Bewegungsprofile[5].Rechts.Op, 'A');
    EXPECT_EQ(Bewegungsprofile[5].Links.Bit, 2);
    EXPECT_EQ(Bewegungsprofile[5].Oben.Op, 0);
    EXPECT_EQ(Bewegungsprofile[0].Geschw, -15);
    EXPECT_EQ(Bewegungsprofile[29].Endsch, 1);
    EXPECT_EQ(pForm->cHintergrundDatei, Datei("Halle.JPG"));
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(64, 48));
    EXPECT_NE(pForm->pGetBildVonName("halle.jpg"), nullptr);   // the folder's pictures

    ASSERT_TRUE(pForm->bMaskeSchreiben(Datei("Anlage.maske_ini")));
    const std::string sZweite = testhilfe::DateiLesen(Datei("Anlage.maske_ini"));
    for (const std::string& s : AbweichendeZeilen(sErste, sZweite))
        EXPECT_TRUE(s.rfind("$Datum=", 0) == 0 || s.rfind("$Uhrzeit=", 0) == 0) << s;
    EXPECT_EQ(Zeilen(sErste).size(), Zeilen(sZweite).size());
}

TEST_F(PanelTest, MaximisedWindowWritesNoSizeAndReadKeepsTheSize)
{
    pForm->showMaximized();
    ASSERT_TRUE(pForm->bMaskeSchreiben(Datei("Max.maske_ini")));
    const std::string s = testhilfe::DateiLesen(Datei("Max.maske_ini"));
    EXPECT_EQ(s.find("$WindowW="), std::string::npos);
    EXPECT_EQ(s.find("$WindowH="), std::string::npos);

    pForm->showNormal();
    pForm->resize(700, 500);
    const QSize vorher = pForm->size();
    ASSERT_TRUE(pForm->bMaskeLesen(Datei("Max.maske_ini")));
    EXPECT_EQ(pForm->size(), vorher);

    // A file with the lines gives the window that outer size.
    testhilfe::DateiSchreiben(Datei("Gross.maske_ini"), "[Einstellungen]\n$WindowW=820\n$WindowH=610\n");
    ASSERT_TRUE(pForm->bMaskeLesen(Datei("Gross.maske_ini")));
    EXPECT_EQ(pForm->frameGeometry().width(), 820);
    EXPECT_EQ(pForm->frameGeometry().height(), 610);
}

TEST_F(PanelTest, MotionLinesCountOnlyInTheirSectionAndRange)
{
    const std::string sDatei = Datei("Bewegung.maske_ini");
    testhilfe::DateiSchreiben(
        sDatei,
        "$BewegungNr=3,$ObenOp=E,$ObenAdr=1,$ObenBit=1,$Endsch=1, $Geschw=9\n"
        "[Bewegungsprofile]\n"
        "$BewegungNr=30,$ObenOp=E,$ObenAdr=1,$ObenBit=1, $Geschw=9\n"
        "$BewegungNr=-1,$ObenOp=E,$ObenAdr=1,$ObenBit=1, $Geschw=9\n"
        "; $BewegungNr=4,$ObenOp=E\n"
        "$BewegungNr=29,$RechtsOp=A,$RechtsAdr=200,$RechtsBit=7,$Endsch=5, $Geschw=-4\n"
        "$SPSTyp=CPU313C.TXT (CPU 313C)\n");
    Bewegungsprofile[3].Geschw = 77;   // cleared by the read
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(Bewegungsprofile[i].Oben.Op, 0) << i;
        EXPECT_EQ(Bewegungsprofile[i].Geschw, 0) << i;
        EXPECT_EQ(Bewegungsprofile[i].Endsch, 0) << i;
    }
    const Bewegungsprofil& b = Bewegungsprofile[29];
    EXPECT_EQ(b.Rechts.Op, 'A');
    EXPECT_EQ(static_cast<uint8_t>(b.Rechts.Adr), 200);
    EXPECT_EQ(b.Rechts.Bit, 7);
    EXPECT_EQ(b.Oben.Op, 0);
    EXPECT_EQ(b.Endsch, 1);
    EXPECT_EQ(b.Geschw, -4);
    // Keys are found in any line that is not a comment, whatever its section.
    EXPECT_EQ(cSPSTyp, "CPU313C.TXT (CPU 313C)");
    EXPECT_EQ(pForm->SPSTyp.cSPSName, "CPU 313C");
}

TEST_F(PanelTest, ObjectSectionWithoutClosingLineEndsAtTheEndOfTheFile)
{
    const std::string sDatei = Datei("Offen.maske_ini");
    testhilfe::DateiSchreiben(sDatei,
                              "[Objekte]\n"
                              "$Obj=1,$ColorH=0,$ColorT=0,$x=5,$y=6,$w=50,$h=14,$Transparent=0,"
                              "$MoveNr=-1,$MoveAktiv=0,$Text=eins\n"
                              "; a comment inside the section\n"
                              "no object here\n"
                              "$Obj=3,$Op=A,$Adr=4,$Bit=1,$x=30,$y=40,$w=12,$h=12\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    ASSERT_EQ(pForm->iAnzahlObjekte, 2);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "eins");
    EXPECT_EQ(pForm->Objekte[0]->Left(), 5);
    EXPECT_EQ(pForm->Objekte[1]->Obj, LED);
    EXPECT_EQ(pForm->Objekte[1]->Adr, 4);

    // With a closing line, reading goes on after it.
    testhilfe::DateiSchreiben(sDatei,
                              "[Objekte]\n$Obj=3,$Op=A,$Adr=4,$Bit=1,$x=30,$y=40,$w=12,$h=12\n"
                              "//\n$Obj=3,$Op=A,$Adr=9\n$BausteineRestaurieren=0\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    EXPECT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_FALSE(pForm->BausteineRestaurieren);
}

TEST_F(PanelTest, LoadingStopsAtFiveHundredObjectsWithAMessage)
{
    std::string s = "[Objekte]\n";
    for (int i = 0; i < 505; ++i)
        s += "$Obj=3,$Op=A,$Adr=" + std::to_string(i % 100) + ",$Bit=0,$x=1,$y=1,$w=12,$h=12\n";
    s += "//\n[Bewegungsprofile]\n$BewegungNr=2,$ObenOp=M, $Geschw=4\n";
    testhilfe::DateiSchreiben(Datei("Voll.maske_ini"), s);
    ASSERT_TRUE(pForm->bMaskeLesen(Datei("Voll.maske_ini")));
    EXPECT_EQ(pForm->iAnzahlObjekte, iMaxObjekte);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1391, "%d", 500));
    // The rest of the file is still read.
    EXPECT_EQ(Bewegungsprofile[2].Oben.Op, 'M');
    EXPECT_EQ(Bewegungsprofile[2].Geschw, 4);
}

TEST_F(PanelTest, FileMadeOnWindowsOpens)
{
    // CR LF line ends, a text in Windows-1252, names in other letter case.
    QImage Bild(40, 30, QImage::Format_RGB32);
    Bild.fill(Qt::red);
    Bild.save(QString::fromStdString(Datei("hinter.bmp")), "BMP");
    const std::string sDatei = Datei("Win.maske_ini");
    testhilfe::DateiSchreiben(sDatei,
                              "//Maskendatei von...\r\n[Hintergrundbild]\r\n$FileBack=HINTER.BMP\r\n"
                              "[Einstellungen]\r\n$SPSTyp=CPU314.TXT (CPU 314)\r\n"
                              "$BausteineRestaurieren=1\r\n[Objekte]\r\n"
                              "$Obj=1,$ColorH=0,$ColorT=0,$x=5,$y=6,$w=80,$h=14,$Transparent=0,"
                              "$MoveNr=-1,$MoveAktiv=0,$Text=Gr\xfc\xdf"
                              "e an \xc4rger\r\n//\r\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    ASSERT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "Grüße an Ärger");
    EXPECT_EQ(cSPSTyp, "CPU314.TXT (CPU 314)");
    EXPECT_EQ(pForm->SPSTyp.cSPSName, "CPU 314");
    EXPECT_EQ(fs::path(pForm->cHintergrundDatei).filename(), "hinter.bmp");
    ASSERT_NE(pForm->Image300CPU, nullptr);
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(40, 30));
}

TEST_F(PanelTest, MissingTypeFileAndBackgroundAreHandled)
{
    cSPSTyp = "CPU314.TXT (CPU 314)";
    const std::string sDatei = Datei("Fehlt.maske_ini");
    testhilfe::DateiSchreiben(sDatei, "$SPSTyp=NOPE.TXT (CPU 999)\n$FileBack=missing.jpg\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    ASSERT_EQ(u.Meldungen.size(), 2u);
    const std::string sPfad = cExeVerzeichnis + "__system/AG/NOPE.TXT";
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1257, "%s", sPfad.c_str()));
    // The missing background is named, not dropped without a word.
    const std::string sListe = PoolText(6867) + " " + PoolTextFormat(6865, "%s", "missing.jpg") + "\n";
    EXPECT_EQ(u.Meldungen[1].sText, PoolTextFormat(6864, "%s%s", sDatei.c_str(), sListe.c_str()));
    EXPECT_TRUE(cSPSTyp.empty());   // the built-in type, as text 1257 says
    EXPECT_TRUE(pForm->cHintergrundDatei.empty());
    EXPECT_EQ(MaskeFile, sDatei);
    EXPECT_FALSE(pForm->bMaskeGeaendert);
    EXPECT_NE(pForm->windowTitle().toStdString().find("[Fehlt.maske_ini]"), std::string::npos);
}

// A panel without a CPU type neither shows nor saves the type of the panel
// loaded before it.
TEST_F(PanelTest, PanelWithoutTypeDoesNotInheritThePreviousOne)
{
    const std::string sMitTyp = Datei("MitTyp.maske_ini");
    testhilfe::DateiSchreiben(sMitTyp, "[Einstellungen]\n$SPSTyp=CPU314.TXT (CPU 314)\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sMitTyp));
    ASSERT_EQ(cSPSTyp, "CPU314.TXT (CPU 314)");
    const std::string sOhne = Datei("OhneTyp.maske_ini");
    testhilfe::DateiSchreiben(sOhne, "[Einstellungen]\n$BausteineRestaurieren=1\n");
    ASSERT_TRUE(pForm->bMaskeLesen(sOhne));
    EXPECT_TRUE(cSPSTyp.empty());
    ASSERT_TRUE(pForm->bMaskeSchreiben(sOhne));
    const std::string s = testhilfe::DateiLesen(sOhne);
    EXPECT_NE(s.find("\n$SPSTyp=\n"), std::string::npos);
    EXPECT_EQ(s.find("CPU314"), std::string::npos);
}

TEST(PanelZeile, LinesAreReadWhole)
{
    // Whatever the writer wrote reads back: no line is cut into pieces.
    const fs::path pf = testhilfe::NeuerOrdner("zeile") / "lang.txt";
    testhilfe::DateiSchreiben(pf, std::string(2000, 'x') + "\r\nkurz\n\nletzte");
    TLeseDatei d(pf.string());
    ASSERT_NE(d.Datei(), nullptr);
    std::string s;
    std::vector<std::size_t> laengen;
    while (bMaskenZeileLesen(d.Datei(), s)) laengen.push_back(s.size());
    EXPECT_EQ(laengen, (std::vector<std::size_t>{2000, 4, 0, 6}));
    TLeseDatei leer((pf.parent_path() / "none").string());
    EXPECT_EQ(leer.Datei(), nullptr);
}

// The header reader alone: which line gives which key, where the object
// section is handed over, which lines are motion lines.
TEST(PanelKopf, KeysSectionsAndMotionLines)
{
    const fs::path pf = testhilfe::NeuerOrdner("kopf") / "Halle.maske_ini";
    std::vector<std::string> objektZeilen;
    const auto Lesen = [&](const std::string& sInhalt) {
        testhilfe::DateiSchreiben(pf, sInhalt);
        TLeseDatei d(pf.string());
        objektZeilen.clear();
        // Stands in for the object reader: its section ends at a '/' line.
        return MaskenKopfLesen(d.Datei(), [&] {
            std::string s;
            while (bMaskenZeileLesen(d.Datei(), s) && s.rfind('/', 0) != 0)
                objektZeilen.push_back(s);
        });
    };

    const TMaskenKopf kopf = Lesen(
        "[Hintergrundbild]\n"
        "$FileBack=C:\\Anlagen\\Halle[Objekte][Bewegungsprofile].bmp\n"
        "[Einstellungen]\n"
        "$WindowW=820\n"
        "$SPSTyp=CPU314.TXT (CPU 314)\n"
        "$BausteineRestaurieren=0\n"
        "$BewegungNr=1,$ObenOp=E, $Geschw=1\n"
        "[Objekte]\n"
        "$Obj=1,$x=5,$Text=$WindowW=5\n"
        "//\n"
        "[Bewegungsprofile]\n"
        "$BewegungNr=2,$ObenOp=M, $Geschw=4\n"
        "$WindowH=610\n"
        "//$SPSTyp=CPU315.TXT (CPU 315)\n"
        "; $WindowH=999\n");
    // A key line naming a section opens none; the picture keeps its folder.
    EXPECT_EQ(kopf.sHintergrund, "C:\\Anlagen\\Halle[Objekte][Bewegungsprofile].bmp");
    EXPECT_EQ(objektZeilen, std::vector<std::string>{"$Obj=1,$x=5,$Text=$WindowW=5"});
    EXPECT_EQ(kopf.sSPSTyp, "CPU314.TXT (CPU 314)");
    EXPECT_EQ(kopf.bBausteineRestaurieren, false);
    EXPECT_EQ(kopf.lFensterBreite, 820);
    // Comments and object lines give no key; the motion section does.
    EXPECT_EQ(kopf.lFensterHoehe, 610);
    EXPECT_EQ(kopf.bewegungsZeilen, std::vector<std::string>{"$BewegungNr=2,$ObenOp=M, $Geschw=4"});

    // Keys the file does not hold stay unset, and so does a section never opened.
    const TMaskenKopf leer = Lesen("[Einstellungen]\n$SPSTyp=\n$WindowH=0\n");
    EXPECT_TRUE(leer.sSPSTyp.empty());
    EXPECT_TRUE(leer.sHintergrund.empty());
    EXPECT_FALSE(leer.bBausteineRestaurieren.has_value());
    EXPECT_FALSE(leer.lFensterBreite.has_value());
    EXPECT_EQ(leer.lFensterHoehe, 0);
    EXPECT_TRUE(leer.bewegungsZeilen.empty());
    EXPECT_TRUE(objektZeilen.empty());
}
