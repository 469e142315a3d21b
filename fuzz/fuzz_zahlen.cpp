// The number and key parsers of the helpers. Properties: a value parsed and
// printed parses to the same value; key values never reach past the line.
#include "FuzzHilfe.h"

#include "Allgemein.h"
#include "Messbereiche.h"
#include "harlenzutils40.h"

#include <cmath>
#include <cstring>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sRoh = AlsText(pDaten, nGroesse);
    const char* pc = sRoh.c_str();

    const int32_t i = iTextAlsGanzzahl(pc);
    Pruefen(iTextAlsGanzzahl(std::to_string(i).c_str()) == i, "integer text round trip", sRoh);
    const float f = fTextAlsFloat(pc);
    Pruefen(std::isfinite(f), "float text gave a value that is not finite", sRoh);
    const double d = dTextAlsReal(pc);
    if (std::isfinite(d) && std::fabs(d) < 1e15) {
        const std::string s = FestkommaText(d, 2, 2);
        Pruefen(std::fabs(dTextAlsReal(s.c_str()) - d) <= 0.0051 * std::max(1.0, std::fabs(d)) ,
                "fixed-point text round trip", sRoh + " -> " + s);
    }

    bool bOk = false;
    const int32_t iDez = bDezimalStrToWert(pc, bOk);
    if (bOk) {
        bool bOk2 = false;
        Pruefen(bDezimalStrToWert(std::to_string(iDez).c_str(), bOk2) == iDez && bOk2,
                "decimal text round trip", sRoh);
    }
    const uint32_t uHex = bHexStrToWert(pc, bOk);
    (void)uHex;

    // Keys as the object lines use them.
    for (const char* pcKey : {"$Obj=", "$x=", "$Text=", "$Op=", ","}) {
        const int32_t iWert = iGetWertNachKey(pc, pcKey);
        (void)iWert;
        std::string sWert;
        StringNachKeyKopieren(pc, pcKey, sWert);
        Pruefen(sWert.size() <= std::strlen(pc) && sWert.find(',') == std::string::npos,
                "key value reaches past the line or a comma", sRoh);
        char acKlein[8];
        StringNachKeyKopieren(pc, pcKey, acKlein, sizeof acKlein);
        Pruefen(std::strlen(acKlein) < sizeof acKlein, "key value overran its buffer", sRoh);
        cGetZeichenNachKey(pc, pcKey);
    }

    // Block names of the utilities ("FB 12", "DB7").
    uint16_t wTyp = 0, wNr = 0;
    if (sRoh.size() < 64 && U_GetKennungAusBausteinStrOhneLeerz(pc, &wTyp, &wNr)) {
        char acName[64] = {};
        U_GetBausteinStrTypNr(acName, wTyp, wNr, false);
        uint16_t wTyp2 = 0, wNr2 = 0;
        Pruefen(U_GetKennungAusBausteinStrOhneLeerz(acName, &wTyp2, &wNr2) && wTyp2 == wTyp &&
                    wNr2 == wNr,
                "block name round trip", sRoh + " -> " + acName);
    }
    return 0;
}
