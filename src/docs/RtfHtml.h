// A report as HTML, for a view that shows it in a browser: the same RTF the
// "Reporte" tabs read (the template with the pieces filled in), with what the
// templates and the pieces use: paragraphs with their alignment, indents, spacing,
// background and tab stops, line breaks, bold, italic, underline, sizes and
// colours, escaped Windows-1252 bytes and Unicode characters. Destinations and
// "\*" groups are skipped, and so are control words it does not know. Any bytes
// read: braces that do not balance or groups nested too deep lose nothing else.
#pragma once

#include <string>
#include <string_view>

namespace brovel {

// The body of an HTML document: one <p> per paragraph, with inline styles;
// every text is escaped, so nothing in a report can add markup.
std::string RtfComoHtml(std::string_view rtf);

}  // namespace brovel
