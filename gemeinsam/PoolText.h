// Texts of the text pool as the programs use them.
//
// Every user text comes from the pool by number. A text that takes
// arguments is formatted only through PoolTextFormat/TextFormatieren: the
// caller names the conversions it passes (for example "%s%d"), and the text
// is formatted only when its own conversions are exactly those, in that
// order. Any other text is returned as it stands, so a language file can
// never make the program read arguments that were not passed.
#pragma once

#include <string>

// A copy of pool text nNr (the default text when the pool has none).
std::string PoolText(unsigned long nNr);

// Pool text nNr with the arguments formatted in, when its conversions match
// pcSignatur; else the text unformatted.
std::string PoolTextFormat(unsigned long nNr, const char* pcSignatur, ...)
    __attribute__((format(printf, 2, 3)));

// The same for any text.
std::string TextFormatieren(const char* pcText, const char* pcSignatur, ...)
    __attribute__((format(printf, 2, 3)));

// The conversions of a printf text in order, each as '%', its length
// modifier and its letter ("%s%ld%d"); "%%" is no conversion. Returns false
// for a conversion this helper refuses (a '*' width or precision, a width
// or precision above 1000, '%n', an unknown letter, a '%' at the end).
bool bKonvertierungenLesen(const char* pcText, std::string& sKonvertierungen);

// True when pcText has exactly the conversions of pcSignatur.
bool bKonvertierungenPassen(const char* pcText, const char* pcSignatur);
