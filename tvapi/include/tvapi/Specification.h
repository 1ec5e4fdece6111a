#pragma once
// Sections of the host's specification (parts list). The library names them in its own
// namespace Quor; the values are the host's section numbers and pass to it unchanged.

#include <cstdint>

namespace Quor {

enum TSectionSpc : std::int32_t {
    tNotExist = 0,
    tDocumentatio = 1,
    tSborka = 5,
    tDetail = 20,
    tStandart = 25,
};

} // namespace Quor
