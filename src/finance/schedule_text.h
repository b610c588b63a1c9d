#pragma once
// The amortization schedule as text: the cells a table shows, and the whole
// table as tab- or comma-separated text for a spreadsheet.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "finance/schedule.h"

namespace quorvel::finance {

inline constexpr std::array<std::string_view, 7> kScheduleColumns = {
    "Period", "Payment", "Interest", "Principal", "Cumulative Interest", "Cumulative Principal",
    "Balance"};
inline constexpr std::string_view kScheduleTotal = "Total";

// The table's rows: one a period, then the totals.
inline std::size_t ScheduleTableRows(const Schedule& s) { return s.rows.size() + 1; }
inline bool IsTotalsRow(const Schedule& s, std::size_t row) { return row == s.rows.size(); }

// A cell as the table shows it, figures in the schedule's pattern with "."
// as the decimal point. The totals row has no running totals and no
// balance: those cells are empty.
std::string ScheduleCell(const Schedule& s, std::size_t row, std::size_t column);
// The figure behind a cell, for sorting and charts; 0 for an empty cell.
double ScheduleFigure(const Schedule& s, std::size_t row, std::size_t column);

// The whole table, headings first, one line per row ended by CR LF, fields
// separated by `field`, figures written with `decimal` as their decimal
// separator. A field holding the separator or a quote is quoted.
std::string ScheduleDelimited(const Schedule& s, char field, std::string_view decimal);

// The field separator of a CSV file for a user whose decimal separator is
// `decimal`: ";" where the comma is the decimal separator, else ",".
char CsvFieldSeparator(std::string_view decimal);

}  // namespace quorvel::finance
