// Shared helpers of the main-program tests: the language files read on
// their own, a program folder with the main window on it, scripted boxes,
// waiting with the event loop running.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "WinMeldung.h"

class QAction;
class THauptformular;

namespace hosttest {

// The texts of a language file, read here independently of the library
// ({n} and {t} expanded), so tests compare with what the file says.
std::map<unsigned long, std::string> TexteLesen(const std::filesystem::path& pfDatei);

// Runs the event loop until bBedingung holds or iMs milliseconds of real
// time have passed; returns the last value of the condition.
bool WarteBis(const std::function<bool()>& bBedingung, int iMs);
// Runs the event loop for iMs milliseconds of real time.
void Warte(int iMs);

// A program folder of its own (with a projects folder named in the
// registry, so the start-up asks for nothing), its own HOME/XDG folders, a box answerer that records
// every box and answers iAntwort, and the start-up up to the text file.
class Programmumgebung {
public:
    Programmumgebung();
    ~Programmumgebung();
    std::filesystem::path pfOrdner;
    int iAntwort = 1;
    std::vector<TMeldung> Meldungen;
    // Texts of the language the start-up chose.
    std::string Text(unsigned long ulNr) const;

private:
    testhilfe::EigeneUmgebung Umgebung;
};

// The main window on the current program folder: constructed, FormCreate,
// and (when bErstesZeichnenAbwarten) its first-paint work done.
THauptformular* FensterStarten(bool bErstesZeichnenAbwarten = true);
// Closes the window through its close path (answering boxes as scripted)
// and deletes it.
void FensterBeenden(THauptformular* pFenster);

// Every action of the File, Edit and Panel menus, as the user finds them.
std::vector<QAction*> BearbeitungsAktionen(const THauptformular* pFenster);
// Whether RUN leaves the action of those menus enabled: only ending the
// program, the mode switch, the basic position, the motion profiles and
// the notes, which change nothing of the panel's design.
bool bAuchInRUN(const THauptformular* pFenster, const QAction* pAktion);

} // namespace hosttest
