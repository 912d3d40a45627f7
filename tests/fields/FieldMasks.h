#pragma once

// The mask strings of the program's fields, shared by the field tests.

namespace zarn::test {

inline constexpr const char* kYearsMask = "999;1; ";
inline constexpr const char* kMonthsMask = "99;1; ";
inline constexpr const char* kFinesMask = "99999;1; ";
inline constexpr const char* kOperationMask = "c\\ 99\\/999;1; ";
inline constexpr const char* kDateMask = "!99/99/9999;1;_";
inline constexpr const char* kErrorMask = "cccccccc;1; ";

inline constexpr const char* kProgramMasks[] = {kYearsMask,     kMonthsMask, kFinesMask,
                                                kOperationMask, kDateMask,   kErrorMask};

} // namespace zarn::test
