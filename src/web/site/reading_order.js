// The order of a screen's elements, which is the order a screen reader reads
// it in: the stops of the Tab chain in their order, a group box with its
// radio buttons, the label that names a control just before it, and every
// other text with the stop it lies nearest to: before the stop when it lies
// above it or to its left on its row, after it otherwise. Texts side by side
// on a row (a caption and its amount) are read together, left to right.

// Texts this close on a row belong together.
const ROW_GAP = 24;

// The control as it is seen: a combo box's designed height reaches down
// over its dropped list.
function rectOf(c) {
  return { x: c.x, y: c.y, w: c.w, h: c.kind === 'combo' ? Math.min(c.h, 24) : c.h };
}

function union(rects) {
  const x = Math.min(...rects.map((r) => r.x));
  const y = Math.min(...rects.map((r) => r.y));
  return { x, y, w: Math.max(...rects.map((r) => r.x + r.w)) - x, h: Math.max(...rects.map((r) => r.y + r.h)) - y };
}

const overlapsRow = (a, b) => a.y < b.y + b.h && b.y < a.y + a.h;

function distance(a, b) {
  const dx = Math.max(0, a.x - (b.x + b.w), b.x - (a.x + a.w));
  const dy = Math.max(0, a.y - (b.y + b.h), b.y - (a.y + a.h));
  return Math.hypot(dx, dy);
}

function comesBefore(text, stop) {
  if (overlapsRow(text, stop)) return text.x < stop.x;
  return text.y + text.h / 2 < stop.y;
}

const byPlace = (a, b) => a.rect.y - b.rect.y || a.rect.x - b.rect.x;

// The texts of `controls` joined into runs along their rows.
function rows(controls) {
  const runs = [];
  for (const c of [...controls].sort((a, b) => a.y - b.y || a.x - b.x)) {
    const r = rectOf(c);
    const run = runs.find((u) => {
      const last = rectOf(u.members[u.members.length - 1]);
      return overlapsRow(last, r) && r.x >= last.x + last.w && r.x - (last.x + last.w) <= ROW_GAP;
    });
    if (run) {
      run.members.push(c);
      run.rect = union(run.members.map(rectOf));
    } else {
      runs.push({ members: [c], rect: r });
    }
  }
  return runs;
}

// `controls` as the model describes them (name, kind, group, labelledBy,
// x, y, w, h), `chain` the form's Tab chain: the controls in reading order.
export function readingOrder(controls, chain) {
  const byName = new Map(controls.map((c) => [c.name, c]));
  const unitOf = new Map();
  const units = [];
  for (const name of chain) {
    const stop = byName.get(name);
    if (!stop || unitOf.has(name)) continue;
    const members = [stop];
    if (stop.kind === 'group')
      members.push(...controls.filter((c) => c.kind === 'radio' && c.group === name).sort((a, b) => a.y - b.y || a.x - b.x));
    const unit = { rect: rectOf(stop), members, naming: [], before: [], after: [] };
    units.push(unit);
    for (const m of members) unitOf.set(m.name, unit);
  }
  const rest = [];
  for (const c of controls) {
    if (unitOf.has(c.name)) continue;
    const named = controls.find((o) => o.labelledBy === c.name && unitOf.has(o.name));
    if (named) unitOf.get(named.name).naming.push(c);
    else rest.push(c);
  }
  const unplaced = [];
  for (const run of rows(rest)) {
    if (units.length === 0) {
      unplaced.push(run);
      continue;
    }
    const far = (u) => distance(run.rect, u.rect);
    const nearest = Math.min(...units.map(far));
    // A text goes on from a stop above it or on its left that is nearly as
    // near as the nearest; below two stops alike, from the later one.
    const followed = units.filter((u) => !comesBefore(run.rect, u.rect) && far(u) <= 2 * nearest + 0.5);
    if (followed.length) {
      const closest = Math.min(...followed.map(far));
      followed.filter((u) => far(u) <= closest + 0.5).pop().after.push(run);
    } else {
      units.find((u) => far(u) <= nearest + 0.5).before.push(run);
    }
  }
  const texts = (runs) => runs.sort(byPlace).flatMap((run) => run.members);
  return [
    ...units.flatMap((u) => [...texts(u.before), ...u.naming, ...u.members, ...texts(u.after)]),
    ...texts(unplaced),
  ];
}
