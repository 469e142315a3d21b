// Motion profiles: each binds the four directions to one bit of the
// engine's memory; while a bit is 1, every object using the profile moves by
// Geschw pixels in that direction at every motion step. The panel holds 30
// of them; the panel file stores them.
#pragma once

#include <cstdint>

// One direction of a profile.
struct BewegungsOperand {
    char Op = 0;        // 'A'/'Q', 'E'/'I', 'M'; 0 = direction not used
    int8_t Adr = 0;     // byte address; 0..127 address the image
    uint8_t Bit = 0;    // bit number 0..7
};

struct Bewegungsprofil {
    BewegungsOperand Oben;     // up: y decreases   ($ObenOp=, $ObenAdr=, $ObenBit=)
    BewegungsOperand Unten;    // down: y increases ($UntenOp=, ...)
    BewegungsOperand Links;    // left: x decreases ($LinksOp=, ...)
    BewegungsOperand Rechts;   // right: x increases ($RechtsOp=, ...)
    int32_t Geschw = 0;        // pixels per motion step ($Geschw=)
    uint8_t Endsch = 0;        // 0 or 1: moving objects act on sensors ($Endsch=)
};

inline constexpr int ANZAHL_BEWEGUNGSPROFILE = 30;

// The global table, indices 0..29 (defined in MyObj.cpp).
extern Bewegungsprofil Bewegungsprofile[ANZAHL_BEWEGUNGSPROFILE];
