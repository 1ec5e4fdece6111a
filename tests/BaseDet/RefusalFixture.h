#pragma once
// A builder that refuses: it answers false, tells "Деталь не построена: " and the size in one
// message box, and leaves no part file "refused.qpt".

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ComponentHostFixture.h"

class TRefusalTest : public TComponentHostFixture {
protected:
    void ExpectRefused(const std::function<bool()>& Build, const std::string& Told)
    {
        ScriptAnswers({tvapi::tvButtonOk});
        Journal().Clear();
        EXPECT_FALSE(Build());
        EXPECT_FALSE(std::filesystem::exists(Dir / "refused.qpt"));
        const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Arguments[0], "Деталь не построена: " + Told);
    }
};
