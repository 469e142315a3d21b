// PLC mnemonics in German or international syntax, and the translation of
// an operand's area prefix between the two.
#include "kolv_spr2.h"
#include "Sprache_intern.h"

#include <cstring>

using kolv_spr2::bDeutsch;

#define KOLV_MNEMONIK(name, deutsch, international) \
    const char* name(void) { return bDeutsch() ? deutsch : international; }

extern "C" {

char SPR_GetCharOperand_E(void) { return bDeutsch() ? 'E' : 'I'; }
KOLV_MNEMONIK(SPR_GetOperand_E, "E", "I")
KOLV_MNEMONIK(SPR_GetOperand_E_, "E ", "I ")
KOLV_MNEMONIK(SPR_GetOperand_EB, "EB", "IB")
KOLV_MNEMONIK(SPR_GetOperand_EW, "EW", "IW")
KOLV_MNEMONIK(SPR_GetOperand_ED, "ED", "ID")
char SPR_GetCharOperand_A(void) { return bDeutsch() ? 'A' : 'Q'; }
KOLV_MNEMONIK(SPR_GetOperand_A, "A", "Q")
KOLV_MNEMONIK(SPR_GetOperand_A_, "A ", "Q ")
KOLV_MNEMONIK(SPR_GetOperand_AB, "AB", "QB")
KOLV_MNEMONIK(SPR_GetOperand_AW, "AW", "QW")
KOLV_MNEMONIK(SPR_GetOperand_AD, "AD", "QD")
char SPR_GetCharOperand_Z(void) { return bDeutsch() ? 'Z' : 'C'; }
KOLV_MNEMONIK(SPR_GetOperand_Z, "Z", "C")
KOLV_MNEMONIK(SPR_GetOperand_Z_, "Z ", "C ")
KOLV_MNEMONIK(SPR_GetOperand_PEB, "PEB", "PIB")
KOLV_MNEMONIK(SPR_GetOperand_PEW, "PEW", "PIW")
KOLV_MNEMONIK(SPR_GetOperand_PED, "PED", "PID")
KOLV_MNEMONIK(SPR_GetOperand_PAB, "PAB", "PQB")
KOLV_MNEMONIK(SPR_GetOperand_PAW, "PAW", "PQW")
KOLV_MNEMONIK(SPR_GetOperand_PAD, "PAD", "PQD")
KOLV_MNEMONIK(SPR_GetOperand_BIE, "BIE", "BR")
KOLV_MNEMONIK(SPR_GetBefehl_U_, "U ", "A ")
KOLV_MNEMONIK(SPR_GetBefehl_U, "U", "A")
KOLV_MNEMONIK(SPR_GetBefehl_UN_, "UN ", "AN ")
KOLV_MNEMONIK(SPR_GetBefehl_UN, "UN", "AN")
KOLV_MNEMONIK(SPR_GetBefehl_U_KL_, "U( ", "A( ")
KOLV_MNEMONIK(SPR_GetBefehl_UN_KL_, "UN( ", "AN( ")
KOLV_MNEMONIK(SPR_GetBefehl_UW_, "UW ", "AW ")
KOLV_MNEMONIK(SPR_GetBefehl_UD_, "UD ", "AD ")
KOLV_MNEMONIK(SPR_GetBefehl_ZV_, "ZV ", "CU ")
KOLV_MNEMONIK(SPR_GetBefehl_ZV, "ZV", "CU")
KOLV_MNEMONIK(SPR_GetBefehl_ZR_, "ZR ", "CD ")
KOLV_MNEMONIK(SPR_GetBefehl_ZR, "ZR", "CD")
KOLV_MNEMONIK(SPR_GetBefehl_SPBNB_, "SPBNB ", "JNB ")
KOLV_MNEMONIK(SPR_GetBefehl_SPBNB, "SPBNB", "JNB")
KOLV_MNEMONIK(SPR_GetBefehl_SPB_, "SPB ", "JC ")
KOLV_MNEMONIK(SPR_GetBefehl_SPBN_, "SPBN ", "JCN ")
KOLV_MNEMONIK(SPR_GetBefehl_AUF_, "AUF ", "OPN ")
KOLV_MNEMONIK(SPR_GetBefehl_SI_, "SI ", "SP ")
KOLV_MNEMONIK(SPR_GetBefehl_SV_, "SV ", "SE ")
KOLV_MNEMONIK(SPR_GetBefehl_SE_, "SE ", "SD ")
KOLV_MNEMONIK(SPR_GetBefehl_SA_, "SA ", "SF ")
KOLV_MNEMONIK(SPR_GetBefehl_SS_, "SS ", "SS ")
KOLV_MNEMONIK(SPR_GetBefehl_SZ, "SZ", "SC")
KOLV_MNEMONIK(SPR_GetTimerSIStr, "T (SI)", "T (SP)")
KOLV_MNEMONIK(SPR_GetTimerSVStr, "T (SV)", "T (SE)")
KOLV_MNEMONIK(SPR_GetTimerSEStr, "T (SE)", "T (SD)")
KOLV_MNEMONIK(SPR_GetTimerSAStr, "T (SA)", "T (SF)")
KOLV_MNEMONIK(SPR_GetTimerSSStr, "T (SS)", "T (SS)")
KOLV_MNEMONIK(SPR_GetTimerTWStr, "TW", "TV")
// The counter texts depend on the syntax language only: the text language
// gives the same answer in every branch.
KOLV_MNEMONIK(SPR_GetZaehlerZVStr, "ZV", "CU")
KOLV_MNEMONIK(SPR_GetZaehlerZRStr, "ZR", "CD")
KOLV_MNEMONIK(SPR_GetZaehlerZWStr, "ZW", "CW")
KOLV_MNEMONIK(SPR_GetDUALStr, "DUAL", "BI")
KOLV_MNEMONIK(SPR_GetDEZStr, "DEZ", "BCD")

int SPR_OperandInAndereSpracheUebersetzen(unsigned short usZielsprache, char* pcOperand)
{
    // Longer prefixes first: PAB must become PQB, not PQB via the row A.
    static const char* const tabelle[][2] = {
        {"PA", "PQ"}, {"PE", "PI"}, {"E", "I"}, {"A", "Q"}, {"Z", "C"},
    };
    if (!pcOperand) return 0;
    const int iSuche = usZielsprache == 2 ? 0 : 1;
    for (const auto& zeile : tabelle) {
        const char* pcSuche = zeile[iSuche];
        const size_t nLaenge = std::strlen(pcSuche);
        if (std::strncmp(pcOperand, pcSuche, nLaenge) == 0) {
            std::memcpy(pcOperand, zeile[1 - iSuche], nLaenge);
            return 1;
        }
    }
    return 0;
}

} // extern "C"
