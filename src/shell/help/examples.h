#pragma once
// The worked examples of the help pages are marked so that they can be
// checked against the calculator: each is a table of class "example" whose
// data attributes give the function, what the user types into each field and
// what the display then shows.
//
//   <table class="example" data-function="PMT" data-interest="1"
//          data-nper="12" data-pv="1000" data-fv="" data-pmt="" data-per=""
//          data-due="0" data-cashflows="" data-decimals="2"
//          data-result="-88.85">
//
// data-function  one of kExampleFunctions
// data-nper, data-interest, data-pv, data-fv, data-pmt, data-per
//                the text typed into NPer, Interest, Present Value, Future
//                Value, Payment and Per / Reinvest Rate ("" for an empty
//                field); forms such as "30*12" and "12/12" as typed
// data-due       "0" for Payment At End Period, "1" for Payment At Begin Period
// data-cashflows the lines of the cash-flow list, separated by ";"
// data-decimals  the text of the Decimal Place field
// data-result    the text the display shows, or "error" when the function
//                answers with its error message
//
// Attributes left out count as empty, except data-due ("0") and
// data-decimals ("2"), the values a fresh window starts with.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "finance/function_table.h"

namespace quorvel::help {

// The functions by the names their error messages use.
inline constexpr auto kExampleFunctions = [] {
  std::array<std::string_view, finance::kFunctions.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = finance::kFunctions[i].Name();
  return names;
}();

struct Example {
  std::string function;
  std::string nper;
  std::string interest;
  std::string pv;
  std::string fv;
  std::string pmt;
  std::string per;
  std::string due = "0";
  std::vector<std::string> cash_flows;
  std::string decimals = "2";
  std::string result;
  std::vector<std::string> unknown_attributes;  // data-* attributes we do not know
  std::string visible_text;                     // the table's text as the reader sees it

  bool expects_error() const { return result == "error"; }
};

// Every example table of a page, in document order.
std::vector<Example> ExtractExamples(std::string_view html);

// What is wrong with an example's markup, one sentence each; empty when it
// can be checked: a known function, "0" or "1" for the timing, a number of
// decimals, a result that is "error" or a number written with exactly that
// many decimals, field texts that the fields' keys can produce, and every
// value and the result visible in the table itself.
std::vector<std::string> ExampleProblems(const Example& example);

}  // namespace quorvel::help
