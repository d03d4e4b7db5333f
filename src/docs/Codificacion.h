// The two encodings the program meets: UTF-8, its own text, and Windows-1252, the
// code page of the report templates and of RTF bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brovel {

// The character a Windows-1252 byte stands for. The five bytes the code page
// leaves undefined stand for the control characters of the same number, as in
// Windows itself.
char16_t CaracterWindows1252(unsigned char byte);

// The Windows-1252 byte of a character, or -1 when the code page has none (the
// five undefined bytes stand for no character here).
int ByteWindows1252(char32_t caracter);

// The length of the valid UTF-8 sequence at the start of `texto`, with its
// character in `caracter`; 0 when none starts there (a stray or truncated byte,
// an overlong form, a surrogate or a number beyond Unicode).
std::size_t LeerUtf8(std::string_view texto, char32_t& caracter);

// The text with every control byte, and every byte that is not part of valid
// UTF-8, written as "\xNN", so a name with a newline or stray bytes cannot break
// a message's line or the terminal.
std::string TextoMostrable(std::string_view texto);

}  // namespace brovel
