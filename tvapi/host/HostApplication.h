#pragma once
// The stand-in host's application object: keeps the message-suppression mode, answers
// message boxes from a queue that tests fill, and hands out the host dictionary.

#include <cstddef>
#include <deque>

#include "HostDictionary.h"
#include "HostObject.h"
#include "tvapi/Application.h"

namespace tvhost {

class THostApplication final : public THostObjectOf<tvapi::IApplication> {
public:
    // The answer of a box when no scripted answer is left: yes.
    static constexpr int DefaultAnswer = tvapi::tvButtonYes;

    THostApplication();

    // Journaled as "IApplication::<operation>". On a fkFail fault GetHideMessage gives
    // tvShowMessage, SetHideMessage changes nothing, ShowMessageBox gives 0 without taking
    // an answer, GetDictionary gives an empty pointer.
    tvapi::tvHideMessageEnum GetHideMessage() override;
    void SetHideMessage(tvapi::tvHideMessageEnum mode) override;
    // Journaled arguments: text, caption, type, buttons, flags, then the suppression mode
    // in force while the box is up.
    tvapi::tvMessageButtonEnum ShowMessageBox(const wchar_t* text, const wchar_t* caption,
                                              tvapi::tvMessageTypeEnum type,
                                              tvapi::tvMessageButtonSetEnum buttons, int flags) override;
    tvapi::ITervanDictionaryPtr GetDictionary() override;

    // Test side, not journaled.
    // Queues the answer of one future box; boxes take answers in the order queued.
    void PushAnswer(int answer);
    std::size_t PendingAnswers() const noexcept { return FAnswers.size(); }
    void ClearAnswers() noexcept { FAnswers.clear(); }
    tvapi::tvHideMessageEnum HideMessage() const noexcept { return FHideMessage; }
    THostDictionary& Dictionary() noexcept { return *FDictionary; }

private:
    tvapi::tvHideMessageEnum FHideMessage = tvapi::tvShowMessage;
    std::deque<int> FAnswers;
    THostDictionaryPtr FDictionary;
};

using THostApplicationPtr = tvapi::Ptr<THostApplication>;

} // namespace tvhost
