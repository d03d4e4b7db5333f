// A folder of the fuzz target's own for the files one input is written to and
// saved as, under the temporary folder; it goes, with what it holds, when the
// input is done, so that a run leaves nothing behind and no input sees what
// another left.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace brovel::fuzz {

class TCarpetaTemporal {
public:
    TCarpetaTemporal() {
        std::string plantilla = std::string(P_tmpdir) + "/brovel-fuzz-XXXXXX";
        if (!::mkdtemp(plantilla.data())) std::abort();
        ruta_ = plantilla;
    }
    ~TCarpetaTemporal() {
        std::error_code ignorado;
        std::filesystem::remove_all(ruta_, ignorado);
    }
    TCarpetaTemporal(const TCarpetaTemporal&) = delete;
    TCarpetaTemporal& operator=(const TCarpetaTemporal&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }
    std::string operator/(const char* nombre) const { return (ruta_ / nombre).string(); }

private:
    std::filesystem::path ruta_;
};

}  // namespace brovel::fuzz
