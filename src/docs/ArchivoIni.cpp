#include "docs/ArchivoIni.h"

// Used as a header-only library: Debian's header keeps the template bodies
// behind SI_IMPLEMENTATION (its shared library would bring ICU along), and only
// the narrow-character document is needed, the wide ones wanting a ConvertUTF.h
// the package does not ship.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brovel {
namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

std::string_view Recortar(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

bool EsComentario(std::string_view linea) {
    const auto t = Recortar(linea);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
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

// SimpleIni keeps a comment only with the entry that follows it, so the comment
// lines after the file's last entry would be lost on saving: they are kept apart,
// with the blank lines before them, LF-ended.
std::string ComentarioFinal(std::string_view texto) {
    const auto lineas = Lineas(texto);
    size_t desde = 0;
    for (size_t i = 0; i < lineas.size(); ++i)
        if (!Recortar(lineas[i]).empty() && !EsComentario(lineas[i])) desde = i + 1;
    // With no entry at all, SimpleIni does keep the opening block (lines starting
    // with the comment mark) as the file's comment.
    if (desde == 0)
        while (desde < lineas.size() && !lineas[desde].empty() &&
               (lineas[desde].front() == ';' || lineas[desde].front() == '#'))
            ++desde;
    size_t hasta = desde;
    for (size_t i = desde; i < lineas.size(); ++i)
        if (EsComentario(lineas[i])) hasta = i + 1;

    std::string comentario;
    for (size_t i = desde; i < hasta; ++i) {
        if (EsComentario(lineas[i])) comentario += lineas[i];
        comentario += '\n';
    }
    return comentario;
}

void Verificar(SI_Error resultado) {
    if (resultado == SI_NOMEM) throw std::bad_alloc();
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

// The error number of reading the whole file into `texto`, or 0.
int LeerArchivo(const std::string& ruta, std::string& texto) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    char bloque[1 << 16];
    for (;;) {
        const ssize_t leidos = ::read(fd, bloque, sizeof bloque);
        if (leidos > 0) {
            texto.append(bloque, static_cast<size_t>(leidos));
        } else if (leidos == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error;
}

int EscribirTodo(int fd, std::string_view texto) {
    while (!texto.empty()) {
        const ssize_t escritos = ::write(fd, texto.data(), texto.size());
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        texto.remove_prefix(static_cast<size_t>(escritos));
    }
    return 0;
}

// Read rather than set and restored, which would hand other threads creating
// files a zero mask for a moment.
mode_t MascaraDeCreacion() {
    std::ifstream estado("/proc/self/status");
    for (std::string linea; std::getline(estado, linea);)
        if (linea.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(linea.c_str() + 6, nullptr, 8));
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return mascara;
}

// Makes the rename itself survive a power cut. The file is whole either way, so
// a failure here is no failure to save.
void SincronizarCarpeta(const std::string& ruta) {
    auto carpeta = std::filesystem::path(ruta).parent_path();
    if (carpeta.empty()) carpeta = ".";
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

struct TArchivoIni::Datos {
    CSimpleIniA ini;
    std::string comentarioFinal;

    Datos() { ini.SetSpaces(false); }

    const char* Valor(std::string_view seccion, std::string_view clave) const {
        return ini.GetValue(std::string(seccion).c_str(), std::string(clave).c_str(), nullptr);
    }

    void Escribir(std::string_view seccion, std::string_view clave, const std::string& valor) {
        Verificar(ini.SetValue(std::string(seccion).c_str(), std::string(clave).c_str(), valor.c_str()));
    }
};

TArchivoIni::TArchivoIni() : datos_(std::make_unique<Datos>()) {}
TArchivoIni::~TArchivoIni() = default;
TArchivoIni::TArchivoIni(TArchivoIni&&) noexcept = default;
TArchivoIni& TArchivoIni::operator=(TArchivoIni&&) noexcept = default;

bool TArchivoIni::Cargar(const std::string& ruta, std::string* motivo) {
    std::string texto;
    if (const int error = LeerArchivo(ruta, texto)) {
        CargarTexto({});
        if (motivo) *motivo = std::strerror(error);
        return false;
    }
    CargarTexto(texto);
    return true;
}

void TArchivoIni::CargarTexto(std::string_view texto) {
    if (texto.substr(0, kMarcaUtf8.size()) == kMarcaUtf8) texto.remove_prefix(kMarcaUtf8.size());
    datos_->ini.Reset();
    Verificar(datos_->ini.LoadData(texto.data(), texto.size()));
    datos_->comentarioFinal = ComentarioFinal(texto);
}

bool TArchivoIni::Tiene(std::string_view seccion, std::string_view clave) const {
    return datos_->Valor(seccion, clave) != nullptr;
}

double TArchivoIni::LeerReal(std::string_view seccion, std::string_view clave, double porDefecto) const {
    const char* valor = datos_->Valor(seccion, clave);
    return valor ? LeerRealIni(valor).value_or(porDefecto) : porDefecto;
}

int TArchivoIni::LeerEntero(std::string_view seccion, std::string_view clave, int porDefecto) const {
    const char* valor = datos_->Valor(seccion, clave);
    return valor ? LeerEnteroIni(valor).value_or(porDefecto) : porDefecto;
}

bool TArchivoIni::LeerBooleano(std::string_view seccion, std::string_view clave, bool porDefecto) const {
    return LeerEntero(seccion, clave, porDefecto ? 1 : 0) != 0;
}

void TArchivoIni::EscribirReal(std::string_view seccion, std::string_view clave, double valor) {
    datos_->Escribir(seccion, clave, RealComoTextoIni(valor));
}

void TArchivoIni::EscribirEntero(std::string_view seccion, std::string_view clave, int valor) {
    datos_->Escribir(seccion, clave, std::to_string(valor));
}

void TArchivoIni::EscribirBooleano(std::string_view seccion, std::string_view clave, bool valor) {
    datos_->Escribir(seccion, clave, valor ? "1" : "0");
}

std::string TArchivoIni::Texto() const {
    std::string texto;
    Verificar(datos_->ini.Save(texto, false));
    texto += datos_->comentarioFinal;
    // SimpleIni ends every line with a lone LF (nothing it read keeps a CR) and
    // puts two blank lines between sections: one is enough, and none on top.
    std::string crlf;
    crlf.reserve(texto.size() + texto.size() / 8);
    bool blanca = true;
    for (const auto linea : Lineas(texto)) {
        if (linea.empty() && blanca) continue;
        blanca = linea.empty();
        crlf += linea;
        crlf += "\r\n";
    }
    return crlf;
}

void TArchivoIni::Guardar(const std::string& ruta) const {
    const std::string texto = Texto();
    const auto fallo = [&ruta](int error) {
        return TErrorArchivo("No se pudo guardar \"" + ruta + "\": " + std::strerror(error));
    };

    // A project reached through a symbolic link is saved into the file the link
    // points to, so the link stays a link.
    std::string destino = ruta;
    if (char* real = ::realpath(ruta.c_str(), nullptr)) {
        destino = real;
        std::free(real);
    }

    struct stat anterior {};
    const bool existe = ::stat(destino.c_str(), &anterior) == 0;
    if (!existe && errno != ENOENT) throw fallo(errno);
    if (existe) {
        // The rename would replace a file the user may not write; and root may
        // write any, so a file nobody may write is taken as read-only too.
        if (::access(destino.c_str(), W_OK) != 0) throw fallo(errno);
        if ((anterior.st_mode & 0222) == 0) throw fallo(EACCES);
    }

    std::string temporal = destino + ".XXXXXX";
    const int fd = ::mkstemp(temporal.data());
    if (fd < 0) throw fallo(errno);
    int error = 0;
    if (existe) {
        // Root saving a user's project leaves it the user's. Where the owner
        // cannot be kept (a group the user is not in), the save goes on.
        [[maybe_unused]] const int propietario = ::fchown(fd, anterior.st_uid, anterior.st_gid);
    }
    const mode_t modo = existe ? (anterior.st_mode & 07777) : (0666 & ~MascaraDeCreacion());
    if (::fchmod(fd, modo) != 0) error = errno;
    if (!error) error = EscribirTodo(fd, texto);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporal.c_str(), destino.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporal.c_str());
        throw fallo(error);
    }
    SincronizarCarpeta(destino);
}

std::string RealComoTextoIni(double valor) {
    if (std::isnan(valor)) return "NAN";
    if (std::isinf(valor)) return valor < 0 ? "-INF" : "INF";
    if (valor == 0) return "0";  // and not "-0"

    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 15).ptr;
    const std::string_view numero(texto, static_cast<size_t>(fin - texto));
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
    const auto [fin, error] =
        std::from_chars(numero->data(), numero->data() + numero->size(), valor, std::chars_format::general);
    if (error != std::errc{} || fin != numero->data() + numero->size()) return std::nullopt;
    return valor;
}

}  // namespace brovel
