#pragma once

#include "platform/drives.h"

#include <vector>

namespace parvola::test {

// Every folder lies on one drive of the chosen type.
class FakeDrives final : public Drives {
public:
    explicit FakeDrives(DriveType type = DriveType::Fixed) : type(type) {}

    std::string DriveOf(const std::string& path) override {
        asked.push_back(path);
        return "/";
    }
    DriveType TypeOf(const std::string&) override { return type; }

    DriveType type;
    std::vector<std::string> asked;
};

} // namespace parvola::test
