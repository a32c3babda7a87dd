#pragma once
// Conversions between our value types and Qt's, for the controls' Qt side.
// Platform code only.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/ControlEnums.h"

#include <QRect>

class QAbstractScrollArea;
#include <QString>

#include <string>

namespace qx {

inline QString toQt(const std::string& s) { return QString::fromStdString(s); }
inline std::string fromQt(const QString& s) { return s.toStdString(); }


Qt::Alignment qtAlignment(TAlignment alignment);
Qt::Alignment qtAlignment(TAlignment alignment, TTextLayout layout);

/// Shows the scroll bars the style asks for, always, and no others.
void applyScrollBars(QAbstractScrollArea* area, TScrollStyle style);

} // namespace qx
