// The hydrograph added ordinate by ordinate is the hydrograph added step by step,
// to the bit: on random basins and storms, on the largest one the program takes,
// and where a number leaves the doubles part way.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <typeinfo>

#include "model/URutinasZ.h"

using namespace brovel;

namespace {

// What one of the two ways leaves: the record, and the fault it ended with.
struct TResultado {
    TEstadoZumbrel e;
    std::string falla;
};

template <typename F>
TResultado Calcular(const TEstadoZumbrel& entrada, F&& calcular) {
    TResultado r{entrada, {}};
    try {
        calcular(r.e);
    } catch (const std::exception& error) {
        r.falla = std::string(typeid(error).name()) + ": " + error.what();
    }
    return r;
}

bool MismosBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Equal to the bit in every output of the routine, ordinates up to the last one.
void Comparar(const TEstadoZumbrel& entrada, const std::string& caso) {
    const TResultado porPasos = Calcular(entrada, [](TEstadoZumbrel& e) { CalcularHidrogramaPorPasos(e); });
    const TResultado porOrdenadas = Calcular(entrada, [](TEstadoZumbrel& e) { CalcularHidrograma(e); });
    ASSERT_EQ(porOrdenadas.falla, porPasos.falla) << caso;
    ASSERT_EQ(porOrdenadas.e.CantidadHe, porPasos.e.CantidadHe) << caso;
    ASSERT_EQ(porOrdenadas.e.He.size(), porPasos.e.He.size()) << caso;
    for (int64_t j = 1; j <= porPasos.e.CantidadHe; ++j)
        ASSERT_TRUE(MismosBits(porOrdenadas.e.He[j], porPasos.e.He[j]))
            << caso << ", ordenada " << j << ": " << porOrdenadas.e.He[j] << " y " << porPasos.e.He[j];
    EXPECT_TRUE(MismosBits(porOrdenadas.e.Vte, porPasos.e.Vte)) << caso;
    EXPECT_TRUE(MismosBits(porOrdenadas.e.Cp, porPasos.e.Cp)) << caso;
    EXPECT_TRUE(MismosBits(porOrdenadas.e.Vtesp, porPasos.e.Vtesp)) << caso;
}

class HidrogramaPorOrdenadas : public ::testing::Test {
protected:
    HidrogramaPorOrdenadas() { ValoresIniciales(e); }
    TEstadoZumbrel e;
};

}  // namespace

TEST_F(HidrogramaPorOrdenadas, CuencasYTormentasAlAzar) {
    std::mt19937_64 azar(20261210);
    const auto entre = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    for (int caso = 0; caso < 20000; ++caso) {
        e.Ptsd = entre(0, 1) < 0.2 ? entre(0.2, 5) : entre(5, 120);
        e.Tcc = entre(0, 1) < 0.1 ? 0 : entre(0.01, 30);
        e.Ac = entre(0, 1) < 0.05 ? 0 : entre(0.01, 5000);
        e.Sall = std::uniform_int_distribution<int>(1, kMaxDatosSerie)(azar);
        for (int k = 1; k <= e.Sall; ++k) {
            const double tipo = entre(0, 1);
            e.SvaeuaParcial[static_cast<size_t>(k)] =
                tipo < 0.2 ? 0 : (tipo < 0.25 ? -entre(0, 5) : entre(0, 1) * entre(0, 250));
        }
        Comparar(e, "caso " + std::to_string(caso));
        if (HasFatalFailure()) return;
    }
}

// Whatever shape the triangle takes: a step longer than the whole triangle, steps
// of nothing, a basin of no area, a negative step that turns it over, no steps.
TEST_F(HidrogramaPorOrdenadas, TriangulosDeFormaRara) {
    struct TCaso {
        const char* nombre;
        double ptsd, tcc, ac;
        int sall;
    };
    const TCaso casos[] = {
        {"paso mayor que el triángulo", 600, 0.1, 70, 6},
        {"cuenca sin tiempo de concentración", 30, 0, 70, 6},
        {"cuenca sin área", 30, 2, 0, 6},
        {"paso negativo", -30, 2, 70, 6},
        {"paso nulo", 0, 2, 70, 6},
        {"sin pasos", 30, 2, 70, 0},
        {"un paso", 1, 2, 70, 1},
    };
    for (const TCaso& c : casos) {
        e.Ptsd = c.ptsd;
        e.Tcc = c.tcc;
        e.Ac = c.ac;
        e.Sall = c.sall;
        for (int k = 1; k <= kMaxDatosSerie; ++k) e.SvaeuaParcial[static_cast<size_t>(k)] = k % 7;
        Comparar(e, c.nombre);
    }
}

// A runoff that leaves the doubles faults where adding step by step meets it, and
// leaves the ordinates that order had reached.
TEST_F(HidrogramaPorOrdenadas, UnDesbordeDejaLoMismo) {
    for (const double grande : {1e308, 1e306, 1e300}) {
        for (int donde = 1; donde <= 6; ++donde) {
            e.Sall = 6;
            for (int k = 1; k <= 6; ++k) e.SvaeuaParcial[static_cast<size_t>(k)] = k == donde ? grande : 10 * k;
            Comparar(e, std::to_string(grande) + " en el paso " + std::to_string(donde));
        }
    }
}

// The largest hydrograph the program takes, and the first it refuses.
TEST_F(HidrogramaPorOrdenadas, ElMasGrande) {
    e.Sall = kMaxDatosSerie;
    for (int k = 1; k <= kMaxDatosSerie; ++k) e.SvaeuaParcial[static_cast<size_t>(k)] = 0.5 + k % 7;
    e.Tcc = 30;
    for (const double paso : {0.028, 0.029}) {
        e.Ptsd = paso;
        Comparar(e, "paso de " + std::to_string(paso) + " min");
    }
    TEstadoZumbrel mayor = e;
    CalcularHidrograma(mayor);
    EXPECT_GT(mayor.CantidadHe, 99000);
    mayor.Ptsd = 0.028;
    EXPECT_THROW(CalcularHidrograma(mayor), ErrorHidrogramaExcesivo);
}
