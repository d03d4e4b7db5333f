#include "ui/windows/Constructor.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "ui/fields/Unidades.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/Pagina.h"

namespace brovel {
namespace {

QString Texto(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }

// How each drawing sits on its page: the slope up to almost twice its drawn size
// at the top of its room, a little below the groups; the basin up to a little
// more than its drawn size, in the middle of its room.
struct TDibujoDePagina {
    std::string_view nombre;
    const char* recurso;
    double escalaMaxima;
    double escalaMinima;
    Qt::Alignment vertical;
    int separacion;
};
const TDibujoDePagina kDibujos[] = {
    {"DibujoLadera", ":/ladera.svg", 1.8, 0.6, Qt::AlignTop, 12},
    {"DibujoCuenca", ":/cuenca.svg", 1.3, 0.5, Qt::AlignVCenter, 0},
};

const TDibujoDePagina& DibujoDePagina(std::string_view nombre) {
    for (const TDibujoDePagina& dibujo : kDibujos)
        if (dibujo.nombre == nombre) return dibujo;
    throw std::logic_error("no hay dibujo " + std::string(nombre));
}

// Shows and hides a control with another one: a button on a row of its own is
// there exactly while the field it fills is.
class TSeguirVisibilidad : public QObject {
public:
    TSeguirVisibilidad(QWidget* guia, QWidget* seguidor) : QObject(seguidor), seguidor_(seguidor) {
        guia->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::ShowToParent) seguidor_->setVisible(true);
        if (evento->type() == QEvent::HideToParent) seguidor_->setVisible(false);
        return false;
    }

private:
    QWidget* seguidor_;
};

class TConstructor {
public:
    TConstructor(QWidget* pagina, const TPiezasDeVentana& piezas) : pagina_(pagina), hoja_(pagina), piezas_(piezas) {}

    void Pagina(const std::vector<TFilaDescrita>& filas) {
        for (const TFilaDescrita& fila : filas) {
            switch (fila.tipo) {
                case TTipoFila::Grafico: hoja_.Grafico(piezas_.grafico(pagina_, fila.nombre)); break;
                case TTipoFila::Dibujo: Dibujo(fila); break;
                case TTipoFila::Grupo: Grupo(fila); break;
                default: throw std::logic_error("una fila suelta en la página: " + std::string(fila.nombre));
            }
        }
    }

private:
    void Dibujo(const TFilaDescrita& fila) {
        const TDibujoDePagina& d = DibujoDePagina(fila.nombre);
        if (d.separacion) hoja_.Columna()->addSpacing(d.separacion);
        hoja_.Llenar(new TDibujo(hoja_.Contenido(), QString::fromLatin1(d.recurso), Texto(d.nombre), d.escalaMaxima,
                                 d.escalaMinima, d.vertical));
    }

    // A group that holds a grid takes what is left of the page: its rows, a panel
    // of them, go above the grid.
    void Grupo(const TFilaDescrita& grupo) {
        const TFilaDescrita* grilla = nullptr;
        const TFilaDescrita* panel = nullptr;
        for (const TFilaDescrita& fila : grupo.filas) {
            if (fila.tipo == TTipoFila::Grilla) grilla = &fila;
            if (fila.tipo == TTipoFila::Panel) panel = &fila;
        }
        if (!grilla) {
            Filas(hoja_.Grupo(Texto(grupo.titulo), Texto(grupo.nombre)), grupo.filas);
            return;
        }
        TFormulario* filas = nullptr;
        if (panel) {
            filas = &hoja_.Panel(Texto(panel->nombre));
            Filas(*filas, panel->filas);
        }
        auto* selector = new QComboBox(pagina_);
        selector->setObjectName(Texto(grilla->lista));
        TVistaGrilla* vista = piezas_.grilla(hoja_.Contenido(), grilla->nombre);
        QStringList columnas;
        for (std::string_view columna : grilla->nombres) columnas << Texto(columna);
        hoja_.GrupoConGrilla(Texto(grupo.titulo), filas,
                             new TPanelGrilla(hoja_.Contenido(), vista, Texto(grilla->titulo), columnas, selector,
                                              grilla->columna, campos_.at(std::string(grilla->campo))));
    }

    void Filas(TFormulario& formulario, const std::vector<TFilaDescrita>& filas) {
        for (const TFilaDescrita& fila : filas) Fila(formulario, fila);
    }

    void Fila(TFormulario& f, const TFilaDescrita& fila) {
        const QString nombre = Texto(fila.nombre);
        switch (fila.tipo) {
            case TTipoFila::Campo: {
                TUnidades* campo = piezas_.campo(f, fila.nombre);
                campos_[std::string(fila.nombre)] = campo;
                if (!fila.boton.empty()) AyudaDeTabla(f.BotonJunto(campo, Texto(fila.boton), QStringLiteral("...")));
                break;
            }
            case TTipoFila::Lista: f.Lista(nombre, NombreDeEtiqueta(fila.nombre), Texto(fila.titulo)); break;
            case TTipoFila::ListaDeNumeros:
                f.ListaDeNumeros(nombre, NombreDeEtiqueta(fila.nombre), Texto(fila.titulo));
                break;
            case TTipoFila::Opciones: {
                std::vector<QRadioButton*> botones;
                for (std::string_view boton : fila.nombres)
                    botones.push_back(NuevaOpcion(pagina_, std::string(boton).c_str(), piezas_.tituloDeOpcion(boton)));
                f.Linea(Opciones(pagina_, botones));
                break;
            }
            case TTipoFila::Casilla: f.Casilla(nombre, Texto(fila.titulo)); break;
            case TTipoFila::Boton: f.Boton(nombre, Texto(fila.titulo)); break;
            case TTipoFila::BotonDeTabla: {
                QToolButton* boton = f.BotonConRotulo(nombre, QStringLiteral("..."), Texto(fila.titulo));
                AyudaDeTabla(boton);
                if (!fila.campo.empty()) {
                    TUnidades* campo = campos_.at(std::string(fila.campo));
                    new TSeguirVisibilidad(campo, boton);
                    if (OcultoExplicitamente(campo)) boton->setVisible(false);
                }
                break;
            }
            case TTipoFila::Panel: {
                TFormulario& panel = hoja_.Panel(nombre);
                Filas(panel, fila.filas);
                f.Linea(panel.Grupo());
                break;
            }
            case TTipoFila::Mensajes: {
                auto* mensajes = new QPlainTextEdit(hoja_.Contenido());
                mensajes->setObjectName(nombre);
                mensajes->setReadOnly(true);
                mensajes->setFixedHeight(mensajes->fontMetrics().lineSpacing() * 2 + 12);
                mensajes->setMinimumWidth(540);
                f.Linea(mensajes);
                break;
            }
            case TTipoFila::Nota: {
                auto* nota = new QLabel(Texto(fila.titulo), pagina_);
                nota->setObjectName(nombre);
                nota->setWordWrap(true);
                // As wide as a caption and its field: the page never widens for it.
                constexpr int kAnchoNota = 560;
                nota->setFixedSize(kAnchoNota, nota->heightForWidth(kAnchoNota));
                QPalette gris = nota->palette();
                gris.setColor(QPalette::WindowText, QColor(96, 96, 96));
                nota->setPalette(gris);
                f.Linea(nota);
                break;
            }
            case TTipoFila::Grupo:
            case TTipoFila::Grafico:
            case TTipoFila::Grilla:
            case TTipoFila::Dibujo:
                throw std::logic_error("una fila de página dentro de un grupo: " + std::string(fila.nombre));
        }
    }

    static void AyudaDeTabla(QToolButton* boton) { boton->setToolTip(QStringLiteral("Seleccionar desde una Tabla")); }

    QWidget* pagina_;
    TPagina hoja_;
    const TPiezasDeVentana& piezas_;
    std::map<std::string, TUnidades*> campos_;
};

}  // namespace

QString NombreDeEtiqueta(std::string_view lista) {
    return QStringLiteral("lbl") + Texto(lista.substr(lista.starts_with("cb") ? 2 : 0));
}

void ConstruirPagina(QWidget* pagina, const std::vector<TFilaDescrita>& filas, const TPiezasDeVentana& piezas) {
    TConstructor(pagina, piezas).Pagina(filas);
}

template <class TPestana>
void ConstruirPestanas(QTabWidget* pestanas, const std::vector<TPestanaDescrita<TPestana>>& descripcion,
                       const TPiezasDeVentana& piezas) {
    for (const auto& pestana : descripcion)
        if (!pestana.filas.empty()) ConstruirPagina(pestanas->widget(Indice(pestana.pestana)), pestana.filas, piezas);
    TerminarPestanas(pestanas);
}

template void ConstruirPestanas(QTabWidget*, const TDescripcionBrovel&, const TPiezasDeVentana&);
template void ConstruirPestanas(QTabWidget*, const TDescripcionZumbrel&, const TPiezasDeVentana&);

}  // namespace brovel
