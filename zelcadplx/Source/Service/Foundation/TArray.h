#pragma once
// TArrayOf: the one growable array of the library (count, allocated size, fixed growth step,
// cursor, own mutex), its owning pointer form TArrayOfP, the text and real lists TAStr and
// TAReal, the two-value record TPair and the owning-or-borrowing pointer TReferenceOf.
//
// Threads: only these members may run at the same time on one array, each taking mtx for its
// whole work: Add(item), RU_WD(item), RU_WD_I(i, item), Insert(i, item), Delete(i),
// SetSize(n, reset), ReserveSize(n) and RU_WD_ReserveSize(n). Every other member (Item,
// operator[], Add() with its returned reference, begin/end, Count, Sort, copies, the stream
// form, TArrayOfP's members) reads or writes without the lock and must not overlap a writer:
// growth moves the storage, so an element reference does not survive another thread's append.

#include "BaseTypes.h"
#include "DString.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <utility>

class TKmfData;

template <class TElement> class TArrayOf {
public:
    using TArrayOfTElement = TArrayOf<TElement>;
    using T = TElement;
    using Iterator = TElement*;

    static constexpr Integer DefaultSize = 128;
    static constexpr Integer ListStep = 64; // size and step of an array built from a list

    // Open fields: the users of the array read and trim Count and walk FArray directly.
    Integer Count = 0;     // elements in use, 0..FSize
    Integer FSize = 0;     // elements allocated
    Integer FCapacity = 0; // growth step: a full array grows by at least this many
    Integer Current = 0;   // cursor kept for the users; copied and streamed with the array
    Integer N = 0;         // auxiliary counter
    TElement* FArray = nullptr;
    std::mutex mtx; // held while the storage is replaced and while an element is appended

    TArrayOf() : TArrayOf(DefaultSize, DefaultSize) {}

    TArrayOf(const Integer size, const Integer capacity) : FSize(std::max(size, 0)), FCapacity(capacity)
    {
        if (FSize > 0) FArray = new TElement[FSize]();
    }

    TArrayOf(std::initializer_list<TElement> items) : TArrayOf(ListStep, ListStep)
    {
        for (const TElement& item : items)
            Add(item);
    }

    TArrayOf(const TArrayOfTElement& other) : FSize(other.Count), FCapacity(other.FCapacity)
    {
        if (FSize > 0) FArray = new TElement[FSize]();
        for (Integer i = 0; i < other.Count; ++i)
            FArray[i] = other.FArray[i];
        Count = other.Count;
        Current = other.Current;
        N = other.N;
    }

    TArrayOfTElement& operator=(const TArrayOfTElement& other)
    {
        if (&other == this) return *this;
        Count = 0;
        SetSize(other.Count, false);
        for (Integer i = 0; i < other.Count; ++i)
            FArray[i] = other.FArray[i];
        Count = other.Count;
        Current = other.Current;
        N = other.N;
        return *this;
    }

    virtual ~TArrayOf() { TArrayOf::FreeMemory(); }

    // Destroys and frees owned storage (borrowed storage is only forgotten); Count is kept.
    virtual void FreeMemory()
    {
        std::lock_guard<std::mutex> lock(mtx);
        if (FArray != nullptr && FOwnsArray) delete[] FArray;
        FArray = nullptr;
        FSize = 0;
        FOwnsArray = true;
    }

    // Makes room for n elements: the size becomes max(n, FSize + FCapacity); never shrinks.
    // reset empties the array first without freeing. A negative n is ignored.
    void SetSize(Integer n, const Boolean reset = false)
    {
        std::lock_guard<std::mutex> lock(mtx);
        if (reset) Count = 0;
        GrowLocked(n);
    }

    void Add(const TElement& item)
    {
        std::lock_guard<std::mutex> lock(mtx);
        if (Count >= FSize) {
            TElement keep;
            keep = item; // item may live in the storage that growth frees
            GrowLocked(Count + 1);
            FArray[Count++] = std::move(keep);
            return;
        }
        FArray[Count++] = item;
    }

    // Counts the next slot and returns it as it is: a default element in fresh storage,
    // the old value in a reused one.
    TElement& Add()
    {
        std::lock_guard<std::mutex> lock(mtx);
        if (Count >= FSize) GrowLocked(Count + 1);
        return FArray[Count++];
    }

    // Negative i: nothing; i at or past Count: appended; else later elements move up one.
    void Insert(const Integer i, const TElement& item)
    {
        if (i < 0) return;
        std::lock_guard<std::mutex> lock(mtx);
        TElement keep;
        keep = item; // item may be an element that moves
        if (Count >= FSize) GrowLocked(Count + 1);
        const Integer at = std::min(i, Count);
        for (Integer j = Count; j > at; --j)
            FArray[j] = std::move(FArray[j - 1]);
        FArray[at] = std::move(keep);
        ++Count;
    }

    TElement& Insert(const Integer i)
    {
        Insert(std::max(i, 0), TElement());
        return FArray[std::clamp(i, 0, Count - 1)];
    }

    // Removes element i (0 <= i < Count); the later ones move down, the vacated last slot
    // keeps its old value until reused or freed.
    void Delete(const Integer i)
    {
        std::lock_guard<std::mutex> lock(mtx);
        if (i < 0 || i >= Count) return;
        for (Integer j = i; j + 1 < Count; ++j)
            FArray[j] = FArray[j + 1];
        --Count;
    }

    // Element i; an index at or past FSize first grows the storage so that it exists. Not for
    // use while another thread writes (see the top of this file).
    TElement& Item(const Integer i)
    {
        if (i >= FSize) SetSize(i + 1, false);
        return FArray[i];
    }
    const TElement& Item(const Integer i) const { return FArray[i]; }
    TElement& operator[](const Integer i) { return Item(i); }
    const TElement& operator[](const Integer i) const { return FArray[i]; }

    // Adopts storage of `size` elements allocated with new[]; step 0 marks it borrowed (never
    // freed by the array). Count becomes 0.
    void Set(TElement* storage, const Integer size, const Integer step)
    {
        FreeMemory();
        std::lock_guard<std::mutex> lock(mtx);
        FArray = storage;
        FSize = storage != nullptr ? std::max(size, 0) : 0;
        FCapacity = step;
        FOwnsArray = step != 0;
        Count = 0;
    }

    // Hands the storage to the caller (who frees it with delete[]); the array is left empty.
    TElement* Detach()
    {
        std::lock_guard<std::mutex> lock(mtx);
        TElement* storage = FArray;
        FArray = nullptr;
        FSize = 0;
        Count = 0;
        FOwnsArray = true;
        return storage;
    }

    Iterator begin() { return FArray; }
    Iterator end() { return FArray + Count; }
    const TElement* begin() const { return FArray; }
    const TElement* end() const { return FArray + Count; }
    Iterator last() { return Count > 0 ? FArray + Count - 1 : FArray; }

    void SetCapacity(const Integer step) { FCapacity = std::max(step, 0); }
    Integer Capacity() const { return FCapacity; }
    Integer Size() const { return FSize; } // allocated elements; Count is the number in use

    // Shrinks owned storage to Count elements (at least one).
    void Compress()
    {
        std::lock_guard<std::mutex> lock(mtx);
        const Integer keep = std::max(Count, 1);
        if (FArray == nullptr || keep >= FSize) return;
        auto* fresh = new TElement[keep]();
        for (Integer i = 0; i < Count; ++i)
            fresh[i] = std::move(FArray[i]);
        if (FOwnsArray) delete[] FArray;
        FArray = fresh;
        FSize = keep;
        FOwnsArray = true;
    }

    // As SetSize(n, false): the size is compared under the lock, so appends may run meanwhile.
    void ReserveSize(const Integer n) { SetSize(n, false); }

    bool Empty() const { return Count == 0; }
    // Empties the array; the storage and the values in it stay for reuse.
    void Clear() { Count = 0; }
    // Puts n elements in use (a negative n counts as 0), growing the storage as SetSize does
    // and keeping the elements in it. Slots brought back into use hold what they held: a
    // default element in fresh storage, the old value in a reused one.
    void Resize(const Integer n)
    {
        std::lock_guard<std::mutex> lock(mtx);
        const Integer count = std::max(n, 0);
        if (count > FSize) GrowLocked(count);
        Count = count;
    }
    Integer MaxIndex() const { return Count - 1; }
    bool ValidIndex(const Integer i) const { return i >= 0 && i < Count; }
    bool IsCurrent() const { return ValidIndex(Current); }
    // Brings the cursor into 0..Count-1 (0 for an empty array).
    void ValidateCurrent() { Current = Count > 0 ? std::clamp(Current, 0, Count - 1) : 0; }

    // The last element; the first when the array is empty.
    TElement& Last() { return Item(Count > 0 ? Count - 1 : 0); }
    // The element before the last; the first when there are fewer than two.
    TElement& Last2() { return Item(Count > 1 ? Count - 2 : 0); }
    TElement& Back() { return Last(); }

    bool operator==(const TArrayOfTElement& other) const
    {
        if (Count != other.Count) return false;
        for (Integer i = 0; i < Count; ++i)
            if (!(FArray[i] == other.FArray[i])) return false;
        return true;
    }

    // Assigns value to the elements from..to (inclusive), growing the storage as needed;
    // Count grows to cover them.
    void Init(const TElement& value, const Integer from, const Integer to)
    {
        if (to < 0 || to < from) return;
        ReserveSize(to + 1);
        for (Integer i = std::max(from, 0); i <= to; ++i)
            FArray[i] = value;
        Count = std::max(Count, to + 1);
    }

    // Index of the first element equal to value, -1 when none.
    Integer IndexOf(const TElement& value) const
    {
        for (Integer i = 0; i < Count; ++i)
            if (FArray[i] == value) return i;
        return -1;
    }
    bool Exist(const TElement& value) const { return IndexOf(value) >= 0; }
    Integer GetCountOf(const TElement& value) const
    {
        Integer n = 0;
        for (Integer i = 0; i < Count; ++i)
            if (FArray[i] == value) ++n;
        return n;
    }
    // Removes the first element equal to value; false when there is none.
    bool Remove(const TElement& value)
    {
        const Integer i = IndexOf(value);
        if (i < 0) return false;
        Delete(i);
        return true;
    }

    // Stack use: Push appends, Pop takes the last element off and returns it (the slot keeps
    // its value). Pop of an empty array returns the first slot and changes nothing.
    void Push(const TElement& item) { Add(item); }
    TElement& Pop()
    {
        if (Count > 0) --Count;
        return Item(Count);
    }

    TElement* Array() { return FArray; }
    const TElement* Array() const { return FArray; }

    // The forms for arrays filled from several threads (see the top of this file).
    void RU_WD_ReserveSize(const Integer n) { ReserveSize(n); }
    // Stores item at index i under the lock, growing the storage; Count covers i afterwards.
    void RU_WD_I(const Integer i, const TElement& item)
    {
        if (i < 0) return;
        std::lock_guard<std::mutex> lock(mtx);
        TElement keep;
        keep = item; // item may be an element that moves
        if (i >= FSize) GrowLocked(i + 1);
        FArray[i] = std::move(keep);
        Count = std::max(Count, i + 1);
    }
    void RU_WD(const TElement& item) { Add(item); }

    // Lomuto partition of lo..hi around the element at hi; returns the pivot's final index.
    Integer Partition(const Integer lo, const Integer hi)
    {
        Integer i = lo;
        for (Integer j = lo; j < hi; ++j)
            if (FArray[j] < FArray[hi]) std::swap(FArray[i++], FArray[j]);
        std::swap(FArray[i], FArray[hi]);
        return i;
    }

    // Sorts lo..hi (inclusive) ascending by operator<. The pivot is the median of the ends and
    // the middle, so sorted input stays n log n; recursion takes the smaller side only, so the
    // stack depth stays below log2(n).
    void QuickSort(Integer lo, Integer hi)
    {
        lo = std::max(lo, 0);
        hi = std::min(hi, FSize - 1);
        while (lo < hi) {
            MedianToEnd(lo, hi);
            const Integer p = Partition(lo, hi);
            if (p - lo < hi - p) {
                QuickSort(lo, p - 1);
                lo = p + 1;
            } else {
                QuickSort(p + 1, hi);
                hi = p - 1;
            }
        }
    }
    void Sort() { QuickSort(0, Count - 1); }

    // ---- Stream form (bodies in TArrayStream.h) --------------------------------------
    // A record of FSize, FCapacity, Count and Current, then the elements in their own forms.
    // Reading replaces the content; a damaged or cut record leaves the array empty.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
    // The same record with 4-byte elements written raw.
    void toStream2(TKmfData& stream) const;
    void fromStream2(TKmfData& stream);

private:
    void WriteRecord(TKmfData& stream) const;
    Integer ReadRecord(TKmfData& stream, std::int64_t minBytes);
    // ---- end of stream form -------------------------------------------------------------
public:
protected:
    bool FOwnsArray = true; // false for storage lent through Set(storage, size, 0)

private:
    // Replaces the storage by max(n, FSize + FCapacity) elements keeping the first Count;
    // the caller holds mtx.
    void GrowLocked(const Integer n)
    {
        if (FArray != nullptr && n <= FSize) return;
        const Integer newSize = std::max({n, FSize + FCapacity, 0});
        auto* fresh = new TElement[newSize]();
        const Integer keep = FArray != nullptr ? std::min(Count, FSize) : 0;
        for (Integer i = 0; i < keep; ++i)
            fresh[i] = std::move(FArray[i]);
        if (FArray != nullptr && FOwnsArray) delete[] FArray;
        FArray = fresh;
        FSize = newSize;
        FOwnsArray = true;
    }

    void MedianToEnd(const Integer lo, const Integer hi)
    {
        const Integer mid = lo + (hi - lo) / 2;
        if (FArray[mid] < FArray[lo]) std::swap(FArray[mid], FArray[lo]);
        if (FArray[hi] < FArray[lo]) std::swap(FArray[hi], FArray[lo]);
        if (FArray[mid] < FArray[hi]) std::swap(FArray[mid], FArray[hi]);
    }
};

// An array of pointers that owns the objects its first Count slots point to.
template <class TElement> class TArrayOfP : public TArrayOf<TElement*> {
    using Base = TArrayOf<TElement*>;

public:
    TArrayOfP() : Base() {}
    TArrayOfP(const Integer size, const Integer capacity) : Base(size, capacity) {}
    TArrayOfP(const TArrayOfP&) = delete; // two owners of one object
    TArrayOfP& operator=(const TArrayOfP&) = delete;

    ~TArrayOfP() override { Clear(); }

    using Base::Add;
    // Appends object and takes it over; should the append fail, object is still deleted.
    void Add(std::unique_ptr<TElement> object)
    {
        Base::Add(object.get());
        object.release(); // now owned by the slot
    }

    // Deletes the owned objects and empties the array; the storage stays.
    void Clear()
    {
        for (Integer i = 0; i < this->Count; ++i)
            ReleaseItem(i);
        Base::Clear();
    }

    // Takes object i out of the array without deleting it; the caller owns it.
    TElement* Detach(const Integer i)
    {
        if (!this->ValidIndex(i)) return nullptr;
        TElement* object = this->FArray[i];
        Base::Delete(i);
        this->FArray[this->Count] = nullptr; // the vacated slot must not keep an owned pointer
        return object;
    }

    // Deletes object i and nulls its slot; Count is unchanged.
    void ReleaseItem(const Integer i)
    {
        if (!this->ValidIndex(i) || this->FArray[i] == nullptr) return;
        delete this->FArray[i];
        this->FArray[i] = nullptr;
    }

    // Deletes object i and removes its slot.
    void Delete(const Integer i)
    {
        if (!this->ValidIndex(i)) return;
        delete Detach(i);
    }

    // Index of the smallest / largest object by its operator<, -1 when there is none.
    Integer MinElem() const
    {
        return Extreme([](const TElement& a, const TElement& b) { return a < b; });
    }
    Integer MaxVElem() const
    {
        return Extreme([](const TElement& a, const TElement& b) { return b < a; });
    }

private:
    template <class Before> Integer Extreme(Before before) const
    {
        Integer best = -1;
        for (Integer i = 0; i < this->Count; ++i) {
            const TElement* e = this->FArray[i];
            if (e != nullptr && (best < 0 || before(*e, *this->FArray[best]))) best = i;
        }
        return best;
    }
};

// The list of texts.
class TAStr : public TArrayOf<TString> {
public:
    // size elements preallocated; the step equals the size (64 for an empty size).
    explicit TAStr(const Integer size = ListStep) : TArrayOf<TString>(size, size > 0 ? size : ListStep) {}
    TAStr(std::initializer_list<TString> items) : TArrayOf<TString>(items) {}
    TAStr(const Integer size, std::initializer_list<TString> items) : TAStr(size)
    {
        for (const TString& item : items)
            Add(item);
    }
    TAStr(const TAStr& other) : TArrayOf<TString>(other) {}
    TAStr& operator=(const TAStr& other) = default;
    ~TAStr() override = default;
};

using TAReal = TArrayOf<double>;

// Two values kept together in arrays.
template <class A, class B> class TPair {
public:
    A V1{};
    B V2{};

    TPair() = default;
    TPair(const A& v1, const B& v2) : V1(v1), V2(v2) {}
    TPair(const TPair&) = default;
    TPair& operator=(const TPair&) = default;
    virtual ~TPair() = default;
};

// A pointer that knows whether it owns its object. Copies borrow: only the reference that
// was given ownership ever deletes the object.
template <class T> class TReferenceOf {
public:
    Boolean Owner = false;
    T* Ptr = nullptr;

    explicit TReferenceOf(T* p = nullptr, const Boolean owner = false) : Owner(p != nullptr && owner), Ptr(p)
    {
    }
    TReferenceOf(T& object) : Ptr(&object) {}
    TReferenceOf(const TReferenceOf& other) : Ptr(other.Ptr) {}
    TReferenceOf& operator=(const TReferenceOf& other)
    {
        Assign(other);
        return *this;
    }
    virtual ~TReferenceOf() { Free(); }

    void Assign(T& object)
    {
        if (&object == Ptr) return;
        Free();
        Ptr = &object;
    }
    void Assign(const TReferenceOf& other)
    {
        if (&other == this || other.Ptr == Ptr) return;
        Free();
        Ptr = other.Ptr;
    }
    void Free()
    {
        if (Owner) delete Ptr;
        Ptr = nullptr;
        Owner = false;
    }

    bool Exist() const { return Ptr != nullptr; }
    explicit operator bool() const { return Exist(); }
    T& operator()() const { return *Ptr; }
    operator T&() const { return *Ptr; }
    operator T*() const { return Ptr; }
    T* operator->() const { return Ptr; }
};

#include "TArrayStream.h" // the stream form of TArrayOf
