#include <QLocale>

#include "model/system_regional_settings.h"

namespace level {

RegionalSettings ReadSystemRegionalSettings()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace level
