// A temporary folder for tests that write files, what is in it, and a small file
// system of its own where the machine lets one be mounted.
#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <stdlib.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brovel::prueba {

namespace fs = std::filesystem;

inline std::string LeerBytes(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
}

inline void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

// Every entry under a folder: its kind, permissions and, for files, content. Only
// regular files are read, and links are not followed, not even a loop of them.
inline void AnotarContenido(const fs::path& carpeta, const fs::path& base,
                            std::map<std::string, std::string>& entradas) {
    for (const auto& entrada : fs::directory_iterator(carpeta)) {
        struct stat datos {};
        ::lstat(entrada.path().c_str(), &datos);
        std::string que = std::to_string(datos.st_mode) + " ";
        if (S_ISLNK(datos.st_mode))
            que += fs::read_symlink(entrada.path()).string();
        else if (S_ISREG(datos.st_mode))
            que += LeerBytes(entrada.path());
        // The name below the folder, without following any link.
        entradas[entrada.path().string().substr(base.string().size() + 1)] = que;
        if (S_ISDIR(datos.st_mode)) AnotarContenido(entrada.path(), base, entradas);
    }
}

inline std::map<std::string, std::string> Contenido(const fs::path& carpeta) {
    std::map<std::string, std::string> entradas;
    AnotarContenido(carpeta, carpeta, entradas);
    return entradas;
}

// A folder of its own under the temporary folder, removed with what it holds.
class TCarpetaTemporal {
public:
    TCarpetaTemporal() {
        std::string plantilla = (fs::temp_directory_path() / "brovel-prueba-XXXXXX").string();
        if (::mkdtemp(plantilla.data())) ruta_ = plantilla;
    }
    ~TCarpetaTemporal() {
        if (montada_) ::umount2(ruta_.c_str(), MNT_DETACH);
        std::error_code ignorado;
        fs::remove_all(ruta_, ignorado);
    }
    TCarpetaTemporal(const TCarpetaTemporal&) = delete;
    TCarpetaTemporal& operator=(const TCarpetaTemporal&) = delete;

    const fs::path& Ruta() const { return ruta_; }
    fs::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

    // Makes the folder a file system of `kilobytes` in memory; empty when done,
    // otherwise why not (only root may mount, and not in every container).
    std::string MontarDiscoChico(int kilobytes) {
        const std::string opciones = "size=" + std::to_string(kilobytes) + "k";
        if (::mount("tmpfs", ruta_.c_str(), "tmpfs", 0, opciones.c_str()) != 0)
            return std::string("no se puede montar un sistema de archivos chico aquí: ") + std::strerror(errno);
        montada_ = true;
        return {};
    }

private:
    fs::path ruta_;
    bool montada_ = false;
};

}  // namespace brovel::prueba
