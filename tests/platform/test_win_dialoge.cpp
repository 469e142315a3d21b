// File, folder and colour dialogs: filters converted, queued answers taken
// in order, and "cancelled" instead of a blocked headless test.
#include "WinDialoge.h"
#include "TestUmgebung.h"

#include <gtest/gtest.h>

class WinDialoge : public ::testing::Test {
protected:
    void TearDown() override { DialogAntwortenLoeschen(); }
};

TEST_F(WinDialoge, FilterInQtForm)
{
    EXPECT_EQ(QtFilterAusDesign("Bilder|*.bmp;*.jpg|Alle|*.*"), "Bilder (*.bmp *.jpg);;Alle (*.*)");
    EXPECT_EQ(QtFilterAusDesign("Bausteine (*.wld)|*.WLD"), "Bausteine (*.wld) (*.WLD)");
    EXPECT_EQ(QtFilterAusDesign("Maske|*.maske_ini|"), "Maske (*.maske_ini)");
    EXPECT_EQ(QtFilterAusDesign("Ohne Muster"), "Ohne Muster (*)");
    EXPECT_EQ(QtFilterAusDesign("A| *.a ; ;*.b "), "A (*.a *.b)");
    EXPECT_EQ(QtFilterAusDesign(""), "");
    // The pattern shown by the description is not shown twice.
    EXPECT_EQ(QtFilterAusDesign("Masken (*.maske_ini)|*.maske_ini"), "Masken (*.maske_ini)");
    EXPECT_EQ(QtFilterAusDesign("Bilder (BMP, JPG)|*.bmp;*.jpg"), "Bilder (BMP, JPG) (*.bmp *.jpg)");
}

// A picture chosen without extension: the existing file in its own letter
// case, else the name with the default extension; a name with any
// extension stays as it is.
TEST_F(WinDialoge, StandardEndungErgaenztNamenOhneEndung)
{
    const auto pf = testhilfe::NeuerOrdner("endung");
    testhilfe::DateiSchreiben(pf / "Lampe.BMP", "BM");
    testhilfe::DateiSchreiben(pf / "Motor", "x");
    NaechsteDateiAntwort((pf / "Lampe").string());
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "Bild", "Bilder|*.bmp", pf.string(), "BMP"), (pf / "Lampe.BMP").string());
    EXPECT_EQ(MitStandardEndung((pf / "Neu").string(), "BMP"), (pf / "Neu.bmp").string());
    EXPECT_EQ(MitStandardEndung((pf / "Motor").string(), "BMP"), (pf / "Motor").string());
    EXPECT_EQ(MitStandardEndung((pf / "a.jpg").string(), "BMP"), (pf / "a.jpg").string());
    EXPECT_EQ(MitStandardEndung("", "BMP"), "");
    NaechsteDateiAntwort((pf / "Lampe").string());
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "Bild", "Bilder|*.bmp", pf.string()), (pf / "Lampe").string());
}

TEST_F(WinDialoge, DateiAntwortenInDerReihenfolge)
{
    NaechsteDateiAntwort("/p/a.bmp");
    NaechsteDateiAntwort("");
    NaechsteDateiAntwort("/p/neu.maske_ini");
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "Bild", "Bilder|*.bmp", "/p/"), "/p/a.bmp");
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "Bild", "Bilder|*.bmp", "/p/"), "");
    EXPECT_EQ(DateiSpeichernDialog(nullptr, "Speichern", "", "/p/"), "/p/neu.maske_ini");
    // Nothing queued: cancelled at once instead of waiting for a click.
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "Bild", "Bilder|*.bmp", "/p/"), "");
    EXPECT_EQ(DateiSpeichernDialog(nullptr, "Speichern", "", "/p/"), "");
}

TEST_F(WinDialoge, OrdnerMitSchraegstrich)
{
    NaechsteOrdnerAntwort("/home/u/Veltrano-Prj");
    NaechsteOrdnerAntwort("/home/u/x/");
    NaechsteOrdnerAntwort("");
    EXPECT_EQ(OrdnerWaehlenDialog(nullptr, "Ordner", "/"), "/home/u/Veltrano-Prj/");
    EXPECT_EQ(OrdnerWaehlenDialog(nullptr, "Ordner", "/"), "/home/u/x/");
    EXPECT_EQ(OrdnerWaehlenDialog(nullptr, "Ordner", "/"), "");
    EXPECT_EQ(OrdnerWaehlenDialog(nullptr, "Ordner", "/"), "");
}

TEST_F(WinDialoge, FarbeNurBeiOk)
{
    uint32_t dwFarbe = 0x0000FF;
    NaechsteFarbAntwort(0x00C0FFC0u);
    NaechsteFarbAntwort(std::nullopt);
    NaechsteFarbAntwort(0xFF123456u);
    EXPECT_TRUE(bFarbDialog(nullptr, dwFarbe));
    EXPECT_EQ(dwFarbe, 0x00C0FFC0u);
    EXPECT_FALSE(bFarbDialog(nullptr, dwFarbe));
    EXPECT_EQ(dwFarbe, 0x00C0FFC0u);
    // Only the colour bits are kept.
    EXPECT_TRUE(bFarbDialog(nullptr, dwFarbe));
    EXPECT_EQ(dwFarbe, 0x00123456u);
    EXPECT_FALSE(bFarbDialog(nullptr, dwFarbe));
    EXPECT_EQ(dwFarbe, 0x00123456u);
}

TEST_F(WinDialoge, LoeschenVerwirftAlleAntworten)
{
    NaechsteDateiAntwort("/a");
    NaechsteOrdnerAntwort("/b");
    NaechsteFarbAntwort(1u);
    DialogAntwortenLoeschen();
    uint32_t dwFarbe = 5;
    EXPECT_EQ(DateiOeffnenDialog(nullptr, "", "", ""), "");
    EXPECT_EQ(OrdnerWaehlenDialog(nullptr, "", ""), "");
    EXPECT_FALSE(bFarbDialog(nullptr, dwFarbe));
    EXPECT_EQ(dwFarbe, 5u);
}
