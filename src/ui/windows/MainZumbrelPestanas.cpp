// The controls of the runoff window's five calculation tabs, group by group, and
// its "..." buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>

#include "forms/CamposZumbrel.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/tables/Seleccion.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/MainZumbrel.h"

namespace brovel {
namespace {

// A page of groups stacked as wide as the page, in a frameless scroll area so that
// nothing is ever clipped when the window is made smaller than its content.
class TPagina {
public:
    explicit TPagina(QWidget* pagina) {
        auto* marco = new QVBoxLayout(pagina);
        marco->setContentsMargins(0, 0, 0, 0);
        auto* desplazable = new QScrollArea(pagina);
        desplazable->setFrameShape(QFrame::NoFrame);
        desplazable->setWidgetResizable(true);
        contenido_ = new QWidget(desplazable);
        contenido_->setObjectName(pagina->objectName() + QStringLiteral("Contenido"));
        desplazable->setWidget(contenido_);
        marco->addWidget(desplazable);
        columna_ = new QVBoxLayout(contenido_);
        columna_->setContentsMargins(8, 6, 8, 6);
        columna_->setSpacing(6);
    }
    // What is left of the page's height goes below the last group, unless a
    // control was given it.
    ~TPagina() {
        if (!lleno_) columna_->addStretch(1);
    }

    // A titled group, below the previous one.
    TFormulario& Grupo(const QString& titulo, const QString& nombre = QString()) {
        TFormulario& f = formularios_.emplace_back(contenido_, titulo, nombre);
        columna_->addWidget(f.Grupo());
        return f;
    }
    // A panel of rows that goes inside a group's row, or inside a group of its own.
    TFormulario& Panel(const QString& nombre) { return formularios_.emplace_back(contenido_, QString(), nombre); }
    // A control below the groups that takes what is left of the page's height.
    void Llenar(QWidget* control) {
        columna_->addWidget(control, 1);
        lleno_ = true;
    }
    // A titled group that takes what is left of the page's height: its rows of
    // fields (`filas`, a panel of this page), then a result grid below them.
    void GrupoConGrilla(const QString& titulo, TFormulario* filas, TPanelGrilla* grilla) {
        auto* grupo = new QGroupBox(titulo, contenido_);
        auto* disposicion = new QVBoxLayout(grupo);
        // As a form's group: its rows and the grid start where theirs do.
        disposicion->setContentsMargins(10, 4, 10, 6);
        disposicion->setSpacing(6);
        if (filas) disposicion->addWidget(filas->Grupo());
        grilla->setParent(grupo);
        disposicion->addWidget(grilla, 1);
        Llenar(grupo);
    }

    QWidget* Contenido() const { return contenido_; }
    QVBoxLayout* Columna() const { return columna_; }

private:
    QWidget* contenido_;
    QVBoxLayout* columna_;
    std::deque<TFormulario> formularios_;
    bool lleno_ = false;
};

// The drawing of the basin: as large as its room allows, up to a little more than
// its drawn size, never distorted, in the middle of the room.
class TDibujoCuenca : public QWidget {
public:
    explicit TDibujoCuenca(QWidget* padre) : QWidget(padre), dibujo_(QStringLiteral(":/cuenca.svg")) {
        setObjectName(QStringLiteral("DibujoCuenca"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    QSize sizeHint() const override { return dibujo_.defaultSize(); }
    QSize minimumSizeHint() const override { return dibujo_.defaultSize() * 0.5; }

    // Where the drawing goes inside the widget.
    QRect Lugar() const {
        const QSizeF natural = dibujo_.defaultSize();
        if (natural.isEmpty()) return {};
        const double escala = std::min({width() / natural.width(), height() / natural.height(), kEscalaMaxima});
        const QSize tamano = (natural * escala).toSize();
        return {(width() - tamano.width()) / 2, (height() - tamano.height()) / 2, tamano.width(), tamano.height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        dibujo_.render(&pintor, Lugar());
    }

private:
    static constexpr double kEscalaMaxima = 1.3;
    QSvgRenderer dibujo_;
};

// A row of radio buttons side by side.
QWidget* Opciones(QWidget* padre, std::initializer_list<QRadioButton*> botones) {
    auto* fila = new QWidget(padre);
    auto* disposicion = new QHBoxLayout(fila);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(18);
    for (QRadioButton* boton : botones) {
        boton->setParent(fila);
        disposicion->addWidget(boton);
    }
    disposicion->addStretch(1);
    return fila;
}

QRadioButton* NuevaOpcion(QWidget* padre, const char* nombre, const char* titulo) {
    auto* boton = new QRadioButton(QString::fromUtf8(titulo), padre);
    boton->setObjectName(QString::fromUtf8(nombre));
    return boton;
}

// A units selector of a grid; its entries are the form's.
QComboBox* NuevoSelector(QWidget* padre, const char* nombre) {
    auto* selector = new QComboBox(padre);
    selector->setObjectName(QString::fromLatin1(nombre));
    return selector;
}

struct TBotonTabla {
    const char* nombre;
    // The table it opens; the curve-number button opens the one of the land use.
    const char* codigo;
    // The caption beside it, and the caption's name when the window speaks of it. A
    // caption too long for its row breaks where a reader would.
    const char* rotulo;
    const char* nombreRotulo;
};

// clang-format off
const TBotonTabla kBotonesTabla[] = {
    {"bbSTC1",  "ES1", "Caracterización de grupos hidrológicos de suelo (CPESC\u00a02002)",                   nullptr},
    {"BitBtn1", "ES2", "Caracterización de grupos hidrológicos de suelo para\u00a0suelos\u00a0perturbados ",  nullptr},
    {"BitBtn6", "ES3", "Valores típicos de abstracción inicial",                                             "Label15"},
    {"BitBtn2", nullptr, "Número de curva para áreas urbanas ",                                              "Label8"},
};
// clang-format on

const TBotonTabla& BotonTabla(std::string_view nombre) {
    for (const TBotonTabla& boton : kBotonesTabla)
        if (nombre == boton.nombre) return boton;
    throw std::logic_error("no hay botón de tabla " + std::string(nombre));
}

}  // namespace

void TMainFormZumbrel::CrearCampo(TFormulario& formulario, const char* nombre) {
    const TDefinicionCampo& d = CampoZumbrel(nombre);
    TUnidades* campo = formulario.Campo(QString::fromUtf8(nombre));
    CampoPorNombre(nombre) = campo;
    campo->Vincular(forma_.Campo(nombre));
    campo->SetCaption(QString::fromUtf8(d.titulo.data(), static_cast<int>(d.titulo.size())));
    if (d.clase == TClaseCampo::Entrada) campo->OnBoundsError = BoundsError;
    if (d.clase == TClaseCampo::Resultado) campo->SetReadOnly(true);
    const QString ayuda = QString::fromUtf8(d.ayuda.data(), static_cast<int>(d.ayuda.size()));
    campo->setToolTip(ayuda);
    campo->EditLabel()->setToolTip(ayuda);
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
        // The land use the Condicionantes tab last recorded chooses the curve-number table.
        const QString codigo = datos.codigo ? QString::fromLatin1(datos.codigo)
                                            : QStringLiteral("EC%1").arg(std::clamp<int>(forma_.Estado.UsoSuelo, 0, 3) + 1);
        const std::optional<double> valor = ElegirDeTabla(this, codigo);
        if (!valor) return;
        const std::string_view tabla = datos.codigo ? datos.codigo : "";
        if (tabla == "ES1" || tabla == "ES2") {
            // The group's row selects it, without the list's handler.
            forma_.SetIndice(TListaZumbrel::cbGh, static_cast<int>(*valor));
            Reflejar();
            cbGh->setFocus();
            return;
        }
        TUnidades* campo = datos.codigo ? euAi : euNc;
        campo->SetBaseValue(*valor);
        campo->setFocus();
    });
}

void TMainFormZumbrel::ConstruirPestanas() {
    ConstruirGeometria(PageControl->widget(0));
    ConstruirSuelo(PageControl->widget(1));
    ConstruirForzantes(PageControl->widget(2));
    ConstruirCondicionantes(PageControl->widget(3));
    ConstruirEscorrentia(PageControl->widget(4));
    TFormulario::AlinearColumnas(PageControl);
    for (QComboBox* lista : PageControl->findChildren<QComboBox*>()) RuedaSoloConFoco(lista);
    for (TUnidades* campo : PageControl->findChildren<TUnidades*>()) RuedaSoloConFoco(campo);
}

void TMainFormZumbrel::ConstruirGeometria(QWidget* pagina) {
    TPagina hoja(pagina);
    TFormulario& dimensiones = hoja.Grupo(QStringLiteral("Dimensiones"));
    Campos(dimensiones, {"euDdpmrhls", "euDntepmrys", "euAc"});
    hoja.Llenar(new TDibujoCuenca(hoja.Contenido()));
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

    TFormulario& lluvia = hoja.Grupo(QStringLiteral("Lluvia"));
    rcParcial = NuevaOpcion(pagina, "rcParcial", "Serie de alturas parciales de lluvia");
    rbAcumulada = NuevaOpcion(pagina, "rbAcumulada", "Serie de alturas acumuladas de lluvia");
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

    TFormulario& uso = hoja.Grupo(QStringLiteral("Uso del Suelo"));
    rbAu = NuevaOpcion(pagina, "rbAu", "Areas urbanas");
    rbTac = NuevaOpcion(pagina, "rbTac", "Terrenos agrícolas cultivados");
    rbOta = NuevaOpcion(pagina, "rbOta", "Otros terrenos agrícolas");
    rbTpas = NuevaOpcion(pagina, "rbTpas", "Terrenos de pastoreo áridos y semiáridos");
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

    TFormulario& resultados = hoja.Panel(QStringLiteral("ResultadosEscorrentia"));
    Campos(resultados, {"euVteResultado", "euVtespResultado", "euCpResultado"});
    cbUnidadHidrograma = NuevoSelector(pagina, "cbUnidadHidrograma");
    sgHeResultado = new TVistaGrilla(hoja.Contenido(), QStringLiteral("sgHeResultado"), forma_.GrillaHidrograma());
    hoja.GrupoConGrilla(QStringLiteral("Resultados"), &resultados,
                        new TPanelGrilla(hoja.Contenido(), sgHeResultado, QStringLiteral("Hidrograma de escorrentía"),
                                         {}, cbUnidadHidrograma, 1, euVteResultado));
}

}  // namespace brovel
