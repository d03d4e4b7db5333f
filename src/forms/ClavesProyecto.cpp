#include "forms/ClavesProyecto.h"

#include <cctype>
#include <limits>
#include <stdexcept>
#include <string>

namespace brovel {
namespace {

using F = TFormaBrovel;
using E = TEstadoBrovel;
using L = TListaBrovel;
using G = TGrupoOpciones;
using C = TCasilla;

constexpr double kQueda = std::numeric_limits<double>::quiet_NaN();

// clang-format off
const TClaveProyecto kClaves[] = {
    {"Geometria", "Declive", &F::euDt, 6, true},
    {"Geometria", "Longitud", &F::euLt, 60, true},

    {"Suelo", "Opcion", G::Suelo, 1, true},
    {"Suelo", "Cant_puntos", &F::euCpcg, 9, true},
    {"Suelo", "diam_punto_#", &E::Dg, 4.76, true},
    {"Suelo", "porc_pasa_#", &E::Pp, 100, true},
    {"Suelo", "Diametro_medio", &F::euDm, 0.05, true},
    {"Suelo", "Clase_estr", L::cbCspe, 0, true},
    {"Suelo", "P_limos", &F::euPl, 60, true},
    {"Suelo", "P_limos_mod", &F::euPlm, 80, true},
    {"Suelo", "P_arenas", &F::euPa, 30, true},
    {"Suelo", "P_matorg", &F::euPmo, 5, true},
    {"Suelo", "Clase_perm", L::cbCspp, 0, true},
    {"Suelo", "Humedad", &F::euShs, 1, true},
    {"Suelo", "Descongelamiento", C::Descongelamiento, 0, true},
    {"Suelo", "Biomasa", &F::euBvs, 60, true},
    {"Suelo", "Biomasa_res", &F::euBrvs, 5, true},

    {"Forzantes", "Opcion", G::LluviaMedia, 1, true},
    {"Forzantes", "Paso_temporal", &F::euPth, 1, true},
    {"Forzantes", "Pasos_hieto", L::cbCph, 1, true},
    {"Forzantes", "Cantidad_tormentas", &F::euCta, 1, true},
    {"Forzantes", "cant_lluvia_#", &E::Cll1, 1, true},
    {"Forzantes", "Paso_temporal", &F::euPths, 1, true},
    {"Forzantes", "Cantidad_hieto", L::cbCh, 1, true},
    {"Forzantes", "Pasos_hieto", L::cbCph2, 1, true},
    {"Forzantes", "cant_lluvia_#_#", &E::Cll1, 1, true},
    {"Forzantes", "Energia_tormenta", &F::euEt, 1, true},
    {"Forzantes", "Max_int_30min", &F::euMi30m, 1, true},
    {"Forzantes", "Factor_ele", &F::euFele, 1, true},
    {"Forzantes", "Opcion2", G::LluviaExtrema, 1, true},
    {"Forzantes", "Paso_temporal2", &F::euPth2, 1, true},
    {"Forzantes", "Pasos_hieto2", L::cbCph3, 1, true},
    {"Forzantes", "cant_lluvia_extr_#", &E::Cll2, 1, true},
    {"Forzantes", "Cantidad_escorrentia", &F::euCe, 1, true},
    {"Forzantes", "Escorrentia_Zumbrel", &E::Ce, kQueda, false},
    {"Forzantes", "Opcion3", G::Evento, 1, true},
    {"Forzantes", "Paso_temporal3", &F::euPth3, 1, true},
    {"Forzantes", "Pasos_hieto3", L::cbCph4, 1, true},
    {"Forzantes", "cant_lluvia_event_#", &E::Cll3, 1, true},
    {"Forzantes", "Volumen_precip", &F::euVp, 1, true},
    {"Forzantes", "Caudal_pico", &F::euCp, 1, true},
    {"Forzantes", "Volumen_Zumbrel", &E::Vp, kQueda, false},
    {"Forzantes", "Caudal_pico_Zumbrel", &E::Cp, kQueda, false},

    {"Condicionantes", "Fraccion_cubierta", &F::euFatc, 1, true},
    {"Condicionantes", "Altura_follaje", &F::euAmf, 1, true},
    {"Condicionantes", "Labranza", C::Labranza, 1, true},
    {"Condicionantes", "Tiempo_operaciones", &F::euTtfo, 1, true},
    {"Condicionantes", "Fraccion_operaciones", &F::euFapo, 1, true},
    {"Condicionantes", "Mulching", C::Mulching, 1, true},
    {"Condicionantes", "Relacion_residuo", &F::euRacmr, 1, true},
    {"Condicionantes", "Peso_residuo", &F::euPsrua, 1, true},
    {"Condicionantes", "Mecanismo", L::cbMde, 1, true},
    {"Condicionantes", "Practica_soporte", C::PracticasDeSoporte, 1, true},
    {"Condicionantes", "Tipo_practica", L::cbTp, 1, true},
    {"Condicionantes", "Pendiente_surcos", &F::euPs, 1, true},
    {"Condicionantes", "Altura_lomo", &F::euAl, 1, true},
    {"Condicionantes", "Factor_soporte", &F::euFps, kQueda, true},
    {"Condicionantes", "Espacio_terrazas", &F::euEet, 1, true},
    {"Condicionantes", "Pendiente_terrazas", &F::euPt, 1, true},
    {"Condicionantes", "Tiempo_perturbado", &F::euTfp, 1, true},
    {"Condicionantes", "Constante_consolidacion", &F::euCtc, 1, true},
    {"Condicionantes", "Lluvia_infiltrada", &F::euFliii, 1, true},

    {"Disipacion", "Manning_terreno", &F::euCmst, 1, true},
    {"Disipacion", "Indice_rugosidad", &F::euIrst, 1, true},
    {"Disipacion", "Rugosidad_terreno", &F::euRast, 1, true},
};
// clang-format on

std::string Minusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// Whether `texto` is `patron` with each "#" a position 1 to 20, without leading zeroes.
bool Coincide(std::string_view patron, std::string_view texto) {
    size_t i = 0, j = 0;
    while (i < patron.size()) {
        if (patron[i] == '#') {
            size_t k = j;
            while (k < texto.size() && std::isdigit(static_cast<unsigned char>(texto[k]))) ++k;
            if (k == j || texto[j] == '0' || k - j > 2) return false;
            const int n = std::stoi(std::string(texto.substr(j, k - j)));
            if (n < 1 || n > kMaxElementos) return false;
            j = k;
            ++i;
        } else {
            if (j >= texto.size() || texto[j] != patron[i]) return false;
            ++i;
            ++j;
        }
    }
    return j == texto.size();
}

}  // namespace

std::span<const TClaveProyecto> ClavesProyecto() { return kClaves; }

const TClaveProyecto& ClaveDe(std::string_view seccion, const TDestinoClave& destino) {
    for (const TClaveProyecto& c : kClaves)
        if (c.destino == destino && c.seccion == seccion) return c;
    throw std::logic_error("entrada sin fila en la tabla de claves: " + std::string(seccion));
}

bool EsClaveDelProyecto(std::string_view seccion, std::string_view clave) {
    const std::string s = Minusculas(seccion), c = Minusculas(clave);
    for (const TClaveProyecto& fila : kClaves)
        if (fila.variable && Minusculas(fila.seccion) == s && Coincide(Minusculas(fila.clave), c)) return true;
    return false;
}

}  // namespace brovel
