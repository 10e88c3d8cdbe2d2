#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "model/system_regional_settings.h"
#include "qt/form1.h"
#include "qt/message_box_error_report.h"

namespace {

// Without a display Qt would abort with a terse message of its own; say
// what to do instead.
bool HasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fputs(
            "level-converter: no display to open the window on.\n"
            "Run it on a desktop, or under a virtual one: xvfb-run level-converter\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("level-converter"));
    QApplication::setApplicationVersion(QStringLiteral(LEVEL_CONVERTER_VERSION));

    level::MessageBoxErrorReport report;
    level::Form1 form(level::ReadSystemRegionalSettings(), report);
    report.SetParent(&form);
    form.show();
    return QApplication::exec();
}
