#pragma once
// What every stand-in document keeps besides its kind and name: its attribute types and
// attributes, its user-data storages, its sheets and its properties. Saved and opened with the document.

#include <string>
#include <string_view>

#include "HostAttributes.h"
#include "HostDrawingDocument.h"
#include "HostProperties.h"
#include "HostSheets.h"
#include "HostSpecification.h"
#include "HostUserData.h"

namespace tvhost {

class TDocumentCore;

struct TDocumentData {
    TAttributeTable Attributes;
    TUserData UserData;
    TSheets Sheets;
    TDrawingNotes Notes;          // technical requirements and roughness of a drawing
    TSpecification Specification; // comment and specification rows
    TDocumentProperties Properties;

    // Drops every object list (attributes, user data): they may hold the document itself.
    void DropObjects() noexcept
    {
        Attributes.DropObjects();
        UserData.DropObjects();
        Specification.DropObjects();
    }
};

// Writes `document` to `fileName` (HostDocumentFile.h) through a temporary file renamed over
// it (HostFileIo.h); false with `error` saying why, the old file untouched.
bool WriteDocumentFile(TDocumentCore& document, std::wstring_view fileName, std::string& error);

} // namespace tvhost
