// The rejoin script and the readme a split leaves beside its pieces, byte for byte.
#include "split_fixture.h"

#include "engine/maker.h"

namespace parvola::test {
namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kAddressLine = std::string("echo      ") + kMakerWebAddress + "     ";

using FinishingFiles = SplitFixture;

TEST_F(FinishingFiles, ScriptForThreePiecesAppendsThenCopiesThenDeletes) {
    const auto source = MakeSource("report.doc", 3000000);
    WriteBytes(dest + "/report.doc.bat", std::string(5000, 'x'));

    EXPECT_TRUE(Split(source, 1440000));

    EXPECT_EQ(ReadBytes(dest + "/report.doc.bat"),
              Lines({"@echo off", "echo Created with Orvane Parvola", kAddressLine, "echo.",
                     "call copy /b \"report.doc.001\"+\"report.doc.002\" \"report.doc.001\"",
                     "call copy /b \"report.doc.001\"+\"report.doc.003\" \"report.doc.001\"",
                     "call copy /b \"report.doc.001\" \"report.doc\"", "del \"report.doc.001\"",
                     "del \"report.doc.002\"", "del \"report.doc.003\"", "echo.", "echo Done!"}));
}

TEST_F(FinishingFiles, ScriptForOnePieceCopiesItToTheName) {
    const auto source = MakeSource("My Holiday.mov", 1000);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(ReadBytes(dest + "/My Holiday.mov.bat"),
              Lines({"@echo off", "echo Created with Orvane Parvola", kAddressLine, "echo.",
                     "call copy /b \"My Holiday.mov.001\" \"My Holiday.mov\"", "del \"My Holiday.mov.001\"",
                     "echo.", "echo Done!"}));
}

TEST_F(FinishingFiles, ShortNamesJoinIntoTheCutName) {
    settings.values["chk83"] = "1";
    const auto source = MakeSource("Annual Report.doc", 2000);

    EXPECT_TRUE(Split(source, 1000));

    const auto script = ReadBytes(dest + "/Annual R.bat");
    EXPECT_NE(script.find("\r\ncall copy /b \"Annual R.001\" \"Annual R\"\r\n"), std::string::npos);
}

TEST_F(FinishingFiles, ReadmeNamesTheScriptInCapitals) {
    const auto source = MakeSource("report.doc", 1000);

    EXPECT_TRUE(Split(source, 1000));

    std::string upperDest = dest;
    for (auto& c : upperDest) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(
        ReadBytes(dest + "/Readme.txt"),
        Lines({"Joining Files Split with Parvola", "====================================", "",
               "If you split to diskettes or you do not have all of the files in the same directory for some "
               "other reason, you will first need to copy all of the files that were put onto the disks by "
               "Parvola to a temporary directory for rejoining.",
               "",
               "Once the files are all in the same directory, you can just run the Batch file (it will be "
               "<filename>.bat - see below) that Parvola created for you (it can be found on the last disk "
               "if you split to disks).",
               "", "The batch file name for this split file is:", upperDest + "/REPORT.DOC.BAT",
               "The above file can be found in the folder this Readme is in.", "",
               "If you run into any problems, please visit our web site or contact us by email:",
               kMakerWebAddress, kMakerEmail}));
    EXPECT_EQ(settings.values["optReadme"], "0");
}

TEST_F(FinishingFiles, ReadmeOffLeavesNoReadme) {
    settings.values["optReadme"] = "1";
    const auto source = MakeSource("report.doc", 1000);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(DestNames(), (std::vector<std::string>{"report.doc.001", "report.doc.bat"}));
    EXPECT_EQ(settings.values["optReadme"], "1");
}

} // namespace
} // namespace parvola::test
