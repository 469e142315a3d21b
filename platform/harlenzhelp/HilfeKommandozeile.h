// The command line of the help viewer.
//
// The programs start the viewer with switches of the form "/Name=value":
//   /App=<name and version>#   the calling program; the value ends at '#'
//   /Lang=DE                    texts of the viewer in German (anything else:
//                               English)
//   /X= /Y= /W= /H=             position and size of the window
//   /Show=<path>                the page to show; the rest of the line, so a
//                               path may hold blanks
// Without /Show= the page comes from the registry value "HelpFile" of the
// key "Software\Harlenz-Software\HARLENZ-HELP".
#pragma once

#include <optional>
#include <string>

struct HilfeAufruf {
    std::string sApp;
    std::string sSprache;          // value of /Lang=, "" when missing
    std::optional<int> iX, iY, iW, iH;
    std::string sSeite;            // value of /Show=, "" when missing
};

// Reads the switches of a whole command line (without the program itself).
// Unknown words are skipped.
HilfeAufruf HilfeKommandozeileLesen(const std::string& sZeile);

// True when the viewer's own texts are to be German.
bool bHilfeDeutsch(const HilfeAufruf& aufruf);

// The registry key and value through which the programs hand over the page.
inline constexpr const char* cHilfeRegistrySchluessel = "Software\\Harlenz-Software\\HARLENZ-HELP";
inline constexpr const char* cHilfeRegistryWert = "HelpFile";

// The page to show: /Show= when given, else the registry value; "" when
// neither names one.
std::string HilfeSeiteErmitteln(const HilfeAufruf& aufruf);

// True for a web address ("http:" or "https:"), which the desktop's
// browser shows instead of the viewer.
bool bIstWebAdresse(const std::string& sSeite);
