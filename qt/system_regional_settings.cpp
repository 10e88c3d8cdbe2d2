#include <QLocale>

#include "core/number_syntax.h"
#include "model/system_regional_settings.h"

namespace level {

RegionalSettings ReadSystemRegionalSettings()
{
    const QLocale locale = QLocale::system();
    return MendSeparators(
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
}

}  // namespace level
