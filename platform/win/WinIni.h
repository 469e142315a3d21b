#pragma once
// Ini files with the Windows profile rules.
//
// - Section names and keys match ignoring case (ASCII and German umlauts).
// - A value is taken raw after the first '=' with surrounding blanks and
//   tabs trimmed: no quotes are removed, nothing is split.
// - Lines whose first non-blank character is ';' are comments: readers skip
//   them, writers keep them byte for byte like every other line they do not
//   change. The same holds for blank lines and lines without '='.
// - Readers accept "\r\n" and "\n" line ends and a UTF-8 byte order mark.
// - Writing creates the file and the section when missing (a new section is
//   appended at the end, a new key at the end of its section, before any
//   trailing blank lines). The file is written with "\n" and replaced
//   atomically, so a failed write leaves the old file intact.
// - When a section or key occurs twice, the first occurrence counts.
// - A line with a control character other than tab opens no section; it
//   stands as an unreadable line in the section before it. Names with such
//   characters are refused by the writers.
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The value, or sVorgabe when the file, section or key is missing.
std::string ProfilStringLesen(const std::string& sDatei, const std::string& sAbschnitt,
                              const std::string& sSchluessel, const std::string& sVorgabe);
// Sets (or adds) the key in the section. False when the file cannot be
// written or the section or key name is empty.
bool bProfilStringSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                            const std::string& sSchluessel, const std::string& sWert);
// Sets (or adds) several keys of one section with one replace of the file,
// so that a crash never leaves some of them old and some new. False, with
// the file unchanged, when any name is refused or the file cannot be written.
bool bProfilStringsSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                             const std::vector<std::pair<std::string, std::string>>& paare);
// One line of an ini file as the readers take it.
struct TProfilZeile {
    std::string sText;       // the line without its line end
    std::string sAbschnitt;  // the section it stands in (its head included); "" before the first
    bool bVorAbschnitt = true;  // before the first section head
    // In the first section of its name, the one the readers take (a later
    // section of that name is read by none of them).
    bool bErsterAbschnitt = false;
    // Blank, a comment, a section head or a key line, and no control
    // characters but tabs: a text editor made it, the readers can take it.
    bool bLesbar = true;
    bool bSchluessel = false;  // a readable key line: sSchluessel and sWert hold it
    std::string sSchluessel, sWert;
};
// The decoded lines of the file in file order. True (no lines) when the file
// is missing; false when it exists but cannot be read or decoded (a folder
// in its place, a broken UTF-16 text).
bool bProfilZeilenLesen(const std::string& sDatei, std::vector<TProfilZeile>& zeilen);
// As above, but first drops every line of the file for which bWeglassen
// gives true (judged as bProfilZeilenLesen reads it), in the same replace.
bool bProfilStringsSchreiben(const std::string& sDatei, const std::string& sAbschnitt,
                             const std::vector<std::pair<std::string, std::string>>& paare,
                             const std::function<bool(const TProfilZeile&)>& bWeglassen);
// Every key/value pair of the section in file order (keys as written).
std::vector<std::pair<std::string, std::string>>
ProfilAbschnittLesen(const std::string& sDatei, const std::string& sAbschnitt);
// Names of all sections in file order.
std::vector<std::string> ProfilAbschnitteLesen(const std::string& sDatei);
