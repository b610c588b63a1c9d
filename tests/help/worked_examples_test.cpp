// Every worked example of the help file, worked on the calculator itself:
// the fields filled as the example says, its button clicked, the display
// (or the error message) compared with what the page promises.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculator_session.h"
#include "finance/function_table.h"
#include "shell/help/chm_file.h"
#include "shell/help/examples.h"

namespace quorvel {
namespace {

class WorkedExamples : public testing::CalculatorSession {
 protected:
  // Works one example on a freshly loaded window; returns what the display
  // shows, or "error" when the function answered with its message.
  std::string Work(const help::Example& e) {
    shell::Form_Load(f, module);
    f.SetFocus(Ctl::TextDecimal);
    f.TextDecimal.SetText(e.decimals);
    f.SetFocus(Ctl::Text1);  // the decimal places take effect on leaving the field
    f.TextN.SetText(e.nper);
    f.TextInterest.SetText(e.interest);
    f.TextPV.SetText(e.pv);
    f.TextFV.SetText(e.fv);
    f.TextPMT.SetText(e.pmt);
    f.TextPer.SetText(e.per);
    std::string list;
    for (const std::string& line : e.cash_flows) list += line + "\r\n";
    f.TextCF.SetText(list);
    f.SetValue(Ctl::CheckPayment, e.due == "1" ? 1 : 0);
    platform.messages.clear();
    f.Click(finance::FunctionNamed(e.function)->button);
    return platform.messages.empty() ? f.Text1.Text() : "error";
  }
};

TEST_F(WorkedExamples, TheCalculatorGivesEveryFigureOfTheHelp) {
  std::string error;
  std::optional<help::ChmFile> file = help::ChmFile::Open(QUORVEL_HELP_FILE, &error);
  ASSERT_TRUE(file) << error;
  std::set<std::string> functions;
  int worked = 0;
  for (const std::string& path : file->List()) {
    if (path.size() < 4 || path.substr(path.size() - 4) != ".htm") continue;
    std::optional<std::string> html = file->Read(path);
    ASSERT_TRUE(html) << path;
    for (const help::Example& example : help::ExtractExamples(*html)) {
      ASSERT_TRUE(help::ExampleProblems(example).empty()) << path;
      EXPECT_EQ(Work(example), example.result)
          << path << ": " << example.function << " with NPer '" << example.nper << "', Interest '"
          << example.interest << "', PV '" << example.pv << "', FV '" << example.fv << "', PMT '"
          << example.pmt << "', Per '" << example.per << "'";
      functions.insert(example.function);
      ++worked;
    }
  }
  EXPECT_EQ(functions.size(), help::kExampleFunctions.size());
  EXPECT_GE(worked, 15);
}

}  // namespace
}  // namespace quorvel
