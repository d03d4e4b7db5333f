// What the slope project tests share: a scratch folder per test, files written
// as Windows writes them, and numbers as the tests compare them.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FormaDePrueba.h"
#include "docs/ArchivoIni.h"
#include "forms/CamposBrovel.h"

namespace brovel::pruebas {

namespace fs = std::filesystem;

inline std::string Contenido(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
}

inline void Escribir(const std::string& ruta, std::string_view texto) {
    std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
    archivo << texto;
    archivo.close();
    ASSERT_TRUE(archivo.good()) << ruta;
}

// The projects come from Windows: the texts below are written with LF and saved
// with CR LF.
inline std::string ConCrLf(std::string_view texto) {
    std::string crlf;
    for (const char c : texto) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

inline std::string Numero(long double valor) {
    char texto[48];
    std::snprintf(texto, sizeof texto, "%.17Lg", valor);
    return texto;
}

inline double Valor(TFormaBrovel& f, const char* campo) { return static_cast<double>(f.Campo(campo).GetBaseValue()); }

// A form with an interlocutor of its own, for tests that need a second one.
struct TOtraForma {
    TInterlocutorDePrueba persona;
    TFormaBrovel forma{persona};
};

class FormaBrovelProyecto : public FormaBrovelPrueba {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "brovel-proyecto-XXXXXX").string();
        ASSERT_NE(::mkdtemp(plantilla.data()), nullptr) << std::strerror(errno);
        carpeta_ = plantilla;
    }
    void TearDown() override {
        std::error_code error;
        if (!carpeta_.empty()) fs::remove_all(carpeta_, error);
    }

    std::string Ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }

    std::vector<std::string> Archivos() const {
        std::vector<std::string> nombres;
        for (const auto& entrada : fs::directory_iterator(carpeta_)) nombres.push_back(entrada.path().filename());
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    // Writes `texto` (LF line ends, saved CR LF) as `nombre` and opens it in the form.
    void Abrir(const std::string& nombre, std::string_view texto) {
        const std::string ruta = Ruta(nombre);
        Escribir(ruta, ConCrLf(texto));
        std::string motivo;
        ASSERT_TRUE(forma.AbrirProyecto(ruta, &motivo)) << motivo;
    }

private:
    fs::path carpeta_;
};

}  // namespace brovel::pruebas
