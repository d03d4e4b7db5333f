#include "docs/RtfHtml.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

#include "docs/Codificacion.h"

namespace brovel {
namespace {

constexpr int kProfundidad = 256;
constexpr int kTabuladorPorDefecto = 720;
constexpr long kTwipsMaximos = 31680;  // 22 inches

struct TLetra {
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    int medioPuntos = 24;
    int color = 0;
    int saltarUnicode = 1;
    // A destination or a "\*" group: its text is not shown.
    bool oculto = false;
};

struct TParrafo {
    char alineacion = 'l';
    long izquierda = 0, derecha = 0, primeraLinea = 0, antes = 0, despues = 0;
    int fondo = -1;
    std::vector<long> tabuladores;
};

struct TColor {
    int rojo = 0, verde = 0, azul = 0;
    bool dado = false;
};

void AgregarUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Twips as points, to a tenth.
std::string Puntos(long twips) {
    const long decimos = twips / 2;
    const std::string signo = decimos < 0 ? "-" : "";
    const long a = decimos < 0 ? -decimos : decimos;
    return signo + std::to_string(a / 10) + "." + std::to_string(a % 10) + "pt";
}

class TConversor {
public:
    explicit TConversor(std::string_view rtf) : rtf_(rtf) {}

    std::string Convertir() {
        pila_.push_back(TLetra{});
        while (i_ < rtf_.size()) {
            const char c = rtf_[i_++];
            if (c == '{') {
                if (pila_.size() >= kProfundidad) {
                    SaltarGrupo();
                    continue;
                }
                pila_.push_back(pila_.back());
                destinoNuevo_ = true;
            } else if (c == '}') {
                if (pila_.size() > 1) pila_.pop_back();
                if (enColores_ && pila_.size() < profundidadColores_) enColores_ = false;
            } else if (c == '\\') {
                Control();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                destinoNuevo_ = false;
                if (enColores_) {
                    if (c == ';') colores_.push_back(color_), color_ = {};
                    continue;
                }
                Caracter(static_cast<unsigned char>(c) < 0x80 ? static_cast<char32_t>(c)
                                                              : static_cast<char32_t>(CaracterWindows1252(c)));
            }
        }
        if (!segmentos_.empty()) CerrarParrafo();
        return html_;
    }

private:
    TLetra& Letra() { return pila_.back(); }

    void SaltarGrupo() {
        int nivel = 1;
        while (i_ < rtf_.size() && nivel > 0) {
            const char c = rtf_[i_++];
            if (c == '\\' && i_ < rtf_.size())
                ++i_;
            else if (c == '{')
                ++nivel;
            else if (c == '}')
                --nivel;
        }
    }

    void Control() {
        if (i_ >= rtf_.size()) return;
        const char c = rtf_[i_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++i_;
            destinoNuevo_ = false;
            if (c == '\'') {
                int valor = 0;
                for (int k = 0; k < 2 && i_ < rtf_.size() && std::isxdigit(static_cast<unsigned char>(rtf_[i_])); ++k)
                    valor = valor * 16 + (std::isdigit(static_cast<unsigned char>(rtf_[i_]))
                                              ? rtf_[i_] - '0'
                                              : (std::tolower(rtf_[i_]) - 'a' + 10)),
                    ++i_;
                Caracter(CaracterWindows1252(static_cast<unsigned char>(valor)));
            } else if (c == '*') {
                Letra().oculto = true;
            } else if (c == '~') {
                Caracter(0xA0);
            } else if (c == '\\' || c == '{' || c == '}') {
                Caracter(static_cast<char32_t>(c));
            } else if (c == '\n' || c == '\r') {
                CerrarParrafo();
            }
            return;
        }
        std::string palabra;
        while (i_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[i_])) && palabra.size() < 32)
            palabra += rtf_[i_++];
        std::optional<long> parametro;
        bool negativo = false;
        if (i_ < rtf_.size() && rtf_[i_] == '-') negativo = true, ++i_;
        long numero = 0;
        int cifras = 0;
        while (i_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[i_]))) {
            if (cifras++ < 9) numero = numero * 10 + (rtf_[i_] - '0');
            ++i_;
        }
        if (cifras > 0) parametro = negativo ? -numero : numero;
        if (i_ < rtf_.size() && rtf_[i_] == ' ') ++i_;
        const bool primero = destinoNuevo_;
        destinoNuevo_ = false;
        Palabra(palabra, parametro, primero);
    }

    static long Acotar(std::optional<long> p, long minimo, long maximo) {
        return std::clamp(p.value_or(0), minimo, maximo);
    }

    void Palabra(const std::string& w, std::optional<long> p, bool primero) {
        const bool activa = !p || *p != 0;
        if (primero && (w == "fonttbl" || w == "stylesheet" || w == "info" || w == "pict" || w == "header" ||
                        w == "footer" || w == "object")) {
            Letra().oculto = true;
        } else if (primero && w == "colortbl") {
            Letra().oculto = true;
            enColores_ = true;
            profundidadColores_ = pila_.size();
        } else if (enColores_) {
            if (w == "red") color_.rojo = static_cast<int>(Acotar(p, 0, 255)), color_.dado = true;
            if (w == "green") color_.verde = static_cast<int>(Acotar(p, 0, 255)), color_.dado = true;
            if (w == "blue") color_.azul = static_cast<int>(Acotar(p, 0, 255)), color_.dado = true;
        } else if (w == "par") {
            CerrarParrafo();
        } else if (w == "line") {
            if (!Letra().oculto) AbrirTexto(), segmentos_.back() += "<br>";
        } else if (w == "tab") {
            if (!Letra().oculto) {
                CerrarSpan();
                if (segmentos_.empty()) segmentos_.emplace_back();
                segmentos_.emplace_back();
            }
        } else if (w == "pard") {
            parrafo_ = TParrafo{};
        } else if (w == "plain") {
            const bool oculto = Letra().oculto;
            Letra() = TLetra{};
            Letra().oculto = oculto;
        } else if (w == "b") {
            Letra().negrita = activa;
        } else if (w == "i") {
            Letra().cursiva = activa;
        } else if (w == "ul") {
            Letra().subrayado = activa;
        } else if (w == "ulnone") {
            Letra().subrayado = false;
        } else if (w == "fs") {
            Letra().medioPuntos = static_cast<int>(Acotar(p ? p : 24, 2, 3276));
        } else if (w == "cf") {
            Letra().color = static_cast<int>(Acotar(p, 0, 4096));
        } else if (w == "qc" || w == "qr" || w == "qj" || w == "ql") {
            parrafo_.alineacion = w[1];
        } else if (w == "li") {
            parrafo_.izquierda = Acotar(p, 0, kTwipsMaximos);
        } else if (w == "ri") {
            parrafo_.derecha = Acotar(p, 0, kTwipsMaximos);
        } else if (w == "fi") {
            parrafo_.primeraLinea = Acotar(p, -kTwipsMaximos, kTwipsMaximos);
        } else if (w == "sb") {
            parrafo_.antes = Acotar(p, 0, kTwipsMaximos);
        } else if (w == "sa") {
            parrafo_.despues = Acotar(p, 0, kTwipsMaximos);
        } else if (w == "cbpat") {
            parrafo_.fondo = static_cast<int>(Acotar(p, -1, 4096));
        } else if (w == "tx") {
            if (parrafo_.tabuladores.size() < 64) parrafo_.tabuladores.push_back(Acotar(p, 0, kTwipsMaximos));
        } else if (w == "deftab") {
            tabuladorPorDefecto_ = Acotar(p ? p : kTabuladorPorDefecto, 1, kTwipsMaximos);
        } else if (w == "uc") {
            Letra().saltarUnicode = static_cast<int>(Acotar(p, 0, 16));
        } else if (w == "u" && p) {
            long u = *p < 0 ? *p + 65536 : *p;
            Caracter(static_cast<char32_t>(std::clamp(u, 0L, 0xFFFFL)));
            for (int k = 0; k < Letra().saltarUnicode && i_ < rtf_.size(); ++k) {
                if (rtf_[i_] == '\\' && i_ + 1 < rtf_.size() && rtf_[i_ + 1] == '\'')
                    i_ = std::min(rtf_.size(), i_ + 4);
                else if (rtf_[i_] == '{' || rtf_[i_] == '}')
                    break;
                else
                    ++i_;
            }
        } else if (w == "emdash") {
            Caracter(0x2014);
        } else if (w == "endash") {
            Caracter(0x2013);
        } else if (w == "bullet") {
            Caracter(0x2022);
        } else if (primero) {
            // An unknown destination is skipped whole when it starts with "\*";
            // otherwise its text shows, as in the desktop's reader.
        }
    }

    std::string Estilo(const TLetra& l) const {
        std::string s = "font-size:" + std::to_string(l.medioPuntos / 2) + (l.medioPuntos % 2 ? ".5" : "") + "pt";
        if (l.negrita) s += ";font-weight:bold";
        if (l.cursiva) s += ";font-style:italic";
        if (l.subrayado) s += ";text-decoration:underline";
        if (l.color > 0 && static_cast<size_t>(l.color) < colores_.size()) s += ";color:" + Color(colores_[l.color]);
        return s;
    }

    static std::string Color(const TColor& c) {
        return "rgb(" + std::to_string(c.rojo) + "," + std::to_string(c.verde) + "," + std::to_string(c.azul) + ")";
    }

    void CerrarSpan() {
        if (!estiloAbierto_.empty() && !segmentos_.empty()) segmentos_.back() += "</span>";
        estiloAbierto_.clear();
    }

    void AbrirTexto() {
        if (segmentos_.empty()) segmentos_.emplace_back();
        const std::string estilo = Estilo(Letra());
        if (estiloAbierto_ != estilo) {
            CerrarSpan();
            segmentos_.back() += "<span style=\"" + estilo + "\">";
            estiloAbierto_ = estilo;
        }
    }

    void Caracter(char32_t c) {
        if (Letra().oculto) return;
        altoParrafo_ = std::max(altoParrafo_, Letra().medioPuntos);
        AbrirTexto();
        std::string& s = segmentos_.back();
        switch (c) {
            case '<': s += "&lt;"; break;
            case '>': s += "&gt;"; break;
            case '&': s += "&amp;"; break;
            case '"': s += "&quot;"; break;
            default:
                if (c >= 0x20 || c == '\t') AgregarUtf8(s, c);
        }
    }

    void CerrarParrafo() {
        if (!pila_.empty() && Letra().oculto) return;
        CerrarSpan();
        std::string estilo = "margin:" + Puntos(parrafo_.antes) + " " + Puntos(parrafo_.derecha) + " " +
                             Puntos(parrafo_.despues) + " " + Puntos(parrafo_.izquierda) +
                             ";text-indent:" + Puntos(parrafo_.primeraLinea);
        if (parrafo_.alineacion == 'c') estilo += ";text-align:center";
        if (parrafo_.alineacion == 'r') estilo += ";text-align:right";
        if (parrafo_.alineacion == 'j') estilo += ";text-align:justify";
        if (parrafo_.fondo > 0 && static_cast<size_t>(parrafo_.fondo) < colores_.size())
            estilo += ";background:" + Color(colores_[parrafo_.fondo]);
        const int alto = altoParrafo_ > 0 ? altoParrafo_ : Letra().medioPuntos;
        estilo += ";min-height:" + std::to_string(alto / 2) +
                  "pt;line-height:1.25;font-size:" + std::to_string(alto / 2) + "pt";
        html_ += "<p style=\"" + estilo + "\">";
        // Each piece before a tab takes the room up to its stop.
        long posicion = parrafo_.izquierda + parrafo_.primeraLinea;
        for (size_t k = 0; k < segmentos_.size(); ++k) {
            const std::string& texto = segmentos_[k];
            if (k + 1 < segmentos_.size()) {
                long parada = posicion;
                for (long t : parrafo_.tabuladores)
                    if (t > posicion) {
                        parada = t;
                        break;
                    }
                if (parada <= posicion) parada = (posicion / tabuladorPorDefecto_ + 1) * tabuladorPorDefecto_;
                html_ += "<span style=\"display:inline-block;text-indent:0;min-width:" + Puntos(parada - posicion) +
                         "\">" + texto + "</span>";
                posicion = parada;
            } else {
                html_ += texto;
            }
        }
        html_ += "</p>\n";
        segmentos_.clear();
        altoParrafo_ = 0;
    }

    std::string_view rtf_;
    size_t i_ = 0;
    std::vector<TLetra> pila_;
    TParrafo parrafo_;
    std::vector<TColor> colores_;
    TColor color_;
    bool enColores_ = false;
    size_t profundidadColores_ = 0;
    bool destinoNuevo_ = false;
    long tabuladorPorDefecto_ = kTabuladorPorDefecto;
    std::vector<std::string> segmentos_;
    std::string estiloAbierto_;
    int altoParrafo_ = 0;
    std::string html_;
};

}  // namespace

std::string RtfComoHtml(std::string_view rtf) { return TConversor(rtf).Convertir(); }

}  // namespace brovel
