#pragma once

class QCoreApplication;

namespace level::qt {

// Qt's own words in the window (the fields' menu, the message box's
// button) in Russian, as every other word of the window is, whatever the
// user's locale. False when Qt's Russian translation is not installed.
bool InstallRussianQtTexts(QCoreApplication& application);

}  // namespace level::qt
