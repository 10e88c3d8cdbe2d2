#include "qt/flat_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "model/field_menu.h"
#include "model/field_tip.h"
#include "qt/to_qstring.h"

namespace level::qt {
namespace {

// Relative luminance and contrast ratio as the Web Content Accessibility
// Guidelines define them.
double Luminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other)
{
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour a tenth of the way at a time from the greyed colour toward the
// text colour, until it reads at 4.5:1 on the background: as grey as can be
// while still readable, on a light scheme or a dark one.
QColor ReadableGrey(const QColor& grey, const QColor& text, const QColor& background)
{
    constexpr double kReadable = 4.5;
    for (int tenths = 0; tenths < 10; ++tenths) {
        const double share = tenths / 10.0;
        const QColor mixed = QColor::fromRgbF(
            static_cast<float>(grey.redF() + (text.redF() - grey.redF()) * share),
            static_cast<float>(grey.greenF() + (text.greenF() - grey.greenF()) * share),
            static_cast<float>(grey.blueF() + (text.blueF() - grey.blueF()) * share));
        if (Contrast(mixed, background) >= kReadable) {
            return mixed;
        }
    }
    return text;
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
    colours.setColor(QPalette::Disabled, QPalette::Base, window);
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     ReadableGrey(colours.color(QPalette::Disabled, QPalette::Text),
                                  colours.color(QPalette::Active, QPalette::Text), window));
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

void FlatField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    update();
}

void FlatField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

}  // namespace level::qt
