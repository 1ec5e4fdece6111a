#pragma once
// What a user may keep under a name next to one a build writes: a file, a read-only file, a link
// to a file elsewhere, a folder, or a document open in the host under that name. Made before the
// build and looked at after it, so that a test can say the build left it as it was.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostDocuments.h"
#include "HostText.h"
#include "SpecialFiles.h"
#include "tvapi/Application.h"

namespace userfiles {

enum class TKind { None, File, ReadOnlyFile, Link, Folder, OpenDocument };

class TUserFile {
public:
    TUserFile(TKind kind, const std::string& path, tvapi::IApplication& app) : FKind(kind), FPath(path)
    {
        namespace fs = std::filesystem;
        switch (kind) {
        case TKind::None:
            return;
        case TKind::File:
        case TKind::ReadOnlyFile:
            std::ofstream(path, std::ios::binary) << FBytes;
            break;
        case TKind::Link:
            std::ofstream(FElsewhere / "target", std::ios::binary) << FBytes;
            fs::create_symlink(FElsewhere / "target", path);
            break;
        case TKind::Folder:
            fs::create_directory(path);
            std::ofstream(path + "/inside", std::ios::binary) << FBytes;
            break;
        case TKind::OpenDocument:
            FDoc = app.GetDocuments()->Add(tvapi::tvDocumentDrawing, false);
            FDoc->SaveAs(tvhost::FileNameFromBytes(path).c_str());
            FBytes = specialfiles::Bytes(path);
            break;
        }
        if (kind == TKind::ReadOnlyFile) ::chmod(path.c_str(), 0444);
    }
    TUserFile(const TUserFile&) = delete;
    TUserFile& operator=(const TUserFile&) = delete;

    // Whether anything stands at the name (a link counts, whatever its target).
    bool Stands() const { return FKind != TKind::None; }
    // What differs from when it was made; empty when nothing does.
    std::string Changed() const
    {
        namespace fs = std::filesystem;
        using specialfiles::Bytes, specialfiles::Kind;
        struct stat info {};
        switch (FKind) {
        case TKind::None:
            return Kind(FPath) == fs::file_type::not_found ? "" : "a file was made";
        case TKind::File:
            return Kind(FPath) == fs::file_type::regular && Bytes(FPath) == FBytes ? "" : "file";
        case TKind::ReadOnlyFile:
            return ::lstat(FPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                           (info.st_mode & 0777) == 0444 && Bytes(FPath) == FBytes
                       ? ""
                       : "read-only file";
        case TKind::Link:
            return Kind(FPath) == fs::file_type::symlink &&
                           fs::read_symlink(FPath) == FElsewhere / "target" &&
                           Bytes(FElsewhere / "target") == FBytes
                       ? ""
                       : "link or its target";
        case TKind::Folder:
            return fs::is_directory(FPath) && Bytes(FPath + "/inside") == FBytes ? "" : "folder";
        case TKind::OpenDocument: {
            const auto& core = dynamic_cast<tvhost::TDocumentCore&>(*FDoc);
            return core.IsOpen() && tvhost::FileNameBytes(core.FileName()) == FPath && Bytes(FPath) == FBytes
                       ? ""
                       : "open document";
        }
        }
        return "?";
    }

private:
    TKind FKind;
    std::string FPath;
    std::string FBytes = "a user's own file\n";
    specialfiles::TFolder FElsewhere;
    tvapi::ITervanDocumentPtr FDoc;
};

} // namespace userfiles
