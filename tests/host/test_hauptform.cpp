// The main window: construction and first paint, its status bar, the timer,
// and the two ways to close it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPaintEvent>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

#include "HauptForm.h"
#include "HostTestHilfe.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "Programm.h"
#include "WinZeit.h"
#include "kolv_spr2.h"

using namespace hosttest;

namespace {

QRect FeldRechteck(const THauptformular* f, int i)
{
    const StatusPanelEintrag& e = f->StatusPanels[i];
    return QRect(QPoint(e.iLinks, e.iOben), QPoint(e.iRechts, e.iUnten));
}

// Records the rectangles the status paint box is asked to paint.
class Zeichenprotokoll : public QObject {
public:
    std::vector<QRect> Rechtecke;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) Rechtecke.push_back(static_cast<QPaintEvent*>(e)->rect());
        return false;
    }
};

} // namespace

TEST(Hauptformular, StartInEditorMitStandardtitel)
{
    Programmumgebung u;
    THauptformular* f = FensterStarten();
    ASSERT_EQ(Hauptformular, f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->bEditorModus);
    EXPECT_FALSE(f->bErstesZeichnen) << "the first paint has run";
    EXPECT_NE(f->pEAThread, nullptr) << "the pacing thread starts at the first paint";
    EXPECT_NE(dwStartZeitpunkt, 0u);
    EXPECT_EQ(f->iLEDGroesse, 12);
    EXPECT_TRUE(f->BausteineRestaurieren);
    EXPECT_EQ(f->iAnzahlObjekte, 0);
    EXPECT_TRUE(MaskeFile.empty());
    EXPECT_TRUE(bInternerSPSTyp);
    EXPECT_NE(f->uiVoreinstellMeldung, 0u);
    EXPECT_EQ(f->windowTitle().toStdString(),
              std::string(ProgrammTitel()) + " [" + u.Text(6861) + "]");

    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, u.Text(1338).c_str());
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "-");
    // In EDITOR every action of the File, Edit and Panel menus can be
    // chosen. (A hidden action never counts as enabled.)
    for (QAction* a : BearbeitungsAktionen(f)) {
        if (a->isVisible()) {
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        }
    }
    EXPECT_FALSE(f->aBearbeiten_Gleicher_Abstand_H->isVisible());
    EXPECT_FALSE(f->aMaske_Obj_Grafik->isVisible());
    EXPECT_EQ(f->aMaske_RUN_EDITOR->shortcut(), QKeySequence("Ctrl+F7"));
    EXPECT_EQ(f->aMaske_Grunstellung->shortcut(), QKeySequence("Ctrl+F9"));
    EXPECT_EQ(f->MausButtonBrille->defaultAction(), f->aMaske_RUN_EDITOR);
    // Menus and hints carry the texts of the chosen language.
    EXPECT_EQ(f->aDatei_Oeffnen->text().toStdString(), u.Text(1271));
    EXPECT_EQ(f->MenuDatei->title().toStdString(), u.Text(1267));
    std::string sHinweis = u.Text(1284);
    sHinweis.erase(std::remove(sHinweis.begin(), sHinweis.end(), '&'), sHinweis.end());
    EXPECT_EQ(f->MausButtonBrille->toolTip().toStdString(), sHinweis);
    int iMausButtons = 0;
    for (QToolButton* k : f->findChildren<QToolButton*>())
        if (k->objectName().startsWith("MausButton")) {
            ++iMausButtons;
            EXPECT_NE(k->defaultAction(), nullptr);
            EXPECT_FALSE(k->toolTip().isEmpty()) << k->objectName().toStdString();
        }
    EXPECT_EQ(iMausButtons, 15);
    EXPECT_TRUE(u.Meldungen.empty()) << "a start with a projects folder shows no box";
    // For a human to look at: the window as it starts.
    f->grab().save(QString::fromStdString((testhilfe::Artefaktordner() / "hauptfenster_start.png").string()));

    FensterBeenden(f);
    EXPECT_EQ(Hauptformular, nullptr);
}

TEST(Hauptformular, FehlenderProjektordnerMeldetUndBleibtBeimStart)
{
    Programmumgebung u;
    std::filesystem::remove_all(u.pfOrdner / "Projects");   // named in the registry, but gone
    // The user settings dialog opens after the box; close it at once.
    QTimer Schliesser;
    QObject::connect(&Schliesser, &QTimer::timeout, [] {
        if (QWidget* p = QApplication::activeModalWidget()) p->close();
    });
    Schliesser.start(50);
    THauptformular* f = FensterStarten();
    Schliesser.stop();
    ASSERT_FALSE(u.Meldungen.empty());
    EXPECT_EQ(u.Meldungen[0].sText, u.Text(1307));
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0u, MB_ICONINFORMATION);
    EXPECT_TRUE(LetzteMaskeLaden);
    EXPECT_NE(dwStartZeitpunkt, 0u) << "start-up goes on";
    FensterBeenden(f);
}

TEST(Statusleiste, FelderUeberlappenNichtUndDieMeldungNimmtDieBreitenaenderung)
{
    Programmumgebung u;
    THauptformular* f = FensterStarten(false);
    ASSERT_EQ(f->iAnzahlStatusPanels, 5);
    EXPECT_EQ(f->iPanelMeldung, f->iAnzahlStatusPanels - 1) << "the message field is the last";
    EXPECT_EQ(f->StatusBarPaintBox->width(), f->Arbeitsflaeche->width());

    // Every field lies inside the paint box, right of the one after it and
    // apart from it; the message field is the leftmost.
    auto pruefen = [&](const char* pcWann) {
        SCOPED_TRACE(pcWann);
        const QRect Box = f->StatusBarPaintBox->rect();
        for (int i = 0; i < f->iAnzahlStatusPanels; ++i) {
            const QRect r = FeldRechteck(f, i);
            EXPECT_GT(r.width(), 1) << i;
            EXPECT_TRUE(Box.contains(r)) << i;
            if (i > 0) {
                EXPECT_LT(r.right(), FeldRechteck(f, i - 1).left()) << i;
            }
        }
    };
    f->resize(900, 600);
    QApplication::processEvents();
    pruefen("900 wide");
    std::vector<int> Breiten;
    for (int i = 0; i < f->iAnzahlStatusPanels; ++i) Breiten.push_back(FeldRechteck(f, i).width());
    const int iBreite = f->StatusBarPaintBox->width();

    // All change of width goes to the message field, the others keep theirs.
    f->resize(700, 600);
    QApplication::processEvents();
    pruefen("700 wide");
    const int iDelta = f->StatusBarPaintBox->width() - iBreite;
    EXPECT_LT(iDelta, 0);
    for (int i = 0; i < f->iAnzahlStatusPanels; ++i) {
        const int iSoll = Breiten[i] + (i == f->iPanelMeldung ? iDelta : 0);
        EXPECT_EQ(FeldRechteck(f, i).width(), iSoll) << i;
    }
    FensterBeenden(f);
}

TEST(Statusleiste, TextSetzenMaltNurSeinFeldUndSchneidetAb)
{
    Programmumgebung u;
    THauptformular* f = FensterStarten(false);
    f->resize(900, 600);
    WarteBis([] { return false; }, 100);

    Zeichenprotokoll Protokoll;
    f->StatusBarPaintBox->installEventFilter(&Protokoll);
    f->StatusTextSetzen(f->iPanelZykluszeit, "12   ms");
    f->StatusBarPaintBox->removeEventFilter(&Protokoll);
    ASSERT_EQ(Protokoll.Rechtecke.size(), 1u) << "painted at once, once";
    const QRect rcFeld = FeldRechteck(f, f->iPanelZykluszeit);
    EXPECT_TRUE(rcFeld.contains(Protokoll.Rechtecke[0]));
    for (int i = 0; i < f->iAnzahlStatusPanels; ++i) {
        if (i != f->iPanelZykluszeit) {
            EXPECT_FALSE(FeldRechteck(f, i).intersects(Protokoll.Rechtecke[0])) << i;
        }
    }
    EXPECT_STREQ(f->StatusPanels[f->iPanelZykluszeit].cText, "12   ms");

    // A text far longer than its field stays inside the field.
    const std::string sLang(200, 'W');
    f->StatusTextSetzen(f->iPanelGeaendert, sLang.c_str());
    const QImage Bild = f->StatusBarPaintBox->grab().toImage();
    const QRect rcG = FeldRechteck(f, f->iPanelGeaendert);
    const QRect rcZ = FeldRechteck(f, f->iPanelZykluszeit);
    const QColor Hintergrund = Bild.pixelColor(rcG.right() + 2, rcG.center().y());
    for (int x = rcZ.right() + 1; x < rcG.left(); ++x)
        for (int y = rcG.top(); y <= rcG.bottom(); ++y)
            ASSERT_EQ(Bild.pixelColor(x, y), Hintergrund) << "text outside its field at " << x;
    int iDunkel = 0;
    for (int x = rcG.left() + 1; x < rcG.right(); ++x)
        if (Bild.pixelColor(x, rcG.center().y()).lightness() < 80) ++iDunkel;
    EXPECT_GT(iDunkel, 0) << "the clipped text is still drawn";

    // The field keeps at most 302 characters and never half a character.
    std::string sUmlaute;
    for (int i = 0; i < 200; ++i) sUmlaute += "\xC3\xA4";   // 400 bytes
    f->StatusTextSetzen(f->iPanelMeldung, sUmlaute.c_str());
    EXPECT_EQ(std::strlen(f->StatusPanels[f->iPanelMeldung].cText), 302u);
    f->StatusTextSetzen(f->iPanelMeldung, ("x" + sUmlaute).c_str());
    EXPECT_EQ(std::strlen(f->StatusPanels[f->iPanelMeldung].cText), 301u);
    // Indices outside the fields are ignored.
    f->StatusTextSetzen(-1, "x");
    f->StatusTextSetzen(f->iAnzahlStatusPanels, "x");
    FensterBeenden(f);
}

TEST(Hauptformular, TimerZeigtAnzahlUndStartetVerzoegert)
{
    Programmumgebung u;
    THauptformular* f = FensterStarten();
    ASSERT_NE(dwStartZeitpunkt, 0u);
    TestUhrSetzen(dwStartZeitpunkt + 1000);
    f->Timer1Timer();
    EXPECT_NE(dwStartZeitpunkt, 0u) << "the delayed start waits more than 1000 ms";
    TestUhrVorstellen(1);
    f->Timer1Timer();
    EXPECT_EQ(dwStartZeitpunkt, 0u);

    QPointer<TMyObj> Objekte[3];
    for (int i = 0; i < 3; ++i) {
        Objekte[i] = new TMyObj(f->Arbeitsflaeche, LED, 10 + 30 * i, 60, 20, 20);
        f->Objekte[i] = Objekte[i];
    }
    f->iAnzahlObjekte = 3;
    const int iPhase = f->iBlinkPhase;
    f->Timer1Timer();
    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, "EDITOR (3)");
    EXPECT_NE(f->iBlinkPhase, iPhase);
    f->StatusTextSetzen(f->iPanelModus, "anders");
    f->Timer1Timer();
    EXPECT_STREQ(f->StatusPanels[f->iPanelModus].cText, "anders") << "shown only when the count changes";
    f->Timer1Timer();
    EXPECT_EQ(f->iBlinkPhase, 1 - iPhase) << "the phase flips on every tick";

    // The check mark of the mode action follows the mode at the next tick.
    MaskeFile = (u.pfOrdner / "Projects/Test.maske_ini").string();
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);
    EXPECT_FALSE(f->aMaske_RUN_EDITOR->isChecked());
    f->Timer1Timer();
    EXPECT_TRUE(f->aMaske_RUN_EDITOR->isChecked());
    f->aMaske_RUN_EDITORExecute();
    f->Timer1Timer();
    EXPECT_FALSE(f->aMaske_RUN_EDITOR->isChecked());

    TestUhrFreigeben();
    MaskeFile.clear();
    for (int i = 0; i < 3; ++i) f->Objekte[i] = nullptr;
    f->iAnzahlObjekte = 0;
    for (auto& p : Objekte) delete p.data();
    FensterBeenden(f);
}

TEST(Hauptformular, SchliessenInRunWirdEditorUndSchliesstNach200ms)
{
    Programmumgebung u;
    THauptformular* f = FensterStarten();
    f->Timer1->stop();   // the ticks are driven by hand on a frozen clock
    MaskeFile = (u.pfOrdner / "Projects/Test.maske_ini").string();
    f->aMaske_RUN_EDITORExecute();
    ASSERT_FALSE(f->bEditorModus);

    TestUhrSetzen(500000);
    EXPECT_FALSE(f->close()) << "the first close in RUN is refused";
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->bEditorModus);
    EXPECT_EQ(f->dwSchliessZeitpunkt, 500000u);
    EXPECT_NE(f->pEAThread, nullptr);

    TestUhrVorstellen(200);
    f->Timer1Timer();
    EXPECT_TRUE(f->isVisible()) << "not before more than 200 ms";
    EXPECT_EQ(f->dwSchliessZeitpunkt, 500000u);
    TestUhrVorstellen(1);
    f->Timer1Timer();
    EXPECT_FALSE(f->isVisible()) << "the EDITOR close path ran";
    EXPECT_EQ(f->dwSchliessZeitpunkt, 0u);
    EXPECT_EQ(f->pEAThread, nullptr) << "the pacing thread is stopped and deleted";
    TestUhrFreigeben();
    MaskeFile.clear();
    delete f;
}
