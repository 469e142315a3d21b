// The picture library: libjpeg decoding, entries shared by name, pictures
// copied into the project folder, the limits, and the background picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include <filesystem>

#include "BildBibliothek.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Maske.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinDialoge.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

bool bNahe(QRgb a, QRgb b, int iToleranz = 10)
{
    return std::abs(qRed(a) - qRed(b)) <= iToleranz && std::abs(qGreen(a) - qGreen(b)) <= iToleranz &&
           std::abs(qBlue(a) - qBlue(b)) <= iToleranz;
}

struct BildTest : ::testing::Test {
    Umgebung u;
    THauptformular* pForm = nullptr;
    fs::path pfOrdner;
    void SetUp() override
    {
        pForm = FensterOhneStart();
        pfOrdner = u.pfProjekte / "Bilder";
        fs::create_directories(pfOrdner);
        cMaskenVerzeichnis = pfOrdner.string() + "/";
        u.Meldungen.clear();
    }
    void TearDown() override { FensterWeg(pForm); }
};

} // namespace

TEST(Jpeg, LibjpegDecodesThePixels)
{
    const fs::path pf = testhilfe::NeuerOrdner("jpeg") / "zwei.jpg";
    QImage Quelle(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) Quelle.setPixel(x, y, x < 32 ? qRgb(220, 30, 20) : qRgb(20, 40, 200));
    ASSERT_TRUE(Quelle.save(QString::fromStdString(pf.string()), "JPG", 100));
    std::string sDaten = testhilfe::DateiLesen(pf);
    QImage Bild;
    ASSERT_TRUE(bJpegDekodieren(sDaten, Bild));
    ASSERT_EQ(Bild.size(), QSize(64, 32));
    EXPECT_TRUE(bNahe(Bild.pixel(8, 16), qRgb(220, 30, 20))) << std::hex << Bild.pixel(8, 16);
    EXPECT_TRUE(bNahe(Bild.pixel(56, 16), qRgb(20, 40, 200))) << std::hex << Bild.pixel(56, 16);

    // A grey picture comes out with equal channels.
    QImage Grau(16, 16, QImage::Format_Grayscale8);
    Grau.fill(128);
    ASSERT_TRUE(Grau.save(QString::fromStdString(pf.string()), "JPG", 100));
    ASSERT_TRUE(bJpegDekodieren(testhilfe::DateiLesen(pf), Bild));
    EXPECT_EQ(Bild.size(), QSize(16, 16));
    EXPECT_TRUE(bNahe(Bild.pixel(4, 4), qRgb(128, 128, 128), 3));

    // Damaged data: refused or decoded, never a crash; garbage is refused
    // and leaves the picture alone.
    QImage Alt(3, 3, QImage::Format_RGB32);
    EXPECT_FALSE(bJpegDekodieren("not a picture at all", Alt));
    EXPECT_EQ(Alt.size(), QSize(3, 3));
    EXPECT_FALSE(bJpegDekodieren(sDaten.substr(0, 20), Alt));
    QImage Halb;
    if (bJpegDekodieren(sDaten.substr(0, sDaten.size() / 2), Halb)) {
        EXPECT_EQ(Halb.size(), QSize(64, 32));
    }
}

TEST(Jpeg, PicturesLoadByTheirExtension)
{
    const fs::path pf = testhilfe::NeuerOrdner("laden");
    BmpSchreiben(pf / "a.BMP", 7, 5, 0x00FF00);
    JpegSchreiben(pf / "b.JpG", 9, 4, 0xFF0000);
    testhilfe::DateiSchreiben(pf / "c.jpg", "BM garbage");
    QImage Bild;
    ASSERT_TRUE(bBildLaden((pf / "a.BMP").string(), Bild));
    EXPECT_EQ(Bild.size(), QSize(7, 5));
    EXPECT_TRUE(bNahe(Bild.pixel(1, 1), qRgb(0, 255, 0), 0));
    ASSERT_TRUE(bBildLaden((pf / "b.JpG").string(), Bild));
    EXPECT_EQ(Bild.size(), QSize(9, 4));
    EXPECT_FALSE(bBildLaden((pf / "c.jpg").string(), Bild));
    EXPECT_FALSE(bBildLaden((pf / "none.bmp").string(), Bild));
}

TEST(Jpeg, DefaultBackgroundIsSmallAndDecodes)
{
    const fs::path pf = testhilfe::Quellordner() / "data" / "__system" / "pic" / "Default_harlenz.jpg";
    ASSERT_TRUE(fs::exists(pf));
    EXPECT_LT(fs::file_size(pf), 200u * 1024u);
    QImage Bild;
    ASSERT_TRUE(bBildLaden(pf.string(), Bild));
    EXPECT_GE(Bild.width(), 320);
    EXPECT_GE(Bild.height(), 200);
}

TEST_F(BildTest, EntriesAreSharedByNameIgnoringCase)
{
    BmpSchreiben(pfOrdner / "Lampe_an.BMP", 16, 16, 0xFFFF00);
    BmpSchreiben(pfOrdner / "lampe_aus.bmp", 14, 14, 0x404040);
    QImage* p1 = pForm->pGetBildVonDatei((pfOrdner / "Lampe_an.BMP").string());
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(pForm->pGetBildVonDatei((pfOrdner / "Lampe_an.BMP").string()), p1);
    EXPECT_EQ(pForm->pGetBildVonName("LAMPE_AN.bmp"), p1);
    EXPECT_EQ(pForm->iAnzahlBilder, 1);
    EXPECT_EQ(pForm->Bilder[0]->cName, "Lampe_an.BMP");
    EXPECT_EQ(pForm->Bilder[0]->iGroesse, static_cast<int32_t>(fs::file_size(pfOrdner / "Lampe_an.BMP")));
    EXPECT_EQ(pForm->pGetBildVonName("other.bmp"), nullptr);

    // Two LEDs that name one picture in different letter case share it
    // after loading the panel.
    testhilfe::DateiSchreiben(
        pfOrdner / "Bilder.maske_ini",
        "[Objekte]\n"
        "$Obj=3,$Op=E,$Adr=0,$Bit=0,$GrafikAkt=1,$Grafik1=lampe_an.bmp,$Grafik0=LAMPE_AUS.BMP,$x=1,$y=1,$w=16,$h=16\n"
        "$Obj=3,$Op=E,$Adr=0,$Bit=1,$GrafikAkt=1,$Grafik1=LAMPE_AN.BMP,$Grafik0=,$x=30,$y=1,$w=16,$h=16\n"
        "$Obj=3,$Op=E,$Adr=0,$Bit=2,$GrafikAkt=0,$Grafik1=lampe_an.bmp,$x=60,$y=1,$w=16,$h=16\n"
        "//\n");
    pForm->BilderFreigeben();
    EXPECT_EQ(pForm->iAnzahlBilder, 0);
    ASSERT_TRUE(pForm->bMaskeLesen((pfOrdner / "Bilder.maske_ini").string()));
    EXPECT_EQ(pForm->iAnzahlBilder, 2);
    ASSERT_EQ(pForm->iAnzahlObjekte, 3);
    ASSERT_NE(pForm->Objekte[0]->pBild1, nullptr);
    EXPECT_EQ(pForm->Objekte[0]->pBild1, pForm->Objekte[1]->pBild1);
    EXPECT_EQ(pForm->Objekte[0]->pBild1->size(), QSize(16, 16));
    ASSERT_NE(pForm->Objekte[0]->pBild0, nullptr);
    EXPECT_EQ(pForm->Objekte[0]->pBild0->size(), QSize(14, 14));
    EXPECT_EQ(pForm->Objekte[1]->pBild0, nullptr);
    EXPECT_EQ(pForm->Objekte[2]->pBild1, nullptr);   // pictures not in use
}

// A panel that names pictures it cannot show says so in one box at open,
// and its next Save writes every name as the file gave it.
TEST_F(BildTest, PicturesThePanelCannotShowAreListedOnceAndKeptOnSave)
{
    BmpSchreiben(pfOrdner / "Lampe_an.bmp", 16, 16, 0xFFFF00);
    testhilfe::DateiSchreiben(pfOrdner / "leer.jpg", "");
    JpegSchreiben(pfOrdner / "falsch.bmp", 8, 8, 0x00FF00);
    testhilfe::DateiSchreiben(pfOrdner / "text.BMP", "kein Bild\n");
    const std::string sLed = ",$Op=E,$Adr=0,$x=1,$y=1,$w=16,$h=16";
    const std::string sMaske =
        "[Hintergrundbild]\n$FileBack=hallen/weg.jpg\n[Objekte]\n"
        "$Obj=3,$Bit=0,$GrafikAkt=1,$Grafik1=sub/Lampe_an.bmp,$Grafik0=leer.jpg" + sLed + "\n"
        "$Obj=3,$Bit=1,$GrafikAkt=1,$Grafik1=falsch.bmp,$Grafik0=text.BMP" + sLed + "\n"
        "$Obj=3,$Bit=2,$GrafikAkt=1,$Grafik1=fehlt.bmp,$Grafik0=LEER.JPG" + sLed + "\n"
        "$Obj=3,$Bit=3,$GrafikAkt=0,$Grafik1=auch_weg.bmp,$Grafik0=" + sLed + "\n//\n";
    const fs::path pfMaske = pfOrdner / "Bilder.maske_ini";
    testhilfe::DateiSchreiben(pfMaske, sMaske);
    ASSERT_TRUE(pForm->bMaskeLesen(pfMaske.string()));

    ASSERT_EQ(u.Meldungen.size(), 1u) << u.MeldungsTexte();
    const std::string sListe = PoolText(6867) + " " + PoolTextFormat(6865, "%s", "hallen/weg.jpg") + "\n" +
                               PoolTextFormat(6866, "%s", "leer.jpg") + "\n" +
                               PoolTextFormat(6866, "%s", "falsch.bmp") + "\n" +
                               PoolTextFormat(6866, "%s", "text.BMP") + "\n" +
                               PoolTextFormat(6865, "%s", "fehlt.bmp") + "\n";
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6864, "%s%s", pfMaske.string().c_str(), sListe.c_str()));
    // A name with a folder keeps it and shows the picture of that name.
    EXPECT_EQ(pForm->Objekte[0]->Grafik1, "sub/Lampe_an.bmp");
    ASSERT_NE(pForm->Objekte[0]->pBild1, nullptr);
    EXPECT_EQ(pForm->Objekte[0]->pBild1->size(), QSize(16, 16));

    pForm->showNormal();
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    const std::string sGespeichert = testhilfe::DateiLesen(pfMaske);
    for (const char* pc : {"\n$FileBack=hallen/weg.jpg\n", "$Grafik1=sub/Lampe_an.bmp,$Grafik0=leer.jpg,",
                           "$Grafik1=falsch.bmp,$Grafik0=text.BMP,", "$Grafik1=fehlt.bmp,$Grafik0=LEER.JPG,",
                           "$Grafik1=auch_weg.bmp,"})
        EXPECT_NE(sGespeichert.find(pc), std::string::npos) << pc << "\n" << sGespeichert;
}

// Two projects hold a picture of one name: each panel shows its own.
TEST_F(BildTest, OpeningAnotherProjectShowsItsOwnPictures)
{
    const char* pcMaske =
        "[Objekte]\n$Obj=3,$Op=A,$Adr=0,$Bit=0,$GrafikAkt=1,$Grafik1=Lampe.bmp,$x=1,$y=1,$w=16,$h=16\n//\n";
    const struct {
        const char* pcName;
        unsigned uFarbe;
    } projekte[] = {{"ProjektA", 0xFF0000}, {"ProjektB", 0x0000FF}, {"ProjektA", 0xFF0000}};
    for (const auto& p : projekte) {
        const fs::path pf = u.pfProjekte / p.pcName;
        fs::create_directories(pf);
        BmpSchreiben(pf / "Lampe.bmp", 16, 16, p.uFarbe);
        testhilfe::DateiSchreiben(pf / "Anlage.maske_ini", pcMaske);
    }
    for (const auto& p : projekte) {
        ASSERT_TRUE(pForm->bMaskeLesen((u.pfProjekte / p.pcName / "Anlage.maske_ini").string()));
        ASSERT_EQ(pForm->iAnzahlObjekte, 1);
        ASSERT_NE(pForm->Objekte[0]->pBild1, nullptr);
        EXPECT_TRUE(bNahe(pForm->Objekte[0]->pBild1->pixel(5, 5), 0xFF000000u | p.uFarbe)) << p.pcName;
        EXPECT_EQ(pForm->iAnzahlBilder, 1);
    }
}

TEST_F(BildTest, PicturesFromElsewhereAreCopiedIntoTheProjectFolder)
{
    const fs::path pfAussen = testhilfe::NeuerOrdner("aussen");
    JpegSchreiben(pfAussen / "Tank.jpg", 20, 30, 0x0000FF);
    QImage* p = pForm->pGetBildVonDatei((pfAussen / "Tank.jpg").string());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->size(), QSize(20, 30));
    EXPECT_TRUE(fs::exists(pfOrdner / "Tank.jpg"));
    std::string sPfad;
    EXPECT_TRUE(pForm->bDateiImMaskenordner("TANK.JPG", sPfad));
    EXPECT_EQ(sPfad, (pfOrdner / "Tank.jpg").string());
    EXPECT_FALSE(pForm->bDateiImMaskenordner("none.jpg", sPfad));
    EXPECT_EQ(sPfad, (pfOrdner / "none.jpg").string());
}

TEST_F(BildTest, LongNamesAndFailedCopiesGiveNoEntry)
{
    const fs::path pfAussen = testhilfe::NeuerOrdner("lang");
    const std::string s103 = std::string(99, 'a') + ".bmp";
    const std::string s104 = std::string(100, 'b') + ".bmp";
    BmpSchreiben(pfAussen / s103, 2, 2, 0);
    BmpSchreiben(pfAussen / s104, 2, 2, 0);
    EXPECT_NE(pForm->pGetBildVonDatei((pfAussen / s103).string()), nullptr);
    EXPECT_EQ(pForm->pGetBildVonDatei((pfAussen / s104).string()), nullptr);
    EXPECT_EQ(pForm->iAnzahlBilder, 1);
    EXPECT_EQ(pForm->pGetBildVonName(s104.substr(0, 103)), nullptr);

    // The source does not exist, or the project folder is gone: no entry.
    EXPECT_EQ(pForm->pGetBildVonDatei((pfAussen / "none.bmp").string()), nullptr);
    cMaskenVerzeichnis = (u.pfProjekte / "weg").string() + "/";
    EXPECT_EQ(pForm->pGetBildVonDatei((pfAussen / s103).string()), nullptr);
    // No project folder at all: nothing is copied anywhere.
    cMaskenVerzeichnis.clear();
    EXPECT_EQ(pForm->pGetBildVonDatei((pfAussen / s103).string()), nullptr);
    EXPECT_FALSE(fs::exists(fs::current_path() / s103));
    EXPECT_EQ(pForm->iAnzahlBilder, 1);
}

TEST_F(BildTest, TheFiveHundredthPictureGetsNoEntry)
{
    for (int i = 0; i < 500; ++i) BmpSchreiben(pfOrdner / ("p" + std::to_string(i) + ".bmp"), 1, 1, 0);
    for (int i = 0; i < 499; ++i)
        ASSERT_NE(pForm->pGetBildVonDatei((pfOrdner / ("p" + std::to_string(i) + ".bmp")).string()), nullptr);
    EXPECT_EQ(pForm->iAnzahlBilder, 499);
    EXPECT_EQ(pForm->pGetBildVonDatei((pfOrdner / "p499.bmp").string()), nullptr);
    // Known names are still found.
    EXPECT_NE(pForm->pGetBildVonDatei((pfOrdner / "p7.bmp").string()), nullptr);
    EXPECT_EQ(pForm->iAnzahlBilder, 499);
    pForm->MaskeLoeschen();
    EXPECT_EQ(pForm->iAnzahlBilder, 0);
}

TEST_F(BildTest, BackgroundChoiceCopiesThePictureAndSurvivesAReload)
{
    const fs::path pfAussen = testhilfe::NeuerOrdner("hinter");
    JpegSchreiben(pfAussen / "Halle.jpg", 120, 80, 0x808000);
    // Refused without a panel and in read-only mode.
    NaechsteDateiAntwort((pfAussen / "Halle.jpg").string());
    pForm->aMaske_Hintergrundbild_ladenExecute();
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolText(6860));
    DialogAntwortenLoeschen();

    EingabenVorgeben({"Halle"});
    pForm->aDatei_SpeichernExecute();
    ASSERT_FALSE(MaskeFile.empty());
    bNurLesen = true;
    pForm->aMaske_Hintergrundbild_ladenExecute();
    EXPECT_EQ(u.Meldungen.back().sText, PoolText(1262));
    bNurLesen = false;

    u.Meldungen.clear();
    NaechsteDateiAntwort((pfAussen / "Halle.jpg").string());
    pForm->aMaske_Hintergrundbild_ladenExecute();
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    EXPECT_EQ(pForm->cHintergrundDatei, (pfAussen / "Halle.jpg").string());
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(120, 80));
    EXPECT_TRUE(fs::exists(fs::path(cMaskenVerzeichnis) / "Halle.jpg"));
    EXPECT_TRUE(pForm->bMaskeGeaendert);
    EXPECT_EQ(pForm->OpenPictureDialog->Title, PoolText(1286));
    EXPECT_EQ(pForm->OpenPictureDialog->InitialDir, cExeVerzeichnis + "Pic/");

    pForm->aDatei_SpeichernExecute();
    const std::string sDatei = MaskeFile;
    pForm->aDatei_NeuExecute();
    ASSERT_TRUE(pForm->bMaskeLesen(sDatei));
    EXPECT_EQ(pForm->cHintergrundDatei, cMaskenVerzeichnis + "Halle.jpg");
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(120, 80));
    EXPECT_FALSE(pForm->lBlanc_Hinweis->isVisibleTo(pForm));

    // A name the panel file would read a key from is refused before
    // anything changes (read back, it would set the window's width).
    const std::string sSchluessel = "Halle$WindowW=9.jpg";
    JpegSchreiben(pfAussen / sSchluessel, 10, 10, 0);
    NaechsteDateiAntwort((pfAussen / sSchluessel).string());
    pForm->aMaske_Hintergrundbild_ladenExecute();
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6705, "%s", sSchluessel.c_str()));
    EXPECT_EQ(pForm->cHintergrundDatei, cMaskenVerzeichnis + "Halle.jpg");
    EXPECT_FALSE(pForm->bMaskeGeaendert);
    EXPECT_FALSE(fs::exists(fs::path(cMaskenVerzeichnis) / sSchluessel));
    u.Meldungen.clear();

    // The picture cannot be copied into the project folder: said so.
    LetzterPfadHBild = pfAussen.string() + "/";
    JpegSchreiben(pfAussen / "Zwei.jpg", 10, 10, 0);
    cMaskenVerzeichnis = (u.pfProjekte / "weg").string() + "/";
    NaechsteDateiAntwort((pfAussen / "Zwei.jpg").string());
    pForm->aMaske_Hintergrundbild_ladenExecute();
    EXPECT_EQ(pForm->OpenPictureDialog->InitialDir, LetzterPfadHBild);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1390, "%s", (pfAussen / "Zwei.jpg").string().c_str()));
    LetzterPfadHBild.clear();
}

TEST_F(BildTest, MissingDefaultPictureLeavesTheBackgroundEmpty)
{
    fs::remove(u.pfProgramm / "__system" / "pic" / "Default_harlenz.jpg");
    pForm->StandardHintergrundLaden();
    EXPECT_TRUE(pForm->cHintergrundDatei.empty());
    EXPECT_TRUE(pForm->Image300CPU->isNull());
    EXPECT_FALSE(pForm->lBlanc_Hinweis->isVisibleTo(pForm));
    EXPECT_TRUE(u.Meldungen.empty());
}
