// The inspector page: a form's picture, the field a click picks, its details,
// and a search over forms and fields. A form can be linked as #FormName.
"use strict";

const forms = JSON.parse(document.getElementById("forms").textContent);
const $ = id => document.getElementById(id);
let current = null;
let picker = null;

function shown(value) {
  if (value === null || value === undefined) return "";
  return typeof value === "string" ? value : JSON.stringify(value, null, 1);
}

function row(table, label, value) {
  const text = shown(value);
  if (text === "" || text === "{}" || text === "[]") return;
  const tr = table.insertRow();
  const th = document.createElement("th");
  th.textContent = label;
  tr.appendChild(th);
  tr.insertCell().textContent = text;
}

function fieldLabel(field) {
  return (field.name || "(unnamed)") + " (" + field["class"] + ")";
}

function outlineBox(field, className) {
  const box = document.createElement("div");
  box.className = "outline " + className;
  const [x, y, w, h] = field.outline;
  Object.assign(box.style, {left: x + "px", top: y + "px", width: w + "px", height: h + "px"});
  return box;
}

function showField(form, index) {
  const field = form.fields[index];
  const picture = $("picture");
  picture.querySelectorAll(".outline.selected").forEach(e => e.remove());
  picture.dataset.selected = index;
  if (field.outline) picture.appendChild(outlineBox(field, "selected"));
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

// The point of the picture under a mouse event, in the form's pixels.
function pointOf(event) {
  const img = $("picture").querySelector("img");
  const box = img.getBoundingClientRect();
  return [Math.floor(event.clientX - box.left), Math.floor(event.clientY - box.top)];
}

function showForm(form, fieldIndex) {
  current = form;
  picker = new QuarnPicking.Picker(form);
  $("title").textContent = form.form + " (" + form.size.join(" \u00d7 ") + ")";
  const picture = $("picture");
  picture.innerHTML = "";
  delete picture.dataset.selected;
  picture.dataset.form = form.form;
  const img = document.createElement("img");
  img.src = form.picture;
  img.alt = form.form;
  // Sized at once, so the picture takes its place before it has decoded.
  [img.width, img.height] = form.size;
  img.draggable = false;
  picture.appendChild(img);
  $("details").innerHTML = "<p>Click a field in the picture.</p>";
  if (fieldIndex !== undefined) showField(form, fieldIndex);
  if (decodeURIComponent(location.hash.slice(1)) !== form.form)
    history.replaceState(null, "", "#" + encodeURIComponent(form.form));
  listHits();
}

function hover(event) {
  const picture = $("picture");
  picture.querySelectorAll(".outline.hover").forEach(e => e.remove());
  const [x, y] = pointOf(event);
  const hits = QuarnPicking.fieldsAt(current, picker.order, x, y);
  $("under").textContent = hits.length
    ? "Under the pointer: " + hits.map(index => fieldLabel(current.fields[index])).join(" \u203a ")
    : "";
  if (hits.length) picture.appendChild(outlineBox(current.fields[hits[0]], "hover"));
}

function listHits() {
  const query = $("search").value.trim().toLowerCase();
  const hits = $("hits");
  hits.innerHTML = "";
  forms.forEach(form => {
    const formHit = form.form.toLowerCase().includes(query);
    const fieldHits = form.fields.map((field, index) => [field, index])
                                 .filter(([field]) => QuarnPicking.fieldMatches(field, query));
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
      sub.textContent = field.name || "(unnamed)";
      if (typeof field.text === "string" && field.text !== "") {
        const text = document.createElement("small");
        text.textContent = field.text;
        sub.appendChild(text);
      }
      sub.dataset.form = form.form;
      sub.dataset.field = field.name || "";
      sub.dataset.index = index;
      sub.addEventListener("click", () => showForm(form, index));
      hits.appendChild(sub);
    });
  });
}

function showLinkedForm() {
  const name = decodeURIComponent(location.hash.slice(1));
  const form = forms.find(candidate => candidate.form === name);
  if (form && form !== current) showForm(form);
  return Boolean(form);
}

$("picture").addEventListener("click", event => {
  const [x, y] = pointOf(event);
  const index = picker.click(x, y);
  if (index !== null) showField(current, index);
});
$("picture").addEventListener("mousemove", hover);
$("picture").addEventListener("mouseleave", () => {
  $("picture").querySelectorAll(".outline.hover").forEach(e => e.remove());
  $("under").textContent = "";
});
$("search").addEventListener("input", listHits);
window.addEventListener("hashchange", showLinkedForm);
if (!showLinkedForm()) {
  if (forms.length) showForm(forms[0]); else listHits();
}
