// Inserting objects: the tools and their display, the drags that insert
// nothing, the refusals, and the copies of a confirmed prototype with their
// places and counted addresses.
#include "EditorTestHilfe.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "DlgLEDForm.h"

#include "PoolText.h"

using namespace editortest;

namespace {

class Einfuegen : public FensterTest {
protected:
    // A prototype as its dialog would leave it after OK.
    std::unique_ptr<TMyObj> Prototyp(int32_t iArt, int32_t iAnzahl)
    {
        auto p = std::make_unique<TMyObj>(f, iArt, 0, 0, 0, 0);
        p->Anzahl = iAnzahl;
        return p;
    }
    std::vector<TMyObj*> Objekte() const
    {
        return std::vector<TMyObj*>(f->Objekte, f->Objekte + f->iAnzahlObjekte);
    }
    std::string StatusWerkzeug() const { return f->StatusPanels[f->iPanelWerkzeug].cText; }
    void Ziehen(QPoint von, QPoint bis)
    {
        QTest::mousePress(f->Arbeitsflaeche, Qt::LeftButton, {}, von);
        QTest::mouseMove(f->Arbeitsflaeche, bis);
        QTest::mouseRelease(f->Arbeitsflaeche, Qt::LeftButton, {}, bis);
    }
};

} // namespace

TEST_F(Einfuegen, ToolsShowTheirCheckMarkAndStatusText)
{
    const std::pair<QAction*, std::pair<int, unsigned long>> Werkzeuge[] = {
        {f->aMaske_Obj_Statische_Beschriftung, {1, 1261}},
        {f->aMaske_Obj_Dynamische_Beschriftung, {2, 1334}},
        {f->aMaske_Obj_LED, {3, 1335}},
        {f->aMaske_Obj_Grafik, {4, 1226}},
        {f->aMaske_Obj_AnalogEingang, {5, 1336}},
        {f->aMaske_Obj_AnalogerAusgang, {6, 1337}},
        {f->aMaske_Pfeil, {0, 1333}}};
    for (const auto& [pAktion, w] : Werkzeuge) {
        pAktion->trigger();
        EXPECT_EQ(f->iWerkzeug, w.first);
        EXPECT_EQ(StatusWerkzeug(), PoolText(w.second));
        int iHaken = 0;
        for (QAction* a : {f->aMaske_Pfeil, f->aMaske_Obj_Statische_Beschriftung,
                           f->aMaske_Obj_Dynamische_Beschriftung, f->aMaske_Obj_LED,
                           f->aMaske_Obj_Grafik, f->aMaske_Obj_AnalogEingang,
                           f->aMaske_Obj_AnalogerAusgang})
            iHaken += a->isChecked();
        EXPECT_EQ(iHaken, 1);
        EXPECT_TRUE(pAktion->isChecked());
    }
    // The shortcut reaches the tool as well.
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    QTest::keyClick(f, Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(f->iWerkzeug, 3);
}

TEST_F(Einfuegen, DragsThatInsertNothing)
{
    f->aMaske_Obj_LED->trigger();
    const int iKinder = int(f->Arbeitsflaeche->children().size());
    // 10 pixels or less, or up and to the left: nothing, the tool stays.
    Ziehen(QPoint(100, 100), QPoint(110, 200));
    Ziehen(QPoint(100, 100), QPoint(200, 110));
    Ziehen(QPoint(300, 300), QPoint(200, 200));
    EXPECT_TRUE(Boxen().empty());
    // A cancelled property dialog deletes the prototype again.
    Ziehen(QPoint(100, 100), QPoint(200, 200));
    EXPECT_EQ(f->iAnzahlObjekte, 0);
    EXPECT_EQ(int(f->Arbeitsflaeche->children().size()), iKinder);
    EXPECT_EQ(f->iWerkzeug, 3);
    EXPECT_FALSE(f->bMaskeGeaendert);

    bNurLesen = true;
    Ziehen(QPoint(100, 100), QPoint(200, 200));
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolText(1262)});
    bNurLesen = false;
    MaskeFile.clear();
    Ziehen(QPoint(100, 100), QPoint(200, 200));
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolText(6860)});
    EXPECT_EQ(int(f->Arbeitsflaeche->children().size()), iKinder);
    EXPECT_EQ(f->iAnzahlObjekte, 0);
    MaskeFile = (u->pfProjekte / "Test" / "Test.maske_ini").string();
}

TEST_F(Einfuegen, LedSeriesCountsBitsIntoTheNextByteAndFillsTheRectangle)
{
    TMyObj* pAlt = Neu(LED, 10, 400);
    f->ObjektMarkieren(pAlt);
    f->iWerkzeug = 3;
    auto p = Prototyp(LED, 3);
    p->Op = 'A';
    p->Adr = 4;
    p->Bit = 6;
    EXPECT_EQ(f->KopienEinfuegen(p.get(), 50, 100, 150, 160), 3);
    const std::vector<TMyObj*> v = Objekte();
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(std::vector<int>({v[1]->Adr, v[2]->Adr, v[3]->Adr}), std::vector<int>({4, 4, 5}));
    EXPECT_EQ(std::vector<int>({v[1]->Bit, v[2]->Bit, v[3]->Bit}), std::vector<int>({6, 7, 0}));
    EXPECT_EQ(std::vector<int>({v[1]->Top(), v[2]->Top(), v[3]->Top()}),
              std::vector<int>({100, 124, 148}));
    EXPECT_EQ(v[3]->Left(), 50);
    EXPECT_EQ(std::vector<TMyObj*>(f->Markierte, f->Markierte + f->iAnzahlMarkierte),
              (std::vector<TMyObj*>{v[1], v[2], v[3]}));
    EXPECT_EQ(f->iWerkzeug, 0);
    EXPECT_TRUE(f->bMaskeGeaendert);
    EXPECT_FALSE(f->bZeichnenGesperrt);

    // A rectangle lower than one row puts every copy at its top.
    auto q = Prototyp(LED, 3);
    f->KopienEinfuegen(q.get(), 50, 300, 150, 305);
    EXPECT_EQ(f->Objekte[6]->Top(), 300);

    // No copies asked for: nothing made, but the selection goes and the
    // arrow is chosen again.
    f->iWerkzeug = 3;
    auto z = Prototyp(LED, 0);
    EXPECT_EQ(f->KopienEinfuegen(z.get(), 50, 100, 150, 160), 0);
    EXPECT_EQ(f->iAnzahlObjekte, 7);
    EXPECT_EQ(f->iAnzahlMarkierte, 0);
    EXPECT_EQ(f->iWerkzeug, 0);
}

TEST_F(Einfuegen, DynamicTextsStepByTheirSizeAnalogCopiesShareAddressAndRectangle)
{
    auto p = Prototyp(Dynamische_Beschriftung, 2);
    p->Op = 'A';
    p->Adr = 10;
    p->OpGroesse = 2;
    f->KopienEinfuegen(p.get(), 50, 100, 150, 160);
    ASSERT_EQ(f->iAnzahlObjekte, 2);
    EXPECT_EQ(f->Objekte[0]->Adr, 10);
    EXPECT_EQ(f->Objekte[1]->Adr, 12);

    auto a = Prototyp(AnalogerAusgang, 2);
    a->Op = 'A';
    a->Adr = 30;
    f->KopienEinfuegen(a.get(), 200, 100, 260, 180);
    ASSERT_EQ(f->iAnzahlObjekte, 4);
    for (TMyObj* q : {f->Objekte[2], f->Objekte[3]}) {
        EXPECT_EQ(q->Adr, 30);
        EXPECT_EQ(q->Width(), 60);
        EXPECT_EQ(q->Height(), 80);
        EXPECT_EQ(q->Left(), 200);
    }
    EXPECT_EQ(f->Objekte[2]->Top(), 100);
    EXPECT_EQ(f->Objekte[3]->Top(), 100 + 80 - f->iLEDGroesse);

    // An analog input from the editor is clickable (its click only sets
    // the value; see the RUN tests).
    auto e = Prototyp(AnalogEingang, 1);
    e->Op = 'E';
    f->KopienEinfuegen(e.get(), 300, 100, 340, 200);
    EXPECT_TRUE(f->Objekte[4]->Clickable);
}

TEST_F(Einfuegen, StaticTextEndingsAreCountedOnlyBehindANonDigit)
{
    auto Reihe = [&](const std::string& sText, int iAnzahl) {
        auto p = Prototyp(Statische_Beschriftung, iAnzahl);
        p->Text0 = sText;
        p->AdresseErhoehen = true;
        const int iVorher = f->iAnzahlObjekte;
        f->KopienEinfuegen(p.get(), 50, 100, 300, 300);
        std::vector<std::string> v;
        for (int i = iVorher; i < f->iAnzahlObjekte; ++i)
            v.push_back(f->Objekte[i]->Text0);
        return v;
    };
    EXPECT_EQ(Reihe("Motor 12.6", 4),
              (std::vector<std::string>{"Motor 12.6", "Motor 12.7", "Motor 13.0", "Motor 13.1"}));
    EXPECT_EQ(Reihe("12.3", 2), (std::vector<std::string>{"12.3", "12.3"}));
    EXPECT_EQ(Reihe("A9.9", 2), (std::vector<std::string>{"A9.9", "A10.0"}));
    EXPECT_EQ(Reihe("1.2", 2), (std::vector<std::string>{"1.2", "1.2"}));
    // Each copy as wide as its own text.
    TMyObj* pLetzte = f->Objekte[f->iAnzahlObjekte - 1];
    EXPECT_EQ(pLetzte->Width(), QFontMetrics(pLetzte->font()).horizontalAdvance("1.2") + 5);
}

TEST_F(Einfuegen, SeriesStopsAtTheLastAddressAndAtTheObjectLimit)
{
    auto p = Prototyp(LED, 20);
    p->Op = 'A';
    p->Adr = 65535;
    p->Bit = 5;
    EXPECT_EQ(f->KopienEinfuegen(p.get(), 50, 100, 150, 400), 3);
    EXPECT_EQ(f->Objekte[2]->Bit, 7);
    EXPECT_EQ(f->Objekte[2]->Adr, 65535);
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolTextFormat(6300, "%d", 3)});

    auto d = Prototyp(Dynamische_Beschriftung, 5);
    d->Op = 'M';
    d->Adr = 65530;
    d->OpGroesse = 4;
    EXPECT_EQ(f->KopienEinfuegen(d.get(), 50, 100, 150, 400), 2);
    Boxen();

    while (f->iAnzahlObjekte < iMaxObjekte - 2)
        Neu(LED, 10, 10);
    auto q = Prototyp(LED, 5);
    EXPECT_EQ(f->KopienEinfuegen(q.get(), 50, 100, 150, 400), 2);
    EXPECT_EQ(f->iAnzahlObjekte, iMaxObjekte);
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolTextFormat(1391, "%d", iMaxObjekte)});
    // A full panel says so before any dialog.
    f->iWerkzeug = 3;
    QTest::mousePress(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(f->Arbeitsflaeche, QPoint(200, 200));
    QTest::mouseRelease(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolTextFormat(1391, "%d", iMaxObjekte)});
}

TEST_F(Einfuegen, LedToolDragThroughTheRealDialogInsertsTheSeries)
{
    f->aMaske_Obj_LED->trigger();
    int iDialoge = 0;
    ModalAntworterSetzen([&](QDialog& d) {
        ++iDialoge;
        auto& dlg = dynamic_cast<TDlgLED&>(d);
        dlg.eByteAdr->setText("4");
        dlg.cbBit->setCurrentIndex(dlg.cbBit->findText("6"));
        dlg.cbAnzahl->setCurrentIndex(dlg.cbAnzahl->findText("3"));
        dlg.bOkClick();
        return dlg.result();
    });
    QTest::mousePress(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(f->Arbeitsflaeche, QPoint(200, 160));
    QTest::mouseRelease(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(200, 160));
    EXPECT_EQ(iDialoge, 1);
    ASSERT_EQ(f->iAnzahlObjekte, 3);
    EXPECT_EQ(std::vector<int>({f->Objekte[0]->Adr, f->Objekte[1]->Adr, f->Objekte[2]->Adr}),
              std::vector<int>({4, 4, 5}));
    EXPECT_EQ(std::vector<int>({f->Objekte[0]->Bit, f->Objekte[1]->Bit, f->Objekte[2]->Bit}),
              std::vector<int>({6, 7, 0}));
    EXPECT_EQ(std::vector<int>({f->Objekte[0]->Top(), f->Objekte[1]->Top(), f->Objekte[2]->Top()}),
              std::vector<int>({100, 124, 148}));
    EXPECT_EQ(f->iAnzahlMarkierte, 3);
    EXPECT_EQ(f->iWerkzeug, 0);
    EXPECT_TRUE(f->bMaskeGeaendert);
}
