// Panel files that were damaged, made by other programs or too big: what
// the open refuses, and that no save loses or corrupts what the file held.
#include <gtest/gtest.h>

#include <QImage>
#include <QScreen>

#include <filesystem>
#include <random>
#include <sys/stat.h>

#include "Programm.h"
#include "HauptForm.h"
#include "Maske.h"
#include "MyObj.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "WinText.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

struct FeindlicheDatei : AnlagenTest {
    // Opens as the menu does: the name is set before reading.
    bool bOeffnen(const std::string& sPfad)
    {
        MaskeFile = sPfad;
        return pForm->bMaskeLesen(sPfad);
    }
    bool bGemeldet(const std::string& sText) const
    {
        for (const TMeldung& m : u.Meldungen)
            if (m.sText == sText) return true;
        return false;
    }
};

std::string Regression(const char* pcZiel, const char* pcName)
{
    return testhilfe::DateiLesen(testhilfe::Quellordner() / "fuzz" / "regressions" / pcZiel / pcName);
}

std::string StatischerText(const std::string& sText)
{
    return "$Obj=1,$ColorH=0,$ColorT=0,$x=5,$y=6,$w=80,$h=14,$Transparent=0,$MoveNr=-1,"
           "$MoveAktiv=0,$Text=" + sText + "\n";
}

} // namespace

TEST_F(FeindlicheDatei, FremdeDateiWirdNichtGeoeffnetUndDieMaskeBleibt)
{
    const std::string sGut = Datei("Gut.maske_ini");
    testhilfe::DateiSchreiben(sGut, "[Objekte]\n" + StatischerText("bleibt"));
    ASSERT_TRUE(bOeffnen(sGut));

    std::mt19937 zufall(7);
    std::string sMuell(4096, '\0');
    for (char& c : sMuell) c = static_cast<char>(zufall());
    const std::string sFremd = Datei("Fremd.maske_ini");
    testhilfe::DateiSchreiben(sFremd, sMuell);
    EXPECT_FALSE(bOeffnen(sFremd));
    EXPECT_TRUE(bGemeldet(PoolTextFormat(6702, "%s", sFremd.c_str()))) << u.MeldungsTexte();
    // Nothing of the refused file was taken, so Save goes to the shown panel.
    EXPECT_EQ(MaskeFile, sGut);
    EXPECT_EQ(cMaskenVerzeichnis, pfOrdner.string() + "/");
    ASSERT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "bleibt");
    EXPECT_EQ(testhilfe::DateiLesen(sFremd), sMuell);

    // An empty file is still an empty panel.
    testhilfe::DateiSchreiben(Datei("Leer.maske_ini"), "");
    EXPECT_TRUE(bOeffnen(Datei("Leer.maske_ini")));
}

TEST_F(FeindlicheDatei, LangeZeilenKommenGanzZurueckUeberlangeWerdenAbgelehnt)
{
    // A 64 KiB text with an object key further on: one object, whole.
    std::string sLang;
    while (sLang.size() < 64 * 1024) sLang += "Abschnitt $Obj=3 $x=1 ";
    const std::string sDatei = Datei("Lang.maske_ini");
    testhilfe::DateiSchreiben(sDatei, "[Objekte]\n" + StatischerText(sLang) + "//\n");
    ASSERT_TRUE(bOeffnen(sDatei));
    ASSERT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_EQ(pForm->Objekte[0]->Text0, sLang);
    ASSERT_TRUE(pForm->bMaskeSchreiben(sDatei));
    ASSERT_TRUE(bOeffnen(sDatei));
    ASSERT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_EQ(pForm->Objekte[0]->Text0, sLang);

    const std::string sZuLang = Datei("ZuLang.maske_ini");
    testhilfe::DateiSchreiben(sZuLang, "[Objekte]\n" + StatischerText(std::string(nMaxMaskenZeile, 'x')));
    EXPECT_FALSE(bOeffnen(sZuLang));
    EXPECT_TRUE(bGemeldet(PoolTextFormat(6703, "%d%s%d", 2, sZuLang.c_str(),
                                          static_cast<int>(nMaxMaskenZeile)))) << u.MeldungsTexte();
    EXPECT_EQ(MaskeFile, sDatei);
    EXPECT_EQ(pForm->Objekte[0]->Text0, sLang);
}

TEST_F(FeindlicheDatei, UeberDemLimitGeladeneDateiWirdNichtUeberschrieben)
{
    std::string s = "[Objekte]\n";
    for (int i = 0; i < 600; ++i)
        s += "$Obj=3,$Op=A,$Adr=" + std::to_string(i % 100) + ",$Bit=0,$x=1,$y=1,$w=12,$h=12\n";
    s += "//\n";
    const std::string sDatei = Datei("Voll.maske_ini");
    testhilfe::DateiSchreiben(sDatei, s);
    ASSERT_TRUE(bOeffnen(sDatei));
    EXPECT_EQ(pForm->iAnzahlObjekte, iMaxObjekte);
    u.Meldungen.clear();
    pForm->SetMaskeGeaendert(true);
    EXPECT_FALSE(pForm->bMaskeSchreiben(sDatei));
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(6701, "%s%d", sDatei.c_str(), 100));
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), s);
    EXPECT_TRUE(pForm->bMaskeGeaendert);
    // A new name loses nothing of that file.
    EXPECT_TRUE(pForm->bMaskeSchreiben(Datei("Teil.maske_ini")));
    // A panel that loaded whole saves over its file again.
    testhilfe::DateiSchreiben(sDatei, "[Objekte]\n" + StatischerText("klein"));
    ASSERT_TRUE(bOeffnen(sDatei));
    EXPECT_TRUE(pForm->bMaskeSchreiben(sDatei));
}

TEST_F(FeindlicheDatei, EinbyteFeldMitUmlautVerdirbtDieDateiNicht)
{
    const std::string sDatei = Datei("Umlaut.maske_ini");
    testhilfe::DateiSchreiben(sDatei, Regression("maske_datei", "maske_datei-op-umlaut"));
    ASSERT_TRUE(bOeffnen(sDatei));
    EXPECT_TRUE(bGemeldet(PoolTextFormat(6700, "%s%d", sDatei.c_str(), 1))) << u.MeldungsTexte();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(pForm->bMaskeSchreiben(sDatei));
        EXPECT_TRUE(bIstUtf8(testhilfe::DateiLesen(sDatei)));
        ASSERT_TRUE(bOeffnen(sDatei));
        ASSERT_EQ(pForm->iAnzahlObjekte, 2);
        EXPECT_EQ(pForm->Objekte[0]->Op, 0);
        EXPECT_EQ(pForm->Objekte[1]->Text0, "Förderband");
    }

    // One line in Windows-1252 among UTF-8 lines changes only itself.
    testhilfe::DateiSchreiben(sDatei, "[Objekte]\n" + StatischerText("F\xC3\xB6rderband") +
                                          StatischerText("K\xF6ln"));
    ASSERT_TRUE(bOeffnen(sDatei));
    ASSERT_EQ(pForm->iAnzahlObjekte, 2);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "Förderband");
    EXPECT_EQ(pForm->Objekte[1]->Text0, "Köln");
}

TEST_F(FeindlicheDatei, HintergrundMitAbschnittsnamenBleibtErhalten)
{
    const std::string sBild = "Halle[Objekte][Bewegungsprofile].bmp";
    QImage bild(8, 8, QImage::Format_RGB32);
    bild.fill(Qt::green);
    ASSERT_TRUE(bild.save(QString::fromStdString(Datei(sBild.c_str())), "BMP"));
    testhilfe::DateiSchreiben(Datei("Anlage.maske_ini"),
                              "[Hintergrundbild]\n$FileBack=" + sBild +
                                  "\n//\n[Objekte]\n" + StatischerText("eins") +
                                  "//\n[Bewegungsprofile]\n");
    ASSERT_TRUE(bOeffnen(Datei("Anlage.maske_ini")));
    EXPECT_EQ(pForm->cHintergrundDatei, Datei(sBild.c_str()));
    ASSERT_EQ(pForm->iAnzahlObjekte, 1);
    EXPECT_EQ(pForm->Objekte[0]->Text0, "eins");
}

TEST_F(FeindlicheDatei, FenstergroesseBleibtImBildschirm)
{
    const std::string sDatei = Datei("Riesig.maske_ini");
    testhilfe::DateiSchreiben(sDatei, Regression("maske_datei", "maske_datei-windoww"));
    pForm->showNormal();
    ASSERT_TRUE(bOeffnen(sDatei));
    const QSize flaeche = pForm->screen()->availableVirtualGeometry().size();
    EXPECT_LE(pForm->frameGeometry().width(), flaeche.width());
    EXPECT_LE(pForm->frameGeometry().height(), flaeche.height());
}

TEST_F(FeindlicheDatei, SchreibgeschuetzteMaskeBleibtUndReste)
{
    const std::string sDatei = Datei("Fest.maske_ini");
    testhilfe::DateiSchreiben(sDatei, "[Objekte]\n" + StatischerText("alt"));
    ASSERT_TRUE(bOeffnen(sDatei));
    const std::string sAlt = testhilfe::DateiLesen(sDatei);
    ::chmod(sDatei.c_str(), 0444);
    pForm->Objekte[0]->Text0 = "neu";
    pForm->SetMaskeGeaendert(true);
    EXPECT_FALSE(pForm->bMaskeSchreiben(sDatei));
    EXPECT_TRUE(bGemeldet(PoolTextFormat(1342, "%s", sDatei.c_str()))) << u.MeldungsTexte();
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), sAlt);
    EXPECT_TRUE(pForm->bMaskeGeaendert);

    // A save killed half way left its temporary file; the next successful
    // save of that panel removes it.
    ::chmod(sDatei.c_str(), 0644);
    testhilfe::DateiSchreiben(pfOrdner / ".Fest.maske_ini.tmpQ1w2E3", "halb");
    ASSERT_TRUE(pForm->bMaskeSchreiben(sDatei));
    EXPECT_FALSE(fs::exists(pfOrdner / ".Fest.maske_ini.tmpQ1w2E3"));
    EXPECT_NE(testhilfe::DateiLesen(sDatei).find("$Text=neu"), std::string::npos);
}
