#include "form1.h"

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
#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "model/control_names.h"
#include "model/event_dispatch.h"
#include "model/form1_layout.h"
#include "model/result_line.h"
#include "model/twips.h"
#include "qt/flat_field.h"
#include "qt/to_qstring.h"

namespace level {
namespace {

// The designed family, or where it is missing a sans serif with the same
// widths and with Cyrillic glyphs, so that the captions fit their places.
// Picked once from the list of installed families, which spares Qt's font
// matching a fallback search through the missing ones at start-up, and
// fontconfig the resolving of each name as an alias.
QString DesignFontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate :
             {ToQString(kDesignFontFamily), QStringLiteral("Microsoft Sans Serif"),
              QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) {
                return candidate;
            }
        }
        return QFont().family();
    }();
    return family;
}

QFont DesignFont(int points)
{
    QFont font(DesignFontFamily(), points, QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect Pixels(const ControlPlacement& placement)
{
    return {TwipsToPixels(placement.left), TwipsToPixels(placement.top),
            TwipsToPixels(placement.width), TwipsToPixels(placement.height)};
}

QIcon ConverterIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/level-converter-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/level-converter-32.png"), QSize(32, 32));
    return icon;
}

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

}  // namespace

Form1::Form1(RegionalSettings settings, ErrorReport& report, QWidget* parent)
    : QWidget(parent), model_(std::move(settings)), report_(report)
{
    setWindowTitle(ToQString(kForm1Caption));
    setWindowIcon(ConverterIcon());
    setFont(DesignFont(kDialogFontPoints));
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    CreateControls();
    PlaceControls();
    ConnectControls();
    model_.Form_Load();
    ShowModel();
}

// The controls go with the QWidget base, after this destructor; the focus
// moves while they go, and must no longer reach the half-destroyed window.
Form1::~Form1()
{
    disconnect(focusFollower_);
}

void Form1::CreateControls()
{
    // Created first, so that it lies beneath every other control.
    shape1_ = Make<QFrame>(this, "Shape1");
    shape1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape1_->setLineWidth(1);
    frame1_ = Make<QGroupBox>(this, "Frame1", ToQString(kFrame1Caption));

    const QFont large = DesignFont(kLargeFontPoints);
    const QString separator = ToQString(model_.Settings().decimalSeparator);
    text1_ = Make<FlatField>(this, "Text1", separator);
    text2_ = Make<FlatField>(this, "Text2", separator);
    text3_ = Make<FlatField>(this, "Text3", separator);
    for (FlatField* field : {text1_, text2_, text3_}) {
        field->setFont(large);
    }
    text1_->setAccessibleName(ToQString(kText1AccessibleName));
    text2_->setAccessibleName(ToQString(kText2AccessibleName));
    text3_->setAccessibleName(ToQString(kText3AccessibleName));
    option1_ = Make<QRadioButton>(this, "Option1", ToQString(kOption1Caption));
    option2_ = Make<QRadioButton>(this, "Option2", ToQString(kOption2Caption));
    option3_ = Make<QRadioButton>(this, "Option3", ToQString(kOption3Caption));
    options_ = new QButtonGroup(this);
    for (QRadioButton* option : {option1_, option2_, option3_}) {
        options_->addButton(option);
        option->installEventFilter(this);
    }
    command1_ = Make<QPushButton>(this, "Command1", ToQString(kCommand1Caption));
    command2_ = Make<QPushButton>(this, "Command2", ToQString(kCommand2Caption));
    for (QPushButton* command : {command1_, command2_}) {
        // Neither button is a default or cancel button; a focused one takes
        // Enter as a press, as in a Windows dialog (see eventFilter).
        command->setAutoDefault(false);
        command->setDefault(false);
        command->installEventFilter(this);
    }
    label1_ = Make<QLabel>(this, "Label1");
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2_ = Make<QLabel>(this, "Label2", ToQString(kLabel2Caption));
    label3_ = Make<QLabel>(this, "Label3", ToQString(kLabel3Caption));
    label4_ = Make<QLabel>(this, "Label4", ToQString(kLabel4Caption));
    for (QLabel* unit : {label2_, label3_, label4_}) {
        unit->setFont(large);
        unit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (QWidget* still :
         std::initializer_list<QWidget*>{shape1_, frame1_, label1_, label2_, label3_, label4_}) {
        still->setFocusPolicy(Qt::NoFocus);
    }
}

// Puts every control at its designed place and chains the focus through
// them in the designed tab order.
void Form1::PlaceControls()
{
    QWidget* previous = nullptr;
    for (const ControlPlacement& placement : kForm1Layout) {
        auto* widget = findChild<QWidget*>(ToQString(placement.name), Qt::FindDirectChildrenOnly);
        widget->setGeometry(Pixels(placement));
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    // The option buttons belong to the window, not to the frame, and are
    // drawn in front of it; the outline is drawn beneath everything.
    for (QRadioButton* option : {option1_, option2_, option3_}) {
        option->raise();
    }
    shape1_->lower();
}

void Form1::ConnectControls()
{
    connect(option1_, &QRadioButton::clicked, this,
            [this] { Run(&ConverterModel::Option1_Click); });
    connect(option2_, &QRadioButton::clicked, this,
            [this] { Run(&ConverterModel::Option2_Click); });
    connect(option3_, &QRadioButton::clicked, this,
            [this] { Run(&ConverterModel::Option3_Click); });
    connect(command1_, &QPushButton::clicked, this,
            [this] { Run(&ConverterModel::Command1_Click); });
    connect(command2_, &QPushButton::clicked, this,
            [this] { Run(&ConverterModel::Command2_Click); });
    for (FlatField* field : {text1_, text2_, text3_}) {
        connect(field, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            model_.SetFieldText(ControlOf(field), text.toStdString());
        });
    }
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget* /*old*/, QWidget* now) { FollowFocus(now); });
}

// Runs one handler; a failure is reported, and the window shows whatever
// state the handler reached either way.
void Form1::Run(void (ConverterModel::*handler)())
{
    DispatchEvent([this, handler] { (model_.*handler)(); }, [this] { ShowModel(); }, report_);
}

void Form1::ShowModel()
{
    for (Control control : {Control::Text1, Control::Text2, Control::Text3}) {
        FlatField* field = Field(control);
        const QString text = QString::fromStdString(model_.FieldText(control));
        if (field->text() != text) {
            // Shown from its first character: a long result would otherwise
            // show its tail, and a disabled field cannot be scrolled back.
            field->setText(text);
            field->setCursorPosition(0);
        }
        field->setEnabled(model_.FieldEnabled(control));
    }
    // The group stays exclusive for the user but may be all unselected.
    options_->setExclusive(false);
    for (Control control : {Control::Option1, Control::Option2, Control::Option3}) {
        static_cast<QRadioButton*>(Widget(control))->setChecked(model_.OptionValue(control));
    }
    options_->setExclusive(true);

    QFont labelFont = font();
    if (const auto points = model_.Label1FontSize()) {
        labelFont.setPointSize(*points);
    }
    label1_->setFont(labelFont);
    label1_->setText(QString::fromStdString(model_.Label1Caption()));

    ShowWindowHeight();
    ShowFocus();
}

// A handler that moves the focus to a field selects the field's whole text,
// so that what the user types next replaces it.
void Form1::ShowFocus()
{
    QWidget* focus = Widget(model_.Focus());
    if (focus == nullptr || !isVisible() || focus == QApplication::focusWidget()) {
        return;
    }
    focus->setFocus(Qt::OtherFocusReason);
    if (auto* field = qobject_cast<FlatField*>(focus)) {
        field->selectAll();
    }
}

// The model's height is the outer one, applied as the designed frame would
// take it: whatever frame the window system draws, the client area keeps
// the designed share of it. A maximised or full-screen window keeps its
// state: the height waits for the window's return to its normal size.
void Form1::ShowWindowHeight()
{
    if (model_.WindowHeightWrites() == shownHeightWrites_) {
        return;
    }
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        normalWidth_ = normalGeometry().width();
        return;
    }
    shownHeightWrites_ = model_.WindowHeightWrites();
    const int restoredWidth = std::exchange(normalWidth_, 0);
    resize(restoredWidth > 0 ? restoredWidth : width(),
           TwipsToPixels(DesignedClientHeight(model_.WindowHeight())));
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && normalWidth_ > 0) {
        ShowWindowHeight();
    }
}

// The arrow keys move through the option group in tab order, wrapping
// within it, as the Windows dialog manager does: each option reached is
// clicked, and its handler puts the focus in its field.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (auto* command = qobject_cast<QPushButton*>(watched);
        command != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        command->click();
        return true;
    }
    const std::array<QRadioButton*, 3> group = {option1_, option2_, option3_};
    const auto* current = std::find(group.begin(), group.end(), watched);
    if (current == group.end()) {
        return QWidget::eventFilter(watched, event);
    }
    int step = 0;
    switch (key) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = 2;  // one back, within three
            break;
        default:
            return QWidget::eventFilter(watched, event);
    }
    QRadioButton* next = group.at(static_cast<std::size_t>((current - group.begin() + step) % 3));
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return true;
}

// Ctrl+C that no field takes for its selection copies the three fields as
// one line.
void Form1::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(QString::fromStdString(ResultLine(model_)));
        return;
    }
    QWidget::keyPressEvent(event);
}

// A greyed field takes no mouse input, so its right click comes here.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    if (auto* field = qobject_cast<FlatField*>(childAt(event->pos()))) {
        field->CreateMenu()->popup(event->globalPos());
        return;
    }
    QWidget::contextMenuEvent(event);
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // Text1 comes first in the tab order but is disabled, so the first
        // focus lands on Option1, without selecting it, and shows its focus
        // cue as a focus reached by the keyboard does.
        setAttribute(Qt::WA_KeyboardFocusChange);
        option1_->setFocus(Qt::TabFocusReason);
        model_.SetFocus(Control::Option1);
    }
}

void Form1::FollowFocus(QWidget* now)
{
    if (const Control control = ControlOf(now); control != Control::None) {
        model_.SetFocus(control);
    }
}

FlatField* Form1::Field(Control field) const
{
    return static_cast<FlatField*>(Widget(field));
}

QWidget* Form1::Widget(Control control) const
{
    if (control == Control::None) {
        return nullptr;
    }
    return findChild<QWidget*>(ToQString(ControlName(control)), Qt::FindDirectChildrenOnly);
}

Control Form1::ControlOf(const QWidget* widget) const
{
    if (widget == nullptr || widget->parentWidget() != this) {
        return Control::None;
    }
    return ControlNamed(widget->objectName().toStdString());
}

}  // namespace level
