// The controls of the runoff window's five calculation tabs, built from the
// window's description, the members that keep them, and its "..." buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>
#include <string>

#include "forms/BotonesDeTabla.h"
#include "forms/CamposZumbrel.h"
#include "forms/Descripcion.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/tables/Seleccion.h"
#include "ui/windows/Constructor.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Pagina.h"
#include "ui/plots/GraficoTiempo.h"
#include "ui/plots/VistaGrafico.h"

namespace brovel {
namespace {

// The caption beside a table button, named as the window speaks of it.
QLabel* RotuloDe(const QToolButton* boton, const char* nombre) {
    for (QLabel* rotulo : boton->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (rotulo->buddy() != boton) continue;
        rotulo->setObjectName(QString::fromLatin1(nombre));
        return rotulo;
    }
    throw std::logic_error("el botón " + boton->objectName().toStdString() + " no tiene rótulo");
}

}  // namespace

void TMainFormZumbrel::ElegirDeTablaPara(std::string_view boton) {
    const TTablaZumbrel tabla = TablaDeBotonZumbrel(boton).value();
    EjecutarProtegido(this, [&] {
        const std::optional<double> valor = ElegirDeTabla(this, QString::fromStdString(forma_.CodigoDeTabla(tabla)));
        if (!valor) return;
        const TDestinoDeTabla destino = forma_.TomarDeTabla(tabla, *valor);
        if (destino.lista) {
            Reflejar();
            ListaDe(*destino.lista)->setFocus();
            return;
        }
        CampoPorNombre(destino.campo)->setFocus();
    });
}

void TMainFormZumbrel::ConstruirPestanas() {
    camposPorNombre_.Nombrar({BROVEL_CAMPOS_ZUMBREL(BROVEL_CAMPO_POR_NOMBRE)});
    TPiezasDeVentana piezas;
    piezas.campo = [this](TFormulario& formulario, std::string_view nombre) {
        return CampoPorNombre(nombre) = NuevoCampo(formulario, CampoZumbrel(nombre), forma_.Campo(nombre));
    };
    piezas.grafico = [this](QWidget* pagina, std::string_view nombre) -> QWidget* {
        const QString vista = QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
        TGraficoTiempo** grafico = nullptr;
        TDisposicionTiempo disposicion{};
        if (nombre == "VistaLluvia") grafico = &GraficoLluvia, disposicion = TDisposicionTiempo::LluviaYAcumulada;
        if (nombre == "VistaEscorrentia") grafico = &GraficoEscorrentia, disposicion = TDisposicionTiempo::Linea;
        if (nombre == "VistaHidrograma") grafico = &GraficoHidrograma, disposicion = TDisposicionTiempo::Hidrograma;
        if (!grafico) throw std::logic_error("no hay gráfico " + std::string(nombre));
        return new TVistaGrafico(pagina, vista, *grafico = new TGraficoTiempo(disposicion));
    };
    piezas.grilla = [this](QWidget* padre, std::string_view nombre) {
        const QString vista = QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
        if (nombre == "sgLlResultado") return new TVistaGrilla(padre, vista, forma_.GrillaLluvia());
        if (nombre == "sgSvaeuaResultados") return new TVistaGrilla(padre, vista, forma_.GrillaEscorrentia());
        if (nombre == "sgHeResultado") return new TVistaGrilla(padre, vista, forma_.GrillaHidrograma());
        throw std::logic_error("no hay grilla " + std::string(nombre));
    };
    piezas.tituloDeOpcion = [](std::string_view boton) { return TituloDeOpcion(kGruposZumbrel, boton); };
    brovel::ConstruirPestanas(PageControl, DescripcionZumbrel(), piezas);

    // clang-format off
#define BROVEL_BUSCAR(control) Buscar(Nombres(), control, #control);
    BROVEL_BUSCAR(rcParcial) BROVEL_BUSCAR(rbAcumulada)
    BROVEL_BUSCAR(rbAu) BROVEL_BUSCAR(rbTac) BROVEL_BUSCAR(rbOta) BROVEL_BUSCAR(rbTpas)
    BROVEL_BUSCAR(cbAai) BROVEL_BUSCAR(cbGh) BROVEL_BUSCAR(cbSall) BROVEL_BUSCAR(cbLluvia)
    BROVEL_BUSCAR(cbUnidadesHietograma) BROVEL_BUSCAR(cbUnidadesVolumenes) BROVEL_BUSCAR(cbUnidadHidrograma)
    BROVEL_BUSCAR(pHt2) BROVEL_BUSCAR(Bevel8)
    BROVEL_BUSCAR(bbSTC1) BROVEL_BUSCAR(BitBtn1) BROVEL_BUSCAR(BitBtn6) BROVEL_BUSCAR(BitBtn2)
    BROVEL_BUSCAR(sgLlResultado) BROVEL_BUSCAR(sgSvaeuaResultados) BROVEL_BUSCAR(sgHeResultado)
    // clang-format on
#undef BROVEL_BUSCAR
                            Label15 = RotuloDe(BitBtn6, "Label15");
    Label8 = RotuloDe(BitBtn2, "Label8");
}

}  // namespace brovel
