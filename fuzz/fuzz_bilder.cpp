// Pictures of a project folder: BMP through Qt, JPEG through libjpeg, as
// the picture library loads them. Property: a picture that loads has a
// size, and a JPEG gives the same picture from the file and from memory.
#include "FuzzHilfe.h"

#include "BildBibliothek.h"

#include <QImage>
#include <QImageReader>

using namespace fuzzhilfe;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QtStarten();
    // Qt's own limit, kept low so that a header asking for a huge picture
    // is refused before it is allocated.
    QImageReader::setAllocationLimit(256);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, std::size_t nGroesse)
{
    QImage bild;
    if (bBildLaden(AlsDatei(pDaten, nGroesse, "Bild.bmp"), bild))
        Pruefen(!bild.isNull() && bild.width() > 0 && bild.height() > 0, "BMP without a size");
    QImage jpeg, speicher;
    const bool bDatei = bBildLaden(AlsDatei(pDaten, nGroesse, "Bild.jpg"), jpeg);
    const bool bSpeicher = bJpegDekodieren(AlsText(pDaten, nGroesse), speicher);
    Pruefen(bDatei == bSpeicher, "JPEG file and memory disagree");
    if (bDatei) {
        Pruefen(!jpeg.isNull() && jpeg.width() > 0 && jpeg.height() > 0, "JPEG without a size");
        Pruefen(jpeg == speicher, "JPEG file and memory give other pictures");
    }
    return 0;
}
