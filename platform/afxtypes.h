#pragma once

// The handful of Windows-style types and constants the program's code is written against.

#include <cstddef>
#include <cstdint>

using UINT = unsigned int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using HANDLE = void*;

// Message box types and results.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_ICONHAND = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONASTERISK = 0x0040;
inline constexpr UINT MB_ICONMASK = 0x00F0;
inline constexpr UINT MB_TYPEMASK = 0x000F;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
