#include "docs/DatosDelPrograma.h"

#include <system_error>

namespace brovel {

namespace {

// From the executable's folder, in the order they are tried.
const char* const kCarpetasDeDatos[] = {".", "../share/brovel"};

}  // namespace

std::filesystem::path BuscarDato(const std::filesystem::path& carpetaDelPrograma,
                                 const std::filesystem::path& relativa) {
    for (const char* carpeta : kCarpetasDeDatos) {
        const std::filesystem::path ruta = (carpetaDelPrograma / carpeta / relativa).lexically_normal();
        std::error_code error;
        if (std::filesystem::exists(ruta, error)) return ruta;
    }
    return (carpetaDelPrograma / relativa).lexically_normal();
}

std::filesystem::path CarpetaDelEjecutable() {
    std::error_code error;
    const std::filesystem::path ejecutable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : ejecutable.parent_path();
}

}  // namespace brovel
