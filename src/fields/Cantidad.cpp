#include "fields/Cantidad.h"

#include <cmath>

#include "fields/Numeros.h"

namespace brovel {

TCantidad::TCantidad() { SetUnits({"m|1|0"}); }

void TCantidad::SetUnits(std::vector<std::string> items) {
    items_ = std::move(items);
    unidades_ = LeerUnidades(items_);
    if (unidades_.empty()) unidades_.push_back(TUnidad{"", 1, 0});
    const int ultima = static_cast<int>(unidades_.size()) - 1;
    if (actual_ > ultima) actual_ = 0;
    if (porDefecto_ > ultima) porDefecto_ = 0;
}

const TUnidad& TCantidad::Unidad(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(unidades_.size())) return unidades_.front();
    return unidades_[static_cast<size_t>(indice)];
}

void TCantidad::SetDefaultUnit(int indice) {
    if (indice < 0 || indice >= static_cast<int>(unidades_.size())) return;
    porDefecto_ = indice;
    CambiarUnidad(indice);
}

void TCantidad::CambiarUnidad(int nueva) {
    if (nueva < 0 || nueva >= static_cast<int>(unidades_.size()) || nueva == actual_) return;
    const TUnidad anterior = Unidad(actual_);
    actual_ = nueva;
    if (usarRango_) CalcularRango();
    if (!AutoRecalculate) return;
    const TUnidad& destino = Unidad(nueva);
    long double v = AsFloat();
    if (OnCambioDeUnidad) {
        long double f1 = 0;
        OnCambioDeUnidad(f1, v, {anterior.factor, anterior.desplazamiento, destino.factor, destino.desplazamiento});
        SetAsFloat(v);
    } else {
        SetAsFloat((v - anterior.desplazamiento) / anterior.factor * destino.factor + destino.desplazamiento);
    }
}

void TCantidad::SetUseRange(bool usar) {
    usarRango_ = usar;
    BoundsEnabled = usar;
    CalcularRango();
}

void TCantidad::CalcularRango() {
    if (actual_ == kUnidadBase) {
        limiteInferior_ = BaseMin;
        limiteSuperior_ = BaseMax;
        return;
    }
    // The base unit is the reference unit (factor 1, offset 0) in every field.
    const TUnidad& u = Unidad(actual_);
    limiteInferior_ = BaseMin * u.factor + u.desplazamiento;
    limiteSuperior_ = BaseMax * u.factor + u.desplazamiento;
}

void TCantidad::Cargado() {
    unidades_ = LeerUnidades(items_);
    if (unidades_.empty()) unidades_.push_back(TUnidad{"", 1, 0});
    actual_ = porDefecto_ < static_cast<int>(unidades_.size()) ? porDefecto_ : 0;
    if (usarRango_) CalcularRango();
    LeerTexto();
    cargando_ = false;
}

long double TCantidad::AsFloat() {
    LeerTexto();
    return valor_;
}

void TCantidad::SetAsFloat(long double valor) {
    if (!std::isfinite(valor) || valor == valor_) return;
    valor_ = valor;
    EscribirTexto();
}

long double TCantidad::GetBaseValue() {
    const long double v = AsFloat();
    const TUnidad& actual = Unidad(actual_);
    if (actual_ == kUnidadBase || actual.factor == 0) return v;
    if (OnReadBaseValue) {
        long double f1 = 0;
        long double f2 = v;
        OnReadBaseValue(f1, f2, {actual.factor, actual.desplazamiento});
        return f1;
    }
    const TUnidad& base = Unidad(kUnidadBase);
    return (v - actual.desplazamiento) / actual.factor * base.factor + base.desplazamiento;
}

void TCantidad::SetBaseValue(long double valor) {
    if (actual_ == kUnidadBase) {
        SetAsFloat(valor);
        return;
    }
    const TUnidad& base = Unidad(kUnidadBase);
    const TUnidad& actual = Unidad(actual_);
    if (base.factor == 0) return;
    if (OnCambioDeUnidad) {
        long double f1 = 0;
        OnCambioDeUnidad(f1, valor, {base.factor, base.desplazamiento, actual.factor, actual.desplazamiento});
        SetAsFloat(valor);
        return;
    }
    SetAsFloat((valor - base.desplazamiento) / base.factor * actual.factor + actual.desplazamiento);
}

void TCantidad::SetText(const std::string& texto) {
    if (texto == texto_) return;
    texto_ = texto;
    leido_ = false;
    if (AlCambiarTexto) AlCambiarTexto(texto_);
    LeerTexto();
    Notificar();
    EscribirTexto();
}

void TCantidad::TextoEditado(const std::string& texto) {
    if (texto == texto_) return;
    texto_ = texto;
    leido_ = false;
    LeerTexto();
    Notificar();
}

TESBBoundsValidationType TCantidad::ProcesarSalida() {
    LeerTexto();
    EscribirTexto();
    return PruebaDeRango();
}

TESBBoundsValidationType TCantidad::PruebaDeRangoDelTexto() const {
    try {
        return RangoDe(LeerNumeroDeCampo(texto_));
    } catch (const ErrorDeConversion&) {
        return TESBBoundsValidationType::Ninguno;
    }
}

std::string TCantidad::MensajeLimite(TESBBoundsValidationType tipo) const {
    if (tipo == TESBBoundsValidationType::Debajo)
        return "Your entered Value is below the acceptable limit of " +
               RenderizarFijo(limiteInferior_, DecimalPlaces, false);
    return "Your entered Value is above the acceptable limit of " +
           RenderizarFijo(limiteSuperior_, DecimalPlaces, false);
}

void TCantidad::LeerTexto() {
    // The same text reads as the same number: a text is parsed once, however often
    // the chain reads the field.
    if (leido_) {
        valor_ = valorLeido_;
        return;
    }
    valor_ = LeerNumeroDeCampo(texto_);
    valorLeido_ = valor_;
    leido_ = true;
}

void TCantidad::EscribirTexto() {
    if (VacioSiCero && valor_ == 0) {
        SetText("");
        return;
    }
    SetText(RenderizarCampo(valor_, DecimalPlaces, SciMin, SciMax, true));
}

void TCantidad::Notificar() {
    if (!cargando_ && OnChange) OnChange();
}

}  // namespace brovel
