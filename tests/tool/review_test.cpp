// review, run as a user runs it: a gallery of the small "before" module is
// the baseline, the "after" module carries one planted change per form. The
// comparison of dumps is also tried on its own on cases the modules do not
// reach, and the page is opened in headless chromium.

#include "browser_probe.h"
#include "review/picture_changes.h"
#include "review/settings_changes.h"
#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using quarn::layouttool::comparePictures;
using quarn::layouttool::kChangedPixel;
using quarn::layouttool::settingChanges;

namespace {

constexpr int kChanged = 1;
constexpr int kUsageError = 2;

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QString lastLine(const QByteArray &out)
{
    const QStringList lines = QString::fromUtf8(out).trimmed().split(QLatin1Char('\n'));
    return lines.constLast();
}

// One baseline and the reviews made against it, shared by the tests here.
struct Reviews {
    QTemporaryDir dir;
    ToolRun baseline, changed, unchanged;
    QString path(const QString &name) const { return dir.filePath(name); }
};

const Reviews &reviews()
{
    static Reviews made;
    static const bool done = [] {
        const QString before = QStringLiteral(QUARN_REVIEW_FORMS_BEFORE);
        made.baseline = runTool(
            {QStringLiteral("gallery"), made.path(QStringLiteral("baseline")), QStringLiteral("--module"), before});
        made.changed = runTool({QStringLiteral("review"), made.path(QStringLiteral("baseline")), QStringLiteral("-o"),
                                made.path(QStringLiteral("changed")), QStringLiteral("--module"),
                                QStringLiteral(QUARN_REVIEW_FORMS_AFTER)});
        made.unchanged = runTool({QStringLiteral("review"), made.path(QStringLiteral("baseline")), QStringLiteral("-o"),
                                  made.path(QStringLiteral("unchanged")), QStringLiteral("--module"), before});
        return true;
    }();
    EXPECT_TRUE(done);
    return made;
}

QJsonObject formIn(const QJsonObject &review, const QString &name)
{
    for (const QJsonValue &form : review[QStringLiteral("changed")].toArray()) {
        if (form[QStringLiteral("form")].toString() == name)
            return form.toObject();
    }
    return {};
}

// "field setting: before -> after" of each change, "-" where there is none.
QStringList changeLines(const QJsonObject &form)
{
    QStringList lines;
    for (const QJsonValue &change : form[QStringLiteral("settings")].toArray()) {
        lines.append(QStringLiteral("%1 %2: %3 -> %4")
                         .arg(change[QStringLiteral("field")].toString(), change[QStringLiteral("setting")].toString(),
                              change[QStringLiteral("before")].toString(QStringLiteral("-")),
                              change[QStringLiteral("after")].toString(QStringLiteral("-"))));
    }
    return lines;
}

// Opens page (with #fragment) in headless chromium, a copy of it with probe
// run once everything, pictures too, has loaded; returns the object probe
// leaves in `out`.
QJsonObject probePage(const QString &page, const QString &probe, QString *error, const QString &fragment = QString())
{
    const QString copy = pageWithProbe(
        page,
        QStringLiteral("window.addEventListener(\"load\", () => {\nconst out = {};\n") + probe
            + QStringLiteral("\nconst pre = document.createElement(\"pre\");\npre.id = \"probe\";\n"
                             "pre.textContent = JSON.stringify(out);\ndocument.body.appendChild(pre);\n});"));
    if (copy.isEmpty()) {
        *error = QStringLiteral("cannot write a copy of ") + page;
        return {};
    }
    return browserProbe(copy, error, fragment);
}

QRect rectOf(const QJsonValue &value)
{
    const QJsonArray a = value.toArray();
    return a.size() == 4 ? QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt()) : QRect();
}

// Where a difference picture marks pixels as changed, and how many.
QRect markedPixels(const QImage &picture, int *count)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QRect marked;
    *count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == kChangedPixel) {
                marked |= QRect(x, y, 1, 1);
                ++*count;
            }
        }
    }
    return marked;
}

} // namespace

TEST(Review, ShowsEachPlantedChangeWithItsSettingsAndTheRectangleItPainted)
{
    const Reviews &made = reviews();
    // The baseline module registers few of the catalogued forms.
    ASSERT_TRUE(made.baseline.finished);
    ASSERT_TRUE(QFile::exists(made.path(QStringLiteral("baseline/forms.json")))) << made.baseline.err.constData();
    ASSERT_TRUE(made.changed.finished);
    EXPECT_EQ(made.changed.exitCode, kChanged) << made.changed.err.constData();
    EXPECT_EQ(lastLine(made.changed.out),
              QLatin1String("review: 9 of 10 forms changed: AbAddAddressScreenClass, AbAddressScreenClass, "
                            "AbContactItem, AbContactListScreenClass, AbPrevDestItem, AbPrevDestListScreenClass, "
                            "AlarmClockDetailScreenClass, AlarmClockListItem, AlarmClockListScreenClass"));
    const QJsonObject review = readJson(made.path(QStringLiteral("changed/review.json")));
    EXPECT_EQ(review[QStringLiteral("unchanged")].toArray(), QJsonArray{QStringLiteral("AbAddressListScreenClass")});

    const QJsonObject moved = formIn(review, QStringLiteral("AbAddAddressScreenClass"));
    EXPECT_EQ(changeLines(moved), QStringList{QStringLiteral("marker geometry: [10,10,50,20] -> [10,60,50,20]")});
    EXPECT_EQ(rectOf(moved[QStringLiteral("bounds")]), QRect(10, 10, 50, 70));
    EXPECT_EQ(moved[QStringLiteral("pixels")].toInt(), 2 * 50 * 20);

    const QJsonObject colour = formIn(review, QStringLiteral("AlarmClockDetailScreenClass"));
    // The colour as the palette holds it, in each colour group.
    EXPECT_EQ(changeLines(colour),
              (QStringList{QStringLiteral("band palette.Window.active: [192,48,48,255] -> [48,80,192,255]"),
                           QStringLiteral("band palette.Window.disabled: [192,48,48,255] -> [48,80,192,255]"),
                           QStringLiteral("band palette.Window.inactive: [192,48,48,255] -> [48,80,192,255]")}));
    EXPECT_EQ(rectOf(colour[QStringLiteral("bounds")]), QRect(0, 200, 240, 40));

    const QJsonObject removed = formIn(review, QStringLiteral("AbAddressScreenClass"));
    EXPECT_EQ(changeLines(removed),
              (QStringList{QStringLiteral("Root stacking: [\"caption\",\"hint\"] -> [\"caption\"]"),
                           QStringLiteral("hint : QLabel -> -")}));
    const QRect hint = rectOf(removed[QStringLiteral("bounds")]);
    EXPECT_FALSE(hint.isEmpty());
    EXPECT_TRUE(QRect(10, 100, 200, 20).contains(hint)) << hint.x() << "," << hint.y() << " " << hint.width();

    const QJsonObject painted = formIn(review, QStringLiteral("AbContactItem"));
    EXPECT_EQ(changeLines(painted), QStringList());
    EXPECT_EQ(rectOf(painted[QStringLiteral("bounds")]), QRect(20, 10, 70, 10));
    EXPECT_EQ(painted[QStringLiteral("pixels")].toInt(), 2 * 30 * 10 - 0);

    const QJsonObject stacked = formIn(review, QStringLiteral("AbContactListScreenClass"));
    EXPECT_EQ(changeLines(stacked),
              QStringList{QStringLiteral("Root stacking: [\"back\",\"front\"] -> [\"front\",\"back\"]")});
    EXPECT_EQ(rectOf(stacked[QStringLiteral("bounds")]), QRect(60, 60, 60, 60));

    // A setting that paints nothing is listed all the same.
    const QJsonObject unseen = formIn(review, QStringLiteral("AbPrevDestItem"));
    EXPECT_EQ(unseen[QStringLiteral("pixels")].toInt(), 0);
    EXPECT_FALSE(unseen.contains(QStringLiteral("difference")));
    const QStringList tip = changeLines(unseen);
    ASSERT_EQ(tip.size(), 1);
    EXPECT_TRUE(tip.first().startsWith(QLatin1String("name ")));
    EXPECT_TRUE(tip.first().endsWith(QLatin1String("toolTip: Old hint -> New hint"))) << tip.first().toStdString();

    const QJsonObject reordered = formIn(review, QStringLiteral("AbPrevDestListScreenClass"));
    EXPECT_TRUE(changeLines(reordered).contains(QStringLiteral("boxLayout settings.members: [\"one\",\"two\"] -> "
                                                               "[\"two\",\"one\"]")))
        << changeLines(reordered).join(QLatin1Char('\n')).toStdString();

    EXPECT_EQ(formIn(review, QStringLiteral("AlarmClockListItem"))[QStringLiteral("status")],
              QStringLiteral("removed"));
    const QJsonObject added = formIn(review, QStringLiteral("AlarmClockListScreenClass"));
    EXPECT_EQ(added[QStringLiteral("status")], QStringLiteral("added"));
    EXPECT_EQ(added[QStringLiteral("after")], QStringLiteral("gallery/AlarmClockListScreenClass.png"));

    // Each difference picture marks exactly the pixels counted, in the
    // rectangle given; the picture before is the baseline's.
    for (const QJsonValue &value : review[QStringLiteral("changed")].toArray()) {
        const QJsonObject form = value.toObject();
        const QString name = form[QStringLiteral("form")].toString();
        if (form.contains(QStringLiteral("difference"))) {
            int count = 0;
            const QRect marked = markedPixels(
                QImage(made.path(QStringLiteral("changed/") + form[QStringLiteral("difference")].toString())), &count);
            EXPECT_EQ(marked, rectOf(form[QStringLiteral("bounds")])) << name.toStdString();
            EXPECT_EQ(count, form[QStringLiteral("pixels")].toInt()) << name.toStdString();
        }
        if (form.contains(QStringLiteral("before"))) {
            QFile copy(made.path(QStringLiteral("changed/") + form[QStringLiteral("before")].toString()));
            QFile original(made.path(QStringLiteral("baseline/") + name + QStringLiteral(".png")));
            ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_EQ(copy.readAll(), original.readAll()) << name.toStdString();
        }
    }
    // The new gallery is the next baseline.
    EXPECT_TRUE(QFile::exists(made.path(QStringLiteral("changed/gallery/forms.json"))));
    EXPECT_TRUE(QFile::exists(made.path(QStringLiteral("changed/gallery/inspector.html"))));
}

TEST(Review, OfAnUnchangedBuildExitsZeroAndListsNothing)
{
    const Reviews &made = reviews();
    ASSERT_TRUE(made.unchanged.finished);
    EXPECT_EQ(made.unchanged.exitCode, 0) << made.unchanged.err.constData();
    EXPECT_EQ(made.unchanged.out, QByteArray("review: 0 of 9 forms changed\n"));
    const QJsonObject review = readJson(made.path(QStringLiteral("unchanged/review.json")));
    EXPECT_EQ(review[QStringLiteral("changed")].toArray(), QJsonArray());
    EXPECT_EQ(review[QStringLiteral("unchanged")].toArray().size(), 9);
    EXPECT_FALSE(QDir(made.path(QStringLiteral("unchanged/difference"))).exists());
}

TEST(Review, RefusesWhatItCannotCompare)
{
    const Reviews &made = reviews();
    const QString baseline = made.path(QStringLiteral("baseline"));
    const QString module = QStringLiteral(QUARN_REVIEW_FORMS_BEFORE);
    EXPECT_EQ(runTool({QStringLiteral("review"), baseline, QStringLiteral("--module"), module}).exitCode, kUsageError);
    EXPECT_EQ(runTool({QStringLiteral("review"), baseline, baseline, QStringLiteral("-o"), made.path("x")}).exitCode,
              kUsageError);
    EXPECT_EQ(
        runTool({QStringLiteral("review"), baseline, QStringLiteral("--all"), QStringLiteral("-o"), made.path("x")})
            .exitCode,
        kUsageError);
    // A directory without the dumps is no baseline; nor is the review's own gallery.
    const ToolRun notGallery = runTool({QStringLiteral("review"), made.path(QStringLiteral("changed/before")),
                                        QStringLiteral("-o"), made.path("x"), QStringLiteral("--module"), module});
    EXPECT_EQ(notGallery.exitCode, kChanged);
    EXPECT_TRUE(notGallery.err.contains("no baseline")) << notGallery.err.constData();
    const ToolRun own =
        runTool({QStringLiteral("review"), made.path(QStringLiteral("changed/gallery")), QStringLiteral("-o"),
                 made.path(QStringLiteral("changed")), QStringLiteral("--module"), module});
    EXPECT_EQ(own.exitCode, kChanged);
    EXPECT_TRUE(own.err.contains("the gallery the review writes")) << own.err.constData();
}

TEST(Review, OutlinesTheTextsATranslationMakesOverflow)
{
    const Reviews &made = reviews();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("long.ts"));
    const QString qm = dir.filePath(QStringLiteral("long.qm"));
    ASSERT_TRUE(writeFile(ts, R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="de"><context><name>ReviewForms</name>
<message><source>Save</source><translation>Speichern und schließen</translation></message>
<message><source>List</source><translation>Liste</translation></message>
</context></TS>
)"));
    QProcess lrelease;
    lrelease.start(QStringLiteral(QUARN_LRELEASE), {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm});
    ASSERT_TRUE(lrelease.waitForFinished(60000));
    ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();

    const ToolRun run = runTool({QStringLiteral("review"), made.path(QStringLiteral("baseline")), QStringLiteral("-o"),
                                 dir.filePath(QStringLiteral("review")), QStringLiteral("--module"),
                                 QStringLiteral(QUARN_REVIEW_FORMS_BEFORE), QStringLiteral("--translations"), qm});
    EXPECT_EQ(run.exitCode, kChanged) << run.err.constData();
    EXPECT_TRUE(lastLine(run.out).endsWith(QLatin1String("; 1 texts overflow with the translation, in 1 forms")))
        << run.out.constData();
    const QJsonObject review = readJson(dir.filePath(QStringLiteral("review/review.json")));
    const QJsonArray misfits = review[QStringLiteral("misfits")].toArray();
    ASSERT_EQ(misfits.size(), 1);
    EXPECT_EQ(misfits.at(0)[QStringLiteral("form")], QStringLiteral("AbAddAddressScreenClass"));
    const QJsonObject text = misfits.at(0)[QStringLiteral("texts")].toArray().at(0).toObject();
    EXPECT_EQ(text[QStringLiteral("field")], QStringLiteral("save"));
    EXPECT_EQ(text[QStringLiteral("text")], QStringLiteral("Speichern und schließen"));
    EXPECT_EQ(text[QStringLiteral("available")].toInt(), 60);
    EXPECT_GT(text[QStringLiteral("needed")].toInt(), 60);
    EXPECT_EQ(rectOf(text[QStringLiteral("outline")]), QRect(10, 300, 60, 20));
    // "List" grew too, but still fits; the form it is in changed all the same.
    EXPECT_FALSE(formIn(review, QStringLiteral("AbAddressListScreenClass")).isEmpty());

    if (QByteArray(QUARN_CHROMIUM).isEmpty())
        GTEST_SKIP() << "the page is checked in a headless browser: apt-get install chromium";
    QString error;
    const QJsonObject out = probePage(dir.filePath(QStringLiteral("review/index.html")), QStringLiteral(R"js(
out.outlines = Array.from(document.querySelectorAll(".box.misfit"),
                          b => b.closest("section").dataset.form + " " + b.style.cssText);
out.texts = Array.from(document.querySelectorAll("table.misfits tr"),
                       tr => Array.from(tr.cells, c => c.textContent).join("|")).slice(1);
)js"),
                                      &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(out[QStringLiteral("outlines")].toArray(),
              QJsonArray{QStringLiteral("AbAddAddressScreenClass left: 10px; top: 300px; width: 60px; height: 20px;")});
    const QJsonArray texts = out[QStringLiteral("texts")].toArray();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts.at(0).toString().startsWith(QStringLiteral("save|Speichern und schließen|")))
        << texts.at(0).toString().toStdString();
}

// Cases of the dump comparison that the modules do not plant.
TEST(ReviewSettings, MatchesFieldsByNameAndParentThenByNameThenUnnamedByOrder)
{
    const auto field = [](const char *name, const char *cls, const char *parent, const QJsonValue &geometry) {
        return QJsonObject{{QStringLiteral("name"), name ? QJsonValue(QLatin1String(name)) : QJsonValue()},
                           {QStringLiteral("class"), QLatin1String(cls)},
                           {QStringLiteral("parent"), QLatin1String(parent)},
                           {QStringLiteral("geometry"), geometry}};
    };
    const QJsonObject emptySlot{{QStringLiteral("name"), QJsonValue()},
                                {QStringLiteral("class"), QJsonValue()},
                                {QStringLiteral("problem"), QStringLiteral("not set")}};
    const QJsonObject before{{QStringLiteral("fields"),
                              QJsonArray{field("panel", "QFrame", "Root", QJsonArray{0, 0, 10, 10}),
                                         field("ok", "QLabel", "Root", QJsonArray{1, 1, 5, 5}),
                                         field(nullptr, "QSpacerItem", "", QJsonValue()),
                                         field(nullptr, "QSpacerItem", "", QJsonValue()), emptySlot}}};
    QJsonArray spacers{field(nullptr, "QSpacerItem", "", QJsonValue()),
                       field(nullptr, "QSpacerItem", "", QJsonValue())};
    QJsonObject wider = spacers.at(1).toObject();
    wider.insert(QStringLiteral("settings"), QJsonObject{{QStringLiteral("sizeHint"), QJsonArray{20, 0}}});
    const QJsonObject after{{QStringLiteral("fields"),
                             QJsonArray{emptySlot, field("panel", "QFrame", "Root", QJsonArray{0, 0, 10, 10}),
                                        field("ok", "QLabel", "panel", QJsonArray{1, 1, 5, 5}), spacers.at(0), wider}}};
    QStringList lines;
    for (const auto &change : settingChanges(before, after)) {
        lines.append(change.field + QLatin1Char(' ') + change.setting + QLatin1String(": ")
                     + quarn::layouttool::settingText(change.before) + QLatin1String(" -> ")
                     + quarn::layouttool::settingText(change.after));
    }
    // The label moved into the panel: the same field, in another parent;
    // the second spacer got a size; the empty record slot is no field.
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("ok parent: Root -> panel"),
                           QStringLiteral("(unnamed QSpacerItem, field 0) settings.sizeHint: - -> [20,0]")}));
}

TEST(ReviewPictures, CountsPixelsOnlyOnePictureHasAsChanged)
{
    QImage small(4, 3, QImage::Format_RGB32);
    small.fill(Qt::white);
    QImage large(5, 3, QImage::Format_RGB32);
    large.fill(Qt::white);
    large.setPixel(1, 1, qRgb(0, 0, 0));
    const auto change = comparePictures(small, large);
    EXPECT_EQ(change.pixels, 3 + 1);
    EXPECT_EQ(change.bounds, QRect(1, 0, 4, 3));
    EXPECT_EQ(comparePictures(large, large).pixels, 0);
    EXPECT_TRUE(comparePictures(large, large).difference.isNull());
    EXPECT_EQ(comparePictures(QImage(), large).pixels, 15);
}

TEST(ReviewPage, ListsTheChangedFormsShowsTheirPicturesAndOpensTheInspectorAtEach)
{
    ASSERT_STRNE(QUARN_CHROMIUM, "") << "the page test needs a headless browser: apt-get install chromium";
    const Reviews &made = reviews();
    const QString page = made.path(QStringLiteral("changed/index.html"));
    const QString html = readText(page);
    // Nothing from elsewhere, no placeholder left behind.
    EXPECT_FALSE(html.contains(QLatin1String("http://")) || html.contains(QLatin1String("https://")));
    EXPECT_FALSE(html.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@"))));
    QString error;
    const QJsonObject out = probePage(page, QStringLiteral(R"js(
out.title = document.getElementById("summary").textContent;
out.forms = Array.from(document.querySelectorAll("section.form"), s => s.dataset.form + " " + s.className);
out.broken = Array.from(document.images).filter(i => !i.complete || i.naturalWidth === 0).map(i => i.src);
out.pictures = document.images.length;
out.links = Array.from(document.querySelectorAll("section.form a.inspect"), a => a.getAttribute("href"));
out.unchanged = document.getElementById("unchanged").textContent;
out.changeBox = Array.from(document.querySelectorAll("#AbContactItem .box.change"), b => b.style.cssText);
out.rows = Array.from(document.querySelectorAll("#AbPrevDestItem table.settings tr"),
                      tr => Array.from(tr.cells, c => c.textContent).join("|"));
)js"),
                                      &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(out[QStringLiteral("title")], QStringLiteral("9 of 10 forms changed"));
    const QStringList forms = out[QStringLiteral("forms")].toVariant().toStringList();
    EXPECT_EQ(forms.size(), 9) << forms.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(forms.contains(QStringLiteral("AlarmClockListItem form removed")));
    EXPECT_TRUE(forms.contains(QStringLiteral("AbContactItem form changed")));
    EXPECT_EQ(out[QStringLiteral("broken")].toArray(), QJsonArray());
    // Before, after, difference for the seven changed but one that painted
    // nothing; one picture each for the form gone and the form new.
    EXPECT_EQ(out[QStringLiteral("pictures")].toInt(), 7 * 3 - 1 + 2);
    EXPECT_EQ(out[QStringLiteral("unchanged")], QStringLiteral("Unchanged (1): AbAddressListScreenClass"));
    EXPECT_EQ(out[QStringLiteral("changeBox")].toArray(),
              QJsonArray{QStringLiteral("left: 20px; top: 10px; width: 70px; height: 10px;")});
    EXPECT_EQ(out[QStringLiteral("rows")].toArray(),
              (QJsonArray{QStringLiteral("field|setting|before|after"),
                          QStringLiteral("name|settings.toolTip|Old hint|New hint")}));

    // Each form that is there now links to the new gallery's inspector; the
    // link opens the inspector at that form.
    const QJsonArray links = out[QStringLiteral("links")].toArray();
    ASSERT_EQ(links.size(), 8);
    for (const QJsonValue &link : links) {
        EXPECT_TRUE(link.toString().startsWith(QLatin1String("gallery/inspector.html#")))
            << link.toString().toStdString();
    }
    const QString link = links.at(2).toString();
    const QString form = link.section(QLatin1Char('#'), 1);
    const QJsonObject inspector =
        probePage(QFileInfo(page).dir().filePath(link.section(QLatin1Char('#'), 0, 0)),
                  QStringLiteral("out.title = document.getElementById(\"title\").textContent;"), &error, form);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(inspector[QStringLiteral("title")].toString().startsWith(form + QStringLiteral(" (")))
        << inspector[QStringLiteral("title")].toString().toStdString();
}
