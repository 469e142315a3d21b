// Panel object: construction, positions, property copies and the text line.
#include "PanelTestHilfe.h"

#include "PoolText.h"
#include "WinText.h"

#include <QFontMetrics>

using paneltest::PanelTest;

namespace {

// An object as the panel-file reader makes it before parsing its line.
struct TLeser {
    QWidget eltern;
    TMyObj obj{&eltern, 0, 10, 10, 10, 10};
};

void Kontrollposition(const TMyObj& o)
{
    EXPECT_EQ(o.Left(), o.x);
    EXPECT_EQ(o.Top(), o.y);
    EXPECT_EQ(o.Width(), o.w);
    EXPECT_EQ(o.Height(), o.h);
}

} // namespace

// --- Construction and position ----------------------------------------------

TEST_F(PanelTest, NeueObjekteBekommenIhreFesteGroesse)
{
    QWidget eltern;
    TMyObj led(&eltern, LED, 5, 6, 80, 90);
    EXPECT_EQ(led.w, 12);
    EXPECT_EQ(led.h, 12);
    EXPECT_EQ(led.Width(), 12);
    for (int32_t iArt : {AnalogEingang, AnalogerAusgang}) {
        TMyObj a(&eltern, iArt, 1, 2, 3, 300);
        EXPECT_EQ(a.w, 20);
        EXPECT_EQ(a.h, 20);
        EXPECT_EQ(a.x, 1);
        EXPECT_EQ(a.y, 2);
        Kontrollposition(a);
    }
    // A text keeps what it was given.
    TMyObj t(&eltern, Dynamische_Beschriftung, 0, 0, 33, 17);
    EXPECT_EQ(t.w, 33);
    EXPECT_EQ(t.h, 17);
}

TEST_F(PanelTest, StatischerTextOhneGroesseNimmtDieTextmasse)
{
    QWidget eltern;
    TMyObj t(&eltern, Statische_Beschriftung, 4, 7, 0, 0);
    const std::string sStandard = PoolText(1261);
    ASSERT_FALSE(sStandard.empty());
    EXPECT_EQ(t.Text0, sStandard);
    const QFontMetrics fm(t.font());
    EXPECT_EQ(t.h, fm.height());
    EXPECT_EQ(t.w, fm.horizontalAdvance(QString::fromUtf8(sStandard)));
    EXPECT_GT(t.w, 0);
    Kontrollposition(t);

    // Kinds without a default text get width 0 from an empty text.
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 0, 0);
    EXPECT_EQ(d.w, 0);
    EXPECT_EQ(d.h, fm.height());
}

TEST_F(PanelTest, GrundwerteNachDemBau)
{
    QWidget eltern;
    TMyObj o(&eltern, LED, 0, 0, 0, 0);
    EXPECT_EQ(o.MoveNr, -1);
    EXPECT_EQ(o.ColorHi, 0xC0C0C0);
    EXPECT_EQ(o.ColorLo, 0);
    EXPECT_EQ(o.Obj, LED);
    EXPECT_FALSE(o.Clickable);
    EXPECT_EQ(o.Op, 0);
    EXPECT_TRUE(o.Text0.empty());
    EXPECT_EQ(o.pBild0, nullptr);
    EXPECT_FALSE(o.bMausGedrueckt);
    EXPECT_FALSE(o.isHidden());
    EXPECT_EQ(o.parentWidget(), &eltern);
}

TEST_F(PanelTest, SetzerAendernEntwurfUndKontrolle)
{
    QWidget eltern;
    TMyObj o(&eltern, Dynamische_Beschriftung, 1, 1, 30, 12);
    o.SetLeft(40);
    o.SetTop(50);
    o.SetWidth(60);
    o.SetHeight(70);
    EXPECT_EQ(o.x, 40);
    EXPECT_EQ(o.y, 50);
    EXPECT_EQ(o.w, 60);
    EXPECT_EQ(o.h, 70);
    Kontrollposition(o);

    o.PosVerschiebenAbs(7, 8);
    EXPECT_EQ(o.Left(), 7);
    EXPECT_EQ(o.Top(), 8);
    Kontrollposition(o);

    // An offset that would leave the area is refused per axis.
    o.PosVerschiebenOfs(-10, 5);
    EXPECT_EQ(o.Left(), 7);
    EXPECT_EQ(o.Top(), 13);
    o.PosVerschiebenOfs(3, -13);
    EXPECT_EQ(o.Left(), 10);
    EXPECT_EQ(o.Top(), 0);
    EXPECT_NE(o.dwVerschiebeZeit, 0u);
}

// --- Property copies -----------------------------------------------------------

TEST_F(PanelTest, StatischerTextEigenschaften)
{
    QWidget eltern;
    TMyObj t(&eltern, Statische_Beschriftung, 0, 0, 5, 10);
    t.SetEigenschaftenStaticText("", 0x112233, 0x445566, true);
    EXPECT_EQ(t.Text0, std::string(15, ' '));
    EXPECT_EQ(t.ColorLo, 0x112233);
    EXPECT_EQ(t.ColorHi, 0x445566);
    EXPECT_TRUE(t.Transparent);

    const std::string sLang = "Ein recht langer Text fuer die Breite";
    t.SetEigenschaftenStaticText(sLang, 0, 0, false);
    const int iNoetig = QFontMetrics(t.font()).horizontalAdvance(QString::fromUtf8(sLang)) + 2;
    EXPECT_EQ(t.w, iNoetig);
    EXPECT_EQ(t.Width(), iNoetig);
    // Never narrower.
    t.SetEigenschaftenStaticText("x", 0, 0, false);
    EXPECT_EQ(t.w, iNoetig);
}

TEST_F(PanelTest, DynamischerTextKopiertVomMuster)
{
    QWidget eltern;
    TMyObj muster(&eltern, Dynamische_Beschriftung, 3, 4, 55, 16);
    muster.Op = 'M';
    muster.Adr = 20;
    muster.Bit = 3;
    muster.OpGroesse = 2;
    muster.Darstellung = DARSTELLUNG_HEX;
    muster.Text1 = "an";
    muster.DBNR = 9;
    muster.Clickable = true;
    TMyObj kopie(&eltern, Dynamische_Beschriftung, 100, 100, 0, 0);
    kopie.SetEigenschaftenDynamischerText(&muster, 30, 1);
    EXPECT_EQ(kopie.Op, 'M');
    EXPECT_EQ(kopie.Adr, 30);
    EXPECT_EQ(kopie.Bit, 1);
    EXPECT_EQ(kopie.OpGroesse, 2);
    EXPECT_EQ(kopie.Darstellung, DARSTELLUNG_HEX);
    EXPECT_EQ(kopie.Text1, "an");
    EXPECT_EQ(kopie.DBNR, 9);
    EXPECT_TRUE(kopie.Clickable);
    EXPECT_EQ(kopie.Width(), 55);
    EXPECT_EQ(kopie.Height(), 16);

    TMyObj ohneAdresse(&eltern, Dynamische_Beschriftung, 0, 0, 0, 0);
    ohneAdresse.SetEigenschaftenDynamischerText(&muster, -1, -1);
    EXPECT_EQ(ohneAdresse.Adr, 20);
    EXPECT_EQ(ohneAdresse.Bit, 3);
}

TEST_F(PanelTest, LEDKopieSetztDieHotkeyZeitZurueck)
{
    QWidget eltern;
    TMyObj muster(&eltern, LED, 0, 0, 0, 0);
    muster.SetWidth(30);
    muster.SetHeight(14);
    muster.Op = 'E';
    muster.Adr = 4;
    muster.Bit = 6;
    muster.ColorHi = 0xFF;
    muster.Variable = 3;
    TMyObj kopie(&eltern, LED, 0, 0, 0, 0);
    kopie.dwHotKeyZeit = 1234;
    kopie.SetEigenschaftenLED(&muster, 5, 0);
    EXPECT_EQ(kopie.Op, 'E');
    EXPECT_EQ(kopie.Adr, 5);
    EXPECT_EQ(kopie.Bit, 0);
    EXPECT_EQ(kopie.ColorHi, 0xFF);
    EXPECT_EQ(kopie.Variable, 3);
    EXPECT_EQ(kopie.Width(), 30);
    EXPECT_EQ(kopie.Height(), 14);
    EXPECT_EQ(kopie.dwHotKeyZeit, 0u);

    // With pictures but no project folder nothing is loaded.
    muster.GrafikAkt = true;
    muster.Grafik1 = "gibtsnicht.bmp";
    kopie.SetEigenschaftenLED(&muster, -1, -1);
    EXPECT_EQ(kopie.pBild1, nullptr);
    EXPECT_EQ(kopie.pBild0, nullptr);
    EXPECT_EQ(kopie.Adr, 4);
}

TEST_F(PanelTest, AnalogeingangAusDemEditorIstKlickbarAusDerZeileNicht)
{
    QWidget eltern;
    TMyObj muster(&eltern, AnalogEingang, 0, 0, 0, 0);
    muster.Op = 'I';
    muster.PosVerschiebenAbs(11, 12);
    muster.SetWidth(40);
    muster.SetHeight(80);
    TMyObj kopie(&eltern, AnalogEingang, 0, 0, 0, 0);
    kopie.SetEigenschaftenAnalogEA(&muster);
    EXPECT_TRUE(kopie.Clickable);
    EXPECT_EQ(kopie.x, 11);
    EXPECT_EQ(kopie.y, 12);
    Kontrollposition(kopie);
    EXPECT_EQ(kopie.Width(), 40);

    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten(kopie.pcGetINIString()));
    EXPECT_FALSE(l.obj.Clickable);
    EXPECT_EQ(l.obj.Op, 'I');

    muster.Op = 'Q';
    kopie.SetEigenschaftenAnalogEA(&muster);
    EXPECT_FALSE(kopie.Clickable);
}

// --- Text line ---------------------------------------------------------------

TEST_F(PanelTest, ZeilenformateSindByteGenau)
{
    QWidget eltern;
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'A';
    led.Adr = 4;
    led.Bit = 7;
    led.ColorHi = static_cast<int32_t>(0xFF0000FFu);   // a colour with the top bit set
    led.ColorLo = 0x00FF00;
    led.Clickable = true;
    led.HotKeyAktiv = true;
    led.HotKey = 'k';
    led.Grafik1 = "ein.bmp";
    led.MoveNr = 2;
    led.PosVerschiebenAbs(9, 8);
    EXPECT_EQ(led.pcGetINIString(),
              "$Obj=3,$Op=A,$Adr=4,$Bit=7,$ColorHi=-16776961,$ColorLo=65280,$DBNR=0,$Clickable=1,"
              "$Variable=0,$HotKeyAktiv=1,$HotKey=107,$Grundstellung=0,$GrafikAbs=0,$GrafikAkt=0,"
              "$Grafik1=ein.bmp,$Grafik0=,$MoveNr=2,$MoveAktiv=0,$Taster=0,$x=9,$y=8,$w=12,$h=12");

    TMyObj a(&eltern, AnalogerAusgang, 1, 2, 0, 0);
    a.Op = 'Q';
    a.Adr = 256;
    a.DefaultE = 1.239f;
    a.Ausrichtung = 'r';
    a.Messb = 3;
    EXPECT_EQ(a.pcGetINIString(),
              "$Obj=6,$Op=Q,$Adr=256,$DefaultE=1.24,$ColorHi=12632256,$Aufl=0,$Messb=3,"
              "$Ausrichtung=r,$AdrAnzeigen=0,$IstwertAnzeigen=0,$MoveNr=-1,$MoveAktiv=0,$x=1,$y=2,"
              "$w=20,$h=20");

    TMyObj s(&eltern, Statische_Beschriftung, 3, 4, 50, 14);
    s.Text0 = "$rMotor";
    s.Transparent = true;
    EXPECT_EQ(s.pcGetINIString(), "$Obj=1,$ColorH=12632256,$ColorT=0,$x=3,$y=4,$w=50,$h=14,"
                                  "$Transparent=1,$MoveNr=-1,$MoveAktiv=0,$Text=$rMotor");

    TMyObj d(&eltern, Dynamische_Beschriftung, 5, 6, 40, 13);
    d.Op = 'D';
    d.DBNR = 12;
    d.OpGroesse = 4;
    d.Darstellung = 4;
    d.Text0 = "aus";
    d.Text1 = "ein";
    d.BoolText = true;
    EXPECT_EQ(d.pcGetINIString(),
              "$Obj=2,$Op=D,$Adr=0,$Bit=0,$ColorHi=12632256,$ColorLo=0,$DBNR=12,$Clickable=0,"
              "$Variable=0,$OpGroesse=4,$Darstellung=4,$MoveNr=-1,$MoveAktiv=0,$MitOpAnzeigen=0,"
              "$x=5,$y=6,$w=40,$h=13,$BoolText=1,$Text0=aus,$Text1=ein");
}

// Every carried field is set off its default; the line read back and
// written again is the same line (the exact formats are checked above), and
// the object's control stands at its design position.
TEST_F(PanelTest, RundreiseAllerArten)
{
    QWidget eltern;
    auto Rundreise = [](const TMyObj& o) {
        TLeser l;
        EXPECT_TRUE(l.obj.bINIStringAuswerten(o.pcGetINIString()));
        EXPECT_EQ(l.obj.pcGetINIString(), o.pcGetINIString());
        EXPECT_EQ(l.obj.Obj, o.Obj);
        Kontrollposition(l.obj);
        return l.obj.pcGetINIString();
    };
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'I';
    led.Adr = 65535;
    led.Bit = 5;
    led.ColorHi = -1;
    led.ColorLo = 0x123456;
    led.DBNR = 300;
    led.Clickable = led.HotKeyAktiv = led.Grundstellung = led.GrafikAbs = led.GrafikAkt = true;
    led.Variable = 4;
    led.HotKey = 200;
    led.Grafik1 = "auf.jpg";
    led.Grafik0 = "zu.bmp";
    led.MoveNr = 29;
    led.MoveAktiv = led.Taster = true;
    led.PosVerschiebenAbs(-5, 600);
    led.SetWidth(33);
    led.SetHeight(44);
    Rundreise(led);

    TMyObj a(&eltern, AnalogEingang, 7, 8, 0, 0);
    a.Op = 'E';
    a.Adr = 512;
    a.DefaultE = -3.14159f;
    a.ColorHi = 0x0000FF;
    a.Aufl = 12;
    a.Messb = 29;
    a.Ausrichtung = 'l';
    a.AdrAnzeigen = a.IstwertAnzeigen = a.MoveAktiv = true;
    a.MoveNr = 0;
    EXPECT_NE(Rundreise(a).find("$DefaultE=-3.14,"), std::string::npos);

    TMyObj s(&eltern, Statische_Beschriftung, 1, 2, 3, 4);
    s.Text0 = "Förderband läuft °C";
    s.ColorHi = 0x00FFFF;
    s.ColorLo = 0xFF0000;
    s.Transparent = true;
    s.MoveNr = 3;
    EXPECT_NE(Rundreise(s).find("$Text=Förderband läuft °C"), std::string::npos);

    TMyObj d(&eltern, Dynamische_Beschriftung, 9, 9, 9, 9);
    d.Op = 'P';
    d.Adr = 256;
    d.Bit = 2;
    d.ColorHi = 1;
    d.ColorLo = 2;
    d.DBNR = 3;
    d.Clickable = d.MitOpAnzeigen = d.BoolText = true;
    d.Variable = 13;
    d.OpGroesse = 2;
    d.Darstellung = 3;
    d.Text0 = "Null";
    d.Text1 = "Eins";
    Rundreise(d);
}

TEST_F(PanelTest, DefaultEMitZweiNachkommastellen)
{
    QWidget eltern;
    TMyObj a(&eltern, AnalogEingang, 0, 0, 0, 0);
    a.Op = 'E';
    for (auto [f, pcText] : {std::pair{4.0f, "4.00"}, {12.345f, "12.35"}, {-0.5f, "-0.50"},
                             {0.004f, "0.00"}, {27648.0f, "27648.00"}}) {
        a.DefaultE = f;
        const std::string s = a.pcGetINIString();
        EXPECT_NE(s.find(std::string(",$DefaultE=") + pcText + ","), std::string::npos) << s;
    }
}

TEST_F(PanelTest, LangeZeilenKommenGanzZurueck)
{
    QWidget eltern;
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 10, 10);
    d.Text0 = std::string(1500, 'a');
    d.Text1 = std::string(800, 'b');
    d.PosVerschiebenAbs(123, 456);
    const std::string sZeile = d.pcGetINIString();
    ASSERT_GT(sZeile.size(), 2300u);
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten(sZeile));
    EXPECT_EQ(l.obj.Text0, d.Text0);
    EXPECT_EQ(l.obj.Text1, d.Text1);
    EXPECT_EQ(l.obj.x, 123);
    EXPECT_EQ(l.obj.y, 456);
}

TEST_F(PanelTest, LeereZeichenfelderVerlierenKeineFelder)
{
    QWidget eltern;
    // Letter 0 and direction 0 (the default) must not cut the line.
    TMyObj a(&eltern, AnalogerAusgang, 31, 32, 0, 0);
    a.SetWidth(41);
    a.SetHeight(42);
    a.IstwertAnzeigen = true;
    const std::string sZeile = a.pcGetINIString();
    EXPECT_NE(sZeile.find("$Op=,"), std::string::npos);
    EXPECT_NE(sZeile.find("$Ausrichtung=,"), std::string::npos);
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten(sZeile));
    EXPECT_EQ(l.obj.Op, 0);
    EXPECT_EQ(l.obj.Ausrichtung, 0);
    EXPECT_TRUE(l.obj.IstwertAnzeigen);
    EXPECT_EQ(l.obj.x, 31);
    EXPECT_EQ(l.obj.y, 32);
    EXPECT_EQ(l.obj.w, 41);
    EXPECT_EQ(l.obj.h, 42);
}

TEST_F(PanelTest, ZeileNurMitObjUndAdr)
{
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=3,$Adr=5"));
    const TMyObj& r = l.obj;
    EXPECT_EQ(r.Obj, LED);
    EXPECT_EQ(r.Adr, 5);
    EXPECT_EQ(r.Bit, 0);
    EXPECT_EQ(r.Op, 0);
    EXPECT_EQ(r.ColorHi, 0);
    EXPECT_EQ(r.ColorLo, 0);
    EXPECT_EQ(r.MoveNr, 0);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.w, 0);
    EXPECT_EQ(r.h, 0);
    Kontrollposition(r);
}

TEST_F(PanelTest, SchluesselMitGleichheitszeichen)
{
    TLeser l;
    // "$Adr=" is not found inside "$AdrAnzeigen=".
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=5,$AdrAnzeigen=1,$Op=E"));
    EXPECT_EQ(l.obj.Adr, 0);
    EXPECT_TRUE(l.obj.AdrAnzeigen);
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=5,$AdrAnzeigen=0,$Adr=17"));
    EXPECT_EQ(l.obj.Adr, 17);
    EXPECT_FALSE(l.obj.AdrAnzeigen);

    // "$ColorH=" (static text) and "$ColorHi=" are different keys.
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=1,$ColorHi=255,$Text=a"));
    EXPECT_EQ(l.obj.ColorHi, 0);
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=2,$ColorH=77,$Text0=b"));
    EXPECT_EQ(l.obj.ColorHi, 0);
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=2,$ColorH=77,$ColorHi=88"));
    EXPECT_EQ(l.obj.ColorHi, 88);
    // "$Text=" is not found inside "$Text0=".
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=1,$Text0=falsch"));
    EXPECT_EQ(l.obj.Text0, "");
}

TEST_F(PanelTest, BeschaedigterGrundwertGiltAlsNull)
{
    TLeser l;
    for (const char* pcWert : {"nan", "inf", "1e99", "-1e50"}) {
        ASSERT_TRUE(l.obj.bINIStringAuswerten(std::string("$Obj=5,$Op=E,$DefaultE=") + pcWert));
        EXPECT_EQ(l.obj.DefaultE, 0.0f) << pcWert;
    }
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=5,$DefaultE=12.5,$Op=E"));
    EXPECT_EQ(l.obj.DefaultE, 12.5f);
}

TEST_F(PanelTest, ZeilenendeGehoertNichtZumText)
{
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=1,$x=1,$Text=Pumpe 3\r\n"));
    EXPECT_EQ(l.obj.Text0, "Pumpe 3");
}

TEST_F(PanelTest, UnbekannteArtenBeimSchreibenUndLesen)
{
    QWidget eltern;
    TMyObj g(&eltern, Grafik, 0, 0, 10, 10);
    EXPECT_EQ(g.pcGetINIString(), "");
    auto meldungen = GezeigteMeldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].sText, PoolText(1263));
    EXPECT_EQ(meldungen[0].uTyp & 0xF0u, MB_ICONERROR);

    GezeigteMeldungenLoeschen();
    TLeser l;
    l.obj.Text0 = "bleibt";
    EXPECT_FALSE(l.obj.bINIStringAuswerten("$Obj=9,$MoveNr=4,$MoveAktiv=1,$Text=neu,$x=50"));
    meldungen = GezeigteMeldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].sText, "Unbekannte Objekt-ID beim Auslesen:9");
    // Kind and motion were taken before the kind was found unknown.
    EXPECT_EQ(l.obj.Obj, 9);
    EXPECT_EQ(l.obj.MoveNr, 4);
    EXPECT_TRUE(l.obj.MoveAktiv);
    EXPECT_EQ(l.obj.Text0, "bleibt");
    EXPECT_EQ(l.obj.x, 10);

    // Without "$Obj=" the object stays as it was and nobody is told.
    GezeigteMeldungenLoeschen();
    EXPECT_FALSE(l.obj.bINIStringAuswerten("$Objekt=3,$MoveNr=7"));
    EXPECT_EQ(l.obj.MoveNr, 4);
    EXPECT_TRUE(GezeigteMeldungen().empty());
}

TEST(PanelZahlen, TexteWieDieCBibliothekSieLiest)
{
    EXPECT_DOUBLE_EQ(dTextAlsReal("  -12.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(dTextAlsReal("+3e2;"), 300.0);
    EXPECT_DOUBLE_EQ(dTextAlsReal("x1"), 0.0);
    EXPECT_DOUBLE_EQ(dTextAlsReal(""), 0.0);
    EXPECT_EQ(iTextAlsGanzzahl(" -27648;"), -27648);
    EXPECT_EQ(iTextAlsGanzzahl("99999999999"), INT32_MAX);
    EXPECT_EQ(iTextAlsGanzzahl("-99999999999"), INT32_MIN);
    EXPECT_EQ(FestkommaText(5.0, 0, 2), " 5");
    EXPECT_EQ(FestkommaText(-1.005, 1, 2), "-1.0");
    EXPECT_EQ(FestkommaText(2.5, 3, 2), "2.500");
    EXPECT_EQ(Utf8ZeichenKuerzen("°Cx", 2), "°C");
    EXPECT_EQ(Utf8Kuerzen("a°", 2), "a");   // "°" is two bytes and does not fit
}

// --- Hostile lines ------------------------------------------------------------

TEST_F(PanelTest, PositionenAusDerDateiBleibenImBildschirmbereich)
{
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten(
        "$Obj=1,$x=2147483647,$y=-2147483648,$w=2147483647,$h=99999,$Text=a"));
    EXPECT_EQ(l.obj.x, iKoordinateMax);
    EXPECT_EQ(l.obj.y, iKoordinateMin);
    EXPECT_EQ(l.obj.w, iKoordinateMax);
    EXPECT_EQ(l.obj.h, iKoordinateMax);
    Kontrollposition(l.obj);
    EXPECT_EQ(l.obj.iVerworfeneFelder, 0);
}

TEST_F(PanelTest, ZeichenfelderNurAscii)
{
    // "$Op=Ä" holds two UTF-8 bytes; the one-byte field would keep a lone
    // byte that, written back, makes the file invalid UTF-8.
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=5,$Op=\xC3\x84,$Adr=2,$Ausrichtung=\xE4,$x=1"));
    EXPECT_EQ(l.obj.Op, 0);
    EXPECT_EQ(l.obj.Ausrichtung, 0);
    EXPECT_EQ(l.obj.iVerworfeneFelder, 2);
    EXPECT_EQ(l.obj.Adr, 2);
    // A byte set by other means is not written either.
    l.obj.Op = static_cast<char>(0xC3);
    const std::string sZeile = l.obj.pcGetINIString();
    EXPECT_TRUE(bIstUtf8(sZeile)) << sZeile;
    EXPECT_NE(sZeile.find("$Op=,"), std::string::npos);
    ASSERT_TRUE(l.obj.bINIStringAuswerten("$Obj=3,$Op=E,$Adr=1,$x=1"));
    EXPECT_EQ(l.obj.Op, 'E');
    EXPECT_EQ(l.obj.iVerworfeneFelder, 0);
}

TEST_F(PanelTest, BildnamenDieDieZeileVeraendernWuerden)
{
    EXPECT_TRUE(bBildNameZulaessig("Lampe an$1.bmp"));
    EXPECT_TRUE(bBildNameZulaessig("a=b.bmp"));
    EXPECT_FALSE(bBildNameZulaessig("a$x=20.bmp"));
    EXPECT_FALSE(bBildNameZulaessig("a,b.bmp"));
    TLeser l;
    ASSERT_TRUE(l.obj.bINIStringAuswerten(
        "$Obj=3,$Op=E,$GrafikAkt=1,$Grafik1=a$y=7.bmp,$Grafik0=aus.bmp,$x=5,$y=6,$w=12,$h=12"));
    EXPECT_EQ(l.obj.Grafik1, "");
    EXPECT_EQ(l.obj.Grafik0, "aus.bmp");
    EXPECT_EQ(l.obj.iVerworfeneFelder, 1);
}
