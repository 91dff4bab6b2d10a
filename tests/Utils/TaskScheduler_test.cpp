#include <gtest/gtest.h>

#include "Utils/TaskScheduler.h"

namespace vrx::test {
namespace {

TEST(TaskSchedulerErrorLine, NamesTheStepTheCodeAndTheSystemsWords) {
    EXPECT_EQ(comErrorLine("GetFolder failed", 0x80070005u, "Access is denied.\r\n"),
              "GetFolder failed (HRESULT=0x80070005): Access is denied.");
    // The line stays one line, whatever breaks the system's text holds.
    EXPECT_EQ(comErrorLine("NewTask failed", 0x8007000Eu, "Two\r\nlines\r\n\r\n"),
              "NewTask failed (HRESULT=0x8007000E): Two  lines");
    EXPECT_EQ(comErrorLine("NewTask failed", 0x8007000Eu, "Not enough memory.\n"),
              "NewTask failed (HRESULT=0x8007000E): Not enough memory.");
}

TEST(TaskSchedulerErrorLine, ACodeWithoutDescriptionIsNamedAsComNamesIt) {
    EXPECT_EQ(comErrorLine("DeleteTask failed", 0x80040201u, ""),
              "DeleteTask failed (HRESULT=0x80040201): IDispatch error #1");
    EXPECT_EQ(comErrorLine("DeleteTask failed", 0x8004FFFFu, ""),
              "DeleteTask failed (HRESULT=0x8004FFFF): IDispatch error #65023");
    EXPECT_EQ(comErrorLine("DeleteTask failed", 0x80040200u, ""),
              "DeleteTask failed (HRESULT=0x80040200): Unknown error 0x80040200");
    EXPECT_EQ(comErrorLine("GetFolder failed", 0x1u, ""), "GetFolder failed (HRESULT=0x00000001): Unknown error 0x1");
}

}  // namespace
}  // namespace vrx::test
