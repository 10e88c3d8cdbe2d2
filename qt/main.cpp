#include <QApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "model/system_regional_settings.h"
#include "qt/form1.h"
#include "qt/message_box_error_report.h"

namespace {

const char* programPath = "level-converter";

// The program's own word when it has no display to open its window on.
void SayThereIsNoDisplay()
{
    std::fprintf(stderr,
                 "level-converter: no display to open the window on.\n"
                 "Run it on a desktop, or under a virtual one: xvfb-run -a %s\n",
                 programPath);
}

// Whether the environment names an X11 or a Wayland display, or a platform
// of Qt's to use instead of one.
bool DisplayNamed()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// What Qt says while it opens the display, held back: where it cannot, the
// program's own word comes first and, as the detail, Qt's line that names
// the display; not its advice to reinstall, which sends the user the wrong
// way. Where it can, Qt's warnings follow as they came.
QStringList heldBack;

// Qt's lines that name the display it was given.
QStringList NamingTheDisplay(const QStringList& lines)
{
    QStringList naming;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString display = QString::fromLocal8Bit(qgetenv(variable));
        for (const QString& line : lines) {
            if (!display.isEmpty() && line.contains(display) && !naming.contains(line)) {
                naming << line;
            }
        }
    }
    return naming;
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    heldBack << qFormatLogMessage(type, context, message);
    if (type == QtFatalMsg) {
        SayThereIsNoDisplay();
        for (const QString& line : NamingTheDisplay(heldBack)) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
        }
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int main(int /*argc*/, char* argv[])
{
    // The program takes no options: Qt sees only the program's name, so its
    // own options (-platform, -style, -reverse, -stylesheet...) change nothing.
    programPath = argv[0];
    int argumentCount = 1;
    char* arguments[] = {argv[0], nullptr};

    if (!DisplayNamed()) {
        SayThereIsNoDisplay();
        return EXIT_FAILURE;
    }
    const QtMessageHandler qtHandler = qInstallMessageHandler(&HoldBack);
    QApplication application(argumentCount, arguments);
    qInstallMessageHandler(qtHandler);
    for (const QString& message : std::as_const(heldBack)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    QApplication::setApplicationName(QStringLiteral("level-converter"));
    QApplication::setApplicationVersion(QStringLiteral(LEVEL_CONVERTER_VERSION));

    level::qt::MessageBoxErrorReport report;
    level::qt::Form1 form(level::ReadSystemRegionalSettings(), report);
    report.SetParent(&form);
    form.show();
    return QApplication::exec();
}
