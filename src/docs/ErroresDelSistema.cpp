#include "docs/ErroresDelSistema.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace brovel {
namespace {

struct TErrorDelSistema {
    int numero;
    const char* texto;
};

// error       what the user reads
// clang-format off
const TErrorDelSistema kErrores[] = {
    {ENOENT,       "No existe el archivo o la carpeta"},
    {ENOTDIR,      "Una parte de la ruta no es una carpeta"},
    {EISDIR,       "Es una carpeta"},
    {EACCES,       "Permiso denegado"},
    {EPERM,        "Operación no permitida"},
    {ENOSPC,       "No queda espacio en el disco"},
    {EDQUOT,       "Se agotó la cuota de disco"},
    {EROFS,        "El sistema de archivos es de solo lectura"},
    {ENAMETOOLONG, "El nombre del archivo es demasiado largo"},
    {ELOOP,        "Demasiados niveles de enlaces simbólicos (un enlace que vuelve sobre sí)"},
    {EMLINK,       "Demasiados enlaces"},
    {EEXIST,       "El archivo ya existe"},
    {ENOTEMPTY,    "La carpeta no está vacía"},
    {EBUSY,        "El dispositivo o el recurso está ocupado"},
    {ETXTBSY,      "El archivo está en uso"},
    {EXDEV,        "El enlace cruza a otro sistema de archivos"},
    {EFBIG,        "El archivo es demasiado grande"},
    {EIO,          "Error de entrada o salida"},
    {EBADF,        "El archivo no está abierto (descriptor erróneo)"},
    {EPIPE,        "Nadie lee la salida (tubería rota)"},
    {ENXIO,        "No existe el dispositivo o la dirección"},
    {ENODEV,       "No existe el dispositivo"},
    {EMFILE,       "El programa tiene demasiados archivos abiertos"},
    {ENFILE,       "El sistema tiene demasiados archivos abiertos"},
    {ENOMEM,       "No hay memoria suficiente"},
    {EINVAL,       "Argumento no válido"},
    {EAGAIN,       "El recurso no está disponible por ahora"},
    {EINTR,        "La operación fue interrumpida"},
    {EOPNOTSUPP,   "Operación no admitida"},
    {ESTALE,       "El archivo de red ya no es válido"},
    {ETIMEDOUT,    "Se agotó el tiempo de espera"},
};
// clang-format on

}  // namespace

std::string TextoDelError(int error) {
    for (const TErrorDelSistema& e : kErrores)
        if (e.numero == error) return e.texto;
    return "Error del sistema número " + std::to_string(error) + ": " + std::strerror(error);
}

}  // namespace brovel
