#include "qt/flat_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QValidator>
#include <limits>

#include "model/field_tip.h"
#include "model/form1_layout.h"
#include "model/readable_grey.h"
#include "qt/to_qstring.h"

namespace level::qt {
namespace {

Colour ColourOf(const QColor& colour)
{
    return {colour.redF(), colour.greenF(), colour.blueF()};
}

// Room between the border and the text, each side.
constexpr int kTextMargin = 2;

// Refuses whole, with a beep, an edit that would leave the field longer than
// it takes; QLineEdit's own length limit would cut a paste instead.
class LengthLimit final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override
    {
        if (FieldTakes(static_cast<std::size_t>(input.size()))) {
            return Acceptable;
        }
        QApplication::beep();
        return Invalid;
    }
};

}  // namespace

FlatField::FlatField(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LengthLimit(this));
    setTextMargins(kTextMargin, 0, kTextMargin, 0);
    // The window opens the menu, which knows the fields as one result.
    setContextMenuPolicy(Qt::NoContextMenu);
    UseReadableGrey();
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        setToolTip(QString::fromStdString(FieldTip(text.toStdString())));
    });
}

void FlatField::UseReadableGrey()
{
    QPalette colours = palette();
    const QColor window = colours.color(QPalette::Active, QPalette::Window);
    const Colour grey =
        ReadableGrey(ColourOf(colours.color(QPalette::Disabled, QPalette::Text)),
                     ColourOf(colours.color(QPalette::Active, QPalette::Text)), ColourOf(window));
    colours.setColor(QPalette::Disabled, QPalette::Base, window);
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     QColor::fromRgbF(static_cast<float>(grey.red), static_cast<float>(grey.green),
                                      static_cast<float>(grey.blue)));
    setPalette(colours);
}

void FlatField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    // The frame's colour does not grey with the field.
    painter.setPen(
        palette().color(QPalette::Active, hasFocus() ? QPalette::Highlight : QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

FieldState FlatField::State(bool fieldsAreOneResult) const
{
    return {.enabled = isEnabled(),
            .hasText = !text().isEmpty(),
            .hasSelection = hasSelectedText(),
            .allSelected = selectedText() == text(),
            .canUndo = isUndoAvailable(),
            .canRedo = isRedoAvailable(),
            .canPaste = !QApplication::clipboard()->text().isEmpty(),
            .fieldsAreOneResult = fieldsAreOneResult};
}

void FlatField::Run(EditCommand command, const std::optional<std::string>& resultLine)
{
    if (const auto copied =
            CopiedText(command, text().toStdString(), selectedText().toStdString(), resultLine)) {
        QApplication::clipboard()->setText(QString::fromStdString(*copied));
        return;
    }
    switch (command) {
        case EditCommand::Undo:
            undo();
            return;
        case EditCommand::Redo:
            redo();
            return;
        case EditCommand::Cut:
            cut();
            return;
        case EditCommand::Paste:
            paste();
            return;
        case EditCommand::Delete:
            del();
            return;
        case EditCommand::SelectAll:
            selectAll();
            return;
        default:
            return;  // the copies, above
    }
}

QMenu* FlatField::CreateMenu(const std::optional<std::string>& resultLine)
{
    auto* menu = new QMenu(this);
    for (const FieldMenuItem& item : FieldMenu(State(resultLine.has_value()))) {
        if (!item.command) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(ToQString(item.text));
        action->setEnabled(item.available);
        action->setShortcut(QKeySequence(ToQString(item.shortcut)));
        connect(action, &QAction::triggered, this,
                [this, command = *item.command, resultLine] { Run(command, resultLine); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

void FlatField::Copy()
{
    if (const auto command = CopyCommand(State(false))) {
        Run(*command, std::nullopt);
    }
}

}  // namespace level::qt
