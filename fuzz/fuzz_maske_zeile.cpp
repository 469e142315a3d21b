// One object line of a panel or clipboard file, set into an object and
// painted. The first byte chooses the mode (bit 0: EDITOR); every further
// line holding "$Obj=" is one object. Property: the line the writer makes
// from what was read reads back to the same line.
#include "FuzzHilfe.h"

#include "Messbereiche.h"
#include "MyObj.h"
#include "WinText.h"

#include <QImage>
#include <QWidget>

#include <sstream>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    MessbereicheEinlesen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    if (nGroesse < 1) return 0;
    TMyObj::bEditorModusOhneHauptformular = (pDaten[0] & 1) != 0;
    std::istringstream zeilen(AlsText(pDaten + 1, nGroesse - 1));
    std::string sZeile;
    QWidget eltern;
    for (int i = 0; i < 16 && std::getline(zeilen, sZeile);) {
        if (sZeile.find("$Obj=") == std::string::npos) continue;
        ++i;
        TMyObj obj(&eltern, 0, 10, 10, 10, 10);
        if (!obj.bINIStringAuswerten(sZeile)) continue;
        obj.Zeichnen();
        QImage bild(64, 32, QImage::Format_ARGB32);
        obj.render(&bild, QPoint(), QRegion(0, 0, 64, 32), QWidget::RenderFlags());

        const std::string sGeschrieben = obj.pcGetINIString();
        Pruefen(bIstUtf8(sGeschrieben) || !bIstUtf8(sZeile), "writer made invalid UTF-8",
                sGeschrieben);
        TMyObj zurueck(&eltern, 0, 10, 10, 10, 10);
        Pruefen(zurueck.bINIStringAuswerten(sGeschrieben), "written line does not read", sGeschrieben);
        Pruefen(zurueck.pcGetINIString() == sGeschrieben, "line does not read back the same",
                sZeile + "\n" + sGeschrieben + "\n" + zurueck.pcGetINIString());
    }
    return 0;
}
