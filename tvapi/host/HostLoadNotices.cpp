// What a model file's load leaves out, told once.
#include "HostLoadNotices.h"

#include <utility>

#include "HostApplication.h"
#include "HostDocumentFile.h"
#include "HostText.h"

namespace tvhost {

namespace {

thread_local TLeftOut* Gatherer = nullptr;

} // namespace

TLeftOut::TLeftOut(std::string file) : FFile(std::move(file)), FOuter(Gatherer == nullptr)
{
    if (FOuter) Gatherer = this;
}

TLeftOut::~TLeftOut()
{
    if (FOuter) Gatherer = nullptr;
}

std::string TLeftOut::Message() const
{
    if (FItems.empty()) return {};
    std::string text = "Left out of " + FFile + ": ";
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        const TItem& item = FItems[i];
        text += (i ? "; " : "") + std::to_string(item.Count) + " " + (item.Count == 1 ? item.One : item.Many);
        if (item.File != FFile) text += " (in " + item.File + ")";
    }
    return text;
}

std::string TLeftOut::Tell() const
{
    if (!FOuter) return {};
    std::string text = Message();
    if (THostApplication* app = THostApplication::Current(); app && !text.empty())
        app->ShowMessageBox(FromUtf8(text).c_str(), L"Open", tvapi::tvMessageWarning, tvapi::tvButtonSetOk,
                            0);
    return text;
}

void NoteLeftOut(const std::string& one, const std::string& many)
{
    if (!Gatherer) return;
    const std::string file = ReadingFileName();
    for (TLeftOut::TItem& item : Gatherer->FItems)
        if (item.File == file && item.One == one) {
            ++item.Count;
            return;
        }
    Gatherer->FItems.push_back({file, one, many, 1});
}

} // namespace tvhost
