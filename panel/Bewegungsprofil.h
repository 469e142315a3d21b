// Motion profiles: each binds the four directions to one bit of the
// engine's memory; while a bit is 1, every object using the profile moves by
// Geschw pixels in that direction at every motion step. The panel holds 30
// of them; the panel file stores them.
#pragma once

#include <cstdint>

// One direction of a profile.
struct BewegungsOperand {
    char Op = 0;        // 'A'/'Q', 'E'/'I', 'M'; 0 = direction not used
    int8_t Adr = 0;     // byte address, kept in 8 bits (the file writes it signed)
    uint8_t Bit = 0;    // bit number 0..7

    bool operator==(const BewegungsOperand&) const = default;
};

struct Bewegungsprofil {
    BewegungsOperand Oben;     // up: y decreases   ($ObenOp=, $ObenAdr=, $ObenBit=)
    BewegungsOperand Unten;    // down: y increases ($UntenOp=, ...)
    BewegungsOperand Links;    // left: x decreases ($LinksOp=, ...)
    BewegungsOperand Rechts;   // right: x increases ($RechtsOp=, ...)
    int32_t Geschw = 0;        // pixels per motion step ($Geschw=)
    uint8_t Endsch = 0;        // 0 or 1: moving objects act on sensors ($Endsch=)

    bool operator==(const Bewegungsprofil&) const = default;
};

inline constexpr int ANZAHL_BEWEGUNGSPROFILE = 30;

// The highest speed a profile takes: beyond the signed field a speed would
// be stored as a negative one and move the other way.
inline constexpr int32_t iMaxGeschwindigkeit = INT32_MAX;

// The global table, indices 0..29 (defined in MyObj.cpp).
extern Bewegungsprofil Bewegungsprofile[ANZAHL_BEWEGUNGSPROFILE];

// The profile an object's MoveNr names, or null: below 0 is "none", and a
// number of 30 or more (possible from a hand-made panel file) names no
// record of the table, so such an object does not move.
Bewegungsprofil* pBewegungsprofil(int32_t iMoveNr);

// The byte of the engine's memory that a direction reads: output image for
// 'A'/'Q', input image for 'E'/'I', memory bits for 'M'; null for any other
// letter. The address byte is read unsigned, so an address written as -56
// in the file reaches byte 200, never a byte before the area.
const uint8_t* pBewegungsByte(const BewegungsOperand& o);

// The direction's bit: 0 for a direction without a usable letter and for a
// bit number beyond 7 (which names no bit of a byte).
bool bBewegungsBit(const BewegungsOperand& o);
