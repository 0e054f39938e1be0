#include "core/construction/nav_fields.h"

#include <QHash>

namespace quarn::navfields {

namespace {

constexpr int kFullWidth = 230;
const char kSatelliteImage[] = ":/Bkgd/bkgd_Satellite_Field_148x67.mif";

// The field backgrounds in use, written out so that every path stands in the
// source as the host's resources name it.
struct Background {
    int width;
    int height;
    const char *image;
    const char *pressed;
};
const Background kBackgrounds[] = {
    {230, 183, ":/Bkgd/bkgd_Dashboard_Field_230x183.mif", ":/Bkgd/bkgd_Dashboard_Field_230x183_h.mif"},
    {230, 91, ":/Bkgd/bkgd_Dashboard_Field_230x91.mif", ":/Bkgd/bkgd_Dashboard_Field_230x91_h.mif"},
    {230, 60, ":/Bkgd/bkgd_Dashboard_Field_230x60.mif", ":/Bkgd/bkgd_Dashboard_Field_230x60_h.mif"},
    {230, 50, ":/Bkgd/bkgd_Dashboard_Field_230x50.mif", ":/Bkgd/bkgd_Dashboard_Field_230x50_h.mif"},
    {230, 45, ":/Bkgd/bkgd_Dashboard_Field_230x45.mif", ":/Bkgd/bkgd_Dashboard_Field_230x45_h.mif"},
    {113, 60, ":/Bkgd/bkgd_Dashboard_Field_113x60.mif", ":/Bkgd/bkgd_Dashboard_Field_113x60_h.mif"},
    {113, 45, ":/Bkgd/bkgd_Dashboard_Field_113x45.mif", ":/Bkgd/bkgd_Dashboard_Field_113x45_h.mif"},
};

// Sizes outside the table follow the same naming scheme.
QByteArray fieldImage(const Field &field, bool pressed)
{
    if (field.satellite)
        return kSatelliteImage;
    for (const Background &background : kBackgrounds) {
        if (background.width == field.width && background.height == field.height)
            return pressed ? background.pressed : background.image;
    }
    return ":/Bkgd/bkgd_Dashboard_Field_" + QByteArray::number(field.width) + 'x' + QByteArray::number(field.height)
        + (pressed ? "_h.mif" : ".mif");
}

// The host's reader matches these attributes by their exact spelling, blanks
// around "=" included for the first five and not for the font sizes.
void writeField(QByteArray &text, const Field &field, int row, int column)
{
    text += "\t\t<FIELD row = \"" + QByteArray::number(row) + "\" col = \"" + QByteArray::number(column)
        + "\" image = \"" + fieldImage(field, false) + "\" image_pressed = \"" + fieldImage(field, true) + '"';
    if (field.width == kFullWidth) {
        text += " colspan = \"\" fontSizeHeader=\"" + QByteArray::number(field.headerFontSize) + "\" fontSizeData=\""
            + QByteArray::number(field.dataFontSize) + '"';
    }
    text += "></FIELD>\n";
}

} // namespace

namespace {

QByteArray writeDocument(const std::vector<Configuration> &configurations)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?>\n<NAV_FIELDS_CONFIGURATION>\n";
    for (std::size_t index = 0; index < configurations.size(); ++index) {
        const QByteArray tag = "CONFIGURATION_" + QByteArray::number(int(index) + 1);
        if (index > 0)
            text += '\n';
        text += "\t<" + tag + ">\n";
        int row = 0;
        for (const Row &fields : configurations[index]) {
            ++row;
            int column = 0;
            for (const Field &field : fields)
                writeField(text, field, row, ++column);
        }
        text += "\t</" + tag + ">\n";
    }
    text += "</NAV_FIELDS_CONFIGURATION>";
    return text;
}

} // namespace

void tableTooLarge(const char *what)
{
    qFatal("%s", what);
}

// Forms keep their configurations in constants, so the text is written once
// per constant and shared after; the stored copy guards against a different
// table at a reused address.
QByteArray document(const std::vector<Configuration> &configurations)
{
    struct Written {
        std::vector<Configuration> configurations;
        QByteArray text;
    };
    static QHash<const void *, Written> written;
    auto found = written.find(&configurations);
    if (found == written.end() || found->configurations != configurations)
        found = written.insert(&configurations, Written{configurations, writeDocument(configurations)});
    return found->text;
}

} // namespace quarn::navfields
