#include "forms/ReporteBrovel.h"

#include <algorithm>
#include <vector>

#include "docs/Reporte.h"
#include "fields/Numeros.h"
#include "forms/EncabezadoReporte.h"
#include "forms/FormaBrovel.h"

namespace brovel {
namespace {

// A field's number as the field yields it, in general format, then its unit. A
// result that is not current is never printed as one: "sin calcular" stands in
// its place; an input outside its range says so after its number.
std::string V(TFormaBrovel& forma, TCantidad& campo) {
    if (!forma.MotivoDeCampo(campo).empty()) return std::string(kSinCalcular);
    const std::string texto = FormatoGeneral(campo.AsFloat(), 15) + " " + campo.UnitAsString();
    return campo.FueraDeRango() ? texto + " (fuera del rango permitido)" : texto;
}

std::string F6(double x) { return FormatoFijo(x, 2, 6); }
std::string F4(double x) { return FormatoFijo(x, 2, 4); }
std::string SiNo(bool marcada) { return marcada ? "Si" : "No"; }

// The number a count selector shows, kept within the arrays it counts in.
int N(const TLista& lista) { return AcotarCantidad(EnteroDeLista(lista)); }

class TReporteBrovel {
public:
    explicit TReporteBrovel(TFormaBrovel& forma) : f_(forma), e_(forma.Estado) {}

    std::string Pieza(int numero) {
        switch (numero) {
            case 1: return V(f_, f_.euDt);
            case 2: return V(f_, f_.euLt);
            case 3: return TituloDe(TGrupoOpciones::Suelo, f_.Opcion(TGrupoOpciones::Suelo));
            case 4: return Suelo();
            case 5: return V(f_, f_.euShs);
            case 6: return SiNo(f_.Marcada(TCasilla::Descongelamiento));
            case 7: return V(f_, f_.euBvs);
            case 8: return V(f_, f_.euBrvs);
            case 9: return V(f_, f_.euFesResultado);
            case 10: return V(f_, f_.euFtResultado);
            case 11: return f_.Mostrado("euDMResultado") ? "Diámetro Medio " + V(f_, f_.euDMResultado) + " \\par " : "";
            case 12:
                return e_.FaltaExpresionLS
                           ? "No existen expresiones validadas para el factor topografico bajo estas condiciones"
                           : "";
            case 13: return TituloDe(TGrupoOpciones::LluviaMedia, f_.Opcion(TGrupoOpciones::LluviaMedia));
            case 14: return LluviaMedia();
            case 15: return TituloDe(TGrupoOpciones::LluviaExtrema, f_.Opcion(TGrupoOpciones::LluviaExtrema));
            case 16:
                return f_.OpcionLluviaExtrema() == TOpcionLluviaExtrema::Hietograma
                           ? Tormenta(f_.euPth2, TListaBrovel::cbCph3, e_.Cll2)
                           : "Cantidad de Escorrentía " + V(f_, f_.euCe);
            case 17: return TituloDe(TGrupoOpciones::Evento, f_.Opcion(TGrupoOpciones::Evento));
            case 18:
                return f_.OpcionEvento() == TOpcionEvento::Hietograma
                           ? Tormenta(f_.euPth3, TListaBrovel::cbCph4, e_.Cll3)
                           : "Volumen Precipitado " + V(f_, f_.euVp) + "\\par " + "Caudal Pico " + V(f_, f_.euCp);
            case 19: return ResultadosLluvia();
            case 20: return V(f_, f_.euFatc);
            case 21: return V(f_, f_.euAmf);
            case 22: return SiNo(Labranza());
            case 23:
                return Labranza() ? "Tiempo Transcurrido desde la Finalización de las Operaciones " + V(f_, f_.euTtfo)
                                  : "";
            case 24: return SiNo(f_.Marcada(TCasilla::Mulching));
            case 25: return Mulching();
            case 26: return SiNo(Practicas());
            case 27: return Practicas() ? "Tipo de Práctica: " + f_.Lista(TListaBrovel::cbTp).Texto() + "\\par " : "";
            case 28: return Practicas() ? Practica() : "";
            case 29: return FactoresCoberturaYPractica();
            case 30: return Rugosidad();
            case 31: return Disipacion();
            case 32: return Erosion();
            case kIdentificadorProyecto: return TextoLiteralRtf(NombreDelProyecto(f_));
            case kIdentificadorFecha: return FechaDelReporte();
            case kIdentificadorAviso: return Aviso();
            default: return " ";
        }
    }

private:
    std::string Aviso() const {
        std::vector<std::string> motivos;
        for (const std::string& miembro : f_.SinActualizar()) motivos.push_back(f_.MotivoDe(miembro));
        return AvisoSinCalcular(motivos);
    }

    bool Labranza() const { return f_.Marcada(TCasilla::Labranza); }
    bool Practicas() const { return f_.Marcada(TCasilla::PracticasDeSoporte); }
    int TipoDePractica() const { return f_.Lista(TListaBrovel::cbTp).indice; }

    std::string Suelo() {
        switch (f_.OpcionSuelo()) {
            case TOpcionSuelo::Curva: {
                std::string texto = "Cantidad de Puntos: " + V(f_, f_.euCpcg) + "\\par ";
                const int n = CantidadDeCampo(f_.euCpcg);
                for (int i = 1; i <= n; ++i)
                    texto += "Punto: " + std::to_string(i) + "        Diam. Grano: " + F6(e_.Dg[i]) + "  \\tab  " +
                             "% pasante: " + F4(e_.Pp[i]) + "\\par ";
                return texto;
            }
            case TOpcionSuelo::DiametroMedio: return "Diámetro medio: " + V(f_, f_.euDm);
            case TOpcionSuelo::ClaseYTextura:
                return "Clase de Suelo por Estructura " + f_.Lista(TListaBrovel::cbCspe).Texto() + " \\par " +
                       "% de Limos (15-20 cm sup.)   " + V(f_, f_.euPl) + " \\par " +
                       "% de Limos Modificado (15-20 cm sup.)   " + V(f_, f_.euPlm) + " \\par " +
                       "% de Arenas (15-20 cm sup.)   " + V(f_, f_.euPa) + " \\par " +
                       "% de Limos Mat. Org. (15-20 cm sup.)    " + V(f_, f_.euPmo) + " \\par " +
                       "Clase de Suelo por Perm.   " + f_.Lista(TListaBrovel::cbCspp).Texto() + " \\par ";
        }
        return "";
    }

    // The steps of one hyetograph of the average rain.
    std::string Pasos(int pasos, int hietograma) const {
        std::string texto;
        for (int k = 1; k <= pasos; ++k)
            texto += "\\tab Paso: " + std::to_string(k) + "        Cantidad de Lluvia: " +
                     F6(e_.Cll1[static_cast<size_t>(hietograma)][static_cast<size_t>(k)]) + "\\par ";
        return texto;
    }

    std::string LluviaMedia() {
        const std::string tormentas = "Cantidad de Tormentas por Año " + V(f_, f_.euCta);
        switch (f_.OpcionLluviaMedia()) {
            case TOpcionLluviaMedia::HietogramaRepresentativo:
                return "Paso Temporal del Hietograma " + V(f_, f_.euPth) + " \\par " +
                       "Cantidad de Pasos del Hietograma : " + f_.Lista(TListaBrovel::cbCph).Texto() + " \\par " +
                       Pasos(N(f_.Lista(TListaBrovel::cbCph)), 1) + tormentas;
            case TOpcionLluviaMedia::SerieDeHietogramas: {
                std::string texto = "Paso Temporal de los Hietogramas " + V(f_, f_.euPths) + " \\par " +
                                    "Cantidad de Hietogramas: " + f_.Lista(TListaBrovel::cbCh).Texto() + " \\par ";
                const TLista& pasos = f_.Lista(TListaBrovel::cbCph2);
                for (int h = 1; h <= N(f_.Lista(TListaBrovel::cbCh)); ++h)
                    texto += "Cantidad de Pasos del Hietograma número " + std::to_string(h) + ": " + pasos.Texto() +
                             " \\par " + Pasos(N(pasos), h);
                return texto + tormentas;
            }
            case TOpcionLluviaMedia::ParametrosDeEnergia:
                return "Energía de la Tormenta " + V(f_, f_.euEt) + "\\par " + "Máxima Intensidad de 30 min. " +
                       V(f_, f_.euMi30m) + "\\par " + tormentas;
            case TOpcionLluviaMedia::Erosividad:
                return "Factor de Erosividad de Lluvia de Escorrentía " + V(f_, f_.euFele);
        }
        return "";
    }

    // A storm's steps; its time step is written as the field shows it, without unit.
    std::string Tormenta(TCantidad& paso, TListaBrovel cantidad, const TSerie& lluvia) const {
        std::string texto = "Paso Temporal del Hietograma : " + paso.Text() + " \\par ";
        for (int k = 1; k <= N(f_.Lista(cantidad)); ++k)
            texto += "\\tab Paso: " + std::to_string(k) +
                     "        Cantidad de Lluvia: " + F6(lluvia[static_cast<size_t>(k)]) + "\\par ";
        return texto;
    }

    std::string ResultadosLluvia() {
        std::string texto =
            "Factor de Erosividad de Lluvia Escorrentía (R)" + V(f_, f_.euFelleResultado) + "\\par " +
            "Volumen Escurrido para el Evento " + V(f_, f_.euVeeResultado) + "\\par " + "Caudal Pico del Evento " +
            V(f_, f_.euCpeResultado) + "\\par " + "Factor de Producción (X) " + V(f_, f_.euFpResultado) + "\\par " +
            "Tasa de Erosión para Condiciones de Referencia (A)" + V(f_, f_.euTecrResultado) + "\\par " +
            "Producción de Sedimentos para Condiciones de Referencia (T)" + V(f_, f_.euPspcrResultado) + "\\par ";
        if (e_.OpcionLluviaExtrema == 0) texto += "Cantidad de Escorrentía " + V(f_, f_.euCEResultado) + "\\par ";
        if (e_.OpcionLluviaMedia <= 2) texto += "Factor de Energía (EI)" + V(f_, f_.euFdeResultado);
        return texto;
    }

    std::string Mulching() {
        if (!f_.Marcada(TCasilla::Mulching)) return "";
        return "Relación Area Cubierta a Masa de Residuo " + V(f_, f_.euRacmr) + "\\par " +
               "Peso Seco del Residuo por Unidad de Area " + V(f_, f_.euPsrua) + "\\par " +
               "Mecanismo Dominante de Erosión " + f_.Lista(TListaBrovel::cbMde).Texto();
    }

    std::string Practica() {
        switch (TipoDePractica()) {
            case 0:
                return "Pendiente de los Surcos " + V(f_, f_.euPs) + "\\par " + "Altura de los Lomos " + V(f_, f_.euAl);
            case 1: return "Factor de Práctica de Soporte " + V(f_, f_.euFps);
            case 2:
                return "Espaciamiento entre Terrazas " + V(f_, f_.euEet) + "\\par " + "Pendiente de la Terraza " +
                       V(f_, f_.euPt);
            case 3:
                return "Tiempo Desde que Fué Perturbado " + V(f_, f_.euTfp) + "\\par " +
                       "Constante de Tiempo de Consolidación " + V(f_, f_.euCtc) + "\\par " +
                       "Fracción de LLuvia Infiltrada en el Instante Inicial " + V(f_, f_.euFliii);
            default: return "";
        }
    }

    std::string FactoresCoberturaYPractica() {
        std::string texto;
        if (Labranza()) texto += "Factor de Consolidación del Suelo Superficial (Cf) " + V(f_, f_.euFcss) + "\\par ";
        texto += "Subfactor de Uso Previo del Suelo (PLU) " + V(f_, f_.euSups) + "\\par " +
                 "Subfactor de Cobertura de Follaje (CC) " + V(f_, f_.euScf) + "\\par ";
        const std::string p = "Factor de Práctica de Soporte (P) " + V(f_, f_.euFdPdS) + "\\par ";
        if (!Practicas()) return texto + p;
        switch (TipoDePractica()) {
            case 0:
                return texto + "Factor de Práctica de Soporte Básico (Pb) " + V(f_, f_.euFpsb) + "\\par " +
                       "Factor de Práctica de Soporte con Efecto de Tormentas (Pt) " + V(f_, f_.euFpset) + "\\par " +
                       "Factor de Práctica de Soporte con Efecto de Desnivel (Pg)  " + V(f_, f_.euFpsed) + "\\par ";
            case 1:
            case 2: return texto + p;
            default: return texto;
        }
    }

    std::string Rugosidad() {
        std::string texto = "Rugosidad Aleatoria de la Superficie del Terreno " + V(f_, f_.euRast);
        if (TipoDePractica() == 0 && Practicas())
            texto += "\\par Coeficiente de Manning de la Superficie del Terreno " + V(f_, f_.euCmst);
        if (TipoDePractica() == 3 && Practicas())
            texto += "\\par Índice de Rugosidad de la Superficie del Terreno " + V(f_, f_.euIrst);
        return texto;
    }

    std::string Disipacion() {
        std::string texto = "Subfactor de Cobertura Superficial (SC) " + V(f_, f_.euScsResultado) + "\\par " +
                            "Subfactor de Rugosidad Superficial (SR) " + V(f_, f_.euSrsResultado) + "\\par " +
                            "Factor de Cobertura-Manejo (C) " + V(f_, f_.euFcmResultado) + "\\par ";
        if (e_.Tp == 0) texto += "Longitud Crítica del Brovel (Lambda c) " + V(f_, f_.euLctResultado) + "\\par ";
        if (e_.Tp == 0 || e_.Tp == 3) texto += "Factor de Práctica de Soporte (P) " + V(f_, f_.euFpsResultado);
        return texto;
    }

    std::string Erosion() {
        struct TLinea {
            const char* titulo;
            TCantidad& campo;
        };
        const auto escribir = [this](std::initializer_list<TLinea> lineas) {
            std::string texto;
            for (const TLinea& l : lineas) texto += l.titulo + V(f_, l.campo) + "\\par ";
            return texto;
        };
        std::string texto = escribir({
            {"Factor de Erosividad de Lluvia-Escorrentía (R) ", f_.euFeleEResultado},
            {"Factor de Producción (X) ", f_.euFpEResultado},
            {"Factor de Erosibilidad del Suelo (K) ", f_.euFesEResultado},
            {"Factor Topográfico (LS) ", f_.euFtEResultado},
            {"Factor de Cobertura-Manejo (C) ", f_.euFcmEResultado},
            {"Subfactor de Uso Previo del Suelo (PLU) ", f_.euSupsEResultado},
            {"Subfactor de Cobertura de Follaje (CC) ", f_.euScfEResultado},
            {"Subfactor de Cobertura Superficial (SC) ", f_.euScsEResultado},
            {"Subfactor de Rugosidad Superficial (SR) ", f_.euSrsEResultado},
            {"Subfactor de Humedad del Suelo (SM) ", f_.euShsEResultado},
            {"Factor de Práctica de Soporte (P) ", f_.euFpsEResultado},
        });
        if (e_.Tp == 0)
            texto += escribir({
                {"Factor de Práctica de Soporte Básico (Pb) ", f_.euFpsbEResultado},
                {"Factor de Práctica de Soporte con Efecto de Tormentas (Pt) ", f_.euFpsetEResultado},
                {"Factor de Práctica de Soporte con Efecto de Desnivel (Pg) ", f_.euFpsedEResultado},
            });
        return texto + escribir({
                           {"Tasa de Erosión (A) ", f_.euTeEResultado},
                           {"Producción de Sedimentos (T) ", f_.euPsEResultado},
                       });
    }

    TFormaBrovel& f_;
    const TEstadoBrovel& e_;
};

}  // namespace

std::string ValorIdentificador(TFormaBrovel& forma, std::string_view identificador) {
    return TReporteBrovel(forma).Pieza(NumeroDeIdentificador(identificador));
}

std::optional<std::string> ConstruirReporte(TFormaBrovel& forma, const std::string& rutaPlantilla, int* sinCalcular) {
    forma.tsErosionShow();
    if (forma.RecalculoSuspendido) return std::nullopt;
    std::string reporte;
    int cuenta = 0;
    GenerarReporte(
        LeerPlantilla(rutaPlantilla),
        [&](std::string_view id) {
            std::string pieza = ValorIdentificador(forma, id);
            if (id != "$" + std::to_string(kIdentificadorAviso))
                for (size_t i = pieza.find(kSinCalcular); i != std::string::npos; i = pieza.find(kSinCalcular, i + 1))
                    ++cuenta;
            return pieza;
        },
        reporte);
    if (sinCalcular) *sinCalcular = cuenta;
    return reporte;
}

}  // namespace brovel
