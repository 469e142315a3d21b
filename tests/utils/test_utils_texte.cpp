// harlenzutils40: marks, case, blanks and in-place editing on C buffers.
#include "harlenzutils40.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A buffer with guard bytes after the part a function may use.
struct TPuffer {
    char ac[128];
    explicit TPuffer(const char* pcStart = "")
    {
        std::memset(ac, '#', sizeof ac);
        std::strcpy(ac, pcStart);
    }
    // True when nothing was written past byte n.
    bool bUnberuehrtAb(size_t n) const
    {
        for (size_t i = n; i < sizeof ac; ++i) {
            if (ac[i] != '#')
                return false;
        }
        return true;
    }
};

} // namespace

TEST(UtilsTexte, KopierenBisZurMarke)
{
    TPuffer p;
    U_strcpyBisToken(p.ac, "127.0.0.1 (Local Host)", '(', 0, 0, 0, 0);
    EXPECT_STREQ(p.ac, "127.0.0.1 ");
    U_strcpyBisToken(p.ac, "C:/Pfad\" /RUN", 0, 0, '"', 0, 0);
    EXPECT_STREQ(p.ac, "C:/Pfad");
    // The first of several marks ends the copy.
    U_strcpyBisToken(p.ac, "E 1.2,Text;x", ';', ',', '.', 0, 0);
    EXPECT_STREQ(p.ac, "E 1");
    U_strcpyBisToken(p.ac, "keine Marke", ',', 0, 0, 0, 0);
    EXPECT_STREQ(p.ac, "keine Marke");
    U_strcpyBisToken(p.ac, ",vorne", ',', 0, 0, 0, 0);
    EXPECT_STREQ(p.ac, "");
    EXPECT_TRUE(p.bUnberuehrtAb(std::strlen("keine Marke") + 1));
}

TEST(UtilsTexte, KopierenNachDerMarke)
{
    TPuffer p;
    U_strcpyNachToken(p.ac, "$SPSTyp=CPU 315 (x)=y", '=');
    EXPECT_STREQ(p.ac, "CPU 315 (x)=y");
    U_strcpyNachToken(p.ac, "ohne", '=');
    EXPECT_STREQ(p.ac, "");
    U_strcpyNachToken(p.ac, "ende=", '=');
    EXPECT_STREQ(p.ac, "");
    char acDa[32] = "$WindowW=640";
    U_strcpyNachToken(acDa, acDa, '=');
    EXPECT_STREQ(acDa, "640");
}

TEST(UtilsTexte, GrossschreibungMitUmlauten)
{
    TPuffer p;
    U_strcpyUpcase(p.ac, "m\xC3\xA4rz \xC3\xB6l \xC3\xBC" "ber cpu315-2dp \xC3\x9F");
    EXPECT_STREQ(p.ac, "M\xC3\x84RZ \xC3\x96L \xC3\x9C" "BER CPU315-2DP \xC3\x9F");
    char ac[32] = "0x1f e 1.0 \xC3\xA9";
    U_UpcaseString(ac);
    EXPECT_STREQ(ac, "0X1F E 1.0 \xC3\xA9");
    char acRest[4] = "a\xC3";  // a stray lead byte at the end
    U_UpcaseString(acRest);
    EXPECT_STREQ(acRest, "A\xC3");

    EXPECT_TRUE(U_StringVergleichrossKlein("Veltrano-Prj", "VELTRANO-prj"));
    EXPECT_TRUE(U_StringVergleichrossKlein("\xC3\xA4pfel", "\xC3\x84PFEL"));
    EXPECT_TRUE(U_StringVergleichrossKlein("", ""));
    EXPECT_FALSE(U_StringVergleichrossKlein("Bild.bmp", "Bild.bm"));
    EXPECT_FALSE(U_StringVergleichrossKlein("a", "\xC3\xA4"));
    EXPECT_FALSE(U_StringVergleichrossKlein("\xC3\xA4", "\xC3\xB6"));
    EXPECT_FALSE(U_StringVergleichrossKlein(nullptr, ""));
}

TEST(UtilsTexte, LeerzeichenUndZeilenenden)
{
    char ac[64] = " 1, 10,11 ,80 ";
    U_LeerzeichenEntfernen(ac);
    EXPECT_STREQ(ac, "1,10,11,80");
    char acTrim[64] = " \t Maske 1 \t ";
    U_LeerzeichenAmAnfangEntfernen(acTrim);
    EXPECT_STREQ(acTrim, "Maske 1 \t ");
    U_LeerzeichenAmEndeEntfernen(acTrim);
    EXPECT_STREQ(acTrim, "Maske 1");
    char acBeide[64] = "   CPU 315   ";
    U_LeerzeichenAmAnfangUndEndeEntfernen(acBeide);
    EXPECT_STREQ(acBeide, "CPU 315");
    char acLeer[8] = "    ";
    U_LeerzeichenAmAnfangUndEndeEntfernen(acLeer);
    EXPECT_STREQ(acLeer, "");

    char acZeile[64] = "$Op=E,$Adr=1\r\n";
    U_NewLineEntfernen(acZeile);
    EXPECT_STREQ(acZeile, "$Op=E,$Adr=1");
    char acMitte[64] = "a\nb\n\n";
    U_NewLineEntfernen(acMitte);
    EXPECT_STREQ(acMitte, "a\nb");
}

TEST(UtilsTexte, ZeichenEntfernen)
{
    char ac[64] = "&Datei &&Neu";
    U_ZeichenAusStringEntfernen(ac, '&', 0, 0, 0);
    EXPECT_STREQ(ac, "Datei Neu");
    char acPfad[64] = "\"/p/Maske 1.maske_ini\" /RUN";
    U_ZeichenAusStringEntfernen(acPfad, '"', 0, 0, 0);
    EXPECT_STREQ(acPfad, "/p/Maske 1.maske_ini /RUN");
    char acViele[64] = "a,b;c.d e";
    U_ZeichenAusStringEntfernen(acViele, ',', ';', '.', ' ');
    EXPECT_STREQ(acViele, "abcde");
}

TEST(UtilsTexte, TeileLoeschenUndEinfuegen)
{
    char ac[64] = "//Fehler im OB1";
    U_DeleteSubString(ac, 0, 1);
    EXPECT_STREQ(ac, "/Fehler im OB1");
    U_DeleteSubString(ac, 10, 100);  // cut at the end
    EXPECT_STREQ(ac, "/Fehler im");
    U_DeleteSubString(ac, 10, 1);    // position at the end: nothing
    U_DeleteSubString(ac, -1, 3);
    U_DeleteSubString(ac, 2, 0);
    EXPECT_STREQ(ac, "/Fehler im");

    char acText[64] = "Zeit 12:00 Zeit";
    U_DeleteSubStringText(acText, "Zeit ");
    EXPECT_STREQ(acText, "12:00 Zeit");
    U_DeleteSubStringText(acText, "fehlt");
    U_DeleteSubStringText(acText, "");
    EXPECT_STREQ(acText, "12:00 Zeit");

    TPuffer p("ABEF");
    U_InsertString(p.ac, "CD", 2);
    EXPECT_STREQ(p.ac, "ABCDEF");
    U_InsertString(p.ac, ">", 0);
    U_InsertString(p.ac, "<", 99);
    U_InsertString(p.ac, "!", -5);
    EXPECT_STREQ(p.ac, "!>ABCDEF<");
    EXPECT_TRUE(p.bUnberuehrtAb(10));
}
