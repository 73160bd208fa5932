#include "platform/widgets/filedialogs.h"
#include "support/scriptedfiledialogs.h"

#include <gtest/gtest.h>

TEST(FileDialogs, ScriptedNamesInOrderThenCancelled)
{
    ScriptedFileDialogs dialogs;
    dialogs.answer("/tmp/sepet.xlsx");
    EXPECT_EQ(filedialogs::GetSaveFileName(nullptr, "Kaydet", "sepet.xlsx", "Excel (*.xlsx)"),
              "/tmp/sepet.xlsx");
    EXPECT_EQ(filedialogs::GetOpenFileName(nullptr, "Aç", "", ""), QString());

    ASSERT_EQ(dialogs.requests().size(), 2);
    EXPECT_EQ(dialogs.requests()[0].kind, filedialogs::DialogKind::Save);
    EXPECT_EQ(dialogs.requests()[0].suggestedName, "sepet.xlsx");
    EXPECT_EQ(dialogs.requests()[0].filter, "Excel (*.xlsx)");
    EXPECT_EQ(dialogs.requests()[1].kind, filedialogs::DialogKind::Open);
}
