#pragma once
// File, folder and colour dialogs with test hooks.
//
// Filters are given in the design's style "Description|*.ext;*.e2|Desc2|*.x"
// and turned into Qt filters "Description (*.ext *.e2);;Desc2 (*.x)".
// Tests queue answers; with no queued answer while the platform is
// "offscreen" (every test run) a dialog answers "cancelled" at once instead
// of waiting for a click.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;
class QDialog;

// Chosen file (absolute path) or "" when cancelled. A default extension
// ("BMP") completes a name chosen without one (see MitStandardEndung).
std::string DateiOeffnenDialog(QWidget* pBesitzer, const std::string& sTitel,
                               const std::string& sFilter, const std::string& sStartOrdner,
                               const std::string& sStandardEndung = "");
std::string DateiSpeichernDialog(QWidget* pBesitzer, const std::string& sTitel,
                                 const std::string& sFilter, const std::string& sStartOrdner);
// Chosen folder with a trailing '/', or "" when cancelled.
std::string OrdnerWaehlenDialog(QWidget* pBesitzer, const std::string& sTitel,
                                const std::string& sStartOrdner);
// Colour dialog started at dwFarbe (0x00BBGGRR); true and dwFarbe set to the
// choice on OK, false and dwFarbe untouched on cancel.
bool bFarbDialog(QWidget* pBesitzer, uint32_t& dwFarbe);

// Converts a design-style filter to the Qt form (exposed for tests). A
// description that already ends with its pattern in parentheses keeps it
// once.
std::string QtFilterAusDesign(const std::string& sFilter);
// sPfad completed by the default extension sEndung when its name has none
// and no such file exists: the existing file with that extension in any
// letter case, else the name with the extension in lower case.
std::string MitStandardEndung(const std::string& sPfad, const std::string& sEndung);

// Test hooks: answers queued in order; "" / std::nullopt = cancelled.
// File answers serve both the open and the save dialog.
void NaechsteDateiAntwort(const std::string& s);
void NaechsteOrdnerAntwort(const std::string& s);
void NaechsteFarbAntwort(std::optional<uint32_t> farbe);
// Drops all queued answers.
void DialogAntwortenLoeschen();

// Runs one of the program's own modal dialogs and returns its result
// (1 OK, 2 cancel, as the dialogs answer). A test hook receives the dialog
// before it would run its loop and returns the result itself (it may fill
// fields and call the dialog's OK handler). Without a hook the dialog runs
// its own loop, so a test that sets none must close it itself.
int iModalAusfuehren(QDialog& dlg);
// null = run the dialog for real.
void ModalAntworterSetzen(std::function<int(QDialog&)> antworter);
// Test hook for the file, folder and colour dialogs: with no queued answer
// the dialog is built as for the user and handed to the hook (which may
// show it and take its picture) instead of running; it counts as cancelled.
// null = no hook.
void DialogBeobachterSetzen(std::function<void(QDialog&)> beobachter);
