// The transport object's binary layout as the program calls it: a table of plain functions in the
// documented slot order, taking the object as their first (on i686: ECX) argument. A library built
// with another compiler lays its object out that way, so the program's class must call into it.
#include <gtest/gtest.h>

#include <cstdint>

#include "LinkLibrary.h"

namespace {

struct RAW_OBJECT {
    const void* const* table;  // first word: the table of operations
    int slotCalled = 0;
    int32_t argument = 0;
    const void* bytes = nullptr;
};

// g++ warns that thiscall is meant for member functions, but applies it to these plain functions
// all the same (the object in ECX, arguments cleaned by the callee), which is what this test needs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
void LINK_MEMBER_CALL RawUnused(RAW_OBJECT* self)
{
    self->slotCalled = 1;
}
int32_t LINK_MEMBER_CALL RawOpen(RAW_OBJECT* self, int32_t flag)
{
    self->slotCalled = 2;
    self->argument = flag;
    return 0x1234;
}
int32_t LINK_MEMBER_CALL RawWrite(RAW_OBJECT* self, const uint8_t* bytes, int32_t count)
{
    self->slotCalled = 3;
    self->bytes = bytes;
    self->argument = count;
    return count;
}
int32_t LINK_MEMBER_CALL RawRead(RAW_OBJECT* self, uint8_t* buffer, int32_t count)
{
    self->slotCalled = 4;
    self->bytes = buffer;
    self->argument = count;
    buffer[0] = 0x77;
    return 1;
}
int32_t LINK_MEMBER_CALL RawClose(RAW_OBJECT* self)
{
    self->slotCalled = 5;
    return 0;
}
int32_t LINK_MEMBER_CALL RawReset(RAW_OBJECT* self)
{
    self->slotCalled = 6;
    return -7;
}
#pragma GCC diagnostic pop

template <typename Function>
const void* Slot(Function function)
{
    return reinterpret_cast<const void*>(function);
}

const void* const kTable[] = {Slot(&RawUnused), Slot(&RawOpen),  Slot(&RawWrite),
                              Slot(&RawRead),   Slot(&RawClose), Slot(&RawReset)};

class LinkLayoutTest : public ::testing::Test {
protected:
    RAW_OBJECT raw{kTable};
    CLinkTransportObject* object = reinterpret_cast<CLinkTransportObject*>(&raw);
};

TEST_F(LinkLayoutTest, OpenIsTheSecondSlot)
{
    EXPECT_EQ(object->Open(1), 0x1234);
    EXPECT_EQ(raw.slotCalled, 2);
    EXPECT_EQ(raw.argument, 1);
}

TEST_F(LinkLayoutTest, WriteIsTheThirdSlot)
{
    const uint8_t bytes[] = {0xAA, 0x55};
    EXPECT_EQ(object->Write(bytes, 2), 2);
    EXPECT_EQ(raw.slotCalled, 3);
    EXPECT_EQ(raw.bytes, bytes);
    EXPECT_EQ(raw.argument, 2);
}

TEST_F(LinkLayoutTest, ReadIsTheFourthSlot)
{
    uint8_t byte = 0;
    EXPECT_EQ(object->Read(&byte, 1), 1);
    EXPECT_EQ(raw.slotCalled, 4);
    EXPECT_EQ(byte, 0x77);
}

TEST_F(LinkLayoutTest, CloseAndResetAreTheFifthAndSixthSlots)
{
    object->Close();
    EXPECT_EQ(raw.slotCalled, 5);
    EXPECT_EQ(object->Reset(), -7);
    EXPECT_EQ(raw.slotCalled, 6);
}

TEST_F(LinkLayoutTest, TheFirstSlotIsAPlaceholder)
{
    object->Unused();
    EXPECT_EQ(raw.slotCalled, 1);
    // The object the program sees is its table pointer and nothing more.
    static_assert(sizeof(CLinkTransportObject) == sizeof(void*));
}

}  // namespace
