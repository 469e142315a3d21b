// What the RUN cycle leaves on the screen: the example panel (with a row of
// value texts in every format added) in RUN with fixed engine memory,
// stepped, must show exactly the pixels of the stored reference images.
// They were taken from the cycle as it painted before its drawing was made
// cheaper, so any change of a pixel by that work (a stale value, a lost
// repaint, a text placed or formatted differently) fails here.
//
// New references (only after a deliberate change of the look):
//   VELTRANO_REFERENZ_SCHREIBEN=1 build/tests/projekt/projekt_zyklusbild
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "HauptForm.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

// Every byte of the areas the objects read, from a pattern of its own.
void SpeicherFuellen(unsigned uMuster)
{
    uint8_t* bereiche[] = {D7ED_GetPeriAPtr(), D7ED_GetPeriEPtr(), D7ED_GetMPtr()};
    for (unsigned b = 0; b < 3; ++b)
        for (unsigned i = 0; i < 4200; ++i)
            bereiche[b][i] = uint8_t(i * (7 + 2 * b + uMuster) + 3 * uMuster + (i >> 3));
    uint8_t* pEA = D7ED_GetEAPtr();
    uint8_t* pErw = D7ED_GetEPtr_Erweitert();
    for (unsigned i = 0; i < 4200; ++i)
        (i < 128 ? pEA[i] : pErw[i - 128]) = D7ED_GetPeriEPtr()[i];
    // The analog words within their ranges, so the bars and values show.
    for (uint8_t* p : {D7ED_GetPeriAPtr(), D7ED_GetPeriEPtr()}) {
        p[256] = uint8_t(0x18 + 0x20 * uMuster / 5);
        p[257] = uint8_t(0x31 * (uMuster + 1));
    }
}

// What the screen shows of the panel area: the window's backing store, which
// holds what the repaints left, not a fresh paint of every object.
int iWerkzeugleiste = 0;

QImage Bildschirm(THauptformular* pForm)
{
    iWerkzeugleiste = pForm->WerkzeugleistenHoehe();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    const QPoint pt = pForm->Arbeitsflaeche->mapTo(pForm, QPoint(0, 0));
    // Down to the status bar, which shows the step time, not the panel.
    const int iHoehe = std::min(pForm->Arbeitsflaeche->height(), 540);
    return pForm->screen()
        ->grabWindow(pForm->winId(), pt.x(), pt.y(), pForm->Arbeitsflaeche->width(), iHoehe)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void Vergleichen(const QImage& ist, const std::string& sName)
{
    const fs::path pfReferenz = fs::path(REFERENZ_ORDNER) / (sName + ".png");
    if (std::getenv("VELTRANO_REFERENZ_SCHREIBEN")) {
        ASSERT_TRUE(ist.save(QString::fromStdString(pfReferenz.string()), "PNG"));
        return;
    }
    const QImage soll =
        QImage(QString::fromStdString(pfReferenz.string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(soll.isNull()) << pfReferenz;
    ASSERT_EQ(ist.size(), soll.size());
    long lAnders = 0;
    QPoint ptErstes(-1, -1);
    // The tool bar at the top shows the editor's tool state, not what the
    // cycle paints; the panel below it is compared.
    for (int y = iWerkzeugleiste; y < ist.height(); ++y)
        for (int x = 0; x < ist.width(); ++x)
            if (ist.pixel(x, y) != soll.pixel(x, y) && lAnders++ == 0) ptErstes = QPoint(x, y);
    if (lAnders != 0)
        ist.save(QString::fromStdString((testhilfe::Artefaktordner() / (sName + "_ist.png")).string()),
                 "PNG");
    EXPECT_EQ(lAnders, 0) << sName << ": first differing pixel at " << ptErstes.x() << ","
                          << ptErstes.y() << "; the image is in the artefacts folder";
}

} // namespace

TEST(ZyklusBild, RunStepsShowTheReferencePixels)
{
    Umgebung u;
    THauptformular* pForm = FensterOhneStart();
    pForm->show();
    // Its tick would put the inputs into their basic position at a moment
    // that depends on the machine's speed.
    pForm->Timer1->stop();
    MessbereicheEinlesen();   // as the first paint's work does: bars and value texts
    MaskeFile = (u.pfProgramm / "Projects" / "Beispiel" / "Beispiel.maske_ini").string();
    ASSERT_TRUE(pForm->bMaskeLesen(MaskeFile));
    // Value texts of every format and size, one bit text, one with the
    // operand in front and one clickable, in the free strip at the bottom.
    const int iUnten = 482;
    int n = 0;
    auto Text = [&](int32_t iDarstellung, int32_t iGroesse) {
        auto* p = new TMyObj(pForm, Dynamische_Beschriftung, 0, 0, 0, 0);
        p->Op = n % 2 ? 'M' : 'A';
        p->Adr = uint16_t(40 + 4 * n);
        p->OpGroesse = iGroesse;
        p->Darstellung = iDarstellung;
        p->ColorHi = 0xE0E0E0;
        p->ColorLo = 0x800000;
        p->PosVerschiebenAbs(4 + (n % 6) * 145, iUnten + (n / 6) * 18);
        p->SetWidth(140);
        p->SetHeight(16);
        pForm->Objekte[pForm->iAnzahlObjekte++] = p;
        return p;
    };
    for (int32_t iDarstellung = 0; iDarstellung <= 4; ++iDarstellung)
        for (int32_t iGroesse : {1, 2, 4}) Text(iDarstellung, iGroesse) && ++n;
    Text(0, 0)->MitOpAnzeigen = true;
    ++n;
    Text(2, 2)->Clickable = true;

    TestUhrSetzen(100000);   // the engine is never stepped: the memory stays
    pForm->bEditorModus = false;
    SpeicherFuellen(0);
    pForm->Arbeitsflaeche->update();
    for (int i = 0; i < 4; ++i) pForm->SPSZyklusSchritt();
    Vergleichen(Bildschirm(pForm), "zyklus_run_a");
    // Every value changes: what is repainted must match a second reference.
    SpeicherFuellen(5);
    for (int i = 0; i < 2; ++i) pForm->SPSZyklusSchritt();
    Vergleichen(Bildschirm(pForm), "zyklus_run_b");
    // And back, one step only.
    SpeicherFuellen(0);
    pForm->SPSZyklusSchritt();
    Vergleichen(Bildschirm(pForm), "zyklus_run_a");

    TestUhrFreigeben();
    pForm->bEditorModus = true;
    FensterWeg(pForm);
    MaskeFile.clear();
}
