// One motion step on the real main window: a panel of 500 objects, 100 of
// them moving under their profiles (all with end switches, so every step
// tests every sensor), 100 clickable LEDs as sensors and 300 other objects.
// The moving objects shuttle right and left, so they cover and uncover
// sensors on the way; the paints the moves ask for are counted in.
//
// Run by hand: build/bench/veltrano_bench_bewegung
// It works in a temporary HOME, XDG folders and program folder copy of its
// own.
#include "Bewegungsprofil.h"
#include "BenchUmgebung.h"
#include "HauptForm.h"
#include "MyObj.h"
#include "Programm.h"
#include "kolv_d7ed.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>



namespace {

constexpr int iBewegte = 100, iSensoren = 100, iAndere = 300;

void PanelAufbauen(THauptformular& f)
{
    // Ten profiles, each right on A0.k and left on A1.k, speed 3.
    for (int k = 0; k < 10; ++k) {
        Bewegungsprofil& b = Bewegungsprofile[k];
        b = Bewegungsprofil{};
        b.Rechts = {'A', 0, static_cast<uint8_t>(k % 8)};
        b.Links = {'A', 1, static_cast<uint8_t>(k % 8)};
        b.Geschw = 3;
        b.Endsch = 1;
    }
    auto dazu = [&f](TMyObj* p) { f.Objekte[f.iAnzahlObjekte++] = p; };
    for (int i = 0; i < iBewegte; ++i) {
        auto* p = new TMyObj(&f, Statische_Beschriftung, 20, 60 + i * 6, 24, 6);
        p->MoveNr = i % 10;
        p->MoveAktiv = true;
        dazu(p);
    }
    for (int i = 0; i < iSensoren; ++i) {
        auto* p = new TMyObj(&f, LED, 60 + (i % 10) * 60, 60 + (i / 10) * 60, 0, 0);
        p->Op = 'E';
        p->Adr = static_cast<uint16_t>(10 + i / 8);
        p->Bit = static_cast<uint16_t>(i % 8);
        p->Clickable = true;
        p->Grundstellung = (i % 3) == 0;
        dazu(p);
    }
    for (int i = 0; i < iAndere; ++i) {
        auto* p = new TMyObj(&f, Dynamische_Beschriftung, 700 + (i % 6) * 40, 60 + (i / 6) * 12, 38, 12);
        p->Op = 'M';
        p->Adr = static_cast<uint16_t>(i);
        p->OpGroesse = 1;
        dazu(p);
    }
}

void BM_Bewegungsschritt(benchmark::State& state)
{
    THauptformular& f = *Hauptformular;
    uint8_t* pA = D7ED_GetPeriAPtr();
    long n = 0;
    for (auto _ : state) {
        // Every 150 steps the direction turns, so the objects sweep across
        // the sensor columns and back.
        const bool bRechts = (n / 150) % 2 == 0;
        pA[0] = bRechts ? 0xFF : 0x00;
        pA[1] = bRechts ? 0x00 : 0xFF;
        f.BewegungsprofileAusfuehren();
        QCoreApplication::processEvents();
        ++n;
    }
    state.counters["Bewegte"] = iBewegte;
    state.counters["Sensoren"] = f.iAnzahlSensoren;
    state.counters["Objekte"] = f.iAnzahlObjekte;
}

// The step alone, without the paints it causes.
void BM_BewegungsschrittOhneMalen(benchmark::State& state)
{
    THauptformular& f = *Hauptformular;
    uint8_t* pA = D7ED_GetPeriAPtr();
    long n = 0;
    for (auto _ : state) {
        const bool bRechts = (n / 150) % 2 == 0;
        pA[0] = bRechts ? 0xFF : 0x00;
        pA[1] = bRechts ? 0x00 : 0xFF;
        f.BewegungsprofileAusfuehren();
        ++n;
    }
    QCoreApplication::processEvents();
}

} // namespace

BENCHMARK(BM_Bewegungsschritt)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_BewegungsschrittOhneMalen)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);

int main(int argc, char** argv)
{
    const std::string sProgramm = BenchUmgebungEinrichten();

    QApplication app(argc, argv);
    StartVorbereiten(sProgramm);
    ::benchmark::Initialize(&argc, argv);

    auto* pFenster = new THauptformular(nullptr);
    pFenster->bErstesZeichnen = false;   // no pacing thread: the benchmark steps
    pFenster->resize(1024, 740);
    pFenster->show();
    PanelAufbauen(*pFenster);
    std::memset(D7ED_GetPeriAPtr(), 0, 16);
    std::memset(D7ED_GetPeriEPtr(), 0, 64);
    pFenster->bEditorModus = false;
    pFenster->BewegungsprofileStarten();
    QCoreApplication::processEvents();

    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();

    pFenster->bEditorModus = true;
    pFenster->BewegungsprofileZuruecksetzen();
    delete pFenster;
    BenchUmgebungAufraeumen();
    return 0;
}
