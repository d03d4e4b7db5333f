// The number behind a quantity field, without the widget: its text, its units, its
// conversions to and from the base unit, and its permitted range.
//
// The number always follows the text: every read parses the text again, so a field
// yields exactly the number it shows (rounded to its decimals), and that is the
// number the model computes with. A typed comma is a decimal separator.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fields/ListaUnidades.h"

namespace brovel {

// The upper limit of a field that has none.
inline constexpr long double kSinLimite = 1.1E4900L;

// A unit-conversion hook: `numero` carries the number in and out, `resultado` is a
// second result (the base value, for a read), `unidades` the factors and offsets of
// the units involved, in pairs.
using T2VarFloat1VarEvent =
    std::function<void(long double& resultado, long double& numero, const std::vector<long double>& unidades)>;

// The result of the range test on leaving a field.
enum class TESBBoundsValidationType { Ninguno = 0, Debajo = 1, Encima = 2 };

class TCantidad {
public:
    TCantidad();

    // Rendering and reading; plain settings read at each use.
    int DecimalPlaces = 3;
    long double SciMin = 0.0001L;
    long double SciMax = 1E6L;
    // Zero is shown as an empty text (which reads as zero).
    bool VacioSiCero = false;
    bool AutoRecalculate = false;

    // The permitted range in the base unit, and whether leaving the field tests it.
    long double BaseMin = 0;
    long double BaseMax = 0;
    bool BoundsEnabled = false;
    // The first unit of every list is the base unit, the one the model computes in.
    static constexpr int kUnidadBase = 0;

    T2VarFloat1VarEvent OnCambioDeUnidad;
    T2VarFloat1VarEvent OnReadBaseValue;
    // Raised after every change of the text, once loading has completed.
    std::function<void()> OnChange;
    // Raised when the field changes its own text, so that a view can show it.
    std::function<void(const std::string&)> AlCambiarTexto;

    // Units: the list is parsed whenever it is assigned.
    void SetUnits(std::vector<std::string> items);
    const std::vector<std::string>& Units() const { return items_; }
    const std::vector<TUnidad>& Unidades() const { return unidades_; }
    std::string UnitAsString() const { return Unidad(actual_).nombre; }
    int CurrentUnit() const { return actual_; }
    int DefaultUnit() const { return porDefecto_; }
    // Selects the unit and switches to it, as a user's pick does.
    void SetDefaultUnit(int indice);
    // The user picked unit `nueva`: the range and the shown number follow it.
    void CambiarUnidad(int nueva);

    bool UseRange() const { return usarRango_; }
    // Also switches the range test on or off and recomputes the current-unit range.
    void SetUseRange(bool usar);
    long double BoundLower() const { return limiteInferior_; }
    long double BoundUpper() const { return limiteSuperior_; }

    // The window has finished loading: the default unit becomes the current one
    // (without converting the number) and change notifications start.
    void Cargado();
    bool Cargando() const { return cargando_; }

    // The number in the current unit, read back from the text (may throw
    // ErrorDeConversion). Writing an equal number does nothing; writing a number
    // that is not finite is ignored, so a field never shows one.
    long double AsFloat();
    void SetAsFloat(long double valor);
    long double GetBaseValue();
    void SetBaseValue(long double valor);

    const std::string& Text() const { return texto_; }
    // The text set from code: read, notified, and rendered again.
    void SetText(const std::string& texto);
    // The text as the user left it while typing: read and notified, not rendered,
    // so extra decimals count until the field is left.
    void TextoEditado(const std::string& texto);

    // Leaving the field: read the text (may throw ErrorDeConversion), render it,
    // and test the range in the current unit.
    TESBBoundsValidationType ProcesarSalida();
    // The range test alone, in the current unit, on the number the text shows; a
    // text that is no number is not out of range (reading it reports it).
    TESBBoundsValidationType PruebaDeRango() const {
        if (!BoundsEnabled) return TESBBoundsValidationType::Ninguno;
        return leido_ ? RangoDe(valorLeido_) : PruebaDeRangoDelTexto();
    }
    bool FueraDeRango() const { return PruebaDeRango() != TESBBoundsValidationType::Ninguno; }
    // The field's own message for a failed range test.
    std::string MensajeLimite(TESBBoundsValidationType tipo) const;

private:
    TESBBoundsValidationType RangoDe(long double v) const {
        if (v < limiteInferior_) return TESBBoundsValidationType::Debajo;
        if (!(v <= limiteSuperior_)) return TESBBoundsValidationType::Encima;
        return TESBBoundsValidationType::Ninguno;
    }
    TESBBoundsValidationType PruebaDeRangoDelTexto() const;
    const TUnidad& Unidad(int indice) const;
    void LeerTexto();
    void EscribirTexto();
    void CalcularRango();
    void Notificar();

    std::vector<std::string> items_;
    std::vector<TUnidad> unidades_;
    int actual_ = 0;
    int porDefecto_ = 0;
    bool usarRango_ = false;
    long double limiteInferior_ = 0;
    long double limiteSuperior_ = 0;
    long double valor_ = 0;
    std::string texto_ = "0";
    // The number the text gives, once it has been read; a new text forgets it.
    bool leido_ = false;
    long double valorLeido_ = 0;
    bool cargando_ = true;
};

}  // namespace brovel
