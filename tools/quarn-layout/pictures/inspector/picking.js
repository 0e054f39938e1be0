// Which field of a form a point of its picture lands on. Fields stack as the
// widgets paint: a widget above the one it sits in, siblings bottom to top in
// the order the dump's "stacking" gives (raised ones last), those it does not
// list above those it does. A layout lies just below the widget it arranges,
// so a click reaches it by going down. Fields without an outline are not on
// the picture and are never picked.
//
// Each field carries "under", the index of the field widget it sits in (-1:
// the root), or for a layout "layoutOf", the widget it arranges.
"use strict";

const QuarnPicking = (() => {
  // Field indices, bottom to top.
  function stackingOrder(form) {
    const fields = form.fields;
    const stacking = form.stacking || {};
    const order = [];
    const placed = new Set();
    const rank = (parent, field, index) => {
      const siblings = stacking[parent < 0 ? "Root" : fields[parent].name] || [];
      const at = siblings.indexOf(field.name);
      return at < 0 ? siblings.length + index : at;
    };
    const placeLayouts = owner => fields.forEach((field, index) => {
      if (field.layoutOf === owner && !placed.has(index)) {
        placed.add(index);
        order.push(index);
      }
    });
    const place = index => {
      if (placed.has(index)) return;
      placed.add(index);
      placeLayouts(index);
      order.push(index);
      visit(index);
    };
    function visit(parent) {
      fields.map((field, index) => ({field, index}))
            .filter(({field}) => field.under === parent)
            .sort((a, b) => rank(parent, a.field, a.index) - rank(parent, b.field, b.index))
            .forEach(({index}) => place(index));
    }
    placeLayouts(-1);
    visit(-1);
    return order.filter(index => fields[index].outline);
  }

  function contains(outline, x, y) {
    if (!outline) return false;
    const [left, top, width, height] = outline;
    return width > 0 && height > 0 && x >= left && y >= top && x < left + width && y < top + height;
  }

  // The fields under a point, topmost first.
  function fieldsAt(form, order, x, y) {
    return order.filter(index => contains(form.fields[index].outline, x, y)).reverse();
  }

  // A click picks the topmost field under it; clicked again at the same point,
  // the next one down, round to the top again.
  class Picker {
    constructor(form) {
      this.form = form;
      this.order = stackingOrder(form);
      this.last = null;
    }
    click(x, y) {
      const hits = fieldsAt(this.form, this.order, x, y);
      let chosen = hits.length ? hits[0] : null;
      const last = this.last;
      if (last && Math.abs(last.x - x) <= 2 && Math.abs(last.y - y) <= 2) {
        const at = hits.indexOf(last.index);
        if (at >= 0) chosen = hits[(at + 1) % hits.length];
      }
      this.last = chosen === null ? null : {x, y, index: chosen};
      return chosen;
    }
  }

  // Whether a field's name or any of its texts holds the query (lower case).
  function fieldMatches(field, query) {
    if (query === "") return false;
    if ((field.name || "").toLowerCase().includes(query)) return true;
    const texts = [];
    const collect = value => {
      if (typeof value === "string") texts.push(value);
      else if (Array.isArray(value)) value.forEach(collect);
      else if (value && typeof value === "object") Object.values(value).forEach(collect);
    };
    collect(field.text);
    return texts.some(text => text.toLowerCase().includes(query));
  }

  return {stackingOrder, fieldsAt, Picker, fieldMatches};
})();

if (typeof module !== "undefined") module.exports = QuarnPicking;
