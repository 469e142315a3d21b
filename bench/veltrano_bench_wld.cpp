// The block dump and the block file loader with 1000 blocks of 2 KiB: the
// dump (directory, reading every block, the atomic write of "Startup.wld")
// and the load (checking the whole file, deleting, handing every block to
// the engine). Both run on the graphical thread beside a 5000 ms limit.
//
// Run by hand: build/bench/veltrano_bench_wld
#include "WLDDatei.h"
#include "WinText.h"
#include "kolv_d7ed.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int iBausteine = 1000;
constexpr uint32_t dwLaenge = 2048;

std::string Bild(unsigned uNr)
{
    std::string s(dwLaenge, static_cast<char>(uNr));
    s[0] = s[1] = 'p';
    s[2] = s[3] = s[4] = 0;
    s[5] = D7ED_BST_FC;
    s[6] = static_cast<char>(uNr >> 8);
    s[7] = static_cast<char>(uNr);
    s[8] = s[9] = 0;
    s[10] = static_cast<char>(dwLaenge >> 8);
    s[11] = static_cast<char>(dwLaenge);
    return s;
}

void Fuellen()
{
    AlleBausteineLoeschen();
    for (unsigned i = 0; i < iBausteine; ++i) {
        const std::string s = Bild(i);
        D7ED_BstWrite(D7ED_BST_FC, static_cast<uint16_t>(i), dwLaenge, 0, s.data(), nullptr);
    }
}

fs::path Ordner()
{
    static const fs::path pf = [] {
        fs::path p = fs::temp_directory_path() / ("veltrano_bench_wld_" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    return pf;
}

void BM_DumpSchreiben(benchmark::State& state)
{
    Fuellen();
    const std::string sPfad = (Ordner() / "Startup.wld").string();
    for (auto _ : state) {
        std::string sInhalt;
        const int n = iBausteinDumpErstellen(sInhalt);
        if (n != iBausteine || !bDateiAtomarSchreiben(sPfad, sInhalt)) state.SkipWithError("dump failed");
    }
}
BENCHMARK(BM_DumpSchreiben)->Unit(benchmark::kMillisecond);

void BM_WLDLaden(benchmark::State& state)
{
    Fuellen();
    std::string sInhalt;
    iBausteinDumpErstellen(sInhalt);
    const std::string sPfad = (Ordner() / "Laden.wld").string();
    bDateiAtomarSchreiben(sPfad, sInhalt);
    for (auto _ : state) {
        int n = 0;
        if (!bWLDDateiLaden(sPfad, n) || n != iBausteine) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_WLDLaden)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(Ordner(), ec);
    return 0;
}
