// The panel in RUN mode under real mouse and key events: switches and push
// buttons by hot key, LED clicks and the engine's start and stop, analog
// inputs by click, drag and keys, the value query of dynamic texts; and the
// edge cursors of the editor.
#include "EditorTestHilfe.h"

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>
#include <deque>

#include "DlgInputQuery.h"
#include "PoolText.h"

using namespace editortest;

namespace {

uint16_t Wort(const uint8_t* p, unsigned iAdr)
{
    return uint16_t((p[iAdr] << 8) | p[iAdr + 1]);
}

void WortSetzen(uint8_t* p, unsigned iAdr, uint16_t w)
{
    p[iAdr] = uint8_t(w >> 8);
    p[iAdr + 1] = uint8_t(w);
}

class RunMaus : public FensterTest {
protected:
    uint8_t* pE = D7ED_GetPeriEPtr();
    uint8_t* pA = D7ED_GetPeriAPtr();
    uint8_t* pM = D7ED_GetMPtr();

    TMyObj* HotKeyLED(int x, int iBit, char cTaste, bool bTaster)
    {
        TMyObj* p = Neu(LED, x, 100);
        p->Op = 'E';
        p->Adr = 3;
        p->Bit = uint16_t(iBit);
        p->HotKeyAktiv = true;
        p->HotKey = uint8_t(cTaste);
        p->Taster = bTaster;
        return p;
    }
    static int CPU()
    {
        int iFehler = 0;
        return D7ED_GetCPUZustand(&iFehler);
    }
    static void Klick(TMyObj* p, QPoint pt = QPoint(5, 5))
    {
        QTest::mouseClick(p, Qt::LeftButton, {}, pt);
    }
};

} // namespace

TEST_F(RunMaus, HotKeysSwitchAndPushButtonsExactlyAsTypedWhereverTheFocusIs)
{
    HotKeyLED(100, 2, 'k', true);    // push button
    HotKeyLED(130, 5, 'S', false);   // switch
    Run();
    TestUhrSetzen(100000);

    // Letter case counts: 's' is not the switch's key.
    QTest::keyClick(f, 's');
    EXPECT_EQ(pE[3], 0x00);
    // The focus on a tool button of the window does not keep the keys from
    // the panel.
    f->MausButtonPfeil->setFocus();
    QTest::keyClick(f->MausButtonPfeil, 'S');
    EXPECT_EQ(pE[3], 0x20);
    TestUhrVorstellen(5000);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x20) << "a switch is never released";
    QTest::keyClick(f, 'S');
    EXPECT_EQ(pE[3], 0x00);

    // A push button goes back at the first cycle paint more than 100 ms on.
    QTest::keyClick(f, 'k');
    EXPECT_EQ(pE[3], 0x04);
    TestUhrVorstellen(100);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x04);
    TestUhrVorstellen(1);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x00);

    // Twice within 100 ms: still pressed, no second inversion, and the
    // 100 ms start again from the second press.
    QTest::keyClick(f, 'k');
    TestUhrVorstellen(50);
    QTest::keyClick(f, 'k');
    EXPECT_EQ(pE[3], 0x04);
    TestUhrVorstellen(60);   // 110 ms after the first press
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x04) << "held by the second press";
    TestUhrVorstellen(41);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x00);

    // A key held down: its auto-repeat presses every 35 ms reach no hot
    // key. The push button gives one pulse of 100 ms, the switch inverts
    // once; a typed '+' still steps the marked analog input on each repeat.
    TMyObj* pAnalog = Neu(AnalogEingang, 200, 200);
    pAnalog->Op = 'E';
    pAnalog->Adr = 20;
    pAnalog->Messb = 0;
    pAnalog->bAnalogMarkiert = true;
    // bOhneMarke: as X sends repeats on a busy display, unmarked, each a release and a press with one time stamp.
    quint64 qwXZeit = 70000;
    auto Halten = [&](char c, int iWiederholungen, bool bOhneMarke = false) {
        const QString s(QChar::fromLatin1(c));
        QKeyEvent Druck(QEvent::KeyPress, 0, Qt::NoModifier, s);
        Druck.setTimestamp(bOhneMarke ? qwXZeit += 700 : 0);
        QCoreApplication::sendEvent(f, &Druck);
        for (int i = 0; i < iWiederholungen; ++i) {
            TestUhrVorstellen(35);
            f->SPSZyklusSchritt();
            QKeyEvent Los(QEvent::KeyRelease, 0, Qt::NoModifier, s);
            QKeyEvent Wiederholung(QEvent::KeyPress, 0, Qt::NoModifier, s, !bOhneMarke);
            Wiederholung.setTimestamp(bOhneMarke ? qwXZeit += 35 : 0);
            Los.setTimestamp(qwXZeit);
            if (bOhneMarke) QCoreApplication::sendEvent(f, &Los);
            QCoreApplication::sendEvent(f, &Wiederholung);
        }
        TestUhrVorstellen(35);
        f->SPSZyklusSchritt();
    };
    for (int n : {2, 5, 12}) {   // 105 ms and more
        Halten('k', n);
        EXPECT_EQ(pE[3], 0x00) << n << " repeats: the push button is back";
    }
    Halten('k', 1);   // 70 ms on
    EXPECT_EQ(pE[3], 0x04);
    TestUhrVorstellen(40);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x00);
    for (const auto& [n, bOhneMarke] : {std::pair{1, false}, {2, false}, {7, false}, {1, true}, {2, true}}) {
        const uint8_t b = pE[3];
        Halten('S', n, bOhneMarke);
        EXPECT_EQ(pE[3], b ^ 0x20) << n << (bOhneMarke ? " unmarked" : "") << " repeats: the switch inverted once";
    }
    Halten('k', 5, true);
    EXPECT_EQ(pE[3] & 0x04, 0x00) << "unmarked repeats: the push button is back";
    Halten('+', 4);
    EXPECT_EQ(Wort(pE, 20), 50);

    // The release puts the push button's bit back where it was before the
    // press, also when it was on then.
    pE[3] = 0x04;
    QTest::keyClick(f, 'k');
    EXPECT_EQ(pE[3], 0x00);
    TestUhrVorstellen(60);
    QTest::keyClick(f, 'k');
    EXPECT_EQ(pE[3], 0x00);
    TestUhrVorstellen(101);
    f->SPSZyklusSchritt();
    EXPECT_EQ(pE[3], 0x04);

    // Hot keys act per bit: copies answer with the original as one, also on I for the same byte as E.
    const auto Nach = [&](int iMs) { TestUhrVorstellen(iMs); f->SPSZyklusSchritt(); };
    HotKeyLED(160, 5, 'S', false);
    HotKeyLED(190, 2, 'k', true)->Op = 'I';
    pE[3] = 0x00;
    QTest::keyClick(f, 'S');
    EXPECT_EQ(pE[3], 0x20) << "two switches invert once";
    QTest::keyClick(f, 'k');
    EXPECT_EQ(pE[3], 0x24);
    Nach(101);
    EXPECT_EQ(pE[3], 0x20) << "two push buttons give one pulse";
    // Another key on the held bit inverts nothing and holds it 100 ms on.
    HotKeyLED(220, 2, 'j', true);
    QTest::keyClick(f, 'k');
    TestUhrVorstellen(60);
    QTest::keyClick(f, 'j');
    EXPECT_EQ(pE[3], 0x24);
    Nach(50);
    EXPECT_EQ(pE[3], 0x24) << "held by j";
    Nach(51);
    EXPECT_EQ(pE[3], 0x20);
    // A push button on the switches' key and bit: the switch's rule.
    HotKeyLED(250, 5, 'S', true);
    QTest::keyClick(f, 'S');
    Nach(101);
    EXPECT_EQ(pE[3], 0x00);
}

TEST_F(RunMaus, PendingPushButtonGoesBackAtTheSwitchToEditorAndWhenThePanelCloses)
{
    HotKeyLED(100, 1, 'p', true);
    Run();
    TestUhrSetzen(5000);
    QTest::keyClick(f, 'p');
    ASSERT_EQ(pE[3], 0x02);
    f->aMaske_RUN_EDITORExecute();
    EXPECT_TRUE(f->bEditorModus);
    EXPECT_EQ(pE[3], 0x00);

    // Two push buttons on one bit (a copy): the bit goes back once.
    HotKeyLED(130, 1, 'p', true);
    Run();
    QTest::keyClick(f, 'p');
    ASSERT_EQ(pE[3], 0x02);
    f->MaskeLoeschen();
    EXPECT_EQ(f->iAnzahlObjekte, 0);
    EXPECT_EQ(pE[3], 0x00);

    // In EDITOR no cycle paints: the window's timer releases the button.
    HotKeyLED(100, 1, 'p', true);
    QTest::keyClick(f, 'p');
    ASSERT_EQ(pE[3], 0x02);
    TestUhrVorstellen(101);
    f->Timer1Timer();
    EXPECT_EQ(pE[3], 0x00);
    MaskeFile = (u->pfProjekte / "Test" / "Test.maske_ini").string();
}

TEST_F(RunMaus, LedClicksInvertTheirBitInsideTheAreaAndRunLedsStartAndStop)
{
    TMyObj* pSchalter = Neu(LED, 100, 100);
    pSchalter->Op = 'A';
    pSchalter->Adr = 7;
    pSchalter->Bit = 3;
    pSchalter->Clickable = true;
    TMyObj* pStumm = Neu(LED, 130, 100);
    pStumm->Op = 'A';
    pStumm->Adr = 7;
    pStumm->Bit = 4;
    TMyObj* pLetztes = Neu(LED, 160, 100);
    pLetztes->Op = 'M';
    pLetztes->Adr = 65535;
    pLetztes->Bit = 7;
    pLetztes->Clickable = true;
    TMyObj* pBit9 = Neu(LED, 190, 100);
    pBit9->Op = 'M';
    pBit9->Adr = 65534;
    pBit9->Bit = 9;
    pBit9->Clickable = true;
    TMyObj* pRunBild = Neu(LED, 220, 100);
    pRunBild->Variable = 3;
    pRunBild->GrafikAkt = true;
    pRunBild->Clickable = true;
    TMyObj* pRun = Neu(LED, 250, 100);
    pRun->Variable = 3;
    pRun->Clickable = true;
    Run();

    Klick(pSchalter);
    EXPECT_EQ(pA[7], 0x08);
    Klick(pStumm);
    EXPECT_EQ(pA[7], 0x08) << "an object that is not clickable";
    Klick(pSchalter);
    EXPECT_EQ(pA[7], 0x00);
    Klick(pLetztes);
    EXPECT_EQ(pM[65535], 0x80);
    Klick(pBit9);
    EXPECT_EQ(pM[65534], 0x00);
    EXPECT_EQ(pM[65535], 0x80);
    EXPECT_EQ(pM[65536], 0x00);

    // "$RUN" without pictures only starts; with pictures it toggles.
    Klick(pRun);
    ASSERT_EQ(CPU(), 2);
    Klick(pRun);
    EXPECT_EQ(CPU(), 2) << "a running CPU is not stopped by a plain $RUN";
    Klick(pRunBild);
    EXPECT_NE(CPU(), 2);
    Klick(pRunBild);
    EXPECT_EQ(CPU(), 2);
}

TEST_F(RunMaus, AnalogInputIsMarkedByTheFirstClickAndSetByClickDragAndKeys)
{
    auto Analog = [&](int x, uint16_t iAdr) {
        TMyObj* p = Neu(AnalogEingang, x, 150);
        p->Op = 'E';
        p->Adr = iAdr;
        p->Messb = 0;   // 0..27648
        p->Ausrichtung = 'o';
        p->SetWidth(30);
        p->SetHeight(104);   // bar length 100
        return p;
    };
    TMyObj* pErstes = Analog(100, 20);
    TMyObj* pZweites = Analog(200, 30);
    pErstes->Clickable = pZweites->Clickable = true;   // as inserted by the editor
    Run();

    Klick(pErstes, QPoint(10, 54));
    EXPECT_TRUE(pErstes->bAnalogMarkiert);
    EXPECT_EQ(Wort(pE, 20), 0) << "the first click only marks";
    QCoreApplication::processEvents();
    const QImage Bild = pErstes->grab().toImage();
    const QColor Rand = Bild.pixelColor(1, 50);
    EXPECT_TRUE(Rand.red() > 200 && Rand.green() < 60 && Rand.blue() < 60) << Rand.name().toStdString();

    Klick(pErstes, QPoint(10, 54));   // 46 of 100 pixels from the bottom
    EXPECT_EQ(Wort(pE, 20), 12718) << "set from the position, no bit inverted";

    Klick(pZweites, QPoint(10, 54));
    EXPECT_TRUE(pZweites->bAnalogMarkiert);
    EXPECT_FALSE(pErstes->bAnalogMarkiert);

    // Dragging along the bar.
    QTest::mousePress(pZweites, Qt::LeftButton, {}, QPoint(10, 90));
    QTest::mouseMove(pZweites, QPoint(10, 30));
    QTest::mouseRelease(pZweites, Qt::LeftButton, {}, QPoint(10, 30));
    EXPECT_EQ(Wort(pE, 30), 19353);

    // Keys step the marked input, held to the range's raw values: typed
    // '+' and '-' by 10, Page Up and Page Down by 200.
    WortSetzen(pE, 30, 27640);
    QTest::keyClick(f, '+');
    EXPECT_EQ(Wort(pE, 30), 27648);
    QTest::keyClick(f, '-');
    EXPECT_EQ(Wort(pE, 30), 27638);
    WortSetzen(pE, 30, 27600);
    QTest::keyClick(f, Qt::Key_PageUp);
    EXPECT_EQ(Wort(pE, 30), 27648);
    QTest::keyClick(f, Qt::Key_PageDown);
    EXPECT_EQ(Wort(pE, 30), 27448);
    WortSetzen(pE, 30, 150);
    QTest::keyClick(f, Qt::Key_PageDown);
    EXPECT_EQ(Wort(pE, 30), 0);
    EXPECT_EQ(Wort(pE, 20), 12718) << "the unmarked input stays";
}

// The answer follows the rule of every number field: blanks at its ends
// only, also around the 0x form ("1 2" was read as 12).
TEST_F(RunMaus, ValueQueryOffersHexTakesBlanksAtTheEndsOnlyAndRefusesASign)
{
    TMyObj* pHex = Neu(Dynamische_Beschriftung, 100, 100, 60, 16);
    pHex->Op = 'A';
    pHex->Adr = 40;
    pHex->OpGroesse = 2;
    pHex->Darstellung = DARSTELLUNG_HEX;
    pHex->Clickable = true;
    TMyObj* pDezimal = Neu(Dynamische_Beschriftung, 100, 130, 60, 16);
    pDezimal->Op = 'M';
    pDezimal->Adr = 8;
    pDezimal->OpGroesse = 1;
    pDezimal->Clickable = true;
    TMyObj* pDBBit = Neu(Dynamische_Beschriftung, 100, 160, 60, 16);
    pDBBit->Op = 'D';
    pDBBit->DBNR = 1;
    pDBBit->OpGroesse = 0;
    pDBBit->Clickable = true;
    WortSetzen(pA, 40, 0x1A2B);
    pM[8] = 200;
    Run();

    std::vector<std::string> Angeboten, Titel;
    std::deque<std::string> Antworten{"1 2", " 12 ", "-5", "0x 1f", " 0x1f ", "  ", "250"};
    ModalAntworterSetzen([&](QDialog& d) {
        auto& dlg = dynamic_cast<TDlgInputForm&>(d);
        Angeboten.push_back(dlg.eText->text().toStdString());
        Titel.push_back(dlg.windowTitle().toStdString());
        dlg.eText->setText(QString::fromStdString(Antworten.front()));
        Antworten.pop_front();
        dlg.bOKClick();
        return 1;
    });
    const std::vector<std::string> KeineZahl{PoolText(1374)};

    QTest::mouseClick(pHex, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Angeboten.size(), 1u);
    EXPECT_EQ(Angeboten[0], "0x1A2B");
    EXPECT_NE(Titel[0].find("AW40"), std::string::npos) << Titel[0];
    EXPECT_EQ(Wort(pA, 40), 0x1A2B) << "a blank between two digits";
    EXPECT_EQ(Boxen(), KeineZahl);
    QTest::mouseClick(pHex, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Wort(pA, 40), 12);
    EXPECT_TRUE(Boxen().empty());

    QTest::mouseClick(pHex, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Angeboten[2], "0xC");
    EXPECT_EQ(Wort(pA, 40), 12) << "a sign is refused";
    EXPECT_EQ(Boxen(), KeineZahl);
    QTest::mouseClick(pHex, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Wort(pA, 40), 12) << "a blank inside the 0x form";
    EXPECT_EQ(Boxen(), KeineZahl);
    QTest::mouseClick(pHex, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Wort(pA, 40), 0x1F);
    EXPECT_TRUE(Boxen().empty());

    QTest::mouseClick(pDezimal, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Angeboten[5], "200");
    EXPECT_EQ(pM[8], 200) << "blanks only are no number";
    EXPECT_EQ(Boxen(), KeineZahl);
    QTest::mouseClick(pDezimal, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(pM[8], 250);

    // A data-block bit is not asked for at all.
    QTest::mouseClick(pDBBit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Angeboten.size(), 7u);
    EXPECT_TRUE(Boxen().empty());
}

// A value the operand cannot hold is refused with its range and nothing is
// written (it was cut to its low bytes: 300 became 44); the value a double
// word offers is taken back even with its top bit set.
TEST_F(RunMaus, ValueQueryRefusesWhatTheOperandCannotHold)
{
    auto neu = [this](int y, char cOp, uint16_t wAdr, int32_t iGroesse, int32_t iDarstellung) {
        TMyObj* p = Neu(Dynamische_Beschriftung, 100, y, 60, 16);
        p->Op = cOp;
        p->Adr = wAdr;
        p->OpGroesse = iGroesse;
        p->Darstellung = iDarstellung;
        p->Clickable = true;
        return p;
    };
    TMyObj* pByte = neu(100, 'M', 8, 1, 0);
    TMyObj* pWort = neu(130, 'A', 40, 2, DARSTELLUNG_HEX);
    TMyObj* pDoppel = neu(160, 'M', 20, 4, 0);
    TMyObj* pBit = neu(190, 'M', 30, 0, 0);
    pM[8] = 7;
    WortSetzen(pA, 40, 0x1234);
    const uint8_t Doppel[4] = {0xF0, 0x00, 0x00, 0x01};
    std::copy(Doppel, Doppel + 4, pM + 20);
    pM[30] = 0;
    Run();

    std::vector<std::string> Angeboten;
    std::deque<std::string> Antworten;
    ModalAntworterSetzen([&](QDialog& d) {
        auto& dlg = dynamic_cast<TDlgInputForm&>(d);
        Angeboten.push_back(dlg.eText->text().toStdString());
        if (Antworten.front() != "=") dlg.eText->setText(QString::fromStdString(Antworten.front()));
        Antworten.pop_front();
        dlg.bOKClick();
        return 1;
    });
    auto fragen = [&](TMyObj* p, const char* pcAntwort) {
        Antworten.push_back(pcAntwort);
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(5, 5));
    };
    auto bereich = [](TMyObj* p, const char* pcWert, const char* pcMax) {
        return std::vector<std::string>{
            PoolTextFormat(6715, "%s%s%s%s", pcWert, p->pcGetOperandStr().c_str(), "0", pcMax)};
    };

    fragen(pByte, "300");
    EXPECT_EQ(pM[8], 7);
    EXPECT_EQ(Boxen(), bereich(pByte, "300", "255"));
    fragen(pByte, "255");
    EXPECT_EQ(pM[8], 255);

    fragen(pWort, "0x10000");
    EXPECT_EQ(Boxen(), bereich(pWort, "0x10000", "65535"));
    // Nine digits were cut to their first eight (here 0x00001234).
    fragen(pWort, "0x000012345");
    EXPECT_EQ(Boxen(), bereich(pWort, "0x000012345", "65535"));
    fragen(pWort, "0x123456789");
    EXPECT_EQ(Boxen(), bereich(pWort, "0x123456789", "65535"));
    EXPECT_EQ(Wort(pA, 40), 0x1234);
    fragen(pWort, "0x0000FFFF");
    EXPECT_EQ(Wort(pA, 40), 0xFFFF);
    EXPECT_TRUE(Boxen().empty());

    fragen(pDoppel, "=");
    EXPECT_EQ(Angeboten.back(), "4026531841");
    EXPECT_TRUE(Boxen().empty()) << "its own value is taken back";
    EXPECT_TRUE(std::equal(Doppel, Doppel + 4, pM + 20));
    fragen(pDoppel, "4294967296");
    EXPECT_EQ(Boxen(), bereich(pDoppel, "4294967296", "4294967295"));
    EXPECT_TRUE(std::equal(Doppel, Doppel + 4, pM + 20));
    fragen(pDoppel, "4294967295");
    EXPECT_EQ(pM[20], 0xFF);
    EXPECT_EQ(pM[23], 0xFF);

    // A bit: any value that is not 0 sets it.
    fragen(pBit, "300");
    EXPECT_EQ(pM[30] & 1, 1);
    EXPECT_TRUE(Boxen().empty());
}

TEST_F(RunMaus, EditorEdgeCursorsWaitHalfASecondAfterAnArrowMove)
{
    TMyObj* pText = Neu(Statische_Beschriftung, 100, 100, 80, 20);
    TMyObj* pLED = Neu(LED, 300, 100);
    TestUhrSetzen(50000);
    QTest::mouseMove(pText, QPoint(78, 10));
    EXPECT_EQ(pText->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(pText, QPoint(40, 1));
    EXPECT_EQ(pText->cursor().shape(), Qt::SizeVerCursor);
    QTest::mouseMove(pText, QPoint(40, 10));
    EXPECT_EQ(pText->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(pLED, QPoint(1, 1));
    EXPECT_EQ(pLED->cursor().shape(), Qt::ArrowCursor) << "LEDs are not resized";

    QTest::mouseClick(pText, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::keyClick(f, Qt::Key_Right);
    EXPECT_EQ(pText->Left(), 101);
    QTest::mouseMove(pText, QPoint(78, 10));
    EXPECT_EQ(pText->cursor().shape(), Qt::ArrowCursor);
    TestUhrVorstellen(500);
    QTest::mouseMove(pText, QPoint(77, 10));
    EXPECT_EQ(pText->cursor().shape(), Qt::ArrowCursor);
    TestUhrVorstellen(1);
    QTest::mouseMove(pText, QPoint(78, 10));
    EXPECT_EQ(pText->cursor().shape(), Qt::SizeHorCursor);

    // In RUN a clickable object shows the hand.
    pLED->Clickable = true;
    Run();
    QTest::mouseMove(pLED, QPoint(5, 5));
    EXPECT_EQ(pLED->cursor().shape(), Qt::PointingHandCursor);
}
