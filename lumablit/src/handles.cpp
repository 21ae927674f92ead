// Handles: slot index in the low 20 bits (plus one), a reuse generation above it, so a
// released handle stays dead until its slot has been reused 2047 more times.
#include <deque>

#include "internal.h"

namespace lb {
namespace {

constexpr int kIndexBits = 20;
constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
constexpr uint32_t kGenerations = 1u << (31 - kIndexBits);  // keeps handles positive

struct Slot {
    Kind kind = Kind::Free;
    uint32_t generation = 1;
    std::unique_ptr<Object> object;
};

struct Table {
    std::vector<Slot> slots;
    std::deque<uint32_t> freeSlots;  // oldest first, so reuse is spread out
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

int32_t NewHandle(Kind kind, std::unique_ptr<Object> object) {
    Table& t = TheTable();
    uint32_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.front();
        t.freeSlots.pop_front();
    } else {
        if (t.slots.size() >= kIndexMask) return 0;
        index = uint32_t(t.slots.size());
        t.slots.emplace_back();
    }
    Slot& s = t.slots[index];
    s.kind = kind;
    s.object = std::move(object);
    return int32_t(s.generation << kIndexBits | (index + 1));
}

Object* LookupHandle(int32_t handle, Kind kind) {
    if (handle <= 0) return nullptr;
    const uint32_t h = uint32_t(handle);
    const uint32_t index = (h & kIndexMask) - 1;
    Table& t = TheTable();
    if ((h & kIndexMask) == 0 || index >= t.slots.size()) return nullptr;
    Slot& s = t.slots[index];
    if (s.kind != kind || s.generation != (h >> kIndexBits)) return nullptr;
    return s.object.get();
}

void FreeHandle(int32_t handle) {
    if (handle <= 0) return;
    const uint32_t h = uint32_t(handle);
    const uint32_t index = (h & kIndexMask) - 1;
    Table& t = TheTable();
    if ((h & kIndexMask) == 0 || index >= t.slots.size()) return;
    Slot& s = t.slots[index];
    if (s.kind == Kind::Free || s.generation != (h >> kIndexBits)) return;
    std::unique_ptr<Object> dead = std::move(s.object);
    s.kind = Kind::Free;
    s.generation = s.generation + 1 >= kGenerations ? 1 : s.generation + 1;
    t.freeSlots.push_back(index);
}

}  // namespace lb
