// One RUN cycle step of a panel of 500 objects (LEDs, dynamic texts,
// analog inputs and outputs) on the real main window, including the
// painting it causes on the offscreen platform: once with no value
// changing, once with every value changing before every step.
//
// The floor: the same 500 objects' rectangles, LEDs, bars and texts, in the
// same fonts and sizes, painted with one QPainter straight into an image of
// the panel's size, every value changing. No design can draw the panel for
// less; every case is reported as a ratio to it at the end of the run.
//
// The step period: the real cycle, paced by its thread at RavoDAVInterval
// 5, for three seconds idle and three seconds with every value changing
// before every step; reported are the achieved mean periods and their ratio.
//
// Run by hand: build/bench/veltrano_bench_zyklus
// The program works in a temporary HOME, XDG folders and program folder
// copy of its own; it reads the texts through the machine-wide text block,
// so it should not run while the tests run.
#include "BenchUmgebung.h"
#include "HauptForm.h"
#include "Messbereiche.h"
#include "MyObj.h"
#include "Programm.h"
#include "Thread_EA.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>



namespace {

constexpr int iLEDs = 200, iTexte = 200, iAnalogEin = 50, iAnalogAus = 50;
constexpr unsigned iTextAdr = 1000, iAnalogAusAdr = 3000, iAnalogEinAdr = 4000;

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

// The achieved step periods of the real cycle, idle [0] and busy [1].
double Perioden[2] = {0, 0};

void PanelAufbauen(THauptformular& f)
{
    int i = 0;
    auto Platz = [&](TMyObj* p) {
        p->PosVerschiebenAbs(10 + (i % 25) * 40, 40 + (i / 25) * 32);
        f.Objekte[f.iAnzahlObjekte++] = p;
        ++i;
    };
    for (int k = 0; k < iLEDs; ++k) {
        auto* p = new TMyObj(&f, LED, 0, 0, 0, 0);
        p->Op = 'A';
        p->Adr = uint16_t(k / 8);
        p->Bit = uint16_t(k % 8);
        p->ColorHi = 0x0000FF;
        p->ColorLo = 0x004000;
        p->Clickable = (k % 2) == 0;
        Platz(p);
    }
    for (int k = 0; k < iTexte; ++k) {
        auto* p = new TMyObj(&f, Dynamische_Beschriftung, 0, 0, 38, 14);
        p->Op = 'A';
        p->Adr = uint16_t(iTextAdr + 2 * k);
        p->OpGroesse = 2;
        p->Darstellung = k % 5;
        Platz(p);
    }
    for (int k = 0; k < iAnalogAus + iAnalogEin; ++k) {
        const bool bEin = k >= iAnalogAus;
        auto* p = new TMyObj(&f, bEin ? AnalogEingang : AnalogerAusgang, 0, 0, 0, 0);
        p->Op = bEin ? 'E' : 'A';
        p->Adr = uint16_t((bEin ? iAnalogEinAdr : iAnalogAusAdr) + 2 * k);
        p->Messb = 0;
        p->IstwertAnzeigen = true;
        Platz(p);
        p->SetWidth(30);
        p->SetHeight(28);
    }
}

void AllesAendern(unsigned k)
{
    uint8_t* pA = D7ED_GetPeriAPtr();
    uint8_t* pE = D7ED_GetPeriEPtr();
    for (int b = 0; b < (iLEDs + 7) / 8; ++b)
        pA[b] = uint8_t(pA[b] ^ 0xFF);
    for (int t = 0; t < iTexte; ++t) {
        const unsigned a = iTextAdr + 2u * unsigned(t);
        pA[a + 1] = uint8_t(pA[a + 1] + 1 + t % 7);   // each text a value of its own
        if ((k & 15) == 0)
            pA[a] = uint8_t(pA[a] + 1);
    }
    const uint16_t w = uint16_t((k * 37u) % 27648u);
    for (int n = 0; n < iAnalogAus + iAnalogEin; ++n) {
        uint8_t* p = n < iAnalogAus ? pA + iAnalogAusAdr : pE + iAnalogEinAdr;
        p[2 * n] = uint8_t(w >> 8);
        p[2 * n + 1] = uint8_t(w + 13 * n);
    }
}

// One step and the paints it asked for. The measured loop alone calls it,
// so that a profile collecting inside it (callgrind --toggle-collect)
// leaves out the settling steps and the first paint of the whole panel.
__attribute__((noinline)) void Schritt()
{
    Hauptformular->SPSZyklusSchritt();
    QCoreApplication::processEvents();
}

// The step sees the clock advance 3 ms a step, so the engine's step runs
// every second cycle step as it does at a pacing interval of 5 ms, whatever
// a profiler's slowdown does to the real time.
constexpr uint32_t dwMsJeSchritt = 3;

void BM_RunZyklusschritt(benchmark::State& state, bool bAendern)
{
    uint32_t dwUhr = 1000000;
    auto Vorlauf = [&](unsigned uVon, unsigned uBis) {
        for (unsigned i = uVon; i < uBis; ++i) {
            if (bAendern) AllesAendern(i);
            TestUhrSetzen(dwUhr += dwMsJeSchritt);
            Hauptformular->SPSZyklusSchritt();
            QCoreApplication::processEvents();
        }
    };
    Vorlauf(0, 50);   // settle: first paints, basic positions
    // The paints per step, counted over some steps before the measured
    // ones: the counting filter sees every event and would cost the
    // measured steps their share.
    TMalZaehler zaehler;
    qApp->installEventFilter(&zaehler);
    constexpr unsigned iZaehlSchritte = 20;
    Vorlauf(50, 50 + iZaehlSchritte);
    qApp->removeEventFilter(&zaehler);
    unsigned k = 70;
    for (auto _ : state) {
        if (bAendern) AllesAendern(k++);
        TestUhrSetzen(dwUhr += dwMsJeSchritt);
        Schritt();
    }
    TestUhrFreigeben();
    state.counters["Malvorgaenge_je_Schritt"] = double(zaehler.n) / iZaehlSchritte;
    state.counters["Objekte"] = Hauptformular->iAnzahlObjekte;
}

// The real cycle: the pacing thread at RavoDAVInterval 5 hands its steps to
// the graphical thread, which runs its event loop (and the paints) between
// them. For "busy" every value changes right before every step: the step
// arrives as a queued call, and a filter on its receiver changes the memory
// first. The achieved mean step period is reported as a counter; the
// console report ends with the busy period as a ratio to the idle one.
struct TVorSchritt : QObject {
    QObject* pEmpfaenger = nullptr;
    unsigned k = 0;
    bool eventFilter(QObject* pZiel, QEvent* e) override
    {
        if (e->type() != QEvent::MetaCall)
            return false;
        // The steps' receiver is the pacing thread's plain QObject; once it
        // is known the filter sits on it alone.
        if (!pEmpfaenger && pZiel->metaObject() == &QObject::staticMetaObject) {
            pEmpfaenger = pZiel;
            qApp->removeEventFilter(this);
            pZiel->installEventFilter(this);
        }
        if (pZiel == pEmpfaenger)
            AllesAendern(k++);
        return false;
    }
};

void BM_Schrittperiode(benchmark::State& state, bool bAendern)
{
    THauptformular& f = *Hauptformular;
    RavoDAVInterval = 5;
    TVorSchritt vor;
    if (bAendern)
        qApp->installEventFilter(&vor);
    f.pEAThread = new EAThread;
    auto Laufen = [](int iMs) {
        QEventLoop schleife;
        QTimer::singleShot(iMs, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
        schleife.exec();
    };
    Laufen(300);   // settle: first paints, the thread's first sleeps
    double dPeriodeMs = 0;
    for (auto _ : state) {
        const unsigned uVorher = f.pEAThread->uiSchritte;
        QElapsedTimer uhr;
        uhr.start();
        Laufen(3000);
        const unsigned uSchritte = f.pEAThread->uiSchritte - uVorher;
        const double dMs = double(uhr.nsecsElapsed()) / 1.0e6;
        dPeriodeMs = uSchritte ? dMs / uSchritte : 0.0;
        state.SetIterationTime(dMs / 1000.0);
    }
    f.EAThreadStoppen();
    f.EAThreadLoeschen();
    qApp->removeEventFilter(&vor);
    QCoreApplication::processEvents();
    state.counters["Periode_ms"] = dPeriodeMs;
    Perioden[bAendern] = dPeriodeMs;
}

// What the objects show, drawn by hand: the colours and rectangles of the
// panel's kinds in RUN mode, the value texts formatted by the objects' own
// text functions.
__attribute__((noinline)) void BodenMalen(QImage& bild)
{
    const uint8_t* pA = D7ED_GetPeriAPtr();
    const uint8_t* pE = D7ED_GetPeriEPtr();
    QPainter p(&bild);
    const QFont schrift = Hauptformular->Objekte[0]->font();
    QFont analog = schrift;
    analog.setPixelSize(8);
    const QFontMetrics fmSchrift(schrift), fmAnalog(analog);
    const QColor grau = FarbeVonWert(0x808080), lauf = FarbeVonWert(0x00FFFF);
    for (int i = 0; i < Hauptformular->iAnzahlObjekte; ++i) {
        TMyObj* o = Hauptformular->Objekte[i];
        p.setTransform(QTransform::fromTranslate(o->Left(), o->Top()));
        const int w = o->w, h = o->h;
        if (o->Obj == LED) {
            const bool bEin = (pA[o->Adr] >> o->Bit) & 1;
            p.fillRect(QRect(0, 0, w - 1, h - 1), FarbeVonWert(bEin ? o->ColorHi : o->ColorLo));
            if (o->Clickable) {
                p.fillRect(QRect(0, 0, w - 1, 1), lauf);
                p.fillRect(QRect(0, h - 2, w - 1, 1), lauf);
                p.fillRect(QRect(0, 0, 1, h - 1), lauf);
                p.fillRect(QRect(w - 2, 0, 1, h - 1), lauf);
            }
        } else if (o->Obj == Dynamische_Beschriftung) {
            const unsigned a = o->Adr;
            const std::string s = o->pcGetDynamicText(uint32_t((pA[a] << 8) | pA[a + 1]));
            p.setFont(schrift);
            p.setPen(FarbeVonWert(o->ColorLo));
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(FarbeVonWert(o->ColorHi));
            p.drawText(0, fmSchrift.ascent(), QString::fromLatin1(s.data(), qsizetype(s.size())));
            p.setBackgroundMode(Qt::TransparentMode);
        } else {
            const bool bEin = o->Obj == AnalogEingang;
            const uint8_t* pW = (bEin ? pE : pA) + o->Adr;
            const uint16_t wRoh = uint16_t((pW[0] << 8) | pW[1]);
            const QColor balken = FarbeVonWert(bEin ? 0x008000 : 0x0000FF);
            p.fillRect(QRect(0, 0, w - 1, h - 1), grau);
            p.fillRect(QRect(0, 0, w, 1), balken);
            p.fillRect(QRect(0, h - 1, w, 1), balken);
            p.fillRect(QRect(0, 0, 1, h), balken);
            p.fillRect(QRect(w - 1, 0, 1, h), balken);
            const int iOben = h - 1 - int(float(h - 2) * float(wRoh) / 27648.0f) + 2;
            if (iOben < h - 1)
                p.fillRect(QRect(1, iOben, w - 2, h - 1 - iOben), balken);
            const std::string s = o->AnalogWertText(wRoh);
            p.setFont(analog);
            p.setPen(Qt::black);
            p.drawText(2, h - fmAnalog.height() - 2 + fmAnalog.ascent(),
                       QString::fromLatin1(s.data(), qsizetype(s.size())));
        }
    }
}

void BM_Boden(benchmark::State& state)
{
    QImage bild(Hauptformular->Arbeitsflaeche->size(), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    unsigned k = 0;
    for (auto _ : state) {
        AllesAendern(k++);
        BodenMalen(bild);
    }
    benchmark::DoNotOptimize(bild.constBits());
    state.counters["Objekte"] = Hauptformular->iAnzahlObjekte;
}

// The console report, then every case's time as a ratio to the floor's.
class TVerhaeltnisBericht : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& laeufe) override
    {
        ConsoleReporter::ReportRuns(laeufe);
        // With --benchmark_repetitions the median of the repetitions counts,
        // which a load changing during the run sways least.
        for (const Run& r : laeufe) {
            if (r.error_occurred)
                continue;
            const std::string sName = r.run_name.str();
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                Mediane.insert(sName);
            else if (r.run_type != Run::RT_Iteration || Mediane.count(sName))
                continue;
            Zeiten[sName] = r.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        double dBoden = 0;
        for (const auto& [sName, d] : Zeiten)
            if (sName.rfind("BM_Boden", 0) == 0)
                dBoden = d;
        if (dBoden > 0) {
            std::printf("Ratio to the floor (%s per step %.1f us):\n", "BM_Boden", dBoden);
            for (const auto& [sName, d] : Zeiten)
                if (sName.rfind("BM_Schrittperiode", 0) != 0)
                    std::printf("  %-66s %6.2f\n", sName.c_str(), d / dBoden);
        }
        if (Perioden[0] > 0 && Perioden[1] > 0)
            std::printf("Step period at RavoDAVInterval 5: idle %.3f ms, busy %.3f ms, "
                        "busy / idle %.3f\n",
                        Perioden[0], Perioden[1], Perioden[1] / Perioden[0]);
    }

private:
    std::map<std::string, double> Zeiten;
    std::set<std::string> Mediane;
};

} // namespace

BENCHMARK_CAPTURE(BM_RunZyklusschritt, nichts_aendert_sich, false)
    ->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK_CAPTURE(BM_RunZyklusschritt, alles_aendert_sich, true)
    ->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Boden)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);
BENCHMARK_CAPTURE(BM_Schrittperiode, ruhig, false)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK_CAPTURE(BM_Schrittperiode, beschaeftigt, true)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv)
{
    const std::string sProgramm = BenchUmgebungEinrichten();

    QApplication app(argc, argv);
    StartVorbereiten(sProgramm);
    MessbereicheEinlesen();   // as the first paint's work does: bars and value texts
    ::benchmark::Initialize(&argc, argv);

    auto* pFenster = new THauptformular(nullptr);
    pFenster->bErstesZeichnen = false;   // no pacing thread: the benchmark steps
    pFenster->show();
    PanelAufbauen(*pFenster);
    pFenster->bEditorModus = false;
    int iFehler = 0;
    D7ED_Start(D7ED_STARTART_NEUSTART, &iFehler);
    QCoreApplication::processEvents();

    TVerhaeltnisBericht bericht;
    ::benchmark::RunSpecifiedBenchmarks(&bericht);
    ::benchmark::Shutdown();

    pFenster->bEditorModus = true;
    delete pFenster;
    BenchUmgebungAufraeumen();
    return 0;
}
