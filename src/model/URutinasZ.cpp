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

void CalcularHidrograma(TEstadoZumbrel& e) {
    const int n = AcotarDatosSerie(e.Sall);
    const Real paso = Real(e.Ptsd) / 60;  // h
    // The unit triangle: time to peak in hours, and its peak in m³/s per mm of runoff.
    const double tp = ADoble(0.5L * e.Ptsd / 60 + 0.6L * e.Tcc);
    const double qu = ADoble(Dividir(0.208L * e.Ac, tp));
    // Its rise, base and fall in steps.
    const int64_t np = int64_t{RedondearAlPar(Dividir(tp, paso))} + 1;
    const int64_t nb = int64_t{Truncar(Dividir(2.67L * tp, paso))} + 3;
    const int64_t nr = nb - np;
    // The last triangle, of step n, ends at the last ordinate.
    const int64_t cantidad = nb + n - 1;
    if (cantidad > kMaxOrdenadasHidrograma) throw ErrorHidrogramaExcesivo(cantidad);

    if (cantidad >= 0 && e.He.size() < static_cast<size_t>(cantidad) + 1)
        e.He.resize(static_cast<size_t>(cantidad) + 1, 0.0);
    e.CantidadHe = static_cast<int32_t>(cantidad);
    for (int64_t j = 1; j <= cantidad; ++j) e.He[j] = 0;

    // The triangle of step i starts at ordinate i - 1, peaks at i - 1 + np and ends
    // at i - 1 + nb; no other ordinate receives anything from it.
    for (int i = 1; i <= n; ++i) {
        const double m = ADoble(Real(qu) * e.SvaeuaParcial[i]);
        const int64_t ultima = std::min(cantidad, i - 1 + std::max(np, nb));
        for (int64_t j = i; j <= ultima; ++j) {
            if (j <= i - 1 + np)
                e.He[j] = ADoble(e.He[j] + Real(m) * (j - i + 1) / np);
            else if (j <= i - 1 + nb)
                e.He[j] = ADoble(e.He[j] + Real(m) * (i - 1 + nb - j) / nr);
        }
    }

    e.Vte = 0;
    e.Cp = 0;
    for (int64_t j = 1; j <= cantidad; ++j) {
        e.Vte = ADoble(Real(e.Vte) + Real(e.He[j]) * e.Ptsd * 60);
        if (e.He[j] > e.Cp) e.Cp = e.He[j];
    }
    e.Vtesp = ADoble(Dividir(Dividir(e.Vte, e.Ac), 1000));
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
