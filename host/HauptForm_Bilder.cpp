// Main window: the picture library of the project folder and the
// background picture.
#include "HauptForm.h"

#include <QImage>
#include <QLabel>
#include <QObject>
#include <QToolBar>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BildBibliothek.h"
#include "Einstellungen.h"
#include "Maske.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "PoolText.h"
#include "Programm.h"
#include "WinText.h"
#include "harlenzutils40.h"

namespace {

// Holds the background picture as a child of the window, so that it goes
// with the window.
class THintergrundHalter : public QObject {
public:
    explicit THintergrundHalter(QObject* pEltern) : QObject(pEltern) {}
    QImage Bild;
};

// The default picture of the program folder, shown without a panel.
constexpr const char* cStandardBild = "Default_harlenz.jpg";

} // namespace

// The background image and the hint label exist from the first use on.
static void HintergrundBereitstellen(THauptformular* pForm)
{
    if (!pForm->Image300CPU) pForm->Image300CPU = &(new THintergrundHalter(pForm))->Bild;
    if (!pForm->lBlanc_Hinweis) {
        QWidget* pEltern = pForm->Arbeitsflaeche ? pForm->Arbeitsflaeche : pForm;
        pForm->lBlanc_Hinweis = new QLabel(pEltern);
        pForm->lBlanc_Hinweis->setObjectName("lBlanc_Hinweis");
        pForm->lBlanc_Hinweis->hide();
    }
}

bool THauptformular::bDateiImMaskenordner(const std::string& cName, std::string& cPfad)
{
    // A picture name from a panel file may carry a folder; the picture is
    // the file of that name in the project folder.
    const std::string sName = BildDateiname(cName);
    cPfad = cMaskenVerzeichnis + sName;
    if (cMaskenVerzeichnis.empty() || sName.empty()) return false;
    const std::string sGefunden = DateiImOrdner(cMaskenVerzeichnis, sName);
    if (sGefunden.empty()) return false;
    cPfad = sGefunden;
    return true;
}

QImage* THauptformular::pGetBildVonName(const std::string& cName)
{
    const std::string sName = BildDateiname(cName);
    for (int i = 0; i < iAnzahlBilder; ++i)
        if (Bilder[i] && bGleicherDateiname(Bilder[i]->cName, sName)) return Bilder[i]->pBild;
    return nullptr;
}

QImage* THauptformular::pGetBildVonDatei(const std::string& cPfad)
{
    const std::string sName = NameVonPfad(cPfad);
    // Without a project folder there is nowhere to keep the picture.
    if (sName.empty() || cMaskenVerzeichnis.empty()) return nullptr;
    std::string sImOrdner;
    if (!bDateiImMaskenordner(sName, sImOrdner)) {
        U_DateiKopieren((cMaskenVerzeichnis + sName).c_str(), cPfad.c_str());
        // A failed copy leaves nothing in the folder to load; the picture
        // gets no entry rather than one the saved panel could not find.
        if (!bDateiImMaskenordner(sName, sImOrdner)) return nullptr;
    }
    // The entry keeps at most 103 characters of the name; a longer name
    // would be found under a different name, so it gets no entry.
    if (static_cast<int>(sName.size()) > iMaxBildName) return nullptr;
    if (QImage* pBild = pGetBildVonName(sName)) return pBild;
    if (iAnzahlBilder >= iMaxBilder) return nullptr;
    auto pBild = std::make_unique<QImage>();
    if (!bBildLaden(sImOrdner, *pBild)) return nullptr;
    auto* pEintrag = new BildEintrag;
    pEintrag->pBild = pBild.release();
    pEintrag->cName = sName;
    pEintrag->iGroesse = static_cast<int32_t>(U_GetFileSizeBytes(sImOrdner.c_str()));
    Bilder[iAnzahlBilder++] = pEintrag;
    return pEintrag->pBild;
}

void THauptformular::BilderFreigeben()
{
    for (int i = 0; i < iAnzahlBilder; ++i) {
        if (Bilder[i]) delete Bilder[i]->pBild;
        delete Bilder[i];
        Bilder[i] = nullptr;
    }
    iAnzahlBilder = 0;
}

bool THauptformular::HintergrundbildLaden(const std::string& sPfad)
{
    HintergrundBereitstellen(this);
    QImage Bild;
    const bool bOk = bBildLaden(sPfad, Bild);
    *Image300CPU = Bild;   // an unreadable picture shows nothing
    update();
    if (Arbeitsflaeche) Arbeitsflaeche->update();
    return bOk;
}

void THauptformular::StandardHintergrundLaden()
{
    HintergrundBereitstellen(this);
    cHintergrundDatei = cExeVerzeichnis + "__system/pic/" + cStandardBild;
    QImage Bild;
    if (!U_DateiVorhanden(cHintergrundDatei.c_str()) || !bBildLaden(cHintergrundDatei, Bild)) {
        // No default picture: the background stays empty, no hint.
        cHintergrundDatei.clear();
        *Image300CPU = QImage();
        lBlanc_Hinweis->hide();
        update();
        return;
    }
    *Image300CPU = Bild;
    const int iOben = ToolBar1 && !ToolBar1->isHidden() ? ToolBar1->height() : 0;
    if (Arbeitsflaeche) {
        // The client area becomes as wide as the picture and 100 pixels
        // higher than it.
        resize(width() - Arbeitsflaeche->width() + Bild.width(),
               height() - Arbeitsflaeche->height() + Bild.height() + 100);
    }
    lBlanc_Hinweis->show();
    HinweisAnordnen();
    // Two or three lines of a long translation may not fit the 100 pixels
    // below the picture: the window grows rather than hide them.
    const int iFehlt = lBlanc_Hinweis->y() - (iOben + Bild.height() + 5);
    if (iFehlt < 0) resize(width(), height() - iFehlt);
    update();
    if (Arbeitsflaeche) Arbeitsflaeche->update();
}

void THauptformular::HinweisAnordnen()
{
    if (!lBlanc_Hinweis || lBlanc_Hinweis->isHidden() || !Arbeitsflaeche) return;
    // The text follows the language; it wraps inside the window, 10 pixels
    // from either edge, and stays above the status bar.
    lBlanc_Hinweis->setText(QString::fromStdString(PoolText(1360)));
    lBlanc_Hinweis->setWordWrap(true);
    const int iBreite = std::max(Arbeitsflaeche->width() - 20, 1);
    const int iHoehe = lBlanc_Hinweis->heightForWidth(iBreite);
    const int iBildUnten = WerkzeugleistenHoehe() + (Image300CPU ? Image300CPU->height() : 0);
    const int iStatusOben =
        StatusPanel && !StatusPanel->isHidden() ? StatusPanel->y() : Arbeitsflaeche->height();
    const int iOben = std::max(0, std::min(iBildUnten + 35, iStatusOben - 4 - iHoehe));
    lBlanc_Hinweis->setGeometry(10, iOben, iBreite, iHoehe);
    lBlanc_Hinweis->raise();
}

void THauptformular::FehlendeBilderMelden(const std::string& cMaskenPfad)
{
    // Each name once, however many LEDs use it in whatever letter case.
    std::vector<std::string> namen, zeilen;
    auto melden = [&](const std::string& sVorsatz, const std::string& sName, bool bGefunden) {
        for (const std::string& s : namen)
            if (bGleicherDateiname(s, sName)) return;
        namen.push_back(sName);
        zeilen.push_back(sVorsatz + PoolTextFormat(bGefunden ? 6866 : 6865, "%s", sName.c_str()));
    };
    std::string sPfad;
    // A new panel saved over the default picture names it; that picture is
    // the program's and never in the project folder, so no loss to report.
    const bool bStandardBild = bGleicherDateiname(BildDateiname(sGelesenerHintergrund), cStandardBild) &&
                               !bDateiImMaskenordner(sGelesenerHintergrund, sPfad);
    if (!sGelesenerHintergrund.empty() && !bStandardBild &&
        (cHintergrundDatei.empty() || !Image300CPU || Image300CPU->isNull()))
        melden(PoolText(6867) + " ", sGelesenerHintergrund,
               bDateiImMaskenordner(sGelesenerHintergrund, sPfad));
    for (int i = 0; i < iAnzahlObjekte; ++i) {
        const TMyObj* p = Objekte[i];
        if (!p || p->Obj != LED || !p->GrafikAkt) continue;
        const std::pair<const std::string*, const QImage*> bilder[] = {{&p->Grafik1, p->pBild1},
                                                                       {&p->Grafik0, p->pBild0}};
        for (const auto& [pName, pBild] : bilder)
            if (!pName->empty() && !pBild) melden("", *pName, bDateiImMaskenordner(*pName, sPfad));
    }
    if (zeilen.empty()) return;
    std::string sListe;
    for (const std::string& s : zeilen) sListe += s + "\n";
    FehlerMeldung(PoolTextFormat(6864, "%s%s", PfadAlsUtf8(cMaskenPfad).c_str(), sListe.c_str()));
}

void THauptformular::aMaske_Hintergrundbild_ladenExecute()
{
    OpenPictureDialog->Title = PoolText(1286);
    OpenPictureDialog->InitialDir =
        LetzterPfadHBild.empty() ? cExeVerzeichnis + "Pic/" : LetzterPfadHBild;
    OpenPictureDialog->Filter = PoolText(1332);
    OpenPictureDialog->DefaultExt = "BMP";
    OpenPictureDialog->FileName.clear();
    if (bNurLesen) {
        InfoMeldung(PoolText(1262));
        return;
    }
    if (UserDir.empty()) {
        FehlerMeldung(PoolText(1315));
        aExtras_BenutzerEinstellungenExecute();
        return;
    }
    if (MaskeFile.empty()) {
        InfoMeldung(PoolText(6860));
        return;
    }
    if (!OpenPictureDialog->Execute(this)) return;
    const std::string sPfad = OpenPictureDialog->FileName;
    if (!U_DateiVorhanden(sPfad.c_str())) return;
    // The panel file's header lines find their keys anywhere: a name with
    // "$WindowW=" in it would set the window's width when read back.
    if (bSchluesselImNamen(NameVonPfad(sPfad))) {
        FehlerMeldung(PoolTextFormat(6705, "%s", NameVonPfad(sPfad).c_str()));
        return;
    }
    cHintergrundDatei = sPfad;
    sGelesenerHintergrund.clear();   // the new choice is written by its own name
    HintergrundbildLaden(sPfad);
    pGetBildVonDatei(sPfad);
    // The panel file names only the file; unless the picture now lies in
    // the project folder, the saved panel would lose its background.
    std::string sImOrdner;
    if (!bDateiImMaskenordner(NameVonPfad(sPfad), sImOrdner))
        FehlerMeldung(PoolTextFormat(1390, "%s", sPfad.c_str()));
    SetMaskeGeaendert(true);
}
