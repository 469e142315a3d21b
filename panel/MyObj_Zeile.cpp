// The object's text line in the panel file and the clipboard file.
//
// The line is a list of key=value pairs joined by "," without blanks. The
// writer has no length limit and the reader works on the whole line, so a
// line the writer produced always reads back whole, however long its texts
// are.
#include "MyObj.h"

#include "Allgemein.h"
#include "Meldungen.h"
#include "Messbereiche.h"
#include "PoolText.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

std::string Formatiert(const char* pcFormat, ...) __attribute__((format(printf, 1, 2)));

std::string Formatiert(const char* pcFormat, ...)
{
    std::va_list args;
    va_start(args, pcFormat);
    std::va_list kopie;
    va_copy(kopie, args);
    const int n = std::vsnprintf(nullptr, 0, pcFormat, kopie);
    va_end(kopie);
    std::string s;
    if (n > 0) {
        std::vector<char> puffer(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(puffer.data(), puffer.size(), pcFormat, args);
        s.assign(puffer.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return s;
}

// A character field as its text. A character 0 is written as nothing at
// all: written as a character it would end the line right there and lose
// every field after it. The reader takes the "," that then follows the key
// as "no character". A byte outside ASCII is written as nothing too: alone
// it is no UTF-8 text and would make the whole file read as Windows-1252.
std::string Zeichen(char c)
{
    return c && static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : std::string();
}

char ZeichenLesen(const char* pcZeile, const char* pcKey, int& iVerworfen)
{
    const char c = cGetZeichenNachKey(pcZeile, pcKey);
    if (static_cast<unsigned char>(c) >= 0x80) {
        ++iVerworfen;
        return '\0';
    }
    return c == ',' ? '\0' : c;
}

int B(bool b)
{
    return b ? 1 : 0;
}

} // namespace

bool bSchluesselImNamen(const std::string& sName)
{
    const std::size_t nDollar = sName.find('$');
    return nDollar != std::string::npos && sName.find('=', nDollar) != std::string::npos;
}

bool bBildNameZulaessig(const std::string& sName)
{
    return sName.find(',') == std::string::npos && !bSchluesselImNamen(sName);
}

std::string TMyObj::pcGetINIString() const
{
    switch (Obj) {
    case LED:
        return Formatiert(
            "$Obj=%d,$Op=%s,$Adr=%d,$Bit=%d,$ColorHi=%d,$ColorLo=%d,$DBNR=%d,$Clickable=%d,"
            "$Variable=%d,$HotKeyAktiv=%d,$HotKey=%d,$Grundstellung=%d,$GrafikAbs=%d,"
            "$GrafikAkt=%d,$Grafik1=%s,$Grafik0=%s,$MoveNr=%d,$MoveAktiv=%d,$Taster=%d,$x=%d,"
            "$y=%d,$w=%d,$h=%d",
            Obj, Zeichen(Op).c_str(), Adr, Bit, ColorHi, ColorLo, DBNR, B(Clickable), Variable,
            B(HotKeyAktiv), HotKey, B(Grundstellung), B(GrafikAbs), B(GrafikAkt), Grafik1.c_str(),
            Grafik0.c_str(), MoveNr, B(MoveAktiv), B(Taster), x, y, w, h);
    case AnalogEingang:
    case AnalogerAusgang:
        return Formatiert(
            "$Obj=%d,$Op=%s,$Adr=%d,$DefaultE=%s,$ColorHi=%d,$Aufl=%d,$Messb=%d,$Ausrichtung=%s,"
            "$AdrAnzeigen=%d,$IstwertAnzeigen=%d,$MoveNr=%d,$MoveAktiv=%d,$x=%d,$y=%d,$w=%d,$h=%d",
            Obj, Zeichen(Op).c_str(), Adr, FestkommaText(DefaultE, 2, 2).c_str(), ColorHi, Aufl,
            Messb, Zeichen(Ausrichtung).c_str(), B(AdrAnzeigen), B(IstwertAnzeigen), MoveNr,
            B(MoveAktiv), x, y, w, h);
    case Statische_Beschriftung:
        return Formatiert("$Obj=%d,$ColorH=%d,$ColorT=%d,$x=%d,$y=%d,$w=%d,$h=%d,$Transparent=%d,"
                          "$MoveNr=%d,$MoveAktiv=%d,$Text=%s",
                          Obj, ColorHi, ColorLo, x, y, w, h, B(Transparent), MoveNr, B(MoveAktiv),
                          Text0.c_str());
    case Dynamische_Beschriftung:
        return Formatiert(
            "$Obj=%d,$Op=%s,$Adr=%d,$Bit=%d,$ColorHi=%d,$ColorLo=%d,$DBNR=%d,$Clickable=%d,"
            "$Variable=%d,$OpGroesse=%d,$Darstellung=%d,$MoveNr=%d,$MoveAktiv=%d,"
            "$MitOpAnzeigen=%d,$x=%d,$y=%d,$w=%d,$h=%d,$BoolText=%d,$Text0=%s,$Text1=%s",
            Obj, Zeichen(Op).c_str(), Adr, Bit, ColorHi, ColorLo, DBNR, B(Clickable), Variable,
            OpGroesse, Darstellung, MoveNr, B(MoveAktiv), B(MitOpAnzeigen), x, y, w, h,
            B(BoolText), Text0.c_str(), Text1.c_str());
    default:
        FehlerMeldung(PoolText(1263));
        return std::string();
    }
}

bool TMyObj::bINIStringAuswerten(const std::string& sZeileRoh)
{
    // The whole line is the working copy; a line end that a reader left on
    // it is not part of the last text.
    std::string sZeile = sZeileRoh;
    while (!sZeile.empty() && (sZeile.back() == '\n' || sZeile.back() == '\r'))
        sZeile.pop_back();
    const char* z = sZeile.c_str();
    if (sZeile.find("$Obj=") == std::string::npos)
        return false;

    auto Zahl = [z](const char* pcKey) { return iGetWertNachKey(z, pcKey); };
    auto Wahr = [z](const char* pcKey) { return iGetWertNachKey(z, pcKey) != 0; };
    // A value is one line's text: a CR inside the line (a file with other
    // line ends) is dropped, since the writer would put it last in the line,
    // where every reader takes it for the line end.
    auto Text = [z](const char* pcKey) {
        std::string s;
        StringNachKeyKopieren(z, pcKey, s);
        std::erase(s, '\r');
        return s;
    };
    auto Koordinate = [&](const char* pcKey) {
        return std::clamp(Zahl(pcKey), iKoordinateMin, iKoordinateMax);
    };
    auto Position = [&]() {
        SetLeft(Koordinate("$x="));
        SetTop(Koordinate("$y="));
        SetWidth(Koordinate("$w="));
        SetHeight(Koordinate("$h="));
    };
    iVerworfeneFelder = 0;
    auto Bildname = [&](const char* pcKey) {
        std::string s = Text(pcKey);
        if (bBildNameZulaessig(s)) return s;
        ++iVerworfeneFelder;
        return std::string();
    };

    Obj = Zahl("$Obj=");
    MoveNr = Zahl("$MoveNr=");
    MoveAktiv = Wahr("$MoveAktiv=");

    switch (Obj) {
    case AnalogEingang:
    case AnalogerAusgang:
        Op = ZeichenLesen(z, "$Op=", iVerworfeneFelder);
        Adr = static_cast<uint16_t>(Zahl("$Adr="));
        // A damaged value ("nan", "1e99") reads as no basic value.
        DefaultE = fTextAlsFloat(Text("$DefaultE=").c_str());
        ColorHi = Zahl("$ColorHi=");
        Aufl = Zahl("$Aufl=");
        Messb = Zahl("$Messb=");
        Ausrichtung = ZeichenLesen(z, "$Ausrichtung=", iVerworfeneFelder);
        AdrAnzeigen = Wahr("$AdrAnzeigen=");
        IstwertAnzeigen = Wahr("$IstwertAnzeigen=");
        Position();
        return true;
    case LED:
        Op = ZeichenLesen(z, "$Op=", iVerworfeneFelder);
        Adr = static_cast<uint16_t>(Zahl("$Adr="));
        Bit = static_cast<uint16_t>(Zahl("$Bit="));
        ColorHi = Zahl("$ColorHi=");
        ColorLo = Zahl("$ColorLo=");
        DBNR = static_cast<uint16_t>(Zahl("$DBNR="));
        Clickable = Wahr("$Clickable=");
        Variable = Zahl("$Variable=");
        Grundstellung = Wahr("$Grundstellung=");
        HotKeyAktiv = Wahr("$HotKeyAktiv=");
        HotKey = static_cast<uint8_t>(Zahl("$HotKey=") & 0xFF);
        Taster = Wahr("$Taster=");
        Position();
        GrafikAbs = Wahr("$GrafikAbs=");
        GrafikAkt = Wahr("$GrafikAkt=");
        // Kept as the file gives them, so that a save writes them back
        // unchanged; a folder part (a whole Windows path) is passed over
        // where the picture is looked up in the project folder.
        Grafik1 = Bildname("$Grafik1=");
        Grafik0 = Bildname("$Grafik0=");
        return true;
    case Statische_Beschriftung:
        ColorHi = Zahl("$ColorH=");
        ColorLo = Zahl("$ColorT=");
        Transparent = Wahr("$Transparent=");
        Position();
        Text0 = Text("$Text=");
        return true;
    case Dynamische_Beschriftung:
        Op = ZeichenLesen(z, "$Op=", iVerworfeneFelder);
        Adr = static_cast<uint16_t>(Zahl("$Adr="));
        Bit = static_cast<uint16_t>(Zahl("$Bit="));
        BoolText = Wahr("$BoolText=");
        Text0 = Text("$Text0=");
        Text1 = Text("$Text1=");
        Clickable = Wahr("$Clickable=");
        ColorHi = Zahl("$ColorHi=");
        ColorLo = Zahl("$ColorLo=");
        DBNR = static_cast<uint16_t>(Zahl("$DBNR="));
        Variable = Zahl("$Variable=");
        OpGroesse = Zahl("$OpGroesse=");
        Darstellung = Zahl("$Darstellung=");
        MitOpAnzeigen = Wahr("$MitOpAnzeigen=");
        Position();
        return true;
    default:
        FehlerMeldung(TextFormatieren("Unbekannte Objekt-ID beim Auslesen:%d", "%d", Obj));
        return false;
    }
}
