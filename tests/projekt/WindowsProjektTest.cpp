// Project folders brought over from Windows: the bytes their tools leave
// (BOM, CR LF, Ctrl-Z, UTF-16, Windows-1252 texts, code page 850 names,
// other letter case) must open as they did there, and saving must not
// change what the user did not change.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include <filesystem>
#include <map>

#include "BildBibliothek.h"
#include "DlgEinstellungenForm.h"
#include "DlgLEDForm.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Hilfe.h"
#include "Maske.h"
#include "MyObj.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinDialoge.h"
#include "WinText.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

std::string Lesen(const fs::path& pf)
{
    std::string s;
    EXPECT_TRUE(bDateiLesen(pf.string(), s)) << pf;
    return s;
}

std::string Le32(uint32_t u)
{
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}

// UTF-8 text to UTF-16 with its byte order mark (BMP characters only).
std::string Utf16(const std::string& sUtf8, bool bLittleEndian)
{
    const QString q = QString::fromUtf8(sUtf8);
    std::string s = bLittleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (QChar c : q) {
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        const char hi = static_cast<char>(c.unicode() >> 8);
        s += bLittleEndian ? std::string{lo, hi} : std::string{hi, lo};
    }
    return s;
}

// The panel as a Windows installation writes it, in Windows-1252: a LED
// whose pictures carry a Windows path, a static text with umlauts, the
// background by a whole Windows path.
const std::string cPanel1252 =
    "//Maskendatei von...\r\n[Hintergrundbild]\r\n$FileBack=C:\\Veltrano\\Projekte\\HINTER.BMP\r\n"
    "[Einstellungen]\r\n$SPSTyp=CPU314.TXT (CPU 314)\r\n$BausteineRestaurieren=0\r\n[Objekte]\r\n"
    "$Obj=1,$ColorH=0,$ColorT=0,$x=5,$y=6,$w=120,$h=14,$Transparent=0,$MoveNr=-1,$MoveAktiv=0,"
    "$Text=F\xF6rderband \xC4nderung\r\n"
    "$Obj=3,$Op=E,$Adr=0,$Bit=1,$ColorHi=255,$ColorLo=0,$Clickable=1,$Variable=0,$Grundstellung=0,"
    "$HotKeyAktiv=0,$HotKey=0,$GrafikAbs=0,$GrafikAkt=1,$Grafik1=C:\\Bilder\\LAMPE_AN.BMP,"
    "$Grafik0=..\\Bilder\\lampe_aus.bmp,$MoveNr=-1,$MoveAktiv=0,$Taster=0,$x=20,$y=40,$w=12,$h=12\r\n"
    "//\r\n";

struct WindowsProjekt : ::testing::Test {
    Umgebung u;
    THauptformular* pForm = nullptr;
    fs::path pfOrdner;
    void SetUp() override
    {
        pForm = FensterOhneStart();
        // "Förderband" as a zip packer on Windows stores it: code page 850.
        pfOrdner = u.pfProjekte / "F\x94rderband";
        fs::create_directories(pfOrdner);
        Bmp("hinter.bmp", 40, 30, 0x00FF00);
        Bmp("Lampe_An.bmp", 12, 12, 0xFF0000);
        Bmp("LAMPE_AUS.BMP", 12, 12, 0x0000FF);
    }
    void TearDown() override { FensterWeg(pForm); }
    // Qt takes paths as Unicode and cannot name the code page 850 folder:
    // write beside it and move the file in by its bytes.
    void Bmp(const char* pcName, int iBreite, int iHoehe, unsigned uRgb)
    {
        const fs::path pf = u.pfProjekte / "neu.bmp";
        BmpSchreiben(pf, iBreite, iHoehe, uRgb);
        fs::rename(pf, pfOrdner / pcName);
    }
    // A panel beside a PLC.DAT the engine cannot read (sKaputt).
    const std::string sKaputt = "[KOLV_D7ED]\r\nTaktmerkerByte=hundert\r\n";
    fs::path PanelMitKaputterPlcDat()
    {
        const fs::path pfMaske = pfOrdner / "Anlage.maske_ini";
        testhilfe::DateiSchreiben(pfMaske.string(), cPanel1252);
        testhilfe::DateiSchreiben((pfOrdner / "PLC.DAT").string(), sKaputt);
        return pfMaske;
    }
    // PLC.DAT text with a clock memory byte the defaults do not have.
    std::string PlcDat()
    {
        D7ED_SetTaktMerkerByteNr(100);
        const fs::path pf = u.pfProjekte / "vorlage.dat";
        EXPECT_TRUE(D7ED_bSPSEigenschaftenSpeichern(pf.string().c_str()));
        D7ED_SetTaktMerkerByteNr(0);
        std::string s;
        for (char c : Lesen(pf)) s += c == '\n' ? std::string("\r\n") : std::string(1, c);
        fs::remove(pf);
        return s;
    }
};

} // namespace

TEST_F(WindowsProjekt, OpensWholeAndSaveKeepsWhatTheUserDidNotChange)
{
    const fs::path pfMaske = pfOrdner / "Anlage.maske_ini";
    testhilfe::DateiSchreiben(pfMaske.string(), "\xEF\xBB\xBF" + cPanel1252 + "\x1A");
    testhilfe::DateiSchreiben((pfOrdner / "plc.dat").string(), "\xEF\xBB\xBF" + PlcDat() + "\x1A");
    testhilfe::DateiSchreiben((pfOrdner / "ANLAGE.RTF").string(), "{\\rtf1 Notiz}");

    // The folder name is opened by the path the user gives: the Windows-1252
    // reading of the same name, in other letter case.
    const std::string sPfad = DateiImOrdnerSuchen(u.pfProjekte.string(), "F\xD6RDERBAND/anlage.maske_ini");
    ASSERT_EQ(sPfad, pfMaske.string());
    ASSERT_TRUE(pForm->bMaskeLesen(sPfad));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    ASSERT_EQ(pForm->iAnzahlObjekte, 2);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "Förderband Änderung");
    const TMyObj* pLed = pForm->Objekte[1];
    // The names stay as the file gives them; the pictures are the files of
    // those names in the project folder.
    EXPECT_EQ(pLed->Grafik1, "C:\\Bilder\\LAMPE_AN.BMP");
    EXPECT_EQ(pLed->Grafik0, "..\\Bilder\\lampe_aus.bmp");
    ASSERT_NE(pLed->pBild1, nullptr);
    ASSERT_NE(pLed->pBild0, nullptr);
    EXPECT_EQ(fs::path(pForm->cHintergrundDatei).filename(), "hinter.bmp");
    ASSERT_NE(pForm->Image300CPU, nullptr);
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(40, 30));
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100);
    EXPECT_EQ(NotizDokumentPfad(MaskeFile), (pfOrdner / "ANLAGE.RTF").string());

    const std::vector<std::string> vorher{pForm->Objekte[0]->pcGetINIString(),
                                          pLed->pcGetINIString()};
    pForm->showNormal();
    ASSERT_TRUE(pForm->bMaskeSchreiben(MaskeFile));
    // Written to the names that were found: no second PLC.DAT beside plc.dat.
    EXPECT_FALSE(fs::exists(pfOrdner / "PLC.DAT"));
    EXPECT_NE(Lesen(pfOrdner / "plc.dat").find("TaktmerkerByte=100"), std::string::npos);
    EXPECT_NE(Lesen(pfMaske).find("$FileBack=C:\\Veltrano\\Projekte\\HINTER.BMP\n"), std::string::npos);

    ASSERT_TRUE(pForm->bMaskeLesen(pfMaske.string()));
    ASSERT_EQ(pForm->iAnzahlObjekte, 2);
    EXPECT_EQ(pForm->Objekte[0]->pcGetINIString(), vorher[0]);
    EXPECT_EQ(pForm->Objekte[1]->pcGetINIString(), vorher[1]);
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100);
}

TEST_F(WindowsProjekt, Utf16PanelsOpenWholeAndAnUndecodableOneIsRefused)
{
    const std::string sUtf8 = TextNachUtf8(cPanel1252);
    for (bool bLE : {true, false}) {
        const fs::path pf = pfOrdner / (bLE ? "le.maske_ini" : "be.maske_ini");
        testhilfe::DateiSchreiben(pf.string(), Utf16(sUtf8, bLE));
        ASSERT_TRUE(pForm->bMaskeLesen(pf.string())) << pf;
        ASSERT_EQ(pForm->iAnzahlObjekte, 2) << pf;
        EXPECT_EQ(pForm->Objekte[0]->Text0, "Förderband Änderung");
        EXPECT_EQ(pForm->Objekte[1]->Grafik0, "..\\Bilder\\lampe_aus.bmp");
    }

    // An odd number of bytes after the mark is no UTF-16: refused with the
    // open box, and the panel that was open stays the one that is saved.
    const std::string sOffen = MaskeFile;
    const fs::path pfKaputt = pfOrdner / "kaputt.maske_ini";
    testhilfe::DateiSchreiben(pfKaputt.string(), Utf16(sUtf8, true) + "x");
    u.Meldungen.clear();
    MaskeFile = pfKaputt.string();
    EXPECT_FALSE(pForm->bMaskeLesen(pfKaputt.string()));
    EXPECT_NE(u.MeldungsTexte().find("kaputt.maske_ini"), std::string::npos) << u.MeldungsTexte();
    EXPECT_EQ(MaskeFile, sOffen);
}

TEST_F(WindowsProjekt, UnreadablePlcDatIsReportedAndKeptUnlessTheUserAgrees)
{
    const fs::path pfMaske = PanelMitKaputterPlcDat();
    ASSERT_TRUE(pForm->bMaskeLesen(pfMaske.string()));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_NE(u.MeldungsTexte().find("PLC.DAT"), std::string::npos);

    pForm->showNormal();
    u.Antworten = {IDNO};
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    EXPECT_EQ(Lesen(pfOrdner / "PLC.DAT"), sKaputt);

    u.Antworten = {IDYES};
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    const std::string sNeu = Lesen(pfOrdner / "PLC.DAT");
    EXPECT_NE(sNeu, sKaputt);
    EXPECT_NE(sNeu.find("TaktmerkerByte="), std::string::npos);
    // Agreed once: the next save does not ask again.
    const size_t nBoxen = u.Meldungen.size();
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    EXPECT_EQ(u.Meldungen.size(), nBoxen);
}

TEST_F(WindowsProjekt, PlcSettingsOkReplacesAnUnreadablePlcDatWithoutAskingAgain)
{
    const fs::path pfMaske = PanelMitKaputterPlcDat();
    ASSERT_TRUE(pForm->bMaskeLesen(pfMaske.string()));
    pForm->showNormal();

    ModalAntworterSetzen([](QDialog& d) {
        static_cast<TDlgEinstellungen&>(d).bOkClick();
        return d.result();
    });
    pForm->aExtras_RavoDAVEinstellungenExecute();
    ModalAntworterSetzen({});
    const std::string sVomDialog = Lesen(pfOrdner / "PLC.DAT");
    ASSERT_NE(sVomDialog, sKaputt);

    // The user chose these settings, so saving the panel writes them again
    // without the question for an unreadable file.
    const size_t nBoxen = u.Meldungen.size();
    u.Antworten = {IDNO};
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    EXPECT_EQ(u.Meldungen.size(), nBoxen) << u.MeldungsTexte();
    EXPECT_EQ(Lesen(pfOrdner / "PLC.DAT"), sVomDialog);
}

namespace {

// Every file of a folder by its name on disk, with its bytes.
std::map<std::string, std::string> OrdnerInhalt(const fs::path& pfOrdner)
{
    std::map<std::string, std::string> m;
    for (const auto& e : fs::directory_iterator(pfOrdner))
        m[e.path().filename().string()] = Lesen(e.path());
    return m;
}

// Names in one of the two code pages that Windows archives use.
struct Codepage {
    const char* pcOrdner;   // "Förderband"
    const char* pcMaske;    // "ÜBERSICHT.MASKE_INI"
    const char* pcHalle;    // "Halle_Süd.bmp"
    const char* pcAn;       // "Lampe_grün.bmp"
    const char* pcAus;      // "Lämpchen_aus.BMP"
};

} // namespace

TEST_F(WindowsProjekt, NamesInOldCodePagesAreFoundAndWrittenBackAsUtf8)
{
    // The panel as Windows writes it (Windows-1252), naming its pictures in
    // other letter case than the files have.
    const std::string sPanel =
        "[Hintergrundbild]\r\n$FileBack=C:\\Projekte\\HALLE_S\xDC" "D.BMP\r\n[Objekte]\r\n"
        "$Obj=3,$Op=E,$Adr=0,$Bit=1,$ColorHi=255,$ColorLo=0,$Clickable=1,$Variable=0,"
        "$Grundstellung=0,$HotKeyAktiv=0,$HotKey=0,$GrafikAbs=0,$GrafikAkt=1,"
        "$Grafik1=lampe_gr\xFCn.bmp,$Grafik0=L\xC4MPCHEN_AUS.bmp,$MoveNr=-1,$MoveAktiv=0,"
        "$Taster=0,$x=20,$y=40,$w=12,$h=12\r\n//\r\n";
    const Codepage cp1252{"F\xF6rderband", "\xDC" "BERSICHT.MASKE_INI", "Halle_S\xFC" "d.bmp",
                          "Lampe_gr\xFC" "n.bmp", "L\xE4" "mpchen_aus.BMP"};
    const Codepage cp850{"F\x94rderband", "\x9A" "BERSICHT.MASKE_INI", "Halle_S\x81" "d.bmp",
                         "Lampe_gr\x81" "n.bmp", "L\x84" "mpchen_aus.BMP"};
    for (const Codepage* pCp : {&cp1252, &cp850}) {
        const bool b850 = pCp == &cp850;
        const fs::path pfProjekt = u.pfProjekte / (b850 ? "cp850" : "cp1252") / pCp->pcOrdner;
        fs::create_directories(pfProjekt);
        const fs::path pfMaske = pfProjekt / pCp->pcMaske;
        testhilfe::DateiSchreiben(pfMaske.string(), sPanel);
        const std::pair<const char*, QSize> bilder[] = {
            {pCp->pcHalle, {40, 30}}, {pCp->pcAn, {12, 12}}, {pCp->pcAus, {16, 16}}};
        for (const auto& [pcName, groesse] : bilder) {
            const fs::path pf = u.pfProjekte / "neu.bmp";
            BmpSchreiben(pf, groesse.width(), groesse.height(), 0x3366CC);
            fs::rename(pf, pfProjekt / pcName);
        }
        const auto vorher = OrdnerInhalt(pfProjekt);

        // From the command line with the extension in upper case: the bytes
        // on disk, or the path as a Linux user types it (UTF-8, any case).
        const std::string sGenannt =
            b850 ? (pfProjekt.parent_path() / "förderband" / "Übersicht.MASKE_INI").string()
                 : pfMaske.string();
        KommandozeileVorgeben((u.pfProgramm / "Veltrano").string(), {sGenannt});
        bool bGeladen = false;
        KommandozeileAuswerten(bGeladen);
        ASSERT_TRUE(bGeladen) << sGenannt << "\n" << u.MeldungsTexte();
        EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
        EXPECT_EQ(MaskeFile, pfMaske.string());
        EXPECT_NE(pForm->windowTitle().toStdString().find("[ÜBERSICHT.MASKE_INI]"), std::string::npos)
            << pForm->windowTitle().toStdString();
        EXPECT_EQ(pForm->cHintergrundDatei, (pfProjekt / pCp->pcHalle).string());
        EXPECT_EQ(pForm->Image300CPU->size(), QSize(40, 30));
        ASSERT_EQ(pForm->iAnzahlObjekte, 1);
        TMyObj* pLed = pForm->Objekte[0];
        ASSERT_NE(pLed->pBild1, nullptr) << b850;
        ASSERT_NE(pLed->pBild0, nullptr) << b850;
        EXPECT_EQ(pLed->pBild1->size(), QSize(12, 12));
        EXPECT_EQ(pLed->pBild0->size(), QSize(16, 16));

        // The LED dialog shows the files it found by their readings, and OK
        // takes those names (before, as U+FFFD).
        {
            TDlgLED d(pForm, false, pLed);
            const std::string sLabel = d.lGrafik1File->text().toStdString();
            EXPECT_TRUE(sLabel.ends_with("/Förderband/Lampe_grün.bmp")) << sLabel;
            EXPECT_FALSE(d.Image0->pixmap().isNull());
            d.bOkClick();
            ASSERT_EQ(d.result(), 1);
        }
        EXPECT_EQ(pLed->Grafik1, "Lampe_grün.bmp");
        EXPECT_EQ(pLed->Grafik0, "Lämpchen_aus.BMP");
        const std::string sLedZeile = pLed->pcGetINIString();

        pForm->showNormal();
        ASSERT_TRUE(pForm->bMaskeSchreiben(MaskeFile));
        const std::string sGespeichert = Lesen(pfMaske);
        EXPECT_TRUE(bIstUtf8(sGespeichert)) << sGespeichert;
        EXPECT_NE(sGespeichert.find("\n$FileBack=C:\\Projekte\\HALLE_SÜD.BMP\n"), std::string::npos)
            << sGespeichert;
        EXPECT_NE(sGespeichert.find("$Grafik1=Lampe_grün.bmp,$Grafik0=Lämpchen_aus.BMP,"),
                  std::string::npos);
        // Every file keeps its name and bytes, and no UTF-8 twin appears;
        // only the panel and the engine's own files are written.
        auto nachher = OrdnerInhalt(pfProjekt);
        nachher.erase(pCp->pcMaske);
        nachher.erase("PLC.DAT");
        nachher.erase("IPADR.DAT");
        auto erwartet = vorher;
        erwartet.erase(pCp->pcMaske);
        EXPECT_EQ(nachher, erwartet);

        // Read back, the names find the same files again.
        ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
        ASSERT_EQ(pForm->iAnzahlObjekte, 1);
        EXPECT_EQ(pForm->Objekte[0]->pcGetINIString(), sLedZeile);
        EXPECT_NE(pForm->Objekte[0]->pBild0, nullptr);
        EXPECT_EQ(pForm->cHintergrundDatei, (pfProjekt / pCp->pcHalle).string());
        EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    }
}

TEST(WindowsBild, Bmp32WithAllAlphaZeroIsOpaque)
{
    Umgebung u;
    // 2x1 pixels in a V4 header with BITFIELDS and an alpha mask, every
    // alpha byte 0.
    std::string sBmp = std::string("BM") + Le32(14 + 108 + 8) + Le32(0) + Le32(14 + 108);
    sBmp += Le32(108) + Le32(2) + Le32(1) + std::string("\x01\x00\x20\x00", 4) + Le32(3) + Le32(8);
    sBmp += Le32(2835) + Le32(2835) + Le32(0) + Le32(0);
    sBmp += Le32(0x00FF0000) + Le32(0x0000FF00) + Le32(0x000000FF) + Le32(0xFF000000);
    sBmp += Le32(0x73524742) + std::string(36 + 12, '\0');   // "sRGB", no end points, no gamma
    sBmp += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // red, blue
    const fs::path pf = u.pfProjekte / "maske.bmp";
    testhilfe::DateiSchreiben(pf.string(), sBmp);
    // Qt alone reads such a file as fully transparent.
    QImage Roh;
    ASSERT_TRUE(Roh.loadFromData(reinterpret_cast<const uchar*>(sBmp.data()), int(sBmp.size()), "BMP"));
    ASSERT_EQ(qAlpha(Roh.pixel(0, 0)), 0);
    QImage Bild;
    ASSERT_TRUE(bBildLaden(pf.string(), Bild));
    EXPECT_EQ(Bild.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(Bild.pixel(1, 0), qRgb(0, 0, 255));
}
