// Command lines split by the Windows rules, starting programs, opening
// documents, and the recording hooks that keep tests from starting anything.
#include "WinProzess.h"

#include "TestUmgebung.h"
#include "WinZeit.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QUrl>

#include <filesystem>

namespace fs = std::filesystem;
using TArgs = std::vector<std::string>;

TEST(KommandozeileZerlegen, AnfuehrungszeichenUndLeerraum)
{
    EXPECT_EQ(KommandozeileZerlegen(""), TArgs{});
    EXPECT_EQ(KommandozeileZerlegen(" \t "), TArgs{});
    EXPECT_EQ(KommandozeileZerlegen("  prog   a\tb  "), (TArgs{"prog", "a", "b"}));
    EXPECT_EQ(KommandozeileZerlegen("\"/opt/mein prog/Netzplan\" \"/opt/mein prog/\" \"123\" 10 -20 0 0 2"),
              (TArgs{"/opt/mein prog/Netzplan", "/opt/mein prog/", "123", "10", "-20", "0", "0", "2"}));
    EXPECT_EQ(KommandozeileZerlegen("p \"a b\"c d\"e f\""), (TArgs{"p", "a bc", "de f"}));
    EXPECT_EQ(KommandozeileZerlegen("p \"\" x"), (TArgs{"p", "", "x"}));
    EXPECT_EQ(KommandozeileZerlegen("p \"a\"\"b\""), (TArgs{"p", "a\"b"}));
    EXPECT_EQ(KommandozeileZerlegen("p \"offen bis zum Ende"), (TArgs{"p", "offen bis zum Ende"}));
}

TEST(KommandozeileZerlegen, BackslashRegeln)
{
    // Backslashes not before a quote are literal.
    EXPECT_EQ(KommandozeileZerlegen("p a\\b\\\\c"), (TArgs{"p", "a\\b\\\\c"}));
    // 2n+1 before a quote: n backslashes and a literal quote.
    EXPECT_EQ(KommandozeileZerlegen("p a\\\"b"), (TArgs{"p", "a\"b"}));
    EXPECT_EQ(KommandozeileZerlegen("p a\\\\\\\"b"), (TArgs{"p", "a\\\"b"}));
    // 2n before a quote: n backslashes and the quote opens or closes.
    EXPECT_EQ(KommandozeileZerlegen("p \"c:\\\\\" x"), (TArgs{"p", "c:\\", "x"}));
    EXPECT_EQ(KommandozeileZerlegen("p a\\\\\"b c\""), (TArgs{"p", "a\\b c"}));
    // The program name keeps its backslashes, also one before the quote.
    EXPECT_EQ(KommandozeileZerlegen("\"C:\\Prog\\\" x"), (TArgs{"C:\\Prog\\", "x"}));
}

TEST(WinProzess, AufzeichnenStartetNichts)
{
    const fs::path pf = testhilfe::NeuerOrdner("start") / "angelegt";
    ProzessStartsAufzeichnen(true);
    AufgezeichneteStartsLoeschen();
    const std::string sZeile = "touch \"" + pf.string() + "\"";
    EXPECT_TRUE(WinExec(sZeile));
    EXPECT_TRUE(ShellExecuteOeffnen("https://example.invalid/hilfe"));
    EXPECT_FALSE(WinExec("   "));
    EXPECT_EQ(AufgezeichneteStarts(), (TArgs{sZeile, "https://example.invalid/hilfe"}));
    AufgezeichneteStartsLoeschen();
    EXPECT_TRUE(AufgezeichneteStarts().empty());
    ProzessStartsAufzeichnen(false);
    Sleep(200);
    EXPECT_FALSE(fs::exists(pf));
}

TEST(WinProzess, WinExecStartetGetrenntesProgramm)
{
    const fs::path pf = testhilfe::NeuerOrdner("start mit leer") / "angelegt";
    ASSERT_TRUE(WinExec("touch \"" + pf.string() + "\""));
    for (int i = 0; i < 100 && !fs::exists(pf); ++i)
        Sleep(50);
    EXPECT_TRUE(fs::exists(pf));
    EXPECT_FALSE(WinExec("/gibt/es/nicht/programm --x"));
    EXPECT_FALSE(WinExec(""));
}

TEST(WinProzess, AdressenZumOeffnen)
{
    EXPECT_EQ(UrlFuerOeffnen("https://www.example.com/a?b=c"), "https://www.example.com/a?b=c");
    EXPECT_EQ(UrlFuerOeffnen("mailto:info@example.com"), "mailto:info@example.com");
    EXPECT_EQ(UrlFuerOeffnen("/tmp/Mein Dokument.rtf"), "file:///tmp/Mein%20Dokument.rtf");
    EXPECT_EQ(UrlFuerOeffnen("/tmp/a/../b.htm"), "file:///tmp/b.htm");
    const std::string sRelativ = UrlFuerOeffnen("hilfe.htm");
    EXPECT_EQ(sRelativ.rfind("file:///", 0), 0u);
    EXPECT_NE(sRelativ.find("/hilfe.htm"), std::string::npos);
    // A name from Windows keeps its bytes, and so does the address the
    // desktop is handed.
    const std::string sWindows = UrlFuerOeffnen("/tmp/F\x94rderanlage S\x81" "d/Anlage #1.rtf");
    EXPECT_EQ(sWindows, "file:///tmp/F%94rderanlage%20S%81d/Anlage%20%231.rtf");
    EXPECT_EQ(QUrl::fromEncoded(QByteArray::fromStdString(sWindows)).toEncoded().toStdString(), sWindows);
    EXPECT_EQ(UrlFuerOeffnen("/tmp/Förder.rtf"), "file:///tmp/F%C3%B6rder.rtf");
    // A drive letter is no scheme.
    EXPECT_EQ(UrlFuerOeffnen("C:x").rfind("file:///", 0), 0u);
    EXPECT_FALSE(ShellExecuteOeffnen(""));
}

TEST(WinProzess, ProgrammDateiIstDieLaufendeDatei)
{
    const std::string s = ProgrammDatei();
    EXPECT_EQ(s, QCoreApplication::applicationFilePath().toStdString());
    EXPECT_TRUE(fs::path(s).is_absolute());
    EXPECT_EQ(fs::path(s).filename(), "test_win_prozesse");
}
