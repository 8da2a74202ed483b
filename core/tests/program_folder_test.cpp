// The paths built from the program folder and the own call.
#include "core/program_folder.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

TEST(ProgramFolder, OwnCallFilesStayInTheirFolderWhateverTheCall) {
    const ProgramFolder folder("/op");
    const struct {
        const char* call;
        const char* stem;
    } cases[] = {
        {"DL1XYZ", "DL1XYZ"},          //
        {"DL/UA9XXX", "DL_UA9XXX"},    // a guest station
        {"UA9XXX/P", "UA9XXX_P"},      //
        {"W1AW/4", "W1AW_4"},          //
        {"A\\B:C*D?E\"F<G>H|I", "A_B_C_D_E_F_G_H_I"},  // every character Windows refuses
        {"", ""},                      //
    };
    for (const auto& [call, stem] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(CallFileStem(call), stem);
        EXPECT_EQ(folder.ContestLogPath(call), std::filesystem::path("/op") / (std::string(stem) + ".cbr"));
        EXPECT_EQ(folder.ContestIndexCallPath(call), std::filesystem::path("/op/database") / (std::string(stem) + ".idx"));
        EXPECT_EQ(folder.ContestIndexRecordPath(call).filename(), std::string(stem) + ".bdx");
    }
}

TEST(ProgramFolder, PathsReadAsTypedWithoutDotSegments) {
    const struct {
        const char* root;
        const char* log;
    } cases[] = {
        {"/home/op/.", "/home/op/DL1XYZ.cbr"},
        {"/home/op/./contest/", "/home/op/contest/DL1XYZ.cbr"},
        {"/home/op/old/../new", "/home/op/new/DL1XYZ.cbr"},
        {"/", "/DL1XYZ.cbr"},
        {"relative/.", "relative/DL1XYZ.cbr"},
    };
    for (const auto& [root, log] : cases) {
        SCOPED_TRACE(root);
        EXPECT_EQ(ProgramFolder(root).ContestLogPath("DL1XYZ").string(), log);
    }
    EXPECT_EQ(ProgramFolder("/home/op/.").Root().string(), "/home/op");
}

}  // namespace
}  // namespace tallyhawk
