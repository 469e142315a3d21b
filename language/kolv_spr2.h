// kolv_spr2 - the language and mnemonic library.
//
// One pool of 10000 numbered user texts shared by every process of the
// system on this machine (through the shared block "KOLV_ENGINE"), the list
// of installed languages with the two language settings of the process, and
// the PLC mnemonics in German or international syntax.
//
// Every export is a flat C function. Returned texts belong to the library:
// callers never free them, and they copy a text they keep across a reload.
#pragma once

#if defined(KOLV_SPR2_BAUEN)
#define KOLV_SPR2_EXPORT __attribute__((visibility("default")))
#else
#define KOLV_SPR2_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#else
#include <stdbool.h>
#endif

// ---- Text pool ---------------------------------------------------------
// The six getters are identical (one number space 0..9999). A number that
// no text file supplied gives "Unbekannter String/Unknown String"; a number
// of 10000 or more gives "Index (N) for string invalid!" in one static
// buffer that the next such call overwrites. Never null.
KOLV_SPR2_EXPORT char* SPR_StrS7App(unsigned long ulNummer);
KOLV_SPR2_EXPORT char* SPR_StrS7C(unsigned long ulNummer);
KOLV_SPR2_EXPORT char* SPR_StrMPI(unsigned long ulNummer);
KOLV_SPR2_EXPORT char* SPR_StrMaske(unsigned long ulNummer);
KOLV_SPR2_EXPORT char* SPR_AppD(unsigned long ulNummer);
KOLV_SPR2_EXPORT char* SPR_StrS7App2(unsigned long ulNummer);

// Reads a text file (lines "NNNN=Text") into the pool, replacing every text.
// iArt is kept but not used (the main program passes 0). False when the file
// cannot be opened (pool untouched) or when this process has no shared block.
KOLV_SPR2_EXPORT bool SPR_bSprachenDateiEinlesen(int iArt, char* pcDatei, int* piAnzahl,
                                                 int* piFehlerhafte, int* piLetzteFehlerzeile);

// ---- Languages and settings ---------------------------------------------
KOLV_SPR2_EXPORT unsigned char SPR_GetSyntaxSprache(void);
KOLV_SPR2_EXPORT bool SPR_SetSyntaxSprache(unsigned char ucSprache);
KOLV_SPR2_EXPORT unsigned char SPR_GetTextSprache(void);
KOLV_SPR2_EXPORT bool SPR_SetTextSprache(unsigned char ucSprache);

// Id of the first language whose name equals pcName exactly; 0 when none.
KOLV_SPR2_EXPORT unsigned char SPR_GetSprachIndexVonString(char* pcName);
// Name of table row ucIndex; "?" beyond the count.
KOLV_SPR2_EXPORT char* SPR_GetSprachStrVonIndex(unsigned char ucIndex);
// Name of the first row with language number ucId; null when none.
KOLV_SPR2_EXPORT char* SPR_GetSprachStrVonId(unsigned char ucId);
KOLV_SPR2_EXPORT int SPR_iGetAnzahlSprachen(void);

// Reads "Sprachen/Languages.ini" below pcOrdner (a folder text ending in
// '/') and appends every listed language whose NAME.dat exists.
KOLV_SPR2_EXPORT int SPR_DLLInitialisieren(char* pcOrdner);
KOLV_SPR2_EXPORT char* SPR_SetAppName(char* pcName);
KOLV_SPR2_EXPORT int LibMain(void* pInstanz, unsigned short usDatenSegment,
                             unsigned short usHeapGroesse, char* pcKommandozeile);

// ---- Mnemonics (German when the syntax language is 1) -------------------
KOLV_SPR2_EXPORT char SPR_GetCharOperand_E(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_E(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_E_(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_EB(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_EW(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_ED(void);
KOLV_SPR2_EXPORT char SPR_GetCharOperand_A(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_A(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_A_(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_AB(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_AW(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_AD(void);
KOLV_SPR2_EXPORT char SPR_GetCharOperand_Z(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_Z(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_Z_(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PEB(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PEW(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PED(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PAB(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PAW(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_PAD(void);
KOLV_SPR2_EXPORT const char* SPR_GetOperand_BIE(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_U_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_U(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_UN_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_UN(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_U_KL_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_UN_KL_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_UW_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_UD_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_ZV_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_ZV(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_ZR_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_ZR(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SPBNB_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SPBNB(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SPB_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SPBN_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_AUF_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SI_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SV_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SE_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SA_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SS_(void);
KOLV_SPR2_EXPORT const char* SPR_GetBefehl_SZ(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerSIStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerSVStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerSEStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerSAStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerSSStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetTimerTWStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetZaehlerZVStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetZaehlerZRStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetZaehlerZWStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetDUALStr(void);
KOLV_SPR2_EXPORT const char* SPR_GetDEZStr(void);

// Translates the area prefix of pcOperand in place (same length): towards
// language 2 German to international (PAB -> PQB, EW 4 -> IW 4), towards any
// other language back. Operands without a known prefix stay unchanged.
// The result carries no meaning.
KOLV_SPR2_EXPORT int SPR_OperandInAndereSpracheUebersetzen(unsigned short usZielsprache,
                                                           char* pcOperand);

// ---- String helpers -------------------------------------------------------
// Copies pcQuelle into pcZiel up to (not including) the first character equal
// to one of the tokens; a token 0 matches nothing. Returns pcZiel.
KOLV_SPR2_EXPORT char* pcstrcpyBisToken(char* pcZiel, const char* pcQuelle, char cToken1,
                                        char cToken2, char cToken3, char cToken4, char cToken5);
// Removes every blank in place; a text whose non-blank part is 252
// characters or longer is cut to 251. Returns pcText.
KOLV_SPR2_EXPORT char* pcLeerzeichenEntfernen(char* pcText);
// Removes blanks (' ' only) at the end, then at the start. Returns pcText.
KOLV_SPR2_EXPORT char* pcLeerzeichenAmAnfangUndEndeEntfernen(char* pcText);

#ifdef __cplusplus
}
#endif
