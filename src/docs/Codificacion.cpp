#include "docs/Codificacion.h"

#include <array>
#include <cstdio>
#include <string>

namespace brovel {
namespace {

// Bytes 0x80 to 0x9F; from 0xA0 on, Windows-1252 is Latin-1.
// clang-format off
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

}  // namespace

char16_t CaracterWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252[byte - 0x80] : char16_t{byte};
}

int ByteWindows1252(char32_t caracter) {
    if (caracter < 0x80 || (caracter >= 0xA0 && caracter <= 0xFF)) return static_cast<int>(caracter);
    for (size_t i = 0; i < kWindows1252.size(); ++i)
        if (kWindows1252[i] == caracter && caracter != 0x80 + i) return static_cast<int>(0x80 + i);
    return -1;
}

std::size_t LeerUtf8(std::string_view texto, char32_t& caracter) {
    if (texto.empty()) return 0;
    const auto b = [&texto](size_t i) { return static_cast<unsigned char>(texto[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) {
        caracter = c;
        return 1;
    }
    size_t largo = 0;
    char32_t minimo = 0;
    if (c >= 0xC2 && c <= 0xDF)
        largo = 2, minimo = 0x80;
    else if (c >= 0xE0 && c <= 0xEF)
        largo = 3, minimo = 0x800;
    else if (c >= 0xF0 && c <= 0xF4)
        largo = 4, minimo = 0x10000;
    if (largo == 0 || texto.size() < largo) return 0;
    char32_t punto = c & (0x7F >> largo);
    for (size_t i = 1; i < largo; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        punto = (punto << 6) | (b(i) & 0x3F);
    }
    if (punto < minimo || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF)) return 0;
    caracter = punto;
    return largo;
}

namespace {

// The length of the valid UTF-8 sequence beyond ASCII at the start of `t`, or 0.
size_t LargoMostrable(std::string_view t) {
    char32_t punto = 0;
    const size_t largo = LeerUtf8(t, punto);
    // The C1 controls are controls too.
    return largo > 1 && !(punto >= 0x80 && punto <= 0x9F) ? largo : 0;
}

}  // namespace

std::string TextoMostrable(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    while (!texto.empty()) {
        const unsigned char c = static_cast<unsigned char>(texto.front());
        size_t largo = c >= 0x20 && c < 0x7F ? 1 : (c >= 0x80 ? LargoMostrable(texto) : 0);
        if (largo > 0) {
            r.append(texto.substr(0, largo));
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            r += escape;
            largo = 1;
        }
        texto.remove_prefix(largo);
    }
    return r;
}

}  // namespace brovel
