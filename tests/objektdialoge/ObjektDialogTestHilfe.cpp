#include "ObjektDialogTestHilfe.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "HauptForm.h"
#include "Maske.h"
#include "MyObj.h"
#include "Programm.h"
#include "WinDialoge.h"
#include "WinMeldung.h"
#include "WinProzess.h"
#include "kolv_spr2.h"

namespace fs = std::filesystem;

namespace dlgtest {

void DialogTest::SetUp()
{
    pForm = projekttest::FensterOhneStart();
    pfProjekt = u.pfProjekte / "Anlage";
    fs::create_directories(pfProjekt);
    cMaskenVerzeichnis = pfProjekt.string() + "/";
    MaskeFile = cMaskenVerzeichnis + "Anlage.maske_ini";
    SprachenSetzen(1, 1);
    // The help viewer is recorded, not started.
    ProzessStartsAufzeichnen(true);
    u.Meldungen.clear();
}

void DialogTest::TearDown()
{
    ModalAntworterSetzen({});
    DialogAntwortenLoeschen();
    projekttest::FensterWeg(pForm);
    ProzessStartsAufzeichnen(false);
    SprachenSetzen(1, 1);
}

void DialogTest::SprachenSetzen(unsigned char ucText, unsigned char ucSyntax)
{
    SPR_SetTextSprache(ucText);
    bSprachDateiLaden(SPR_GetTextSprache());
    SPR_SetSyntaxSprache(ucSyntax);
}

TMyObj* DialogTest::NeuesObjekt(int32_t iArt)
{
    auto* p = new TMyObj(pForm, iArt, 40, 50, 0, 0);
    pForm->Objekte[pForm->iAnzahlObjekte++] = p;
    return p;
}

TMyObj* DialogTest::ObjektAusZeile(const std::string& sZeile)
{
    auto* p = new TMyObj(pForm, 0, 10, 10, 10, 10);
    EXPECT_TRUE(p->bINIStringAuswerten(sZeile)) << sZeile;
    pForm->Objekte[pForm->iAnzahlObjekte++] = p;
    return p;
}

std::vector<std::string> DialogTest::Meldungen()
{
    std::vector<std::string> texte;
    for (const auto& m : u.Meldungen) texte.push_back(m.sText);
    u.Meldungen.clear();
    return texte;
}

void DialogBeantworten(std::function<void(QDialog&)> fAntwort)
{
    ModalAntworterSetzen([fAntwort](QDialog& dlg) {
        // One dialog per script: a second one would run for real.
        ModalAntworterSetzen({});
        fAntwort(dlg);
        return dlg.result();
    });
}

bool DialogFotografieren(QDialog& dlg, const std::string& sName)
{
    dlg.show();
    QApplication::processEvents();
    std::vector<QPixmap> bilder;
    auto* pSeiten = dlg.findChild<QTabWidget*>();
    const int iSeiten = pSeiten ? pSeiten->count() : 1;
    for (int i = 0; i < iSeiten; ++i) {
        if (pSeiten) pSeiten->setCurrentIndex(i);
        QApplication::processEvents();
        bilder.push_back(dlg.grab());
    }
    if (pSeiten) pSeiten->setCurrentIndex(0);
    dlg.hide();
    int iBreite = 0, iHoehe = 0;
    for (const QPixmap& b : bilder) {
        iBreite += b.width() + 8;
        iHoehe = std::max(iHoehe, b.height());
    }
    QPixmap Gesamt(iBreite, iHoehe);
    Gesamt.fill(Qt::white);
    QPainter p(&Gesamt);
    int x = 0;
    for (const QPixmap& b : bilder) {
        p.drawPixmap(x, 0, b);
        x += b.width() + 8;
    }
    p.end();
    fs::create_directories(testhilfe::Artefaktordner());
    return Gesamt.save(QString::fromStdString((testhilfe::Artefaktordner() / (sName + ".png")).string()), "PNG");
}

} // namespace dlgtest
