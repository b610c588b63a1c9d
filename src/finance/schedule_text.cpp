#include "finance/schedule_text.h"

#include "core/number_text.h"

namespace quorvel::finance {
namespace {

std::string Quoted(const std::string& text, char field) {
  if (text.find(field) == std::string::npos && text.find('"') == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string WithDecimal(std::string text, std::string_view decimal) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos && decimal != ".") text.replace(point, 1, decimal);
  return text;
}

}  // namespace

double ScheduleFigure(const Schedule& s, std::size_t row, std::size_t column) {
  if (IsTotalsRow(s, row)) {
    switch (column) {
      case 1:
        return s.total_payment;
      case 2:
        return s.total_interest;
      case 3:
        return s.total_principal;
      default:
        return 0;
    }
  }
  const ScheduleRow& r = s.rows[row];
  switch (column) {
    case 0:
      return r.period;
    case 1:
      return r.payment;
    case 2:
      return r.interest;
    case 3:
      return r.principal;
    case 4:
      return r.cumulative_interest;
    case 5:
      return r.cumulative_principal;
    case 6:
      return r.balance;
    default:
      return 0;
  }
}

std::string ScheduleCell(const Schedule& s, std::size_t row, std::size_t column) {
  if (IsTotalsRow(s, row)) {
    if (column == 0) return std::string(kScheduleTotal);
    if (column > 3) return {};
  } else if (column == 0) {
    return GeneralText(s.rows[row].period);
  }
  return FixedText(ScheduleFigure(s, row, column), s.pattern);
}

std::string ScheduleDelimited(const Schedule& s, char field, std::string_view decimal) {
  std::string text;
  for (std::size_t c = 0; c < kScheduleColumns.size(); ++c) {
    if (c > 0) text += field;
    text += Quoted(std::string(kScheduleColumns[c]), field);
  }
  text += "\r\n";
  const std::size_t rows = ScheduleTableRows(s);
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < kScheduleColumns.size(); ++c) {
      if (c > 0) text += field;
      text += Quoted(WithDecimal(ScheduleCell(s, r, c), decimal), field);
    }
    text += "\r\n";
  }
  return text;
}

char CsvFieldSeparator(std::string_view decimal) { return decimal == "," ? ';' : ','; }

}  // namespace quorvel::finance
