// The Help menu's control-code document windows (the language chooses the edition; keys and
// wheel scroll; the column is centred on resize; closing resets the size) and the Lock menu's
// input-FIR access dialog (the code "2963" shows the input graphs' curve selectors, any other
// is refused), each reached through the program's menus and windows.
// With QX_SCREENSHOT_DIR set the document windows are kept there, scrolled and widened.

#include "ConnectionGuard.h"
#include "PumpUntil.h"
#include "WindowSystemInput.h"
#include "app/FInFirPassWord.h"
#include "app/FMain.h"
#include "app/FRs232Code.h"
#include "app/SmallWindows.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvOfficeImage.h"
#include "controls/skinned/RTFLabel.h"
#include "platform/gui/Application.h"
#include "platform/gui/Edit.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

template <class T = TControl>
T* find(const std::string& name)
{
    return qx::findComponent<T>(*fmMain, name);
}

// A step of a script; a step that opens a modal window arms the next step before it runs,
// so that the next step acts inside that window's loop.
struct Step
{
    template <class F>
    Step(F f, bool modal = false) : run(std::move(f)), opensModal(modal) // NOLINT: steps are written as lambdas
    {
    }
    std::function<void()> run;
    bool opensModal;
};

template <class F> Step opening(F run) { return Step(std::move(run), true); }

// Steps run one after the other from timers while the loop runs; the last ends the loop.
class Steps
{
public:
    explicit Steps(std::vector<Step> steps) : steps_(std::move(steps)) { arm(0); }
    std::size_t done() const { return done_; }

private:
    void arm(std::size_t i)
    {
        if (i >= steps_.size()) {
            Application->Terminate();
            return;
        }
        auto timer = std::make_unique<TTimer>(nullptr);
        timer->SetInterval(5);
        TTimer* t = timer.get();
        timer->OnTimer = [this, t, i](TObject*) {
            t->SetEnabled(false);
            if (steps_[i].opensModal)
                arm(i + 1);
            steps_[i].run();
            ++done_;
            if (!steps_[i].opensModal)
                arm(i + 1);
        };
        timers_.push_back(std::move(timer));
        t->SetEnabled(true);
    }
    std::vector<Step> steps_;
    std::vector<std::unique_ptr<TTimer>> timers_;
    std::size_t done_ = 0;
};

void key(TForm& window, Qt::Key k)
{
    window.Widget()->winId();
    QTest::keyClick(window.Widget()->windowHandle(), k);
}

// A wheel turn of one notch over a point of a control.
void wheel(TControl& over, int notches)
{
    QWidget* widget = over.Widget();
    const QPointF at(widget->width() / 2.0, 10);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

void keepScreenshot(TForm& window, const std::string& name)
{
    if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
        Application->ProcessMessages();
        window.Widget()->grab().toImage().save(QString::fromStdString(std::string(dir) + "/" + name), "PNG");
    }
}

int vertical(TForm& window) { return window.Scroller().Position(true); }

// A new outer width, as the window system reports it back.
void resize(TForm& window, int width)
{
    window.SetWidth(width);
    qx::test::pumpUntil([&] { return window.Widget()->width() == width && window.Width() == width; },
                        "the window's new width");
}

void checkColumn(TRs232CodeWindow& window, int left)
{
    EXPECT_EQ(window.RTFLabel->Left(), left) << window.Width();
    for (TAdvOfficeImage* picture : window.Pictures())
        EXPECT_EQ(picture->Left(), left) << window.Width();
}

// Scrolls and resizes an open document window through the window system and checks it.
void exerciseDocument(TRs232CodeWindow& window, const std::string& shot)
{
    ASSERT_TRUE(window.Visible());
    ASSERT_TRUE(window.Modal());
    window.Scroller().SetPosition(true, 0);
    Application->ProcessMessages();
    keepScreenshot(window, shot + ".png");
    const int height = window.Height();
    key(window, Qt::Key_Down);
    EXPECT_EQ(vertical(window), 30);
    key(window, Qt::Key_PageDown);
    EXPECT_EQ(vertical(window), 30 + height) << "by the outer height";
    key(window, Qt::Key_Up);
    EXPECT_EQ(vertical(window), height);
    key(window, Qt::Key_PageUp);
    EXPECT_EQ(vertical(window), 0);
    key(window, Qt::Key_PageUp);
    EXPECT_EQ(vertical(window), 0) << "clamped";
    wheel(*window.RTFLabel, -1);
    EXPECT_EQ(vertical(window), 30) << "wheel down over the text";
    wheel(*window.AdvOfficeImage2, -1);
    EXPECT_EQ(vertical(window), 60) << "wheel down over a picture";
    wheel(*window.RTFLabel, 1);
    EXPECT_EQ(vertical(window), 30);
    for (int i = 0; i < 100; ++i)
        key(window, Qt::Key_PageDown);
    const int bottom = vertical(window);
    EXPECT_GT(bottom, 700) << "the column is taller than the window";
    EXPECT_EQ(bottom, window.Scroller().Position(true));
    keepScreenshot(window, shot + "-end.png");

    window.Scroller().SetPosition(true, 0);
    resize(window, 900);
    checkColumn(window, 125);
    keepScreenshot(window, shot + "-wide.png");
    resize(window, 760);
    checkColumn(window, 55);
    resize(window, 700);
    checkColumn(window, 50);
    window.SetWindowState(wsMaximized);
    Application->ProcessMessages();
    window.Close();
}

TEST(DocumentWindows, HelpShowsTheEditionOfTheLanguageScrollsAndCentres)
{
    qx::test::startProgram();
    find<TTimer>("tmStartConnect")->SetEnabled(false);
    ASSERT_NE(fmRs232Code, nullptr);
    ASSERT_NE(fmRs232CodeEnglish, nullptr);
    EXPECT_EQ(fmRs232CodeEnglish->Caption(), "RS232 Protocal Code");
    EXPECT_EQ(fmRs232Code->Caption(), "232\u901a\u8baf\u534f\u8bae\u63a7\u5236\u4ee3\u7801");
    EXPECT_EQ(fmRs232CodeEnglish->Width(), 754);
    EXPECT_EQ(fmRs232CodeEnglish->Height(), 662);
    EXPECT_EQ(fmRs232Code->Width(), 745);
    EXPECT_EQ(fmRs232Code->Height(), 671);
    for (TRs232CodeWindow* window : {static_cast<TRs232CodeWindow*>(fmRs232Code),
                                     static_cast<TRs232CodeWindow*>(fmRs232CodeEnglish)})
        for (TAdvOfficeImage* picture : window->Pictures()) {
            EXPECT_FALSE(picture->Picture().Empty()) << picture->Name();
            EXPECT_EQ(picture->Picture().Width(), 630) << picture->Name();
            EXPECT_EQ(picture->Picture().Height(), picture->Height()) << picture->Name();
        }
    EXPECT_FALSE(fmRs232CodeEnglish->RTFLabel->RichText().empty());
    EXPECT_FALSE(fmRs232Code->RTFLabel->RichText().empty());

    std::vector<Step> steps;
    steps.push_back(opening([] { find<TMenuItem>("Rs232Code")->Click(); })); // English: the English edition
    steps.push_back([] {
        EXPECT_FALSE(fmRs232Code->Visible());
        exerciseDocument(*fmRs232CodeEnglish, "rs232-english");
    });
    steps.push_back([] {
        EXPECT_FALSE(fmRs232CodeEnglish->Visible());
        EXPECT_EQ(fmRs232CodeEnglish->Width(), 755) << "closing resets the size";
        EXPECT_EQ(fmRs232CodeEnglish->Height(), 666);
        EXPECT_EQ(fmRs232CodeEnglish->WindowState(), wsNormal);
        find<TMenuItem>("ChineseSimplified")->Click();
        EXPECT_NE(fmMain->Language, "English");
    });
    steps.push_back(opening([] { find<TMenuItem>("Rs232Code")->Click(); })); // another language: Chinese
    steps.push_back([] {
        EXPECT_FALSE(fmRs232CodeEnglish->Visible());
        exerciseDocument(*fmRs232Code, "rs232-chinese");
    });
    steps.push_back([] {
        EXPECT_FALSE(fmRs232Code->Visible());
        EXPECT_EQ(fmRs232Code->Width(), 755);
        EXPECT_EQ(fmRs232Code->Height(), 666);
    });
    Steps run(std::move(steps));
    Application->Run();
    EXPECT_EQ(run.done(), 6U);
    qx::test::endProgram();
}

TEST(InputFirAccess, TheCodeShowsTheSelectorsOthersAreRefused)
{
    qx::test::startProgram();
    find<TTimer>("tmStartConnect")->SetEnabled(false);
    const std::vector<std::string> selectors = {"rzgFftShowCurveInA", "rzgFftShowCurveInB", "rzgFftShowCurveInC",
                                                "rzgFftShowCurveInD"};
    for (const std::string& name : selectors)
        EXPECT_FALSE(find(name)->Visible()) << name;
    ASSERT_TRUE(find<TMenuItem>("InFir")->Visible());

    std::vector<Step> steps;
    steps.push_back(opening([] { find<TMenuItem>("InFir")->Click(); }));
    // OK without typing compares "****" and fails: the information dialog says so.
    steps.push_back([] {
        ASSERT_TRUE(fmInFirPassWord->Visible());
        EXPECT_EQ(fmInFirPassWord->Caption(), "Input FIR Setting");
        EXPECT_EQ(fmInFirPassWord->lbInFirPassword->Caption(), "Input FIR Password");
        EXPECT_EQ(fmInFirPassWord->edName->Text(), "****");
    });
    steps.push_back(opening([] { qx::test::clickThroughWindow(*fmInFirPassWord->btnOK); }));
    steps.push_back([] {
        ASSERT_TRUE(fmInformation->Visible());
        EXPECT_EQ(fmInformation->lbMessage->Caption(), "Password Error!!");
        qx::test::clickThroughWindow(*fmInformation->btnOK);
    });
    // A wrong code typed and sent with OK; at most four characters are taken.
    steps.push_back([] {
        EXPECT_FALSE(fmInformation->Visible());
        EXPECT_EQ(fmInformation->lbMessage->Caption(), "You Must Connect First !!");
        ASSERT_TRUE(fmInFirPassWord->Visible());
        fmInFirPassWord->edName->SetFocus();
        fmInFirPassWord->edName->SelectAll();
        qx::test::typeThroughWindow(*fmInFirPassWord->edName, "296345");
        EXPECT_EQ(fmInFirPassWord->edName->Text(), "2963") << "four characters at most";
        fmInFirPassWord->edName->SelectAll();
        qx::test::typeThroughWindow(*fmInFirPassWord->edName, "1234");
    });
    steps.push_back(opening([] { qx::test::clickThroughWindow(*fmInFirPassWord->btnOK); }));
    steps.push_back([] {
        ASSERT_TRUE(fmInformation->Visible());
        EXPECT_EQ(fmInformation->lbMessage->Caption(), "Password Error!!");
        qx::test::clickThroughWindow(*fmInformation->btnOK);
    });
    steps.push_back([] {
        EXPECT_TRUE(fmInFirPassWord->Visible()) << "stays open for another try";
        EXPECT_EQ(fmInFirPassWord->edName->Text(), "1234");
        fmInFirPassWord->edName->SetFocus();
        fmInFirPassWord->edName->SelectAll();
        qx::test::typeThroughWindow(*fmInFirPassWord->edName, "2963");
        EXPECT_EQ(fmInFirPassWord->edName->Text(), "2963");
        key(*fmInFirPassWord, Qt::Key_Return);
    });
    steps.push_back([selectors] {
        EXPECT_FALSE(fmInFirPassWord->Visible());
        for (const std::string& name : selectors)
            EXPECT_TRUE(find(name)->Visible()) << name;
        EXPECT_FALSE(find<TMenuItem>("InFir")->Visible());
        for (const char* k : {"rbShowEqInA", "rbShowFirInB", "rbShowEqFirInD"})
            EXPECT_NE(find(k), nullptr) << k;
    });
    Steps run(std::move(steps));
    Application->Run();
    EXPECT_EQ(run.done(), 9U);
    qx::test::endProgram();
}

} // namespace
