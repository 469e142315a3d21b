#pragma once
// Text and file helpers shared by all units of the port.
#include <string>
#include <vector>

// Valid UTF-8 is returned unchanged; anything else is read as Windows-1252
// (files made on Windows) and converted to UTF-8.
std::string TextNachUtf8(const std::string& sRoh);
// The one conversion of a text file's bytes to UTF-8 text: lines that are
// valid UTF-8 stay as they are, any other line is read as Windows-1252, so
// one line saved by another program cannot change how the others read.
// Line ends are kept as they were.
std::string TextdateiNachUtf8(const std::string& sRoh);
// How every text file is read, whatever Windows tool wrote it: a UTF-8 byte
// order mark and trailing Ctrl-Z bytes (0x1A, the end mark of old DOS
// tools) are dropped, UTF-16 LE and BE are recognised by their byte order
// mark and decoded, anything else goes through TextdateiNachUtf8(). Line ends are
// left as they are. False (sText empty) when a UTF-16 file cannot be decoded
// (odd length, unpaired surrogate).
bool bTextDekodieren(const std::string& sRoh, std::string& sText);
// bDateiLesen() followed by bTextDekodieren().
bool bTextDateiLesen(const std::string& sPfad, std::string& sText);
// True when sText is valid UTF-8.
bool bIstUtf8(const std::string& sText);
// Upper-cases ASCII letters and the German umlauts (ä ö ü -> Ä Ö Ü) of a
// UTF-8 text; every other byte stays as it is. 'ß' stays 'ß'.
std::string GrossUmlaut(const std::string& sText);
// Case-insensitive equality in the sense of GrossUmlaut().
bool bGleichOhneGross(const std::string& a, const std::string& b);
// Full path of sName in sOrdner: the exact name when that file exists,
// otherwise an entry of the folder whose name differs only in letter case,
// otherwise "". Names on disk that are not UTF-8 (unpacked from Windows
// archives) are also compared by their Windows-1252 and code page 850
// readings; the result keeps the bytes on disk. sOrdner may end with '/' or
// not.
std::string DateiImOrdnerSuchen(const std::string& sOrdner, const std::string& sName);
// True when two file names name the same file in the sense of
// DateiImOrdnerSuchen: equal ignoring case, either as they are or in one of
// their readings.
bool bGleicherDateiname(const std::string& a, const std::string& b);
// A file name as UTF-8 text, for a text file or the screen: itself when it
// is UTF-8; otherwise the reading by which DateiImOrdnerSuchen found it
// (the spelling the panel or the user gave), else the reading in which every
// byte above 127 is a letter: code page 850 where only that one reads so,
// Windows-1252 otherwise.
// The name on disk stays as it is; the lookup finds it again by that reading.
std::string NameAlsUtf8(const std::string& sRoh);
// NameAlsUtf8 for every part of a path.
std::string PfadAlsUtf8(const std::string& sPfad);
// Writes sInhalt to a temporary file in the same folder, syncs it and renames
// it over sPfad. False on any failure; the old file is then untouched and no
// temporary file is left behind. An existing file that is read-only (no
// write permission of its own for the caller; for root: no write bit at
// all) is refused, as a read-only file cannot be replaced on Windows. A
// new file gets mode 0666 minus umask; an existing file keeps its
// permissions.
bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt);
// The same; bAngelegt tells whether the temporary file could be created at
// all (false: the folder refuses new files), so a caller can tell "cannot
// create" from "could not write it all".
bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt, bool& bAngelegt);
// The same with the temporary file named ".name.tmpXXXXXX" + sTempEndung,
// for a folder whose own names can never end so (TempResteEntfernen then
// cannot take one of them for a leftover).
bool bDateiAtomarSchreiben(const std::string& sPfad, const std::string& sInhalt, bool& bAngelegt,
                           const std::string& sTempEndung);
// Whole file as bytes; false when it cannot be read.
bool bDateiLesen(const std::string& sPfad, std::string& sInhalt);
// Removes the temporary files that an interrupted bDateiAtomarSchreiben of
// sPfad left beside it (".name.tmpXXXXXX"). Only for a file that a single
// writer owns: another writer's temporary file would go as well.
void VerwaisteTempDateienEntfernen(const std::string& sPfad);
// Removes the regular files of sOrdner named ".NAME" + art + "XXXXXX" +
// sEndung (XXXXXX: the six letters and digits mkstemp puts in), for each
// art given (".tmp" of bDateiAtomarSchreiben, ".kopie" of the file copy),
// that have not changed for iMindestAlterSek seconds: what writes and
// copies killed half way left. A younger one may belong to a write of
// another process that is still going on. Sub folders stay as they are.
void TempResteEntfernen(const std::string& sOrdner, const std::vector<std::string>& arten,
                        const std::string& sEndung, int iMindestAlterSek);

// A folder that appears under its name only complete: made hidden beside
// its place as ".NAME.neuXXXXXX", filled through Pfad(), and renamed to NAME
// by bFertigstellen(), which never replaces an entry of that name that
// appeared meanwhile. Unless finished it goes with its content when the
// object ends. While the object lives the folder is locked, so that
// WerdendeOrdnerResteEntfernen() of another process leaves it alone.
class TWerdenderOrdner {
public:
    // sZiel: the folder's final path, with or without a trailing '/'.
    explicit TWerdenderOrdner(const std::string& sZiel);
    ~TWerdenderOrdner();
    TWerdenderOrdner(const TWerdenderOrdner&) = delete;
    TWerdenderOrdner& operator=(const TWerdenderOrdner&) = delete;
    bool bAngelegt() const { return !m_sPfad.empty(); }
    // The hidden folder, with a trailing '/'; empty when it could not be made.
    const std::string& Pfad() const { return m_sPfad; }
    // False (errno EEXIST when an entry of the name is there) when the
    // folder could not take its name; it then stays hidden until the end.
    bool bFertigstellen();

private:
    std::string m_sZiel;
    std::string m_sPfad;
    int m_iFd = -1;
    bool m_bFertig = false;
};
// Removes the hidden folders of TWerdenderOrdner in sOrdner that a killed
// process left: those no living object holds that have not changed for a
// minute.
void WerdendeOrdnerResteEntfernen(const std::string& sOrdner);
