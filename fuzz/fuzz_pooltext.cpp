// Pool texts from a language file through the safe formatter: every line
// of the input is a text, formatted with the signatures the program uses.
// Property: a text is formatted only when its conversions match, and the
// result never grows beyond what the limits allow (no gigabyte messages).
#include "FuzzHilfe.h"

#include "PoolText.h"

#include <sstream>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    std::istringstream zeilen(AlsText(pDaten, nGroesse));
    std::string sZeile;
    for (int i = 0; i < 64 && std::getline(zeilen, sZeile); ++i) {
        const std::string sText = sZeile.c_str();  // as the pool holds it: up to a NUL
        // Each conversion adds at most its 1000 wide field or its argument.
        std::size_t nKonv = 0;
        for (char c : sText) nKonv += c == '%';
        const std::size_t nGrenze = sText.size() + nKonv * 1100 + 400;
        const std::string s1 = TextFormatieren(sText.c_str(), "%s", "Wert");
        const std::string s2 = TextFormatieren(sText.c_str(), "%d", -2147483647 - 1);
        const std::string s3 = TextFormatieren(sText.c_str(), "%s%s", "a", "b");
        const std::string s4 = TextFormatieren(sText.c_str(), "%s%d", "a", 7);
        const std::string s5 = TextFormatieren(sText.c_str(), "%d%s%d", 1, "b", 2);
        const std::string s6 = TextFormatieren(sText.c_str(), "%lu", 4294967295ul);
        const std::string s7 = TextFormatieren(sText.c_str(), "%f", 1e300);
        for (const std::string* p : {&s1, &s2, &s3, &s4, &s5, &s6, &s7})
            Pruefen(p->size() <= nGrenze, "formatted text too long", sText);
        std::string sKonv;
        if (!bKonvertierungenLesen(sText.c_str(), sKonv) || sKonv != "%s")
            Pruefen(s1 == sText, "text formatted with conversions that do not match", sText);
    }
    return 0;
}
