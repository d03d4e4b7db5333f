#include "docs/ArchivoIni.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "docs/ErroresDelSistema.h"
#include "fields/ConversionReal.h"

namespace brovel {
namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view Recortar(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

// The trimmed number, without the "+" that from_chars refuses; nothing when
// no digit (or point, where one may open it) follows the sign. That also shuts
// out what from_chars takes besides numbers: "inf", "nan".
std::optional<std::string_view> PrepararNumero(std::string_view texto, bool puntoInicial) {
    texto = Recortar(texto);
    size_t primera = 0;
    if (!texto.empty() && texto.front() == '+')
        texto.remove_prefix(1);
    else if (!texto.empty() && texto.front() == '-')
        primera = 1;
    if (primera >= texto.size()) return std::nullopt;
    const char c = texto[primera];
    if (!(c >= '0' && c <= '9') && !(puntoInicial && c == '.')) return std::nullopt;
    return texto;
}

std::optional<int> LeerEnteroIni(std::string_view texto) {
    const auto numero = PrepararNumero(texto, false);
    if (!numero) return std::nullopt;
    int valor = 0;
    const auto [fin, error] = std::from_chars(numero->data(), numero->data() + numero->size(), valor);
    if (error != std::errc{} || fin != numero->data() + numero->size()) return std::nullopt;
    return valor;
}

char Minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Minusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = Minuscula(c);
    return r;
}

// The nodes of one document, taken in blocks and given back all at once with it:
// a batch loads thousands of files, and a node apiece from the heap cost as much
// as the rest of the load. std::pmr's monotonic_buffer_resource does this, but
// the C++ library of the WebAssembly build has no <memory_resource>.
class TArena {
public:
    static constexpr size_t kBloque = 64 * 1024;

    TArena() = default;
    TArena(const TArena&) = delete;
    TArena& operator=(const TArena&) = delete;
    ~TArena() {
        for (auto& bloque : bloques_) Devolver(std::move(bloque));
    }

    void* Tomar(size_t bytes, size_t alineacion) {
        size_t inicio = (usado_ + alineacion - 1) & ~(alineacion - 1);
        if (bloques_.empty() || inicio + bytes > kBloque) {
            // What no block holds (the key index of a large file) gets a block of its own.
            if (bytes > kBloque) return grandes_.emplace_back(new std::byte[bytes]).get();
            bloques_.push_back(Bloque());
            inicio = 0;
        }
        usado_ = inicio + bytes;
        return bloques_.back().get() + inicio;
    }

private:
    using TBloque = std::unique_ptr<std::byte[]>;

    // Blocks given back are kept for the next document, up to a few megabytes:
    // a batch or a sweep loads document after document, and blocks handed back to
    // the system would have their pages faulted in again every time.
    static constexpr size_t kGuardados = 64;
    struct TGuardados {
        std::mutex cerrojo;
        std::vector<TBloque> bloques;
    };
    static TGuardados& Guardados() {
        static auto* guardados = new TGuardados;  // never destroyed: documents may outlive statics
        return *guardados;
    }
    static TBloque Bloque() {
        TGuardados& g = Guardados();
        const std::lock_guard cerrado(g.cerrojo);
        if (g.bloques.empty()) return TBloque(new std::byte[kBloque]);  // left unset: every node sets what it takes
        TBloque bloque = std::move(g.bloques.back());
        g.bloques.pop_back();
        return bloque;
    }
    static void Devolver(TBloque bloque) {
        TGuardados& g = Guardados();
        const std::lock_guard cerrado(g.cerrojo);
        if (g.bloques.size() < kGuardados) g.bloques.push_back(std::move(bloque));
    }

    std::vector<TBloque> bloques_, grandes_;
    size_t usado_ = 0;
};

template <class T>
struct TEnArena {
    using value_type = T;
    TArena* arena;
    explicit TEnArena(TArena& a) : arena(&a) {}
    template <class U>
    TEnArena(const TEnArena<U>& otro) : arena(otro.arena) {}
    T* allocate(size_t n) { return static_cast<T*>(arena->Tomar(n * sizeof(T), alignof(T))); }
    void deallocate(T*, size_t) {}
    template <class U>
    bool operator==(const TEnArena<U>& otro) const {
        return arena == otro.arena;
    }
};

}  // namespace

TCarga LeerArchivo(const std::string& ruta, size_t limite, std::string& texto, std::string& motivo) {
    struct stat datos {};
    if (::stat(ruta.c_str(), &datos) != 0) {
        motivo = TextoDelError(errno);
        return errno == ENOENT ? TCarga::NoExiste : TCarga::Rechazado;
    }
    if (!S_ISREG(datos.st_mode)) {
        motivo = NoEsUnArchivoComun(datos.st_mode);
        return TCarga::Rechazado;
    }
    if (static_cast<unsigned long long>(datos.st_size) > limite) {
        motivo = kMensajeDemasiadoGrande;
        return TCarga::Rechazado;
    }
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        motivo = TextoDelError(errno);
        return errno == ENOENT ? TCarga::NoExiste : TCarga::Rechazado;
    }
    TCarga carga = TCarga::Leido;
    if (::fstat(fd, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        motivo = NoEsUnArchivoComun(datos.st_mode);
        carga = TCarga::Rechazado;
    }
    char bloque[1 << 16];
    while (carga == TCarga::Leido) {
        const ssize_t leidos = ::read(fd, bloque, sizeof bloque);
        if (leidos > 0) {
            texto.append(bloque, static_cast<size_t>(leidos));
            if (texto.size() > limite) {
                motivo = kMensajeDemasiadoGrande;
                carga = TCarga::Rechazado;
            }
        } else if (leidos == 0) {
            break;
        } else if (errno != EINTR) {
            motivo = TextoDelError(errno);
            carga = TCarga::Rechazado;
        }
    }
    ::close(fd);
    if (carga != TCarga::Leido) texto.clear();
    return carga;
}

// The document keeps every line as the file has it. SimpleIni, which the program
// used before, rewrites the whole file from what it understood, and so loses
// lines that are no entry, later copies of a key and anything after a NUL byte;
// keeping the file's own lines needs this much less than mending that.
//
// A batch opens thousands of files, so a load makes few allocations: the lines
// are views into the text, which the document keeps, and the nodes of its list
// and index come from one arena, released with the document.
struct TArchivoIni::Datos {
    enum class TTipo { Otra, Comentario, Seccion, Entrada };
    struct TLinea {
        std::string_view original;  // as the file has it, without its end
        TTipo tipo = TTipo::Otra;
        bool escrita = false;  // its text is `escrito`, not `original`
        uint32_t seccion = 0;  // the section it is in (0: before any); a header's own
        std::string escrito;
        std::string_view Texto() const { return escrita ? std::string_view(escrito) : original; }
    };

    // A list, so that a new entry goes in without moving the others, and the
    // places kept below stay good.
    using TLineas = std::list<TLinea, TEnArena<TLinea>>;

    // An entry's key: its section, and its key as written, matched without regard
    // to case. The view is into the loaded text or into `clavesEscritas`, which
    // never move.
    struct TLlave {
        uint32_t seccion;
        std::string_view clave;
    };
    struct TDispersion {
        // Eight bytes at a time, each with its 0x20 bit set: that folds case, and
        // keys equal without regard to case hash alike.
        size_t operator()(const TLlave& llave) const noexcept {
            constexpr uint64_t kMezcla = 0x9E3779B97F4A7C15ull;
            uint64_t h = (llave.seccion + 1) * kMezcla ^ llave.clave.size();
            for (size_t i = 0; i < llave.clave.size(); i += 8) {
                uint64_t palabra = 0;
                std::memcpy(&palabra, llave.clave.data() + i, std::min<size_t>(8, llave.clave.size() - i));
                h = (h ^ (palabra | 0x2020202020202020ull)) * kMezcla;
                h ^= h >> 29;
            }
            return static_cast<size_t>(h);
        }
    };
    struct TIgualdad {
        bool operator()(const TLlave& a, const TLlave& b) const noexcept {
            return a.seccion == b.seccion && a.clave.size() == b.clave.size() &&
                   std::equal(a.clave.begin(), a.clave.end(), b.clave.begin(),
                              [](char x, char y) { return Minuscula(x) == Minuscula(y); });
        }
    };

    std::string fuente;  // the text loaded, which the lines look at
    TArena memoria;
    TLineas lineas{TEnArena<TLinea>(memoria)};
    // The text began with a UTF-8 byte-order mark, which goes back where it was.
    bool marca = false;
    // The section names in lower case; the first is "", before any header. A deque,
    // so that the views `indices` keeps of them stay good.
    std::deque<std::string> secciones{""};
    // Each section's index, by its name in any case.
    std::unordered_map<TLlave, uint32_t, TDispersion, TIgualdad> indices{{TLlave{0, secciones.front()}, 0}};
    // The first entry of each section and key.
    std::unordered_map<TLlave, TLineas::iterator, TDispersion, TIgualdad,
                       TEnArena<std::pair<const TLlave, TLineas::iterator>>>
        primeras{0, TDispersion{}, TIgualdad{}, TEnArena<std::pair<const TLlave, TLineas::iterator>>(memoria)};
    // The last entry of each section, or its last header when it has none; the
    // list's end where it has neither.
    std::vector<TLineas::iterator> ultimas{lineas.end()};
    std::deque<std::string> clavesEscritas;
    // The section asked for last, which is mostly the one asked for next.
    mutable uint32_t pedida = 0;

    // `texto` is the whole text, without a byte-order mark.
    explicit Datos(std::string texto = {}) : fuente(std::move(texto)) { Cargar(); }

    // The index of a section, by its name in any case; nothing when it has none.
    std::optional<uint32_t> Seccion(std::string_view nombre) const {
        if (TIgualdad{}({0, secciones[pedida]}, {0, nombre})) return pedida;
        const auto i = indices.find(TLlave{0, nombre});
        if (i == indices.end()) return std::nullopt;
        return pedida = i->second;
    }

    uint32_t SeccionCreada(std::string_view nombre) {
        if (const auto i = Seccion(nombre)) return *i;
        const auto indice = static_cast<uint32_t>(secciones.size());
        indices.emplace(TLlave{0, secciones.emplace_back(Minusculas(nombre))}, indice);
        ultimas.push_back(lineas.end());
        return indice;
    }

    // An entry's key, as written: the text before its first "=", trimmed.
    static std::string_view ClaveDe(std::string_view texto) {
        const std::string_view t = Recortar(texto);
        return Recortar(t.substr(0, t.find('=')));
    }

    // Sorts a line out, given the section it comes in; a header starts another.
    TLinea Clasificar(std::string_view texto, uint32_t seccion) {
        TLinea linea{texto, TTipo::Otra, false, seccion, {}};
        const std::string_view t = Recortar(texto);
        if (t.empty()) return linea;
        if (t.front() == ';' || t.front() == '#') {
            linea.tipo = TTipo::Comentario;
        } else if (t.front() == '[' && t.find(']') != std::string_view::npos) {
            linea.tipo = TTipo::Seccion;
            linea.seccion = SeccionCreada(Recortar(t.substr(1, t.find(']') - 1)));
        } else if (const size_t igual = t.find('='); igual != std::string_view::npos) {
            if (!Recortar(t.substr(0, igual)).empty()) linea.tipo = TTipo::Entrada;
        }
        return linea;
    }

    // Records a line just placed in the list, with its key when it is an entry.
    void Anotar(TLineas::iterator linea, std::string_view clave = {}) {
        if (linea->tipo == TTipo::Entrada) {
            // A later copy of a key is not recorded: the first one is read and written.
            primeras.try_emplace(TLlave{linea->seccion, clave}, linea);
            ultimas[linea->seccion] = linea;
        } else if (linea->tipo == TTipo::Seccion) {
            // A header follows the last entry of its section only while it has none.
            TLineas::iterator& ultima = ultimas[linea->seccion];
            if (ultima == lineas.end() || ultima->tipo == TTipo::Seccion) ultima = linea;
        }
    }

    void Cargar() {
        const std::string_view texto = fuente;
        primeras.reserve(texto.size() / 24);
        uint32_t seccion = 0;
        const auto agregar = [&](std::string_view l) {
            const auto linea = lineas.insert(lineas.end(), Clasificar(l, seccion));
            Anotar(linea, linea->tipo == TTipo::Entrada ? ClaveDe(l) : std::string_view());
            seccion = linea->seccion;
        };
        // A line ends at an LF, a CR, or a CR LF; the last one may have no end.
        const auto posicion = [&](const void* p) {
            return static_cast<size_t>(static_cast<const char*>(p) - texto.data());
        };
        size_t inicio = 0;
        while (inicio < texto.size()) {
            const char* resto = texto.data() + inicio;
            const void* lf = std::memchr(resto, '\n', texto.size() - inicio);
            size_t fin = lf ? posicion(lf) : texto.size();
            if (const void* cr = std::memchr(resto, '\r', fin - inicio)) fin = posicion(cr);
            agregar(texto.substr(inicio, fin - inicio));
            if (fin == texto.size()) break;
            inicio = fin + (texto[fin] == '\r' && fin + 1 < texto.size() && texto[fin + 1] == '\n' ? 2 : 1);
        }
    }

    const TLinea* Entrada(std::string_view seccion, std::string_view clave) const {
        const auto s = Seccion(seccion);
        if (!s) return nullptr;
        const auto i = primeras.find(TLlave{*s, clave});
        return i == primeras.end() ? nullptr : &*i->second;
    }

    std::optional<std::string_view> Valor(std::string_view seccion, std::string_view clave) const {
        const TLinea* linea = Entrada(seccion, clave);
        if (!linea) return std::nullopt;
        const std::string_view t = Recortar(linea->Texto());
        return Recortar(t.substr(t.find('=') + 1));
    }

    static void Reescribir(TLinea& linea, std::string texto) {
        linea.escrito = std::move(texto);
        linea.escrita = true;
    }

    void Escribir(std::string_view seccion, std::string_view clave, const std::string& valor) {
        if (TLinea* linea = const_cast<TLinea*>(Entrada(seccion, clave))) {
            Reescribir(*linea, std::string(ClaveDe(linea->Texto())) + '=' + valor);
            return;
        }
        // After the last entry of the section, or its last header; or a section of
        // its own at the end, a blank line apart.
        const auto existente = Seccion(seccion);
        TLineas::iterator donde = lineas.begin();
        uint32_t indice = existente.value_or(0);
        if (existente && ultimas[indice] != lineas.end()) {
            donde = std::next(ultimas[indice]);
        } else if (!seccion.empty()) {
            if (!lineas.empty() && !Recortar(lineas.back().Texto()).empty())
                lineas.push_back(TLinea{{}, TTipo::Otra, false, lineas.back().seccion, {}});
            Anotar(Insertar(lineas.end(), "[" + std::string(seccion) + "]", indice));
            indice = lineas.back().seccion;
            donde = lineas.end();
        }
        const auto entrada = Insertar(donde, std::string(clave) + '=' + valor, indice);
        Anotar(entrada, entrada->tipo == TTipo::Entrada ? clavesEscritas.emplace_back(ClaveDe(entrada->Texto()))
                                                        : std::string_view());
    }

    // Puts a line the program writes before `donde`, sorted out as a loaded one.
    TLineas::iterator Insertar(TLineas::iterator donde, std::string texto, uint32_t seccion) {
        const auto linea = lineas.insert(donde, TLinea{{}, TTipo::Otra, false, seccion, {}});
        Reescribir(*linea, std::move(texto));
        const TLinea clasificada = Clasificar(linea->Texto(), seccion);
        linea->tipo = clasificada.tipo;
        linea->seccion = clasificada.seccion;
        return linea;
    }
};

TArchivoIni::TArchivoIni() : datos_(std::make_unique<Datos>()) {}
TArchivoIni::~TArchivoIni() = default;
TArchivoIni::TArchivoIni(TArchivoIni&&) noexcept = default;
TArchivoIni& TArchivoIni::operator=(TArchivoIni&&) noexcept = default;

TCarga TArchivoIni::Leer(const std::string& ruta, std::string* motivo, const char* demasiadoGrande) {
    std::string texto, razon;
    TCarga carga = LeerArchivo(ruta, kTamanoMaximoProyecto, texto, razon);
    if (carga == TCarga::Rechazado && razon == kMensajeDemasiadoGrande) razon = demasiadoGrande;
    Tomar(std::move(texto));
    if (carga != TCarga::Leido && motivo) *motivo = razon;
    return carga;
}

void TArchivoIni::CargarTexto(std::string_view texto) { Tomar(std::string(texto)); }

void TArchivoIni::Tomar(std::string texto) {
    const bool marca = std::string_view(texto).substr(0, kMarcaUtf8.size()) == kMarcaUtf8;
    if (marca) texto.erase(0, kMarcaUtf8.size());
    datos_ = std::make_unique<Datos>(std::move(texto));
    datos_->marca = marca;
}

bool TArchivoIni::Tiene(std::string_view seccion, std::string_view clave) const {
    return datos_->Entrada(seccion, clave) != nullptr;
}

std::vector<std::string> TArchivoIni::Secciones() const {
    std::vector<std::string> secciones;
    std::vector<bool> vista(datos_->secciones.size());
    for (const Datos::TLinea& linea : datos_->lineas)
        if (linea.tipo == Datos::TTipo::Seccion && !vista[linea.seccion]) {
            vista[linea.seccion] = true;
            secciones.push_back(datos_->secciones[linea.seccion]);
        }
    return secciones;
}

double TArchivoIni::LeerReal(std::string_view seccion, std::string_view clave, double porDefecto) const {
    const auto valor = datos_->Valor(seccion, clave);
    return valor ? LeerRealIni(*valor).value_or(porDefecto) : porDefecto;
}

int TArchivoIni::LeerEntero(std::string_view seccion, std::string_view clave, int porDefecto) const {
    const auto valor = datos_->Valor(seccion, clave);
    return valor ? LeerEnteroIni(*valor).value_or(porDefecto) : porDefecto;
}

bool TArchivoIni::LeerBooleano(std::string_view seccion, std::string_view clave, bool porDefecto) const {
    return LeerEntero(seccion, clave, porDefecto ? 1 : 0) != 0;
}

bool TArchivoIni::EscribirReal(std::string_view seccion, std::string_view clave, double valor) {
    if (!std::isfinite(valor)) return false;
    datos_->Escribir(seccion, clave, RealComoTextoIni(valor));
    return true;
}

void TArchivoIni::EscribirEntero(std::string_view seccion, std::string_view clave, int valor) {
    datos_->Escribir(seccion, clave, std::to_string(valor));
}

void TArchivoIni::EscribirBooleano(std::string_view seccion, std::string_view clave, bool valor) {
    datos_->Escribir(seccion, clave, valor ? "1" : "0");
}

std::string TArchivoIni::Texto() const {
    std::string texto(datos_->marca ? kMarcaUtf8 : std::string_view());
    texto.reserve(datos_->fuente.size() + 2 * datos_->lineas.size() + 64);
    for (const auto& linea : datos_->lineas) {
        texto += linea.Texto();
        texto += "\r\n";
    }
    return texto;
}

void TArchivoIni::Guardar(const std::string& ruta) const {
    const std::string texto = Texto();
    // A save never makes a file that would not open again.
    if (texto.size() > kTamanoMaximoProyecto)
        throw TErrorArchivo("No se pudo guardar \"" + ruta + "\": tendría " + std::to_string(texto.size()) +
                            " bytes, más de los " + std::to_string(kTamanoMaximoProyecto) +
                            " que se pueden abrir; el archivo anterior queda como estaba");
    ReemplazarArchivo(ruta, texto);
}

std::string RealComoTextoIni(double valor) {
    if (std::isnan(valor)) return "NAN";
    if (std::isinf(valor)) return valor < 0 ? "-INF" : "INF";
    if (valor == 0) return "0";  // and not "-0"

    // Fifteen digits keep ordinary files as they have always been written; the few
    // numbers they do not bring back get the digits they need.
    std::string texto;
    for (int cifras = 15; cifras <= 17; ++cifras) {
        texto = RealGeneral(valor, cifras);
        double leido = 0;
        const auto [usados, error] = LeerReal(texto, leido);
        if (error == std::errc{} && usados == texto.size() && leido == valor) break;
    }
    const std::string_view numero = texto;
    const auto e = numero.find('e');
    if (e == std::string_view::npos) return std::string(numero);

    // "1.5e+20" → "1.5E20", "1e-05" → "1E-5".
    std::string resultado(numero.substr(0, e));
    resultado += 'E';
    std::string_view exponente = numero.substr(e + 1);
    if (exponente.front() == '-') resultado += '-';
    exponente.remove_prefix(1);
    while (exponente.size() > 1 && exponente.front() == '0') exponente.remove_prefix(1);
    resultado += exponente;
    return resultado;
}

std::optional<double> LeerRealIni(std::string_view texto) {
    const auto numero = PrepararNumero(texto, true);
    if (!numero) return std::nullopt;
    double valor = 0;
    const auto [usados, error] = LeerReal(*numero, valor);
    if (error != std::errc{} || usados != numero->size()) return std::nullopt;
    return valor;
}

}  // namespace brovel
