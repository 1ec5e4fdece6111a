#pragma once
// What a chain panel shows in the stand-in host, as the panel tests read it: a control as the
// host keeps it, the panel's parameter page and the status lines shown.

#include <string>
#include <vector>

#include "HostJournal.h"
#include "HostProcess.h"
#include "HostPropertyManager.h"

inline tvhost::THostPropertyControl& HostControl(const tvapi::IPropertyControlPtr& c)
{
    return *dynamic_cast<tvhost::THostPropertyControl*>(c.Get());
}

inline tvhost::THostProcessParam& HostParam(const tvapi::IProcessParamPtr& p)
{
    return *dynamic_cast<tvhost::THostProcessParam*>(p.Get());
}

inline std::vector<std::string> StatusTexts(tvhost::TJournal& Journal)
{
    std::vector<std::string> out;
    for (const auto& e : Journal.Calls("IDocumentFrame::SetStatusText"))
        out.push_back(e.Arguments.at(0));
    return out;
}
