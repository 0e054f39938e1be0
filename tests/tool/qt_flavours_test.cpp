// The same forms built with Qt 6 and with Qt 5.15, by this build's quarn-layout
// and by one built with the other Qt (QUARN_OTHER_QT_TOOL): every form builds
// the same tree, but for what Qt itself does differently, each difference named
// below with its reason.

#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A difference is "<class>:<path> qt6=<value> qt5=<value>", the path of a field's
// value below its form's field (root for the root), "-" for a value one Qt lacks.
struct QtDifference {
    const char *pattern;
    const char *reason;
};

const QtDifference kQtDifferences[] = {
    {"^[^:]+:(root/properties|/settings)/font/family qt6=\"Sans Serif\" qt5=\"DejaVu LGC Sans\"$",
     "the offscreen platform's default font: Qt 5 takes the font database's first family, Qt 6 the theme's "
     "Sans Serif; the forms leave the family to the host"},
    {"^[^:]+:(root/properties|/settings)/font/pointSize qt6=9 qt5=12$",
     "the same default font in Qt 6's 9 points, Qt 5's 12; the forms set pixel sizes"},
    {"^[^:]+:/settings/(sizeHint|minimumSizeHint) ",
     "size hints follow the default font and the style's metrics, which Qt 6's Fusion style draws differently; "
     "geometry, which the forms set, is compared"},
    {"^[^:]+:(root/properties|/settings|)/palette/PlaceholderText(/active|/inactive|/disabled)? ",
     "Qt 5 derives the placeholder colour from the text colour a form gives a palette and counts it as set; "
     "Qt 6 keeps its own default, unset"},
    {"^[^:]+:/settings/margin qt6=- ",
     "QLayout's margin property (deprecated in Qt 5) is gone in Qt 6; contentsMargins, compared, says the same"},
    {"^ZelComboBox:/settings/autoCompletion(CaseSensitivity)? qt6=- ",
     "QComboBox's autoCompletion properties are gone in Qt 6, which leaves completion to its completer"},
    {"^[^:]+:/settings/tabStopWidth qt6=- ",
     "QTextEdit's tabStopWidth is gone in Qt 6; tabStopDistance, compared, says the same"},
    {"^[^:]+:/settings/html ",
     "Qt 6's rich-text writer adds a charset and list-marker styles, writes weights on the CSS scale and names "
     "the default font; the text itself is compared"},
    {"^[^:]+:/settings/normalGeometry qt6=\\[0,0,0,0\\] ",
     "Qt 6 keeps a normal geometry for windows only, Qt 5 also reports a child's geometry"},
};

bool otherToolGiven()
{
    return !QStringLiteral(QUARN_OTHER_QT_TOOL).isEmpty();
}

ToolRun runOtherTool(const QStringList &arguments)
{
    return runProgram(QStringLiteral(QUARN_OTHER_QT_TOOL), arguments);
}

QString shown(const QJsonValue &value)
{
    if (value.isUndefined())
        return QStringLiteral("-");
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// Every leaf where the two values part, as "<path> qt6=<value> qt5=<value>".
void differences(const QString &path, const QJsonValue &qt6, const QJsonValue &qt5, QStringList *found)
{
    if (qt6.isObject() && qt5.isObject()) {
        const QJsonObject six = qt6.toObject();
        const QJsonObject five = qt5.toObject();
        QStringList keys = six.keys() + five.keys();
        keys.removeDuplicates();
        for (const QString &key : keys)
            differences(path + QLatin1Char('/') + key, six.value(key), five.value(key), found);
    } else if (qt6 != qt5) {
        found->append(QStringLiteral("%1 qt6=%2 qt5=%3").arg(path, shown(qt6), shown(qt5)));
    }
}

} // namespace

TEST(QtFlavours, DumpsAgree)
{
    if (!otherToolGiven())
        GTEST_SKIP() << "no quarn-layout of the other Qt (configure with -DQUARN_OTHER_QT_TOOL=…)";
    const QStringList arguments = {QStringLiteral("dump"), QStringLiteral("--full"), QStringLiteral("--all")};
    const ToolRun own = runTool(arguments);
    const ToolRun other = runOtherTool(arguments);
    ASSERT_TRUE(own.finished && own.exitCode == 0) << own.err.data();
    ASSERT_TRUE(other.finished && other.exitCode == 0) << other.err.data();
    const QJsonArray ownForms = QJsonDocument::fromJson(own.out).array();
    const QJsonArray otherForms = QJsonDocument::fromJson(other.out).array();
    const QJsonArray &qt6 = QUARN_QT_MAJOR == 6 ? ownForms : otherForms;
    const QJsonArray &qt5 = QUARN_QT_MAJOR == 6 ? otherForms : ownForms;
    ASSERT_EQ(qt6.size(), qt5.size());
    ASSERT_GT(qt6.size(), 0);

    std::vector<QRegularExpression> allowed;
    for (const QtDifference &difference : kQtDifferences)
        allowed.emplace_back(QString::fromLatin1(difference.pattern));
    std::vector<int> seen(allowed.size(), 0);
    std::map<QString, int> unexplained; // a difference, with the number of fields showing it
    for (int f = 0; f < qt6.size(); ++f) {
        const QJsonObject six = qt6.at(f).toObject();
        const QJsonObject five = qt5.at(f).toObject();
        const QString form = six.value(QStringLiteral("form")).toString();
        ASSERT_EQ(form, five.value(QStringLiteral("form")).toString());
        EXPECT_EQ(six.value(QStringLiteral("stacking")), five.value(QStringLiteral("stacking"))) << form.toStdString();
        const QJsonArray sixFields = six.value(QStringLiteral("fields")).toArray();
        const QJsonArray fiveFields = five.value(QStringLiteral("fields")).toArray();
        ASSERT_EQ(sixFields.size(), fiveFields.size()) << form.toStdString();
        QStringList found;
        QStringList classes;
        differences(QStringLiteral("root"), six.value(QStringLiteral("root")), five.value(QStringLiteral("root")),
                    &found);
        classes.append(QStringLiteral("Root"));
        for (int i = 0; i < sixFields.size(); ++i) {
            const QJsonObject field = sixFields.at(i).toObject();
            const QString className = field.value(QStringLiteral("class")).toString();
            QStringList inField;
            differences(QString(), field, fiveFields.at(i), &inField);
            for (const QString &difference : inField)
                found.append(className + QLatin1Char(':') + difference);
        }
        for (QString difference : found) {
            if (difference.startsWith(QLatin1String("root")))
                difference.prepend(QStringLiteral("Root:"));
            bool explained = false;
            for (std::size_t a = 0; a < allowed.size(); ++a) {
                if (allowed[a].match(difference).hasMatch()) {
                    ++seen[a];
                    explained = true;
                }
            }
            if (!explained)
                ++unexplained[difference];
        }
    }
    QString report;
    for (const auto &[difference, count] : unexplained)
        report += QStringLiteral("%1 (%2 times)\n").arg(difference).arg(count);
    EXPECT_TRUE(unexplained.empty()) << unexplained.size() << " differences Qt does not explain:\n"
                                     << report.left(20000).toStdString();
    for (std::size_t a = 0; a < allowed.size(); ++a)
        EXPECT_GT(seen[a], 0) << "no longer differs, so no longer allowed: " << kQtDifferences[a].pattern << " ("
                              << kQtDifferences[a].reason << ")";
}

// lrelease of either Qt makes the same .qm files from the same .ts files.
TEST(QtFlavours, TranslationsAreTheSameFiles)
{
    if (!otherToolGiven())
        GTEST_SKIP() << "no quarn-layout of the other Qt (configure with -DQUARN_OTHER_QT_TOOL=…)";
    const QDir ownTranslations(QFileInfo(QStringLiteral(QUARN_PSEUDO_QM)).absolutePath());
    const QDir otherTranslations(QFileInfo(QStringLiteral(QUARN_OTHER_QT_TOOL)).absolutePath()
                                 + QStringLiteral("/translations"));
    const QStringList qmFiles = ownTranslations.entryList({QStringLiteral("*.qm")}, QDir::Files);
    ASSERT_FALSE(qmFiles.isEmpty());
    EXPECT_EQ(qmFiles, otherTranslations.entryList({QStringLiteral("*.qm")}, QDir::Files));
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const QString &name : qmFiles) {
        const QByteArray ownBytes = contents(ownTranslations.filePath(name));
        EXPECT_FALSE(ownBytes.isEmpty()) << name.toStdString();
        EXPECT_TRUE(ownBytes == contents(otherTranslations.filePath(name))) << name.toStdString();
    }
}
