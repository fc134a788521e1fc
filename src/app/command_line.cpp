#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace parvola {

CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::vector<KnownOption>& known) {
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
        const auto option = std::find_if(known.begin(), known.end(), [&](const KnownOption& o) {
            return name == o.name || (o.shortName && name == o.shortName);
        });
        // A switch given a value is no option of this program.
        if (option == known.end() || (!option->value && value)) {
            line.error = "unknown option '" + arg + "'";
            return line;
        }
        if (option->value && !value && i + 1 < args.size()) {
            value = args[++i];
        }
        if (option->value && !value) {
            line.error = std::string(option->name) + " needs " + option->value;
            return line;
        }
        line.options.emplace_back(option->name, value.value_or(""));
    }
    return line;
}

int PrintToOutput(const char* program, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return 0;
    }
    const int error = errno;
    std::fprintf(stderr, "%s: write error: %s\n", program, std::strerror(error));
    return 1;
}

} // namespace parvola
