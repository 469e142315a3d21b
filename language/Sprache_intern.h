// State shared between the units of kolv_spr2 (not exported).
#pragma once

namespace kolv_spr2 {

// 1: German mnemonics; any other value: international.
extern unsigned char ucSyntaxsprache;
// Language number of the texts the main program loads.
extern unsigned char ucTextsprache;

inline bool bDeutsch() { return ucSyntaxsprache == 1; }

} // namespace kolv_spr2
