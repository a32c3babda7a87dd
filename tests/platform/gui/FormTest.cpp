#include "PumpUntil.h"
#include "TestControls.h"
#include "WindowSystemInput.h"

#include "platform/gui/Button.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Memo.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollBar>

#include <clocale>
#include <cstring>
#include <memory>

namespace {

// The window system's close box.
void pressCloseBox(TForm& form)
{
    QCloseEvent close;
    QApplication::sendEvent(form.Widget(), &close);
}

struct CloseCase
{
    const char* name;
    bool canClose;
    TCloseAction action;
    bool visibleAfter;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

const CloseCase kCloseCases[] = {
    {"default action hides", true, caHide, false},
    {"OnCloseQuery refuses", false, caHide, true},
    {"caNone keeps the form", true, caNone, true},
    {"caMinimize keeps it shown", true, caMinimize, true},
};

class CloseBoxTest : public ::testing::TestWithParam<CloseCase>
{
};

TEST_P(CloseBoxTest, DoesWhatTheHandlersSay)
{
    const CloseCase& c = GetParam();
    TForm form(nullptr);
    form.AfterConstruction();
    int queries = 0, closes = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = c.canClose;
    };
    form.OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        EXPECT_EQ(action, caHide) << "the action offered is caHide";
        action = c.action;
    };
    form.Show();
    pressCloseBox(form);
    EXPECT_EQ(queries, 1);
    EXPECT_EQ(closes, c.canClose ? 1 : 0);
    EXPECT_EQ(form.Visible(), c.visibleAfter);
    EXPECT_EQ(form.Widget()->isVisible(), c.visibleAfter) << "Qt does not hide the window by itself";
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseBoxTest, ::testing::ValuesIn(kCloseCases));

TEST(Modal, ModalResultFromAHandlerEndsTheLoopAfterCloseQuery)
{
    TForm dialog(nullptr);
    dialog.AfterConstruction();
    int queries = 0;
    dialog.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    TTimer press(nullptr);
    press.SetInterval(1);
    press.OnTimer = [&](TObject*) { dialog.SetModalResult(mrOk); }; // the OK button, twice
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(queries, 2) << "a refused close keeps the modal loop running";
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Modal());
}

TEST(Modal, EscDoesNotCloseADialogAndTheCloseBoxGivesCancel)
{
    registerTestClasses();
    TTestForm dialog(nullptr);
    dialog.AfterConstruction();
    int escapes = 0;
    dialog.OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        if (key != VK_ESCAPE)
            return;
        ++escapes;
        pressCloseBox(dialog);
    };
    dialog.OnShow = [&](TObject*) { pressKey(&dialog, Qt::Key_Escape); };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(escapes, 1);
}

TEST(Modal, OnActivateRunsWhenTheDialogComesUp)
{
    TForm dialog(nullptr);
    dialog.AfterConstruction();
    std::vector<std::string> events;
    dialog.OnShow = [&](TObject*) { events.push_back("show"); };
    dialog.OnActivate = [&](TObject*) {
        events.push_back("activate");
        dialog.SetModalResult(mrOk);
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "activate"}));
}

// A form with one button that counts its clicks.
struct ClickableForm
{
    ClickableForm() : form(nullptr)
    {
        form.AfterConstruction();
        form.SetBounds(0, 0, 200, 120);
        button = new TButton(&form);
        button->SetParent(&form);
        button->SetBounds(20, 20, 80, 30);
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    TForm form;
    TButton* button = nullptr;
    int clicks = 0;
};

QWindow* windowOf(TForm& form) { return form.Widget()->windowHandle(); }

// Windows opened while a modal window runs, by Show or ShowModal, lie on top
// of it and take the user's clicks; a window that was open before stays
// blocked until the modal window closes.
TEST(Modal, AWindowOpenedFromAModalWindowIsOnTopOfItAndUsable)
{
    ClickableForm before;
    ClickableForm dialog;
    ClickableForm shown;
    ClickableForm nested;
    before.form.Show();
    std::vector<std::string> steps;
    TTimer script(nullptr);
    script.SetInterval(1);
    script.OnTimer = [&](TObject*) {
        script.SetEnabled(false);
        qx::test::clickThroughWindow(*before.button);
        shown.form.Show();
        qx::test::clickThroughWindow(*shown.button);
        steps.push_back(shown.form.Widget()->windowHandle()->transientParent() == windowOf(dialog.form)
                            ? "shown on top of the dialog"
                            : "shown elsewhere");
        TTimer inner(nullptr);
        inner.SetInterval(1);
        inner.OnTimer = [&](TObject*) {
            inner.SetEnabled(false);
            qx::test::clickThroughWindow(*nested.button);
            qx::test::clickThroughWindow(*shown.button); // blocked by the nested dialog
            steps.push_back(windowOf(nested.form)->transientParent() == windowOf(dialog.form)
                                ? "nested on top of the dialog"
                                : "nested elsewhere");
            nested.form.SetModalResult(mrOk);
        };
        inner.SetEnabled(true);
        nested.form.ShowModal();
        dialog.form.SetModalResult(mrOk);
    };
    script.SetEnabled(true);
    EXPECT_EQ(dialog.form.ShowModal(), mrOk);
    EXPECT_EQ(steps, (std::vector<std::string>{"shown on top of the dialog", "nested on top of the dialog"}));
    EXPECT_EQ(before.clicks, 0) << "the window open before the dialog was blocked";
    EXPECT_EQ(shown.clicks, 1) << "the window shown from the dialog took its click, and not while blocked";
    EXPECT_EQ(nested.clicks, 1);
    qx::test::clickThroughWindow(*before.button);
    EXPECT_EQ(before.clicks, 1) << "usable again once the dialog has closed";
}

// A dialog opened from a window that stays on top stays on top too (else a
// window manager stacks it beneath its opener); closing it hands the
// activation back to its opener.
TEST(Modal, ADialogOverAStayOnTopWindowStaysOnTopAndGivesTheActivationBack)
{
    ClickableForm opener;
    opener.form.SetFormStyle(fsStayOnTop);
    ClickableForm dialog;
    bool onTop = false;
    bool openerActiveAfter = false;
    TTimer script(nullptr);
    script.SetInterval(1);
    script.OnTimer = [&](TObject*) {
        script.SetEnabled(false);
        TTimer inner(nullptr);
        inner.SetInterval(1);
        inner.OnTimer = [&](TObject*) {
            inner.SetEnabled(false);
            onTop = dialog.form.Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            // Closed once the user has it: active (a window manager activates a moment after showing).
            qx::test::pumpUntil([&] { return dialog.form.Widget()->isActiveWindow(); }, "the dialog active");
            dialog.form.SetModalResult(mrOk);
        };
        inner.SetEnabled(true);
        dialog.form.ShowModal();
        openerActiveAfter = qx::test::pumpUntil([&] { return opener.form.Widget()->isActiveWindow(); },
                                                "the opener active again");
        opener.form.SetModalResult(mrOk);
    };
    script.SetEnabled(true);
    EXPECT_EQ(opener.form.ShowModal(), mrOk);
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(openerActiveAfter);
    dialog.form.Show(); // opened with no stay-on-top window beneath it
    EXPECT_FALSE(dialog.form.Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// With AutoScroll the bars come while the controls reach past the client
// area; the user's scrolling moves the controls, and switching AutoScroll
// off or making room brings them back.
TEST(FormScrolling, BarsReachEveryControlAndGoWhenNotNeeded)
{
    ClickableForm f;
    f.button->SetBounds(250, 180, 100, 60);
    qx::FormScroller& scroller = f.form.Scroller();
    EXPECT_FALSE(scroller.BarShown(true));
    EXPECT_FALSE(scroller.BarShown(false)) << "no bars without AutoScroll";

    f.form.SetAutoScroll(true);
    ASSERT_TRUE(scroller.BarShown(true));
    ASSERT_TRUE(scroller.BarShown(false));
    QScrollBar* down = scroller.Bar(true);
    QScrollBar* across = scroller.Bar(false);
    EXPECT_FALSE(down->isHidden());
    down->setValue(down->maximum());
    across->setValue(across->maximum());
    const int thickness = f.form.ClientWidth() - down->geometry().left();
    EXPECT_EQ(f.button->Left() + f.button->Width(), f.form.ClientWidth() - thickness) << "the right edge in view";
    EXPECT_EQ(f.button->Top() + f.button->Height(), f.form.ClientHeight() - thickness) << "the bottom edge in view";
    EXPECT_EQ(scroller.Position(false), 350 - (f.form.ClientWidth() - thickness));

    f.form.SetBounds(0, 0, 400, 300); // room for everything
    EXPECT_FALSE(scroller.BarShown(true));
    EXPECT_TRUE(down->isHidden());
    EXPECT_EQ(f.button->Left(), 250);
    EXPECT_EQ(f.button->Top(), 180);

    f.form.SetBounds(0, 0, 200, 120);
    down->setValue(30);
    EXPECT_EQ(f.button->Top(), 150);
    f.form.SetAutoScroll(false);
    EXPECT_EQ(f.button->Top(), 180) << "back in place without AutoScroll";
    EXPECT_TRUE(down->isHidden());
}

TEST(Focus, EnterAndExitFollowTheFocusInsideTheForm)
{
    registerTestClasses();
    TForm form(nullptr);
    auto* a = new TTestButton(&form);
    auto* b = new TTestButton(&form);
    std::string seen;
    for (auto [control, name] : {std::pair{a, "a"}, std::pair{b, "b"}}) {
        control->SetParent(&form);
        control->SetTabStop(true);
        control->OnEnter = [&seen, name = std::string(name)](TObject*) { seen += "enter " + name + " "; };
        control->OnExit = [&seen, name = std::string(name)](TObject*) { seen += "exit " + name + " "; };
    }
    form.OnActivate = [&](TObject*) {
        a->SetFocus();
        b->SetFocus();
        form.SetModalResult(mrOk);
    };
    form.AfterConstruction();
    form.ShowModal();
    EXPECT_EQ(seen, "enter a exit a enter b ");
    EXPECT_EQ(form.ActiveControl(), b) << "the form keeps its active control when hidden";
}

TEST(Modal, AFormReleasedInsideItsModalLoopGoesAfterTheLoop)
{
    auto* dialog = new TForm(nullptr);
    dialog->AfterConstruction();
    bool destroyed = false;
    dialog->OnDestroy = [&](TObject*) { destroyed = true; };
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 1)
            dialog->Release();
        else if (ticks == 3)
            dialog->SetModalResult(mrOk);
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(destroyed) << "not while its modal loop ran";
    timer.SetEnabled(false);
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
}

TEST(Focus, TheActiveControlOfALayoutHasTheFocusWhenTheFormShows)
{
    registerTestClasses();
    TTestForm form(nullptr);
    const std::string text = "object fmTest: TTestForm\n  ActiveControl = btnOK\n"
                             "  object pnlTop: TTestPanel\n    TabStop = True\n  end\n"
                             "  object btnOK: TTestButton\n    TabStop = True\n  end\nend\n";
    qx::loadLayoutText(form, text, "Active.layout");
    TWinControl* focused = nullptr;
    form.OnActivate = [&](TObject*) {
        focused = form.ActiveControl();
        form.SetModalResult(mrOk);
    };
    form.AfterConstruction();
    form.ShowModal();
    EXPECT_EQ(focused, form.btnOK);
}

TEST(Modal, AVisibleFormCannotBeShownModally)
{
    TForm form(nullptr);
    form.AfterConstruction();
    form.Show();
    EXPECT_THROW(form.ShowModal(), std::logic_error);
}

TEST(FormCreation, OnCreateRunsOnceTheFormIsMadeAndVisibleFormsShow)
{
    registerTestClasses();
    TTestForm* form = nullptr;
    const std::string text = "object fmTest: TTestForm\n  Visible = True\n  OnCreate = FormCreate\n"
                             "  object pnlTop: TTestPanel\n    object btnOK: TTestButton\n    end\n  end\nend\n";
    std::unique_ptr<TTestForm> owner(form = new TTestForm(nullptr));
    qx::loadLayoutText(*form, text, "Visible.layout");
    EXPECT_EQ(form->created, 0);
    EXPECT_FALSE(form->Widget()->isVisible()) << "not shown while it is being made";
    form->AfterConstruction();
    EXPECT_EQ(form->created, 1);
    EXPECT_TRUE(form->Widget()->isVisible());
}

TEST(FormCreation, AFormShownByCodeRightAfterNewIsFinishedFirst)
{
    TForm dialog(nullptr);
    int created = 0;
    dialog.OnCreate = [&](TObject*) { ++created; };
    dialog.OnShow = [&](TObject*) { dialog.SetModalResult(mrOk); };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(created, 1);
    dialog.AfterConstruction();
    EXPECT_EQ(created, 1) << "OnCreate runs once";
}

TEST(FormCreation, AnExceptionInOnCreateIsShownAndTheFormIsStillMade)
{
    std::vector<std::string> shown;
    qx::setExceptionPresenter([&](const std::string&, const std::string& m) { shown.push_back(m); });
    TForm form(nullptr);
    form.OnCreate = [](TObject*) { throw std::runtime_error("No string table"); };
    form.AfterConstruction();
    EXPECT_EQ(shown, std::vector<std::string>{"No string table."});
    qx::setExceptionPresenter(nullptr);
}

TEST(FormCreation, ScreenCentrePositionIsAppliedAtTheFirstShow)
{
    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 200, 100);
    dialog.SetPosition(poScreenCenter);
    dialog.AfterConstruction();
    dialog.Show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(dialog.BoundsRect(), (TRect{screen.x() + (screen.width() - 200) / 2,
                                          screen.y() + (screen.height() - 100) / 2,
                                          screen.x() + (screen.width() - 200) / 2 + 200,
                                          screen.y() + (screen.height() - 100) / 2 + 100}));
}

// A shown window sized from code takes the new size, narrower or wider, and raises OnResize
// with it (moving the window first must not bring the old size back).
TEST(FormGeometry, AShownWindowTakesANewWidthFromCode)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 600, 300);
    form.AfterConstruction();
    form.Show();
    std::vector<int> widths;
    form.OnResize = [&](TObject*) { widths.push_back(form.Width()); };
    for (const int width : {700, 450, 520}) {
        form.SetWidth(width);
        QApplication::processEvents();
        EXPECT_EQ(form.Width(), width);
        EXPECT_EQ(form.Widget()->width(), width);
        ASSERT_FALSE(widths.empty());
        EXPECT_EQ(widths.back(), width);
    }
}

TEST(FormCreation, OnDestroyRunsWhileTheFormIsWhole)
{
    std::string seen;
    {
        TApplication app;
        TForm* dialog = nullptr;
        app.CreateForm(dialog);
        dialog->SetCaption("Progress");
        dialog->OnDestroy = [&](TObject*) { seen = dialog->Caption(); };
    }
    EXPECT_EQ(seen, "Progress");
}

TEST(ApplicationObject, TheExceptionBoxEndsAMessageWithAFullStopWhereTheClassLibraryDoes)
{
    struct Case
    {
        const char* thrown;
        const char* shown;
    };
    const Case cases[] = {
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Password Error!!", "Password Error!!"},
        {"(in brackets)", "(in brackets)"},
        {"", ""},
    };
    std::vector<std::string> shown;
    qx::setExceptionPresenter([&](const std::string&, const std::string& m) { shown.push_back(m); });
    for (const Case& c : cases) {
        try {
            throw std::runtime_error(c.thrown);
        } catch (...) {
            Application->HandleException(nullptr);
        }
        EXPECT_EQ(shown.back(), c.shown);
    }
    try {
        throw 42;
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_EQ(shown.back(), "") << "any other thrown object shows an empty message";
    qx::setExceptionPresenter(nullptr);
}

TEST(ApplicationObject, TerminateEndsTheModalLoopsWithCancel)
{
    TApplication app;
    TApplication* saved = Application;
    Application = &app;
    TForm outer(nullptr);
    TForm inner(nullptr);
    outer.AfterConstruction();
    inner.AfterConstruction();
    int innerResult = -1;
    outer.OnShow = [&](TObject*) { innerResult = inner.ShowModal(); };
    inner.OnShow = [&](TObject*) { app.Terminate(); };
    const int outerResult = outer.ShowModal();
    Application = saved;
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(outerResult, mrCancel);
}

TEST(FormCreation, OnlySizeableBorderStylesLetTheUserResize)
{
    const std::pair<TFormBorderStyle, bool> cases[] = {
        {bsSizeable, true}, {bsSizeToolWin, true}, {bsSingle, false}, {bsDialog, false}, {bsNone, false},
        {bsToolWindow, false}};
    for (const auto& [style, sizeable] : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(style);
        form.SetBounds(10, 10, 300, 200);
        const QWidget* w = form.Widget();
        EXPECT_EQ(w->minimumSize() != w->maximumSize(), sizeable) << "border style " << style;
        EXPECT_EQ(form.Width(), 300);
    }
}

TEST(FormGeometry, ConstraintsHoldASizeableFormsSizeFromTheLayoutCodeAndUser)
{
    registerTestClasses();
    TForm form(nullptr);
    const std::string text = "object fmTest: TForm\n  Constraints.MinWidth = 500\n  Constraints.MinHeight = 300\n"
                             "  Constraints.MaxWidth = 900\n  ClientWidth = 200\n  ClientHeight = 100\nend\n";
    qx::loadLayoutText(form, text, "Constraints.layout");
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 300);
    form.SetBounds(0, 0, 1200, 700);
    EXPECT_EQ(form.Width(), 900);
    EXPECT_EQ(form.Height(), 700);
    form.AfterConstruction();
    form.Show();
    QApplication::processEvents();
    // As the window system resizes it for the user.
    form.Widget()->resize(100, 80);
    QApplication::processEvents();
    EXPECT_EQ(form.Widget()->width(), 500);
    EXPECT_EQ(form.Widget()->height(), 300);
    EXPECT_EQ(form.Width(), 500);
    // No limit on a form the user cannot resize: its size is its own.
    form.SetBorderStyle(bsDialog);
    form.SetBounds(0, 0, 120, 90);
    EXPECT_EQ(form.Width(), 120);
    form.Hide();
}

TEST(ApplicationObject, NumbersAreReadTheCWay)
{
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_EQ(std::strtod("1.5", nullptr), 1.5);
}

TEST(ApplicationObject, TheFirstFormMadeIsTheMainFormAndClosingItEndsTheLoop)
{
    TApplication app;
    TForm* first = nullptr;
    TForm* second = nullptr;
    app.CreateForm(first);
    app.CreateForm(second);
    EXPECT_EQ(app.MainForm(), first);
    EXPECT_EQ(first->Owner(), &app);
    EXPECT_EQ(app.ComponentCount(), 2);
    EXPECT_EQ(app.Components(1), second);
    first->OnShow = [&](TObject*) { first->Close(); };
    TApplication* saved = Application;
    Application = &app;
    app.Run();
    Application = saved;
    EXPECT_TRUE(app.Terminated());
}

} // namespace

namespace {

/// A push button as the control families write them: Enter clicks the
/// default button, Esc the cancel button, Alt with its letter any of them.
class TDialogButton : public TCustomControl
{
public:
    TDialogButton(TComponent* owner, TModalResult result, bool isDefault, bool isCancel, char16_t accelerator)
        : TCustomControl(owner), result_(result), default_(isDefault), cancel_(isCancel), accelerator_(accelerator)
    {
    }

    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_DIALOGKEY && KeyDataToShiftState(m.LParam).Empty() &&
            ((m.WParam == VK_RETURN && default_) || (m.WParam == VK_ESCAPE && cancel_))) {
            GetParentForm(this)->SetModalResult(result_);
            m.Result = 1;
            return;
        }
        if (m.Msg == CM_DIALOGCHAR && m.WParam == accelerator_) {
            GetParentForm(this)->SetModalResult(result_);
            m.Result = 1;
            return;
        }
        TCustomControl::WndProc(m);
    }

private:
    TModalResult result_;
    bool default_, cancel_;
    char16_t accelerator_;
};

/// A control that keeps every key (as a multi-line memo keeps Enter).
class TKeyEater : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = DLGC_WANTALLKEYS;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

struct DialogKeyCase
{
    const char* name;
    bool focusEater;
    int qtKey;
    const char* text;
    Qt::KeyboardModifiers mods;
    TModalResult expected; // mrNone: the dialog stays
};

void PrintTo(const DialogKeyCase& c, std::ostream* os) { *os << c.name; }

const DialogKeyCase kDialogKeys[] = {
    {"Enter clicks the default button", false, Qt::Key_Return, "\r", Qt::NoModifier, mrOk},
    {"Esc clicks the cancel button", false, Qt::Key_Escape, "\x1b", Qt::NoModifier, mrCancel},
    {"Shift+Enter is no dialog key", false, Qt::Key_Return, "\r", Qt::ShiftModifier, mrNone},
    {"a control that wants all keys keeps Enter", true, Qt::Key_Return, "\r", Qt::NoModifier, mrNone},
    {"Alt with the accelerator clicks the button", false, Qt::Key_N, "n", Qt::AltModifier, mrNo},
    {"the accelerator letter alone is typed", false, Qt::Key_N, "n", Qt::NoModifier, mrNone},
};

class DialogKeyTest : public ::testing::TestWithParam<DialogKeyCase>
{
};

TEST_P(DialogKeyTest, GoesToTheFormsButtonsUnlessTheControlKeepsIt)
{
    const DialogKeyCase& c = GetParam();
    TForm dialog(nullptr);
    auto* panel = new TTestPanel(&dialog);
    panel->SetParent(&dialog);
    for (auto* button : {new TDialogButton(&dialog, mrOk, true, false, u'o'),
                         new TDialogButton(&dialog, mrCancel, false, true, u'c'),
                         new TDialogButton(&dialog, mrNo, false, false, u'n')})
        button->SetParent(panel); // nested: the form's broadcast reaches them
    auto* eater = new TKeyEater(&dialog);
    eater->SetParent(&dialog);
    auto* plain = new TTestButton(&dialog);
    plain->SetParent(&dialog);
    std::vector<char16_t> typed;
    for (TWinControl* target : {static_cast<TWinControl*>(eater), static_cast<TWinControl*>(plain)})
        target->OnKeyPress = [&](TObject*, char16_t& key) { typed.push_back(key); };

    TWinControl* target = c.focusEater ? static_cast<TWinControl*>(eater) : plain;
    TModalResult result = mrNone;
    dialog.OnShow = [&](TObject*) {
        pressKey(target, c.qtKey, QString::fromLatin1(c.text), c.mods);
        result = dialog.ModalResult();
        dialog.SetModalResult(mrAbort);
    };
    dialog.AfterConstruction();
    dialog.ShowModal();
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(typed.empty(), c.expected != mrNone) << "a key taken by a button types nothing";
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogKeyTest, ::testing::ValuesIn(kDialogKeys));

} // namespace

namespace {

TEST(DialogButtons, EnterClicksTheDefaultOrFocusedButtonAndEscTheCancelButton)
{
    enum class Focus { Other, NoButton, Memo };
    struct Case
    {
        const char* name;
        int qtKey;
        Focus focus;
        TModalResult expected;
    };
    const Case cases[] = {
        {"Enter from another control clicks the default button", Qt::Key_Return, Focus::Other, mrOk},
        {"Enter on a button clicks that button", Qt::Key_Return, Focus::NoButton, mrNo},
        {"Esc clicks the cancel button", Qt::Key_Escape, Focus::Other, mrCancel},
        {"a memo keeps Enter", Qt::Key_Return, Focus::Memo, mrNone},
    };
    for (const Case& c : cases) {
        TForm dialog(nullptr);
        auto* ok = new TButton(&dialog);
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        auto* cancel = new TButton(&dialog);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        auto* no = new TButton(&dialog);
        no->SetModalResult(mrNo);
        TWinControl* other = c.focus == Focus::Memo ? static_cast<TWinControl*>(new TMemo(&dialog))
                                                    : new TTestButton(&dialog);
        other->SetTabStop(true);
        for (TWinControl* control : {static_cast<TWinControl*>(ok), static_cast<TWinControl*>(cancel),
                                     static_cast<TWinControl*>(no), other})
            control->SetParent(&dialog);
        TWinControl* target = c.focus == Focus::NoButton ? static_cast<TWinControl*>(no) : other;
        TModalResult result = mrNone;
        dialog.OnActivate = [&](TObject*) {
            target->SetFocus();
            pressKey(target, c.qtKey);
            result = dialog.ModalResult();
            dialog.SetModalResult(mrAbort);
        };
        dialog.AfterConstruction();
        dialog.ShowModal();
        EXPECT_EQ(result, c.expected) << c.name;
    }
}

} // namespace
