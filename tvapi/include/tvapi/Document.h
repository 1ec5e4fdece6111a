#pragma once
// Documents of the host: their kinds. The document interfaces join this header.

namespace tvapi {

// Kind of a host document.
enum DocumentTypeEnum : int {
    tvDocumentUnknown = 0,
    tvDocumentDrawing = 1,
    tvDocumentFragment = 2,
    tvDocumentSpecification = 3,
    tvDocumentPart = 4,
    tvDocumentAssembly = 5,
    tvDocumentTextual = 6,
    tvDocumentTechnologyAssembly = 7,
};

} // namespace tvapi
