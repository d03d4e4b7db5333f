#include "EjemploAyuda.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "Glosario.h"
#include "fields/Numeros.h"
#include "forms/CamposZumbrel.h"

namespace brovel::ayuda {
namespace {

constexpr std::string_view kNombreGrafico = "hidrograma-por-defecto.svg";

// Intermediate values the worked examples quote; no field shows them.
struct TValorIntermedio {
    const char* nombre;
    std::function<double(const TFormaBrovel&)> valor;
    int decimales;
};
const TValorIntermedio kIntermedios[] = {
    {"Et", [](const TFormaBrovel& f) { return f.Estado.Et; }, 3},
    {"Mi30m", [](const TFormaBrovel& f) { return f.Estado.Mi30m; }, 3},
    {"SenoPendiente", [](const TFormaBrovel& f) { return f.Estado.SenoPendiente; }, 5},
    {"ExponenteLongitud", [](const TFormaBrovel& f) { return f.Estado.ExponenteLongitud; }, 4},
    {"CantidadHe", [](const TFormaBrovel& f) { return static_cast<double>(f.Zumbrel.Estado.CantidadHe); }, 0},
    {"Ptsd", [](const TFormaBrovel& f) { return f.Zumbrel.Estado.Ptsd; }, 3},
    // The cumulative runoff at the end of the storm, in mm.
    {"EscorrentiaAcumulada",
     [](const TFormaBrovel& f) {
         const TEstadoZumbrel& e = f.Zumbrel.Estado;
         return e.Svaeua[static_cast<size_t>(std::clamp(e.Sall, 1, static_cast<int>(e.Svaeua.size()) - 1))];
     },
     2},
};

bool EsDeLaLadera(std::string_view nombre) {
    return std::any_of(CamposBrovel().begin(), CamposBrovel().end(), [&](const auto& c) { return c.nombre == nombre; });
}
bool EsDeLaCuenca(std::string_view nombre) {
    return std::any_of(CamposZumbrel().begin(), CamposZumbrel().end(),
                       [&](const auto& c) { return c.nombre == nombre; });
}

std::string FilasDeGrilla(const TGrillaResultados& grilla) {
    std::string filas;
    const int columnas = static_cast<int>(grilla.columnas.size());
    for (int fila = 0; fila <= grilla.Filas(); ++fila) {
        filas += fila == 0 ? "<tr class=\"unidades\">" : "<tr>";
        for (int columna = 0; columna < columnas; ++columna)
            filas += "<td class=\"numero\">" + EscaparHtml(grilla.Celda(fila, columna)) + "</td>";
        filas += "</tr>\n";
    }
    return filas;
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `valor`.
double TopeRedondo(double valor) {
    if (!(valor > 0)) return 1;
    const double potencia = std::pow(10.0, std::floor(std::log10(valor)));
    for (const double paso : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (paso * potencia >= valor * (1 - 1e-12)) return paso * potencia;
    return 10 * potencia;
}

std::string Num(double valor, int decimales = 1) { return RenderizarFijo(valor, decimales, true); }

}  // namespace

TEjemploAyuda::TEjemploAyuda() : ladera_(std::make_unique<TFormaBrovel>(persona_)) {
    ladera_->MostrarPestana(TPestanaBrovel::Erosion);
    ladera_->Zumbrel.MostrarPestana(TPestanaZumbrel::Escorrentia);
    std::string motivo;
    if (!persona_.errores.empty())
        motivo = persona_.errores.front();
    else if (ladera_->EstadoEnError())
        motivo = ladera_->TextoEstado();
    else if (ladera_->Zumbrel.EstadoEnError())
        motivo = ladera_->Zumbrel.TextoEstado();
    else if (!ladera_->SinActualizar().empty())
        motivo = "sin actualizar: " + ladera_->SinActualizar().front();
    if (!motivo.empty()) throw std::runtime_error("el proyecto nuevo no se calcula limpio: " + motivo);
    imagenes_[std::string(kNombreGrafico)] = SvgHidrograma();
}

std::optional<std::string> TEjemploAyuda::Campo(std::string_view nombre, std::string_view aspecto) {
    const bool ladera = EsDeLaLadera(nombre);
    if (!ladera && !EsDeLaCuenca(nombre)) return std::nullopt;
    const TCantidad& campo = ladera ? ladera_->Campo(nombre) : ladera_->Zumbrel.Campo(nombre);
    const TDefinicionCampo& fila = ladera ? CampoBrovel(nombre) : CampoZumbrel(nombre);
    const std::string unidad = campo.UnitAsString();
    if (aspecto == "numero") return EscaparHtml(campo.Text());
    if (aspecto == "unidad") return EscaparHtml(unidad);
    if (aspecto == "titulo") return EscaparHtml(fila.titulo);
    if (!aspecto.empty()) return std::nullopt;
    // A unit and its number are never split across lines.
    return EscaparHtml(unidad == "-" ? campo.Text() : campo.Text() + "\u00a0" + unidad);
}

std::optional<std::string> TEjemploAyuda::Resolver(std::string_view nombre) {
    if (nombre.starts_with("estado.")) {
        const std::string_view miembro = nombre.substr(7);
        for (const auto& intermedio : kIntermedios)
            if (miembro == intermedio.nombre)
                return RenderizarFijo(intermedio.valor(*ladera_), intermedio.decimales, true);
        return std::nullopt;
    }
    if (nombre == "filas.lluvia") return FilasDeGrilla(ladera_->Zumbrel.GrillaLluvia());
    if (nombre == "filas.escorrentia") return FilasDeGrilla(ladera_->Zumbrel.GrillaEscorrentia());
    if (nombre == "filas.hidrograma") return FilasDeGrilla(ladera_->Zumbrel.GrillaHidrograma());
    if (nombre == "grafico.hidrograma")
        return "<img src=\"" + std::string(kNombreGrafico) + "\" width=\"560\" height=\"280\"/>";
    const size_t punto = nombre.find('.');
    if (punto == std::string_view::npos) return Campo(nombre, {});
    return Campo(nombre.substr(0, punto), nombre.substr(punto + 1));
}

// The storm's intensities hang from the top as bars, the hydrograph rises from
// the bottom, on one time axis: the picture a hydrologist draws of an event.
std::string TEjemploAyuda::SvgHidrograma() const {
    const TEstadoZumbrel& e = ladera_->Zumbrel.Estado;
    const int pasos = AcotarDatosSerie(e.Sall);
    const int ordenadas = std::min<int>(std::max(e.CantidadHe, 0), static_cast<int>(e.He.size()) - 1);
    const double horasPorPaso = e.Ptsd / 60;
    const double horas = std::max(pasos, ordenadas) * horasPorPaso;
    double intensidad = 0, caudal = 0;
    for (int k = 1; k <= pasos; ++k) intensidad = std::max(intensidad, e.LlHietograma[static_cast<size_t>(k)]);
    for (int j = 1; j <= ordenadas; ++j) caudal = std::max(caudal, e.He[static_cast<size_t>(j)]);
    const double topeI = TopeRedondo(intensidad * 2), topeQ = TopeRedondo(caudal * 1.25), topeT = TopeRedondo(horas);

    const double x0 = 62, x1 = 490, y0 = 24, y1 = 238;
    const auto X = [&](double t) { return x0 + (x1 - x0) * t / topeT; };
    const auto YQ = [&](double q) { return y1 - (y1 - y0) * q / topeQ; };
    const auto YI = [&](double i) { return y0 + (y1 - y0) * i / topeI; };

    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" baseProfile=\"tiny\" width=\"560\" "
        "height=\"280\" viewBox=\"0 0 560 280\" font-family=\"DejaVu Sans\" font-size=\"10\">\n";
    // Grid and ticks: five divisions on each axis.
    for (int d = 0; d <= 5; ++d) {
        const double q = topeQ * d / 5, t = topeT * d / 5, i = topeI * d / 5;
        svg += "<line x1=\"" + Num(x0) + "\" y1=\"" + Num(YQ(q)) + "\" x2=\"" + Num(x1) + "\" y2=\"" + Num(YQ(q)) +
               "\" stroke=\"#dde3ea\" stroke-width=\"0.8\"/>\n";
        svg += "<text x=\"" + Num(x0 - 6) + "\" y=\"" + Num(YQ(q) + 3.5) + "\" text-anchor=\"end\">" + Num(q, 0) +
               "</text>\n";
        svg += "<text x=\"" + Num(X(t)) + "\" y=\"" + Num(y1 + 15) + "\" text-anchor=\"middle\">" + Num(t, 1) +
               "</text>\n";
        svg += "<text x=\"" + Num(x1 + 6) + "\" y=\"" + Num(YI(i) + 3.5) + "\" fill=\"#2b6cb0\">" + Num(i, 0) +
               "</text>\n";
    }
    for (int k = 1; k <= pasos; ++k) {
        const double i = e.LlHietograma[static_cast<size_t>(k)];
        svg += "<rect x=\"" + Num(X((k - 1) * horasPorPaso) + 0.6) + "\" y=\"" + Num(y0) + "\" width=\"" +
               Num(X(horasPorPaso) - x0 - 1.2) + "\" height=\"" + Num(std::max(0.0, YI(i) - y0)) +
               "\" fill=\"#9cc3e6\" stroke=\"#2b6cb0\" stroke-width=\"0.8\"/>\n";
    }
    std::string puntos = Num(X(0)) + "," + Num(YQ(0));
    for (int j = 1; j <= ordenadas; ++j)
        puntos += " " + Num(X(j * horasPorPaso)) + "," + Num(YQ(e.He[static_cast<size_t>(j)]));
    svg += "<polyline points=\"" + puntos + "\" fill=\"none\" stroke=\"#9b2c2c\" stroke-width=\"2\"/>\n";
    for (int j = 1; j <= ordenadas; ++j)
        svg += "<circle cx=\"" + Num(X(j * horasPorPaso)) + "\" cy=\"" + Num(YQ(e.He[static_cast<size_t>(j)])) +
               "\" r=\"2.4\" fill=\"#9b2c2c\"/>\n";
    svg += "<rect x=\"" + Num(x0) + "\" y=\"" + Num(y0) + "\" width=\"" + Num(x1 - x0) + "\" height=\"" + Num(y1 - y0) +
           "\" fill=\"none\" stroke=\"#4a5568\" stroke-width=\"1\"/>\n";
    svg += "<text x=\"" + Num((x0 + x1) / 2) + "\" y=\"" + Num(y1 + 32) +
           "\" text-anchor=\"middle\">Tiempo desde el comienzo de la lluvia [h]</text>\n";
    svg += "<text x=\"14\" y=\"" + Num((y0 + y1) / 2) + "\" text-anchor=\"middle\" transform=\"rotate(-90 14 " +
           Num((y0 + y1) / 2) + ")\" fill=\"#9b2c2c\">Caudal [m³/s]</text>\n";
    svg += "<text x=\"548\" y=\"" + Num((y0 + y1) / 2) + "\" text-anchor=\"middle\" transform=\"rotate(90 548 " +
           Num((y0 + y1) / 2) + ")\" fill=\"#2b6cb0\">Intensidad de lluvia [mm/h]</text>\n";
    svg += "</svg>\n";
    return svg;
}

}  // namespace brovel::ayuda
