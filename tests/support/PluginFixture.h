#pragma once
// The stand-in host with the test posing as the plug-in file /opt/x/libDimChain.plx. At the
// end the facade's time in the host ends as at unload (drApi::TModelerApi::Done), so every
// host reference the library took is given back before the live-object count is checked.

#include <string>
#include <vector>

#include "HostFixture.h"
#include "drModelerAPI.h"

class TPluginFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        Host().App().Services().SetModuleFileName(L"/opt/x/libDimChain.plx");
    }
    void TearDown() override
    {
        drApi::MA.Done();
        HostFixture::TearDown();
    }
    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const auto& e : Journal().Calls("IApplication::ShowMessageBox"))
            texts.push_back(e.Arguments.at(0));
        return texts;
    }
};
