// CPU properties, interrupts and "PLC.DAT".
#include "EngineTestHilfe.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

using namespace enginetest;

namespace {

class EngineEigenschaften : public ::testing::Test {
protected:
    void SetUp() override
    {
        EngineZuruecksetzen();
        ordner = testhilfe::NeuerOrdner("plc");
        sDatei = (ordner / "PLC.DAT").string();
    }
    std::filesystem::path ordner;
    std::string sDatei;
};

TUhrzeitAlarm Alarm(uint16_t wJahr, uint8_t byMonat, uint8_t byTag, uint8_t byStunde, uint8_t byMinute,
                    uint16_t wPeriode, uint8_t byPrio, uint32_t dwAktiv)
{
    TUhrzeitAlarm a{};
    a.dwAktiv = dwAktiv;
    a.wJahr = wJahr;
    a.byMonat = byMonat;
    a.byTag = byTag;
    a.byStunde = byStunde;
    a.byMinute = byMinute;
    a.wPeriode = wPeriode;
    a.byPrioritaet = byPrio;
    return a;
}

// Sets a distinct, non-default value in every property.
void AllesSetzen()
{
    D7ED_SetTaktMerkerByteNr(100);
    D7ED_SFCSGBIgnorieren(true);
    D7ED_SetPAEPAAAktualisieren(0);
    D7ED_SetZyklusUeberwachungszeit(321);
    for (uint8_t i = 0; i < 8; ++i) {
        TUhrzeitAlarm a = Alarm(uint16_t(2010 + i), uint8_t(3 + i), uint8_t(5 + i), uint8_t(7 + i),
                                uint8_t(30 + i), D7ED_PERIODE_TAEGLICH, uint8_t(16 + i), i % 2);
        ASSERT_TRUE(D7ED_SetUhrzeitOBDaten(i, &a));
    }
    for (uint8_t i = 0; i < 9; ++i)
        ASSERT_TRUE(D7ED_SetWeckAlarmDaten(i, uint16_t(1000 + i), uint8_t(7 + i)));
    for (uint8_t i = 0; i < 4; ++i)
        ASSERT_TRUE(D7ED_SetVerzoegerungsAlarm(i, 4000000000u + i, 0, 1));
}

void AllesPruefen()
{
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 100);
    EXPECT_TRUE(D7ED_IstGetTaktMerkerAktiv());
    EXPECT_TRUE(D7ED_GetSFCSGBIgnorieren());
    EXPECT_EQ(D7ED_GetPAEPAAAktualisieren(), 0);
    EXPECT_EQ(D7ED_wGetZyklusUeberwachungszeit(), 321);
    for (uint8_t i = 0; i < 8; ++i) {
        TUhrzeitAlarm a{};
        ASSERT_TRUE(D7ED_GetUhrzeitOBDaten(i, &a));
        EXPECT_EQ(a.wJahr, 2010 + i);
        EXPECT_EQ(a.byMonat, 3 + i);
        EXPECT_EQ(a.byTag, 5 + i);
        EXPECT_EQ(a.byStunde, 7 + i);
        EXPECT_EQ(a.byMinute, 30 + i);
        EXPECT_EQ(a.wPeriode, D7ED_PERIODE_TAEGLICH);
        EXPECT_EQ(a.byPrioritaet, 16 + i);
        EXPECT_EQ(a.dwAktiv, i % 2u);
    }
    for (uint8_t i = 0; i < 9; ++i) {
        uint16_t w = 0;
        unsigned char by = 0;
        ASSERT_TRUE(D7ED_GetWeckAlarmDaten(i, &w, &by));
        EXPECT_EQ(w, 1000 + i);
        EXPECT_EQ(by, 7 + i);
    }
    for (uint8_t i = 0; i < 4; ++i) {
        uint32_t dw = 0;
        unsigned char b1 = 9, b2 = 9;
        ASSERT_TRUE(D7ED_GetVerzoegerungsAlarm(i, &dw, &b1, &b2));
        EXPECT_EQ(dw, 4000000000u + i);
        EXPECT_EQ(b1, 0);
        EXPECT_EQ(b2, 1);
    }
}

void SindStandard()
{
    EXPECT_FALSE(D7ED_IstGetTaktMerkerAktiv());
    EXPECT_FALSE(D7ED_GetSFCSGBIgnorieren());
    EXPECT_EQ(D7ED_GetPAEPAAAktualisieren(), 1);
    EXPECT_EQ(D7ED_wGetZyklusUeberwachungszeit(), 150);
    TUhrzeitAlarm a{};
    D7ED_GetUhrzeitOBDaten(3, &a);
    EXPECT_EQ(a.dwAktiv, 0u);
    EXPECT_EQ(a.wJahr, 0);
    uint16_t w = 0;
    unsigned char by = 0;
    D7ED_GetWeckAlarmDaten(5, &w, &by);
    EXPECT_EQ(w, 100);
}

} // namespace

TEST_F(EngineEigenschaften, UhrzeitAlarmIst28BytesUndReserveBleibtNull)
{
    EXPECT_EQ(sizeof(TUhrzeitAlarm), 28u);
    unsigned char ab[28];
    std::memset(ab, 0xFF, sizeof ab);
    TUhrzeitAlarm a;
    std::memcpy(&a, ab, sizeof a);
    a.dwAktiv = 5;
    ASSERT_TRUE(D7ED_SetUhrzeitOBDaten(0, &a));
    TUhrzeitAlarm b;
    std::memset(&b, 0xEE, sizeof b);
    ASSERT_TRUE(D7ED_GetUhrzeitOBDaten(0, &b));
    std::memcpy(ab, &b, sizeof ab);
    EXPECT_EQ(ab[0], 1) << "active reads back as 1";
    EXPECT_EQ(ab[4], 0xFF);   // year low byte at offset 4
    EXPECT_EQ(ab[12], 0xFF);  // period at offset 12
    EXPECT_EQ(ab[24], 0xFF);  // priority at offset 24
    for (int i : {10, 11, 14, 15, 20, 23, 25, 26, 27})
        EXPECT_EQ(ab[i], 0) << "reserve byte " << i;
}

TEST_F(EngineEigenschaften, IndexAusserhalbWirdAbgewiesen)
{
    TUhrzeitAlarm a = Alarm(2010, 1, 1, 1, 1, 0, 1, 1);
    EXPECT_FALSE(D7ED_SetUhrzeitOBDaten(8, &a));
    EXPECT_FALSE(D7ED_SetUhrzeitOBDaten(0, nullptr));
    std::memset(&a, 0x55, sizeof a);
    EXPECT_FALSE(D7ED_GetUhrzeitOBDaten(8, &a));
    EXPECT_EQ(a.wJahr, 0);
    EXPECT_FALSE(D7ED_GetUhrzeitOBDaten(0, nullptr));
    EXPECT_FALSE(D7ED_SetWeckAlarmDaten(9, 1, 1));
    uint16_t w = 5;
    EXPECT_FALSE(D7ED_GetWeckAlarmDaten(9, &w, nullptr));
    EXPECT_EQ(w, 0);
    EXPECT_FALSE(D7ED_SetVerzoegerungsAlarm(4, 1, 0, 1));
    uint32_t dw = 5;
    EXPECT_FALSE(D7ED_GetVerzoegerungsAlarm(255, &dw, nullptr, nullptr));
    EXPECT_EQ(dw, 0u);
}

TEST_F(EngineEigenschaften, SpeichernLadenUnveraendert)
{
    AllesSetzen();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
    const std::string sErste = testhilfe::DateiLesen(sDatei);

    EngineZuruecksetzen();
    SindStandard();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenLaden(sDatei.c_str()));
    AllesPruefen();

    // Saving again gives the same file.
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
    EXPECT_EQ(testhilfe::DateiLesen(sDatei), sErste);
    EXPECT_NE(sErste.find("[KOLV_D7ED]"), std::string::npos);
    // Windows line ends are read as well.
    std::string sCrLf;
    for (char c : sErste)
        sCrLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    testhilfe::DateiSchreiben(sDatei, sCrLf);
    EngineZuruecksetzen();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenLaden(sDatei.c_str()));
    AllesPruefen();
}

TEST_F(EngineEigenschaften, TaktmerkerAusUeberlebtDieDatei)
{
    D7ED_SetTaktMerkerByteNr(77);
    D7ED_SetTaktMerkerByteNr(0xFFFF);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
    D7ED_SetTaktMerkerByteNr(5);
    ASSERT_TRUE(D7ED_bSPSEigenschaftenLaden(sDatei.c_str()));
    EXPECT_FALSE(D7ED_IstGetTaktMerkerAktiv());
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 77);
}

namespace {

std::string Bericht(int iArt, uint32_t& dwAnzahl, uint32_t dwGroesse = 4000)
{
    std::vector<char> puffer(dwGroesse + 1, 'x');
    dwAnzahl = D7ED_GetSPSEigenschaftenBericht(iArt, puffer.data(), dwGroesse);
    return puffer.data();
}

} // namespace

// Each value of the file stands for itself: letter case does not matter, a
// value missing or invalid takes its default, every other value is kept, and
// the report names what took its default and which lines were left out.
TEST_F(EngineEigenschaften, JederWertFuerSichUndDerBerichtNenntDenRest)
{
    AllesSetzen();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
    const std::string sGut = testhilfe::DateiLesen(sDatei);
    uint32_t dwAnzahl = 99;

    // Sections and keys in other letters, as a Windows editor may leave them.
    std::string sKlein;
    for (char c : sGut) sKlein += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    testhilfe::DateiSchreiben(sDatei, sKlein);
    EngineZuruecksetzen();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenLaden(sDatei.c_str()));
    AllesPruefen();
    EXPECT_EQ(Bericht(D7ED_BERICHT_WERTE, dwAnzahl), "");
    EXPECT_EQ(dwAnzahl, 0u);

    // One key missing, one value invalid, one bad section head, an unknown
    // key, a key given twice, a line that is no key.
    auto ersetzt = [&](std::string s, const std::string& sAlt, const std::string& sNeu) {
        s.replace(s.find(sAlt), sAlt.size(), sNeu);
        return s;
    };
    std::string sMix = ersetzt(sGut, "ZyklusUeberwachungszeit=321\n", "");
    sMix = ersetzt(sMix, "TaktmerkerByte=100", "TaktmerkerByte=hundert");
    sMix = ersetzt(sMix, "[WECKALARM_OB38]", "[WECKALARM_OB38");
    sMix += "Unbekannt=1\n[UHRZEITALARM_OB10]\nAktiv=0\nnur Text\x01\n";
    testhilfe::DateiSchreiben(sDatei, sMix);
    EngineZuruecksetzen();
    EXPECT_FALSE(D7ED_bSPSEigenschaftenLaden(sDatei.c_str()));
    EXPECT_EQ(D7ED_GetTaktMerkerByteNr(), 0);
    EXPECT_EQ(D7ED_wGetZyklusUeberwachungszeit(), 150);
    uint16_t wIntervall = 0;
    unsigned char byPrio = 0;
    ASSERT_TRUE(D7ED_GetWeckAlarmDaten(8, &wIntervall, &byPrio));
    EXPECT_EQ(wIntervall, 100);
    EXPECT_EQ(byPrio, 12);
    // Everything else is the file's.
    D7ED_SetTaktMerkerByteNr(100);
    D7ED_SetZyklusUeberwachungszeit(321);
    ASSERT_TRUE(D7ED_SetWeckAlarmDaten(8, 1008, 15));
    AllesPruefen();
    EXPECT_EQ(Bericht(D7ED_BERICHT_WERTE, dwAnzahl),
              "[KOLV_D7ED] TaktmerkerByte, ZyklusUeberwachungszeit\n[WECKALARM_OB38] Intervall, Prioritaet\n");
    EXPECT_EQ(dwAnzahl, 4u);
    const std::string sZeilen = Bericht(D7ED_BERICHT_ZEILEN, dwAnzahl);
    EXPECT_EQ(dwAnzahl, 6u) << sZeilen;
    size_t uKopf = 1;
    for (std::string s = sMix.substr(0, sMix.find("[WECKALARM_OB38")); !s.empty(); s.erase(0, s.find('\n') + 1))
        ++uKopf;
    EXPECT_EQ(sZeilen.rfind(std::to_string(uKopf) + ": [WECKALARM_OB38\n", 0), 0u) << sZeilen;
    for (const char* pc : {": Intervall=1008\n", ": Prioritaet=15\n", ": Unbekannt=1\n", ": Aktiv=0\n", ": nur Text?\n"})
        EXPECT_NE(sZeilen.find(pc), std::string::npos) << pc << "\n" << sZeilen;
    // A small buffer takes whole lines only; the count stays.
    const std::string sKurz = Bericht(D7ED_BERICHT_ZEILEN, dwAnzahl, 40);
    EXPECT_EQ(dwAnzahl, 6u);
    EXPECT_EQ(sKurz, sZeilen.substr(0, sKurz.size()));
    EXPECT_EQ(sKurz.back(), '\n');
    EXPECT_LT(sKurz.size(), 40u);
    EXPECT_EQ(D7ED_GetSPSEigenschaftenBericht(0, nullptr, 0), 0u);

    // Nothing to read: every value takes its default and is named.
    for (const std::string& sPfad : {sDatei, (ordner / "fehlt.DAT").string(), std::string()}) {
        testhilfe::DateiSchreiben(sDatei, "");
        AllesSetzen();
        EXPECT_FALSE(D7ED_bSPSEigenschaftenLaden(sPfad.c_str())) << sPfad;
        SindStandard();
        EXPECT_EQ(D7ED_GetSPSEigenschaftenBericht(D7ED_BERICHT_WERTE, nullptr, 0), D7ED_EIGENSCHAFTEN_ANZAHL);
        EXPECT_EQ(D7ED_GetSPSEigenschaftenBericht(D7ED_BERICHT_ZEILEN, nullptr, 0), 0u);
    }
    AllesSetzen();
    EXPECT_FALSE(D7ED_bSPSEigenschaftenLaden(nullptr));
    SindStandard();
    EXPECT_FALSE(D7ED_bSPSEigenschaftenSpeichern(nullptr));
}

TEST_F(EngineEigenschaften, SpeichernInNichtBeschreibbarenOrdnerLaesstAlteDatei)
{
    AllesSetzen();
    ASSERT_TRUE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
    const std::string sAlt = testhilfe::DateiLesen(sDatei);
    EXPECT_FALSE(D7ED_bSPSEigenschaftenSpeichern((ordner / "kein" / "PLC.DAT").string().c_str()));
    D7ED_SetZyklusUeberwachungszeit(999);
    // A read-only folder (not for root, who may write anyway).
    if (geteuid() != 0) {
        chmod(ordner.c_str(), 0555);
        EXPECT_FALSE(D7ED_bSPSEigenschaftenSpeichern(sDatei.c_str()));
        chmod(ordner.c_str(), 0755);
        EXPECT_EQ(testhilfe::DateiLesen(sDatei), sAlt);
    }
}
