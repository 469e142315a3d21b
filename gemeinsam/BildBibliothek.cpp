// Loading the pictures of the picture library.
#include "BildBibliothek.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "WinText.h"

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back into bJpegDekodieren, which then gives up on the picture.
struct JpegFehler {
    jpeg_error_mgr mgr;
    std::jmp_buf sprung;
};

void JpegFehlerAusgang(j_common_ptr pInfo)
{
    auto* pFehler = reinterpret_cast<JpegFehler*>(pInfo->err);
    std::longjmp(pFehler->sprung, 1);
}

void JpegMeldungStumm(j_common_ptr) {}

// The largest picture taken (64 million pixels, 256 MB as RGB32).
constexpr std::size_t nMaxBildpunkte = 64u * 1024u * 1024u;

// The scan lines of a started decompression into rgb (3 or 4 bytes per
// pixel from libjpeg). Kept free of objects with destructors, so that a
// longjmp out of libjpeg skips nothing that needs cleaning up.
bool bZeilenLesen(jpeg_decompress_struct* pInfo, unsigned char* pZiel, std::size_t nZeile)
{
    while (pInfo->output_scanline < pInfo->output_height) {
        JSAMPROW pZeile = pZiel + static_cast<std::size_t>(pInfo->output_scanline) * nZeile;
        if (jpeg_read_scanlines(pInfo, &pZeile, 1) != 1) return false;
    }
    return true;
}

} // namespace

bool bJpegDekodieren(const std::string& sDaten, QImage& Bild)
{
    if (sDaten.size() < 4) return false;
    jpeg_decompress_struct info;
    JpegFehler fehler;
    info.err = jpeg_std_error(&fehler.mgr);
    fehler.mgr.error_exit = JpegFehlerAusgang;
    fehler.mgr.output_message = JpegMeldungStumm;
    // Everything the jump may leave behind is plain memory owned here.
    unsigned char* volatile pPuffer = nullptr;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_decompress(&info);
        delete[] pPuffer;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(sDaten.data()),
                 static_cast<unsigned long>(sDaten.size()));
    // The size is checked before the decompression starts: for a
    // progressive picture libjpeg allocates the whole picture's
    // coefficients there, which a damaged header could make gigabytes.
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        static_cast<std::size_t>(info.image_width) * info.image_height > nMaxBildpunkte) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool bCmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = bCmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t nBreite = info.output_width;
    const std::size_t nHoehe = info.output_height;
    const std::size_t nKomponenten = static_cast<std::size_t>(info.output_components);
    if (nBreite == 0 || nHoehe == 0 || (nKomponenten != 3 && nKomponenten != 4) ||
        nBreite * nHoehe > nMaxBildpunkte) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t nZeile = nBreite * nKomponenten;
    pPuffer = new unsigned char[nZeile * nHoehe];
    const bool bOk = bZeilenLesen(&info, pPuffer, nZeile);
    if (bOk) jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (bOk) {
        QImage neu(static_cast<int>(nBreite), static_cast<int>(nHoehe), QImage::Format_RGB32);
        for (std::size_t y = 0; y < nHoehe; ++y) {
            const unsigned char* pQ = pPuffer + y * nZeile;
            auto* pZ = reinterpret_cast<QRgb*>(neu.scanLine(static_cast<int>(y)));
            for (std::size_t x = 0; x < nBreite; ++x, pQ += nKomponenten) {
                if (nKomponenten == 3) {
                    pZ[x] = qRgb(pQ[0], pQ[1], pQ[2]);
                } else {
                    // Adobe writes CMYK inverted: the bytes are 255 - ink.
                    const int k = pQ[3];
                    pZ[x] = qRgb(pQ[0] * k / 255, pQ[1] * k / 255, pQ[2] * k / 255);
                }
            }
        }
        Bild = neu;
    }
    delete[] pPuffer;
    return bOk;
}

// Many Windows tools write 32-bit BMPs whose alpha bytes are all 0 and
// mean nothing; Windows draws those opaque, and so must we. A picture with
// any alpha byte set keeps its transparency.
static void AlphaNullDeckend(QImage& Bild)
{
    QImage a = Bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (qAlpha(p[x]) != 0) return;
    }
    for (int y = 0; y < a.height(); ++y) {
        auto* p = reinterpret_cast<QRgb*>(a.scanLine(y));
        for (int x = 0; x < a.width(); ++x) p[x] |= 0xFF000000u;
    }
    Bild = a.convertToFormat(QImage::Format_RGB32);
}

bool bBildLaden(const std::string& sPfad, QImage& Bild)
{
    std::string sDaten;
    if (!bDateiLesen(sPfad, sDaten)) return false;
    const std::size_t nPunkt = sPfad.find_last_of("./");
    std::string sEndung;
    if (nPunkt != std::string::npos && sPfad[nPunkt] == '.')
        sEndung = GrossUmlaut(sPfad.substr(nPunkt + 1));
    if (sEndung == "JPG" || sEndung == "JPEG") return bJpegDekodieren(sDaten, Bild);
    QImage neu;
    if (!neu.loadFromData(reinterpret_cast<const uchar*>(sDaten.data()),
                          static_cast<int>(sDaten.size()), sEndung == "BMP" ? "BMP" : nullptr))
        return false;
    if (neu.hasAlphaChannel()) AlphaNullDeckend(neu);
    Bild = neu;
    return true;
}
