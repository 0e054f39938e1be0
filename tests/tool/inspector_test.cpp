// The inspector page that gallery writes, opened in a real headless browser:
// a probe script appended to a copy of the page searches, clicks fields and
// writes what the page then shows into the document, which the browser dumps.

#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const char kProbe[] = R"html(<script>
(function () {
  const out = {};
  const search = document.getElementById("search");
  search.value = "txttime";
  search.dispatchEvent(new Event("input"));
  out.hits = Array.from(document.querySelectorAll("#hits li"), li => (li.dataset.field ? "  " : "") + li.textContent);
  document.querySelector('#hits li.field[data-form="QuarnTitleBar"][data-field="txtTime"]').click();
  out.title = document.getElementById("title").textContent;
  out.selected = document.querySelector(".outline.selected").dataset.name;
  // What lies on top in the middle of the battery indicator is its outline.
  const picture = document.querySelector("#picture img").getBoundingClientRect();
  const battery = document.querySelector('.outline[data-name="statusBattery"]');
  const box = battery.getBoundingClientRect();
  out.onTop = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2).dataset.name;
  out.offset = [box.left - picture.left, box.top - picture.top, box.width, box.height];
  battery.click();
  out.details = {};
  for (const tr of document.querySelectorAll("#fieldTable tr")) out.details[tr.cells[0].textContent] = tr.cells[1].textContent;
  const pre = document.createElement("pre");
  pre.id = "probe";
  pre.textContent = JSON.stringify(out);
  document.body.appendChild(pre);
})();
</script>
</body>)html";

QString htmlUnescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace

TEST(InspectorPage, ShowsAFieldsDetailsWhenClickedAndFindsFieldsByName)
{
    ASSERT_STRNE(QUARN_CHROMIUM, "") << "the page test needs a headless browser: apt-get install chromium";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ToolRun gallery = runTool({QStringLiteral("gallery"), dir.path()});
    ASSERT_TRUE(gallery.finished);
    ASSERT_EQ(gallery.exitCode, 0) << gallery.err.constData();

    QFile page(QDir(dir.path()).filePath(QStringLiteral("inspector.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QString html = QString::fromUtf8(page.readAll());
    // Self-contained: nothing is fetched from anywhere.
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("(src|href)\\s*=\\s*[\"'](?!data:|#)"))));
    EXPECT_FALSE(html.contains(QLatin1String("http://")) || html.contains(QLatin1String("https://")));

    const int end = html.lastIndexOf(QLatin1String("</body>"));
    ASSERT_GT(end, 0);
    html.replace(end, 7, QString::fromLatin1(kProbe));
    const QString probePath = QDir(dir.path()).filePath(QStringLiteral("probe.html"));
    QFile probe(probePath);
    ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
    probe.write(html.toUtf8());
    probe.close();

    QProcess browser;
    browser.start(QStringLiteral(QUARN_CHROMIUM),
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                   QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")),
                   QStringLiteral("--window-size=1200,900"), QStringLiteral("--dump-dom"),
                   QUrl::fromLocalFile(probePath).toString()});
    ASSERT_TRUE(browser.waitForFinished(120000)) << browser.errorString().toStdString();
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QRegularExpressionMatch found =
        QRegularExpression(QStringLiteral("<pre id=\"probe\">(.*?)</pre>"), QRegularExpression::DotMatchesEverythingOption)
            .match(dom);
    ASSERT_TRUE(found.hasMatch()) << "the probe did not finish; browser said:\n"
                                  << browser.readAllStandardError().toStdString();
    QJsonParseError error;
    const QJsonObject out = QJsonDocument::fromJson(htmlUnescaped(found.captured(1)).toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << found.captured(1).toStdString();

    // The search lists the form and, under it, the field whose name matched.
    const QJsonArray hits = out[QStringLiteral("hits")].toArray();
    const int form = hits.toVariantList().indexOf(QStringLiteral("QuarnTitleBar"));
    ASSERT_GE(form, 0) << QJsonDocument(hits).toJson().constData();
    ASSERT_LT(form + 1, hits.size());
    EXPECT_EQ(hits.at(form + 1).toString(), QLatin1String("  txtTime"));

    EXPECT_TRUE(out[QStringLiteral("title")].toString().startsWith(QLatin1String("QuarnTitleBar")));
    EXPECT_EQ(out[QStringLiteral("selected")].toString(), QLatin1String("txtTime"));
    EXPECT_EQ(out[QStringLiteral("onTop")].toString(), QLatin1String("statusBattery"));
    EXPECT_EQ(out[QStringLiteral("offset")].toArray(), (QJsonArray{5, 4, 27, 13}));

    const QJsonObject details = out[QStringLiteral("details")].toObject();
    EXPECT_EQ(details[QStringLiteral("class")].toString(), QLatin1String("ZelStatusIndicator"));
    EXPECT_EQ(details[QStringLiteral("parent")].toString(), QLatin1String("Root"));
    EXPECT_EQ(details[QStringLiteral("geometry")].toString(), QLatin1String("5, 4, 27, 13"));
    EXPECT_TRUE(details[QStringLiteral("images")].toString().contains(QLatin1String(":/Icons/i_Battery_05.mif")))
        << details[QStringLiteral("images")].toString().toStdString();
}
