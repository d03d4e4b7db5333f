#include "docs/Archivos.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CarpetaDePrueba.h"
#include "docs/ErroresDelSistema.h"

namespace brovel {
namespace {

using namespace prueba;

std::string Fallo(const fs::path& ruta, const std::string& motivo) {
    return "No se pudo guardar \"" + ruta.string() + "\": " + motivo;
}

// The message of a save, or "" when it saved.
std::string Guardar(const fs::path& ruta, std::string_view texto) {
    try {
        ReemplazarArchivo(ruta.string(), texto);
    } catch (const TErrorArchivo& e) {
        return e.what();
    }
    return {};
}

mode_t Modo(const fs::path& ruta) {
    struct stat datos {};
    return ::stat(ruta.c_str(), &datos) == 0 ? datos.st_mode & 07777 : 0;
}

bool HacerSocket(const fs::path& ruta) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un direccion{};
    direccion.sun_family = AF_UNIX;
    std::strncpy(direccion.sun_path, ruta.c_str(), sizeof direccion.sun_path - 1);
    const bool hecho = ::bind(fd, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) == 0;
    ::close(fd);
    return hecho;
}

const std::string kNuevo = "{\\rtf1 nuevo}";
const std::string kViejo = "{\\rtf1 viejo}";

// Only a regular file, a link to one or a new name is written; anything else is
// refused before a byte is written, and the folder stays exactly as it was.
TEST(ReemplazarArchivo, SoloSeEscribeUnArchivoComunUnEnlaceAUnoOUnNombreNuevo) {
    TCarpetaTemporal carpeta;
    const fs::path c = carpeta.Ruta();
    const bool esRoot = ::geteuid() == 0;
    struct Caso {
        const char* que;
        std::string nombre;                             // what is saved to, in the folder
        std::function<bool(const fs::path&)> preparar;  // false: the machine cannot make it
        std::string motivo;                             // "" when it saves
        std::string guardadoEn;                         // the file that then holds the text
    };
    const auto archivo = [](const fs::path& r) {
        EscribirBytes(r, kViejo);
        return true;
    };
    const std::string largo(251, 'n');
    const Caso casos[] = {
        {"un nombre nuevo", "nuevo.rtf", [](const fs::path&) { return true; }, "", "nuevo.rtf"},
        {"un archivo común", "viejo.rtf", archivo, "", "viejo.rtf"},
        {"un enlace a un archivo", "enlace.rtf",
         [&](const fs::path& r) {
             archivo(c / "real.rtf");
             fs::create_symlink("real.rtf", r);
             return true;
         },
         "", "real.rtf"},
        {"un enlace a un nombre nuevo", "roto.rtf",
         [](const fs::path& r) {
             fs::create_symlink("creado.rtf", r);
             return true;
         },
         "", "creado.rtf"},
        {"un nombre de 255 bytes", largo + ".rtf", [](const fs::path&) { return true; }, "", largo + ".rtf"},
        {"un archivo de 255 bytes de nombre", largo + ".pdf", archivo, "", largo + ".pdf"},
        {"un nombre que no es UTF-8", "\xFF\xFE.rtf", archivo, "", "\xFF\xFE.rtf"},
        {"una tubería", "tuberia.rtf", [](const fs::path& r) { return ::mkfifo(r.c_str(), 0644) == 0; },
         "No es un archivo: es una tubería (FIFO)", ""},
        {"un dispositivo", "n.pdf",
         [](const fs::path& r) { return ::mknod(r.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         "No es un archivo: es un dispositivo", ""},
        {"un enlace a un dispositivo", "x.pdf",
         [&](const fs::path& r) {
             if (::mknod((c / "nulo").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return false;
             fs::create_symlink("nulo", r);
             return true;
         },
         "No es un archivo: es un dispositivo", ""},
        {"un socket", "s.rtf", HacerSocket, "No es un archivo: es un socket", ""},
        {"una carpeta", "carpeta.rtf", [](const fs::path& r) { return fs::create_directory(r); }, TextoDelError(EISDIR),
         ""},
        {"un archivo de solo lectura", "lectura.rtf",
         [&](const fs::path& r) { return archivo(r) && ::chmod(r.c_str(), 0444) == 0; }, TextoDelError(EACCES), ""},
        {"un ciclo de enlaces", "l1.pdf",
         [&](const fs::path& r) {
             fs::create_symlink("l2.pdf", r);
             fs::create_symlink("l1.pdf", c / "l2.pdf");
             return true;
         },
         TextoDelError(ELOOP), ""},
        {"una carpeta que no existe", "no-existe/a.rtf", [](const fs::path&) { return true; }, TextoDelError(ENOENT),
         ""},
        {"un nombre demasiado largo", std::string(256, 'n'), [](const fs::path&) { return true; },
         TextoDelError(ENAMETOOLONG), ""},
    };
    for (const Caso& caso : casos) {
        const fs::path ruta = c / caso.nombre;
        if (!caso.preparar(ruta)) {
            EXPECT_FALSE(esRoot) << caso.que << ": root no pudo prepararlo";
            continue;
        }
        const auto antes = Contenido(c);
        const mode_t modo = Modo(ruta);
        EXPECT_EQ(Guardar(ruta, kNuevo), caso.motivo.empty() ? "" : Fallo(ruta, caso.motivo)) << caso.que;
        if (caso.motivo.empty()) {
            EXPECT_EQ(LeerBytes(c / caso.guardadoEn), kNuevo) << caso.que;
            // A replaced file keeps its permissions, and nothing else is left.
            if (modo != 0) {
                EXPECT_EQ(Modo(ruta), modo) << caso.que;
            }
            auto despues = Contenido(c);
            despues.erase(caso.guardadoEn);
            auto esperado = antes;
            esperado.erase(caso.guardadoEn);
            EXPECT_EQ(despues, esperado) << caso.que;
        } else {
            EXPECT_EQ(Contenido(c), antes) << caso.que;
        }
    }
}

TEST(ReemplazarArchivo, UnArchivoNuevoTieneLosPermisosDeCualquierArchivoNuevo) {
    TCarpetaTemporal carpeta;
    const mode_t anterior = ::umask(027);
    const std::string motivo = Guardar(carpeta / "nuevo.pdf", kNuevo);
    ::umask(anterior);
    EXPECT_EQ(motivo, "");
    EXPECT_EQ(Modo(carpeta / "nuevo.pdf"), 0640u);
}

TEST(ReemplazarArchivo, UnArchivoReemplazadoConservaSusPermisos) {
    TCarpetaTemporal carpeta;
    for (const mode_t modo : {0600u, 0604u, 0640u, 0755u, 0200u}) {
        const fs::path ruta = carpeta / "r.rtf";
        EscribirBytes(ruta, kViejo);
        ASSERT_EQ(::chmod(ruta.c_str(), modo), 0);
        EXPECT_EQ(Guardar(ruta, kNuevo), "") << std::oct << modo;
        EXPECT_EQ(Modo(ruta), modo) << std::oct << modo;
        EXPECT_EQ(Contenido(carpeta.Ruta()).size(), 1u) << std::oct << modo;
        fs::remove(ruta);
    }
}

// On a full disk the save fails, says so and leaves the old file whole: it is
// replaced only once the new one is all written.
TEST(ReemplazarArchivo, UnDiscoLlenoDejaElArchivoAnteriorEntero) {
    for (const int libres : {0, 4, 8}) {
        TCarpetaTemporal carpeta;
        if (const std::string motivo = carpeta.MontarDiscoChico(64); !motivo.empty()) GTEST_SKIP() << motivo;
        const fs::path ruta = carpeta / "r.rtf";
        const std::string viejo(9647, 'v');
        ASSERT_EQ(Guardar(ruta, viejo), "");
        // The rest of the disk, but `libres` kilobytes, is taken.
        {
            std::ofstream relleno(carpeta / "relleno", std::ios::binary);
            const std::string bloque(1024, 'r');
            for (int k = 0; k < 64 - 12 - libres; ++k) relleno << bloque;
        }
        const auto antes = Contenido(carpeta.Ruta());
        EXPECT_EQ(Guardar(ruta, std::string(20000, 'n')), Fallo(ruta, TextoDelError(ENOSPC))) << libres << " KB";
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes) << libres << " KB";
        EXPECT_EQ(LeerBytes(ruta), viejo) << libres << " KB";
    }
}

// A process killed while it saves leaves the old file or the new one, whole. One
// stopped politely leaves nothing beside it; SIGKILL, which nothing can hold back,
// may leave at most the short hidden name of the file it was about to rename.
TEST(ReemplazarArchivo, UnProcesoMatadoMientrasGuardaNoDejaNadaAtras) {
    for (const int senal : {SIGTERM, SIGKILL}) {
        TCarpetaTemporal carpeta;
        const fs::path ruta = carpeta / "T.bvx";
        const std::string a(1 << 20, 'a'), b(1 << 20, 'b'), original = "original";
        EscribirBytes(ruta, original);
        std::mt19937 azar(21);
        std::uniform_int_distribution<int> espera(0, 20000);
        for (int vez = 0; vez < 75; ++vez) {
            const pid_t hijo = ::fork();
            ASSERT_GE(hijo, 0);
            if (hijo == 0) {
                for (int i = 0;; ++i) Guardar(ruta, i % 2 ? a : b);
            }
            ::usleep(static_cast<useconds_t>(espera(azar)));
            ::kill(hijo, senal);
            int estado = 0;
            ::waitpid(hijo, &estado, 0);
        }
        for (const auto& [nombre, bytes] : Contenido(carpeta.Ruta())) {
            if (nombre == "T.bvx") continue;
            EXPECT_EQ(senal, SIGKILL) << "quedó " << nombre;
            EXPECT_TRUE(nombre.rfind(".~", 0) == 0) << "quedó " << nombre;
        }
        const std::string texto = LeerBytes(ruta);
        EXPECT_TRUE(texto == a || texto == b || texto == original) << texto.size() << " bytes";
    }
}

// Every system error is said in Spanish; one without words of its own keeps the
// system's text after a Spanish sentence.
TEST(TextoDelError, LosErroresDelSistemaSeDicenEnCastellano) {
    const std::pair<int, const char*> casos[] = {
        {ENOENT, "No existe el archivo o la carpeta"},
        {EISDIR, "Es una carpeta"},
        {EACCES, "Permiso denegado"},
        {ENOSPC, "No queda espacio en el disco"},
        {EROFS, "El sistema de archivos es de solo lectura"},
        {ENAMETOOLONG, "El nombre del archivo es demasiado largo"},
        {ELOOP, "Demasiados niveles de enlaces simbólicos (un enlace que vuelve sobre sí)"},
        {ENOTDIR, "Una parte de la ruta no es una carpeta"},
        {EMLINK, "Demasiados enlaces"},
        {EBADF, "El archivo no está abierto (descriptor erróneo)"},
        {EPIPE, "Nadie lee la salida (tubería rota)"},
    };
    for (const auto& [error, texto] : casos) EXPECT_EQ(TextoDelError(error), texto) << error;
    EXPECT_EQ(TextoDelError(EHWPOISON),
              "Error del sistema número " + std::to_string(EHWPOISON) + ": " + std::strerror(EHWPOISON));
}

}  // namespace
}  // namespace brovel
