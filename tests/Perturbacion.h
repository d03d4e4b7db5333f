// A model's table of derivations checked against its routines: each member of a
// record is changed in turn, each routine is run before and after, and a result
// that moves must have been read, as the table says, directly or through what the
// same routine computed before it; and each read a row names moves something in
// some record. Both models' tables are checked the same way.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace brovel::pruebas {

// A value changed enough to move what reads it and to cross the steps of the
// tables it is looked up in; a series changes in every step, differently in each.
template <typename T>
void PerturbarValor(T& valor) {
    if constexpr (std::is_same_v<T, double>) {
        valor = valor * 1.5 + 1;
    } else if constexpr (std::is_same_v<T, bool>) {
        valor = !valor;
    } else if constexpr (std::is_integral_v<T>) {
        valor = static_cast<T>(valor + 1);
    } else if constexpr (std::is_same_v<typename T::value_type, double>) {
        for (size_t i = 0; i < valor.size(); ++i) valor[i] = valor[i] * 1.5 + 0.1 * double(i + 1);
    } else {
        for (auto& serie : valor) PerturbarValor(serie);
    }
}

template <typename Estado, typename Miembro>
void Perturbar(Estado& e, const Miembro& miembro) {
    std::visit([&](auto puntero) { PerturbarValor(e.*puntero); }, miembro);
}

// Two results are the same number, or both no number.
inline bool IgualNumero(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Each row of a member table names its member, and no name is repeated.
template <typename FilaMiembro>
void ComprobarNombres(std::span<const FilaMiembro> miembros, size_t cantidad) {
    std::set<std::string> nombres;
    for (const FilaMiembro& m : miembros) {
        EXPECT_TRUE(nombres.insert(m.nombre).second) << m.nombre << " repetido";
        EXPECT_STREQ(NombreDe(m.miembro), m.nombre);
    }
    EXPECT_EQ(nombres.size(), cantidad);
}

template <typename T>
bool Contiene(const std::vector<T>& miembros, const std::type_identity_t<T>& miembro) {
    return std::find(miembros.begin(), miembros.end(), miembro) != miembros.end();
}

// What a row's results depend on as the table says: what it reads, and what the
// rows of the same routine that computed those read in turn. A member the routine
// writes before reading it is the routine's own and moves nothing.
template <typename Derivacion, typename Estado>
std::set<std::string> Dependencias(std::span<const Derivacion> derivaciones, const Derivacion& fila, const Estado& e) {
    std::set<std::string> dependencias;
    auto pendientes = fila.lee;
    while (!pendientes.empty()) {
        const auto miembro = pendientes.back();
        pendientes.pop_back();
        if (!dependencias.insert(NombreDe(miembro)).second) continue;
        for (const Derivacion& d : derivaciones) {
            if (&d == &fila) break;
            if (d.rutina == fila.rutina && d.rige(e) && Contiene(d.escribe, miembro))
                pendientes.insert(pendientes.end(), d.lee.begin(), d.lee.end());
        }
    }
    return dependencias;
}

// The rows of a routine the options of a record put in force.
template <typename Derivacion, typename Rutina, typename Estado>
std::vector<const Derivacion*> Vigentes(std::span<const Derivacion> derivaciones, Rutina rutina, const Estado& e) {
    std::vector<const Derivacion*> vigentes;
    for (const Derivacion& d : derivaciones)
        if (d.rutina == rutina && d.rige(e)) vigentes.push_back(&d);
    return vigentes;
}

// The check itself, over records where every input counts. A routine that throws
// `Falla` on a changed record has been moved by the change; `igual` compares one
// member of two records as far as it holds results.
template <typename Falla, typename Estado, typename Derivacion, typename FilaMiembro, typename Igual>
void ComprobarLoLeido(const std::vector<Estado>& bases, std::span<const Derivacion> derivaciones,
                      std::span<const FilaMiembro> miembros, Igual igual) {
    std::set<std::string> leidasQueMueven;
    for (const Estado& base : bases) {
        for (const Derivacion& fila : derivaciones) {
            if (!fila.rige(base)) continue;
            Estado antes = base;
            ASSERT_NO_THROW(Calcular(fila.rutina, antes)) << NombreDe(fila.escribe.front());
            const std::set<std::string> dependencias = Dependencias(derivaciones, fila, base);
            for (const FilaMiembro& m : miembros) {
                Estado despues = base;
                Perturbar(despues, m.miembro);
                // A selector that puts other rows in force is read through them.
                if (Vigentes(derivaciones, fila.rutina, despues) != Vigentes(derivaciones, fila.rutina, base)) continue;
                bool mueve = false;
                try {
                    Calcular(fila.rutina, despues);
                    for (const auto& escrito : fila.escribe) mueve = mueve || !igual(antes, despues, escrito);
                } catch (const Falla&) {
                    mueve = true;
                }
                if (!mueve) continue;
                if (Contiene(fila.lee, m.miembro))
                    leidasQueMueven.insert(std::string(NombreDe(fila.escribe.front())) + " <- " + m.nombre);
                EXPECT_TRUE(dependencias.count(m.nombre))
                    << m.nombre << " mueve " << NombreDe(fila.escribe.front()) << " y la tabla no dice que se lea";
            }
        }
    }
    // And no row names a read that moves nothing in any record.
    for (const Derivacion& fila : derivaciones)
        for (const auto& leido : fila.lee) {
            const std::string par = std::string(NombreDe(fila.escribe.front())) + " <- " + NombreDe(leido);
            const bool propia = std::any_of(derivaciones.begin(), derivaciones.end(), [&](const Derivacion& d) {
                return d.rutina == fila.rutina && &d != &fila && Contiene(d.escribe, leido);
            });
            if (!propia) {
                EXPECT_TRUE(leidasQueMueven.count(par)) << par << " no mueve nada";
            }
        }
}

}  // namespace brovel::pruebas
