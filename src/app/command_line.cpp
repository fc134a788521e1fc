#include "app/command_line.h"

#include <algorithm>
#include <optional>

namespace parvola {

CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        const auto spec = std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& s) {
            return name == s.name || (s.shortName && name == s.shortName);
        });
        // A switch given a value is no option of this program.
        if (spec == specs.end() || (!spec->value && value)) {
            line.error = "unknown option '" + arg + "'";
            return line;
        }
        if (spec->value && !value && i + 1 < args.size()) {
            value = args[++i];
        }
        if (spec->value && !value) {
            line.error = std::string(spec->name) + " needs " + spec->value;
            return line;
        }
        line.options.emplace_back(spec->name, value.value_or(""));
    }
    return line;
}

} // namespace parvola
