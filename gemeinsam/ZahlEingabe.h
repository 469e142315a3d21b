// The one rule for every dialog field where the user types a number.
//
// Blanks at both ends are dropped; then the whole text must be a number of
// the field's kind. The C library's atol read "12abc" as 12 and "abc" as 0,
// so a slip of the finger was stored as another value without a word; here
// such a text is refused and the dialog says which field holds it. A blank
// field reads as 0, which is what a blank always meant for these fields.
#pragma once

#include <string>

enum class TZahlArt {
    Ganzzahl,               // digits only
    GanzzahlMitVorzeichen,  // digits with an optional '+' or '-' before them
    Dezimalbruch,           // as above, with an optional '.' and decimals
    Datum,                  // "dd.mm.yyyy": digits at their fixed places
    Uhrzeit                 // "hh:mm" or "hh:mm:ss", hours 0..23, minutes and seconds 0..59
};

// The text without blanks (and tabs) at either end.
std::string ZahlFeldOhneRand(const std::string& sText);

// Whether the field's text is a number of the kind (blank counts as one).
bool bZahlFeldGueltig(const std::string& sText, TZahlArt Art);

// An integer field (Ganzzahl or GanzzahlMitVorzeichen): true and its value,
// 0 for a blank field. A value beyond what a long long holds reads as
// +-2^62, beyond every field's range, so the caller's range check refuses it.
bool bGanzzahlFeldLesen(const std::string& sText, TZahlArt Art, long long& llWert);

// A decimal fraction field: true and its value, 0 for a blank field.
bool bDezimalbruchFeldLesen(const std::string& sText, double& dWert);

// The text number of the message that refuses a text of the kind; it takes
// the text typed and the field's name ("%s%s").
unsigned long ulZahlFeldFehlertext(TZahlArt Art);
