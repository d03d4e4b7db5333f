// What both windows do alike as views of their forms: the tabs and the status
// panel, the report's commands and the help menu, the option groups and the lists
// bound to their form and mirrored from it, and finding a control by its name.
// `TVentanaQt` is the kind of window (the main window, or a dialog).
#pragma once

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QString>
#include <QTabWidget>
#include <QToolButton>

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/CamposPorNombre.h"
#include "ui/windows/Marco.h"
#include "ui/windows/Reflejo.h"

namespace brovel {

class TPanelEstado;
class TPanelReporte;
class TUnidades;

// The control `nombre` of the window, of its kind; a window that lacks it is a
// fault of its description.
template <class T>
void Buscar(const TNombresDeVentana& controles, T*& control, const char* nombre) {
    control = controles.template Buscar<T>(QString::fromLatin1(nombre));
    if (!control) throw std::logic_error(std::string("la ventana no tiene ") + nombre);
}

// The caption of the option button `boton`, from the groups `grupos` of a form.
template <class TGrupo, std::size_t n>
const char* TituloDeOpcion(const TGrupo (&grupos)[n], std::string_view boton) {
    for (TGrupo grupo : grupos) {
        const std::vector<const char*>& botones = BotonesDe(grupo);
        for (std::size_t i = 0; i < botones.size(); ++i)
            if (boton == botones[i]) return TituloDe(grupo, static_cast<int>(i));
    }
    throw std::logic_error("no hay opción " + std::string(boton));
}

// The object names, captions and keys by which a window's report commands go.
struct TNombresDeReporte {
    const char* imprimir;
    const char* tituloImprimir;
    const char* atajoImprimir;
    const char* notas;
};

template <class TVentanaQt>
class TVentanaDeForma : public TVentanaQt {
public:
    QTabWidget* PageControl = nullptr;
    TPanelEstado* Panel1 = nullptr;

    QAction* ImprimirReporte = nullptr;
    QAction* ExportarReporte = nullptr;
    QAction* Salir = nullptr;
    QAction* Notas = nullptr;
    QAction* AcercaDe = nullptr;

    QString RutaModeloReporte;
    // The "Reporte" tab: the view and the report it shows.
    TPanelReporte* Reporte = nullptr;

protected:
    using TVentanaQt::TVentanaQt;

    // The report's commands, Salir and the help menu's entries.
    void CrearAccionesComunes(const TNombresDeReporte& nombres) {
        ImprimirReporte = CrearAccion(this, nombres.imprimir, nombres.tituloImprimir, nombres.atajoImprimir);
        ExportarReporte = CrearAccion(this, "ExportarReporte", "E&xportar reporte...");
        Salir = CrearAccion(this, "Salir", "&Salir");
        Notas = CrearAccion(this, nombres.notas, "&Notas...");
        AcercaDe = CrearAccion(this, "AcercaDe", "A&cerca de...");
    }
    // "Archivo", with the window's own commands `propias` first, then the report's
    // and Salir; and "Ayuda".
    void ArmarMenus(QMenuBar* barra, std::vector<QAction*> propias) {
        propias.insert(propias.end(), {ImprimirReporte, ExportarReporte, nullptr, Salir});
        AgregarMenu(barra, "&Archivo", propias);
        AgregarMenu(barra, "A&yuda", {Notas, AcercaDe});
    }

    // The member that keeps the field `nombre`; throws std::out_of_range for an
    // unknown one. The window names its fields first of all, in camposPorNombre_.
    TUnidades*& CampoPorNombre(std::string_view nombre) { return camposPorNombre_.En(nombre); }

    template <class TNombreLista>
    QComboBox* ListaDe(TNombreLista lista) const {
        return PageControl->findChild<QComboBox*>(QString::fromLatin1(NombreDe(lista)));
    }

    // The controls of the tabs by name, found in one walk the first time they are
    // asked for while the window is built; OlvidarNombres once it is.
    const TNombresDeVentana& Nombres() {
        if (!nombres_) nombres_ = std::make_unique<TNombresDeVentana>(PageControl);
        return *nombres_;
    }
    void OlvidarNombres() { nombres_.reset(); }

    // Each "..." button named in `nombres` runs `elegir` with its name.
    void ConectarBotonesDeTabla(const std::vector<std::string_view>& nombres,
                                const std::function<void(std::string_view boton)>& elegir) {
        for (const std::string_view nombre : nombres) {
            QToolButton* boton = nullptr;
            Buscar(Nombres(), boton, std::string(nombre).c_str());
            QObject::connect(boton, &QToolButton::clicked, this, [elegir, nombre] { elegir(nombre); });
        }
    }

    // Every option group and list edits `forma`: a click chooses a button; the
    // user's pick in a list runs its handler, code's selection does not. They are
    // found once, for ReflejarOpcionesYListas.
    template <class TForma, std::size_t n>
    void ConectarOpcionesYListas(TForma& forma, const typename TForma::TGrupoDeForma (&grupos)[n]) {
        using TNombreLista = typename TForma::TListaDeForma;
        for (const auto grupo : grupos) {
            AgruparOpciones(this, Nombres(), BotonesDe(grupo),
                            [&forma, grupo](int i) { forma.ElegirOpcion(grupo, i); });
            opciones_.push_back(BuscarOpciones(Nombres(), BotonesDe(grupo)));
        }
        for (std::size_t i = 0; i < TForma::kListasDeForma; ++i) {
            const auto lista = static_cast<TNombreLista>(i);
            QComboBox* selector = Nombres().template Buscar<QComboBox>(QString::fromLatin1(NombreDe(lista)));
            QObject::connect(selector, &QComboBox::activated, this,
                             [&forma, lista](int indice) { forma.ElegirEnLista(lista, indice); });
            listas_.push_back(selector);
        }
        enLasListas_.resize(listas_.size());
    }
    // Shows the button each group has chosen and each list's entries and choice.
    template <class TForma, std::size_t n>
    void ReflejarOpcionesYListas(const TForma& forma, const typename TForma::TGrupoDeForma (&grupos)[n]) {
        using TNombreLista = typename TForma::TListaDeForma;
        for (std::size_t g = 0; g < opciones_.size(); ++g)
            ReflejarOpcion(opciones_[g][static_cast<std::size_t>(forma.Opcion(grupos[g]))]);
        for (std::size_t i = 0; i < listas_.size(); ++i)
            ReflejarLista(listas_[i], forma.Lista(static_cast<TNombreLista>(i)), enLasListas_[i]);
    }

    TCamposPorNombre<TUnidades*> camposPorNombre_;
    // What the mirroring looks at, found once, and the entries it last put in each list.
    std::vector<std::vector<QRadioButton*>> opciones_;
    std::vector<QComboBox*> listas_;
    std::vector<std::vector<std::string>> enLasListas_;
    TControlesPorNombre controles_;
    std::unique_ptr<TNombresDeVentana> nombres_;
};

}  // namespace brovel
