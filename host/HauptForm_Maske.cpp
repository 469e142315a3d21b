// Main window: the file actions (open, new, save, save as), copy and paste
// through the clipboard file, the modified mark, the caption and the
// save-changes query.
#include "HauptForm.h"

#include <QToolBar>

#include <filesystem>

#include "Allgemein.h"
#include "DateiStempel.h"
#include "Einstellungen.h"
#include "IPDaten.h"
#include "Maske.h"
#include "Meldungen.h"
#include "PoolText.h"
#include "Programm.h"
#include "SpeicherFragen.h"
#include "WinText.h"
#include "harlenzutils40.h"
#include "kolv_d7ed.h"

namespace {

std::string OhneRandLeer(const std::string& s)
{
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    const std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

std::string OhneEndung(const std::string& s)
{
    const std::size_t n = s.rfind('.');
    return (n == std::string::npos || n == 0) ? s : s.substr(0, n);
}

std::string MitSchraegstrich(const std::string& s)
{
    return (s.empty() || s.back() == '/') ? s : s + '/';
}

} // namespace

// Asks for the name of a new panel until one is given whose folder does not
// exist yet. False when the input is cancelled.
static bool bNeuerMaskenName(THauptformular* pForm, unsigned long ulTitel, std::string& sName,
                             std::string& sOrdner)
{
    for (;;) {
        std::string sEingabe;
        if (!bEingabeDialog(pForm, PoolText(ulTitel), PoolText(1319), sEingabe, 255)) return false;
        sName = OhneEndung(OhneRandLeer(sEingabe));
        if (sName.empty()) continue;
        // A name is one folder below the projects folder; a separator or a
        // bare dot would place it elsewhere. The user is told why the name
        // is asked again.
        if (sName.find_first_of("/\\") != std::string::npos) {
            FehlerMeldung(PoolTextFormat(6716, "%s", OhneRandLeer(sEingabe).c_str()));
            continue;
        }
        if (sName == "." || sName == "..") {
            FehlerMeldung(PoolTextFormat(6717, "%s", OhneRandLeer(sEingabe).c_str()));
            continue;
        }
        sOrdner = MitSchraegstrich(UserDir) + sName + "/";
        // Found as the reader finds names: "BEISPIEL" or a Windows-1252
        // "Förderanlage" is the project "Beispiel" or "Förderanlage" already,
        // and a second folder beside it would split the project in two.
        if (!DateiImOrdner(MitSchraegstrich(UserDir), sName).empty()) {
            InfoMeldung(PoolText(1320));
            continue;
        }
        return true;
    }
}

void THauptformular::SetMaskeGeaendert(bool bGeaendert)
{
    bMaskeGeaendert = bGeaendert;
    StatusTextSetzen(iPanelGeaendert, bGeaendert ? "*" : " ");
}

void THauptformular::TitelAktualisieren()
{
    // A name from Windows shows as it was found, not as U+FFFD. Without a
    // file the window holds a new panel, which the first Save names.
    const std::string sName = MaskeFile.empty() ? PoolText(6861) : NameAlsUtf8(NameVonPfad(MaskeFile));
    setWindowTitle(QString::fromStdString(std::string(ProgrammTitel()) + " [" + sName + "]"));
}

bool THauptformular::bAenderungenSpeichernAbfrage(bool& bAbbruch)
{
    bAbbruch = false;
    while (bMaskeGeaendert) {
        const int iAntwort = iJaNeinAbbruchFrage(PoolText(1346));
        if (iAntwort == 6) {
            // Cancel in a question of the save ends what asked for it too.
            SpeichernAbbruchVergessen();
            aDatei_SpeichernExecute();
            if (!bSpeichernAbgebrochen()) continue;
            bAbbruch = true;
            return true;
        }
        if (iAntwort == 7) return true;
        bAbbruch = true;
        return true;
    }
    return true;
}

void THauptformular::aDatei_OeffnenExecute()
{
    StatusTextSetzen(iPanelMeldung, "");
    bool bAbbruch = false;
    if (!bAenderungenSpeichernAbfrage(bAbbruch) || bAbbruch) return;
    OpenDialog->Title = PoolText(1311);
    OpenDialog->InitialDir = UserDir;
    OpenDialog->FileName.clear();
    if (!OpenDialog->Execute(this)) return;
    // Found as every name the user gives (other letter case, Windows names).
    const std::string sPfad = DateiPfadFinden(OpenDialog->FileName);
    if (sPfad.empty()) {
        FehlerMeldung(PoolText(1312));
        return;
    }
    if (!BausteineVorMaskenwechselSichern()) return;
    MaskeFile = sPfad;
    // A refused file is named with its cause by the reader's own box.
    bMaskeLesen(sPfad);
}

void THauptformular::aDatei_NeuExecute()
{
    StatusTextSetzen(iPanelMeldung, "");
    if (UserDir.empty()) {
        FehlerMeldung(PoolText(1315));
        aExtras_BenutzerEinstellungenExecute();
        return;
    }
    bool bAbbruch = false;
    if (!bAenderungenSpeichernAbfrage(bAbbruch) || bAbbruch) return;
    if (!BausteineFuerNeueMaskeAbgeben()) return;
    MaskeLoeschen();
    IPDatenLeeren();
    // The CPU properties an open of a project without PLC.DAT gives; the
    // previous project's would go into the new one's at its first Save.
    D7ED_bSPSEigenschaftenLaden("");
    StandardHintergrundLaden();
    update();
}

void THauptformular::aDatei_SpeichernExecute()
{
    StatusTextSetzen(iPanelMeldung, "");
    if (bNurLesen) {
        InfoMeldung(PoolText(1262));
        return;
    }
    if (MaskeFile.empty() && UserDir.empty()) {
        FehlerMeldung(PoolText(1315));
        aExtras_BenutzerEinstellungenExecute();
        return;
    }
    if (ToolBar1 && ToolBar1->isHidden()) {
        InfoMeldung(PoolText(1317));
        return;
    }
    if (MaskeFile.empty()) {
        std::string sName, sOrdner;
        if (!bNeuerMaskenName(this, 1318, sName, sOrdner)) return;
        std::error_code ec;
        if (!std::filesystem::create_directory(sOrdner, ec)) {
            FehlerMeldung(PoolTextFormat(1321, "%s", sOrdner.c_str()));
            return;
        }
        cMaskenVerzeichnis = sOrdner;
        MaskeFile = sOrdner + sName + cMaskenEndung;
        sAngezeigteMaskeFile = MaskeFile;
    }
    bMaskeSchreiben(MaskeFile);
    TitelAktualisieren();
}

void THauptformular::aDatei_SpeichernUnterExecute()
{
    // Refused as Save is, before a folder is made: the copy would be a
    // project the caption names but that read-only mode never saves.
    if (bNurLesen) {
        InfoMeldung(PoolText(1262));
        return;
    }
    if (UserDir.empty()) {
        FehlerMeldung(PoolText(1315));
        aExtras_BenutzerEinstellungenExecute();
        return;
    }
    // A panel never saved has no project folder to copy; saving it under a
    // name is its first save.
    if (MaskeFile.empty()) {
        aDatei_SpeichernExecute();
        return;
    }
    std::string sName, sOrdner;
    if (!bNeuerMaskenName(this, 1325, sName, sOrdner)) return;
    // The copy is made in a hidden folder and takes the project's name only
    // whole: a copy cut short leaves no half project that blocks the name.
    // What killed copies left goes first.
    WerdendeOrdnerResteEntfernen(UserDir);
    TWerdenderOrdner neu(sOrdner);
    if (!neu.bAngelegt()) {
        FehlerMeldung(PoolText(1326));
        return;
    }
    if (!bOrdnerKopieren(cMaskenVerzeichnis, neu.Pfad())) {
        FehlerMeldung(PoolTextFormat(1327, "%s", sOrdner.c_str()));
        return;
    }
    const std::string sAltName = NameVonPfad(MaskeFile);
    const std::string sNeuName = sName + cMaskenEndung;
    if (sAltName != sNeuName) {
        std::error_code ec;
        std::filesystem::rename(neu.Pfad() + sAltName, neu.Pfad() + sNeuName, ec);
        if (ec) {
            // Named where the user looks for them, not in the hidden folder.
            FehlerMeldung(
                PoolTextFormat(1328, "%s%s", (sOrdner + sAltName).c_str(), (sOrdner + sNeuName).c_str()));
            return;
        }
    }
    // A folder of the name that appeared meanwhile is not replaced.
    if (!neu.bFertigstellen()) {
        FehlerMeldung(PoolText(1326));
        return;
    }
    const std::string sNeu = sOrdner + sNeuName;
    cMaskenVerzeichnis = sOrdner;
    // The copy holds every object of the file that was not loaded whole.
    if (iNichtGeladeneObjekte > 0) sNichtGanzGeladen = sNeu;
    MaskeFile = sNeu;
    sAngezeigteMaskeFile = MaskeFile;
    // The copies are as they are on disk, and now this program's own.
    ProjektStempelMerken(cMaskenVerzeichnis, MaskeFile);
    const std::string sIP = ProjektDateiPfad(cMaskenVerzeichnis, "IPADR.DAT");
    const bool bPfade = D7ED_PfadeUebergeben(cMaskenVerzeichnis.c_str(), "D7ED", sIP.c_str());
    if (!bPfade) InfoMeldung(PoolText(1329));
    // The caption now names the new project, so the user takes the screen
    // for saved there: the panel in memory is written into it wherever Save
    // would write. Otherwise the copy holds the last saved state and the
    // panel stays marked as modified.
    const bool bSpeichernErlaubt = !(ToolBar1 && ToolBar1->isHidden()) && iNichtGeladeneObjekte == 0;
    if (bPfade && bSpeichernErlaubt) bMaskeSchreiben(MaskeFile);
    TitelAktualisieren();
    // The caption moved to the new project: the user learns that it does
    // not hold what the screen shows.
    if (bPfade && !bSpeichernErlaubt && bMaskeGeaendert && iNichtGeladeneObjekte == 0)
        InfoMeldung(PoolTextFormat(6862, "%s", PfadAlsUtf8(sOrdner).c_str()));
}

void THauptformular::aBearbeiten_KopierenExecute()
{
    if (MaskeFile.empty()) {
        InfoMeldung(PoolText(6860));
        return;
    }
    if (iAnzahlMarkierte <= 0) {
        InfoMeldung(PoolText(1330));
        return;
    }
    const std::string sDatei = ClipboardDatei();
    if (!bObjekteSchreiben(sDatei, nullptr, true))
        FehlerMeldung(PoolTextFormat(1342, "%s", sDatei.c_str()));
}

void THauptformular::aBearbeiten_EinfuegenExecute()
{
    // Read-only first: a new panel could not be saved to take the objects.
    if (bNurLesen) {
        InfoMeldung(PoolText(1262));
        return;
    }
    if (MaskeFile.empty()) {
        InfoMeldung(PoolText(6860));
        return;
    }
    const std::string sDatei = ClipboardDatei();
    if (!U_DateiVorhanden(sDatei.c_str())) {
        InfoMeldung(PoolText(1331));
        return;
    }
    bObjekteLesen(sDatei, nullptr, true);
    SetMaskeGeaendert(true);
    update();
}
