#include "platform/widgets/messagedialog.h"
#include "support/scriptedmessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {

// What the user saw in a real box before pressing a button.
struct Seen {
    QString title;
    QStringList buttonTexts;
    QString focusedText;
    QThread* thread = nullptr;
};

QStringList TextsOf(const QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts.append(button->text());
    texts.sort();
    return texts;
}

// Waits for the next real message box, records it and presses the button with
// the given text once the box has the keyboard focus.
void PressWhenShown(const QString& buttonText, Seen* seen)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, buttonText, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !QApplication::focusWidget())
            return;
        timer->stop();
        timer->deleteLater();
        seen->title = box->windowTitle();
        seen->buttonTexts = TextsOf(box);
        if (auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget()))
            seen->focusedText = focused->text();
        seen->thread = box->thread();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        box->reject();
    });
    timer->start();
}

} // namespace

TEST(MessageDialog, CaptionAndIconFollowTheKind)
{
    struct Case {
        MsgDlgType type;
        QString title;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MsgDlgType::Warning, "Uyarı", QMessageBox::Warning},
        {MsgDlgType::Error, "Hata", QMessageBox::Critical},
        {MsgDlgType::Information, "Bilgi", QMessageBox::Information},
        {MsgDlgType::Confirmation, "Soru", QMessageBox::Question},
        {MsgDlgType::Custom, QGuiApplication::applicationDisplayName(), QMessageBox::NoIcon},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QMessageBox> box(
            messagedialog::BuildMessageBox("metin", c.type, mbOK, mbOK));
        EXPECT_EQ(box->windowTitle(), c.title);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->text(), "metin");
    }
}

TEST(MessageDialog, EveryButtonHasItsTurkishTextAndResult)
{
    const MsgDlgButtons all = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore
        | mbAll | mbNoToAll | mbYesToAll | mbHelp;
    std::unique_ptr<QMessageBox> box(
        messagedialog::BuildMessageBox("x", MsgDlgType::Confirmation, all, mbYes));
    QStringList expected{"Evet", "Hayır", "Tamam", "Vazgeç", "İptal", "Tekrar", "Atla",
                         "Tümü", "Tümüne Hayır", "Tümüne Evet", "Yardım"};
    expected.sort();
    EXPECT_EQ(TextsOf(box.get()), expected);
    EXPECT_EQ(messagedialog::ResultOfButton(mbNoToAll), mrNoToAll);
    EXPECT_EQ(messagedialog::ResultOfButton(mbAll), mrAll);
}

TEST(MessageDialog, NoticeShowsOnlyTamam)
{
    Seen seen;
    PressWhenShown("Tamam", &seen);
    const int result = ShowMessageDialog("Lütfen en az 3 harf giriniz !", MsgDlgType::Warning,
                                         mbOK, mbOK);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(seen.title, "Uyarı");
    EXPECT_EQ(seen.buttonTexts, QStringList{"Tamam"});
    EXPECT_EQ(seen.focusedText, "Tamam");
}

TEST(MessageDialog, QuestionFocusesTheNamedDefault)
{
    struct Case {
        MsgDlgBtn defaultButton;
        QString focused;
        QString press;
        int result;
    };
    const Case cases[] = {
        {mbYes, "Evet", "Hayır", mrNo},
        {mbNo, "Hayır", "Evet", mrYes},
    };
    for (const Case& c : cases) {
        Seen seen;
        PressWhenShown(c.press, &seen);
        const int result = ShowMessageDialog("Satırı silmek istiyor musunuz ",
                                             MsgDlgType::Confirmation, mbYes | mbNo,
                                             c.defaultButton);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(seen.title, "Soru");
        EXPECT_EQ(seen.buttonTexts, (QStringList{"Evet", "Hayır"}));
        EXPECT_EQ(seen.focusedText, c.focused);
    }
}

TEST(MessageDialog, ClosedWithoutAButtonIsNotYes)
{
    Seen seen;
    PressWhenShown("no such button", &seen); // rejects the box
    EXPECT_EQ(ShowMessageDialog("?", MsgDlgType::Confirmation, mbYes | mbNo, mbYes), mrCancel);
}

TEST(MessageDialog, WorkerThreadCallIsShownOnTheMainThread)
{
    Seen seen;
    PressWhenShown("Evet", &seen);
    std::atomic<int> result{-1};
    std::thread worker([&] {
        result = ShowMessageDialog("Devam?", MsgDlgType::Confirmation, mbYes | mbNo, mbNo);
    });
    QTRY_VERIFY_WITH_TIMEOUT(result != -1, 30000);
    worker.join();
    EXPECT_EQ(result, mrYes);
    EXPECT_EQ(seen.thread, QApplication::instance()->thread());
}

TEST(MessageDialog, ResponderAnswersWithoutABox)
{
    ScriptedMessages messages;
    messages.answer(mrNo);
    EXPECT_EQ(ShowMessageDialog("Emin misiniz?", MsgDlgType::Confirmation, mbYes | mbNo, mbYes),
              mrNo);
    // Nothing queued: the default button is pressed; a worker's call comes
    // back through the main thread too.
    std::atomic<int> result{-1};
    std::thread worker([&] {
        result = ShowMessageDialog("Hata oluştu", MsgDlgType::Error, mbOK, mbOK);
    });
    QTRY_VERIFY_WITH_TIMEOUT(result != -1, 30000);
    worker.join();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.shown()[0].text, "Emin misiniz?");
    EXPECT_EQ(messages.shown()[0].buttons, mbYes | mbNo);
    EXPECT_EQ(messages.shown()[0].defaultButton, mbYes);
    EXPECT_EQ(messages.last().type, MsgDlgType::Error);
}
