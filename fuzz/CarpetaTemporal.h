// A folder of the fuzz target's own under the temporary folder, for the files an
// input is written to and saved as; it goes, with what it holds, when the run ends.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace brovel::fuzz {

inline const std::filesystem::path& CarpetaTemporal() {
    static const std::filesystem::path carpeta = [] {
        std::string plantilla = std::string(P_tmpdir) + "/brovel-fuzz-XXXXXX";
        if (!::mkdtemp(plantilla.data())) std::abort();
        std::atexit([] {
            std::error_code ignorado;
            std::filesystem::remove_all(CarpetaTemporal(), ignorado);
        });
        return std::filesystem::path(plantilla);
    }();
    return carpeta;
}

// Empties the folder, so that nothing one input left is seen by the next.
inline void VaciarCarpetaTemporal() {
    std::error_code ignorado;
    for (const auto& entrada : std::filesystem::directory_iterator(CarpetaTemporal(), ignorado))
        std::filesystem::remove_all(entrada.path(), ignorado);
}

}  // namespace brovel::fuzz
