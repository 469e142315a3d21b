// Shared set-up of the panel tests: a program folder of their own with the
// texts loaded, the engine in a known state with cleared memory, the mode,
// and the measuring ranges of a test file.
#pragma once

#include "Messbereiche.h"
#include "MyObj.h"
#include "Programm.h"
#include "TestUmgebung.h"
#include "WinMeldung.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace paneltest {

inline void SpeicherLoeschen()
{
    std::memset(D7ED_GetPeriEPtr(), 0, D7ED_BEREICH_GROESSE);
    std::memset(D7ED_GetPeriAPtr(), 0, D7ED_BEREICH_GROESSE);
    std::memset(D7ED_GetMPtr(), 0, D7ED_BEREICH_GROESSE);
    std::memset(D7ED_GetEAPtr(), 0, D7ED_EA_GROESSE);
    std::memset(D7ED_GetEPtr_Erweitert(), 0, D7ED_BEREICH_GROESSE - D7ED_EA_GROESSE);
}

// Writes a measuring-range file and reads it into the tables.
inline void MessbereicheAus(const std::string& sInhalt)
{
    const auto pf = testhilfe::NeuerOrdner("messb") / "MESSB.TXT";
    testhilfe::DateiSchreiben(pf, sInhalt);
    MessbereicheEinlesen(pf.string());
}

// The ranges the scaling tests use, input and output tables alike:
// 0 "0..10 V", 1 "4..20 mA", 2 "-10..10 V", 3 "0..100 % bipolar raw",
// 4 zero raw span, 5 zero engineering span.
inline const char* cTestBereiche =
    "[analogeingabe]\n"
    "EMB0=10;0;27648;0;0;2;V;0 - 10 V;\n"
    "EMB1=20;4;27648;0;0;2;mA;4 - 20 mA;\n"
    "EMB2=10;-10;27648;-27648;0;1;V;-10 - +10 V;\n"
    "EMB3=100;0;27648;-27648;0;3;%;0 - 100 %;\n"
    "EMB4=10;0;500;500;0;2;V;leer;\n"
    "EMB5=5;5;27648;0;0;2;V;flach;\n"
    "[analogausgabe]\n"
    "AMB0=10;0;27648;0;0;2;V;0 - 10 V;\n"
    "AMB1=20;4;27648;0;0;2;mA;4 - 20 mA;\n"
    "AMB2=10;-10;27648;-27648;0;1;V;-10 - +10 V;\n"
    "AMB3=100;0;27648;-27648;0;3;%;0 - 100 %;\n"
    "AMB4=10;0;500;500;0;2;V;leer;\n"
    "AMB5=5;5;27648;0;0;2;V;flach;\n";

class PanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static bool bVorbereitet = false;
        if (!bVorbereitet) {
            StartVorbereiten(testhilfe::ProgrammordnerKopieren().string());
            bVorbereitet = true;
        }
    }
    void SetUp() override
    {
        int iFehler = 0;
        D7ED_Stop(&iFehler);
        SpeicherLoeschen();
        SPR_SetSyntaxSprache(1);
        TMyObj::bEditorModusOhneHauptformular = true;
        MessbereicheAus(cTestBereiche);
        GezeigteMeldungenLoeschen();
        MeldungsAntworterSetzen([](const TMeldung&) { return IDOK; });
    }
    void TearDown() override
    {
        MeldungsAntworterSetzen({});
        SPR_SetSyntaxSprache(1);
    }
    static void Wort(uint8_t* p, unsigned iAdr, uint16_t w)
    {
        p[iAdr] = uint8_t(w >> 8);
        p[iAdr + 1] = uint8_t(w);
    }
    static uint16_t Wort(const uint8_t* p, unsigned iAdr)
    {
        return uint16_t((p[iAdr] << 8) | p[iAdr + 1]);
    }
};

} // namespace paneltest
