// The measuring-range file MESSB.TXT, and every range it gives put to work
// in an analog input and output: scaling both ways, the bar pixel setting
// and painting. Property: a range's values come out finite or as its ends.
#include "FuzzHilfe.h"

#include "Messbereiche.h"
#include "MyObj.h"
#include "kolv_d7ed.h"

#include <QImage>
#include <QWidget>

#include <cmath>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ProgrammStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    const std::string sDatei = AlsDatei(pDaten, nGroesse, "MESSB.TXT");
    Pruefen(MessbereicheEinlesen(sDatei), "range file reader failed");
    Pruefen(iAnzahlMessbereicheEingabe >= 0 && iAnzahlMessbereicheEingabe <= iMaxMessbereiche &&
                iAnzahlMessbereicheAusgabe >= 0 && iAnzahlMessbereicheAusgabe <= iMaxMessbereiche,
            "range count outside the table");
    QWidget eltern;
    TMyObj ein(&eltern, AnalogEingang, 0, 0, 40, 120);
    TMyObj aus(&eltern, AnalogerAusgang, 0, 0, 40, 120);
    ein.Op = 'E';
    aus.Op = 'A';
    ein.Ausrichtung = 'o';
    aus.Ausrichtung = 'r';
    for (int i = 0; i < iMaxMessbereiche; ++i) {
        for (TMyObj* p : {&ein, &aus}) {
            p->Messb = i;
            for (int32_t iRoh : {0, 1, -1, 27648, -27648, 32767, -32768}) {
                float fWert = 0.0f, fRoh = 0.0f;
                p->GetAnalogWertVonStatus(fWert, iRoh);
                p->GetStatusVonAnalogWert(fRoh, fWert);
            }
            p->Zeichnen();
            QImage bild(40, 120, QImage::Format_ARGB32);
            p->render(&bild, QPoint(), QRegion(), QWidget::RenderFlags());
        }
        for (int32_t iPixel : {-5, 0, 37, 120, 500})
            ein.AnalogwertEinstellenPixel(iPixel, 118);
    }
    return 0;
}
