#include "qt/form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <utility>

#include "model/event_dispatch.h"
#include "model/result_line.h"
#include "model/tab_order.h"
#include "model/twips.h"
#include "qt/flat_field.h"
#include "qt/to_qstring.h"

namespace level::qt {
namespace {

// The first of the window's families installed as an outline font, picked
// once from the list of installed families, which spares Qt's font matching
// a fallback search through the missing ones at start-up, and fontconfig the
// resolving of each name as an alias.
QString DesignFontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        const QString found = ToQString(WindowFontFamily([&](std::string_view candidate) {
            return installed.contains(ToQString(candidate), Qt::CaseInsensitive) &&
                   QFontDatabase::isSmoothlyScalable(ToQString(candidate));
        }));
        return found.isEmpty() ? QFont().family() : found;
    }();
    return family;
}

QFont DesignFont(int points)
{
    QFont font(DesignFontFamily(), points, QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QIcon ConverterIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/level-converter-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/level-converter-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace

Form1::Form1(RegionalSettings settings, ErrorReport& report, QWidget* parent)
    : QWidget(parent), model_(std::move(settings)), report_(report)
{
    setWindowTitle(ToQString(kForm1Caption));
    setWindowIcon(ConverterIcon());
    setFont(DesignFont(kDialogFontPoints));
    resize(TwipsToPixels(kFormClientWidth), TwipsToPixels(kFormClientHeight));
    options_ = new QButtonGroup(this);
    // Created in tab order, which Qt's focus chain follows.
    for (const ControlRow& row : kForm1Controls) {
        widgets_.Set(row.control, Create(row));
    }
    installEventFilter(this);
    model_.Form_Load();
    ShowModel();
}

// One control of the table, at its place, in its font, named as the window
// names it, and bound to the model.
QWidget* Form1::Create(const ControlRow& row)
{
    const QString caption = ToQString(row.caption);
    QWidget* widget = nullptr;
    switch (row.kind) {
        case ControlKind::Field:
            // A field's typing goes to the model.
            widget = new FlatField(this);
            connect(static_cast<FlatField*>(widget), &QLineEdit::textEdited, this,
                    [this, field = row.control](const QString& text) {
                        model_.SetFieldText(field, text.toStdString());
                    });
            break;
        case ControlKind::Option:
            widget = new QRadioButton(caption, this);
            options_->addButton(static_cast<QRadioButton*>(widget));
            break;
        case ControlKind::PushButton:
            // Neither button is a default or cancel button.
            widget = new QPushButton(caption, this);
            static_cast<QPushButton*>(widget)->setAutoDefault(false);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(caption, this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Frame:
            widget = new QGroupBox(caption, this);
            break;
        case ControlKind::Outline:
            widget = new QFrame(this);
            static_cast<QFrame*>(widget)->setFrameStyle(QFrame::Box | QFrame::Plain);
            break;
    }
    widget->setObjectName(ToQString(row.name));
    const PixelRect place = TwipsToPixels(row.place);
    widget->setGeometry(place.left, place.top, place.width, place.height);
    if (row.font == ControlFont::Large) {
        widget->setFont(DesignFont(kLargeFontPoints));
    }
    if (!row.accessibleName.empty()) {
        widget->setAccessibleName(ToQString(row.accessibleName));
    }
    if (TakesFocus(row.kind)) {
        widget->installEventFilter(this);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    if (row.kind == ControlKind::Frame || row.kind == ControlKind::Outline) {
        // The option buttons belong to the window, not to the frame, and are
        // drawn in front of it; the outline, made last, beneath everything.
        widget->lower();
    }
    if (row.onClick != nullptr) {
        connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                [this, handler = row.onClick] {
                    DispatchEvent(
                        model_, handler, widgets_.ControlOf(QApplication::focusWidget()),
                        [this] { ShowModel(); }, report_);
                });
    }
    return widget;
}

void Form1::ShowModel()
{
    // The group stays exclusive for the user but may be all unselected.
    options_->setExclusive(false);
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind == ControlKind::Option) {
            static_cast<QRadioButton*>(widgets_[row.control])
                ->setChecked(model_.OptionValue(row.control));
        } else if (row.kind == ControlKind::Field) {
            FlatField* field = Field(row.control);
            const QString text = QString::fromStdString(model_.FieldText(row.control));
            if (field->text() != text) {
                // Shown from its first character: a long result would otherwise
                // show its tail, and a disabled field cannot be scrolled back.
                field->setText(text);
                field->setCursorPosition(0);
            }
            field->setEnabled(model_.FieldEnabled(row.control));
        }
    }
    options_->setExclusive(true);
    ShowLabel1();
    ShowWindowHeight();
    ShowFocus();
}

void Form1::ShowLabel1()
{
    QFont labelFont = font();
    labelFont.setPointSize(model_.Label1FontSize().value_or(kDialogFontPoints));
    auto* label1 = static_cast<QLabel*>(widgets_[Control::Label1]);
    label1->setFont(labelFont);
    label1->setText(QString::fromStdString(model_.Label1Caption()));
}

// Shows the model's focus, as ConverterModel::Focus says.
void Form1::ShowFocus()
{
    QWidget* focus = widgets_[model_.Focus()];
    if (focus == nullptr || !isVisible() || focus == QApplication::focusWidget()) {
        return;
    }
    focus->setFocus(Qt::OtherFocusReason);
    if (IsField(model_.Focus())) {
        Field(model_.Focus())->selectAll();
    }
}

// A maximised or full-screen window keeps its state: Qt sets no normal
// geometry of such a window, so the height waits for its return to its
// normal size.
void Form1::ShowWindowHeight()
{
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        normalWidth_ = normalGeometry().width();
        return;
    }
    const int restoredWidth = std::exchange(normalWidth_, 0);
    if (const auto clientHeight = model_.TakeHeightWrite()) {
        resize(restoredWidth > 0 ? restoredWidth : width(), TwipsToPixels(*clientHeight));
    }
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && normalWidth_ > 0) {
        ShowWindowHeight();
    }
}

// The keys the window answers itself, as the model answers them, before
// the focused control or, with none focused, the window itself.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    return ActOnKey(AnswerKey(WindowKeyOf(*static_cast<QKeyEvent*>(event)),
                              widgets_.ControlOf(static_cast<QWidget*>(watched))));
}

// Tab and Shift+Tab go round the window's tab stops as the model has them.
bool Form1::focusNextPrevChild(bool next)
{
    const Control stop =
        NextTabStop(model_, widgets_.ControlOf(QApplication::focusWidget()), next ? 1 : -1);
    if (stop == Control::None) {
        return QWidget::focusNextPrevChild(next);
    }
    widgets_[stop]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// A key by its name in the model; the keypad's decimal key is its period
// or comma pressed with the keypad modifier.
WindowKey Form1::WindowKeyOf(const QKeyEvent& key)
{
    const bool keypad = (key.modifiers() & Qt::KeypadModifier) != 0;
    // clang-format off
    static const std::pair<int, KeyCode> kKeys[] = {
        {Qt::Key_C, KeyCode::C},           {Qt::Key_A, KeyCode::A},
        {Qt::Key_Menu, KeyCode::Menu},     {Qt::Key_F10, KeyCode::F10},
        {Qt::Key_Return, KeyCode::Enter},  {Qt::Key_Enter, KeyCode::Enter},
        {Qt::Key_Down, KeyCode::Down},     {Qt::Key_Right, KeyCode::Right},
        {Qt::Key_Up, KeyCode::Up},         {Qt::Key_Left, KeyCode::Left}};
    // clang-format on
    KeyCode code = keypad && (key.key() == Qt::Key_Period || key.key() == Qt::Key_Comma)
                       ? KeyCode::KeypadDecimal
                       : KeyCode::Other;
    for (const auto& [native, name] : kKeys) {
        code = key.key() == native ? name : code;
    }
    return level::WindowKeyOf({code, (key.modifiers() & Qt::ControlModifier) != 0,
                               (key.modifiers() & Qt::ShiftModifier) != 0});
}

// Does what the model answers to a key; false where the key goes on.
bool Form1::ActOnKey(const KeyAnswer& answer)
{
    QWidget* target = widgets_[answer.target];
    switch (answer.action) {
        case KeyAction::None:
            return false;
        case KeyAction::TypeDecimalSeparator:
            Field(answer.target)->insert(ToQString(model_.Settings().decimalSeparator));
            return true;
        case KeyAction::CopyFromField:
            Field(answer.target)->Copy();
            return true;
        case KeyAction::CopyResultLine:
            if (const auto line = ResultLine(model_)) {
                QApplication::clipboard()->setText(QString::fromStdString(*line));
            } else {
                QApplication::beep();  // as for any command that cannot be done
            }
            return true;
        case KeyAction::SelectAll:
            Field(answer.target)->selectAll();
            return true;
        case KeyAction::OpenFieldMenu:
            Field(answer.target)
                ->CreateMenu(ResultLine(model_))
                ->popup(target->mapToGlobal(QPoint(0, 0)));
            return true;
        case KeyAction::Click:
            target->setFocus(Qt::TabFocusReason);
            static_cast<QAbstractButton*>(target)->click();
            return true;
    }
    return false;
}

// A field's right click comes here: the window's menu knows the fields as
// one result, and a greyed field takes no mouse input.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    if (const Control control = widgets_.ControlOf(childAt(event->pos())); IsField(control)) {
        Field(control)->CreateMenu(ResultLine(model_))->popup(event->globalPos());
        return;
    }
    QWidget::contextMenuEvent(event);
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(shownOnce_, true)) {
        // Text1 comes first in the tab order but is disabled, so the first
        // focus lands on Option1, without selecting it, and shows its focus
        // cue as a focus reached by the keyboard does.
        setAttribute(Qt::WA_KeyboardFocusChange);
        model_.SetFocus(model_.FirstFocus());
        widgets_[model_.Focus()]->setFocus(Qt::TabFocusReason);
    }
}

FlatField* Form1::Field(Control field) const
{
    return static_cast<FlatField*>(widgets_[field]);
}

}  // namespace level::qt
