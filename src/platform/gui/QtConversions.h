#pragma once
// Conversions between our value types and Qt's, for the controls' Qt side.
// Platform code only.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/ControlEnums.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string>

namespace qx {

inline QString toQt(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQt(const QString& s) { return s.toStdString(); }

/// The colour to draw with; system colours resolved.
QColor qtColorOf(TColor color);

inline QRect toQt(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect fromQt(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

Qt::Alignment qtAlignment(TAlignment alignment);
Qt::Alignment qtAlignment(TAlignment alignment, TTextLayout layout);

} // namespace qx
