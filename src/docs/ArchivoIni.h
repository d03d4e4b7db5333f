// The INI files the projects are stored in. They come from, and go back to,
// Windows: CR LF line ends, "key=value" with no blanks, numbers with "." whatever
// the locale. Whatever the program does not know in a file (other sections, keys,
// comments) is kept, so a project saved here still opens there.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brovel {

// A file that could not be saved. Its message is the one the user sees.
class TErrorArchivo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An INI document held in memory. Section and key names are matched without
// regard to case; a written key keeps its place and its spelling, a new key goes
// at the end of its section and a new section at the end of the file.
class TArchivoIni {
public:
    TArchivoIni();
    ~TArchivoIni();
    TArchivoIni(TArchivoIni&&) noexcept;
    TArchivoIni& operator=(TArchivoIni&&) noexcept;
    TArchivoIni(const TArchivoIni&) = delete;
    TArchivoIni& operator=(const TArchivoIni&) = delete;

    // Replaces the document with the file's. A file that is missing or cannot be
    // read leaves an empty document and returns false, with the system's reason
    // in `motivo`.
    bool Cargar(const std::string& ruta, std::string* motivo = nullptr);
    // Replaces the document with `texto` (LF or CR LF line ends, an optional UTF-8
    // byte-order mark).
    void CargarTexto(std::string_view texto);

    bool Tiene(std::string_view seccion, std::string_view clave) const;
    // A missing or unreadable value gives `porDefecto`.
    double LeerReal(std::string_view seccion, std::string_view clave, double porDefecto) const;
    int LeerEntero(std::string_view seccion, std::string_view clave, int porDefecto) const;
    // Any integer other than 0 is true.
    bool LeerBooleano(std::string_view seccion, std::string_view clave, bool porDefecto) const;

    void EscribirReal(std::string_view seccion, std::string_view clave, double valor);
    void EscribirEntero(std::string_view seccion, std::string_view clave, int valor);
    // Written "1" or "0".
    void EscribirBooleano(std::string_view seccion, std::string_view clave, bool valor);

    // The whole file as it is written: CR LF line ends, no byte-order mark.
    std::string Texto() const;
    // Replaces the file in one step, or leaves it as it was and throws
    // TErrorArchivo. A new file gets the usual permissions, an existing one keeps
    // its own; a file without write permission is never replaced, even by root.
    void Guardar(const std::string& ruta) const;

private:
    struct Datos;
    std::unique_ptr<Datos> datos_;
};

// General format with up to 15 significant digits, "." as decimal separator, no
// trailing zeroes; scientific where printf's "%.15g" is, written "1E-5", "1.5E20".
// Not finite: "INF", "-INF", "NAN" (which read as no number).
std::string RealComoTextoIni(double valor);

// A whole decimal number, blanks around it allowed ("6", "-0.5", ".5", "1E-5");
// nothing for anything else, or for a number out of the double's range.
std::optional<double> LeerRealIni(std::string_view texto);

}  // namespace brovel
