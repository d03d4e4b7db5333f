// The RTF reader behind the "Reporte" tabs. A report is its template with the
// pieces filled in, so it holds what the templates and the pieces use: groups,
// the font and colour tables, paragraphs, line breaks and tabs with their stops,
// bold, italic, underline, sizes, fonts, colours, alignment, indents and spacing,
// escaped and raw Windows-1252 bytes and Unicode characters. Everything else is
// skipped: destinations it does not know ("\info", "\stylesheet", "\pict", ...),
// "\*" groups and unknown control words.
//
// A template is a file the user may edit, so any bytes read: the reader never
// loops or fails, takes braces that do not balance, truncated control words and
// huge numbers, drops what nests deeper than kProfundidadMaxima groups, and keeps
// its memory in proportion to the input.
#pragma once

#include <string_view>

#include "docs/Codificacion.h"

class QTextDocument;

namespace brovel {

// Groups nested deeper than this are skipped with everything inside them.
inline constexpr int kProfundidadMaxima = 256;

// Empties `documento` and fills it with the RTF `rtf`. Distances (indents,
// spacing, tab stops) are turned from twips into the document's units, the
// pixels of the screen its fonts are laid out for. Needs a QGuiApplication.
void LeerRtf(std::string_view rtf, QTextDocument& documento);

}  // namespace brovel
