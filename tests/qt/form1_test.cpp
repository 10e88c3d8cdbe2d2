// What is the Qt window's own: its focus cue, its fonts and how they fit,
// and the icon. The window's behaviours run on both toolkits, from
// tests/window/.

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "capturing_report.h"
#include "form_widgets.h"
#include "qt/form1.h"
#include "test_support.h"
#include "window/field_colours.h"

namespace level::qt {
namespace {

using enum Control;

// A shown, active window, looked at through its widgets.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<Form1>(kCommaSettings, report_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename Widget = QWidget>
    Widget* Find(Control control) const
    {
        return testing::FindControl<Widget>(*form_, control);
    }

    testing::CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

// The first focus shows its cue on Option1, as a focus reached by the
// keyboard does.
TEST_F(Form1Test, StartsWithTheFocusCueOnOption1)
{
    QStyleOptionButton option;
    option.initFrom(Find(Option1));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_HasFocus));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange));
}

TEST_F(Form1Test, UsesTheLargeFontWithCyrillicGlyphsThatFit)
{
    for (const Control name : {Text1, Text2, Text3, Label2, Label3, Label4}) {
        const QWidget* widget = Find(name);
        EXPECT_EQ(widget->font().weight(), QFont::Normal) << name;
        const QFontMetrics metrics(widget->font());
        EXPECT_TRUE(metrics.inFontUcs4(U'н') && metrics.inFontUcs4(U'В'))
            << name << " is drawn in " << QFontInfo(widget->font()).family().toStdString();
    }
    // Every caption fits its control, beside an option's indicator and
    // within a push button's margins.
    const QStyle* style = form_->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    const int margins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    const std::pair<Control, int> captions[] = {
        {Label2, 0},          {Label3, 0},          {Label4, 0},         {Option1, indicator},
        {Option2, indicator}, {Option3, indicator}, {Command1, margins}, {Command2, margins}};
    for (const auto& [name, room] : captions) {
        const QWidget* widget = Find(name);
        const QString caption = widget->property("text").toString();
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(caption) + room, widget->width())
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

TEST_F(Form1Test, CarriesBothImagesOfTheIcon)
{
    const QList<QSize> sizes = form_->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

}  // namespace
}  // namespace level::qt
