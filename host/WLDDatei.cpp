// Block files: reading, checking and writing the run of block images.
#include "WLDDatei.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "HauptForm.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "WinZeit.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"

namespace {

// First room of the directory, and room of one block image, in words.
constexpr uint32_t dwVerzeichnisWorte = 20000;
constexpr uint32_t dwBildWorte = 65535;
// Every block the engine can hold (256 types of 65536 numbers, two words
// each) and the end entry: a directory still cut at this size is no
// directory.
constexpr uint32_t dwVerzeichnisWorteMax = 256u * 65536u * 2u + 2u;
// A load never runs longer than this on the graphical thread.
constexpr uint32_t dwLadeGrenzeMs = 5000;
// Bytes of an image that tell "pp", type, number and length.
constexpr std::size_t uKennung = 14;

uint16_t Wort(const unsigned char* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }
uint32_t DoppelWort(const unsigned char* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

bool bEigenerBaustein(unsigned uTyp) { return uTyp == D7ED_BST_SFC || uTyp == D7ED_BST_SFB; }

// Whole deletions of the engine's blocks so far (uBausteinErsetzungen).
unsigned s_uErsetzungen = 0;

std::string BausteinName(unsigned uTyp, unsigned uNr)
{
    char c[32];
    U_GetBausteinStrTypNr(c, static_cast<uint16_t>(uTyp), static_cast<uint16_t>(uNr), false);
    return c;
}

// The whole block directory, ended by its (0, 0) entry. A directory cut
// for room is read again into a larger buffer: a block left out would be
// missing from the dump, or would outlive a load. False when the engine
// cannot give it (v then holds only the end entry).
bool bVerzeichnisLesen(std::vector<uint16_t>& v)
{
    for (uint32_t dwWorte = dwVerzeichnisWorte;; dwWorte = std::min(2 * dwWorte, dwVerzeichnisWorteMax)) {
        v.assign(dwWorte, 0);
        unsigned char byGekuerzt = 0;
        int iFehler = 0;
        if (D7ED_GetBausteinverzeichnis(v.data(), dwWorte, &byGekuerzt, &iFehler)) return true;
        if (!byGekuerzt || dwWorte == dwVerzeichnisWorteMax) break;
    }
    v.assign(2, 0);
    return false;
}

void StatusMeldung(const std::string& sText)
{
    if (Hauptformular) Hauptformular->StatusTextSetzen(Hauptformular->iPanelMeldung, sText.c_str());
}

struct TBild {
    long lPos;
    unsigned uTyp, uNr;
    uint32_t dwLaenge;
};

struct FileZu {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

unsigned uBausteinErsetzungen() { return s_uErsetzungen; }

void AlleBausteineLoeschen()
{
    ++s_uErsetzungen;
    std::vector<uint16_t> v;
    bVerzeichnisLesen(v);
    for (std::size_t i = 0; i + 1 < v.size() && v[i] != 0; i += 2) {
        if (bEigenerBaustein(v[i])) continue;
        int iFehler = 0;
        D7ED_BstLoeschen(static_cast<unsigned char>(v[i]), v[i + 1], &iFehler);
    }
}

int iBausteinDumpErstellen(std::string& sInhalt)
{
    sInhalt.clear();
    std::vector<uint16_t> v;
    // Without the directory the engine's blocks are unknown: no dump, so
    // the last good one stays.
    if (!bVerzeichnisLesen(v)) return iDUMP_OHNE_VERZEICHNIS;
    // The engine always lists its own system functions; "no block" means
    // none besides them.
    bool bLeer = true;
    for (std::size_t i = 0; i + 1 < v.size() && v[i] != 0; i += 2)
        if (!bEigenerBaustein(v[i])) bLeer = false;
    if (bLeer) return iDUMP_LEER;
    // The engine tells each length without copying (a buffer of 0 words):
    // the dump is then built in one piece of memory.
    std::size_t uGesamt = 0;
    for (std::size_t i = 0; i + 1 < v.size() && v[i] != 0; i += 2) {
        uint16_t wWorte = 0;
        int iFehler = 0;
        unsigned char byLeer[2];
        if (!bEigenerBaustein(v[i]))
            D7ED_BstRead(static_cast<unsigned char>(v[i]), v[i + 1], byLeer, 0, &wWorte, &iFehler);
        uGesamt += 2u * wWorte;
    }
    sInhalt.reserve(uGesamt);
    std::vector<uint16_t> puffer(dwBildWorte);
    int iAnzahl = 0;
    for (std::size_t i = 0; i + 1 < v.size() && v[i] != 0; i += 2) {
        if (bEigenerBaustein(v[i])) continue;
        uint16_t wWorte = 0;
        int iFehler = 0;
        if (!D7ED_BstRead(static_cast<unsigned char>(v[i]), v[i + 1], puffer.data(), dwBildWorte,
                          &wWorte, &iFehler))
            continue;
        const auto* p = reinterpret_cast<const unsigned char*>(puffer.data());
        // Exactly the header's length: the reader steps by it, so a pad byte
        // of an odd image would shift every block behind it. Every image the
        // reader takes back is written, a header alone too: a block left out
        // here would be gone from the project at the next open.
        const uint32_t dwLaenge = DoppelWort(p + 8);
        if (dwLaenge < D7ED_BST_KOPF_LAENGE || dwLaenge > 2u * wWorte) continue;
        sInhalt.append(reinterpret_cast<const char*>(p), dwLaenge);
        ++iAnzahl;
    }
    return iAnzahl;
}

int iWLDBausteineZaehlen(const std::string& sPfad)
{
    std::unique_ptr<std::FILE, FileZu> f(std::fopen(sPfad.c_str(), "rb"));
    struct stat st;
    if (!f || ::fstat(::fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    int iAnzahl = 0;
    long lPos = 0;
    for (;;) {
        unsigned char k[uKennung];
        if (std::fseek(f.get(), lPos, SEEK_SET) != 0 || std::fread(k, 1, uKennung, f.get()) < uKennung)
            break;
        if (k[0] != 'p' || k[1] != 'p') {
            lPos += static_cast<long>(uKennung);
            continue;
        }
        if (k[5] == 0) break;
        const uint32_t dwLaenge = DoppelWort(k + 8);
        if (dwLaenge < D7ED_BST_KOPF_LAENGE) break;
        if (D7ED_bLadbarerTyp(k[5])) ++iAnzahl;
        if (dwLaenge > static_cast<uint32_t>(st.st_size - lPos)) break;
        lPos += static_cast<long>(dwLaenge);
    }
    return iAnzahl;
}

std::map<std::pair<unsigned, unsigned>, std::string> WLDLadeStand(const std::string& sInhalt)
{
    std::map<std::pair<unsigned, unsigned>, std::string> stand;
    const auto* p = reinterpret_cast<const unsigned char*>(sInhalt.data());
    const std::size_t uGroesse = sInhalt.size();
    // The walk of bWLDDateiLaden, on bytes in memory.
    if (uGroesse > 0 && (uGroesse < uKennung || p[0] != 'p' || p[1] != 'p')) return stand;
    for (std::size_t uPos = 0; uGroesse - uPos >= uKennung;) {
        const unsigned char* k = p + uPos;
        if (k[0] != 'p' || k[1] != 'p') {
            uPos += uKennung;
            continue;
        }
        if (k[5] == 0) break;
        const uint32_t dwLaenge = DoppelWort(k + 8);
        if (dwLaenge > 65535u) break;
        if (dwLaenge < D7ED_BST_KOPF_LAENGE || uGroesse - uPos < dwLaenge) return {};
        if (D7ED_bLadbarerTyp(k[5])) stand[{k[5], Wort(k + 6)}] = sInhalt.substr(uPos, dwLaenge);
        uPos += dwLaenge;
    }
    return stand;
}

bool bWLDDateiLaden(const std::string& sPfad, int& iAnzahl, TWLDLadung* pLadung)
{
    TWLDLadung ohne;
    TWLDLadung& ladung = pLadung ? *pLadung : ohne;
    ladung.bVorzeitigBeendet = false;
    // A refusal's box, unless the caller tells it in its own words.
    const auto Ablehnen = [&ladung](const std::string& sText, bool bFehler) {
        if (ladung.bOhneAblehnungsMeldung) return false;
        if (bFehler)
            FehlerMeldung(sText);
        else
            InfoMeldung(sText);
        return false;
    };

    std::unique_ptr<std::FILE, FileZu> f(std::fopen(sPfad.c_str(), "rb"));
    // A folder opens as well on Linux, and would read as an empty file.
    struct stat st;
    if (!f || ::fstat(::fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const uint32_t dwStart = timeGetTime();
    bool bZeitUm = false;
    std::string sZuLang;   // name of the block over 65535 bytes that ended the file

    // First the whole file is walked by its headers, so that a wrong or
    // damaged file is refused while the engine still holds its blocks.
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return Ablehnen("Seek Error WLD-Datei", false);
    const long lGroesse = std::ftell(f.get());
    if (lGroesse < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0) return Ablehnen("Seek Error WLD-Datei", false);
    std::vector<TBild> bilder;
    long lPos = 0;
    for (;;) {
        if (timeGetTime() - dwStart > dwLadeGrenzeMs) {
            bZeitUm = true;
            break;
        }
        unsigned char k[uKennung];
        const std::size_t n = std::fread(k, 1, uKennung, f.get());
        // A file that does not start with a block image is no block file,
        // also when it is shorter than one header.
        if (lPos == 0 && lGroesse > 0 && (n < uKennung || k[0] != 'p' || k[1] != 'p')) return false;
        if (n < uKennung) break;
        if (k[0] != 'p' || k[1] != 'p') {
            lPos += static_cast<long>(uKennung);
            continue;
        }
        const unsigned uTyp = k[5], uNr = Wort(k + 6);
        if (uTyp == 0) break;
        const uint32_t dwLaenge = DoppelWort(k + 8);
        if (dwLaenge > 65535u) {
            sZuLang = BausteinName(uTyp, uNr);
            break;
        }
        // An image shorter than its header would step the reader back onto
        // bytes already read; one past the end is cut off.
        if (dwLaenge < D7ED_BST_KOPF_LAENGE || lGroesse - lPos < static_cast<long>(dwLaenge))
            return Ablehnen("Read Error WLD-Datei", false);
        bilder.push_back({lPos, uTyp, uNr, dwLaenge});
        lPos += static_cast<long>(dwLaenge);
        if (std::fseek(f.get(), lPos, SEEK_SET) != 0) return Ablehnen("Seek Error WLD-Datei", false);
    }

    // A file from which the engine would take no block would only empty
    // it: refused while the engine still holds its blocks. The engine's own
    // test of the types it takes decides, so the two cannot drift apart.
    if (std::none_of(bilder.begin(), bilder.end(), [](const TBild& b) {
            return D7ED_bLadbarerTyp(static_cast<unsigned char>(b.uTyp));
        })) {
        // Not refused: the file was read only in part.
        if (bZeitUm) {
            ladung.bVorzeitigBeendet = true;
            FehlerMeldung(PoolText(1249));
            return false;
        }
        if (!sZuLang.empty()) return Ablehnen(PoolTextFormat(6750, "%s", sZuLang.c_str()), true);
        return Ablehnen(PoolTextFormat(6762, "%s", sPfad.c_str()), true);
    }

    AlleBausteineLoeschen();
    int iGeschrieben = 0;
    bool bLesefehler = false;
    for (const TBild& b : bilder) {
        if (!bZeitUm && timeGetTime() - dwStart > dwLadeGrenzeMs) {
            bZeitUm = true;
            break;
        }
        std::vector<unsigned char> bild(b.dwLaenge + 2u);
        if (std::fseek(f.get(), b.lPos, SEEK_SET) != 0 ||
            std::fread(bild.data(), 1, b.dwLaenge, f.get()) != b.dwLaenge) {
            // The file changed under the load.
            bLesefehler = true;
            break;
        }
        if (bEigenerBaustein(b.uTyp)) continue;
        const uint16_t wKopfwert = b.uTyp == D7ED_BST_DB ? 0 : Wort(bild.data() + 32);
        int iFehler = 0;
        // A type the engine does not take (no block kind of it) is not
        // counted: the status line tells the blocks now in the engine.
        if (D7ED_BstWrite(static_cast<unsigned char>(b.uTyp), static_cast<uint16_t>(b.uNr),
                          static_cast<uint16_t>(b.dwLaenge), wKopfwert, bild.data(), &iFehler))
            ++iGeschrieben;
    }
    f.reset();
    if (bLesefehler) return Ablehnen("Read Error WLD-Datei", false);
    ladung.bVorzeitigBeendet = bZeitUm || !sZuLang.empty();
    if (bZeitUm)
        FehlerMeldung(PoolText(1249));
    else if (!sZuLang.empty())
        FehlerMeldung(PoolTextFormat(6751, "%s%d", sZuLang.c_str(), iGeschrieben));
    iAnzahl = iGeschrieben;
    StatusMeldung(PoolTextFormat(1252, "%d", iGeschrieben));
    return true;
}
