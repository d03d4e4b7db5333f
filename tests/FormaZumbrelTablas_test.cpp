// The runoff form's reference tables: which table each button opens, and where
// the row picked from it goes.
#include <optional>
#include <string>

#include "FormaDePrueba.h"
#include "forms/FormaZumbrel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using T = TTablaZumbrel;
using LZ = TListaZumbrel;

struct CasoCodigo {
    std::string nombre;
    T tabla;
    int usoSuelo;  // the land use the Condicionantes tab recorded
    std::string codigo;
};

class CodigoDeTabla : public ::testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoDeTabla, AbreLaTablaDelBoton) {
    const CasoCodigo& c = GetParam();
    TInterlocutorDePrueba persona;
    TFormaZumbrel z(persona);
    z.Estado.UsoSuelo = static_cast<uint8_t>(c.usoSuelo);
    EXPECT_EQ(z.CodigoDeTabla(c.tabla), c.codigo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zumbrel, CodigoDeTabla, ::testing::Values(
    CasoCodigo{"GruposHidrologicos",       T::GruposHidrologicos, 2, "ES1"},
    CasoCodigo{"GruposPerturbados",        T::GruposPerturbados,  2, "ES2"},
    CasoCodigo{"Abstraccion",              T::Abstraccion,        2, "ES3"},
    CasoCodigo{"NumeroDeCurvaUrbano",      T::NumeroDeCurva,      0, "EC1"},
    CasoCodigo{"NumeroDeCurvaCultivado",   T::NumeroDeCurva,      1, "EC2"},
    CasoCodigo{"NumeroDeCurvaAgricola",    T::NumeroDeCurva,      2, "EC3"},
    CasoCodigo{"NumeroDeCurvaArido",       T::NumeroDeCurva,      3, "EC4"},
    CasoCodigo{"NumeroDeCurvaUsoFuera",    T::NumeroDeCurva,      9, "EC4"}),
    NombreDeCaso<CasoCodigo>);
// clang-format on

struct CasoFila {
    std::string nombre;
    T tabla;
    double valor;  // what the picked row yields
    std::optional<LZ> lista;
    std::string campo;
};

class TomarDeTabla : public ::testing::TestWithParam<CasoFila> {};

// A soil group's row selects the group without running the list's handler, so
// the model keeps the group it had; a number goes into its field.
TEST_P(TomarDeTabla, LlevaLaFilaASuDestino) {
    const CasoFila& c = GetParam();
    TInterlocutorDePrueba persona;
    TFormaZumbrel z(persona);
    const uint8_t grupo = z.Estado.Gh;
    const TDestinoDeTabla destino = z.TomarDeTabla(c.tabla, c.valor);
    EXPECT_EQ(destino.lista, c.lista);
    EXPECT_EQ(destino.campo, c.campo);
    if (c.lista) {
        EXPECT_EQ(z.Lista(*c.lista).indice, static_cast<int>(c.valor));
        EXPECT_EQ(z.Estado.Gh, grupo);
    } else {
        EXPECT_EQ(z.Campo(c.campo).GetBaseValue(), static_cast<long double>(c.valor));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zumbrel, TomarDeTabla, ::testing::Values(
    CasoFila{"GrupoA",              T::GruposHidrologicos, 0,  LZ::cbGh,     ""},
    CasoFila{"GrupoD",              T::GruposHidrologicos, 3,  LZ::cbGh,     ""},
    CasoFila{"GrupoPerturbadoC",    T::GruposPerturbados,  2,  LZ::cbGh,     ""},
    CasoFila{"Abstraccion",         T::Abstraccion,        12, std::nullopt, "euAi"},
    CasoFila{"NumeroDeCurva",       T::NumeroDeCurva,      77, std::nullopt, "euNc"}),
    NombreDeCaso<CasoFila>);
// clang-format on

}  // namespace
