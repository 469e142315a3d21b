// The help viewer: its command line, the page hand-over through the
// registry, showing and following the help pages, and the pages themselves.
#include "Beschriftungen.h"
#include "HilfeFenster.h"
#include "HilfeKommandozeile.h"
#include "TestUmgebung.h"
#include "WinRegistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path HilfeOrdner(const char* pcSprache)
{
    return testhilfe::Programmordner() / "__system" / "HELP" / pcSprache;
}

std::string Titel(const QTextBrowser* p)
{
    return p->documentTitle().toStdString();
}

} // namespace

TEST(HilfeKommandozeile, ZeileDesHauptprogramms)
{
    HilfeAufruf a = HilfeKommandozeileLesen("/App=Veltrano 1.6.1# /Lang=EN");
    EXPECT_EQ(a.sApp, "Veltrano 1.6.1");
    EXPECT_EQ(a.sSprache, "EN");
    EXPECT_FALSE(bHilfeDeutsch(a));
    EXPECT_TRUE(a.sSeite.empty());
    EXPECT_FALSE(a.iX.has_value());
    EXPECT_FALSE(a.iW.has_value());
}

TEST(HilfeKommandozeile, ZeileDesVoreinstellprogrammsMitLeerzeichenImPfad)
{
    HilfeAufruf a = HilfeKommandozeileLesen(
        "/X=12 /Y=-5 /W=500 /H=800 /Lang=DE /App=Quendra V4# /Show=/opt/mein ordner/Seite.htm");
    EXPECT_EQ(a.iX.value_or(-1), 12);
    EXPECT_EQ(a.iY.value_or(0), -5);
    EXPECT_EQ(a.iW.value_or(0), 500);
    EXPECT_EQ(a.iH.value_or(0), 800);
    EXPECT_TRUE(bHilfeDeutsch(a));
    EXPECT_EQ(a.sApp, "Quendra V4");
    EXPECT_EQ(a.sSeite, "/opt/mein ordner/Seite.htm");
}

TEST(HilfeKommandozeile, UnbekannteWoerterUndKaputteZahlen)
{
    HilfeAufruf a = HilfeKommandozeileLesen("egal /W=abc /H=12x /Foo=1 /Lang=DE");
    EXPECT_FALSE(a.iW.has_value());
    EXPECT_FALSE(a.iH.has_value());
    EXPECT_EQ(a.sSprache, "DE");
    // /App= without its '#' ends at the next switch.
    HilfeAufruf b = HilfeKommandozeileLesen("/App=Veltrano /Lang=EN");
    EXPECT_EQ(b.sApp, "Veltrano");
    EXPECT_EQ(b.sSprache, "EN");
}

TEST(HilfeKommandozeile, SeiteAusRegistryOderShow)
{
    testhilfe::EigeneUmgebung umgebung;
    HilfeAufruf ohne = HilfeKommandozeileLesen("/App=Veltrano 1.6.1# /Lang=DE");
    EXPECT_EQ(HilfeSeiteErmitteln(ohne), "");

    ASSERT_TRUE(bRegWertSchreiben(cHilfeRegistrySchluessel, cHilfeRegistryWert, "/x/y/index.htm"));
    EXPECT_EQ(HilfeSeiteErmitteln(ohne), "/x/y/index.htm");

    HilfeAufruf mit = HilfeKommandozeileLesen("/Lang=DE /Show=/a/b.htm");
    EXPECT_EQ(HilfeSeiteErmitteln(mit), "/a/b.htm");
}

TEST(HilfeFenster, LageGroesseUndSprache)
{
    THilfeFenster de(HilfeKommandozeileLesen("/X=30 /Y=40 /W=500 /H=600 /Lang=DE /App=Veltrano 1.6.1#"));
    EXPECT_EQ(de.width(), 500);
    EXPECT_EQ(de.height(), 600);
    EXPECT_EQ(de.pos().x(), 30);
    EXPECT_EQ(de.pos().y(), 40);
    EXPECT_EQ(de.aZurueck->text().toStdString(), "Zurück");
    EXPECT_EQ(de.windowTitle().toStdString(), "Veltrano 1.6.1 - Hilfe");

    THilfeFenster en(HilfeKommandozeileLesen("/Lang=EN /App=Veltrano 1.6.1#"));
    EXPECT_EQ(en.aZurueck->text().toStdString(), "Back");
    EXPECT_EQ(en.windowTitle().toStdString(), "Veltrano 1.6.1 - Help");
    EXPECT_GT(en.width(), 0);
}

TEST(HilfeFenster, ZeigtIndexUndFolgtLinks)
{
    THilfeFenster f(HilfeKommandozeileLesen("/App=Veltrano 1.6.1# /Lang=DE /W=800 /H=900"));
    const fs::path pfIndex = HilfeOrdner("DE") / "index.htm";
    ASSERT_TRUE(f.bSeiteZeigen(pfIndex.string()));
    EXPECT_EQ(Titel(f.Browser), "Veltrano – Hilfe");
    EXPECT_EQ(f.windowTitle().toStdString(), "Veltrano 1.6.1 - Hilfe: Veltrano – Hilfe");
    const QString sText = f.Browser->toPlainText();
    // UTF-8 decoded: the umlauts arrive as such.
    EXPECT_TRUE(sText.contains(QString::fromUtf8("Menüs"))) << sText.left(300).toStdString();
    EXPECT_TRUE(sText.contains("Projektordner"));

    f.show();
    QImage bild = f.grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(QString::fromStdString((testhilfe::Artefaktordner() / "harlenzhelp_index_DE.png").string())));
    EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(&f), std::vector<std::string>{});
    {
        // The English viewer on the English index, for a look as well.
        THilfeFenster en(HilfeKommandozeileLesen("/App=Veltrano 1.6.1# /Lang=EN /W=800 /H=900"));
        ASSERT_TRUE(en.bSeiteZeigen((HilfeOrdner("EN") / "index.htm").string()));
        en.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(en.grab().save(
            QString::fromStdString((testhilfe::Artefaktordner() / "harlenzhelp_index_EN.png").string())));
        EXPECT_EQ(testhilfe::AbgeschnitteneBeschriftungen(&en), std::vector<std::string>{});
        EXPECT_EQ(en.aZurueck->text().toStdString(), "Back");
    }

    // A link of the page leads to the user settings page; back returns.
    QUrl ziel = f.Browser->source().resolved(QUrl("DlgUserEinstellungen.htm"));
    f.Browser->setSource(ziel);
    EXPECT_EQ(Titel(f.Browser), "Benutzereinstellungen");
    EXPECT_TRUE(f.aZurueck->isEnabled());
    f.aZurueck->trigger();
    EXPECT_EQ(Titel(f.Browser), "Veltrano – Hilfe");
    EXPECT_TRUE(f.aVor->isEnabled());

    // Contents returns to index.htm from anywhere.
    f.Browser->setSource(f.Browser->source().resolved(QUrl("DlgLED.htm")));
    EXPECT_EQ(Titel(f.Browser), "LED");
    ASSERT_TRUE(f.aInhalt->isEnabled());
    f.aInhalt->trigger();
    EXPECT_EQ(f.Browser->source().fileName().toStdString(), "index.htm");
}

// Escape and Ctrl+W close the viewer, also while the page has the focus.
TEST(HilfeFenster, TastenSchliessenDasFenster)
{
    for (const QKeySequence& taste : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        THilfeFenster f(HilfeKommandozeileLesen("/Lang=DE"));
        ASSERT_TRUE(f.bSeiteZeigen((HilfeOrdner("DE") / "index.htm").string()));
        f.show();
        f.activateWindow();
        f.Browser->setFocus();
        QCoreApplication::processEvents();
        ASSERT_TRUE(f.isVisible());
        QTest::keySequence(f.Browser, taste);
        EXPECT_FALSE(f.isVisible()) << taste.toString().toStdString();
    }
}

TEST(HilfeFenster, FehlendeSeiteLaesstAnzeigeStehen)
{
    THilfeFenster f(HilfeKommandozeileLesen("/Lang=EN"));
    ASSERT_TRUE(f.bSeiteZeigen((HilfeOrdner("EN") / "DlgAnalog.htm").string()));
    const QUrl vorher = f.Browser->source();
    EXPECT_FALSE(f.bSeiteZeigen((HilfeOrdner("EN") / "GibtEsNicht.htm").string()));
    EXPECT_EQ(f.Browser->source(), vorher);
    // An anchor after the path is not part of the file name.
    EXPECT_TRUE(f.bSeiteZeigen((HilfeOrdner("EN") / "index.htm").string() + "#x"));
    EXPECT_EQ(f.Browser->source().fragment().toStdString(), "x");
}

// Every page name that the program's sources open exists in both
// languages, and every link of every page leads to an existing page.
TEST(HilfeSeiten, VollstaendigUndVerlinkt)
{
    std::set<std::string> seiten = {"index.htm", "DlgUserEinstellungen.htm", "DlgSPSEinstellungen.htm",
                                    "DlgBewegung.htm", "DlgLED.htm", "DlgStatischerText.htm",
                                    "DlgDynamischerText.htm", "DlgAnalog.htm"};
    const QRegularExpression reName("\"([A-Za-z0-9_]+\\.htm)\"");
    for (const char* pcOrdner : {"host", "panel"}) {
        const fs::path pf = testhilfe::Quellordner() / pcOrdner;
        if (!fs::is_directory(pf)) continue;
        for (const auto& e : fs::directory_iterator(pf)) {
            if (e.path().extension() != ".cpp") continue;
            std::ifstream in(e.path());
            std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            auto it = reName.globalMatch(QString::fromStdString(s));
            while (it.hasNext()) seiten.insert(it.next().captured(1).toStdString());
        }
    }
    const QRegularExpression reLink("href=\"([^\"#]*)");
    const QRegularExpression reTitel("<title>([^<]+)</title>");
    for (const char* pcSprache : {"DE", "EN"}) {
        for (const auto& sSeite : seiten)
            EXPECT_TRUE(fs::is_regular_file(HilfeOrdner(pcSprache) / sSeite)) << pcSprache << "/" << sSeite;
        for (const auto& e : fs::directory_iterator(HilfeOrdner(pcSprache))) {
            std::ifstream in(e.path());
            std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const QString sHtml = QString::fromStdString(s);
            EXPECT_TRUE(reTitel.match(sHtml).hasMatch()) << e.path();
            auto it = reLink.globalMatch(sHtml);
            while (it.hasNext()) {
                const std::string sZiel = it.next().captured(1).toStdString();
                if (sZiel.empty() || sZiel.find(':') != std::string::npos) continue;
                EXPECT_TRUE(fs::is_regular_file(e.path().parent_path() / sZiel))
                    << e.path() << " links to " << sZiel;
            }
        }
    }
    // Both languages carry the same pages.
    std::set<std::string> de, en;
    for (const auto& e : fs::directory_iterator(HilfeOrdner("DE"))) de.insert(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(HilfeOrdner("EN"))) en.insert(e.path().filename().string());
    EXPECT_EQ(de, en);
}

// Menus and items named by a page are named as the program shows them in
// that language: each is the caption of a menu or menu item in the
// language's text file (without its '&'), and the pages name them.
TEST(HilfeSeiten, MenueNamenWieImProgramm)
{
    const QRegularExpression reMenue("<span class=\"menu\">([^<]+)</span>");
    const std::pair<const char*, const char*> sprachen[] = {{"DE", "GERMAN.dat"}, {"EN", "ENGLISH.dat"}};
    for (const auto& [pcOrdner, pcDatei] : sprachen) {
        std::set<std::string> beschriftungen;
        std::ifstream in(testhilfe::Programmordner() / "__system" / "Sprachen" / pcDatei);
        for (std::string z; std::getline(in, z);) {
            const int iNr = std::atoi(z.c_str());
            const bool bMenue = iNr == 1143 || iNr == 1364 || (iNr >= 1267 && iNr <= 1303);
            const std::size_t n = z.find('=');
            if (!bMenue || n == std::string::npos) continue;
            std::string sText = z.substr(n + 1);
            sText.erase(std::remove(sText.begin(), sText.end(), '&'), sText.end());
            beschriftungen.insert(sText);
        }
        ASSERT_GT(beschriftungen.size(), 30u) << pcDatei;
        int iGenannt = 0;
        for (const auto& e : fs::directory_iterator(HilfeOrdner(pcOrdner))) {
            std::ifstream seite(e.path());
            const std::string s((std::istreambuf_iterator<char>(seite)), std::istreambuf_iterator<char>());
            auto it = reMenue.globalMatch(QString::fromStdString(s));
            while (it.hasNext()) {
                const std::string sName = it.next().captured(1).toStdString();
                EXPECT_TRUE(beschriftungen.count(sName)) << e.path() << ": " << sName;
                ++iGenannt;
            }
        }
        EXPECT_GT(iGenannt, 20) << pcOrdner;
    }
}
