// The runoff window without its widgets: its fields as quantities, the series
// kind, the land use, the abstraction's tick, the lists (soil group, count, step,
// the grids' units), the step editor of the rainfall series, the status text, the
// three result grids as data, and the chain that recomputes the runoff model tab
// by tab. The window binds its widgets to this form; brovel-calc uses it alone.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields/Cantidad.h"
#include "forms/FormaBase.h"
#include "forms/Frescura.h"
#include "forms/Interlocutor.h"
#include "forms/Lista.h"
#include "forms/Pestanas.h"
#include "model/EstadoZumbrel.h"
#include "model/MiembrosZumbrel.h"

// clang-format off
#define BROVEL_CAMPOS_ZUMBREL(X)                                                                          \
    X(euDdpmrhls) X(euDntepmrys) X(euAc) X(euTccResultado) X(euAi) X(euPtsd) X(euAll) X(euNc)          \
    X(euRpmResultado) X(euVteResultado) X(euVtespResultado) X(euCpResultado)
// clang-format on

namespace brovel {

class TArchivoIni;

enum class TGrupoZumbrel { Serie, UsoSuelo };
inline constexpr TGrupoZumbrel kGruposZumbrel[] = {TGrupoZumbrel::Serie, TGrupoZumbrel::UsoSuelo};
enum class TListaZumbrel { cbGh, cbSall, cbLluvia, cbUnidadesHietograma, cbUnidadesVolumenes, cbUnidadHidrograma };
inline constexpr int kCantidadDeListasZumbrel = static_cast<int>(TListaZumbrel::cbUnidadHidrograma) + 1;

const std::vector<const char*>& BotonesDe(TGrupoZumbrel grupo);
// The end of step (or ordinate) k of a series, in hours.
double HoraDelPaso(int k, double pasoEnMinutos);

// The caption of a group's button (from 0).
const char* TituloDe(TGrupoZumbrel grupo, int boton);
const char* NombreDe(TListaZumbrel lista);

inline constexpr std::string_view kMensajeSerieMalCargada = "La secuencia de Acumulacion de Lluvia esta mal cargada";

// A result grid: its header row, and its numbers as the last good recalculation
// left them, column by column; a cell's text is made when it is shown, so a grid
// of any length costs nothing until it is looked at.
struct TGrillaResultados {
    std::vector<std::string> encabezados;
    std::vector<std::vector<double>> columnas;
    // A negative number is shown as "0" (the rainfall grid).
    bool ceroSiNegativo = false;
    // Why the numbers are not those of the current data; empty while they are.
    std::string motivoViejo;

    int Filas() const { return columnas.empty() ? 0 : static_cast<int>(columnas.front().size()); }
    // Row 0 is the header; rows 1 to Filas() the numbers, "0.#####".
    std::string Celda(int fila, int columna) const;
};

// The reference tables the window's "..." buttons open.
enum class TTablaZumbrel { GruposHidrologicos, GruposPerturbados, Abstraccion, NumeroDeCurva };

// Where a row picked from a table went: a list, or else a field by name.
struct TDestinoDeTabla {
    std::optional<TListaZumbrel> lista;
    std::string campo;
};

// What the runoff form holds that a project or an action changes: all it holds
// besides what every form holds.
class TDatosEscorrentia {
public:
    // The runoff model: one record, shared with the slope form's exchange.
    TEstadoZumbrel Estado;
    // The project the basin is computed for, as its report names it.
    std::string NombreProyecto = "Sin Nombre";

#define BROVEL_DECLARAR_CAMPO(nombre) TCantidad nombre;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO

    bool SerieInvalida = false;

protected:
    bool aai_ = true;
    TGrillaResultados grillaLluvia_, grillaEscorrentia_, grillaHidrograma_;
    std::string mensajeHidrograma_;
};

using TControlesEscorrentia =
    TFormaConControles<TGrupoZumbrel, std::size(kGruposZumbrel), TListaZumbrel, kCantidadDeListasZumbrel>;

class TFormaZumbrel : public TControlesEscorrentia, public TDatosEscorrentia, public TFinDe<TFormaZumbrel> {
public:
    explicit TFormaZumbrel(TInterlocutor& interlocutor);

    // Options (a change runs the group's handler) and the tick; the lists are the
    // base's (SetIndice from code, as a soil group chosen from a table).
    void ElegirOpcion(TGrupoZumbrel grupo, int boton);
    bool AbstraccionAsignada() const { return aai_; }
    void MarcarAbstraccionAsignada(bool marcada);

    // The code of the reference table a button opens; the curve number's is the
    // one of the land use the Condicionantes tab last recorded.
    std::string CodigoDeTabla(TTablaZumbrel tabla) const;
    // A row picked from a table: a soil group's row selects the group, without the
    // list's handler; any other row's number goes into its field, as if typed.
    TDestinoDeTabla TomarDeTabla(TTablaZumbrel tabla, double valor);

    // The captions that follow the options: the step editor's and the curve-number table's.
    std::string TituloAltura() const;
    std::string TituloNumeroDeCurva() const;

    // The results out of date, as brovel-calc names them.
    std::vector<std::string> SinActualizar() const;

    const TGrillaResultados& GrillaLluvia() const { return grillaLluvia_; }
    const TGrillaResultados& GrillaEscorrentia() const { return grillaEscorrentia_; }
    const TGrillaResultados& GrillaHidrograma() const { return grillaHidrograma_; }

    // The chain; each returns false when an error stopped it (a text that is no
    // number), after it was reported.
    bool MostrarPestana(TPestanaZumbrel pestana);
    bool GeometriaShow();
    bool SueloShow();
    bool ForzantesShow();
    bool CondicionantesShow();
    bool EscorrentiaShow();

    // The window's inputs from, and into, a data file (".zbr"). A file that cannot
    // be read, is no such file or lacks an entry is reported and changes nothing.
    bool CargarDatos(const std::string& ruta);
    bool GuardarDatos(const std::string& ruta);
    // The same data inside another INI document, in sections named after `prefijo`
    // (a slope project keeps the runoff it took that way). Reading checks
    // everything first, throws TErrorArchivo naming `ruta`, and changes nothing then.
    static bool TieneDatos(const TArchivoIni& ini, const std::string& prefijo);
    void LeerDatos(const TArchivoIni& ini, const std::string& prefijo, const std::string& ruta);
    void EscribirDatos(TArchivoIni& ini, const std::string& prefijo);

    // The whole state of this form, to be put back later into this same form,
    // whose handlers it keeps (see TFormaBrovel::Instantanea).
    class TInstantanea;
    std::shared_ptr<const TInstantanea> Instantanea() const;
    // Puts back a state taken from this form; throws std::logic_error for another's.
    void Restaurar(const TInstantanea& instantanea);

    // The hand-over from the slope window: a storm's heights into the partial
    // store, its count into the model, its time step into the field.
    void RecibirTormenta(int pasos, const double* alturas, double pasoTemporal);

private:
    void CrearCampos();
    void ConectarManejadores();
    void EjecutarManejadorDeLista(TListaZumbrel lista) override;
    void cbSallChange();
    void cbLluviaChange();
    bool Cadena(TPestanaZumbrel hasta);
    void Calcular(TPestanaZumbrel hasta);
    double& AlturaElegida(int k);
    // Inputs into the model and results out of it, as every form does.
    void Copiar(TCantidad& campo, double TEstadoZumbrel::*miembro) { TFormaBase::Copiar(campo, miembro, Estado); }
    void Escribir(TCantidad& campo, double TEstadoZumbrel::*miembro) { TFormaBase::Escribir(campo, miembro, Estado); }
    // Runs a routine in a guarded block and marks its results.
    void Bloque(TRutinaZumbrel rutina);
    void ComponerEstado();
};
static_assert(SoloSusBases<TFormaZumbrel, TControlesEscorrentia, TDatosEscorrentia>());
static_assert(SoloSusBases<TControlesEscorrentia, TFormaBase,
                           TDatosDeControles<std::size(kGruposZumbrel), kCantidadDeListasZumbrel>>());

}  // namespace brovel
