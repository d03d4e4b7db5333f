#include "forms/FormaBrovel.h"

#include <cmath>

#include "fields/MensajesRango.h"
#include "fields/Pendiente.h"
#include "forms/CamposBrovel.h"
#include "forms/Descripcion.h"

namespace brovel {
namespace {

// clang-format off
const std::vector<const char*> kBotones[] = {
    {"rbCrr", "rbDm", "rbCyT"},
    {"rbHr", "rbSh", "rbPre", "rbFelle"},
    {"rbHdlt", "rbCe"},
    {"rbHdlt2", "rbPrde"},
};
// The caption of each button, as the window and the report show it.
const std::vector<const char*> kTitulos[] = {
    {"Curva granométrica representativa", "Diámetro medio", "Clase y textura"},
    {"Hietograma representativo", "Serie de hietogramas", "Parámetros representativos de la energía",
     "Factor de erosividad de lluvia-escorrentía"},
    {"Hietograma de la tormenta", "Cantidad de escorrentía"},
    {"Hietograma de la tormenta", "Parámetros representativos del evento"},
};
const char* const kNombresCasillas[] = {"cbD", "cbHl", "cbHm", "cbHmg"};
const char* const kNombresListas[] = {
    "cbCspe", "cbCspp", "cbMde", "cbTp",
    "cbPcg", "cbCph", "cbPhn", "cbCh", "cbCph2", "cbHn", "cbPhn2", "cbCph3", "cbPhn3", "cbCph4", "cbPhn4",
};
// clang-format on
static_assert(std::size(kNombresListas) == kCantidadDeListas);

// The entries of the lists of fixed choices.
const std::pair<TListaBrovel, std::vector<std::string>> kEntradasDeListas[] = {
    {TListaBrovel::cbCspe,
     {"Grano muy fino (< 1 mm)", "Grano fino (1-2 mm)", "Grano medio (2-5 mm) y grano grueso (5-10 mm)",
      "Grano muy grueso (> 10 mm)"}},
    {TListaBrovel::cbCspp,
     {"Rápida a muy rápida (< 1 mm/h)", "Medianamente rápida (1-2 mm/h)", "Moderada (2-5 mm/h)",
      "Moderadamente lenta (5-20 mm/h)", "Lenta (20-60 mm/h)", "Muy lenta (> 60 mm/h)"}},
    {TListaBrovel::cbMde, {"Surco", "Entresurco", "No sabe"}},
    {TListaBrovel::cbTp, {"Perfilado", "Cultivo en Franjas", "Aterrazamiento", "Campos de pastoreo"}},
};

// The form as a new window holds it before any project: the inputs of every
// option but the first hidden.
// clang-format off
const char* const kOcultosAlCrear[] = {
    "euDm", "cbCspe", "euPl", "euPlm", "euPa", "euPmo", "cbCspp", "euPths", "cbCh", "cbCph2", "pSh", "euEt",
    "euMi30m", "euFele", "euCe", "euVp", "euCp", "euTtfo", "euFapo", "euFcss", "euRacmr", "euPsrua", "cbMde",
    "cbTp", "euPs", "euAl", "euFps", "euEet", "euPt", "euTfp", "euCtc", "euFliii", "euCmst", "euIrst",
    "euFpsb", "euFpset", "euFpsed", "euFdPdS", "euLctResultado", "euFpsResultado", "euFpsbEResultado",
    "euFpsetEResultado", "euFpsedEResultado",
};
// clang-format on

}  // namespace

int32_t CantidadDeCampo(TCantidad& campo) {
    const long double valor = campo.GetBaseValue();
    if (!(valor > 0)) return 0;
    return AcotarCantidad(static_cast<int>(std::trunc(std::fmin(valor, kMaxElementos))));
}

const std::vector<const char*>& BotonesDe(TGrupoOpciones grupo) { return kBotones[static_cast<size_t>(grupo)]; }
const char* TituloDe(TGrupoOpciones grupo, int boton) {
    return kTitulos[static_cast<size_t>(grupo)].at(static_cast<size_t>(boton));
}
const char* NombreDe(TCasilla casilla) { return kNombresCasillas[static_cast<size_t>(casilla)]; }
const char* NombreDe(TListaBrovel lista) { return kNombresListas[static_cast<size_t>(lista)]; }

TFormaBrovel::TFormaBrovel(TInterlocutor& interlocutor)
    : TFormaConControles(interlocutor, EsControlDeBrovel), TEnlacesLadera(interlocutor) {
    campos_.Nombrar({BROVEL_CAMPOS_LADERA(BROVEL_CAMPO_POR_NOMBRE)});
    CrearCampos();
    for (const auto& [lista, entradas] : kEntradasDeListas) {
        ListaMutable(lista).items = entradas;
        ListaMutable(lista).indice = 0;
    }
    RecalculoSuspendido = false;
    euCpcg.BaseMax = 20;
    euCpcg.SetUseRange(true);
    for (TListaBrovel cantidad :
         {TListaBrovel::cbCph, TListaBrovel::cbCh, TListaBrovel::cbCph2, TListaBrovel::cbCph3, TListaBrovel::cbCph4})
        ListaMutable(cantidad).LlenarConNumeros(kMaxElementos);
    for (const char* oculto : kOcultosAlCrear) Mostrar({oculto}, false);
    CrearEditores();
    ConectarManejadores();
    Nuevo();
    for (TCantidad* pendiente : {&euDt, &euPs, &euPt}) {
        pendiente->OnCambioDeUnidad = PendienteCambioDeUnidad;
        pendiente->OnReadBaseValue = PendienteReadBaseValue;
    }
}

TFormaBrovel::~TFormaBrovel() = default;

// Every field as its row of the table describes it; a new project writes the
// defaults later, through the handlers.
void TFormaBrovel::CrearCampos() {
    for (const TDefinicionCampo& d : CamposBrovel()) {
        PrepararCampo(Campo(d.nombre), d, false);
        definiciones_[&Campo(d.nombre)] = &d;
        if (d.clase == TClaseCampo::Entrada || d.clase == TClaseCampo::EntradaSinAviso)
            entradas_.push_back({&d, &Campo(d.nombre)});
    }
}

// The editors of the curve and of the four hyetographs, each ending in the
// recalculation of its tab; the two storms handed to the runoff module end in
// the mark that asks for it to run again.
void TFormaBrovel::CrearEditores() {
    TEstadoBrovel& e = Estado;
    curva_ = std::make_unique<TEditorSerie>(ListaMutable(TListaBrovel::cbPcg), nullptr, [this] { SueloShow(); });
    curva_->AgregarColumna(
        euDg, [&e](int, int i) -> double& { return e.Dg[i]; },
        [this](std::optional<double> anterior, double nuevo) {
            // Lowering a diameter can only be judged against the whole curve.
            if (anterior && *anterior - nuevo > 1e-11) FaltaVerificar = true;
            ActualizarEstado();
        });
    curva_->AgregarColumna(euPp, [&e](int, int i) -> double& { return e.Pp[i]; });

    // Using an editor also makes its hyetograph the one the tab plots.
    const auto forzantes = [this](THietograma h) {
        return [this, h] {
            hietogramaUsado_ = h;
            tsForzantesShow();
        };
    };
    const auto cambio = [this](THietograma h) {
        return [this, h] {
            hietogramaUsado_ = h;
            CambioHietograma();
        };
    };
    representativo_ = std::make_unique<TEditorSerie>(ListaMutable(TListaBrovel::cbPhn), nullptr,
                                                     forzantes(THietograma::Representativo));
    representativo_->AgregarColumna(euCll, [&e](int, int k) -> double& { return e.Cll1[1][k]; });
    serie_ = std::make_unique<TEditorSerie>(ListaMutable(TListaBrovel::cbPhn2), &ListaMutable(TListaBrovel::cbHn),
                                            forzantes(THietograma::Serie));
    serie_->AgregarColumna(euCll1, [&e](int h, int k) -> double& { return e.Cll1[h][k]; });
    tormenta_ =
        std::make_unique<TEditorSerie>(ListaMutable(TListaBrovel::cbPhn3), nullptr, cambio(THietograma::Tormenta));
    tormenta_->AgregarColumna(euCll2, [&e](int, int k) -> double& { return e.Cll2[k]; });
    evento_ = std::make_unique<TEditorSerie>(ListaMutable(TListaBrovel::cbPhn4), nullptr, cambio(THietograma::Evento));
    evento_->AgregarColumna(euCll3, [&e](int, int k) -> double& { return e.Cll3[k]; });
}

// Each input's change runs the handler of its tab or of its editor.
void TFormaBrovel::ConectarManejadores() {
    const auto manejar = [this](void (TFormaBrovel::*manejador)()) {
        return [this, manejador] { (this->*manejador)(); };
    };
    const std::pair<std::vector<TCantidad*>, std::function<void()>> cadena[] = {
        {{&euDt, &euLt}, manejar(&TFormaBrovel::GeometriaShow)},
        {{&euBvs, &euBrvs, &euDm, &euPmo, &euShs}, manejar(&TFormaBrovel::SueloShow)},
        {{&euMi30m, &euPth, &euCta, &euPths, &euFele, &euEt, &euCe, &euVp, &euCp},
         manejar(&TFormaBrovel::tsForzantesShow)},
        {{&euRacmr, &euPsrua, &euFatc, &euAmf, &euTtfo, &euFapo, &euFliii, &euCtc, &euTfp, &euPs, &euAl, &euFps, &euPt,
          &euEet},
         manejar(&TFormaBrovel::CondicionantesShow)},
        {{&euRast, &euCmst, &euIrst}, manejar(&TFormaBrovel::DisipacionShow)},
        {{&euPth2, &euPth3}, [this] { Manejar([this] { CambioHietograma(); }); }},
        {{&euCpcg},
         [this] {
             Manejar([this] {
                 euCpcg.SetBaseValue(std::trunc(euCpcg.GetBaseValue()));
                 curva_->Contar(ListaMutable(TListaBrovel::cbPcg), CantidadDeCampo(euCpcg));
             });
         }},
        {{&euDg}, [this] { Manejar([this] { curva_->Guardar(0); }); }},
        {{&euPp}, [this] { Manejar([this] { curva_->Guardar(1); }); }},
        {{&euCll}, [this] { Manejar([this] { representativo_->Guardar(0); }); }},
        {{&euCll1}, [this] { Manejar([this] { serie_->Guardar(0); }); }},
        {{&euCll2}, [this] { Manejar([this] { tormenta_->Guardar(0); }); }},
        {{&euCll3}, [this] { Manejar([this] { evento_->Guardar(0); }); }},
        // Silt bounds modified silt from below and sand from above.
        {{&euPl},
         [this] {
             Manejar([this] {
                 const long double limos = euPl.GetBaseValue();
                 euPlm.BaseMin = limos;
                 euPa.BaseMax = 100 - limos;
                 euPlm.SetUseRange(true);
                 euPa.SetUseRange(true);
                 VerificarLimos();
                 SueloShow();
             });
         }},
        {{&euPlm},
         [this] {
             Manejar([this] {
                 VerificarLimos();
                 VerificarArena();
                 SueloShow();
             });
         }},
        {{&euPa},
         [this] {
             Manejar([this] {
                 VerificarArena();
                 SueloShow();
             });
         }},
    };
    for (const auto& [campos, manejador] : cadena)
        for (TCantidad* campo : campos) campo->OnChange = manejador;
}

void TFormaBrovel::EjecutarManejadorDeLista(TListaBrovel lista) {
    using L = TListaBrovel;
    const auto entero = [this](L l) { return EnteroDeLista(Lista(l)); };
    Manejar([&] {
        switch (lista) {
            case L::cbCspe:
            case L::cbCspp: SueloShow(); break;
            case L::cbMde: CondicionantesShow(); break;
            case L::cbTp: cbTpChange(); break;
            case L::cbPcg: curva_->MostrarElegido(); break;
            case L::cbCph: representativo_->Contar(ListaMutable(L::cbPhn), entero(L::cbCph)); break;
            case L::cbPhn: representativo_->MostrarElegido(); break;
            case L::cbCh: serie_->Contar(ListaMutable(L::cbHn), entero(L::cbCh)); break;
            case L::cbCph2: serie_->Contar(ListaMutable(L::cbPhn2), entero(L::cbCph2)); break;
            case L::cbHn:
            case L::cbPhn2: serie_->MostrarElegido(); break;
            // The extreme storm's step count changes the storm handed to the runoff
            // module, so its runoff must be computed again, as for the event.
            case L::cbCph3: tormenta_->Contar(ListaMutable(L::cbPhn3), entero(L::cbCph3)); break;
            case L::cbPhn3: tormenta_->MostrarElegido(); break;
            case L::cbCph4: evento_->Contar(ListaMutable(L::cbPhn4), entero(L::cbCph4)); break;
            case L::cbPhn4: evento_->MostrarElegido(); break;
        }
    });
}

void TFormaBrovel::EjecutarManejadorDeOpcion(TGrupoOpciones grupo) {
    switch (grupo) {
        case TGrupoOpciones::Suelo: rbCrrClick(); break;
        case TGrupoOpciones::LluviaMedia: rbHrClick(); break;
        case TGrupoOpciones::LluviaExtrema: rbHdltClick(); break;
        case TGrupoOpciones::Evento: rbHdlt2Click(); break;
    }
}

void TFormaBrovel::EjecutarManejadorDeCasilla(TCasilla casilla) {
    switch (casilla) {
        case TCasilla::Descongelamiento: SueloShow(); break;
        case TCasilla::Labranza: cbHlClick(); break;
        case TCasilla::Mulching: cbHmClick(); break;
        case TCasilla::PracticasDeSoporte: cbHmgClick(); break;
    }
}

void TFormaBrovel::ElegirOpcion(TGrupoOpciones grupo, int boton) {
    if (!CambiarOpcion(grupo, boton)) return;
    // A rain option chosen brings its hyetograph, if it has one, to the plot.
    if (grupo == TGrupoOpciones::LluviaMedia && boton <= 1)
        hietogramaUsado_ = boton == 0 ? THietograma::Representativo : THietograma::Serie;
    if (grupo == TGrupoOpciones::LluviaExtrema && boton == 0) hietogramaUsado_ = THietograma::Tormenta;
    if (grupo == TGrupoOpciones::Evento && boton == 0) hietogramaUsado_ = THietograma::Evento;
    EjecutarManejadorDeOpcion(grupo);
}

void TFormaBrovel::Marcar(TCasilla casilla, bool marcada) {
    if (Marcada(casilla) == marcada) return;
    casillas_[static_cast<size_t>(casilla)] = marcada;
    EjecutarManejadorDeCasilla(casilla);
}

void TFormaBrovel::ElegirPorTexto(TListaBrovel lista, std::string_view texto) {
    const auto& items = Lista(lista).items;
    int indice = -1;
    for (size_t i = 0; i < items.size() && indice < 0; ++i)
        if (items[i] == texto) indice = static_cast<int>(i);
    SetIndice(lista, indice);
}

std::optional<THietograma> TFormaBrovel::HietogramaGraficado() const {
    // Each editor's panel, in the order of the tab.
    static constexpr std::pair<THietograma, const char*> kPaneles[] = {{THietograma::Representativo, "pHr"},
                                                                       {THietograma::Serie, "pSh"},
                                                                       {THietograma::Tormenta, "pHt2"},
                                                                       {THietograma::Evento, "pHt3"}};
    for (const auto& [h, panel] : kPaneles)
        if (h == hietogramaUsado_ && Mostrado(panel)) return h;
    for (const auto& [h, panel] : kPaneles)
        if (Mostrado(panel)) return h;
    return std::nullopt;
}

const std::vector<std::string>& TFormaBrovel::Calculados() {
    static const std::vector<std::string> kCalculados(CalculadosBrovel().begin(), CalculadosBrovel().end());
    return kCalculados;
}

std::vector<std::string> TFormaBrovel::SinActualizar() const { return frescura_.Viejos(Calculados()); }

std::string TFormaBrovel::EntradaFueraDeRango() const {
    // The range first: it is the quicker test, and most inputs pass it.
    for (const auto& [d, campo] : entradas_)
        if (campo->FueraDeRango() && Mostrado(d->nombre)) return *MotivoFueraDeRango(*campo);
    return {};
}

void TFormaBrovel::Cadena(const std::function<void()>& trabajo) {
    SinReentrar([&] {
        trabajo();
        ComponerEstado();
    });
}

void TFormaBrovel::MostrarPestana(TPestanaBrovel pestana) {
    pestana_ = pestana;
    switch (pestana) {
        case TPestanaBrovel::Geometria: GeometriaShow(); break;
        case TPestanaBrovel::Suelo: SueloShow(); break;
        case TPestanaBrovel::Forzantes: tsForzantesShow(); break;
        case TPestanaBrovel::Condicionantes: CondicionantesShow(); break;
        case TPestanaBrovel::Disipacion: DisipacionShow(); break;
        case TPestanaBrovel::Erosion:
        case TPestanaBrovel::Reporte: tsErosionShow(); break;
    }
}

// clang-format off
void TFormaBrovel::GeometriaShow() { Cadena([this] { CalcularGeometria(); }); }
void TFormaBrovel::SueloShow() { Cadena([this] { CalcularSuelo(); }); }
void TFormaBrovel::tsForzantesShow() { Cadena([this] { CalcularForzantes(); }); }
void TFormaBrovel::CondicionantesShow() { Cadena([this] { CalcularCondicionantes(); }); }
void TFormaBrovel::DisipacionShow() { Cadena([this] { CalcularDisipacion(); }); }
void TFormaBrovel::tsErosionShow() { Cadena([this] { CalcularErosionPestana(); }); }
// clang-format on

// Every array editor shows its first entry, as after loading a project.
void TFormaBrovel::MostrarPrimerasEntradas() {
    for (TListaBrovel lista :
         {TListaBrovel::cbPcg, TListaBrovel::cbPhn, TListaBrovel::cbHn, TListaBrovel::cbPhn3, TListaBrovel::cbPhn4})
        EjecutarManejadorDeLista(lista);
    // Showing them used no editor.
    hietogramaUsado_ = THietograma::Representativo;
}

void TFormaBrovel::NuevoExecute() {
    if (ConfirmarCambios()) Nuevo();
}

void TFormaBrovel::Nuevo() {
    Manejar([this] {
        ValoresPorDefecto();
        MostrarPrimerasEntradas();
        FaltaZumbrel = false;
        tomadoExtrema_ = tomadoEvento_ = false;
        ActualizarEstado();
        RutaProyecto.clear();
        NombreProyecto.clear();
        titulo_ = "Brovel - Sin Nombre";
        Recordar();
    });
}

}  // namespace brovel
