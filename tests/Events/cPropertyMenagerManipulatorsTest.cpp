// Manipulators of the panel base: building and binding them, the host's move and rotate
// events reaching the bound variables and their controls, and the phantom redraw.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "Mtr3D.h"
#include "TestPanel.h"

namespace {

using tvapi::tvManipulatorPrimitiveEnum;

class TManipulatorTest : public TTabPanelFixture {
protected:
    tvhost::THostManipulators& Host3D() { return As<tvhost::THostManipulators>(Panel->Manipulators); }
    tvhost::THostManipulatorsEvents& Events() { return Host3D().Events(); }
    // Shown primitives of manipulator `index`, by number.
    std::vector<int> Shown(std::size_t index)
    {
        std::vector<int> shown;
        const auto& m = Host3D().Item(index);
        for (int k = 1; k <= 13; ++k)
            if (m.Shown[static_cast<std::size_t>(k)]) shown.push_back(k);
        return shown;
    }
    long Redraws() const { return std::count(Panel->Calls.begin(), Panel->Calls.end(), "redraw"); }
};

// A placement the user dragged to: axes and origin in rows, the last column 0, 0, 0, 1.
std::vector<double> Moved()
{
    std::vector<double> m(16);
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = i % 4 == 3 ? 0.0 : 0.5 * static_cast<double>(i) + 1;
    m[15] = 1;
    return m;
}

} // namespace

TEST_F(TManipulatorTest, APlacementManipulatorTakesItsBindingIndexAndShowsItsListedPrimitives)
{
    double reals[5] = {};
    for (double& r : reals)
        Panel->AddEditValue("r", "", r, false);
    TMtr3D M;
    M.V[12] = 7;
    tvManipulatorPrimitiveEnum xy[] = {tvapi::tvMPAxisX, tvapi::tvMPAxisY, tvapi::tvMPNone};
    ASSERT_TRUE(Panel->AddManipulator(true, M, xy));
    const auto& first = Host3D().Item(0);
    EXPECT_EQ(first.Id, 5);
    EXPECT_EQ(Panel->APropertyVariable[5].IdControl, 5);
    EXPECT_EQ(Panel->APropertyVariable[5].Type, TVariablePtr::pvMtr3D);
    EXPECT_TRUE(first.Visible);
    EXPECT_EQ(first.Placement->Origin()[0], 7.0) << "placed at the bound matrix";
    EXPECT_EQ(Shown(0), (std::vector<int>{1, 2}));

    tvManipulatorPrimitiveEnum stopped[] = {tvapi::tvMPAxisZ, static_cast<tvManipulatorPrimitiveEnum>(14),
                                            tvapi::tvMPAxisX};
    Panel->AddManipulator(false, M, stopped);
    EXPECT_EQ(Shown(1), (std::vector<int>{3})) << "14 ends the list";
    Panel->AddManipulator(false, M, nullptr);
    EXPECT_TRUE(Shown(2).empty());
    EXPECT_EQ(Host3D().Item(2).Id, 7);
}

TEST_F(TManipulatorTest, AMoveCopiesThePlacementIntoTheMatrixAndItsCellControls)
{
    TMtr3D M;
    std::vector<tvapi::IPropertyEditPtr> edits; // the 16 cells, as a panel shows a matrix
    for (double& cell : M.V)
        edits.push_back(Panel->AddEditValue("cell", "", cell, false));
    ASSERT_TRUE(Panel->AddManipulator(true, M, nullptr));
    Panel->Advise();
    Host3D().Item(0).Placement->SetMatrix3D(Moved());
    Panel->Calls.clear();
    EXPECT_FALSE(Events().MoveManipulator(16, 1, 0, 0, 1, false)) << "no numeric manipulator handled";
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(M.V[i], Moved()[i]);
        EXPECT_EQ(HostOf(edits[i]).Real(), Moved()[i]) << i;
    }
    EXPECT_EQ(std::count(Panel->Calls.begin(), Panel->Calls.end(), "changed 16"), 16)
        << "each cell's notice names the manipulator's binding";
    EXPECT_EQ(Redraws(), 1);

    Panel->DragManipulator = true;
    Panel->Calls.clear();
    Events().MoveManipulator(16, 1, 0, 0, 1, false);
    Events().RotateManipulator(16, 0, 0, 0, 1, 0, 0, 0.5, false);
    EXPECT_EQ(Redraws(), 0) << "no redraw while dragging";
    EXPECT_FALSE(Events().EndDragManipulator(16, tvapi::tvMPAxisX));
    EXPECT_EQ(Redraws(), 1);
    EXPECT_FALSE(Panel->DragManipulator);
    EXPECT_FALSE(Events().MoveManipulator(3, 1, 0, 0, 1, false)) << "no binding with that id";
}

namespace {

// Constrains rotations about Z to a quarter turn of its own.
class TRotatingPanel : public TTestPanel {
public:
    TMtr3D M;
    std::vector<std::string> Hooks;
    bool RotateManipulatorAxisY(long, const double& a) override
    {
        return Hooks.push_back("Y " + std::to_string(a)), false;
    }
    bool RotateManipulatorAxisZ(long, const double&) override
    {
        Hooks.push_back("Z");
        M.V[0] = 42;
        return true;
    }
};

} // namespace

TEST_F(TManipulatorTest, ARotationRunsTheHookOfItsAxis)
{
    Panel.reset();
    auto panel = std::make_unique<TRotatingPanel>();
    ASSERT_TRUE(panel->AddManipulator(true, panel->M, nullptr));
    auto& host = As<tvhost::THostManipulators>(panel->Manipulators);
    host.Item(0).Placement->SetMatrix3D(Moved());
    EXPECT_FALSE(panel->RotateManipulator(0, 9, 9, 9, 0, 1, 0, 0.25, false));
    EXPECT_EQ(panel->Hooks, (std::vector<std::string>{"Y 0.250000"}));
    EXPECT_EQ(panel->M.V[14], Moved()[14]) << "the base hook lets the host's placement in";
    EXPECT_FALSE(panel->RotateManipulator(0, 0, 0, 0, 0, 0, 1, 0.25, false));
    EXPECT_EQ(host.Item(0).Placement->X()[0], 42.0) << "the manipulator jumps to the panel's matrix";
    EXPECT_FALSE(panel->RotateManipulator(0, 0, 0, 0, 0, 0, 0, 0.25, false));
    EXPECT_EQ(panel->Hooks.size(), 2u) << "no axis, no hook";
}

TEST_F(TManipulatorTest, ANumericManipulatorWritesItsValueIntoTheBoundReal)
{
    double value = 2.5;
    const auto shown = Panel->AddEditValue("Длина", "", value, false);
    TMtr3D at;
    at.V[13] = 3;
    ASSERT_TRUE(Panel->AddManipulatorEdit(true, value, at));
    const auto& m = Host3D().Item(0);
    EXPECT_EQ(m.Id, 1);
    EXPECT_EQ(m.Value, 2.5);
    EXPECT_EQ(m.Placement->Origin()[1], 3.0);
    Host3D().Item(0).Value = 7.5;
    Panel->Advise();
    Panel->Calls.clear();
    EXPECT_TRUE(Events().MoveManipulator(1, 0, 0, 0, 0, false));
    EXPECT_EQ(value, 7.5) << "the user's value reaches the variable";
    EXPECT_EQ(HostOf(shown).Real(), 7.5);
    EXPECT_EQ(Redraws(), 1);

    Host3D().Item(0).Value = 1.25;
    Panel->DragManipulator = true;
    EXPECT_TRUE(Panel->ChangeManipulatorValue(1L, 0L, 0.0));
    EXPECT_EQ(value, 1.25);
    EXPECT_EQ(Redraws(), 2) << "a value change redraws even while dragging";
    EXPECT_TRUE(Panel->ChangeManipulatorValue(0L, 0L, 9.0)) << "a Real bound to an edit control";
    EXPECT_EQ(value, 1.25);
    EXPECT_FALSE(Panel->ChangeManipulatorValue(5L, 0L, 9.0));
}

namespace {

class TFailingPhantom : public TTestPanel {
public:
    void PreparePhantom() override { throw std::runtime_error("preview"); }
    void EndPhantom() override { Calls.push_back("end"); }
};

} // namespace

TEST_F(TManipulatorTest, AFailingPhantomStepEndsTheRedrawQuietly)
{
    const auto document = NewDrawing();
    Panel.reset();
    TFailingPhantom panel;
    const int repaints = FrameOf(panel).Repaints();
    EXPECT_NO_THROW(panel.RedrawPhantom());
    EXPECT_EQ(panel.Calls, (std::vector<std::string>{"redraw"}));
    EXPECT_EQ(FrameOf(panel).Repaints(), repaints);
    TTestPanel plain;
    plain.RedrawPhantom();
    EXPECT_EQ(FrameOf(plain).Repaints(), repaints + 1);
}

TEST_F(TManipulatorTest, A2DPanelHasNoManipulators)
{
    Panel->Manipulators.Reset();
    TMtr3D M;
    double value = 0;
    EXPECT_FALSE(Panel->AddManipulator(true, M, nullptr));
    EXPECT_FALSE(Panel->AddManipulatorEdit(true, value, M));
    EXPECT_EQ(Panel->APropertyVariable.Count, 0);
}
