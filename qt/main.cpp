#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "model/system_regional_settings.h"
#include "qt/form1.h"
#include "qt/message_box_error_report.h"

namespace {

const char* programPath = "level-converter";

// Qt ends the program when it can open no display; say so plainly, with a
// command that runs the program under a virtual one, after Qt's own words.
void ExplainAFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "level-converter: no display to open the window on.\n"
                     "Run it on a desktop, or under a virtual one: xvfb-run -a %s\n",
                     programPath);
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

    const QtMessageHandler qtHandler = qInstallMessageHandler(&ExplainAFailedStart);
    QApplication application(argumentCount, arguments);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QStringLiteral("level-converter"));
    QApplication::setApplicationVersion(QStringLiteral(LEVEL_CONVERTER_VERSION));

    level::qt::MessageBoxErrorReport report;
    level::qt::Form1 form(level::ReadSystemRegionalSettings(), report);
    report.SetParent(&form);
    form.show();
    return QApplication::exec();
}
