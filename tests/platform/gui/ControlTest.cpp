#include "TestControls.h"

#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

#include <memory>

namespace {

/// Paints its client area red through its canvas.
class TRedBox : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        Canvas()->Brush().Color = clRed;
        Canvas()->FillRect(ClientRect());
    }
};

class TGreenMark : public TGraphicControl
{
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush().Color = clLime;
        Canvas()->FillRect(ClientRect());
    }
};

TColor pixelOf(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TEST(Painting, PaintDrawsThroughTheCanvasOnTheControl)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* box = new TRedBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 30, 20);
    auto* mark = new TGreenMark(&form);
    mark->SetParent(&form);
    mark->SetBounds(30, 15, 30, 10); // half under the box
    form.AfterConstruction();
    form.Show();
    const QImage image = form.Widget()->grab().toImage();
    EXPECT_GT(box->paints, 0);
    EXPECT_EQ(pixelOf(image, 10, 10), clRed);
    EXPECT_EQ(pixelOf(image, 39, 29), clRed);
    EXPECT_EQ(pixelOf(image, 35, 20), clRed) << "a non-windowed control lies below its windowed sibling";
    EXPECT_EQ(pixelOf(image, 45, 20), clLime);
}

TEST(Painting, AParentDrawsItsBackgroundAndClientAreaOnACanvasItIsGiven)
{
    // What a see-through control does to show its parent behind itself.
    TRedBox box(nullptr);
    box.SetBounds(0, 0, 20, 20);
    box.SetColor(clYellow);
    TBitmap under(20, 20);
    TCanvas& canvas = under.Canvas();
    EXPECT_EQ(box.Perform(WM_ERASEBKGND, reinterpret_cast<std::uintptr_t>(&canvas)), 1);
    EXPECT_EQ(pixelOf(under.Image(), 5, 5), clYellow);
    EXPECT_EQ(box.Perform(WM_PRINTCLIENT, reinterpret_cast<std::uintptr_t>(&canvas)), 1);
    canvas.Detach();
    EXPECT_EQ(pixelOf(under.Image(), 5, 5), clRed);
    EXPECT_EQ(box.Perform(WM_ERASEBKGND, 0), 0) << "no canvas, nothing drawn";
}

TEST(Painting, AWindowRegionLimitsWhereAControlShowsAndTakesTheMouse)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* under = new TGreenMark(&form);
    under->SetParent(&form);
    under->SetBounds(10, 10, 40, 40);
    auto* box = new TRedBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 40, 40);
    form.AfterConstruction();
    form.Show();
    const TRegion ring = TRegion::FromEllipse({0, 0, 40, 40}).Subtracted(TRegion::FromRect({15, 15, 25, 25}));
    box->SetWindowRgn(&ring);

    struct Case { int x, y; TColor shown; bool box; };
    const Case inside[] = {{30, 12, clRed, true}, {30, 30, clLime, false}, {11, 11, clLime, false}, {45, 30, clRed, true}};
    QImage image = form.Widget()->grab().toImage();
    for (const Case& c : inside) {
        EXPECT_EQ(pixelOf(image, c.x, c.y), c.shown) << c.x << ", " << c.y;
        EXPECT_EQ(qx::controlOf(form.Widget()->childAt(c.x, c.y)), c.box ? static_cast<TControl*>(box) : under)
            << c.x << ", " << c.y;
    }
    box->SetWindowRgn(nullptr);
    image = form.Widget()->grab().toImage();
    EXPECT_EQ(pixelOf(image, 30, 30), clRed) << "the whole rectangle again";
    EXPECT_EQ(qx::controlOf(form.Widget()->childAt(11, 11)), box);
}

// The order in which the parent's widget stacks the controls, bottom first.
std::vector<TControl*> stacking(TWinControl& parent)
{
    std::vector<TControl*> order;
    for (QObject* child : parent.Widget()->children())
        if (TControl* c = qx::controlOf(qobject_cast<QWidget*>(child)))
            order.push_back(c);
    return order;
}

TEST(Stacking, NonWindowedControlsStayBelowWindowedSiblings)
{
    TForm form(nullptr);
    auto* panel = new TTestPanel(&form);
    panel->SetParent(&form);
    auto* label = new TTestLabel(&form);
    label->SetParent(&form);
    auto* button = new TTestButton(&form);
    button->SetParent(&form);
    auto* label2 = new TTestLabel(&form);
    label2->SetParent(&form);
    EXPECT_EQ(stacking(form), (std::vector<TControl*>{label, label2, panel, button}));

    label->BringToFront();
    EXPECT_EQ(stacking(form), (std::vector<TControl*>{label2, label, panel, button}));
    button->SendToBack();
    EXPECT_EQ(stacking(form), (std::vector<TControl*>{label2, label, button, panel}));
    panel->SendToBack();
    label->SendToBack();
    EXPECT_EQ(stacking(form), (std::vector<TControl*>{label, label2, panel, button}));
    for (int i = 0; i < form.ControlCount(); ++i)
        EXPECT_EQ(form.Controls(i), stacking(form)[static_cast<std::size_t>(i)]);
}

struct AlignCase
{
    const char* name;
    std::vector<std::pair<TAlign, TRect>> controls; // align and bounds before
    std::vector<TRect> expected;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class AlignTest : public ::testing::TestWithParam<AlignCase>
{
};

TEST_P(AlignTest, LaysOutTheClientArea)
{
    const AlignCase& c = GetParam();
    TTestPanel parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    std::vector<TControl*> made;
    for (const auto& [align, r] : c.controls) {
        auto* child = new TTestPanel(&parent);
        child->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        child->SetParent(&parent);
        child->SetAlign(align);
        made.push_back(child);
    }
    for (std::size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(made[i]->BoundsRect(), c.expected[i]) << "control " << i;
}

const AlignCase kAlignCases[] = {
    {"top and bottom bars around a client area",
     {{alTop, {0, 0, 50, 20}}, {alBottom, {0, 0, 50, 10}}, {alClient, {5, 5, 6, 6}}},
     {{0, 0, 200, 20}, {0, 90, 200, 100}, {0, 20, 200, 90}}},
    {"left and right columns", {{alLeft, {0, 0, 30, 5}}, {alRight, {0, 0, 40, 5}}, {alClient, {0, 0, 1, 1}}},
     {{0, 0, 30, 100}, {160, 0, 200, 100}, {30, 0, 160, 100}}},
    {"a bar aligned later goes below one already at the top",
     {{alTop, {0, 50, 10, 65}}, {alTop, {0, 10, 10, 35}}},
     {{0, 0, 200, 15}, {0, 15, 200, 40}}},
    {"bars wider than the area leave nothing negative",
     {{alLeft, {0, 0, 150, 5}}, {alLeft, {0, 0, 150, 5}}, {alClient, {0, 0, 1, 1}}},
     {{0, 0, 150, 100}, {150, 0, 300, 100}, {300, 0, 300, 100}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, AlignTest, ::testing::ValuesIn(kAlignCases));

void doubleClickAt(TControl* control, int x, int y)
{
    QWidget* w = control->Widget();
    const QPointF p(x, y);
    const QPointF g = w->mapToGlobal(p);
    clickAt(control, x, y);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QMouseEvent up(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

TEST(MouseInput, ADoubleClickGivesOneClickOneDoubleClickAndTwoPresses)
{
    struct Case
    {
        const char* name;
        TControlStyle style;
        std::string expected;
    };
    const Case cases[] = {
        {"double clicks and click events", {csClickEvents, csDoubleClicks}, "down up click dbl down(double) up "},
        {"no double clicks: two plain clicks", {csClickEvents}, "down up click down up click "},
        {"no click events", {csDoubleClicks}, "down up down(double) up "},
    };
    for (const Case& c : cases) {
        TTestPanel panel(nullptr);
        panel.SetBounds(0, 0, 50, 50);
        panel.SetControlStyle(c.style);
        std::string seen;
        panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) {
            seen += s.Contains(ssDouble) ? "down(double) " : "down ";
        };
        panel.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { seen += "up "; };
        panel.OnClick = [&](TObject*) { seen += "click "; };
        panel.OnDblClick = [&](TObject*) { seen += "dbl "; };
        doubleClickAt(&panel, 5, 5);
        EXPECT_EQ(seen, c.expected) << c.name;
    }
}

TEST(MouseInput, AReleaseOutsideTheControlIsNoClick)
{
    TTestPanel panel(nullptr);
    panel.SetBounds(0, 0, 50, 50);
    int clicks = 0;
    panel.OnClick = [&](TObject*) { ++clicks; };
    QWidget* w = panel.Widget();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(60, 5), w->mapToGlobal(QPointF(60, 5)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    EXPECT_EQ(clicks, 0);
    clickAt(&panel, 49, 49);
    EXPECT_EQ(clicks, 1);
}

TEST(ParentFontAndColor, FollowTheParentUntilSetOnTheControl)
{
    TTestPanel parent(nullptr);
    auto* child = new TTestPanel(&parent);
    child->SetParent(&parent);
    child->SetParentColor(true);
    TFont big = parent.Font();
    big.SetHeight(-20);
    parent.SetFont(big);
    parent.SetColor(clYellow);
    EXPECT_EQ(child->Font().Height(), -20);
    EXPECT_EQ(child->Color(), clYellow);

    TFont own = child->Font();
    own.Name = "Verdana";
    child->SetFont(own);
    parent.SetFont(TFont{});
    EXPECT_FALSE(child->ParentFont());
    EXPECT_EQ(child->Font().Name, "Verdana");
    EXPECT_EQ(child->Font().Height(), -20);
}

TEST(ParentFontAndColor, AWidgetShowsItsColourWhenEverItGotItsParent)
{
    // A widget without a parent takes its control's colour when it is given
    // one (or, for a window, when it is first polished): the same pixels
    // whichever comes first, the colour or the parent.
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 40);
    form.SetColor(clBlue);
    auto colouredFirst = new TTestPanel(&form);
    colouredFirst->SetColor(clYellow);
    colouredFirst->SetParent(&form);
    auto parentedFirst = new TTestPanel(&form);
    parentedFirst->SetParent(&form);
    parentedFirst->SetColor(clFuchsia);
    auto following = new TTestPanel(&form);
    following->SetParentColor(true);
    following->SetParent(&form);
    auto plain = new TTestPanel(&form);
    plain->SetParent(&form);
    auto inner = new TTestPanel(&form);
    inner->SetColor(clAqua);
    auto outer = new TTestPanel(&form); // given its child before its own parent
    outer->SetColor(clMaroon);
    inner->SetParent(outer);
    outer->SetParent(&form);
    const struct { TControl* control; int x; TColor shown; } cases[] = {
        {colouredFirst, 0, clYellow}, {parentedFirst, 10, clFuchsia}, {following, 20, clBlue},
        {plain, 30, plain->Color()},  {outer, 40, clMaroon},          {nullptr, 70, clBlue}};
    for (const auto& c : cases)
        if (c.control)
            c.control->SetBounds(c.x, 0, 10, 10);
    inner->SetBounds(0, 5, 5, 5);
    form.AfterConstruction();
    form.Show();
    const QImage image = form.Widget()->grab().toImage();
    for (const auto& c : cases) {
        EXPECT_EQ(pixelOf(image, c.x + 2, 2), ColorToRGB(c.shown)) << "at " << c.x;
        if (c.control) {
            const QColor window = c.control->Widget()->palette().color(QPalette::Window);
            EXPECT_EQ(RGB(window.red(), window.green(), window.blue()), ColorToRGB(c.shown)) << "at " << c.x;
        }
    }
    EXPECT_EQ(pixelOf(image, 42, 7), clAqua) << "the child of a control parented later";
}

TEST(Messages, NotificationsPassThroughWndProc)
{
    struct TSpy : TCustomControl
    {
        using TCustomControl::TCustomControl;
        std::vector<unsigned> seen;
        void WndProc(TMessage& m) override
        {
            seen.push_back(m.Msg);
            TCustomControl::WndProc(m);
        }
    } spy(nullptr);
    spy.SetCaption("x");
    spy.SetEnabled(false);
    spy.Invalidate();
    spy.SetColor(clRed);
    EXPECT_EQ(spy.seen, (std::vector<unsigned>{CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_INVALIDATE, CM_INVALIDATE,
                                               CM_COLORCHANGED, CM_INVALIDATE}));
}

TEST(Components, DestroyingAnOwnerDestroysWhatItOwnsAndTellsFollowers)
{
    struct TFollower : TComponent
    {
        using TComponent::TComponent;
        TComponent* gone = nullptr;
        void Notification(TComponent* c, TOperation op) override
        {
            if (op == opRemove)
                gone = c;
        }
    } follower(nullptr);
    auto* owner = new TForm(nullptr);
    auto* panel = new TTestPanel(owner);
    panel->SetParent(owner);
    auto* inner = new TTestButton(owner);
    inner->SetParent(panel);
    follower.FreeNotification(inner);
    delete owner;
    EXPECT_EQ(follower.gone, inner);
}

TEST(Components, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TForm owner(nullptr);
    auto* a = new TTestPanel(&owner);
    a->SetName("pnlA");
    auto* b = new TTestPanel(&owner);
    EXPECT_THROW(b->SetName("PNLA"), std::invalid_argument);
    EXPECT_THROW(b->SetName("1pnl"), std::invalid_argument);
    EXPECT_THROW(b->SetName("pnl B"), std::invalid_argument);
    b->SetName("pnlB");
    a->SetName("pnlA"); // its own name again
    EXPECT_EQ(owner.FindComponent("PnlB"), b);
}

} // namespace
