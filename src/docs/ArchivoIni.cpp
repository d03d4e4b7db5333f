#include "docs/ArchivoIni.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <list>
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

std::string_view Recortar(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

std::vector<std::string_view> Lineas(std::string_view texto) {
    std::vector<std::string_view> lineas;
    size_t inicio = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\n' && texto[i] != '\r') continue;
        lineas.push_back(texto.substr(inicio, i - inicio));
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    if (inicio < texto.size()) lineas.push_back(texto.substr(inicio));
    return lineas;
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

// "seccion\nclave", built in one piece; in lower case with `minusculas`.
std::string Llave(std::string_view seccion, std::string_view clave, bool minusculas) {
    std::string r(seccion.size() + 1 + clave.size(), '\n');
    char* p = r.data();
    p = std::copy(seccion.begin(), seccion.end(), p) + 1;
    std::copy(clave.begin(), clave.end(), p);
    if (minusculas) std::transform(r.begin(), r.end(), r.begin(), Minuscula);
    return r;
}

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
struct TArchivoIni::Datos {
    enum class TTipo { Otra, Comentario, Seccion, Entrada };
    struct TLinea {
        std::string texto;  // as the file has it, without its end
        TTipo tipo = TTipo::Otra;
        std::string seccion;  // the section it is in, in lower case ("" before any)
        std::string clave;    // an entry's key, in lower case
    };

    // A list, so that a new entry goes in without moving the others, and the
    // places kept below stay good.
    using TLineas = std::list<TLinea>;
    TLineas lineas;
    // The text began with a UTF-8 byte-order mark, which goes back where it was.
    bool marca = false;
    // Looked up by a view as well as by a string.
    struct TDispersion {
        using is_transparent = void;
        size_t operator()(std::string_view texto) const noexcept { return std::hash<std::string_view>{}(texto); }
    };
    // The first entry of each section and key, "seccion\nclave" in lower case.
    std::unordered_map<std::string, TLineas::iterator, TDispersion, std::equal_to<>> primeras;
    // The last entry of each section, or its last header when it has none.
    std::unordered_map<std::string, TLineas::iterator> ultimas;

    // Sorts a line out, given the section it comes in; a header starts another.
    static TLinea Clasificar(std::string texto, const std::string& seccion) {
        TLinea linea{std::move(texto), TTipo::Otra, seccion, {}};
        const std::string_view t = Recortar(linea.texto);
        if (t.empty()) return linea;
        if (t.front() == ';' || t.front() == '#') {
            linea.tipo = TTipo::Comentario;
        } else if (t.front() == '[' && t.find(']') != std::string_view::npos) {
            linea.tipo = TTipo::Seccion;
            linea.seccion = Minusculas(Recortar(t.substr(1, t.find(']') - 1)));
        } else if (const size_t igual = t.find('='); igual != std::string_view::npos) {
            const std::string_view clave = Recortar(t.substr(0, igual));
            if (!clave.empty()) {
                linea.tipo = TTipo::Entrada;
                linea.clave = Minusculas(clave);
            }
        }
        return linea;
    }

    // Records a line just placed in the list. `recordada`, when given, remembers the
    // record of `ultimas` that the previous entry went to, so that a run of entries
    // of one section looks their section up once.
    void Anotar(TLineas::iterator linea, std::pair<const std::string, TLineas::iterator>** recordada = nullptr) {
        if (linea->tipo == TTipo::Entrada) {
            // A later copy of a key is not recorded: the first one is read and written.
            primeras.try_emplace(Llave(linea->seccion, linea->clave, false), linea);  // both in lower case
            if (recordada && *recordada && (*recordada)->first == linea->seccion) {
                (*recordada)->second = linea;
                return;
            }
            auto& registro = *ultimas.try_emplace(linea->seccion).first;
            registro.second = linea;
            if (recordada) *recordada = &registro;
        } else if (linea->tipo == TTipo::Seccion) {
            // A header follows the last entry of its section only while it has none.
            const auto ultima = ultimas.find(linea->seccion);
            if (ultima == ultimas.end() || ultima->second->tipo == TTipo::Seccion) ultimas[linea->seccion] = linea;
        }
    }

    void Cargar(std::string_view texto) {
        lineas.clear();
        primeras.clear();
        ultimas.clear();
        std::string seccion;
        const auto todas = Lineas(texto);
        primeras.reserve(todas.size());
        std::pair<const std::string, TLineas::iterator>* ultima = nullptr;
        for (const std::string_view l : todas) {
            Anotar(lineas.insert(lineas.end(), Clasificar(std::string(l), seccion)), &ultima);
            seccion = lineas.back().seccion;
        }
    }

    const TLinea* Entrada(std::string_view seccion, std::string_view clave) const {
        // A key of the usual length is looked up from the stack, without making a string.
        char espacio[128];
        const size_t largo = seccion.size() + 1 + clave.size();
        if (largo > sizeof espacio) return Buscar(Llave(seccion, clave, true));
        char* p = std::transform(seccion.begin(), seccion.end(), espacio, Minuscula);
        *p++ = '\n';
        std::transform(clave.begin(), clave.end(), p, Minuscula);
        return Buscar(std::string_view(espacio, largo));
    }

    const TLinea* Buscar(std::string_view llave) const {
        const auto i = primeras.find(llave);
        return i == primeras.end() ? nullptr : &*i->second;
    }

    std::optional<std::string_view> Valor(std::string_view seccion, std::string_view clave) const {
        const TLinea* linea = Entrada(seccion, clave);
        if (!linea) return std::nullopt;
        const std::string_view t = Recortar(linea->texto);
        return Recortar(t.substr(t.find('=') + 1));
    }

    void Escribir(std::string_view seccion, std::string_view clave, const std::string& valor) {
        if (const auto i = primeras.find(Llave(seccion, clave, true)); i != primeras.end()) {
            TLinea& linea = *i->second;
            const std::string_view t = Recortar(linea.texto);
            linea.texto = std::string(Recortar(t.substr(0, t.find('=')))) + '=' + valor;
            return;
        }
        // After the last entry of the section, or its last header; or a section of
        // its own at the end, a blank line apart.
        const std::string nombre = Minusculas(seccion);
        auto despues = ultimas.find(nombre);
        TLineas::iterator donde = lineas.begin();
        if (despues != ultimas.end()) {
            donde = std::next(despues->second);
        } else if (!nombre.empty()) {
            if (!lineas.empty() && !Recortar(lineas.back().texto).empty())
                lineas.push_back(Clasificar("", lineas.back().seccion));
            Anotar(lineas.insert(lineas.end(), Clasificar("[" + std::string(seccion) + "]", nombre)));
            donde = lineas.end();
        }
        Anotar(lineas.insert(donde, Clasificar(std::string(clave) + '=' + valor, nombre)));
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
    CargarTexto(texto);
    if (carga != TCarga::Leido && motivo) *motivo = razon;
    return carga;
}

void TArchivoIni::CargarTexto(std::string_view texto) {
    datos_->marca = texto.substr(0, kMarcaUtf8.size()) == kMarcaUtf8;
    if (datos_->marca) texto.remove_prefix(kMarcaUtf8.size());
    datos_->Cargar(texto);
}

bool TArchivoIni::Tiene(std::string_view seccion, std::string_view clave) const {
    return datos_->Entrada(seccion, clave) != nullptr;
}

std::vector<std::string> TArchivoIni::Secciones() const {
    std::vector<std::string> secciones;
    for (const Datos::TLinea& linea : datos_->lineas)
        if (linea.tipo == Datos::TTipo::Seccion &&
            std::find(secciones.begin(), secciones.end(), linea.seccion) == secciones.end())
            secciones.push_back(linea.seccion);
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
    for (const auto& linea : datos_->lineas) {
        texto += linea.texto;
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
