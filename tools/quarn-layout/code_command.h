#pragma once

// quarn-layout code: Designer forms back into the project as sources. Where a
// form is written into a project (a folder forms/<area> beside the catalogue),
// its Ui record is a host's ABI and the catalogue registers it, so the command
// guards both; any other folder is scratch output.

#include <QString>
#include <QStringList>

namespace quarn::layouttool {

struct CodeRequest {
    QStringList files;         // the .ui files
    QString output;            // -o: the folder to write to; empty: where each form lives
    bool newForm = false;      // a form the catalogue lacks is added to it
    bool moveForm = false;     // a form may move to another area, leaving the old one
    bool recordChange = false; // the record may lose or rename fields: hosts are rebuilt
};

// Writes every form or, where one is refused, reports it and writes nothing
// more; the exit status of the command.
int runCode(const CodeRequest &request);

} // namespace quarn::layouttool
