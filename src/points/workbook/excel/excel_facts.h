#pragma once

// What the workbook reader asks of Excel's automation interface: how the
// application is created and the members it calls. Plain C++, so the reader and
// the Excel stand-in of the Windows check name each fact from here.

#include <cstdint>

namespace excel_facts {

inline constexpr wchar_t ApplicationProgId[] = L"Excel.Application";

// Every call is made for English (United States), whatever the user's locale.
inline constexpr std::uint32_t Locale = 1033;

// The members called, by name; indexes and cell positions count from 1.
namespace member {
// On the application.
inline constexpr wchar_t Visible[] = L"Visible"; // a property, set to true to show it
inline constexpr wchar_t Workbooks[] = L"Workbooks";
inline constexpr wchar_t Quit[] = L"Quit";
// On the workbooks: Open(file name); Item(index) there and on the worksheets.
inline constexpr wchar_t Open[] = L"Open";
inline constexpr wchar_t Item[] = L"Item";
// On a workbook: its worksheets, and Close(save changes).
inline constexpr wchar_t Worksheets[] = L"Worksheets";
inline constexpr wchar_t Close[] = L"Close";
// On a worksheet: the range of an address such as "A1:J999", and the value
// of a formula such as "COUNTA(A1000:J1048576)" (a number).
inline constexpr wchar_t Range[] = L"Range";
inline constexpr wchar_t Evaluate[] = L"Evaluate";
// On a range: the values of its cells (an array, row by row, when there are
// more than one).
inline constexpr wchar_t Value[] = L"Value";
} // namespace member

// A worksheet's last row.
inline constexpr long LastRow = 1'048'576;

} // namespace excel_facts
