// Operand access: how an object's letter, address, bit and size reach the
// engine's memory. Words and double words are big-endian (the byte at the
// address is the most significant). The area pointers are fetched anew at
// each access; nothing of the engine's memory is copied.
#include "MyObj.h"

#include "Messbereiche.h"
#include "SystemVariablen.h"
#include "kolv_d7ed.h"
#include "kolv_spr2.h"

#include <cmath>
#include <cstdio>

namespace {

bool bIstEingang(char c)
{
    return c == 'E' || c == 'I';
}

bool bIstAusgang(char c)
{
    return c == 'A' || c == 'Q';
}

// The area a write (and a bit click, hot key, basic position) goes to.
uint8_t* pSchreibBereich(char cOp)
{
    if (bIstEingang(cOp) || cOp == 'P')
        return D7ED_GetPeriEPtr();
    if (bIstAusgang(cOp))
        return D7ED_GetPeriAPtr();
    if (cOp == 'M')
        return D7ED_GetMPtr();
    return nullptr;
}

// Bit numbers beyond 7 address no bit of a byte; they read 0 and write
// nothing instead of shifting by more than the value is wide.
bool bBitGueltig(uint16_t wBit)
{
    return wBit < 8;
}

} // namespace

uint32_t TMyObj::dwGetWertVonOperand(const uint8_t* pBereich, uint32_t iAdr, int32_t iGroesse,
                                     bool bDB, uint32_t iDBNR)
{
    if (iGroesse != 1 && iGroesse != 2 && iGroesse != 4)
        return 0;
    uint8_t b[4] = {0, 0, 0, 0};
    if (bDB) {
        // A number or address beyond what the engine can name reads 0 like a
        // block it does not hold, never as the block its low bits name.
        if (iDBNR > 0xFFFFu || iAdr > 0xFFFFu)
            return 0;
        D7ED_ReadWriteDatenbaustein(1, static_cast<uint16_t>(iDBNR), static_cast<uint16_t>(iAdr),
                                    static_cast<uint16_t>(iGroesse), b);
    } else {
        if (!pBereich)
            return 0;
        for (int i = 0; i < iGroesse; ++i)
            b[i] = pBereich[iAdr + static_cast<uint32_t>(i)];
    }
    switch (iGroesse) {
    case 1: return b[0];
    case 2: return (static_cast<uint32_t>(b[0]) << 8) | b[1];
    default:
        return (static_cast<uint32_t>(b[0]) << 24) | (static_cast<uint32_t>(b[1]) << 16) |
               (static_cast<uint32_t>(b[2]) << 8) | b[3];
    }
}

uint32_t TMyObj::dwGetWertVonObj() const
{
    if (Variable != 0)
        return dwSystemVariableWert(Variable);

    const int32_t iGroesse = OpGroesse == 0 ? 1 : OpGroesse;
    uint32_t dwWert = 0;
    if (Op == 'D') {
        dwWert = dwGetWertVonOperand(nullptr, Adr, iGroesse, true, DBNR);
    } else {
        const uint8_t* pBereich = nullptr;
        uint32_t iAdr = Adr;
        uint8_t abEingang[4] = {0, 0, 0, 0};
        if (bIstEingang(Op)) {
            // The input image the PLC program sees: bytes below 128 in the
            // image, from 128 on in the extended image; each byte on its
            // own, so that a word at byte 127 takes its low byte from the
            // extended image.
            const uint8_t* pAbbild = D7ED_GetEAPtr();
            const uint8_t* pErweitert = D7ED_GetEPtr_Erweitert();
            if (!pAbbild || !pErweitert)
                return 0;
            for (uint32_t i = 0; i < static_cast<uint32_t>(iGroesse) && i < 4; ++i) {
                const uint32_t a = Adr + i;
                abEingang[i] = a < 128 ? pAbbild[a] : pErweitert[a - 128u];
            }
            pBereich = abEingang;
            iAdr = 0;
        } else if (bIstAusgang(Op)) {
            pBereich = D7ED_GetPeriAPtr();
        } else if (Op == 'M') {
            pBereich = D7ED_GetMPtr();
        } else if (Op == 'P') {
            pBereich = D7ED_GetPeriEPtr();
        } else {
            return 0;
        }
        dwWert = dwGetWertVonOperand(pBereich, iAdr, iGroesse, false, 0);
    }
    if (OpGroesse == 0)
        return bBitGueltig(Bit) ? (dwWert >> Bit) & 1u : 0u;
    return dwWert;
}

void TMyObj::WertSteuern(int32_t iWert)
{
    const uint32_t v = static_cast<uint32_t>(iWert);
    if (Op == 'D') {
        if (OpGroesse != 1 && OpGroesse != 2 && OpGroesse != 4)
            return;
        uint8_t b[4] = {0, 0, 0, 0};
        if (OpGroesse == 1) {
            b[0] = static_cast<uint8_t>(v);
        } else if (OpGroesse == 2) {
            b[0] = static_cast<uint8_t>(v >> 8);
            b[1] = static_cast<uint8_t>(v);
        } else {
            b[0] = static_cast<uint8_t>(v >> 24);
            b[1] = static_cast<uint8_t>(v >> 16);
            b[2] = static_cast<uint8_t>(v >> 8);
            b[3] = static_cast<uint8_t>(v);
        }
        D7ED_ReadWriteDatenbaustein(0, DBNR, Adr, static_cast<uint16_t>(OpGroesse), b);
        return;
    }
    uint8_t* p = pSchreibBereich(Op);
    if (!p)
        return;
    p += Adr;
    switch (OpGroesse) {
    case 0:
        if (!bBitGueltig(Bit))
            return;
        if (iWert != 0)
            p[0] = static_cast<uint8_t>(p[0] | (1u << Bit));
        else
            p[0] = static_cast<uint8_t>(p[0] & ~(1u << Bit));
        break;
    case 1:
        p[0] = static_cast<uint8_t>(v);
        break;
    case 2:
        p[0] = static_cast<uint8_t>(v >> 8);
        p[1] = static_cast<uint8_t>(v);
        break;
    case 4:
        p[0] = static_cast<uint8_t>(v >> 24);
        p[1] = static_cast<uint8_t>(v >> 16);
        p[2] = static_cast<uint8_t>(v >> 8);
        p[3] = static_cast<uint8_t>(v);
        break;
    default:
        break;
    }
}

std::string TMyObj::pcGetOperandStr() const
{
    char c[80];
    if (Op == 'D') {
        switch (OpGroesse) {
        case 0: std::snprintf(c, sizeof c, "DB%d.DBX%d.%d", DBNR, Adr, Bit); break;
        case 1: std::snprintf(c, sizeof c, "DB%d.DBB%d", DBNR, Adr); break;
        case 2: std::snprintf(c, sizeof c, "DB%d.DBW%d", DBNR, Adr); break;
        case 4: std::snprintf(c, sizeof c, "DB%d.DBD%d", DBNR, Adr); break;
        default: return std::string();
        }
        return c;
    }
    std::string s;
    if (Op)
        s += Op;
    if (Op == 'P')
        s += SPR_GetCharOperand_E();
    if (OpGroesse == 1)
        s += 'B';
    else if (OpGroesse == 2)
        s += 'W';
    else if (OpGroesse == 4)
        s += 'D';
    if (OpGroesse == 0)
        std::snprintf(c, sizeof c, "%d.%d", Adr, Bit);
    else
        std::snprintf(c, sizeof c, "%d", Adr);
    return s + c;
}

void TMyObj::E_Grundstellung()
{
    if (Obj == LED && bIstEingang(Op)) {
        uint8_t* p = D7ED_GetPeriEPtr();
        if (!p || !bBitGueltig(Bit))
            return;
        if (Grundstellung)
            p[Adr] = static_cast<uint8_t>(p[Adr] | (1u << Bit));
        else
            p[Adr] = static_cast<uint8_t>(p[Adr] & ~(1u << Bit));
    } else if (Obj == AnalogEingang) {
        float fRoh = 0.0f;
        GetStatusVonAnalogWert(fRoh, DefaultE);
        // Cut toward zero; a value beyond the 32-bit range (or not a number)
        // is held instead of converting out of range.
        int32_t iRoh = 0;
        if (std::isfinite(fRoh)) {
            const double d = std::trunc(static_cast<double>(fRoh));
            iRoh = d > 2147483647.0 ? INT32_MAX : d < -2147483648.0 ? INT32_MIN
                                                                       : static_cast<int32_t>(d);
        }
        uint8_t* p = D7ED_GetPeriEPtr();
        if (!p)
            return;
        const uint32_t v = static_cast<uint32_t>(iRoh);
        p[Adr] = static_cast<uint8_t>(v >> 8);
        p[Adr + 1u] = static_cast<uint8_t>(v);
    }
}
