// Finds the text numbers that code takes from the text pool.
//
// Counted are literal numbers in the calls
//   PoolText(N)  PoolTextFormat(N, "sig", ...)  SPR_StrS7App(N)  SPR_StrS7C(N)
//   SPR_StrMPI(N)  SPR_StrMaske(N)  SPR_AppD(N)  SPR_StrS7App2(N)
// and, for numbers that code reaches through a computed index, the marker
// comment
//   // Texte: 1185-1192, 1200
// (single numbers and ranges, separated by commas) next to that code.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

struct TTextVerwendung {
    std::string sOrt;        // file:line
    unsigned long ulNummer;
    bool bMitSignatur;       // a PoolTextFormat with a literal signature
    std::string sSignatur;
};

// Every use in one source text (sOrt names the file in the results).
std::vector<TTextVerwendung> TextVerwendungenSuchen(const std::string& sQuelltext, const std::string& sOrt);

// Every use in the .cpp and .h files below the given folders.
std::vector<TTextVerwendung> TextVerwendungenImBaum(const std::vector<std::filesystem::path>& ordner);

// Numbers that occur more than once as "NNNN=" lines of a text file.
std::set<unsigned long> DoppelteNummern(const std::string& sDateiinhalt);
