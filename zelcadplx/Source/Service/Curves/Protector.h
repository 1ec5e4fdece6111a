#pragma once
// TProtector: keep-out zones and the placement of circles clear of them. It answers whether a
// contour or a circle touches a zone, and searches grid placements of four equal circles: the
// corners of a rectangle around a given one (PlaceByRectAngle, tested on worker threads) or two
// pairs symmetric about the Y axis (PlaceBySymmetryY).

#include "Arc.h"
#include "Contour.h"
#include "TArray.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>

class TGImage;

// One keep-out zone; the protector owns Cont.
struct TProtectContour {
    Integer Id = 0;
    Integer Typ = 0;
    TContour* Cont = nullptr;
};

class TProtector : public TArrayOf<TProtectContour> {
public:
    static constexpr Integer rectWorkers = 4;
    // Worker threads of PlaceByRectAngle; the answers do not depend on it.
    Integer Workers = rectWorkers;

    TProtector() = default;
    TProtector(const TProtector&) = delete;
    TProtector& operator=(const TProtector&) = delete;
    ~TProtector() override { Clear(); }

    // Takes over Cont and fills its caches; one without items is deleted, not kept.
    void AddProtectContour(TContour* Cont);
    // Finishes the last zone and starts a new empty one for the caller to fill.
    TContour* BeginProtectContour();
    void EndProtectContour();
    // Deletes every zone's contour; no zones remain.
    void Clear();
    // Neither touches nor overlaps any zone (true without zones).
    Boolean Admissible(const TContour& C) const;
    Boolean Admissible(const double& X, const double& Y, const double& R) const;
    void Draw(TGImage& GI) const;
    // The box of every zone's contour; zeros without zones.
    void GabaritProtect(TRect2D& G) const;
    // Four circles of Radius at the corners of a grid rectangle (step Step) enclosing PA
    // inside iO: the one whose box with iO shrunk by Radius is smallest, the larger rectangle on
    // ties. Without Opt an empty search widens its box up to 50 times. False (outputs untouched)
    // when none is found or Step < 1.
    Boolean PlaceByRectAngle(const TRect2D& iO, const double& Radius, const TRect2D& PA, double& Xl,
                             double& Yd, double& Xr, double& Yu, int Step, bool Opt) const;
    // An upper pair (Xu, Yu), (-Xu, Yu) and a lower pair (Xd, Yd), (-Xd, Yd) of circles inside the
    // outer box and outside the start box; false (outputs untouched) when either pair has no place.
    Boolean PlaceBySymmetryY(double oXl, double oYd, double oXr, double oYu, double Radius, double sXl,
                             double sYd, double sXr, double sYu, double& Xu, double& Yu, double& Xd,
                             double& Yd, int Step, bool Opt) const;

private:
    void Finish(Integer i) const;
};

// Corners x1 < x2, y1 < y2 of one rectangle candidate.
struct TRectCandidate {
    Real x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

// One batch of candidates shared by the workers of a search. Candidates cost very different
// times (a corner near a zone costs a full test), so each worker claims the next chunk as it
// becomes free, and writes each answer in place.
struct TRectBatch {
    // Candidates claimed at once: their answers fill one cache line of an aligned array.
    static constexpr size_t chunk = 64;
    const TRectCandidate* Candidates = nullptr;
    size_t Count = 0;
    Real Radius = 0.0;
    char* Answers = nullptr; // per candidate: all four corners admissible
    // The first candidate no worker has claimed. On a cache line of its own: each claim
    // writes it, and the fields above are read by every worker.
    alignas(64) std::atomic<size_t> Next{0};
};

// What a worker thread shares with the searching thread; every field below Protector is
// touched under mtx only, except the batch, which the workers share while it is posted.
struct alignas(64) TFThreadAdmissibleParam { // a cache line of its own: the worker writes C
    const TProtector& Protector;             // the zones this worker tests against, its own
    TCircle C;                               // the circle under test, the worker's own
    std::mutex mtx;
    std::condition_variable cv;
    Boolean dataReady = false; // a batch is posted and not yet answered
    Boolean Result = false;    // the posted batch has been answered
    Boolean Stop = false;
    TRectBatch* Batch = nullptr;

    explicit TFThreadAdmissibleParam(const TProtector& P) : Protector(P) {}
    TFThreadAdmissibleParam(const TFThreadAdmissibleParam&) = delete;
    TFThreadAdmissibleParam& operator=(const TFThreadAdmissibleParam&) = delete;
    ~TFThreadAdmissibleParam() = default;
    // Searching thread: post the batch set in the fields above.
    void NotifyInput();
    // Worker: the answers are in.
    void NotifyResult();
    // Searching thread: wait for the answers.
    void WaitResult();
};

// The body of a worker: answers posted batches until Stop.
void TFThreadAdmissible(TFThreadAdmissibleParam& Param);
