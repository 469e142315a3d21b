// CPU type files: entry texts, number lists, reading a file, taking a type
// over into the engine, and the type files the program ships.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "HauptForm.h"
#include "PoolText.h"
#include "ProjektTestHilfe.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "WinIni.h"
#include "kolv_d7ed.h"

namespace fs = std::filesystem;
using namespace projekttest;

namespace {

std::set<int> Gesetzt(const uint8_t* p)
{
    std::set<int> s;
    for (int i = 0; i < iSPSTypFlags; ++i)
        if (p[i]) s.insert(i);
    return s;
}

void TypDateiSchreiben(const fs::path& pf, const std::string& sAbschnitt)
{
    testhilfe::DateiSchreiben(pf, "[VELTRANO_PLC_INI]\n" + sAbschnitt);
}

} // namespace

TEST(SPSTypZahlenliste, BlanksEmptyPiecesAndNumbersOutsideTheArray)
{
    uint8_t ab[iSPSTypFlags] = {};
    ZahlenlisteAuswerten("1, 10,11 ,80", ab, iSPSTypFlags);
    EXPECT_EQ(Gesetzt(ab), (std::set<int>{1, 10, 11, 80}));
    uint8_t ab2[iSPSTypFlags] = {};
    ZahlenlisteAuswerten("1,10,35,255,-3", ab2, iSPSTypFlags);
    EXPECT_EQ(Gesetzt(ab2), (std::set<int>{1, 10, 35}));
    // Empty pieces are passed over; a piece that is no number must not
    // mark block 0.
    uint8_t ab3[iSPSTypFlags] = {};
    ZahlenlisteAuswerten(",,abc,, 254 ,99999999999", ab3, iSPSTypFlags);
    EXPECT_EQ(Gesetzt(ab3), (std::set<int>{254}));
    // A shorter array is never written beyond its end.
    uint8_t ab4[12] = {};
    ZahlenlisteAuswerten("2,10,11", ab4, 10);
    EXPECT_EQ(ab4[2] + ab4[10] + ab4[11], 1);
}

TEST(SPSTypEintrag, FileNameIsThePartBeforeTheParenthesis)
{
    Umgebung u;
    std::string s;
    EXPECT_EQ(pcSPSTypDateiPfad("CPU315-2DP.TXT   (CPU 315-2 DP)", s, false), "CPU315-2DP.TXT");
    EXPECT_EQ(pcSPSTypDateiPfad("CPU315-2DP.TXT (CPU 315-2 DP)", s, true),
              cExeVerzeichnis + "__system/AG/CPU315-2DP.TXT");
    EXPECT_EQ(pcSPSTypDateiPfad("MY TYPE.TXT", s, false), "MY TYPE.TXT");

    cSPSTyp = "CPU315-2DP.TXT (CPU 315-2 DP)";
    ASSERT_NE(pcSPSTypDatei(s), nullptr);
    EXPECT_TRUE(fs::exists(s));
    // A name in another letter case still finds the file.
    cSPSTyp = "cpu315-2dp.txt (CPU 315-2 DP)";
    ASSERT_NE(pcSPSTypDatei(s), nullptr);
    EXPECT_EQ(fs::path(s).filename(), "CPU315-2DP.TXT");
    cSPSTyp = "MISSING.TXT (X)";
    EXPECT_EQ(pcSPSTypDatei(s), nullptr);
    EXPECT_EQ(s, cExeVerzeichnis + "__system/AG/MISSING.TXT");
    cSPSTyp.clear();
    EXPECT_EQ(pcSPSTypDatei(s), nullptr);
}

TEST(SPSTypDatei, ReadsEveryKeyAndCutsLongTexts)
{
    const fs::path pf = testhilfe::NeuerOrdner("typ") / "T.TXT";
    const std::string sName(300, 'N');
    TypDateiSchreiben(pf, "PLC_ORDER_NUMBER=6ES7 123\r\nPLC_NAME=" + sName +
                              "\r\nRAM_SIZE_KBYTE=70000\r\nMEMORY_BYTES=4096\r\nTIMER_NUMBER=512\n"
                              "COUNTER_NUMBER=256\nFC_NUMBER=2048\nFB_NUMBER=1024\nDB_NUMBER=1023\n"
                              "SFC_ARRAY=0,1,46\nSFB_ARRAY=3,4\nOB_ARRAY=1, 35 ,100\n");
    SPSTypDaten d;
    d.OBFlags[200] = 1;   // must be cleared by the read
    d.cBestellNummer = "old";
    ASSERT_TRUE(bSPSTypDateiLesen(pf.string(), d));
    EXPECT_EQ(d.cSPSName, std::string(254, 'N'));
    EXPECT_EQ(d.cBestellNummer, "6ES7 123");
    EXPECT_EQ(d.dwRamGroesseKB, 70000u);
    EXPECT_EQ(d.wMerkerBytes, 4096);
    EXPECT_EQ(d.wAnzahlTimer, 512);
    EXPECT_EQ(d.wAnzahlZaehler, 256);
    EXPECT_EQ(d.wAnzahlFC, 2048);
    EXPECT_EQ(d.wAnzahlFB, 1024);
    EXPECT_EQ(d.wAnzahlDB, 1023);
    EXPECT_EQ(Gesetzt(d.OBFlags), (std::set<int>{1, 35, 100}));
    EXPECT_EQ(Gesetzt(d.SFCFlags), (std::set<int>{0, 1, 46}));
    EXPECT_EQ(Gesetzt(d.SFBFlags), (std::set<int>{3, 4}));

    // Missing keys give zeros and empty texts; a missing file as well.
    TypDateiSchreiben(pf, "PLC_NAME=X\n");
    ASSERT_TRUE(bSPSTypDateiLesen(pf.string(), d));
    EXPECT_EQ(d.cSPSName, "X");
    EXPECT_TRUE(d.cBestellNummer.empty());
    EXPECT_EQ(d.dwRamGroesseKB, 0u);
    EXPECT_TRUE(Gesetzt(d.OBFlags).empty());
    ASSERT_TRUE(bSPSTypDateiLesen((pf.parent_path() / "none.TXT").string(), d));
    EXPECT_TRUE(d.cSPSName.empty());
}

// Every shipped type file is accepted by the engine and describes a real
// S7-300 CPU: an order number of the family, OB 1, the sizes set.
TEST(SPSTypDatei, ShippedTypeFilesAreTakenOverByTheEngine)
{
    Umgebung u;
    const fs::path pfAG = u.pfProgramm / "__system" / "AG";
    int iAnzahl = 0;
    std::set<std::string> namen;
    for (const auto& e : fs::directory_iterator(pfAG)) {
        if (e.path().extension() != ".TXT") continue;
        ++iAnzahl;
        const std::string sPfad = e.path().string();
        int iErgebnis = -1;
        EXPECT_TRUE(D7ED_DatenAusAGDateiUebernehmen(sPfad.c_str(), &iErgebnis)) << sPfad;
        EXPECT_EQ(iErgebnis, 0) << sPfad;
        SPSTypDaten d;
        bSPSTypDateiLesen(sPfad, d);
        EXPECT_EQ(d.cBestellNummer.rfind("6ES7 31", 0), 0u) << d.cBestellNummer;
        EXPECT_EQ(d.cSPSName.rfind("CPU 31", 0), 0u) << d.cSPSName;
        EXPECT_EQ(d.OBFlags[1], 1) << sPfad;
        EXPECT_EQ(d.OBFlags[100], 1) << sPfad;
        EXPECT_GE(d.dwRamGroesseKB, 32u);
        EXPECT_GE(d.wMerkerBytes, 256);
        EXPECT_GT(d.wAnzahlDB, 0);
        EXPECT_FALSE(Gesetzt(d.SFCFlags).empty());
        namen.insert(d.cSPSName);
        char acName[D7ED_TEXT_LAENGE] = {};
        uint32_t dwRam = 0;
        D7ED_GetAGInfoDaten(acName, &dwRam, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(acName, d.cSPSName);
        EXPECT_EQ(dwRam, d.dwRamGroesseKB);
    }
    EXPECT_GE(iAnzahl, 5);
    EXPECT_EQ(namen.size(), static_cast<std::size_t>(iAnzahl));
    D7ED_AGInternEinstellen_C312();
}

TEST(SPSTypUebernehmen, TakesTheFileOverOrFallsBackWithItsMessage)
{
    Umgebung u;
    THauptformular* pForm = FensterOhneStart();

    cSPSTyp = "CPU317-2PNDP.TXT (CPU 317-2 PN/DP)";
    EXPECT_TRUE(pForm->bSPSTypUebernehmen());
    EXPECT_FALSE(bInternerSPSTyp);
    EXPECT_EQ(pForm->SPSTyp.cSPSName, "CPU 317-2 PN/DP");
    EXPECT_EQ(pForm->SPSTyp.OBFlags[35], 1);
    EXPECT_TRUE(u.Meldungen.empty()) << u.MeldungsTexte();

    // The type file vanished: built-in type and text 1377 with the path.
    cSPSTyp = "GONE.TXT (CPU X)";
    EXPECT_FALSE(pForm->bSPSTypUebernehmen());
    EXPECT_TRUE(bInternerSPSTyp);
    ASSERT_EQ(u.Meldungen.size(), 1u);
    const std::string sGone = cExeVerzeichnis + "__system/AG/GONE.TXT";
    EXPECT_EQ(u.Meldungen[0].sText, PoolTextFormat(1377, "%s", sGone.c_str()));
    char acName[D7ED_TEXT_LAENGE] = {};
    D7ED_GetAGInfoDaten(acName, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(acName, "CPU 312C");

    // Refused by the engine (no PLC_NAME): text 1359 with the detail, and
    // the record is filled anyway.
    const fs::path pfSchlecht = u.pfProgramm / "__system" / "AG" / "BAD.TXT";
    TypDateiSchreiben(pfSchlecht, "PLC_ORDER_NUMBER=6ES7 999\nRAM_SIZE_KBYTE=64\nOB_ARRAY=1\n");
    u.Meldungen.clear();
    cSPSTyp = "BAD.TXT";
    EXPECT_FALSE(pForm->bSPSTypUebernehmen());
    EXPECT_TRUE(bInternerSPSTyp);
    EXPECT_EQ(pForm->SPSTyp.cBestellNummer, "6ES7 999");
    ASSERT_EQ(u.Meldungen.size(), 1u);
    EXPECT_EQ(u.Meldungen[0].sText,
              PoolTextFormat(1359, "%s%s", pfSchlecht.string().c_str(), PoolText(1352).c_str()));
    EXPECT_FALSE(PoolText(1352).empty());
    EXPECT_EQ(SPSTypErgebnisText(0), "");   // no detail for an unknown code

    // No type chosen: the built-in type without a message.
    u.Meldungen.clear();
    cSPSTyp.clear();
    EXPECT_FALSE(pForm->bSPSTypUebernehmen());
    EXPECT_TRUE(bInternerSPSTyp);
    EXPECT_TRUE(u.Meldungen.empty());
    FensterWeg(pForm);
}
