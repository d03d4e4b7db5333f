#include "forms/ReporteZumbrel.h"

#include <algorithm>

#include "docs/Reporte.h"
#include "fields/Numeros.h"
#include "forms/EncabezadoReporte.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

std::string F(double x) { return FormatoCincoDecimales(x); }
std::string G(double x) { return FormatoFijo(x, 2, 6); }
// A field's value as the user sees it: the number in its unit, then the unit; a
// result that is not current is never printed as one.
std::string V(const TFormaZumbrel& forma, TCantidad& campo) {
    if (!forma.MotivoDeCampo(campo).empty()) return std::string(kSinCalcular);
    return F(static_cast<double>(campo.AsFloat())) + " " + campo.UnitAsString();
}

class TReporteZumbrel {
public:
    explicit TReporteZumbrel(TFormaZumbrel& forma) : f_(forma), e_(forma.Estado) {}

    std::string Pieza(int numero) {
        switch (numero) {
            case 1:
                return "Distancia Desde el Punto más Remoto Hasta la Salida " + V(f_, f_.euDdpmrhls) + "\\par " +
                       "Diferencia de Nivel del Terreno entre el Punto más Remoto y la Salida " +
                       V(f_, f_.euDntepmrys) + "\\par " + "Area de la Cuenca " + V(f_, f_.euAc);
            case 2: return "Tiempo de Concentración de la Cuenca " + V(f_, f_.euTccResultado);
            case 3: return "Grupo Hidrológico " + f_.Lista(TListaZumbrel::cbGh).Texto();
            case 4:
                return std::string("Asignación de Abstracción Inicial: ") + (f_.AbstraccionAsignada() ? " Si" : " No");
            case 5: return "Abstracción Inicial " + V(f_, f_.euAi);
            case 6: return Titulo(TGrupoZumbrel::Serie);
            case 7: return "Paso de Tiempo de la Serie de Datos " + V(f_, f_.euPtsd);
            case 8: return SerieIngresada();
            case 9: return f_.GrillaLluvia().motivoViejo.empty() ? TablaLluvia() : std::string(kSinCalcular);
            case 10: return Titulo(TGrupoZumbrel::UsoSuelo);
            case 11: return "Número de Curva " + V(f_, f_.euNc) + " \\par ";
            case 12:
                return "Retención potencial máxima" + V(f_, f_.euRpmResultado) + "\\par " +
                       (f_.GrillaEscorrentia().motivoViejo.empty() ? TablaEscorrentia() : std::string(kSinCalcular));
            case 13: return f_.GrillaHidrograma().motivoViejo.empty() ? Hidrograma() : std::string(kSinCalcular);
            case kIdentificadorProyecto: return TextoLiteralRtf(f_.NombreProyecto);
            case kIdentificadorFecha: return FechaDelReporte();
            case kIdentificadorAviso: {
                std::vector<std::string> motivos;
                for (const std::string& miembro : f_.SinActualizar()) motivos.push_back(f_.MotivoDe(miembro));
                return AvisoSinCalcular(motivos);
            }
            default: return " ";
        }
    }

private:
    std::string Titulo(TGrupoZumbrel grupo) const {
        const int boton = f_.Opcion(grupo);
        return boton >= 0 && boton < static_cast<int>(BotonesDe(grupo).size()) ? TituloDe(grupo, boton) : "";
    }

    double Hora(int k) const { return HoraDelPaso(k, e_.Ptsd); }
    int Pasos() const { return std::clamp(e_.Sall, 0, kMaxDatosSerie); }

    std::string SerieIngresada() const {
        const TLista& cantidad = f_.Lista(TListaZumbrel::cbSall);
        std::string texto = "Serie de Alturas Parciales de Lluvia: " + cantidad.Texto() + "\\par ";
        const bool acumulada = f_.Opcion(TGrupoZumbrel::Serie) == 1;
        const int c = std::clamp(EnteroDeLista(cantidad), 0, kMaxDatosSerie);
        for (int k = 1; k <= c; ++k) {
            const auto i = static_cast<size_t>(k);
            texto += "Paso de Lluvia Número: " + std::to_string(k) +
                     (acumulada ? "        Altura de Lluvia Acumulada: " + G(e_.AllAcumulada[i])
                                : "        Altura de Lluvia Parcial: " + G(e_.AllParcial[i])) +
                     "\\par ";
        }
        return texto;
    }

    std::string TablaLluvia() const {
        std::string texto;
        for (int k = 1; k <= Pasos(); ++k) {
            const auto i = static_cast<size_t>(k);
            texto += "Tiempo: " + F(Hora(k)) + "\\tab \\tab Parcial: " + F(e_.LlParcial[i]) +
                     "\\tab \\tab Acum.: " + F(e_.LlAcumulada[i]) + "\\tab \\tab Hietograma: " + F(e_.LlHietograma[i]) +
                     "\\par ";
        }
        return texto + "Nota: tiempos en horas, alturas en mm, Hietograma en mm/hr.";
    }

    std::string TablaEscorrentia() const {
        std::string texto;
        for (int k = 1; k <= Pasos(); ++k)
            texto +=
                "Tiempo : " + F(Hora(k)) + "\\tab \\tab Vol/Area: " + F(e_.Svaeua[static_cast<size_t>(k)]) + "\\par ";
        return texto + "Nota: tiempos en horas, volumenes por unidad de área en mm.";
    }

    std::string Hidrograma() {
        std::string texto = "Volumen total de escorrentía " + V(f_, f_.euVteResultado) + "\\par " +
                            "Volumen total específico " + V(f_, f_.euVtespResultado) + "\\par " + "Caudal pico " +
                            V(f_, f_.euCpResultado) + "\\par ";
        const int ordenadas = std::clamp(e_.CantidadHe, 0, static_cast<int>(e_.He.size()) - 1);
        for (int j = 1; j <= ordenadas; ++j)
            texto += "Tiempo : " + F(Hora(j)) + "\\tab \\tab Valor: " + F(e_.He[static_cast<size_t>(j)]) + "\\par ";
        return texto + "Nota: tiempos en horas, Histograma en m³/s.";
    }

    TFormaZumbrel& f_;
    const TEstadoZumbrel& e_;
};

}  // namespace

std::string ValorIdentificador(TFormaZumbrel& forma, std::string_view identificador) {
    return TReporteZumbrel(forma).Pieza(NumeroDeIdentificador(identificador));
}

std::string ConstruirReporte(TFormaZumbrel& forma, const std::string& rutaPlantilla) {
    forma.EscorrentiaShow();
    std::string reporte;
    GenerarReporte(
        LeerPlantilla(rutaPlantilla), [&](std::string_view id) { return ValorIdentificador(forma, id); }, reporte);
    return reporte;
}

}  // namespace brovel
