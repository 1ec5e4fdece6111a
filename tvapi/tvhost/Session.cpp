// One run of the tvhost command.
#include "Session.h"

#include <dlfcn.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "Host.h"
#include "HostFileIo.h"
#include "HostLibraryActions.h"
#include "HostProcess.h"
#include "HostScript.h"
#include "HostText.h"
#include "Output.h"
#include "Picture.h"
#include "ReadFiles.h"
#include "tvapi/LibraryActions.h"

namespace tvrun {

namespace {

// The font the stand-in registers for a library it knows.
constexpr const wchar_t* RegisteredFont = L"DejaVu Sans";

// Sets up the document the run starts with; false (reported) when it cannot be had.
bool PrepareDocument(tvhost::THost& host, const TOptions& o, std::ostream& err)
{
    if (o.NewDocument) host.App().Documents().AddDocument(*o.NewDocument);
    if (!o.Open) return true;
    const tvapi::IDocumentsPtr documents = host.App().GetDocuments();
    const std::wstring name = tvhost::FileNameFromBytes(*o.Open);
    if (documents && documents->Open(name.c_str(), true, false)) return true;
    err << "tvhost: cannot open " << *o.Open << ": " << host.App().Documents().OpenError() << '\n';
    return false;
}

// A loaded shared object, closed when the holder goes.
class TModule {
public:
    explicit TModule(const std::string& path) : FHandle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~TModule()
    {
        if (FHandle) dlclose(FHandle);
    }
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;

    explicit operator bool() const noexcept { return FHandle != nullptr; }
    template <class F> F* Find(const char* name) const { return reinterpret_cast<F*>(dlsym(FHandle, name)); }

private:
    void* FHandle;
};

// Prints the identifier and the state of command `command` as the library reports them.
void ReportCallbacks(const tvhost::THostLibraryActions& actions, unsigned int command, std::ostream& out)
{
    if (const auto id = actions.LibraryId()) out << "tvhost: library id " << *id << '\n';
    bool enable = false;
    int checked = 0;
    std::wstring reason;
    if (!actions.CommandState(static_cast<int>(command), enable, checked, reason)) return;
    out << "tvhost: command " << command << (enable ? " enabled" : " disabled");
    if (!reason.empty()) out << ": " << tvhost::ToUtf8(reason);
    out << '\n';
}

// Saves the active document as `file` (the bytes given); false, reported, when it cannot.
bool SaveActive(tvhost::THost& host, const std::string& file, const TReadFiles& read, std::ostream& out,
                std::ostream& err)
{
    const tvapi::ITervanDocumentPtr doc = host.App().GetActiveDocument();
    const auto* core = dynamic_cast<const tvhost::TDocumentCore*>(doc.Get());
    TOutput output(file);
    if (!output.Opened()) {
        err << "tvhost: cannot save " << file << ": " << output.Error() << '\n';
        return false;
    }
    if (const TReadBy by = ReaderOf(output.Checked(), read, core); by.Kind != TReadKind::rkNone) {
        err << "tvhost: will not save over " << file << ": " << by.Why << '\n';
        return false;
    }
    output.Hold();
    if (doc && doc->SaveAs(tvhost::FileNameFromBytes(output.Name()).c_str())) {
        out << "tvhost: saved " << file << '\n';
        return true;
    }
    err << "tvhost: cannot save " << file << ": "
        << (!doc                                 ? "no active document"
            : core && !core->SaveError().empty() ? core->SaveError()
                                                 : "the save failed")
        << '\n';
    return false;
}

// The view's picture of --png: the frame of the active document painted once more into the
// session's offscreen view and saved; taken when the script has been played to its end, or
// after the command when no process played it.
class TPicture {
public:
    TPicture(tvhost::THost& host, const std::string& file, const TReadFiles& read, std::ostream& out,
             std::ostream& err)
        : FHost(host), FFile(file), FRead(read), FOut(out), FErr(err), FView(WindowWidth, WindowHeight)
    {
    }
    bool Valid() const noexcept { return FView.Valid(); }
    // Saves it unless it was saved already; false (reported) when it cannot be, or when the
    // file is one the run reads.
    bool Take()
    {
        if (FTaken) return FSaved;
        FTaken = true;
        TOutput output(FFile);
        if (!output.Opened()) {
            FErr << "tvhost: cannot save the picture " << FFile << ": " << output.Error() << '\n';
            return false;
        }
        if (const TReadBy by = ReaderOf(output.Checked(), FRead); by.Kind != TReadKind::rkNone) {
            FErr << "tvhost: will not save the picture over " << FFile << ": " << by.Why << '\n';
            return false;
        }
        FView.Clear();
        if (const tvhost::THostFramePtr frame = tvhost::FrameOf(FHost.App().GetActiveDocument()))
            frame->Paint();
        std::string error;
        output.Hold();
        FSaved = FView.SavePng(output.Name(), error);
        if (FSaved)
            FOut << "tvhost: picture " << FFile << '\n';
        else
            FErr << "tvhost: cannot save the picture " << FFile << ": " << error << '\n';
        return FSaved;
    }

    // The stand-in's window (THostFrame::Rect).
    static constexpr int WindowWidth = 800;
    static constexpr int WindowHeight = 600;

private:
    tvhost::THost& FHost;
    std::string FFile;
    const TReadFiles& FRead;
    std::ostream& FOut;
    std::ostream& FErr;
    TView FView;
    bool FTaken = false;
    bool FSaved = false;
};

// Calls the library's entry points and its command, then saves what --save and --png ask for
// while the library is loaded; exceptions pass to the caller.
TExitCode Drive(tvhost::THost& host, const TModule& module, const TOptions& o, const TReadFiles& read,
                TPicture* picture, tvhost::THostLibraryActions& actions, std::ostream& out, std::ostream& err)
{
    const std::string& path = read.Library;
    auto* load = module.Find<tvapi::LoadTervanLibraryFunction>(tvapi::LoadTervanLibraryName);
    auto* unload = module.Find<tvapi::UnloadTervanLibraryFunction>(tvapi::UnloadTervanLibraryName);
    if (!load) {
        err << "tvhost: " << path << " exports no " << tvapi::LoadTervanLibraryName << '\n';
        return ecLoadFailed;
    }
    if (!load(host.App(), actions)) {
        err << "tvhost: the library refused to load\n";
        return ecLoadFailed;
    }
    out << "tvhost: loaded " << path << '\n';
    ReportCallbacks(actions, o.Command, out);
    TExitCode code = ecSuccess;
    if (actions.RunCommand(o.Command, tvapi::tvRumModeNormal)) {
        out << "tvhost: command " << o.Command << " finished\n";
        if (o.Save && !SaveActive(host, *o.Save, read, out, err)) code = ecRunFailed;
    } else {
        err << "tvhost: the library registered no command runner\n";
        code = ecLoadFailed;
    }
    if (picture && !picture->Take() && code == ecSuccess) code = ecRunFailed;
    if (unload) unload();
    return code;
}

// Opens the script of --script, played a line at a time by the processes the library runs;
// "show" prints to `out`.
bool LoadScript(const TOptions& o, std::ostream& out, std::ostream& err)
{
    tvhost::Script().SetOutput(&out);
    if (!o.Script) return true;
    std::string error;
    if (!tvhost::CheckReadable(*o.Script, error)) {
        err << "tvhost: cannot read the script " << *o.Script << ": " << error << '\n';
        return false;
    }
    auto in = std::make_unique<std::ifstream>(*o.Script, std::ios::binary);
    if (!*in) {
        err << "tvhost: cannot read the script " << *o.Script << '\n';
        return false;
    }
    if (tvhost::Script().Open(std::move(in), error)) return true;
    err << "tvhost: " << *o.Script << ": " << error << '\n';
    return false;
}

// Drives the loaded library in a fresh host; the host is gone when this returns, the
// module still open.
TExitCode RunInHost(const TModule& module, const TOptions& o, const std::string& path, std::ostream& out,
                    std::ostream& err)
{
    tvhost::THost host;
    host.Journal().SetRecording(o.PrintJournal);
    host.App().SetBoxOutput(&out);
    host.App().SetVersion(o.HostVersion, 0, 0, 1);
    for (int answer : o.Answers)
        host.App().PushAnswer(answer);
    if (o.Registered) host.App().Libraries().Add(tvhost::FromUtf8(path), RegisteredFont);
    if (!PrepareDocument(host, o, err)) return ecRunFailed;
    if (!LoadScript(o, out, err)) return ecUsage;
    const TReadFiles read{path, o.Script, o.Open, &host.App().Documents()};
    std::unique_ptr<TPicture> picture;
    if (o.Png) {
        picture = std::make_unique<TPicture>(host, *o.Png, read, out, err);
        if (!picture->Valid()) {
            err << "tvhost: no offscreen view for the picture " << *o.Png << '\n';
            return ecUsage;
        }
        // Frames paint into the view whenever they are refreshed, as a window does.
        host.App().Panels().PaintFrames = true;
        tvhost::Script().SetOnEnd([p = picture.get()] { p->Take(); });
    }
    TExitCode code = ecRunFailed;
    {
        const tvhost::THostLibraryActionsPtr actions = tvhost::New<tvhost::THostLibraryActions>();
        struct TDropCallbacks {
            tvhost::THostLibraryActions& A;
            ~TDropCallbacks() { A.Clear(); }
        } drop{*actions};
        try {
            code = Drive(host, module, o, read, picture.get(), *actions, out, err);
            if (picture && !picture->Take() && code == ecSuccess) code = ecRunFailed;
        } catch (const std::exception& e) {
            err << "tvhost: the library threw: " << e.what() << '\n';
        } catch (...) {
            err << "tvhost: the library threw\n";
        }
    }
    tvhost::Script().SetOutput(nullptr);
    tvhost::Script().SetOnEnd(nullptr);
    if (o.PrintJournal)
        for (const std::string& line : host.Journal().Lines())
            out << "journal: " << line << '\n';
    return code;
}

} // namespace

TExitCode RunSession(const TOptions& o, std::ostream& out, std::ostream& err)
{
    // Absolute, nothing dropped by its letters: "s/.." is where the system finds it when s is a link.
    const std::string path = std::filesystem::absolute(o.Plugin).string();
    // The loader would wait on a FIFO for ever: a library is refused as any other input is.
    if (std::string error; !tvhost::CheckReadable(path, error)) {
        err << "tvhost: cannot load " << path << ": " << error << '\n';
        return ecLoadFailed;
    }
    const long start = tvhost::THostObject::LiveObjects();
    const TModule module(path);
    if (!module) {
        err << "tvhost: cannot load " << path << ": " << dlerror() << '\n';
        return ecLoadFailed;
    }
    const TExitCode code = RunInHost(module, o, path, out, err);
    // The host is gone and the module still loaded: whatever lives now is held by the
    // library, which would let it go only when its globals die with the module.
    if (const long held = tvhost::THostObject::LiveObjects() - start; held != 0) {
        err << "tvhost: " << held
            << " host objects outlived the host, held by the library after it was unloaded\n";
        return code == ecSuccess ? ecLeaked : code;
    }
    // A run that went well otherwise still tells a script that asked what no user can do.
    if (const int refused = tvhost::Script().TakeUnreachable(); refused > 0 && code == ecSuccess) {
        err << "tvhost: " << refused << (refused == 1 ? " script line asks" : " script lines ask")
            << " what no user can do\n";
        return ecUnreachable;
    }
    return code;
}

} // namespace tvrun
