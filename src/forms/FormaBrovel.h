// The slope window without its widgets: every number it shows as a quantity, the
// options, lists and check boxes, which controls are shown, the editors of the
// curve and the hyetographs, the data checks with the status text, the chain that
// recomputes the model tab by tab, and the project commands. A window binds its
// widgets to this form and mirrors it; brovel-calc and the tests use it alone.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fields/Cantidad.h"
#include "forms/EditorSerie.h"
#include "forms/FormaBase.h"
#include "forms/Frescura.h"
#include "forms/FormaZumbrel.h"
#include "forms/Interlocutor.h"
#include "forms/Lista.h"
#include "forms/Pestanas.h"
#include "model/EstadoBrovel.h"

// The quantity fields of the slope window, tab by tab; each is a row of the field
// table of the same name.
// clang-format off
#define BROVEL_CAMPOS_LADERA(X)                                                                                  \
    X(euDt) X(euLt)                                                                                              \
    X(euCpcg) X(euDg) X(euPp) X(euDm) X(euPl) X(euPlm) X(euPa) X(euPmo) X(euShs) X(euBvs) X(euBrvs)           \
    X(euFesResultado) X(euFtResultado) X(euDMResultado)                                                          \
    X(euPth) X(euCta) X(euPths) X(euEt) X(euMi30m) X(euFele) X(euCll) X(euCll1) X(euPth2) X(euCll2) X(euCe)   \
    X(euPth3) X(euCll3) X(euVp) X(euCp) X(euFdeResultado) X(euFelleResultado) X(euVeeResultado)                \
    X(euCpeResultado) X(euFpResultado) X(euTecrResultado) X(euPspcrResultado) X(euCEResultado)                 \
    X(euFatc) X(euAmf) X(euTtfo) X(euFapo) X(euRacmr) X(euPsrua) X(euPs) X(euAl) X(euFps) X(euEet) X(euPt)     \
    X(euTfp) X(euCtc) X(euFliii) X(euFcss) X(euSups) X(euScf) X(euFpsb) X(euFpset) X(euFpsed) X(euFdPdS)       \
    X(euRast) X(euCmst) X(euIrst) X(euScsResultado) X(euSrsResultado) X(euFcmResultado) X(euLctResultado)      \
    X(euFpsResultado)                                                                                            \
    X(euFeleEResultado) X(euFpEResultado) X(euFesEResultado) X(euFtEResultado) X(euFcmEResultado)              \
    X(euSupsEResultado) X(euScfEResultado) X(euScsEResultado) X(euSrsEResultado) X(euShsEResultado)            \
    X(euFpsEResultado) X(euFpsbEResultado) X(euFpsetEResultado) X(euFpsedEResultado) X(euTeEResultado)         \
    X(euPsEResultado)
// clang-format on

namespace brovel {

// The groups of radio buttons; each chooses one of its buttons, the first by default.
enum class TGrupoOpciones { Suelo, LluviaMedia, LluviaExtrema, Evento };

enum class TOpcionSuelo { Curva, DiametroMedio, ClaseYTextura };
enum class TOpcionLluviaMedia { HietogramaRepresentativo, SerieDeHietogramas, ParametrosDeEnergia, Erosividad };
enum class TOpcionLluviaExtrema { Hietograma, Escorrentia };
enum class TOpcionEvento { Hietograma, Parametros };

enum class TCasilla { Descongelamiento, Labranza, Mulching, PracticasDeSoporte };

// The four hyetograph editors of the Forzantes tab.
enum class THietograma { Representativo, Serie, Tormenta, Evento };

// The drop-down lists: four of fixed entries, then the count and step selectors.
// clang-format off
enum class TListaBrovel {
    cbCspe, cbCspp, cbMde, cbTp,
    cbPcg, cbCph, cbPhn, cbCh, cbCph2, cbHn, cbPhn2, cbCph3, cbPhn3, cbCph4, cbPhn4,
};
// clang-format on

// The names the window gives each control: the buttons of a group, a check box, a list.
const std::vector<const char*>& BotonesDe(TGrupoOpciones grupo);
// The caption of a group's button (from 0).
const char* TituloDe(TGrupoOpciones grupo, int boton);
const char* NombreDe(TCasilla casilla);
const char* NombreDe(TListaBrovel lista);
inline constexpr TGrupoOpciones kGruposDeOpciones[] = {TGrupoOpciones::Suelo, TGrupoOpciones::LluviaMedia,
                                                       TGrupoOpciones::LluviaExtrema, TGrupoOpciones::Evento};
inline constexpr TCasilla kCasillas[] = {TCasilla::Descongelamiento, TCasilla::Labranza, TCasilla::Mulching,
                                         TCasilla::PracticasDeSoporte};
inline constexpr int kCantidadDeListas = static_cast<int>(TListaBrovel::cbPhn4) + 1;
// The buttons whose click runs a handler of the form: "Verif. Datos" and the two
// "Calcular usando Zumbrel".
inline constexpr std::string_view kBotonesBrovel[] = {"Button1", "btUsarZumbrel", "btUsarZumbrel2"};

// The message of each data check, as the status panel shows it.
inline constexpr std::string_view kMensajeOk = "OK";
inline constexpr std::string_view kMensajeFaltaVerificar =
    "Falta Verificar los datos de Diámetro Medio y Porcentaje Pasante";
inline constexpr std::string_view kMensajeNoDecreciente =
    "ERROR: El rango de datos de Diámetro Medio y Porcentaje Pasante no es decreciente";
inline constexpr std::string_view kMensajeArena = "ERROR: porcentaje de arena debe ser menor";
inline constexpr std::string_view kMensajeLimos = "ERROR: porcentaje de limos modificado debe ser mayor";
inline constexpr std::string_view kMensajeFaltaZumbrel = "ERROR: Es Necesario abrir Zumbrel para tomarlos valores";
inline constexpr std::string_view kMensajeSinExpresionLS =
    "No existen expresiones validadas para el factor topográfico para esta longitud del brovel bajo condiciones de "
    "descongelamiento";

class TArchivoIni;
struct TDefinicionCampo;

// Whether "seccion"/"clave" is an entry a project file holds (matched without
// regard to case, positions 1 to 20).
bool EsClaveDelProyecto(std::string_view seccion, std::string_view clave);

// A count typed into a field: its whole part, brought within the arrays.
int32_t CantidadDeCampo(TCantidad& campo);

class TRecorridoProyecto;

// What the slope form holds that a project or an action changes.
class TDatosLadera {
public:
    // The slope model: one record, filled by the tab handlers.
    TEstadoBrovel Estado;

#define BROVEL_DECLARAR_CAMPO(nombre) TCantidad nombre;
    BROVEL_CAMPOS_LADERA(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO

    // The project: its path and its file name.
    std::string RutaProyecto;
    std::string NombreProyecto;

    // Data marks; only RecalculoSuspendido stops the chain.
    bool RecalculoSuspendido = false;
    bool ErrorRango = false;
    bool FaltaVerificar = false;
    bool ErrorLimos = false;
    bool ErrorArena = false;
    bool FaltaZumbrel = false;

protected:
    std::array<bool, std::size(kCasillas)> casillas_{};
    std::vector<std::string> mensajesSuelo_;
    std::string titulo_ = "Brovel";
    // The project as it was created, opened or last saved, when remembered.
    std::optional<std::string> guardado_;
    TPestanaBrovel pestana_ = TPestanaBrovel::Geometria;
    // The data checks' message, before the runoff and the ranges are considered.
    std::string_view mensajeDatos_ = kMensajeOk;
    // Whether the runoff of the extreme storm, or of the event, was taken from the
    // runoff window: the project then keeps it, with the runoff window's data.
    bool tomadoExtrema_ = false;
    bool tomadoEvento_ = false;
    THietograma hietogramaUsado_ = THietograma::Representativo;
};

// What binds the slope form: the runoff window's form, its setting, its input
// fields, and the editors bound to its fields and model.
class TEnlacesLadera {
public:
    explicit TEnlacesLadera(TInterlocutor& interlocutor) : Zumbrel(interlocutor) {}

    // The runoff window's form, created with this one and living as long; its
    // state is taken with this form's.
    TFormaZumbrel Zumbrel;
    // Whether creating, opening and saving remember the project as it then is, for
    // Modificado. A batch that only computes, and never asks, turns it off.
    bool RecordarProyecto = true;

protected:
    // The input fields, in the table's order, with their rows.
    std::vector<std::pair<const TDefinicionCampo*, TCantidad*>> entradas_;
    std::unique_ptr<TEditorSerie> curva_, representativo_, serie_, tormenta_, evento_;
};

using TControlesLadera =
    TFormaConControles<TGrupoOpciones, std::size(kGruposDeOpciones), TListaBrovel, kCantidadDeListas>;

class TFormaBrovel : public TControlesLadera, public TDatosLadera, public TEnlacesLadera, public TFinDe<TFormaBrovel> {
public:
    explicit TFormaBrovel(TInterlocutor& interlocutor);
    ~TFormaBrovel();

    // Options. Choosing a button that is not the one chosen runs the group's
    // handler, as a click does; choosing the chosen one does nothing.
    void ElegirOpcion(TGrupoOpciones grupo, int boton);
    TOpcionSuelo OpcionSuelo() const { return static_cast<TOpcionSuelo>(Opcion(TGrupoOpciones::Suelo)); }
    TOpcionLluviaMedia OpcionLluviaMedia() const {
        return static_cast<TOpcionLluviaMedia>(Opcion(TGrupoOpciones::LluviaMedia));
    }
    TOpcionLluviaExtrema OpcionLluviaExtrema() const {
        return static_cast<TOpcionLluviaExtrema>(Opcion(TGrupoOpciones::LluviaExtrema));
    }
    TOpcionEvento OpcionEvento() const { return static_cast<TOpcionEvento>(Opcion(TGrupoOpciones::Evento)); }

    // Check boxes: a change of state runs the box's handler.
    bool Marcada(TCasilla casilla) const { return casillas_[static_cast<size_t>(casilla)]; }
    void Marcar(TCasilla casilla, bool marcada);

    // The lists and which controls are shown are the base's; the chain reads only
    // the inputs shown.

    // A result that a dropped fault left behind, or that came out infinite, is out
    // of date (AlDia, MotivoDeCampo) until a later recalculation writes it. A field
    // follows its model member, so the same result is marked alike wherever it is shown.
    // The model's results out of date after the last recalculation, by name.
    std::vector<std::string> SinActualizar() const;
    // The results the chain computes, in the order brovel-calc prints them.
    static const std::vector<std::string>& Calculados();
    // The first input shown whose number is outside its field's range, as the
    // status line names it; empty when there is none.
    std::string EntradaFueraDeRango() const;
    // For an entry of the project file that a field stands for, the field's range
    // message when `valor` (in the file's unit) is outside it; empty when it is
    // inside, or when no field stands for the entry (options, lists, counts,
    // the entries of a curve or a hyetograph).
    std::string FueraDeRangoDeEntrada(std::string_view seccion, std::string_view clave, double valor);

    // The hyetograph the Forzantes tab plots: the one whose editor was last used or
    // whose option was last chosen, while its editor is shown; else the first shown.
    // None while no editor is.
    std::optional<THietograma> HietogramaGraficado() const;

    // The Suelo tab's messages, beside the status panel.
    const std::vector<std::string>& MensajesSuelo() const { return mensajesSuelo_; }

    // The window's caption.
    const std::string& Titulo() const { return titulo_; }

    // Whether the project differs from what it was when it was created, opened or
    // saved: whether saving it would write anything else. A form that does not
    // remember the project (RecordarProyecto off) cannot tell, and answers true.
    bool Modificado();
    // What Modificado compares with: the project as last created, opened or saved,
    // none when not remembered. A view that keeps the open project elsewhere
    // between runs keeps this beside it and gives it back once reopened.
    const std::optional<std::string>& ProyectoRecordado() const { return guardado_; }
    void RecordarProyectoComo(std::optional<std::string> texto) { guardado_ = std::move(texto); }
    // The project as its file would hold it, without what the file adds.
    std::string TextoDelProyecto();
    // Before the project is left: when it changed, asks whether to save it and
    // does; false when the person cancels, or the save is cancelled or fails.
    bool ConfirmarCambios();

    // Commands. New and Open ask first whether to save a changed project.
    void NuevoExecute();
    void AbrirExecute();
    void GuardarExecute();
    void GuardarComoExecute();
    // Opens a project as Abrir does once its dialog is answered. A file that cannot
    // be read loads the defaults of its entries and returns false with the reason.
    bool AbrirProyecto(const std::string& ruta, std::string* motivo = nullptr);
    // As AbrirProyecto, for a project named when the program starts: a name that
    // is not there is shown in the error box too, and the project stays as it was
    // instead of becoming a new one of that name.
    bool AbrirProyectoExistente(const std::string& ruta);
    // Opens a project already read into `ini`, as Abrir does with its file.
    void AbrirDocumento(TArchivoIni& ini, const std::string& ruta);
    // Writes the project into `ruta`, updating what the file already holds; a
    // failure is shown in the error box, leaves the file as it was and returns false.
    bool GuardarValores(const std::string& ruta, const std::string& nombre);

    // The whole state of this form (fields, options, lists, what is shown, the
    // model, the runoff window's form; not the setting RecordarProyecto), to be put
    // back later into this same form, whose handlers it keeps. A batch builds one
    // new form, takes its state and starts every project from it, instead of
    // building a new form each time.
    class TInstantanea;
    std::shared_ptr<const TInstantanea> Instantanea() const;
    // Puts back a state taken from this form; throws std::logic_error for another's.
    void Restaurar(const TInstantanea& instantanea);

    // The chain, one handler per tab; `MostrarPestana` runs the handler of the tab
    // shown (the report's tab runs Erosión's).
    void MostrarPestana(TPestanaBrovel pestana);
    TPestanaBrovel PestanaActual() const { return pestana_; }
    void GeometriaShow();
    void SueloShow();
    void tsForzantesShow();
    void CondicionantesShow();
    void DisipacionShow();
    void tsErosionShow();

    // Option and check-box handlers, run by the choices above; public so that a
    // choice can be run again.
    void rbCrrClick();
    void rbHrClick();
    void rbHdltClick();
    void rbHdlt2Click();
    void cbHlClick();
    void cbHmClick();
    void cbHmgClick();
    void cbTpChange();

    // "Verif. Datos".
    void Button1Click();

    // "Calcular usando Zumbrel" of the extreme storm and of the event: the storm
    // goes to the runoff window, which is shown, and its runoff comes back.
    void btUsarZumbrelClick();
    void btUsarZumbrel2Click();
    // The same exchange in two halves, for a view whose runoff window cannot be
    // shown modally: the storm goes over and the runoff window computes; then, once
    // the person closes it, it computes again and its results come back.
    void EntregarAZumbrel(bool extrema);
    void VolverDeZumbrel(bool extrema);

    // Checks and defaults.
    void VerificarCurva();
    void VerificarLimos();
    void VerificarArena();
    void ActualizarEstado();
    void ValoresPorDefecto();

private:
    void CrearCampos();
    void ConectarManejadores();
    void CrearEditores();
    void EjecutarManejadorDeLista(TListaBrovel lista) override;
    void EjecutarManejadorDeOpcion(TGrupoOpciones grupo);
    void EjecutarManejadorDeCasilla(TCasilla casilla);
    void PonerPorDefecto(std::initializer_list<const char*> campos);
    void ElegirPorTexto(TListaBrovel lista, std::string_view texto);
    void MostrarPrimerasEntradas();
    // The new project, without asking.
    void Nuevo();
    void Recordar();
    void PonerTitulo(const std::string& nombre);
    void RecorrerProyecto(TRecorridoProyecto& recorrido);
    void SerieDeHietogramas(TRecorridoProyecto& recorrido, int hietogramas, int pasos);

    // The chain's work; the public handlers add the re-entry guard and report an
    // error that escapes it.
    void CalcularGeometria();
    void CalcularSuelo();
    void CalcularForzantes();
    void CalcularCondicionantes();
    void CalcularDisipacion();
    void CalcularErosionPestana();
    void Cadena(const std::function<void()>& trabajo);
    // Runs a tab's routines in one guarded block, then writes its results through
    // `resultados`; those a fault left out of date are not written.
    void Bloque(TPestanaLadera pestana, const std::function<void()>& resultados);
    // Inputs into the model and results out of it, as every form does.
    void Escribir(TCantidad& campo, double TEstadoBrovel::*miembro) { TFormaBase::Escribir(campo, miembro, Estado); }
    void Copiar(TCantidad& campo, double TEstadoBrovel::*miembro) { TFormaBase::Copiar(campo, miembro, Estado); }
    // A result that came out infinite, or no number, is out of date.
    void RevisarResultado(const char* miembro, double valor) override;
    // The status line: a failed data check, the runoff to take again, or an input
    // out of range, in that order.
    void ComponerEstado();
    void MostrarResultado(const char* campo, bool visible);
    void CambioHietograma();
    void UsarZumbrel(bool extrema);
    bool EntregarZumbrel(bool extrema);
    void RecibirDeZumbrel(bool extrema);
    void TomarDeZumbrel(bool extrema);
    // Why the runoff window's `miembros` are out of date, if one is.
    std::optional<std::string> MotivoDeZumbrel(std::initializer_list<TMiembroZumbrel> miembros) const;
};
static_assert(SoloSusBases<TFormaBrovel, TControlesLadera, TDatosLadera, TEnlacesLadera>());
static_assert(
    SoloSusBases<TControlesLadera, TFormaBase, TDatosDeControles<std::size(kGruposDeOpciones), kCantidadDeListas>>());

}  // namespace brovel
