#include "Glosario.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "fields/Numeros.h"
#include "tables/TablasReferencia.h"

namespace brovel::ayuda {
namespace {

// The accented letters of the captions and the plain letter they sort with.
const std::pair<std::string_view, char> kLetrasAcentuadas[] = {
    {"á", 'a'}, {"é", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ñ", 'n'},
    {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ñ", 'n'},
};

std::string NombreDeUnidad(std::string_view item) { return std::string(item.substr(0, item.find('|'))); }

std::string ListaDeUnidades(const TDefinicionCampo& campo) {
    std::string lista;
    for (const std::string& item : UnidadesDe(campo)) {
        const std::string nombre = NombreDeUnidad(item);
        if (nombre == "-") return "sin unidad";
        if (!lista.empty()) lista += ", ";
        lista += nombre;
    }
    return lista;
}

std::string Numero(long double valor) { return FormatoGeneral(valor, 15); }

// How the value chosen in a table reaches its field, by what it is divided by.
std::string Conversion(double divisor) {
    if (divisor == 100) return "÷ 100: el porcentaje pasa a fracción";
    if (divisor == 10) return "÷ 10: la masa en los 10 cm superiores pasa a masa por centímetro";
    return "tal como figura";
}

}  // namespace

std::string EscaparHtml(std::string_view texto) {
    std::string salida;
    salida.reserve(texto.size());
    for (const char c : texto) {
        switch (c) {
            case '&': salida += "&amp;"; break;
            case '<': salida += "&lt;"; break;
            case '>': salida += "&gt;"; break;
            case '"': salida += "&quot;"; break;
            default: salida += c;
        }
    }
    return salida;
}

std::string ClaveDeOrden(std::string_view texto) {
    std::string clave;
    for (size_t i = 0; i < texto.size();) {
        bool reemplazada = false;
        for (const auto& [acentuada, llana] : kLetrasAcentuadas) {
            if (texto.substr(i).starts_with(acentuada)) {
                clave += llana;
                i += acentuada.size();
                reemplazada = true;
                break;
            }
        }
        if (reemplazada) continue;
        const char c = texto[i++];
        clave += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return clave;
}

std::string RangoDeCampo(const TDefinicionCampo& campo) {
    if (campo.clase == TClaseCampo::Resultado || campo.clase == TClaseCampo::EntradaLibre) return {};
    const std::string unidad = NombreDeUnidad(UnidadesDe(campo).front());
    const std::string sufijo = unidad == "-" ? "" : "\u00a0" + unidad;
    if (campo.maximo >= kSinLimite) return "desde " + Numero(campo.minimo) + sufijo;
    return "de " + Numero(campo.minimo) + " a " + Numero(campo.maximo) + sufijo;
}

std::string FilasDeGlosario(const std::vector<TDefinicionCampo>& campos) {
    std::vector<const TDefinicionCampo*> orden;
    std::set<std::pair<std::string_view, std::string_view>> vistos;
    for (const auto& campo : campos)
        if (vistos.insert({campo.titulo, campo.ayuda}).second) orden.push_back(&campo);
    std::stable_sort(orden.begin(), orden.end(), [](const TDefinicionCampo* a, const TDefinicionCampo* b) {
        return ClaveDeOrden(a->titulo) < ClaveDeOrden(b->titulo);
    });
    std::string filas;
    for (const TDefinicionCampo* campo : orden) {
        const bool resultado = campo->clase == TClaseCampo::Resultado;
        std::string datos = std::string(resultado ? "Resultado" : "Dato") + " · " + ListaDeUnidades(*campo);
        const std::string rango = RangoDeCampo(*campo);
        if (!rango.empty()) datos += " · " + rango;
        filas += "<tr><td class=\"termino\"><b>" + EscaparHtml(campo->titulo) + "</b><br/><span class=\"datos\">" +
                 EscaparHtml(datos) + "</span></td><td>" + EscaparHtml(campo->ayuda) + "</td></tr>\n";
    }
    return filas;
}

std::string FilasDeTablas() {
    std::string filas;
    for (const TEntradaCatalogo& entrada : CatalogoDeTablas()) {
        const auto tabla = CargarTabla(entrada.codigo);
        const int cantidad = tabla ? tabla->CantidadFilas() : 0;
        filas += "<tr><td class=\"codigo\">" + EscaparHtml(entrada.codigo) + "</td><td>" + EscaparHtml(entrada.titulo) +
                 "</td><td class=\"numero\">" + std::to_string(cantidad) + "</td><td>" +
                 EscaparHtml(Conversion(entrada.divisor)) + "</td></tr>\n";
    }
    return filas;
}

}  // namespace brovel::ayuda
