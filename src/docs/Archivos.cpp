#include "docs/Archivos.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include "docs/ErroresDelSistema.h"

namespace brovel {
namespace {

// Links followed before a path is taken for a loop, as the system does.
constexpr int kMaximoDeEnlaces = 40;

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

// The folder a path is in, "." for a bare name.
std::string Carpeta(const std::string& ruta) {
    const size_t barra = ruta.find_last_of('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : ruta.substr(0, barra);
}

// Makes the rename itself survive a power cut. The file is whole either way, so
// a failure here is no failure to save.
void SincronizarCarpeta(const std::string& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A file reached through symbolic links is saved into the file they end in, so a
// link stays a link; a link to nothing creates the file it names. 0, or the error.
int SeguirEnlaces(std::string& destino) {
    for (int saltos = 0;; ++saltos) {
        struct stat enlace {};
        if (::lstat(destino.c_str(), &enlace) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(enlace.st_mode)) return 0;
        if (saltos == kMaximoDeEnlaces) return ELOOP;
        std::string apuntado(static_cast<size_t>(enlace.st_size > 0 ? enlace.st_size : 255) + 1, '\0');
        const ssize_t largo = ::readlink(destino.c_str(), apuntado.data(), apuntado.size());
        if (largo < 0) return errno;
        if (static_cast<size_t>(largo) >= apuntado.size()) return ENAMETOOLONG;
        apuntado.resize(static_cast<size_t>(largo));
        destino = apuntado.front() == '/' || destino.find('/') == std::string::npos ? apuntado
                                                                                    : Carpeta(destino) + '/' + apuntado;
    }
}

// While a temporary name is on the disk, an interrupt or a polite kill waits until
// it is gone, so that neither leaves it behind.
class TSinInterrupciones {
public:
    TSinInterrupciones() {
        sigset_t senales;
        sigemptyset(&senales);
        for (const int senal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&senales, senal);
        pthread_sigmask(SIG_BLOCK, &senales, &anteriores_);
    }
    ~TSinInterrupciones() { pthread_sigmask(SIG_SETMASK, &anteriores_, nullptr); }
    TSinInterrupciones(const TSinInterrupciones&) = delete;
    TSinInterrupciones& operator=(const TSinInterrupciones&) = delete;

private:
    sigset_t anteriores_;
};

// A short name not yet taken in `carpeta`, ".~" and six letters or digits: eight
// bytes, so that beside a name of any length the system allows.
std::string NombreTemporal(const std::string& carpeta) {
    static constexpr char kLetras[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static thread_local std::mt19937 azar{std::random_device{}()};
    std::uniform_int_distribution<size_t> letra(0, sizeof kLetras - 2);
    std::string nombre = carpeta + "/.~";
    for (int i = 0; i < 6; ++i) nombre += kLetras[letra(azar)];
    return nombre;
}

// Gives the unnamed file `fd` a temporary name in `carpeta`. 0, or the error.
int NombrarSinNombre(int fd, const std::string& carpeta, std::string& temporal) {
    const std::string enProc = "/proc/self/fd/" + std::to_string(fd);
    for (int intento = 0; intento < 100; ++intento) {
        temporal = NombreTemporal(carpeta);
        if (::linkat(AT_FDCWD, enProc.c_str(), AT_FDCWD, temporal.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
        // Without /proc, the file itself; that needs a privilege, and may fail too.
        if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, temporal.c_str(), AT_EMPTY_PATH) == 0) return 0;
        if (errno != EEXIST) {
            temporal.clear();
            return errno;
        }
    }
    temporal.clear();
    return EEXIST;
}

}  // namespace

std::string NoEsUnArchivoComun(mode_t modo) {
    if (S_ISDIR(modo)) return TextoDelError(EISDIR);
    if (S_ISFIFO(modo)) return "No es un archivo: es una tubería (FIFO)";
    if (S_ISSOCK(modo)) return "No es un archivo: es un socket";
    if (S_ISCHR(modo) || S_ISBLK(modo)) return "No es un archivo: es un dispositivo";
    return "No es un archivo común";
}

std::string NoSePudoGuardar(const std::string& ruta, const std::string& motivo) {
    return "No se pudo guardar \"" + ruta + "\": " + motivo;
}

void ReemplazarArchivo(const std::string& ruta, std::string_view contenido) {
    const auto fallo = [&ruta](const std::string& motivo) { return TErrorArchivo(NoSePudoGuardar(ruta, motivo)); };
    const auto falloDelSistema = [&fallo](int error) { return fallo(TextoDelError(error)); };

    std::string destino = ruta;
    if (const int error = SeguirEnlaces(destino)) throw falloDelSistema(error);
    struct stat anterior {};
    const bool existe = ::stat(destino.c_str(), &anterior) == 0;
    if (!existe && errno != ENOENT) throw falloDelSistema(errno);
    if (existe) {
        if (!S_ISREG(anterior.st_mode)) throw fallo(NoEsUnArchivoComun(anterior.st_mode));
        // The rename would replace a file the user may not write; and root may
        // write any, so a file nobody may write is taken as read-only too.
        if (::access(destino.c_str(), W_OK) != 0) throw falloDelSistema(errno);
        if ((anterior.st_mode & 0222) == 0) throw falloDelSistema(EACCES);
    }
    const std::string carpeta = Carpeta(destino);

    // Unnamed while it is written, so that it vanishes with the process if need be.
    std::string temporal;
    int fd = ::open(carpeta.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool sinNombre = fd >= 0;
    std::optional<TSinInterrupciones> sinInterrupciones;
    if (!sinNombre) {
        sinInterrupciones.emplace();
        temporal = carpeta + "/.~XXXXXX";
        fd = ::mkstemp(temporal.data());
        if (fd < 0) throw falloDelSistema(errno);
    }
    int error = 0;
    if (existe) {
        // Root saving a user's file leaves it the user's. Where the owner cannot
        // be kept (a group the user is not in), the save goes on.
        [[maybe_unused]] const int propietario = ::fchown(fd, anterior.st_uid, anterior.st_gid);
    }
    const mode_t modo = existe ? (anterior.st_mode & 07777) : (0666 & ~MascaraDeCreacion());
    if (::fchmod(fd, modo) != 0) error = errno;
    if (!error) error = EscribirTodo(fd, contenido);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (!error && sinNombre) {
        sinInterrupciones.emplace();
        error = NombrarSinNombre(fd, carpeta, temporal);
    }
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporal.c_str(), destino.c_str()) != 0) error = errno;
    if (error) {
        if (!temporal.empty()) ::unlink(temporal.c_str());
        throw falloDelSistema(error);
    }
    sinInterrupciones.reset();
    SincronizarCarpeta(carpeta);
}

}  // namespace brovel
