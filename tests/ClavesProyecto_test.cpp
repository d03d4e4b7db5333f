// The project file's table of entries, checked against the walk that writes a
// project, and the default project the routines' tests start from,
// checked against the new project of the form.
#include "forms/ClavesProyecto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "FormaDePrueba.h"
#include "ProyectoPorDefecto.h"
#include "docs/ArchivoIni.h"

namespace brovel::pruebas {
namespace {

// The entries of a project's text, "Seccion.Clave" to the text of its value.
std::map<std::string, std::string> Entradas(const std::string& texto) {
    std::map<std::string, std::string> entradas;
    std::string seccion;
    size_t inicio = 0;
    while (inicio < texto.size()) {
        size_t fin = texto.find('\n', inicio);
        if (fin == std::string::npos) fin = texto.size();
        std::string linea = texto.substr(inicio, fin - inicio);
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (linea.starts_with("["))
            seccion = linea.substr(1, linea.find(']') - 1);
        else if (const size_t igual = linea.find('='); igual != std::string::npos)
            entradas[seccion + "." + linea.substr(0, igual)] = linea.substr(igual + 1);
        inicio = fin + 1;
    }
    return entradas;
}

// The text of the project as "Guardar como" writes it.
std::string TextoGuardado(TFormaBrovel& forma, TInterlocutorDePrueba& persona) {
    const std::string ruta = ::testing::TempDir() + "/claves-del-proyecto.bvx";
    std::remove(ruta.c_str());
    persona.archivosElegidos = {ruta};
    forma.GuardarComoExecute();
    std::ifstream archivo(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(archivo), {});
}

bool Igual(const TEstadoBrovel& a, const TEstadoBrovel& b, const TMiembroBrovel& miembro) {
    return std::visit([&](auto puntero) { return a.*puntero == b.*puntero; }, miembro);
}

// What a new project holds for an input: the number of its field ("eu" and its
// name) or the choice of its list ("cb" and its name; classes and counts from 1,
// the mechanism and the practice from 0), which the model takes once its option
// is in force; else the model's own.
TEstadoBrovel LoQueMuestra(TFormaBrovel& forma) {
    TEstadoBrovel e = forma.Estado;
    for (const TFilaMiembroBrovel& m : MiembrosBrovel()) {
        const std::string nombre = m.nombre;
        double valor = std::nan("");
        try {
            valor = static_cast<double>(forma.Campo("eu" + nombre).GetBaseValue());
        } catch (const std::out_of_range&) {
            for (int l = 0; l < kCantidadDeListas; ++l)
                if (const auto lista = static_cast<TListaBrovel>(l); NombreDe(lista) == "cb" + nombre) {
                    const bool desdeCero = lista == TListaBrovel::cbMde || lista == TListaBrovel::cbTp;
                    valor = forma.Lista(lista).indice + (desdeCero ? 0 : 1);
                }
        }
        if (std::isnan(valor)) continue;
        std::visit(
            [&](auto puntero) {
                using T = std::decay_t<decltype(e.*puntero)>;
                if constexpr (std::is_arithmetic_v<T>) e.*puntero = static_cast<T>(valor);
            },
            m.miembro);
    }
    return e;
}

// Every input of a new project is what the routines' tests take for the default
// project.
TEST_F(FormaBrovelPrueba, ElProyectoPorDefectoDeLasPruebasEsElProyectoNuevo) {
    const TEstadoBrovel porDefecto = EstadoPorDefecto();
    const TEstadoBrovel nuevo = LoQueMuestra(forma);
    const std::vector<std::string_view>& calculados = CalculadosBrovel();
    for (const TFilaMiembroBrovel& m : MiembrosBrovel()) {
        if (std::find(calculados.begin(), calculados.end(), m.nombre) != calculados.end()) continue;
        EXPECT_TRUE(Igual(nuevo, porDefecto, m.miembro)) << m.nombre;
    }
}

// Each entry the walk writes, under every option, has its row: the written file's
// keys are those of the table, section by section.
TEST_F(FormaBrovelPrueba, CadaEntradaEscritaTieneSuFilaYCadaFilaSeEscribe) {
    std::set<std::string> escritas;
    const auto anotar = [&] {
        for (const auto& [entrada, valor] : Entradas(TextoGuardado(forma, persona))) escritas.insert(entrada);
    };
    for (int suelo = 0; suelo < 3; ++suelo) {
        forma.ElegirOpcion(TGrupoOpciones::Suelo, suelo);
        anotar();
    }
    for (int lluvia = 0; lluvia < 4; ++lluvia) {
        forma.ElegirOpcion(TGrupoOpciones::LluviaMedia, lluvia);
        anotar();
    }
    forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 0);
    forma.ElegirOpcion(TGrupoOpciones::Evento, 1);
    anotar();
    for (int practica = 0; practica < 5; ++practica) {
        forma.ElegirEnLista(TListaBrovel::cbTp, practica);
        anotar();
    }
    for (const std::string& escrita : escritas) {
        const size_t punto = escrita.find('.');
        EXPECT_TRUE(EsClaveDelProyecto(escrita.substr(0, punto), escrita.substr(punto + 1))) << escrita;
    }
    // Every row but the values taken from the runoff window, which only a taking writes.
    for (const TClaveProyecto& fila : ClavesProyecto()) {
        if (!fila.variable) continue;
        std::string clave = fila.clave;
        for (size_t numeral; (numeral = clave.find('#')) != std::string::npos;) clave.replace(numeral, 1, "1");
        EXPECT_TRUE(escritas.count(std::string(fila.seccion) + "." + clave)) << fila.seccion << "." << clave;
    }
}

}  // namespace
}  // namespace brovel::pruebas
