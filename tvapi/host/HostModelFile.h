#pragma once
// A part's or assembly's model in its document file (HostDocumentFile.h, the way in): name,
// designation, density, bodies as B-rep text with their colours, sketches, features,
// components by file with their placements, 3D and generated dimensions, entity names and
// variables; and the model files being read now.

#include <filesystem>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace tvhost {

class THostPart;

// The model files being read now, the outermost first, whichever way each came in (a document
// opened, a component added or read with its assembly, a billet, a phantom): a file read while
// it is being read includes itself. A file is known by its device and inode, so another name
// for it (a link, another path) is the same file. This is one file on that list while it is read.
class TReadingFile {
public:
    TReadingFile() = default;
    TReadingFile(const TReadingFile&) = delete;
    TReadingFile& operator=(const TReadingFile&) = delete;
    ~TReadingFile();

    // False, with `error` saying why, when `fileName` is being read already or the files being
    // read nest too deep.
    bool Enter(const std::wstring& fileName, std::string& error);

private:
    bool FEntered = false;
};

// A host text naming a file as the path of its bytes, and back: no conversion on the way.
std::filesystem::path BytesPath(std::wstring_view name);
std::wstring PathName(const std::filesystem::path& path);

// The part's model for its file, its components named as files written into `folder`
// (absolute; empty: as the assembly named them) name them.
nlohmann::json ModelJson(THostPart& part, const std::filesystem::path& folder);
// Fills `part` from its model, its components read beside `folder`, the folder of the file
// that holds it. Throws std::invalid_argument for a body or component that cannot be read.
void LoadModel(THostPart& part, const nlohmann::json& model, const std::wstring& folder);
// A file a model file names (a billet's), as read while that model loads: a relative name is
// taken beside the model file, as its components are; outside a load, from the working folder.
std::wstring BesideLoadedModel(const std::wstring& file);

} // namespace tvhost
