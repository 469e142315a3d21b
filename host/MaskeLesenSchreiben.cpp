// Main window: writing and reading the panel file and the object lines it
// shares with the clipboard file.
#include "HauptForm.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "Bewegungsprofil.h"
#include "BildBibliothek.h"
#include "DateiStempel.h"
#include "Maske.h"
#include "MaskenKopf.h"
#include "Meldungen.h"
#include "MyObj.h"
#include "IPDaten.h"
#include "PLCDatBericht.h"
#include "ListenSockets.h"
#include "PoolText.h"
#include "Programm.h"
#include "SPSTyp.h"
#include "SpeicherFragen.h"
#include "WinText.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"

std::string sAngezeigteMaskeFile;

// The project's PLC.DAT exists but could not be read when the panel opened:
// the engine runs on defaults, and saving them over the file would lose the
// user's CPU settings unless the user agrees.
static bool bPLCDatUngelesen = false;

void PLCDatNeuGeschrieben() { bPLCDatUngelesen = false; }

namespace {

bool bEnthaelt(const std::string& s, const char* pcTeil)
{
    return s.find(pcTeil) != std::string::npos;
}

void Zeile(std::FILE* f, const std::string& s)
{
    ZeileSchreiben(s.c_str(), f);
}

// Message for a file with a line the reader will not take.
void ZuLangeZeileMelden(const TLeseDatei& datei, const std::string& sPfad)
{
    FehlerMeldung(PoolTextFormat(6703, "%d%s%d", datei.iZuLangeZeile(), sPfad.c_str(),
                                 static_cast<int>(nMaxMaskenZeile)));
}

bool bGleicheDatei(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

} // namespace

// Deletes every object and forgets the selection and the object under the
// mouse, which would point at deleted objects otherwise.
static void ObjekteEntfernen(THauptformular* pForm)
{
    for (int i = 0; i < pForm->iAnzahlObjekte; ++i) {
        delete pForm->Objekte[i];
        pForm->Objekte[i] = nullptr;
    }
    for (int i = 0; i < pForm->iAnzahlMarkierte; ++i) pForm->Markierte[i] = nullptr;
    pForm->iAnzahlObjekte = 0;
    pForm->iAnzahlMarkierte = 0;
    pForm->pAktivesObjekt = nullptr;
    pForm->bZiehen = false;
    pForm->iAnzahlSensoren = 0;
    pForm->iAnzahlBewegte = 0;
}

bool THauptformular::bObjekteSchreiben(const std::string& cPfad, std::FILE* pDatei,
                                       bool bNurMarkierte)
{
    TSchreibDatei eigene;
    std::FILE* f = pDatei ? pDatei : eigene.Datei();
    if (!f) return false;
    const int iAnzahl = bNurMarkierte ? iAnzahlMarkierte : iAnzahlObjekte;
    for (int i = 0; i < iAnzahl; ++i) {
        const TMyObj* p = bNurMarkierte ? Markierte[i] : Objekte[i];
        if (p) Zeile(f, p->pcGetINIString());
    }
    return pDatei ? !std::ferror(pDatei) : eigene.bSpeichern(cPfad);
}

bool THauptformular::bObjekteLesen(const std::string& cPfad, std::FILE* pDatei, bool bEinfuegen)
{
    std::unique_ptr<TLeseDatei> eigene;
    std::FILE* f = pDatei;
    if (!f) {
        eigene = std::make_unique<TLeseDatei>(cPfad);
        f = eigene->Datei();
        if (eigene->iZuLangeZeile() > 0) ZuLangeZeileMelden(*eigene, cPfad);
        if (!f) return false;
    }
    if (bEinfuegen) MarkierungAufheben();
    bool bVoll = false;
    int iVerworfen = 0;
    int iNichtGeladen = 0;
    std::string s;
    while (bMaskenZeileLesen(f, s)) {
        if (s.empty() || s[0] == ';') continue;
        if (s[0] == '/') break;
        if (!bEnthaelt(s, "$Obj=")) continue;
        // The array holds 500 objects; further lines are read past (so that
        // the panel reader goes on after the section) but not taken.
        if (iAnzahlObjekte >= iMaxObjekte) {
            bVoll = true;
            ++iNichtGeladen;
            continue;
        }
        auto* p = new TMyObj(this, 0, 10, 10, 10, 10);
        Objekte[iAnzahlObjekte++] = p;
        p->bINIStringAuswerten(s);
        iVerworfen += p->iVerworfeneFelder;
        if (bEinfuegen) {
            p->SetLeft(p->x + 10);
            ObjektMarkieren(p);
        }
    }
    if (bVoll) FehlerMeldung(PoolTextFormat(1391, "%d", iMaxObjekte));
    if (iVerworfen > 0) FehlerMeldung(PoolTextFormat(6700, "%s%d", cPfad.c_str(), iVerworfen));
    if (!bEinfuegen && iNichtGeladen > 0) {
        sNichtGanzGeladen = cPfad;
        iNichtGeladeneObjekte += iNichtGeladen;
    }
    if (bEinfuegen) SetMaskeGeaendert(true);
    return true;
}

void THauptformular::MaskeLoeschen()
{
    ObjekteEntfernen(this);
    BilderFreigeben();
    sNichtGanzGeladen.clear();
    iNichtGeladeneObjekte = 0;
    MaskeFile.clear();
    sGemerkteMaskeFile.clear();
    sAngezeigteMaskeFile.clear();
    cHintergrundDatei.clear();
    sGelesenerHintergrund.clear();
    bPLCDatUngelesen = false;
    IPDateiUngelesenVergessen();
    if (Image300CPU) *Image300CPU = QImage();
    SetMaskeGeaendert(false);
    TitelAktualisieren();
    BewegungsprofileLoeschen();
}

bool THauptformular::bMaskeSchreiben(const std::string& cPfad)
{
    // Writing the loaded part over a file that held more objects would lose
    // the rest without a word.
    if (iNichtGeladeneObjekte > 0 && bGleicheDatei(cPfad, sNichtGanzGeladen)) {
        FehlerMeldung(PoolTextFormat(6701, "%s%d", cPfad.c_str(), iNichtGeladeneObjekte));
        return false;
    }
    // Every question comes before the first byte is written, so that Cancel
    // (or No to replacing what another program changed) leaves every file
    // and the modified mark as they are.
    const std::string sPLC = ProjektDateiPfad(cMaskenVerzeichnis, "PLC.DAT");
    const std::string sIP = ProjektDateiPfad(cMaskenVerzeichnis, "IPADR.DAT");
    TSpeicherPlan plan;
    if (!bSpeicherFragen(cPfad, sPLC, bPLCDatUngelesen, sIP, bIPDateiUngelesen(), plan)) return false;
    TSchreibDatei datei;
    std::FILE* f = datei.Datei();
    if (!f) {
        FehlerMeldung(PoolTextFormat(1342, "%s", cPfad.c_str()));
        return false;
    }
    SanduhrEin();
    StatusTextSetzen(iPanelMeldung, PoolText(1345).c_str());

    char acDatum[16] = {};
    char acZeit[16] = {};
    U_GetAktuellesSystemDatumStr(acDatum);
    U_GetAktuelleSystemZeitStr(acZeit);
    const std::string sStriche = "//" + std::string(54, '-');
    Zeile(f, sStriche);
    Zeile(f, "//Maskendatei von...");
    Zeile(f, std::string("//") + cProgrammName + " " + cProgrammVersion);
    Zeile(f, sStriche);
    Zeile(f, "//Speicherzeitpunkt:");
    Zeile(f, std::string("$Datum=") + acDatum);
    Zeile(f, std::string("$Uhrzeit=") + acZeit);
    Zeile(f, "//");
    Zeile(f, "//");
    Zeile(f, "[Hintergrundbild]");
    // The name the panel file gave is written back as it was, found or not
    // (a picture missing today may be copied in tomorrow). A background
    // chosen since keeps its name on disk; the panel file, a UTF-8 text,
    // names it by the reading that the lookup finds it by again.
    Zeile(f, "$FileBack=" + (sGelesenerHintergrund.empty() ? NameAlsUtf8(NameVonPfad(cHintergrundDatei))
                                                          : sGelesenerHintergrund));
    Zeile(f, "//");
    Zeile(f, "//");
    Zeile(f, "[Einstellungen]");
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        Zeile(f, "$WindowW=" + std::to_string(frameGeometry().width()));
        Zeile(f, "$WindowH=" + std::to_string(frameGeometry().height()));
    }
    Zeile(f, "$SPSTyp=" + NameAlsUtf8(cSPSTyp));
    Zeile(f, std::string("$BausteineRestaurieren=") + (BausteineRestaurieren ? "1" : "0"));
    for (int i = 0; i < 4; ++i) Zeile(f, "//");
    Zeile(f, "[Objekte]");
    bObjekteSchreiben(cPfad, f, false);
    for (int i = 0; i < 3; ++i) Zeile(f, "//");
    Zeile(f, "[Bewegungsprofile]");
    for (int i = 0; i < ANZAHL_BEWEGUNGSPROFILE; ++i) Zeile(f, BewegungsprofilZeile(i));
    for (int i = 0; i < 3; ++i) Zeile(f, "//");

    auto fertig = [this] {
        QCoreApplication::processEvents();
        if (lBlanc_Hinweis) lBlanc_Hinweis->hide();
        update();
        StatusTextSetzen(iPanelMeldung, "");
        SanduhrAus();
    };
    // Written as a whole: a failed write leaves the old file intact, and
    // the panel stays marked as modified.
    if (!datei.bSpeichern(cPfad)) {
        fertig();
        FehlerMeldung(PoolTextFormat(1342, "%s", cPfad.c_str()));
        return false;
    }
    DateiStempelMerken(cPfad);
    // What a save that was killed half way left beside the file.
    VerwaisteTempDateienEntfernen(cPfad);
    // A project file that could not be read at open is kept when the user
    // declined to replace it: declining is no failure.
    const bool bPLC = !plan.bPLC || D7ED_bSPSEigenschaftenSpeichern(sPLC.c_str());
    if (plan.bPLC && bPLC) {
        bPLCDatUngelesen = false;
        DateiStempelMerken(sPLC);
    }
    const bool bIP = !plan.bIP || bIPDateiSchreiben(cMaskenVerzeichnis, sIP);
    fertig();
    // The CPU properties and the IP data belong to the saved state as much
    // as the panel.
    if (!bPLC) FehlerMeldung(PoolTextFormat(1342, "%s", sPLC.c_str()));
    if (!bIP) FehlerMeldung(PoolTextFormat(1342, "%s", sIP.c_str()));
    if (!bPLC || !bIP) return false;
    SetMaskeGeaendert(false);
    return true;
}

void THauptformular::MaskenKopfAnwenden(const TMaskenKopf& kopf)
{
    for (const std::string& s : kopf.bewegungsZeilen) bBewegungsprofilZeileAuswerten(s.c_str());
    if (kopf.bBausteineRestaurieren) BausteineRestaurieren = *kopf.bBausteineRestaurieren;

    // CPU type.
    if (!kopf.sSPSTyp.empty()) {
        std::string sTypPfad, sTypName;
        pcSPSTypDateiPfad(kopf.sSPSTyp, sTypPfad, true);
        pcSPSTypDateiPfad(kopf.sSPSTyp, sTypName, false);
        if (!sTypName.empty() && !DateiImOrdner(cExeVerzeichnis + cSPSTypOrdner, sTypName).empty()) {
            cSPSTyp = kopf.sSPSTyp;
            bSPSTypUebernehmen();
        } else {
            SPSTypDateiFehlt(sTypPfad);
        }
    }

    // Background, looked up by its file name in the project folder.
    sGelesenerHintergrund = kopf.sHintergrund;
    if (!kopf.sHintergrund.empty()) {
        const std::string sGefunden =
            DateiImOrdner(cMaskenVerzeichnis, BildDateiname(kopf.sHintergrund));
        cHintergrundDatei = sGefunden;
        if (!sGefunden.empty()) HintergrundbildLaden(sGefunden);
    }
    update();
}

// The outer size the panel file asks for, each side only when the file
// names it.
static void FenstergroesseUebernehmen(THauptformular* pForm, const TMaskenKopf& kopf)
{
    long lBreite = kopf.lFensterBreite.value_or(0);
    long lHoehe = kopf.lFensterHoehe.value_or(0);
    if (lBreite <= 0 && lHoehe <= 0) return;
    // Held to what the screens can show: the window's backing store
    // follows its size, and a damaged file could ask for gigabytes.
    if (const QScreen* pSchirm = pForm->screen()) {
        const QSize flaeche = pSchirm->availableVirtualGeometry().size();
        lBreite = std::min<long>(lBreite, flaeche.width());
        lHoehe = std::min<long>(lHoehe, flaeche.height());
    }
    const int iRandB = pForm->frameGeometry().width() - pForm->width();
    const int iRandH = pForm->frameGeometry().height() - pForm->height();
    pForm->resize(lBreite > 0 ? static_cast<int>(lBreite) - iRandB : pForm->width(),
                  lHoehe > 0 ? static_cast<int>(lHoehe) - iRandH : pForm->height());
}

bool THauptformular::bMaskeLesen(const std::string& cPfad)
{
    TLeseDatei datei(cPfad);
    std::FILE* f = datei.Datei();
    // A file that is no panel file is not opened: opening it as an empty
    // panel would let the next Save overwrite it.
    const bool bKeineMaske = f && !datei.bHatMaskenZeile();
    if (!f || bKeineMaske) {
        if (datei.iZuLangeZeile() > 0)
            ZuLangeZeileMelden(datei, cPfad);
        else if (bKeineMaske)
            FehlerMeldung(PoolTextFormat(6702, "%s", cPfad.c_str()));
        else
            FehlerMeldung(PoolTextFormat(1343, "%s", cPfad.c_str()));
        if (MaskeFile == cPfad) MaskeFile = sAngezeigteMaskeFile;
        return false;
    }
    // The state read, before any box of this open lets another program in.
    DateiStempelMerken(cPfad);
    // Only an accepted file sets it: a refused one leaves the open panel's.
    BausteineRestaurieren = true;
    ObjekteEntfernen(this);
    sNichtGanzGeladen.clear();
    iNichtGeladeneObjekte = 0;
    cHintergrundDatei.clear();
    cSPSTyp.clear();   // a panel without "$SPSTyp=" must not save the previous one's
    BewegungsprofileLoeschen();
    cMaskenVerzeichnis = OrdnerVonPfad(cPfad);
    // What killed writes and copies left beside the project's files; a
    // young one may be a write of another instance still going on.
    if (!bNurLesen) TempResteEntfernen(cMaskenVerzeichnis, {".tmp", ".kopie"}, "", 60);
    // The library holds pictures by file name only: kept across opens, the
    // previous project's picture would stand in for this one's of that name.
    BilderFreigeben();

    const TMaskenKopf kopf = MaskenKopfLesen(f, [&] { bObjekteLesen(cPfad, f, false); });
    MaskenKopfAnwenden(kopf);

    // Pictures of the project folder, in name order.
    std::vector<std::string> bilder;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(cMaskenVerzeichnis, ec)) {
        const std::string sName = e.path().filename().string();
        if (sName.empty() || sName[0] == '.') continue;
        const std::string sEndung = GrossUmlaut(e.path().extension().string());
        if (sEndung == ".BMP" || sEndung == ".JPG") bilder.push_back(e.path().string());
    }
    std::sort(bilder.begin(), bilder.end());
    for (const std::string& sBild : bilder) pGetBildVonDatei(sBild);

    for (int i = 0; i < iAnzahlObjekte; ++i) {
        TMyObj* p = Objekte[i];
        if (!p || p->Obj != LED || !p->GrafikAkt) continue;
        if (!p->Grafik1.empty()) p->pBild1 = pGetBildVonName(p->Grafik1);
        if (!p->Grafik0.empty()) p->pBild0 = pGetBildVonName(p->Grafik0);
    }
    FehlendeBilderMelden(cPfad);

    const std::string sPLC = DateiImOrdner(cMaskenVerzeichnis, "PLC.DAT");
    bPLCDatUngelesen = false;
    const bool bPLCGelesen =
        D7ED_bSPSEigenschaftenLaden((sPLC.empty() ? cMaskenVerzeichnis + "PLC.DAT" : sPLC).c_str());
    DateiStempelMerken(ProjektDateiPfad(cMaskenVerzeichnis, "PLC.DAT"));
    if (!bPLCGelesen && !sPLC.empty()) {
        bPLCDatUngelesen = true;
        FehlerMeldung(PLCDatBerichtText(6800, sPLC));
    }

    bIPDatenAnmelden(ProjektDateiPfad(cMaskenVerzeichnis, "IPADR.DAT"));

    ProjektBausteineLaden();
    int iFehler = 0;
    D7ED_Start(D7ED_STARTART_NEUSTART, &iFehler);

    FenstergroesseUebernehmen(this, kopf);

    if (lBlanc_Hinweis) lBlanc_Hinweis->hide();
    MaskeFile = cPfad;
    sAngezeigteMaskeFile = cPfad;
    SetMaskeGeaendert(false);
    TitelAktualisieren();
    return true;
}
