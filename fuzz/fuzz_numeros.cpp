// Any bytes as the text of a field or of a project entry: reading never crashes;
// the text a field settles on (it shows a number, reads it back and shows that,
// until nothing changes: at most once more, where rounding crosses into the other
// notation) reads back to itself; an entry's number, written and read again, is
// the same double.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "docs/ArchivoIni.h"
#include "fields/Numeros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);

    long double valor = 0;
    bool leido = true;
    try {
        valor = brovel::LeerNumero(texto);
    } catch (const brovel::ErrorDeConversion&) {
        leido = false;
    }
    if (leido) {
        for (const int decimales : {0, 3, 5, 6}) {
            const auto mostrar = [decimales](long double v) {
                return brovel::RenderizarCampo(v, decimales, 0.0001L, 10000);
            };
            const std::string asentado = mostrar(brovel::LeerNumero(mostrar(valor)));
            if (mostrar(brovel::LeerNumero(asentado)) != asentado) std::abort();
        }
        (void)brovel::FormatoGeneral(valor, 2);
        (void)brovel::FormatoCincoDecimales(valor);
        (void)brovel::FormatoFijo(valor, 2, 6);
    }

    if (const auto real = brovel::LeerRealIni(texto)) {
        const std::string escrito = brovel::RealComoTextoIni(*real);
        const auto releido = brovel::LeerRealIni(escrito);
        if (!releido || *releido != *real || brovel::RealComoTextoIni(*releido) != escrito) std::abort();
    }
    return 0;
}
