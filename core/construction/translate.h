#pragma once

#include <QString>

namespace quarn {

// Translates a form's texts in its registration name's context. An empty source
// is returned as is: empty texts never reach the translator.
class Translator
{
public:
    explicit constexpr Translator(const char *context) : m_context(context) {}

    QString operator()(const char *source, const char *comment = nullptr) const;
    // The translation of the empty text, for the few screens whose empty window
    // title still goes through the translator.
    QString emptyText() const;

private:
    const char *m_context;
};

} // namespace quarn
