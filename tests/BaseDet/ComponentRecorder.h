#pragma once
// A recording modeller for the standard components: besides what TRecordingModeler journals
// it records the dimension shortcuts, the detail mark, the part texts and the part documents
// under their own names, and it reads back what a drawing routine drew: the placement depth,
// the segments and arcs outside the axis style, and whether they close up.

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "RecordingModeler.h"

class TComponentRecorder : public TRecordingModeler {
    using R = Real const&;
    using S = Str const&;
    template <class... A> void Put(const char* name, const A&... a) { Record(name, {recording::Arg(a)...}); }

public:
    void drDimHL(R V, R Dy, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimHL", V, Dy, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }
    void drDimVL(R V, R Dx, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimVL", V, Dx, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }
    void drDimVL2(R V, R Dx, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimVL2", V, Dx, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }
    void drDimVL1(R V, R Dx, R Pt, R X1, R Y1, R X2, R Y2, S S1, S S2, S S3) override
    {
        Put("drDimVL1", V, Dx, Pt, X1, Y1, X2, Y2, S1, S2, S3);
    }
    void drDimRpp(R Val, Integer Pt, R Xs, R Ys, R Xp, R Yp, Integer Ts, S S1, S S2, S S3) override
    {
        Put("drDimRpp", Val, Pt, Xs, Ys, Xp, Yp, Ts, S1, S2, S3);
    }
    void drDimApc(R Val, R FBase, R Rr, R sRr, S s, R xc, R yc) override
    {
        Put("drDimApc", Val, FBase, Rr, sRr, s, xc, yc);
    }
    void drCircleShelf(R xc, R yc, R rc, R xs, R ys, S ts) override
    {
        Put("drCircleShelf", xc, yc, rc, xs, ys, ts);
    }
    void drSet(S Name, S Marking, S Note, Integer TypeDet) override
    {
        Put("drSet", Name, Marking, Note, TypeDet);
    }
    void drSave3D(Boolean Close, Boolean NeedNameMarking) override
    {
        Put("drSave3D", Close, NeedNameMarking);
    }
    Boolean drCreate3DNewPartPlane(Integer D, Integer Sub, Boolean Inv, tvapi::tvObj3dTypeEnum Plane,
                                   R Vidst) override
    {
        return Put("drCreate3DNewPartPlane", D, Sub, Inv, Plane, Vidst), BooleanResult;
    }

    // Whether the last sketch opened; a test clears it to see a feature left out.
    Boolean EskisOpen = true;
    Boolean IsEskisOpen() const override { return EskisOpen; }

    // Depth of the modeller's own placement stack.
    Integer Depth() const { return R2->Transf2D.AMtr.Count; }

    // The calls named `name`, each as its argument texts.
    std::vector<std::vector<std::string>> ArgsOf(const std::string& name) const
    {
        std::vector<std::vector<std::string>> out;
        for (const TRecordedCall& c : Calls)
            if (c.Name == name) out.push_back(c.Args);
        return out;
    }
    std::size_t LinesInStyle(int style) const
    {
        std::size_t n = 0;
        for (const auto& a : ArgsOf("drLine"))
            n += std::stoi(a[4]) == style;
        return n;
    }

    // True when the segments and arcs drawn outside the axis style form closed loops: every
    // end point is met an even number of times. False when nothing was drawn.
    bool OutlineClosed() const
    {
        std::map<std::pair<long, long>, int> ends;
        const auto end = [&](const std::string& x, const std::string& y) {
            ++ends[{std::lround(std::stod(x) * 1e4), std::lround(std::stod(y) * 1e4)}];
        };
        for (const TRecordedCall& c : Calls) {
            if (c.Name == "drLine" && std::stoi(c.Args[4]) != 3) {
                end(c.Args[0], c.Args[1]);
                end(c.Args[2], c.Args[3]);
            } else if (c.Name == "drArc" && c.Args.size() == 9) {
                end(c.Args[3], c.Args[4]);
                end(c.Args[5], c.Args[6]);
            }
        }
        if (ends.empty()) return false;
        for (const auto& [p, n] : ends)
            if (n % 2 != 0) return false;
        return true;
    }
};
