#include "qt/flat_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <array>

#include "model/field_menu.h"
#include "model/field_tip.h"
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

}  // namespace

FlatField::FlatField(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(kTextMargin, 0, kTextMargin, 0);
    ReadablyGreyed();
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        setToolTip(QString::fromStdString(FieldTip(text.toStdString())));
    });
}

void FlatField::ReadablyGreyed()
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

QMenu* FlatField::CreateMenu()
{
    // What each command does, in their order, and the standard shortcut
    // shown beside it.
    static constexpr std::array<void (*)(QLineEdit&), 7> kCommands = {
        [](QLineEdit& field) { field.undo(); },     [](QLineEdit& field) { field.redo(); },
        [](QLineEdit& field) { field.cut(); },      [](QLineEdit& field) { field.copy(); },
        [](QLineEdit& field) { field.paste(); },    [](QLineEdit& field) { field.del(); },
        [](QLineEdit& field) { field.selectAll(); }};
    static constexpr std::array kShortcuts = {
        QKeySequence::Undo,  QKeySequence::Redo,       QKeySequence::Cut,       QKeySequence::Copy,
        QKeySequence::Paste, QKeySequence::UnknownKey, QKeySequence::SelectAll, QKeySequence::Copy};
    auto* menu = new QMenu(this);
    const FieldState state{.enabled = isEnabled(),
                           .hasText = !text().isEmpty(),
                           .hasSelection = hasSelectedText(),
                           .allSelected = selectedText() == text(),
                           .canUndo = isUndoAvailable(),
                           .canRedo = isRedoAvailable(),
                           .canPaste = !QApplication::clipboard()->text().isEmpty()};
    for (const FieldMenuItem& item : FieldMenu(state)) {
        if (!item.command) {
            menu->addSeparator();
            continue;
        }
        const auto index = static_cast<std::size_t>(*item.command);
        QAction* action = menu->addAction(ToQString(item.text));
        action->setEnabled(item.available);
        action->setShortcut(kShortcuts.at(index));
        connect(action, &QAction::triggered, this, [this, index] {
            if (index < kCommands.size()) {
                kCommands.at(index)(*this);
            } else {
                QApplication::clipboard()->setText(text());
            }
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

void FlatField::contextMenuEvent(QContextMenuEvent* event)
{
    CreateMenu()->popup(event->globalPos());
}

}  // namespace level::qt
