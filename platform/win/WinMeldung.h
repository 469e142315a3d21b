#pragma once
// The one way every message box of the programs is shown.
//
// Every box is recorded (also when the real box is shown), and a test can
// install an answerer that returns the button instead of showing a window.
// Without a QApplication (for example in a library before the program made
// one), and in a headless run (platform "offscreen") without an answerer,
// the text goes to stderr and the default answer - the first button's
// result - is returned instead of waiting for a click that never comes.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// Button sets (low 4 bits of uTyp).
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
// Symbols (bits 4..7 of uTyp).
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
// The box stays above every other window (a stay-on-top window).
constexpr unsigned MB_TOPMOST = 0x00040000;
// Results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a box with the standard buttons of uTyp and returns the button's
// result. Closing the box by its title bar (or Escape) gives IDCANCEL when
// the set has a cancel button, IDNO for MB_YESNO and IDOK for MB_OK.
int MessageBoxA(QWidget* pBesitzer, const std::string& sText, const std::string& sTitel,
                unsigned uTyp);

// A box with buttons of our own captions: each pair is caption and result.
// uSymbol is one of the MB_ICON... values (0 = none). Closing the box by its
// title bar gives iErgebnisBeimSchliessen. Without buttons an OK-like button
// captioned "OK" with result IDOK is shown.
int MeldungMitKnoepfen(QWidget* pBesitzer, const std::string& sText, const std::string& sTitel,
                       unsigned uSymbol, const std::vector<std::pair<std::string, int>>& knoepfe,
                       int iErgebnisBeimSchliessen);

// Test hooks.
struct TMeldung {
    std::string sText, sTitel;
    unsigned uTyp = 0;                 // MessageBoxA: the type; own buttons: the symbol
    std::vector<std::string> knoepfe;  // captions of the buttons in order
};
// Installs an answerer that gets each box and returns its result instead of
// showing it; an empty function brings back the real box.
void MeldungsAntworterSetzen(std::function<int(const TMeldung&)> antworter);
// Every box shown so far (in order), and clearing that record.
std::vector<TMeldung> GezeigteMeldungen();
void GezeigteMeldungenLoeschen();
// Shows the real box also on the "offscreen" platform (for tests that close
// it themselves, for example with a timer); off by default.
void MeldungenImOffscreenZeigen(bool bAn);
