#pragma once
// A click on a row of a preset list as a user makes it, through the list's
// window. Needs Qt6::Test.

#include "WindowSystemInput.h"
#include "app/presets/PresetListForm.h"
#include "platform/gui/ValueListEditor.h"

#include <QAbstractItemModel>
#include <QRect>
#include <QTableWidget>

namespace qx::test {

// A click on grid row `row` (1 the first), on its name, through the list's window.
inline void clickRow(qx::PresetListForm& list, int row)
{
    auto* table = static_cast<QTableWidget*>(list.vledPresetName->Widget());
    table->scrollToItem(table->item(row - 1, 1));
    const QRect cell = table->visualRect(table->model()->index(row - 1, 1));
    clickThroughWindow(table->viewport(), cell.center());
}

} // namespace qx::test
