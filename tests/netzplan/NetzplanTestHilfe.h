// Shared helpers of the presets program's tests: its own HOME and XDG
// folders, recorded and answered boxes, program-wide values put back, the
// dialog made as the program makes it.
#pragma once

#include <QPixmap>

#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "WinMeldung.h"

class QWidget;
class TDialogSimVoreinstellung;

namespace netzplantest {

class Umgebung {
public:
    Umgebung();
    ~Umgebung();
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;
    // Every box in order; all are answered with iAntwort.
    std::vector<TMeldung> Meldungen;
    int iAntwort = IDOK;
    std::vector<std::string> MeldungsTexte() const;

private:
    testhilfe::EigeneUmgebung m_umgebung;
};

// Reads the command line and makes the dialog with its FormCreate, as the
// program does (argument 0 is the program path).
TDialogSimVoreinstellung* DialogStarten(const std::vector<std::string>& argumente);
// The command line with which Veltrano of that text language starts the
// program, split into arguments as the start splits it.
std::vector<std::string> Aufruf(unsigned uTextSprache = 1);

// Saves a picture of the widget under the artefact folder.
void Bildschirmfoto(QWidget* pFenster, const std::string& sName);

// Runs the event loop for iMs milliseconds.
void Warte(int iMs);

} // namespace netzplantest
