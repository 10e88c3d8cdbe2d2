#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "designed_form.h"
#include "form_flows.h"
#include "model/error_report.h"
#include "qt/form1.h"

namespace level {
namespace {

using testing::kDesignedControls;

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Twips to device-independent pixels at 96 dots per inch.
constexpr int Pixels(int twips)
{
    return twips / 15;
}

// Records each report's number, and what the fields showed when it came.
class CapturingReport final : public ErrorReport {
public:
    void Report(int number, std::string_view /*description*/) override
    {
        numbers.push_back(number);
        shownAtReport = look();
    }
    std::vector<int> numbers;
    std::function<std::vector<QString>()> look;
    std::vector<QString> shownAtReport;
};

// A shown, active window driven through its real widgets.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<Form1>(RegionalSettings::Comma(), report_);
        report_.look = [this] { return Texts(); };
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
    EXPECT_TRUE(Find<QLabel>("Label1")->text().startsWith(
        ToQString(testing::kDesignedReferenceExplanation)));
    EXPECT_EQ(Find("Label1")->font().pointSize(), 8);
    EXPECT_EQ(form_->windowTitle(), ToQString(testing::kDesignedWindowCaption));
    EXPECT_EQ(form_->size(),
              QSize(Pixels(testing::kDesignedClientWidth), Pixels(testing::kDesignedClientHeight)));
}

// The first focus shows its cue on Option1, and tabbing onto an option
// selects none.
TEST_F(Form1Test, StartsWithTheFocusCueOnOption1AndTabbingSelectsNoOption)
{
    QStyleOptionButton option;
    option.initFrom(Find("Option1"));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_HasFocus));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(Checked(), (std::vector<bool>{false, false, false}));
    }
    EXPECT_EQ(QApplication::focusWidget(), Find("Option1"));
    EXPECT_FALSE(form_->model().OptionValue(Control::Option1));
}

TEST_F(Form1Test, PlacesEveryControlAtItsDesignedPlace)
{
    for (const testing::DesignedControl& control : kDesignedControls) {
        const QRect expected(Pixels(control.left), Pixels(control.top), Pixels(control.width),
                             Pixels(control.height));
        EXPECT_EQ(Find(std::string(control.name).c_str())->geometry(), expected) << control.name;
    }
}

TEST_F(Form1Test, ShowsTheDesignedCaptions)
{
    for (const testing::DesignedControl& control : kDesignedControls) {
        const QWidget* widget = Find(std::string(control.name).c_str());
        QString shown;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            shown = button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            shown = control.name == "Label1" ? QString() : label->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            shown = frame->title();
        }
        EXPECT_EQ(shown, ToQString(control.caption)) << control.name;
    }
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

// The fields are flat, with a plain border in the window-text colour.
TEST_F(Form1Test, DrawsTheFieldsFlatWithAPlainBorder)
{
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        QWidget* field = Find(name);
        const QImage image = field->grab().toImage();
        const QRgb border = field->palette().color(QPalette::Active, QPalette::WindowText).rgb();
        const int middle = image.height() / 2;
        EXPECT_EQ(image.pixel(0, middle), border) << name;
        EXPECT_EQ(image.pixel(image.width() - 1, middle), border) << name;
        EXPECT_NE(image.pixel(1, 1), border) << name;
    }
}

TEST_F(Form1Test, UsesTheLargeFontWithCyrillicGlyphsThatFit)
{
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        const QWidget* widget = Find(name);
        EXPECT_EQ(widget->font().pointSize(), 24) << name;
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
    QTest::keyClick(Find("Text1"), Qt::Key_End);
    QTest::keyClicks(Find("Text1"), "5");
    QTest::keyClick(Find("Text1"), Qt::Key_Return);
    QTest::keyClick(Find("Text1"), Qt::Key_Escape);
    EXPECT_EQ(form_->model().FieldText(Control::Text1), "05");
    EXPECT_EQ(Texts(), (std::vector<QString>{"05", "0", "0,775"}));
}

TEST_F(Form1Test, ComputeWithNoOptionShowsThePrompt)
{
    Click("Command1");
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "  Выбери: неперы, вольты или децибелы ! ! !");
    EXPECT_EQ(Find("Label1")->font().pointSize(), 12);
    EXPECT_EQ(Texts(), (std::vector<QString>{"0", "0", "0,775"}));
}

// Each clear sets the outer height again, even after the user has made the
// window taller.
TEST_F(Form1Test, ClearSetsTheOuterHeightEachTimeAndCutsOffTheInformationLine)
{
    const int width = form_->width();
    // The outer height, with the frame the platform draws, or else with the
    // designed one of 345 + 60 twips.
    auto outerHeight = [this] {
        const int drawnFrame = form_->frameGeometry().height() - form_->height();
        return form_->height() + (drawnFrame > 0 ? drawnFrame : Pixels(405));
    };
    Click("Command2");
    EXPECT_EQ(outerHeight(), (testing::kClearedOuterHeight + 7) / 15);
    form_->resize(width, form_->height() + 60);
    Click("Command2");
    EXPECT_EQ(outerHeight(), (testing::kClearedOuterHeight + 7) / 15);
    EXPECT_EQ(form_->width(), width);
    const QWidget* label1 = Find("Label1");
    EXPECT_LT(label1->y(), form_->height());
    EXPECT_GT(label1->geometry().bottom(), form_->height());
    EXPECT_EQ(label1->font().pointSize(), 8);
    // The contact line, address included, stands whole on the visible line.
    const QFontMetrics metrics(label1->font());
    const QString contact = Find<QLabel>("Label1")->text();
    EXPECT_TRUE(contact.startsWith("  Предложения и пожелания по адресу: "));
    EXPECT_LE(metrics.horizontalAdvance(contact), label1->width());
    EXPECT_LE(label1->y() + metrics.height(), form_->height());
    EXPECT_EQ(Texts(), (std::vector<QString>{"", "", ""}));
}

// A long result keeps every size, and each field shows its text from the
// first character.
TEST_F(Form1Test, ALongResultResizesNothingAndShowsItsFirstDigits)
{
    const QRect field = Find("Text3")->geometry();
    const QSize window = form_->size();
    Click("Option1");
    Type("Text1", "300");
    Click("Command1");
    EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "775000000000000");
    EXPECT_EQ(Find("Text3")->geometry(), field);
    EXPECT_EQ(form_->size(), window);
    for (const char* name : {"Text2", "Text3"}) {
        auto* edit = Find<QLineEdit>(name);
        edit->grab();  // lays the text out as painted
        EXPECT_EQ(edit->cursorPosition(), 0) << name;
        const int cursorLeft = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        EXPECT_GE(cursorLeft, -4) << name;  // the caret's box reaches left of it
        EXPECT_LE(cursorLeft, 4) << name;
    }
}

// What the handler wrote is on screen before the error report comes.
TEST_F(Form1Test, ShowsTheWrittenFieldsBeforeTheReport)
{
    Click("Option1");
    Type("Text1", "310");
    Click("Command1");
    EXPECT_EQ(report_.numbers, (std::vector<int>{6}));
    EXPECT_EQ(report_.shownAtReport, (std::vector<QString>{"310", "35,6896", "0,775"}));
}

class Form1Paste : public Form1Test, public ::testing::WithParamInterface<testing::PasteCase> {};

// A paste ends in a value or a numbered error, and the window goes on.
TEST_P(Form1Paste, EndsInAValueOrANumberedErrorAndTheWindowGoesOn)
{
    const testing::PasteCase& paste = GetParam();
    Click("Option1");
    auto* text1 = Find<QLineEdit>("Text1");
    QApplication::clipboard()->setText(QString::fromStdString(paste.pasted));
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(text1->text().isEmpty());
    EXPECT_EQ(form_->model().FieldText(Control::Text1), text1->text().toStdString());
    Click("Command1");
    EXPECT_EQ(Texts()[1].toStdString(), paste.otherTexts[0]);
    EXPECT_EQ(Texts()[2].toStdString(), paste.otherTexts[1]);
    EXPECT_EQ(report_.numbers, paste.errors);

    Type("Text1", "1");
    Click("Command1");
    EXPECT_EQ(Texts(), (std::vector<QString>{"1", "0,1151", "0,8696"}));
    EXPECT_EQ(report_.numbers, paste.errors);
}

INSTANTIATE_TEST_SUITE_P(Pastes, Form1Paste, ::testing::ValuesIn(testing::PasteCases()),
                         testing::FlowName());

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
