// PLC mnemonics in both syntaxes, the operand translation and the string
// helpers of kolv_spr2.
#include "kolv_spr2.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace {

using Getter = const char* (*)();

struct TMnemonik {
    const char* pcName;
    Getter getter;
    const char* pcDeutsch;
    const char* pcInternational;
};

const TMnemonik Tabelle[] = {
    {"E", SPR_GetOperand_E, "E", "I"},          {"E_", SPR_GetOperand_E_, "E ", "I "},
    {"EB", SPR_GetOperand_EB, "EB", "IB"},      {"EW", SPR_GetOperand_EW, "EW", "IW"},
    {"ED", SPR_GetOperand_ED, "ED", "ID"},      {"A", SPR_GetOperand_A, "A", "Q"},
    {"A_", SPR_GetOperand_A_, "A ", "Q "},      {"AB", SPR_GetOperand_AB, "AB", "QB"},
    {"AW", SPR_GetOperand_AW, "AW", "QW"},      {"AD", SPR_GetOperand_AD, "AD", "QD"},
    {"Z", SPR_GetOperand_Z, "Z", "C"},          {"Z_", SPR_GetOperand_Z_, "Z ", "C "},
    {"PEB", SPR_GetOperand_PEB, "PEB", "PIB"},  {"PEW", SPR_GetOperand_PEW, "PEW", "PIW"},
    {"PED", SPR_GetOperand_PED, "PED", "PID"},  {"PAB", SPR_GetOperand_PAB, "PAB", "PQB"},
    {"PAW", SPR_GetOperand_PAW, "PAW", "PQW"},  {"PAD", SPR_GetOperand_PAD, "PAD", "PQD"},
    {"BIE", SPR_GetOperand_BIE, "BIE", "BR"},   {"U_", SPR_GetBefehl_U_, "U ", "A "},
    {"U", SPR_GetBefehl_U, "U", "A"},           {"UN_", SPR_GetBefehl_UN_, "UN ", "AN "},
    {"UN", SPR_GetBefehl_UN, "UN", "AN"},       {"U_KL_", SPR_GetBefehl_U_KL_, "U( ", "A( "},
    {"UN_KL_", SPR_GetBefehl_UN_KL_, "UN( ", "AN( "}, {"UW_", SPR_GetBefehl_UW_, "UW ", "AW "},
    {"UD_", SPR_GetBefehl_UD_, "UD ", "AD "},   {"ZV_", SPR_GetBefehl_ZV_, "ZV ", "CU "},
    {"ZV", SPR_GetBefehl_ZV, "ZV", "CU"},       {"ZR_", SPR_GetBefehl_ZR_, "ZR ", "CD "},
    {"ZR", SPR_GetBefehl_ZR, "ZR", "CD"},       {"SPBNB_", SPR_GetBefehl_SPBNB_, "SPBNB ", "JNB "},
    {"SPBNB", SPR_GetBefehl_SPBNB, "SPBNB", "JNB"}, {"SPB_", SPR_GetBefehl_SPB_, "SPB ", "JC "},
    {"SPBN_", SPR_GetBefehl_SPBN_, "SPBN ", "JCN "}, {"AUF_", SPR_GetBefehl_AUF_, "AUF ", "OPN "},
    {"SI_", SPR_GetBefehl_SI_, "SI ", "SP "},   {"SV_", SPR_GetBefehl_SV_, "SV ", "SE "},
    {"SE_", SPR_GetBefehl_SE_, "SE ", "SD "},   {"SA_", SPR_GetBefehl_SA_, "SA ", "SF "},
    {"SS_", SPR_GetBefehl_SS_, "SS ", "SS "},   {"SZ", SPR_GetBefehl_SZ, "SZ", "SC"},
    {"TSI", SPR_GetTimerSIStr, "T (SI)", "T (SP)"}, {"TSV", SPR_GetTimerSVStr, "T (SV)", "T (SE)"},
    {"TSE", SPR_GetTimerSEStr, "T (SE)", "T (SD)"}, {"TSA", SPR_GetTimerSAStr, "T (SA)", "T (SF)"},
    {"TSS", SPR_GetTimerSSStr, "T (SS)", "T (SS)"}, {"TW", SPR_GetTimerTWStr, "TW", "TV"},
    {"ZZV", SPR_GetZaehlerZVStr, "ZV", "CU"},   {"ZZR", SPR_GetZaehlerZRStr, "ZR", "CD"},
    {"ZZW", SPR_GetZaehlerZWStr, "ZW", "CW"},   {"DUAL", SPR_GetDUALStr, "DUAL", "BI"},
    {"DEZ", SPR_GetDEZStr, "DEZ", "BCD"},
};

// Restores the syntax and text language a case changed.
struct TSprachenZurueck {
    unsigned char ucSyntax = SPR_GetSyntaxSprache(), ucText = SPR_GetTextSprache();
    ~TSprachenZurueck()
    {
        SPR_SetSyntaxSprache(ucSyntax);
        SPR_SetTextSprache(ucText);
    }
};

std::string Uebersetzt(unsigned short usZiel, const char* pcOperand)
{
    std::string s = pcOperand;
    SPR_OperandInAndereSpracheUebersetzen(usZiel, s.data());
    return s;
}

} // namespace

TEST(Mnemonik, DeutschBeiSyntaxspracheEins)
{
    TSprachenZurueck zurueck;
    SPR_SetSyntaxSprache(1);
    for (const auto& m : Tabelle) EXPECT_STREQ(m.getter(), m.pcDeutsch) << m.pcName;
    EXPECT_EQ(SPR_GetCharOperand_E(), 'E');
    EXPECT_EQ(SPR_GetCharOperand_A(), 'A');
    EXPECT_EQ(SPR_GetCharOperand_Z(), 'Z');
}

TEST(Mnemonik, InternationalBeiJederAnderenSyntaxsprache)
{
    TSprachenZurueck zurueck;
    for (unsigned char uc : {0, 2, 3, 255}) {
        SPR_SetSyntaxSprache(uc);
        for (const auto& m : Tabelle) EXPECT_STREQ(m.getter(), m.pcInternational) << m.pcName << " " << int(uc);
        EXPECT_EQ(SPR_GetCharOperand_E(), 'I');
        EXPECT_EQ(SPR_GetCharOperand_A(), 'Q');
        EXPECT_EQ(SPR_GetCharOperand_Z(), 'C');
    }
}

TEST(Mnemonik, ZaehlerTexteFolgenNurDerSyntaxsprache)
{
    TSprachenZurueck zurueck;
    SPR_SetSyntaxSprache(1);
    SPR_SetTextSprache(2);
    EXPECT_STREQ(SPR_GetZaehlerZVStr(), "ZV");
    EXPECT_STREQ(SPR_GetZaehlerZRStr(), "ZR");
    SPR_SetSyntaxSprache(2);
    SPR_SetTextSprache(1);
    EXPECT_STREQ(SPR_GetZaehlerZVStr(), "CU");
    EXPECT_STREQ(SPR_GetZaehlerZRStr(), "CD");
}

TEST(OperandUebersetzen, NachInternational)
{
    EXPECT_EQ(Uebersetzt(2, "PAB"), "PQB");  // the row PA comes before A
    EXPECT_EQ(Uebersetzt(2, "PEW 256"), "PIW 256");
    EXPECT_EQ(Uebersetzt(2, "EW 4"), "IW 4");
    EXPECT_EQ(Uebersetzt(2, "A 1.0"), "Q 1.0");
    EXPECT_EQ(Uebersetzt(2, "Z 5"), "C 5");
    EXPECT_EQ(Uebersetzt(2, "MW 10"), "MW 10");
    EXPECT_EQ(Uebersetzt(2, "DB1.DBX 0.0"), "DB1.DBX 0.0");
    // A prefix further on is no match: only the start counts.
    EXPECT_EQ(Uebersetzt(2, "M E"), "M E");
    EXPECT_EQ(Uebersetzt(2, "QB 3"), "QB 3");
    EXPECT_EQ(Uebersetzt(2, ""), "");
}

TEST(OperandUebersetzen, NachDeutsch)
{
    for (unsigned short us : {1, 0, 7}) {
        EXPECT_EQ(Uebersetzt(us, "QB 3"), "AB 3");
        EXPECT_EQ(Uebersetzt(us, "C 5"), "Z 5");
        EXPECT_EQ(Uebersetzt(us, "PQW 8"), "PAW 8");
        EXPECT_EQ(Uebersetzt(us, "PIB 2"), "PEB 2");
        EXPECT_EQ(Uebersetzt(us, "IW 4"), "EW 4");
        EXPECT_EQ(Uebersetzt(us, "EW 4"), "EW 4");
    }
    EXPECT_EQ(SPR_OperandInAndereSpracheUebersetzen(2, nullptr), 0);
}

TEST(OperandUebersetzen, HinUndZurueck)
{
    for (const char* pc : {"PAD 12", "PED 0", "E 0.1", "AW 6", "Z 9", "T 3"}) {
        std::string s = pc;
        SPR_OperandInAndereSpracheUebersetzen(2, s.data());
        EXPECT_EQ(s.size(), std::strlen(pc));
        SPR_OperandInAndereSpracheUebersetzen(1, s.data());
        EXPECT_EQ(s, pc);
    }
}

TEST(Zeichenketten, BisToken)
{
    char acZiel[64];
    EXPECT_STREQ(pcstrcpyBisToken(acZiel, "NAME=2", '=', 0, 0, 0, 0), "NAME");
    EXPECT_STREQ(pcstrcpyBisToken(acZiel, "NAME", '=', 0, 0, 0, 0), "NAME");
    EXPECT_STREQ(pcstrcpyBisToken(acZiel, "a,b;c", ';', ',', 0, 0, 0), "a");
    EXPECT_STREQ(pcstrcpyBisToken(acZiel, "a b,c", 0, 0, 0, 0, ','), "a b");
    EXPECT_STREQ(pcstrcpyBisToken(acZiel, "=x", '=', 0, 0, 0, 0), "");
    EXPECT_EQ(pcstrcpyBisToken(acZiel, "abc", 0, 0, 0, 0, 0), acZiel);
    EXPECT_STREQ(acZiel, "abc");
}

TEST(Zeichenketten, LeerzeichenEntfernen)
{
    char ac[] = "  en glish = 2 ";
    EXPECT_EQ(pcLeerzeichenEntfernen(ac), ac);
    EXPECT_STREQ(ac, "english=2");
    char acTab[] = " a\tb\n";
    EXPECT_STREQ(pcLeerzeichenEntfernen(acTab), "a\tb\n");

    // 600 characters without blanks: cut to 251, nothing written past them.
    std::string s(600, 'x');
    s[0] = ' ';
    s += '\0';
    s += "guard";
    pcLeerzeichenEntfernen(s.data());
    EXPECT_EQ(std::strlen(s.c_str()), 251u);
    EXPECT_EQ(s.substr(601), "guard");
}

TEST(Zeichenketten, LeerzeichenAmAnfangUndEnde)
{
    char acNur[] = "     ";
    EXPECT_STREQ(pcLeerzeichenAmAnfangUndEndeEntfernen(acNur), "");
    char ac[] = "  a b \t ";
    EXPECT_STREQ(pcLeerzeichenAmAnfangUndEndeEntfernen(ac), "a b \t");
    char acZeile[] = "\n a ";
    EXPECT_STREQ(pcLeerzeichenAmAnfangUndEndeEntfernen(acZeile), "\n a");
    char acLeer[] = "";
    EXPECT_STREQ(pcLeerzeichenAmAnfangUndEndeEntfernen(acLeer), "");
}

TEST(Exporte, AlleNamenSindSichtbarInterneNicht)
{
    void* h = dlopen("libkolv_spr2.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(h, nullptr) << dlerror();
    for (const char* pc : {"SPR_StrS7App", "SPR_StrS7C", "SPR_StrMPI", "SPR_StrMaske", "SPR_AppD",
                           "SPR_StrS7App2", "SPR_bSprachenDateiEinlesen", "SPR_GetSyntaxSprache",
                           "SPR_SetSyntaxSprache", "SPR_GetTextSprache", "SPR_SetTextSprache",
                           "SPR_GetSprachIndexVonString", "SPR_GetSprachStrVonIndex",
                           "SPR_GetSprachStrVonId", "SPR_iGetAnzahlSprachen", "SPR_DLLInitialisieren",
                           "SPR_SetAppName", "LibMain", "SPR_GetCharOperand_E", "SPR_GetDEZStr",
                           "SPR_OperandInAndereSpracheUebersetzen", "pcstrcpyBisToken",
                           "pcLeerzeichenEntfernen", "pcLeerzeichenAmAnfangUndEndeEntfernen"})
        EXPECT_NE(dlsym(h, pc), nullptr) << pc;
    // The pool's own state stays inside the library.
    EXPECT_EQ(dlsym(h, "_ZN9kolv_spr24PoolE"), nullptr);
    EXPECT_EQ(dlsym(h, "_ZN9kolv_spr215ucSyntaxspracheE"), nullptr);
    dlclose(h);
}
