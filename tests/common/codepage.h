// Tests that compare Chinese texts need the system code page 936 (the build
// compiles narrow literals as GBK); without the set-up they must fail.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#define ASSERT_CODE_PAGE_936() ASSERT_EQ(GetACP(), 936u) << "run under LC_ALL=zh_CN.UTF-8"
