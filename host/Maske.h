// The panel file (".maske_ini") and its project folder: the pieces of the
// container that need no main window - the project folder value, the lines
// of the motion-profile table, the line reader, and the text files held in
// memory so that user data is always replaced as a whole.
#pragma once

#include <cstdio>
#include <string>

// Folder of the loaded panel with a trailing '/'; every project file is
// addressed as cMaskenVerzeichnis + file name.
extern std::string cMaskenVerzeichnis;

// The panel file of the panel that is shown now ("" = none). An open that
// fails puts MaskeFile back to it, so that a later save cannot write the
// panel still shown over the file that failed to open.
extern std::string sAngezeigteMaskeFile;

inline constexpr const char* cMaskenEndung = ".maske_ini";
inline constexpr const char* cClipboardDateiName = "Veltrano-Clibboard.dat";
inline constexpr const char* cProgrammName = "Veltrano";
inline constexpr const char* cProgrammVersion = "1.6.1";

// The PLC settings dialog has just written the project's PLC.DAT whole, so a
// PLC.DAT that could not be read when the panel opened is replaced by the
// user's own choice: the next panel save need not ask before writing it.
void PLCDatNeuGeschrieben();

// The clipboard file of object lines: program folder + "Veltrano-Clibboard.dat".
std::string ClipboardDatei();

// All 30 motion profiles zeroed.
void BewegungsprofileLoeschen();
// The panel-file line of profile iNr (0..29).
std::string BewegungsprofilZeile(int iNr);
// Takes a motion line into the table. False (table unchanged) when the
// line's number is not 0..29.
bool bBewegungsprofilZeileAuswerten(const char* pcZeile);

// One whole line as the panel reader takes it, line end ("\n", "\r\n")
// removed, so that every line the writer wrote reads back as it was. False
// at the end of the file.
bool bMaskenZeileLesen(std::FILE* pDatei, std::string& sZeile);

// The longest line a panel or clipboard file may hold. The writer has no
// limit of its own, but a longer line is no file this program made: it is
// refused with a message rather than read into memory bit by bit.
inline constexpr std::size_t nMaxMaskenZeile = 8u * 1024u * 1024u;

// A text file read whole into memory through the one text reader (lines
// that are not UTF-8 read as Windows-1252) and offered as a read stream.
// Datei() is null when the file could not be read or when a line is longer
// than nMaxMaskenZeile (then iZuLangeZeile() tells which, from 1).
class TLeseDatei {
public:
    explicit TLeseDatei(const std::string& sPfad);
    ~TLeseDatei();
    TLeseDatei(const TLeseDatei&) = delete;
    TLeseDatei& operator=(const TLeseDatei&) = delete;
    std::FILE* Datei() const { return pDatei; }
    int iZuLangeZeile() const { return iZuLang; }
    // False when the file holds something but no line of a panel file.
    bool bHatMaskenZeile() const;

private:
    std::string sInhalt;
    int iZuLang = 0;
    std::FILE* pDatei = nullptr;
};

// A write stream into memory; bSpeichern() puts what was written into the
// file at once (temporary file + rename), so a failed write leaves the old
// file whole.
class TSchreibDatei {
public:
    TSchreibDatei();
    ~TSchreibDatei();
    TSchreibDatei(const TSchreibDatei&) = delete;
    TSchreibDatei& operator=(const TSchreibDatei&) = delete;
    std::FILE* Datei() const { return pDatei; }
    // Ends the stream and writes the file; false when either fails.
    bool bSpeichern(const std::string& sPfad);

private:
    char* pcPuffer = nullptr;
    std::size_t nGroesse = 0;
    std::FILE* pDatei = nullptr;
};

// The folder part of a path with its trailing '/'.
std::string OrdnerVonPfad(const std::string& sPfad);
// The file name part of a path.
std::string NameVonPfad(const std::string& sPfad);
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
