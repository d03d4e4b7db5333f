// The controls of the runoff window's five calculation tabs, group by group, and
// its "..." buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>
#include <string>

#include "forms/CamposZumbrel.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/tables/Seleccion.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Pagina.h"
#include "ui/plots/GraficoTiempo.h"
#include "ui/plots/VistaGrafico.h"

namespace brovel {
namespace {

// A units selector of a grid; its entries are the form's.
QComboBox* NuevoSelector(QWidget* padre, const char* nombre) {
    auto* selector = new QComboBox(padre);
    selector->setObjectName(QString::fromLatin1(nombre));
    return selector;
}

struct TBotonTabla {
    const char* nombre;
    TTablaZumbrel tabla;
    // The caption beside it, and the caption's name when the window speaks of it. A
    // caption too long for its row breaks where a reader would.
    const char* rotulo;
    const char* nombreRotulo;
};

// clang-format off
const TBotonTabla kBotonesTabla[] = {
    {"bbSTC1",  TTablaZumbrel::GruposHidrologicos, "Caracterización de grupos hidrológicos de suelo (CPESC\u00a02002)",                   nullptr},
    {"BitBtn1", TTablaZumbrel::GruposPerturbados,  "Caracterización de grupos hidrológicos de suelo para\u00a0suelos\u00a0perturbados ",  nullptr},
    {"BitBtn6", TTablaZumbrel::Abstraccion,        "Valores típicos de abstracción inicial",                                             "Label15"},
    {"BitBtn2", TTablaZumbrel::NumeroDeCurva,      "Número de curva para áreas urbanas ",                                              "Label8"},
};
// clang-format on

const TBotonTabla& BotonTabla(std::string_view nombre) {
    for (const TBotonTabla& boton : kBotonesTabla)
        if (nombre == boton.nombre) return boton;
    throw std::logic_error("no hay botón de tabla " + std::string(nombre));
}

}  // namespace

void TMainFormZumbrel::CrearCampo(TFormulario& formulario, const char* nombre) {
    CampoPorNombre(nombre) = NuevoCampo(formulario, CampoZumbrel(nombre), forma_.Campo(nombre));
}

void TMainFormZumbrel::Campos(TFormulario& formulario, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres) CrearCampo(formulario, nombre);
}

TUnidades*& TMainFormZumbrel::CampoPorNombre(std::string_view nombre) {
#define BROVEL_BUSCAR_CAMPO(campo) \
    if (nombre == #campo) return campo;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_BUSCAR_CAMPO)
#undef BROVEL_BUSCAR_CAMPO
    throw std::out_of_range("campo desconocido: " + std::string(nombre));
}

QToolButton* TMainFormZumbrel::BotonDeTabla(TFormulario& formulario, const char* nombre) {
    const TBotonTabla& datos = BotonTabla(nombre);
    QToolButton* boton =
        formulario.BotonConRotulo(QString::fromLatin1(nombre), QStringLiteral("..."), QString::fromUtf8(datos.rotulo));
    boton->setToolTip(QStringLiteral("Seleccionar desde una Tabla"));
    if (datos.nombreRotulo) {
        for (QLabel* rotulo : boton->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (rotulo->buddy() == boton) rotulo->setObjectName(QString::fromLatin1(datos.nombreRotulo));
    }
    return boton;
}

void TMainFormZumbrel::ElegirDeTablaPara(const char* boton) {
    const TBotonTabla& datos = BotonTabla(boton);
    EjecutarProtegido(this, [&] {
        const std::optional<double> valor =
            ElegirDeTabla(this, QString::fromStdString(forma_.CodigoDeTabla(datos.tabla)));
        if (!valor) return;
        const TDestinoDeTabla destino = forma_.TomarDeTabla(datos.tabla, *valor);
        if (destino.lista) {
            Reflejar();
            ListaDe(*destino.lista)->setFocus();
            return;
        }
        CampoPorNombre(destino.campo)->setFocus();
    });
}

void TMainFormZumbrel::ConstruirPestanas() {
    ConstruirGeometria(PageControl->widget(Indice(TPestanaZumbrel::Geometria)));
    ConstruirSuelo(PageControl->widget(Indice(TPestanaZumbrel::Suelo)));
    ConstruirForzantes(PageControl->widget(Indice(TPestanaZumbrel::Forzantes)));
    ConstruirCondicionantes(PageControl->widget(Indice(TPestanaZumbrel::Condicionantes)));
    ConstruirEscorrentia(PageControl->widget(Indice(TPestanaZumbrel::Escorrentia)));
    TerminarPestanas(PageControl);
}

void TMainFormZumbrel::ConstruirGeometria(QWidget* pagina) {
    TPagina hoja(pagina);
    TFormulario& dimensiones = hoja.Grupo(QStringLiteral("Dimensiones"));
    Campos(dimensiones, {"euDdpmrhls", "euDntepmrys", "euAc"});
    // The basin, up to a little more than its drawn size, in the middle of its room.
    hoja.Llenar(new TDibujo(hoja.Contenido(), QStringLiteral(":/cuenca.svg"), QStringLiteral("DibujoCuenca"), 1.3, 0.5,
                            Qt::AlignVCenter));
    TFormulario& resultados = hoja.Grupo(QStringLiteral("Resultados"));
    Campos(resultados, {"euTccResultado"});
}

void TMainFormZumbrel::ConstruirSuelo(QWidget* pagina) {
    TPagina hoja(pagina);

    TFormulario& infiltracion = hoja.Grupo(QStringLiteral("Infiltración"));
    cbGh = infiltracion.Lista(QStringLiteral("cbGh"), QStringLiteral("lblGh"), QStringLiteral("Grupo hidrológico"));
    bbSTC1 = BotonDeTabla(infiltracion, "bbSTC1");
    BitBtn1 = BotonDeTabla(infiltracion, "BitBtn1");

    // What goes with an assigned abstraction shows and hides with the tick.
    TFormulario& abstraccion = hoja.Grupo(QStringLiteral("Abstracción"));
    cbAai = abstraccion.Casilla(QStringLiteral("cbAai"), QStringLiteral("Asignación de abstracción inicial"));
    TFormulario& asignada = hoja.Panel(QStringLiteral("Bevel8"));
    CrearCampo(asignada, "euAi");
    BitBtn6 = BotonDeTabla(asignada, "BitBtn6");
    Bevel8 = asignada.Grupo();
    abstraccion.Linea(Bevel8);
    Label15 = Bevel8->findChild<QLabel*>(QStringLiteral("Label15"));
}

void TMainFormZumbrel::ConstruirForzantes(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoLluvia = new TGraficoTiempo(TDisposicionTiempo::LluviaYAcumulada);
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaLluvia"), GraficoLluvia));

    TFormulario& lluvia = hoja.Grupo(QStringLiteral("Lluvia"));
    rcParcial = NuevaOpcion(pagina, "rcParcial", TituloDe(TGrupoZumbrel::Serie, 0));
    rbAcumulada = NuevaOpcion(pagina, "rbAcumulada", TituloDe(TGrupoZumbrel::Serie, 1));
    lluvia.Linea(Opciones(pagina, {rcParcial, rbAcumulada}));
    Campos(lluvia, {"euPtsd"});
    cbSall = lluvia.ListaDeNumeros(QStringLiteral("cbSall"), QStringLiteral("lblSall"),
                                   QStringLiteral("Cantidad de datos de la serie"));
    // The step editor: which step, and its height.
    TFormulario& pasos = hoja.Panel(QStringLiteral("pHt2"));
    cbLluvia = pasos.ListaDeNumeros(QStringLiteral("cbLluvia"), QStringLiteral("lblLluvia"),
                                    QStringLiteral("Paso de lluvia Número"));
    CrearCampo(pasos, "euAll");
    pHt2 = pasos.Grupo();
    lluvia.Linea(pHt2);

    cbUnidadesHietograma = NuevoSelector(pagina, "cbUnidadesHietograma");
    sgLlResultado = new TVistaGrilla(hoja.Contenido(), QStringLiteral("sgLlResultado"), forma_.GrillaLluvia());
    hoja.GrupoConGrilla(QStringLiteral("Resultados"), nullptr,
                        new TPanelGrilla(hoja.Contenido(), sgLlResultado, QStringLiteral("Lluvia en función del tiempo"),
                                         {QString(), QStringLiteral("Parcial"), QStringLiteral("Acumulada"),
                                          QStringLiteral("Hietograma")},
                                         cbUnidadesHietograma, 3, euPtsd));
}

void TMainFormZumbrel::ConstruirCondicionantes(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoEscorrentia = new TGraficoTiempo(TDisposicionTiempo::Linea);
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaEscorrentia"), GraficoEscorrentia));

    TFormulario& uso = hoja.Grupo(QStringLiteral("Uso del Suelo"));
    rbAu = NuevaOpcion(pagina, "rbAu", TituloDe(TGrupoZumbrel::UsoSuelo, 0));
    rbTac = NuevaOpcion(pagina, "rbTac", TituloDe(TGrupoZumbrel::UsoSuelo, 1));
    rbOta = NuevaOpcion(pagina, "rbOta", TituloDe(TGrupoZumbrel::UsoSuelo, 2));
    rbTpas = NuevaOpcion(pagina, "rbTpas", TituloDe(TGrupoZumbrel::UsoSuelo, 3));
    uso.Linea(Opciones(pagina, {rbAu, rbTac, rbOta, rbTpas}));

    TFormulario& cobertura = hoja.Grupo(QStringLiteral("Cobertura / Tratamiento"));
    Campos(cobertura, {"euNc"});
    BitBtn2 = BotonDeTabla(cobertura, "BitBtn2");
    Label8 = cobertura.Grupo()->findChild<QLabel*>(QStringLiteral("Label8"));

    TFormulario& retencion = hoja.Panel(QStringLiteral("ResultadosCondicionantes"));
    Campos(retencion, {"euRpmResultado"});
    cbUnidadesVolumenes = NuevoSelector(pagina, "cbUnidadesVolumenes");
    sgSvaeuaResultados =
        new TVistaGrilla(hoja.Contenido(), QStringLiteral("sgSvaeuaResultados"), forma_.GrillaEscorrentia());
    hoja.GrupoConGrilla(
        QStringLiteral("Resultados"), &retencion,
        new TPanelGrilla(hoja.Contenido(), sgSvaeuaResultados,
                         QStringLiteral("Serie de volúmenes acumulados de escorrentía por unidad de área"), {},
                         cbUnidadesVolumenes, 1, euRpmResultado));
}

void TMainFormZumbrel::ConstruirEscorrentia(QWidget* pagina) {
    TPagina hoja(pagina);

    GraficoHidrograma = new TGraficoTiempo(TDisposicionTiempo::Hidrograma);
    hoja.Grafico(new TVistaGrafico(pagina, QStringLiteral("VistaHidrograma"), GraficoHidrograma));

    TFormulario& resultados = hoja.Panel(QStringLiteral("ResultadosEscorrentia"));
    Campos(resultados, {"euVteResultado", "euVtespResultado"});
    // The specific volume is not the runoff depth: said where it is read.
    auto* nota = new QLabel(
        QStringLiteral("El volumen específico es el del hidrograma por unidad de área. Cada paso aporta un hidrograma "
                       "triangular de base redondeada hacia arriba y ensanchada en tres pasos, por lo que supera a la "
                       "escorrentía acumulada al final de la lluvia (pestaña Condicionantes). Ver Ayuda → Notas."),
        pagina);
    nota->setObjectName(QStringLiteral("NotaVolumenEspecifico"));
    nota->setWordWrap(true);
    // As wide as a caption and its field: the page never widens for it.
    constexpr int kAnchoNota = 560;
    nota->setFixedSize(kAnchoNota, nota->heightForWidth(kAnchoNota));
    QPalette gris = nota->palette();
    gris.setColor(QPalette::WindowText, QColor(96, 96, 96));
    nota->setPalette(gris);
    resultados.Linea(nota);
    Campos(resultados, {"euCpResultado"});
    cbUnidadHidrograma = NuevoSelector(pagina, "cbUnidadHidrograma");
    sgHeResultado = new TVistaGrilla(hoja.Contenido(), QStringLiteral("sgHeResultado"), forma_.GrillaHidrograma());
    hoja.GrupoConGrilla(QStringLiteral("Resultados"), &resultados,
                        new TPanelGrilla(hoja.Contenido(), sgHeResultado, QStringLiteral("Hidrograma de escorrentía"),
                                         {}, cbUnidadHidrograma, 1, euVteResultado));
}

}  // namespace brovel
