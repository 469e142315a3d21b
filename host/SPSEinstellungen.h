// Helpers of the PLC settings dialog that work on texts and files only, so
// that they are reached without the dialog: number fields and their ranges,
// the diagnosis texts, the SFC list, the address list entries and the
// stamp sum of the engine's system data block files.
#pragma once

#include <cstdint>
#include <string>

// Number entry of a field that holds lMin..lMax: true when the whole text
// (blanks at the ends aside) is an unsigned decimal number in the range; a
// blank field reads as 0. Anything else is refused (false) rather than read
// as its leading digits or cut to the field's width. lWert gets the value.
bool bFeldZahlLesen(const std::string& sText, long long llMin, long long llMax, long long& llWert);
// The number that starts at character uStelle (0 beyond the end, or when
// none stands there); "999999999999999999999" gives a value beyond any range.
long long llZahlAnStelle(const std::string& sText, std::size_t uStelle);

// A diagnosis text of the engine split into its description (leading
// blanks and slashes removed) and its time stamp (after the last '/', up to
// a line feed). Texts of 10 characters or fewer are not split.
void DiagnoseTextZerlegen(const std::string& sRoh, std::string& sText, std::string& sZeit);

// The SFC list split for two rows: at the first ',' at or after its middle;
// without one the whole list stays in the first part.
void SFCListeTeilen(const std::string& sListe, std::string& sErster, std::string& sZweiter);

// "Range end" of a count: the count minus one as an unsigned 32-bit number
// (so 0 gives 4294967295).
std::string BereichsEnde(uint32_t dwAnzahl);

// The address of an address list entry: the text before the first '('
// without trailing blanks ("127.0.0.1 (Local Host)" -> "127.0.0.1").
std::string IPAusEintrag(const std::string& sEintrag);

// Sum of the packed date-time stamps (date in the high, time in the low
// 16 bits, local time, 2-second steps) of the plain files named
// "D7ED_SDB*.MC7" (letter case ignored) in the folder; 0 without any. The
// sum wraps at 32 bits.
uint32_t dwSDBStempelSumme(const std::string& sOrdner);
