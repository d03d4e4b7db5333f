// One builder for the tabs of both windows: it reads a window's description and
// makes its groups and rows, and asks the window for what only the window knows
// (its fields bound to its form, its plots, its grids, its options' captions).
#pragma once

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

#include "forms/Descripcion.h"
#include "ui/windows/Marco.h"

class QTabWidget;
class QWidget;

namespace brovel {

class TFormulario;
class TUnidades;
class TVistaGrilla;

struct TPiezasDeVentana {
    // The field `nombre` of the window's table, created in `formulario` and bound to
    // the form's quantity of that name.
    std::function<TUnidades*(TFormulario& formulario, std::string_view nombre)> campo;
    // The plot `nombre`, on the tab's page.
    std::function<QWidget*(QWidget* pagina, std::string_view nombre)> grafico;
    // The result grid `nombre`.
    std::function<TVistaGrilla*(QWidget* padre, std::string_view nombre)> grilla;
    // The caption of the option button `nombre`.
    std::function<const char*(std::string_view nombre)> tituloDeOpcion;
};

// The rows of a tab (its plot, groups and drawing), on its page.
void ConstruirPagina(QWidget* pagina, const std::vector<TFilaDescrita>& filas, const TPiezasDeVentana& piezas);

// Every tab of a window, described: each page that has rows gets them, then the
// tabs' last touches (TerminarPestanas).
template <class TPestana>
void ConstruirPestanas(QTabWidget* pestanas, const std::vector<TPestanaDescrita<TPestana>>& descripcion,
                       const TPiezasDeVentana& piezas);

// The tabs' pages, named and titled as the description says.
template <class TPestana>
std::vector<TDefinicionPestana> PaginasDe(const std::vector<TPestanaDescrita<TPestana>>& descripcion) {
    std::vector<TDefinicionPestana> paginas;
    for (const auto& pestana : descripcion) paginas.push_back({pestana.nombre, pestana.titulo});
    return paginas;
}

// The object name a view gives the caption of the list `lista` ("cbTp": "lblTp").
QString NombreDeEtiqueta(std::string_view lista);

}  // namespace brovel
