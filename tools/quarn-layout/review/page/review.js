// The review page: what a change did to the forms, from the data the tool
// put beside this script. Pictures are files next to the page; each form
// links to the new gallery's inspector.
"use strict";

const review = JSON.parse(document.getElementById("review").textContent);
const $ = id => document.getElementById(id);

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function box(className, [x, y, w, h], title) {
  const b = element("div", "box " + className);
  Object.assign(b.style, {left: x + "px", top: y + "px", width: w + "px", height: h + "px"});
  if (title) b.title = title;
  return b;
}

function figure(caption, src, boxes) {
  const f = element("figure");
  f.appendChild(element("figcaption", "", caption));
  const holder = element("div", "picture");
  const img = element("img");
  img.src = src;
  img.alt = caption;
  holder.appendChild(img);
  boxes.forEach(b => holder.appendChild(b));
  f.appendChild(holder);
  return f;
}

function misfitBoxes(texts) {
  return texts.map(t => box("misfit", t.outline, t.field + ": needs " + t.needed + " px, has " + t.available));
}

function misfitTable(texts) {
  const table = element("table", "misfits");
  const head = table.insertRow();
  ["field", "text", "needs", "has", ""].forEach(h => head.appendChild(element("th", "", h)));
  texts.forEach(t => {
    const row = table.insertRow();
    row.insertCell().textContent = t.field;
    row.insertCell().textContent = t.text;
    row.insertCell().textContent = t.needed + " px" +
      (t.untranslatedNeeded !== undefined ? " (untranslated " + t.untranslatedNeeded + ")" : "");
    row.insertCell().textContent = t.available + " px";
    row.insertCell().textContent = "of " + t.direction;
  });
  return table;
}

function settingsTable(settings) {
  const table = element("table", "settings");
  const head = table.insertRow();
  ["field", "setting", "before", "after"].forEach(h => head.appendChild(element("th", "", h)));
  settings.forEach(s => {
    const row = table.insertRow();
    row.insertCell().textContent = s.field;
    row.insertCell().textContent = s.setting || (s.before === undefined ? "(added)" : "(removed)");
    const before = row.insertCell();
    before.className = "before";
    before.textContent = s.before === undefined ? "\u2014" : s.before;
    const after = row.insertCell();
    after.className = "after";
    after.textContent = s.after === undefined ? "\u2014" : s.after;
  });
  return table;
}

function inspectorLink(name) {
  const a = element("a", "inspect", "inspect");
  a.href = review.gallery + "/inspector.html#" + encodeURIComponent(name);
  return a;
}

const misfitsOf = {};
review.misfits.forEach(m => { misfitsOf[m.form] = m.texts; });

function formSection(form) {
  const section = element("section", "form " + form.status);
  section.id = form.form;
  section.dataset.form = form.form;
  const title = element("h2", "", form.form);
  title.appendChild(element("span", "status", form.status));
  if (form.after) {
    title.appendChild(document.createTextNode(" "));
    title.appendChild(inspectorLink(form.form));
  }
  section.appendChild(title);
  if (form.status === "changed") {
    if (form.pixels === 0) section.appendChild(element("p", "note", "Settings changed; no pixel did."));
    else if (form.settings.length === 0)
      section.appendChild(element("p", "note", "Pixels changed; no setting did: a control paints differently."));
  }
  const pictures = element("div", "pictures");
  const texts = misfitsOf[form.form] || [];
  if (form.before) pictures.appendChild(figure("before", form.before, []));
  if (form.after) pictures.appendChild(figure("after", form.after, misfitBoxes(texts)));
  if (form.difference) {
    const b = form.bounds;
    pictures.appendChild(figure("difference: " + form.pixels + " pixels in " + b[0] + "," + b[1] + " " + b[2] +
                                "\u00d7" + b[3], form.difference, [box("change", b)]));
  }
  section.appendChild(pictures);
  if (form.settings && form.settings.length) section.appendChild(settingsTable(form.settings));
  if (texts.length) section.appendChild(misfitTable(texts));
  return section;
}

$("summary").textContent = review.changed.length + " of " + review.forms + " forms changed";
$("baseline").textContent = "Against the gallery in " + review.baseline + "; the new one is in " + review.gallery +
  "/, the next baseline.";
review.changed.forEach(form => {
  const item = element("li", form.status);
  const a = element("a", "", form.form);
  a.href = "#" + encodeURIComponent(form.form);
  item.appendChild(a);
  if (form.status !== "changed") item.appendChild(document.createTextNode(" (" + form.status + ")"));
  $("index").appendChild(item);
  $("forms").appendChild(formSection(form));
});
$("unchanged").textContent = review.unchanged.length
  ? "Unchanged (" + review.unchanged.length + "): " + review.unchanged.join(", ")
  : "";

// Texts that do not fit in forms that did not change; the changed show theirs above.
const changedNames = new Set(review.changed.map(form => form.form));
const alone = review.misfits.filter(m => !changedNames.has(m.form));
if (review.translated) {
  $("misfits").appendChild(element("h2", "", review.misfits.length
    ? "Texts the translation makes overflow"
    : "No text overflows with the translation"));
}
alone.forEach(m => {
  const section = element("section", "form misfit");
  section.id = m.form;
  section.dataset.form = m.form;
  const title = element("h2", "", m.form);
  title.appendChild(document.createTextNode(" "));
  title.appendChild(inspectorLink(m.form));
  section.appendChild(title);
  const pictures = element("div", "pictures");
  pictures.appendChild(figure("translated", m.after, misfitBoxes(m.texts)));
  section.appendChild(pictures);
  section.appendChild(misfitTable(m.texts));
  $("misfits").appendChild(section);
});
