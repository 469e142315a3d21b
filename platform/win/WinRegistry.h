#pragma once
// String values of the current user's registry, kept in files.
//
// A key is written with backslashes as on Windows, for example
// "Software\\Harlenz-Software\\Veltrano". Everything up to and including the
// "Harlenz-Software" part names the base folder
// $XDG_CONFIG_HOME/Harlenz-Software/ (default ~/.config/Harlenz-Software/);
// the remaining parts become sub folders, the last part the file. So the key
// above is the file ".../Harlenz-Software/Veltrano". A key outside
// "Software\\Harlenz-Software" is stored below the same base folder under its
// full path.
//
// Key parts and value names match ignoring case, like Windows: an existing
// file or folder whose name differs only in case is used. Each file holds
// one "name=value" line per value; in both name and value a backslash is
// written "\\", a newline "\n", a carriage return "\r" and, in names only,
// '=' as "\=". Files are replaced atomically (temp file + rename).
#include <string>

// Reads a value. Missing key or value: false, sWert untouched.
bool bRegWertLesen(const std::string& sSchluessel, const std::string& sName,
                   std::string& sWert);
// Writes a value, creating the key when needed. False when the file cannot
// be written (the old file stays intact).
bool bRegWertSchreiben(const std::string& sSchluessel, const std::string& sName,
                       const std::string& sWert);
// Removes a value. False when the key or the value does not exist or the
// file cannot be rewritten.
bool bRegWertLoeschen(const std::string& sSchluessel, const std::string& sName);
// Creates the key without values when it does not exist; true when it
// exists afterwards (values already in it are kept).
bool bRegSchluesselAnlegen(const std::string& sSchluessel);
// True when the key exists (its file has been written once).
bool bRegSchluesselVorhanden(const std::string& sSchluessel);

// Path of the file that holds the key (may not exist yet); for tests.
std::string RegSchluesselDatei(const std::string& sSchluessel);
