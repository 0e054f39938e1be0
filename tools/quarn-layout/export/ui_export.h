#pragma once

#include "common/reference_objects.h"
#include "uiform/ui_model.h"

#include <QByteArray>
#include <QStringList>

class QTextStream;

namespace quarn::harness {
class BuiltForm;
} // namespace quarn::harness

namespace quarn::layouttool {

using harness::BuiltForm;
class ImageIndex;
class TranslationTemplate;

// Writes a freshly built form as a Designer form (.ui) that uic compiles:
// the tree of the Ui record's objects with class and object names, geometry,
// layouts and their items, fonts, palettes, every property that differs from
// a default object of the class, dynamic properties, and the texts as
// translatable strings. Library classes are declared as custom widgets.
//
// Images are written as the resource paths the pixmaps were loaded from, so
// the index must know the images the form was built with. Library properties
// without a set<Name> setter are listed by their class in the class info
// "setByName" and are written to be set by name.
//
// A skeleton holds only the objects: classes, names, geometry and layouts
// with their items. Built, it costs what creating the same controls costs,
// a floor for the complete form.
class UiExporter
{
public:
    enum class Content { Complete, Skeleton };

    explicit UiExporter(const ImageIndex &images, Content content = Content::Complete);
    ~UiExporter();

    // What the sources say beside the built tree: the form's description as
    // the .ui's comment, and each translated text's disambiguation and note
    // for translators. Not for skeletons; translations must outlive the
    // exports.
    void setTranslationTemplate(const TranslationTemplate *translations) { m_translations = translations; }

    // The form as a Designer form holds it.
    UiForm modelOf(const BuiltForm &form);
    // The model written.
    QByteArray exportForm(const BuiltForm &form);
    // What the last export could not express (property values of types .ui
    // files lack, pixmaps from outside the index), one line each.
    QStringList omissions() const { return m_omissions; }
    // Where the forms' Ui-record headers are (forms/<area>/<Name>.h beneath),
    // for the names of spacer fields; without them spacers are numbered.
    void setRecordFolders(const QStringList &folders) { m_recordFolders = folders; }
    // Resource files (.qrc) the exports include, relative to where they are
    // written, for Designer's Resource Browser.
    void setResourceFiles(const QStringList &files) { m_resourceFiles = files; }
    // What the last export had to guess, one line each.
    QStringList notes() const { return m_notes; }

    UiExporter(const UiExporter &) = delete;
    UiExporter &operator=(const UiExporter &) = delete;

private:
    const ImageIndex &m_images;
    const Content m_content;
    ReferenceObjects m_references;
    QStringList m_omissions;
    QStringList m_recordFolders;
    QStringList m_resourceFiles;
    QStringList m_notes;
    const TranslationTemplate *m_translations = nullptr;
};

// Exports the form into file, saved whole or not at all. Fails, writing
// nothing, when the export cannot express something the form set; each such
// setting goes to errors, one line each.
bool writeUiFile(UiExporter &exporter, const BuiltForm &form, const QString &file, QTextStream &errors);

} // namespace quarn::layouttool
