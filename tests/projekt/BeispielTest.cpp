// The example project: opened from the command line as the README starts
// it, without any box, with everything it shows loaded; a screenshot is
// left as an artefact.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QToolBar>

#include <cstdlib>
#include <filesystem>

#include "Beschriftungen.h"
#include "Bewegungsprofil.h"
#include "Einstellungen.h"
#include "HauptForm.h"
#include "Maske.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

int ObjektZeilen(const std::string& s)
{
    int n = 0;
    for (std::size_t p = 0; (p = s.find("\n$Obj=", p)) != std::string::npos; ++p) ++n;
    return n;
}

} // namespace

TEST(Beispiel, OpensFromTheCommandLineWithoutABox)
{
    Umgebung u;
    const fs::path pfMaske = u.pfProgramm / "Projects" / "Beispiel" / "Beispiel.maske_ini";
    ASSERT_TRUE(fs::exists(pfMaske));
    const std::string sInhalt = testhilfe::DateiLesen(pfMaske);
    KommandozeileVorgeben((u.pfProgramm / "Veltrano").string(), {pfMaske.string()});

    auto* pForm = new THauptformular(nullptr);
    pForm->FormCreate();
    // First paint, the start-up work behind it, then the delayed start.
    ASSERT_TRUE(WarteBis([] { return MaskeFile == "" ? false : true; }, 15000));
    WarteBis([pForm] { return !pForm->bErstesZeichnen && pForm->pEAThread; }, 5000);
    WarteBis([] { return false; }, 300);
    EXPECT_EQ(MaskeFile, pfMaske.string());
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    EXPECT_EQ(pForm->iAnzahlObjekte, ObjektZeilen(sInhalt));
    EXPECT_GE(pForm->iAnzahlObjekte, 40);
    int iArten[7] = {};
    for (int i = 0; i < pForm->iAnzahlObjekte; ++i) ++iArten[pForm->Objekte[i]->Obj];
    for (int iArt : {Statische_Beschriftung, Dynamische_Beschriftung, LED, AnalogEingang, AnalogerAusgang})
        EXPECT_GT(iArten[iArt], 0) << iArt;
    EXPECT_EQ(cSPSTyp, "CPU315-2DP.TXT (CPU 315-2 DP)");
    EXPECT_FALSE(bInternerSPSTyp);
    EXPECT_EQ(pForm->SPSTyp.cBestellNummer, "6ES7 315-2AH14-0AB0");
    EXPECT_EQ(pForm->cHintergrundDatei, cMaskenVerzeichnis + "Anlage.jpg");
    ASSERT_NE(pForm->Image300CPU, nullptr);
    EXPECT_EQ(pForm->Image300CPU->size(), QSize(880, 450));
    EXPECT_FALSE(pForm->lBlanc_Hinweis->isVisibleTo(pForm));
    EXPECT_EQ(pForm->iAnzahlBilder, 3);
    EXPECT_NE(pForm->windowTitle().toStdString().find("[Beispiel.maske_ini]"), std::string::npos);
    EXPECT_EQ(pForm->frameGeometry().width(), 880);
    EXPECT_EQ(pForm->frameGeometry().height(), 610);
    EXPECT_FALSE(pForm->bMaskeGeaendert);
    // The engine: started, clock memory on MB 100 for the clock LEDs.
    EXPECT_EQ(D7ED_GetCPUZustand(nullptr), D7ED_CPU_RUN);
    EXPECT_TRUE(D7ED_IstGetTaktMerkerAktiv());
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100);
    // The motion profile of the parcel, with its end switches.
    EXPECT_EQ(Bewegungsprofile[0].Rechts.Op, 'E');
    EXPECT_EQ(Bewegungsprofile[0].Links.Bit, 1);
    EXPECT_EQ(Bewegungsprofile[0].Endsch, 1);
    int iBewegt = 0, iSensoren = 0, iHotKeys = 0, iTaster = 0, iBilder = 0, iRunStop = 0;
    for (int i = 0; i < pForm->iAnzahlObjekte; ++i) {
        const TMyObj* p = pForm->Objekte[i];
        iBewegt += p->MoveAktiv && p->MoveNr == 0;
        iSensoren += p->Obj == LED && p->Clickable && p->Op == 'E' && p->Adr == 1;
        iHotKeys += p->Obj == LED && p->HotKeyAktiv;
        iTaster += p->Obj == LED && p->HotKeyAktiv && p->Taster;
        iBilder += p->Obj == LED && p->GrafikAkt && p->pBild1 && p->pBild0;
        iRunStop += p->Obj == LED && (p->Variable == 3 || p->Variable == 4);
    }
    EXPECT_EQ(iBewegt, 1);
    EXPECT_EQ(iSensoren, 2);
    EXPECT_EQ(iHotKeys, 4);
    EXPECT_EQ(iTaster, 2);
    EXPECT_EQ(iBilder, 1);
    EXPECT_EQ(iRunStop, 2);

    const QPixmap Bild = pForm->grab();
    ASSERT_FALSE(Bild.isNull());
    const fs::path pfBild = testhilfe::Artefaktordner() / "beispiel.png";
    EXPECT_TRUE(Bild.save(QString::fromStdString(pfBild.string()), "PNG"));
    EXPECT_GT(fs::file_size(pfBild), 5000u);
    EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(pForm), std::vector<std::string>{});
    // The first start has stored no language: the mnemonics still follow
    // the texts (international ones with English), as after a choice.
    EXPECT_EQ(SPR_GetCharOperand_E(), SPR_GetTextSprache() == 1 ? 'E' : 'I');
    const QImage Pixel = Bild.toImage();
    EXPECT_NE(Pixel.pixel(Pixel.width() / 2, Pixel.height() / 2), Pixel.pixel(5, Pixel.height() - 40));

    // In RUN mode the engine's cycle drives the clock LEDs.
    pForm->aMaske_RUN_EDITORExecute();
    EXPECT_FALSE(pForm->bEditorModus);
    WarteBis([] { return false; }, 800);
    const QPixmap BildRun = pForm->grab();
    EXPECT_TRUE(BildRun.save(
        QString::fromStdString((testhilfe::Artefaktordner() / "beispiel_run.png").string()), "PNG"));
    pForm->aMaske_RUN_EDITORExecute();
    EXPECT_TRUE(pForm->bEditorModus);

    pForm->close();
    WarteBis([pForm] { return !pForm->isVisible(); }, 3000);
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    delete pForm;
    KommandozeileVorgeben("", {});
}

TEST(Beispiel, IsWhatTheWriterWrites)
{
    Umgebung u;
    THauptformular* pForm = FensterOhneStart();
    const fs::path pfOrdner = u.pfProgramm / "Projects" / "Beispiel";
    const std::string sVorher = testhilfe::DateiLesen(pfOrdner / "Beispiel.maske_ini");
    MaskeFile = (pfOrdner / "Beispiel.maske_ini").string();
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();
    ASSERT_TRUE(pForm->bMaskeSchreiben(MaskeFile));
    // A dynamic text without texts of its own carries the value it showed
    // last; that part of its line is left out of the comparison.
    auto ohneAnzeige = [](std::string s) {
        for (std::size_t n = 0; (n = s.find("\n$Obj=2,", n)) != std::string::npos; ++n) {
            const std::size_t a = s.find("$Text0=", n), b = s.find(",$Text1=", n);
            if (a != std::string::npos && b != std::string::npos && a < b) s.erase(a + 7, b - a - 7);
        }
        return s;
    };
    for (const std::string& s :
         AbweichendeZeilen(ohneAnzeige(sVorher), ohneAnzeige(testhilfe::DateiLesen(MaskeFile))))
        EXPECT_TRUE(s.rfind("$Datum=", 0) == 0 || s.rfind("$Uhrzeit=", 0) == 0) << s;
    FensterWeg(pForm);
}

// The program itself, started as the README does, comes up on the example
// and shows no box (a box on the offscreen platform goes to stderr).
TEST(Beispiel, TheProgramStartsOnTheExample)
{
    Umgebung u;
    const fs::path pfProgramm = u.pfProgramm / "Veltrano";
    ASSERT_TRUE(fs::exists(pfProgramm));
    const fs::path pfMaske = u.pfProgramm / "Projects" / "Beispiel" / "Beispiel.maske_ini";
    QProcess Prozess;
    Prozess.setProgram(QString::fromStdString(pfProgramm.string()));
    Prozess.setArguments({QString::fromStdString(pfMaske.string())});
    Prozess.start();
    ASSERT_TRUE(Prozess.waitForStarted(5000));
    // Start-up, first paint (one second), the delayed start (one more).
    EXPECT_FALSE(Prozess.waitForFinished(4500));
    EXPECT_EQ(Prozess.state(), QProcess::Running);
    const std::string sFehler = Prozess.readAllStandardError().toStdString();
    Prozess.kill();
    Prozess.waitForFinished(3000);
    EXPECT_EQ(sFehler.find(std::string(ProgrammTitel()) + ":"), std::string::npos) << sFehler;
    EXPECT_EQ(sFehler.find("Veltrano:"), std::string::npos) << sFehler;
}

// The build copies the data tree into the program folder. A project saved
// there (as the example was before it was opened from the projects folder)
// must survive the next build, while files the user left alone follow a
// changed data tree.
TEST(Beispiel, TheNextBuildKeepsASavedProject)
{
    const fs::path pfDaten = testhilfe::NeuerOrdner("daten");
    const fs::path pfZiel = testhilfe::NeuerOrdner("programm");
    fs::copy(testhilfe::Quellordner() / "data", pfDaten, fs::copy_options::recursive);
    auto bauen = [&] {
        const std::string s = std::string("'") + CMAKE_PROGRAMM + "' -DQUELLE='" + pfDaten.string() +
                              "' -DZIEL='" + pfZiel.string() + "' -DSTAND='" +
                              (pfZiel.parent_path() / "stand").string() + "' -P '" + DATEN_KOPIEREN + "'";
        return std::system(s.c_str());
    };
    ASSERT_EQ(bauen(), 0);
    const fs::path pfMaske = pfZiel / "Projects" / "Beispiel" / "Beispiel.maske_ini";
    ASSERT_EQ(testhilfe::DateiLesen(pfMaske), testhilfe::DateiLesen(pfDaten / "Projects/Beispiel/Beispiel.maske_ini"));

    // Saved through the program: the panel and its CPU properties.
    Umgebung u;
    THauptformular* pForm = FensterOhneStart();
    ASSERT_TRUE(pForm->bMaskeLesen(pfMaske.string()));
    pForm->Objekte[0]->SetLeft(pForm->Objekte[0]->Left() + 7);
    ASSERT_TRUE(pForm->bMaskeSchreiben(pfMaske.string()));
    FensterWeg(pForm);
    const std::string sGespeichert = testhilfe::DateiLesen(pfMaske);
    const std::string sPLC = testhilfe::DateiLesen(pfZiel / "Projects/Beispiel/PLC.DAT");

    // The data tree changes: the picture of the example and a system file.
    testhilfe::DateiSchreiben(pfDaten / "Projects/Beispiel/Lampe_an.bmp", "neu");
    testhilfe::DateiSchreiben(pfDaten / "__system/DokumentLeer.rtf", "{\\rtf1 neu}");
    testhilfe::DateiSchreiben(pfDaten / "Projects/Beispiel/Beispiel.maske_ini", "geliefert neu");
    ASSERT_EQ(bauen(), 0);
    EXPECT_EQ(testhilfe::DateiLesen(pfMaske), sGespeichert);
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Projects/Beispiel/PLC.DAT"), sPLC);
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "Projects/Beispiel/Lampe_an.bmp"), "neu");
    EXPECT_EQ(testhilfe::DateiLesen(pfZiel / "__system/DokumentLeer.rtf"), "{\\rtf1 neu}");
    // Once the user's file is gone, the shipped one comes back.
    fs::remove(pfMaske);
    ASSERT_EQ(bauen(), 0);
    EXPECT_EQ(testhilfe::DateiLesen(pfMaske), "geliefert neu");
}
