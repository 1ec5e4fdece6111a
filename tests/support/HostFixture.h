#pragma once
// GoogleTest fixture for everything that talks to the stand-in host: a fresh host per
// test with its journal recording, helpers to script message-box answers and arm faults,
// and checks at TearDown that every host object made during the test has been released and
// that no script line asked what no user can do (a test that means it takes the count).

#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "Host.h"
#include "tvapi/ModelObjects.h"

// The objects of `kind` that `object`'s feature lists; none without a feature.
inline std::vector<tvapi::IModelObjectPtr> ObjectsOf(const tvapi::IModelObjectPtr& object,
                                                     tvapi::tvObj3dTypeEnum kind)
{
    const tvapi::IFeaturePtr feature = object->GetFeature();
    return feature ? feature->GetModelObjects({kind}) : std::vector<tvapi::IModelObjectPtr>();
}

class HostFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Ends the host, then fails the test when host objects outlive it. A derived fixture
    // that holds host pointers releases them before calling this.
    void TearDown() override;

    tvhost::THost& Host() { return *FHost; }
    tvapi::IApplicationPtr Application() const { return FHost->Application(); }
    tvhost::TJournal& Journal() { return FHost->Journal(); }

    // Queues the answers of the next message boxes, in order.
    void ScriptAnswers(std::initializer_list<int> answers);
    // Arms a one-shot fault for the next call of `op` ("Interface::Operation").
    void InjectFault(std::string_view op, tvhost::TFaultKind kind = tvhost::fkFail);

    long LiveAtStart() const { return FLiveAtStart; }
    // Ends the host now, as TearDown does; objects still alive after it are held by the code
    // under test. Nothing of the host may be used afterwards.
    void EndHost() { FHost.reset(); }

private:
    std::unique_ptr<tvhost::THost> FHost;
    long FLiveAtStart = 0;
};
