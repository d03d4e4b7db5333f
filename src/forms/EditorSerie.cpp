#include "forms/EditorSerie.h"

namespace brovel {

TEditorSerie::TEditorSerie(TLista& paso, TLista* hietograma, std::function<void()> alTerminar)
    : paso_(paso), hietograma_(hietograma), alTerminar_(std::move(alTerminar)) {}

void TEditorSerie::AgregarColumna(TCantidad& campo, TElemento elemento, TAlGuardar alGuardar) {
    columnas_.push_back({&campo, std::move(elemento), std::move(alGuardar)});
}

bool TEditorSerie::Elegidos(int& h, int& k) const {
    h = hietograma_ ? hietograma_->Posicion() : 1;
    k = paso_.Posicion();
    return h >= 1 && k >= 1;
}

void TEditorSerie::MostrarElegido() {
    int h = 0, k = 0;
    // Each write fires the field's own handler, which stores the number back as the
    // field shows it.
    if (Elegidos(h, k))
        for (const TColumna& c : columnas_) c.campo->SetBaseValue(c.elemento(h, k));
    alTerminar_();
}

void TEditorSerie::RedondearElegido() {
    int h = 0, k = 0;
    if (!Elegidos(h, k)) return;
    for (const TColumna& c : columnas_) {
        TCantidad muestra = *c.campo;
        muestra.OnChange = nullptr;
        muestra.AlCambiarTexto = nullptr;
        double& elemento = c.elemento(h, k);
        muestra.SetBaseValue(elemento);
        elemento = static_cast<double>(muestra.GetBaseValue());
    }
}

void TEditorSerie::Guardar(size_t columna) {
    const TColumna& c = columnas_.at(columna);
    int h = 0, k = 0;
    std::optional<double> anterior;
    double nuevo = 0;
    // A number outside the field's range is not stored: the array keeps what it
    // held, and the recalculation marks what depends on it out of date.
    if (c.campo->FueraDeRango()) {
        alTerminar_();
        return;
    }
    if (Elegidos(h, k)) {
        double& elemento = c.elemento(h, k);
        anterior = elemento;
        nuevo = elemento = static_cast<double>(c.campo->GetBaseValue());
    }
    if (c.alGuardar) c.alGuardar(anterior, nuevo);
    alTerminar_();
}

void TEditorSerie::Contar(TLista& lista, int n) {
    lista.LlenarConNumeros(n);
    alTerminar_();
}

}  // namespace brovel
