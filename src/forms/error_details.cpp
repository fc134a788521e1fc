// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/error_details.h"

#include <cctype>

namespace parvola {

std::string WithFailureNamed(const std::string& text, const FailureLog& failures) {
    // "Error: 61", an empty line, then the description, each ended by CR LF but the last.
    const std::string prefix = "Error: ";
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
        const std::size_t numberEnd = text.find("\r\n\r\n", at);
        if (numberEnd == std::string::npos || (at > 0 && text.compare(at - 2, 2, "\r\n") != 0)) {
            continue;
        }
        const std::string number = text.substr(at + prefix.size(), numberEnd - at - prefix.size());
        if (number.empty() || number.size() > 4 ||
            number.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::size_t descriptionStart = numberEnd + 4;
        const std::size_t descriptionEnd = text.find("\r\n", descriptionStart);
        const std::string description = text.substr(descriptionStart, descriptionEnd - descriptionStart);
        if (auto told = failures.Describe(std::stoi(number), description)) {
            (*told)[0] = static_cast<char>(std::toupper(static_cast<unsigned char>((*told)[0])));
            return text + "\r\n" + *told;
        }
    }
    return text;
}

std::string FolderFailure(const std::string& folder, const FileError& error) {
    return folder + ": " + (error.cause.empty() ? error.description : error.cause);
}

} // namespace parvola
