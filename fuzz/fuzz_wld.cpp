// Block files (".wld") loaded into the engine. Properties: a refused file
// leaves the engine's blocks as they were; a loaded file puts into the
// engine at least one block and only blocks that stand byte for byte in the
// file, and the count the loader reports is the number of blocks the engine
// took; the dump of what is then in the engine holds every one of them,
// loads back to the same blocks and dumps to the same file.
#include "FuzzHilfe.h"

#include <dlfcn.h>

#include <algorithm>
#include <map>
#include <vector>

#include "WLDDatei.h"
#include "WinZeit.h"
#include "kolv_d7ed.h"

using namespace fuzzhilfe;

// Every hand-over to the engine passes here first, so the target counts
// the blocks the engine took; the engine's own function does the rest.
namespace {
int g_iGenommen = 0;
}

extern "C" bool D7ED_BstWrite(unsigned char byTyp, uint16_t wNr, uint16_t wLaenge,
                              uint16_t wKopfwert, const void* pBild, int* piFehler)
{
    using Fn = bool (*)(unsigned char, uint16_t, uint16_t, uint16_t, const void*, int*);
    static const Fn echt = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "D7ED_BstWrite"));
    const bool b = echt(byTyp, wNr, wLaenge, wKopfwert, pBild, piFehler);
    g_iGenommen += b ? 1 : 0;
    return b;
}

namespace {

using Bausteine = std::map<std::pair<unsigned, unsigned>, std::string>;

// The engine's deletable blocks, each cut to its header's length.
Bausteine ImEngine()
{
    Bausteine m;
    // Kept between inputs: made anew each time they cost more than the run.
    static std::vector<uint16_t> v(20000), puffer(65535);
    std::fill(v.begin(), v.end(), 0);
    D7ED_GetBausteinverzeichnis(v.data(), 20000, nullptr, nullptr);
    for (std::size_t i = 0; i + 1 < v.size() && v[i] != 0; i += 2) {
        if (v[i] == D7ED_BST_SFC || v[i] == D7ED_BST_SFB) continue;
        uint16_t wWorte = 0;
        D7ED_BstRead(static_cast<unsigned char>(v[i]), v[i + 1], puffer.data(), 65535, &wWorte,
                     nullptr);
        const auto* p = reinterpret_cast<const unsigned char*>(puffer.data());
        const uint32_t dwLaenge = (uint32_t(p[8]) << 24) | (p[9] << 16) | (p[10] << 8) | p[11];
        Pruefen(dwLaenge <= 2u * wWorte, "block longer than the engine's image");
        m[{v[i], v[i + 1]}] = std::string(reinterpret_cast<const char*>(p), dwLaenge);
    }
    return m;
}

// A known block the engine holds before each input.
std::string Vorher()
{
    std::string s(120, 'v');
    s[0] = s[1] = 'p';
    s[5] = static_cast<char>(D7ED_BST_OB);
    s[6] = 0;
    s[7] = 1;
    s[8] = s[9] = s[10] = 0;
    s[11] = 120;
    s[34] = 0;
    s[35] = 120 - 36;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    // System data blocks are also written as files: into the private folder.
    D7ED_PfadeUebergeben(Ordner().c_str(), "IPADR", (Ordner() + "IPADR.DAT").c_str());
    // A clock that stands still: the loader's 5 s limit never cuts a load
    // short, however slow the sanitizers make it.
    TestUhrSetzen(1000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsText(pDaten, nGroesse);
    AlleBausteineLoeschen();
    int iFehler = 0;
    const std::string sVorher = Vorher();
    D7ED_BstWrite(D7ED_BST_OB, 1, static_cast<uint16_t>(sVorher.size()), 0, sVorher.data(), &iFehler);
    const Bausteine vorher = ImEngine();
    Pruefen(vorher.size() == 1, "the known block was not taken");

    g_iGenommen = 0;
    int iAnzahl = -7;
    if (!bWLDDateiLaden(AlsDatei(pDaten, nGroesse, "eingabe.wld"), iAnzahl)) {
        Pruefen(iAnzahl == -7, "a refused file set the count");
        Pruefen(g_iGenommen == 0, "a refused file gave blocks to the engine");
        Pruefen(ImEngine() == vorher, "a refused file changed the engine's blocks");
        return 0;
    }
    const Bausteine geladen = ImEngine();
    Pruefen(iAnzahl == g_iGenommen, "count other than the blocks the engine took",
            std::to_string(iAnzahl) + " / " + std::to_string(g_iGenommen));
    // A file from which the engine takes nothing is refused, not loaded
    // into an emptied engine.
    Pruefen(iAnzahl > 0, "a file without a loadable block emptied the engine");
    // A block named twice in the file is one block in the engine.
    Pruefen(geladen.size() <= static_cast<std::size_t>(iAnzahl), "more blocks than loaded");
    for (const auto& [k, sBild] : geladen)
        Pruefen(sDatei.find(sBild) != std::string::npos, "a block that is not in the file",
                std::to_string(k.first) + "/" + std::to_string(k.second));

    // Dump, load the dump, dump again.
    std::string sDump;
    const int iGedumpt = iBausteinDumpErstellen(sDump);
    // Every block the load took is dumped, the shortest image too.
    const Bausteine& erwartet = geladen;
    Pruefen(iGedumpt == static_cast<int>(erwartet.size()), "dump count", std::to_string(iGedumpt));
    const std::string sDumpPfad = AlsDatei(reinterpret_cast<const uint8_t*>(sDump.data()),
                                           sDump.size(), "Startup.wld");
    AlleBausteineLoeschen();
    g_iGenommen = 0;
    int iZurueck = -7;
    Pruefen(bWLDDateiLaden(sDumpPfad, iZurueck), "the dump does not load");
    Pruefen(iZurueck == static_cast<int>(erwartet.size()), "dump loads another count",
            std::to_string(iZurueck));
    Pruefen(ImEngine() == erwartet, "the dump loads other blocks");
    std::string sZweiterDump;
    iBausteinDumpErstellen(sZweiterDump);
    Pruefen(sZweiterDump == sDump, "the dump does not dump the same");
    return 0;
}
