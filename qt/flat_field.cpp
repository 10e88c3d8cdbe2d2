#include "qt/flat_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "model/field_tip.h"

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

// The standard menu's «Копировать», in Qt's own words.
QString CopyText()
{
    return QCoreApplication::translate("QLineEdit", "&Copy");
}

QAction* CopyAction(const QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == CopyText()) {
            return action;
        }
    }
    return nullptr;
}

// Room between the border and the text, each side.
constexpr int kTextMargin = 2;

}  // namespace

FlatField::FlatField(QString decimalSeparator, QWidget* parent)
    : QLineEdit(parent), decimalSeparator_(std::move(decimalSeparator))
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

void FlatField::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers().testFlag(Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        insert(decimalSeparator_);
        return;
    }
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        event->ignore();  // the window copies all three fields
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QMenu* FlatField::CreateMenu()
{
    QMenu* menu = isEnabled() ? createStandardContextMenu() : new QMenu(this);
    QAction* copy = isEnabled() ? CopyAction(*menu) : menu->addAction(CopyText());
    // A greyed field, or one with nothing selected, copies its whole text.
    if (copy != nullptr && (!isEnabled() || !hasSelectedText())) {
        copy->setEnabled(!text().isEmpty());
        disconnect(copy, &QAction::triggered, nullptr, nullptr);
        connect(copy, &QAction::triggered, this, &FlatField::CopyWholeText);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

void FlatField::CopyWholeText() const
{
    QApplication::clipboard()->setText(text());
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
