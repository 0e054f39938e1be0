#include "core/build/menu_look.h"

#include "core/build/look.h"

namespace quarn {

QPalette menuScreenPalette()
{
    const QColor disabledText(191, 191, 191);
    return Colours()
        .role(QPalette::WindowText, kBlack, disabledText)
        .role(QPalette::Text, kBlack, disabledText)
        .role(QPalette::ButtonText, kWhite, kDisabledText);
}

QFont menuScreenFont()
{
    return Font().pointSize(10).bold();
}

} // namespace quarn
