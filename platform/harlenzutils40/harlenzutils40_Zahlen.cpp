// harlenzutils40: number, date and time texts and block names.
#include "harlenzutils40.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

struct TBausteinTyp {
    uint16_t wTyp;
    const char* pcName;
};

// The engine's block type codes.
const TBausteinTyp kBausteinTypen[] = {
    {8, "OB"}, {10, "DB"}, {11, "SDB"}, {12, "FC"}, {13, "SFC"}, {14, "FB"}, {15, "SFB"},
};

const char* pcTypName(uint16_t wTyp)
{
    for (const TBausteinTyp& t : kBausteinTypen) {
        if (t.wTyp == wTyp)
            return t.pcName;
    }
    return nullptr;
}

bool bJetzt(std::tm& zeit)
{
    const std::time_t t = std::time(nullptr);
    return localtime_r(&t, &zeit) != nullptr;
}

} // namespace

extern "C" {

void U_WORDToStr(char* pcZiel, uint16_t wWert)
{
    if (pcZiel)
        std::snprintf(pcZiel, 6, "%u", static_cast<unsigned>(wWert));
}

void U_DWORDToStr(char* pcZiel, uint32_t dwWert)
{
    if (pcZiel)
        std::snprintf(pcZiel, 11, "%lu", static_cast<unsigned long>(dwWert));
}

void U_GetAktuellesSystemDatumStr(char* pcZiel)
{
    if (!pcZiel)
        return;
    std::tm zeit{};
    if (!bJetzt(zeit)) {
        pcZiel[0] = '\0';
        return;
    }
    std::snprintf(pcZiel, 11, "%02u.%02u.%04u", static_cast<unsigned>(zeit.tm_mday) % 100u,
                  static_cast<unsigned>(zeit.tm_mon + 1) % 100u,
                  static_cast<unsigned>(zeit.tm_year + 1900) % 10000u);
}

void U_GetAktuelleSystemZeitStr(char* pcZiel)
{
    if (!pcZiel)
        return;
    std::tm zeit{};
    if (!bJetzt(zeit)) {
        pcZiel[0] = '\0';
        return;
    }
    std::snprintf(pcZiel, 9, "%02u:%02u:%02u", static_cast<unsigned>(zeit.tm_hour) % 100u,
                  static_cast<unsigned>(zeit.tm_min) % 100u, static_cast<unsigned>(zeit.tm_sec) % 100u);
}

void U_GetBausteinStrTypNr(char* pcZiel, uint16_t wTyp, uint16_t wNr, bool bMitLeerzeichen)
{
    if (!pcZiel)
        return;
    const char* pcName = pcTypName(wTyp);
    std::snprintf(pcZiel, 12, "%s%s%u", pcName ? pcName : "?", bMitLeerzeichen ? " " : "",
                  static_cast<unsigned>(wNr));
}

bool U_GetKennungAusBausteinStrOhneLeerz(const char* pcName, uint16_t* pwTyp, uint16_t* pwNr)
{
    if (!pcName || !pwTyp || !pwNr)
        return false;
    char acBuchstaben[4];
    size_t uBuchstaben = 0;
    unsigned long ulNr = 0;
    size_t uZiffern = 0;
    for (const char* p = pcName; *p; ++p) {
        char c = *p;
        if (c == ' ' || c == '\t')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') {
            if (uZiffern > 0 || uBuchstaben >= 3)
                return false;  // letters after the number, or no such type
            acBuchstaben[uBuchstaben++] = c;
        } else if (c >= '0' && c <= '9') {
            ulNr = ulNr * 10 + static_cast<unsigned long>(c - '0');
            if (ulNr > 65535)
                return false;
            ++uZiffern;
        } else {
            return false;
        }
    }
    if (uZiffern == 0)
        return false;
    acBuchstaben[uBuchstaben] = '\0';
    for (const TBausteinTyp& t : kBausteinTypen) {
        if (std::strcmp(t.pcName, acBuchstaben) == 0) {
            *pwTyp = t.wTyp;
            *pwNr = static_cast<uint16_t>(ulNr);
            return true;
        }
    }
    return false;
}

} // extern "C"
