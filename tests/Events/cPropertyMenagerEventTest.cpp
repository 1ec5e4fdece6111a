// TBaseManager: a panel registers itself as the running one for its lifetime.

#include "cPropertyMenagerEvent.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TBaseManagerTest, APanelRunsFromConstructionToDestruction)
{
    ASSERT_EQ(TBaseManager::CurrentProcessManager, nullptr);
    auto first = std::make_unique<TBaseManager>();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, first.get());
    auto second = std::make_unique<TBaseManager>();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, second.get());
    first.reset(); // not the running one: the running panel stays registered
    EXPECT_EQ(TBaseManager::CurrentProcessManager, second.get());
    EXPECT_EQ(second->StatusBar.Editor, second.get());
    second.reset();
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}
