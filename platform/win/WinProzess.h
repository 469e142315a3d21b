#pragma once
// Starting programs and opening documents.
#include <string>
#include <vector>

// Splits a command line by the Windows rules: blanks and tabs separate
// arguments outside quotes; '"' toggles quoting; 2n backslashes before a
// quote give n backslashes and the quote acts, 2n+1 give n backslashes and a
// literal quote; other backslashes are literal; "" inside quotes is a
// literal quote.
std::vector<std::string> KommandozeileZerlegen(const std::string& sZeile);
// Starts the split command line detached (first element the program). False
// when the line is empty or the program cannot be started.
bool WinExec(const std::string& sKommandozeile);
// Opens a document or web address with the desktop's handler; a path (not a
// URL with a scheme) becomes a file URL. False when nothing could open it.
bool ShellExecuteOeffnen(const std::string& sPfadOderUrl);
// The address ShellExecuteOeffnen hands to the desktop: a text with a
// scheme ("https:", "mailto:", "file:") as it is, anything else as the file
// URL of its absolute path, every byte of it percent-encoded but letters,
// digits, '/', '-', '.', '_' and '~', so that a name that is no UTF-8 keeps
// its bytes (exposed for tests).
std::string UrlFuerOeffnen(const std::string& sPfadOderUrl);
// Absolute path of the running executable.
std::string ProgrammDatei();

// Test hooks: while recording is on nothing is started; WinExec records the
// command line and returns true, ShellExecuteOeffnen records the path or URL
// and returns bOeffnenErfolgreich (false: the desktop has no handler).
void ProzessStartsAufzeichnen(bool bAn, bool bOeffnenErfolgreich = true);
std::vector<std::string> AufgezeichneteStarts();
void AufgezeichneteStartsLoeschen();
