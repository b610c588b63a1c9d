// fincheck: evaluates financial functions line by line, for checking the
// engine's accuracy against other tools.
//
// Each input line is "ID FUNC ARG ...", blank separated; each output line is
// "ID VALUE" (17 significant digits) or "ID ERR reason". Cash-flow lists are
// one argument, the values separated by commas. Blank lines and lines starting
// with "#" are skipped. See bench/README.md.

#include <charconv>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "finance/engine.h"

namespace {

namespace fin = quorvel::finance;

std::vector<std::string_view> SplitBlanks(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t\r", pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
    tokens.push_back(line.substr(start, end - start));
    pos = end;
  }
  return tokens;
}

// The whole token as a number, read the same way in every locale.
std::optional<double> ParseNumber(std::string_view token) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || error != std::errc() || end != token.data() + token.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> ParseDue(std::string_view token) {
  int value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || error != std::errc() || end != token.data() + token.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<double>> ParseList(std::string_view token) {
  std::vector<double> values;
  while (true) {
    const std::size_t comma = token.find(',');
    const auto value = ParseNumber(token.substr(0, comma));
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) return values;
    token.remove_prefix(comma + 1);
  }
}

// The arguments of one line, read by a pattern of one letter per argument:
// n a number, d the payment timing, l a cash-flow list, g an optional
// estimate (10 % when left out, as the buttons take it from an empty field).
struct Arguments {
  std::vector<double> n;  // the numbers, in order
  int due = 0;
  std::vector<double> flows;
};

std::optional<Arguments> ParseArguments(std::string_view pattern,
                                        const std::vector<std::string_view>& tokens) {
  const std::size_t optional = pattern.ends_with('g') ? 1 : 0;
  if (tokens.size() > pattern.size() || tokens.size() + optional < pattern.size()) {
    return std::nullopt;
  }
  Arguments args;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (i == tokens.size()) {
      args.n.push_back(0.1);
      continue;
    }
    if (pattern[i] == 'd') {
      const auto due = ParseDue(tokens[i]);
      if (!due) return std::nullopt;
      args.due = *due;
    } else if (pattern[i] == 'l') {
      auto flows = ParseList(tokens[i]);
      if (!flows) return std::nullopt;
      args.flows = std::move(*flows);
    } else {
      const auto number = ParseNumber(tokens[i]);
      if (!number) return std::nullopt;
      args.n.push_back(*number);
    }
  }
  return args;
}

struct Function {
  std::string_view name;
  std::string_view pattern;
  std::function<std::optional<double>(const Arguments&)> evaluate;
};

const std::vector<Function>& Functions() {
  using A = const Arguments&;
  static const std::vector<Function> functions = {
      {"NPer", "nnnnd", [](A a) { return fin::NPer(a.n[0], a.n[1], a.n[2], a.n[3], a.due); }},
      {"Rate", "nnnndg",
       [](A a) { return fin::Rate(a.n[0], a.n[1], a.n[2], a.n[3], a.due, a.n[4]); }},
      {"PV", "nnnnd", [](A a) { return fin::PV(a.n[0], a.n[1], a.n[2], a.n[3], a.due); }},
      {"FV", "nnnnd", [](A a) { return fin::FV(a.n[0], a.n[1], a.n[2], a.n[3], a.due); }},
      {"PMT", "nnnnd", [](A a) { return fin::PMT(a.n[0], a.n[1], a.n[2], a.n[3], a.due); }},
      {"IPMT", "nnnnnd",
       [](A a) { return fin::IPMT(a.n[0], a.n[1], a.n[2], a.n[3], a.n[4], a.due); }},
      {"PPMT", "nnnnnd",
       [](A a) { return fin::PPMT(a.n[0], a.n[1], a.n[2], a.n[3], a.n[4], a.due); }},
      {"TPPMT", "nnnnnd",
       [](A a) { return fin::TPPMT(a.n[0], a.n[1], a.n[2], a.n[3], a.n[4], a.due); }},
      {"TIPMT", "nnnnnd",
       [](A a) { return fin::TIPMT(a.n[0], a.n[1], a.n[2], a.n[3], a.n[4], a.due); }},
      {"BAL", "nnnnnd",
       [](A a) { return fin::BAL(a.n[0], a.n[1], a.n[2], a.n[3], a.n[4], a.due); }},
      {"NPV", "nl", [](A a) { return fin::NPV(a.n[0], a.flows); }},
      {"IRR", "lg", [](A a) { return fin::IRR(a.flows, a.n[0]); }},
      {"MIRR", "lnn", [](A a) { return fin::MIRR(a.flows, a.n[0], a.n[1]); }},
      {"EFFECT", "nn", [](A a) { return fin::EFFECT(a.n[0], a.n[1]); }},
      {"NOMINAL", "nn", [](A a) { return fin::NOMINAL(a.n[0], a.n[1]); }},
  };
  return functions;
}

void Answer(std::string_view id, const char* error) {
  std::printf("%.*s ERR %s\n", static_cast<int>(id.size()), id.data(), error);
}

void EvaluateLine(std::string_view line) {
  const auto tokens = SplitBlanks(line);
  if (tokens.empty() || tokens.front().starts_with('#')) return;
  const std::string_view id = tokens.front();
  if (tokens.size() < 2) return Answer(id, "bad arguments");
  const Function* function = nullptr;
  for (const Function& candidate : Functions()) {
    if (candidate.name == tokens[1]) function = &candidate;
  }
  if (!function) return Answer(id, "bad arguments");
  const auto args = ParseArguments(function->pattern, {tokens.begin() + 2, tokens.end()});
  if (!args) return Answer(id, "bad arguments");
  // The NPV button refuses a list whose first value is 0 before it computes.
  if (function->name == "NPV" && args->flows.front() == 0.0) {
    return Answer(id, "first cash flow is 0");
  }
  const auto value = function->evaluate(*args);
  if (!value) return Answer(id, "no result");
  std::printf("%.*s %.17g\n", static_cast<int>(id.size()), id.data(), *value);
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) EvaluateLine(line);
  return 0;
}
