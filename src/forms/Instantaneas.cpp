// The state of a form taken whole and put back into the same form: its data
// records, every one of them, and nothing of its bindings (its handlers, bound to
// it, the person it answers to, its settings).
#include <stdexcept>

#include "forms/FormaBrovel.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

// The data records of a form, copied out of it and back into it as they are.
template <class... TDatos>
struct TDatosTomados : TDatos... {
    template <class TForma>
    explicit TDatosTomados(const TForma& forma) : TDatos(forma)... {}

    template <class TForma>
    void PonerEn(TForma& forma) const {
        ((static_cast<TDatos&>(forma) = static_cast<const TDatos&>(*this)), ...);
    }
};

}  // namespace

class TFormaZumbrel::TInstantanea {
public:
    explicit TInstantanea(const TFormaZumbrel& f) : forma(&f), datos(f) {}

    const TFormaZumbrel* forma;
    TDatosTomados<TDatosDeForma, TDatosDeControles<std::size(kGruposZumbrel), kCantidadDeListasZumbrel>,
                  TDatosEscorrentia>
        datos;
};

std::shared_ptr<const TFormaZumbrel::TInstantanea> TFormaZumbrel::Instantanea() const {
    return std::make_shared<TInstantanea>(*this);
}

void TFormaZumbrel::Restaurar(const TInstantanea& i) {
    if (i.forma != this)
        throw std::logic_error("el estado de un formulario de escorrentía vuelve solo a ese formulario");
    i.datos.PonerEn(*this);
}

class TFormaBrovel::TInstantanea {
public:
    explicit TInstantanea(const TFormaBrovel& f) : forma(&f), datos(f), Zumbrel(f.Zumbrel.Instantanea()) {}

    const TFormaBrovel* forma;
    TDatosTomados<TDatosDeForma, TDatosDeControles<std::size(kGruposDeOpciones), kCantidadDeListas>, TDatosLadera>
        datos;
    std::shared_ptr<const TFormaZumbrel::TInstantanea> Zumbrel;
};

std::shared_ptr<const TFormaBrovel::TInstantanea> TFormaBrovel::Instantanea() const {
    return std::make_shared<TInstantanea>(*this);
}

void TFormaBrovel::Restaurar(const TInstantanea& i) {
    if (i.forma != this) throw std::logic_error("el estado de un formulario de ladera vuelve solo a ese formulario");
    i.datos.PonerEn(*this);
    Zumbrel.Restaurar(*i.Zumbrel);
}

}  // namespace brovel
