// The mouse on a panel of 500 objects on the real main window, with the
// painting it causes on the offscreen platform:
// - RUN: a press on a switch LED until its engine bit is set and the LED
//   has been repainted by the next cycle step;
// - EDITOR: one mouse-move step of a drag of 100 selected objects,
//   including the repaint.
//
// Run by hand: build/bench/veltrano_bench_maus
// The program works in a temporary HOME, XDG folders and program folder
// copy of its own; it reads the texts through the machine-wide text block,
// so it should not run while the tests run.
#include "BenchUmgebung.h"
#include "HauptForm.h"
#include "MyObj.h"
#include "Programm.h"
#include "kolv_d7ed.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>



namespace {

// Counts the paints of panel objects.
struct TMalZaehler : QObject {
    long n = 0;
    bool eventFilter(QObject* pZiel, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && dynamic_cast<TMyObj*>(pZiel))
            ++n;
        return false;
    }
};

TMalZaehler* pZaehler = nullptr;
THauptformular* pForm = nullptr;

// 500 objects in a grid: LEDs (every other one clickable), dynamic texts,
// analog inputs and outputs.
void PanelAufbauen(THauptformular& f)
{
    for (int i = 0; i < iMaxObjekte; ++i) {
        const int iArt = i < 250 ? LED : i < 400 ? Dynamische_Beschriftung
                                               : (i % 2 ? AnalogEingang : AnalogerAusgang);
        auto* p = new TMyObj(&f, iArt, 10 + (i % 25) * 38, 40 + (i / 25) * 28, 0, 0);
        p->Op = iArt == AnalogEingang ? 'E' : 'A';
        if (iArt == LED) {
            p->Adr = uint16_t(i / 8);
            p->Bit = uint16_t(i % 8);
            p->ColorHi = 0x0000FF;
            p->ColorLo = 0x004000;
            p->Clickable = (i % 2) == 0;
        } else if (iArt == Dynamische_Beschriftung) {
            p->Adr = uint16_t(1000 + 2 * i);
            p->OpGroesse = 2;
            p->SetWidth(34);
            p->SetHeight(14);
        } else {
            p->Adr = uint16_t(3000 + 2 * i);
            p->SetWidth(30);
            p->SetHeight(24);
        }
        f.Objekte[f.iAnzahlObjekte++] = p;
    }
}

void BM_DruckAufSchalterBisBitUndMalen(benchmark::State& state)
{
    pForm->bEditorModus = false;
    TMyObj* pSchalter = pForm->Objekte[100];   // clickable LED on A12.4
    uint8_t* pA = D7ED_GetPeriAPtr();
    for (int i = 0; i < 20; ++i)
        pForm->SPSZyklusSchritt();
    QCoreApplication::processEvents();
    const long lVorher = pZaehler->n;
    for (auto _ : state) {
        const uint8_t ucVorher = pA[pSchalter->Adr];
        QTest::mousePress(pSchalter, Qt::LeftButton, {}, QPoint(5, 5));
        pForm->SPSZyklusSchritt();
        QCoreApplication::processEvents();
        if (pA[pSchalter->Adr] == ucVorher)
            state.SkipWithError("the press did not switch the bit");
        state.PauseTiming();
        QTest::mouseRelease(pSchalter, Qt::LeftButton, {}, QPoint(5, 5));
        state.ResumeTiming();
    }
    state.counters["Malvorgaenge_je_Druck"] =
        benchmark::Counter(double(pZaehler->n - lVorher) / double(state.iterations()));
    pForm->bEditorModus = true;
}

void BM_Ziehen100Markierte(benchmark::State& state)
{
    pForm->bEditorModus = true;
    pForm->MarkierungAufheben();
    for (int i = 0; i < 100; ++i)
        pForm->ObjektMarkieren(pForm->Objekte[i * 5]);
    TMyObj* pGriff = pForm->Objekte[0];
    QPoint ptCursor = pGriff->mapToGlobal(QPoint(5, 5));
    QCursor::setPos(ptCursor);
    QTest::mousePress(pGriff, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    QCoreApplication::processEvents();
    int iRichtung = 1, iSchritte = 0;
    const long lVorher = pZaehler->n;
    for (auto _ : state) {
        // Back and forth so the objects stay inside the panel.
        if (++iSchritte % 40 == 0)
            iRichtung = -iRichtung;
        ptCursor += QPoint(iRichtung, 0);
        QCursor::setPos(ptCursor);
        QTest::mouseMove(pGriff, pGriff->mapFromGlobal(ptCursor));
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(pGriff, Qt::LeftButton, {}, QPoint(5, 5));
    state.counters["Malvorgaenge_je_Schritt"] =
        benchmark::Counter(double(pZaehler->n - lVorher) / double(state.iterations()));
    pForm->MarkierungAufheben();
}

} // namespace

BENCHMARK(BM_DruckAufSchalterBisBitUndMalen)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Ziehen100Markierte)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);

int main(int argc, char** argv)
{
    const std::string sProgramm = BenchUmgebungEinrichten();

    QApplication app(argc, argv);
    StartVorbereiten(sProgramm);
    ::benchmark::Initialize(&argc, argv);

    pForm = new THauptformular(nullptr);
    pForm->bErstesZeichnen = false;   // no pacing thread: the benchmark steps
    pForm->Timer1->stop();
    pForm->resize(1024, 740);
    pForm->show();
    PanelAufbauen(*pForm);
    TMalZaehler zaehler;
    pZaehler = &zaehler;
    app.installEventFilter(&zaehler);
    int iFehler = 0;
    D7ED_Start(D7ED_STARTART_NEUSTART, &iFehler);
    QCoreApplication::processEvents();

    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();

    app.removeEventFilter(&zaehler);
    pForm->bEditorModus = true;
    delete pForm;
    BenchUmgebungAufraeumen();
    return 0;
}
