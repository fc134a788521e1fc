// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/readme_file.h"

#include "engine/maker.h"
#include "engine/naming.h"
#include "platform/upper_case.h"

#include <memory>

namespace parvola {

FileStatus WriteReadme(FileSystem& files, const std::string& workingFolder, const std::string& diskFolder,
                       const std::string& baseName, const std::string& checksumName, unsigned permissions) {
    const std::string scriptStem =
        diskFolder.empty() ? JoinPath(workingFolder, baseName) : diskFolder + baseName;
    const std::string checksums =
        checksumName.empty()
            ? std::string()
            : "\r\n" + checksumName +
                  " beside it holds a SHA-256 checksum of every piece and of the joined file. To check them, "
                  "run: sha256sum -c " +
                  checksumName + "\r\n";
    const std::string text =
        std::string(kReadmeTitle) + "\r\n" + std::string(36, '=') +
        "\r\n"
        "\r\n"
        "If you split to diskettes or you do not have all of the files in the same directory for some other "
        "reason, you will first need to copy all of the files that were put onto the disks by Parvola to a "
        "temporary directory for rejoining.\r\n"
        "\r\n"
        "Once the files are all in the same directory, you can just run the Batch file (it will be "
        "<filename>.bat - see below) that Parvola created for you (it can be found on the last disk if you "
        "split to disks).\r\n"
        "\r\n"
        "The batch file name for this split file is:\r\n" +
        UpperCase(scriptStem) +
        ".BAT\r\n"
        "The above file can be found in the folder this Readme is in.\r\n" +
        checksums +
        "\r\n"
        "If you run into any problems, please visit our web site or contact us by email:\r\n" +
        kMakerWebAddress + "\r\n" + kMakerEmail + "\r\n";

    std::unique_ptr<OutputFile> file;
    if (auto error = files.CreateReplacing(JoinPath(workingFolder, kReadmeName), permissions, file)) {
        return error;
    }
    auto error = file->Write(text.data(), text.size());
    auto closeError = file->Close();
    return error ? error : closeError;
}

} // namespace parvola
