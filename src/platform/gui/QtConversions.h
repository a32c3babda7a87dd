#pragma once
// Conversions between our value types and Qt's, for the controls' Qt side.
// Platform code only.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/ControlEnums.h"

#include <QRect>
#include <QString>

#include <string>

namespace qx {

inline QString toQt(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQt(const QString& s) { return s.toStdString(); }


Qt::Alignment qtAlignment(TAlignment alignment);
Qt::Alignment qtAlignment(TAlignment alignment, TTextLayout layout);

} // namespace qx
