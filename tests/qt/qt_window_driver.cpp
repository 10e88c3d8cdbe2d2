// The window behaviours' driver for the Qt window: QTest's mouse and key
// events on the real widgets, on whichever platform the test runs on.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <memory>
#include <tuple>

#include <gtest/gtest.h>

#include "form_widgets.h"
#include "qt/form1.h"
#include "qt/to_qstring.h"
#include "test_support.h"
#include "window/window_driver.h"

namespace level::testing {

using qt::ToQString;
namespace {

// What a widget shows as its text: a field's text, a caption, a frame's
// title, the window's title.
std::string TextOf(const QWidget* widget)
{
    for (const char* property : {"text", "title", "windowTitle"}) {
        if (const QVariant shown = widget->property(property); shown.isValid()) {
            return shown.toString().toStdString();
        }
    }
    return {};
}

class QtWindowDriver final : public WindowDriver {
public:
    QtWindowDriver() : form_(std::make_unique<qt::Form1>(kCommaSettings, report))
    {
        form_->show();
        form_->activateWindow();
        // A Wayland client cannot activate its own window.
        EXPECT_TRUE(QGuiApplication::platformName() == "wayland"
                        ? QTest::qWaitForWindowExposed(form_.get())
                        : QTest::qWaitForWindowActive(form_.get()));
    }

    void Click(Control control) override { QTest::mouseClick(Find(control), Qt::LeftButton); }

    void Press(Key key) override
    {
        // clang-format off
        static const std::tuple<Key, Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
            {Key::Tab, Qt::Key_Tab, Qt::NoModifier},          {Key::Backtab, Qt::Key_Backtab, Qt::ShiftModifier},
            {Key::Up, Qt::Key_Up, Qt::NoModifier},            {Key::Down, Qt::Key_Down, Qt::NoModifier},
            {Key::Left, Qt::Key_Left, Qt::NoModifier},        {Key::Right, Qt::Key_Right, Qt::NoModifier},
            {Key::Enter, Qt::Key_Return, Qt::NoModifier},     {Key::Escape, Qt::Key_Escape, Qt::NoModifier},
            {Key::Space, Qt::Key_Space, Qt::NoModifier},      {Key::CtrlC, Qt::Key_C, Qt::ControlModifier},
            {Key::CtrlShiftC, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
            {Key::KeypadDecimal, Qt::Key_Period, Qt::KeypadModifier},
            {Key::CtrlA, Qt::Key_A, Qt::ControlModifier}};
        // clang-format on
        const auto* row =
            std::ranges::find(kKeys, key, [](const auto& keyRow) { return std::get<0>(keyRow); });
        ASSERT_NE(row, std::end(kKeys));
        const auto& [name, qtKey, modifier] = *row;
        QTest::keyClick(Receiver(), qtKey, modifier);
    }

    void TypeKeys(std::string_view text) override { QTest::keyClicks(Receiver(), ToQString(text)); }

    void FocusAndSelectAll(Control field) override
    {
        auto* edit = Find<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
    }

    void Paste(Control field, const std::string& text) override
    {
        QApplication::clipboard()->setText(ToQString(text));
        FocusAndSelectAll(field);
        QTest::keyClick(Find(field), Qt::Key_V, Qt::ControlModifier);
    }

    void ResizeClient(PixelSize size) override
    {
        const QSize wanted(size.width, size.height);
        form_->resize(wanted);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form_->size() == wanted; }));
    }

    void SetMaximised(bool maximised) override
    {
        if (maximised) {
            form_->showMaximized();
        } else {
            form_->showNormal();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return form_->isMaximized() == maximised; }));
        QTest::qWait(100);  // the window manager's new size
    }

    std::vector<std::string> RightClickAndChoose(Control control, std::string_view item) override
    {
        // The event a right click brings, sent where the mouse is: a greyed
        // widget passes it on to the window.
        QWidget* widget = Find(control);
        const QPoint middle = widget->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
        QApplication::sendEvent(widget, &rightClick);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return {};
        }
        std::vector<std::string> items;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            // The item's name, and the keys that do the same.
            const QString name = action->text().remove(QLatin1Char('&'));
            const QString keys = action->shortcut().toString(QKeySequence::PortableText);
            const QString shown = keys.isEmpty() ? name : name + QStringLiteral("  ") + keys;
            if (name == ToQString(item)) {
                chosen = action;
            }
            items.push_back(action->isSeparator() ? "-"
                            : action->isEnabled() ? shown.toStdString()
                                                  : "(" + shown.toStdString() + ")");
        }
        menu->close();
        if (chosen != nullptr) {
            chosen->trigger();
        }
        return items;
    }

    void SwitchToAnotherWindow() override
    {
        other_ = std::make_unique<QWidget>();
        other_->resize(100, 100);
        other_->show();
        other_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(other_.get()));
    }

    void SwitchBack() override
    {
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        other_.reset();
    }

    [[nodiscard]] Seen See(Control control) override { return SeeWidget(Find(control)); }
    [[nodiscard]] Seen SeeWindow() override { return SeeWidget(form_.get()); }

    [[nodiscard]] std::optional<Spoken> AskScreenReader(Control control) override
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find(control));
        if (accessible == nullptr) {
            return std::nullopt;
        }
        return Spoken{accessible->text(QAccessible::Name).toStdString(),
                      accessible->text(QAccessible::Value).toStdString()};
    }

    [[nodiscard]] Control Focused() const override
    {
        return form_->isActiveWindow() ? testing::ControlOf(QApplication::focusWidget()) : None;
    }

    [[nodiscard]] PixelSize ClientSize() const override
    {
        return {form_->width(), form_->height()};
    }

    [[nodiscard]] std::string Clipboard() const override
    {
        return QApplication::clipboard()->text().toStdString();
    }

    [[nodiscard]] std::uint32_t HighlightColour() const override
    {
        return form_->palette().color(QPalette::Active, QPalette::Highlight).rgb() & 0xFFFFFFu;
    }

    [[nodiscard]] std::uint32_t FrameColour() const override
    {
        return form_->palette().color(QPalette::WindowText).rgb() & 0xFFFFFFu;
    }

    [[nodiscard]] std::uint32_t PixelAt(int x, int y) override
    {
        const QImage image = form_->grab().toImage();
        const double ratio = image.devicePixelRatio();
        return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) & 0xFFFFFFu;
    }

    // 15 twips to a device-independent pixel, to the nearest.
    [[nodiscard]] int TwipsToPixels(int twips) const override { return (twips * 2 + 15) / 30; }

private:
    [[nodiscard]] Seen SeeWidget(QWidget* widget)
    {
        const QRect place = widget->geometry();
        Seen seen{.text = TextOf(widget),
                  .enabled = widget->isEnabled(),
                  .maximised = widget->isMaximized(),
                  .fontPoints = widget->font().pointSize(),
                  .lineHeight = QFontMetrics(widget->font()).height(),
                  .place = PixelRect{place.x(), place.y(), place.width(), place.height()}};
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            seen.checked = button->isChecked();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            seen.toolTip = HoverTip(edit);
            const int caret = edit->cursorPosition();
            seen.selection = edit->hasSelectedText()
                                 ? std::pair{edit->selectionStart(), edit->selectionEnd()}
                                 : std::pair{caret, caret};
            edit->grab();  // lays the text out as painted
            seen.firstVisible = edit->cursorPositionAt(QPoint(4, edit->height() / 2));
        }
        return seen;
    }

    template <typename Widget = QWidget>
    Widget* Find(Control control) const
    {
        return testing::FindControl<Widget>(*form_, control);
    }

    // The tooltip the mouse resting on the widget's middle brings up.
    static std::string HoverTip(QWidget* widget)
    {
        const QPoint middle = widget->rect().center();
        QHelpEvent hover(QEvent::ToolTip, middle, widget->mapToGlobal(middle));
        QApplication::sendEvent(widget, &hover);
        const std::string tip = QToolTip::isVisible() ? QToolTip::text().toStdString() : "";
        QToolTip::hideText();
        return tip;
    }

    // Keys go where the user's keyboard sends them: to the window's focused
    // widget.
    [[nodiscard]] QWidget* Receiver() const
    {
        QWidget* focus = form_->focusWidget();
        return focus != nullptr ? focus : form_.get();
    }

    std::unique_ptr<qt::Form1> form_;
    std::unique_ptr<QWidget> other_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver()
{
    return std::make_unique<QtWindowDriver>();
}

}  // namespace level::testing
