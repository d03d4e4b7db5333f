// What every form of a window does the same way, whatever window it is: running an
// action with its error reported and the views told once it ends, the guard that
// keeps a chain from entering itself, which controls are shown, the marks of its
// results, its status text, its option groups and its drop-down lists.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "fields/Cantidad.h"
#include "forms/CamposPorNombre.h"
#include "forms/Frescura.h"
#include "forms/Interlocutor.h"
#include "forms/Lista.h"

namespace brovel {

struct TDefinicionCampo;

// A form keeps its members in two kinds of records, never in its own body: what a
// project or an action changes (the data, "TDatos...": copied whole when its state
// is taken and put back), and what binds it to itself and to its views (the
// bindings, "TEnlaces...": made once, never copied). A member cannot then be
// left out of the state taken, for the state is the data records themselves.

// The last base of a class that holds nothing but its bases: it fills itself to
// the end, so a member declared in the class's body cannot hide in room left at
// the end of the bases, and makes the class larger.
template <class TClase>
struct TFinDe {
    alignas(std::max_align_t) unsigned char relleno[alignof(std::max_align_t)]{};
};

// Whether `TClase` holds nothing but its bases `TBases` (all of them, in order)
// and then TFinDe<TClase>: a member declared in its body would make it larger
// than the same bases alone.
template <bool kVirtual, class... TBases>
struct TSoloBases : TBases... {};
template <class... TBases>
struct TSoloBases<true, TBases...> : TBases... {
    virtual ~TSoloBases() = default;
};
template <class TClase, class... TBases>
constexpr bool SoloSusBases() {
    constexpr bool kVirtual = std::is_polymorphic_v<TClase> && !(std::is_polymorphic_v<TBases> || ...);
    using TMolde = TSoloBases<kVirtual, TBases..., TFinDe<TClase>>;
    return (std::is_base_of_v<TBases, TClase> && ...) && std::is_base_of_v<TFinDe<TClase>, TClase> &&
           sizeof(TClase) == sizeof(TMolde);
}

// The data every form has: which controls are shown, the status text, the marks
// of its results.
class TDatosDeForma {
protected:
    std::map<std::string, bool, std::less<>> visibles_;
    std::string textoEstado_;
    bool estadoEnError_ = false;
    TFrescura frescura_;
    // The member each result field shows, as the chain writes it.
    std::map<const TCantidad*, const char*> miembroDeCampo_;
};

// What binds every form: its fields by name, the person it answers to, the view
// it tells, and the guards of its actions.
class TEnlacesDeForma {
public:
    // Raised once an action of the form has finished (a handler, a command), so a
    // view can show what changed.
    std::function<void()> AlCambiar;

protected:
    TEnlacesDeForma(TInterlocutor& interlocutor, bool (*esControl)(std::string_view))
        : interlocutor_(interlocutor), esControl_(esControl) {}

    // The fields the form keeps in its members, for Campo: named first of all.
    TCamposPorNombre<TCantidad> campos_;
    // Each field's row of the field table.
    std::map<const TCantidad*, const TDefinicionCampo*> definiciones_;
    TInterlocutor& interlocutor_;
    // Tells the names of the window's controls from any other.
    bool (*esControl_)(std::string_view);
    int profundidadCadena_ = 0;
    int profundidadAccion_ = 0;
};

class TFormaBase : public TDatosDeForma, public TEnlacesDeForma, public TFinDe<TFormaBase> {
public:
    TFormaBase(const TFormaBase&) = delete;
    TFormaBase& operator=(const TFormaBase&) = delete;

    // A field by its name; throws std::out_of_range for an unknown one.
    TCantidad& Campo(std::string_view nombre) { return campos_.En(nombre); }
    const TCantidad& Campo(std::string_view nombre) const { return campos_.En(nombre); }

    // Whether a control is shown: the options decide. A control no rule has
    // spoken of is shown.
    bool Mostrado(std::string_view control) const;
    const std::map<std::string, bool, std::less<>>& Visibilidad() const { return visibles_; }

    // Whether a result field shows a number computed from the current data, and
    // why not: why a result field, or a model member, is out of date; empty when
    // it is not.
    bool AlDia(std::string_view campo) const { return MotivoDeCampo(campo).empty(); }
    std::string MotivoDeCampo(std::string_view campo) const { return MotivoDeCampo(Campo(campo)); }
    std::string MotivoDeCampo(const TCantidad& campo) const;
    std::string MotivoDe(std::string_view miembro) const { return frescura_.Motivo(miembro); }

    // The status panel.
    const std::string& TextoEstado() const { return textoEstado_; }
    bool EstadoEnError() const { return estadoEnError_; }

protected:
    // `esControl` tells the names of the window's controls from any other.
    TFormaBase(TInterlocutor& interlocutor, bool (*esControl)(std::string_view));
    ~TFormaBase() = default;

    // Runs an action; an error that escapes it (a text that is not a number, a
    // file that cannot be saved) goes to the error box and the form goes on. The
    // views are told once the outermost action ends. False when an error stopped it.
    bool Manejar(const std::function<void()>& trabajo);
    // Runs a chain as an action, unless a chain is already running: one is not
    // entered again, not even by what the views do when they are told.
    bool SinReentrar(const std::function<void()>& trabajo);
    // Shows or hides controls of the window; a name the window lacks is a fault
    // of the form's rules.
    void Mostrar(std::initializer_list<const char*> controles, bool visibles);

    // Why an input's number cannot be used: outside its field's range, said with
    // the field's title; none while it is inside.
    std::optional<std::string> MotivoFueraDeRango(const TCantidad& campo) const;
    // An input outside its field's range leaves its member out of date for that
    // reason; one inside brings it up to date. Whether the field's number can be used.
    bool MarcarEntrada(const TCantidad& campo, const char* miembro);
    template <class TMiembro>
    bool MarcarEntrada(const TCantidad& campo, const TMiembro& miembro) {
        return MarcarEntrada(campo, NombreDe(miembro));
    }
    // An input is copied into its member of `estado` only when its number can be used.
    template <class TEstado>
    void Copiar(TCantidad& campo, double TEstado::*miembro, TEstado& estado) {
        if (MarcarEntrada(campo, NombreDe(miembro))) estado.*miembro = static_cast<double>(campo.GetBaseValue());
    }
    // A result field shows its member's number while the member is up to date; one
    // out of date keeps the number it showed, and its mark follows the member's, so
    // the same result is marked alike on every tab.
    template <class TEstado>
    void Escribir(TCantidad& campo, double TEstado::*miembro, const TEstado& estado) {
        EscribirResultado(campo, NombreDe(miembro), estado.*miembro);
    }
    // What a form adds before a result is shown: it may mark the result out of date.
    virtual void RevisarResultado(const char* /*miembro*/, double /*valor*/) {}

private:
    void EscribirResultado(TCantidad& campo, const char* miembro, double valor);
};
static_assert(SoloSusBases<TFormaBase, TDatosDeForma, TEnlacesDeForma>());

// The option chosen in each group and the drop-down lists of a form.
template <std::size_t kGrupos, std::size_t kListas>
class TDatosDeControles {
protected:
    std::array<int, kGrupos> opciones_{};
    std::array<TLista, kListas> listas_{};
};

// The option groups and drop-down lists of a form, named by the enums `TGrupo`
// and `TNombreLista`; `BotonesDe(TGrupo)` names the buttons of each group.
template <class TGrupo, std::size_t kGrupos, class TNombreLista, std::size_t kListas>
class TFormaConControles : public TFormaBase,
                           public TDatosDeControles<kGrupos, kListas>,
                           public TFinDe<TFormaConControles<TGrupo, kGrupos, TNombreLista, kListas>> {
public:
    using TGrupoDeForma = TGrupo;
    using TListaDeForma = TNombreLista;
    static constexpr std::size_t kListasDeForma = kListas;

    // The button chosen in a group, from 0.
    int Opcion(TGrupo grupo) const { return opciones_[static_cast<std::size_t>(grupo)]; }

    const TLista& Lista(TNombreLista lista) const { return listas_[static_cast<std::size_t>(lista)]; }
    // Chooses an entry from code, without the list's handler; one the list does
    // not have leaves none chosen.
    void SetIndice(TNombreLista lista, int indice) {
        TLista& l = ListaMutable(lista);
        l.indice = indice >= 0 && indice < static_cast<int>(l.items.size()) ? indice : -1;
    }
    // The user's pick: the list's handler runs, even when the entry was already chosen.
    void ElegirEnLista(TNombreLista lista, int indice) {
        SetIndice(lista, indice);
        EjecutarManejadorDeLista(lista);
    }

protected:
    using TFormaBase::TFormaBase;
    ~TFormaConControles() = default;

    // Chooses `boton` in `grupo` when it is one of the group's buttons and not the
    // one chosen; whether it did, and so whether the group's handler is to run.
    bool CambiarOpcion(TGrupo grupo, int boton) {
        const int cantidad = static_cast<int>(BotonesDe(grupo).size());
        if (boton < 0 || boton >= cantidad || boton == Opcion(grupo)) return false;
        opciones_[static_cast<std::size_t>(grupo)] = boton;
        return true;
    }
    TLista& ListaMutable(TNombreLista lista) { return listas_[static_cast<std::size_t>(lista)]; }
    virtual void EjecutarManejadorDeLista(TNombreLista lista) = 0;

    using TDatosDeControles<kGrupos, kListas>::opciones_;
    using TDatosDeControles<kGrupos, kListas>::listas_;
};

}  // namespace brovel
