// The controls of the six calculation tabs, group by group.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "ui/fields/Unidades.h"
#include "forms/CamposBrovel.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Pagina.h"
#include "ui/plots/GraficoCurva.h"
#include "ui/plots/GraficoFactores.h"
#include "ui/plots/GraficoHietograma.h"
#include "ui/plots/VistaGrafico.h"

namespace brovel {

void TMainFormBrovel::CrearCampo(TFormulario& formulario, const char* nombre) {
    CampoPorNombre(nombre) = NuevoCampo(formulario, CampoBrovel(nombre), forma_->Campo(nombre));
}

void TMainFormBrovel::Campos(TFormulario& formulario, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres) CrearCampo(formulario, nombre);
}

TUnidades*& TMainFormBrovel::CampoPorNombre(std::string_view nombre) {
#define BROVEL_BUSCAR_CAMPO(campo) \
    if (nombre == #campo) return campo;
    BROVEL_CAMPOS_LADERA(BROVEL_BUSCAR_CAMPO)
#undef BROVEL_BUSCAR_CAMPO
    throw std::out_of_range("campo desconocido: " + std::string(nombre));
}

void TMainFormBrovel::ConstruirPestanas() {
    ConstruirGeometria(PageControl->widget(Indice(TPestanaBrovel::Geometria)));
    ConstruirSuelo(PageControl->widget(Indice(TPestanaBrovel::Suelo)));
    ConstruirForzantes(PageControl->widget(Indice(TPestanaBrovel::Forzantes)));
    ConstruirCondicionantes(PageControl->widget(Indice(TPestanaBrovel::Condicionantes)));
    ConstruirDisipacion(PageControl->widget(Indice(TPestanaBrovel::Disipacion)));
    ConstruirErosion(PageControl->widget(Indice(TPestanaBrovel::Erosion)));
    TerminarPestanas(PageControl);
}

void TMainFormBrovel::ConstruirGeometria(QWidget* pagina) {
    TPagina hoja(pagina);
    TFormulario& dimensiones = hoja.Grupo(QStringLiteral("Dimensiones"));
    Campos(dimensiones, {"euDt", "euLt"});

    hoja.Columna()->addSpacing(12);
    // The slope, up to almost twice its drawn size, at the top of its room.
    hoja.Llenar(new TDibujo(hoja.Contenido(), QStringLiteral(":/ladera.svg"), QStringLiteral("DibujoLadera"), 1.8, 0.6,
                            Qt::AlignTop));
}

void TMainFormBrovel::ConstruirSuelo(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoCurva = new TGraficoCurva;
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaCurva"), GraficoCurva));

    TFormulario& suelo = hoja.Grupo(QStringLiteral("Caracterización del suelo"));
    rbCrr = NuevaOpcion(pagina, "rbCrr", TituloDe(TGrupoOpciones::Suelo, 0));
    rbDm = NuevaOpcion(pagina, "rbDm", TituloDe(TGrupoOpciones::Suelo, 1));
    rbCyT = NuevaOpcion(pagina, "rbCyT", TituloDe(TGrupoOpciones::Suelo, 2));
    suelo.Linea(Opciones(pagina, {rbCrr, rbDm, rbCyT}));
    Campos(suelo, {"euCpcg"});
    cbPcg = suelo.ListaDeNumeros(QStringLiteral("cbPcg"), QStringLiteral("lblPcg"),
                                 QStringLiteral("Punto de Curva Granométrica"));
    lblPcg = suelo.Grupo()->findChild<QLabel*>(QStringLiteral("lblPcg"));
    Campos(suelo, {"euDg", "euPp"});
    Button1 = suelo.Boton(QStringLiteral("Button1"), QStringLiteral("Verif. Datos"));
    Campos(suelo, {"euDm"});
    cbCspe = suelo.Lista(QStringLiteral("cbCspe"), QStringLiteral("lblCspe"), QStringLiteral("Clase de suelo por Estructura"));
    lblCspe = suelo.Grupo()->findChild<QLabel*>(QStringLiteral("lblCspe"));
    Campos(suelo, {"euPl", "euPlm", "euPa", "euPmo"});
    cbCspp = suelo.Lista(QStringLiteral("cbCspp"), QStringLiteral("lblCspp"), QStringLiteral("Clase de suelo por permeabilidad"));
    lblCspp = suelo.Grupo()->findChild<QLabel*>(QStringLiteral("lblCspp"));
    cbD = suelo.Casilla(QStringLiteral("cbD"), QStringLiteral("Descongelamiento"));

    TFormulario& humedad = hoja.Grupo(QStringLiteral("Humedad"));
    Campos(humedad, {"euShs"});

    TFormulario& biomasa = hoja.Grupo(QStringLiteral("Biomasa"));
    Campos(biomasa, {"euBvs"});
    BotonDeTabla(biomasa, "BitBtn4");
    BotonDeTabla(biomasa, "BitBtn3");
    Campos(biomasa, {"euBrvs"});

    TFormulario& resultados = hoja.Grupo(QStringLiteral("Resultados"));
    Campos(resultados, {"euFesResultado", "euFtResultado", "euDMResultado"});
    MsgsS = new QPlainTextEdit(hoja.Contenido());
    MsgsS->setObjectName(QStringLiteral("MsgsS"));
    MsgsS->setReadOnly(true);
    MsgsS->setFixedHeight(MsgsS->fontMetrics().lineSpacing() * 2 + 12);
    MsgsS->setMinimumWidth(540);
    resultados.Linea(MsgsS);
}

void TMainFormBrovel::ConstruirForzantes(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoHietograma = new TGraficoHietograma;
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaHietograma"), GraficoHietograma));

    // Average rain: four ways to the erosivity R.
    TFormulario& media = hoja.Grupo(QStringLiteral("Lluvia media"));
    rbHr = NuevaOpcion(pagina, "rbHr", TituloDe(TGrupoOpciones::LluviaMedia, 0));
    rbSh = NuevaOpcion(pagina, "rbSh", TituloDe(TGrupoOpciones::LluviaMedia, 1));
    rbPre = NuevaOpcion(pagina, "rbPre", TituloDe(TGrupoOpciones::LluviaMedia, 2));
    rbFelle = NuevaOpcion(pagina, "rbFelle", TituloDe(TGrupoOpciones::LluviaMedia, 3));
    media.Linea(Opciones(pagina, {rbHr, rbSh}));
    media.Linea(Opciones(pagina, {rbPre, rbFelle}));
    Campos(media, {"euPth"});
    cbCph = media.ListaDeNumeros(QStringLiteral("cbCph"), QStringLiteral("lblCph"),
                                 QStringLiteral("Cantidad de pasos del Hietograma"));
    Campos(media, {"euPths"});
    cbCh = media.ListaDeNumeros(QStringLiteral("cbCh"), QStringLiteral("lblCh"),
                                QStringLiteral("Cantidad de Hietogramas"));
    cbCph2 = media.ListaDeNumeros(QStringLiteral("cbCph2"), QStringLiteral("lblCph2"),
                                  QStringLiteral("Cantidad de pasos del Hietograma"));
    Campos(media, {"euEt", "euMi30m", "euCta", "euFele"});

    // The step editors are groups of their own, shown with their option.
    TFormulario& representativo = hoja.Grupo(QStringLiteral("Hietograma representativo"), QStringLiteral("pHr"));
    cbPhn = representativo.ListaDeNumeros(QStringLiteral("cbPhn"), QStringLiteral("lblPhn"),
                                          QStringLiteral("Paso del Hietograma Número"));
    Campos(representativo, {"euCll"});
    pHr = representativo.Grupo();

    TFormulario& serie = hoja.Grupo(QStringLiteral("Serie de hietogramas"), QStringLiteral("pSh"));
    cbHn = serie.ListaDeNumeros(QStringLiteral("cbHn"), QStringLiteral("lblHn"), QStringLiteral("Hietograma Número"));
    cbPhn2 = serie.ListaDeNumeros(QStringLiteral("cbPhn2"), QStringLiteral("lblPhn2"),
                                  QStringLiteral("Paso del Hietograma Número"));
    Campos(serie, {"euCll1"});
    pSh = serie.Grupo();

    // The two storms handed to the runoff module (hyetographs 2 and 3): time step,
    // step count, the step editor and the button that runs the module.
    auto tormenta = [&](TFormulario& grupo, int h, QComboBox*& cantidad, QComboBox*& numero, QWidget*& panel,
                        QPushButton*& boton) {
        const auto nombre = [](const char* base, int i) { return QStringLiteral("%1%2").arg(QLatin1String(base)).arg(i); };
        CrearCampo(grupo, nombre("euPth", h).toLatin1().constData());
        cantidad = grupo.ListaDeNumeros(nombre("cbCph", h + 1), nombre("lblCph", h + 1),
                                        QStringLiteral("Cantidad de pasos del Hietograma"));
        TFormulario& pasos = hoja.Panel(nombre("pHt", h));
        numero = pasos.ListaDeNumeros(nombre("cbPhn", h + 1), nombre("lblPhn", h + 1),
                                      QStringLiteral("Paso del Hietograma Número"));
        CrearCampo(pasos, nombre("euCll", h).toLatin1().constData());
        panel = pasos.Grupo();
        grupo.Linea(panel);
        boton = grupo.Boton(h == 2 ? QStringLiteral("btUsarZumbrel") : QStringLiteral("btUsarZumbrel2"),
                            QStringLiteral("Calcular usando Zumbrel"));
    };

    TFormulario& extrema = hoja.Grupo(QStringLiteral("Lluvia extrema"));
    rbHdlt = NuevaOpcion(pagina, "rbHdlt", TituloDe(TGrupoOpciones::LluviaExtrema, 0));
    rbCe = NuevaOpcion(pagina, "rbCe", TituloDe(TGrupoOpciones::LluviaExtrema, 1));
    extrema.Linea(Opciones(pagina, {rbHdlt, rbCe}));
    tormenta(extrema, 2, cbCph3, cbPhn3, pHt2, btUsarZumbrel);
    Campos(extrema, {"euCe"});

    TFormulario& evento = hoja.Grupo(QStringLiteral("Evento de Lluvia"));
    rbHdlt2 = NuevaOpcion(pagina, "rbHdlt2", TituloDe(TGrupoOpciones::Evento, 0));
    rbPrde = NuevaOpcion(pagina, "rbPrde", TituloDe(TGrupoOpciones::Evento, 1));
    evento.Linea(Opciones(pagina, {rbHdlt2, rbPrde}));
    tormenta(evento, 3, cbCph4, cbPhn4, pHt3, btUsarZumbrel2);
    Campos(evento, {"euVp", "euCp"});

    TFormulario& resultados = hoja.Grupo(QStringLiteral("Resultados"));
    Campos(resultados, {"euFdeResultado", "euFelleResultado", "euCEResultado", "euVeeResultado", "euCpeResultado",
                        "euFpResultado", "euTecrResultado", "euPspcrResultado"});

    lblCph = findChild<QLabel*>(QStringLiteral("lblCph"));
    lblCh = findChild<QLabel*>(QStringLiteral("lblCh"));
    lblCph2 = findChild<QLabel*>(QStringLiteral("lblCph2"));
    lblCph3 = findChild<QLabel*>(QStringLiteral("lblCph3"));
    lblCph4 = findChild<QLabel*>(QStringLiteral("lblCph4"));
}

void TMainFormBrovel::ConstruirCondicionantes(QWidget* pagina) {
    TPagina hoja(pagina);

    TFormulario& follaje = hoja.Grupo(QStringLiteral("Follaje"));
    Campos(follaje, {"euFatc", "euAmf", "euScf"});
    BotonDeTabla(follaje, "BitBtn5");
    BotonDeTabla(follaje, "BitBtn6");

    TFormulario& labranza = hoja.Grupo(QStringLiteral("Labranza"));
    cbHl = labranza.Casilla(QStringLiteral("cbHl"), QStringLiteral("Hubo Labranza"));
    Campos(labranza, {"euTtfo", "euFapo", "euFcss", "euSups"});

    TFormulario& mulching = hoja.Grupo(QStringLiteral("Mulching"));
    cbHm = mulching.Casilla(QStringLiteral("cbHm"), QStringLiteral("Hubo Mulching"));
    Campos(mulching, {"euRacmr", "euPsrua"});
    BotonDeTabla(mulching, "bbSTC1");
    BotonDeTabla(mulching, "BitBtn7");
    cbMde = mulching.Lista(QStringLiteral("cbMde"), QStringLiteral("lblMde"), QStringLiteral("Mecanismo dominante de erosión"));
    lblMde = mulching.Grupo()->findChild<QLabel*>(QStringLiteral("lblMde"));

    TFormulario& practicas = hoja.Grupo(QStringLiteral("Prácticas de soporte"));
    cbHmg = practicas.Casilla(QStringLiteral("cbHmg"), QStringLiteral("Hubo Prácticas de Soporte"));
    cbTp = practicas.Lista(QStringLiteral("cbTp"), QStringLiteral("lblTp"), QStringLiteral("Tipo de Práctica"));
    lblTp = practicas.Grupo()->findChild<QLabel*>(QStringLiteral("lblTp"));
    Campos(practicas, {"euPs", "euAl", "euFps"});
    BotonDeTabla(practicas, "bbSTC2");
    BotonDeTabla(practicas, "bbSTC3");
    Campos(practicas, {"euEet", "euPt", "euTfp", "euCtc", "euFliii", "euFpsb", "euFpset", "euFpsed", "euFdPdS"});
}

void TMainFormBrovel::ConstruirDisipacion(QWidget* pagina) {
    TPagina hoja(pagina);

    TFormulario& rugosidad = hoja.Grupo(QStringLiteral("Rugosidad"));
    Campos(rugosidad, {"euRast"});
    BotonDeTabla(rugosidad, "BitBtn1");
    BotonDeTabla(rugosidad, "BitBtn2");

    TFormulario& flujo = hoja.Grupo(QStringLiteral("Resistencia al flujo"));
    Campos(flujo, {"euCmst", "euIrst"});
    BotonDeTabla(flujo, "bbSTD3");
    BotonDeTabla(flujo, "bbSTD4");

    TFormulario& resultados = hoja.Grupo(QStringLiteral("Resultados"));
    Campos(resultados, {"euScsResultado", "euSrsResultado", "euFcmResultado", "euLctResultado", "euFpsResultado"});
}

void TMainFormBrovel::ConstruirErosion(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoFactores = new TGraficoFactores;
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaFactores"), GraficoFactores));

    TFormulario& factores = hoja.Grupo(QStringLiteral("Resultados"));
    Campos(factores, {"euFeleEResultado", "euFpEResultado", "euFesEResultado", "euFtEResultado", "euSupsEResultado",
                      "euScfEResultado", "euScsEResultado", "euSrsEResultado", "euShsEResultado", "euFcmEResultado",
                      "euFpsbEResultado", "euFpsetEResultado", "euFpsedEResultado", "euFpsEResultado", "euTeEResultado",
                      "euPsEResultado"});
}

}  // namespace brovel
