// The window behaviours' driver for the Qt window: QTest's mouse and key
// events on the real widgets, on whichever platform the test runs on.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "qt/form1.h"
#include "window/capturing_report.h"
#include "window/window_driver.h"

namespace level::testing {
namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtWindowDriver final : public WindowDriver {
public:
    QtWindowDriver() : form_(std::make_unique<Form1>(RegionalSettings::Comma(), report_))
    {
        report_.look = [this] {
            return std::vector<std::string>{Text("Text1"), Text("Text2"), Text("Text3")};
        };
        form_->show();
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void Click(std::string_view control) override
    {
        QTest::mouseClick(Find(control), Qt::LeftButton);
    }

    void Press(Key key) override
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
            {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Up, Qt::NoModifier},     {Qt::Key_Down, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},   {Qt::Key_Right, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Space, Qt::NoModifier}};
        const auto& [qtKey, modifiers] = kKeys[static_cast<int>(key)];
        QTest::keyClick(Receiver(), qtKey, modifiers);
    }

    void TypeKeys(std::string_view text) override { QTest::keyClicks(Receiver(), ToQString(text)); }

    void FocusAndSelectAll(std::string_view field) override
    {
        auto* edit = Find<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
    }

    void Paste(std::string_view field, const std::string& text) override
    {
        QApplication::clipboard()->setText(ToQString(text));
        FocusAndSelectAll(field);
        QTest::keyClick(Find(field), Qt::Key_V, Qt::ControlModifier);
    }

    void ResizeClient(PixelSize size) override
    {
        form_->resize(size.width, size.height);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form_->size() == QSize(size.width, size.height); }));
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

    [[nodiscard]] std::string Text(std::string_view control) const override
    {
        const QWidget* widget = Find(control);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            return edit->text().toStdString();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            return button->text().toStdString();
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            return label->text().toStdString();
        }
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            return frame->title().toStdString();
        }
        return widget->windowTitle().toStdString();
    }

    [[nodiscard]] bool Enabled(std::string_view control) const override
    {
        return Find(control)->isEnabled();
    }

    [[nodiscard]] bool Checked(std::string_view option) const override
    {
        return Find<QAbstractButton>(option)->isChecked();
    }

    [[nodiscard]] std::string Focused() const override
    {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus->window() != form_.get() || !form_->isActiveWindow()) {
            return {};
        }
        return focus->objectName().toStdString();
    }

    [[nodiscard]] std::pair<int, int> Selection(std::string_view field) const override
    {
        const auto* edit = Find<QLineEdit>(field);
        if (!edit->hasSelectedText()) {
            return {edit->cursorPosition(), edit->cursorPosition()};
        }
        return {edit->selectionStart(), edit->selectionEnd()};
    }

    [[nodiscard]] int FirstVisibleCharacter(std::string_view field) override
    {
        auto* edit = Find<QLineEdit>(field);
        edit->grab();  // lays the text out as painted
        return edit->cursorPositionAt(QPoint(4, edit->height() / 2));
    }

    [[nodiscard]] int TextLimit(std::string_view field) const override
    {
        return Find<QLineEdit>(field)->maxLength();
    }

    [[nodiscard]] int FontPoints(std::string_view control) const override
    {
        return Find(control)->font().pointSize();
    }

    [[nodiscard]] int LineHeight(std::string_view control) const override
    {
        return QFontMetrics(Find(control)->font()).height();
    }

    [[nodiscard]] std::optional<PixelRect> Geometry(std::string_view control) const override
    {
        const QRect rect = Find(control)->geometry();
        return PixelRect{rect.x(), rect.y(), rect.width(), rect.height()};
    }

    [[nodiscard]] PixelSize ClientSize() const override
    {
        return {form_->width(), form_->height()};
    }

    [[nodiscard]] std::uint32_t PixelAt(int x, int y) override
    {
        const QImage image = form_->grab().toImage();
        const double ratio = image.devicePixelRatio();
        return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) & 0xFFFFFFu;
    }

    [[nodiscard]] int TwipsToPixels(int twips) const override
    {
        return (twips * 2 + 15) / 30;  // 15 twips to the pixel, to the nearest
    }

    [[nodiscard]] const ConverterModel& Model() const override { return form_->model(); }
    [[nodiscard]] const std::vector<int>& ReportedErrors() const override
    {
        return report_.numbers;
    }
    [[nodiscard]] const std::vector<std::string>& ShownAtReport() const override
    {
        return report_.shownAtReport;
    }

private:
    template <typename Widget = QWidget>
    Widget* Find(std::string_view name) const
    {
        if (name == "Form1") {
            return qobject_cast<Widget*>(form_.get());
        }
        auto* widget = form_->findChild<Widget*>(ToQString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Keys go where the user's keyboard sends them: to the focused widget.
    [[nodiscard]] QWidget* Receiver()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : form_.get();
    }

    CapturingReport report_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<QWidget> other_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver()
{
    return std::make_unique<QtWindowDriver>();
}

}  // namespace level::testing
