#include "generator/form_generator.h"

#include "generator/checked_values.h"
#include "generator/passes.h"

namespace quarn::layouttool {

// scan → read → kept → validate → match → write (see generator/passes.h); the first
// pass that refuses the form stops it, and nothing is written.
bool FormGenerator::generate(const QByteArray &ui, const QString &folder, const QString &previousHeader,
                             FormSources *sources, QString *error)
{
    UiForm form;
    if (!generator::checked::scan(ui, error) || !form.read(ui, error) || !generator::restoreKeptSettings(form, error)
        || !generator::validate(form, error))
        return false;
    generator::FormMatches matches;
    if (!generator::match(form, &matches, error))
        return false;
    generator::SetupText setup;
    return generator::writeSetup(form, matches, &setup, error)
        && generator::writeSources(form, matches, setup, folder, previousHeader, sources, error);
}

} // namespace quarn::layouttool
