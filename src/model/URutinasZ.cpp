#include "model/URutinasZ.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace brovel {
namespace {

// A result as the record stores it; one beyond the doubles is an overflow.
double ADoble(Real x) {
    const double d = static_cast<double>(x);
    if (!std::isfinite(d)) throw ErrorAritmetico("desbordamiento");
    return d;
}

std::string MensajeHidrogramaExcesivo(int64_t ordenadas) {
    return "El hidrograma tendría " + std::to_string(ordenadas) + " ordenadas, más de las " +
           std::to_string(kMaxOrdenadasHidrograma) +
           " que admite el programa: revise el paso temporal y los datos de la cuenca";
}

}  // namespace

ErrorHidrogramaExcesivo::ErrorHidrogramaExcesivo(int64_t ordenadas)
    : std::runtime_error(MensajeHidrogramaExcesivo(ordenadas)), ordenadas_(ordenadas) {}

int32_t RedondearAlPar(Real x) {
    const Real piso = std::floor(Finito(x));
    const Real resto = x - piso;  // exact
    const bool arriba = resto > 0.5L || (resto == 0.5L && std::fmod(piso, 2) != 0);
    return Truncar(arriba ? piso + 1 : piso);
}

void ValoresIniciales(TEstadoZumbrel& e) {
    e.Ddpmrhls = 21.79;
    e.Dntepmrys = 1020;
    e.Ac = 70.26;
    e.Ai = 18;
    e.Ptsd = 30;
    e.Sall = 6;
    e.Nc = 85;
    e.Gh = 1;
    e.SerieParcial = true;
    e.UsoSuelo = 0;
    e.Aai = true;
    constexpr double kAlturas[] = {9.4, 22.6, 73.4, 13.2, 7.3, 6.0};
    for (int k = 1; k <= 6; ++k) e.AllParcial[k] = kAlturas[k - 1];
}

void CalcularTiempoConcentracion(TEstadoZumbrel& e) {
    // In hours, from the distance in km and the fall in m.
    const Real cociente = Dividir(0.89L * Potencia(e.Ddpmrhls, 3), e.Dntepmrys);
    e.Tcc = ADoble(Potencia(cociente, 0.385L));
}

void CalcularSerieLluvia(TEstadoZumbrel& e) {
    const int n = AcotarDatosSerie(e.Sall);
    if (e.SerieParcial) {
        e.LlAcumulada[1] = e.AllParcial[1];
        e.LlParcial[1] = e.AllParcial[1];
        for (int k = 2; k <= n; ++k) {
            e.LlAcumulada[k] = ADoble(Real(e.LlAcumulada[k - 1]) + e.AllParcial[k]);
            e.LlParcial[k] = e.AllParcial[k];
        }
    } else {
        e.LlParcial[1] = e.AllAcumulada[1];
        e.LlAcumulada[1] = e.AllAcumulada[1];
        for (int k = 2; k <= n; ++k) {
            e.LlParcial[k] = ADoble(Real(e.AllAcumulada[k]) - e.AllAcumulada[k - 1]);
            e.LlAcumulada[k] = e.AllAcumulada[k];
        }
    }
    const Real paso = Real(e.Ptsd) / 60;  // h
    for (int k = 1; k <= n; ++k) e.LlHietograma[k] = ADoble(Dividir(e.LlParcial[k], paso));
}

void CalcularRetencion(TEstadoZumbrel& e) {
    e.Rpm = ADoble(Dividir(25400, Real(e.Nc)) - 254);
    if (!e.Aai) e.Ai = ADoble(0.2L * e.Rpm);
}

void CalcularEscorrentia(TEstadoZumbrel& e) {
    const int n = AcotarDatosSerie(e.Sall);
    // What is left of the abstraction; each step without runoff takes its whole
    // accumulated height from it.
    Real resto = e.Ai;
    for (int k = 1; k <= n; ++k) {
        const Real p = e.LlAcumulada[k];
        if (p > resto) {
            const Real x = p - resto;
            e.Svaeua[k] = ADoble(Dividir(x * x, x + e.Rpm));
            resto = 0;
        } else {
            e.Svaeua[k] = 0;
            resto -= p;
        }
    }
    e.SvaeuaParcial[1] = e.Svaeua[1];
    for (int k = 2; k <= n; ++k) e.SvaeuaParcial[k] = ADoble(Real(e.Svaeua[k]) - e.Svaeua[k - 1]);
}

namespace {

// The unit triangle of a storm: its rise, base and fall in steps, and the last
// ordinate, the end of the triangle of the last step.
struct TTriangulo {
    double qu = 0;  // its peak, in m³/s per mm of runoff
    int64_t np = 0, nb = 0, nr = 0, cantidad = 0;
};

// Sizes the hydrograph for `n` steps; one past kMaxOrdenadasHidrograma faults.
TTriangulo PrepararHidrograma(TEstadoZumbrel& e) {
    TTriangulo t;
    const Real paso = Real(e.Ptsd) / 60;  // h
    // The unit triangle: time to peak in hours, and its peak in m³/s per mm of runoff.
    const double tp = ADoble(0.5L * e.Ptsd / 60 + 0.6L * e.Tcc);
    t.qu = ADoble(Dividir(0.208L * e.Ac, tp));
    t.np = int64_t{RedondearAlPar(Dividir(tp, paso))} + 1;
    t.nb = int64_t{Truncar(Dividir(2.67L * tp, paso))} + 3;
    t.nr = t.nb - t.np;
    t.cantidad = t.nb + AcotarDatosSerie(e.Sall) - 1;
    if (t.cantidad > kMaxOrdenadasHidrograma) throw ErrorHidrogramaExcesivo(t.cantidad);
    if (t.cantidad >= 0 && e.He.size() < static_cast<size_t>(t.cantidad) + 1)
        e.He.resize(static_cast<size_t>(t.cantidad) + 1, 0.0);
    e.CantidadHe = static_cast<int32_t>(t.cantidad);
    return t;
}

// The volume, the peak and the volume per unit area of the ordinates.
void TotalesDelHidrograma(TEstadoZumbrel& e, int64_t cantidad) {
    e.Vte = 0;
    e.Cp = 0;
    for (int64_t j = 1; j <= cantidad; ++j) {
        e.Vte = ADoble(Real(e.Vte) + Real(e.He[j]) * e.Ptsd * 60);
        if (e.He[j] > e.Cp) e.Cp = e.He[j];
    }
    e.Vtesp = ADoble(Dividir(Dividir(e.Vte, e.Ac), 1000));
}

// The ordinates one at a time: each adds the triangles that reach it in the order
// of their steps, with the same products and quotients as CalcularHidrogramaPorPasos
// and rounded to a double after each addition, so every ordinate comes out the
// same to the bit. An ordinate's terms do not wait for one another, so their
// divisions overlap where the step-by-step order made each wait for a store.
// False, with the ordinates unfinished, when a number would leave the doubles:
// the step-by-step order then says where, as it always has.
bool HidrogramaPorOrdenadas(TEstadoZumbrel& e, const TTriangulo& t) {
    const int n = AcotarDatosSerie(e.Sall);
    // Each step's peak, rounded to a double as the record would hold it; one that
    // leaves the doubles makes its ordinates infinite, and is caught there.
    Real m[kMaxDatosSerie + 1];
    for (int i = 1; i <= n; ++i) m[i] = static_cast<double>(Real(t.qu) * e.SvaeuaParcial[static_cast<size_t>(i)]);
    // Four ordinates at a time, each its own sum, so that their additions and
    // roundings overlap; the terms of each come in the order of the steps.
    constexpr int kJuntas = 4;
    int64_t j = 1;
    for (; j + kJuntas - 1 <= t.cantidad; j += kJuntas) {
        double h[kJuntas] = {};
        const int64_t desde = std::max<int64_t>(1, j - t.nb + 1);
        const int64_t hasta = std::min<int64_t>(n, j + kJuntas - 1);
        for (int64_t i = desde; i <= hasta; ++i) {
            const Real mi = m[i];
            for (int k = 0; k < kJuntas; ++k) {
                const int64_t o = j + k;
                // Step i's triangle covers ordinates i to i - 1 + nb, rising to i - 1 + np.
                if (i > o || o > i - 1 + t.nb) continue;
                if (o <= i - 1 + t.np)
                    h[k] = static_cast<double>(h[k] + mi * (o - i + 1) / t.np);
                else
                    h[k] = static_cast<double>(h[k] + mi * (i - 1 + t.nb - o) / t.nr);
            }
        }
        for (int k = 0; k < kJuntas; ++k) {
            if (!std::isfinite(h[k])) return false;
            e.He[static_cast<size_t>(j + k)] = h[k];
        }
    }
    for (; j <= t.cantidad; ++j) {
        double h = 0;
        // The triangles past their peak at j come from the earlier steps.
        const int64_t desdeBajada = std::max<int64_t>(1, j - t.nb + 1);
        const int64_t hastaBajada = std::min<int64_t>(n, j - t.np);
        for (int64_t i = desdeBajada; i <= hastaBajada; ++i)
            h = static_cast<double>(h + m[i] * (i - 1 + t.nb - j) / t.nr);
        const int64_t desdeSubida = std::max<int64_t>(1, j - t.np + 1);
        const int64_t hastaSubida = std::min<int64_t>(n, j);
        for (int64_t i = desdeSubida; i <= hastaSubida; ++i) h = static_cast<double>(h + m[i] * (j - i + 1) / t.np);
        if (!std::isfinite(h)) return false;
        e.He[static_cast<size_t>(j)] = h;
    }
    return true;
}

}  // namespace

void CalcularHidrogramaPorPasos(TEstadoZumbrel& e) {
    const int n = AcotarDatosSerie(e.Sall);
    const TTriangulo t = PrepararHidrograma(e);
    const int64_t np = t.np, nb = t.nb, nr = t.nr, cantidad = t.cantidad;
    for (int64_t j = 1; j <= cantidad; ++j) e.He[j] = 0;

    // The triangle of step i starts at ordinate i - 1, peaks at i - 1 + np and ends
    // at i - 1 + nb; no other ordinate receives anything from it.
    for (int i = 1; i <= n; ++i) {
        const double m = ADoble(Real(t.qu) * e.SvaeuaParcial[i]);
        const int64_t ultima = std::min(cantidad, i - 1 + std::max(np, nb));
        for (int64_t j = i; j <= ultima; ++j) {
            if (j <= i - 1 + np)
                e.He[j] = ADoble(e.He[j] + Real(m) * (j - i + 1) / np);
            else if (j <= i - 1 + nb)
                e.He[j] = ADoble(e.He[j] + Real(m) * (i - 1 + nb - j) / nr);
        }
    }
    TotalesDelHidrograma(e, cantidad);
}

void CalcularHidrograma(TEstadoZumbrel& e) {
    const TTriangulo t = PrepararHidrograma(e);
    // Triangles that rise and fall, the storm's usual shape, go by ordinates; any
    // other shape, and a fault, by steps.
    if (t.np < 1 || t.nr < 1 || !HidrogramaPorOrdenadas(e, t)) return CalcularHidrogramaPorPasos(e);
    TotalesDelHidrograma(e, t.cantidad);
}

void CalcularZumbrel(TEstadoZumbrel& e) {
    BloqueProtegido([&] { CalcularTiempoConcentracion(e); });
    BloqueProtegido([&] { CalcularSerieLluvia(e); });
    BloqueProtegido([&] {
        CalcularRetencion(e);
        CalcularEscorrentia(e);
    });
    BloqueProtegido([&] { CalcularHidrograma(e); });
}

}  // namespace brovel
