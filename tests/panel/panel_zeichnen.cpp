// Painting: objects are painted offscreen into an image and the pixels
// that matter are checked; the repaint requests and the push-button
// release of the cycle step.
#include "PanelTestHilfe.h"

#include "SystemVariablen.h"
#include "WinZeit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <memory>
#include <vector>

using paneltest::PanelTest;

namespace {

const QColor cMarke(255, 0, 255);          // what the painting left alone
const QColor cGelb(255, 255, 0);           // 0x00FFFF
const QColor cCyan(0, 255, 255);           // 0xFFFF00, the EDITOR frame
const QColor cGrau(0x80, 0x80, 0x80);
const QColor cGruen(0, 0x80, 0);           // 0x008000
const QColor cRot(255, 0, 0);              // 0x0000FF

QImage Bild(TMyObj& o)
{
    o.Zeichnen();
    QImage img(o.size(), QImage::Format_ARGB32);
    img.fill(cMarke);
    o.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

bool bDunkel(const QColor& c)
{
    return c.red() < 128 && c.green() < 128 && c.blue() < 128;
}

// Counts the paint events of an object.
struct TMaler : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++n;
        return false;
    }
};

class Zeichnen : public PanelTest {
protected:
    QWidget eltern;
    void SetUp() override
    {
        PanelTest::SetUp();
        TMyObj::bEditorModusOhneHauptformular = false;   // RUN
        eltern.resize(400, 300);
    }
    void TearDown() override
    {
        TestUhrFreigeben();
        PanelTest::TearDown();
    }
};

} // namespace

TEST_F(Zeichnen, LEDFarbenAnUndAus)
{
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'Q';
    led.Adr = 3;
    led.Bit = 1;
    led.ColorHi = 0x0000FF;
    led.ColorLo = 0x00FF00;
    QImage img = Bild(led);
    EXPECT_EQ(img.pixelColor(6, 6), QColor(0, 255, 0));
    // Without a click the outline has the brush colour; the rectangle
    // leaves the last column and row alone.
    EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(11, 5), cMarke);
    EXPECT_EQ(img.pixelColor(5, 11), cMarke);

    D7ED_GetPeriAPtr()[3] = 0x02;
    img = Bild(led);
    EXPECT_EQ(img.pixelColor(6, 6), cRot);
    D7ED_GetPeriAPtr()[3] = 0xFD;   // every bit but bit 1
    img = Bild(led);
    EXPECT_EQ(img.pixelColor(6, 6), QColor(0, 255, 0));

    // A clickable LED shows the yellow RUN frame.
    led.Clickable = true;
    img = Bild(led);
    EXPECT_EQ(img.pixelColor(0, 0), cGelb);
    EXPECT_EQ(img.pixelColor(0, 6), cGelb);
    EXPECT_EQ(img.pixelColor(6, 6), QColor(0, 255, 0));
}

TEST_F(Zeichnen, LEDQuellen)
{
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.ColorHi = 0x0000FF;
    led.ColorLo = 0x000000;
    // An LED on input byte 130 shows the peripheral input byte, not the
    // extended input image.
    led.Op = 'E';
    led.Adr = 130;
    led.Bit = 0;
    D7ED_GetEPtr_Erweitert()[2] = 0x01;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), QColor(0, 0, 0));
    D7ED_GetPeriEPtr()[130] = 0x01;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), cRot);
    // Memory bits.
    led.Op = 'M';
    led.Adr = 9;
    led.Bit = 7;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), QColor(0, 0, 0));
    D7ED_GetMPtr()[9] = 0x80;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), cRot);
    // "$RUN" follows the engine; a counter variable never lights an LED.
    int iFehler = 0;
    led.Variable = SYSVAR_RUN;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), QColor(0, 0, 0));
    D7ED_Start(D7ED_STARTART_NEUSTART, &iFehler);
    EXPECT_EQ(Bild(led).pixelColor(5, 5), cRot);
    led.Variable = SYSVAR_STOP;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), QColor(0, 0, 0));
    D7ED_Stop(&iFehler);
    EXPECT_EQ(Bild(led).pixelColor(5, 5), cRot);
    led.Variable = SYSVAR_COUNT_S7_COMANDS;
    EXPECT_EQ(Bild(led).pixelColor(5, 5), QColor(0, 0, 0));
}

TEST_F(Zeichnen, LEDBilder)
{
    QImage ein(8, 8, QImage::Format_ARGB32), aus(8, 8, QImage::Format_ARGB32);
    ein.fill(Qt::blue);
    aus.fill(Qt::darkYellow);
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.GrafikAkt = true;
    led.pBild1 = &ein;
    led.pBild0 = &aus;
    led.Op = 'A';
    EXPECT_EQ(Bild(led).pixelColor(4, 4), QColor(Qt::darkYellow));
    D7ED_GetPeriAPtr()[0] = 1;
    EXPECT_EQ(Bild(led).pixelColor(4, 4), QColor(Qt::blue));
    EXPECT_EQ(Bild(led).pixelColor(10, 10), cMarke);   // beyond the picture
    D7ED_GetPeriAPtr()[0] = 0;
    led.GrafikAbs = true;
    EXPECT_EQ(Bild(led).pixelColor(4, 4), QColor(Qt::blue));
    // A missing picture paints nothing in its place.
    led.pBild1 = nullptr;
    EXPECT_EQ(Bild(led).pixelColor(4, 4), cMarke);
}

TEST_F(Zeichnen, GepunkteterEditorRahmen)
{
    TMyObj::bEditorModusOhneHauptformular = true;
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.SetWidth(30);
    led.SetHeight(20);
    led.ColorLo = 0x000000;
    const QImage img = Bild(led);
    int iCyan = 0, iAndere = 0;
    for (int x = 0; x < 30; ++x)
        (img.pixelColor(x, 0) == cCyan ? iCyan : iAndere)++;
    EXPECT_GT(iCyan, 5);
    EXPECT_GT(iAndere, 5);   // dotted, not solid
    // The frame also runs through the last column and row.
    int iRechts = 0, iUnten = 0;
    for (int y = 0; y < 20; ++y)
        iRechts += img.pixelColor(29, y) == cCyan;
    for (int x = 0; x < 30; ++x)
        iUnten += img.pixelColor(x, 19) == cCyan;
    EXPECT_GT(iRechts, 3);
    EXPECT_GT(iUnten, 5);
    EXPECT_EQ(img.pixelColor(15, 10), QColor(0, 0, 0));

    // In RUN the same object has no dotted frame.
    TMyObj::bEditorModusOhneHauptformular = false;
    const QImage run = Bild(led);
    for (int x = 0; x < 29; ++x)
        EXPECT_EQ(run.pixelColor(x, 0), QColor(0, 0, 0)) << x;
}

TEST_F(Zeichnen, AnalogbalkenVonUntenBeiNullUndEins)
{
    TMyObj a(&eltern, AnalogEingang, 0, 0, 0, 0);
    a.Op = 'E';
    a.Adr = 10;
    a.Messb = 0;   // 0..10 V on 0..27648
    a.SetWidth(40);
    a.SetHeight(40);
    // f = 0: the top lies at h + 1, only the last row is bar.
    QImage img = Bild(a);
    EXPECT_EQ(img.pixelColor(20, 39), cGruen);
    EXPECT_EQ(img.pixelColor(20, 38), cGrau);
    EXPECT_EQ(img.pixelColor(20, 3), cGrau);
    // RUN frame yellow: the letter is the input letter of the mnemonics.
    EXPECT_EQ(img.pixelColor(0, 20), cGelb);
    EXPECT_EQ(img.pixelColor(39, 20), cGelb);

    // f = 1: the top is 3.
    Wort(D7ED_GetPeriEPtr(), 10, 27648);
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(20, 2), cGrau);
    EXPECT_EQ(img.pixelColor(20, 3), cGruen);
    EXPECT_EQ(img.pixelColor(1, 20), cGruen);
    EXPECT_EQ(img.pixelColor(38, 38), cGruen);
    EXPECT_EQ(img.pixelColor(39, 20), cGelb);
    EXPECT_EQ(img.pixelColor(20, 39), cGelb);

    // With the other mnemonics the frame takes the bar colour.
    SPR_SetSyntaxSprache(2);
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(0, 20), cGruen);
}

TEST_F(Zeichnen, AnalogbalkenRichtungenUndAusgang)
{
    TMyObj a(&eltern, AnalogerAusgang, 0, 0, 0, 0);
    a.Op = 'A';
    a.Adr = 0;
    a.Messb = 0;
    a.SetWidth(40);
    a.SetHeight(20);
    a.Ausrichtung = 'r';
    Wort(D7ED_GetPeriAPtr(), 0, 13824);   // f = 0.5
    // right = 1 + 38 * 0.5 + 2 = 22: columns 1..21.
    QImage img = Bild(a);
    EXPECT_EQ(img.pixelColor(21, 10), cRot);
    EXPECT_EQ(img.pixelColor(22, 10), cGrau);
    EXPECT_EQ(img.pixelColor(1, 1), cRot);

    a.Ausrichtung = 'l';   // left = 39 - 19 + 2 = 22
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(21, 10), cGrau);
    EXPECT_EQ(img.pixelColor(22, 10), cRot);
    EXPECT_EQ(img.pixelColor(38, 10), cRot);

    a.Ausrichtung = 'u';   // bottom = 1 + 18 * 0.5 + 2 = 12: rows 1..11
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(20, 11), cRot);
    EXPECT_EQ(img.pixelColor(20, 12), cGrau);

    a.Ausrichtung = 'x';   // the whole rectangle
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(0, 0), cRot);
    EXPECT_EQ(img.pixelColor(38, 18), cRot);

    // No valid range: background only.
    a.Ausrichtung = 'r';
    a.Messb = 17;
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(10, 10), cGrau);
}

TEST_F(Zeichnen, MarkierterAnalogeingangUndTexte)
{
    TMyObj a(&eltern, AnalogEingang, 0, 0, 0, 0);
    a.Op = 'E';
    a.Messb = 0;
    a.SetWidth(120);
    a.SetHeight(60);
    a.bAnalogMarkiert = true;
    QImage img = Bild(a);
    EXPECT_EQ(img.pixelColor(1, 1), cRot);
    EXPECT_EQ(img.pixelColor(118, 30), cRot);
    EXPECT_EQ(img.pixelColor(60, 58), cRot);
    TMyObj::bEditorModusOhneHauptformular = true;   // no mark in EDITOR
    img = Bild(a);
    EXPECT_EQ(img.pixelColor(1, 1), cGrau);
    TMyObj::bEditorModusOhneHauptformular = false;

    // Texts that do not fit are left out.
    a.bAnalogMarkiert = false;
    a.IstwertAnzeigen = a.AdrAnzeigen = true;
    a.SetWidth(12);
    a.SetHeight(12);
    const QImage klein = Bild(a);
    for (int y = 0; y < klein.height(); ++y)
        for (int x = 0; x < klein.width(); ++x) ASSERT_FALSE(bDunkel(klein.pixelColor(x, y))) << x << "," << y;
}

// The value text: the value of the raw word with the decimals and the
// unit of the object's own table; the address text: the operand of the
// object's kind in the current syntax and the name from that kind's table.
TEST_F(Zeichnen, AnalogTexteUndIhreLage)
{
    paneltest::MessbereicheAus(
        "[analogeingabe]\n"
        "EMB0=10;0;27648;0;0;2;V;Eingang 10 V;\n"
        "EMB1=10;-10;27648;-27648;0;1;V;Eingang bipolar;\n"
        "[analogausgabe]\n"
        "AMB0=100;0;27648;0;0;3;%;Ausgang %;\n"
        "AMB1=20;4;27648;0;0;0;mA;Ausgang mA;\n");
    TMyObj e(&eltern, AnalogEingang, 0, 0, 0, 0);
    e.Op = 'E';
    e.Adr = 4;
    e.Messb = 0;
    EXPECT_EQ(e.AnalogWertText(13824), "5.00 V");
    e.Messb = 1;
    EXPECT_EQ(e.AnalogWertText(13824), "5.0 V");
    EXPECT_EQ(e.AnalogWertText(-27648), "-10.0 V");
    EXPECT_EQ(e.AnalogAdrText(true), "PEW4 Eingang bipolar");
    EXPECT_EQ(e.AnalogAdrText(false), "PEW4");
    SPR_SetSyntaxSprache(2);
    EXPECT_EQ(e.AnalogAdrText(false), "PIW4");

    TMyObj q(&eltern, AnalogerAusgang, 0, 0, 0, 0);
    q.Op = 'Q';
    q.Adr = 6;
    q.Messb = 0;
    EXPECT_EQ(q.AnalogWertText(27648), "100.000 %");
    EXPECT_EQ(q.AnalogAdrText(true), "PQW6 Ausgang %");
    SPR_SetSyntaxSprache(1);
    EXPECT_EQ(q.AnalogAdrText(true), "PAW6 Ausgang %");
    q.Messb = 1;
    EXPECT_EQ(q.AnalogWertText(13824), "12 mA");
    q.Messb = 7;   // no range: nothing to show
    EXPECT_EQ(q.AnalogWertText(1), "");
    EXPECT_EQ(q.AnalogAdrText(true), "");

    // The value text lies at the bottom left, the address text at the top
    // left; each draws only its own rows.
    e.Messb = 0;
    e.SetWidth(160);
    e.SetHeight(60);
    auto zeilen = [](const QImage& b, int& iOben, int& iUnten, int& iLinks) {
        iOben = b.height();
        iUnten = -1;
        iLinks = b.width();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (bDunkel(b.pixelColor(x, y))) {
                    iOben = std::min(iOben, y);
                    iUnten = std::max(iUnten, y);
                    iLinks = std::min(iLinks, x);
                }
    };
    int iOben = 0, iUnten = 0, iLinks = 0;
    e.IstwertAnzeigen = true;
    zeilen(Bild(e), iOben, iUnten, iLinks);
    ASSERT_GE(iUnten, 0) << "the value text is drawn";
    EXPECT_GT(iOben, 30);
    EXPECT_LE(iUnten, 57);
    EXPECT_GE(iLinks, 2);
    e.IstwertAnzeigen = false;
    e.AdrAnzeigen = true;
    zeilen(Bild(e), iOben, iUnten, iLinks);
    ASSERT_GE(iUnten, 0) << "the address text is drawn";
    EXPECT_GE(iOben, 2);
    EXPECT_LT(iUnten, 30);
    EXPECT_GE(iLinks, 2);
}

TEST_F(Zeichnen, StatischerTextAusrichtung)
{
    TMyObj t(&eltern, Statische_Beschriftung, 0, 0, 120, 20);
    t.ColorHi = 0xFFFFFF;
    t.ColorLo = 0x000000;
    const QFontMetrics fm(t.font());
    auto Spalten = [](const QImage& b, int& iLinks, int& iRechts) {
        iLinks = b.width();
        iRechts = -1;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (bDunkel(b.pixelColor(x, y))) {
                    iLinks = std::min(iLinks, x);
                    iRechts = std::max(iRechts, x);
                }
    };
    int l = 0, r = 0;
    t.Text0 = "$rOn";
    Spalten(Bild(t), l, r);
    const int iOn = fm.horizontalAdvance("On");
    EXPECT_GE(l, 120 - iOn - 1);
    EXPECT_LE(r, 118);
    EXPECT_GT(r, 120 - iOn / 2);

    t.Text0 = "$lOn";
    Spalten(Bild(t), l, r);
    EXPECT_LE(l, 3);
    EXPECT_LT(r, 1 + iOn);

    // Another character after the dollar: the whole text, centred.
    t.Text0 = "$xOn";
    Spalten(Bild(t), l, r);
    const int iGanz = fm.horizontalAdvance("$xOn");
    EXPECT_GE(l, 60 - iGanz / 2);
    EXPECT_LE(r, 60 + iGanz / 2 + 1);
    EXPECT_GT(r - l, iOn);   // more than "On" was drawn
    EXPECT_LT(std::abs((l + r) / 2 - 60), 4);

    // Opaque background in RUN from (0, 0); transparent leaves it alone.
    QImage img = Bild(t);
    EXPECT_EQ(img.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(119, 19), QColor(255, 255, 255));
    t.Transparent = true;
    img = Bild(t);
    EXPECT_EQ(img.pixelColor(2, 2), cMarke);
    // EDITOR: the background starts at (1, 1) inside the dotted frame.
    t.Transparent = false;
    TMyObj::bEditorModusOhneHauptformular = true;
    img = Bild(t);
    EXPECT_EQ(img.pixelColor(1, 10), QColor(255, 255, 255));
    int iCyan = 0;
    for (int x = 0; x < 120; ++x)
        iCyan += img.pixelColor(x, 0) == cCyan;
    EXPECT_GT(iCyan, 20);
    EXPECT_LT(iCyan, 100);
    // The last column is outside the EDITOR background: frame dots only.
    EXPECT_NE(img.pixelColor(119, 10), QColor(255, 255, 255));
}

TEST_F(Zeichnen, DynamischerText)
{
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 80, 16);
    d.Op = 'M';
    d.Adr = 4;
    d.OpGroesse = 1;
    d.ColorHi = 0x00FF00;
    d.ColorLo = 0x000000;
    D7ED_GetMPtr()[4] = 5;
    QImage img = Bild(d);
    // The value text is formatted into Text0, so the line carries it.
    EXPECT_EQ(d.Text0, "005 ");
    EXPECT_NE(d.pcGetINIString().find(",$Text0=005 ,"), std::string::npos);
    EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 255, 0));   // opaque text cell
    EXPECT_EQ(img.pixelColor(79, 15), cMarke);             // no fill beyond it
    d.Clickable = true;
    img = Bild(d);
    EXPECT_EQ(img.pixelColor(79, 8), cGelb);
    EXPECT_EQ(img.pixelColor(40, 15), cGelb);

    // BoolText fills the rectangle and chooses the text by the value.
    d.BoolText = true;
    d.Clickable = false;
    d.Text0 = "AUS";
    d.Text1 = "EIN";
    img = Bild(d);
    EXPECT_EQ(img.pixelColor(78, 14), QColor(0, 255, 0));
    EXPECT_EQ(d.Text0, "AUS");   // left alone with BoolText
}

TEST_F(Zeichnen, UnsinnigeOperandgroesseZeigtDenText)
{
    // A size from a damaged file is checked before the bit count is taken.
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 80, 16);
    ASSERT_TRUE(d.bINIStringAuswerten("$Obj=2,$Op=M,$Adr=0,$OpGroesse=300000000,$x=0,$y=0,"
                                      "$w=50,$h=14,$Text0=roh"));
    Bild(d);
    EXPECT_EQ(d.Text0, "roh");
}

TEST_F(Zeichnen, ZaehlertextVerbreitertSichImEditor)
{
    TMyObj::bEditorModusOhneHauptformular = true;
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 4, 16);
    d.Variable = SYSVAR_CYCLIC_COUNTER;
    d.Zeichnen();
    const int iBreite = QFontMetrics(d.font()).horizontalAdvance(QString::fromUtf8(d.Text0)) + 3;
    EXPECT_EQ(d.Text0.size(), 5u);
    EXPECT_EQ(d.w, iBreite);
    EXPECT_EQ(d.Width(), iBreite);
    d.SetWidth(300);
    d.Zeichnen();
    EXPECT_EQ(d.w, 300);   // never narrower
    // Not in RUN.
    TMyObj::bEditorModusOhneHauptformular = false;
    d.SetWidth(4);
    d.Zeichnen();
    EXPECT_EQ(d.w, 4);
}

TEST_F(Zeichnen, NeuMalenNurBeiAenderung)
{
    eltern.show();
    TMyObj led(&eltern, LED, 10, 10, 0, 0);
    led.Op = 'A';
    TMaler maler;
    led.installEventFilter(&maler);
    auto Gemalt = [&]() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const int n = maler.n;
        maler.n = 0;
        return n;
    };
    led.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
    for (int i = 0; i < 5; ++i)
        led.Zeichnen();
    EXPECT_EQ(Gemalt(), 0);

    D7ED_GetPeriAPtr()[0] = 1;   // value
    led.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
    led.ColorHi = 0x123456;      // field
    led.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
    TMyObj::bEditorModusOhneHauptformular = true;   // mode
    led.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
    led.Zeichnen();
    EXPECT_EQ(Gemalt(), 0);

    // The selection frame: shown, kept by the panel's repaint, removed by a
    // full repaint of the object.
    led.UmrandungZeichnen(0x00FFFF);
    EXPECT_GE(Gemalt(), 1);
    led.Zeichnen(false);
    EXPECT_EQ(Gemalt(), 0);
    QImage img(led.size(), QImage::Format_ARGB32);
    led.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(img.pixelColor(0, 5), cGelb);
    led.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
    img.fill(cMarke);
    led.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_NE(img.pixelColor(0, 5), cGelb);

    // An analog object repaints when its word changed.
    TMyObj a(&eltern, AnalogerAusgang, 50, 50, 0, 0);
    a.Op = 'A';
    a.Adr = 20;
    a.installEventFilter(&maler);
    a.Zeichnen();
    Gemalt();
    a.Zeichnen();
    EXPECT_EQ(Gemalt(), 0);
    Wort(D7ED_GetPeriAPtr(), 20, 1000);
    a.Zeichnen();
    EXPECT_GE(Gemalt(), 1);
}

TEST_F(Zeichnen, WerttextFolgtFeldernUndSpracheOhneWertaenderung)
{
    // The value text is formatted again only when the value changed; with
    // the same value, a changed format, size, operand, prefix, fallback
    // text or mnemonic language must still show in the text drawn.
    TMyObj d(&eltern, Dynamische_Beschriftung, 0, 0, 100, 16);
    d.Op = 'P';
    d.Adr = 10;
    d.OpGroesse = 2;
    d.Darstellung = DARSTELLUNG_DECIMAL;
    Wort(D7ED_GetPeriEPtr(), 10, 300);
    auto Text = [&]() {
        d.Zeichnen();
        return d.Text0;
    };
    EXPECT_EQ(Text(), "00300 ");
    EXPECT_EQ(Text(), "00300 ");
    d.Darstellung = DARSTELLUNG_HEX;
    EXPECT_EQ(Text(), "0x012C ");
    d.OpGroesse = 1;
    EXPECT_EQ(Text(), "0x01 ");
    d.Adr = 11;
    EXPECT_EQ(Text(), "0x2C ");
    d.MitOpAnzeigen = true;
    EXPECT_EQ(Text(), "PEB11=0x2C ");
    SPR_SetSyntaxSprache(2);
    EXPECT_EQ(Text(), "PIB11=0x2C ");
    SPR_SetSyntaxSprache(1);
    EXPECT_EQ(Text(), "PEB11=0x2C ");
    // A size the formats do not know shows Text0 as set from outside.
    d.OpGroesse = 3;
    d.Text0 = "roh";
    EXPECT_EQ(Text(), "roh");
    d.Text0 = "neu";
    EXPECT_EQ(Text(), "neu");
    d.OpGroesse = 1;
    D7ED_GetPeriEPtr()[11] = 0x2D;
    EXPECT_EQ(Text(), "PEB11=0x2D ");
}

TEST_F(Zeichnen, VieleAenderungenZeigenAlleNeuenWerte)
{
    // More objects change in one pass than are requested one by one: the
    // whole area is repainted and every object shows its new state.
    eltern.show();
    std::vector<std::unique_ptr<TMyObj>> leds;
    TMaler maler;
    for (int i = 0; i < 60; ++i) {
        auto p = std::make_unique<TMyObj>(&eltern, LED, 5 + (i % 15) * 20, 5 + (i / 15) * 20, 0, 0);
        p->Op = 'A';
        p->Adr = uint16_t(100 + i / 8);
        p->Bit = uint16_t(i % 8);
        p->ColorHi = 0x0000FF;
        p->ColorLo = 0x00FF00;
        p->installEventFilter(&maler);
        leds.push_back(std::move(p));
    }
    auto Runde = [&]() {
        for (auto& p : leds)
            p->Zeichnen();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    Runde();
    maler.n = 0;
    for (int b = 100; b < 108; ++b)
        D7ED_GetPeriAPtr()[b] = 0xAA;   // every second LED on
    Runde();
    EXPECT_GE(maler.n, 60);
    const QImage img = eltern.grab().toImage();
    for (int i = 0; i < 60; ++i) {
        const QColor c = img.pixelColor(5 + (i % 15) * 20 + 6, 5 + (i / 15) * 20 + 6);
        EXPECT_EQ(c, (i % 2) ? cRot : QColor(0, 255, 0)) << i;
    }
    // The pass right after asks for the whole area at once; one of few
    // requests sends the next back to single repaints.
    maler.n = 0;
    D7ED_GetPeriAPtr()[100] ^= 0x01;
    Runde();
    EXPECT_GE(maler.n, 60);
    EXPECT_EQ(eltern.grab().toImage().pixelColor(11, 11), cRot);
    maler.n = 0;
    D7ED_GetPeriAPtr()[100] ^= 0x01;
    Runde();
    EXPECT_GE(maler.n, 1);
    EXPECT_LT(maler.n, 10);
    EXPECT_EQ(eltern.grab().toImage().pixelColor(11, 11), QColor(0, 255, 0));
}

TEST_F(Zeichnen, TasterLoestNachHundertMillisekunden)
{
    TestUhrSetzen(10000);
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'E';
    led.Adr = 2;
    led.Bit = 4;
    led.HotKeyAktiv = true;
    led.HotKey = 'k';
    led.Taster = true;
    uint8_t* pPE = D7ED_GetPeriEPtr();
    led.SendHotKey('K', false);   // letter case counts
    EXPECT_EQ(pPE[2], 0x00);
    led.SendHotKey('k', false);
    EXPECT_EQ(pPE[2], 0x10);
    led.Zeichnen();
    TestUhrVorstellen(100);
    led.Zeichnen();   // 100 ms: not yet
    EXPECT_EQ(pPE[2], 0x10);
    TestUhrVorstellen(1);
    led.Zeichnen();   // nothing else changed: released all the same
    EXPECT_EQ(pPE[2], 0x00);
    EXPECT_EQ(led.dwHotKeyZeit, 0u);
    TestUhrVorstellen(500);
    led.Zeichnen();
    EXPECT_EQ(pPE[2], 0x00);

    // A switch stays.
    led.Taster = false;
    led.SendHotKey('k', false);
    TestUhrVorstellen(1000);
    led.Zeichnen();
    EXPECT_EQ(pPE[2], 0x10);
    // An output LED ignores hot keys.
    led.Op = 'A';
    led.SendHotKey('k', false);
    EXPECT_EQ(pPE[2], 0x10);
    EXPECT_EQ(D7ED_GetPeriAPtr()[2], 0x00);
}
