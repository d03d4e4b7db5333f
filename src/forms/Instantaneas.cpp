// The state of a form taken whole and put back into the same form: everything
// the form holds but its handlers, which are bound to it and do not change, and
// the person it answers to.
#include <stdexcept>

#include "forms/FormaBrovel.h"
#include "forms/FormaZumbrel.h"

namespace brovel {

class TFormaZumbrel::TInstantanea {
public:
    const TFormaZumbrel* forma = nullptr;
    TEstadoZumbrel Estado;
    std::string NombreProyecto;
#define BROVEL_DECLARAR_CAMPO(nombre) TCantidad nombre;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO
    bool SerieInvalida = false;
    std::array<int, 2> opciones{};
    bool aai = true;
    std::array<TLista, kCantidadDeListasZumbrel> listas{};
    std::map<std::string, bool, std::less<>> visibles;
    std::string textoEstado;
    bool estadoEnError = false;
    TGrillaResultados grillaLluvia, grillaEscorrentia, grillaHidrograma;
    TFrescura frescura;
    std::map<const TCantidad*, const char*> miembroDeCampo;
    std::string mensajeHidrograma;
};

std::shared_ptr<const TFormaZumbrel::TInstantanea> TFormaZumbrel::Instantanea() const {
    auto i = std::make_shared<TInstantanea>();
    i->forma = this;
    i->Estado = Estado;
    i->NombreProyecto = NombreProyecto;
#define BROVEL_TOMAR_CAMPO(nombre) i->nombre = nombre;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_TOMAR_CAMPO)
#undef BROVEL_TOMAR_CAMPO
    i->SerieInvalida = SerieInvalida;
    i->opciones = opciones_;
    i->aai = aai_;
    i->listas = listas_;
    i->visibles = visibles_;
    i->textoEstado = textoEstado_;
    i->estadoEnError = estadoEnError_;
    i->grillaLluvia = grillaLluvia_;
    i->grillaEscorrentia = grillaEscorrentia_;
    i->grillaHidrograma = grillaHidrograma_;
    i->frescura = frescura_;
    i->miembroDeCampo = miembroDeCampo_;
    i->mensajeHidrograma = mensajeHidrograma_;
    return i;
}

void TFormaZumbrel::Restaurar(const TInstantanea& i) {
    if (i.forma != this)
        throw std::logic_error("el estado de un formulario de escorrentía vuelve solo a ese formulario");
    Estado = i.Estado;
    NombreProyecto = i.NombreProyecto;
#define BROVEL_PONER_CAMPO(nombre) nombre = i.nombre;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_PONER_CAMPO)
#undef BROVEL_PONER_CAMPO
    SerieInvalida = i.SerieInvalida;
    opciones_ = i.opciones;
    aai_ = i.aai;
    listas_ = i.listas;
    visibles_ = i.visibles;
    textoEstado_ = i.textoEstado;
    estadoEnError_ = i.estadoEnError;
    grillaLluvia_ = i.grillaLluvia;
    grillaEscorrentia_ = i.grillaEscorrentia;
    grillaHidrograma_ = i.grillaHidrograma;
    frescura_ = i.frescura;
    miembroDeCampo_ = i.miembroDeCampo;
    mensajeHidrograma_ = i.mensajeHidrograma;
}

class TFormaBrovel::TInstantanea {
public:
    const TFormaBrovel* forma = nullptr;
    TEstadoBrovel Estado;
    std::shared_ptr<const TFormaZumbrel::TInstantanea> Zumbrel;
#define BROVEL_DECLARAR_CAMPO(nombre) TCantidad nombre;
    BROVEL_CAMPOS_LADERA(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO
    std::string RutaProyecto, NombreProyecto;
    bool RecalculoSuspendido = false, ErrorRango = false, FaltaVerificar = false, ErrorLimos = false,
         ErrorArena = false, FaltaZumbrel = false;
    std::array<int, 4> opciones{};
    std::array<bool, 4> casillas{};
    std::array<TLista, kCantidadDeListas> listas{};
    std::map<std::string, bool, std::less<>> visibles;
    std::string textoEstado;
    bool estadoEnError = false;
    std::vector<std::string> mensajesSuelo;
    std::string titulo;
    std::optional<std::string> guardado;
    TPestanaBrovel pestana = TPestanaBrovel::Geometria;
    TFrescura frescura;
    std::map<const TCantidad*, const char*> miembroDeCampo;
    std::string_view mensajeDatos;
    bool tomadoExtrema = false, tomadoEvento = false;
    THietograma hietogramaUsado = THietograma::Representativo;
};

std::shared_ptr<const TFormaBrovel::TInstantanea> TFormaBrovel::Instantanea() const {
    auto i = std::make_shared<TInstantanea>();
    i->forma = this;
    i->Estado = Estado;
    i->Zumbrel = Zumbrel.Instantanea();
#define BROVEL_TOMAR_CAMPO(nombre) i->nombre = nombre;
    BROVEL_CAMPOS_LADERA(BROVEL_TOMAR_CAMPO)
#undef BROVEL_TOMAR_CAMPO
    i->RutaProyecto = RutaProyecto;
    i->NombreProyecto = NombreProyecto;
    i->RecalculoSuspendido = RecalculoSuspendido;
    i->ErrorRango = ErrorRango;
    i->FaltaVerificar = FaltaVerificar;
    i->ErrorLimos = ErrorLimos;
    i->ErrorArena = ErrorArena;
    i->FaltaZumbrel = FaltaZumbrel;
    i->opciones = opciones_;
    i->casillas = casillas_;
    i->listas = listas_;
    i->visibles = visibles_;
    i->textoEstado = textoEstado_;
    i->estadoEnError = estadoEnError_;
    i->mensajesSuelo = mensajesSuelo_;
    i->titulo = titulo_;
    i->guardado = guardado_;
    i->pestana = pestana_;
    i->frescura = frescura_;
    i->miembroDeCampo = miembroDeCampo_;
    i->mensajeDatos = mensajeDatos_;
    i->tomadoExtrema = tomadoExtrema_;
    i->tomadoEvento = tomadoEvento_;
    i->hietogramaUsado = hietogramaUsado_;
    return i;
}

void TFormaBrovel::Restaurar(const TInstantanea& i) {
    if (i.forma != this) throw std::logic_error("el estado de un formulario de ladera vuelve solo a ese formulario");
    Estado = i.Estado;
    Zumbrel.Restaurar(*i.Zumbrel);
#define BROVEL_PONER_CAMPO(nombre) nombre = i.nombre;
    BROVEL_CAMPOS_LADERA(BROVEL_PONER_CAMPO)
#undef BROVEL_PONER_CAMPO
    RutaProyecto = i.RutaProyecto;
    NombreProyecto = i.NombreProyecto;
    RecalculoSuspendido = i.RecalculoSuspendido;
    ErrorRango = i.ErrorRango;
    FaltaVerificar = i.FaltaVerificar;
    ErrorLimos = i.ErrorLimos;
    ErrorArena = i.ErrorArena;
    FaltaZumbrel = i.FaltaZumbrel;
    opciones_ = i.opciones;
    casillas_ = i.casillas;
    listas_ = i.listas;
    visibles_ = i.visibles;
    textoEstado_ = i.textoEstado;
    estadoEnError_ = i.estadoEnError;
    mensajesSuelo_ = i.mensajesSuelo;
    titulo_ = i.titulo;
    guardado_ = i.guardado;
    pestana_ = i.pestana;
    frescura_ = i.frescura;
    miembroDeCampo_ = i.miembroDeCampo;
    mensajeDatos_ = i.mensajeDatos;
    tomadoExtrema_ = i.tomadoExtrema;
    tomadoEvento_ = i.tomadoEvento;
    hietogramaUsado_ = i.hietogramaUsado;
}

}  // namespace brovel
