#pragma once
// A pen: colour, width in world units, dash style and alignment.

#include "platform/gdiplus/Types.h"

namespace qx::gdiplus {

class Pen
{
public:
    explicit Pen(Argb color, float width = 1.0f) : m_color(color), m_width(width) {}

    Argb GetColor() const { return m_color; }
    void SetColor(Argb color) { m_color = color; }
    float GetWidth() const { return m_width; }
    void SetWidth(float width) { m_width = width; }
    DashStyle GetDashStyle() const { return m_dash; }
    void SetDashStyle(DashStyle dash) { m_dash = dash; }
    // Inset draws the whole width inside a closed figure instead of centred on its outline.
    PenAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(PenAlignment alignment) { m_alignment = alignment; }

private:
    Argb m_color;
    float m_width;
    DashStyle m_dash = DashStyle::Solid;
    PenAlignment m_alignment = PenAlignment::Center;
};

} // namespace qx::gdiplus
