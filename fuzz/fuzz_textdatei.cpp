// A language's text file ("NNNN=Text") read into the shared text pool.
// Property: counts add up to the file's lines, and every text the pool
// then gives is a string no longer than the file once decoded (a line read
// as Windows-1252 grows up to three bytes a byte in UTF-8).
#include "FuzzHilfe.h"

#include "kolv_spr2.h"

#include <cstring>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EigeneUmgebung();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    std::string sDatei = AlsDatei(pDaten, nGroesse, "FUZZ.dat");
    int iAnzahl = -1, iFehler = -1, iLetzte = 0;
    if (!SPR_bSprachenDateiEinlesen(0, sDatei.data(), &iAnzahl, &iFehler, &iLetzte)) return 0;
    // Every counted line (or piece of a long line) holds at least one byte.
    Pruefen(iAnzahl >= 0 && iFehler >= 0 &&
                static_cast<std::size_t>(iAnzahl) + static_cast<std::size_t>(iFehler) <= nGroesse,
            "counts do not fit the file");
    for (unsigned long n : {0ul, 1ul, 1000ul, 1342ul, 6700ul, 9999ul, 99999ul}) {
        const char* pc = SPR_StrS7App(n);
        Pruefen(pc != nullptr && std::strlen(pc) <= 3 * nGroesse + 64, "pool text out of bounds");
    }
    return 0;
}
