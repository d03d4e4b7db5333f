// What brovel-calc's commands share: the arguments, the console that answers the
// forms, and the one-line refusal of a bad argument.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Salida.h"
#include "docs/ArchivoIni.h"
#include "forms/Interlocutor.h"

namespace brovel {

using Argumentos = std::vector<std::string_view>;

// Nobody is there to press OK: an error box goes to the error output, and no file
// is ever chosen. While a command reports a failure in its own words, the box is
// kept quiet.
class TInterlocutorDeConsola : public TInterlocutor {
public:
    void MostrarError(const std::string& texto) override {
        if (!callado) Avisar(TextoMostrable(texto));
    }
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    TRespuesta PreguntarGuardarCambios(const std::string&) override { return TRespuesta::No; }

    bool callado = false;
};

// The number an argument writes: a whole decimal number, nothing around it.
inline std::optional<double> NumeroDeArgumento(std::string_view texto) {
    if (texto.empty() || texto.front() == ' ' || texto.back() == ' ') return std::nullopt;
    return LeerRealIni(texto);
}

// Says why an argument is refused; the command's status is then 2.
inline int ArgumentoErroneo(const std::string& mensaje) {
    Avisar(mensaje);
    return 2;
}

}  // namespace brovel
