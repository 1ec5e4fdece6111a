#pragma once
// Document files of the stand-in host: a JSON object tree holding the document's kind, its
// drawing (views with their layers and objects, macro objects with theirs, groups), its
// attribute types and attributes, its user data, its sheets' title blocks once a cell holds
// text (HostSheets.h), and a part's or assembly's model: name, designation, density, bodies
// as B-rep text with their colours, sketches (name, angle, plane kind and name, their 2D
// document), components by file with their placements. Objects are
// numbered in the order of the tree (each view, then its objects, macro contents after their
// macro, then groups);
// attributes and user data refer to objects by that number, -1 to the document itself.
// Temporary groups and objects of other documents are not written.

#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tvapi/Base.h"

namespace tvhost {

class TDocumentCore;
class THostPart;
struct TTextData;

// The document as its file's JSON, to be written as `fileName` (the document's own file name
// when empty): components are named relative to that file's folder, so the file opens from
// where it is written.
nlohmann::json DocumentJson(TDocumentCore& document, std::wstring_view fileName = {});
// Fills a new, empty document of the file's kind from the file's JSON, which has passed
// CheckDocumentJson (HostDocumentSchema.h); throws only when memory runs out.
void LoadDocumentJson(TDocumentCore& document, const nlohmann::json& root);
// Reads the file `fileName` (its name's bytes, HostText.h) into `root`; false with `error`
// saying why: "cannot open: <reason>", "not JSON at line L, column C: ...", or the first
// problem CheckDocumentJson finds. `root` is unchanged on failure.
bool ReadDocumentFile(std::wstring_view fileName, nlohmann::json& root, std::string& error);

// The part or assembly of the document file `fileName` as a new part, its components read
// from their own files; empty with `error` saying why when the file cannot be read, is no
// part or assembly, is being read already (it includes itself, whichever way: components,
// billets, a phantom, a document opened) or model files nest too deep.
tvapi::Ptr<THostPart> ReadPartFile(const std::wstring& fileName, std::string& error);

// The model file being read now, the innermost, as its reader named it (UTF-8); empty when
// none is.
std::string ReadingFileName();

// `fileName` (a host text of the name's bytes, HostText.h) as an absolute name: the current
// folder put before a relative one, nothing dropped, so that "s/.." is the folder above where
// the link s leads, as the system takes it.
std::wstring AbsoluteFileName(std::wstring_view fileName);
// True when `a` and `b` name one existing file, through whatever path or link.
bool SameFile(std::wstring_view a, std::wstring_view b);
// The file of a component of `part`, at any depth, that `fileName` names; empty when none is.
// A save or export there would destroy a part the assembly is made of.
std::wstring ComponentFileNamed(const THostPart& part, std::wstring_view fileName);
// The file of the first component of `part`, at any depth, whose file it was read from `isFile`
// answers true for (as its assembly names it); empty when none is.
std::wstring ComponentFileWhere(const THostPart& part, const std::function<bool(std::wstring_view)>& isFile);

// A host text in the file: an array of lines, each an array of [UTF-8 text, height] items.
nlohmann::json TextJson(const TTextData& text);
// The text such an array holds.
TTextData TextOf(const nlohmann::json& j);

// Format name and version written into every file.
inline constexpr const char* DocumentFileFormat = "tvhost document";
inline constexpr int DocumentFileVersion = 1;

} // namespace tvhost
