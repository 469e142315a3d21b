// Paths of the files a panel names: folder and name parts, and the lookup
// that also finds a name in other letter case or written in an old code
// page, so that projects copied from Windows keep working.
#pragma once

#include <string>

// The folder part of a path with its trailing '/'.
std::string OrdnerVonPfad(const std::string& sPfad);
// The file name part of a path.
std::string NameVonPfad(const std::string& sPfad);
// The file name part of a picture name as a panel file gives it, which may
// carry a folder, with '/' or (from Windows) '\\' between the parts. The
// pictures live in the project folder and are found by this part.
std::string BildDateiname(const std::string& sName);
// The file of that name in the folder: the exact name when it exists, else
// one that differs only in letter case; "" when there is none.
std::string DateiImOrdner(const std::string& sOrdner, const std::string& sName);
// The file a path that the user gave names (command line, open dialog): the
// path itself when that file exists, else the file that DateiImOrdnerSuchen
// finds part by part from the root (other letter case, names from Windows
// by their readings); "" when there is none.
std::string DateiPfadFinden(const std::string& sPfad);
// Where a project file is read and written: the name that the lookup finds
// (a "plc.dat" from Windows stays "plc.dat", so no second file appears
// beside it), else sOrdner + sName.
std::string ProjektDateiPfad(const std::string& sOrdner, const std::string& sName);
