// What becomes of the source after a complete split, for every stored cleanup value.
#include "split_fixture.h"

namespace parvola::test {
namespace {

using AfterTheSplit = SplitFixture;

const std::string kQuestionStart = "Would you like to delete the source file?\r\n\r\n";

struct Cleanup {
    std::optional<std::string> stored;
    std::optional<bool> answer; // no value: no question expected
    bool deleted;
    std::string storedAfter;
};

void PrintTo(const Cleanup& row, std::ostream* os) {
    *os << "optClean " << row.stored.value_or("missing")
        << (row.answer ? (*row.answer ? ", Yes" : ", No") : "");
}

class SourceCleanup : public SplitFixture, public ::testing::WithParamInterface<Cleanup> {};

TEST_P(SourceCleanup, FollowsTheStoredChoice) {
    settings.values.erase("optClean");
    if (GetParam().stored) {
        settings.values["optClean"] = *GetParam().stored;
    }
    if (GetParam().answer) {
        ui.Answer({*GetParam().answer});
    }
    const auto source = MakeSource("report.doc", 2000);

    EXPECT_TRUE(Split(source, 1000));

    const auto texts = ui.Texts();
    if (GetParam().answer) {
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].rfind(kQuestionStart, 0), 0u);
        EXPECT_EQ(ui.calls()[ui.calls().size() - 3].kind, ScriptedUi::Kind::Question);
    } else {
        EXPECT_EQ(texts.size(), 1u);
    }
    EXPECT_EQ(texts.back(), "Completed splitting files.");
    EXPECT_EQ(Exists(source), !GetParam().deleted);
    EXPECT_EQ(settings.values["optClean"], GetParam().storedAfter);
}

INSTANTIATE_TEST_SUITE_P(Values, SourceCleanup,
                         ::testing::Values(Cleanup{"0", std::nullopt, true, "0"},
                                           Cleanup{"1", true, true, "1"}, Cleanup{"1", false, false, "1"},
                                           Cleanup{"2", std::nullopt, false, "2"},
                                           Cleanup{std::nullopt, false, false, "1"},
                                           Cleanup{"7", true, true, "1"}, Cleanup{"abc", false, false, "1"},
                                           Cleanup{"", false, false, "1"},
                                           Cleanup{"1.0", std::nullopt, false, "1.0"}));

TEST_F(AfterTheSplit, CleanupQuestionNamesTheSource) {
    settings.values["optClean"] = "1";
    ui.Answer({false});
    const auto source = MakeSource("report.doc", 1000);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(ui.Texts()[0],
              kQuestionStart +
                  "Note: You can edit the Options under the file menu so that the source is always "
                  "deleted, never deleted, or you get this prompt.\r\n\r\nSource file name: " +
                  source);
    EXPECT_EQ(ui.calls()[ui.calls().size() - 4].value, 100);
}

TEST_F(AfterTheSplit, SourceThatGrewDuringTheSplitIsKept) {
    settings.values["optClean"] = "0";
    const auto source = MakeSource("report.doc", 2000);

    // The pieces hold 2000 bytes, but the source now has more: deleting it would lose the rest.
    class GrowingUi final : public SplitUi {
    public:
        explicit GrowingUi(std::string path) : m_path(std::move(path)) {}
        void ShowMessage(const std::string&, MessageIcon) override {}
        bool AskYesNo(const std::string&, MessageIcon) override { return true; }
        void ShowProgress() override { WriteBytes(m_path, PatternBytes(2000) + "more"); }
        void SetProgress(int) override {}
        void HideProgress() override {}

    private:
        std::string m_path;
    } growing(source);
    request = SplitRequest{source, dest, 1000};
    EXPECT_TRUE(SplitFile(request, growing, settings, platform));

    EXPECT_TRUE(Exists(source));
    EXPECT_EQ(ReadBytes(dest + "/report.doc.002").size(), 1000u);
}

} // namespace
} // namespace parvola::test
