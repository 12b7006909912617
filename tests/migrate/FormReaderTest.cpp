// The legacy form text and its side file as the reader sees them: every value
// syntax, the blocks, the code, and input that is not a form (a clear line,
// never a crash).

#include "migrate/FormReadError.h"
#include "migrate/FrmReader.h"
#include "migrate/FrxFile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace zev;

namespace {

QByteArray crlf(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

} // namespace

TEST(FormReader, ValuesAsTheLegacyDesignerWritesThem)
{
    struct Case {
        const char* text;
        LegacyValue::Kind kind;
        const char* unquoted;
        double number;
        quint32 colour;
        const char* comment;
    };
    const Case cases[] = {
        {"1440", LegacyValue::Number, "1440", 1440, 1440, ""},
        {"8.25", LegacyValue::Number, "8.25", 8.25, 0, ""},
        {"-1  'True", LegacyValue::Number, "-1", -1, 0xFFFFFFFF, "True"},
        {"0   'False", LegacyValue::Number, "0", 0, 0, "False"},
        {"2  'Dropdown List", LegacyValue::Number, "2", 2, 2, "Dropdown List"},
        {"-2147483633", LegacyValue::Number, "-2147483633", -2147483633.0, 0x8000000F, ""},
        {"&H00C0FFFF&", LegacyValue::Color, "&H00C0FFFF&", double(0xC0FFFF), 0xC0FFFF, ""},
        {"&H8000000F&", LegacyValue::Color, "&H8000000F&", double(0x8000000F), 0x8000000F, ""},
        {"\"Pedido de \"\"venda\"\"\"", LegacyValue::String, "Pedido de \"venda\"", 0, 0, ""},
        {"\"it's 'quoted'\"  ' a comment", LegacyValue::String, "it's 'quoted'", 0, 0, "a comment"},
        {"\"\"", LegacyValue::String, "", 0, 0, ""},
        {"\"form.frx\":0034", LegacyValue::SideFile, "", 0, 0, ""},
        {"$\"form.frx\":00B9", LegacyValue::SideFile, "", 0, 0, ""},
        {"vbRightJustify", LegacyValue::Word, "vbRightJustify", 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LegacyValue v = FrmReader::parseValue(QString::fromUtf8(c.text), QStringLiteral("f"), 1);
        ASSERT_EQ(v.kind, c.kind);
        EXPECT_EQ(v.comment, QString::fromUtf8(c.comment));
        quint32 colour = 0;
        if (c.kind == LegacyValue::Number) {
            EXPECT_EQ(v.number, c.number);
            if (v.asColor(&colour)) {
                EXPECT_EQ(colour, c.colour);
            }
        } else if (c.kind == LegacyValue::Color) {
            ASSERT_TRUE(v.asColor(&colour));
            EXPECT_EQ(colour, c.colour);
        } else if (c.kind == LegacyValue::SideFile) {
            EXPECT_EQ(v.sideFile, QStringLiteral("form.frx"));
            EXPECT_EQ(v.dollar, c.text[0] == '$');
            EXPECT_EQ(v.offset, c.text[0] == '$' ? 0xB9u : 0x34u);
        } else {
            EXPECT_EQ(v.text, QString::fromUtf8(c.unquoted));
        }
    }
}

TEST(FormReader, BlocksGroupsAttributesAndProcedures)
{
    const LegacyForm f = FrmReader::read(
        crlf("VERSION 5.00\n"
             "Object = \"{GUID}#1.0#0\"; \"ZEV.ocx\"\n"
             "Begin VB.Form frmA\n"
             "   Caption         =   \"Cli\xe9nte\"\n" // é in Windows-1252
             "   BeginProperty Font\n"
             "      Name = \"Tahoma\"\n"
             "      BeginProperty Inner {X}\n"
             "         Size = 9\n"
             "      EndProperty\n"
             "   EndProperty\n"
             "   Begin VB.Frame fra\n"
             "      Begin VB.TextBox txt\n"
             "         Index = 3\n"
             "      End\n"
             "   End\n"
             "End\n"
             "Attribute VB_Name = \"frmCliente\"\n"
             "Option Explicit\n"
             "Private Sub txt_Change(Index As Integer)\n"
             "   ' End Sub in a comment does not end it\n"
             "   x = 1 ' End Sub\n"
             "End Sub\n"
             "Public Function Calc( _\n"
             "    ByVal a As Long) As Long\n"
             "End Function\n"
             "Property Get Total() As Long\n"
             "End Property\n"),
        QStringLiteral("a.frm"));
    EXPECT_EQ(f.version, QStringLiteral("5.00"));
    EXPECT_EQ(f.objectLibraries.size(), 1);
    EXPECT_EQ(f.formName(), QStringLiteral("frmCliente"));
    EXPECT_EQ(f.form.property(QStringLiteral("caption"))->value.text, QStringLiteral("Cliénte"));
    ASSERT_EQ(f.form.groups.size(), 1);
    EXPECT_EQ(f.form.groups[0].groups[0].guid, QStringLiteral("{X}"));
    ASSERT_EQ(f.form.children.size(), 1);
    const LegacyObject& txt = f.form.children[0].children[0];
    EXPECT_EQ(txt.qualifiedClass(), QStringLiteral("VB.TextBox"));
    EXPECT_EQ(txt.line, 12);
    ASSERT_EQ(f.procedures.size(), 2); // Property procedures are not events
    EXPECT_EQ(f.procedures[0].control, QStringLiteral("txt"));
    EXPECT_EQ(f.procedures[0].event, QStringLiteral("Change"));
    EXPECT_EQ(f.procedures[0].arguments, QStringLiteral("Index As Integer"));
    EXPECT_EQ(f.procedures[0].line, 19);
    EXPECT_EQ(f.procedures[0].body.size(), 2);
    EXPECT_EQ(f.procedures[1].name, QStringLiteral("Calc"));
    EXPECT_TRUE(f.procedures[1].control.isEmpty());
}

TEST(FormReader, WhatIsNotAFormFailsWithItsLine)
{
    struct Case {
        QByteArray bytes;
        int line;
        const char* says;
    };
    QByteArray deep = "VERSION 5.00\nBegin VB.Form f\n";
    for (int i = 0; i < 100; ++i)
        deep += "Begin VB.Frame a\n";
    const Case cases[] = {
        {QByteArray(), 1, "not a form file"},
        {"\x89PNG\r\n\x1a\n", 1, "not a form file"},
        {crlf("VERSION 5.00\nBegin VB.Form f\n"), 2, "has no End"},
        {crlf("VERSION 5.00\nBegin VB.Form f\n Caption = \"open\nEnd\n"), 3, "closing quote"},
        {crlf("VERSION 5.00\nBegin VB.Form f\n just words\nEnd\n"), 3, "expected Key = value"},
        {crlf("VERSION 5.00\nBegin VB.Form\nEnd\n"), 2, "Begin Library.Class name"},
        {crlf("VERSION 5.00\nBegin VB.TextBox t\nEnd\n"), 2, "not a form"},
        {crlf("VERSION 5.00\nBegin VB.Form f\n BeginProperty Font\nEnd\n"), 4, "inside BeginProperty"},
        {crlf("VERSION 5.00\nBegin VB.Form f\n Caption =\nEnd\n"), 3, "without a value"},
        {crlf("VERSION 5.00\nBegin VB.Form f\nEnd\nPrivate Sub f_Load()\n"), 4, "has no End Sub"},
        {deep, 66, "nested more than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        try {
            FrmReader::read(c.bytes, QStringLiteral("bad.frm"));
            ADD_FAILURE() << "read";
        } catch (const FormReadError& e) {
            EXPECT_EQ(e.line(), c.line);
            EXPECT_TRUE(e.message().contains(QLatin1String(c.says))) << e.what();
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QStringLiteral("bad.frm:%1: ").arg(c.line)));
        }
    }
}

TEST(FrxFile, RecordsOfEveryKindAndTheirBounds)
{
    QByteArray b;
    b += char(5) + QByteArray("Ol\xe1!!");                                   // 0x00: u8 length
    b += QByteArray("\xff\x03\x00", 3) + "abc";                              // 0x06: 0xFF, u16
    b += QByteArray("\x04\x00\x00\x00", 4) + "long";                         // 0x0C: u32
    b += QByteArray("\x02\x00\x03\x00\x02\x00", 6) + "SP" + QByteArray("\x00\x00", 2); // 0x14: list, "SP" and ""
    b += QByteArray("\x0a\x00\x00\x00lt\x00\x00\x02\x00\x00\x00", 12) + "BM"; // 0x1E: picture
    const FrxFile frx(b, QStringLiteral("f.frx"));
    EXPECT_EQ(frx.text(0x00), QStringLiteral("Olá!!"));
    EXPECT_EQ(frx.text(0x06), QStringLiteral("abc"));
    EXPECT_EQ(frx.text(0x0C), QStringLiteral("long"));
    EXPECT_EQ(frx.list(0x14), QStringList({QStringLiteral("SP"), QString()}));
    EXPECT_EQ(frx.picture(0x1E), QByteArray("BM"));

    // Lengths that point past the end, and offsets beyond it: refused, never read.
    const FrxFile cut(b.left(b.size() - 1), QStringLiteral("cut.frx"));
    const FrxFile huge(QByteArray("\xff\xff\xff\x00", 4), QStringLiteral("h.frx"));
    const std::function<void()> reads[] = {
        [&] { cut.picture(0x1E); },
        [&] { huge.text(0); },
        [&] { frx.text(quint32(b.size())); },
        [&] { frx.text(0xFFFFFFFF); },
        [&] { frx.list(0x0C); },
        [&] { frx.picture(0x00); },
    };
    for (const auto& read : reads) {
        EXPECT_THROW(read(), FormReadError);
    }
}
