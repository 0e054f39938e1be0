#include "browser_probe.h"

#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString htmlUnescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

QString pageWithProbe(const QString &page, const QString &script)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString html = QString::fromUtf8(file.readAll());
    const int end = html.lastIndexOf(QLatin1String("</body>"));
    if (end < 0)
        return QString();
    html.insert(end, QStringLiteral("<script>\n") + script + QStringLiteral("\n</script>\n"));
    const QFileInfo info(page);
    const QString copy = info.dir().filePath(QStringLiteral("probe-") + info.fileName());
    return writeFile(copy, html.toUtf8()) ? copy : QString();
}

QJsonObject browserProbe(const QString &page, QString *error, const QString &fragment)
{
    QTemporaryDir profile;
    if (!profile.isValid()) {
        *error = QStringLiteral("no folder for the browser's profile");
        return {};
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    // A fixed window, so that probes can click at coordinates; no network
    // chatter, so that a machine without one does not wait for it.
    QProcess browser;
    browser.start(QStringLiteral(QUARN_CHROMIUM),
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                   QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
                   QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                   QStringLiteral("--disable-sync"), QStringLiteral("--window-size=1600,1200"),
                   QStringLiteral("--user-data-dir=") + profile.path(), QStringLiteral("--dump-dom"), url.toString()});
    if (!browser.waitForFinished(180000)) {
        *error = QStringLiteral("the browser did not finish: ") + browser.errorString();
        return {};
    }
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QRegularExpressionMatch found = QRegularExpression(QStringLiteral("<pre id=\"probe\">(.*?)</pre>"),
                                                             QRegularExpression::DotMatchesEverythingOption)
                                              .match(dom);
    if (!found.hasMatch()) {
        *error = QStringLiteral("the probe did not finish; browser said:\n")
            + QString::fromUtf8(browser.readAllStandardError());
        return {};
    }
    QJsonParseError parse;
    const QJsonObject out = QJsonDocument::fromJson(htmlUnescaped(found.captured(1)).toUtf8(), &parse).object();
    if (parse.error != QJsonParseError::NoError)
        *error = QStringLiteral("the probe's result is no JSON: ") + found.captured(1);
    return out;
}
