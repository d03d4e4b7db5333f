#include "docs/LectorRtf.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

// Failures show the values, not their bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QVariant& valor, std::ostream* salida) { *salida << valor.toString().toStdString(); }
QT_END_NAMESPACE

namespace brovel {
namespace {

std::unique_ptr<QTextDocument> Leer(std::string_view rtf) {
    auto documento = std::make_unique<QTextDocument>();
    LeerRtf(rtf, *documento);
    return documento;
}

// The text as the document holds it, a paragraph per line.
std::string Texto(std::string_view rtf) {
    return Leer(rtf)->toRawText().replace(QChar::ParagraphSeparator, u'\n').toStdString();
}

// The position of the first "x" of the document's text.
int PosicionDeX(const QTextDocument& documento) {
    const int posicion = documento.toRawText().indexOf(u'x');
    EXPECT_GE(posicion, 0) << "sin x en " << documento.toRawText().toStdString();
    return posicion;
}

QTextCharFormat FormatoDeX(const QTextDocument& documento) {
    QTextCursor cursor(const_cast<QTextDocument*>(&documento));
    cursor.setPosition(PosicionDeX(documento) + 1);
    return cursor.charFormat();
}

QTextBlockFormat BloqueDeX(const QTextDocument& documento) {
    return documento.findBlock(PosicionDeX(documento)).blockFormat();
}

double PuntosPorPulgada() { return QGuiApplication::primaryScreen()->logicalDotsPerInchY(); }
// A distance of the document read back in twips.
int Twips(double distancia) { return qRound(distancia * 1440 / PuntosPorPulgada()); }

struct CasoTexto {
    std::string rtf;
    const char* texto;
};

void ComprobarTextos(const std::vector<CasoTexto>& casos) {
    for (const auto& c : casos) EXPECT_EQ(Texto(c.rtf), c.texto) << c.rtf;
}

TEST(LeerRtf, LeeElTextoYSusSignos) {
    ComprobarTextos({
        {R"({\rtf1 Hola})", "Hola"},
        {R"({\rtf1\ansi\ansicpg1252\deff0 Hola})", "Hola"},
        {"", ""},
        // A control word's delimiting blank belongs to it; a second one is text.
        {R"({\rtf1 \b Hola})", "Hola"},
        {R"({\rtf1 \b  Hola})", " Hola"},
        {R"({\rtf1 \b0Hola})", "Hola"},
        {R"({\rtf1 \fs20-3})", "-3"},
        // Line ends in the source are no text.
        {"{\\rtf1 Ho\r\nla\n}", "Hola"},
        {R"({\rtf1 a\par b})", "a\nb"},
        {R"({\rtf1 a\par })", "a\n"},
        {"{\\rtf1 a\\\nb}", "a\nb"},
        {"{\\rtf1 a\\\r\nb}", "a\nb"},
        {R"({\rtf1 a\line b})", "a\u2028b"},
        {R"({\rtf1 a\tab b})", "a\tb"},
        {R"({\rtf1 a\cell b\row c})", "a\tb\nc"},
        {R"({\rtf1 a\page b})", "a\nb"},
        {R"({\rtf1 \\ \{ \}})", "\\ { }"},
        {R"({\rtf1 a\~b\-c\_d})", "a\u00A0b\u00ADc\u2011d"},
        {R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         "\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
        {R"({\rtf1 a\|\:b})", "ab"},
        // Words the reader does not know are dropped with their parameter.
        {R"({\rtf1 \foo Hola\bar-12 \baz99 !})", "Hola!"},
        {R"({\rtf1 \ltrch\insrsid123 Hola})", "Hola"},
    });
}

TEST(LeerRtf, LeeLosBytesComoWindows1252) {
    ComprobarTextos({
        {R"({\rtf1 Erosi\'f3n})", "Erosión"},
        {R"({\rtf1 Erosi\'F3n})", "Erosión"},
        {R"({\rtf1 \'80 \'93x\'94})", "€ “x”"},
        {R"({\rtf1 \'e1\'e9\'ed\'f3\'fa\'f1\'c1\'c9\'cd\'d3\'da\'d1\'ba\'b3})", "áéíóúñÁÉÍÓÚÑº³"},
        // Bytes above 0x7F in the text are read the same way, unescaped.
        {"{\\rtf1 m\xB3/s}", "m³/s"},
        {"{\\rtf1 Hidrol\xF3gico \x80}", "Hidrológico €"},
        {"{\\rtf1 \x93\x94\x96\x97}", "“”–—"},
    });
}

// Every byte against the system's own Windows-1252 decoder.
TEST(CaracterWindows1252, CoincideConElCodigoDeWindows) {
    QStringDecoder decodificador("windows-1252");
    if (!decodificador.isValid()) GTEST_SKIP() << "sin decodificador de Windows-1252";
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString esperado = decodificador(QByteArray(&c, 1));
        ASSERT_EQ(esperado.size(), 1) << byte;
        EXPECT_EQ(CaracterWindows1252(static_cast<unsigned char>(byte)), esperado.at(0).unicode()) << byte;
    }
}

TEST(LeerRtf, LeeLosCaracteresUnicodeSinSuAlternativa) {
    ComprobarTextos({
        {R"({\rtf1 \u243?n})", "ón"},
        {R"({\rtf1 \u243 ?n})", "ón"},
        {R"({\rtf1 \u8364\'80!})", "€!"},
        {R"({\rtf1 \uc0\u243 n})", "ón"},
        {R"({\rtf1 \uc2\u243 ab!})", "ó!"},
        {R"({\rtf1 {\uc2 \u243 a}b})", "ób"},
        {R"({\rtf1 \uc2\u243\'f3\'f3!})", "ó!"},
        // Negative numbers stand for those above 32767.
        {R"({\rtf1 \u-3913?})", "\uF0B7"},
        // A brace ends the fallback.
        {R"({\rtf1 \uc3\u243{a}b})", "óab"},
        // A character beyond the first plane, as a surrogate pair.
        {R"({\rtf1 \u-10179?\u-8704?!})", "\U0001F600!"},
        // Halves without their other half.
        {R"({\rtf1 \u-10179?a})", "\uFFFDa"},
        {R"({\rtf1 \u-8704?a})", "\uFFFDa"},
        {R"({\rtf1 \u-10179?\u-10179?\u-8704?})", "\uFFFD\U0001F600"},
        {R"({\rtf1 a\u-10179?})", "a\uFFFD"},
    });
}

TEST(LeerRtf, OmiteLosDestinosQueNoMuestra) {
    ComprobarTextos({
        {R"({\rtf1{\fonttbl{\f0\fswiss DejaVu Sans;}{\f1 Otra;}}Hola})", "Hola"},
        {R"({\rtf1{\colortbl;\red255\green0\blue0;}Hola})", "Hola"},
        {R"({\rtf1{\info{\title T\'edtulo}{\author A}}Hola})", "Hola"},
        {R"({\rtf1{\stylesheet{\s0 Normal;}{\s1 T\'edtulo 1;}}Hola})", "Hola"},
        {R"({\rtf1{\header Cabecera}{\footer Pie}Hola})", "Hola"},
        {R"({\rtf1{\*\generator Escritor;}{\*\brovelnota una nota {anidada} \par }Hola})", "Hola"},
        {R"({\rtf1{\*\unadesconocida {\b a}b}Hola})", "Hola"},
        // Binary data may hold braces and backslashes.
        {R"({\rtf1{\pict\bin6 {{\}}\}x!})", "x!"},
        {R"({\rtf1 a\bin3 {}\}b)", "ab"},
        {R"({\rtf1 a\bin-5 b})", "ab"},
        {R"({\rtf1 a{\field{\*\fldinst HYPERLINK "x"}{\fldrslt enlace}}})", "aenlace"},
        // What follows the skipped group is read as before it.
        {R"({\rtf1 a{\*\nota \qc\b x}{\fonttbl{\f0 X;}}b\par})", "ab\n"},
    });
}

// The value a character format property is checked by.
using TPropiedadLetra = QVariant (*)(const QTextCharFormat&);
QVariant Negrita(const QTextCharFormat& f) { return f.fontWeight() == QFont::Bold; }
QVariant Cursiva(const QTextCharFormat& f) { return f.fontItalic(); }
QVariant Subrayado(const QTextCharFormat& f) { return f.fontUnderline(); }
QVariant Tachado(const QTextCharFormat& f) { return f.fontStrikeOut(); }
QVariant Puntos(const QTextCharFormat& f) { return f.fontPointSize(); }
QVariant Familia(const QTextCharFormat& f) { return f.fontFamilies().toStringList().join(u','); }
QVariant Pista(const QTextCharFormat& f) { return static_cast<int>(f.fontStyleHint()); }
QVariant Color(const QTextCharFormat& f) {
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : QStringLiteral("auto");
}
QVariant Vertical(const QTextCharFormat& f) { return static_cast<int>(f.verticalAlignment()); }

struct CasoLetra {
    std::string rtf;
    TPropiedadLetra propiedad;
    QVariant esperado;
};

constexpr const char* kFuentes =
    R"({\fonttbl{\f0\fswiss DejaVu Sans;}{\f1\froman Liberation Serif;}{\f2\fmodern{\*\falt Courier} Mono;}})";
constexpr const char* kColores = R"({\colortbl;\red255\green0\blue0;\red0\green0\blue128;;})";

std::string ConTablas(const char* cuerpo) {
    return std::string(R"({\rtf1\ansi\deff0)") + kFuentes + kColores + cuerpo + "}";
}

TEST(LeerRtf, DaFormatoALasLetras) {
    const CasoLetra casos[] = {
        {R"({\rtf1 x})", Negrita, false},
        {R"({\rtf1 \b x})", Negrita, true},
        {R"({\rtf1 \b1 x})", Negrita, true},
        {R"({\rtf1 \b\b0 x})", Negrita, false},
        {R"({\rtf1 {\b a}x})", Negrita, false},
        {R"({\rtf1 \b{\b0 a}x})", Negrita, true},
        {R"({\rtf1 \b\plain x})", Negrita, false},
        {R"({\rtf1 \i x})", Cursiva, true},
        {R"({\rtf1 \i\i0 x})", Cursiva, false},
        {R"({\rtf1 \ul x})", Subrayado, true},
        {R"({\rtf1 \ul\ul0 x})", Subrayado, false},
        {R"({\rtf1 \ul\ulnone x})", Subrayado, false},
        {R"({\rtf1 \strike x})", Tachado, true},
        {R"({\rtf1 \super x})", Vertical, static_cast<int>(QTextCharFormat::AlignSuperScript)},
        {R"({\rtf1 \sub x})", Vertical, static_cast<int>(QTextCharFormat::AlignSubScript)},
        {R"({\rtf1 \sub\nosupersub x})", Vertical, static_cast<int>(QTextCharFormat::AlignNormal)},
        // Sizes in half points, twelve points by default.
        {R"({\rtf1 x})", Puntos, 12.0},
        {R"({\rtf1 \fs20 x})", Puntos, 10.0},
        {R"({\rtf1 \fs21 x})", Puntos, 10.5},
        {R"({\rtf1 \fs36{\fs20 a}x})", Puntos, 18.0},
        {R"({\rtf1 \fs36\plain x})", Puntos, 12.0},
        {R"({\rtf1 \fs0 x})", Puntos, 0.5},
        {R"({\rtf1 \fs-40 x})", Puntos, 0.5},
        {R"({\rtf1 \fs99999999999999999999 x})", Puntos, 500.0},
        // Fonts from the table; the default one where none is chosen.
        {ConTablas(R"(x)"), Familia, "DejaVu Sans"},
        {ConTablas(R"(\f1 x)"), Familia, "Liberation Serif"},
        {ConTablas(R"(\f1 x)"), Pista, static_cast<int>(QFont::Serif)},
        {ConTablas(R"(\f2 x)"), Familia, "Mono"},
        {ConTablas(R"(\f2 x)"), Pista, static_cast<int>(QFont::TypeWriter)},
        {ConTablas(R"(\f1\plain x)"), Familia, "DejaVu Sans"},
        {ConTablas(R"(\f7 x)"), Familia, ""},
        {ConTablas(R"(\f-1 x)"), Familia, ""},
        {R"({\rtf1\deff1{\fonttbl{\f0 Cero;}{\f1 Uno;}}x})", Familia, "Uno"},
        {R"({\rtf1{\fonttbl{\f0 Sin punto y coma}}x})", Familia, "Sin punto y coma"},
        {R"({\rtf1{\fonttbl{\f0 Fuente\'f1a;}}x})", Familia, "Fuenteña"},
        {R"({\rtf1 x})", Familia, ""},
        // Colours from the table; an empty entry, or none, is the automatic one.
        {ConTablas(R"(\cf1 x)"), Color, "#ff0000"},
        {ConTablas(R"(\cf2 x)"), Color, "#000080"},
        {ConTablas(R"(\cf2{\cf1 a}x)"), Color, "#000080"},
        {ConTablas(R"(x)"), Color, "auto"},
        {ConTablas(R"(\cf3 x)"), Color, "auto"},
        {ConTablas(R"(\cf9 x)"), Color, "auto"},
        {ConTablas(R"(\cf-2 x)"), Color, "auto"},
        {R"({\rtf1{\colortbl\red0\green128\blue0;}x})", Color, "#008000"},
        {R"({\rtf1{\colortbl;\red999\green-4\blue0;}\cf1 x})", Color, "#ff0000"},
    };
    for (const auto& c : casos) {
        const auto documento = Leer(c.rtf);
        EXPECT_EQ(c.propiedad(FormatoDeX(*documento)), c.esperado) << c.rtf;
    }
}

using TPropiedadBloque = QVariant (*)(const QTextBlockFormat&);
QVariant Alineacion(const QTextBlockFormat& f) { return static_cast<int>(f.alignment()); }
QVariant Izquierda(const QTextBlockFormat& f) { return Twips(f.leftMargin()); }
QVariant Derecha(const QTextBlockFormat& f) { return Twips(f.rightMargin()); }
QVariant Sangria(const QTextBlockFormat& f) { return Twips(f.textIndent()); }
QVariant Antes(const QTextBlockFormat& f) { return Twips(f.topMargin()); }
QVariant Despues(const QTextBlockFormat& f) { return Twips(f.bottomMargin()); }
QVariant Fondo(const QTextBlockFormat& f) {
    return f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color().name() : QStringLiteral("ninguno");
}
QVariant Salto(const QTextBlockFormat& f) { return f.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore; }
// The stops as "twips kind", the kind L, R, C or D (decimal).
QVariant Tabuladores(const QTextBlockFormat& f) {
    QStringList texto;
    for (const auto& t : f.tabPositions())
        texto << QString::number(Twips(t.position)) + QStringLiteral("LRCD").at(t.type);
    return texto.join(u' ');
}

struct CasoParrafo {
    std::string rtf;
    TPropiedadBloque propiedad;
    QVariant esperado;
};

std::string Repetir(std::string_view pieza, int veces) {
    std::string texto;
    for (int i = 0; i < veces; ++i) texto += pieza;
    return texto;
}

TEST(LeerRtf, DaFormatoALosParrafos) {
    const CasoParrafo casos[] = {
        {R"({\rtf1 x})", Alineacion, static_cast<int>(Qt::AlignLeft)},
        {R"({\rtf1 \qc x})", Alineacion, static_cast<int>(Qt::AlignHCenter)},
        {R"({\rtf1 \qr x\par})", Alineacion, static_cast<int>(Qt::AlignRight)},
        {R"({\rtf1 \qj x})", Alineacion, static_cast<int>(Qt::AlignJustify)},
        {R"({\rtf1 \qc\ql x})", Alineacion, static_cast<int>(Qt::AlignLeft)},
        {R"({\rtf1 \qc\pard x})", Alineacion, static_cast<int>(Qt::AlignLeft)},
        // A paragraph takes what is in force at its end.
        {R"({\rtf1 x\qc\par})", Alineacion, static_cast<int>(Qt::AlignHCenter)},
        {R"({\rtf1 \qc a\par\pard x})", Alineacion, static_cast<int>(Qt::AlignLeft)},
        {R"({\rtf1 \qc a\par x})", Alineacion, static_cast<int>(Qt::AlignHCenter)},
        {R"({\rtf1 {\qc a\par}x})", Alineacion, static_cast<int>(Qt::AlignLeft)},
        // Distances in twips.
        {R"({\rtf1 \li720 x})", Izquierda, 720},
        {R"({\rtf1 \ri1440 x})", Derecha, 1440},
        {R"({\rtf1 \fi-360\li720 x})", Sangria, -360},
        {R"({\rtf1 \sb240 x})", Antes, 240},
        {R"({\rtf1 \sa120 x})", Despues, 120},
        {R"({\rtf1 \li720\sb240\pard x})", Izquierda, 0},
        {R"({\rtf1 \li720\sb240\pard x})", Antes, 0},
        {R"({\rtf1 \li99999999999 x})", Izquierda, 31680},
        {R"({\rtf1 \li-500 x})", Izquierda, 0},
        {R"({\rtf1 \sa-9999999999 x})", Despues, 0},
        {R"({\rtf1 \fi-99999999999 x})", Sangria, -31680},
        // Tab stops, sorted, with their kind.
        {R"({\rtf1 x})", Tabuladores, ""},
        {R"({\rtf1 \tx1440 x})", Tabuladores, "1440L"},
        {R"({\rtf1 \tx2880\tx1440 x})", Tabuladores, "1440L 2880L"},
        {R"({\rtf1 \tqr\tx4000\tqc\tx3000\tqdec\tx5000\tx6000 x})", Tabuladores, "3000C 4000R 5000D 6000L"},
        {R"({\rtf1 \tqr\tqdec\tx100 x})", Tabuladores, "100D"},
        {R"({\rtf1 \tx1440\pard x})", Tabuladores, ""},
        {R"({\rtf1 \tx1440{\tx2880 a\par}x})", Tabuladores, "1440L"},
        {R"({\rtf1 \tx99999999 x})", Tabuladores, "31680L"},
        {"{\\rtf1 " + Repetir("\\tx100", 70) + " x}", Tabuladores, Repetir(" 100L", 64).substr(1).c_str()},
        // Shading from the colour table.
        {ConTablas(R"(\cbpat2 x)"), Fondo, "#000080"},
        {ConTablas(R"(\cbpat2\pard x)"), Fondo, "ninguno"},
        {ConTablas(R"(\cbpat7 x)"), Fondo, "ninguno"},
        {R"({\rtf1 a\page x})", Salto, true},
        {R"({\rtf1 a\page b\par x})", Salto, false},
    };
    for (const auto& c : casos) {
        const auto documento = Leer(c.rtf);
        EXPECT_EQ(c.propiedad(BloqueDeX(*documento)), c.esperado) << c.rtf;
    }
}

// A tab stop is measured from the page's margin, whatever the paragraph's indent.
TEST(LeerRtf, ColocaElTextoEnSusTabuladores) {
    struct Caso {
        const char* rtf;
        int twips;  // where the x begins
    };
    const Caso casos[] = {
        {R"({\rtf1\fs20 \tx2880 a\tab x})", 2880},
        {R"({\rtf1\fs20 \li720\tx2880 a\tab x})", 2880},
        {R"({\rtf1\fs20 \li720\fi360\tx2880 a\tab x})", 2880},
        {R"({\rtf1\fs20 \li720\fi-360\tx2880 a\tab x})", 2880},
        {R"({\rtf1\fs20 \li1440\tx2880\tx720 a\tab x})", 2880},
        {R"({\rtf1\fs20 \li720\tqr\tx2880 a\tab x})", 2880 - 1},
    };
    for (const auto& c : casos) {
        const auto documento = Leer(c.rtf);
        documento->documentLayout();
        const QTextBlock bloque = documento->findBlock(PosicionDeX(*documento));
        const int posicion = bloque.text().indexOf(u'x');
        // A right stop ends the text before it: the x's right edge.
        const int cursor = c.twips == 2880 ? posicion : posicion + 1;
        const double x = bloque.layout()->lineAt(0).cursorToX(cursor) + bloque.layout()->position().x() -
                         documento->documentMargin();
        EXPECT_NEAR(Twips(x), 2880, 20) << c.rtf;
    }
}

TEST(LeerRtf, TomaElTabuladorPorDefecto) {
    EXPECT_EQ(Twips(Leer(R"({\rtf1 x})")->defaultTextOption().tabStopDistance()), 720);
    EXPECT_EQ(Twips(Leer(R"({\rtf1\deftab1134 x})")->defaultTextOption().tabStopDistance()), 1134);
    EXPECT_EQ(Twips(Leer(R"({\rtf1\deftab0 x})")->defaultTextOption().tabStopDistance()), 20);
}

// An empty paragraph is as high as its mark's letters.
TEST(LeerRtf, DaAlParrafoVacioElFormatoDeSuMarca) {
    const auto documento = Leer(R"({\rtf1 a\par\fs40\par\fs20 b})");
    EXPECT_EQ(documento->findBlockByNumber(1).charFormat().fontPointSize(), 20.0);
}

TEST(LeerRtf, VaciaElDocumentoAntesDeLeer) {
    QTextDocument documento;
    documento.setPlainText("anterior");
    LeerRtf(R"({\rtf1 nuevo})", documento);
    EXPECT_EQ(documento.toPlainText().toStdString(), "nuevo");
    EXPECT_FALSE(documento.isUndoAvailable());
}

std::string Anidar(int niveles, std::string_view dentro) {
    return std::string(niveles, '{') + std::string(dentro) + std::string(niveles, '}');
}

std::string MuchasFuentes(int cuantas) {
    std::string rtf = R"({\rtf1{\fonttbl)";
    for (int i = 0; i < cuantas; ++i) rtf += "{\\f" + std::to_string(i) + " Fuente " + std::to_string(i) + ";}";
    return rtf + "}\\f" + std::to_string(cuantas - 1) + " x}";
}

// What a user's edits may leave in a template: the reader ends, and keeps the text it can.
TEST(LeerRtf, ToleraLoMalFormado) {
    ComprobarTextos({
        {R"(}}}Hola)", "Hola"},
        {R"({\rtf1 Hola)", "Hola"},
        {R"({\rtf1 Hola}}} y m\'e1s})", "Hola y más"},
        {R"({\rtf1 Hola\)", "Hola"},
        {R"({\rtf1 Hola\b)", "Hola"},
        {R"({\rtf1 Hola\b-)", "Hola-"},
        {R"({\rtf1 Hola\fs99999999999999999999999999)", "Hola"},
        {R"({\rtf1 Hola\')", "Hola"},
        {R"({\rtf1 Hola\'4)", "Hola4"},
        {R"({\rtf1 Hola\'zz!})", "Holazz!"},
        {R"({\rtf1 Hola\'4z!})", "Hola4z!"},
        {R"({\rtf1 \u99999999999?x})", "\uFFFDx"},
        {R"({\rtf1 \u-99999999999?x})", "\uFFFDx"},
        {R"({\rtf1 \uc99999 \u243 abcdefghijklmnopqrstuvwxyz})", "óqrstuvwxyz"},
        {R"({\rtf1 \uc-5 \u243 a})", "óa"},
        // Characters that would break the document's structure.
        {R"({\rtf1 \u-560?\u-559?\u8233?\u10?\u13?\u0?\u-4?\u-2?})",
         "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {std::string("{\\rtf1 a\0b\x01\037c}", 14), "abc"},
        {"{\\rtf1 a\tb}", "a\tb"},
        {R"({\rtf1 a\bin99999999 bcd})", "a"},
        {R"({\rtf1 {\*}a})", "a"},
        {R"(\*Hola)", ""},
        {R"({\rtf1{\fonttbl Sin grupos;}a})", "a"},
        {R"({\rtf1{\colortbl\red1;\green2;;;\blue;}a})", "a"},
        // Groups deeper than the limit are dropped with what they hold.
        {Anidar(kProfundidadMaxima, "x") + "!", "x!"},
        {Anidar(kProfundidadMaxima + 1, "x") + "!", "!"},
        {Anidar(100000, "x") + "!", "!"},
        {std::string(100000, '{') + "x", ""},
        {Anidar(kProfundidadMaxima + 5, "\\b") + "x", "x"},
    });
    const auto documento = Leer(Anidar(kProfundidadMaxima + 5, "\\b\\fs80") + "x");
    EXPECT_EQ(Negrita(FormatoDeX(*documento)), false);
    EXPECT_EQ(Puntos(FormatoDeX(*documento)), 12.0);
    EXPECT_EQ(Familia(FormatoDeX(*Leer(MuchasFuentes(5000)))), "Fuente 4999");
}

// Any bytes made of RTF's pieces: the reader ends soon, and never writes more
// characters than it read bytes.
TEST(LeerRtf, LeeCualquierMezclaDePiezas) {
    const char* piezas[] = {"{",          "}",           "\\",   "\\par ", "\\tab",  "\\b",   "\\u",  "-",
                            "9",          "99999999999", "\\'",  "f3",     "a",      " ",     "\\*",  "\\fonttbl",
                            "\\colortbl", ";",           "\\f",  "\\cf",   "\\fs",   "\\bin", "\\tx", "\\qc",
                            "\\pard",     "\\uc",        "\xF3", "\r\n",   "\\line", "\\page"};
    std::mt19937 azar(12345);
    std::uniform_int_distribution<size_t> pieza(0, std::size(piezas) - 1);
    std::uniform_int_distribution<int> largo(0, 400);
    const auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < 300; ++i) {
        std::string rtf;
        for (int n = largo(azar); n > 0; --n) rtf += piezas[pieza(azar)];
        const auto documento = Leer(rtf);
        EXPECT_LE(documento->characterCount(), static_cast<int>(rtf.size()) + 1) << rtf;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(30));
}

}  // namespace
}  // namespace brovel
