// The inspector page that gallery writes, opened in a real headless browser:
// a probe script added to a copy of the page searches, clicks the picture and
// writes what the page then shows into the document, which the browser dumps.
// The page's picking script is also loaded on its own and tried on made-up
// forms.

#include "browser_probe.h"
#include "common/form_host.h"
#include "pictures/render.h"
#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

using quarn::layouttool::BuiltForm;
using quarn::layouttool::LayoutModule;

namespace {

// One gallery for every test here: it renders every form.
const QTemporaryDir &galleryDir()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        const ToolRun run = runTool({QStringLiteral("gallery"), dir.filePath(QStringLiteral("gallery"))});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.finished && run.exitCode == 0;
    }();
    EXPECT_TRUE(written);
    return dir;
}

const char kProbeEnd[] = R"js(
  const pre = document.createElement("pre");
  pre.id = "probe";
  pre.textContent = JSON.stringify(out);
  document.body.appendChild(pre);
)js";

// Clicks the picture at a point of the form, as a user does.
const char kClickAt[] = R"js(
function clickAt(x, y) {
  const box = document.querySelector("#picture img").getBoundingClientRect();
  // Events carry whole pixels: the first one inside the picture's pixel.
  const clientX = Math.ceil(box.left + x), clientY = Math.ceil(box.top + y);
  const target = document.elementFromPoint(clientX, clientY);
  target.dispatchEvent(new MouseEvent("click", {bubbles: true, clientX, clientY}));
  const selected = document.getElementById("picture").dataset.selected;
  return selected === undefined ? -1 : Number(selected);
}
function openForm(name) {
  const search = document.getElementById("search");
  search.value = "";
  search.dispatchEvent(new Event("input"));
  document.querySelector('#hits li[data-form="' + name + '"]:not(.field)').click();
}
)js";

} // namespace

TEST(InspectorPage, ShowsAFieldsDetailsWhenClickedAndFindsFieldsByNameOrText)
{
    ASSERT_STRNE(QUARN_CHROMIUM, "") << "the page test needs a headless browser: apt-get install chromium";
    const QTemporaryDir &dir = galleryDir();
    QFile page(QDir(dir.path()).filePath(QStringLiteral("gallery/inspector.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    // Self-contained: nothing is fetched from anywhere, no placeholder left.
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("(src|href)\\s*=\\s*[\"'](?!data:|#)"))));
    EXPECT_FALSE(html.contains(QLatin1String("http://")) || html.contains(QLatin1String("https://")));
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@"))));

    const QString probe = QString::fromLatin1(kClickAt) + QStringLiteral(R"js(
(function () {
  const out = {};
  out.linked = document.getElementById("title").textContent;
  const search = document.getElementById("search");
  search.value = "txttime";
  search.dispatchEvent(new Event("input"));
  out.hits = Array.from(document.querySelectorAll("#hits li"),
                        li => (li.dataset.field !== undefined ? "  " + li.dataset.field : li.textContent));
  document.querySelector('#hits li.field[data-form="QuarnTitleBar"][data-field="txtTime"]').click();
  out.title = document.getElementById("title").textContent;
  out.heading = document.querySelector("#details h3").textContent;
  search.value = "sea level pressure";
  search.dispatchEvent(new Event("input"));
  out.byText = Array.from(document.querySelectorAll("#hits li.field"), li => li.dataset.form + " " + li.dataset.field);
  openForm("QuarnTitleBar");
  clickAt(5 + 13, 4 + 6);
  out.details = {};
  for (const tr of document.querySelectorAll("#fieldTable tr"))
    out.details[tr.cells[0].textContent] = tr.cells[1].textContent;
  out.hash = location.hash;
)js") + QString::fromLatin1(kProbeEnd)
        + QStringLiteral("})();");
    const QString path = pageWithProbe(dir.filePath(QStringLiteral("gallery/inspector.html")), probe);
    ASSERT_FALSE(path.isEmpty());
    QString error;
    // Linked to a form, the page opens on it.
    const QJsonObject out = browserProbe(path, &error, QStringLiteral("BarometerCalibScreenClass"));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    EXPECT_TRUE(out[QStringLiteral("linked")].toString().startsWith(QLatin1String("BarometerCalibScreenClass (")))
        << out[QStringLiteral("linked")].toString().toStdString();

    // The search lists the form and, under it, the field whose name matched.
    const QJsonArray hits = out[QStringLiteral("hits")].toArray();
    const int form = hits.toVariantList().indexOf(QStringLiteral("QuarnTitleBar"));
    ASSERT_GE(form, 0) << QJsonDocument(hits).toJson().constData();
    ASSERT_LT(form + 1, hits.size());
    EXPECT_EQ(hits.at(form + 1).toString(), QLatin1String("  txtTime"));
    EXPECT_TRUE(out[QStringLiteral("title")].toString().startsWith(QLatin1String("QuarnTitleBar")));
    EXPECT_EQ(out[QStringLiteral("heading")].toString(), QLatin1String("txtTime in QuarnTitleBar"));

    // Fields are found by what they say too.
    const QJsonArray byText = out[QStringLiteral("byText")].toArray();
    EXPECT_FALSE(byText.isEmpty());
    for (const QJsonValue &hit : byText)
        EXPECT_TRUE(hit.toString().startsWith(QLatin1String("BarometerCalibScreenClass ")))
            << hit.toString().toStdString();

    // A click in the battery indicator shows what the dump says of it.
    const QJsonObject details = out[QStringLiteral("details")].toObject();
    EXPECT_EQ(details[QStringLiteral("class")].toString(), QLatin1String("ZelStatusIndicator"));
    EXPECT_EQ(details[QStringLiteral("parent")].toString(), QLatin1String("Root"));
    EXPECT_EQ(details[QStringLiteral("geometry")].toString(), QLatin1String("5, 4, 27, 13"));
    EXPECT_EQ(details[QStringLiteral("in picture")].toString(), QLatin1String("5, 4, 27, 13"));
    EXPECT_TRUE(details[QStringLiteral("images")].toString().contains(QLatin1String(":/Icons/i_Battery_05.mif")))
        << details[QStringLiteral("images")].toString().toStdString();
    EXPECT_EQ(out[QStringLiteral("hash")].toString(), QLatin1String("#QuarnTitleBar"));
}

namespace {

struct LeafPoint {
    int field = -1;
    QPoint point;
};

// Every visible leaf field of the form (a field widget with no field widget
// inside it) with a point of it that shows, as near its centre as there is
// one: where Qt's own hit test finds the leaf, or a widget of its own inside
// it, on top. Fields covered whole by others are left out.
QList<LeafPoint> visibleLeafCentres(const BuiltForm &built)
{
    QWidget *root = built.root();
    QHash<const void *, int> fieldOf;
    for (int i = built.fieldCount() - 1; i >= 0; --i)
        fieldOf.insert(built.field(i), i);
    const auto fieldAround = [&](QWidget *widget) {
        for (; widget && widget != root; widget = widget->parentWidget()) {
            const int index = fieldOf.value(dynamic_cast<const void *>(widget), -1);
            if (index >= 0)
                return index;
        }
        return -1;
    };
    QList<LeafPoint> leaves;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const int field = fieldOf.value(dynamic_cast<const void *>(widget), -1);
        if (field < 0 || !widget->isVisibleTo(root) || widget->width() <= 0 || widget->height() <= 0)
            continue;
        const bool leaf = std::none_of(widgets.cbegin(), widgets.cend(), [&](QWidget *other) {
            return other != widget && widget->isAncestorOf(other) && other->isVisibleTo(root)
                && fieldOf.contains(dynamic_cast<const void *>(other));
        });
        if (!leaf)
            continue;
        const QRect rect(widget->mapTo(root, QPoint()), widget->size());
        const QPoint centre = rect.center();
        LeafPoint best;
        int bestDistance = INT_MAX;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QPoint point(x, y);
                const int distance = (point - centre).manhattanLength();
                if (distance >= bestDistance || !root->rect().contains(point))
                    continue;
                if (fieldAround(root->childAt(point)) == field) {
                    best = {field, point};
                    bestDistance = distance;
                }
            }
        }
        if (best.field >= 0)
            leaves.append(best);
    }
    return leaves;
}

} // namespace

// A click on what shows of a field picks that field: outlines stack as the
// widgets do, whatever the order of the fields in the record.
TEST(InspectorPage, AClickPicksTheFieldThatShowsThere)
{
    ASSERT_STRNE(QUARN_CHROMIUM, "") << "the page test needs a headless browser: apt-get install chromium";
    ASSERT_TRUE(registerPlaceholderBundle());
    QString error;
    const std::unique_ptr<LayoutModule> module = LayoutModule::load(QStringLiteral(QUARN_LAYOUT_MODULE), &error);
    ASSERT_TRUE(module) << error.toStdString();

    // Every form: scroll areas, raised siblings and fields listed before the
    // widget they sit in each catch a different mistake.
    QJsonArray cases;
    int points = 0;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        const FormLayout *form = module->find(QLatin1String(entry.name));
        if (!form)
            continue;
        BuiltForm built(*form, entry);
        quarn::layouttool::renderForm(built);
        QJsonArray clicks;
        for (const LeafPoint &leaf : visibleLeafCentres(built))
            clicks.append(QJsonArray{leaf.point.x(), leaf.point.y(), leaf.field});
        points += clicks.size();
        cases.append(
            QJsonObject{{QStringLiteral("form"), QLatin1String(entry.name)}, {QStringLiteral("clicks"), clicks}});
    }
    ASSERT_GT(points, 1000);

    const QString probe = QString::fromLatin1(kClickAt) + QStringLiteral("const cases = ")
        + QString::fromUtf8(QJsonDocument(cases).toJson(QJsonDocument::Compact)) + QStringLiteral(R"js(;
(function () {
  const out = {wrong: [], cycles: []};
  for (const {form, clicks} of cases) {
    openForm(form);
    for (const [x, y, expected] of clicks) {
      const got = clickAt(x, y);
      if (got !== expected) out.wrong.push(form + " at " + x + "," + y + ": expected " + expected + ", picked " + got);
    }
    // Clicking on at one point goes down through what lies there, and back.
    if (clicks.length) {
      const [x, y] = clicks[0];
      openForm(form);
      const seen = [clickAt(x, y)];
      for (let i = 0; i < 20 && (seen.length === 1 || seen[seen.length - 1] !== seen[0]); ++i) seen.push(clickAt(x, y));
      out.cycles.push(seen);
    }
  }
)js") + QString::fromLatin1(kProbeEnd)
        + QStringLiteral("})();");
    const QTemporaryDir &dir = galleryDir();
    const QString path = pageWithProbe(dir.filePath(QStringLiteral("gallery/inspector.html")), probe);
    ASSERT_FALSE(path.isEmpty());
    const QJsonObject out = browserProbe(path, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const QJsonArray wrong = out[QStringLiteral("wrong")].toArray();
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " of " << points << " clicks picked another field:\n"
                                 << QJsonDocument(wrong).toJson().constData();
    int deeper = 0;
    for (const QJsonValue &cycle : out[QStringLiteral("cycles")].toArray()) {
        const QJsonArray seen = cycle.toArray();
        ASSERT_GE(seen.size(), 2);
        EXPECT_EQ(seen.first(), seen.last()) << "clicks at one point come back round";
        deeper += seen.size() > 2 ? 1 : 0;
    }
    EXPECT_GT(deeper, 0) << "no click went below the topmost field";
}

// The picking script alone, on forms made up to corner it.
TEST(InspectorPicking, StacksAsTheWidgetsPaintAndCyclesThroughWhatIsUnderAPoint)
{
    ASSERT_STRNE(QUARN_CHROMIUM, "") << "the picking test needs a headless browser: apt-get install chromium";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("picking.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"html(<!DOCTYPE html><html><head><meta charset="utf-8">
<script src="%1"></script></head><body><script>
"use strict";
const out = {};
const field = (name, under, outline, extra) => Object.assign({name, under, outline, "class": "W"}, extra || {});
// A panel listed after the button inside it; a backdrop raised above its
// sibling; a layout of the panel; a label not in the stacking lists.
const form = {
  stacking: {Root: ["frame", "panel", "backdrop"], panel: ["button"]},
  fields: [
    field("button", 2, [10, 10, 20, 20], {text: "Sea Level Pressure"}),
    field("frame", -1, [0, 0, 100, 100]),
    field("panel", -1, [5, 5, 50, 50]),
    field("backdrop", -1, [60, 60, 40, 40]),
    {name: "box", "class": "QVBoxLayout", layoutOf: 2, outline: [5, 5, 50, 50]},
    field("hidden", -1, null),
    field("label", 2, [40, 40, 5, 5]),
  ],
};
const name = index => index === null ? null : form.fields[index].name;
out.order = QuarnPicking.stackingOrder(form).map(name);
out.at = QuarnPicking.fieldsAt(form, QuarnPicking.stackingOrder(form), 15, 15).map(name);
out.outside = QuarnPicking.fieldsAt(form, QuarnPicking.stackingOrder(form), 200, 200).map(name);
const picker = new QuarnPicking.Picker(form);
out.cycle = [[15, 15], [16, 15], [15, 16], [15, 15], [15, 15]].map(([x, y]) => name(picker.click(x, y)));
out.moved = [picker.click(70, 70), picker.click(30, 20), picker.click(70, 70)].map(name);
out.nothing = picker.click(500, 500);
out.matches = ["button", "sea level", "SEA", "pressure x", ""]
  .map(query => QuarnPicking.fieldMatches(form.fields[0], query.toLowerCase()));
const pre = document.createElement("pre");
pre.id = "probe";
pre.textContent = JSON.stringify(out);
document.body.appendChild(pre);
</script></body></html>
)html")
                   .arg(QUrl::fromLocalFile(QStringLiteral(QUARN_INSPECTOR_SOURCES "/picking.js")).toString())
                   .toUtf8());
    file.close();
    QString error;
    const QJsonObject out = browserProbe(page, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const auto names = [&out](const char *key) {
        QStringList list;
        for (const QJsonValue &value : out[QLatin1String(key)].toArray())
            list.append(value.isNull() ? QStringLiteral("-") : value.toString());
        return list.join(QLatin1Char(' ')).toStdString();
    };
    // Bottom to top: a child above its parent, a layout just below its
    // widget, siblings as listed, unlisted ones above the listed.
    EXPECT_EQ(names("order"), "frame box panel button label backdrop");
    EXPECT_EQ(names("at"), "button panel box frame");
    EXPECT_EQ(names("outside"), "");
    // At one point a click goes one down each time and round again; a point
    // a pixel or two away counts as the same.
    EXPECT_EQ(names("cycle"), "button panel box frame button");
    EXPECT_EQ(names("moved"), "backdrop panel backdrop");
    EXPECT_TRUE(out[QStringLiteral("nothing")].isNull());
    EXPECT_EQ(out[QStringLiteral("matches")].toArray(), (QJsonArray{true, true, true, false, false}));
}
