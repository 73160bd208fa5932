#include "app/tform1.h"
#include "app/visualstyle.h"
#include "support/scriptedmessages.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// Leaves the application's look as the other tests expect it.
struct StyleSheetReset {
    QFont font = QApplication::font();
    ~StyleSheetReset()
    {
        qApp->setStyleSheet(QString());
        QApplication::setFont(font);
    }
};

} // namespace

TEST(VisualStyle, VelkoraComesFromTheResourcesAndKeepsTheShellFont)
{
    StyleSheetReset reset;
    ScriptedMessages messages;
    EXPECT_TRUE(ApplyVisualStyle("velkora"));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_FALSE(qApp->styleSheet().isEmpty());

    TForm1 window;
    window.show();
    // Inside a styled panel and inside a tab page alike.
    auto* pageLabel = new QLabel("x", window.sPageControl1->widget(0));
    pageLabel->show();
    for (QWidget* widget : {static_cast<QWidget*>(window.findChild<QLabel*>("caption1")),
                            static_cast<QWidget*>(pageLabel)}) {
        const QFontInfo font(widget->font());
        EXPECT_TRUE(font.bold());
        EXPECT_EQ(font.pixelSize(), 13);
    }
}

TEST(VisualStyle, MissingStyleIsReportedAndTheDefaultLookStays)
{
    StyleSheetReset reset;
    ScriptedMessages messages;
    EXPECT_FALSE(ApplyVisualStyle("olmayan"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().type, MsgDlgType::Error);
    EXPECT_EQ(messages.last().buttons, MsgDlgButtons(mbOK));
    EXPECT_TRUE(messages.last().text.contains("olmayan"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}
