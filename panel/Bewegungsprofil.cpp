// Reading the bits that drive the motion profiles.
#include "Bewegungsprofil.h"

#include "kolv_d7ed.h"

Bewegungsprofil* pBewegungsprofil(int32_t iMoveNr)
{
    if (iMoveNr < 0 || iMoveNr >= ANZAHL_BEWEGUNGSPROFILE)
        return nullptr;
    return &Bewegungsprofile[iMoveNr];
}

const uint8_t* pBewegungsByte(const BewegungsOperand& o)
{
    const uint8_t* pBereich = nullptr;
    switch (o.Op) {
    case 'A':
    case 'Q':
        pBereich = D7ED_GetPeriAPtr();
        break;
    case 'E':
    case 'I':
        pBereich = D7ED_GetPeriEPtr();
        break;
    case 'M':
        pBereich = D7ED_GetMPtr();
        break;
    default:
        return nullptr;
    }
    if (!pBereich)
        return nullptr;
    return pBereich + static_cast<uint8_t>(o.Adr);
}

bool bBewegungsBit(const BewegungsOperand& o)
{
    if (o.Bit > 7)
        return false;
    const uint8_t* pByte = pBewegungsByte(o);
    return pByte && ((*pByte >> o.Bit) & 1) != 0;
}
