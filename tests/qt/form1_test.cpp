// What is the Qt window's own: its focus cue, its fonts and how they fit,
// what a screen reader is told, and the icon. The
// window's behaviours run on both toolkits, from tests/window/.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "qt/form1.h"
#include "qt/message_box_error_report.h"
#include "qt/russian_qt_texts.h"
#include "qt/to_qstring.h"
#include "window/capturing_report.h"
#include "window/designed_form.h"
#include "window/field_colours.h"

namespace level {
namespace {

// A shown, active window, looked at through its widgets.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<Form1>(RegionalSettings::Comma(), report_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename Widget = QWidget>
    Widget* Find(const char* name) const
    {
        auto* widget = form_->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    testing::CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

// The first focus shows its cue on Option1, as a focus reached by the
// keyboard does.
TEST_F(Form1Test, StartsWithTheFocusCueOnOption1)
{
    QStyleOptionButton option;
    option.initFrom(Find("Option1"));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_HasFocus));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange));
}

// Each control is named for a screen reader: the fields by their quantity
// and unit, the rest by their captions, the information line by its text.
TEST_F(Form1Test, NamesEveryControlForAScreenReader)
{
    for (const auto& [name, accessibleName] : testing::kAccessibleNames) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(Find(std::string(name).c_str()));
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), ToQString(accessibleName)) << name;
    }
    QAccessibleInterface* label1 = QAccessible::queryAccessibleInterface(Find("Label1"));
    ASSERT_NE(label1, nullptr);
    EXPECT_TRUE(label1->text(QAccessible::Name)
                    .startsWith(ToQString(testing::kDesignedReferenceExplanation)));
}

TEST_F(Form1Test, UsesTheLargeFontWithCyrillicGlyphsThatFit)
{
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        const QWidget* widget = Find(name);
        EXPECT_EQ(widget->font().weight(), QFont::Normal) << name;
        const QFontMetrics metrics(widget->font());
        EXPECT_TRUE(metrics.inFontUcs4(U'н') && metrics.inFontUcs4(U'В'))
            << name << " is drawn in " << QFontInfo(widget->font()).family().toStdString();
    }
    // Every caption fits its control, beside an option's indicator and
    // within a push button's margins.
    for (const char* name : {"Label2", "Label3", "Label4"}) {
        const auto* label = Find<QLabel>(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << name;
    }
    const QStyle* style = form_->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        const auto* option = Find<QAbstractButton>(name);
        EXPECT_LE(QFontMetrics(option->font()).horizontalAdvance(option->text()) + indicator,
                  option->width())
            << name;
    }
    const int margins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    for (const char* name : {"Command1", "Command2"}) {
        const auto* command = Find<QAbstractButton>(name);
        EXPECT_LE(QFontMetrics(command->font()).horizontalAdvance(command->text()) + margins,
                  command->width())
            << name;
    }
}

// A screen reader reads each field's whole text as its value, a long
// greyed result included.
TEST_F(Form1Test, GivesAScreenReaderEachFieldsWholeText)
{
    Find<QAbstractButton>("Option1")->click();
    QTest::keyClicks(Find("Text1"), QStringLiteral("300"));
    Find<QAbstractButton>("Command1")->click();
    for (const auto& [name, text] : {std::pair{"Text1", "300"}, std::pair{"Text2", "34,5383"},
                                     std::pair{"Text3", "775000000000000"}}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(name))->text(QAccessible::Value),
                  QString::fromUtf8(text))
            << name;
    }
}

// The greyed results read at 4.5:1 or more against their background, the
// usual bar for body text.
TEST(Form1Readability, DrawsGreyedResultsAtFourAndAHalfToOneOrMore)
{
    for (const testing::FieldColours& greyed : testing::GreyedResultColours()) {
        EXPECT_GE(testing::Contrast(greyed.text, greyed.background), 4.5);
    }
}

// The real message box for each number a conversion raises: its words in
// Russian, and wide enough that a window manager's title bar shows the
// whole title beside its icon and buttons (about 100 px of them), even in
// a title font half as wide again as the box's.
TEST(MessageBoxErrorReportTest, ShowsTheNumberTheAdviceAndAWholeTitle)
{
    for (const int number : {13, 6, 5}) {
        QString title;
        QString text;
        QStringList buttons;
        int spare = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            for (const QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            spare = box->width() - QFontMetrics(box->font()).horizontalAdvance(title) * 3 / 2;
            box->accept();
        });
        MessageBoxErrorReport report;
        report.Report(number, "описание");
        EXPECT_EQ(title, QStringLiteral("Вычислитель соответствия")) << number;
        EXPECT_TRUE(
            text.startsWith(QStringLiteral("Ошибка выполнения '%1':\nописание\n\n").arg(number)))
            << number;
        EXPECT_EQ(buttons, QStringList{QStringLiteral("ОК")}) << number;
        EXPECT_GE(spare, 100) << number;
    }
}

// The flat fields' one line is drawn in the window-text colour, the Qt
// window's frame colour.
TEST_F(Form1Test, DrawsTheFieldBordersInTheWindowTextColour)
{
    const QRgb windowText = form_->palette().color(QPalette::WindowText).rgb();
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        const QImage image = Find(name)->grab().toImage();
        EXPECT_EQ(image.pixel(0, image.height() / 2), windowText) << name;
    }
}

TEST_F(Form1Test, CarriesBothImagesOfTheIcon)
{
    const QList<QSize> sizes = form_->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

}  // namespace
}  // namespace level

int main(int argc, char** argv)
{
    // The widgets need no display: Qt's offscreen platform stands in for one
    // unless the caller chose another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    level::InstallRussianQtTexts(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
