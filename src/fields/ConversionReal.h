#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Text of floating-point numbers, the same wherever the program is built. Where the
// C++ library has floating-point std::to_chars / std::from_chars they do the work;
// where it lacks them (BROVEL_CONVERSION_PROPIA) the C library's printf and strtod
// do, written so that the text is byte for byte what std::to_chars writes.
namespace brovel {

// std::to_chars(…, valor, chars_format::fixed, precision): exactly `precision`
// digits after the point, correctly rounded.
std::string RealFijo(long double valor, int precision);

// std::to_chars(…, valor, chars_format::scientific, precision): one digit, the
// point and `precision` digits, correctly rounded, then "e", the exponent's sign
// and at least two of its digits ("1.250e+02").
std::string RealCientifico(long double valor, int precision);

// std::to_chars(…, valor, chars_format::general, precision).
std::string RealGeneral(double valor, int precision);

// std::to_chars(…, valor, chars_format::fixed): the shortest digits that read back
// as the same double, written without an exponent.
std::string RealFijoMasCorto(double valor);

// std::from_chars(…, valor, chars_format::general): how many characters form the
// number (0 when none) and the error, as from_chars gives them.
struct LecturaReal {
    size_t usados = 0;
    std::errc error{};
};
LecturaReal LeerReal(std::string_view texto, double& valor);

// The C-library path itself, whatever the build: the tests hold it against the
// library's own conversions.
namespace respaldo {
std::string RealFijo(long double valor, int precision);
std::string RealCientifico(long double valor, int precision);
std::string RealGeneral(double valor, int precision);
std::string RealFijoMasCorto(double valor);
LecturaReal LeerReal(std::string_view texto, double& valor);
}  // namespace respaldo

}  // namespace brovel
