#include "TempDir.h"
#include "WindowSystemInput.h"
#include "platform/gui/ColorDialog.h"
#include "platform/gui/FontDialog.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/MainMenu.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PrintDialog.h"
#include "platform/gui/QtDialogService.h"
#include "platform/gui/Printer.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/Screen.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/StandardClasses.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

const char* kMenuLayout = R"(object fmMenus: TForm
  ClientWidth = 300
  ClientHeight = 200
  object MainMenu: TMainMenu
    object File: TMenuItem
      Caption = "File"
      object Open: TMenuItem
        Caption = "Open"
      end
      object N1: TMenuItem
        Caption = "-"
      end
      object FactoryDefault: TMenuItem
        Caption = "Factory Default"
        Visible = False
      end
    end
    object InSelect: TMenuItem
      Caption = "In Select"
      object InAnalog: TMenuItem
        Caption = "Analog"
        RadioItem = True
        GroupIndex = 1
        Checked = True
      end
      object InDigital: TMenuItem
        Caption = "AES/EBU"
        RadioItem = True
        GroupIndex = 1
      end
    end
  end
  object pmGraph: TPopupMenu
    object Reset: TMenuItem
      Caption = "Reset"
    end
  end
  object plGraph: TWinControl
    Width = 100
    Height = 50
    PopupMenu = pmGraph
  end
end
)";

class MenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        qx::registerStandardClasses();
        form_ = std::make_unique<TForm>(nullptr);
        qx::loadLayoutText(*form_, kMenuLayout, "menus.layout");
    }
    TMenuItem& item(const char* name) { return *qx::findComponent<TMenuItem>(*form_, name); }

    std::unique_ptr<TForm> form_;
};

TEST_F(MenuTest, LayoutBuildsTheTreeOfItems)
{
    auto* menu = qx::findComponent<TMainMenu>(*form_, "MainMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(menu->Items()->Items(0), &item("File"));
    ASSERT_EQ(item("File").Count(), 3);
    EXPECT_TRUE(item("N1").IsLine());
    EXPECT_TRUE(item("N1").Action()->isSeparator());
    EXPECT_FALSE(item("FactoryDefault").Action()->isVisible());
    EXPECT_EQ(item("Open").Parent(), &item("File"));
}

namespace {
int luminance(QRgb p)
{
    return (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114) / 1000;
}
} // namespace

// On a dark form the bar keeps the system's menu colours, so its captions
// stand out; a separator is a bare line with no text beside it.
TEST_F(MenuTest, TheBarHasTheMenuColoursAndSeparatorsAreBareLines)
{
    form_->SetColor(0x00503C28);
    form_->Show();
    auto* bar = form_->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QImage shown = bar->grab().toImage();
    const QRect file = bar->actionGeometry(item("File").Action());
    int light = 0, dark = 0;
    for (int y = file.top(); y <= file.bottom(); ++y)
        for (int x = file.left(); x <= file.right(); ++x) {
            const int l = luminance(shown.pixel(x, y));
            light += l > 200 ? 1 : 0;
            dark += l < 80 ? 1 : 0;
        }
    EXPECT_GT(light, file.width() * file.height() / 2) << "the system's light menu bar";
    EXPECT_GT(dark, 10) << "the caption in the menu text colour";

    auto* exit = new TMenuItem(form_.get());
    exit->SetCaption("Exit"); // a separator shows only between items
    item("File").Add(exit);
    QMenu* menu = item("File").SubMenu();
    ASSERT_NE(menu, nullptr);
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage popup = menu->grab().toImage();
    const QRect line = menu->actionGeometry(item("N1").Action());
    ASSERT_FALSE(line.isEmpty());
    int ink = 0;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x < line.left() + 20; ++x)
            ink += luminance(popup.pixel(x, y)) < 80 ? 1 : 0;
    EXPECT_EQ(ink, 0) << "nothing written at the separator's start";
    menu->hide();
}

TEST_F(MenuTest, ChoosingAnItemRaisesItsClickAndLeavesTheCheckMarksToTheHandler)
{
    std::vector<TObject*> senders;
    item("InDigital").OnClick = [&](TObject* sender) { senders.push_back(sender); };
    item("InDigital").Action()->trigger();
    EXPECT_EQ(senders, std::vector<TObject*>{&item("InDigital")});
    EXPECT_FALSE(item("InDigital").Checked()) << "no AutoCheck";
    EXPECT_FALSE(item("InDigital").Action()->isChecked());

    item("InDigital").SetChecked(true);
    EXPECT_FALSE(item("InAnalog").Checked()) << "radio items of one group exclude one another";
    EXPECT_FALSE(item("InAnalog").Action()->isChecked());
    item("InAnalog").SetAutoCheck(true);
    item("InAnalog").Action()->trigger();
    EXPECT_TRUE(item("InAnalog").Checked());
    EXPECT_FALSE(item("InDigital").Checked());
}

TEST_F(MenuTest, ItemsComeAndGo)
{
    auto* extra = new TMenuItem(form_.get());
    extra->SetCaption("Extra");
    item("File").Insert(0, extra);
    EXPECT_EQ(item("File").IndexOf(extra), 0);
    delete extra;
    EXPECT_EQ(item("File").Count(), 3) << "a destroyed item leaves its parent";
    item("InSelect").Clear();
    EXPECT_EQ(item("InSelect").Count(), 0);
    EXPECT_EQ(form_->FindComponent("InAnalog"), nullptr) << "cleared items are destroyed";
}

// The menu bar runs along the top of the form, above its client area: the
// controls, the form's own mouse points, ClientToScreen and the scroll bars
// all count from below the bar, and Height counts the bar too.
TEST_F(MenuTest, TheClientAreaLiesBelowTheMenuBar)
{
    auto* menu = qx::findComponent<TMainMenu>(*form_, "MainMenu");
    auto* graph = qx::findComponent<TControl>(*form_, "plGraph");
    form_->SetBounds(0, 0, 300, 240);
    form_->Show();
    const int bar = menu->BarHeight();
    ASSERT_GT(bar, 0);
    EXPECT_EQ(form_->Menu(), menu);
    EXPECT_EQ(form_->ClientHeight(), 240 - bar);
    EXPECT_EQ(form_->ClientWidth(), 300);
    EXPECT_EQ(graph->Top(), 0);
    EXPECT_EQ(graph->Widget()->geometry(), QRect(0, bar, 100, 50)) << "a control at the top shows below the bar";
    EXPECT_EQ(form_->ClientToScreen({5, 5}), graph->ClientToScreen({5, 5}));
    EXPECT_EQ(form_->ScreenToClient(form_->ClientToScreen({7, 9})), (TPoint{7, 9}));

    std::vector<TPoint> pressed;
    form_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { pressed.push_back({x, y}); };
    qx::test::clickThroughWindow(form_->Widget(), QPoint(200, bar + 100));
    EXPECT_EQ(pressed, (std::vector<TPoint>{{200, 100}})) << "the point in the client area";

    form_->SetClientHeight(200);
    EXPECT_EQ(form_->Height(), 200 + bar);

    // Scrolled to the end, the far control's bottom edge meets the bottom
    // bar, both below the menu bar.
    graph->SetTop(300);
    form_->SetAutoScroll(true);
    qx::FormScroller& scroller = form_->Scroller();
    ASSERT_TRUE(scroller.BarShown(true));
    QScrollBar* down = scroller.Bar(true);
    EXPECT_EQ(down->geometry().top(), bar) << "the scroll bar begins below the menu bar";
    down->setValue(down->maximum());
    const int thickness = scroller.BarShown(false) ? scroller.Bar(false)->height() : 0;
    EXPECT_EQ(graph->Top() + graph->Height(), form_->ClientHeight() - thickness);
    EXPECT_EQ(graph->Widget()->geometry().bottom() + 1, bar + form_->ClientHeight() - thickness);
    form_->SetAutoScroll(false);

    delete menu;
    EXPECT_EQ(form_->Menu(), nullptr);
    EXPECT_EQ(form_->ClientHeight(), form_->Height()) << "without a menu the client area is the whole form";
    EXPECT_EQ(graph->Widget()->geometry().top(), 300);
}

// A caption in a script whose font needs a taller bar gets the taller bar:
// the entries stay on it, where a click reaches them (an entry taller than
// the bar would go to its overflow), and the client area begins below it.
TEST_F(MenuTest, ACaptionInAnotherScriptKeepsTheEntriesOnTheBar)
{
    auto* menu = qx::findComponent<TMainMenu>(*form_, "MainMenu");
    auto* graph = qx::findComponent<TControl>(*form_, "plGraph");
    form_->Show();
    item("InSelect").SetCaption("\xe8\xbe\x93\xe5\x85\xa5\xe9\x80\x89\xe6\x8b\xa9");
    QApplication::processEvents();
    QMenuBar* bar = qx::test::menuBarShowing(item("File").Action());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(menu->BarHeight(), bar->height());
    for (const char* name : {"File", "InSelect"})
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(item(name).Action()))) << name;
    EXPECT_EQ(graph->Widget()->geometry().top(), menu->BarHeight()) << "the client area below the bar";
    int clicks = 0;
    item("InDigital").OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(qx::test::chooseMenuThroughWindow(item("InDigital")));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, PopupRaisesOnPopupFirst)
{
    auto* popup = qx::findComponent<TPopupMenu>(*form_, "pmGraph");
    auto* control = qx::findComponent<TControl>(*form_, "plGraph");
    EXPECT_EQ(control->PopupMenu(), popup);
    int popups = 0;
    popup->OnPopup = [&](TObject* sender) {
        EXPECT_EQ(sender, popup);
        ++popups;
    };
    popup->Popup(10, 10);
    EXPECT_EQ(popups, 1);
    if (QWidget* open = QApplication::activePopupWidget())
        open->close();
}

// ---- dialogs ----

class FileDialogTest : public testing::Test
{
protected:
    std::string path(const char* name) const { return (dir_ / name).string(); }
    qx::FileDialogResult chose(const std::string& file, int filterIndex = 1) { return {{file}, filterIndex}; }

    qx::test::TempDir dir_;
    qx::ScriptedDialogService dialogs_;
};

TEST_F(FileDialogTest, SaveAddsTheDefaultExtensionAndAsksBeforeReplacing)
{
    TSaveDialog save(nullptr);
    save.SetFilter("*.prs|*.prs");
    save.SetDefaultExt("prs");
    save.SetOptions(TOpenOptions{ofOverwritePrompt});
    std::ofstream(path("live.prs")) << "x";

    struct Case { std::string chosen; std::vector<int> answers; bool confirmed; std::string fileName; bool asked; };
    const Case cases[] = {
        {path("new"), {}, true, path("new.prs"), false},
        {path("live"), {IDNO}, false, path("new.prs"), true},
        {path("live.prs"), {IDYES}, true, path("live.prs"), true},
        {path("other.txt"), {}, true, path("other.txt"), false},
    };
    for (const Case& c : cases) {
        dialogs_.fileAnswers = {chose(c.chosen)};
        dialogs_.messageBoxAnswers = {c.answers.begin(), c.answers.end()};
        dialogs_.messageBoxes.clear();
        EXPECT_EQ(save.Execute(), c.confirmed) << c.chosen;
        EXPECT_EQ(save.FileName(), c.fileName) << c.chosen;
        EXPECT_EQ(dialogs_.messageBoxes.size(), c.asked ? 1u : 0u) << c.chosen;
    }
    ASSERT_FALSE(dialogs_.fileRequests.empty());
    EXPECT_TRUE(dialogs_.fileRequests[0].save);
    EXPECT_EQ(dialogs_.fileRequests[0].filters, (std::vector<qx::FileFilter>{{"*.prs", "*.prs"}}));
}

TEST_F(FileDialogTest, CancelledOpenChangesNothingAndSeveralFilesComeInOrder)
{
    TOpenDialog open(nullptr);
    open.SetFilter("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt");
    open.SetFileName("*.csv");
    open.SetFilterIndex(2);
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName(), "*.csv");
    EXPECT_EQ(dialogs_.fileRequests.at(0).filterIndex, 2);
    EXPECT_EQ(dialogs_.fileRequests.at(0).filters.size(), 2u);

    open.SetOptions(TOpenOptions{ofAllowMultiSelect, ofFileMustExist});
    dialogs_.fileAnswers = {qx::FileDialogResult{{path("a.csv"), path("b.csv")}, 1}};
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.Files(), (std::vector<std::string>{path("a.csv"), path("b.csv")}));
    EXPECT_EQ(open.FileName(), path("a.csv"));
    EXPECT_EQ(open.FilterIndex(), 1);
    EXPECT_TRUE(dialogs_.fileRequests.at(1).allowMultiSelect);
    EXPECT_TRUE(dialogs_.fileRequests.at(1).fileMustExist);
}

TEST_F(FileDialogTest, ColourAndFontDialogsTakeAndGiveTheirValues)
{
    TColorDialog color(nullptr);
    color.SetColor(clBtnFace);
    EXPECT_FALSE(color.Execute());
    EXPECT_EQ(color.Color(), clBtnFace);
    EXPECT_EQ(dialogs_.colorRequests.at(0), ColorToRGB(clBtnFace)) << "system colours go in resolved";
    dialogs_.colorAnswers = {0x00336699u};
    EXPECT_TRUE(color.Execute());
    EXPECT_EQ(color.Color(), 0x00336699u);

    TFontDialog font(nullptr);
    TFont f;
    f.Name = "Tahoma";
    f.Charset = 134;
    font.SetFont(f);
    qx::FontChoice same{"TAHOMA", -16, 0xFF, true, false, false, false, 1};
    qx::FontChoice other{"Verdana", -12, 0, false, true, false, false, 0};
    dialogs_.fontAnswers = {same, other};
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font().Charset, 134) << "the same face keeps its character set";
    EXPECT_EQ(font.Font().Height(), -16);
    EXPECT_EQ(font.Font().Style, fsBold);
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font().Name, "Verdana");
    EXPECT_EQ(font.Font().Charset, 0);
    EXPECT_EQ(font.Font().Style, fsItalic);
}

// ---- screen, cursor and hint window ----

TEST(ScreenTest, ReportsTheScreenAndKeepsTheProgramsCursor)
{
    EXPECT_GT(Screen()->Width(), 0);
    EXPECT_GT(Screen()->Height(), 0);
    const TRect work = Screen()->WorkAreaRect();
    EXPECT_LE(work.Width(), Screen()->Width());
    EXPECT_EQ(Screen()->MonitorRect(TPoint{-100000, -100000}), Screen()->MonitorRect(TPoint{0, 0}))
        << "a point off every monitor belongs to the nearest";

    Screen()->SetCursors(99, QCursor(Qt::PointingHandCursor));
    EXPECT_EQ(Screen()->Cursors(99).shape(), Qt::PointingHandCursor);
    TWinControl control(nullptr);
    control.SetCursor(99);
    EXPECT_EQ(control.Widget()->cursor().shape(), Qt::PointingHandCursor) << "a control shows a registered cursor";
    EXPECT_EQ(Screen()->Cursors(crHourGlass).shape(), Qt::WaitCursor);
    Screen()->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen()->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    TPoint p{-1, -1};
    EXPECT_TRUE(GetCursorPos(&p));
}

TEST(HintWindowTest, MeasuresItsTextAndStaysOnItsMonitor)
{
    qx::registerStandardClasses();
    THintWindow hint(nullptr);
    const TRect small = hint.CalcHintRect(100, "-12");
    const TRect wrapped = hint.CalcHintRect(100, "a long text that needs more than one line here");
    EXPECT_GT(small.Width(), 0);
    EXPECT_LE(wrapped.Width(), 106);
    EXPECT_GT(wrapped.Height(), small.Height());

    const TRect monitor = Screen()->MonitorRect(TPoint{0, 0});
    hint.ActivateHint(Bounds(monitor.Right - 10, monitor.Bottom - 5, small.Width(), small.Height()), "-12");
    EXPECT_EQ(hint.Left() + hint.Width(), monitor.Right);
    EXPECT_EQ(hint.Top() + hint.Height(), monitor.Bottom);
    EXPECT_EQ(hint.Caption(), "-12");
    hint.ReleaseHandle();
}

} // namespace

namespace {

// ---- printer ----

TEST(PrinterTest, PrintsPagesIntoAPdfFile)
{
    qx::test::TempDir dir;
    const std::string file = (dir / "plot.pdf").string();
    TPrinter printer;
    printer.SetOutputFileName(file);
    printer.SetTitle("Plot");
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_GT(printer.PaperWidthInches(), printer.PaperHeightInches());
    EXPECT_GT(printer.PixelsPerInchX(), 0);
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
    EXPECT_THROW(printer.EndDoc(), std::runtime_error);

    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    printer.Canvas().Rectangle(100, 100, 1000, 600);
    printer.NewPage();
    printer.Canvas().TextOut(100, 100, "page 2");
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_THROW(printer.Canvas(), std::runtime_error);

    std::ifstream in(file, std::ios::binary);
    const std::string pdf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

TEST(PrinterTest, ACancelledPrintDialogSaysSo)
{
    qx::ScriptedDialogService dialogs;
    TPrintDialog dialog(nullptr);
    EXPECT_FALSE(dialog.Execute());
    dialogs.printAnswers = {true};
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialogs.printDialogs, 2);
}

} // namespace

namespace {

// What a message box shown by the real dialog service looks like, read while
// it is up; it is then closed with OK.
struct ShownBox
{
    int width = 0;
    std::string family;
};

ShownBox showBox(const std::string& text, const std::string& caption)
{
    qx::QtDialogService real;
    qx::setDialogService(&real);
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown.width = box->width();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                shown.family = QFontInfo(label->font()).family().toStdString();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(qx::messageBox(text, caption, MB_OK | MB_ICONINFORMATION), IDOK);
    qx::setDialogService(nullptr);
    return shown;
}

TEST(MessageBoxTest, AShortMessageLeavesRoomForTheWholeTitle)
{
    const ShownBox plain = showBox("Password Error!!", "Info");
    const std::string longTitle = "Information about the processor's password";
    const ShownBox titled = showBox("Password Error!!", longTitle);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(titled.width, QFontMetrics(bold).horizontalAdvance(QString::fromStdString(longTitle)) + 100);
    EXPECT_GT(titled.width, plain.width);
    // The text is in the free stand-in of the class library's default font.
    EXPECT_EQ(plain.family, "Liberation Sans");
    EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), "Liberation Sans");
}

} // namespace
