// Where the program's data folders ("Reportes", "Ayuda") are. In the build folder,
// and in a folder copied whole, they lie beside the executable; installed, the
// executable is in "bin" and they are in the data folder "share/brovel" next to it.
// Both are looked for from the executable's own folder, so an installation moved
// elsewhere finds them too.
#pragma once

#include <filesystem>

namespace brovel {

// The first place holding `relativa` ("Ayuda/Ayuda Brovel y Zumbrel.pdf"): beside
// the program in `carpetaDelPrograma`, then in ../share/brovel from it. When
// neither holds it, the place beside the program, so that a message names where
// it was looked for first.
std::filesystem::path BuscarDato(const std::filesystem::path& carpetaDelPrograma,
                                 const std::filesystem::path& relativa);

// The folder of the running executable, its links followed; empty when the system
// does not say.
std::filesystem::path CarpetaDelEjecutable();

}  // namespace brovel
