// A second process for the tests of kolv_spr2: it loads the library (and so
// attaches to the shared text block) and works through its arguments in
// order, one answer line each on stdout:
//   text:N        N=<text>, line feed, carriage return and tab written as {n} {r} {t}
//   standard      standard=<how many of 0..9999 give the default text>
//   lesen:PFAD    lesen=<result>,<count>,<bad lines>,<last bad line>
//   init:ORDNER   init=<result of SPR_DLLInitialisieren>
//   anzahl        anzahl=<language count>
//   zeile:I       zeile:I=<SPR_GetSprachStrVonIndex>
//   id:N          id:N=<SPR_GetSprachStrVonId, or (null)>
//   name:NAME     name:NAME=<SPR_GetSprachIndexVonString>
//   sprachen      sprachen=<syntax language>,<text language>
//   warten        warten=1 once reached, then holds the block until stdin ends
// Boxes go to stderr (no QApplication here).
#include "kolv_spr2.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Maskiert(const char* pc)
{
    std::string s;
    for (; *pc; ++pc) {
        if (*pc == '\n') s += "{n}";
        else if (*pc == '\r') s += "{r}";
        else if (*pc == '\t') s += "{t}";
        else s += *pc;
    }
    return s;
}

bool bBeginnt(const std::string& s, const char* pcVorne, std::string& sRest)
{
    const size_t n = std::strlen(pcVorne);
    if (s.compare(0, n, pcVorne) != 0) return false;
    sRest = s.substr(n);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string sArg = argv[i];
        std::string sRest;
        if (bBeginnt(sArg, "text:", sRest)) {
            std::printf("%s=%s\n", sRest.c_str(), Maskiert(SPR_StrS7App(std::strtoul(sRest.c_str(), nullptr, 10))).c_str());
        } else if (sArg == "standard") {
            int n = 0;
            for (unsigned long u = 0; u < 10000; ++u)
                if (std::strcmp(SPR_StrS7App(u), "Unbekannter String/Unknown String") == 0) ++n;
            std::printf("standard=%d\n", n);
        } else if (bBeginnt(sArg, "lesen:", sRest)) {
            int a = -1, f = -1, l = -1;
            const bool b = SPR_bSprachenDateiEinlesen(0, sRest.data(), &a, &f, &l);
            std::printf("lesen=%d,%d,%d,%d\n", b ? 1 : 0, a, f, l);
        } else if (bBeginnt(sArg, "init:", sRest)) {
            std::printf("init=%d\n", SPR_DLLInitialisieren(sRest.data()));
        } else if (sArg == "anzahl") {
            std::printf("anzahl=%d\n", SPR_iGetAnzahlSprachen());
        } else if (bBeginnt(sArg, "zeile:", sRest)) {
            std::printf("%s=%s\n", sArg.c_str(),
                        SPR_GetSprachStrVonIndex(static_cast<unsigned char>(std::atoi(sRest.c_str()))));
        } else if (bBeginnt(sArg, "id:", sRest)) {
            const char* pc = SPR_GetSprachStrVonId(static_cast<unsigned char>(std::atoi(sRest.c_str())));
            std::printf("%s=%s\n", sArg.c_str(), pc ? pc : "(null)");
        } else if (bBeginnt(sArg, "name:", sRest)) {
            std::printf("%s=%d\n", sArg.c_str(), SPR_GetSprachIndexVonString(sRest.data()));
        } else if (sArg == "warten") {
            std::printf("warten=1\n");
            std::fflush(stdout);
            while (std::getchar() != EOF) {
            }
        } else if (sArg == "sprachen") {
            std::printf("sprachen=%d,%d\n", SPR_GetSyntaxSprache(), SPR_GetTextSprache());
        } else {
            std::fprintf(stderr, "unknown request %s\n", sArg.c_str());
            return 2;
        }
    }
    return 0;
}
