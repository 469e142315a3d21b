// CPU type (built-in and type files), identification, diagnosis buffer.
#include "EngineTestHilfe.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace enginetest;

namespace {

class EngineAGTyp : public ::testing::Test {
protected:
    void SetUp() override
    {
        EngineZuruecksetzen();
        ordner = testhilfe::NeuerOrdner("ag");
    }
    std::string Datei(const std::string& sName, const std::string& sInhalt)
    {
        testhilfe::DateiSchreiben(ordner / sName, sInhalt);
        return (ordner / sName).string();
    }
    std::filesystem::path ordner;
};

const char* GUELTIG =
    "; test type\r\n"
    "[VELTRANO_PLC_INI]\r\n"
    "PLC_ORDER_NUMBER=TEST 314-1AB00\r\n"
    "PLC_NAME=CPU 314 Test\r\n"
    "RAM_SIZE_KBYTE=128\r\n"
    "MEMORY_BYTES=2048\r\n"
    "TIMER_NUMBER=300\r\n"
    "COUNTER_NUMBER=301\r\n"
    "FC_NUMBER=2000\r\n"
    "FB_NUMBER=2001\r\n"
    "DB_NUMBER=1023\r\n"
    "SFC_ARRAY=0, 1,46 ,\r\n"
    "SFB_ARRAY=4\r\n"
    "OB_ARRAY=1, 10,35,255,-3\r\n";

struct TInfo {
    char acName[D7ED_TEXT_LAENGE] = {};
    uint32_t dwRam = 0;
    uint16_t aw[13] = {};
};

TInfo Info()
{
    TInfo i;
    int iFehler = -1;
    EXPECT_TRUE(D7ED_GetAGInfoDaten(i.acName, &i.dwRam, &i.aw[0], &i.aw[1], &i.aw[2], &i.aw[3], &i.aw[4],
                                    &i.aw[5], &i.aw[6], &i.aw[7], &i.aw[8], &i.aw[9], &i.aw[10],
                                    &i.aw[11], &i.aw[12], &iFehler));
    EXPECT_EQ(iFehler, 0);
    return i;
}

std::vector<uint16_t> Nummern(uint16_t wTyp)
{
    std::vector<uint16_t> v;
    for (const auto& [t, n] : Verzeichnis())
        if (t == wTyp)
            v.push_back(n);
    return v;
}

std::string EreignisText(uint16_t wIndex)
{
    char ac[D7ED_TEXT_LAENGE];
    EXPECT_TRUE(D7ED_GetEreignisString(wIndex, ac));
    return ac;
}

uint16_t LetzteId()
{
    const uint16_t n = D7ED_GetAnzahlEreignisse(nullptr);
    uint16_t wId = 0;
    EXPECT_TRUE(n > 0 && D7ED_GetEreignis(uint16_t(n - 1), &wId, nullptr, nullptr, nullptr));
    return wId;
}

} // namespace

TEST_F(EngineAGTyp, InternerTyp312C)
{
    const TInfo i = Info();
    EXPECT_STREQ(i.acName, "CPU 312C");
    EXPECT_GT(i.dwRam, 0u);
    EXPECT_EQ(i.aw[10], D7ED_EA_GROESSE) << "process image = the input image";
    EXPECT_EQ(i.aw[11], Nummern(D7ED_BST_SFC).size());
    EXPECT_EQ(i.aw[12], Nummern(D7ED_BST_SFB).size());
    EXPECT_GT(i.aw[11], 10);

    char a[6][D7ED_TEXT_LAENGE] = {};
    int iFehler = -1;
    ASSERT_TRUE(D7ED_GetIdentifikationsdaten(a[0], a[1], a[2], a[3], a[4], a[5], &iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_STREQ(a[0], "CPU 312C");
    EXPECT_NE(std::string(a[1]), "");
    // Null buffers are skipped.
    EXPECT_TRUE(D7ED_GetIdentifikationsdaten(nullptr, a[1], nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(D7ED_GetAGInfoDaten(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(EngineAGTyp, TypdateiWirdUebernommen)
{
    int iErgebnis = -1;
    ASSERT_TRUE(D7ED_DatenAusAGDateiUebernehmen(Datei("CPU314.ini", GUELTIG).c_str(), &iErgebnis));
    EXPECT_EQ(iErgebnis, 0);
    EXPECT_EQ(LetzteId(), D7ED_EREIGNIS_AG_DATEI);

    const TInfo i = Info();
    EXPECT_STREQ(i.acName, "CPU 314 Test");
    EXPECT_EQ(i.dwRam, 128u);
    EXPECT_EQ(i.aw[1], 3) << "OB 1, 10, 35; 255 and -3 ignored";
    EXPECT_EQ(i.aw[2], 2001);
    EXPECT_EQ(i.aw[3], 2000);
    EXPECT_EQ(i.aw[4], 1023);
    EXPECT_EQ(i.aw[7], 2048);
    EXPECT_EQ(i.aw[8], 300);
    EXPECT_EQ(i.aw[9], 301);

    // The SFC/SFB set follows the type.
    EXPECT_EQ(Nummern(D7ED_BST_SFC), (std::vector<uint16_t>{0, 1, 46}));
    EXPECT_EQ(Nummern(D7ED_BST_SFB), (std::vector<uint16_t>{4}));
    int iFehler = -1;
    EXPECT_FALSE(D7ED_BstLoeschen(D7ED_BST_SFB, 4, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_GESCHUETZT);

    char a[6][D7ED_TEXT_LAENGE] = {};
    D7ED_GetIdentifikationsdaten(a[0], a[1], a[2], a[3], a[4], a[5], nullptr);
    EXPECT_STREQ(a[1], "TEST 314-1AB00");

    // Back to the built-in type.
    ASSERT_TRUE(D7ED_AGInternEinstellen_C312());
    EXPECT_STREQ(Info().acName, "CPU 312C");
    EXPECT_EQ(LetzteId(), D7ED_EREIGNIS_AG_INTERN);
}

TEST_F(EngineAGTyp, DateinameInAndererSchreibweiseUndWindowsText)
{
    std::string s = GUELTIG;
    s.replace(s.find("CPU 314 Test"), 12, "CPU M\xFC" "nchen");  // Windows-1252 umlaut
    Datei("cpu_klein.ini", s);
    int iErgebnis = -1;
    ASSERT_TRUE(D7ED_DatenAusAGDateiUebernehmen((ordner / "CPU_KLEIN.INI").string().c_str(), &iErgebnis));
    EXPECT_STREQ(Info().acName, "CPU M\xC3\xBCnchen");
}

TEST_F(EngineAGTyp, FehlerhafteTypdateienHabenEigeneCodes)
{
    auto ohne = [](const std::string& sKey) {
        std::string s = GUELTIG;
        const size_t a = s.find(sKey + "=");
        s.erase(a, s.find('\n', a) - a + 1);
        return s;
    };
    auto mit = [](const std::string& sKey, const std::string& sWert) {
        std::string s = GUELTIG;
        const size_t a = s.find(sKey + "=") + sKey.size() + 1;
        s.replace(a, s.find('\r', a) - a, sWert);
        return s;
    };
    struct {
        std::string sInhalt;
        int iCode;
    } faelle[] = {
        {"[ANDERS]\nPLC_NAME=x\n", D7ED_AG_ABSCHNITT_FEHLT},
        {std::string("[VELTRANO_PLC_INI]\nPLC_NAME=x\0\n", 30), D7ED_AG_KEINE_TEXTDATEI},
        {ohne("PLC_NAME"), D7ED_AG_NAME},
        {mit("PLC_NAME", "  "), D7ED_AG_NAME},
        {ohne("RAM_SIZE_KBYTE"), D7ED_AG_RAM},
        {mit("RAM_SIZE_KBYTE", "0"), D7ED_AG_RAM},
        {mit("RAM_SIZE_KBYTE", "12k"), D7ED_AG_RAM},
        {ohne("MEMORY_BYTES"), D7ED_AG_MERKER},
        {mit("MEMORY_BYTES", "65536"), D7ED_AG_MERKER},
        {mit("TIMER_NUMBER", "x"), D7ED_AG_ZEITEN_ZAEHLER},
        {mit("COUNTER_NUMBER", "70000"), D7ED_AG_ZEITEN_ZAEHLER},
        {mit("FC_NUMBER", "-1"), D7ED_AG_BAUSTEINANZAHL},
        {mit("DB_NUMBER", "1e3"), D7ED_AG_BAUSTEINANZAHL},
        {ohne("OB_ARRAY"), D7ED_AG_OB_LISTE},
        {mit("OB_ARRAY", "10,35"), D7ED_AG_OB_LISTE},
        {mit("OB_ARRAY", "1,zehn"), D7ED_AG_OB_LISTE},
        {mit("SFC_ARRAY", "1,2a"), D7ED_AG_SFC_SFB_LISTE},
        {mit("SFB_ARRAY", "-"), D7ED_AG_SFC_SFB_LISTE},
    };
    int i = 0;
    for (const auto& f : faelle) {
        int iErgebnis = -1;
        EXPECT_FALSE(D7ED_DatenAusAGDateiUebernehmen(Datei("f" + std::to_string(i++) + ".ini", f.sInhalt).c_str(),
                                                     &iErgebnis));
        EXPECT_EQ(iErgebnis, f.iCode) << f.sInhalt;
        EXPECT_STREQ(Info().acName, "CPU 312C") << "a refused file leaves the type";
    }
    int iErgebnis = -1;
    EXPECT_FALSE(D7ED_DatenAusAGDateiUebernehmen(nullptr, &iErgebnis));
    EXPECT_EQ(iErgebnis, D7ED_AG_KEIN_PFAD);
    EXPECT_FALSE(D7ED_DatenAusAGDateiUebernehmen("", &iErgebnis));
    EXPECT_EQ(iErgebnis, D7ED_AG_KEIN_PFAD);
    EXPECT_FALSE(D7ED_DatenAusAGDateiUebernehmen((ordner / "fehlt.ini").string().c_str(), &iErgebnis));
    EXPECT_EQ(iErgebnis, D7ED_AG_DATEI_FEHLT);
    EXPECT_FALSE(D7ED_DatenAusAGDateiUebernehmen(ordner.string().c_str(), &iErgebnis));
    EXPECT_EQ(iErgebnis, D7ED_AG_DATEI_FEHLT) << "a folder is no type file";
    // Optional keys may be missing.
    EXPECT_TRUE(D7ED_DatenAusAGDateiUebernehmen(Datei("min.ini", ohne("SFB_ARRAY")).c_str(), &iErgebnis));
    EXPECT_TRUE(Nummern(D7ED_BST_SFB).empty());
}

TEST_F(EngineAGTyp, DiagnosepufferFormUndSprache)
{
    const uint16_t nVorher = D7ED_GetAnzahlEreignisse(nullptr);
    D7ED_Start(100, nullptr);
    D7ED_Start(100, nullptr);  // already RUN: no second event
    D7ED_Stop(nullptr);
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_FB, 12, {1, 2})), 0);

    int iFehler = -1;
    const uint16_t n = D7ED_GetAnzahlEreignisse(&iFehler);
    EXPECT_EQ(iFehler, 0);
    ASSERT_EQ(n, std::min<int>(nVorher + 3, D7ED_MAX_EREIGNISSE));

    uint16_t wId = 0, wNr = 0;
    uint32_t dwWert = 0;
    unsigned char byTyp = 0;
    ASSERT_TRUE(D7ED_GetEreignis(uint16_t(n - 3), &wId, &dwWert, &byTyp, &wNr));
    EXPECT_EQ(wId, D7ED_EREIGNIS_START);
    ASSERT_TRUE(D7ED_GetEreignis(uint16_t(n - 2), &wId, &dwWert, &byTyp, &wNr));
    EXPECT_EQ(wId, D7ED_EREIGNIS_STOP);
    ASSERT_TRUE(D7ED_GetEreignis(uint16_t(n - 1), &wId, &dwWert, &byTyp, &wNr));
    EXPECT_EQ(wId, D7ED_EREIGNIS_BAUSTEIN);
    EXPECT_EQ(byTyp, D7ED_BST_FB);
    EXPECT_EQ(wNr, 12);

    const std::regex form(R"(^//[^/].* /\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d:\d{3}$)");
    const std::string sDeutsch = EreignisText(uint16_t(n - 1));
    EXPECT_TRUE(std::regex_match(sDeutsch, form)) << sDeutsch;
    EXPECT_NE(sDeutsch.find("FB 12"), std::string::npos);
    EXPECT_NE(sDeutsch.find("geladen"), std::string::npos);

    D7ED_SetEnglishLanguage(true);
    const std::string sEnglisch = EreignisText(uint16_t(n - 1));
    EXPECT_TRUE(std::regex_match(sEnglisch, form)) << sEnglisch;
    EXPECT_NE(sEnglisch.find("loaded"), std::string::npos);
    EXPECT_NE(EreignisText(uint16_t(n - 3)).find("RUN"), std::string::npos);
    D7ED_SetEnglishLanguage(false);

    // Out of range: zeros, empty text, false.
    wId = 77;
    EXPECT_FALSE(D7ED_GetEreignis(n, &wId, &dwWert, &byTyp, &wNr));
    EXPECT_EQ(wId, 0);
    char ac[D7ED_TEXT_LAENGE] = "x";
    EXPECT_FALSE(D7ED_GetEreignisString(n, ac));
    EXPECT_STREQ(ac, "");
    EXPECT_FALSE(D7ED_GetEreignisString(0, nullptr));
}

TEST_F(EngineAGTyp, DiagnosepufferBehaeltDieNeuesten)
{
    for (uint16_t i = 0; i < D7ED_MAX_EREIGNISSE + 20; ++i)
        ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_FC, i, {0})), 0);
    const uint16_t n = D7ED_GetAnzahlEreignisse(nullptr);
    EXPECT_EQ(n, D7ED_MAX_EREIGNISSE);
    uint16_t wNr = 0;
    D7ED_GetEreignis(0, nullptr, nullptr, nullptr, &wNr);
    EXPECT_EQ(wNr, 20) << "the oldest 20 made room";
    D7ED_GetEreignis(uint16_t(n - 1), nullptr, nullptr, nullptr, &wNr);
    EXPECT_EQ(wNr, D7ED_MAX_EREIGNISSE + 19);
}

TEST_F(EngineAGTyp, LangerTypnameWirdImEreignistextGekuerzt)
{
    std::string s = GUELTIG;
    s.replace(s.find("CPU 314 Test"), 12, std::string(250, 'N'));
    int iErgebnis = -1;
    ASSERT_TRUE(D7ED_DatenAusAGDateiUebernehmen(Datei("lang.ini", s).c_str(), &iErgebnis));
    const std::string sText = EreignisText(uint16_t(D7ED_GetAnzahlEreignisse(nullptr) - 1));
    EXPECT_LT(sText.size(), D7ED_TEXT_LAENGE);
    EXPECT_TRUE(std::regex_search(sText, std::regex(R"( /\d\d\.\d\d\.\d{4} )"))) << "time stamp kept";
    const TInfo i = Info();
    EXPECT_EQ(std::string(i.acName), std::string(D7ED_TEXT_LAENGE - 1, 'N'));
}
