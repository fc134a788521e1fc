// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace parvola {

CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::vector<KnownOption>& known) {
    CommandLine line;
    const auto find = [&](const std::string& name) {
        return std::find_if(known.begin(), known.end(), [&](const KnownOption& o) {
            return name == o.name || (o.shortName && name == o.shortName);
        });
    };
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
        // The value of the last option read, when it needs one: what follows it, or the next argument.
        const auto takeValue = [&](const KnownOption& option, std::optional<std::string> value) {
            if (!value && i + 1 < args.size()) {
                value = args[++i];
            }
            if (!value) {
                line.error = std::string(option.name) + " needs " + option.value;
                return false;
            }
            line.options.emplace_back(option.name, *value);
            return true;
        };
        if (arg.rfind("--", 0) == 0) {
            const auto equals = arg.find('=');
            const auto option = find(arg.substr(0, equals));
            // A switch given a value is no option of this program.
            if (option == known.end() || (!option->value && equals != std::string::npos)) {
                line.error = "unknown option '" + arg + "'";
                return line;
            }
            if (!option->value) {
                line.options.emplace_back(option->name, "");
            } else if (!takeValue(*option, equals == std::string::npos ? std::optional<std::string>()
                                                                       : arg.substr(equals + 1))) {
                return line;
            }
            continue;
        }
        // Short options bundle: "-ys1M" is -y, then -s with the rest of the argument as its value.
        for (std::size_t at = 1; at < arg.size(); ++at) {
            const auto option = find(std::string("-") + arg[at]);
            if (option == known.end()) {
                line.error = "unknown option '-" + arg.substr(at, 1) + "'";
                return line;
            }
            if (!option->value) {
                line.options.emplace_back(option->name, "");
                continue;
            }
            if (!takeValue(*option, at + 1 < arg.size() ? std::optional<std::string>(arg.substr(at + 1))
                                                        : std::nullopt)) {
                return line;
            }
            break;
        }
    }
    return line;
}

std::string UsageError(const char* program, const std::string& error) {
    return std::string(program) + ": " + error + "\nTry '" + program + " --help' for more information.\n";
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

bool IsTerminal(int stream) {
#ifdef _WIN32
    return _isatty(stream) != 0;
#else
    return ::isatty(stream) != 0;
#endif
}

} // namespace parvola
