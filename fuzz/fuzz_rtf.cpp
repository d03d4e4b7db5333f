// Any bytes as a report template: reading never crashes, never hangs and never
// writes more characters than it read bytes, and the document it leaves can be
// laid out on a page.
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "SinPantalla.h"
#include "docs/LectorRtf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CrearAplicacionSinPantalla();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const std::string_view rtf(reinterpret_cast<const char*>(datos), tamano);
    QTextDocument documento;
    brovel::LeerRtf(rtf, documento);
    // The document ends with the character that closes its last paragraph.
    if (static_cast<size_t>(documento.characterCount()) > tamano + 1) std::abort();
    documento.setPageSize(QSizeF(600, 800));
    (void)documento.documentLayout()->documentSize();
    return 0;
}
