// The help viewer and the notes document of a panel.
#pragma once

#include <string>

// The registry key and value through which the program hands the page to
// show over to the help viewer.
inline constexpr const char* cHilfeSchluessel = "Software\\Harlenz-Software\\HARLENZ-HELP";
inline constexpr const char* cHilfeWert = "HelpFile";

// Full path of a help page: a web address ("http:") or an absolute path
// (also a Windows drive path "X:...") is taken unchanged; any other page is
// a file of "__system/HELP/DE/" (text language 1) or "__system/HELP/EN/"
// (every other language) of the program folder.
std::string HilfeSeitenPfad(const std::string& sSeite);

// Shows a help page (for example "index.htm").
void HilfeAnzeigen(const std::string& sSeite);

// Hands the page over to the help viewer and starts it: a missing file is
// reported (text 1260) and nothing starts. The page goes to the registry
// value HelpFile; only when it reads back the viewer "harlenzhelp" of the
// program folder is started with "/App=Veltrano 1.6.1# /Lang=DE|EN".
void HilfeViewerStarten(const std::string& sPfad);

// The command line with which the viewer is started for the language code
// ("DE" or "EN"); the program path is quoted when it holds a blank.
std::string HilfeViewerKommandozeile(const std::string& sSprache);

// Path of the notes document of a panel file: the panel path without its
// extension, followed by ".rtf".
std::string NotizDokumentPfad(const std::string& sMaskeFile);

// Opens the notes document of the panel file through the desktop, creating
// it from the empty template "__system/DokumentLeer.rtf" when missing.
// Nothing happens for an empty panel path. False (after an error box, text
// 1411) when the document neither exists nor could be created.
bool bNotizDokumentOeffnen(const std::string& sMaskeFile);
