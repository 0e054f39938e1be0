#include "core/construction/translate.h"

#include <QCoreApplication>

namespace quarn {

QString Translator::operator()(const char *source, const char *comment) const
{
    if (!source || !*source)
        return QString();
    return QCoreApplication::translate(m_context, source, comment);
}

QString Translator::emptyText() const
{
    return QCoreApplication::translate(m_context, "");
}

} // namespace quarn
