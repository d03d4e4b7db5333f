#include "docs/LectorRtf.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace brovel {

namespace {

// The widest page Word takes, 22 inches: no distance goes further.
constexpr int kTwipsMaximos = 31680;
constexpr int kTwipsPorPulgada = 1440;
// Sizes from half a point to 500 points, in half points.
constexpr int kMedioPuntosMinimos = 1;
constexpr int kMedioPuntosMaximos = 1000;
constexpr int kMedioPuntosPorDefecto = 24;
// Word's own limit; more stops would only repeat themselves in every paragraph.
constexpr size_t kTabuladoresMaximos = 64;
constexpr int kTabuladorPorDefecto = 720;
constexpr int kAlternativasMaximas = 16;
// A control word has at most 32 letters; longer runs of letters are read whole
// and name nothing.
constexpr size_t kLetrasMaximas = 32;
constexpr char32_t kSustituto = 0xFFFD;

enum class TDestino : uint8_t { Texto, Fuentes, Colores, Omitido };

struct TCaracter {
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    bool tachado = false;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int medioPuntos = kMedioPuntosPorDefecto;
    std::optional<int> fuente;  // none: the document's default font
    int color = 0;
    bool operator==(const TCaracter&) const = default;
};

struct TTabulador {
    int twips;
    QTextOption::TabType tipo;
};

struct TParrafo {
    Qt::Alignment alineacion = Qt::AlignLeft;
    int izquierda = 0;
    int derecha = 0;
    int primeraLinea = 0;
    int antes = 0;
    int despues = 0;
    int fondo = -1;
    std::vector<TTabulador> tabuladores;
    // The kind of the next stop "\tx" sets.
    QTextOption::TabType proximoTabulador = QTextOption::LeftTab;
};

// What a group saves when it opens and gets back when it closes.
struct TEstado {
    TDestino destino = TDestino::Texto;
    TCaracter caracter;
    TParrafo parrafo;
    int alternativas = 1;  // "\ucN": characters that stand in for a "\u"
};

struct TFuente {
    QString nombre;
    QFont::StyleHint pista = QFont::AnyStyle;
};

using TParametro = std::optional<int>;

bool Activo(TParametro p) { return !p || *p != 0; }
int Acotar(TParametro p, int porDefecto, int minimo, int maximo) {
    return std::clamp(p.value_or(porDefecto), minimo, maximo);
}

bool EsLetra(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool EsDigito(unsigned char c) { return c >= '0' && c <= '9'; }
int ValorHexadecimal(unsigned char c) {
    if (EsDigito(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Characters that would break the document's own structure (block and frame
// marks, objects) or that no text holds come in as the replacement character.
char32_t Admisible(char32_t c) {
    if (c == '\t' || c == QChar::LineSeparator) return c;
    if (c < 0x20 || c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter) return kSustituto;
    if ((c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFE || c == 0xFFFF) return kSustituto;
    return c;
}

class TLector {
public:
    TLector(std::string_view rtf, QTextDocument& documento)
        : rtf_(rtf),
          documento_(documento),
          cursor_(&documento),
          escala_(PuntosPorPulgada(documento) / kTwipsPorPulgada) {}

    void Leer();

    // What the control words do.
    void Caracter(char32_t c);
    void Unicode(TParametro p);
    void FinParrafo();
    void SaltoDePagina() {
        FinParrafo();
        saltoDePagina_ = true;
    }
    void Destino(TDestino destino) { estado_.destino = destino; }
    TCaracter& Letra() { return estado_.caracter; }
    TParrafo& Parrafo() { return estado_.parrafo; }
    TEstado& Estado() { return estado_; }
    void Fuente(TParametro p);
    void PistaDeFuente(QFont::StyleHint pista) {
        if (estado_.destino == TDestino::Fuentes) pista_ = pista;
    }
    void ComponenteDeColor(int indice, TParametro p) {
        if (estado_.destino != TDestino::Colores) return;
        componentes_[indice] = Acotar(p, 0, 0, 255);
        colorDefinido_ = true;
    }
    void FuentePorDefecto(TParametro p) { fuentePorDefecto_ = p.value_or(0); }
    void TabuladorPorDefecto(TParametro p);
    void Tabulador(TParametro p);

private:
    static double PuntosPorPulgada(QTextDocument& documento);
    bool Omitiendo() const { return exceso_ > 0 || estado_.destino == TDestino::Omitido; }
    // A character of a "\u"'s fallback, which is skipped.
    bool Alternativa() {
        if (alternativasPendientes_ == 0) return false;
        --alternativasPendientes_;
        return true;
    }
    void AbrirGrupo();
    void CerrarGrupo();
    void LeerControl();
    void Simbolo(unsigned char c);
    void Palabra(std::string_view nombre, TParametro p);
    void Byte(unsigned char c);
    void GuardarFuente();
    void Volcar();
    double Distancia(int twips) const { return twips * escala_; }
    QTextCharFormat FormatoCaracter(const TCaracter& c) const;
    QTextBlockFormat FormatoBloque(const TParrafo& p) const;
    void CerrarBloque(const TEstado& estado);

    std::string_view rtf_;
    size_t pos_ = 0;
    QTextDocument& documento_;
    QTextCursor cursor_;
    double escala_;

    TEstado estado_;
    std::vector<TEstado> pila_;
    // The state as the outermost group closed, which the last paragraph takes
    // when nothing follows.
    std::optional<TEstado> alCerrar_;
    int exceso_ = 0;  // groups open beyond kProfundidadMaxima
    int alternativasPendientes_ = 0;
    char16_t altoPendiente_ = 0;  // the first half of a surrogate pair

    QString texto_;  // text not yet in the document, all in formato_
    TCaracter formato_;
    bool saltoDePagina_ = false;

    std::map<int, TFuente> fuentes_;
    int fuentePorDefecto_ = 0;
    int numeroFuente_ = 0;
    QFont::StyleHint pista_ = QFont::AnyStyle;
    QString nombreFuente_;

    std::vector<QColor> colores_;
    std::array<int, 3> componentes_{};
    bool colorDefinido_ = false;
};

using TAccion = void (*)(TLector&, TParametro);
struct TPalabra {
    std::string_view nombre;
    TAccion accion;
};

// clang-format off
#define BROVEL_CARACTER(nombre, c) \
    { nombre, [](TLector& l, TParametro) { l.Caracter(c); } }
#define BROVEL_OMITIR(nombre) \
    { nombre, [](TLector& l, TParametro) { l.Destino(TDestino::Omitido); } }
// clang-format on

const TPalabra kPalabras[] = {
    // Text.
    {"par", [](TLector& l, TParametro) { l.FinParrafo(); }},
    {"row", [](TLector& l, TParametro) { l.FinParrafo(); }},
    {"page", [](TLector& l, TParametro) { l.SaltoDePagina(); }},
    BROVEL_CARACTER("line", QChar::LineSeparator),
    BROVEL_CARACTER("tab", '\t'),
    BROVEL_CARACTER("cell", '\t'),
    BROVEL_CARACTER("emdash", 0x2014),
    BROVEL_CARACTER("endash", 0x2013),
    BROVEL_CARACTER("bullet", 0x2022),
    BROVEL_CARACTER("lquote", 0x2018),
    BROVEL_CARACTER("rquote", 0x2019),
    BROVEL_CARACTER("ldblquote", 0x201C),
    BROVEL_CARACTER("rdblquote", 0x201D),
    {"u", [](TLector& l, TParametro p) { l.Unicode(p); }},
    {"uc", [](TLector& l, TParametro p) { l.Estado().alternativas = Acotar(p, 1, 0, kAlternativasMaximas); }},
    // Characters.
    {"plain", [](TLector& l, TParametro) { l.Letra() = TCaracter{}; }},
    {"b", [](TLector& l, TParametro p) { l.Letra().negrita = Activo(p); }},
    {"i", [](TLector& l, TParametro p) { l.Letra().cursiva = Activo(p); }},
    {"ul", [](TLector& l, TParametro p) { l.Letra().subrayado = Activo(p); }},
    {"ulnone", [](TLector& l, TParametro) { l.Letra().subrayado = false; }},
    {"strike", [](TLector& l, TParametro p) { l.Letra().tachado = Activo(p); }},
    {"super", [](TLector& l, TParametro) { l.Letra().vertical = QTextCharFormat::AlignSuperScript; }},
    {"sub", [](TLector& l, TParametro) { l.Letra().vertical = QTextCharFormat::AlignSubScript; }},
    {"nosupersub", [](TLector& l, TParametro) { l.Letra().vertical = QTextCharFormat::AlignNormal; }},
    {"fs",
     [](TLector& l, TParametro p) {
         l.Letra().medioPuntos = Acotar(p, kMedioPuntosPorDefecto, kMedioPuntosMinimos, kMedioPuntosMaximos);
     }},
    {"f", [](TLector& l, TParametro p) { l.Fuente(p); }},
    {"cf", [](TLector& l, TParametro p) { l.Letra().color = p.value_or(0); }},
    // Paragraphs.
    {"pard", [](TLector& l, TParametro) { l.Parrafo() = TParrafo{}; }},
    {"ql", [](TLector& l, TParametro) { l.Parrafo().alineacion = Qt::AlignLeft; }},
    {"qc", [](TLector& l, TParametro) { l.Parrafo().alineacion = Qt::AlignHCenter; }},
    {"qr", [](TLector& l, TParametro) { l.Parrafo().alineacion = Qt::AlignRight; }},
    {"qj", [](TLector& l, TParametro) { l.Parrafo().alineacion = Qt::AlignJustify; }},
    {"li", [](TLector& l, TParametro p) { l.Parrafo().izquierda = Acotar(p, 0, 0, kTwipsMaximos); }},
    {"ri", [](TLector& l, TParametro p) { l.Parrafo().derecha = Acotar(p, 0, 0, kTwipsMaximos); }},
    {"fi", [](TLector& l, TParametro p) { l.Parrafo().primeraLinea = Acotar(p, 0, -kTwipsMaximos, kTwipsMaximos); }},
    {"sb", [](TLector& l, TParametro p) { l.Parrafo().antes = Acotar(p, 0, 0, kTwipsMaximos); }},
    {"sa", [](TLector& l, TParametro p) { l.Parrafo().despues = Acotar(p, 0, 0, kTwipsMaximos); }},
    {"cbpat", [](TLector& l, TParametro p) { l.Parrafo().fondo = p.value_or(-1); }},
    {"tx", [](TLector& l, TParametro p) { l.Tabulador(p); }},
    {"tqr", [](TLector& l, TParametro) { l.Parrafo().proximoTabulador = QTextOption::RightTab; }},
    {"tqc", [](TLector& l, TParametro) { l.Parrafo().proximoTabulador = QTextOption::CenterTab; }},
    {"tqdec", [](TLector& l, TParametro) { l.Parrafo().proximoTabulador = QTextOption::DelimiterTab; }},
    // The document and its tables.
    {"deff", [](TLector& l, TParametro p) { l.FuentePorDefecto(p); }},
    {"deftab", [](TLector& l, TParametro p) { l.TabuladorPorDefecto(p); }},
    {"fonttbl", [](TLector& l, TParametro) { l.Destino(TDestino::Fuentes); }},
    {"fswiss", [](TLector& l, TParametro) { l.PistaDeFuente(QFont::SansSerif); }},
    {"froman", [](TLector& l, TParametro) { l.PistaDeFuente(QFont::Serif); }},
    {"fmodern", [](TLector& l, TParametro) { l.PistaDeFuente(QFont::TypeWriter); }},
    {"fscript", [](TLector& l, TParametro) { l.PistaDeFuente(QFont::Cursive); }},
    {"fdecor", [](TLector& l, TParametro) { l.PistaDeFuente(QFont::Decorative); }},
    {"colortbl", [](TLector& l, TParametro) { l.Destino(TDestino::Colores); }},
    {"red", [](TLector& l, TParametro p) { l.ComponenteDeColor(0, p); }},
    {"green", [](TLector& l, TParametro p) { l.ComponenteDeColor(1, p); }},
    {"blue", [](TLector& l, TParametro p) { l.ComponenteDeColor(2, p); }},
    // clang-format off
    // Destinations whose content is not shown.
    BROVEL_OMITIR("info"), BROVEL_OMITIR("stylesheet"), BROVEL_OMITIR("listtable"),
    BROVEL_OMITIR("listoverridetable"), BROVEL_OMITIR("revtbl"), BROVEL_OMITIR("rsidtbl"),
    BROVEL_OMITIR("header"), BROVEL_OMITIR("headerl"), BROVEL_OMITIR("headerr"), BROVEL_OMITIR("headerf"),
    BROVEL_OMITIR("footer"), BROVEL_OMITIR("footerl"), BROVEL_OMITIR("footerr"), BROVEL_OMITIR("footerf"),
    BROVEL_OMITIR("footnote"), BROVEL_OMITIR("annotation"), BROVEL_OMITIR("pict"), BROVEL_OMITIR("object"),
    BROVEL_OMITIR("fldinst"), BROVEL_OMITIR("xe"), BROVEL_OMITIR("tc"), BROVEL_OMITIR("filetbl"),
    BROVEL_OMITIR("pntext"), BROVEL_OMITIR("pntxta"), BROVEL_OMITIR("pntxtb"), BROVEL_OMITIR("themedata"),
    BROVEL_OMITIR("colorschememapping"), BROVEL_OMITIR("latentstyles"), BROVEL_OMITIR("datastore"),
    BROVEL_OMITIR("generator"), BROVEL_OMITIR("xmlnstbl"), BROVEL_OMITIR("template"),
    // clang-format on
};

#undef BROVEL_CARACTER
#undef BROVEL_OMITIR

TAccion BuscarPalabra(std::string_view nombre) {
    static const auto indice = [] {
        std::unordered_map<std::string_view, TAccion> palabras;
        for (const auto& p : kPalabras) palabras.emplace(p.nombre, p.accion);
        return palabras;
    }();
    const auto it = indice.find(nombre);
    return it == indice.end() ? nullptr : it->second;
}

double TLector::PuntosPorPulgada(QTextDocument& documento) {
    if (const auto* dispositivo = documento.documentLayout()->paintDevice()) return dispositivo->logicalDpiY();
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    if (const auto* pantalla = QGuiApplication::primaryScreen()) return qRound(pantalla->logicalDotsPerInchY());
    return 96;
}

void TLector::Leer() {
    TabuladorPorDefecto(kTabuladorPorDefecto);
    cursor_.beginEditBlock();
    while (pos_ < rtf_.size()) {
        const auto c = static_cast<unsigned char>(rtf_[pos_]);
        switch (c) {
            case '{':
                ++pos_;
                AbrirGrupo();
                break;
            case '}':
                ++pos_;
                CerrarGrupo();
                break;
            case '\\': LeerControl(); break;
            default:
                ++pos_;
                Byte(c);
                break;
        }
    }
    const TEstado final = alCerrar_ ? *alCerrar_ : estado_;
    CerrarBloque(final);
    cursor_.endEditBlock();
}

void TLector::AbrirGrupo() {
    alternativasPendientes_ = 0;
    if (exceso_ > 0 || pila_.size() >= static_cast<size_t>(kProfundidadMaxima)) {
        ++exceso_;
        return;
    }
    pila_.push_back(estado_);
}

void TLector::CerrarGrupo() {
    alternativasPendientes_ = 0;
    if (exceso_ > 0) {
        --exceso_;
        return;
    }
    // A closing brace with no group open is dropped.
    if (pila_.empty()) return;
    // A font whose name lacks its ";" ends with its group.
    if (estado_.destino == TDestino::Fuentes && !nombreFuente_.isEmpty()) GuardarFuente();
    if (pila_.size() == 1) alCerrar_ = estado_;
    estado_ = std::move(pila_.back());
    pila_.pop_back();
}

void TLector::LeerControl() {
    ++pos_;
    if (pos_ >= rtf_.size()) return;
    const auto primero = static_cast<unsigned char>(rtf_[pos_]);
    if (!EsLetra(primero)) {
        ++pos_;
        Simbolo(primero);
        return;
    }
    const size_t inicio = pos_;
    while (pos_ < rtf_.size() && EsLetra(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    const std::string_view nombre =
        pos_ - inicio <= kLetrasMaximas ? rtf_.substr(inicio, pos_ - inicio) : std::string_view{};

    // A parameter beyond an int's range is read as the nearest int.
    TParametro parametro;
    const bool negativo =
        pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && EsDigito(static_cast<unsigned char>(rtf_[pos_ + 1]));
    if (negativo) ++pos_;
    if (pos_ < rtf_.size() && EsDigito(static_cast<unsigned char>(rtf_[pos_]))) {
        int64_t valor = 0;
        constexpr int64_t kTope = int64_t{INT32_MAX} + 1;
        for (; pos_ < rtf_.size() && EsDigito(static_cast<unsigned char>(rtf_[pos_])); ++pos_)
            valor = std::min(valor * 10 + (rtf_[pos_] - '0'), kTope);
        parametro = static_cast<int>(std::clamp<int64_t>(negativo ? -valor : valor, INT32_MIN, INT32_MAX));
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    Palabra(nombre, parametro);
}

void TLector::Palabra(std::string_view nombre, TParametro p) {
    // Binary data is passed over wherever it is, so that its bytes are never read as RTF.
    if (nombre == "bin") {
        pos_ += static_cast<size_t>(std::clamp<int64_t>(p.value_or(0), 0, static_cast<int64_t>(rtf_.size() - pos_)));
        return;
    }
    if (Omitiendo() || Alternativa()) return;
    if (const TAccion accion = BuscarPalabra(nombre)) accion(*this, p);
}

void TLector::Simbolo(unsigned char c) {
    if (c == '\'') {
        // "\'hh" with two hex digits; without them the escape is dropped and what
        // follows is read as text.
        int byte = -1;
        if (pos_ + 1 < rtf_.size()) {
            const int alto = ValorHexadecimal(static_cast<unsigned char>(rtf_[pos_]));
            const int bajo = ValorHexadecimal(static_cast<unsigned char>(rtf_[pos_ + 1]));
            if (alto >= 0 && bajo >= 0) {
                byte = alto * 16 + bajo;
                pos_ += 2;
            }
        }
        if (byte < 0 || Omitiendo() || Alternativa()) return;
        Caracter(CaracterWindows1252(static_cast<unsigned char>(byte)));
        return;
    }
    if (Omitiendo() || Alternativa()) return;
    switch (c) {
        case '\\':
        case '{':
        case '}': Caracter(c); break;
        case '~': Caracter(0x00A0); break;
        case '-': Caracter(0x00AD); break;
        case '_': Caracter(0x2011); break;
        case '*':
            // The reader knows none of the destinations marked as optional.
            estado_.destino = TDestino::Omitido;
            break;
        case '\r':
        case '\n': FinParrafo(); break;
        default: break;
    }
}

void TLector::Byte(unsigned char c) {
    if (c == '\r' || c == '\n') return;
    if (Omitiendo() || Alternativa()) return;
    if (c < 0x20 && c != '\t') return;
    Caracter(CaracterWindows1252(c));
}

void TLector::Caracter(char32_t c) {
    switch (estado_.destino) {
        case TDestino::Texto: break;
        case TDestino::Fuentes:
            if (c == ';')
                GuardarFuente();
            else if (nombreFuente_.size() < 256)
                nombreFuente_.append(QChar(static_cast<char16_t>(c)));
            return;
        case TDestino::Colores:
            if (c == ';') {
                colores_.push_back(colorDefinido_ ? QColor(componentes_[0], componentes_[1], componentes_[2])
                                                  : QColor());
                componentes_ = {};
                colorDefinido_ = false;
            }
            return;
        case TDestino::Omitido: return;
    }
    if (altoPendiente_ != 0) {
        altoPendiente_ = 0;
        Caracter(kSustituto);
    }
    alCerrar_.reset();
    c = Admisible(c);
    if (texto_.isEmpty() || !(formato_ == estado_.caracter)) {
        Volcar();
        formato_ = estado_.caracter;
    }
    if (c > 0xFFFF) {
        texto_.append(QChar(QChar::highSurrogate(c)));
        texto_.append(QChar(QChar::lowSurrogate(c)));
    } else {
        texto_.append(QChar(static_cast<char16_t>(c)));
    }
}

void TLector::Unicode(TParametro p) {
    // A signed 16-bit number; negative numbers stand for those above 32767.
    int64_t valor = p.value_or(0);
    if (valor < 0) valor += 0x10000;
    alternativasPendientes_ = estado_.alternativas;
    const bool enRango = valor >= 0 && valor <= 0xFFFF;
    const auto unidad = enRango ? static_cast<char16_t>(valor) : char16_t{0};
    // A character beyond the first plane comes as two "\u", the halves of its
    // surrogate pair; a half without its other half is no character.
    const bool mitad = enRango && QChar::isSurrogate(unidad);
    if (estado_.destino != TDestino::Texto) {
        if (enRango && !mitad) Caracter(unidad);
        return;
    }
    if (!mitad) {
        Caracter(enRango ? char32_t{unidad} : kSustituto);
    } else if (QChar::isHighSurrogate(unidad)) {
        if (altoPendiente_ != 0) {
            altoPendiente_ = 0;
            Caracter(kSustituto);
        }
        altoPendiente_ = unidad;
    } else {
        const char16_t alto = std::exchange(altoPendiente_, 0);
        Caracter(alto != 0 ? QChar::surrogateToUcs4(alto, unidad) : kSustituto);
    }
}

void TLector::Fuente(TParametro p) {
    if (estado_.destino == TDestino::Fuentes) {
        numeroFuente_ = p.value_or(0);
        pista_ = QFont::AnyStyle;
        nombreFuente_.clear();
    } else {
        estado_.caracter.fuente = p.value_or(0);
    }
}

void TLector::GuardarFuente() {
    fuentes_[numeroFuente_] = TFuente{nombreFuente_.trimmed(), pista_};
    nombreFuente_.clear();
}

void TLector::TabuladorPorDefecto(TParametro p) {
    QTextOption opcion = documento_.defaultTextOption();
    opcion.setTabStopDistance(Distancia(Acotar(p, kTabuladorPorDefecto, 20, kTwipsMaximos)));
    documento_.setDefaultTextOption(opcion);
}

void TLector::Tabulador(TParametro p) {
    auto& parrafo = estado_.parrafo;
    if (parrafo.tabuladores.size() < kTabuladoresMaximos)
        parrafo.tabuladores.push_back({Acotar(p, 0, 0, kTwipsMaximos), parrafo.proximoTabulador});
    parrafo.proximoTabulador = QTextOption::LeftTab;
}

void TLector::Volcar() {
    if (texto_.isEmpty()) return;
    cursor_.insertText(texto_, FormatoCaracter(formato_));
    texto_.clear();
}

void TLector::FinParrafo() {
    if (estado_.destino != TDestino::Texto) return;
    CerrarBloque(estado_);
    cursor_.insertBlock();
}

// The paragraph takes the properties in force at its end, and its mark the
// character format, which sets the height of an empty paragraph.
void TLector::CerrarBloque(const TEstado& estado) {
    if (altoPendiente_ != 0) {
        altoPendiente_ = 0;
        Caracter(kSustituto);
    }
    Volcar();
    cursor_.setBlockFormat(FormatoBloque(estado.parrafo));
    cursor_.setBlockCharFormat(FormatoCaracter(estado.caracter));
    saltoDePagina_ = false;
    alCerrar_.reset();
}

QTextCharFormat TLector::FormatoCaracter(const TCaracter& c) const {
    QTextCharFormat formato;
    formato.setFontWeight(c.negrita ? QFont::Bold : QFont::Normal);
    formato.setFontItalic(c.cursiva);
    formato.setFontUnderline(c.subrayado);
    formato.setFontStrikeOut(c.tachado);
    formato.setVerticalAlignment(c.vertical);
    formato.setFontPointSize(c.medioPuntos / 2.0);
    const auto fuente = fuentes_.find(c.fuente.value_or(fuentePorDefecto_));
    if (fuente != fuentes_.end() && !fuente->second.nombre.isEmpty()) {
        formato.setFontFamilies(QStringList{fuente->second.nombre});
        formato.setFontStyleHint(fuente->second.pista);
    }
    // An entry left empty in the table, or none at all, is the automatic colour.
    if (c.color >= 0 && static_cast<size_t>(c.color) < colores_.size() && colores_[c.color].isValid())
        formato.setForeground(colores_[c.color]);
    return formato;
}

QTextBlockFormat TLector::FormatoBloque(const TParrafo& p) const {
    QTextBlockFormat formato;
    formato.setAlignment(p.alineacion);
    formato.setLeftMargin(Distancia(p.izquierda));
    formato.setRightMargin(Distancia(p.derecha));
    formato.setTextIndent(Distancia(p.primeraLinea));
    formato.setTopMargin(Distancia(p.antes));
    formato.setBottomMargin(Distancia(p.despues));
    if (!p.tabuladores.empty()) {
        auto tabuladores = p.tabuladores;
        std::stable_sort(tabuladores.begin(), tabuladores.end(),
                         [](const TTabulador& a, const TTabulador& b) { return a.twips < b.twips; });
        // RTF measures the stops from the page's margin, Qt from where the line
        // begins: the paragraph's indent, on the first line with its first-line
        // indent. The first line is the one that matters, since a report's lines
        // with tabs are paragraphs of their own. Stops the line begins after are
        // passed anyway.
        const int inicio = p.izquierda + p.primeraLinea;
        QList<QTextOption::Tab> posiciones;
        for (const auto& t : tabuladores) {
            if (t.twips <= inicio) continue;
            posiciones.append(QTextOption::Tab(Distancia(t.twips - inicio), t.tipo,
                                               t.tipo == QTextOption::DelimiterTab ? QChar('.') : QChar()));
        }
        formato.setTabPositions(posiciones);
    }
    if (p.fondo >= 0 && static_cast<size_t>(p.fondo) < colores_.size() && colores_[p.fondo].isValid())
        formato.setBackground(colores_[p.fondo]);
    if (saltoDePagina_) formato.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return formato;
}

}  // namespace

void LeerRtf(std::string_view rtf, QTextDocument& documento) {
    const bool deshacer = documento.isUndoRedoEnabled();
    documento.setUndoRedoEnabled(false);
    documento.clear();
    TLector(rtf, documento).Leer();
    documento.setUndoRedoEnabled(deshacer);
}

}  // namespace brovel
