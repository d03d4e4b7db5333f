#include "forms/FormaBase.h"

#include <stdexcept>

#include "fields/MensajesRango.h"
#include "forms/CamposBrovel.h"

namespace brovel {

TFormaBase::TFormaBase(TInterlocutor& interlocutor, bool (*esControl)(std::string_view))
    : TEnlacesDeForma(interlocutor, esControl) {}

bool TFormaBase::Mostrado(std::string_view control) const {
    const auto visible = visibles_.find(control);
    return visible == visibles_.end() || visible->second;
}

void TFormaBase::Mostrar(std::initializer_list<const char*> controles, bool visibles) {
    for (const char* control : controles) {
        // Found by its name before a key is built: most controls have been shown
        // before, and so were checked then.
        if (const auto visible = visibles_.find(std::string_view(control)); visible != visibles_.end()) {
            visible->second = visibles;
            continue;
        }
        if (!esControl_(control)) throw std::logic_error(std::string("la ventana no tiene el control ") + control);
        visibles_.emplace(control, visibles);
    }
}

std::string TFormaBase::MotivoDeCampo(const TCantidad& campo) const {
    const auto miembro = miembroDeCampo_.find(&campo);
    return miembro == miembroDeCampo_.end() ? std::string() : frescura_.Motivo(miembro->second);
}

std::optional<std::string> TFormaBase::MotivoFueraDeRango(const TCantidad& campo) const {
    if (!campo.FueraDeRango()) return std::nullopt;
    const auto d = definiciones_.find(&campo);
    const std::string titulo = d == definiciones_.end() ? std::string() : std::string(d->second->titulo);
    return "«" + titulo + "»: " + MensajeFueraDeRango(campo.BaseMin, campo.BaseMax);
}

bool TFormaBase::MarcarEntrada(const TCantidad& campo, const char* miembro) {
    const std::optional<std::string> motivo = MotivoFueraDeRango(campo);
    frescura_.Marcar({miembro}, motivo);
    return !motivo;
}

void TFormaBase::EscribirResultado(TCantidad& campo, const char* miembro, double valor) {
    miembroDeCampo_[&campo] = miembro;
    RevisarResultado(miembro, valor);
    if (frescura_.AlDia(miembro)) campo.SetBaseValue(valor);
}

bool TFormaBase::Manejar(const std::function<void()>& trabajo) {
    ++profundidadAccion_;
    bool bien = true;
    try {
        trabajo();
    } catch (const std::exception& e) {
        interlocutor_.MostrarError(e.what());
        bien = false;
    }
    if (--profundidadAccion_ == 0 && AlCambiar) AlCambiar();
    return bien;
}

// The chain counts as running until the views have been told, so that what they
// do then does not start it again.
bool TFormaBase::SinReentrar(const std::function<void()>& trabajo) {
    if (profundidadCadena_ > 0) return true;
    ++profundidadCadena_;
    struct Salida {
        int& profundidad;
        ~Salida() { --profundidad; }
    } salida{profundidadCadena_};
    return Manejar(trabajo);
}

}  // namespace brovel
