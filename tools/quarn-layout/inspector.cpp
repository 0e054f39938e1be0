#include "inspector.h"

#include "form_dump.h"
#include "form_census.h"
#include "form_host.h"
#include "preview_root.h"
#include "render.h"

#include <QBuffer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLayout>
#include <QSaveFile>
#include <QTextStream>
#include <QWidget>

#include <optional>

namespace quarn::layouttool {

using harness::FormCensus;

namespace {

QString pngDataUrl(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

QJsonArray rectJson(const QRect &rect)
{
    return QJsonArray{rect.x(), rect.y(), rect.width(), rect.height()};
}

// Where a field sits in the picture once the layouts have settled; nothing
// for a hidden widget or a spacer.
std::optional<QRect> outlineInRoot(const QObject *object, const QWidget *root)
{
    if (object && object->isWidgetType()) {
        const auto *widget = static_cast<const QWidget *>(object);
        if (widget->isVisibleTo(root))
            return QRect(widget->mapTo(root, QPoint()), widget->size());
        return std::nullopt;
    }
    const auto *layout = qobject_cast<const QLayout *>(object);
    if (const QWidget *owner = layout ? layout->parentWidget() : nullptr)
        return layout->geometry().translated(owner->mapTo(root, QPoint()));
    return std::nullopt;
}

QJsonObject formJson(const FormLayout &form, const CatalogueIndexEntry &entry, const ImageIndex &images)
{
    BuiltForm built(form, entry, std::make_unique<PreviewRoot>());
    // The dump reads the tree as the form left it, before any layout ran.
    FormDumper dumper(images);
    QJsonObject json = dumper.dump(built);
    json.insert(QStringLiteral("picture"), pngDataUrl(renderForm(built)));
    json.insert(QStringLiteral("size"), QJsonArray{entry.width, entry.height});

    const FormCensus census(built);
    QJsonArray fields = json.value(QStringLiteral("fields")).toArray();
    for (int i = 0; i < fields.size() && i < census.fieldCount(); ++i) {
        const std::optional<QRect> outline = outlineInRoot(census.object(i), built.root());
        if (!outline)
            continue;
        QJsonObject field = fields.at(i).toObject();
        field.insert(QStringLiteral("outline"), rectJson(*outline));
        fields.replace(i, field);
    }
    json.insert(QStringLiteral("fields"), fields);
    return json;
}

const char kPageHead[] = R"html(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Quarn layouts: inspector</title>
<style>
body{margin:0;font:13px sans-serif;display:flex;height:100vh;color:#222}
#side{width:260px;border-right:1px solid #bbb;display:flex;flex-direction:column}
#search{margin:8px;padding:4px;font:inherit}
#hits{overflow:auto;flex:1;margin:0;padding:0 8px 8px;list-style:none}
#hits li{padding:2px 4px;cursor:pointer;white-space:nowrap}
#hits li:hover,#hits li.current{background:#dde6f5}
#hits .field{padding-left:18px;color:#555}
#stage{padding:16px;overflow:auto}
#picture{position:relative;border:1px solid #999;display:inline-block}
#picture img{display:block}
.outline{position:absolute;box-sizing:border-box;border:1px solid transparent;cursor:pointer}
.outline:hover{border-color:#e33;background:rgba(238,51,51,.08)}
.outline.selected{border:2px solid #27f;background:rgba(34,119,255,.12)}
#details{padding:16px;overflow:auto;flex:1;min-width:280px}
#details table{border-collapse:collapse}
#details th{text-align:left;vertical-align:top;padding:2px 8px 2px 0;color:#555}
#details td{padding:2px 0;white-space:pre-wrap;word-break:break-all;font-family:monospace}
</style></head>
<body>
<div id="side"><input id="search" type="search" placeholder="Find a form or field" autofocus><ul id="hits"></ul></div>
<div id="stage"><h2 id="title"></h2><div id="picture"></div></div>
<div id="details"><p>Click a field in the picture.</p></div>
<script id="forms" type="application/json">)html";

const char kPageTail[] = R"html(</script>
<script>
"use strict";
const forms = JSON.parse(document.getElementById("forms").textContent);
const $ = id => document.getElementById(id);
let current = null;

function text(value) {
  if (value === null || value === undefined) return "";
  return typeof value === "string" ? value : JSON.stringify(value, null, 1);
}
function row(table, label, value) {
  const shown = text(value);
  if (shown === "" || shown === "{}" || shown === "[]") return;
  const tr = table.insertRow();
  tr.insertCell().outerHTML = "<th></th>";
  tr.cells[0].textContent = label;
  tr.insertCell().textContent = shown;
}
function showField(form, index) {
  const field = form.fields[index];
  document.querySelectorAll(".outline.selected").forEach(e => e.classList.remove("selected"));
  const outline = document.querySelector('.outline[data-index="' + index + '"]');
  if (outline) outline.classList.add("selected");
  const details = $("details");
  details.innerHTML = "";
  const heading = document.createElement("h3");
  heading.textContent = (field.name || "(unnamed)") + " in " + form.form;
  details.appendChild(heading);
  const table = document.createElement("table");
  table.id = "fieldTable";
  row(table, "index", String(field.index));
  row(table, "class", field["class"]);
  row(table, "parent", field.parent);
  row(table, "geometry", field.geometry ? field.geometry.join(", ") : "");
  row(table, "in picture", field.outline ? field.outline.join(", ") : "");
  row(table, "text", field.text);
  row(table, "images", field.images);
  row(table, "font pixel size", field.fontPixelSize);
  row(table, "alignment", field.alignment);
  row(table, "font", field.font);
  row(table, "palette", field.palette);
  row(table, "properties", field.properties);
  row(table, "settings", field.settings);
  row(table, "problem", field.problem);
  details.appendChild(table);
}
function showForm(form, fieldIndex) {
  current = form;
  $("title").textContent = form.form + " (" + form.size.join(" \u00d7 ") + ")";
  const picture = $("picture");
  picture.innerHTML = "";
  const img = document.createElement("img");
  img.src = form.picture;
  img.alt = form.form;
  picture.appendChild(img);
  // Later fields are usually children of earlier ones: they stack on top.
  form.fields.forEach((field, index) => {
    if (!field.outline || field.outline[2] <= 0 || field.outline[3] <= 0) return;
    const box = document.createElement("div");
    box.className = "outline";
    box.dataset.index = index;
    box.dataset.name = field.name || "";
    box.title = (field.name || "") + " (" + field["class"] + ")";
    const [x, y, w, h] = field.outline;
    Object.assign(box.style, {left: x + "px", top: y + "px", width: w + "px", height: h + "px", zIndex: index + 1});
    box.addEventListener("click", event => { event.stopPropagation(); showField(form, index); });
    picture.appendChild(box);
  });
  $("details").innerHTML = "<p>Click a field in the picture.</p>";
  if (fieldIndex !== undefined) showField(form, fieldIndex);
  listHits();
}
function listHits() {
  const query = $("search").value.trim().toLowerCase();
  const hits = $("hits");
  hits.innerHTML = "";
  forms.forEach(form => {
    const formHit = form.form.toLowerCase().includes(query);
    const fieldHits = query === "" ? [] :
      form.fields.map((field, index) => [field, index])
                 .filter(([field]) => (field.name || "").toLowerCase().includes(query));
    if (!formHit && fieldHits.length === 0) return;
    const item = document.createElement("li");
    item.textContent = form.form;
    item.dataset.form = form.form;
    if (form === current) item.classList.add("current");
    item.addEventListener("click", () => showForm(form));
    hits.appendChild(item);
    fieldHits.forEach(([field, index]) => {
      const sub = document.createElement("li");
      sub.className = "field";
      sub.textContent = field.name;
      sub.dataset.form = form.form;
      sub.dataset.field = field.name;
      sub.addEventListener("click", () => showForm(form, index));
      hits.appendChild(sub);
    });
  });
}
$("search").addEventListener("input", listHits);
if (forms.length) showForm(forms[0]); else listHits();
</script>
</body></html>
)html";

} // namespace

bool writeInspectorPage(LayoutModule &module, const ImageIndex &images, const QString &file, QTextStream &errors)
{
    QJsonArray forms;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        if (const FormLayout *form = module.find(QString::fromLatin1(entry.name)))
            forms.append(formJson(*form, entry, images));
    }
    // Inside a script element "</" must not appear; JSON allows "<\/".
    QByteArray data = QJsonDocument(forms).toJson(QJsonDocument::Compact);
    data.replace("</", "<\\/");

    QSaveFile page(file);
    if (!page.open(QIODevice::WriteOnly) || page.write(kPageHead) < 0 || page.write(data) != data.size()
        || page.write(kPageTail) < 0 || !page.commit()) {
        errors << "cannot write " << file << ": " << page.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace quarn::layouttool
