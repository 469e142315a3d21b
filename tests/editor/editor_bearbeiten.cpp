// The editor under real mouse and key events: selecting (click, shift-click,
// rubber band, Tab), moving by mouse and arrow keys, resizing, align, equal
// spacing, front and back, delete, the read-only refusals, a selection that
// no longer matches the panel, and a panel saved after all that.
#include "EditorTestHilfe.h"

#include <QPointer>
#include <QRubberBand>
#include <QToolBar>

#include "DlgLEDForm.h"
#include "PoolText.h"

using namespace editortest;

namespace {

class Bearbeiten : public FensterTest {
protected:
    TMyObj *a = nullptr, *b = nullptr, *c = nullptr;
    // Three texts at known places.
    void DreiTexte()
    {
        a = Neu(Statische_Beschriftung, 100, 100, 60, 20);
        b = Neu(Statische_Beschriftung, 200, 150, 60, 20);
        c = Neu(Statische_Beschriftung, 300, 300, 60, 20);
    }
    std::vector<TMyObj*> Auswahl() const
    {
        return std::vector<TMyObj*>(f->Markierte, f->Markierte + f->iAnzahlMarkierte);
    }
    std::vector<TMyObj*> Reihenfolge() const
    {
        return std::vector<TMyObj*>(f->Objekte, f->Objekte + f->iAnzahlObjekte);
    }
    void Klick(TMyObj* p, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(p, Qt::LeftButton, m, QPoint(30, 10));
    }
    // A drag on the panel's background from one point to another.
    void Gummiband(QPoint von, QPoint bis)
    {
        QTest::mousePress(f->Arbeitsflaeche, Qt::LeftButton, {}, von);
        QTest::mouseMove(f->Arbeitsflaeche, bis);
        QTest::mouseRelease(f->Arbeitsflaeche, Qt::LeftButton, {}, bis);
    }
    void Markieren(std::initializer_list<TMyObj*> l)
    {
        f->MarkierungAufheben();
        for (TMyObj* p : l)
            f->ObjektMarkieren(p);
    }
};

} // namespace

TEST_F(Bearbeiten, ClickShiftClickBackgroundAndRubberBandSelect)
{
    DreiTexte();
    Klick(a);
    Klick(b);
    EXPECT_EQ(Auswahl(), std::vector<TMyObj*>{b});
    Klick(a, Qt::ShiftModifier);
    Klick(a, Qt::ShiftModifier);
    EXPECT_EQ(Auswahl(), (std::vector<TMyObj*>{b, a})) << "each object once, in selection order";
    QTest::mouseClick(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_TRUE(Auswahl().empty());

    // Wholly inside, borders included: a and b, not c.
    QTest::mousePress(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(f->Arbeitsflaeche, QPoint(260, 170));
    EXPECT_TRUE(f->Gummiband->isVisible());
    EXPECT_EQ(f->Gummiband->geometry(), QRect(QPoint(100, 100), QPoint(260, 170)));
    f->grab().save(QString::fromStdString(
        (testhilfe::Artefaktordner() / "editor_gummiband.png").string()));
    QTest::mouseRelease(f->Arbeitsflaeche, Qt::LeftButton, {}, QPoint(260, 170));
    EXPECT_EQ(Auswahl(), (std::vector<TMyObj*>{a, b}));
    EXPECT_FALSE(f->Gummiband->isVisible());
    // Exactly 10 pixels, or up and to the left, selects nothing.
    Gummiband(QPoint(95, 95), QPoint(105, 400));
    EXPECT_TRUE(Auswahl().empty());
    Gummiband(QPoint(400, 400), QPoint(50, 50));
    EXPECT_TRUE(Auswahl().empty());
    EXPECT_TRUE(f->ptMausDown.isNull());
    EXPECT_FALSE(f->bMaskeGeaendert);
}

TEST_F(Bearbeiten, MouseDragAndArrowKeysMarkModifiedAndNothingLeavesThePanel)
{
    DreiTexte();
    Klick(a);
    Klick(b, Qt::ShiftModifier);
    TestUhrSetzen(100000);

    // The drag follows the screen cursor, which the test sets itself.
    const QPoint ptStart = b->mapToGlobal(QPoint(30, 10));
    QCursor::setPos(ptStart);
    QTest::mousePress(b, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 10));
    QCursor::setPos(ptStart + QPoint(15, 7));
    QTest::mouseMove(b, QPoint(45, 17));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(45, 17));
    EXPECT_EQ(QPoint(a->Left(), a->Top()), QPoint(115, 107));
    EXPECT_EQ(QPoint(b->Left(), b->Top()), QPoint(215, 157));
    EXPECT_EQ(QPoint(b->x, b->y), QPoint(215, 157)) << "the design position follows";
    EXPECT_EQ(QPoint(c->Left(), c->Top()), QPoint(300, 300));
    EXPECT_TRUE(f->bMaskeGeaendert);
    EXPECT_FALSE(f->bZiehen);

    f->SetMaskeGeaendert(false);
    QTest::keyClick(f, Qt::Key_Left);
    QTest::keyClick(f, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(QPoint(a->Left(), a->Top()), QPoint(114, 117));
    EXPECT_EQ(QPoint(b->Left(), b->Top()), QPoint(214, 167));
    EXPECT_TRUE(f->bMaskeGeaendert) << "a key move is work that Exit must ask about";
    EXPECT_FALSE(f->bStrgGedrueckt);

    // Left at 0 stays, and a key that moved nothing changed nothing; far
    // right and down stop inside the panel area.
    a->SetLeft(0);
    Klick(a);
    f->SetMaskeGeaendert(false);
    QTest::keyClick(f, Qt::Key_Left);
    EXPECT_EQ(a->Left(), 0);
    EXPECT_FALSE(f->bMaskeGeaendert);
    int32_t iRechts = 0, iUnten = 0;
    f->ClientBereichHolen(iRechts, iUnten);
    const QPoint ptA = a->mapToGlobal(QPoint(30, 10));
    QCursor::setPos(ptA);
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(30, 10));
    QCursor::setPos(ptA + QPoint(5000, 5000));
    QTest::mouseMove(a, QPoint(40, 10));
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_LT(a->Left(), iRechts);
    EXPECT_LT(a->Top(), f->Arbeitsflaeche->height() - f->StatusPanel->height());
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(f, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_LT(a->Left(), iRechts);
}

TEST_F(Bearbeiten, ResizeByEdgesRightStopsBelow400LeftHasNoLimitMarksModified)
{
    TMyObj* p = Neu(Statische_Beschriftung, 300, 200, 80, 20);
    TestUhrSetzen(100000);
    p->dwVerschiebeZeit = 0;
    // Right edge: start in the zone, drag far right.
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(78, 10));
    QTest::mouseMove(p, QPoint(79, 10));
    EXPECT_EQ(f->pAktivesObjekt, p);
    QTest::mouseMove(p, QPoint(150, 10));
    EXPECT_EQ(p->Width(), 150);
    QTest::mouseMove(p, QPoint(398, 10));
    EXPECT_EQ(p->Width(), 398);
    QTest::mouseMove(p, QPoint(450, 10));
    EXPECT_EQ(p->Width(), 398) << "400 and more is refused";
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(450, 10));
    EXPECT_EQ(f->pAktivesObjekt, nullptr);

    // Left edge: the left side follows the mouse, and the width grows past
    // 400.
    p->SetLeft(500);
    p->SetWidth(80);
    p->dwVerschiebeZeit = 0;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(1, 10));
    QTest::mouseMove(p, QPoint(2, 10));
    QTest::mouseMove(p, QPoint(-450, 10));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(-450, 10));
    EXPECT_EQ(p->Left(), 50);
    EXPECT_EQ(p->Width(), 530);
    EXPECT_EQ(p->w, 530);
    // Bottom edge.
    p->dwVerschiebeZeit = 0;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(30, 18));
    QTest::mouseMove(p, QPoint(30, 19));
    QTest::mouseMove(p, QPoint(30, 60));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(30, 60));
    EXPECT_EQ(p->Height(), 60);
    EXPECT_TRUE(f->bMaskeGeaendert);
}

// A press inside the object drags it, also when the drag pauses past the
// edge cursors' wait with the pointer on an edge or beyond the object; a
// press on an edge within the wait after a move drags as well.
TEST_F(Bearbeiten, OnlyAPressOnAnEdgeResizesAHeldDragNeverTurnsIntoOne)
{
    TMyObj* p = Neu(Statische_Beschriftung, 300, 200, 60, 16);
    TestUhrSetzen(100000);
    p->dwVerschiebeZeit = 0;
    QPoint ptZeiger = p->mapToGlobal(QPoint(30, 8));
    auto Ziehen = [&](QPoint d, QPoint ptLokal) {
        ptZeiger += d;
        QCursor::setPos(ptZeiger);
        QTest::mouseMove(p, ptLokal);
    };
    QCursor::setPos(ptZeiger);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(30, 8));
    Ziehen(QPoint(5, 0), QPoint(35, 8));
    ASSERT_EQ(QPoint(p->Left(), p->Top()), QPoint(305, 200));
    TestUhrVorstellen(600);
    Ziehen(QPoint(0, 6), QPoint(30, 14));   // held still, then onto the edge
    TestUhrVorstellen(600);
    Ziehen(QPoint(0, 30), QPoint(30, 44));   // and on past the object
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(30, 44));
    EXPECT_EQ(f->pAktivesObjekt, nullptr);
    EXPECT_EQ(QSize(p->Width(), p->Height()), QSize(60, 16));
    EXPECT_EQ(QPoint(p->Left(), p->Top()), QPoint(305, 236));

    // Right after a key move the edge is no handle yet: the press drags,
    // however long it is held before the pointer moves.
    QTest::keyClick(f, Qt::Key_Down);
    ptZeiger = p->mapToGlobal(QPoint(30, 15));
    QCursor::setPos(ptZeiger);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(30, 15));
    TestUhrVorstellen(600);
    Ziehen(QPoint(0, 20), QPoint(30, 35));
    Ziehen(QPoint(0, 10), QPoint(30, 25));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(30, 25));
    EXPECT_EQ(p->Height(), 16);
    EXPECT_EQ(p->Top(), 267);

    // After the wait the same press on the bottom edge resizes.
    TestUhrVorstellen(600);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseMove(p, QPoint(30, 16));
    QTest::mouseMove(p, QPoint(30, 40));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(p->Height(), 40);
    EXPECT_EQ(p->Top(), 267);
}

// The tool bar covers the top of the panel area: neither a drag nor the
// keys put an object's top under it; with the bar hidden the top is 0.
TEST_F(Bearbeiten, MovesKeepObjectsBelowTheToolBarWhileItIsShown)
{
    const int32_t iOben = f->WerkzeugleistenHoehe();
    ASSERT_GT(iOben, 10);
    a = Neu(Statische_Beschriftung, 100, iOben + 30, 60, 20);
    b = Neu(Statische_Beschriftung, 300, 5, 60, 20);   // as a panel file may place it
    Klick(a);
    const QPoint ptA = a->mapToGlobal(QPoint(30, 10));
    QCursor::setPos(ptA);
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(30, 10));
    QCursor::setPos(ptA + QPoint(10, -500));
    QTest::mouseMove(a, QPoint(40, 10));
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(QPoint(a->Left(), a->Top()), QPoint(110, iOben)) << "stopped at the bar";
    QTest::keyClick(f, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_Up);
    EXPECT_EQ(a->Top(), iOben);
    EXPECT_EQ(a->y, iOben);

    // One already under the bar goes no further up, but down it goes.
    Markieren({b});
    QTest::keyClick(f, Qt::Key_Up);
    EXPECT_EQ(b->Top(), 5);
    QTest::keyClick(f, Qt::Key_Down);
    EXPECT_EQ(b->Top(), 6);

    f->aAnsichtMausbuttonOnOffExecute();   // the bar hidden
    ASSERT_EQ(f->WerkzeugleistenHoehe(), 0);
    a->SetTop(30);
    Markieren({a});
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(f, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(a->Top(), 0);
}

// A selection pushed against a limit moves as a whole, by what its most
// limited object can take; a resize by the top or left edge stops where a
// move stops, its opposite edge staying put.
TEST_F(Bearbeiten, SelectionMovesAsAWholeAndResizeEdgesStopAtTheLimits)
{
    const int32_t iOben = f->WerkzeugleistenHoehe();
    ASSERT_GT(iOben, 10);
    a = Neu(Statische_Beschriftung, 11, iOben + 11, 60, 20);
    b = Neu(Statische_Beschriftung, 200, iOben + 150, 60, 20);
    c = Neu(Statische_Beschriftung, 300, iOben + 300, 60, 20);
    const auto Lagen = [&] {
        return std::vector<QPoint>{a->pos(), b->pos(), c->pos()};
    };
    const auto Abstaende = [&] {
        return std::vector<QPoint>{b->pos() - a->pos(), c->pos() - a->pos()};
    };
    const std::vector<QPoint> abstand = Abstaende();
    f->aBearbeiten_AllesMarkieren->trigger();
    ASSERT_EQ(Auswahl().size(), 3u);
    TestUhrSetzen(100000);

    for (int i = 0; i < 15; ++i)
        QTest::keyClick(f, Qt::Key_Up);
    EXPECT_EQ(a->Top(), iOben);
    EXPECT_EQ(b->Top(), iOben + 139) << "the rest moved as far as the first could";
    QTest::keyClick(f, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(a->Left(), 0) << "the step is cut to what is left, not dropped";
    EXPECT_EQ(b->Left(), 189);
    EXPECT_EQ(Abstaende(), abstand);
    EXPECT_EQ(QPoint(b->x, b->y), b->pos());

    // Right and down the object nearest the limit holds the others back.
    int32_t iRechts = 0, iUnten = 0;
    f->ClientBereichHolen(iRechts, iUnten);
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(f, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Down, Qt::ControlModifier);
    }
    EXPECT_LT(c->Left(), iRechts);
    EXPECT_GT(c->Left(), iRechts - 20);
    EXPECT_EQ(Abstaende(), abstand);

    // A drag beyond the upper left corner: the same, and a drag that moves
    // nothing marks nothing modified.
    const auto Ziehen = [&](TMyObj* p, QPoint d) {
        const QPoint pt = p->mapToGlobal(QPoint(30, 10));
        QCursor::setPos(pt);
        QTest::mousePress(p, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 10));
        QCursor::setPos(pt + d);
        QTest::mouseMove(p, QPoint(31, 10));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(31, 10));
    };
    Ziehen(b, QPoint(-5000, -5000));
    EXPECT_EQ(a->pos(), QPoint(0, iOben));
    EXPECT_EQ(Abstaende(), abstand);
    f->SetMaskeGeaendert(false);
    const std::vector<QPoint> vorher = Lagen();
    Ziehen(c, QPoint(-30, -30));
    EXPECT_EQ(Lagen(), vorher);
    EXPECT_FALSE(f->bMaskeGeaendert);

    // Resize by the top edge: held at the tool bar, the bottom stays.
    TMyObj* p = Neu(Statische_Beschriftung, 400, iOben + 40, 80, 30);
    p->dwVerschiebeZeit = 0;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(40, 1));
    QTest::mouseMove(p, QPoint(40, 2));
    QTest::mouseMove(p, QPoint(40, -200));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(40, -200));
    EXPECT_EQ(p->Top(), iOben);
    EXPECT_EQ(p->Top() + p->Height(), iOben + 70);
    EXPECT_EQ(p->y, iOben);
    // Resize by the left edge: held at 0, the right edge stays.
    p->SetLeft(30);
    p->dwVerschiebeZeit = 0;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(1, 20));
    QTest::mouseMove(p, QPoint(2, 20));
    QTest::mouseMove(p, QPoint(-100, 20));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(-100, 20));
    EXPECT_EQ(p->Left(), 0);
    EXPECT_EQ(p->Width(), 110);
    EXPECT_EQ(p->x, 0);
}

TEST_F(Bearbeiten, AlignSpaceAndRestackThroughTheirActions)
{
    DreiTexte();
    Markieren({a, b, c});
    f->aBearbeiten_Ausrichten_V->trigger();   // one vertical line
    EXPECT_EQ(std::vector<int>({a->Left(), b->Left(), c->Left()}), std::vector<int>({100, 100, 100}));
    EXPECT_TRUE(f->bMaskeGeaendert);

    // Tops 10, 10 and 40: both ends stay, the equal tops keep the order in
    // which they were selected.
    a->SetTop(40);
    b->SetTop(10);
    c->SetTop(10);
    Markieren({b, a, c});
    f->SetMaskeGeaendert(false);
    f->aBearbeiten_Gleicher_Abstand_V->trigger();
    EXPECT_EQ(std::vector<int>({b->Top(), c->Top(), a->Top()}), std::vector<int>({10, 25, 40}));
    EXPECT_TRUE(f->bMaskeGeaendert);

    f->aBearbeiten_Ausrichten_H->trigger();   // one horizontal line
    EXPECT_EQ(std::vector<int>({a->Top(), b->Top(), c->Top()}), std::vector<int>({10, 10, 10}));
    a->SetLeft(12000);
    b->SetLeft(12000);
    c->SetLeft(12000);
    f->aBearbeiten_Ausrichten_V->trigger();
    EXPECT_EQ(a->Left(), 10000);

    // Front and back, the controls' stacking with the array.
    Markieren({a});
    f->aMaskeAnordnenVorne->trigger();
    EXPECT_EQ(Reihenfolge(), (std::vector<TMyObj*>{b, c, a}));
    const QObjectList& Kinder = f->Arbeitsflaeche->children();
    EXPECT_LT(Kinder.indexOf(c), Kinder.indexOf(a));
    EXPECT_LT(Kinder.indexOf(a), Kinder.indexOf(f->ToolBar1)) << "the tool bar stays on top";
    f->aMaskeAnordnenVorne->trigger();
    EXPECT_EQ(Reihenfolge(), (std::vector<TMyObj*>{b, c, a})) << "already last";
    Markieren({c, a});
    f->aMaskeAnordnenHinten->trigger();
    EXPECT_EQ(Reihenfolge(), (std::vector<TMyObj*>{c, b, a}));
    EXPECT_EQ(Kinder.indexOf(c) < Kinder.indexOf(b), true);
    EXPECT_EQ(Boxen(), std::vector<std::string>{PoolText(1361)});

    // One object: no align, no spacing.
    Markieren({b});
    const int iVorher = b->Top();
    b->SetLeft(777);
    f->aBearbeiten_Ausrichten_V->trigger();
    f->aBearbeiten_Gleicher_Abstand_V->trigger();
    EXPECT_EQ(b->Left(), 777);
    EXPECT_EQ(b->Top(), iVorher);
}

TEST_F(Bearbeiten, DeleteSelectAllTabAndShiftTab)
{
    DreiTexte();
    TMyObj* d = Neu(LED, 400, 100);
    Markieren({c});
    f->aBearbeiten_MarkierenNext->trigger();
    EXPECT_EQ(Auswahl(), std::vector<TMyObj*>{d});
    f->aBearbeiten_MarkierenNext->trigger();
    EXPECT_EQ(Auswahl(), std::vector<TMyObj*>{a}) << "after the last comes the first";
    f->aBearbeiten_MarkierenPrior->trigger();
    EXPECT_EQ(Auswahl(), std::vector<TMyObj*>{d}) << "before the first comes the last";
    Markieren({c});
    f->aBearbeiten_MarkierenPrior->trigger();
    EXPECT_EQ(Auswahl(), std::vector<TMyObj*>{b});

    Markieren({b, d});
    QPointer<TMyObj> pb(b), pd(d);
    f->aBearbeiten_Loeschen->trigger();
    EXPECT_TRUE(pb.isNull() && pd.isNull());
    EXPECT_EQ(Reihenfolge(), (std::vector<TMyObj*>{a, c}));
    EXPECT_TRUE(Auswahl().empty());
    EXPECT_TRUE(f->bMaskeGeaendert);

    f->aBearbeiten_AllesMarkieren->trigger();
    EXPECT_EQ(Auswahl(), (std::vector<TMyObj*>{a, c}));
    Run();
    EXPECT_TRUE(Auswahl().empty()) << "the switch to RUN clears the selection";
    QTest::keyClick(f, Qt::Key_Right);
    EXPECT_EQ(a->Left(), 100);
    f->AllesMarkieren();
    EXPECT_TRUE(Auswahl().empty()) << "not in RUN";
}

TEST_F(Bearbeiten, ReadOnlyRefusesEveryChangeWithItsText)
{
    DreiTexte();
    Markieren({a, b});
    bNurLesen = true;
    const std::vector<std::string> Nur{PoolText(1262)};
    Klick(c);
    EXPECT_EQ(Boxen(), Nur);
    EXPECT_EQ(Auswahl(), (std::vector<TMyObj*>{a, b})) << "the press selects nothing";
    f->aBearbeiten_Ausrichten_V->trigger();
    EXPECT_EQ(Boxen(), Nur);
    f->aBearbeiten_Gleicher_Abstand_V->trigger();
    EXPECT_EQ(Boxen(), Nur);
    f->aMaskeAnordnenVorne->trigger();
    EXPECT_EQ(Boxen(), Nur);
    QTest::keyClick(f, Qt::Key_Right);
    EXPECT_EQ(Boxen(), Nur);
    f->aBearbeiten_Loeschen->trigger();
    EXPECT_EQ(Boxen(), Nur);
    f->AllesMarkieren();
    EXPECT_EQ(f->iAnzahlMarkierte, 2);
    EXPECT_EQ(Reihenfolge(), (std::vector<TMyObj*>{a, b, c}));
    EXPECT_EQ(QPoint(a->Left(), b->Left()), QPoint(100, 200));
    EXPECT_FALSE(f->bMaskeGeaendert);
}

TEST_F(Bearbeiten, ASelectionThatNoLongerMatchesThePanelIsNeverTouched)
{
    DreiTexte();
    // An object that left the panel but is still in the selection.
    auto* pFremd = new TMyObj(f, Statische_Beschriftung, 50, 50, 40, 20);
    QPointer<TMyObj> Fremd(pFremd);
    Markieren({pFremd, a, b});
    f->Markierte[3] = a;   // a count beyond the real entries
    f->iAnzahlMarkierte = 4;
    f->aBearbeiten_Ausrichten_V->trigger();
    EXPECT_EQ(pFremd->Left(), 50);
    EXPECT_EQ(b->Left(), 100);
    f->aBearbeiten_Loeschen->trigger();
    EXPECT_FALSE(Fremd.isNull()) << "not the panel's to delete";
    EXPECT_EQ(Reihenfolge(), std::vector<TMyObj*>{c});
    delete pFremd;
}

TEST_F(Bearbeiten, PanelSavedAfterEditingReadsBackInTheSameOrder)
{
    DreiTexte();
    a->Text0 = "Erster";
    b->Text0 = "Zweiter";
    c->Text0 = "Dritter";
    Markieren({a, b});
    f->aBearbeiten_Ausrichten_H->trigger();
    Markieren({a});
    f->aMaskeAnordnenVorne->trigger();
    Markieren({c});
    QTest::keyClick(f, Qt::Key_Up);
    std::vector<std::string> Zeilen;
    for (TMyObj* p : Reihenfolge())
        Zeilen.push_back(p->pcGetINIString());

    std::filesystem::create_directories(u->pfProjekte / "Test");
    ASSERT_TRUE(f->bMaskeSchreiben(MaskeFile));
    f->MaskeLoeschen();
    ASSERT_TRUE(f->bMaskeLesen((u->pfProjekte / "Test" / "Test.maske_ini").string()));
    ASSERT_EQ(f->iAnzahlObjekte, 3);
    std::vector<std::string> Gelesen;
    for (TMyObj* p : Reihenfolge())
        Gelesen.push_back(p->pcGetINIString());
    EXPECT_EQ(Gelesen, Zeilen);
    EXPECT_EQ(f->Objekte[2]->Text0, "Erster");
    EXPECT_EQ(f->Objekte[1]->y, 299);
}

TEST_F(Bearbeiten, DoubleClickAndEnterOpenTheObjectsDialogOkMarksModified)
{
    TMyObj* pLED = Neu(LED, 100, 100);
    pLED->Op = 'A';
    std::vector<bool> Neue;
    int iAntwort = 2;
    ModalAntworterSetzen([&](QDialog& d) {
        Neue.push_back(dynamic_cast<TDlgLED&>(d).bNeuesObjekt);
        return iAntwort;
    });
    QTest::mouseDClick(pLED, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Neue.size(), 1u);
    EXPECT_FALSE(Neue[0]) << "an existing object";
    EXPECT_FALSE(f->bMaskeGeaendert);
    iAntwort = 1;
    QTest::mouseDClick(pLED, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f->bMaskeGeaendert);

    // Enter with exactly one selected object opens it too: Cancel changes
    // nothing, OK is kept as after the double click.
    f->SetMaskeGeaendert(false);
    Markieren({pLED});
    iAntwort = 2;
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(Neue.size(), 3u);
    EXPECT_FALSE(f->bMaskeGeaendert);
    iAntwort = 1;
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(Neue.size(), 4u);
    EXPECT_TRUE(f->bMaskeGeaendert);
    Neu(LED, 200, 100);
    f->AllesMarkieren();
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(Neue.size(), 4u) << "not with two selected";
}
