#include "shell/help/examples.h"

#include <algorithm>

#include "shell/help/html_scan.h"
#include "shell/help/page_text.h"

namespace quorvel::help {
namespace {

bool HasClass(const HtmlTag& tag, std::string_view wanted) {
  const std::string* classes = tag.Find("class");
  if (classes == nullptr) return false;
  const std::string lower = AsciiLower(*classes);
  std::size_t start = 0;
  while (start < lower.size()) {
    std::size_t stop = lower.find_first_of(" \t\r\n", start);
    if (stop == std::string::npos) stop = lower.size();
    if (std::string_view(lower).substr(start, stop - start) == wanted) return true;
    start = stop + 1;
  }
  return false;
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitCashFlows(std::string_view list) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t stop = list.find(';', start);
    if (stop == std::string_view::npos) stop = list.size();
    std::string line = Trim(list.substr(start, stop - start));
    if (!line.empty()) lines.push_back(std::move(line));
    start = stop + 1;
  }
  return lines;
}

Example ExampleOf(const HtmlTag& tag) {
  Example example;
  for (const HtmlAttribute& attribute : tag.attributes) {
    if (!attribute.name.starts_with("data-")) continue;
    const std::string_view key = std::string_view(attribute.name).substr(5);
    const std::string value = Trim(attribute.value);
    if (key == "function") {
      example.function = value;
    } else if (key == "nper") {
      example.nper = value;
    } else if (key == "interest") {
      example.interest = value;
    } else if (key == "pv") {
      example.pv = value;
    } else if (key == "fv") {
      example.fv = value;
    } else if (key == "pmt") {
      example.pmt = value;
    } else if (key == "per") {
      example.per = value;
    } else if (key == "due") {
      example.due = value;
    } else if (key == "cashflows") {
      example.cash_flows = SplitCashFlows(value);
    } else if (key == "decimals") {
      example.decimals = value;
    } else if (key == "result") {
      example.result = value;
    } else {
      example.unknown_attributes.push_back(attribute.name);
    }
  }
  return example;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits with at most one ".", at least one digit.
bool IsPlainNumber(std::string_view text) {
  if (std::count(text.begin(), text.end(), '.') > 1) return false;
  bool digit = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c != '.') {
      return false;
    }
  }
  return digit;
}

// The value of a short run of digits.
std::size_t SmallNumber(std::string_view digits) {
  std::size_t value = 0;
  for (char c : digits) value = value * 10 + static_cast<std::size_t>(c - '0');
  return value;
}

bool IsSignedNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return IsPlainNumber(text);
}

// A field that takes one "*" or "/" between two numbers, and, when `signed`,
// a leading minus sign. The fields let in only one "." in the whole text.
bool IsRateOrPeriod(std::string_view text, bool is_signed) {
  if (is_signed && text.starts_with('-')) text.remove_prefix(1);
  if (std::count(text.begin(), text.end(), '.') > 1) return false;
  const std::size_t op = text.find_first_of("*/");
  if (op == std::string_view::npos) return IsPlainNumber(text);
  return IsPlainNumber(text.substr(0, op)) && IsPlainNumber(text.substr(op + 1));
}

bool UsesPaymentTiming(std::string_view function) {
  return function != "NPV" && function != "IRR" && function != "MIRR" && function != "EFFECT" &&
         function != "NOMINAL";
}

}  // namespace

std::vector<Example> ExtractExamples(std::string_view html) {
  std::vector<Example> examples;
  bool inside = false;            // in an example table
  std::size_t content_begin = 0;  // where its rows begin
  int depth = 0;                  // tables open inside it
  auto finish = [&](std::size_t content_end) {
    examples.back().visible_text =
        ExtractText(html.substr(content_begin, content_end - content_begin)).text;
    inside = false;
  };

  HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() != HtmlScanner::Kind::kTag || scanner.tag().name != "table") continue;
    const HtmlTag& tag = scanner.tag();
    if (inside) {
      if (!tag.closing) {
        ++depth;
      } else if (depth > 0) {
        --depth;
      } else {
        finish(scanner.begin());
      }
    } else if (!tag.closing && HasClass(tag, "example")) {
      examples.push_back(ExampleOf(tag));
      inside = true;
      content_begin = scanner.end();
      depth = 0;
    }
  }
  if (inside) finish(html.size());
  return examples;
}

std::vector<std::string> ExampleProblems(const Example& example) {
  std::vector<std::string> problems;
  const std::string label = "Example of " + (example.function.empty() ? "?" : example.function);
  auto problem = [&](const std::string& what) { problems.push_back(label + ": " + what); };

  if (std::find(kExampleFunctions.begin(), kExampleFunctions.end(), example.function) ==
      kExampleFunctions.end()) {
    problem("unknown function \"" + example.function + "\".");
  }
  for (const std::string& name : example.unknown_attributes) {
    problem("unknown attribute " + name + ".");
  }
  if (example.due != "0" && example.due != "1") {
    problem("the payment timing must be 0 or 1, not \"" + example.due + "\".");
  }
  if (example.decimals.empty() || example.decimals.size() > 2 || !AllDigits(example.decimals)) {
    problem("the decimal places must be a small number, not \"" + example.decimals + "\".");
  }

  struct Field {
    const char* name;
    const std::string& text;
    bool ok;
  };
  const Field fields[] = {
      {"NPer", example.nper, IsRateOrPeriod(example.nper, false)},
      {"Interest", example.interest, IsRateOrPeriod(example.interest, true)},
      {"Present Value", example.pv, IsSignedNumber(example.pv)},
      {"Future Value", example.fv, IsSignedNumber(example.fv)},
      {"Payment", example.pmt, IsSignedNumber(example.pmt)},
      {"Per / Reinvest Rate", example.per, IsRateOrPeriod(example.per, true)},
  };
  for (const Field& field : fields) {
    if (!field.text.empty() && !field.ok) {
      problem("\"" + field.text + "\" cannot be typed into " + field.name + ".");
    }
  }
  for (const std::string& line : example.cash_flows) {
    if (!IsSignedNumber(line)) problem("the cash flow \"" + line + "\" is not a plain number.");
  }

  if (example.result.empty()) {
    problem("no result.");
  } else if (!example.expects_error()) {
    const std::size_t point = example.result.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : example.result.size() - point - 1;
    const bool decimals_known =
        !example.decimals.empty() && example.decimals.size() <= 2 && AllDigits(example.decimals);
    if (!IsSignedNumber(example.result) || example.result.back() == '.' ||
        example.result.front() == '.' || example.result.starts_with("-.")) {
      problem("the result \"" + example.result + "\" is not a number as the display shows it.");
    } else if (decimals_known && decimals != SmallNumber(example.decimals)) {
      problem("the result \"" + example.result + "\" does not have " + example.decimals +
              " decimals.");
    }
  }

  // The reader must see what the markup says.
  auto visible = [&](const std::string& text) {
    return example.visible_text.find(text) != std::string::npos;
  };
  for (const Field& field : fields) {
    if (!field.text.empty() && !visible(field.text)) {
      problem("the table does not show " + std::string(field.name) + " \"" + field.text + "\".");
    }
  }
  for (const std::string& line : example.cash_flows) {
    if (!visible(line)) problem("the table does not show the cash flow \"" + line + "\".");
  }
  if (example.expects_error()) {
    if (AsciiLower(example.visible_text).find("error") == std::string::npos) {
      problem("the table does not say that an error message follows.");
    }
  } else if (!example.result.empty() && !visible(example.result)) {
    problem("the table does not show the result \"" + example.result + "\".");
  }
  if (UsesPaymentTiming(example.function) && (example.due == "0" || example.due == "1")) {
    const char* caption = example.due == "1" ? "Payment At Begin Period" : "Payment At End Period";
    if (!visible(caption)) problem(std::string("the table does not show \"") + caption + "\".");
  }
  return problems;
}

}  // namespace quorvel::help
