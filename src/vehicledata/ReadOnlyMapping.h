#pragma once
#include <cstdint>
#include <cstdio>

// The first bytes of an open file mapped read-only into memory, so that a reader that jumps about
// the file (a bisection, then a record) copies from memory instead of asking the system for each
// piece. The one place where the vehicle-data readers meet the system's mapping calls; its users
// stay free of them.
//
// The mapping covers exactly the size the caller measured when it opened the file. A file that is
// mapped cannot be cut shorter on Windows; elsewhere a file cut shorter under a mapping faults on
// access, which is why only readers of files that nothing writes while they are open map them.
class CReadOnlyMapping {
public:
    CReadOnlyMapping() = default;
    ~CReadOnlyMapping() { Unmap(); }
    CReadOnlyMapping(const CReadOnlyMapping&) = delete;
    CReadOnlyMapping& operator=(const CReadOnlyMapping&) = delete;

    // Maps `size` bytes of the file from its start, unmapping what was mapped first. False, with
    // nothing mapped, for an empty size, a size beyond the address space, a file now shorter than
    // `size`, or when the system refuses.
    bool Map(FILE* file, uint64_t size);
    void Unmap();

    bool IsMapped() const { return m_data != nullptr; }
    const uint8_t* GetData() const { return m_data; }
    uint64_t GetSize() const { return m_size; }

private:
    const uint8_t* m_data = nullptr;
    uint64_t m_size = 0;
};
