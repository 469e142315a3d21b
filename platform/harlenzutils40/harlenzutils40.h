#pragma once
/* harlenzutils40: string and file helpers on caller-owned C buffers.
 *
 * Every string is a zero-terminated 8-bit buffer (UTF-8 text) that the
 * caller owns and sizes. A destination must be large enough for the result:
 * no result is longer than the source it is made from (plus the inserted
 * text for U_InsertString), number texts need at most 11 bytes, the date and
 * time texts 11 and 9 bytes, a block name 12 bytes. The functions never read
 * a source past its terminating NUL. Null pointers are accepted everywhere
 * and do nothing (destinations are then left alone; truth values are false).
 * Functions that change a string do so in place.
 *
 * Paths use '/', and folder texts keep their trailing '/'.
 */
#include <stdbool.h>
#include <stdint.h>

#if defined(HARLENZUTILS40_BAU)
#define HU_EXPORT __attribute__((visibility("default")))
#else
#define HU_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* --- Files and folders --- */
/* True when path names an existing regular file (or a link to one). */
HU_EXPORT bool U_DateiVorhanden(const char* pcPfad);
/* True when path names an existing folder. */
HU_EXPORT bool U_VerzeichnisVorhanden(const char* pcPfad);
/* True when the folder cannot be written by this process (also when it
 * does not exist). */
HU_EXPORT bool U_IstVerzeichnisSchreibgeschuetzt(const char* pcPfad);
/* Size of the file in bytes; -1 when it does not exist or is no file. */
HU_EXPORT int64_t U_GetFileSizeBytes(const char* pcPfad);
/* Copies file pcQuelle to pcZiel (replacing it); true on success. The copy
 * is written beside the destination first and renamed, so a failed copy
 * never leaves a half file. Copying a file onto itself succeeds. */
HU_EXPORT bool U_DateiKopieren(const char* pcZiel, const char* pcQuelle);

/* --- Paths --- */
/* Folder part of the path up to and including the last '/' ("" when the
 * path has none). Destination may be the path itself. */
HU_EXPORT void U_FilenameVonPfadEntfernen(char* pcZiel, const char* pcPfad);
/* File name part after the last '/' (the whole text when there is none). */
HU_EXPORT void U_GetFilenameVonPfad(char* pcZiel, const char* pcPfad);
/* Extension of the file name part without its dot ("" when none). */
HU_EXPORT void U_GetDateiEndung(char* pcZiel, const char* pcPfad);
/* Cuts the extension of the file name part with its dot, in place. A dot
 * in a folder name is not taken for an extension. */
HU_EXPORT void U_DateiEndungEntfernen(char* pcPfad);

/* --- Copying with marks --- */
/* Copies pcQuelle up to (not including) the first of the five characters;
 * a 0 character stands for "none". Without a mark found: the whole text. */
HU_EXPORT void U_strcpyBisToken(char* pcZiel, const char* pcQuelle, char c1, char c2, char c3,
                                char c4, char c5);
/* Copies what follows the first occurrence of c; "" when c does not occur. */
HU_EXPORT void U_strcpyNachToken(char* pcZiel, const char* pcQuelle, char c);

/* --- Case (ASCII letters and the German umlauts of UTF-8 text) --- */
HU_EXPORT void U_strcpyUpcase(char* pcZiel, const char* pcQuelle);
HU_EXPORT void U_UpcaseString(char* pcText);
/* True when both texts are equal ignoring letter case. */
HU_EXPORT bool U_StringVergleichrossKlein(const char* pcText1, const char* pcText2);

/* --- Blanks, line ends and characters --- */
/* Removes every blank (' '). */
HU_EXPORT void U_LeerzeichenEntfernen(char* pcText);
/* Trimming removes blanks and tabs. */
HU_EXPORT void U_LeerzeichenAmAnfangEntfernen(char* pcText);
HU_EXPORT void U_LeerzeichenAmEndeEntfernen(char* pcText);
HU_EXPORT void U_LeerzeichenAmAnfangUndEndeEntfernen(char* pcText);
/* Removes the line end: every '\r' and '\n' at the end of the text. */
HU_EXPORT void U_NewLineEntfernen(char* pcText);
/* Removes every occurrence of the four characters (0 = none). */
HU_EXPORT void U_ZeichenAusStringEntfernen(char* pcText, char c1, char c2, char c3, char c4);

/* --- Editing (positions count bytes from 0) --- */
/* Removes iLaenge bytes at iPos; a range past the end is cut at the end,
 * a negative position or length or a position past the end does nothing. */
HU_EXPORT void U_DeleteSubString(char* pcText, int iPos, int iLaenge);
/* Removes the first occurrence of pcTeil (the text form of the design's
 * U_DeleteSubString); nothing when it does not occur or is empty. */
HU_EXPORT void U_DeleteSubStringText(char* pcText, const char* pcTeil);
/* Inserts pcEinfuegen before position iPos; a position past the end
 * appends, a negative one inserts at the front. pcText must hold the
 * result. */
HU_EXPORT void U_InsertString(char* pcText, const char* pcEinfuegen, int iPos);

/* --- Number, date and time texts --- */
/* Decimal text of the number into pcZiel (at most 6 / 11 bytes). */
HU_EXPORT void U_WORDToStr(char* pcZiel, uint16_t wWert);
HU_EXPORT void U_DWORDToStr(char* pcZiel, uint32_t dwWert);
/* Today's local date "DD.MM.YYYY" (11 bytes). */
HU_EXPORT void U_GetAktuellesSystemDatumStr(char* pcZiel);
/* The current local time "HH:MM:SS" (9 bytes). */
HU_EXPORT void U_GetAktuelleSystemZeitStr(char* pcZiel);

/* --- Block names --- */
/* Block name text from the engine's type code and number: 8 "OB", 10 "DB",
 * 11 "SDB", 12 "FC", 13 "SFC", 14 "FB", 15 "SFB", followed by the number
 * ("DB10"); with bMitLeerzeichen a blank stands between them ("DB 10").
 * An unknown type gives "?" followed by the number ("?7"). */
HU_EXPORT void U_GetBausteinStrTypNr(char* pcZiel, uint16_t wTyp, uint16_t wNr,
                                     bool bMitLeerzeichen);
/* Reverse of U_GetBausteinStrTypNr: type code and number from a block name,
 * blanks anywhere ignored, letters in any case ("db 10" -> 10, 10). False
 * (outputs untouched) for an unknown type, a missing number, a number above
 * 65535 or trailing characters. */
HU_EXPORT bool U_GetKennungAusBausteinStrOhneLeerz(const char* pcName, uint16_t* pwTyp,
                                                   uint16_t* pwNr);

#ifdef __cplusplus
}
#endif
