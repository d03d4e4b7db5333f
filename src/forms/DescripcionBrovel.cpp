// The slope window as data: its tabs, their groups and the rows of each.
#include "forms/Descripcion.h"

namespace brovel {

const TDescripcionBrovel& DescripcionBrovel() {
    using namespace filas;
    using P = TPestanaBrovel;
    static constexpr std::string_view kPasos = "Cantidad de pasos del Hietograma";
    static constexpr std::string_view kPaso = "Paso del Hietograma Número";
    // clang-format off
    static const TDescripcionBrovel descripcion = {
        {P::Geometria, "Geometria", "Geometría", {
            Grupo("Dimensiones", {Campo("euDt"), Campo("euLt")}),
            Dibujo("DibujoLadera"),
        }},
        {P::Suelo, "Suelo", "Suelo", {
            Grafico("VistaCurva"),
            Grupo("Caracterización del suelo", {
                Opciones({"rbCrr", "rbDm", "rbCyT"}),
                Campo("euCpcg"),
                Numeros("cbPcg", "Punto de Curva Granométrica"),
                Campo("euDg"), Campo("euPp"),
                Boton("Button1", "Verif. Datos"),
                Campo("euDm"),
                Lista("cbCspe", "Clase de suelo por Estructura"),
                Campo("euPl"), Campo("euPlm"), Campo("euPa"), Campo("euPmo"),
                Lista("cbCspp", "Clase de suelo por permeabilidad"),
                Casilla("cbD", "Descongelamiento"),
            }),
            Grupo("Humedad", {Campo("euShs")}),
            Grupo("Biomasa", {
                Campo("euBvs"),
                BotonDeTabla("BitBtn4", "Masa de raíces en 10 cm superiores de suelo para cultivos (kg/ha)", "euBvs"),
                BotonDeTabla("BitBtn3", "Masa de raíces en 10 cm superiores de suelo para forrajes (kg/ha)", "euBvs"),
                Campo("euBrvs"),
            }),
            Grupo("Resultados", {
                Campo("euFesResultado"), Campo("euFtResultado"), Campo("euDMResultado"),
                Mensajes("MsgsS"),
            }),
        }},
        {P::Forzantes, "tsForzantes", "Forzantes", {
            Grafico("VistaHietograma"),
            // Average rain: four ways to the erosivity R.
            Grupo("Lluvia media", {
                Opciones({"rbHr", "rbSh"}),
                Opciones({"rbPre", "rbFelle"}),
                Campo("euPth"),
                Numeros("cbCph", kPasos),
                Campo("euPths"),
                Numeros("cbCh", "Cantidad de Hietogramas"),
                Numeros("cbCph2", kPasos),
                Campo("euEt"), Campo("euMi30m"), Campo("euCta"), Campo("euFele"),
            }),
            // The step editors are groups of their own, shown with their option.
            Grupo("Hietograma representativo", {
                Numeros("cbPhn", kPaso),
                Campo("euCll"),
            }, "pHr"),
            Grupo("Serie de hietogramas", {
                Numeros("cbHn", "Hietograma Número"),
                Numeros("cbPhn2", kPaso),
                Campo("euCll1"),
            }, "pSh"),
            // The two storms handed to the runoff window: time step, step count,
            // the step editor and the button that runs it.
            Grupo("Lluvia extrema", {
                Opciones({"rbHdlt", "rbCe"}),
                Campo("euPth2"),
                Numeros("cbCph3", kPasos),
                Panel("pHt2", {Numeros("cbPhn3", kPaso), Campo("euCll2")}),
                Boton("btUsarZumbrel", "Calcular usando Zumbrel"),
                Campo("euCe"),
            }),
            Grupo("Evento de Lluvia", {
                Opciones({"rbHdlt2", "rbPrde"}),
                Campo("euPth3"),
                Numeros("cbCph4", kPasos),
                Panel("pHt3", {Numeros("cbPhn4", kPaso), Campo("euCll3")}),
                Boton("btUsarZumbrel2", "Calcular usando Zumbrel"),
                Campo("euVp"), Campo("euCp"),
            }),
            Grupo("Resultados", {
                Campo("euFdeResultado"), Campo("euFelleResultado"), Campo("euCEResultado"), Campo("euVeeResultado"),
                Campo("euCpeResultado"), Campo("euFpResultado"), Campo("euTecrResultado"), Campo("euPspcrResultado"),
            }),
        }},
        {P::Condicionantes, "Condicionantes", "Condicionantes", {
            Grupo("Follaje", {Campo("euFatc", "BitBtn5"), Campo("euAmf", "BitBtn6"), Campo("euScf")}),
            Grupo("Labranza", {
                Casilla("cbHl", "Hubo Labranza"),
                Campo("euTtfo"), Campo("euFapo"), Campo("euFcss"), Campo("euSups"),
            }),
            Grupo("Mulching", {
                Casilla("cbHm", "Hubo Mulching"),
                Campo("euRacmr", "bbSTC1"), Campo("euPsrua", "BitBtn7"),
                Lista("cbMde", "Mecanismo dominante de erosión"),
            }),
            Grupo("Prácticas de soporte", {
                Casilla("cbHmg", "Hubo Prácticas de Soporte"),
                Lista("cbTp", "Tipo de Práctica"),
                Campo("euPs"), Campo("euAl"), Campo("euFps"),
                BotonDeTabla("bbSTC2", "Para estimar producción de sedimentos", "euFps"),
                BotonDeTabla("bbSTC3", "Para planificar prácticas de conservación", "euFps"),
                Campo("euEet"), Campo("euPt"), Campo("euTfp"), Campo("euCtc"), Campo("euFliii"), Campo("euFpsb"),
                Campo("euFpset"), Campo("euFpsed"), Campo("euFdPdS"),
            }),
        }},
        {P::Disipacion, "Disipacion", "Disipación", {
            Grupo("Rugosidad", {
                Campo("euRast"),
                BotonDeTabla("BitBtn1", "Valores típicos de la rugosidad aleatoria para operaciones de cultivo", "euRast"),
                BotonDeTabla("BitBtn2", "Valores típicos de la rugosidad aleatoria para campos de pastoreo", "euRast"),
            }),
            Grupo("Resistencia al flujo", {Campo("euCmst", "bbSTD3"), Campo("euIrst", "bbSTD4")}),
            Grupo("Resultados", {
                Campo("euScsResultado"), Campo("euSrsResultado"), Campo("euFcmResultado"), Campo("euLctResultado"),
                Campo("euFpsResultado"),
            }),
        }},
        {P::Erosion, "tsErosion", "Erosión", {
            Grafico("VistaFactores"),
            Grupo("Resultados", {
                Campo("euFeleEResultado"), Campo("euFpEResultado"), Campo("euFesEResultado"), Campo("euFtEResultado"),
                Campo("euSupsEResultado"), Campo("euScfEResultado"), Campo("euScsEResultado"), Campo("euSrsEResultado"),
                Campo("euShsEResultado"), Campo("euFcmEResultado"), Campo("euFpsbEResultado"),
                Campo("euFpsetEResultado"), Campo("euFpsedEResultado"), Campo("euFpsEResultado"),
                Campo("euTeEResultado"), Campo("euPsEResultado"),
            }),
        }},
        {P::Reporte, "Reporte", "Reporte", {}},
    };
    // clang-format on
    return descripcion;
}

}  // namespace brovel
