#pragma once
// Stand-ins for what the messenger reaches above the foundation: a host that lends an
// application and records its boxes, and a running panel that records its status lines.
// Each lends itself to the messenger for its lifetime and gives back what was there before.

#include "Messager.h"

#include <string>
#include <vector>

namespace testsinks {

class TRecordingHost final : public TMessageHost {
public:
    explicit TRecordingHost(tvapi::IApplication* App = nullptr) : FApp(App), FSaved(Messager.Host())
    {
        Messager.SetHost(this);
    }
    ~TRecordingHost() { Messager.SetHost(FSaved); }
    TRecordingHost(const TRecordingHost&) = delete;
    TRecordingHost& operator=(const TRecordingHost&) = delete;

    void HostBox(const TString& M) override { Boxes.emplace_back(M.PChar()); }
    Boolean HostQuestion(const TString& Text) override
    {
        Boxes.emplace_back(Text.PChar());
        return Answer;
    }
    tvapi::IApplication* HostApplication() const override { return FApp; }

    std::vector<std::string> Boxes; // texts shown, in order (Windows-1251 bytes)
    Boolean Answer = true;          // what every question is answered

private:
    tvapi::IApplication* FApp;
    TMessageHost* FSaved;
};

class TRecordingProcess final : public TRunningProcess, public TStatusLines {
public:
    TRecordingProcess() : FSaved(Messager.Process()) { Messager.SetProcess(this); }
    ~TRecordingProcess() { Messager.SetProcess(FSaved); }
    TRecordingProcess(const TRecordingProcess&) = delete;
    TRecordingProcess& operator=(const TRecordingProcess&) = delete;

    TStatusLines& StatusLines() override { return *this; }
    void NextProgress(const TString& Message) override { Progress.emplace_back(Message.PChar()); }
    void UpdateProgress(const TString& Message) override { Progress.emplace_back(Message.PChar()); }
    void LiftBox(const TString& T, Integer) override { Lines.emplace_back(T.PChar()); }
    void StatusBox(const TString& T, Integer) override
    {
        if (Lines.empty())
            Lines.emplace_back(T.PChar());
        else
            Lines.front() = T.PChar();
    }

    std::vector<std::string> Lines;    // status lines, oldest first (Windows-1251 bytes)
    std::vector<std::string> Progress; // progress step texts, in order

private:
    TRunningProcess* FSaved;
};

} // namespace testsinks
