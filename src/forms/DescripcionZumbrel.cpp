// The runoff window as data: its tabs, their groups and the rows of each.
#include "forms/Descripcion.h"

namespace brovel {

const TDescripcionZumbrel& DescripcionZumbrel() {
    using namespace filas;
    using P = TPestanaZumbrel;
    // clang-format off
    static const TDescripcionZumbrel descripcion = {
        {P::Geometria, "Geometria", "Geometría", {
            Grupo("Dimensiones", {Campo("euDdpmrhls"), Campo("euDntepmrys"), Campo("euAc")}),
            Dibujo("DibujoCuenca"),
            Grupo("Resultados", {Campo("euTccResultado")}),
        }},
        {P::Suelo, "Suelo", "Suelo", {
            // A caption too long for its row breaks where a reader would.
            Grupo("Infiltración", {
                Lista("cbGh", "Grupo hidrológico"),
                BotonDeTabla("bbSTC1", "Caracterización de grupos hidrológicos de suelo (CPESC\u00a02002)"),
                BotonDeTabla("BitBtn1",
                             "Caracterización de grupos hidrológicos de suelo para\u00a0suelos\u00a0perturbados "),
            }),
            // What goes with an assigned abstraction shows and hides with the tick.
            Grupo("Abstracción", {
                Casilla("cbAai", "Asignación de abstracción inicial"),
                Panel("Bevel8", {
                    Campo("euAi"),
                    BotonDeTabla("BitBtn6", "Valores típicos de abstracción inicial", "euAi"),
                }),
            }),
        }},
        {P::Forzantes, "Forzantes", "Forzantes", {
            Grafico("VistaLluvia"),
            Grupo("Lluvia", {
                Opciones({"rcParcial", "rbAcumulada"}),
                Campo("euPtsd"),
                Numeros("cbSall", "Cantidad de datos de la serie"),
                // The step editor: which step, and its height.
                Panel("pHt2", {Numeros("cbLluvia", "Paso de lluvia Número"), Campo("euAll")}),
            }),
            Grupo("Resultados", {
                Grilla("sgLlResultado", "Lluvia en función del tiempo", {"", "Parcial", "Acumulada", "Hietograma"},
                       "cbUnidadesHietograma", 3, "euPtsd"),
            }),
        }},
        {P::Condicionantes, "Condicionantes", "Condicionantes", {
            Grafico("VistaEscorrentia"),
            Grupo("Uso del Suelo", {Opciones({"rbAu", "rbTac", "rbOta", "rbTpas"})}),
            Grupo("Cobertura / Tratamiento", {
                Campo("euNc"),
                BotonDeTabla("BitBtn2", "Número de curva para áreas urbanas ", "euNc"),
            }),
            Grupo("Resultados", {
                Panel("ResultadosCondicionantes", {Campo("euRpmResultado")}),
                Grilla("sgSvaeuaResultados", "Serie de volúmenes acumulados de escorrentía por unidad de área", {},
                       "cbUnidadesVolumenes", 1, "euRpmResultado"),
            }),
        }},
        {P::Escorrentia, "Escorrentia", "Escorrentía", {
            Grafico("VistaHidrograma"),
            Grupo("Resultados", {
                Panel("ResultadosEscorrentia", {
                    Campo("euVteResultado"), Campo("euVtespResultado"),
                    // The specific volume is not the runoff depth: said where it is read.
                    Nota("NotaVolumenEspecifico",
                         "El volumen específico es el del hidrograma por unidad de área. Cada paso aporta un "
                         "hidrograma triangular de base redondeada hacia arriba y ensanchada en tres pasos, por lo "
                         "que supera a la escorrentía acumulada al final de la lluvia (pestaña Condicionantes). Ver "
                         "Ayuda → Notas."),
                    Campo("euCpResultado"),
                }),
                Grilla("sgHeResultado", "Hidrograma de escorrentía", {}, "cbUnidadHidrograma", 1, "euVteResultado"),
            }),
        }},
        {P::Reporte, "TabSheet1", "Reporte", {}},
    };
    // clang-format on
    return descripcion;
}

}  // namespace brovel
