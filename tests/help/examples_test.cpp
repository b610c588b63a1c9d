// Reading the worked examples out of a page, and judging their markup.

#include "shell/help/examples.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quorvel::help {
namespace {

const char* const kPmtExample =
    "<table class=\"example\" data-function=\"PMT\" data-nper=\"12\" data-interest=\"1\" "
    "data-pv=\"1000\" data-fv=\"\" data-pmt=\"\" data-per=\"\" data-due=\"0\" "
    "data-cashflows=\"\" data-decimals=\"2\" data-result=\"-88.85\">\n"
    "<tr><th colspan=\"2\">A loan</th></tr>\n"
    "<tr><td>NPer</td><td>12</td></tr><tr><td>Interest</td><td>1</td></tr>\n"
    "<tr><td>Present Value</td><td>1000</td></tr>\n"
    "<tr><td>Payment box</td><td>Payment At End Period</td></tr>\n"
    "<tr><td>Click <b>PMT</b>: the display shows</td><td>-88.85</td></tr>\n"
    "</table>";

TEST(ExtractExamples, ReadsEveryAttribute) {
  const std::vector<Example> examples = ExtractExamples(
      "<p>Before</p><table class='grid example' data-function=MIRR data-interest='10' "
      "data-per=\"12/12\" data-nper=\"30*12\" data-pv=\"-5\" data-fv=\"6\" data-pmt=\"-7\" "
      "data-due=\"1\" data-cashflows=\" -1000; 300 ;;400\" data-decimals=\"4\" "
      "data-result=\"9.8200\" data-intrest=\"typo\" border=\"1\"><tr><td>x</td></tr></table>");
  ASSERT_EQ(examples.size(), 1u);
  const Example& e = examples[0];
  EXPECT_EQ(e.function, "MIRR");
  EXPECT_EQ(e.interest, "10");
  EXPECT_EQ(e.per, "12/12");
  EXPECT_EQ(e.nper, "30*12");
  EXPECT_EQ(e.pv, "-5");
  EXPECT_EQ(e.fv, "6");
  EXPECT_EQ(e.pmt, "-7");
  EXPECT_EQ(e.due, "1");
  EXPECT_EQ(e.cash_flows, (std::vector<std::string>{"-1000", "300", "400"}));
  EXPECT_EQ(e.decimals, "4");
  EXPECT_EQ(e.result, "9.8200");
  EXPECT_EQ(e.unknown_attributes, std::vector<std::string>{"data-intrest"});
  EXPECT_EQ(e.visible_text, "x");
}

TEST(ExtractExamples, LeftOutAttributesTakeTheValuesOfAFreshWindow) {
  const std::vector<Example> examples =
      ExtractExamples("<TABLE CLASS=\"Example\" data-function=\"EFFECT\"></TABLE>");
  ASSERT_EQ(examples.size(), 1u);
  EXPECT_EQ(examples[0].due, "0");
  EXPECT_EQ(examples[0].decimals, "2");
  EXPECT_EQ(examples[0].nper, "");
  EXPECT_TRUE(examples[0].cash_flows.empty());
  EXPECT_EQ(examples[0].result, "");
}

TEST(ExtractExamples, FindsOnlyExampleTablesAndEachOneWhole) {
  const std::string html =
      std::string(
          "<table class=\"examples\"><tr><td>not one</td></tr></table>"
          "<table><tr><td>nor this</td></tr></table>") +
      kPmtExample +
      "<table class=\"example\" data-function=\"NPV\"><tr><td>outer"
      "<table class=\"example\" data-function=\"IRR\"><tr><td>inner</td></tr></table>"
      "</td><td>after inner</td></tr></table>"
      "<p>between</p>"
      "<table class=\"example\" data-function=\"BAL\"><tr><td>never closed";
  const std::vector<Example> examples = ExtractExamples(html);
  ASSERT_EQ(examples.size(), 3u);
  EXPECT_EQ(examples[0].function, "PMT");
  EXPECT_EQ(examples[0].visible_text,
            "A loan\nNPer 12\nInterest 1\nPresent Value 1000\nPayment box Payment At End Period\n"
            "Click PMT: the display shows -88.85");
  // A table inside an example belongs to it and does not end it.
  EXPECT_EQ(examples[1].function, "NPV");
  EXPECT_EQ(examples[1].visible_text, "outer\ninner\nafter inner");
  EXPECT_EQ(examples[2].function, "BAL");
  EXPECT_EQ(examples[2].visible_text, "never closed");
  EXPECT_TRUE(ExtractExamples("<p>no tables</p>").empty());
}

TEST(ExampleProblems, AcceptsAWellMarkedExample) {
  const std::vector<Example> examples = ExtractExamples(kPmtExample);
  ASSERT_EQ(examples.size(), 1u);
  EXPECT_EQ(ExampleProblems(examples[0]), std::vector<std::string>{});
}

TEST(ExampleProblems, NamesEachFault) {
  const struct {
    const char* fault;
    std::function<void(Example&)> spoil;
    const char* problem;
  } cases[] = {
      {"unknown function", [](Example& e) { e.function = "PAYMENT"; }, "unknown function"},
      {"unknown attribute", [](Example& e) { e.unknown_attributes = {"data-intrest"}; },
       "unknown attribute data-intrest"},
      {"timing", [](Example& e) { e.due = "2"; }, "timing must be 0 or 1"},
      {"decimals", [](Example& e) { e.decimals = "two"; }, "decimal places"},
      {"no result", [](Example& e) { e.result = ""; }, "no result"},
      {"result digits", [](Example& e) { e.result = "-88.8"; }, "does not have 2 decimals"},
      {"result words", [](Example& e) { e.result = "about 89"; }, "not a number"},
      {"result point", [](Example& e) { e.result = "-.85"; }, "not a number"},
      {"two operators", [](Example& e) { e.nper = "30**12"; }, "cannot be typed into NPer"},
      {"two points", [](Example& e) { e.interest = "1.5/2.5"; }, "cannot be typed into Interest"},
      {"negative NPer", [](Example& e) { e.nper = "-12"; }, "cannot be typed into NPer"},
      {"quotient in PV", [](Example& e) { e.pv = "1000/2"; }, "cannot be typed into Present Value"},
      {"cash flow", [](Example& e) { e.cash_flows = {"$100"}; }, "not a plain number"},
      {"hidden result", [](Example& e) { e.result = "-88.86"; }, "does not show the result"},
      {"hidden field", [](Example& e) { e.fv = "500"; }, "does not show Future Value \"500\""},
      {"hidden flow", [](Example& e) { e.cash_flows = {"777"}; }, "does not show the cash flow"},
      {"hidden timing", [](Example& e) { e.due = "1"; }, "Payment At Begin Period"},
      {"error unsaid", [](Example& e) { e.result = "error"; }, "error message follows"},
  };
  for (const auto& c : cases) {
    Example example = ExtractExamples(kPmtExample).at(0);
    c.spoil(example);
    const std::vector<std::string> problems = ExampleProblems(example);
    bool named = false;
    for (const std::string& problem : problems) {
      if (problem.find(c.problem) != std::string::npos) named = true;
    }
    EXPECT_TRUE(named) << c.fault << ": " << ::testing::PrintToString(problems);
  }
}

TEST(ExampleProblems, LeavesTimingAsideForFunctionsWithoutIt) {
  Example example;
  example.function = "EFFECT";
  example.interest = "12";
  example.nper = "12";
  example.result = "12.68";
  example.visible_text = "Interest 12 NPer 12 EFF 12.68";
  EXPECT_EQ(ExampleProblems(example), std::vector<std::string>{});
  example.result = "error";
  example.visible_text = "Interest 12 NPer 12: the error message of EFF";
  EXPECT_EQ(ExampleProblems(example), std::vector<std::string>{});
}

}  // namespace
}  // namespace quorvel::help
