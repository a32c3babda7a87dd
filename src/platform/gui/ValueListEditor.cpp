#include "platform/gui/ValueListEditor.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

/// Marks a mouse press in progress, so that the selection it makes is
/// raised once, by the press.
class ValueListPresser : public QObject
{
public:
    explicit ValueListPresser(TValueListEditor& grid) : QObject(grid.table()), grid_(grid) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            grid_.pressing_ = true;
        return false;
    }

private:
    TValueListEditor& grid_;
};

namespace {

constexpr int kRowPitch = 18 + 1;

std::pair<std::string, std::string> keyAndValue(const std::string& line)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return {line, {}};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

} // namespace

TValueListEditor::TValueListEditor(TComponent* AOwner)
    : TWinControl(AOwner, new QTableWidget(0, 2)),
      strings_(std::make_unique<TStringList>()),
      titles_(std::make_unique<TStringList>()),
      colWidths_(std::make_unique<TStringList>())
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    QTableWidget* t = table();
    t->verticalHeader()->hide();
    // Rows (and the title row) of the class library's grid: 18 pixels and
    // the grid line below, whatever the style would make of the font.
    t->verticalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(kRowPitch);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setFixedHeight(kRowPitch);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->viewport()->installEventFilter(new ValueListPresser(*this));
    QObject::connect(t, &QTableWidget::currentCellChanged, t, [this](int r, int c, int pr, int pc) {
        qx::guarded(this, [&] { userMovedTo(r, c, pr, pc); });
    });
    QObject::connect(t, &QTableWidget::cellPressed, t, [this](int r, int c) {
        qx::guarded(this, [&] {
            pressing_ = false;
            userSelected(r, c);
        });
    });
    titles_->SetLines({"Key", "Value"});
    colWidths_->SetLines({"150", "150"});
    strings_->OnChange = [this](TObject*) { refill(); };
    titles_->OnChange = [this](TObject*) { applyTitles(); };
    colWidths_->OnChange = [this](TObject*) { applyWidths(); };
    applyTitles();
    applyWidths();
    SetBounds(0, 0, 306, 300);
}

TValueListEditor::~TValueListEditor() = default;

QTableWidget* TValueListEditor::table() const { return static_cast<QTableWidget*>(Widget()); }

void TValueListEditor::refill()
{
    filling_ = true;
    const QSignalBlocker block(table());
    table()->setRowCount(strings_->Count());
    for (int row = 0; row < strings_->Count(); ++row) {
        const auto [key, value] = keyAndValue(strings_->Get(row));
        table()->setItem(row, 0, new QTableWidgetItem(qx::toQt(key)));
        table()->setItem(row, 1, new QTableWidgetItem(qx::toQt(value)));
    }
    filling_ = false;
}

void TValueListEditor::applyTitles()
{
    QStringList labels;
    for (int i = 0; i < 2; ++i)
        labels << (i < titles_->Count() ? qx::toQt(titles_->Get(i)) : QString());
    table()->setHorizontalHeaderLabels(labels);
}

void TValueListEditor::applyWidths()
{
    for (int i = 0; i < 2 && i < colWidths_->Count(); ++i) {
        try {
            table()->setColumnWidth(i, std::stoi(colWidths_->Get(i)));
        } catch (const std::exception&) {
            throw std::invalid_argument("'" + colWidths_->Get(i) + "' is not a column width");
        }
    }
}

std::string TValueListEditor::Cells(int ACol, int ARow) const
{
    if (ARow == 0)
        return ACol >= 0 && ACol < titles_->Count() ? titles_->Get(ACol) : std::string();
    if (ARow < 1 || ARow > strings_->Count() || ACol < 0 || ACol > 1)
        return {};
    const auto [key, value] = keyAndValue(strings_->Get(ARow - 1));
    return ACol == 0 ? key : value;
}

std::string TValueListEditor::Values(const std::string& Key) const
{
    for (int i = 0; i < strings_->Count(); ++i) {
        const auto [key, value] = keyAndValue(strings_->Get(i));
        if (qx::sameText(key, Key))
            return value;
    }
    return {};
}

int TValueListEditor::Row() const { return table()->currentRow() + 1; }
int TValueListEditor::Col() const { return std::max(table()->currentColumn(), 0); }

void TValueListEditor::userMovedTo(int row, int column, int, int)
{
    if (filling_ || pressing_ || row < 0)
        return; // a press raises its selection itself
    userSelected(row, column);
}

void TValueListEditor::userSelected(int row, int column)
{
    if (SelectCell(column, row + 1)) {
        acceptedRow_ = row;
        acceptedColumn_ = column;
        return;
    }
    const QSignalBlocker block(table());
    table()->setCurrentCell(acceptedRow_, acceptedColumn_);
}

bool TValueListEditor::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    qx::fire(OnSelectCell, this, ACol, ARow, canSelect);
    return canSelect;
}
