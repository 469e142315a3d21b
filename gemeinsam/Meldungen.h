// The program's message boxes and the small helpers its units share:
// program title, error and information boxes, the Yes/No/Cancel question,
// the nested hourglass, rectangles, text lines, and the texts of a
// time-of-day interrupt.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "ZahlEingabe.h"
#include "kolv_d7ed.h"   // TUhrzeitAlarm

class QPainter;
class QRect;

// "Veltrano 1.6.1"; the buffer is the program's own and rebuilt on each call.
char* ProgrammTitel();

// Error box (error symbol, OK) and information box (information symbol,
// OK), both captioned with the program title; the result is the box's.
int FehlerMeldung(const char* pcText);
int FehlerMeldung(const std::string& sText);
int InfoMeldung(const char* pcText);
int InfoMeldung(const std::string& sText);

// A label's text as the name of its field: without '&', blanks at the
// ends and a trailing ':'.
std::string FeldnameAusBeschriftung(const std::string& sBeschriftung);

// The message that refuses sText in the number field sFeld, by the kind of
// number the field takes.
std::string ZahlFeldMeldung(const std::string& sText, TZahlArt Art, const std::string& sFeld);

// Question with localised Yes, No and Cancel: 6 Yes, 7 No, 2 Cancel or
// closed by the title bar.
int iJaNeinAbbruchFrage(const char* pcText);
int iJaNeinAbbruchFrage(const std::string& sText);

// Copies the four coordinates.
void RectKopieren(QRect* pZiel, const QRect* pQuelle);

// Raised frame: white along the left and top edges, black along the right
// and bottom edges, on the corners of the rectangle.
void Rahmen3DZeichnen(QPainter& Canvas, const QRect* pRect);

// Writes the text and a line feed; the result of writing the text (the
// number of characters written, EOF on failure).
int ZeileSchreiben(const char* pcText, std::FILE* pDatei);

// Nested hourglass cursor: the default cursor returns only when the
// outermost pair has ended.
void SanduhrEin();
void SanduhrAus();
// Current nesting depth (for tests and diagnostics).
int iSanduhrTiefe();

inline uint32_t dwMax(uint32_t a, uint32_t b) { return a > b ? a : b; }

// Start of a time-of-day interrupt as "hh:mm:00" and "dd.mm.yyyy".
void UhrzeitAlarmAlsText(char* pcZeit, char* pcDatum, const TUhrzeitAlarm* pAlarm);
void UhrzeitAlarmAlsText(std::string& sZeit, std::string& sDatum, const TUhrzeitAlarm* pAlarm);

// Reads "hh:mm" and "dd.mm.yyyy" into the record (stored whether valid or
// not); true when both time and date are valid. Year valid 1990..2020.
bool bUhrzeitAlarmAusText(const char* pcZeit, bool* pbZeitUngueltig, const char* pcDatum,
                          bool* pbDatumUngueltig, TUhrzeitAlarm* pAlarm);

// The text of a period code; empty for an unknown code. pcZiel must hold
// the text (returned); the string form has no limit.
char* UhrzeitAlarmPeriodeText(uint16_t wPeriode, char* pcZiel, std::size_t nGroesse);
std::string UhrzeitAlarmPeriodeText(uint16_t wPeriode);
