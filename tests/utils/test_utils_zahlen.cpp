// harlenzutils40: number, date and time texts, block names, and the
// exported C interface itself.
#include "harlenzutils40.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <string>

namespace {

// Runs f on a buffer of guard bytes; fails when more than n bytes are used.
template <typename F>
std::string MitWaechter(size_t n, F f)
{
    char ac[64];
    std::memset(ac, '#', sizeof ac);
    f(ac);
    for (size_t i = n; i < sizeof ac; ++i)
        EXPECT_EQ(ac[i], '#') << "written past byte " << n;
    return std::string(ac, strnlen(ac, n));
}

std::string JetztFormatiert(const char* pcFormat)
{
    const std::time_t t = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&t, &zeit);
    char ac[32];
    std::strftime(ac, sizeof ac, pcFormat, &zeit);
    return ac;
}

} // namespace

TEST(UtilsZahlen, DezimalTexte)
{
    EXPECT_EQ(MitWaechter(6, [](char* p) { U_WORDToStr(p, 65535); }), "65535");
    EXPECT_EQ(MitWaechter(2, [](char* p) { U_WORDToStr(p, 0); }), "0");
    EXPECT_EQ(MitWaechter(11, [](char* p) { U_DWORDToStr(p, 4294967295u); }), "4294967295");
    EXPECT_EQ(MitWaechter(11, [](char* p) { U_DWORDToStr(p, 5); }), "5");
}

TEST(UtilsZahlen, DatumUndUhrzeitDerStunde)
{
    const std::string sDatumVor = JetztFormatiert("%d.%m.%Y");
    const std::string sDatum = MitWaechter(11, [](char* p) { U_GetAktuellesSystemDatumStr(p); });
    const std::string sDatumNach = JetztFormatiert("%d.%m.%Y");
    EXPECT_TRUE(sDatum == sDatumVor || sDatum == sDatumNach) << sDatum;
    ASSERT_EQ(sDatum.size(), 10u);

    const std::string sZeitVor = JetztFormatiert("%H:%M:%S");
    const std::string sZeit = MitWaechter(9, [](char* p) { U_GetAktuelleSystemZeitStr(p); });
    const std::string sZeitNach = JetztFormatiert("%H:%M:%S");
    EXPECT_TRUE(sZeit >= sZeitVor || sZeit == sZeitNach) << sZeit;
    EXPECT_TRUE(sZeit <= sZeitNach || sZeit == sZeitVor) << sZeit;
    ASSERT_EQ(sZeit.size(), 8u);
}

TEST(UtilsBausteine, NamenAusTypUndNummer)
{
    struct {
        uint16_t wTyp;
        const char* pc;
    } const typen[] = {{8, "OB"}, {10, "DB"}, {11, "SDB"}, {12, "FC"},
                       {13, "SFC"}, {14, "FB"}, {15, "SFB"}};
    for (const auto& t : typen) {
        EXPECT_EQ(MitWaechter(12, [&](char* p) { U_GetBausteinStrTypNr(p, t.wTyp, 20, false); }),
                  std::string(t.pc) + "20");
        EXPECT_EQ(MitWaechter(12, [&](char* p) { U_GetBausteinStrTypNr(p, t.wTyp, 65535, true); }),
                  std::string(t.pc) + " 65535");
    }
    // Unknown types begin with '?', which the diagnosis page turns into '-'.
    EXPECT_EQ(MitWaechter(12, [](char* p) { U_GetBausteinStrTypNr(p, 7, 3, false); }), "?3");
    EXPECT_EQ(MitWaechter(12, [](char* p) { U_GetBausteinStrTypNr(p, 0, 0, true); }), "? 0");
}

TEST(UtilsBausteine, KennungAusDemNamen)
{
    uint16_t wTyp = 0, wNr = 0;
    // Every name made by the library reads back to type and number.
    for (uint16_t t : {8, 10, 11, 12, 13, 14, 15}) {
        for (uint16_t n : {0, 1, 99, 65535}) {
            for (bool bLeer : {false, true}) {
                char ac[16];
                U_GetBausteinStrTypNr(ac, t, n, bLeer);
                ASSERT_TRUE(U_GetKennungAusBausteinStrOhneLeerz(ac, &wTyp, &wNr)) << ac;
                EXPECT_EQ(wTyp, t);
                EXPECT_EQ(wNr, n);
            }
        }
    }
    ASSERT_TRUE(U_GetKennungAusBausteinStrOhneLeerz("  s f c 4 6 ", &wTyp, &wNr));
    EXPECT_EQ(wTyp, 13);
    EXPECT_EQ(wNr, 46);
    ASSERT_TRUE(U_GetKennungAusBausteinStrOhneLeerz("db\t010", &wTyp, &wNr));
    EXPECT_EQ(wTyp, 10);
    EXPECT_EQ(wNr, 10);
}

TEST(UtilsBausteine, UngueltigeNamenLassenDieAusgabenStehen)
{
    for (const char* pc : {"", "DB", "10", "XY5", "SFCB1", "DB65536", "DB1A", "1DB", "DB-1", "D B 1.0",
                           "?3", "ABCD1"}) {
        uint16_t wTyp = 111, wNr = 222;
        EXPECT_FALSE(U_GetKennungAusBausteinStrOhneLeerz(pc, &wTyp, &wNr)) << pc;
        EXPECT_EQ(wTyp, 111);
        EXPECT_EQ(wNr, 222);
    }
    uint16_t w = 0;
    EXPECT_FALSE(U_GetKennungAusBausteinStrOhneLeerz(nullptr, &w, &w));
    EXPECT_FALSE(U_GetKennungAusBausteinStrOhneLeerz("DB1", nullptr, &w));
}

TEST(UtilsBibliothek, AlleFunktionenSindMitCNamenExportiert)
{
    void* pBib = ::dlopen(HARLENZUTILS40_DATEI, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(pBib, nullptr) << ::dlerror();
    for (const char* pc :
         {"U_DateiVorhanden", "U_VerzeichnisVorhanden", "U_IstVerzeichnisSchreibgeschuetzt",
          "U_GetFileSizeBytes", "U_DateiKopieren", "U_FilenameVonPfadEntfernen",
          "U_GetFilenameVonPfad", "U_GetDateiEndung", "U_DateiEndungEntfernen", "U_strcpyBisToken",
          "U_strcpyNachToken", "U_strcpyUpcase", "U_UpcaseString", "U_StringVergleichrossKlein",
          "U_LeerzeichenEntfernen", "U_LeerzeichenAmAnfangEntfernen", "U_LeerzeichenAmEndeEntfernen",
          "U_LeerzeichenAmAnfangUndEndeEntfernen", "U_NewLineEntfernen",
          "U_ZeichenAusStringEntfernen", "U_DeleteSubString", "U_DeleteSubStringText",
          "U_InsertString", "U_WORDToStr", "U_DWORDToStr", "U_GetAktuellesSystemDatumStr",
          "U_GetAktuelleSystemZeitStr", "U_GetBausteinStrTypNr",
          "U_GetKennungAusBausteinStrOhneLeerz"})
        EXPECT_NE(::dlsym(pBib, pc), nullptr) << pc;
    ::dlclose(pBib);
}
