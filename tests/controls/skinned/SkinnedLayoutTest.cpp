// Layouts create the skinned controls by class name and set their properties by path.

#include "controls/skinned/AdvProgressBar.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/GDIPPictureContainer.h"
#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/PropertyRegistry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TSkinTestForm : public TForm
{
public:
    using TForm::TForm;
    void ToneChange(TObject*) { ++changes; }
    int changes = 0;
};

constexpr const char* kLayout = R"(
object fmSkin: TSkinTestForm
  ClientWidth = 400
  ClientHeight = 300
  object isToneGain: TAdvTrackBar
    Left = 10
    Top = 10
    Width = 200
    Height = 26
    Max = 0
    Min = -800
    Position = -80
    Thumb.Picture = "fader-thumb-h.png"
    Thumb.PictureHot = "fader-thumb-h-hot.png"
    Thumb.Width = 5
    Slider.Size = 3
    Slider.BorderColor = clMedGray
    TickMark.Style = tsNone
    ShowFocus = True
    OnChange = ToneChange
  end
  object isGainOut1: TAdvTrackBar
    Left = 10
    Top = 40
    Width = 27
    Height = 155
    Orientation = trVertical
    Max = 120
    Min = -600
    Thumb.Picture = "fader-thumb-v.png"
    TickImages = TickPictures
    Tag = 4
  end
  object ProgressBar: TAdvProgressBar
    Left = 50
    Top = 200
    Width = 431
    Height = 41
    Font.Name = "Verdana"
    Font.Height = -13
    Position = 0
  end
  object Pictures: TGDIPPictureContainer
    Items = <
      item
        Name = "Thumb"
        Picture = "fader-thumb-v.png"
      end
    >
  end
  object TickPictures: TImageList
    Width = 8
    Height = 29
    Bitmap = "fader-thumb-v"
  end
end
)";

TEST(SkinnedLayout, CreatesAndSetsTheControls)
{
    qx::registerClass<TSkinTestForm, TForm>("TSkinTestForm").method("ToneChange", &TSkinTestForm::ToneChange);
    auto form = std::make_unique<TSkinTestForm>(nullptr);
    qx::loadLayoutText(*form, kLayout, "skin.layout");

    auto* tone = qx::findComponent<TAdvTrackBar>(*form, "isToneGain");
    ASSERT_NE(tone, nullptr);
    EXPECT_EQ(tone->Position(), -80) << "set through the writers";
    EXPECT_EQ(form->changes, 0) << "no handler runs while loading";
    EXPECT_EQ(tone->Thumb().Size(), 16) << "sizes follow the picture after loading";
    EXPECT_EQ(tone->Thumb().Width(), 29);
    EXPECT_EQ(tone->Slider().BorderColor(), clMedGray);
    tone->SetPosition(-81);
    EXPECT_EQ(form->changes, 1);

    auto* gain = qx::findComponent<TAdvTrackBar>(*form, "isGainOut1");
    ASSERT_NE(gain, nullptr);
    EXPECT_EQ(gain->Width(), 27) << "no swap while loading";
    EXPECT_EQ(gain->Thumb().Size(), 16);
    EXPECT_EQ(gain->Thumb().Width(), 29);
    EXPECT_EQ(gain->TravelLength(), 120);
    ASSERT_NE(gain->TickImages(), nullptr) << "a list named before it is made";
    EXPECT_EQ(gain->TickImages()->Count(), 2) << "the 16 pixel wide picture cut in two";

    auto* bar = qx::findComponent<TAdvProgressBar>(*form, "ProgressBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->Font().Name, "Verdana");

    auto* pictures = qx::findComponent<TGDIPPictureContainer>(*form, "Pictures");
    ASSERT_NE(pictures, nullptr);
    ASSERT_NE(pictures->FindPicture("thumb"), nullptr);
    EXPECT_EQ(pictures->FindPicture("thumb")->Height(), 29);

    EXPECT_EQ(std::get<std::string>(qx::getProperty(*tone, "Version")), "1.6.3.0");
    EXPECT_EQ(std::get<std::string>(qx::getProperty(*tone, "Thumb.Picture")), "fader-thumb-h.png");
}

TEST(SkinnedLayout, UnknownPictureIsAnError)
{
    TAdvTrackBar fader(nullptr);
    EXPECT_THROW(qx::setProperty(fader, "Thumb.Picture", std::string("no-such.png")), qx::PropertyError);
    qx::setProperty(fader, "Thumb.Picture", std::string(""));
    EXPECT_TRUE(fader.Thumb().Picture().Empty());
}

} // namespace
