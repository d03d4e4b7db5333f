// Rendering and reading of every number the program shows or stores.
//
// All text uses "." as decimal separator whatever the user's locale. Rounding is
// half away from zero on the exact binary value of the number (an 80-bit extended
// number has a finite decimal expansion, and the rounding is done on all of it), so
// a number shows the same digits on every machine.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace brovel {

// A text that does not read as a number. Its message is the one the user sees.
class ErrorDeConversion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fixed notation with exactly `decimales` decimals, no thousands separator, "-" for
// negatives; with `recortar`, trailing "0" and then a trailing "." are removed.
// A negative number that rounds to zero is written without its sign.
std::string RenderizarFijo(long double valor, int decimales, bool recortar);

// Scientific notation: one digit, ".", `decimales` digits, "E", the exponent's sign
// (always) and the exponent without leading zeroes ("3.333E+4", "1.500E-5"); with
// `recortar`, trailing "0" and then a trailing "." are removed before the "E".
std::string RenderizarCientifico(long double valor, int decimales, bool recortar);

// The text of a quantity field: fixed when sciMin < |valor| < sciMax or valor = 0,
// otherwise scientific. The notation is chosen on the unrounded number.
std::string RenderizarCampo(long double valor, int decimales, long double sciMin, long double sciMax,
                            bool recortar = true);

// General format with `digitos` significant digits: fixed while the rounded number
// is at least 0.0001 and has at most `digitos` digits before the point, otherwise
// mantissa, "E", "-" only for negative exponents and the exponent ("1.2E2", "5E-5").
// Trailing zeroes and a trailing "." are always dropped.
std::string FormatoGeneral(long double valor, int digitos = 15);

// The pattern "0.#####": at least one digit before the point, at most five decimals,
// trailing zeroes dropped.
std::string FormatoCincoDecimales(long double valor);

// printf-style "%<ancho>.<decimales>f": fixed, exactly `decimales` decimals, padded
// with blanks on the left to at least `ancho` characters ("%2.6f": 9.4 → "9.400000").
std::string FormatoFijo(long double valor, int ancho, int decimales);

// Reads the number a quantity field's text shows: the first "%" and every ","
// (thousands separator) are removed, blanks trimmed, trailing "+", "-", "E", "e" and
// "." dropped; what is left empty reads as 0. Anything else must be a decimal number
// with an optional exponent, or ErrorDeConversion is thrown with the message
// "'<cleaned text>' is not a valid floating point value".
long double LeerNumero(std::string_view texto);

// Reads the number typed into a quantity field, as LeerNumero does, except that
// the comma is the decimal separator a Spanish-speaking person types: one comma and
// no point reads as the point ("15,5" is 15.5). A text with more than one comma, or
// with commas and a point, is ambiguous and throws ErrorDeConversion.
long double LeerNumeroDeCampo(std::string_view texto);

// Reads a whole number as a list or an identifier writes it: optional blanks, an
// optional sign, decimal digits, within 32 bits; otherwise ErrorDeConversion with the
// message "'<texto>' is not a valid integer value".
int LeerEntero(std::string_view texto);

// Reads a plain decimal number (blanks around it allowed, nothing else cleaned).
// Returns false when the text is not one, or is out of the extended range.
bool IntentarLeerDecimal(std::string_view texto, long double& valor);

}  // namespace brovel
