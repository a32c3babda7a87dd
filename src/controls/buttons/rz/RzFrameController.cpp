#include "controls/buttons/rz/RzFrameController.h"

#include "platform/gui/Control.h"
#include "platform/gui/PropertyRegistry.h"

#include <algorithm>

namespace {

const char* const kPropertyNames[] = {
    "Color", "FocusColor", "DisabledColor", "ReadOnlyColor", "ReadOnlyColorOnFocus", "ParentColor", "FlatButtonColor",
    "FlatButtons", "FrameColor", "FrameHotColor", "FrameHotTrack", "FrameHotStyle", "FrameSides", "FrameStyle",
    "FrameVisible", "FramingPreference"};

/// The order in which all settings are pushed into a control.
const TRzFrameControllerProperty kAllOrder[] = {
    fcpParentColor, fcpColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
    fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference};

/// A colour a settings file may hold: plain, a system colour, clNone or clDefault.
bool validColor(std::int64_t v)
{
    const auto c = static_cast<std::uint32_t>(v);
    return v >= 0 && v <= 0xFFFFFFFFLL &&
           (c <= 0xFFFFFF || (IsSystemColor(c) && (c & 0xFFFFFF) <= 30) || c == clNone || c == clDefault);
}

} // namespace

TRzFrameController::TRzFrameController(TComponent* AOwner) : TComponent(AOwner) {}

TRzFrameController::~TRzFrameController()
{
    MarkDestroying();
    // The linked controls hear of the removal through their free notification.
}

void TRzFrameController::SetColor(TColor Value)
{
    if (color_ == Value)
        return;
    if (focusColor_ == color_)
        focusColor_ = Value;
    color_ = Value;
    parentColor_ = false;
    updateAll(fcpColor);
}

void TRzFrameController::SetParentColor(bool Value)
{
    if (parentColor_ == Value)
        return;
    parentColor_ = Value;
    updateAll(fcpParentColor);
    if (!Value)
        updateAll(fcpColor);
}

void TRzFrameController::SetFrameHotTrack(bool Value)
{
    if (frame_.hotTrack == Value)
        return;
    frame_.hotTrack = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading))
            frame_.sides = kAllSides;
    }
    updateAll(fcpFrameHotTrack);
}

void TRzFrameController::ReadOldFrameFlat(bool Value) { frame_.readOldFrameFlat(Value); }

void TRzFrameController::SetRegIniFile(TRzRegIniFile* Value)
{
    if (regIniFile_ == Value)
        return;
    if (regIniFile_)
        regIniFile_->RemoveFreeNotification(this);
    regIniFile_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TRzFrameController::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == regIniFile_)
        regIniFile_ = nullptr;
    std::erase(controls_, AComponent);
}

void TRzFrameController::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TRzFrameController*>(&Source);
    if (!other) {
        TComponent::Assign(Source);
        return;
    }
    BeginUpdate();
    color_ = other->color_;
    disabledColor_ = other->disabledColor_;
    readOnlyColor_ = other->readOnlyColor_;
    readOnlyColorOnFocus_ = other->readOnlyColorOnFocus_;
    flatButtonColor_ = other->flatButtonColor_;
    flatButtons_ = other->flatButtons_;
    focusColor_ = other->focusColor_;
    frameColor_ = other->frameColor_;
    frameHotColor_ = other->frameHotColor_;
    frame_ = other->frame_;
    parentColor_ = other->parentColor_;
    EndUpdate();
}

void TRzFrameController::EndUpdate()
{
    if (--updateCount_ <= 0) {
        updateCount_ = 0;
        updateAll(fcpAll);
    }
}

void TRzFrameController::AddControl(TControl* Control)
{
    if (!Control || std::find(controls_.begin(), controls_.end(), Control) != controls_.end())
        return;
    controls_.push_back(Control);
    Control->FreeNotification(this);
    updateControl(Control, fcpAll);
}

void TRzFrameController::RemoveControl(TControl* Control)
{
    std::erase(controls_, Control);
}

void TRzFrameController::Loaded()
{
    TComponent::Loaded();
    UpdateControls();
}

void TRzFrameController::updateAll(TRzFrameControllerProperty index)
{
    if (updateCount_ > 0)
        return;
    const std::vector<TControl*> controls = controls_;
    for (TControl* c : controls)
        updateControl(c, index);
}

void TRzFrameController::updateControl(TControl* control, TRzFrameControllerProperty index)
{
    if (auto* client = dynamic_cast<IRzFrameControllerClient*>(control)) {
        client->ApplyFrameControllerSettings();
        return;
    }
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*control);
    const qx::ClassInfo* mine = qx::ClassRegistry::instance().classOf(*this);
    if (!info || !mine)
        return;
    std::uint64_t notifications = kAllFrameControllerNotifications;
    if (const qx::PropertyInfo* p = info->findProperty("FrameControllerNotifications"); p && p->get)
        notifications = static_cast<std::uint64_t>(std::get<std::int64_t>(p->get(*control)));
    auto push = [&](TRzFrameControllerProperty i) {
        if (!((notifications >> i) & 1u))
            return;
        if (i == fcpColor && parentColor_)
            return;
        const qx::PropertyInfo* target = info->findProperty(kPropertyNames[i]);
        const qx::PropertyInfo* source = mine->findProperty(kPropertyNames[i]);
        if (target && source && target->set && source->get)
            target->set(*control, source->get(*this));
    };
    if (index != fcpAll) {
        push(index);
        return;
    }
    for (const TRzFrameControllerProperty i : kAllOrder)
        push(i);
}

void TRzFrameController::Load(const std::string& Section)
{
    if (!regIniFile_)
        throw ENoRegIniFile("Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *regIniFile_;
    BeginUpdate();
    struct EndAtExit
    {
        TRzFrameController& fc;
        ~EndAtExit() { fc.EndUpdate(); }
    } end{*this};
    auto readColor = [&](const char* name, TColor def) {
        const std::int64_t v = static_cast<std::uint32_t>(ini.ReadInteger(Section, name, static_cast<int>(def)));
        return validColor(v) ? static_cast<TColor>(v) : def;
    };
    auto readStyle = [&](const char* name, TFrameStyle def) {
        const int v = ini.ReadInteger(Section, name, def);
        return v >= fsNone && v <= fsFlatBold ? static_cast<TFrameStyle>(v) : def;
    };
    color_ = readColor("Color", clWindow);
    flatButtonColor_ = readColor("FlatButtonColor", clBtnFace);
    flatButtons_ = ini.ReadBool(Section, "FlatButtons", true);
    disabledColor_ = readColor("DisabledColor", clWindow);
    readOnlyColor_ = readColor("ReadOnlyColor", clInfoBk);
    readOnlyColorOnFocus_ = ini.ReadBool(Section, "ReadOnlyColorOnFocus", false);
    focusColor_ = readColor("FocusColor", clWindow);
    frameColor_ = readColor("FrameColor", clBtnShadow);
    frameHotColor_ = readColor("FrameHotColor", clBtnShadow);
    frame_.hotStyle = readStyle("FrameHotStyle", fsFlatBold);
    frame_.hotTrack = ini.ReadBool(Section, "FrameHotTrack", false);
    TSides sides;
    if (ini.ReadBool(Section, "FrameSides_Left", true)) sides << sdLeft;
    if (ini.ReadBool(Section, "FrameSides_Top", true)) sides << sdTop;
    if (ini.ReadBool(Section, "FrameSides_Right", true)) sides << sdRight;
    if (ini.ReadBool(Section, "FrameSides_Bottom", true)) sides << sdBottom;
    frame_.sides = sides;
    frame_.style = readStyle("FrameStyle", fsFlat);
    frame_.visible = ini.ReadBool(Section, "FrameVisible", false);
    const int preference = ini.ReadInteger(Section, "FramingPreference", fpXPThemes);
    frame_.framingPreference = preference == fpCustomFraming ? fpCustomFraming : fpXPThemes;
}

void TRzFrameController::Save(const std::string& Section)
{
    if (!regIniFile_)
        throw ENoRegIniFile("Cannot save Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *regIniFile_;
    auto color = [&](const char* name, TColor c) { ini.WriteInteger(Section, name, static_cast<int>(c)); };
    color("Color", color_);
    color("FlatButtonColor", flatButtonColor_);
    ini.WriteBool(Section, "FlatButtons", flatButtons_);
    color("DisabledColor", disabledColor_);
    color("ReadOnlyColor", readOnlyColor_);
    ini.WriteBool(Section, "ReadOnlyColorOnFocus", readOnlyColorOnFocus_);
    color("FocusColor", focusColor_);
    color("FrameColor", frameColor_);
    color("FrameHotColor", frameHotColor_);
    ini.WriteInteger(Section, "FrameHotStyle", frame_.hotStyle);
    ini.WriteBool(Section, "FrameHotTrack", frame_.hotTrack);
    ini.WriteBool(Section, "FrameSides_Left", frame_.sides.Contains(sdLeft));
    ini.WriteBool(Section, "FrameSides_Top", frame_.sides.Contains(sdTop));
    ini.WriteBool(Section, "FrameSides_Right", frame_.sides.Contains(sdRight));
    ini.WriteBool(Section, "FrameSides_Bottom", frame_.sides.Contains(sdBottom));
    ini.WriteInteger(Section, "FrameStyle", frame_.style);
    ini.WriteBool(Section, "FrameVisible", frame_.visible);
    ini.WriteInteger(Section, "FramingPreference", frame_.framingPreference);
}

namespace qx::rz {

FrameControllerLink::~FrameControllerLink()
{
    if (controller_)
        controller_->RemoveControl(&owner_);
}

void FrameControllerLink::set(TRzFrameController* controller)
{
    if (controller_ == controller)
        return;
    if (controller_)
        controller_->RemoveControl(&owner_);
    controller_ = controller;
    if (controller) {
        controller->AddControl(&owner_);
        controller->FreeNotification(&owner_);
    }
}

void FrameControllerLink::removed(TComponent* component)
{
    if (component == controller_)
        controller_ = nullptr;
}

} // namespace qx::rz
