// The picture library of the main window: one loaded picture per file name
// of the project folder, shared by every panel object that shows it. JPEG
// files are decoded with libjpeg, BMP files (and anything else Qt reads)
// with Qt.
#pragma once

#include <cstdint>
#include <string>

class QImage;

inline constexpr int iMaxBilder = 499;     // entries of the library
inline constexpr int iMaxBildName = 103;   // longest file name an entry keeps

struct BildEintrag {
    QImage* pBild = nullptr;   // owned by the main window
    std::string cName;         // file name without folder, at most 103 characters
    int32_t iGroesse = 0;      // file size in bytes when it was loaded
};

// Decodes a JPEG file held in memory with libjpeg. False (bild untouched)
// for data libjpeg refuses; never aborts the program.
bool bJpegDekodieren(const std::string& sDaten, QImage& Bild);

// Loads a picture file: JPEG ("JPG", "JPEG", any letter case) through
// libjpeg, every other file through Qt's readers (BMP). False when the file
// cannot be read or decoded.
bool bBildLaden(const std::string& sPfad, QImage& Bild);
