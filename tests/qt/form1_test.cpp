#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "form_flows.h"
#include "model/error_report.h"
#include "model/form1_layout.h"
#include "model/twips.h"
#include "qt/form1.h"

namespace level {
namespace {

class CapturingReport final : public ErrorReport {
public:
    void Report(int number, std::string_view /*description*/) override
    {
        numbers.push_back(number);
    }
    std::vector<int> numbers;
};

// A shown, active window driven through its real widgets.
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

    void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

    void Type(const char* field, const QString& text)
    {
        auto* edit = Find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    [[nodiscard]] std::vector<QString> Texts() const
    {
        return {Find<QLineEdit>("Text1")->text(), Find<QLineEdit>("Text2")->text(),
                Find<QLineEdit>("Text3")->text()};
    }

    [[nodiscard]] std::vector<bool> Enabled() const
    {
        return {Find("Text1")->isEnabled(), Find("Text2")->isEnabled(), Find("Text3")->isEnabled()};
    }

    [[nodiscard]] std::vector<bool> Checked() const
    {
        return {Find<QRadioButton>("Option1")->isChecked(),
                Find<QRadioButton>("Option2")->isChecked(),
                Find<QRadioButton>("Option3")->isChecked()};
    }

    CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

TEST_F(Form1Test, StartsGreyedWithNoOptionAndTheFocusOnOption1)
{
    EXPECT_EQ(Texts(), (std::vector<QString>{"0", "0", "0,775"}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Checked(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(QApplication::focusWidget(), Find("Option1"));
    EXPECT_EQ(form_->model().Focus(), Control::Option1);
    EXPECT_EQ(Find<QLabel>("Label1")->text().toStdString(), kReferenceExplanation);
    EXPECT_EQ(Find("Label1")->font().pointSize(), kDialogFontPoints);
    EXPECT_EQ(form_->windowTitle(), "Вычислитель соответствия(R=600 Ом)         V1.1");
    EXPECT_EQ(form_->size(), QSize(368, 279));
}

TEST_F(Form1Test, PlacesEveryControlAtItsDesignedPlace)
{
    for (const ControlPlacement& placement : kForm1Layout) {
        const QRect expected(placement.left / 15, placement.top / 15, placement.width / 15,
                             placement.height / 15);
        EXPECT_EQ(Find(std::string(placement.name).c_str())->geometry(), expected)
            << placement.name;
    }
}

TEST_F(Form1Test, ShowsTheDesignedCaptions)
{
    const std::vector<std::pair<const char*, QString>> captions = {
        {"Option1", "Децибеллы"},  {"Option2", "Вольты"},    {"Option3", "Неперы"},
        {"Command1", "вычислить"}, {"Command2", "Очистить"}, {"Label2", "дб"},
        {"Label3", "неп"},         {"Label4", "В"}};
    for (const auto& [name, caption] : captions) {
        const QWidget* widget = Find(name);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), caption) << name;
        } else {
            EXPECT_EQ(qobject_cast<const QLabel*>(widget)->text(), caption) << name;
        }
    }
    EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "Вводимая величина");
}

TEST_F(Form1Test, UsesTheLargeFontWithCyrillicGlyphsThatFit)
{
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        const QWidget* widget = Find(name);
        EXPECT_EQ(widget->font().pointSize(), kLargeFontPoints) << name;
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

TEST_F(Form1Test, ChainsTheFocusInTheDesignedTabOrder)
{
    std::vector<QString> order;
    QWidget* widget = Find("Text1");
    for (int i = 0; i < 8; ++i, widget = widget->nextInFocusChain()) {
        order.push_back(widget->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"Text1", "Option1", "Option2", "Option3", "Text2",
                                           "Text3", "Command1", "Command2"}));
    for (const char* name : {"Command1", "Command2"}) {
        EXPECT_FALSE(Find<QPushButton>(name)->autoDefault()) << name;
        EXPECT_FALSE(Find<QPushButton>(name)->isDefault()) << name;
    }
}

class Form1Flow : public Form1Test, public ::testing::WithParamInterface<testing::FormFlow> {};

TEST_P(Form1Flow, EndsWithTheseFieldsAndReports)
{
    const testing::FormFlow& flow = GetParam();
    testing::RunSteps(
        flow, [this](const std::string& control) { Click(control.c_str()); },
        [this](const std::string& field, const std::string& text) {
            Type(field.c_str(), QString::fromStdString(text));
        });
    std::vector<std::string> texts;
    for (const QString& text : Texts()) {
        texts.push_back(text.toStdString());
    }
    EXPECT_EQ(texts, flow.texts);
    EXPECT_EQ(report_.numbers, flow.errors);
}

INSTANTIATE_TEST_SUITE_P(Flows, Form1Flow, ::testing::ValuesIn(testing::FormFlows()),
                         testing::FlowName());

TEST_F(Form1Test, AnOptionEnablesAndFocusesItsFieldOnly)
{
    Click("Option3");
    EXPECT_EQ(Checked(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(QApplication::focusWidget(), Find("Text2"));
    Click("Option1");
    EXPECT_EQ(Checked(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(QApplication::focusWidget(), Find("Text1"));
}

TEST_F(Form1Test, TypingReachesTheModelAndEnterPressesNothing)
{
    Click("Option1");
    QTest::keyClicks(Find("Text1"), "5");
    QTest::keyClick(Find("Text1"), Qt::Key_Return);
    QTest::keyClick(Find("Text1"), Qt::Key_Escape);
    EXPECT_EQ(form_->model().FieldText(Control::Text1), "05");
    EXPECT_EQ(Texts(), (std::vector<QString>{"05", "0", "0,775"}));
}

TEST_F(Form1Test, ComputeWithNoOptionShowsThePrompt)
{
    Click("Command1");
    EXPECT_EQ(Find<QLabel>("Label1")->text().toStdString(), kChooseOptionPrompt);
    EXPECT_EQ(Find("Label1")->font().pointSize(), kPromptFontSize);
    EXPECT_EQ(Texts(), (std::vector<QString>{"0", "0", "0,775"}));
}

TEST_F(Form1Test, ClearShortensTheWindowAndCutsOffTheInformationLine)
{
    const int width = form_->width();
    Click("Command2");
    Click("Command2");
    // The outer height, with the frame the platform draws, or else with the
    // designed frame.
    const int drawnFrame = form_->frameGeometry().height() - form_->height();
    const int frame = drawnFrame > 0 ? drawnFrame : TwipsToPixels(kDesignedFrameHeight);
    EXPECT_EQ(form_->height() + frame, TwipsToPixels(4180));
    EXPECT_EQ(form_->width(), width);
    const QWidget* label1 = Find("Label1");
    EXPECT_LT(label1->y(), form_->height());
    EXPECT_GT(label1->geometry().bottom(), form_->height());
    EXPECT_EQ(label1->font().pointSize(), kContactFontSize);
    // The contact line, address included, stands whole on the visible line.
    const QFontMetrics metrics(label1->font());
    EXPECT_LE(metrics.horizontalAdvance(Find<QLabel>("Label1")->text()), label1->width());
    EXPECT_LE(label1->y() + metrics.height(), form_->height());
    EXPECT_EQ(Texts(), (std::vector<QString>{"", "", ""}));
}

TEST_F(Form1Test, ALongResultResizesNothing)
{
    const QRect field = Find("Text3")->geometry();
    const QSize window = form_->size();
    Click("Option1");
    Type("Text1", "300");
    Click("Command1");
    EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "775000000000000");
    EXPECT_EQ(Find("Text3")->geometry(), field);
    EXPECT_EQ(form_->size(), window);
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
