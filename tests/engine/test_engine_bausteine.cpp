// Block store: write, read, delete, directory, protected SFC/SFB, data block
// access and the files of system data blocks.
#include "EngineTestHilfe.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace enginetest;

namespace {

class EngineBausteine : public ::testing::Test {
protected:
    void SetUp() override { EngineZuruecksetzen(); }
};

std::vector<uint8_t> Lesen(uint8_t byTyp, uint16_t wNr, int& iFehler)
{
    std::vector<uint16_t> puffer(65535);
    uint16_t wWorte = 0xFFFF;
    iFehler = -1;
    if (!D7ED_BstRead(byTyp, wNr, puffer.data(), 65535, &wWorte, &iFehler))
        return {};
    const auto* pb = reinterpret_cast<const uint8_t*>(puffer.data());
    return std::vector<uint8_t>(pb, pb + 2 * wWorte);
}

bool bImVerzeichnis(uint16_t wTyp, uint16_t wNr)
{
    const auto v = Verzeichnis();
    return std::find(v.begin(), v.end(), std::make_pair(wTyp, wNr)) != v.end();
}

} // namespace

TEST_F(EngineBausteine, SchreibenLesenLoeschenRundlauf)
{
    const auto fc = BausteinBild(D7ED_BST_FC, 7, {1, 2, 3, 4, 5, 6}, 0x0102);
    const auto db = BausteinBild(D7ED_BST_DB, 3, {9, 8, 7, 6});
    ASSERT_EQ(BausteinSchreiben(fc), 0);
    ASSERT_EQ(BausteinSchreiben(db), 0);

    int iFehler = -1;
    EXPECT_EQ(Lesen(D7ED_BST_FC, 7, iFehler), fc);
    EXPECT_EQ(iFehler, 0);
    EXPECT_EQ(Lesen(D7ED_BST_DB, 3, iFehler), db);
    EXPECT_TRUE(bImVerzeichnis(D7ED_BST_FC, 7));
    EXPECT_TRUE(bImVerzeichnis(D7ED_BST_DB, 3));

    // Writing again replaces the block.
    const auto fcNeu = BausteinBild(D7ED_BST_FC, 7, {0xAA, 0xBB});
    ASSERT_EQ(BausteinSchreiben(fcNeu), 0);
    EXPECT_EQ(Lesen(D7ED_BST_FC, 7, iFehler), fcNeu);

    EXPECT_TRUE(D7ED_BstLoeschen(D7ED_BST_FC, 7, &iFehler));
    EXPECT_EQ(iFehler, 0);
    EXPECT_FALSE(bImVerzeichnis(D7ED_BST_FC, 7));
    EXPECT_TRUE(Lesen(D7ED_BST_FC, 7, iFehler).empty());
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_FEHLT);
    EXPECT_FALSE(D7ED_BstLoeschen(D7ED_BST_FC, 7, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_FEHLT);
}

TEST_F(EngineBausteine, UngeradeLaengeWirdMitNullAufgefuellt)
{
    const auto ob = BausteinBild(D7ED_BST_OB, 1, {1, 2, 3});  // 39 bytes
    ASSERT_EQ(BausteinSchreiben(ob), 0);
    std::vector<uint8_t> puffer(100, 0xEE);
    uint16_t wWorte = 0;
    int iFehler = -1;
    ASSERT_TRUE(D7ED_BstRead(D7ED_BST_OB, 1, puffer.data(), 50, &wWorte, &iFehler));
    EXPECT_EQ(wWorte, 20);
    EXPECT_TRUE(std::equal(ob.begin(), ob.end(), puffer.begin()));
    EXPECT_EQ(puffer[39], 0);
    EXPECT_EQ(puffer[40], 0xEE) << "nothing written past the length in words";

    // Too small a buffer: nothing copied, the needed length reported.
    std::vector<uint8_t> klein(10, 0xEE);
    EXPECT_FALSE(D7ED_BstRead(D7ED_BST_OB, 1, klein.data(), 5, &wWorte, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_PUFFER_ZU_KLEIN);
    EXPECT_EQ(wWorte, 20);
    EXPECT_EQ(klein[0], 0xEE);
}

TEST_F(EngineBausteine, SFCundSFBSindGeschuetzt)
{
    // The built-in type has SFC 46 and SFB 0 and lists them.
    ASSERT_TRUE(bImVerzeichnis(D7ED_BST_SFC, 46));
    ASSERT_TRUE(bImVerzeichnis(D7ED_BST_SFB, 0));

    int iFehler = -1;
    EXPECT_FALSE(D7ED_BstLoeschen(D7ED_BST_SFC, 46, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_GESCHUETZT);
    EXPECT_TRUE(bImVerzeichnis(D7ED_BST_SFC, 46));

    const auto sfb = BausteinBild(D7ED_BST_SFB, 0, {1, 2, 3, 4});
    EXPECT_EQ(BausteinSchreiben(sfb), D7ED_FEHLER_BAUSTEIN_GESCHUETZT);
    const auto sfcNeu = BausteinBild(D7ED_BST_SFC, 200, {1, 2});
    EXPECT_EQ(BausteinSchreiben(sfcNeu), D7ED_FEHLER_BAUSTEIN_GESCHUETZT);
    EXPECT_FALSE(bImVerzeichnis(D7ED_BST_SFC, 200));

    // Reading a present SFC gives its bare header.
    const auto bild = Lesen(D7ED_BST_SFC, 46, iFehler);
    ASSERT_EQ(bild.size(), D7ED_BST_KOPF_LAENGE);
    EXPECT_EQ(bild[0], 'p');
    EXPECT_EQ(bild[5], D7ED_BST_SFC);
    EXPECT_EQ((bild[6] << 8) | bild[7], 46);
    EXPECT_EQ(bild[11], 36);
    // An SFC the type lacks is missing.
    EXPECT_TRUE(Lesen(D7ED_BST_SFC, 200, iFehler).empty());
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_FEHLT);
}

TEST_F(EngineBausteine, UngueltigeBilderWerdenAbgewiesen)
{
    int iFehler = -1;
    auto ab = BausteinBild(D7ED_BST_FC, 1, {1, 2});
    // Arguments that disagree with the header.
    EXPECT_FALSE(D7ED_BstWrite(D7ED_BST_FC, 2, uint16_t(ab.size()), 0, ab.data(), &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
    EXPECT_FALSE(D7ED_BstWrite(D7ED_BST_FB, 1, uint16_t(ab.size()), 0, ab.data(), &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
    EXPECT_FALSE(D7ED_BstWrite(D7ED_BST_FC, 1, uint16_t(ab.size() - 1), 0, ab.data(), &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
    // Shorter than a header; no "pp".
    EXPECT_FALSE(D7ED_BstWrite(D7ED_BST_FC, 1, 20, 0, ab.data(), &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
    ab[0] = 'q';
    EXPECT_EQ(BausteinSchreiben(ab), D7ED_FEHLER_BAUSTEIN_UNGUELTIG);
    // Unknown types and null images.
    EXPECT_EQ(BausteinSchreiben(BausteinBild(0x42, 1, {})), D7ED_FEHLER_BAUSTEINTYP);
    // The exported type test tells exactly the types a write stores: the
    // host refuses a block file by it before it deletes anything.
    for (unsigned uTyp = 0; uTyp < 256; ++uTyp) {
        const auto bild = BausteinBild(uint8_t(uTyp), 500, {});
        const bool bGespeichert = D7ED_BstWrite(bild[5], 500, uint16_t(bild.size()), 0, bild.data(), &iFehler);
        EXPECT_EQ(D7ED_bLadbarerTyp(static_cast<unsigned char>(uTyp)), bGespeichert) << uTyp;
        if (bGespeichert) D7ED_BstLoeschen(static_cast<unsigned char>(uTyp), 500, &iFehler);
    }
    EXPECT_FALSE(D7ED_BstWrite(D7ED_BST_FC, 1, 40, 0, nullptr, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_NULLZEIGER);
    EXPECT_FALSE(bImVerzeichnis(D7ED_BST_FC, 1));
    // Read with null pointers.
    uint16_t wWorte = 0;
    EXPECT_FALSE(D7ED_BstRead(D7ED_BST_FC, 1, nullptr, 10, &wWorte, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_NULLZEIGER);
}

TEST_F(EngineBausteine, VerzeichnisSortiertBeendetUndGekuerzt)
{
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_DB, 9, {0})), 0);
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_OB, 1, {0})), 0);
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_DB, 2, {0})), 0);
    const auto v = Verzeichnis();
    ASSERT_GE(v.size(), 3u);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    EXPECT_EQ(v.front().first, D7ED_BST_OB);
    EXPECT_EQ(v.front().second, 1);

    // A buffer for two entries and the end entry: truncated and flagged.
    uint16_t aw[6] = {0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE};
    unsigned char byGekuerzt = 0;
    int iFehler = -1;
    EXPECT_FALSE(D7ED_GetBausteinverzeichnis(aw, 6, &byGekuerzt, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_PUFFER_ZU_KLEIN);
    EXPECT_EQ(byGekuerzt, 1);
    EXPECT_EQ(aw[0], D7ED_BST_OB);
    EXPECT_EQ(aw[2], D7ED_BST_DB);
    EXPECT_EQ(aw[3], 2);
    EXPECT_EQ(aw[4], 0) << "end entry present";

    EXPECT_FALSE(D7ED_GetBausteinverzeichnis(aw, 1, &byGekuerzt, &iFehler));
    EXPECT_FALSE(D7ED_GetBausteinverzeichnis(nullptr, 100, &byGekuerzt, &iFehler));
    EXPECT_EQ(iFehler, D7ED_FEHLER_NULLZEIGER);

    std::vector<uint16_t> gross(20000);
    EXPECT_TRUE(D7ED_GetBausteinverzeichnis(gross.data(), 20000, &byGekuerzt, &iFehler));
    EXPECT_EQ(byGekuerzt, 0);
    EXPECT_EQ(iFehler, 0);
}

TEST_F(EngineBausteine, DatenbausteinInnenAmRandUndDahinter)
{
    // 10 bytes of data; the code length says 8, so only 8 are data.
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_DB, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, 8)), 0);

    unsigned char ab[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 2, 2, ab), 0);
    EXPECT_EQ(ab[0], 2);
    EXPECT_EQ(ab[1], 3);

    // Last double word inside: bytes 4..7.
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 4, 4, ab), 0);
    EXPECT_EQ(ab[3], 7);
    // One byte beyond: zeros and an error.
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 5, 4, ab), D7ED_FEHLER_DB_LAENGE);
    EXPECT_EQ(ab[0] | ab[1] | ab[2] | ab[3], 0);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 255, 1, ab), D7ED_FEHLER_DB_LAENGE);

    // A write at the edge lands in the image that BstRead returns.
    unsigned char abW[2] = {0xCA, 0xFE};
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(0, 5, 6, 2, abW), 0);
    int iFehler = -1;
    auto bild = Lesen(D7ED_BST_DB, 5, iFehler);
    ASSERT_GE(bild.size(), 44u);
    EXPECT_EQ(bild[36 + 6], 0xCA);
    EXPECT_EQ(bild[36 + 7], 0xFE);
    // A write beyond changes nothing, not even the bytes inside.
    unsigned char abX[4] = {1, 1, 1, 1};
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(0, 5, 6, 4, abX), D7ED_FEHLER_DB_LAENGE);
    bild = Lesen(D7ED_BST_DB, 5, iFehler);
    EXPECT_EQ(bild[36 + 6], 0xCA);
    EXPECT_EQ(bild[36 + 8], 8) << "bytes after the code length untouched";

    // Missing block, bad direction, null buffer.
    ab[0] = 0xEE;
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 6, 0, 1, ab), D7ED_FEHLER_BAUSTEIN_FEHLT);
    EXPECT_EQ(ab[0], 0);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(2, 5, 0, 1, ab), D7ED_FEHLER_PARAMETER);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 0, 1, nullptr), D7ED_FEHLER_NULLZEIGER);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 5, 0, 0, nullptr), 0);
}

TEST_F(EngineBausteine, CodelaengeUeberBildendeBegrenzt)
{
    // The code length claims 100 bytes, the image holds 3.
    ASSERT_EQ(BausteinSchreiben(BausteinBild(D7ED_BST_DB, 7, {1, 2, 3}, 0, 100)), 0);
    unsigned char ab[4] = {};
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 7, 2, 1, ab), 0);
    EXPECT_EQ(ab[0], 3);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, 7, 3, 1, ab), D7ED_FEHLER_DB_LAENGE);
}

TEST_F(EngineBausteine, SystemdatenbausteinWirdAlsDateiGeschrieben)
{
    const auto ordner = testhilfe::NeuerOrdner("sdb");
    const std::string sIP = (ordner / "IPADR.DAT").string();
    ASSERT_TRUE(D7ED_PfadeUebergeben((ordner.string() + "/").c_str(), "D7ED", sIP.c_str()));

    const auto sdb = BausteinBild(D7ED_BST_SDB, 2, {5, 6, 7, 8});
    ASSERT_EQ(BausteinSchreiben(sdb), 0);
    const std::string sInhalt = testhilfe::DateiLesen(ordner / "D7ED_SDB2.MC7");
    EXPECT_EQ(sInhalt, std::string(sdb.begin(), sdb.end()));

    // Deleting the block leaves the user's folder alone.
    int iFehler = -1;
    EXPECT_TRUE(D7ED_BstLoeschen(D7ED_BST_SDB, 2, &iFehler));
    EXPECT_TRUE(std::filesystem::exists(ordner / "D7ED_SDB2.MC7"));

    // A vanished folder: the block is stored, the error tells about the file.
    std::filesystem::remove_all(ordner);
    EXPECT_EQ(BausteinSchreiben(sdb), D7ED_FEHLER_SDB_DATEI);
    EXPECT_TRUE(bImVerzeichnis(D7ED_BST_SDB, 2));
}
