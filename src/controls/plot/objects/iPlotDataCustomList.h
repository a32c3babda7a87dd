#pragma once
// TiPlotDataCustomList: the point store of one channel. Points are fixed-size records in one
// block that grows by steps, or a ring buffer of fixed capacity that overwrites its oldest
// point. Callers use logical indexes (0 the oldest point held); the store maps them to slots.
// The store also carries the channel's drawing defaults ("stored" attributes), which answer
// every per-point attribute a concrete store does not keep. A plain value object: no events,
// no knowledge of its channel.

#include "controls/plot/base/iPlotError.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <limits>
#include <memory>

enum TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
enum TiPlotMarkerStyle {
    ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown, ipmsTriangleLeft,
    ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
enum TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };
enum TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };

/// The twenty drawing attributes of a point, in record order: X(Name, Type).
#define QX_PLOT_POINT_ATTRIBUTES(X)                                                                                  \
    X(TraceLineColor, TColor)                                                                                        \
    X(TraceLineWidth, int)                                                                                           \
    X(TraceLineStyle, TiPlotLineStyle)                                                                               \
    X(MarkerVisible, bool)                                                                                           \
    X(MarkerSize, int)                                                                                               \
    X(MarkerStyle, TiPlotMarkerStyle)                                                                                \
    X(MarkerPenColor, TColor)                                                                                        \
    X(MarkerPenWidth, int)                                                                                           \
    X(MarkerPenStyle, TPenStyle)                                                                                     \
    X(MarkerBrushColor, TColor)                                                                                      \
    X(MarkerBrushStyle, TBrushStyle)                                                                                 \
    X(MarkerCharacter, char16_t)                                                                                     \
    X(BarVisible, bool)                                                                                              \
    X(BarReference, double)                                                                                          \
    X(BarWidth, double)                                                                                              \
    X(BarPenColor, TColor)                                                                                           \
    X(BarPenWidth, int)                                                                                              \
    X(BarPenStyle, TPenStyle)                                                                                        \
    X(BarBrushColor, TColor)                                                                                         \
    X(BarBrushStyle, TBrushStyle)

/// The drawing attributes of one point (or a channel's defaults for all points).
struct TiPlotPointAttributes
{
#define QX_PLOT_ATTRIBUTE_FIELD(Name, Type) Type Name{};
    QX_PLOT_POINT_ATTRIBUTES(QX_PLOT_ATTRIBUTE_FIELD)
#undef QX_PLOT_ATTRIBUTE_FIELD
};

/// A double narrowed to single precision; beyond the single range it becomes an infinity
/// of its sign (the plain narrowing is not defined there).
inline float ToSingle(double Value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (Value > kLargest)
        return std::numeric_limits<float>::infinity();
    if (Value < -kLargest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(Value);
}

/// The messages the stores raise.
namespace iPlotDataText {
inline constexpr const char* IndexOutOfBounds = "Index out of Bounds";
inline constexpr const char* ExceedMaximumListSize = "Exceed Maximum List Size";
inline constexpr const char* DeleteSizeOutOfRange = "Delete size out of Range";
} // namespace iPlotDataText

class TiPlotDataCustomList
{
public:
    virtual ~TiPlotDataCustomList() = default;
    TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
    TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    int DataPointSize() const { return FDataPointSize; }
    int MaxDataPoints() const { return FMaxDataPoints; }
    long long MemoryUsed() const { return static_cast<long long>(FDataPointSize) * FCapacity; }
    /// The capacity while the ring buffer is on, else 0.
    int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    /// 0 switches the ring buffer off; a size keeps the newest points that fit. A negative
    /// size raises "Exceed Maximum List Size" and changes nothing.
    void SetRingBufferSize(int Value);

#define QX_PLOT_STORED_ACCESSORS(Name, Type)                                                                         \
    Type Stored##Name() const { return FStored.Name; }                                                               \
    void SetStored##Name(Type Value) { FStored.Name = Value; }
    QX_PLOT_POINT_ATTRIBUTES(QX_PLOT_STORED_ACCESSORS)
#undef QX_PLOT_STORED_ACCESSORS
    const TiPlotPointAttributes& StoredAttributes() const { return FStored; }

    virtual double GetX(int Index) const = 0;
    virtual double GetY(int Index) const = 0;
    virtual bool GetEmpty(int) const { return false; }
    virtual bool GetNull(int) const { return false; }
    virtual double GetHigh(int) const { return 0; }
    virtual double GetLow(int) const { return 0; }
    virtual double GetOpen(int) const { return 0; }
    virtual double GetClose(int) const { return 0; }
    virtual void SetX(int Index, double Value) = 0;
    virtual void SetY(int Index, double Value) = 0;
    virtual void SetEmpty(int, bool) {}
    virtual void SetNull(int, bool) {}
    virtual void SetHigh(int, double) {}
    virtual void SetLow(int, double) {}
    virtual void SetOpen(int, double) {}
    virtual void SetClose(int, double) {}

    // Per-point attributes: the stored default unless the store keeps its own.
#define QX_PLOT_POINT_ACCESSORS(Name, Type)                                                                          \
    virtual Type Get##Name(int) const { return FStored.Name; }                                                       \
    virtual void Set##Name(int, Type) {}
    QX_PLOT_POINT_ATTRIBUTES(QX_PLOT_POINT_ACCESSORS)
#undef QX_PLOT_POINT_ACCESSORS

    /// Appends a point and returns its logical index (Count - 1). A ring buffer of capacity 0
    /// stores nothing and returns -1.
    virtual int Add(double X, double Y, bool Null, bool Empty) = 0;
    /// Count 0; a plain store also releases its block, a ring buffer keeps it.
    virtual void Clear();
    /// A capacity below 0 or above MaxDataPoints raises "Exceed Maximum List Size".
    virtual void SetCapacity(int NewCapacity) = 0;
    /// Removes the Size oldest points.
    virtual void DeletePoints(int Size) = 0;
    virtual void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const = 0;

protected:
    explicit TiPlotDataCustomList(int RecordSize);

    /// The slot of a logical index; raises "Index out of Bounds" outside 0..Count - 1.
    int MapIndex(int Index) const;
    /// The capacity a full plain store grows to.
    int GrownCapacity() const;
    bool Wrapped() const { return FTail != 0; }

    int FCount = 0;
    int FCapacity = 0;
    int FTail = 0;
    bool FRingBufferEnabled = false;
    int FDataPointSize;
    int FMaxDataPoints;
    TiPlotPointAttributes FStored;
};

/// The shared record handling of the concrete stores: one block of Record, grown, cut and
/// turned into a ring buffer by the common rules.
template <class Record>
class TiPlotDataRecordList : public TiPlotDataCustomList
{
public:
    void SetCapacity(int NewCapacity) override
    {
        if (NewCapacity < 0 || NewCapacity > FMaxDataPoints)
            throw EiPlotError(iPlotDataText::ExceedMaximumListSize);
        if (NewCapacity == FCapacity)
            return;
        if (Wrapped())
            Clear();
        // Records are plain bytes: the block is resized in place where the allocator can,
        // and left as it was when the allocation fails.
        if (NewCapacity == 0) {
            FList.reset();
        } else {
            void* block = std::realloc(FList.get(), static_cast<std::size_t>(NewCapacity) * sizeof(Record));
            if (!block)
                throw std::bad_alloc();
            FList.release();
            FList.reset(static_cast<Record*>(block));
        }
        FCapacity = NewCapacity;
        FCount = std::min(FCount, NewCapacity);
    }

protected:
    using TiPlotDataCustomList::TiPlotDataCustomList;

    Record& At(int Index) { return FList.get()[MapIndex(Index)]; }
    const Record& At(int Index) const { return FList.get()[MapIndex(Index)]; }
    /// Whether the next Append overwrites the oldest point of a full ring buffer.
    bool NextAppendWraps() const { return FRingBufferEnabled && FCapacity > 0 && FCount == FCapacity; }

    /// Writes one record by the growth or ring rules; the new point's logical index, or -1
    /// for a ring buffer of capacity 0 (nothing is written).
    int Append(const Record& Value)
    {
        if (!FRingBufferEnabled) {
            if (FCount == FCapacity)
                SetCapacity(GrownCapacity());
            FList.get()[FCount] = Value;
            return FCount++;
        }
        if (FCapacity == 0)
            return -1;
        if (FCount < FCapacity) {
            FList.get()[FCount] = Value;
            return FCount++;
        }
        if (++FTail == FCount)
            FTail = 0;
        FList.get()[FTail == 0 ? FCount - 1 : FTail - 1] = Value;
        return FCount - 1;
    }

    /// Removes the Size oldest points, the rest moved to the front in order (a wrapped ring
    /// is left unwrapped). Size below 0, above Count, or equal to Count unless AllowAll,
    /// raises Message.
    void DeleteOldest(int Size, bool AllowAll, const char* Message)
    {
        if (Size < 0 || Size > FCount || (Size == FCount && !AllowAll))
            throw EiPlotError(Message);
        Record* list = FList.get();
        if (Wrapped()) {
            std::rotate(list, list + FTail, list + FCount);
            FTail = 0;
        }
        FCount -= Size;
        if (FCount > 0 && Size > 0)
            std::copy(list + Size, list + Size + FCount, list);
    }

private:
    static_assert(std::is_trivially_copyable_v<Record>);
    struct FreeBlock
    {
        void operator()(Record* Block) const { std::free(Block); }
    };
    std::unique_ptr<Record, FreeBlock> FList;
};
