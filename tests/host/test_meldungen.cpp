// The boxes, the question dialog, the hourglass and the small helpers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include "HostTestHilfe.h"
#include "Meldungen.h"
#include "Programm.h"
#include "kolv_spr2.h"

using namespace hosttest;

namespace {

std::map<unsigned long, std::string> DateiTexte()
{
    const char* pcName = SPR_GetSprachStrVonId(SPR_GetTextSprache());
    return TexteLesen(cSystemVerzeichnis + "Sprachen/" + pcName + ".dat");
}

} // namespace

TEST(Meldungen, TitelUndBoxenTragenProgrammtitelUndSymbol)
{
    Programmumgebung u;
    EXPECT_STREQ(ProgrammTitel(), "Veltrano 1.6.1");

    u.iAntwort = 1;
    EXPECT_EQ(FehlerMeldung("Fehler A"), 1);
    u.iAntwort = 2;   // whatever the box answers is handed through
    EXPECT_EQ(InfoMeldung(std::string("Info B")), 2);
    ASSERT_EQ(u.Meldungen.size(), 2u);
    EXPECT_EQ(u.Meldungen[0].sText, "Fehler A");
    EXPECT_EQ(u.Meldungen[0].sTitel, "Veltrano 1.6.1");
    EXPECT_EQ(u.Meldungen[0].uTyp & 0xF0u, MB_ICONERROR);
    EXPECT_EQ(u.Meldungen[0].uTyp & 0x0Fu, MB_OK);
    EXPECT_EQ(u.Meldungen[1].sText, "Info B");
    EXPECT_EQ(u.Meldungen[1].uTyp & 0xF0u, MB_ICONINFORMATION);
}

TEST(Meldungen, FrageHatLokalisierteKnoepfeUndGibtDieAntwort)
{
    Programmumgebung u;
    const auto Texte = DateiTexte();
    for (int iAntwort : {6, 7, 2}) {
        u.Meldungen.clear();
        u.iAntwort = iAntwort;
        EXPECT_EQ(iJaNeinAbbruchFrage("Speichern?"), iAntwort);
        ASSERT_EQ(u.Meldungen.size(), 1u);
        const TMeldung& m = u.Meldungen[0];
        EXPECT_EQ(m.sText, "Speichern?");
        EXPECT_EQ(m.sTitel, Texte.at(1253));
        ASSERT_EQ(m.knoepfe.size(), 3u);
        EXPECT_EQ(m.knoepfe[0], Texte.at(1182));
        EXPECT_EQ(m.knoepfe[1], Texte.at(1254));
        EXPECT_EQ(m.knoepfe[2], Texte.at(1255));
    }
}

TEST(Meldungen, FrageDurchSchliessenGibtAbbruch)
{
    Programmumgebung u;
    MeldungsAntworterSetzen({});
    MeldungenImOffscreenZeigen(true);
    // Close the real dialog by its window, as the title bar's close box does.
    bool bGeschlossen = false;
    QTimer Schliesser;
    QObject::connect(&Schliesser, &QTimer::timeout, [&] {
        QWidget* p = QApplication::activeModalWidget();
        if (p && p->isVisible() && !bGeschlossen) {
            bGeschlossen = true;
            p->close();
        }
    });
    Schliesser.start(50);
    const int iErgebnis = iJaNeinAbbruchFrage("Schliessen?");
    MeldungenImOffscreenZeigen(false);
    EXPECT_TRUE(bGeschlossen);
    EXPECT_EQ(iErgebnis, 2);
}

TEST(Meldungen, SanduhrVerschachtelt)
{
    while (iSanduhrTiefe() > 0) SanduhrAus();
    SanduhrAus();   // without a SanduhrEin: stays at 0, default cursor
    EXPECT_EQ(iSanduhrTiefe(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    SanduhrEin();
    SanduhrEin();
    EXPECT_EQ(iSanduhrTiefe(), 2);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    SanduhrAus();
    ASSERT_NE(QApplication::overrideCursor(), nullptr) << "inner pair ended the hourglass";
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SanduhrAus();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(iSanduhrTiefe(), 0);
}

TEST(Uhrzeitalarm, JahreUndGrenzen)
{
    struct Fall {
        const char* pcDatum;
        bool bDatumGueltig;
    };
    const Fall Faelle[] = {
        {"01.01.1989", false}, {"01.01.1990", true}, {"31.12.2020", true}, {"01.01.2021", false},
        {"00.00.2000", true},  {"32.01.2000", false}, {"01.13.2000", false},
    };
    for (const Fall& f : Faelle) {
        TUhrzeitAlarm a{};
        bool bZeit = true, bDatum = true;
        const bool bOk = bUhrzeitAlarmAusText("12:30", &bZeit, f.pcDatum, &bDatum, &a);
        EXPECT_EQ(bDatum, !f.bDatumGueltig) << f.pcDatum;
        EXPECT_FALSE(bZeit) << f.pcDatum;
        EXPECT_EQ(bOk, f.bDatumGueltig) << f.pcDatum;
    }
    TUhrzeitAlarm a{};
    bool bZeit = false, bDatum = false;
    EXPECT_FALSE(bUhrzeitAlarmAusText("24:00", &bZeit, "15.06.2005", &bDatum, &a));
    EXPECT_TRUE(bZeit);
    EXPECT_FALSE(bDatum);
    EXPECT_FALSE(bUhrzeitAlarmAusText("23:60", &bZeit, "15.06.2005", &bDatum, &a));
    EXPECT_TRUE(bZeit);
    EXPECT_TRUE(bUhrzeitAlarmAusText("23:59", &bZeit, "15.06.2005", &bDatum, &a));
    // The values are stored whether valid or not.
    bUhrzeitAlarmAusText("07:45", &bZeit, "28.02.2030", &bDatum, &a);
    EXPECT_TRUE(bDatum);
    EXPECT_EQ(a.byStunde, 7);
    EXPECT_EQ(a.byMinute, 45);
    EXPECT_EQ(a.byTag, 28);
    EXPECT_EQ(a.byMonat, 2);
    EXPECT_EQ(a.wJahr, 2030);
}

TEST(Uhrzeitalarm, KurzeTexteLesenNichtUeberDasEnde)
{
    TUhrzeitAlarm a{};
    a.byMinute = 99;
    a.wJahr = 1234;
    bool bZeit = false, bDatum = false;
    // "1" has no minute and "05.0" no year: those read as 0.
    EXPECT_FALSE(bUhrzeitAlarmAusText("1", &bZeit, "05.0", &bDatum, &a));
    EXPECT_FALSE(bZeit);
    EXPECT_TRUE(bDatum);
    EXPECT_EQ(a.byStunde, 1);
    EXPECT_EQ(a.byMinute, 0);
    EXPECT_EQ(a.byTag, 5);
    EXPECT_EQ(a.wJahr, 0);
    EXPECT_FALSE(bUhrzeitAlarmAusText("", &bZeit, "", &bDatum, &a));
    EXPECT_FALSE(bUhrzeitAlarmAusText(nullptr, &bZeit, nullptr, &bDatum, &a));
    EXPECT_TRUE(bDatum);
}

TEST(Uhrzeitalarm, TexteDerZeitUndDerPeriode)
{
    Programmumgebung u;
    TUhrzeitAlarm a{};
    a.byStunde = 6;
    a.byMinute = 5;
    a.byTag = 9;
    a.byMonat = 11;
    a.wJahr = 2019;
    char cZeit[20], cDatum[20];
    UhrzeitAlarmAlsText(cZeit, cDatum, &a);
    EXPECT_STREQ(cZeit, "06:05:00");
    EXPECT_STREQ(cDatum, "09.11.2019");
    // What is written reads back to the same record.
    TUhrzeitAlarm b{};
    bool bZeit = true, bDatum = true;
    EXPECT_TRUE(bUhrzeitAlarmAusText(cZeit, &bZeit, cDatum, &bDatum, &b));
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);

    const auto Texte = DateiTexte();
    const std::pair<uint16_t, unsigned long> Perioden[] = {
        {0x0000, 1185}, {0x0201, 1186}, {0x0401, 1187}, {0x1001, 1188},
        {0x1201, 1189}, {0x1401, 1190}, {0x1801, 1191}, {0x2001, 1192}};
    for (const auto& [wCode, ulText] : Perioden) EXPECT_EQ(UhrzeitAlarmPeriodeText(wCode), Texte.at(ulText));
    EXPECT_EQ(UhrzeitAlarmPeriodeText(0x0202), "");
    char cKurz[4] = "xyz";
    EXPECT_EQ(UhrzeitAlarmPeriodeText(0x0201, cKurz, sizeof cKurz), cKurz);
    EXPECT_EQ(std::string(cKurz), Texte.at(1186).substr(0, 3));
}

TEST(Helfer, RechteckZeileMaximum)
{
    QRect a(1, 2, 30, 40), b;
    RectKopieren(&b, &a);
    EXPECT_EQ(b, a);
    EXPECT_EQ(dwMax(3, 0xFFFFFFF0u), 0xFFFFFFF0u);
    EXPECT_EQ(dwMax(7, 7), 7u);

    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ZeileSchreiben("$Obj=1", f), 6);
    EXPECT_EQ(ZeileSchreiben("", f), 0);
    std::rewind(f);
    char cPuffer[32] = {};
    const std::size_t n = std::fread(cPuffer, 1, sizeof cPuffer - 1, f);
    std::fclose(f);
    EXPECT_EQ(std::string(cPuffer, n), "$Obj=1\n\n");
    EXPECT_EQ(ZeileSchreiben("x", nullptr), EOF);
}

TEST(Helfer, Rahmen3DHellObenLinksDunkelUntenRechts)
{
    QImage Bild(20, 20, QImage::Format_RGB32);
    Bild.fill(Qt::gray);
    {
        QPainter p(&Bild);
        const QRect rc(QPoint(2, 3), QPoint(15, 16));
        Rahmen3DZeichnen(p, &rc);
    }
    EXPECT_EQ(QColor(Bild.pixel(2, 9)), QColor(Qt::white));    // left edge
    EXPECT_EQ(QColor(Bild.pixel(8, 3)), QColor(Qt::white));    // top edge
    EXPECT_EQ(QColor(Bild.pixel(15, 9)), QColor(Qt::black));   // right edge
    EXPECT_EQ(QColor(Bild.pixel(8, 16)), QColor(Qt::black));   // bottom edge
    EXPECT_EQ(QColor(Bild.pixel(8, 9)), QColor(Qt::gray));     // inside untouched
}
