// Command-line words split into options ("--name VALUE", "--name=VALUE", "--flag") and positional
// arguments, in any order.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallyhawk::cli {

struct CliArguments {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> options;  // name without "--" -> value ("" for flags)
    std::string error;  // set when the words could not be split

    bool Has(std::string_view name) const { return options.contains(name); }
    std::optional<std::string> Value(std::string_view name) const;
};

// Options that take a value; every other "--name" is a flag.
extern const std::set<std::string, std::less<>> kValueOptions;
extern const std::set<std::string, std::less<>> kFlagOptions;

CliArguments SplitArguments(const std::vector<std::string>& words);

}  // namespace tallyhawk::cli
