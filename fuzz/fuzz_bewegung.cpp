// Motion-profile lines of the panel file. Property: the line the writer
// makes of a profile reads back to the same line.
#include "FuzzHilfe.h"

#include "Bewegungsprofil.h"
#include "Maske.h"
#include "WinText.h"

#include <sstream>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    std::istringstream zeilen(AlsText(pDaten, nGroesse));
    std::string sZeile;
    for (int i = 0; i < 32 && std::getline(zeilen, sZeile); ++i) {
        BewegungsprofileLoeschen();
        if (!bBewegungsprofilZeileAuswerten(sZeile.c_str())) continue;
        for (int iNr = 0; iNr < ANZAHL_BEWEGUNGSPROFILE; ++iNr) {
            const std::string s = BewegungsprofilZeile(iNr);
            Pruefen(bIstUtf8(s), "writer made invalid UTF-8", s);
            Pruefen(bBewegungsprofilZeileAuswerten(s.c_str()), "written line does not read", s);
            Pruefen(BewegungsprofilZeile(iNr) == s, "line does not read back the same",
                    sZeile + "\n" + s);
        }
    }
    Pruefen(BewegungsprofilZeile(-1).empty() && BewegungsprofilZeile(ANZAHL_BEWEGUNGSPROFILE).empty(),
            "profile outside the table");
    return 0;
}
