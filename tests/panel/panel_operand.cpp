// Operand access through the engine's real memory, system variables, the
// operand texts and the display texts of dynamic texts.
#include "PanelTestHilfe.h"

#include "SystemVariablen.h"

#include <QImage>

#include <cstring>

using paneltest::PanelTest;

namespace {

// A data block with nLaenge data bytes 0, 1, 2, ... in the engine.
void DatenbausteinAnlegen(uint16_t wNr, std::size_t nLaenge)
{
    std::vector<uint8_t> ab(D7ED_BST_KOPF_LAENGE, 0);
    ab[0] = 'p';
    ab[1] = 'p';
    ab[5] = D7ED_BST_DB;
    ab[6] = uint8_t(wNr >> 8);
    ab[7] = uint8_t(wNr);
    for (std::size_t i = 0; i < nLaenge; ++i)
        ab.push_back(uint8_t(i));
    const uint32_t dwGesamt = uint32_t(ab.size());
    ab[10] = uint8_t(dwGesamt >> 8);
    ab[11] = uint8_t(dwGesamt);
    ab[34] = uint8_t(nLaenge >> 8);
    ab[35] = uint8_t(nLaenge);
    int iFehler = -1;
    ASSERT_TRUE(D7ED_BstWrite(D7ED_BST_DB, wNr, uint16_t(ab.size()), 0, ab.data(), &iFehler))
        << iFehler;
}

std::vector<uint8_t> DBLesen(uint16_t wNr, uint16_t wAdr, uint16_t wLaenge)
{
    std::vector<uint8_t> b(wLaenge);
    EXPECT_EQ(D7ED_ReadWriteDatenbaustein(1, wNr, wAdr, wLaenge, b.data()), 0);
    return b;
}

void DBSchreiben(uint16_t wNr, uint16_t wAdr, std::vector<uint8_t> b)
{
    ASSERT_EQ(D7ED_ReadWriteDatenbaustein(0, wNr, wAdr, uint16_t(b.size()), b.data()), 0);
}

class Operand : public PanelTest {
protected:
    QWidget eltern;
    TMyObj obj{&eltern, Dynamische_Beschriftung, 0, 0, 50, 14};
    void Setze(char cOp, uint16_t wAdr, int32_t iGroesse, uint16_t wBit = 0)
    {
        obj.Op = cOp;
        obj.Adr = wAdr;
        obj.OpGroesse = iGroesse;
        obj.Bit = wBit;
        obj.Variable = 0;
    }
};

} // namespace

TEST_F(Operand, GrosseWorteUndDoppelworteAusDemSpeicher)
{
    uint8_t* pA = D7ED_GetPeriAPtr();
    pA[10] = 0x12;
    pA[11] = 0x34;
    pA[12] = 0x56;
    pA[13] = 0x78;
    for (char c : {'A', 'Q'}) {
        Setze(c, 10, 2);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0x1234u) << c;
        Setze(c, 10, 4);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0x12345678u);
        Setze(c, 11, 1);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0x34u);
        Setze(c, 12, 0, 4);   // 0x56 = 0101 0110
        EXPECT_EQ(obj.dwGetWertVonObj(), 1u);
        Setze(c, 12, 0, 3);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    }
    uint8_t* pM = D7ED_GetMPtr();
    pM[65532] = 0xFF;
    pM[65533] = 0xFE;
    Setze('M', 65532, 2);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0xFFFEu);
    // A size the object does not know reads 0.
    Setze('M', 65532, 3);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    EXPECT_EQ(TMyObj::dwGetWertVonOperand(pA, 10, 2, false, 0), 0x1234u);
    EXPECT_EQ(TMyObj::dwGetWertVonOperand(pA, 10, 8, false, 0), 0u);
}

TEST_F(Operand, EingaengeLesenDasAbbildUnterUndDasErweiterteAb128)
{
    uint8_t* pPE = D7ED_GetPeriEPtr();
    D7ED_GetEAPtr()[5] = 0xA1;
    pPE[5] = 0x11;
    D7ED_GetEPtr_Erweitert()[2] = 0xB2;
    pPE[130] = 0x22;
    for (char c : {'E', 'I'}) {
        Setze(c, 5, 1);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0xA1u) << c;
        Setze(c, 130, 1);
        EXPECT_EQ(obj.dwGetWertVonObj(), 0xB2u) << c;
    }
    // Words and double words read each byte from its own area, also across
    // the border between the image and the extended image.
    D7ED_GetEAPtr()[126] = 0x12;
    D7ED_GetEAPtr()[127] = 0x34;
    D7ED_GetEAPtr()[128] = 0xEE;   // beyond the image: never read
    D7ED_GetEPtr_Erweitert()[0] = 0x56;
    D7ED_GetEPtr_Erweitert()[1] = 0x78;
    D7ED_GetEPtr_Erweitert()[2] = 0x9A;
    D7ED_GetEPtr_Erweitert()[3] = 0xBC;
    const struct {
        uint16_t wAdr;
        int32_t iGroesse;
        uint32_t dwWert;
    } faelle[] = {{126, 2, 0x1234}, {127, 2, 0x3456}, {128, 2, 0x5678},
                  {126, 4, 0x12345678}, {127, 4, 0x3456789A}, {128, 4, 0x56789ABC}};
    for (const auto& f : faelle) {
        Setze('I', f.wAdr, f.iGroesse);
        EXPECT_EQ(obj.dwGetWertVonObj(), f.dwWert) << f.wAdr << "/" << f.iGroesse;
    }
    // 'P' reads the peripheral input bytes themselves.
    Setze('P', 130, 1);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0x22u);
    Setze('P', 5, 1);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0x11u);
}

TEST_F(Operand, SchreibenGrossEndianUndNurImNoetigenBereich)
{
    uint8_t* pA = D7ED_GetPeriAPtr();
    Setze('Q', 20, 2);
    obj.WertSteuern(4660);
    EXPECT_EQ(pA[20], 0x12);
    EXPECT_EQ(pA[21], 0x34);
    obj.WertSteuern(0x7ABC1234);   // only the low 16 bits
    EXPECT_EQ(pA[20], 0x12);
    EXPECT_EQ(pA[21], 0x34);
    EXPECT_EQ(pA[22], 0x00);
    EXPECT_EQ(pA[19], 0x00);

    Setze('A', 30, 4);
    obj.WertSteuern(-2);
    EXPECT_EQ(pA[30], 0xFF);
    EXPECT_EQ(pA[33], 0xFE);
    Setze('A', 40, 1);
    obj.WertSteuern(0x1FF);
    EXPECT_EQ(pA[40], 0xFF);
    EXPECT_EQ(pA[41], 0x00);

    uint8_t* pM = D7ED_GetMPtr();
    pM[7] = 0x81;
    Setze('M', 7, 0, 3);
    obj.WertSteuern(5);
    EXPECT_EQ(pM[7], 0x89);
    obj.WertSteuern(0);
    Setze('M', 7, 0, 7);
    obj.WertSteuern(0);
    EXPECT_EQ(pM[7], 0x01);

    // Inputs are written into the peripheral bytes, not into the image.
    Setze('I', 3, 1);
    obj.WertSteuern(0x5A);
    EXPECT_EQ(D7ED_GetPeriEPtr()[3], 0x5A);
    EXPECT_EQ(D7ED_GetEAPtr()[3], 0x00);
    Setze('P', 4, 1);
    obj.WertSteuern(0x6B);
    EXPECT_EQ(D7ED_GetPeriEPtr()[4], 0x6B);
}

TEST_F(Operand, UnbekannteBuchstabenUndBitnummern)
{
    uint8_t* pA = D7ED_GetPeriAPtr();
    pA[2] = 0xFF;
    Setze('X', 2, 1);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    obj.WertSteuern(0x12);
    Setze(0, 2, 1);
    obj.WertSteuern(0x12);
    EXPECT_EQ(pA[2], 0xFF);
    // A bit number beyond 7 (possible from a damaged line) addresses no bit.
    Setze('A', 2, 0, 9);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    obj.WertSteuern(0);
    EXPECT_EQ(pA[2], 0xFF);
    Setze('A', 2, 0, 40);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
}

TEST_F(Operand, DatenbausteinUeberDieEngine)
{
    // DB 300 holds 400 bytes; DB 44 (300 and 300 in their low 8 bits) 40.
    DatenbausteinAnlegen(44, 40);
    DatenbausteinAnlegen(300, 400);
    DBSchreiben(300, 10, {0xA1, 0xA2, 0xA3, 0xA4});
    DBSchreiben(300, 300, {0xB1, 0xB2, 0x80});
    obj.DBNR = 300;
    Setze('D', 10, 2);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0xA1A2u) << "block 300 itself, not block 44";
    Setze('D', 10, 4);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0xA1A2A3A4u);
    Setze('D', 300, 2);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0xB1B2u) << "byte 300, not byte 44";
    Setze('D', 302, 0, 7);
    EXPECT_EQ(obj.dwGetWertVonObj(), 1u);
    Setze('D', 302, 0, 6);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);

    // Writes land in block 300 at byte 300 and leave block 44 as it was.
    const std::vector<uint8_t> db44 = DBLesen(44, 0, 40);
    Setze('D', 300, 4);
    obj.WertSteuern(0x11223344);
    EXPECT_EQ(DBLesen(300, 300, 4), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44}));
    Setze('D', 20, 2);
    obj.WertSteuern(0x55667788);
    EXPECT_EQ(DBLesen(300, 20, 2), (std::vector<uint8_t>{0x77, 0x88}));
    EXPECT_EQ(DBLesen(44, 0, 40), db44);

    // The LED's bit: its paint and its click reach DB300.DBX300.7.
    TMyObj::bEditorModusOhneHauptformular = false;
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'D';
    led.DBNR = 300;
    led.Adr = 300;
    led.Bit = 7;
    led.Clickable = true;
    led.ColorHi = 0x0000FF;
    led.ColorLo = 0x000000;
    auto Farbe = [&led] {
        led.Zeichnen();
        QImage img(led.size(), QImage::Format_ARGB32);
        led.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
        return img.pixelColor(5, 5);
    };
    EXPECT_EQ(Farbe(), QColor(0, 0, 0));   // 0x11: bit 7 clear
    led.ClickOnLED();
    EXPECT_EQ(DBLesen(300, 300, 1), (std::vector<uint8_t>{0x91}));
    EXPECT_EQ(Farbe(), QColor(255, 0, 0));
    EXPECT_EQ(DBLesen(44, 0, 40), db44);

    // A block the engine does not hold, or a byte beyond the block, reads 0
    // and takes no write, also where its low 8 bits name a byte that exists.
    DatenbausteinAnlegen(45, 40);   // 301 in its low 8 bits
    const std::vector<uint8_t> db45 = DBLesen(45, 0, 40);
    const std::vector<uint8_t> db300 = DBLesen(300, 0, 400);
    obj.DBNR = 301;
    Setze('D', 10, 2);
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    obj.WertSteuern(0xFFFF);
    obj.DBNR = 300;
    Setze('D', 400, 1);   // 144 in its low 8 bits
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    obj.WertSteuern(0xFF);
    Setze('D', 399, 2);   // the second byte beyond the block
    EXPECT_EQ(obj.dwGetWertVonObj(), 0u);
    obj.WertSteuern(0xFFFF);
    led.DBNR = 301;
    led.Adr = 10;
    led.ClickOnLED();
    led.DBNR = 300;
    led.Adr = 400;
    led.ClickOnLED();
    EXPECT_EQ(DBLesen(45, 0, 40), db45);
    EXPECT_EQ(DBLesen(300, 0, 400), db300);
    EXPECT_EQ(DBLesen(44, 0, 40), db44);
}

TEST_F(Operand, OperandtexteInBeidenSprachen)
{
    struct {
        char cOp;
        int32_t iGroesse;
        uint16_t wAdr, wBit;
        const char* pcDeutsch;
        const char* pcInternational;
    } const faelle[] = {
        {'E', 0, 10, 3, "E10.3", "E10.3"},   {'I', 0, 10, 3, "I10.3", "I10.3"},
        {'M', 2, 20, 0, "MW20", "MW20"},     {'Q', 4, 4, 0, "QD4", "QD4"},
        {'A', 1, 7, 0, "AB7", "AB7"},        {'P', 2, 256, 0, "PEW256", "PIW256"},
        {'P', 0, 1, 2, "PE1.2", "PI1.2"},
    };
    for (unsigned char ucSyntax : {1, 2}) {
        SPR_SetSyntaxSprache(ucSyntax);
        for (const auto& f : faelle) {
            Setze(f.cOp, f.wAdr, f.iGroesse, f.wBit);
            EXPECT_EQ(obj.pcGetOperandStr(), ucSyntax == 1 ? f.pcDeutsch : f.pcInternational);
        }
    }
    obj.DBNR = 5;
    Setze('D', 10, 2);
    EXPECT_EQ(obj.pcGetOperandStr(), "DB5.DBW10");
    Setze('D', 10, 0, 3);
    EXPECT_EQ(obj.pcGetOperandStr(), "DB5.DBX10.3");
    Setze('D', 10, 1);
    EXPECT_EQ(obj.pcGetOperandStr(), "DB5.DBB10");
    Setze('D', 10, 4);
    EXPECT_EQ(obj.pcGetOperandStr(), "DB5.DBD10");
    Setze('D', 10, 3);
    EXPECT_EQ(obj.pcGetOperandStr(), "");
}

TEST_F(Operand, SystemvariablenMitEngineInRunUndStop)
{
    int iFehler = 0;
    obj.Op = 'A';
    auto Wert = [&](int32_t iID) {
        obj.Variable = iID;
        return obj.dwGetWertVonObj();
    };
    ASSERT_EQ(D7ED_GetCPUZustand(&iFehler), D7ED_CPU_STOP);
    EXPECT_EQ(Wert(SYSVAR_RUN), 0u);
    EXPECT_EQ(Wert(SYSVAR_STOP), 1u);
    ASSERT_TRUE(D7ED_Start(D7ED_STARTART_NEUSTART, &iFehler));
    EXPECT_EQ(Wert(SYSVAR_RUN), 1u);
    EXPECT_EQ(Wert(SYSVAR_STOP), 0u);

    const uint16_t wVorher = D7ED_wGetZyklusUmlaufzaehler();
    D7ED_Step7Zyklus();
    D7ED_Step7Zyklus();
    EXPECT_EQ(Wert(SYSVAR_CYCLIC_COUNTER), uint32_t(uint16_t(wVorher + 2)));
    D7ED_Stop(&iFehler);
    EXPECT_EQ(Wert(SYSVAR_RUN), 0u);
    EXPECT_EQ(Wert(SYSVAR_STOP), 1u);

    EXPECT_EQ(Wert(SYSVAR_TRUE), 1u);
    EXPECT_EQ(Wert(SYSVAR_FALSE), 0u);
    EXPECT_EQ(Wert(SYSVAR_IP_ADR), 0u);
    EXPECT_EQ(Wert(99), 0u);
    bTCPIPAktiv = true;
    EXPECT_EQ(Wert(SYSVAR_TCPIP_ACTIVE), 1u);
    bTCPIPAktiv = false;
    EXPECT_EQ(Wert(SYSVAR_TCPIP_ACTIVE), 0u);
    bS7EpatsVorhanden = true;
    EXPECT_EQ(Wert(SYSVAR_SIMATIC_NET), 1u);
    bS7EpatsVorhanden = false;
    EXPECT_EQ(Wert(SYSVAR_SIMATIC_NET), 0u);
}

TEST(SystemVariablenTabelle, ReihenfolgeUndEnde)
{
    const char* namen[] = {"$RUN", "$STOP", "$PELMORA", "$SIMATIC_NET", "$TCPIP_ACTIVE",
                           "$CYCLIC_COUNTER", "$IP_ADR", "$COUNT_S7_COMANDS", "$TRUE", "$FALSE"};
    const int32_t ids[] = {3, 4, 5, 6, 7, 8, 12, 13, 10, 11};
    int i = 0;
    for (; SystemVariable[i].cName[0] != '\0'; ++i) {
        ASSERT_LT(i, 10);
        EXPECT_STREQ(SystemVariable[i].cName, namen[i]);
        EXPECT_EQ(SystemVariable[i].iID, ids[i]);
        // The LED dialog offers the truth values, the text dialog the others.
        const bool bZaehler = ids[i] == 8 || ids[i] == 12 || ids[i] == 13;
        EXPECT_EQ(SystemVariable[i].bBool, bZaehler ? 0 : 1) << namen[i];
    }
    EXPECT_EQ(i, 10);
    const char* formate[] = {"DECIMAL", "DECIMAL_SIGNED", "HEX", "DUAL", "REAL"};
    for (i = 0; Darstellungsformat[i].cName[0] != '\0'; ++i) {
        ASSERT_LT(i, 5);
        EXPECT_STREQ(Darstellungsformat[i].cName, formate[i]);
        EXPECT_EQ(Darstellungsformat[i].iID, i);
    }
    EXPECT_EQ(i, 5);
}

TEST_F(Operand, Grundstellung)
{
    uint8_t* pPE = D7ED_GetPeriEPtr();
    TMyObj led(&eltern, LED, 0, 0, 0, 0);
    led.Op = 'I';
    led.Adr = 6;
    led.Bit = 2;
    led.Grundstellung = true;
    led.Variable = SYSVAR_RUN;   // a variable does not stop the basic position
    pPE[6] = 0x01;
    led.E_Grundstellung();
    EXPECT_EQ(pPE[6], 0x05);
    led.Grundstellung = false;
    led.E_Grundstellung();
    EXPECT_EQ(pPE[6], 0x01);
    // Outputs and texts keep their bytes.
    led.Op = 'A';
    led.Grundstellung = true;
    led.E_Grundstellung();
    EXPECT_EQ(D7ED_GetPeriAPtr()[6], 0x00);
    obj.Op = 'E';
    obj.Adr = 6;
    obj.E_Grundstellung();
    EXPECT_EQ(pPE[6], 0x01);

    TMyObj a(&eltern, AnalogEingang, 0, 0, 0, 0);
    a.Op = 'E';
    a.Adr = 100;
    a.Messb = 0;   // 0..10 V
    a.DefaultE = 5.0f;
    a.E_Grundstellung();
    EXPECT_EQ(Wort(pPE, 100), 13824);
    a.Messb = 1;   // 4..20 mA
    a.DefaultE = 20.0f;
    a.E_Grundstellung();
    EXPECT_EQ(Wort(pPE, 100), 27648);
    a.DefaultE = 4.0f;
    a.E_Grundstellung();
    EXPECT_EQ(Wort(pPE, 100), 0);
    a.Messb = 2;   // -10..10 V: negative raw values as two's complement
    a.DefaultE = -5.0f;
    a.E_Grundstellung();
    EXPECT_EQ(Wort(pPE, 100), uint16_t(-13824));
    // An analog output has no basic position.
    TMyObj aa(&eltern, AnalogerAusgang, 0, 0, 0, 0);
    aa.Op = 'A';
    aa.Adr = 200;
    aa.DefaultE = 5.0f;
    aa.E_Grundstellung();
    EXPECT_EQ(Wort(pPE, 200), 0);
    EXPECT_EQ(Wort(D7ED_GetPeriAPtr(), 200), 0);
}

TEST_F(Operand, AnzeigeformateMitEchtemSpeicher)
{
    uint8_t* pM = D7ED_GetMPtr();
    struct {
        int32_t iDarstellung, iGroesse;
        std::vector<uint8_t> bytes;
        const char* pcText;
    } const faelle[] = {
        {DARSTELLUNG_DECIMAL, 1, {0x05}, "005 "},
        {DARSTELLUNG_DECIMAL, 2, {0xFF, 0xFF}, "65535 "},
        {DARSTELLUNG_DECIMAL, 4, {0xFF, 0xFF, 0xFF, 0xFF}, "-000000001 "},
        {DARSTELLUNG_DECIMAL_SIGNED, 1, {0xFF}, "+255 "},
        {DARSTELLUNG_DECIMAL_SIGNED, 2, {0xFF, 0xFF}, "-00001 "},
        {DARSTELLUNG_DECIMAL_SIGNED, 2, {0x00, 0x07}, "+00007 "},
        {DARSTELLUNG_DECIMAL_SIGNED, 4, {0x00, 0x00, 0x01, 0x00}, "+000000256 "},
        {DARSTELLUNG_HEX, 1, {0xAB}, "0xAB "},
        {DARSTELLUNG_HEX, 2, {0x12, 0x3C}, "0x123C "},
        {DARSTELLUNG_HEX, 4, {0x89, 0xAB, 0xCD, 0xEF}, "0x89ABCDEF "},
        {DARSTELLUNG_DUAL, 1, {0x05}, "00000101  "},
        {DARSTELLUNG_DUAL, 2, {0x01, 0x82}, "00000001 10000010  "},
        {DARSTELLUNG_DUAL, 4, {0x80, 0, 0, 1},
         "10000000 00000000 00000000 00000001  "},
        {DARSTELLUNG_REAL, 4, {0x3F, 0x80, 0x00, 0x00}, "3F800000 "},
        {DARSTELLUNG_REAL, 1, {0x05}, "       5 "},
        {DARSTELLUNG_REAL, 2, {0xC2, 0x48}, "    C248 "},
    };
    for (const auto& f : faelle) {
        std::memset(pM + 40, 0, 8);
        std::memcpy(pM + 40, f.bytes.data(), f.bytes.size());
        Setze('M', 40, f.iGroesse);
        obj.Darstellung = f.iDarstellung;
        EXPECT_EQ(obj.pcGetDynamicText(obj.dwGetWertVonObj()), f.pcText)
            << f.iDarstellung << "/" << f.iGroesse;
    }
    // Bits as 0 or 1 without a blank.
    pM[41] = 0x10;
    Setze('M', 41, 0, 4);
    EXPECT_EQ(obj.pcGetDynamicText(obj.dwGetWertVonObj()), "1");
    // The operand before the value.
    obj.MitOpAnzeigen = true;
    EXPECT_EQ(obj.pcGetDynamicText(obj.dwGetWertVonObj()), "M41.4=1");
    pM[20] = 0x12;
    pM[21] = 0x34;
    Setze('M', 20, 2);
    obj.Darstellung = DARSTELLUNG_HEX;
    EXPECT_EQ(obj.pcGetDynamicText(obj.dwGetWertVonObj()), "MW20=0x1234 ");
    obj.MitOpAnzeigen = false;
    // A format or size the object does not know leaves the last text.
    obj.Text0 = "vorher";
    obj.Darstellung = 7;
    EXPECT_EQ(obj.pcGetDynamicText(0x1234), "vorher");
    obj.Darstellung = DARSTELLUNG_HEX;
    obj.OpGroesse = 3;
    EXPECT_EQ(obj.pcGetDynamicText(0x1234), "vorher");
}

TEST_F(Operand, AnzeigetexteDerSystemvariablen)
{
    obj.MitOpAnzeigen = true;   // no prefix for variables
    obj.Op = 'M';
    obj.Variable = SYSVAR_IP_ADR;
    EXPECT_EQ(obj.pcGetDynamicText(obj.dwGetWertVonObj()), IPAdresseText());
    IPAdresseTextSetzen("192.168.0.10");
    EXPECT_EQ(obj.pcGetDynamicText(0), "192.168.0.10");
    IPAdresseTextSetzen("127.0.0.1");
    obj.Variable = SYSVAR_CYCLIC_COUNTER;
    EXPECT_EQ(obj.pcGetDynamicText(42), "00042");
    obj.Variable = SYSVAR_COUNT_S7_COMANDS;
    EXPECT_EQ(obj.pcGetDynamicText(7), "00007");
    obj.Variable = SYSVAR_RUN;
    obj.Text0 = "unveraendert";
    EXPECT_EQ(obj.pcGetDynamicText(1), "unveraendert");
}
