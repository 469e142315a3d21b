// harlenzutils40: file tests, copying and path splitting with '/' paths.
#include "harlenzutils40.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Pfad(const fs::path& p) { return p.string(); }

// Runs a path function on a buffer and returns the result text.
template <typename F>
std::string Ergebnis(F f, const char* pcEingabe)
{
    char ac[256];
    std::memset(ac, 'X', sizeof ac);
    f(ac, pcEingabe);
    return ac;
}

} // namespace

TEST(UtilsDateien, VorhandenUnterscheidetDateiUndOrdner)
{
    const fs::path pf = testhilfe::NeuerOrdner("utils");
    testhilfe::DateiSchreiben(pf / "a.txt", "12345");
    EXPECT_TRUE(U_DateiVorhanden(Pfad(pf / "a.txt").c_str()));
    EXPECT_FALSE(U_DateiVorhanden(Pfad(pf).c_str()));
    EXPECT_FALSE(U_DateiVorhanden(Pfad(pf / "b.txt").c_str()));
    EXPECT_FALSE(U_DateiVorhanden(""));
    EXPECT_FALSE(U_DateiVorhanden(nullptr));
    EXPECT_TRUE(U_VerzeichnisVorhanden(Pfad(pf).c_str()));
    EXPECT_TRUE(U_VerzeichnisVorhanden((Pfad(pf) + "/").c_str()));
    EXPECT_FALSE(U_VerzeichnisVorhanden(Pfad(pf / "a.txt").c_str()));
    EXPECT_FALSE(U_VerzeichnisVorhanden(nullptr));

    EXPECT_EQ(U_GetFileSizeBytes(Pfad(pf / "a.txt").c_str()), 5);
    EXPECT_EQ(U_GetFileSizeBytes(Pfad(pf / "b.txt").c_str()), -1);
    EXPECT_EQ(U_GetFileSizeBytes(Pfad(pf).c_str()), -1);
}

TEST(UtilsDateien, SchreibschutzDesOrdners)
{
    const fs::path pf = testhilfe::NeuerOrdner("schutz");
    EXPECT_FALSE(U_IstVerzeichnisSchreibgeschuetzt(Pfad(pf).c_str()));
    EXPECT_TRUE(U_IstVerzeichnisSchreibgeschuetzt(Pfad(pf / "fehlt").c_str()));
    if (::geteuid() != 0) {
        ::chmod(pf.c_str(), 0500);
        EXPECT_TRUE(U_IstVerzeichnisSchreibgeschuetzt(Pfad(pf).c_str()));
        ::chmod(pf.c_str(), 0700);
    }
}

TEST(UtilsDateien, KopierenErsetztGanzOderGarNicht)
{
    const fs::path pf = testhilfe::NeuerOrdner("kopie");
    const std::string sInhalt("Bild\0Daten", 10);
    testhilfe::DateiSchreiben(pf / "quelle.bmp", sInhalt);
    ::chmod(Pfad(pf / "quelle.bmp").c_str(), 0640);
    const std::string sZiel = Pfad(pf / "ziel.bmp");
    ASSERT_TRUE(U_DateiKopieren(sZiel.c_str(), Pfad(pf / "quelle.bmp").c_str()));
    EXPECT_EQ(testhilfe::DateiLesen(sZiel), sInhalt);
    struct stat st;
    ASSERT_EQ(::stat(sZiel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // An existing destination is replaced.
    testhilfe::DateiSchreiben(pf / "neu.bmp", "anders");
    ASSERT_TRUE(U_DateiKopieren(sZiel.c_str(), Pfad(pf / "neu.bmp").c_str()));
    EXPECT_EQ(testhilfe::DateiLesen(sZiel), "anders");
    // A missing source fails and leaves the destination alone.
    EXPECT_FALSE(U_DateiKopieren(sZiel.c_str(), Pfad(pf / "fehlt.bmp").c_str()));
    EXPECT_EQ(testhilfe::DateiLesen(sZiel), "anders");
    // A folder is no file to copy; a missing destination folder fails.
    EXPECT_FALSE(U_DateiKopieren(sZiel.c_str(), Pfad(pf).c_str()));
    EXPECT_FALSE(U_DateiKopieren(Pfad(pf / "fehlt" / "x.bmp").c_str(), sZiel.c_str()));
    // Onto itself: succeeds and keeps the content (no truncation).
    EXPECT_TRUE(U_DateiKopieren(sZiel.c_str(), sZiel.c_str()));
    EXPECT_EQ(testhilfe::DateiLesen(sZiel), "anders");
    EXPECT_FALSE(U_DateiKopieren(nullptr, sZiel.c_str()));
    // Nothing but the three files: no temporary copies left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(pf), fs::directory_iterator()), 3);
}

TEST(UtilsPfade, OrdnerUndNamensteil)
{
    EXPECT_EQ(Ergebnis(U_FilenameVonPfadEntfernen, "/opt/Veltrano/Veltrano"), "/opt/Veltrano/");
    EXPECT_EQ(Ergebnis(U_FilenameVonPfadEntfernen, "/opt/Veltrano/"), "/opt/Veltrano/");
    EXPECT_EQ(Ergebnis(U_FilenameVonPfadEntfernen, "Veltrano"), "");
    EXPECT_EQ(Ergebnis(U_FilenameVonPfadEntfernen, "/x"), "/");
    EXPECT_EQ(Ergebnis(U_GetFilenameVonPfad, "/p/Maske 1/Maske 1.maske_ini"), "Maske 1.maske_ini");
    EXPECT_EQ(Ergebnis(U_GetFilenameVonPfad, "bild.bmp"), "bild.bmp");
    EXPECT_EQ(Ergebnis(U_GetFilenameVonPfad, "/p/"), "");

    // In place, as the callers do with their own buffers.
    char ac[64] = "/home/u/Projekte/Anlage/Anlage.maske_ini";
    U_FilenameVonPfadEntfernen(ac, ac);
    EXPECT_STREQ(ac, "/home/u/Projekte/Anlage/");
    char ac2[64] = "/home/u/bild.jpg";
    U_GetFilenameVonPfad(ac2, ac2);
    EXPECT_STREQ(ac2, "bild.jpg");
}

TEST(UtilsPfade, EndungNurImNamensteil)
{
    EXPECT_EQ(Ergebnis(U_GetDateiEndung, "/p/a.maske_ini"), "maske_ini");
    EXPECT_EQ(Ergebnis(U_GetDateiEndung, "/p/archiv.tar.gz"), "gz");
    EXPECT_EQ(Ergebnis(U_GetDateiEndung, "/p.d/ohne"), "");
    EXPECT_EQ(Ergebnis(U_GetDateiEndung, "/p/punkt."), "");

    char ac[64] = "/p.d/Anlage.maske_ini";
    U_DateiEndungEntfernen(ac);
    EXPECT_STREQ(ac, "/p.d/Anlage");
    U_DateiEndungEntfernen(ac);  // no extension left: nothing changes
    EXPECT_STREQ(ac, "/p.d/Anlage");
    char ac2[16] = "IPADR.DAT";
    U_DateiEndungEntfernen(ac2);
    EXPECT_STREQ(ac2, "IPADR");
    U_DateiEndungEntfernen(nullptr);
}
