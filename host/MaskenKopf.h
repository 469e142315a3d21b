// The header of a panel file as the reader finds it: the keys it takes and
// the motion lines, read without a main window; the window applies them
// afterwards (THauptformular::bMaskeLesen).
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TMaskenKopf {
    // "$SPSTyp=": the CPU type entry text; "" when the file names none.
    std::string sSPSTyp;
    // "$FileBack=": the background picture as the file names it (it may
    // come from Windows with a folder); "" when none.
    std::string sHintergrund;
    // "$BausteineRestaurieren=", "$WindowW=", "$WindowH=": only when the
    // file holds the line (the last one counts).
    std::optional<bool> bBausteineRestaurieren;
    std::optional<long> lFensterBreite;
    std::optional<long> lFensterHoehe;
    // Lines with "$BewegungNr=" after the "[Bewegungsprofile]" head, in file
    // order; the motion table takes or refuses each.
    std::vector<std::string> bewegungsZeilen;
};

// Reads the panel file from f to its end by the reader's rules. At each
// "[Objekte]" head ObjekteLesen is called to read that section from the same
// stream; the header reader goes on where it stopped.
TMaskenKopf MaskenKopfLesen(std::FILE* f, const std::function<void()>& ObjekteLesen);
