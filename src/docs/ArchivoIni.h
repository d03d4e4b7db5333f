// The INI files the projects are stored in. They come from, and go back to,
// Windows: CR LF line ends, "key=value" with no blanks, numbers with "." whatever
// the locale. Every line the program does not write (other sections and keys,
// comments, lines that are no entry, later copies of a key, even bytes after a
// NUL) is kept as it was, so a project saved here still opens there, notes and
// all.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "docs/Archivos.h"

namespace brovel {

// How reading a file went: read; not there (a new name, read as an empty file);
// or refused, with nothing read (not a regular file, too large, unreadable).
enum class TCarga { Leido, NoExiste, Rechazado };

// Reads a regular file of at most `limite` bytes into `texto`. The file is looked at
// before it is opened, and opened without waiting, so that a pipe or a device never
// holds the program; it is then read once. `motivo` says why it was not read.
TCarga LeerArchivo(const std::string& ruta, size_t limite, std::string& texto, std::string& motivo);

// The largest file taken for a project; real ones are a few kilobytes.
inline constexpr size_t kTamanoMaximoProyecto = 4u << 20;
inline constexpr const char* kMensajeDemasiadoGrande = "El archivo es demasiado grande para ser un proyecto de Brovel";
inline constexpr const char* kMensajeDatosDemasiadoGrandes =
    "El archivo es demasiado grande para ser un archivo de datos de Zumbrel";

// An INI document held in memory, line by line. Section and key names are matched
// without regard to case, and the first of several equal keys is the one read and
// written; a written key keeps its place and its spelling, a new key goes after
// the last entry of its section and a new section at the end of the file.
class TArchivoIni {
public:
    TArchivoIni();
    ~TArchivoIni();
    TArchivoIni(TArchivoIni&&) noexcept;
    TArchivoIni& operator=(TArchivoIni&&) noexcept;
    TArchivoIni(const TArchivoIni&) = delete;
    TArchivoIni& operator=(const TArchivoIni&) = delete;

    // Replaces the document with the file's, read once and without ever waiting:
    // only a regular file (or a link to one) of at most kTamanoMaximoProyecto
    // bytes is read. Anything else leaves an empty document, with the reason in
    // `motivo`; a file too large is said with `demasiadoGrande`.
    TCarga Leer(const std::string& ruta, std::string* motivo = nullptr,
                const char* demasiadoGrande = kMensajeDemasiadoGrande);
    // As Leer; true when the file was read.
    bool Cargar(const std::string& ruta, std::string* motivo = nullptr) { return Leer(ruta, motivo) == TCarga::Leido; }
    // Replaces the document with `texto` (LF or CR LF line ends, an optional UTF-8
    // byte-order mark).
    void CargarTexto(std::string_view texto);

    bool Tiene(std::string_view seccion, std::string_view clave) const;
    // The sections the document has a header for, in lower case, each once, in
    // the order they first come.
    std::vector<std::string> Secciones() const;
    // A missing or unreadable value gives `porDefecto`.
    double LeerReal(std::string_view seccion, std::string_view clave, double porDefecto) const;
    int LeerEntero(std::string_view seccion, std::string_view clave, int porDefecto) const;
    // Any integer other than 0 is true.
    bool LeerBooleano(std::string_view seccion, std::string_view clave, bool porDefecto) const;

    // A number that is not finite is never written: the entry keeps what it held,
    // and the answer is false.
    bool EscribirReal(std::string_view seccion, std::string_view clave, double valor);
    void EscribirEntero(std::string_view seccion, std::string_view clave, int valor);
    // Written "1" or "0".
    void EscribirBooleano(std::string_view seccion, std::string_view clave, bool valor);

    // The whole file as it is written: CR LF line ends, and the UTF-8 byte-order
    // mark when the text it was loaded from began with one.
    std::string Texto() const;
    // Replaces the file in one step (ReemplazarArchivo), or leaves it as it was
    // and throws TErrorArchivo. A text larger than kTamanoMaximoProyecto, which
    // could not be opened again, is refused.
    void Guardar(const std::string& ruta) const;

private:
    // Replaces the document with `texto`, which it keeps.
    void Tomar(std::string texto);

    struct Datos;
    std::unique_ptr<Datos> datos_;
};

// General format with 15 significant digits, "." as decimal separator, no trailing
// zeroes, scientific where printf's "%.15g" is, written "1E-5", "1.5E20"; where 15
// digits do not read back as the same double, 16 or 17 do. Not finite: "INF",
// "-INF", "NAN" (which read as no number, and are never written into a file).
std::string RealComoTextoIni(double valor);

// A whole decimal number, blanks around it allowed ("6", "-0.5", ".5", "1E-5");
// nothing for anything else, or for a number out of the double's range.
std::optional<double> LeerRealIni(std::string_view texto);

}  // namespace brovel
