#include "core/construction/menu_look.h"

#include "core/construction/look.h"
#include "controls/zel_text_box.h"

namespace quarn {

const QPalette &menuScreenPalette()
{
    const QColor disabledText(191, 191, 191);
    static const QPalette palette = Colours()
                                        .role(QPalette::WindowText, kBlack, disabledText)
                                        .role(QPalette::Text, kBlack, disabledText)
                                        .role(QPalette::ButtonText, kWhite, kDisabledText)
                                        .palette();
    return palette;
}

const QFont &menuScreenFont()
{
    static const QFont font = Font().pointSize(10).bold();
    return font;
}

void looks::menuCaption(ZelTextBox *caption)
{
    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    policy.setHeightForWidth(caption->sizePolicy().hasHeightForWidth());
    caption->setSizePolicy(policy);
    caption->setMinimumSize(QSize(70, 0));
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(align::Centre);
    caption->setWordWrap(true);
    caption->setFontPixelSize(14);
}

} // namespace quarn
