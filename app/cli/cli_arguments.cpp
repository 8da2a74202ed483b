// Command-line words split into options and positional arguments.
#include "app/cli/cli_arguments.h"

namespace tallyhawk::cli {

const std::set<std::string, std::less<>> kValueOptions = {"folder", "settings", "contest", "band",
                                                           "mode",   "date",     "batch", "from", "output"};
const std::set<std::string, std::less<>> kFlagOptions = {"help", "home", "n1", "any"};

std::optional<std::string> CliArguments::Value(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end()) return std::nullopt;
    return found->second;
}

CliArguments SplitArguments(const std::vector<std::string>& words) {
    CliArguments arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 3 || word.rfind("--", 0) != 0) {
            if (word == "--") {
                optionsEnded = true;
            } else {
                arguments.positionals.push_back(word);
            }
            continue;
        }
        std::string name = word.substr(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (kValueOptions.contains(name)) {
            if (!value && i + 1 < words.size()) value = words[++i];
            if (!value) {
                arguments.error = "option --" + name + " needs a value";
                return arguments;
            }
            arguments.options[name] = *value;
        } else if (kFlagOptions.contains(name) && !value) {
            arguments.options[name] = "";
        } else {
            arguments.error = "unknown option --" + name;
            return arguments;
        }
    }
    return arguments;
}

}  // namespace tallyhawk::cli
