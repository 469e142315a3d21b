// Shared helpers of the project tests: a program folder and settings of
// their own, recorded boxes, scripted text input, a main window without the
// start-up work of the first paint.
#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TestUmgebung.h"
#include "WinMeldung.h"

class THauptformular;

namespace projekttest {

// Limits the size of files this process may write, as a full disk would.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t nBytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit neu = alt;
        neu.rlim_cur = nBytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() { setrlimit(RLIMIT_FSIZE, &alt); }

private:
    rlimit alt{};
};

// Runs the event loop until the condition holds or iMs have passed.
bool WarteBis(const std::function<bool()>& bBedingung, int iMs);

// A copy of the program folder with a projects folder below it, own HOME
// and XDG folders with the projects folder stored as the user's choice, a
// box answerer that records every box, and the start-up up to the texts.
class Umgebung {
public:
    Umgebung();
    ~Umgebung();
    std::filesystem::path pfProgramm;   // with the data tree
    std::filesystem::path pfProjekte;   // "Projects" below it
    std::vector<TMeldung> Meldungen;
    // Answer of the next boxes (default: the first button's, 1 = OK).
    std::deque<int> Antworten;
    int iStandardAntwort = IDOK;
    // The texts of all boxes shown so far, one per line.
    std::string MeldungsTexte() const;

private:
    testhilfe::EigeneUmgebung Eigene;
};

// Answers the next one-line text inputs in order ("" = cancel).
void EingabenVorgeben(const std::vector<std::string>& eingaben);

// The main window with FormCreate done but without the start-up work of
// the first paint (no pacing thread, no delayed start).
THauptformular* FensterOhneStart();
// Takes the window down: panel cleared, window deleted.
void FensterWeg(THauptformular* pForm);

// A test with the main window (without start-up) and an empty project
// folder "Anlage" set as the panel folder; Datei names a file in it.
struct AnlagenTest : ::testing::Test {
    Umgebung u;
    THauptformular* pForm = nullptr;
    std::filesystem::path pfOrdner;
    void SetUp() override;
    void TearDown() override;
    std::string Datei(const char* pcName) const { return (pfOrdner / pcName).string(); }
    // Saves the empty panel as "Anlage.maske_ini" (now MaskeFile) and gives
    // the engine the folder and its IP data file; false when saving failed.
    bool bLeereMaskeAnlegen();
};

// The number of lines of a text file that differ from another one, and the
// differing lines of the first file.
std::vector<std::string> AbweichendeZeilen(const std::string& a, const std::string& b);

// A small JPEG of the given size and colour written by Qt.
void JpegSchreiben(const std::filesystem::path& pf, int iBreite, int iHoehe, unsigned uRgb);
void BmpSchreiben(const std::filesystem::path& pf, int iBreite, int iHoehe, unsigned uRgb);

} // namespace projekttest
